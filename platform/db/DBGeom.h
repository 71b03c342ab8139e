// Plain geometry records the modeller and the creation tool exchange, and the few plan
// routines under them. Coordinates are global and in internal units (m).
#pragma once
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CArray.h"

struct T_POINT2D {
  double x = 0.0, y = 0.0;
};

struct T_POINT3D {
  double x = 0.0, y = 0.0, z = 0.0;
};

// One input position of the creation tool.
struct T_MEMBDLG_3DPOINT {
  double x = 0.0, y = 0.0, z = 0.0;
};

// A straight line from start to end, or an arc through them about centre (bArc).
struct T_LINE_G {
  T_POINT3D start, end, centre;
  BOOL bArc = FALSE;

  // The middle of the line: of the chord for a straight line, of the arc's shorter way
  // round for an arc (in plan; z the middle of the ends' z). 0 for an arc whose ends are
  // not at one distance from the centre (within 1e-6 relative) or lie on it.
  BOOL GetLineCenter(T_POINT3D& mid) const;
  // Length: the chord, or the arc's shorter way round.
  double Length() const;
  // Orders the points along the line: by their plan distance from the start measured
  // along the line (a straight line's direction, or the arc's sweep from its start, the
  // shorter way round), ascending for order 0 and descending otherwise. Points whose
  // distances differ by at most tol keep their order (a stable sort). 0 for an arc
  // whose middle cannot be had, or a straight line of no plan length with more than one
  // point; the points are then left as they were.
  BOOL SortByDist(CArray<T_POINT3D>& points, double tol, int order = 0) const;
};

typedef CArray<T_POINT2D> CPoint2DArray;
typedef CArray<T_POINT3D> CPoint3DArray;
typedef CArray<T_LINE_G> CLineGArray;

namespace DBGeom {
// Orientation of c to the directed line a-b: > 0 left, < 0 right, 0 on it.
double Ccw(double ax, double ay, double bx, double by, double cx, double cy);
// Plan distance of (px, py) to the segment a-b.
double DistToSegment(double ax, double ay, double bx, double by, double px, double py);
// Inside the plan polygon (its border counts as inside, within 1e-9).
BOOL PointInPolygon(const std::vector<T_POINT2D>& poly, double x, double y);
// Do the plan segments a-b and c-d meet (touching counts)?
BOOL SegmentsMeet(const T_POINT2D& a, const T_POINT2D& b, const T_POINT2D& c, const T_POINT2D& d);
// Signed plan area (counter-clockwise positive).
double SignedArea(const std::vector<T_POINT2D>& poly);
// Area of a 3-D polygon (Newell's method).
double Area3D(const std::vector<T_POINT3D>& poly);
}  // namespace DBGeom
