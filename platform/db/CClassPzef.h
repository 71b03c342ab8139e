// The beam-column rigid-zone settings: one record (key 1).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_PZEF_D.h"

class CClassPzef : public DB_CTable<T_PZEF_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PZEF;
  enum {
    UR_PZEF_ADD = DB_UR_CODE(DB_CLASS_PZEF, DB_UR_ADD),
    UR_PZEF_DEL = DB_UR_CODE(DB_CLASS_PZEF, DB_UR_DEL),
    UR_PZEF_MFD = DB_UR_CODE(DB_CLASS_PZEF, DB_UR_MFD),
    UR_PZEF_MFS = DB_UR_CODE(DB_CLASS_PZEF, DB_UR_MFS),
  };

  CClassPzef() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the whole record as the model's one record (added or replaced).
  BOOL TR_Add(const T_PZEF_D& rec) { return DB_CTable::TR_Add(1u, rec); }
};

class CDataPzef : public DB_CDataImage<T_PZEF_D> {};
