// The attribute control: what each change writes, that it is one undo step followed by
// its notice, that a refusal writes and sends nothing, the design-type blocks' round trip,
// the pictures of points, members and elements, and the call log.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>
#include <sqlite3.h>
#include <unistd.h>
#include "afx/CWnd.h"
#include "db/CClassAwop.h"
#include "db/CClassCmld.h"
#include "db/CClassMasg.h"
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPrel.h"
#include "db/CClassPtld.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CClassUccf.h"
#include "db/CMembDataCtrl.h"
#include "db/CPostModel.h"
#include "DbFixture.h"

namespace {

// A window that records the attribute control's notices.
class NoticeWnd : public CWnd {
 public:
  std::vector<int> codes;
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override {
    if (message == WM_MEMBDATACTRL_CHANGED) {
      codes.push_back((int)wParam);
      return 0;
    }
    return CWnd::WindowProc(message, wParam, lParam);
  }
};

class MembData : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    pont = Table<CClassPont>();
    memb = Table<CClassMemb>();
    masg = Table<CClassMasg>();
    mbtp = Table<CClassMbtp>();
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "page", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ctrl.Initialize(&wnd);
    // A frame on story 3: four points, a column, a beam, a wall, a slab and a brace.
    a = Point(0, 0), b = Point(6, 0), c = Point(6, 5), d = Point(0, 5);
    column = Member(101, {a, b}, SectKey());
    beam = Member(201, {a, b}, SectKey());
    wall = Member(202, {b, c}, SectKey());
    slab = Member(301, {a, b, c, d}, 0, ThikKey());
    brace = Member(206, {a, c}, SectKey());
  }
  template <class T>
  T* Table() {
    return static_cast<T*>(db->GetClass(T::m_nClassID));
  }
  UINT Point(double x, double y) {
    T_PONT_D p;
    p.x = x, p.y = y, p.storyKey = 3;
    UINT key = pont->GetNewKey();
    return pont->TR_Add(p) ? key : 0;
  }
  UINT Member(int type, std::initializer_list<UINT> points, UINT sectKey = 0, UINT thikKey = 0) {
    T_MEMB_D m;
    m.type = type, m.storyKey = 3, m.sectKey = sectKey, m.thikKey = thikKey;
    for (UINT p : points) m.points.Add(p);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  UINT SectKey() {
    CUIntArray keys;
    Table<CClassSect>()->GetKeyList(keys);
    return keys.IsEmpty() ? 0 : keys[0];
  }
  UINT ThikKey(bool last = false) {
    CUIntArray keys;
    Table<CClassThik>()->GetKeyList(keys);
    return keys.IsEmpty() ? 0 : keys[last ? keys.GetSize() - 1 : 0];
  }
  // Writes a record by field texts, as cmdhost's put line does.
  void put(const char* code, UINT key, std::initializer_list<const char*> fields) {
    CStringArray a;
    for (const char* f : fields) a.Add(f);
    CString bad;
    ASSERT_EQ(doc->PutRecord(code, key, a, bad), 1) << code << " " << bad.c_str();
  }
  T_MATR_D Attr(int cls, UINT key) {
    ctrl.m_nObjClass = cls, ctrl.m_nObjKey = key;
    T_MATR_D r;
    r.Initialize();
    EXPECT_TRUE(ctrl.GetMemberAttr(r, 1));
    return r;
  }
  T_MBTP_D Design(UINT key) {
    T_MEMB_D m;
    memb->Get(key, m);
    T_MBTP_D d;
    d.Initialize();
    mbtp->Get(m.dsgnKey, d);
    return d;
  }

  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  CClassMasg* masg = nullptr;
  CClassMbtp* mbtp = nullptr;
  NoticeWnd wnd;
  CMembDataCtrl ctrl;
  UINT a = 0, b = 0, c = 0, d = 0, column = 0, beam = 0, wall = 0, slab = 0, brace = 0;
};

T_DMTP_D Block(int lead, std::initializer_list<int> values) {
  T_DMTP_D b;
  b.lead = lead;
  int i = 0;
  for (int v : values) b.value[i++] = v;
  return b;
}

