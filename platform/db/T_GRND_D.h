// Basement and outdoor ground: the one record of CClassGrnd.
#pragma once
#include "db/DBField.h"

struct T_GRND_D {
  double groundLevel = 0.0;  // length
  int basementCount = 0;     // basement stories of the main tower above its base story

  void Initialize() { *this = T_GRND_D(); }
  static const DB_CRecordDesc& Desc();
};
