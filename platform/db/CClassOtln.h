// Wind-load outlines (T_OTLN_D). The table gives a new outline its key; names repeat
// freely. The stories and points an outline names are not checked: a story or point
// deleted later leaves its key behind, and readers treat a key that no longer exists as
// missing.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_OTLN_D.h"

class CClassOtln : public DB_CTable<T_OTLN_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_OTLN;
  enum {
    UR_OTLN_ADD = DB_UR_CODE(DB_CLASS_OTLN, DB_UR_ADD),
    UR_OTLN_DEL = DB_UR_CODE(DB_CLASS_OTLN, DB_UR_DEL),
    UR_OTLN_MFD = DB_UR_CODE(DB_CLASS_OTLN, DB_UR_MFD),
    UR_OTLN_MFS = DB_UR_CODE(DB_CLASS_OTLN, DB_UR_MFS),
  };
  CClassOtln() : DB_CTable(m_nClassID) {}
};

class CDataOtln : public DB_CDataImage<T_OTLN_D> {};
