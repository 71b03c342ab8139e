// Points, members, curves, tracing lines and thicknesses: the tables' rules, their reads
// on the sample model, and a model file round trip.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>
#include <sqlite3.h>
#include <unistd.h>
#include "db/CClassCurv.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CClassTrln.h"
#include "DbFixture.h"

namespace {

class ModelObjects : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    thik = static_cast<CClassThik*>(db->GetClass(CClassThik::m_nClassID));
    sect = static_cast<CClassSect*>(db->GetClass(CClassSect::m_nClassID));
  }
  UINT Point(double x, double y, UINT story, double z = 0.0, UINT number = 0) {
    T_PONT_D p;
    p.x = x, p.y = y, p.z = z, p.storyKey = story, p.number = number;
    UINT key = pont->GetNewKey();
    return pont->TR_Add(p) ? key : 0;
  }
  UINT Member(int type, UINT story, std::initializer_list<UINT> points, UINT sectKey = 0, UINT thikKey = 0) {
    T_MEMB_D m;
    m.type = type, m.storyKey = story, m.sectKey = sectKey, m.thikKey = thikKey;
    for (UINT p : points) m.points.Add(p);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  std::string Dump(const char* code) {
    CString out;
    doc->DumpTable(code, out);
    return out.c_str();
  }
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassThik* thik = nullptr;
  CClassSect* sect = nullptr;
};

TEST_F(ModelObjects, NumbersFollowKeysAndRenumberingKeepsThemFound) {
  UINT a = Point(0, 0, 3), b = Point(6, 0, 3, 0.0, 50);
  EXPECT_EQ(pont->GetPontNoByKey(a), a);
  EXPECT_EQ(pont->GetPontKeyByNo(50), b);
  UINT m = Member(201, 3, {a, b}, 2);
  T_MEMB_D r;
  ASSERT_TRUE(memb->Get(m, r));
  r.number = 7;
  ASSERT_TRUE(memb->TR_Modify(m, r));
  EXPECT_EQ(memb->GetMembKeyByNo(7), m);
  EXPECT_EQ(memb->GetMembKeyByNo(m), m == 7 ? m : 0u);
  // A taken number is refused; so is renumbering a point a member uses.
  T_PONT_D p;
  pont->Get(a, p);
  p.number = 50;
  EXPECT_FALSE(pont->TR_Modify(a, p));
  pont->Get(a, p);
  EXPECT_FALSE(pont->TR_Modify(a, 99, p));
  db->Undo();
  EXPECT_EQ(memb->GetMembKeyByNo(7), 0u);
  EXPECT_EQ(memb->GetMembKeyByNo(1), m);
}

