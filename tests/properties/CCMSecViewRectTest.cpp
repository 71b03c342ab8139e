#include "PreviewRecorder.h"
#include "properties/CCMSecShapes.h"
#include "properties/CCMSecViewRect.h"

namespace {

typedef CCMSecShapes S;
typedef std::vector<std::pair<long, long>> DevPts;

CCMSecViewRect ViewRect(int l, int t, int r, int b) {
  CCMSecViewRect vr;
  vr.SetRect(CRect(l, t, r, b));
  return vr;
}

TEST(CCMSecViewRect, EraseFillsWhiteUnlessEmpty) {
  CDC dc;
  ViewRect(0, 0, 300, 200).Erase(&dc);
  ASSERT_EQ(Recorded(dc).size(), 1u);
  EXPECT_EQ(Recorded(dc)[0].kind, CDrawPrimitive::PatBlt);
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]), (DevPts{{0, 0}, {300, 200}}));
  EXPECT_EQ(Recorded(dc)[0].brushColor, RGB(255, 255, 255));

  for (CCMSecViewRect vr : {ViewRect(10, 0, 10, 200), ViewRect(20, 0, 10, 200),
                            ViewRect(0, 50, 300, 50)}) {
    CDC dc2;
    vr.Erase(&dc2);
    CCMGeom2DArray list;
    list.Add(S::Rect(0, 0, 10, 10, S::kSteel));
    vr.Draw(&dc2, &list, 0, 0);
    EXPECT_TRUE(Recorded(dc2).empty());
  }
}

TEST(CCMSecViewRect, FitFillsSeventyPercentOfTheLimitingSide) {
  CCMGeom2DArray list;
  list.Add(S::Rect(0, 0, 200, 100, S::kSteel));
  double scale = 0;
  POINT P;
  ASSERT_TRUE(ViewRect(0, 0, 300, 200).Fit(&list, scale, P));
  EXPECT_DOUBLE_EQ(scale, 1.05);
  EXPECT_EQ(P.x, 45);
  EXPECT_EQ(P.y, 48);

  // A box with no height is fitted by its width alone.
  CCMGeom2DArray flat;
  flat.Add(S::Rect(0, 0, 100, 0, S::kSteel));
  ASSERT_TRUE(ViewRect(0, 0, 301, 200).Fit(&flat, scale, P));
  EXPECT_DOUBLE_EQ(scale, 2.107);
  EXPECT_EQ(P.x, 150 - 105);
  EXPECT_EQ(P.y, 100);
}

TEST(CCMSecViewRect, FitRefusesABoxWithoutExtent) {
  CCMGeom2DArray empty, point;
  point.Add(S::Rect(3, 3, 3, 3, S::kSteel));
  double scale = -1;
  POINT P{-1, -1};
  EXPECT_FALSE(ViewRect(0, 0, 300, 200).Fit(&empty, scale, P));
  EXPECT_FALSE(ViewRect(0, 0, 300, 200).Fit(&point, scale, P));
  EXPECT_EQ(scale, -1);
  EXPECT_EQ(P.x, -1);
}

TEST(CCMSecViewRect, DrawFitsAndCentres) {
  CCMGeom2DArray list;
  list.Add(S::Rect(0, 0, 200, 100, S::kSteel));
  CDC dc;
  ViewRect(0, 0, 300, 200).Draw(&dc, &list, 0, 0);
  ASSERT_EQ(Recorded(dc).size(), 1u);
  // Scale 1.05, origin (45 + 105, 48 + 52) = (150, 100); -52.5 rounds to -53.
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]), (DevPts{{45, 47}, {45, 153}, {255, 153},
                                                   {255, 47}}));
}

