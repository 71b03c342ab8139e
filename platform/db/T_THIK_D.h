// Plate thicknesses and the stair records of stair slabs.
#pragma once
#include "db/DBField.h"

struct T_THIK_D {
  UINT key = 0;
  CString name;          // need not be unique
  int type = 0;          // 0 a plain plate; others carry a second thickness
  double thick1 = 0.0;   // m
  double thick2 = 0.0;   // m

  static constexpr bool kFreeName = true;
  // Unit kind of the two thicknesses.
  static const int unit;
  void Initialize() { *this = T_THIK_D(); }
  static const DB_CRecordDesc& Desc();
};

// A stair slab's steps, keyed by the member key: step width b and height h, the
// thickness added to the plate's for the equivalent thickness, and the flag of a
// thickness the user gave (b and h then do not count).
struct T_STIK_D {
  UINT key = 0;
  double b = 0.0;
  double h = 0.0;
  double extra = 0.0;  // m
  int flag = 0;

  void Initialize() { *this = T_STIK_D(); }
  static const DB_CRecordDesc& Desc();
};