TEST_F(ModelObjects, RefusedWritesLeaveTheModelAsItWas) {
  UINT a = Point(0, 0, 3), b = Point(6, 0, 3);
  UINT m = Member(201, 3, {a, b}, 2);
  ASSERT_NE(m, 0u);
  const std::string before = Dump("PONT") + Dump("MEMB") + Dump("SECT") + Dump("THIK") + Dump("STOR");
  const int undo = db->GetUndoCount();
  T_PONT_D lost;
  lost.storyKey = 99;
  EXPECT_FALSE(pont->TR_Add(lost));
  struct Case { int type; UINT story; std::initializer_list<UINT> pts; UINT sect, thik; };
  const Case bad[] = {{0, 3, {a, b}, 0, 0},      {201, 99, {a, b}, 0, 0}, {201, 3, {a, 77}, 0, 0},
                      {201, 3, {a, b}, 9, 0},    {301, 3, {a, b, a}, 0, 9}, {201, 3, {a}, 0, 0},
                      {201, 3, {a, T_MEMB_D::GAP_POINT, b}, 0, 0}};
  for (const Case& c : bad) EXPECT_EQ(Member(c.type, c.story, c.pts, c.sect, c.thik), 0u) << c.type;
  T_MEMB_D noMatl;
  noMatl.type = 201, noMatl.storyKey = 3, noMatl.matlKey = 99;
  noMatl.points.Add(a), noMatl.points.Add(b);
  EXPECT_FALSE(memb->TR_Add(noMatl));
  // What a member uses stays: its points, section, thickness and material.
  UINT slab = Member(301, 3, {a, b, Point(6, 6, 3)}, 0, 1);
  ASSERT_NE(slab, 0u);
  T_MEMB_D withMatl;
  ASSERT_TRUE(memb->Get(m, withMatl));
  withMatl.matlKey = 1;
  ASSERT_TRUE(memb->TR_Modify(m, withMatl));
  const std::string used = Dump("PONT") + Dump("MEMB") + Dump("SECT") + Dump("THIK") + Dump("MATL");
  auto* matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
  EXPECT_FALSE(thik->TR_Del(1u));
  EXPECT_FALSE(matl->TR_Del(1u));
  EXPECT_EQ(Dump("PONT") + Dump("MEMB") + Dump("SECT") + Dump("THIK") + Dump("MATL"), used);
  db->Undo();
  db->Undo();
  db->Undo();
  EXPECT_FALSE(pont->TR_Del(a));
  EXPECT_FALSE(sect->TR_Del(2));
  EXPECT_FALSE(stor->TR_Del(3));
  EXPECT_EQ(Dump("PONT") + Dump("MEMB") + Dump("SECT") + Dump("THIK") + Dump("STOR"), before);
  EXPECT_EQ(db->GetUndoCount(), undo);
  // Deleting the member frees its points and section.
  ASSERT_TRUE(memb->TR_Del(m));
  EXPECT_TRUE(pont->TR_Del(a));
  EXPECT_TRUE(sect->TR_Del(2));
}

TEST_F(ModelObjects, ATowerOrStoryWithMembersStays) {
  UINT top = stor->GetKey("4F", 2);
  UINT a = Point(0, 0, top), b = Point(0, 6, top);
  ASSERT_NE(Member(201, top, {a, b}), 0u);
  EXPECT_FALSE(mdul->TR_Del(2u));
  EXPECT_FALSE(stor->TR_Add(CArray<T_STOR_D>(), 1, 2));
  EXPECT_TRUE(stor->Exist(top));
}

TEST_F(ModelObjects, StoryReadsOnTheSample) {
  // The sample's main tower: base at 0, B1 up to 4.5, 1F up to 9.
  UINT b1 = stor->GetKey("B1", 1), f1 = stor->GetKey("1F", 1);
  EXPECT_EQ(stor->GetCurStor(), b1);
  struct Case { double z; UINT story; double rel; };
  const Case cases[] = {{4.5, b1, 0.0}, {4.5001, f1, 4.5001 - 9.0}, {0.0, 1, 0.0}, {-2.0, 1, -2.0}, {9.0, f1, 0.0}};
  for (const Case& c : cases) {
    UINT s = 0;
    double rel = 1e9;
    ASSERT_TRUE(stor->GetStorKFromGcsZ(c.z, s, rel)) << c.z;
    EXPECT_EQ(s, c.story) << c.z;
    EXPECT_NEAR(rel, c.rel, 1e-12) << c.z;
  }
  UINT s = 0;
  double rel = 0;
  EXPECT_FALSE(stor->GetStorKFromGcsZ(1000.0, s, rel));
  EXPECT_EQ(stor->GetNameWithModule(f1), "Tower1:1F");
  UINT minKey = 0;
  EXPECT_DOUBLE_EQ(stor->GetMinStoryHeightInPlan(stor->GetKey("4F", 1), minKey), 3.3);
  EXPECT_EQ(minKey, stor->GetKey("3F", 1));
  ASSERT_TRUE(stor->SetCurStor(f1));
  EXPECT_EQ(stor->GetCurStor(), f1);
}

