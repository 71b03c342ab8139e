// The catalogue of slab load types (T_SLTP_D): a name and a dead and a live load per
// area (kN/m^2). Names need be neither unique nor given; the loads are finite.
#pragma once
#include "db/DB_CTable.h"

struct T_SLTP_D {
  UINT key = 0;
  CString name;
  double dead = 0.0;
  double live = 0.0;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_SLTP_D(); }
  static const DB_CRecordDesc& Desc();
};

class CClassSltp : public DB_CTable<T_SLTP_D> {
 public:
  static constexpr UINT m_nClassID = DB_CLASS_SLTP;
  enum {
    UR_SLTP_ADD = DB_UR_CODE(DB_CLASS_SLTP, DB_UR_ADD),
    UR_SLTP_DEL = DB_UR_CODE(DB_CLASS_SLTP, DB_UR_DEL),
    UR_SLTP_MFD = DB_UR_CODE(DB_CLASS_SLTP, DB_UR_MFD),
    UR_SLTP_MFS = DB_UR_CODE(DB_CLASS_SLTP, DB_UR_MFS),
  };
  CClassSltp() : DB_CTable(m_nClassID) {}
};

class CDataSltp : public DB_CDataImage<T_SLTP_D> {};