TEST_F(MembData, EachChangeIsOneUndoStepThenItsNotice) {
  UINT otherMatl = 0;
  CUIntArray matls;
  Table<CClassMatl>()->GetKeyList(matls);
  otherMatl = matls[matls.GetSize() - 1];
  put("MASG", beam, {"tempFlag=1", "temp[0]=20"});
  put("PASG", a, {"support=111000"});
  struct Case {
    const char* what;
    int cls;
    UINT* key;
    std::function<BOOL(CMembDataCtrl&)> change;
    int code;
    std::function<std::string()> read;  // the changed datum
  };
  auto field = [this](const char* code, UINT* key, const char* f) {
    return [this, code, key, f]() {
      CString t;
      BOOL real = FALSE;
      return doc->GetFieldText(code, *key, f, t, real) ? std::string(t.c_str()) : std::string("absent");
    };
  };
  const std::vector<Case> cases = {
      {"x", CMembDataCtrl::OBJ_PONT, &a, [](CMembDataCtrl& m) { return m.ModifyPontCoordX(1.5); }, 101,
       field("PONT", &a, "x")},
      {"y", CMembDataCtrl::OBJ_PONT, &a, [](CMembDataCtrl& m) { return m.ModifyPontCoordY(-2); }, 101,
       field("PONT", &a, "y")},
      {"material", CMembDataCtrl::OBJ_BEAM, &beam, [&](CMembDataCtrl& m) { return m.ModifyMembMaterial(otherMatl); },
       201, field("MEMB", &beam, "matlKey")},
      {"thickness", CMembDataCtrl::OBJ_SLAB, &slab, [&](CMembDataCtrl& m) { return m.ModifyMembThickness(ThikKey(true)); },
       201, field("MEMB", &slab, "thikKey")},
      {"beta", CMembDataCtrl::OBJ_COLUMN, &column, [](CMembDataCtrl& m) { return m.ModifyMembBetaAngle(30); }, 201,
       field("MEMB", &column, "beta")},
      {"design", CMembDataCtrl::OBJ_BEAM, &beam,
       [](CMembDataCtrl& m) { return m.ModifyMembDType(Block(1, {0, 2, 0, 0, 1, 0}), -1); }, 202,
       field("MEMB", &beam, "dsgnKey")},
      {"release", CMembDataCtrl::OBJ_BEAM, &beam, [](CMembDataCtrl& m) { return m.ModifyMembRelease(3); }, 210,
       field("MASG", &beam, "release")},
      {"seismic grade", CMembDataCtrl::OBJ_WALL, &wall, [](CMembDataCtrl& m) { return m.ModifyMembLVL(302); }, 214,
       [this]() { return std::to_string(Table<CClassPrel>()->GetCount()); }},
      {"delete seismic grade", CMembDataCtrl::OBJ_WALL, &wall,
       [](CMembDataCtrl& m) { return m.DeleteMembData(ATRUP_SEIS_GRADE, 0); }, 214,
       [this]() { return std::to_string(Table<CClassPrel>()->GetCount()); }},
      {"wall detail", CMembDataCtrl::OBJ_WALL, &wall, [](CMembDataCtrl& m) { return m.ModifyMembWDtail(1); }, 228,
       field("MASG", &wall, "wallDetail")},
      {"slab load", CMembDataCtrl::OBJ_SLAB, &slab, [](CMembDataCtrl& m) { return m.ModifySlabLoad("6.5, 2.5"); },
       207, field("MASG", &slab, "slabDead")},
      {"delete temperature", CMembDataCtrl::OBJ_BEAM, &beam,
       [](CMembDataCtrl& m) { return m.DeleteMembData(ATRUP_TEMPERATURE, 0); }, 208, field("MASG", &beam, "tempFlag")},
      {"delete support", CMembDataCtrl::OBJ_PONT, &a,
       [](CMembDataCtrl& m) { return m.DeletePontData(ATRUP_PONT_SUPPORT); }, 104, field("PASG", &a, "support")},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ctrl.m_nObjClass = k.cls, ctrl.m_nObjKey = *k.key;
    const std::string before = k.read();
    const int undo = db->GetUndoCount();
    wnd.codes.clear();
    ASSERT_TRUE(k.change(ctrl));
    EXPECT_EQ(db->GetUndoCount(), undo + 1);
    EXPECT_EQ(wnd.codes, std::vector<int>{k.code});
    EXPECT_NE(k.read(), before);
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(k.read(), before);
    ASSERT_TRUE(db->Redo());
  }
}

TEST_F(MembData, ARefusalWritesAndSendsNothing) {
  struct Case {
    const char* what;
    int cls;
    UINT key;
    std::function<BOOL(CMembDataCtrl&)> change;
  };
  const std::vector<Case> cases = {
      {"a point change on a member", CMembDataCtrl::OBJ_BEAM, beam, [](CMembDataCtrl& m) { return m.ModifyPontCoordX(1); }},
      {"a member change on a point", CMembDataCtrl::OBJ_PONT, a, [](CMembDataCtrl& m) { return m.ModifyMembBetaAngle(1); }},
      {"a missing member", CMembDataCtrl::OBJ_BEAM, 9999, [](CMembDataCtrl& m) { return m.ModifyMembRelease(1); }},
      {"a missing material", CMembDataCtrl::OBJ_BEAM, beam, [](CMembDataCtrl& m) { return m.ModifyMembMaterial(9999); }},
      {"no real", CMembDataCtrl::OBJ_PONT, a, [](CMembDataCtrl& m) { return m.ModifyPontCoordY(NAN); }},
      {"beta of a slab", CMembDataCtrl::OBJ_SLAB, slab, [](CMembDataCtrl& m) { return m.ModifyMembBetaAngle(30); }},
      {"a slab load that is no pair", CMembDataCtrl::OBJ_SLAB, slab, [](CMembDataCtrl& m) { return m.ModifySlabLoad("6.5"); }},
      {"a slab load with more", CMembDataCtrl::OBJ_SLAB, slab, [](CMembDataCtrl& m) { return m.ModifySlabLoad("1, 2, 3"); }},
      {"a release past the list", CMembDataCtrl::OBJ_BEAM, beam, [](CMembDataCtrl& m) { return m.ModifyMembRelease(5); }},
      {"a wall detail on a beam", CMembDataCtrl::OBJ_BEAM, beam, [](CMembDataCtrl& m) { return m.ModifyMembWDtail(1); }},
      {"no grade code", CMembDataCtrl::OBJ_BEAM, beam, [](CMembDataCtrl& m) { return m.ModifyMembLVL(305); }},
      {"a grade not assigned", CMembDataCtrl::OBJ_BEAM, beam,
       [](CMembDataCtrl& m) { return m.DeleteMembData(ATRUP_SEIS_GRADE, 0); }},
      {"design types of a brace", CMembDataCtrl::OBJ_BRACE, brace,
       [](CMembDataCtrl& m) { return m.ModifyMembDType(Block(1, {0, 0, 0, 0, 0, 0}), -1); }},
      {"a block that does not apply", CMembDataCtrl::OBJ_COLUMN, column,
       [](CMembDataCtrl& m) { return m.ModifyMembDType(Block(0, {1, 0, 0, 0, 1, 0}), -1); }},
      {"a code past its list", CMembDataCtrl::OBJ_COLUMN, column,
       [](CMembDataCtrl& m) { return m.ModifyMembDType(Block(1, {0, 2, 0, 0, 0, 0}), -1); }},
      {"deleting what is not assigned", CMembDataCtrl::OBJ_BEAM, beam,
       [](CMembDataCtrl& m) { return m.DeleteMembData(ATRUP_OFFSET, 0); }},
      {"an unknown kind", CMembDataCtrl::OBJ_PONT, a, [](CMembDataCtrl& m) { return m.DeletePontData(999); }},
      {"an element outside post-processing", CMembDataCtrl::OBJ_P_BEAM, beam, [](CMembDataCtrl& m) {
         int code = ATRUP_DEC_FACT;
         return m.DeletePMembData(code);
       }},
  };
  const CString model = [&] {
    CString s;
    doc->DumpTable("MEMB", s);
    return s;
  }();
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    ctrl.m_nObjClass = k.cls, ctrl.m_nObjKey = k.key;
    const int undo = db->GetUndoCount(), calls = CMembDataCtrl::GetCallCount();
    wnd.codes.clear();
    EXPECT_FALSE(k.change(ctrl));
    EXPECT_EQ(db->GetUndoCount(), undo);
    EXPECT_TRUE(wnd.codes.empty());
    ASSERT_EQ(CMembDataCtrl::GetCallCount(), calls + 1);
    EXPECT_EQ(CMembDataCtrl::GetCall(calls)->result, 0);
  }
  CString after;
  doc->DumpTable("MEMB", after);
  EXPECT_EQ(after, model);
  EXPECT_EQ(doc->GetRecordCount("MASG"), 0);
}

