// The civil-air-defence load of the project: one record (key 1). flag non-zero: the load
// is in use; upperStory and lowerStory: the keys of the upper and the lower slab story
// that carry it (0: none). The keys are plain values: deleting a story leaves them as
// they are, and a key that names no story matches no story.
#pragma once
#include "db/DBField.h"

struct T_LCUG_D {
  int flag = 0;
  UINT upperStory = 0;
  UINT lowerStory = 0;

  void Initialize() { *this = T_LCUG_D(); }
  static const DB_CRecordDesc& Desc();
};
