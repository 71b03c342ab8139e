// Comparisons of reals with a tolerance, and qsort comparators of key arrays.
//
// CompReal(a, b): 0 when |a - b| <= COMPFUNC_TOL * max(1, |a|, |b|) (equal), else -1 when
// a < b and 1 when a > b. CompRealTol(a, b, tol): 0 when |a - b| <= tol, else -1 or 1.
// A NaN compares unequal to everything (1).
#pragma once
#include "afx/AfxTypes.h"

inline constexpr double COMPFUNC_TOL = 1e-10;

class CCompFunc {
 public:
  static int CompReal(double a, double b);
  static int CompRealTol(double a, double b, double tol);
  // qsort comparators of UINT arrays: ascending and descending.
  static int UINTAsc(const void* a, const void* b);
  static int UINTDesc(const void* a, const void* b);
};