// A member's loads, of every load case, and its uncertain-combination factor go in one
// undoable step with the code of the data; the wrong member kind or nothing there is a
// refusal.
TEST_F(MembData, LoadsAndUncertainFactorsAreDeletedAsOneStep) {
  const UINT line = Member(200, {c, d}, SectKey());
  auto load = [](UINT m, UINT lc) {
    T_MEMBLOAD_D r;
    r.memb = m, r.loadCase = lc, r.loadType = 3;
    r.p[1] = 1.0, r.v[0] = r.v[1] = 5.0;
    return r;
  };
  auto* cmld = Table<CClassCmld>();
  auto* lnld = Table<CClassLnld>();
  auto* uccf = Table<CClassUccf>();
  for (UINT lc : {1u, 2u}) {
    ASSERT_TRUE(cmld->TR_Add(T_CMLD_D{load(column, lc)}));
    for (UINT m : {beam, wall, line}) ASSERT_TRUE(lnld->TR_Add(T_LNLD_D{load(m, lc)}));
  }
  T_UCCF_D u;
  u.memb = beam, u.factor = 1.2;
  ASSERT_TRUE(uccf->TR_Add(u));
  put("MASG", beam, {"uncertFact=1.1"});
  auto count = [&](auto* t, UINT m) {
    CUIntArray keys;
    t->GetKeyListByMemb(m, keys);
    return (int)keys.GetSize();
  };
  struct Case {
    const char* what;
    int cls;
    UINT key;
    int code;
    std::function<int()> held;
    // A member of another kind whose data of this code are not touched.
    int otherCls;
    UINT other;
    std::function<int()> otherHeld;
  };
  const std::vector<Case> cases = {
      {"column loads", CMembDataCtrl::OBJ_COLUMN, column, ATRUP_COL_LOAD, [&] { return count(cmld, column); },
       CMembDataCtrl::OBJ_BEAM, beam, [&] { return count(lnld, beam); }},
      {"beam loads", CMembDataCtrl::OBJ_BEAM, beam, ATRUP_BEAM_LOAD, [&] { return count(lnld, beam); },
       CMembDataCtrl::OBJ_WALL, wall, [&] { return count(lnld, wall); }},
      {"wall loads", CMembDataCtrl::OBJ_WALL, wall, ATRUP_WALL_LOAD, [&] { return count(lnld, wall); },
       CMembDataCtrl::OBJ_LINE, line, [&] { return count(lnld, line); }},
      {"line loads", CMembDataCtrl::OBJ_LINE, line, ATRUP_LINE_LOAD, [&] { return count(lnld, line); },
       CMembDataCtrl::OBJ_COLUMN, column, [&] { return count(cmld, column); }},
      {"uncertain factor", CMembDataCtrl::OBJ_BEAM, beam, ATRUP_UNCERT_FACT,
       [&] { return count(uccf, beam) + (Attr(CMembDataCtrl::OBJ_BEAM, beam).uncertFact != 1.0 ? 1 : 0); },
       CMembDataCtrl::OBJ_COLUMN, column, [] { return 0; }},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.what);
    // The wrong kind: refused, nothing written or sent.
    ctrl.m_nObjClass = k.otherCls, ctrl.m_nObjKey = k.other;
    const int otherHeld = k.otherHeld(), undo0 = db->GetUndoCount();
    wnd.codes.clear();
    EXPECT_FALSE(ctrl.DeleteMembData(k.code, 0));
    EXPECT_EQ(k.otherHeld(), otherHeld);
    EXPECT_EQ(db->GetUndoCount(), undo0);
    EXPECT_TRUE(wnd.codes.empty());
    // Its own data: every record at once.
    const int held = k.held();
    ASSERT_EQ(held, 2);
    ctrl.m_nObjClass = k.cls, ctrl.m_nObjKey = k.key;
    ASSERT_TRUE(ctrl.DeleteMembData(k.code, 0));
    EXPECT_EQ(db->GetUndoCount(), undo0 + 1);
    EXPECT_EQ(wnd.codes, std::vector<int>{k.code});
    EXPECT_EQ(k.held(), 0);
    // Nothing left: refused.
    wnd.codes.clear();
    ctrl.m_nObjClass = k.cls, ctrl.m_nObjKey = k.key;
    EXPECT_FALSE(ctrl.DeleteMembData(k.code, 0));
    EXPECT_TRUE(wnd.codes.empty());
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(k.held(), held);
  }
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_WALL, ctrl.m_nObjKey = wall;
  EXPECT_FALSE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, 0));
}

