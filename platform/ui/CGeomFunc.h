// Plan containment tests of the UI library's geometry helpers.
//
// Choices:
// - IsPointInPolygon: the polygon's border (within 1e-9) counts as inside; a polygon of
//   fewer than three points contains nothing.
// - IsPointInArc: the region between an arc and its chord (the circular segment on the
//   arc's side of the chord). The arc is the T_LINE_G's (its shorter way round about the
//   centre, see T_LINE_G::GetLineCenter); the arc and the chord count as inside (within
//   1e-9). A straight line or an arc whose middle cannot be had contains nothing. The
//   option argument is not used.
#pragma once
#include "db/DBGeom.h"

class CGeomFunc {
 public:
  static BOOL IsPointInPolygon(const T_POINT2D& point, const CPoint2DArray& polygon);
  static BOOL IsPointInArc(const T_POINT2D& point, const T_LINE_G& arc, int nOption = 0);
};
