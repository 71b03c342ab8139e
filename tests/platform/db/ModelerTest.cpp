// The member modeller on the sample model (main tower: 1F from 4.5 to 9.0, tracing line
// "Axes" over the 12 x 6 grid): each rule on a small fixture, one undo per request, the
// closed regions of a two-bay frame and the request log.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>
#include "db/CClassCurv.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassThik.h"
#include "db/CModeler2.h"
#include "db/IClosedPathFinder.h"
#include "DbFixture.h"

namespace {

class Modeler : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    m = CModeler2::Instance();
    m->ClearRequests();
    f1 = stor->GetKey("1F", 1);
  }
  static T_MODELER2_PARAM_MEMB Param(int type, UINT key = 0) {
    T_MODELER2_PARAM_MEMB p;
    p.type = type;
    p.key = key;
    return p;
  }
  static T_MEMBDLG_3DPOINT At(double x, double y, double z) { return T_MEMBDLG_3DPOINT{x, y, z}; }
  std::vector<T_POINT3D> Points(UINT key) {
    CPoint3DArray a;
    memb->GetPontDList3D(key, a);
    return a.vec();
  }
  // The two-bay frame of beams on 1F: 0-6-12 by 0-6.
  void TwoBays() {
    T_MODELER2_PARAM_MEMB beam = Param(201, 2);
    const double xy[7][4] = {{0, 0, 6, 0}, {6, 0, 12, 0}, {0, 6, 6, 6}, {6, 6, 12, 6},
                             {0, 0, 0, 6}, {6, 0, 6, 6},  {12, 0, 12, 6}};
    for (const auto& s : xy) {
      T_MEMBDLG_3DPOINT a = At(s[0], s[1], 9), b = At(s[2], s[3], 9);
      ASSERT_EQ(m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0), 1);
    }
  }
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CModeler2* m = nullptr;
  UINT f1 = 0;
};

TEST_F(Modeler, PointsMergeWithinTheToleranceAndOneUndoTakesARequestBack) {
  T_MODELER2_PARAM_PONT p;
  int out = 0;
  ASSERT_EQ(m->CreatePoint(1, 2, 9, p, &out), 1);
  T_PONT_D r;
  ASSERT_TRUE(pont->Get((UINT)out, r));
  EXPECT_EQ(r.storyKey, f1);
  EXPECT_DOUBLE_EQ(r.z, 0.0);
  EXPECT_EQ(m->CreatePoint(1.001, 2, 9, p, &out), 0);  // merged: nothing written
  EXPECT_EQ(pont->GetCount(), 1);
  EXPECT_EQ(m->CreatePoint(1.002, 2, 9, p, &out), 1);
  EXPECT_EQ(pont->GetCount(), 2);
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(pont->GetCount(), 1);
  EXPECT_EQ(db->GetUndoCount(), undo - 1);
  EXPECT_EQ(m->CreatePoint(0, 0, 1000, p, &out), 0);  // above every story
}

TEST_F(Modeler, AColumnSpansTheStoryAtWhoseTopThePositionLies) {
  T_MEMBDLG_3DPOINT top = At(6, 6, 9.0);
  T_MODELER2_PARAM_MEMB col = Param(101, 1);
  ASSERT_EQ(m->CreateColumnAtPos(&top, col, 1), 1);
  ASSERT_EQ(memb->GetCount(), 1);
  T_MEMB_D c;
  memb->Get(1u, c);
  EXPECT_EQ(c.type, 101);
  EXPECT_EQ(c.storyKey, f1);
  EXPECT_EQ(c.sectKey, 1u);
  auto pts = Points(1);
  ASSERT_EQ(pts.size(), 2u);
  EXPECT_DOUBLE_EQ(pts[0].z, 4.5);
  EXPECT_DOUBLE_EQ(pts[1].z, 9.0);
  // The same column again writes nothing; on its top point the answer is the same.
  EXPECT_EQ(m->CreateColumnAtPos(&top, col, 1), 0);
  int out = 0;
  EXPECT_EQ(m->CreateColumnOnPoint(c.points[1], col, &out), 0);
  EXPECT_EQ(out, 1);
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(memb->GetCount(), 0);
  EXPECT_EQ(pont->GetCount(), 0);
}