// The load pictures: one entry per load case, the number of the member's loads in it.
TEST_F(MembData, LoadEntriesAndTheFactorRecordAreRead) {
  T_CMLD_D l;
  l.memb = column, l.loadCase = 2, l.loadType = 1;
  ASSERT_TRUE(Table<CClassCmld>()->TR_Add(l));
  ASSERT_TRUE(Table<CClassCmld>()->TR_Add(l));
  T_MATR_D r = Attr(CMembDataCtrl::OBJ_COLUMN, column);
  ASSERT_EQ(r.colLoads.GetSize(), 2);
  EXPECT_EQ(r.colLoads[0].name, CString("DL"));
  EXPECT_EQ(r.colLoads[0].flag, 0);
  EXPECT_EQ(r.colLoads[0].loadKey, 0u);
  EXPECT_EQ(r.colLoads[1].loadCaseKey, 2u);
  EXPECT_EQ(r.colLoads[1].flag, 2);
  EXPECT_EQ(r.colLoads[1].loadKey, 1u);
  EXPECT_EQ(r.beamLoads.GetSize(), 2);
  EXPECT_EQ(r.beamLoads[1].flag, 0);
  // The factor record wins over the assigned factor.
  put("MASG", column, {"uncertFact=1.1"});
  EXPECT_DOUBLE_EQ(Attr(CMembDataCtrl::OBJ_COLUMN, column).uncertFact, 1.1);
  T_UCCF_D u;
  u.memb = column, u.factor = 1.3;
  ASSERT_TRUE(Table<CClassUccf>()->TR_Add(u));
  EXPECT_DOUBLE_EQ(Attr(CMembDataCtrl::OBJ_COLUMN, column).uncertFact, 1.3);
}

// After a beta change the page asks the element of a built analysis model to follow.
TEST_F(MembData, ABetaChangeIsHandedToTheBuiltAnalysisModel) {
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM, ctrl.m_nObjKey = beam;
  EXPECT_TRUE(ctrl.UpdatePostBetaAngle()) << "no analysis model: nothing stale";
  ASSERT_TRUE(CPostModel::Build(*doc));
  auto* pmemb = static_cast<CClassPMemb*>(doc->GetMDBCtrl()->GetDBPost()->GetClass(CClassPMemb::m_nClassID));
  ASSERT_TRUE(ctrl.ModifyMembBetaAngle(45));
  T_PMEMB_D e;
  ASSERT_TRUE(pmemb->Get(beam, e));
  EXPECT_EQ(e.beta, 0.0);
  const int undo = db->GetUndoCount();
  wnd.codes.clear();
  ASSERT_TRUE(ctrl.UpdatePostBetaAngle());
  ASSERT_TRUE(pmemb->Get(beam, e));
  EXPECT_EQ(e.beta, 45.0);
  EXPECT_EQ(db->GetUndoCount(), undo);
  EXPECT_TRUE(wnd.codes.empty());
  EXPECT_EQ(CMembDataCtrl::GetCall(CMembDataCtrl::GetCallCount() - 1)->op, "UpdatePostBetaAngle");
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_PONT, ctrl.m_nObjKey = a;
  EXPECT_FALSE(ctrl.UpdatePostBetaAngle());
}

// Every code of every design word comes back as sent, whatever the other words hold.
TEST_F(MembData, EveryDesignChoiceSurvivesTheRoundTrip) {
  struct Kind {
    int cls;
    UINT key;
    std::vector<int> codes;  // the number of codes of each word, 0 for an unused one
  };
  const std::vector<Kind> kinds = {
      {CMembDataCtrl::OBJ_COLUMN, column, {3, 2, 2, 2, 3, 0}},
      {CMembDataCtrl::OBJ_BEAM, beam, {4, 3, 3, 4, 2, 3}},
      {CMembDataCtrl::OBJ_WALL, wall, {3, 3, 3, 7, 0, 0}},
      {CMembDataCtrl::OBJ_SLAB, slab, {4, 0, 0, 0, 0, 0}},
  };
  for (const Kind& k : kinds) {
    for (int w = 0; w < 6; ++w) {
      for (int code = 0; code < k.codes[(size_t)w]; ++code) {
        SCOPED_TRACE(testing::Message() << "class " << k.cls << " word " << w + 1 << " code " << code);
        T_DMTP_D block = Attr(k.cls, k.key).dmtp;
        ASSERT_EQ(block.lead, 1);
        block.value[w] = code;
        ASSERT_TRUE(ctrl.ModifyMembDType(block, -1));
        EXPECT_EQ(Attr(k.cls, k.key).dmtp, block);
      }
    }
  }
}

