// The automatic erection sequence: a leading value the command module neither reads nor
// changes, and the number of stories each generated construction stage adds (1 to 100).
// One record in the model. Defaults: lead 0, increment 1.
#pragma once
#include "db/DBField.h"

struct T_ERSQ_D {
  int lead = 0;
  int increment = 1;

  void Initialize() { *this = T_ERSQ_D(); }
  static const DB_CRecordDesc& Desc();
};
