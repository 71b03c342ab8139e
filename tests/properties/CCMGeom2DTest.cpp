#include <cfloat>
#include <climits>
#include <cmath>
#include "PreviewRecorder.h"
#include "properties/CCMEllipse.h"

namespace {

CCMPolygon* Poly(Pts pts, COLORREF pen = RGB(1, 2, 3), COLORREF brush = RGB(4, 5, 6)) {
  auto* p = new CCMPolygon(pen, brush);
  for (auto& [x, y] : pts) p->AddPoint(x, y);
  return p;
}

// Counts deletions, to see who owns a figure.
struct CountedFigure : CCMGeom2D {
  explicit CountedFigure(int* n) : m_n(n) {}
  ~CountedFigure() override { ++*m_n; }
  int* m_n;
};

TEST(RoundToInt, HalvesGoAwayFromZero) {
  const std::pair<double, int> cases[] = {{2.5, 3},   {-2.5, -3}, {0.0, 0}, {-0.4, 0},
                                          {0.49, 0},  {1.5, 2},   {-1.5, -2}, {7.2, 7}};
  for (auto [x, want] : cases) EXPECT_EQ(RoundToInt(x), want) << x;
}

TEST(RoundToInt, OutOfRangeSaturatesInsteadOfOverflowing) {
  EXPECT_EQ(RoundToInt(1e300), INT_MAX);
  EXPECT_EQ(RoundToInt(-1e300), INT_MIN);
  EXPECT_EQ(RoundToInt(INFINITY), INT_MAX);
  EXPECT_EQ(RoundToInt(NAN), 0);
  EXPECT_EQ(TruncToInt(-2.9), -2);
  EXPECT_EQ(TruncToInt(DBL_MAX), INT_MAX);
}

TEST(CCMGeom2D, BaseFigureDrawsNothingAndHasZeroBounds) {
  CCMGeom2D f;
  CDC dc;
  f.Draw(&dc, nullptr, 1.0, POINT{}, 0, 0);
  EXPECT_TRUE(Recorded(dc).empty());
  ExpectBounds(f.GetBoundRect(), 0, 0, 0, 0);
}

TEST(CCMPolygon, BoundsOfEmptyAndOfVertices) {
  CCMPolygon empty;
  ExpectBounds(empty.GetBoundRect(), 0, 0, 0, 0);
  std::unique_ptr<CCMPolygon> p(Poly({{5, 7}, {-3, 2}, {9, -4}, {1, 1}}));
  ExpectBounds(p->GetBoundRect(), -3, -4, 9, 7);
  CCMGeom2DArray list;
  list.Add(new CCMPolygon);
  ExpectBounds(list.GetBoundRect(), 0, 0, 0, 0);
}

TEST(CCMPolygon, TranslateRotateMirror) {
  std::unique_ptr<CCMPolygon> p(Poly({{0, 0}, {10, 0}, {10, 5}}));
  p->Mirror(2);
  ExpectVertices(VerticesOf(p.get()), {{0, 0}, {10, 0}, {10, 5}});
  p->Mirror(0);
  ExpectVertices(VerticesOf(p.get()), {{0, 0}, {10, 0}, {10, -5}});
  p->Mirror(1);
  ExpectVertices(VerticesOf(p.get()), {{0, 0}, {-10, 0}, {-10, -5}});
  const double d[2] = {10, 5};
  p->Translate(d);
  ExpectVertices(VerticesOf(p.get()), {{10, 5}, {0, 5}, {0, 0}});
  p->Rotate(90);
  ExpectVertices(VerticesOf(p.get()), {{-5, 10}, {-5, 0}, {0, 0}});

  std::unique_ptr<CCMPolygon> q(Poly({{10, 0}}));
  q->Rotate(30);
  ExpectVertices(VerticesOf(q.get()), {{10 * std::sqrt(3.0) / 2, 5}}, 1e-12);
}

TEST(CCMEllipse, CornersBoundsAndMoves) {
  CCMEllipse fresh;
  ExpectBounds(fresh.GetBoundRect(), 0, 0, 0, 0);
  CCMEllipse e(10, 8, 2, 4, 0, 0);  // stored as minimum and maximum corners
  ExpectBounds(e.GetBoundRect(), 2, 4, 10, 8);
  const double d[2] = {-2, 1};
  e.Translate(d);
  ExpectBounds(e.GetBoundRect(), 0, 5, 8, 9);
  e.Mirror(0);
  ExpectBounds(e.GetBoundRect(), 0, -5, 8, -9);
  e.Mirror(7);
  ExpectBounds(e.GetBoundRect(), 0, -5, 8, -9);
  e.Rotate(180);
  ExpectBounds(e.GetBoundRect(), 0, 5, -8, 9);
}

TEST(CCMPolygon, DrawMapsVerticesAndUsesTheColoursGiven) {
  std::unique_ptr<CCMPolygon> p(Poly({{0, 0}, {10.25, 0}, {10.25, -3.75}}));
  CDC dc;
  p->Draw(&dc, nullptr, 2.0, POINT{100, 50}, RGB(9, 8, 7), RGB(1, 1, 1));
  ASSERT_EQ(Recorded(dc).size(), 1u);
  const CDrawPrimitive& d = Recorded(dc)[0];
  EXPECT_EQ(d.kind, CDrawPrimitive::Polygon);
  // 20.5 rounds to 21, -7.5 to -8.
  EXPECT_EQ(DevicePoints(d), (std::vector<std::pair<long, long>>{{100, 50}, {121, 50},
                                                                  {121, 42}}));
  EXPECT_EQ(d.penColor, RGB(9, 8, 7));
  EXPECT_EQ(d.penWidth, 1);
  EXPECT_EQ(d.brushColor, RGB(1, 1, 1));
  EXPECT_FALSE(d.brushNull);
}

TEST(CCMGeom2D, FarPointsSaturateOnTheDeviceInsteadOfWrapping) {
  // A point beyond the int range once scaled stays at the edge of the range after the
  // device origin is added; it must not wrap round to the other side.
  std::unique_ptr<CCMPolygon> p(Poly({{1e12, -1e12}, {0, 0}}));
  CCMEllipse e(-1e12, 0, 1e12, 1, 0, 0);
  CDC dc;
  p->Draw(&dc, nullptr, 1.0, POINT{150, -100}, 0, 0);
  e.Draw(&dc, nullptr, 1.0, POINT{-150, 100}, 0, 0);
  ASSERT_EQ(Recorded(dc).size(), 2u);
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]),
            (std::vector<std::pair<long, long>>{{INT_MAX, INT_MIN}, {150, -100}}));
  EXPECT_EQ(DevicePoints(Recorded(dc)[1]),
            (std::vector<std::pair<long, long>>{{INT_MIN, 100}, {INT_MAX, 101}}));
}