TEST_F(MembData, DesignCodesAreStoredAsTheRowsReadThem) {
  // A beam: frame GGR, cantilever NO, BJPB AUTO, middle MR, transfer YES, protection YES.
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM, ctrl.m_nObjKey = beam;
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {1, 2, 0, 3, 0, 1}), -1));
  T_MBTP_D d = Design(beam);
  EXPECT_EQ(std::vector<int>(d.value, d.value + 6), (std::vector<int>{2, 0, 0, 0, 1, 1}));
  EXPECT_EQ(std::vector<int>(d.autoFlag, d.autoFlag + 6), (std::vector<int>{0, 0, 1, 0, 0, 0}));
  // A wall: IBBOB sets the base flag; IBMB clears it and gives kind 4.
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_WALL, ctrl.m_nObjKey = wall;
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {1, 1, 1, 0, 0, 0}), 5));
  EXPECT_EQ(Design(wall).value[3], 1);
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {1, 1, 1, 5, 0, 0}), 3));
  EXPECT_EQ(Design(wall).value[3], 0);
  EXPECT_EQ(Design(wall).value[4], 4);
  // A slab keeps its subtype in slot 2.
  put("MBTP", 77, {"value[1]=3"});
  put("MEMB", slab, {"dsgnKey=77"});
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_SLAB, ctrl.m_nObjKey = slab;
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {2, 0, 0, 0, 0, 0}), -1));
  EXPECT_EQ(Design(slab).value[0], 2);
  EXPECT_EQ(Design(slab).value[1], 3);
}

TEST_F(MembData, ASharedDesignRecordIsNotChangedForTheOtherMember) {
  put("MBTP", 50, {"value[1]=1"});
  put("MEMB", column, {"dsgnKey=50"});
  const UINT other = Member(101, {c, d}, SectKey());
  put("MEMB", other, {"dsgnKey=50"});
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_COLUMN, ctrl.m_nObjKey = column;
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {2, 1, 0, 0, 2, 0}), -1));
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  EXPECT_NE(Design(column).key, 50u);
  EXPECT_EQ(Design(column).value[1], 0);
  EXPECT_EQ(Design(other).key, 50u);
  EXPECT_EQ(Design(other).value[1], 1);
  db->Undo();
  EXPECT_EQ(Design(column).key, 50u);
}

TEST_F(MembData, NothingAssignedReadsAsFlagsZeroAndFactorsOne) {
  const T_MATR_D r = Attr(CMembDataCtrl::OBJ_BEAM, beam);
  EXPECT_EQ(r.membKey, beam);
  EXPECT_DOUBLE_EQ(r.length, 6.0);
  EXPECT_EQ(r.tempFlag + r.stiffFlag + r.momFlag + r.torFlag + r.seisFlag + r.effFlag + r.slabLoadFlag, 0);
  EXPECT_EQ(r.decFact * r.momFact * r.torFact * r.seisFact * r.effFact[0] * r.effFact[1] * r.equivMom, 1.0);
  EXPECT_EQ(std::vector<double>(r.stiff, r.stiff + 7), std::vector<double>(7, 1.0));
  EXPECT_TRUE(r.release.IsEmpty() && r.offset.IsEmpty());
  EXPECT_EQ(r.pontNos.GetSize(), 2);
  // Design types apply to columns, beams, walls and slabs, not to braces.
  EXPECT_EQ(Attr(CMembDataCtrl::OBJ_SLAB, slab).dmtp.lead, 1);
  EXPECT_DOUBLE_EQ(Attr(CMembDataCtrl::OBJ_SLAB, slab).area, 30.0);
  EXPECT_EQ(Attr(CMembDataCtrl::OBJ_BRACE, brace).dmtp.lead, 0);
  // A deletion that leaves nothing assigned takes the record away.
  put("MASG", beam, {"offset=x"});
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM, ctrl.m_nObjKey = beam;
  ASSERT_TRUE(ctrl.DeleteMembData(ATRUP_OFFSET, 0));
  EXPECT_FALSE(doc->HasRecord("MASG", beam));
}

TEST_F(MembData, APointShowsItsMembersAndTheOtherPointsAtItsPlace) {
  const UINT twin = Point(0, 0);
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_PONT, ctrl.m_nObjKey = a;
  T_PATR_D p;
  ASSERT_TRUE(ctrl.GetPointAttr(p, 1));
  EXPECT_EQ(p.number, (int)a);
  std::vector<UINT> membs(p.connectedMembs.begin(), p.connectedMembs.end());
  EXPECT_EQ(membs, (std::vector<UINT>{column, beam, slab, brace}));
  std::vector<UINT> twins(p.duplicatedPonts.begin(), p.duplicatedPonts.end());
  EXPECT_EQ(twins, std::vector<UINT>{twin});
  EXPECT_TRUE(p.support.IsEmpty());
  EXPECT_EQ(p.link, 0);
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM;
  EXPECT_FALSE(ctrl.GetPointAttr(p, 1));
}