TEST_F(Modeler, TwoPositionsGiveOneMemberOrItsRectangle) {
  T_MEMBDLG_3DPOINT a = At(0, 0, 9), b = At(6, 3, 9);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  beam.name = "B1";
  beam.beta = 30;
  ASSERT_EQ(m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0), 1);
  T_MEMB_D r;
  memb->Get(1u, r);
  EXPECT_EQ(r.name, "B1");
  EXPECT_DOUBLE_EQ(r.beta, 30.0);
  EXPECT_EQ(r.sectKey, 2u);
  T_MODELER2_PARAM_MEMB roof = Param(308, 1);
  ASSERT_EQ(m->CreateAreaMembBy2Pos(&a, &b, roof, 1), 1);
  memb->Get(2u, r);
  EXPECT_EQ(r.type, 301);
  EXPECT_EQ(r.thikKey, 1u);
  ASSERT_EQ(r.points.GetSize(), 4);
  double area = 0;
  ASSERT_TRUE(memb->CalcLengthArea(r, area));
  EXPECT_DOUBLE_EQ(area, 18.0);
  auto* mbtp = static_cast<CClassMbtp*>(db->GetClass(CClassMbtp::m_nClassID));
  T_MBTP_D d;
  ASSERT_TRUE(mbtp->Get(r.dsgnKey, d));
  EXPECT_EQ(d.value[1], T_MBTP_D::SLAB_ROOF);
  // Refused: type 0, equal positions, a rectangle of no width.
  const int count = memb->GetCount();
  T_MODELER2_PARAM_MEMB none = Param(0);
  EXPECT_EQ(m->CreateLineMembBy2Pos(&a, &b, none, 1, nullptr, 0, 0, 0, 0), 0);
  EXPECT_EQ(m->CreateLineMembBy2Pos(&a, &a, beam, 1, nullptr, 0, 0, 0, 0), 0);
  T_MEMBDLG_3DPOINT c = At(0, 5, 9);
  EXPECT_EQ(m->CreateAreaMembBy2Pos(&a, &c, roof, 1), 0);
  CPoint3DArray two;
  two.Add(T_POINT3D{0, 0, 9});
  two.Add(T_POINT3D{1, 0, 9});
  EXPECT_EQ(m->CreateAreaMembByPosList(two, roof, 1), 0);
  EXPECT_EQ(memb->GetCount(), count);
}

TEST_F(Modeler, MembersBetweenMembersSitAtEqualSharesFromTheNearerEnds) {
  T_MEMBDLG_3DPOINT a = At(0, 0, 9), b = At(0, 6, 9), c = At(6, 6, 9), d = At(6, 0, 9);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  ASSERT_EQ(m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0), 1);
  ASSERT_EQ(m->CreateLineMembBy2Pos(&c, &d, beam, 1, nullptr, 0, 0, 0, 0), 1);  // the other way round
  CUIntArray two = Keys({1, 2});
  T_MODELER2_PARAM_MEMB sub = Param(205, 2);
  ASSERT_EQ(m->CreateLineMembsBetweenMembs(two, 2, sub), 1);
  ASSERT_EQ(memb->GetCount(), 4);
  for (UINT k : {3u, 4u}) {
    auto pts = Points(k);
    ASSERT_EQ(pts.size(), 2u);
    EXPECT_DOUBLE_EQ(pts[0].y, k == 3 ? 2.0 : 4.0);
    EXPECT_DOUBLE_EQ(pts[1].y, pts[0].y);
    EXPECT_DOUBLE_EQ(std::fabs(pts[1].x - pts[0].x), 6.0);
  }
  EXPECT_EQ(db->GetUndoCount(), 3);
}

