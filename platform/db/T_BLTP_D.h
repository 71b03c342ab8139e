// A beam load type: a leading word (0 for a new type), a name (names need be neither unique
// nor given), the dead and live line loads along the beam (internal units, kN/m) and a
// description. The loads are finite.
#pragma once
#include "db/DBField.h"

struct T_BLTP_D {
  UINT key = 0;
  int lead = 0;
  CString name;
  double dead = 0.0;
  double live = 0.0;
  CString desc;

  static const int unit[2];  // dead, live: line loads
  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_BLTP_D(); }
  static const DB_CRecordDesc& Desc();
};
