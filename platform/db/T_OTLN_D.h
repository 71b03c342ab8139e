// A wind-load outline: a name (a capital letter; neither unique nor required), a leading
// value that is 0 when an outline is made and that an edit keeps, the start and end story
// of the run of stories it holds over, and the keys of its plan points in the order given
// (a key may repeat).
#pragma once
#include "afx/CArray.h"
#include "db/DBField.h"

struct T_OTLN_D {
  UINT key = 0;  // kept equal to the table's key
  int lead = 0;
  CString name;
  UINT startStory = 0;
  UINT endStory = 0;
  CUIntArray points;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_OTLN_D(); }
  static const DB_CRecordDesc& Desc();
};