TEST_F(MembData, TheCallLogTellsObjectOperationArgumentsAndResult) {
  const int n = CMembDataCtrl::GetCallCount();
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_COLUMN, ctrl.m_nObjKey = column;
  ctrl.ModifyMembDType(Block(1, {0, 1, 0, 0, 2, 0}), -1);
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_SLAB, ctrl.m_nObjKey = slab;
  ctrl.ModifySlabLoad("x, y");
  ASSERT_EQ(CMembDataCtrl::GetCallCount(), n + 2);
  const T_ATTR_CALL* first = CMembDataCtrl::GetCall(n);
  EXPECT_EQ(first->objClass, 1);
  EXPECT_EQ(first->objKey, column);
  EXPECT_EQ(first->op, "ModifyMembDType");
  EXPECT_EQ(first->args, (std::vector<std::string>{"1,0,1,0,0,2,0", "-1"}));
  EXPECT_EQ(first->result, 1);
  EXPECT_EQ(CMembDataCtrl::GetCall(n + 1)->args, std::vector<std::string>{"x, y"});
  EXPECT_EQ(CMembDataCtrl::GetCall(n + 1)->result, 0);
}

// Model files written before the design slots were arrays name their columns slot1 to
// slot6 and auto1 to auto6: their values are read, not lost.
TEST_F(MembData, OldModelFilesKeepTheirDesignSlots) {
  put("MBTP", 5, {"value[0]=2", "value[1]=3", "value[5]=1", "autoFlag[0]=1", "autoFlag[3]=1"});
  const std::string path = ::testing::TempDir() + "design_slots_" + std::to_string((long)getpid()) + ".zel";
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err));
  sqlite3* f = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &f), SQLITE_OK);
  std::string sql;
  for (int i = 0; i < 6; ++i)
    sql += "ALTER TABLE MBTP RENAME COLUMN \"value[" + std::to_string(i) + "]\" TO slot" + std::to_string(i + 1) +
           "; ALTER TABLE MBTP RENAME COLUMN \"autoFlag[" + std::to_string(i) + "]\" TO auto" +
           std::to_string(i + 1) + ";";
  ASSERT_EQ(sqlite3_exec(f, sql.c_str(), nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(f);
  sqlite3_close(f);
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(path.c_str(), err)) << err.c_str();
  CString before, after;
  doc->DumpTable("MBTP", before);
  other.DumpTable("MBTP", after);
  EXPECT_EQ(after, before);
  unlink(path.c_str());
}

// ---- The analysis model ----

TEST_F(MembData, TheAnalysisModelOfASmallFrame) {
  put("MBTP", 60, {"value[1]=2"});
  put("MEMB", slab, {"dsgnKey=60"});
  put("MEMB", beam, {"matlKey=1"});
  DB_CDataBase* post = doc->GetMDBCtrl()->GetDBPost();
  ASSERT_NE(post, nullptr);
  EXPECT_EQ(post, doc->GetMDBCtrl()->GetDBPost3D());
  EXPECT_EQ(post, doc->GetMDBCtrl()->GetDB(2));
  CUIntArray nodes, elems;
  nodes.Add(a), nodes.Add(9999), elems.Add(beam), elems.Add(8888);
  // Keys the analysis model does not hold are not selected; a rebuild keeps the others.
  ASSERT_TRUE(CPostModel::Build(*doc));
  post->GetViewCtrl()->Select(nullptr, {}, {}, nodes, elems, 0, 0, 1);
  ASSERT_TRUE(CPostModel::Build(*doc));
  auto* pnode = static_cast<CClassPNode*>(post->GetClass(CClassPNode::m_nClassID));
  auto* pmemb = static_cast<CClassPMemb*>(post->GetClass(CClassPMemb::m_nClassID));
  EXPECT_EQ(pnode->GetCount(), pont->GetCount());
  EXPECT_EQ(pmemb->GetCount(), memb->GetCount());
  // Nodes are global: the story's top level.
  T_PNODE_D n;
  ASSERT_TRUE(pnode->Get(c, n));
  T_POINT3D g;
  pont->Get3DPos(c, g);
  EXPECT_DOUBLE_EQ(n.z, g.z);
  EXPECT_GT(n.z, 0.0);
  EXPECT_EQ(n.storyKey, 3u);
  T_PMEMB_D e;
  ASSERT_TRUE(pmemb->Get(wall, e));
  EXPECT_EQ(e.type, 209);
  ASSERT_TRUE(pmemb->Get(slab, e));
  EXPECT_EQ(e.subtype, 2);
  EXPECT_EQ(std::vector<UINT>(e.nodes.begin(), e.nodes.end()), (std::vector<UINT>{a, b, c, d}));
  ASSERT_TRUE(pmemb->Get(beam, e));
  EXPECT_EQ(e.subtype, 0);
  EXPECT_EQ(e.matlKey, 1u);
  EXPECT_EQ(doc->GetRecordCount("PMATL"), Table<CClassMatl>()->GetCount());
  // The selection keeps what still exists.
  CUIntArray sel;
  post->GetViewCtrl()->GetAllSelectedPNode(sel);
  EXPECT_EQ(std::vector<UINT>(sel.begin(), sel.end()), std::vector<UINT>{a});
  post->GetViewCtrl()->GetAllSelectedPMemb(sel);
  EXPECT_EQ(std::vector<UINT>(sel.begin(), sel.end()), std::vector<UINT>{beam});
  // Entering post-processing rebuilds it: a member deleted before is gone.
  ASSERT_TRUE(memb->TR_Del(brace));
  doc->SetPostMode(TRUE);
  EXPECT_FALSE(pmemb->Exist(brace));
  EXPECT_EQ(doc->GetRecordCount("PMEMB"), memb->GetCount());
}

