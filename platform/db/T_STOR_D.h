// A story: belongs to one tower, uses one standard floor.
#pragma once
#include "db/DBField.h"

struct T_STOR_D {
  UINT key = 0;            // kept equal to the table's key; 1 is the base story
  CString name;            // unique within its tower
  UINT mdulKey = 1;        // tower
  UINT planKey = 0;        // standard floor, 0 none
  double height = 3.0;     // unit[0]
  int reserved = 0;
  int masterStory = 0;
  double bendFactor = 6.0;
  double deadLoad = 0.0;   // unit[1]
  double liveLoad = 0.0;   // unit[2]
  int singleMatl = 1;
  UINT allMatlKey = 0;
  UINT colmMatlKey = 0;
  UINT beamMatlKey = 0;
  UINT wallMatlKey = 0;
  UINT subBeamMatlKey = 0;
  UINT braceMatlKey = 0;
  UINT slabMatlKey = 0;
  int transfer = 0;
  UINT steelMatlKey = 0;
  UINT srcColmMatlKey = 0;
  UINT srcBeamMatlKey = 0;

  // Unit kinds of height, dead load and live load.
  static const int unit[3];

  void Initialize() { *this = T_STOR_D(); }
  static const DB_CRecordDesc& Desc();
  // Names are unique per tower.
  static UINT NameScope(const T_STOR_D& r) { return r.mdulKey; }
};