TEST_F(Modeler, TheClosedRegionsOfATwoBayFrame) {
  TwoBays();
  CUIntArray keys;
  memb->GetKeyListOfStory(f1, keys);
  CArray<T_CPF_CYCLE_PATH> paths;
  ASSERT_TRUE(IClosedPathFinder::Find(db, keys, paths, 1, 1, 0, 0.0));
  ASSERT_EQ(paths.GetSize(), 2);
  std::vector<double> areas;
  for (const T_CPF_CYCLE_PATH& p : paths) {
    EXPECT_EQ(p.membKeys.GetSize(), 4);
    EXPECT_EQ(p.pontKeys.GetSize(), 4);
    std::vector<T_POINT2D> poly;
    ASSERT_TRUE(IClosedPathFinder::GetPolygon(db, p, poly));
    areas.push_back(DBGeom::SignedArea(poly));
  }
  EXPECT_DOUBLE_EQ(areas[0], 36.0);  // counter-clockwise
  EXPECT_DOUBLE_EQ(areas[1], 36.0);
  // A loose beam bounds nothing.
  T_MEMBDLG_3DPOINT a = At(12, 6, 9), b = At(15, 9, 9);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  ASSERT_EQ(m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0), 1);
  memb->GetKeyListOfStory(f1, keys);
  ASSERT_TRUE(IClosedPathFinder::Find(db, keys, paths));
  EXPECT_EQ(paths.GetSize(), 2);
}

TEST_F(Modeler, ARegionInsideAnotherIsRemovedAndTheOthersStay) {
  // A 2 x 2 square loose inside the left bay of the two-bay frame.
  TwoBays();
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  const double xy[4][2] = {{2, 2}, {4, 2}, {4, 4}, {2, 4}};
  for (int i = 0; i < 4; ++i) {
    T_MEMBDLG_3DPOINT a = At(xy[i][0], xy[i][1], 9), b = At(xy[(i + 1) % 4][0], xy[(i + 1) % 4][1], 9);
    ASSERT_EQ(m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0), 1);
  }
  CUIntArray keys;
  memb->GetKeyListOfStory(f1, keys);
  CArray<T_CPF_CYCLE_PATH> paths;
  ASSERT_TRUE(IClosedPathFinder::Find(db, keys, paths, 1, 1, 0, 0.0));
  ASSERT_EQ(paths.GetSize(), 3);
  CSlabOverlapChecker::RemoveSlabInnerSlab(db, paths);
  ASSERT_EQ(paths.GetSize(), 2);
  for (const T_CPF_CYCLE_PATH& p : paths) {
    std::vector<T_POINT2D> poly;
    ASSERT_TRUE(IClosedPathFinder::GetPolygon(db, p, poly));
    EXPECT_DOUBLE_EQ(DBGeom::SignedArea(poly), 36.0);
  }
}

TEST_F(Modeler, AnAreaByPickFillsTheRegionAroundIt) {
  TwoBays();
  T_MEMBDLG_3DPOINT in = At(9, 3, 9), out = At(20, 3, 9);
  T_MODELER2_PARAM_MEMB landing = Param(307, 2);
  ASSERT_EQ(m->CreateAreaMembByPick(&in, landing), 1);
  UINT slab = (UINT)memb->GetCount();
  T_MEMB_D r;
  memb->Get(slab, r);
  EXPECT_EQ(r.type, 301);
  double area = 0;
  ASSERT_TRUE(memb->CalcLengthArea(r, area));
  EXPECT_DOUBLE_EQ(area, 36.0);
  for (const T_POINT3D& p : Points(slab)) EXPECT_GE(p.x, 6.0);
  EXPECT_EQ(m->CreateAreaMembByPick(&out, landing), 0);
  // On the selection: both bays, the existing one not twice.
  CUIntArray keys = Keys({1, 2, 3, 4, 5, 6, 7});
  T_MODELER2_PARAM_MEMB slabs = Param(301, 1);
  ASSERT_EQ(m->CreateAreaMembsOnSelection(keys, slabs), 1);
  EXPECT_EQ(memb->GetCount(), 9);
}

