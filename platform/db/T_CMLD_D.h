// A load on a member in one static load case: column loads (T_CMLD_D, table CClassCmld)
// and line loads of beams, walls and line members (T_LNLD_D, table CClassLnld) share one
// layout. loadType 1 is a set of up to four concentrated loads (value v[i] at the relative
// position p[i] along the member); 3 a distributed load given by up to four points
// (p[i], v[i]): p[0] = 0, p[1] = 1 and v[0] = v[1] is a uniform load. Positions are
// fractions of the member's length; values are kN (concentrated) or kN/m (distributed),
// stored as given: one field cannot carry both units, so the values have no unit kind.
#pragma once
#include "db/DBField.h"

template <class T>
class DB_CByMembIndex;

struct T_MEMBLOAD_D {
  UINT key = 0;        // kept equal to the table's key
  UINT memb = 0;       // the member (T_MEMB_D key)
  UINT loadCase = 0;   // the static load case (T_STLD_D key)
  int loadType = 0;    // 1 concentrated, 3 distributed
  double p[4] = {0.0, 0.0, 0.0, 0.0};
  double v[4] = {0.0, 0.0, 0.0, 0.0};
};

struct T_CMLD_D : T_MEMBLOAD_D {
  void Initialize() { *this = T_CMLD_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = DB_CByMembIndex<T_CMLD_D>;
};

struct T_LNLD_D : T_MEMBLOAD_D {
  void Initialize() { *this = T_LNLD_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = DB_CByMembIndex<T_LNLD_D>;
};