TEST_F(MembData, AnElementShowsItsModelDataAndDeletesItsOwn) {
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_COLUMN, ctrl.m_nObjKey = column;
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {1, 0, 1, 1, 0, 0}), -1));  // YES, YES, NO, NO, AUTO
  put("EASG", column, {"decFact=0.85", "seisGrade=302", "pushHinge=PH1"});
  put("MEMB", column, {"matlKey=1"});
  ASSERT_TRUE(CPostModel::Build(*doc));
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_P_COLUMN, ctrl.m_nObjKey = column;
  T_MATR_D r;
  ASSERT_TRUE(ctrl.GetPostMemberAttr(r, 1));
  EXPECT_EQ(r.number, (int)column);
  // Positions in the element page's lists: AUTO 0, YES 1, NO 2 for every yes/no row.
  EXPECT_EQ(r.dmtp, Block(1, {1, 1, 2, 2, 0, 0}));
  EXPECT_DOUBLE_EQ(r.decFact, 0.85);
  EXPECT_EQ(r.pushHinge, CString("PH1"));
  EXPECT_FALSE(r.matlName.IsEmpty());
  EXPECT_FALSE(r.sectName.IsEmpty());
  EXPECT_GT(r.length, 0.0);
  // The wall's base protection as IBNB 0 ... IBBOB 5, NO 6.
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_WALL, ctrl.m_nObjKey = wall;
  ASSERT_TRUE(ctrl.ModifyMembDType(Block(1, {0, 0, 0, 0, 0, 0}), 5));
  ASSERT_TRUE(CPostModel::Build(*doc));
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_P_WALL, ctrl.m_nObjKey = wall;
  ASSERT_TRUE(ctrl.GetPostMemberAttr(r, 1));
  EXPECT_EQ(r.dmtp.value[3], 5);
  // Deleting the factor is one undo step, told with its code; nothing left: the record goes.
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_P_COLUMN, ctrl.m_nObjKey = column;
  wnd.codes.clear();
  for (int code : {ATRUP_DEC_FACT, ATRUP_SEIS_GRADE, ATRUP_PUSH_HINGE}) {
    int k = code;
    ASSERT_TRUE(ctrl.DeletePMembData(k));
  }
  EXPECT_EQ(wnd.codes, (std::vector<int>{217, 214, 229}));
  EXPECT_FALSE(doc->HasRecord("EASG", column));
  int k = ATRUP_SLAB_EDGE;
  EXPECT_FALSE(ctrl.DeletePMembData(k));
  db->Undo();
  EXPECT_TRUE(doc->HasRecord("EASG", column));
}

// ---- Point loads and wall openings ----

// A point's loads and specified displacements are its PTLD records, one entry each in key
// order with the load case's name and the count; deleting one kind removes every record of
// that kind of the point in one step, and deleting the point takes its records along.
TEST_F(MembData, PointLoadsAndDisplacementsAreReadAndDeletedByKind) {
  auto* ptld = Table<CClassPtld>();
  auto add = [&](UINT pt, UINT lc, int kind, int n) {
    T_PTLD_D r;
    r.pont = pt, r.loadCase = lc, r.kind = kind, r.n = n, r.v[2] = -10;
    UINT key = ptld->GetNewKey();
    EXPECT_TRUE(ptld->TR_Add(r));
    return key;
  };
  add(a, 2, 0, 0);
  add(a, 1, 1, 3);
  add(b, 1, 0, 1);
  add(a, 1, 0, 2);
  add(a, 99, 0, 1);  // a load case that is gone: no name
  add(a, 1, 7, 1);   // neither kind: not shown
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_PONT, ctrl.m_nObjKey = a;
  T_PATR_D p;
  ASSERT_TRUE(ctrl.GetPointAttr(p, 1));
  auto text = [](const CArray<T_LATR_D>& l) {
    std::string s;
    for (const T_LATR_D& e : l) s += std::string(e.name.c_str()) + ":" + std::to_string(e.flag) + ";";
    return s;
  };
  EXPECT_EQ(text(p.pointLoads), "LL:0;DL:2;:1;");
  EXPECT_EQ(text(p.specifiedDisps), "DL:3;");

  wnd.codes.clear();
  const int undo = db->GetUndoCount();
  ASSERT_TRUE(ctrl.DeletePontData(ATRUP_PONT_LOAD));
  EXPECT_EQ(db->GetUndoCount(), undo + 1);
  EXPECT_EQ(wnd.codes, std::vector<int>{ATRUP_PONT_LOAD});
  ASSERT_TRUE(ctrl.GetPointAttr(p, 0));
  EXPECT_TRUE(p.pointLoads.IsEmpty());
  EXPECT_EQ(text(p.specifiedDisps), "DL:3;");
  EXPECT_FALSE(ctrl.DeletePontData(ATRUP_PONT_LOAD)) << "nothing left to delete";
  CUIntArray keys;
  ASSERT_TRUE(ptld->GetKeyListByPont(b, keys));
  EXPECT_EQ(keys.GetSize(), 1) << "the other point keeps its load";
  ASSERT_TRUE(db->Undo());
  ASSERT_TRUE(ctrl.GetPointAttr(p, 0));
  EXPECT_EQ(text(p.pointLoads), "LL:0;DL:2;:1;");
  ASSERT_TRUE(ctrl.DeletePontData(ATRUP_PONT_DISP));
  ASSERT_TRUE(ctrl.GetPointAttr(p, 0));
  EXPECT_TRUE(p.specifiedDisps.IsEmpty());

  // A point that goes takes its records along.
  const UINT lone = Point(9, 9);
  add(lone, 1, 0, 1);
  const int count = ptld->GetCount();
  ASSERT_TRUE(pont->TR_Del(lone));
  EXPECT_EQ(ptld->GetCount(), count - 1);
  EXPECT_FALSE(ptld->GetKeyListByPont(lone, keys));
}