TEST_F(ModelObjects, PositionsAndStoryLists) {
  UINT f1 = stor->GetKey("1F", 1);
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1), c = Point(6, 0, f1, -4.5);
  T_POINT3D g;
  ASSERT_TRUE(pont->Get3DPos(b, g));
  EXPECT_DOUBLE_EQ(g.z, 9.0);
  EXPECT_EQ(pont->GetSamePointBy3DPos(T_POINT3D{6, 0, 9.0}, 0.0), b);
  EXPECT_EQ(pont->GetSamePointBy3DPos(T_POINT3D{6, 0, 4.5}, 0.0), c);
  EXPECT_EQ(pont->GetSamePointBy3DPos(T_POINT3D{6.001, 0, 9.0}, 0.001), b);
  EXPECT_EQ(pont->GetSamePointBy3DPos(T_POINT3D{6.002, 0, 9.0}, 0.001), 0u);
  UINT beam = Member(201, f1, {a, b}, 2), col = Member(101, f1, {c, b}, 1);
  CUIntArray keys;
  memb->GetKeyListOfStory(f1, keys);
  EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), (std::vector<UINT>{beam, col}));
  memb->GetKeyListOfPoint(b, keys);
  EXPECT_EQ(keys.GetSize(), 2);
  ASSERT_TRUE(memb->GetMembKeyListByPos3D(T_POINT3D{3, 0, 9.0}, keys));
  EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), std::vector<UINT>{beam});
  // Mode 2: a point inside the square; mode 1: an axis crossing its outline.
  CPoint2DArray sq;
  for (auto p : {T_POINT2D{2.9, -0.1}, T_POINT2D{3.1, -0.1}, T_POINT2D{3.1, 0.1}, T_POINT2D{2.9, 0.1}}) sq.Add(p);
  CUIntArray stories = Keys({f1});
  keys.RemoveAll();
  memb->GetKeyListWithPolygon2D(keys, sq, stories, 2);
  EXPECT_EQ(keys.GetSize(), 0);
  memb->GetKeyListWithPolygon2D(keys, sq, stories, 1);
  EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), std::vector<UINT>{beam});
  double len = 0;
  T_MEMB_D r;
  memb->Get(col, r);
  ASSERT_TRUE(memb->CalcLengthArea(r, len));
  EXPECT_DOUBLE_EQ(len, 4.5);
  CArray<CClassStor::T_ATTR_ENTRY> attrs;
  ASSERT_TRUE(stor->GetAttrList(f1, attrs));
  ASSERT_EQ(attrs.GetSize(), 5);
  EXPECT_EQ(attrs[3].code, CClassMemb::UR_MEMB_CMD);
}

TEST_F(ModelObjects, PositionReadsFollowEveryWriteAfterTheFirstRead) {
  UINT f1 = stor->GetKey("1F", 1);
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1);
  UINT beam = Member(201, f1, {a, b}, 2);
  auto at = [&](double x, double y) {
    CUIntArray keys;
    memb->GetMembKeyListByPos3D(T_POINT3D{x, y, 9.0}, keys);
    return std::vector<UINT>(keys.begin(), keys.end());
  };
  auto crossing = [&](double x, double y) {  // mode 1 on a 0.2 m square around (x, y)
    CPoint2DArray sq;
    for (auto p : {T_POINT2D{x - 0.1, y - 0.1}, T_POINT2D{x + 0.1, y - 0.1}, T_POINT2D{x + 0.1, y + 0.1},
                   T_POINT2D{x - 0.1, y + 0.1}})
      sq.Add(p);
    CUIntArray keys;
    memb->GetKeyListWithPolygon2D(keys, sq, Keys({f1}), 1);
    return std::vector<UINT>(keys.begin(), keys.end());
  };
  const std::vector<UINT> none, justBeam{beam};
  EXPECT_EQ(at(3, 0), justBeam);  // builds the plan grid
  // Moving an end swings the axis: (3, 0) is left behind, (9, 3) is on it.
  T_PONT_D p;
  pont->Get(b, p);
  p.x = 12, p.y = 6;
  ASSERT_TRUE(pont->TR_Modify(b, p));
  EXPECT_EQ(at(3, 0), none);
  EXPECT_EQ(at(9, 4.5), justBeam);
  EXPECT_EQ(crossing(9, 4.5), justBeam);
  EXPECT_EQ(crossing(3, 0), none);
  // A member added far off, then undone; the first move undone.
  UINT c = Point(40, 40, f1), d = Point(40, 46, f1);
  UINT far = Member(201, f1, {c, d}, 2);
  EXPECT_EQ(at(40, 43), std::vector<UINT>{far});
  EXPECT_EQ(crossing(40, 43), std::vector<UINT>{far});
  for (int i = 0; i < 3; ++i) ASSERT_TRUE(db->Undo());
  EXPECT_EQ(at(40, 43), none);
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(at(3, 0), justBeam);
  EXPECT_EQ(at(9, 4.5), none);
  // Many writes between two reads: the grid is rebuilt and still right.
  CArray<T_PONT_D> many;
  for (int i = 0; i < 3000; ++i) {
    T_PONT_D q;
    q.x = 100 + i, q.y = 0, q.storyKey = f1;
    many.Add(q);
  }
  ASSERT_TRUE(pont->TR_Add(many));
  pont->Get(a, p);
  p.y = 6;
  ASSERT_TRUE(pont->TR_Modify(a, p));
  EXPECT_EQ(at(3, 0), none);
  EXPECT_EQ(at(3, 3), justBeam);
}

