// Named planes (T_NPLN_D) of the building model. A plane's normal must not be the zero
// vector. The attribute query (CDBQuery, QUERY_NPLN) finds the objects lying in them.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_NPLN_D.h"

class CClassNpln : public DB_CTable<T_NPLN_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_NPLN;
  enum {
    UR_NPLN_ADD = DB_UR_CODE(DB_CLASS_NPLN, DB_UR_ADD),
    UR_NPLN_DEL = DB_UR_CODE(DB_CLASS_NPLN, DB_UR_DEL),
    UR_NPLN_MFD = DB_UR_CODE(DB_CLASS_NPLN, DB_UR_MFD),
    UR_NPLN_MFS = DB_UR_CODE(DB_CLASS_NPLN, DB_UR_MFS),
  };
  CClassNpln() : DB_CTable(m_nClassID) {}

 protected:
  BOOL CheckRecord(const T_NPLN_D& rec) const override;
};

class CDataNpln : public DB_CDataImage<T_NPLN_D> {};
