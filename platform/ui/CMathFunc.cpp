#include "ui/CMathFunc.h"

#include <algorithm>
#include <cmath>
#include "ui/math_lib.h"

namespace {
constexpr double kPi = 3.14159265358979323846;
double Dot(const T_POINT3D& a, const T_POINT3D& b) { return a.x * b.x + a.y * b.y + a.z * b.z; }
T_POINT3D Sub(const T_POINT3D& a, const T_POINT3D& b) { return T_POINT3D{a.x - b.x, a.y - b.y, a.z - b.z}; }
T_POINT3D Cross(const T_POINT3D& a, const T_POINT3D& b) {
  return T_POINT3D{a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
}  // namespace

int CMathFunc::math_ccw(double x1, double y1, double x2, double y2, double x3, double y3) {
  const double c = (x2 - x1) * (y3 - y1) - (y2 - y1) * (x3 - x1);
  if (math_lib::is_zero(c)) return 0;
  return c > 0 ? 1 : -1;
}

double CMathFunc::mathDistanceToLine(const T_POINT3D& p1, const T_POINT3D& p2, const T_POINT3D& p) {
  const T_POINT3D d = Sub(p2, p1);
  const double len = mathLength(d);
  if (math_lib::is_zero(len)) return mathLength(p1, p);
  return mathLength(Cross(d, Sub(p, p1))) / len;
}

double CMathFunc::mathLength(double x1, double y1, double x2, double y2) { return std::hypot(x2 - x1, y2 - y1); }

double CMathFunc::mathLength(const T_POINT3D& a, const T_POINT3D& b) { return mathLength(Sub(b, a)); }

double CMathFunc::mathLength(const T_POINT3D& v) { return std::sqrt(Dot(v, v)); }

double CMathFunc::mathNormalize(T_POINT3D& v) {
  const double len = mathLength(v);
  if (math_lib::is_zero(len)) return 0.0;
  v.x /= len, v.y /= len, v.z /= len;
  return len;
}

double CMathFunc::mathCrossAngle(const T_POINT3D& v1, const T_POINT3D& v2) {
  T_POINT3D a = v1, b = v2;
  if (mathNormalize(a) == 0.0 || mathNormalize(b) == 0.0) return 0.0;
  // atan2 of the sine and cosine keeps full precision near 0 and 180 degrees.
  return std::atan2(mathLength(Cross(a, b)), Dot(a, b)) * 180.0 / kPi;
}

double CMathFunc::mathCrossAngle2D(double refX, double refY, double x, double y) {
  if (math_lib::is_zero(std::hypot(refX, refY)) || math_lib::is_zero(std::hypot(x, y))) return 0.0;
  double a = std::atan2(refX * y - refY * x, refX * x + refY * y) * 180.0 / kPi;
  if (a < 0.0) a += 360.0;
  return a >= 360.0 ? 0.0 : a;
}

BOOL CMathFunc::mathNormalize(const T_POINT3D& in, T_POINT3D& out) {
  out = in;
  const double len = mathNormalize(out);
  if (len == 0.0 || !std::isfinite(len)) {
    out = T_POINT3D();
    return FALSE;
  }
  return TRUE;
}

double CMathFunc::mathCrossAngle2D(const T_POINT3D& ref, const T_POINT3D& u) {
  return mathCrossAngle2D(ref.x, ref.y, u.x, u.y);
}
