// The analysis control: one record in the model (key 1), all whole numbers.
//
// solver: 0 multifrontal sparse Gaussian, 1 skyline. multiCpu 0/1 and cpuCount: the
// processors the solver uses. memMode: 0 automatic, 1 user-defined with memSize megabytes.
// reserved[3]: kept for the analysis, written back as read. Then the analysis switches,
// each 0/1: static, wind, seismic, eigen(value), (response) spectrum, pdelta, pushover,
// (time) history, (construction) stage.
// Defaults: solver 0, one CPU, automatic memory with 512 MB, static analysis on, every
// other switch off.
#pragma once
#include "db/DBField.h"

struct T_ACTL_D {
  int solver = 0;
  int multiCpu = 0;
  int cpuCount = 1;
  int memMode = 0;
  int memSize = 512;
  int reserved[3] = {0, 0, 0};
  int staticAnal = 1;  // dumped as "static"
  int wind = 0;
  int seismic = 0;
  int eigen = 0;
  int spectrum = 0;
  int pdelta = 0;
  int pushover = 0;
  int history = 0;
  int stage = 0;

  void Initialize() { *this = T_ACTL_D(); }
  static const DB_CRecordDesc& Desc();
};
