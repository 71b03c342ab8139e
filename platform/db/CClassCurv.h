// Curves of curved members (T_CURV_D): an arc's centre. A curve that a member uses can
// be neither deleted nor renumbered; deleting its last member deletes it.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_MEMB_D.h"

class CClassCurv : public DB_CTable<T_CURV_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_CURV;
  enum {
    UR_CURV_ADD = DB_UR_CODE(DB_CLASS_CURV, DB_UR_ADD),
    UR_CURV_DEL = DB_UR_CODE(DB_CLASS_CURV, DB_UR_DEL),
    UR_CURV_MFD = DB_UR_CODE(DB_CLASS_CURV, DB_UR_MFD),
    UR_CURV_MFS = DB_UR_CODE(DB_CLASS_CURV, DB_UR_MFS),
  };
  CClassCurv() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_CURV_D& r) const override;
};

class CDataCurv : public DB_CDataImage<T_CURV_D> {};
