#include "ui/CGeomFunc.h"

#include <cmath>
#include <vector>

namespace {
constexpr double kBorder = 1e-9;
double Side(const T_POINT3D& a, const T_POINT3D& b, double x, double y) {
  return (b.x - a.x) * (y - a.y) - (b.y - a.y) * (x - a.x);
}
}  // namespace

BOOL CGeomFunc::IsPointInPolygon(const T_POINT2D& point, const CPoint2DArray& polygon) {
  if (polygon.GetSize() < 3) return FALSE;
  const std::vector<T_POINT2D> poly(polygon.begin(), polygon.end());
  return DBGeom::PointInPolygon(poly, point.x, point.y);
}

BOOL CGeomFunc::IsPointInArc(const T_POINT2D& point, const T_LINE_G& arc, int) {
  T_POINT3D mid;
  if (!arc.bArc || !arc.GetLineCenter(mid)) return FALSE;
  const double r = std::hypot(arc.start.x - arc.centre.x, arc.start.y - arc.centre.y);
  if (std::hypot(point.x - arc.centre.x, point.y - arc.centre.y) > r + kBorder) return FALSE;
  const double chord = std::hypot(arc.end.x - arc.start.x, arc.end.y - arc.start.y);
  if (chord <= kBorder) return FALSE;
  // Signed distances from the chord: the point must lie on the side of the arc's middle.
  const double sMid = Side(arc.start, arc.end, mid.x, mid.y) / chord;
  const double sPt = Side(arc.start, arc.end, point.x, point.y) / chord;
  if (std::fabs(sPt) <= kBorder) return TRUE;
  return (sMid > 0) == (sPt > 0);
}
