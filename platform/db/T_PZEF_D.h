// The beam-column rigid-zone settings: for beams and for columns, whether the rigid zone
// where they overlap is considered, the factor on the rigid-zone length, and where member
// forces are output (1 before the correction, 2 after it). One record in the model.
// Defaults: both considered, factor 1, forces before the correction.
#pragma once
#include "db/DBField.h"

struct T_PZEF_D {
  int beamRigidZone = 1;
  double beamFactor = 1.0;
  int beamForcePos = 1;
  int colmRigidZone = 1;
  double colmFactor = 1.0;
  int colmForcePos = 1;

  static const int unit[1];  // both factors
  void Initialize() { *this = T_PZEF_D(); }
  static const DB_CRecordDesc& Desc();
};
