#include "properties/CCMGeom2D.h"

#include <climits>
#include <cmath>

namespace {

int SaturateToInt(double v) {
  if (std::isnan(v)) return 0;
  if (v >= (double)INT_MAX) return INT_MAX;
  if (v <= (double)INT_MIN) return INT_MIN;
  return (int)v;
}

double RoundHalfAway(double x) { return x > 0 ? std::floor(x + 0.5) : std::ceil(x - 0.5); }

// A scaled section coordinate, rounded, moved by the device origin: the sum saturates to
// the int range (a point far off the outline must not wrap round to the other side of the
// device); NaN rounds to 0 as in RoundToInt.
LONG ToDevice(double v, LONG org) {
  const double r = RoundHalfAway(v);
  return SaturateToInt(std::isnan(r) ? (double)org : r + (double)org);
}

}  // namespace

int RoundToInt(double x) { return SaturateToInt(RoundHalfAway(x)); }

int TruncToInt(double x) { return SaturateToInt(std::trunc(x)); }

double CosDeg(double dAngleDeg) {
  const double r = std::fabs(std::fmod(dAngleDeg, 360.0));
  if (r == 0) return 1;
  if (r == 90 || r == 270) return 0;
  if (r == 180) return -1;
  return std::cos(dAngleDeg * 0.017453292519943295);
}

double SinDeg(double dAngleDeg) {
  const double r = std::fmod(dAngleDeg, 360.0);
  if (r == 0 || r == 180 || r == -180) return 0;
  if (r == 90 || r == -270) return 1;
  if (r == 270 || r == -90) return -1;
  return std::sin(dAngleDeg * 0.017453292519943295);
}

void CCMGeom2D::Draw(CDC*, const CCMSecViewRect*, double, POINT, COLORREF, COLORREF) {}

SCMBound2D CCMGeom2D::GetBoundRect() const { return SCMBound2D{}; }

void CCMGeom2D::Translate(const double*) {}

void CCMGeom2D::Rotate(double) {}

void CCMGeom2D::Mirror(int) {}

CPoint CCMGeom2D::MapPoint(double x, double y, double dScale, POINT ptOrg) {
  return CPoint(ToDevice(x * dScale, ptOrg.x), ToDevice(y * dScale, ptOrg.y));
}

void CCMGeom2D::RotatePoint(double& x, double& y, double dAngleDeg) {
  const double c = CosDeg(dAngleDeg), s = SinDeg(dAngleDeg);
  const double nx = x * c - y * s;
  const double ny = x * s + y * c;
  x = nx;
  y = ny;
}
