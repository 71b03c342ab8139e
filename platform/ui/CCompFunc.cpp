#include "ui/CCompFunc.h"

#include <algorithm>
#include <cmath>

int CCompFunc::CompRealTol(double a, double b, double tol) {
  double d = a - b;
  if (std::fabs(d) <= tol) return 0;
  return d < 0 ? -1 : 1;
}

int CCompFunc::CompReal(double a, double b) {
  double scale = std::max({1.0, std::fabs(a), std::fabs(b)});
  return CompRealTol(a, b, COMPFUNC_TOL * scale);
}

int CCompFunc::UINTAsc(const void* a, const void* b) {
  UINT x = *static_cast<const UINT*>(a), y = *static_cast<const UINT*>(b);
  return x < y ? -1 : (x > y ? 1 : 0);
}

int CCompFunc::UINTDesc(const void* a, const void* b) { return UINTAsc(b, a); }
