// The eigenvalue analysis control: one record (key 1). Add stores it (added, or replacing
// the one there) and Del removes it; both are plain writes outside the undo history, and
// both notify the open dialogs.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_EIGV_D.h"

class CClassEigv : public DB_CTable<T_EIGV_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_EIGV;
  enum {
    UR_EIGV_ADD = DB_UR_CODE(DB_CLASS_EIGV, DB_UR_ADD),
    UR_EIGV_DEL = DB_UR_CODE(DB_CLASS_EIGV, DB_UR_DEL),
    UR_EIGV_MFD = DB_UR_CODE(DB_CLASS_EIGV, DB_UR_MFD),
    UR_EIGV_MFS = DB_UR_CODE(DB_CLASS_EIGV, DB_UR_MFS),
  };

  CClassEigv() : DB_CTable(m_nClassID) {}

  using DB_CTable::Add;
  using DB_CTable::Del;
  BOOL Add(const T_EIGV_D& rec) { return Exist(1) ? Replace(1, rec) : DB_CTable::Add(1u, rec); }
  BOOL Del() { return DB_CTable::Del(1u); }

  // The automatic count, without an analysis to count from: three modes per story above
  // the base story of every tower, capped by the maximum when the limit is on.
  int GetNumEigv() const;
};

class CDataEigv : public DB_CDataImage<T_EIGV_D> {};
