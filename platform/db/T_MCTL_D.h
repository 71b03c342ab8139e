// The model control record: the one record of CClassMctl.
#pragma once
#include "db/DBField.h"

struct T_MCTL_LOAD_MASS {
  UINT dlCase = 0;
  UINT llCase = 0;
  int constLiveMode = 0;           // 0 constLiveLoad, 1 constLivePercent
  double constLiveLoad = 0.0;      // unit[0]
  double constLivePercent = 0.0;
  int selfWeight = 1;
  UINT selfWeightCase = 0;
  double selfWeightFactor = 1.0;
  int autoSlabWeight = 1;
  int patternLive = 0;
  UINT patternFromStory = 0;
  UINT patternToStory = 0;
  int patternColumns = 0;
  int gravityRep = 1;
  double gravityRepDlFactor = 1.0;
  double gravityRepLlFactor = 0.5;
  int selfWeightToMass = 1;

  static const int unit[1];  // constLiveLoad
  void Initialize() { *this = T_MCTL_LOAD_MASS(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MCTL_DETAIL {
  double slabMesh = 1.0;
  double wallMesh = 1.0;
  double transferBeamMesh = 1.0;
  double detailWallMesh = 0.5;
  int coupleInternalDof = 0;
  double stairMesh = 1.0;
  double retainWallMesh = 1.0;
  double footingMesh = 1.0;
  double maxWallHeight = 6.0;
  int splitAtBraceCross = 1;

  static const int unit[2];  // mesh sizes, maxWallHeight
  void Initialize() { *this = T_MCTL_DETAIL(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MCTL_UGSTORY {
  double backfillStiffRatio = 3.0;
  double backfillWeight = 18.0;    // unit[0]
  double waterLevel = 0.0;         // unit[1]
  double backfillPressCoef = 0.5;
  double groundSurcharge = 0.0;    // unit[2]

  static const int unit[3];
  void Initialize() { *this = T_MCTL_UGSTORY(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MCTL_WALLOPEN {
  double ignoreOpenWidth = 0.2;
  double ignoreOpenHeight = 0.2;
  double reserved[2] = {0.0, 0.0};
  double noEdgeOpenWidth = 0.5;
  double noEdgeOpenHeight = 0.5;
  int frameBeamByRatio = 1;
  double frameBeamRatio = 5.0;

  void Initialize() { *this = T_MCTL_WALLOPEN(); }
  static const DB_CRecordDesc& Desc();
};

struct T_MCTL_D {
  int structType = 0;
  int allRigidSlab = 0;
  double midBeamFactor = 1.0;
  double couplingBeamFactor = 0.7;
  int matlType = 0;
  int heightClass = 0;
  int reserved = 0;
  UINT rcMatlKey = 0;
  UINT steelMatlKey = 0;
  UINT srcMatlKey = 0;
  int beamColumnRigidZone = 0;
  int transferBeamRigidZone = 0;
  int autoBaseSupport = 1;
  int baseFixed = 1;
  int restrainBasement = 0;
  int releasedBasementStories = 0;
  char baseDof[6] = {'1', '1', '1', '1', '1', '1'};
  T_MCTL_LOAD_MASS loadMass;
  T_MCTL_DETAIL detail;
  T_MCTL_UGSTORY ugStory;
  T_MCTL_WALLOPEN wallOpening;
  int codeSet = 1;

  void Initialize() { *this = T_MCTL_D(); }
  static const DB_CRecordDesc& Desc();
};
