// A static load case: its number, its name (unique in the table), the key of its load type
// in the model's load vocabulary, a description and the factor on the model's self weight
// that the case carries (negative: along gravity, -Z).
#pragma once
#include "db/DBField.h"

struct T_STLD_D {
  UINT key = 0;          // kept equal to the table's key
  int number = 0;
  CString name;
  CString type;          // load-type key ("D" dead, "L" live ...)
  CString desc;
  double selfWeightFactor = 0.0;

  // The number is the load case's place in the list when it was last saved from a grid;
  // two load cases may share one for a while, so the table does not keep numbers unique.
  static constexpr bool kFreeNumber = true;

  void Initialize() { *this = T_STLD_D(); }
  static const DB_CRecordDesc& Desc();
};
