// The polyline and arc input tool: when an input is finished for each size class, the
// edges each edge mode makes from the presses, picked lines joined into a chain, and the
// band.
#include <gtest/gtest.h>

#include <cmath>
#include "db/CPolyParamTool.h"

namespace {

T_MEMBDLG_3DPOINT P(double x, double y, double z = 0) { return T_MEMBDLG_3DPOINT{x, y, z}; }

T_LINE_G Line(double x0, double y0, double x1, double y1) {
  T_LINE_G l;
  l.start = T_POINT3D{x0, y0, 0};
  l.end = T_POINT3D{x1, y1, 0};
  return l;
}

CLineGArray Lines(const CPolyParamTool& t) {
  CLineGArray a;
  t.GetLines(a);
  return a;
}

TEST(PolyParamToolTest, SizeClassSaysWhenTheInputIsFinished) {
  CPolyParamTool one, closed, never;
  one.Initialize(1);
  closed.Initialize(10000);
  never.Initialize(0);
  for (CPolyParamTool* t : {&one, &closed, &never}) {
    t->SetEdgeMode(CPolyParamTool::EDGE_LINE);
    EXPECT_FALSE(t->IsNeedRubBand());
    t->PushPoint(P(0, 0));
    EXPECT_TRUE(t->IsNeedRubBand());
    t->PushPoint(P(4, 0));
  }
  EXPECT_TRUE(one.IsFinished());
  EXPECT_FALSE(one.IsNeedRubBand());
  EXPECT_FALSE(one.PushPoint(P(4, 3))) << "a finished input takes nothing more";
  EXPECT_EQ(Lines(one).GetSize(), 1);

  // Closed by coming back to the first point, or by CloseEdge.
  closed.PushPoint(P(4, 3));
  EXPECT_FALSE(closed.IsFinished());
  closed.PushPoint(P(0, 0));
  EXPECT_TRUE(closed.IsFinished());
  EXPECT_EQ(Lines(closed).GetSize(), 3);

  never.PushPoint(P(4, 3));
  never.PushPoint(P(0, 0));
  EXPECT_FALSE(never.IsFinished());
  EXPECT_TRUE(never.CloseEdge());
  EXPECT_FALSE(never.IsFinished());

  CPolyParamTool open;
  open.Initialize(10000);
  open.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  EXPECT_FALSE(open.CloseEdge()) << "nothing to close";
  open.PushPoint(P(0, 0));
  open.PushPoint(P(4, 0));
  open.PushPoint(P(4, 3));
  EXPECT_TRUE(open.CloseEdge());
  EXPECT_TRUE(open.IsFinished());
  const CLineGArray l = Lines(open);
  ASSERT_EQ(l.GetSize(), 3);
  EXPECT_EQ(l[2].start.x, 4);
  EXPECT_EQ(l[2].end.x, 0);
  EXPECT_EQ(l[2].end.y, 0);

  open.Reset();
  EXPECT_EQ(Lines(open).GetSize(), 0);
  EXPECT_EQ(open.GetSizeClass(), 10000);
  EXPECT_EQ(open.GetEdgeMode(), CPolyParamTool::EDGE_LINE);
}

TEST(PolyParamToolTest, ArcsByThreePointsAndByTheirCentre) {
  // Every mode draws the quarter circle of radius 5 about the origin from (5, 0) to (0, 5).
  struct Case {
    int mode;
    T_MEMBDLG_3DPOINT a, b, c;
  } cases[] = {
      {CPolyParamTool::EDGE_ARC_3P, P(5, 0), P(5 / std::sqrt(2.0), 5 / std::sqrt(2.0)), P(0, 5)},
      {CPolyParamTool::EDGE_ARC_C_P1P2, P(0, 0), P(5, 0), P(0, 9)},   // the end taken onto the circle
      {CPolyParamTool::EDGE_ARC_P1_C_P2, P(5, 0), P(0, 0), P(0, 2)},
  };
  for (const Case& c : cases) {
    CPolyParamTool t;
    t.Initialize(1);
    t.SetEdgeMode(c.mode);
    EXPECT_TRUE(t.PushPoint(c.a));
    EXPECT_TRUE(t.PushPoint(c.b));
    EXPECT_FALSE(t.IsFinished());
    EXPECT_TRUE(t.PushPoint(c.c));
    ASSERT_TRUE(t.IsFinished()) << c.mode;
    const CLineGArray l = Lines(t);
    ASSERT_EQ(l.GetSize(), 1);
    EXPECT_TRUE(l[0].bArc);
    EXPECT_NEAR(l[0].start.x, 5, 1e-9) << c.mode;
    EXPECT_NEAR(l[0].end.x, 0, 1e-9) << c.mode;
    EXPECT_NEAR(l[0].end.y, 5, 1e-9) << c.mode;
    EXPECT_NEAR(l[0].centre.x, 0, 1e-9) << c.mode;
    EXPECT_NEAR(l[0].centre.y, 0, 1e-9) << c.mode;
    T_POINT3D mid;
    ASSERT_TRUE(l[0].GetLineCenter(mid));
    EXPECT_NEAR(mid.x, 5 / std::sqrt(2.0), 1e-9);
  }

  // Three points on one line make no arc; a press on the point before it is not taken.
  CPolyParamTool t;
  t.Initialize(1);
  t.SetEdgeMode(CPolyParamTool::EDGE_ARC_3P);
  t.PushPoint(P(0, 0));
  EXPECT_FALSE(t.PushPoint(P(0, 0)));
  t.PushPoint(P(1, 1));
  EXPECT_FALSE(t.PushPoint(P(2, 2)));
  EXPECT_FALSE(t.IsFinished());
  EXPECT_TRUE(t.PushPoint(P(2, 0)));
  EXPECT_TRUE(t.IsFinished());
}

TEST(PolyParamToolTest, AChainGoesOnFromItsEndAndAModeChangeKeepsIt) {
  CPolyParamTool t;
  t.Initialize(10000);
  t.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  t.PushPoint(P(0, 0));
  t.PushPoint(P(10, 0));
  // An arc from the chain's end: centre (10, 5), end projected onto the circle.
  t.SetEdgeMode(CPolyParamTool::EDGE_ARC_P1_C_P2);
  t.PushPoint(P(10, 5));
  t.PushPoint(P(10, 20));
  t.SetEdgeMode(CPolyParamTool::EDGE_ARC_3P);
  t.PushPoint(P(3, 7));  // dropped by the next mode change
  t.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  t.PushPoint(P(0, 10));
  t.PushPoint(P(0, 0));
  ASSERT_TRUE(t.IsFinished());
  const CLineGArray l = Lines(t);
  ASSERT_EQ(l.GetSize(), 4);
  EXPECT_NEAR(l[1].end.x, 10, 1e-9);
  EXPECT_NEAR(l[1].end.y, 10, 1e-9);
  EXPECT_EQ(l[2].start.y, l[1].end.y);
  EXPECT_EQ(l[2].end.x, 0);
  EXPECT_EQ(l[3].end.y, 0);
}

TEST(PolyParamToolTest, PickedLinesJoinAtTheChainsEnd) {
  CPolyParamTool t;
  t.Initialize(10000);
  t.SetEdgeMode(CPolyParamTool::EDGE_PICK_MEMB);
  EXPECT_FALSE(t.PushPoint(P(1, 1))) << "picking takes no points";
  EXPECT_TRUE(t.PushLine(Line(4, 0, 0, 0)));
  // Touches the first line's start: the first line is turned round.
  EXPECT_TRUE(t.PushLine(Line(4, 0, 4, 3)));
  EXPECT_FALSE(t.PushLine(Line(9, 9, 8, 8))) << "not joined";
  EXPECT_TRUE(t.PushLine(Line(0, 3, 4, 3))) << "ends at the chain's end: turned round";
  EXPECT_TRUE(t.PushLine(Line(0, 3, 0, 0)));
  EXPECT_TRUE(t.IsFinished());
  const CLineGArray l = Lines(t);
  ASSERT_EQ(l.GetSize(), 4);
  EXPECT_EQ(l[0].start.x, 0);
  EXPECT_EQ(l[0].end.x, 4);
  EXPECT_EQ(l[2].start.x, 4);
  EXPECT_EQ(l[2].end.x, 0);
  EXPECT_EQ(l[3].end.y, 0);

  CPolyParamTool line;
  line.Initialize(1);
  line.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  EXPECT_FALSE(line.PushLine(Line(0, 0, 1, 0))) << "lines only while picking";
}

TEST(PolyParamToolTest, TheBandIsTheChainThenTheOpenEdgeToTheMouse) {
  CPolyParamTool t;
  t.Initialize(10000);
  t.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  CArray<double> band;
  EXPECT_FALSE(t.GetRubBandInfo(band, P(1, 1)));
  t.PushPoint(P(0, 0));
  t.PushPoint(P(4, 0));
  ASSERT_TRUE(t.GetRubBandInfo(band, P(4, 3, 1)));
  ASSERT_EQ(band.GetSize(), 9);
  EXPECT_EQ(band[3], 4);
  EXPECT_EQ(band[7], 3);
  EXPECT_EQ(band[8], 1);
  // An arc in the chain is drawn as chords.
  t.SetEdgeMode(CPolyParamTool::EDGE_ARC_3P);
  t.PushPoint(P(6, 2));
  t.PushPoint(P(4, 4));
  ASSERT_TRUE(t.GetRubBandInfo(band, P(0, 4)));
  EXPECT_EQ(band.GetSize(), 3 * (2 + 16 + 1));
  t.SetEdgeMode(CPolyParamTool::EDGE_LINE);
  t.PushPoint(P(0, 0));
  EXPECT_TRUE(t.IsFinished());
  EXPECT_FALSE(t.GetRubBandInfo(band, P(0, 4)));
}

}  // namespace
