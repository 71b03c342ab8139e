#include "db/DBGeom.h"

#include <algorithm>
#include <cmath>
#include <vector>

namespace {
constexpr double kPi = 3.14159265358979323846;
// Plan angles of the arc's ends about its centre and the sweep of the shorter way round.
bool ArcAngles(const T_LINE_G& l, double& r, double& a0, double& sweep) {
  double r0 = std::hypot(l.start.x - l.centre.x, l.start.y - l.centre.y);
  double r1 = std::hypot(l.end.x - l.centre.x, l.end.y - l.centre.y);
  if (r0 <= 1e-12 || r1 <= 1e-12 || std::fabs(r0 - r1) > 1e-6 * std::max(r0, r1)) return false;
  r = r0;
  a0 = std::atan2(l.start.y - l.centre.y, l.start.x - l.centre.x);
  double a1 = std::atan2(l.end.y - l.centre.y, l.end.x - l.centre.x);
  sweep = a1 - a0;
  while (sweep > kPi) sweep -= 2 * kPi;
  while (sweep < -kPi) sweep += 2 * kPi;
  return true;
}
}  // namespace

BOOL T_LINE_G::GetLineCenter(T_POINT3D& mid) const {
  mid.z = (start.z + end.z) * 0.5;
  if (!bArc) {
    mid.x = (start.x + end.x) * 0.5;
    mid.y = (start.y + end.y) * 0.5;
    return TRUE;
  }
  double r, a0, sweep;
  if (!ArcAngles(*this, r, a0, sweep)) return FALSE;
  double a = a0 + sweep * 0.5;
  mid.x = centre.x + r * std::cos(a);
  mid.y = centre.y + r * std::sin(a);
  return TRUE;
}

double T_LINE_G::Length() const {
  double r, a0, sweep;
  if (bArc && ArcAngles(*this, r, a0, sweep)) return r * std::fabs(sweep);
  return std::sqrt((end.x - start.x) * (end.x - start.x) + (end.y - start.y) * (end.y - start.y) +
                   (end.z - start.z) * (end.z - start.z));
}

BOOL T_LINE_G::SortByDist(CArray<T_POINT3D>& points, double tol, int order) const {
  const INT_PTR n = points.GetSize();
  std::vector<std::pair<double, T_POINT3D>> at;
  at.reserve((size_t)n);
  double r = 0, a0 = 0, sweep = 0;
  if (bArc) {
    if (!ArcAngles(*this, r, a0, sweep)) return FALSE;
  } else if (n > 1 && std::hypot(end.x - start.x, end.y - start.y) <= 1e-12) {
    return FALSE;
  }
  const double len = std::hypot(end.x - start.x, end.y - start.y);
  for (const T_POINT3D& p : points) {
    double d = 0.0;
    if (bArc) {
      // The sweep from the start toward the end, in the arc's own direction.
      double a = std::atan2(p.y - centre.y, p.x - centre.x) - a0;
      while (a > kPi) a -= 2 * kPi;
      while (a < -kPi) a += 2 * kPi;
      d = (sweep < 0 ? -a : a) * r;
    } else if (len > 0) {
      d = ((p.x - start.x) * (end.x - start.x) + (p.y - start.y) * (end.y - start.y)) / len;
    }
    at.emplace_back(order == 0 ? d : -d, p);
  }
  // Insertion keeps points within tol of each other in their order.
  for (size_t i = 1; i < at.size(); ++i) {
    auto cur = at[i];
    size_t j = i;
    while (j > 0 && at[j - 1].first > cur.first + tol) {
      at[j] = at[j - 1];
      --j;
    }
    at[j] = cur;
  }
  for (size_t i = 0; i < at.size(); ++i) points[(INT_PTR)i] = at[i].second;
  return TRUE;
}

namespace DBGeom {

double Ccw(double ax, double ay, double bx, double by, double cx, double cy) {
  return (bx - ax) * (cy - ay) - (by - ay) * (cx - ax);
}

double DistToSegment(double ax, double ay, double bx, double by, double px, double py) {
  double dx = bx - ax, dy = by - ay;
  double l2 = dx * dx + dy * dy;
  double t = l2 > 0 ? ((px - ax) * dx + (py - ay) * dy) / l2 : 0.0;
  t = std::max(0.0, std::min(1.0, t));
  return std::hypot(ax + t * dx - px, ay + t * dy - py);
}

BOOL PointInPolygon(const std::vector<T_POINT2D>& poly, double x, double y) {
  size_t n = poly.size();
  if (n < 3) return FALSE;
  bool in = false;
  for (size_t i = 0, j = n - 1; i < n; j = i++) {
    const T_POINT2D& a = poly[i];
    const T_POINT2D& b = poly[j];
    if (DistToSegment(a.x, a.y, b.x, b.y, x, y) <= 1e-9) return TRUE;
    if ((a.y > y) != (b.y > y) && x < (b.x - a.x) * (y - a.y) / (b.y - a.y) + a.x) in = !in;
  }
  return in;
}

BOOL SegmentsMeet(const T_POINT2D& a, const T_POINT2D& b, const T_POINT2D& c, const T_POINT2D& d) {
  double d1 = Ccw(a.x, a.y, b.x, b.y, c.x, c.y), d2 = Ccw(a.x, a.y, b.x, b.y, d.x, d.y);
  double d3 = Ccw(c.x, c.y, d.x, d.y, a.x, a.y), d4 = Ccw(c.x, c.y, d.x, d.y, b.x, b.y);
  if (((d1 > 0 && d2 < 0) || (d1 < 0 && d2 > 0)) && ((d3 > 0 && d4 < 0) || (d3 < 0 && d4 > 0))) return TRUE;
  return DistToSegment(a.x, a.y, b.x, b.y, c.x, c.y) <= 1e-9 || DistToSegment(a.x, a.y, b.x, b.y, d.x, d.y) <= 1e-9 ||
         DistToSegment(c.x, c.y, d.x, d.y, a.x, a.y) <= 1e-9 || DistToSegment(c.x, c.y, d.x, d.y, b.x, b.y) <= 1e-9;
}

double SignedArea(const std::vector<T_POINT2D>& poly) {
  double s = 0;
  for (size_t i = 0, n = poly.size(); i < n; ++i) {
    const T_POINT2D& a = poly[i];
    const T_POINT2D& b = poly[(i + 1) % n];
    s += a.x * b.y - b.x * a.y;
  }
  return s * 0.5;
}

double Area3D(const std::vector<T_POINT3D>& p) {
  double nx = 0, ny = 0, nz = 0;
  for (size_t i = 0, n = p.size(); i < n; ++i) {
    const T_POINT3D& a = p[i];
    const T_POINT3D& b = p[(i + 1) % n];
    nx += (a.y - b.y) * (a.z + b.z);
    ny += (a.z - b.z) * (a.x + b.x);
    nz += (a.x - b.x) * (a.y + b.y);
  }
  return 0.5 * std::sqrt(nx * nx + ny * ny + nz * nz);
}

}  // namespace DBGeom
