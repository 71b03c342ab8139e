// A shielding face: a leading value that is 0 when a face is made and that an edit keeps,
// the start and end story of the run of stories it holds over, and the keys of its plan
// points in the order given (a key may repeat).
#pragma once
#include "afx/CArray.h"
#include "db/DBField.h"

struct T_LWRD_D {
  UINT key = 0;  // kept equal to the table's key
  int lead = 0;
  UINT startStory = 0;
  UINT endStory = 0;
  CUIntArray points;

  void Initialize() { *this = T_LWRD_D(); }
  static const DB_CRecordDesc& Desc();
};