// A list as the builder makes it: outline, offset square, centroid square, cross.
struct MarkedList : ::testing::Test {
  void Fill(bool offset, bool centroid) {
    list.Add(S::Rect(0, 0, 200, 100, S::kSteel));
    if (offset) list.Add(S::Rect(-10, -10, 10, 10, S::kOffset));  // at the top left
    if (centroid) {
      list.Add(S::Rect(90, 40, 110, 60, S::kCentroid));
      CCMPolygon* cross = S::NewPolygon(S::kCross);
      for (auto [x, y] : Pts{{60, 50}, {140, 50}, {100, 50}, {100, 10}, {100, 90}, {100, 50}})
        cross->AddPoint(x, y);
      list.Add(cross);
    }
  }
  std::vector<COLORREF> Brushes() const {
    std::vector<COLORREF> v;
    for (const CDrawPrimitive& d : dc.GetDisplayList().items) v.push_back(d.brushColor);
    return v;
  }
  CCMGeom2DArray list;
  CDC dc;
  CCMSecViewRect vr = ViewRect(0, 0, 300, 200);
};

TEST_F(MarkedList, OffsetAloneIsDrawnAfterTheFittedOutline) {
  Fill(true, false);
  CCMGeom2D* offset = list[1];
  vr.Draw(&dc, &list, 0, 1);
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{S::kSteel.crBrush, S::kOffset.crBrush}));
  // The fit ignores the square: the outline is drawn as without it.
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]), (DevPts{{45, 47}, {45, 153}, {255, 153},
                                                   {255, 47}}));
  // Square centred on the outline's top left corner, 10 units = 10.5 pixels each way.
  EXPECT_EQ(DevicePoints(Recorded(dc)[1]), (DevPts{{34, 37}, {34, 58}, {55, 58}, {55, 37}}));
  ASSERT_EQ(list.GetSize(), 2);
  EXPECT_EQ(list[1], offset);
}

TEST_F(MarkedList, CentroidAloneDrawsTheCrossAfterTheList) {
  Fill(false, true);
  vr.Draw(&dc, &list, 1, 0);
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{S::kSteel.crBrush, S::kCentroid.crBrush,
                                              S::kCross.crBrush}));
  EXPECT_EQ(Recorded(dc)[2].penColor, S::kCross.crPen);
  EXPECT_EQ(DevicePoints(Recorded(dc)[2]),
            (DevPts{{108, 100}, {192, 100}, {150, 100}, {150, 58}, {150, 142}, {150, 100}}));
  EXPECT_EQ(list.GetSize(), 3);
}

TEST_F(MarkedList, BothFlagsTakeTheLastTwoFiguresOut) {
  Fill(true, true);
  CCMGeom2D* centroid = list[2];
  CCMGeom2D* cross = list[3];
  vr.Draw(&dc, &list, 1, 1);
  // The offset square stays in the fitted list (and widens the fit); the centroid square
  // and then the cross follow it.
  EXPECT_EQ(Brushes(), (std::vector<COLORREF>{S::kSteel.crBrush, S::kOffset.crBrush,
                                              S::kCentroid.crBrush, S::kCross.crBrush}));
  ASSERT_EQ(list.GetSize(), 4);
  EXPECT_EQ(list[2], centroid);
  EXPECT_EQ(list[3], cross);
  // Fit over (-10, -10)-(200, 100): scale min(300/210, 200/110) x 0.7 = 1.0.
  EXPECT_EQ(DevicePoints(Recorded(dc)[0]), (DevPts{{55, 55}, {55, 155}, {255, 155},
                                                   {255, 55}}));
  EXPECT_EQ(DevicePoints(Recorded(dc)[3])[0], std::make_pair(115L, 105L));
}

TEST_F(MarkedList, AnOutlineWithoutExtentDrawsNothing) {
  // All sizes 0: every figure, marks included, collapses to one point.
  list.Add(S::Rect(0, 0, 0, 0, S::kSteel));
  list.Add(S::Rect(5, 5, 5, 5, S::kCentroid));
  CCMPolygon* cross = S::NewPolygon(S::kCross);
  cross->AddPoint(7, 3);
  list.Add(cross);
  vr.Draw(&dc, &list, 1, 0);
  EXPECT_TRUE(Recorded(dc).empty());
  EXPECT_EQ(list.GetSize(), 3);

  CCMGeom2DArray empty;
  vr.Draw(&dc, &empty, 1, 1);
  EXPECT_TRUE(Recorded(dc).empty());
}

}  // namespace
