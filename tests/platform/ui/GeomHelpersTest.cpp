// The UI library's geometry helpers: orientation, distances and angles, containment in a
// polygon and in an arc's segment, the stable key sort, the zero test, and ordering
// points along a line.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>
#include "ui/CGeomFunc.h"
#include "ui/CMathFunc.h"
#include "ui/CQSort.h"
#include "ui/math_lib.h"

namespace {

TEST(MathFunc, OrientationDistanceLengthAndAngles) {
  EXPECT_EQ(CMathFunc::math_ccw(0, 0, 1, 0, 0.5, 1), 1);
  EXPECT_EQ(CMathFunc::math_ccw(0, 0, 1, 0, 0.5, -1), -1);
  EXPECT_EQ(CMathFunc::math_ccw(0, 0, 1, 0, 7, 0), 0);
  EXPECT_EQ(CMathFunc::math_ccw(0, 0, 0, 0, 3, 4), 0) << "a degenerate line";

  const T_POINT3D a{0, 0, 0}, b{4, 0, 0};
  EXPECT_DOUBLE_EQ(CMathFunc::mathDistanceToLine(a, b, T_POINT3D{9, 3, 4}), 5.0) << "the unbounded line";
  EXPECT_DOUBLE_EQ(CMathFunc::mathDistanceToLine(a, a, T_POINT3D{3, 4, 0}), 5.0) << "a point for a line";
  EXPECT_DOUBLE_EQ(CMathFunc::mathLength(1, 1, 4, 5), 5.0);
  EXPECT_DOUBLE_EQ(CMathFunc::mathLength(T_POINT3D{1, 2, 2}), 3.0);
  EXPECT_DOUBLE_EQ(CMathFunc::mathLength(T_POINT3D{1, 1, 1}, T_POINT3D{2, 3, 3}), 3.0);

  T_POINT3D v{0, 3, 4};
  EXPECT_DOUBLE_EQ(CMathFunc::mathNormalize(v), 5.0);
  EXPECT_DOUBLE_EQ(v.y, 0.6);
  T_POINT3D zero{0, 0, 0};
  EXPECT_EQ(CMathFunc::mathNormalize(zero), 0.0);
  EXPECT_EQ(zero.x, 0.0);

  struct Angle {
    double x1, y1, x2, y2, cross, ccw;
  };
  for (const Angle& c : {Angle{1, 0, 1, 0, 0, 0}, Angle{1, 0, 0, 1, 90, 90}, Angle{1, 0, 0, -1, 90, 270},
                         Angle{1, 0, -1, 0, 180, 180}, Angle{0, 2, -1, 0, 90, 90}, Angle{1, 1, 1, 0, 45, 315},
                         Angle{0, 0, 1, 0, 0, 0}}) {
    EXPECT_NEAR(CMathFunc::mathCrossAngle(T_POINT3D{c.x1, c.y1, 0}, T_POINT3D{c.x2, c.y2, 0}), c.cross, 1e-12)
        << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
    EXPECT_NEAR(CMathFunc::mathCrossAngle2D(c.x1, c.y1, c.x2, c.y2), c.ccw, 1e-12)
        << c.x1 << "," << c.y1 << " " << c.x2 << "," << c.y2;
  }
  const double tiny = CMathFunc::mathCrossAngle2D(1, 0, 1, -1e-18);
  EXPECT_TRUE(tiny >= 0.0 && tiny < 360.0) << tiny;
}

TEST(GeomFunc, PolygonBorderCountsAsInside) {
  CPoint2DArray square;
  for (const T_POINT2D& p : {T_POINT2D{0, 0}, T_POINT2D{2, 0}, T_POINT2D{2, 2}, T_POINT2D{0, 2}}) square.Add(p);
  EXPECT_TRUE(CGeomFunc::IsPointInPolygon(T_POINT2D{1, 1}, square));
  EXPECT_TRUE(CGeomFunc::IsPointInPolygon(T_POINT2D{2, 1}, square));
  EXPECT_TRUE(CGeomFunc::IsPointInPolygon(T_POINT2D{0, 0}, square));
  EXPECT_FALSE(CGeomFunc::IsPointInPolygon(T_POINT2D{2.001, 1}, square));
  CPoint2DArray two;
  two.Add(T_POINT2D{0, 0});
  two.Add(T_POINT2D{2, 0});
  EXPECT_FALSE(CGeomFunc::IsPointInPolygon(T_POINT2D{1, 0}, two));
}

TEST(GeomFunc, ThePointsBetweenAnArcAndItsChord) {
  // The quarter arc of radius 2 about the origin from (2, 0) to (0, 2).
  T_LINE_G arc;
  arc.start = T_POINT3D{2, 0, 0}, arc.end = T_POINT3D{0, 2, 0}, arc.centre = T_POINT3D{0, 0, 0}, arc.bArc = TRUE;
  struct Case {
    double x, y;
    bool in;
  };
  for (const Case& c : {Case{1.3, 1.3, true}, Case{1.0, 1.0, true} /* on the chord */, Case{0.5, 0.5, false},
                        Case{1.5, 1.5, false} /* beyond the arc */, Case{std::sqrt(2.0), std::sqrt(2.0), true},
                        Case{-1, 3, false}})
    EXPECT_EQ(CGeomFunc::IsPointInArc(T_POINT2D{c.x, c.y}, arc, 0), c.in ? TRUE : FALSE) << c.x << "," << c.y;
  // The half circle: its chord passes through the centre.
  arc.end = T_POINT3D{-2, 0, 0};
  arc.start = T_POINT3D{2, 0, 0};
  T_POINT3D mid;
  ASSERT_TRUE(arc.GetLineCenter(mid));
  const double side = mid.y > 0 ? 1 : -1;
  EXPECT_TRUE(CGeomFunc::IsPointInArc(T_POINT2D{0, side}, arc, 0));
  EXPECT_FALSE(CGeomFunc::IsPointInArc(T_POINT2D{0, -side}, arc, 0));
  arc.bArc = FALSE;
  EXPECT_FALSE(CGeomFunc::IsPointInArc(T_POINT2D{0, side}, arc, 0)) << "a straight line holds nothing";
}

TEST(QSort, KeysFollowTheirValuesAndTiesKeepTheirOrder) {
  std::vector<UINT> keys = {10, 20, 30, 40, 50};
  std::vector<double> values = {3.0, 1.0, 3.0, 0.5, 1.0};
  CQSort::QSortDblWithIndex(keys.data(), values.data(), 5);
  EXPECT_EQ(keys, (std::vector<UINT>{40, 20, 50, 10, 30}));
  EXPECT_EQ(values, (std::vector<double>{0.5, 1.0, 1.0, 3.0, 3.0}));
  // Only the first n move.
  keys = {1, 2, 3};
  values = {2, 1, 0};
  CQSort::QSortDblWithIndex(keys.data(), values.data(), 2);
  EXPECT_EQ(keys, (std::vector<UINT>{2, 1, 3}));
  CQSort::QSortDblWithIndex(nullptr, values.data(), 3);  // nothing to sort
}

TEST(MathLib, ZeroWithinOneTenBillionth) {
  EXPECT_TRUE(math_lib::is_zero(0.0));
  EXPECT_TRUE(math_lib::is_zero(1e-10));
  EXPECT_TRUE(math_lib::is_zero(-1e-10));
  EXPECT_FALSE(math_lib::is_zero(1.0001e-10));
  EXPECT_FALSE(math_lib::is_zero(std::nan("")));
}

TEST(LineSortByDist, PointsInOrderAlongALineOrAnArc) {
  T_LINE_G line;
  line.start = T_POINT3D{0, 0, 0}, line.end = T_POINT3D{10, 0, 0};
  CPoint3DArray pts;
  for (double x : {7.0, 2.0, 2.00001, 1.99995, -1.0}) pts.Add(T_POINT3D{x, 1, 0});
  ASSERT_TRUE(line.SortByDist(pts, 0.0001, 0));
  std::vector<double> xs;
  for (const T_POINT3D& p : pts) xs.push_back(p.x);
  // Within the tolerance the order stays: 2, 2.00001, 1.99995.
  EXPECT_EQ(xs, (std::vector<double>{-1.0, 2.0, 2.00001, 1.99995, 7.0}));
  ASSERT_TRUE(line.SortByDist(pts, 0.0001, 1));
  EXPECT_EQ(pts[0].x, 7.0);
  EXPECT_EQ(pts[4].x, -1.0);

  // The quarter arc from (2, 0) to (0, 2): ordered by the sweep from its start.
  T_LINE_G arc;
  arc.start = T_POINT3D{2, 0, 0}, arc.end = T_POINT3D{0, 2, 0}, arc.bArc = TRUE;
  CPoint3DArray on;
  for (double deg : {80.0, 10.0, 45.0}) on.Add(T_POINT3D{2 * std::cos(deg * M_PI / 180), 2 * std::sin(deg * M_PI / 180), 0});
  ASSERT_TRUE(arc.SortByDist(on, 0.0001, 0));
  EXPECT_NEAR(on[0].y, 2 * std::sin(10 * M_PI / 180), 1e-12);
  EXPECT_NEAR(on[2].y, 2 * std::sin(80 * M_PI / 180), 1e-12);

  T_LINE_G point;
  EXPECT_FALSE(point.SortByDist(pts, 0.0001, 0)) << "no direction to order by";
}

}  // namespace
