// The attribute control's grade change: the member's own grade record takes the code in
// the slot its kind reads, as one undoable step followed by the seismic-grade notice.
#include <gtest/gtest.h>

#include <vector>
#include "afx/CWnd.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPrel.h"
#include "db/CMembDataCtrl.h"
#include "DbFixture.h"

namespace {

class GradeNoticeWnd : public CWnd {
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

class MembGradeWrite : public DbTest {
 public:
  void SetUp() override {
    DbTest::SetUp();
    doc->NewSampleModel();
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    prel = static_cast<CClassPrel*>(db->GetClass(CClassPrel::m_nClassID));
    lfeg = static_cast<CClassLfeg*>(db->GetClass(CClassLfeg::m_nClassID));
    auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    T_PONT_D p;
    p.storyKey = 3;
    UINT a = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    p.x = 6;
    UINT b = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    // Sample sections: 1 concrete, 3 steel.
    concrete = Member(101, a, b, 1);
    steel = Member(101, a, b, 3);
    wall = Member(202, a, b, 3);
    ASSERT_TRUE(wnd.CreateEx(0, nullptr, "page", WS_POPUP, CRect(0, 0, 10, 10), nullptr, 0));
    ctrl.Initialize(&wnd);
  }
  UINT Member(int type, UINT a, UINT b, UINT sect) {
    T_MEMB_D m;
    m.type = type, m.storyKey = 3, m.sectKey = sect;
    m.points.Add(a);
    m.points.Add(b);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  // The member's grade codes, "-" without a grade record.
  std::string Codes(UINT m) {
    CUIntArray links;
    T_PREL_D link;
    T_LFEG_D g;
    if (!prel->GetKeyListFromMembK(m, links) || !prel->Get(links[links.GetSize() - 1], link) || !lfeg->Get(link.lfeg, g))
      return "-";
    return std::to_string(g.code[0]) + "," + std::to_string(g.code[1]) + "," + std::to_string(g.code[2]);
  }
  CClassMemb* memb = nullptr;
  CClassPrel* prel = nullptr;
  CClassLfeg* lfeg = nullptr;
  GradeNoticeWnd wnd;
  CMembDataCtrl ctrl;
  UINT concrete = 0, steel = 0, wall = 0;
};

TEST_F(MembGradeWrite, TheCodeGoesToTheSlotTheMembersKindReads) {
  const struct {
    UINT* memb;
    int cls;
    int code;
    const char* codes;
  } cases[] = {
      {&concrete, CMembDataCtrl::OBJ_COLUMN, 302, "302,0,0"},
      {&steel, CMembDataCtrl::OBJ_COLUMN, 307, "0,307,0"},
      {&wall, CMembDataCtrl::OBJ_WALL, 301, "301,0,0"},
      {&concrete, CMembDataCtrl::OBJ_COLUMN, 0, "0,0,0"},
  };
  for (const auto& c : cases) {
    ctrl.m_nObjClass = c.cls, ctrl.m_nObjKey = *c.memb;
    wnd.codes.clear();
    const int undo = db->GetUndoCount();
    EXPECT_TRUE(ctrl.ModifyMembLVL(c.code)) << c.codes;
    EXPECT_EQ(Codes(*c.memb), c.codes);
    EXPECT_EQ(db->GetUndoCount(), undo + 1) << c.codes;
    EXPECT_EQ(wnd.codes, std::vector<int>{214}) << c.codes;
  }
}

TEST_F(MembGradeWrite, ACodeThatIsNoGradeWritesAndTellsNothing) {
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_COLUMN, ctrl.m_nObjKey = concrete;
  const int undo = db->GetUndoCount();
  for (int code : {305, 1, -1, 310}) EXPECT_FALSE(ctrl.ModifyMembLVL(code)) << code;
  ctrl.m_nObjKey = 4711;
  EXPECT_FALSE(ctrl.ModifyMembLVL(301)) << "no member";
  EXPECT_EQ(db->GetUndoCount(), undo);
  EXPECT_TRUE(wnd.codes.empty());
  EXPECT_EQ(Codes(concrete), "-");
}

}  // namespace
