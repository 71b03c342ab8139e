// The fiber materials of the model (T_FIMP_D.h): non-empty, unique names.
#pragma once
#include "db/DB_CTable.h"
#include "db/T_FIMP_D.h"

class CClassFimp : public DB_CTable<T_FIMP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_FIMP;
  enum {
    UR_FIMP_ADD = DB_UR_CODE(DB_CLASS_FIMP, DB_UR_ADD),
    UR_FIMP_DEL = DB_UR_CODE(DB_CLASS_FIMP, DB_UR_DEL),
    UR_FIMP_MFD = DB_UR_CODE(DB_CLASS_FIMP, DB_UR_MFD),
    UR_FIMP_MFS = DB_UR_CODE(DB_CLASS_FIMP, DB_UR_MFS),
  };

  CClassFimp() : DB_CTable(m_nClassID) {}
};

class CDataFimp : public DB_CDataImage<T_FIMP_D> {};
