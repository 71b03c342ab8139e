// The performance-design control: one record (key 1). A record keeps its codes and flags
// in range (code and flags 0 or 1, targets 0 to 3); the drift factors are not limited.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_PFCT_D.h"

class CClassPfct : public DB_CTable<T_PFCT_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_PFCT;
  enum {
    UR_PFCT_ADD = DB_UR_CODE(DB_CLASS_PFCT, DB_UR_ADD),
    UR_PFCT_DEL = DB_UR_CODE(DB_CLASS_PFCT, DB_UR_DEL),
    UR_PFCT_MFD = DB_UR_CODE(DB_CLASS_PFCT, DB_UR_MFD),
    UR_PFCT_MFS = DB_UR_CODE(DB_CLASS_PFCT, DB_UR_MFS),
  };

  CClassPfct() : DB_CTable(m_nClassID) {}

  using DB_CTable::TR_Add;
  // Stores the whole record as the model's one record (added or replaced), undoable.
  BOOL TR_Add(const T_PFCT_D& rec) { return DB_CTable::TR_Add(1u, rec); }

 protected:
  BOOL CheckRecord(const T_PFCT_D& rec) const override;
};

class CDataPfct : public DB_CDataImage<T_PFCT_D> {};
