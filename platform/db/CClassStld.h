// The static load cases of the model. Keys are the table's; names are unique. The sample
// model holds "DL" (key 1, dead loads, self weight -1) and "LL" (key 2, live loads), and its
// model control record names them as the dead- and live-load cases.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_STLD_D.h"

class CClassStld : public DB_CTable<T_STLD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_STLD;
  enum {
    UR_STLD_ADD = DB_UR_CODE(DB_CLASS_STLD, DB_UR_ADD),
    UR_STLD_DEL = DB_UR_CODE(DB_CLASS_STLD, DB_UR_DEL),
    UR_STLD_MFD = DB_UR_CODE(DB_CLASS_STLD, DB_UR_MFD),
    UR_STLD_MFS = DB_UR_CODE(DB_CLASS_STLD, DB_UR_MFS),
  };

  CClassStld() : DB_CTable(m_nClassID) {}
};

class CDataStld : public DB_CDataImage<T_STLD_D> {};
