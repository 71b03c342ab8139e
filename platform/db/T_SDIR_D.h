// The mid-span reinforcement direction of one slab, kept under the slab's member key.
// mode: 0 automatic, 1 the user's angle; angle: degrees from the global X axis, meaningful
// for mode 1 and kept as written for mode 0. The angle is never converted between units.
// A slab without a record has the default: automatic.
#pragma once
#include "db/DBField.h"

struct T_SDIR_D {
  UINT key = 0;  // the slab's member key, kept equal to the table's key
  int mode = 0;
  double angle = 0.0;

  void Initialize() { *this = T_SDIR_D(); }
  static const DB_CRecordDesc& Desc();
};
