// The member modeller on the sample model (main tower: 1F from 4.5 to 9.0, tracing line
// "Axes" over the 12 x 6 grid): each rule on a small fixture, one undo per request, the
// closed regions of a two-bay frame and the request log.
#include <gtest/gtest.h>

#include <cmath>
#include <string>
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
  EXPECT_EQ(d.slot2, T_MBTP_D::SLAB_ROOF);
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
  EXPECT_NEAR(s.extraThick, CClassStik::GetConvertThickness(0.3, 0.15, 0.12) - 0.12, 1e-15);
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

}  // namespace