TEST_F(Modeler, TracingLinesGiveMembersBetweenTheirNodes) {
  CUIntArray axes = Keys({1, 2, 3, 4, 5});
  T_MODELER2_PARAM_MEMB beam = Param(201, 2), col = Param(101, 1);
  ASSERT_EQ(m->CreateLineMembsOnTracingLines(axes, 9.0, beam), 1);
  EXPECT_EQ(memb->GetCount(), 7);  // the long axes split at x = 6
  EXPECT_EQ(pont->GetCount(), 6);
  ASSERT_EQ(m->CreateColumnsOnTracingLines(axes, 9.0, col), 1);
  EXPECT_EQ(memb->GetCount(), 13);
  EXPECT_EQ(pont->GetCount(), 12);
  // The segment under a pick: the diagonal (kind 2), from (0, 0) to (6, 6), which meets
  // the others at its ends only.
  T_MEMBDLG_3DPOINT near = At(3.1, 3.0, 9.0);
  T_MODELER2_PARAM_MEMB line = Param(200, 2);
  ASSERT_EQ(m->CreateLineMembsOnAxis(&near, line), 1);
  EXPECT_EQ(memb->GetCount(), 14);
  // A window over the left bay: the four nodes inside get points at 2F's top (13.2); at
  // the column feet (4.5) they are there already.
  CPoint3DArray win;
  win.Add(T_POINT3D{-1, -1, 4.5});
  win.Add(T_POINT3D{7, 7, 4.5});
  T_MODELER2_PARAM_PONT p;
  EXPECT_EQ(m->CreatePointsInWindow(win, p), 0);
  win[0].z = win[1].z = 13.2;
  ASSERT_EQ(m->CreatePointsInWindow(win, p), 1);
  EXPECT_EQ(pont->GetCount(), 16);
}

TEST_F(Modeler, WindowAndPolygonFormsActOnWhatLiesInsideAndUndoAsOne) {
  // Over the sample's tracing line: the left bay by window, the right bay by polygon.
  auto region = [](std::initializer_list<T_POINT3D> l) {
    CPoint3DArray a;
    for (const T_POINT3D& p : l) a.Add(p);
    return a;
  };
  const CPoint3DArray left = region({{-1, -1, 9}, {7, 7, 9}});
  const CPoint3DArray right = region({{5, -1, 9}, {13, -1, 9}, {13, 7, 9}, {5, 7, 9}});
  const CPoint3DArray empty = region({{20, 20, 9}, {30, 30, 9}});
  T_MODELER2_PARAM_PONT pt;
  T_MODELER2_PARAM_MEMB col = Param(101, 1), beam = Param(201, 2);
  struct Case {
    const char* what;
    std::function<int()> request;
    int members, points;
  };
  const Case cases[] = {
      {"points in window", [&] { return m->CreatePointsInWindow(left, pt); }, 0, 4},
      {"points in polygon", [&] { return m->CreatePointsInPolygon(right, pt); }, 0, 4},
      {"columns in window", [&] { return m->CreateColumnsInWindow(left, col); }, 4, 8},
      {"columns in polygon", [&] { return m->CreateColumnsInPolygon(right, col); }, 4, 8},
      // The diagonal of the left bay lies inside the window too.
      {"beams in window", [&] { return m->CreateLineMembsInWindow(left, beam); }, 5, 4},
      {"beams in polygon", [&] { return m->CreateLineMembsInPolygon(right, beam); }, 4, 4},
      {"nothing inside", [&] { return m->CreateColumnsInWindow(empty, col); }, 0, 0},
  };
  for (const Case& c : cases) {
    const int undo = db->GetUndoCount();
    const int result = c.request();
    EXPECT_EQ(result, c.members + c.points > 0 ? 1 : 0) << c.what;
    EXPECT_EQ(memb->GetCount(), c.members) << c.what;
    EXPECT_EQ(pont->GetCount(), c.points) << c.what;
    if (result) {
      EXPECT_EQ(db->GetUndoCount(), undo + 1) << c.what;
      ASSERT_TRUE(db->Undo()) << c.what;
    }
    EXPECT_EQ(memb->GetCount(), 0) << c.what;
    EXPECT_EQ(pont->GetCount(), 0) << c.what;
  }
  // Areas: the closed regions of the story's members lying inside.
  TwoBays();
  T_MODELER2_PARAM_MEMB slab = Param(301, 1);
  ASSERT_EQ(m->CreateAreaMembsInWindow(left, slab), 1);
  EXPECT_EQ(memb->GetCount(), 8);
  const CPoint3DArray both = region({{-1, -1, 9}, {13, -1, 9}, {13, 7, 9}, {-1, 7, 9}});
  ASSERT_EQ(m->CreateAreaMembsInPolygon(both, slab), 1);  // the left one is there already
  EXPECT_EQ(memb->GetCount(), 9);
  EXPECT_EQ(m->CreateAreaMembsInPolygon(both, slab), 0);
}