TEST(CCMEllipse, DrawMapsCorners) {
  CCMEllipse e(-1, 2, 3, 4.5, 0, 0);
  CDC dc;
  e.Draw(&dc, nullptr, 3.0, POINT{10, 10}, RGB(0, 0, 0), RGB(171, 171, 171));
  ASSERT_EQ(Recorded(dc).size(), 1u);
  EXPECT_EQ(Recorded(dc)[0].kind, CDrawPrimitive::Ellipse);
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]),
            (std::vector<std::pair<long, long>>{{7, 16}, {19, 24}}));
  EXPECT_EQ(Recorded(dc)[0].brushColor, RGB(171, 171, 171));
}

TEST(CCMGeom2D, ScaleThreshold) {
  const std::pair<double, size_t> cases[] = {{1e-7, 0}, {5e-8, 0}, {0, 0}, {-1, 0},
                                             {1.1e-7, 1}};
  for (auto [scale, n] : cases) {
    std::unique_ptr<CCMPolygon> p(Poly({{0, 0}, {1, 1}}));
    CCMEllipse e(0, 0, 1, 1, 0, 0);
    CDC dc;
    p->Draw(&dc, nullptr, scale, POINT{}, 0, 0);
    e.Draw(&dc, nullptr, scale, POINT{}, 0, 0);
    EXPECT_EQ(Recorded(dc).size(), 2 * n) << scale;
  }
}

TEST(CCMGeom2DArray, AppendMovesOwnership) {
  int deleted = 0;
  CCMGeom2DArray target;
  target.Add(new CountedFigure(&deleted));
  {
    CCMGeom2DArray source;
    CCMGeom2D* a = new CountedFigure(&deleted);
    CCMGeom2D* b = new CountedFigure(&deleted);
    source.Add(a);
    source.Add(b);
    EXPECT_EQ(target.Append(source), 3);
    EXPECT_EQ(source.GetSize(), 0);
    EXPECT_EQ(target[1], a);
    EXPECT_EQ(target[2], b);
  }
  EXPECT_EQ(deleted, 0);
  target.DeleteAll();
  EXPECT_EQ(deleted, 3);
}

TEST(CCMGeom2DArray, BoundsAreTheUnion) {
  CCMGeom2DArray list;
  ExpectBounds(list.GetBoundRect(), 0, 0, 0, 0);
  list.Add(Poly({{0, 0}, {10, 5}}));
  list.Add(new CCMEllipse(-4, 2, 3, 20, 0, 0));
  list.Add(Poly({{1, -6}, {2, 1}}));
  ExpectBounds(list.GetBoundRect(), -4, -6, 10, 20);
  const double d[2] = {1, 1};
  list.Translate(d);
  ExpectBounds(list.GetBoundRect(), -3, -5, 11, 21);
}

TEST(CCMGeom2DArray, DrawCentresTheBoxOnTheOriginForGood) {
  CCMGeom2DArray list;
  list.Add(Poly({{0, 0}, {100, 0}, {100, 50}}, RGB(0, 0, 0), RGB(1, 1, 1)));
  list.Add(new CCMEllipse(0, 0, 10, 10, RGB(2, 2, 2), RGB(3, 3, 3)));
  CDC dc;
  const POINT P{10, 20};
  list.Draw(&dc, nullptr, 2.0, &P);
  ExpectBounds(list.GetBoundRect(), -50, -25, 50, 25);
  // Device origin (110, 70): the box centre.
  ASSERT_EQ(Recorded(dc).size(), 2u);
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]),
            (std::vector<std::pair<long, long>>{{10, 20}, {210, 20}, {210, 120}}));
  EXPECT_EQ(Recorded(dc)[0].brushColor, RGB(1, 1, 1));
  EXPECT_EQ(DevicePoints(Recorded(dc)[1]),
            (std::vector<std::pair<long, long>>{{10, 20}, {30, 40}}));
  EXPECT_EQ(Recorded(dc)[1].penColor, RGB(2, 2, 2));
  EXPECT_EQ(Recorded(dc)[1].brushColor, RGB(3, 3, 3));

  CCMGeom2DArray empty;
  CDC dc2;
  empty.Draw(&dc2, nullptr, 2.0, &P);
  EXPECT_TRUE(Recorded(dc2).empty());
}

}  // namespace
