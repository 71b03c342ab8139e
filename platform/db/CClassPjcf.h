// The project information: one record (key 1), written whole.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_PJCF_D.h"

class CClassPjcf : public DB_CTable<T_PJCF_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PJCF;
  enum {
    UR_PJCF_ADD = DB_UR_CODE(DB_CLASS_PJCF, DB_UR_ADD),
    UR_PJCF_DEL = DB_UR_CODE(DB_CLASS_PJCF, DB_UR_DEL),
    UR_PJCF_MFD = DB_UR_CODE(DB_CLASS_PJCF, DB_UR_MFD),
    UR_PJCF_MFS = DB_UR_CODE(DB_CLASS_PJCF, DB_UR_MFS),
  };

  CClassPjcf() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the whole record as the model's one record (added or replaced), undoable.
  BOOL TR_Add(const T_PJCF_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};