TEST_F(Modeler, ArcsAndAreasFromPointsAndLines) {
  // An arc beam through three points: its curve's centre is the circle's.
  CPoint3DArray three;
  for (const T_POINT3D& p : {T_POINT3D{0, 0, 9}, T_POINT3D{3, 3, 9}, T_POINT3D{6, 0, 9}}) three.Add(p);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  ASSERT_EQ(m->CreateArcMembBy3Points(three, beam), 1);
  T_MEMB_D r;
  ASSERT_TRUE(memb->Get(1u, r));
  ASSERT_EQ(r.curves.GetSize(), 1);
  auto* curv = static_cast<CClassCurv*>(db->GetClass(CClassCurv::m_nClassID));
  T_CURV_D c;
  ASSERT_TRUE(curv->Get(r.curves[0], c));
  EXPECT_NEAR(c.cx, 3.0, 1e-12);
  EXPECT_NEAR(c.cy, 0.0, 1e-12);
  double len = 0;
  ASSERT_TRUE(memb->CalcLengthArea(r, len));
  EXPECT_NEAR(len, 3.0 * M_PI, 1e-9);
  // Three points on a line make no arc; the centre form needs ends equally far from it.
  CPoint3DArray line;
  for (const T_POINT3D& p : {T_POINT3D{0, 0, 9}, T_POINT3D{1, 0, 9}, T_POINT3D{2, 0, 9}}) line.Add(p);
  EXPECT_EQ(m->CreateArcMembBy3Points(line, beam), 0);
  CPoint3DArray centred;
  for (const T_POINT3D& p : {T_POINT3D{20, 0, 9}, T_POINT3D{23, 0, 9}, T_POINT3D{20, 4, 9}}) centred.Add(p);
  EXPECT_EQ(m->CreateArcMembByCenter(centred, CLineGArray(), beam), 0);
  centred[2].y = 3;
  ASSERT_EQ(m->CreateArcMembByCenter(centred, CLineGArray(), beam), 1);
  // An area from a closed polyline of lines, then one on three of its point keys.
  const int before = memb->GetCount();
  T_MODELER2_PARAM_MEMB slab = Param(301, 1);
  CLineGArray square;
  const double xy[4][2] = {{30, 0}, {34, 0}, {34, 4}, {30, 4}};
  for (int i = 0; i < 4; ++i) {
    T_LINE_G l;
    l.start = T_POINT3D{xy[i][0], xy[i][1], 9};
    l.end = T_POINT3D{xy[(i + 1) % 4][0], xy[(i + 1) % 4][1], 9};
    square.Add(l);
  }
  ASSERT_EQ(m->CreateAreaMembByLines(square, slab, 1), 1);
  double area = 0;
  ASSERT_TRUE(memb->Get((UINT)before + 1, r));
  ASSERT_TRUE(memb->CalcLengthArea(r, area));
  EXPECT_DOUBLE_EQ(area, 16.0);
  CUIntArray corners = Keys({r.points[0], r.points[1], r.points[2]});
  EXPECT_EQ(m->CreateAreaMembOnPoints(corners, slab, nullptr, 0), 1);
  EXPECT_EQ(memb->GetCount(), before + 2);
  // A point key of the model, found or made, and a column on it.
  T_PONT_D at;
  at.x = 30, at.y = 0, at.z = 0, at.storyKey = f1;
  const int points = pont->GetCount();
  UINT k = m->GetOrCreatePoint(&at, 1);
  EXPECT_NE(k, 0u);
  EXPECT_EQ(pont->GetCount(), points);
  at.x = 50;
  UINT made = m->GetOrCreatePoint(&at, 1);
  EXPECT_EQ(pont->GetCount(), points + 1);
  int out = 0;
  T_MODELER2_PARAM_MEMB col = Param(101, 1);
  ASSERT_EQ(m->CreateColumnOnPoint(made, col, &out), 1);
  EXPECT_EQ((UINT)out, (UINT)memb->GetCount());
}

