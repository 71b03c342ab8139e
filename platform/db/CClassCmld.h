// The loads of members: column loads (CClassCmld) and line loads (CClassLnld). A member's
// loads are its attribute list (CClassMemb::GetAttrList), entries of code UR_CMLD_CMD or
// UR_LNLD_CMD; each load names an existing member and goes when the member goes. The load
// case is not checked: a load whose case no longer exists is one the readers skip.
#pragma once
#include "db/DB_CMembAttrTable.h"
#include "db/T_CMLD_D.h"

class CClassCmld : public DB_CMembAttrTable<T_CMLD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_CMLD;
  enum {
    UR_CMLD_ADD = DB_UR_CODE(DB_CLASS_CMLD, DB_UR_ADD),
    UR_CMLD_DEL = DB_UR_CODE(DB_CLASS_CMLD, DB_UR_DEL),
    UR_CMLD_MFD = DB_UR_CODE(DB_CLASS_CMLD, DB_UR_MFD),
    UR_CMLD_MFS = DB_UR_CODE(DB_CLASS_CMLD, DB_UR_MFS),
  };
  // The code of column-load entries in a member's attribute list.
  static constexpr int UR_CMLD_CMD = (int)DB_CLASS_CMLD;
  CClassCmld() : DB_CMembAttrTable(m_nClassID) {}
};

class CClassLnld : public DB_CMembAttrTable<T_LNLD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LNLD;
  enum {
    UR_LNLD_ADD = DB_UR_CODE(DB_CLASS_LNLD, DB_UR_ADD),
    UR_LNLD_DEL = DB_UR_CODE(DB_CLASS_LNLD, DB_UR_DEL),
    UR_LNLD_MFD = DB_UR_CODE(DB_CLASS_LNLD, DB_UR_MFD),
    UR_LNLD_MFS = DB_UR_CODE(DB_CLASS_LNLD, DB_UR_MFS),
  };
  // The code of line-load entries in a member's attribute list.
  static constexpr int UR_LNLD_CMD = (int)DB_CLASS_LNLD;
  CClassLnld() : DB_CMembAttrTable(m_nClassID) {}
};

class CDataCmld : public DB_CDataImage<T_CMLD_D> {};
class CDataLnld : public DB_CDataImage<T_LNLD_D> {};
