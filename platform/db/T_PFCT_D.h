// The performance-design control: which code governs the performance-based seismic design
// (0 the seismic design code, 1 the code for tall buildings), whether every member is
// designed for performance, which earthquake levels are checked and with which target
// (0 to 3: targets 1 to 4), the tall-building target (0 to 3: A to D), and the story-drift
// limits as factors on the code's limits. One record in the model. Defaults: the seismic
// design code, nothing checked, target 1 everywhere, every drift factor 1.
//
// drift[12], seismic design code: frequent levels 1-4, moderate 1-4, rare 1-4; factors on
// the elastic limit except rare level 4 (elasto-plastic). tallDrift[9], tall-building
// code: level 1 frequent, levels 1-4 moderate, level 2 rare (elastic), levels 3-5 rare
// (elasto-plastic).
#pragma once
#include "db/DBField.h"

struct T_PFCT_D {
  int code = 0;
  int allMemb = 0;
  int freq = 0;
  int mod = 0;
  int rare = 0;
  int freqTarget = 0;
  int modTarget = 0;
  int rareTarget = 0;
  int tallTarget = 0;
  double drift[12] = {1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1, 1};
  double tallDrift[9] = {1, 1, 1, 1, 1, 1, 1, 1, 1};

  void Initialize() { *this = T_PFCT_D(); }
  static const DB_CRecordDesc& Desc();
};
