// The automatic erection sequence: one record (key 1); its increment lies in 1 to 100.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_ERSQ_D.h"

class CClassErsq : public DB_CTable<T_ERSQ_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_ERSQ;
  enum {
    UR_ERSQ_ADD = DB_UR_CODE(DB_CLASS_ERSQ, DB_UR_ADD),
    UR_ERSQ_DEL = DB_UR_CODE(DB_CLASS_ERSQ, DB_UR_DEL),
    UR_ERSQ_MFD = DB_UR_CODE(DB_CLASS_ERSQ, DB_UR_MFD),
    UR_ERSQ_MFS = DB_UR_CODE(DB_CLASS_ERSQ, DB_UR_MFS),
  };

  CClassErsq() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the whole record as the model's one record (added or replaced), undoable.
  BOOL TR_Add(const T_ERSQ_D& rec) { return DB_CTable::TR_Add(1u, rec); }

 protected:
  BOOL CheckRecord(const T_ERSQ_D& rec) const override { return rec.increment >= 1 && rec.increment <= 100; }
};

class CDataErsq : public DB_CDataImage<T_ERSQ_D> {};
