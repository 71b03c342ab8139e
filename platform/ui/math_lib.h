// The zero test of the geometry routines: a real counts as zero when its magnitude is at
// most 1e-10 (an absolute tolerance: the geometry works in metres, where 1e-10 is far below
// any modelling tolerance). A NaN is not zero.
#pragma once

namespace math_lib {
inline constexpr double kZeroTolerance = 1e-10;
inline bool is_zero(double x) { return x <= kZeroTolerance && x >= -kZeroTolerance; }
}  // namespace math_lib