TEST_F(Modeler, TheLogKeepsEveryRequestWithItsArguments) {
  T_MEMBDLG_3DPOINT a = At(0, 0, 9), b = At(6, 0, 9);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  m->CreateLineMembBy2Pos(&a, &b, beam, 1, nullptr, 0, 0, 0, 0);
  m->CreateLineMembBy2Pos(&a, &a, beam, 1, nullptr, 0, 0, 0, 0);
  ASSERT_EQ(m->GetRequestCount(), 2);
  const T_MODELER2_REQUEST* r = m->GetRequest(1);
  EXPECT_EQ(r->op, "CreateLineMembBy2Pos");
  EXPECT_EQ(r->result, 0);
  std::string t;
  ASSERT_TRUE(r->Find("p2", t));
  EXPECT_EQ(t, "0,0,9");
  ASSERT_TRUE(r->Find("memb.type", t));
  EXPECT_EQ(t, "201");
  ASSERT_TRUE(r->Find("curve", t));
  EXPECT_EQ(t, "null");
  ASSERT_TRUE(r->Find("a3", t));
  EXPECT_EQ(t, "0");
  EXPECT_FALSE(r->Find("memb", t));
  EXPECT_EQ(m->GetRequest(0)->result, 1);
}

TEST_F(Modeler, StairSlabsKeepTheirStepsAndCantileversStandOffTheirBeam) {
  T_MEMBDLG_3DPOINT a = At(0, 0, 9), b = At(3, 4, 9);
  T_MODELER2_PARAM_MEMB stair = Param(306, 1);
  stair.stairW = 0.3, stair.stairH = 0.15;
  ASSERT_EQ(m->CreateAreaMembBy2Pos(&a, &b, stair, 1), 1);
  auto* stik = static_cast<CClassStik*>(db->GetClass(CClassStik::m_nClassID));
  T_STIK_D s;
  ASSERT_TRUE(stik->Get(1u, s));
  EXPECT_NEAR(s.extra, CClassStik::GetConvertThickness(0.3, 0.15, 0.12) - 0.12, 1e-15);
  // A 2 x 1 cantilever centred on a 6 m beam along x, on its left (+y).
  T_MEMBDLG_3DPOINT c = At(10, 0, 9), d = At(16, 0, 9);
  T_MODELER2_PARAM_MEMB beam = Param(201, 2);
  ASSERT_EQ(m->CreateLineMembBy2Pos(&c, &d, beam, 1, nullptr, 0, 0, 0, 0), 1);
  T_PARAM_CANTI_SLAB canti;
  canti.length = 1.0, canti.width = 2.0, canti.location = 1, canti.direction = 0;
  T_MODELER2_PARAM_MEMB slab = Param(301, 1);
  slab.canti = 1;
  ASSERT_EQ(m->CreateCantileverSlabsOnMembs(Keys({2}), slab, canti), 1);
  auto pts = Points(3);
  ASSERT_EQ(pts.size(), 4u);
  EXPECT_DOUBLE_EQ(pts[0].x, 12.0);
  EXPECT_DOUBLE_EQ(pts[1].x, 14.0);
  EXPECT_DOUBLE_EQ(pts[2].y, 1.0);
}

// The ends of the members made since `before` (members in key order), as "x,y,z>x,y,z".
std::vector<std::string> BarsSince(CClassMemb* memb, UINT before) {
  std::vector<std::string> out;
  CUIntArray keys;
  memb->GetKeyList(keys);
  for (UINT k : keys) {
    if (k <= before) continue;
    CPoint3DArray a;
    memb->GetPontDList3D(k, a);
    std::string s;
    for (const T_POINT3D& p : a) {
      char b[80];
      std::snprintf(b, sizeof b, "%s%g,%g,%g", s.empty() ? "" : ">", p.x, p.y, p.z);
      s += b;
    }
    out.push_back(s);
  }
  return out;
}

