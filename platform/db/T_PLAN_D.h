// A standard floor: a floor plan shared by stories of one tower.
#pragma once
#include "db/DBField.h"

struct T_PLAN_D {
  UINT key = 0;              // kept equal to the table's key
  CString name;              // unique within the table
  int wallType = 1;          // 1 membrane, 2 plate, 3 meshed membrane, 4 meshed plate
  int slabType = 2;          // 1 diaphragm, 2 rigid diaphragm, 3 membrane, 4 plate, 5 plate bending
  int loadType = 1;          // 1 load distribution, 2 floor analysis
  double stiffFactors[3] = {1.0, 1.0, 1.0};
  int useMctlMeshSize = 1;   // 1: the model control record's mesh size
  double meshSize = 1.0;     // length
  int reserved[5] = {0, 0, 0, 0, 0};
  int property = 0;

  void Initialize() { *this = T_PLAN_D(); }
  static const DB_CRecordDesc& Desc();
};
