#include "afx/AfxNumber.h"

#include <cerrno>
#include <cfloat>
#include <cmath>
#include <cstdlib>

double AfxStrToDouble(const char* text, char** end) {
  errno = 0;
  double v = std::strtod(text, end);
  if (errno != ERANGE || !std::isinf(v)) return v;
  const int saved = errno;
  long double lv = std::strtold(text, nullptr);
  if (std::isfinite(lv) && std::fabs(lv) <= (long double)DBL_MAX * (1.0L + 1e-9L)) {
    errno = 0;
    return std::signbit(v) ? -DBL_MAX : DBL_MAX;
  }
  errno = saved;
  return v;
}
