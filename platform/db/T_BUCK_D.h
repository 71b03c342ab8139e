// The buckling analysis control: one record in the model (key 1).
//
// modes: the number of buckling modes sought. iterCount, tol: the solver's iteration count
// and convergence tolerance. count: the entries in use (0 to 15), in list order; entries
// from count on are all zero when stored. An entry is a static load case (its key in the
// load-case table), the factor on it and its load type (0 variable, 1 constant). positive:
// 1 when only positive buckling factors are reported.
// Defaults: 1 mode, 30 iterations, tolerance 1e-10, no entries, all factors reported.
#pragma once
#include "db/DBField.h"

struct T_BUCK_BASE {
  UINT lc = 0;
  double factor = 0.0;
  int type = 0;
  static const DB_CRecordDesc& Desc();
};

struct T_BUCK_D {
  static constexpr int MAX_ENTRIES = 15;

  int modes = 1;
  int iterCount = 30;
  double tol = 1e-10;
  int count = 0;
  T_BUCK_BASE entry[MAX_ENTRIES];
  int positive = 0;

  void Initialize() { *this = T_BUCK_D(); }
  static const DB_CRecordDesc& Desc();
};
