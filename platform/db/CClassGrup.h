// Structure groups (T_GRUP_D). A point or member that is deleted leaves every group in the
// same transaction (the groups are few: they are walked).
#pragma once
#include <vector>
#include "db/DB_CTable.h"
#include "db/T_GRUP_D.h"

class CClassGrup : public DB_CTable<T_GRUP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_GRUP;
  enum {
    UR_GRUP_ADD = DB_UR_CODE(DB_CLASS_GRUP, DB_UR_ADD),
    UR_GRUP_DEL = DB_UR_CODE(DB_CLASS_GRUP, DB_UR_DEL),
    UR_GRUP_MFD = DB_UR_CODE(DB_CLASS_GRUP, DB_UR_MFD),
    UR_GRUP_MFS = DB_UR_CODE(DB_CLASS_GRUP, DB_UR_MFS),
  };
  CClassGrup() : DB_CTable(m_nClassID) {}

  // Within a transaction of the point (bMembers FALSE) or member table: takes these keys
  // out of every group that holds them.
  void TakeOut(const std::vector<UINT>& keys, BOOL bMembers);
};

class CDataGrup : public DB_CDataImage<T_GRUP_D> {};