TEST_F(ModelObjects, AppliedMaterialAndSectionsByMaterial) {
  UINT f1 = stor->GetKey("1F", 1);
  T_STOR_D s;
  stor->Get(f1, s);
  s.singleMatl = 0;
  s.beamMatlKey = 2;
  s.colmMatlKey = 5;
  ASSERT_TRUE(stor->TR_Modify(f1, s));
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1);
  UINT beam = Member(201, f1, {a, b}, 2), col = Member(101, f1, {a, b}, 3);
  UINT matl = 0;
  int flag = -1;
  ASSERT_TRUE(memb->GetAppliedMatlKey(beam, matl, flag));
  EXPECT_EQ(matl, 2u);
  EXPECT_EQ(flag, 2);
  EXPECT_TRUE(memb->IsRC(beam));
  EXPECT_TRUE(memb->IsSteel(col));
  CUIntArray keys;
  ASSERT_TRUE(sect->GetKeyListByMatl(1, keys));  // C30: the concrete sections
  EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), (std::vector<UINT>{1, 2}));
  ASSERT_TRUE(sect->GetKeyListByMatl(4, keys));  // Q235
  EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), std::vector<UINT>{3});
}

TEST_F(ModelObjects, StairThicknessAndTypeTexts) {
  // t·√(w² + h²)/w + h/2: 0.12·√(0.3² + 0.15²)/0.3 + 0.075.
  EXPECT_NEAR(CClassStik::GetConvertThickness(0.3, 0.15, 0.12), 0.12 * std::sqrt(0.1125) / 0.3 + 0.075, 1e-15);
  EXPECT_DOUBLE_EQ(CClassStik::GetConvertThickness(0.0, 0.15, 0.12), 0.12);
  EXPECT_EQ(CClassMemb::GetMembTypeName(201), "IDS_MEMB_TYPE_201");
  EXPECT_DOUBLE_EQ(thik->GetThickness(2), 0.2);
  T_THIK_D same;
  same.name = "120";
  same.thick1 = 0.12;
  EXPECT_TRUE(thik->TR_Add(same));  // names need not be unique
}

