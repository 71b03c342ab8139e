// A point of the building model: its plan position (x, y, global) and its level z
// measured from the top of its story (0 on the story's top), in internal units (m).
#pragma once
#include "db/DBField.h"
#include "db/ModelIndex.h"

struct T_PONT_D {
  UINT key = 0;       // kept equal to the table's key
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;     // from the story's top
  int flag = 0;       // -1: a point that belongs to the story above its own level range
  UINT storyKey = 0;
  UINT number = 0;    // the number the user sees; 0 takes the key

  void Initialize() { *this = T_PONT_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = CPontIndex;
};
