// The P-delta analysis control: one record in the model (key 1).
//
// iterCount, tol: the iteration count and convergence tolerance of the second-order
// analysis. count: the entries in use (0 to 15), in list order; entries from count on are
// all zero when stored. An entry is a static load case (its key in the load-case table)
// and the factor on it.
// Defaults: 5 iterations, tolerance 1e-05, no entries.
#pragma once
#include "db/DBField.h"

struct T_PDEL_BASE {
  UINT lc = 0;
  double factor = 0.0;
  static const DB_CRecordDesc& Desc();
};

struct T_PDEL_D {
  static constexpr int MAX_ENTRIES = 15;

  int iterCount = 5;
  double tol = 1e-5;
  int count = 0;
  T_PDEL_BASE entry[MAX_ENTRIES];

  void Initialize() { *this = T_PDEL_D(); }
  static const DB_CRecordDesc& Desc();
};