TEST_F(Modeler, BracePatternsFillTheBayBelowTwoPositionsAtOneLevel) {
  // The bay from (0, 0) to (6, 0) at 1F's top (9.0) down to its bottom (4.5).
  struct Case {
    int type;
    double e1, e2;
    std::vector<std::string> bars;  // empty: refused
  };
  const std::vector<Case> cases = {
      {0, 0, 0, {"0,0,9>6,0,9"}},
      {1, 0, 0, {"0,0,4.5>6,0,9", "6,0,4.5>0,0,9"}},
      {2, 0, 0, {"0,0,4.5>6,0,9"}},
      {3, 0, 0, {"0,0,4.5>3,0,9", "6,0,4.5>3,0,9"}},
      {4, 0, 0, {"0,0,6.75>6,0,9", "0,0,6.75>6,0,4.5"}},
      {5, 0, 0, {"0,0,9>3,0,4.5", "6,0,9>3,0,4.5"}},
      {6, 1, 0.5, {"0,0,4.5>2.5,0,8.5", "6,0,4.5>3.5,0,8.5"}},
      {6, 6, 0.5, {}},   // the gap as wide as the bay
      {6, 1, 4.5, {}},   // the drop as deep as the story
      {7, 0, 0, {}},
  };
  const T_MEMBDLG_3DPOINT a = At(0, 0, 9), b = At(6, 0, 9);
  for (const Case& c : cases) {
    T_MODELER2_PARAM_MEMB brace = Param(206, 3);
    brace.braceType = c.type, brace.e1 = c.e1, brace.e2 = c.e2;
    const UINT before = memb->GetNewKey() - 1;
    const int undo = db->GetUndoCount();
    EXPECT_EQ(m->CreateBraceBy2Pos(&a, &b, brace, 1), c.bars.empty() ? 0 : 1) << c.type;
    EXPECT_EQ(BarsSince(memb, before), c.bars) << c.type;
    if (!c.bars.empty()) {
      EXPECT_EQ(db->GetUndoCount(), undo + 1) << "one undo step: " << c.type;
      ASSERT_TRUE(db->Undo());
    }
    EXPECT_EQ(memb->GetCount(), 0) << c.type;
  }
  // A pattern needs one level; a free brace does not.
  T_MEMBDLG_3DPOINT low = At(6, 0, 4.5);
  T_MODELER2_PARAM_MEMB cross = Param(206, 3);
  cross.braceType = 1;
  EXPECT_EQ(m->CreateBraceBy2Pos(&a, &low, cross, 1), 0);
  cross.braceType = 0;
  EXPECT_EQ(m->CreateBraceBy2Pos(&a, &low, cross, 1), 1);
  EXPECT_EQ(BarsSince(memb, 0), std::vector<std::string>{"0,0,9>6,0,4.5"});
}