TEST_F(ModelObjects, DeletingAMemberTakesItsCurveAndStairRecord) {
  UINT f1 = stor->GetKey("1F", 1);
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1);
  auto* curv = static_cast<CClassCurv*>(db->GetClass(CClassCurv::m_nClassID));
  T_CURV_D c;
  c.cx = 3;
  c.cy = -3;
  ASSERT_TRUE(curv->TR_Add(c));
  T_MEMB_D m;
  m.type = 201, m.storyKey = f1;
  m.points.Add(a), m.points.Add(b), m.curves.Add(1);
  ASSERT_TRUE(memb->TR_Add(m));
  EXPECT_FALSE(curv->TR_Del(1u));
  ASSERT_TRUE(memb->TR_Del(1u));
  EXPECT_FALSE(curv->Exist(1));
  ASSERT_TRUE(db->Undo());
  EXPECT_TRUE(curv->Exist(1));
  EXPECT_TRUE(memb->Exist(1));
}

TEST_F(ModelObjects, SaveThenOpenKeepsObjectsAndTheirIndexes) {
  UINT f1 = stor->GetKey("1F", 1);
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1), c = Point(6, 6, f1), d = Point(0, 6, f1);
  T_MEMB_D m;
  m.type = 301, m.storyKey = f1, m.thikKey = 1, m.name = "S1";
  for (UINT p : {a, b, T_MEMB_D::GAP_POINT, c, d}) m.points.Add(p);
  ASSERT_TRUE(memb->TR_Add(m));
  // Named by the process: other runs of this test may share the folder.
  const std::string tag = std::to_string((long)getpid());
  std::string path = ::testing::TempDir() + "model_objects_" + tag + ".zel";
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err));
  const std::string before = Dump("PONT") + Dump("MEMB") + Dump("THIK") + Dump("DMLN") + Dump("TRLN");
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(path.c_str(), err)) << err.c_str();
  CString out;
  std::string after;
  for (const char* code : {"PONT", "MEMB", "THIK", "DMLN", "TRLN"}) {
    out.Empty();
    other.DumpTable(code, out);
    after += out.c_str();
  }
  EXPECT_EQ(after, before);
  auto* memb2 = static_cast<CClassMemb*>(other.GetModelDB()->GetClass(CClassMemb::m_nClassID));
  CUIntArray keys;
  memb2->GetKeyListOfPoint(c, keys);
  EXPECT_EQ(keys.GetSize(), 1);
  auto* pont2 = static_cast<CClassPont*>(other.GetModelDB()->GetClass(CClassPont::m_nClassID));
  EXPECT_FALSE(pont2->TR_Del(c));

  // A file whose objects break the tables' rules is refused, naming the record.
  struct Case { const char* sql; const char* where; };
  const Case cases[] = {
      {"UPDATE PONT SET number=1 WHERE key=2", "PONT"},
      {"UPDATE PONT SET storyKey=999 WHERE key=1", "PONT key 1"},
      {"UPDATE PONT SET x=9e999 WHERE key=1", "PONT key 1"},
      {"DELETE FROM PONT WHERE key=1; UPDATE vur_tables SET count=count-1 WHERE code='PONT'", "MEMB key 1"},
      {"UPDATE MEMB SET points=x'0100000002' WHERE key=1", "MEMB"},
      {"UPDATE MEMB SET sectKey=77 WHERE key=1", "MEMB key 1"},
      {"UPDATE MEMB SET number=0 WHERE key=1", "MEMB"},
      {"UPDATE DMLN SET pt1=99 WHERE key=1", "DMLN key 1"},
  };
  for (const Case& k : cases) {
    std::string bad = ::testing::TempDir() + "model_objects_bad_" + tag + ".zel";
    std::remove(bad.c_str());
    ASSERT_TRUE(other.SaveModel(bad.c_str(), err));
    sqlite3* h = nullptr;
    ASSERT_EQ(sqlite3_open(bad.c_str(), &h), SQLITE_OK);
    EXPECT_EQ(sqlite3_exec(h, k.sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(h);
    sqlite3_close(h);
    CDBDoc third(FALSE);
    CString where;
    EXPECT_FALSE(third.OpenModel(bad.c_str(), err, &where)) << k.sql;
    EXPECT_EQ(where, k.where) << k.sql;
    std::remove(bad.c_str());
  }
  std::remove(path.c_str());
}

}  // namespace
