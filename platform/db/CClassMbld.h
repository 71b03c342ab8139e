// Member load assignments (T_MBLD_D): one record per (member name, standard floor).
//
// Rules of every write: the name and the standard floor exist, a non-zero load type
// exists, and no other record holds the pair (a batch may not hold one pair twice).
// Deleting member names or standard floors deletes their assignments in the same
// transaction; a load type in use cannot be deleted.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MBLD_D.h"

class CClassMbld : public DB_CTable<T_MBLD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MBLD;
  enum {
    UR_MBLD_ADD = DB_UR_CODE(DB_CLASS_MBLD, DB_UR_ADD),
    UR_MBLD_DEL = DB_UR_CODE(DB_CLASS_MBLD, DB_UR_DEL),
    UR_MBLD_MFD = DB_UR_CODE(DB_CLASS_MBLD, DB_UR_MFD),
    UR_MBLD_MFS = DB_UR_CODE(DB_CLASS_MBLD, DB_UR_MFS),
  };
  CClassMbld() : DB_CTable(m_nClassID) {}

  // The record of (name, plan), 0 when none; O(log n).
  UINT GetKey(UINT nameKey, UINT planKey) const { return Set() ? Set()->Extra().Find(nameKey, planKey) : 0; }
  // How many assignments the name has; O(1).
  int GetCountOfName(UINT nameKey) const { return Set() ? Set()->Extra().CountOfName(nameKey) : 0; }

  using DB_CTable::TR_Add;
  using DB_CTable::TR_Modify;
  BOOL TR_Add(const CArray<T_MBLD_D>& recs);
  BOOL TR_Modify(const CUIntArray& keys, const CArray<T_MBLD_D>& recs);

  // Within a transaction of the name (plan) table: erases the assignments of those names
  // (plans).
  void EraseOfNames(const std::vector<UINT>& names);
  void EraseOfPlans(const std::vector<UINT>& plans);

 protected:
  BOOL CheckRecord(const T_MBLD_D& r) const override;

 private:
  // No pair twice among recs, keys the records they replace (empty for an add).
  static BOOL PairsDistinct(const CArray<T_MBLD_D>& recs);
};

class CDataMbld : public DB_CDataImage<T_MBLD_D> {};