TEST_F(Modeler, CantileversTakeTheirPlaceAlongTheMemberAndTheirSide) {
  // A beam along x from (0, 0) to (6, 0) on 1F; a slab already on its left (+y).
  T_MEMBDLG_3DPOINT c = At(0, 0, 9), d = At(6, 0, 9), s1 = At(0, 0, 9), s2 = At(6, 3, 9);
  T_MODELER2_PARAM_MEMB beamParam = Param(201, 2), slabParam = Param(301, 1);
  ASSERT_EQ(m->CreateLineMembBy2Pos(&c, &d, beamParam, 1, nullptr, 0, 0, 0, 0), 1);
  const UINT beam = 1;
  struct Case {
    int location, direction;
    double offset;
    std::string slab;
  };
  // Length 1 out, width 2 along; outlines counter-clockwise.
  const std::vector<Case> cases = {
      {0, 0, 0.5, "0.5,0,9>2.5,0,9>2.5,1,9>0.5,1,9"},
      {1, 0, 9.0, "2,0,9>4,0,9>4,1,9>2,1,9"},  // centred: the offset is not used
      {2, 0, 0.5, "3.5,0,9>5.5,0,9>5.5,1,9>3.5,1,9"},
      {0, 1, 0.0, "0,-1,9>2,-1,9>2,0,9>0,0,9"},
      {0, 2, 0.0, "0,1,9>2,1,9>2,0,9>0,0,9"},  // no slab yet: left; listed from the new corner
  };
  T_MODELER2_PARAM_MEMB slab = Param(301, 1);
  slab.canti = 1;
  for (const Case& k : cases) {
    T_PARAM_CANTI_SLAB canti;
    canti.length = 1.0, canti.width = 2.0, canti.offset = k.offset, canti.location = k.location,
    canti.direction = k.direction;
    const UINT before = memb->GetNewKey() - 1;
    ASSERT_EQ(m->CreateCantileverSlabsOnMembs(Keys({beam}), slab, canti), 1) << k.location << k.direction;
    const auto made = BarsSince(memb, before);
    ASSERT_EQ(made.size(), 1u);
    if (k.direction == 2) {
      // Whatever the corner it starts from, it lies on the left.
      T_POINT3D centre;
      ASSERT_TRUE(memb->calcCenterMemb(before + 1, centre));
      EXPECT_NEAR(centre.y, 0.5, 1e-12);
    } else {
      EXPECT_EQ(made[0], k.slab) << k.location << k.direction;
    }
    ASSERT_TRUE(db->Undo());
  }
  // With a slab on the left the automatic side is the right.
  ASSERT_EQ(m->CreateAreaMembBy2Pos(&s1, &s2, slabParam, 1), 1);
  T_PARAM_CANTI_SLAB automatic;
  automatic.length = 1.0, automatic.width = 2.0, automatic.location = 1, automatic.direction = 2;
  const UINT before = memb->GetNewKey() - 1;
  ASSERT_EQ(m->CreateCantileverSlabsOnMembs(Keys({beam}), slab, automatic), 1);
  T_POINT3D centre;
  ASSERT_TRUE(memb->calcCenterMemb(before + 1, centre));
  EXPECT_NEAR(centre.y, -0.5, 1e-12);
  EXPECT_NEAR(centre.x, 3.0, 1e-12);
  // Nothing for a slab picked as the member, or a length of 0.
  EXPECT_EQ(m->CreateCantileverSlabsOnMembs(Keys({before}), slab, automatic), 0);
  automatic.length = 0.0;
  EXPECT_EQ(m->CreateCantileverSlabsOnMembs(Keys({beam}), slab, automatic), 0);
}

TEST_F(Modeler, CantileversInAWindowStandOffTheMembersWhollyInside) {
  TwoBays();
  T_PARAM_CANTI_SLAB canti;
  canti.length = 1.0, canti.width = 2.0, canti.location = 1, canti.direction = 1;
  T_MODELER2_PARAM_MEMB slab = Param(301, 1);
  CPoint3DArray window;
  window.Add(T_POINT3D{-1, -1, 9});
  window.Add(T_POINT3D{7, 1, 9});  // holds the beam (0, 0)-(6, 0) alone
  const UINT before = memb->GetNewKey() - 1;
  ASSERT_EQ(m->CreateCantileverSlabsInWindow(window, slab, canti), 1);
  EXPECT_EQ(BarsSince(memb, before), std::vector<std::string>{"2,-1,9>4,-1,9>4,0,9>2,0,9"});
}

TEST_F(Modeler, APointGivenFromItsStorysBottomIsStoredFromItsTop) {
  // 1F runs from 4.5 to 9.0: z 0 from its bottom is 4.5, stored as -4.5 from its top.
  T_PONT_D p;
  p.x = 1, p.y = 2, p.z = 0.0, p.flag = -1, p.storyKey = f1;
  const UINT key = m->GetOrCreatePoint(&p, 1);
  ASSERT_NE(key, 0u);
  T_POINT3D g;
  ASSERT_TRUE(pont->Get3DPos(key, g));
  EXPECT_DOUBLE_EQ(g.z, 4.5);
  T_PONT_D stored;
  ASSERT_TRUE(pont->Get(key, stored));
  EXPECT_EQ(stored.storyKey, f1);
  EXPECT_EQ(stored.flag, -1);
  EXPECT_EQ(m->GetOrCreatePoint(&p, 1), key) << "found again, not made twice";
  EXPECT_EQ(pont->GetCount(), 1);
}

}  // namespace
