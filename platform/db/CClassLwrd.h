// Shielding faces of the wind load (T_LWRD_D). The table gives a new face its key. The
// stories and points a face names are not checked: a story or point deleted later leaves
// its key behind, and readers treat a key that no longer exists as missing.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_LWRD_D.h"

class CClassLwrd : public DB_CTable<T_LWRD_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_LWRD;
  enum {
    UR_LWRD_ADD = DB_UR_CODE(DB_CLASS_LWRD, DB_UR_ADD),
    UR_LWRD_DEL = DB_UR_CODE(DB_CLASS_LWRD, DB_UR_DEL),
    UR_LWRD_MFD = DB_UR_CODE(DB_CLASS_LWRD, DB_UR_MFD),
    UR_LWRD_MFS = DB_UR_CODE(DB_CLASS_LWRD, DB_UR_MFS),
  };
  CClassLwrd() : DB_CTable(m_nClassID) {}
};

class CDataLwrd : public DB_CDataImage<T_LWRD_D> {};
