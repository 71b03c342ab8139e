// The creation tool's picking geometry on the sample model with 1F (4.5 to 9.0) current:
// rectangles of two positions and what lies in them, the segment test, the closed area
// around a position, column points on a line and in a range, point ordering and the
// story of a global position.
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>

#include "db/CModeler2.h"
#include "tests/creation/CreateMembFixture.h"

namespace {

class CreateMembGeomTest : public CreateMembFixture {
 protected:
  // A beam of 1F between two plan points; its key.
  UINT Beam(double x1, double y1, double x2, double y2) {
    T_MODELER2_PARAM_MEMB p;
    p.type = 201;
    p.key = 2;
    const T_MEMBDLG_3DPOINT a = At(x1, y1), b = At(x2, y2);
    EXPECT_EQ(CModeler2::Instance()->CreateLineMembBy2Pos(&a, &b, p, 1, nullptr, 0, 0, 0, 0), 1);
    return memb->GetNewKey() - 1;
  }
  UINT Arc(const T_POINT3D& s, const T_POINT3D& m, const T_POINT3D& e) {
    T_MODELER2_PARAM_MEMB p;
    p.type = 201;
    CPoint3DArray pts;
    pts.Add(s), pts.Add(m), pts.Add(e);
    EXPECT_EQ(CModeler2::Instance()->CreateArcMembBy3Points(pts, p), 1);
    return memb->GetNewKey() - 1;
  }
  UINT Column(double x, double y) {
    T_MODELER2_PARAM_MEMB p;
    p.type = 101;
    const T_MEMBDLG_3DPOINT at = At(x, y);
    EXPECT_EQ(CModeler2::Instance()->CreateColumnAtPos(&at, p, 1), 1);
    return memb->GetNewKey() - 1;
  }
  UINT FirstPoint(UINT membKey) {
    T_MEMB_D r;
    return memb->Get(membKey, r) ? r.points[0] : 0;
  }
  static std::string Text(const std::vector<T_MEMBDLG_3DPOINT>& pts) {
    std::string s;
    for (const T_MEMBDLG_3DPOINT& p : pts) {
      char b[60];
      std::snprintf(b, sizeof b, "%s(%g,%g)", s.empty() ? "" : " ", p.x, p.y);
      s += b;
    }
    return s;
  }
  static std::string Keys(const CUIntArray& keys) {
    std::string s;
    for (UINT k : keys) s += (s.empty() ? "" : ",") + std::to_string(k);
    return s;
  }
};

TEST_F(CreateMembGeomTest, TwoPositionsGiveTheirRectangleClockwiseOrAMessage) {
  struct Case {
    T_MEMBDLG_3DPOINT a, b;
    const char* corners;  // empty: refused with the message
    const char* message;
  };
  const Case cases[] = {
      {At(0, 0), At(1, 1), "(0,0) (0,1) (1,1) (1,0)", ""},
      {At(0, 1), At(1, 0), "(0,1) (1,1) (1,0) (0,0)", ""},
      {At(1, 1), At(0, 0), "(1,1) (1,0) (0,0) (0,1)", ""},
      {At(0, 0), At(0, 1), "", "IDS_WG_CMD_MC_Failed_Make_Rectangle"},
      {At(0, 0), At(1, 1e-10), "", "IDS_WG_CMD_MC_Failed_Make_Rectangle"},
      {At(0, 0), At(1, 1, 9.5), "", "IDS_WG_CMD_MC_WARNING_Select_Same_Height_Two_Point"},
  };
  for (const Case& c : cases) {
    AfxClearMessageLog();
    std::vector<T_MEMBDLG_3DPOINT> corners;
    const BOOL ok = tool->GetRectFrom2Pos(c.a, c.b, corners);
    EXPECT_EQ(ok, *c.corners ? TRUE : FALSE) << c.corners;
    EXPECT_EQ(Text(corners), c.corners);
    EXPECT_EQ(LastMessage(), c.message);
  }
}

TEST_F(CreateMembGeomTest, FilteringKeepsThePointsInTheRectangleAndOnItsBorder) {
  std::vector<T_MEMBDLG_3DPOINT> pts = {At(1, 1), At(2, 0.5), At(0, 3), At(-0.1, 1), At(2, 3), At(1, 3.0001)};
  EXPECT_EQ(tool->FilterPointsBy2PosRect(At(2, 3), At(0, 0), pts), 4);
  EXPECT_EQ(Text(pts), "(1,1) (2,0.5) (0,3) (2,3)");
  // No rectangle: the list stays, and the message is shown.
  EXPECT_EQ(tool->FilterPointsBy2PosRect(At(0, 0), At(0, 3), pts), 0);
  EXPECT_EQ(pts.size(), 4u);
  EXPECT_EQ(LastMessage(), "IDS_WG_CMD_MC_Failed_Make_Rectangle");
}

TEST_F(CreateMembGeomTest, SegmentsCrossTouchOrLieApart) {
  struct Case {
    double x1, y1, x2, y2, x3, y3, x4, y4;
    int result;
    const char* what;
  };
  const Case cases[] = {
      {0, 0, 2, 2, 0, 2, 2, 0, 1, "crossing"},
      {0, 0, 2, 0, 1, 0, 1, 5, 0, "an end on the other"},
      {0, 0, 2, 0, 3, 0, 3, 5, -1, "an end on the other's line beyond it"},
      {0, 0, 2, 0, 1, 1, 1, 5, -1, "apart"},
      {0, 0, 2, 0, 0, 1, 2, 1, -1, "parallel"},
      {0, 0, 2, 0, 1, 0, 5, 0, 0, "collinear, overlapping"},
      {2, 0, 0, 0, 5, 0, 2, 0, 0, "collinear, touching, ends reversed"},
      {0, 0, 2, 0, 3, 0, 5, 0, -1, "collinear with a gap"},
      {0, 0, 0, 2, 0, 3, 0, 5, -1, "vertical, collinear with a gap"},
      {0, 0, 0, 2, 0, 2, 0, 5, 0, "vertical, collinear, touching"},
      {0, 0, 0, 2, 0, 5, 0, 1, 0, "vertical, collinear, overlapping"},
      {0, 0, 0, 2, 0, 3, 4, 3, -1, "vertical, the other's end on its line beyond it"},
      {0, 0, 0, 2, 0, 1, 4, 1, 0, "vertical, the other's end on it"},
      {0, 3, 4, 3, 0, 0, 0, 2, -1, "the vertical one's line through an end, beyond it"},
  };
  for (const Case& c : cases)
    EXPECT_EQ(CCreateMembDlg2::intersect(c.x1, c.y1, c.x2, c.y2, c.x3, c.y3, c.x4, c.y4), c.result) << c.what;
}

TEST_F(CreateMembGeomTest, TracingLinesSeparatingTheRectanglesCornersAreSelected) {
  // The sample's segments: 1 x = 0, 2 x = 6, 3 x = 12 (0 to 6 in y), 4 y = 0, 5 y = 6 (0
  // to 12 in x), 6 the diagonal (0, 0)-(6, 6) of kind 2.
  struct Case {
    T_MEMBDLG_3DPOINT a, b;
    BOOL kindOne;
    const char* keys;
    const char* what;
  };
  const Case cases[] = {
      {At(-1, -1), At(7, 7), FALSE, "1,2,4,5", "the diagonal runs through two corners; x = 12 lies beyond"},
      {At(-1, -2), At(7, 8), FALSE, "1,2,4,5,6", "the diagonal separates the corners"},
      {At(-1, -2), At(7, 8), TRUE, "1,2,4,5", "kind 1 only"},
      {At(-1, -1), At(1, 7), FALSE, "1,4,5", "x = 0 wholly inside"},
  };
  for (const Case& c : cases) {
    CUIntArray keys;
    EXPECT_TRUE(tool->GetTracingLineBy2PosRect(c.a, c.b, keys, c.kindOne)) << c.what;
    EXPECT_EQ(Keys(keys), c.keys) << c.what;
  }
  view->SetTracingLineVisible(1, FALSE);
  CUIntArray keys;
  keys.Add(99);
  EXPECT_TRUE(tool->GetTracingLineBy2PosRect(At(-1, -1), At(7, 7), keys, FALSE));
  EXPECT_EQ(Keys(keys), "") << "a hidden tracing line gives nothing";
  EXPECT_FALSE(tool->GetTracingLineBy2PosRect(At(-1, -1), At(-1, 7), keys, FALSE));
}

TEST_F(CreateMembGeomTest, TheClosedAreaAroundAPosition) {
  CUIntArray keys;
  T_CPF_CYCLE_PATH path;
  // Two beams bound nothing, and say nothing.
  Beam(0, 0, 6, 0);
  Beam(0, 6, 6, 6);
  EXPECT_EQ(tool->GetMembForClosedArea(keys), 2);
  EXPECT_FALSE(tool->GetClosedAreaPointIncludePos(At(3, 3), path));
  EXPECT_EQ(LastMessage(), "");
  // Three do not close a region either: now the message.
  const UINT left = Beam(0, 0, 0, 6);
  EXPECT_FALSE(tool->GetClosedAreaPointIncludePos(At(3, 3), path));
  EXPECT_EQ(LastMessage(), "IDS_WG_CMD_MC_ERROR_Cannot_find_Closed_Area");
  AfxClearMessageLog();
  // The fourth side as an arc bulging outwards through (3 + 3 sqrt 2, 3).
  const double r = 3 * std::sqrt(2.0);
  const UINT arc = Arc(T_POINT3D{6, 0, 9}, T_POINT3D{3 + r, 3, 9}, T_POINT3D{6, 6, 9});
  ASSERT_EQ(tool->GetMembForClosedArea(keys), 4);
  ASSERT_TRUE(tool->GetClosedAreaPointIncludePos(At(3, 3), path));
  EXPECT_EQ(path.membKeys.GetSize(), 4);
  EXPECT_TRUE(tool->GetClosedAreaPointIncludePos(At(6.5, 3), path)) << "in the outward bulge";
  EXPECT_FALSE(tool->GetClosedAreaPointIncludePos(At(10, 3), path));
  EXPECT_EQ(LastMessage(), "") << "outside every path: no message";
  // Members wholly inside a rectangle.
  EXPECT_EQ(tool->GetMembBy2PosRectForClosedArea(At(-1, -1), At(7, 7), keys), 4) << "members by their points";
  EXPECT_EQ(tool->GetMembBy2PosRectForClosedArea(At(-1, -1), At(1, 7), keys), 1);
  EXPECT_EQ(Keys(keys), std::to_string(left));

  // The arc turned inwards: centre (9, 3), its middle at (9 - 3 sqrt 2, 3).
  ASSERT_TRUE(memb->TR_Del(arc));
  Arc(T_POINT3D{6, 0, 9}, T_POINT3D{9 - r, 3, 9}, T_POINT3D{6, 6, 9});
  EXPECT_TRUE(tool->GetClosedAreaPointIncludePos(At(3, 3), path));
  EXPECT_FALSE(tool->GetClosedAreaPointIncludePos(At(5.5, 3), path)) << "in the inward bulge";
}

TEST_F(CreateMembGeomTest, ColumnPointsOnALineAndWithinARange) {
  const UINT c0 = Column(0, 0), c6 = Column(6, 0), c12 = Column(12, 0), top = Column(6, 6);
  const UINT p0 = FirstPoint(c0), p6 = FirstPoint(c6), p12 = FirstPoint(c12), pTop = FirstPoint(top);
  CUIntArray keys;
  ASSERT_TRUE(tool->GetColumnPosOnLine(f1, At(12, 0), At(20, 0), keys));
  EXPECT_EQ(Keys(keys), std::to_string(p12) + "," + std::to_string(p6) + "," + std::to_string(p0))
      << "nearest the first position first";
  EXPECT_TRUE(tool->GetColumnPosOnLine(b1, At(12, 0), At(20, 0), keys));
  EXPECT_EQ(keys.GetSize(), 0) << "no column on B1";
  EXPECT_FALSE(tool->GetColumnPosOnLine(0, At(12, 0), At(20, 0), keys));

  std::vector<T_MEMBDLG_3DPOINT> corners;
  ASSERT_TRUE(tool->GetRectFrom2Pos(At(0.0005, 0.0005), At(6, 6), corners));
  keys.RemoveAll();
  EXPECT_EQ(tool->GetColumnPosWithinRange(f1, corners, keys), 3) << "widened by the merge tolerance";
  EXPECT_EQ(Keys(keys), std::to_string(p0) + "," + std::to_string(p6) + "," + std::to_string(pTop));
  corners.pop_back();
  EXPECT_EQ(tool->GetColumnPosWithinRange(f1, corners, keys), 0) << "three corners";
  const std::vector<T_MEMBDLG_3DPOINT> flat = {At(0, 0), At(0, 6), At(0, 6), At(0, 0)};
  EXPECT_EQ(tool->GetColumnPosWithinRange(f1, flat, keys), 0);

  // Points ordered by their distance to a line, and the map of the distances.
  CUIntArray points, list;
  points.Add(pTop), points.Add(p12), points.Add(999);
  list.Add(7);
  tool->MakeListByDistToLine(0, 1, 20, 1, points, list);
  EXPECT_EQ(Keys(list), "7," + std::to_string(p12) + "," + std::to_string(pTop)) << "appended; 999 cannot be read";
  CMap<UINT, UINT, double, double> map;
  map.SetAt(1234, 1.0);
  tool->MakeMapByDistToLine(0, 1, 20, 1, points, map);
  EXPECT_EQ(map.GetCount(), 2);
  double d = 0;
  EXPECT_TRUE(map.Lookup(pTop, d));
  EXPECT_DOUBLE_EQ(d, 5.0);
}

TEST_F(CreateMembGeomTest, PartsAreSortedAlongTheLineOrByXThenY) {
  std::vector<T_MEMBDLG_3DPOINT> pts = {At(1, 2), At(0, 5), At(0, 1)};
  tool->SortIntersectParts(pts, nullptr);
  EXPECT_EQ(Text(pts), "(0,1) (0,5) (1,2)");
  pts = {At(1e-11, 3), At(0, 1), At(0, 1)};
  pts[1].z = 1, pts[2].z = 2;
  tool->SortIntersectParts(pts, nullptr);
  EXPECT_EQ(Text(pts), "(0,1) (0,1) (1e-11,3)") << "x within the zero test counts as equal";
  EXPECT_EQ(pts[0].z, 1.0) << "equal points keep their order";
  T_LINE_G line;
  line.start = T_POINT3D{10, 10, 9}, line.end = T_POINT3D{0, 0, 9};
  pts = {At(1, 1), At(9, 9), At(5, 5)};
  tool->SortIntersectParts(pts, &line);
  EXPECT_EQ(Text(pts), "(9,9) (5,5) (1,1)");
}

TEST_F(CreateMembGeomTest, AGlobalPositionGoesToItsStory) {
  // At a point: the point's own record.
  T_MODELER2_PARAM_PONT pp;
  int out = 0;
  ASSERT_EQ(CModeler2::Instance()->CreatePoint(2, 3, 9, pp, &out), 1);
  T_MEMBDLG_3DPOINT rel;
  UINT story = 0;
  ASSERT_TRUE(tool->ConvertGCSToPosOfStory(At(2, 3, 9), rel, story));
  EXPECT_EQ(story, f1);
  EXPECT_DOUBLE_EQ(rel.z, 0.0);
  // On a member: its story, z from that story's top.
  Column(6, 6);
  ASSERT_TRUE(tool->ConvertGCSToPosOfStory(At(6, 6, 6), rel, story));
  EXPECT_EQ(story, f1);
  EXPECT_DOUBLE_EQ(rel.z, -3.0);
  // Elsewhere: the story whose range holds z.
  T_PONT_D p;
  p.x = 77;
  ASSERT_TRUE(tool->ConvertGCSToPosOfStory(1, 1, 3.5, p));
  EXPECT_EQ(p.storyKey, b1);
  EXPECT_DOUBLE_EQ(p.z, -1.0);
  EXPECT_DOUBLE_EQ(p.x, 1.0);
  EXPECT_FALSE(tool->ConvertGCSToPosOfStory(1, 1, 1000, p)) << "above every story";

  EXPECT_TRUE(tool->IsSamePoint(At(0, 0), At(0.001, -0.001, 9.001)));
  EXPECT_FALSE(tool->IsSamePoint(At(0, 0), At(0, 0.0011)));
  EXPECT_DOUBLE_EQ(CCreateMembDlg2::lengthSquare2D(1, 1, 4, 5), 25.0);
}

}  // namespace
