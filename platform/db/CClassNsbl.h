// The loads of named slabs (T_NSBL_D), each under the key of its slab name (a record of
// CClassName of member type 301): writes with another key are refused. Written with
// explicit keys; the array writes are all or nothing.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_NSBL_D.h"

class CClassNsbl : public DB_CTable<T_NSBL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_NSBL;
  enum {
    UR_NSBL_ADD = DB_UR_CODE(DB_CLASS_NSBL, DB_UR_ADD),
    UR_NSBL_DEL = DB_UR_CODE(DB_CLASS_NSBL, DB_UR_DEL),
    UR_NSBL_MFD = DB_UR_CODE(DB_CLASS_NSBL, DB_UR_MFD),
    UR_NSBL_MFS = DB_UR_CODE(DB_CLASS_NSBL, DB_UR_MFS),
  };
  CClassNsbl() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  using DB_CTable::TR_Modify;
  // Each record under its key, added or replacing the record of that key.
  BOOL TR_Add(const CUIntArray& keys, const CArray<T_NSBL_D>& recs);

 protected:
  BOOL CheckRecord(const T_NSBL_D& r) const override;
};

class CDataNsbl : public DB_CDataImage<T_NSBL_D> {};
