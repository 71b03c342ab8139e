// The model control record: one record (key 1).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MCTL_D.h"

class CClassMctl : public DB_CTable<T_MCTL_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_MCTL;
  enum {
    UR_MCTL_ADD = DB_UR_CODE(DB_CLASS_MCTL, DB_UR_ADD),
    UR_MCTL_DEL = DB_UR_CODE(DB_CLASS_MCTL, DB_UR_DEL),
    UR_MCTL_MFD = DB_UR_CODE(DB_CLASS_MCTL, DB_UR_MFD),
    UR_MCTL_MFS = DB_UR_CODE(DB_CLASS_MCTL, DB_UR_MFS),
  };

  CClassMctl() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the whole record as the model's one record (added or replaced).
  BOOL TR_Add(const T_MCTL_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CDataMctl : public DB_CDataImage<T_MCTL_D> {};