// A wall's openings are its AWOP record; the opening flag follows the record; an opening
// is deleted by its index, the record with the last one; the record goes with its wall.
TEST_F(MembData, WallOpeningsAreReadAndDeletedByIndex) {
  EXPECT_EQ(Attr(CMembDataCtrl::OBJ_WALL, wall).openFlag, 0);
  put("AWOP", wall, {"twop=1,2,3", "pos=0.5,2,4.25"});
  EXPECT_EQ(Attr(CMembDataCtrl::OBJ_WALL, wall).openFlag, 1);
  wnd.codes.clear();
  ASSERT_TRUE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, 1));
  EXPECT_EQ(wnd.codes, std::vector<int>{ATRUP_WALL_OPENING});
  CString dump;
  ASSERT_TRUE(doc->DumpTable("AWOP", dump));
  EXPECT_EQ(std::string(dump.c_str()), "table AWOP 1\n" + std::to_string(wall) + " twop=1,3 pos=0.5,4.25\n");
  for (int bad : {-1, 2}) EXPECT_FALSE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, bad)) << bad;
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM, ctrl.m_nObjKey = beam;
  EXPECT_FALSE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, 0)) << "a beam has no openings";
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_WALL, ctrl.m_nObjKey = wall;
  ASSERT_TRUE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, 0));
  ASSERT_TRUE(ctrl.DeleteMembData(ATRUP_WALL_OPENING, 0));
  EXPECT_EQ(doc->GetRecordCount("AWOP"), 0) << "the last opening takes the record";
  EXPECT_EQ(Attr(CMembDataCtrl::OBJ_WALL, wall).openFlag, 0);
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ(doc->GetRecordCount("AWOP"), 1);
  ASSERT_TRUE(memb->TR_Del(wall));
  EXPECT_EQ(doc->GetRecordCount("AWOP"), 0) << "the record goes with its wall";
}

// A real list is a field of its own: dumped, put whole or by element, refused when a word
// is no finite number, kept equal in length to its key list, saved and read back. Files
// written with the former names of the stair and point-load columns read alike.
TEST_F(MembData, RealListsAndRenamedColumnsSurviveModelFiles) {
  CStringArray f;
  CString bad;
  auto putFields = [&](const char* code, UINT key, std::initializer_list<const char*> fields) {
    f.RemoveAll();
    for (const char* x : fields) f.Add(x);
    return doc->PutRecord(code, key, f, bad);
  };
  EXPECT_EQ(putFields("AWOP", wall, {"twop=4,5", "pos=1.5,-"}), -1) << "no number";
  EXPECT_EQ(putFields("AWOP", wall, {"twop=4,5", "pos=1.5,inf"}), -1) << "not finite";
  EXPECT_EQ(putFields("AWOP", wall, {"twop=4,5", "pos=1.5"}), 0) << "lists of unequal length";
  EXPECT_EQ(putFields("AWOP", wall, {"twop=4,5", "pos=1.5,3"}), 1);
  EXPECT_EQ(putFields("AWOP", wall, {"twop[2]=6", "pos[2]=0.125"}), 1);
  put("STIK", slab, {"b=0.28", "h=0.16", "extra=0.08", "flag=1"});
  put("PTLD", 3, {"kind=1", "loadCase=2", "n=4", "v[5]=2.5"});
  CString awop, stik, ptld;
  doc->DumpTable("AWOP", awop);
  doc->DumpTable("STIK", stik);
  doc->DumpTable("PTLD", ptld);
  EXPECT_EQ(std::string(awop.c_str()), "table AWOP 1\n" + std::to_string(wall) + " twop=4,5,6 pos=1.5,3,0.125\n");
  EXPECT_EQ(std::string(stik.c_str()), "table STIK 1\n" + std::to_string(slab) + " b=0.28 h=0.16 extra=0.08 flag=1\n");
  EXPECT_EQ(std::string(ptld.c_str()), "table PTLD 1\n3 pont=0 loadCase=2 kind=1 n=4 v[0]=0 v[1]=0 v[2]=0 v[3]=0 v[4]=0 v[5]=2.5\n");

  const std::string path = ::testing::TempDir() + "wall_openings_" + std::to_string((long)getpid()) + ".zel";
  CString err;
  ASSERT_TRUE(doc->SaveModel(path.c_str(), err)) << err.c_str();
  sqlite3* file = nullptr;
  ASSERT_EQ(sqlite3_open(path.c_str(), &file), SQLITE_OK);
  const char* sql =
      "ALTER TABLE STIK RENAME COLUMN extra TO extraThick; ALTER TABLE STIK RENAME COLUMN flag TO userThick;"
      "ALTER TABLE PTLD RENAME COLUMN pont TO owner;";
  ASSERT_EQ(sqlite3_exec(file, sql, nullptr, nullptr, nullptr), SQLITE_OK) << sqlite3_errmsg(file);
  sqlite3_close(file);
  CDBDoc other(FALSE);
  ASSERT_TRUE(other.OpenModel(path.c_str(), err)) << err.c_str();
  for (const char* code : {"AWOP", "STIK", "PTLD"}) {
    CString mine, theirs;
    doc->DumpTable(code, mine);
    other.DumpTable(code, theirs);
    EXPECT_EQ(theirs, mine) << code;
  }
  unlink(path.c_str());
}

}  // namespace
