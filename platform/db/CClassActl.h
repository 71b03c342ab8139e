// The analysis control: one record (key 1). TR_Add stores it as one undoable change, added
// or replacing the one there.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_ACTL_D.h"

class CClassActl : public DB_CTable<T_ACTL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_ACTL;
  enum {
    UR_ACTL_ADD = DB_UR_CODE(DB_CLASS_ACTL, DB_UR_ADD),
    UR_ACTL_DEL = DB_UR_CODE(DB_CLASS_ACTL, DB_UR_DEL),
    UR_ACTL_MFD = DB_UR_CODE(DB_CLASS_ACTL, DB_UR_MFD),
    UR_ACTL_MFS = DB_UR_CODE(DB_CLASS_ACTL, DB_UR_MFS),
  };

  CClassActl() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  BOOL TR_Add(const T_ACTL_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CDataActl : public DB_CDataImage<T_ACTL_D> {};
