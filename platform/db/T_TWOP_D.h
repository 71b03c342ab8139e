// A wall-opening type: a name and three sizes, in millimetres as the engineer gives them
// (width, height, sill height; plain numbers, no unit conversion). Names need be neither
// unique nor given. The sizes are finite and not negative.
#pragma once
#include "db/DBField.h"

struct T_TWOP_D {
  UINT key = 0;
  CString name;
  double dim1 = 0.0;
  double dim2 = 0.0;
  double dim3 = 0.0;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_TWOP_D(); }
  static const DB_CRecordDesc& Desc();
};
