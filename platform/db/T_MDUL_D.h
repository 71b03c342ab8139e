// A tower: a block of the building that rises from its own start level.
#pragma once
#include "db/DBField.h"

struct T_MDUL_D {
  UINT key = 0;            // kept equal to the table's key; 1 is the main tower
  CString name;            // unique within the table
  UINT startStorKey = 0;   // the tower stands on top of this story (0: on level 0)

  void Initialize() { *this = T_MDUL_D(); }
  static const DB_CRecordDesc& Desc();
};
