// The member names of the model (T_NAME_D), and the named slab loads (CClassNsbl) that
// hang on the slab names: a deleted name takes its slab load with it in the same
// transaction. The sample model holds the slab names "S1" and "S2".
// The name combo (CCobxName) offers, for each name kind, the names of its member type (kind
// 1 points 100, 2 columns 101, 4 to 512 the line members 200 to 208, 1024 to 4096 the area
// members 300 to 302; 2048 slabs 301),
// in key order, item data the name's key.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_NAME_D.h"

class CClassName : public DB_CTable<T_NAME_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_NAME;
  enum {
    UR_NAME_ADD = DB_UR_CODE(DB_CLASS_NAME, DB_UR_ADD),
    UR_NAME_DEL = DB_UR_CODE(DB_CLASS_NAME, DB_UR_DEL),
    UR_NAME_MFD = DB_UR_CODE(DB_CLASS_NAME, DB_UR_MFD),
    UR_NAME_MFS = DB_UR_CODE(DB_CLASS_NAME, DB_UR_MFS),
  };
  // Member-type codes of the names the levels read.
  enum { TYPE_POINT = 100, TYPE_SLAB = 301 };
  // The name kind of slab names (CCobxName::SetType).
  static constexpr int KIND_SLAB = 2048;

  CClassName() : DB_CTable(m_nClassID) {}
  // The key of a name of one member type, 0 when none (an index of (name, type)).
  UINT GetKey(const CString& name, int type) const;
  using DB_CTable::GetKey;
  // The keys of the names of one member type, in table order (an index of the types).
  void GetKeyListOfType(int type, CUIntArray& keys) const;
  // What uses the name of that key: the members of the name's type that bear its text,
  // plus 1 when a named slab load is stored under its key, plus its member load
  // assignments (CClassMbld). 0 for an unknown key. O(1): the member table counts its
  // members by type and name, the assignment table its records by name.
  int GetRefCount(UINT key) const;

 protected:
  // Deleted names take their member load assignments and their named slab loads with
  // them, in the same transaction.
  void DeleteDependants(const std::vector<UINT>& keys) override;
};

class CDataName : public DB_CDataImage<T_NAME_D> {};
