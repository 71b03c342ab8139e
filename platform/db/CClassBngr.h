// Boundary groups (T_BNGR_D): named only, the names neither unique nor required. A new
// group's leading value is 0. GetKey (name) finds the first group of that name in table
// order through an index of the names (no walk of the table).
#pragma once
#include "db/DB_CTable.h"
#include "db/T_BNGR_D.h"

class CClassBngr : public DB_CTable<T_BNGR_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_BNGR;
  enum {
    UR_BNGR_ADD = DB_UR_CODE(DB_CLASS_BNGR, DB_UR_ADD),
    UR_BNGR_DEL = DB_UR_CODE(DB_CLASS_BNGR, DB_UR_DEL),
    UR_BNGR_MFD = DB_UR_CODE(DB_CLASS_BNGR, DB_UR_MFD),
    UR_BNGR_MFS = DB_UR_CODE(DB_CLASS_BNGR, DB_UR_MFS),
  };
  CClassBngr() : DB_CTable(m_nClassID) {}

  // The key of the first group of that name in table order; 0 when none.
  UINT GetKey(const CString& name) const;
};

class CDataBngr : public DB_CDataImage<T_BNGR_D> {};
