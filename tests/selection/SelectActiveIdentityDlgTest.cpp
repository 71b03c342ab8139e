// The select-and-activate window on the small frame: main attributes and sub lists per
// model, with two towers and with one; the six operations with the story scope, include
// points, Add and Intersect; the message for a missing sub item; the refills; Close.
#include <gtest/gtest.h>

#include "db/CClassGrup.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "selection/CSelectActiveIdentityDlg.h"
#include "ui/CDlgModelessMgr.h"
#include "ui/CMsgDll.h"
#include "ActiveFixture.h"

namespace {

class SelectActiveDlg : public ActiveFixture {
 protected:
  void Open() {
    dlg = new CSelectActiveIdentityDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_SELECT_ACTIVE_IDENTITY, IDD_CMD_SELECT_ACTIVE_IDENTITY));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
    dialogs.push_back(IDD_CMD_SELECT_ACTIVE_IDENTITY);
  }
  // The main attribute of that code.
  void Main(UINT code) {
    for (int i = 0; i < List(IDC_SELACT_MAIN).GetCount(); ++i)
      if (List(IDC_SELACT_MAIN).GetItemData(i) == code) {
        ASSERT_TRUE(user.SelectRows(IDC_SELACT_MAIN, {i}));
        return;
      }
    FAIL() << "no main attribute " << code;
  }
  std::string MainCodes() {
    std::string s;
    for (int i = 0; i < List(IDC_SELACT_MAIN).GetCount(); ++i)
      s += (i ? "," : "") + std::to_string(List(IDC_SELACT_MAIN).GetItemData(i));
    return s;
  }
  std::string Sub() { return Items(IDC_SELACT_SUB); }
  std::string SubData() {
    std::string s;
    for (int i = 0; i < List(IDC_SELACT_SUB).GetCount(); ++i)
      s += (i ? "," : "") + std::to_string(List(IDC_SELACT_SUB).GetItemData(i));
    return s;
  }
  void Sel(std::initializer_list<UINT> data) { SelectData(IDC_SELACT_SUB, data); }
  void Tick(UINT id, int on) { ASSERT_TRUE(user.Check(id, on)); }
  // "points|members" selected in the building model.
  std::string Selection(DB_CDataBase* d = nullptr) {
    if (d) return SelectFixture::Sel(CViewCtrl::PNODE, d) + "|" + SelectFixture::Sel(CViewCtrl::PMEMB, d);
    return SelectFixture::Sel(CViewCtrl::PONT) + "|" + SelectFixture::Sel(CViewCtrl::MEMB);
  }

  CSelectActiveIdentityDlg* dlg = nullptr;
};

TEST_F(SelectActiveDlg, SubListsLeaveOutWhatNothingUsesWithTwoTowersAndWithOne) {
  Open();
  EXPECT_EQ(MainCodes(), "21,22,24,26,25,11,2,3,4");
  EXPECT_EQ(Sub(), "Tower1 : 1F=3|Tower2 : 3F=9") << "stories at first, empty ones left out";
  struct Case { UINT code; const char* items; } cases[] = {
      {QUERY_PLAN, "Plan1=1|Basement=2|Podium=3|Typical1=4|Roof1=5|Typical2=6|Roof2=7"},
      {QUERY_MDUL, "Tower1=1|Tower2=2"},
      {QUERY_NPLN, "Y0=1|X0=2"},
      {QUERY_GROUP, "G1=1|G3=3"},
      {QUERY_THICKNESS, "1    : 120=1|2    : 200=2"},
  };
  for (const Case& c : cases) {
    Main(c.code);
    EXPECT_EQ(Sub(), c.items) << c.code;
  }
  Main(QUERY_MEMB_TYPE);
  EXPECT_EQ(SubData(), "101,201,202,205,301") << "types without members left out";
  Main(QUERY_MATERIAL);
  EXPECT_EQ(SubData(), "1,2,3,4") << "unused materials left out";

  OneTower();
  Main(QUERY_MDUL);
  EXPECT_EQ(Sub(), "=1");
  Main(QUERY_STOR);
  EXPECT_EQ(Sub(), "1F=3");
  Main(QUERY_MEMB_TYPE);
  EXPECT_EQ(SubData(), "101,201,202,301") << "the brace went with tower 2";
}

TEST_F(SelectActiveDlg, ModeOneOffersNoFloorsOrGroupsAndListsEveryStory) {
  Open();
  ToAnalysis();
  EXPECT_EQ(dlg->GetMode(), 1);
  EXPECT_EQ(MainCodes(), "21,24,26,11,2,3,4");
  EXPECT_EQ(Sub(),
            "Tower1 : RF=8|Tower1 : 5F=7|Tower1 : 4F=6|Tower1 : 3F=5|Tower1 : 2F=4|Tower1 : 1F=3|Tower1 : B1=2|"
            "Tower1 : Base=1|Tower2 : RF=12|Tower2 : 5F=11|Tower2 : 4F=10|Tower2 : 3F=9");
  Main(QUERY_MEMB_TYPE);
  EXPECT_EQ(SubData(), "101,201,209,205,301");
}

TEST_F(SelectActiveDlg, SelectAndUnselectWithAddScopeAndIncludePoints) {
  Open();
  Sel({3});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "1,2,3,4,5,6|1,2,3,4,5");
  EXPECT_EQ(dlg->GetLastOperation(), CSelectActiveIdentityDlg::OP_SELECT);
  Sel({9});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "7,8|6") << "replaces";
  Tick(IDC_SELACT_ADD, 1);
  Sel({3});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "1,2,3,4,5,6,7,8|1,2,3,4,5,6") << "adds";
  Main(QUERY_MEMB_TYPE);
  Sel({201});
  ASSERT_TRUE(user.Click(IDC_SELACT_UNSELECT));
  EXPECT_EQ(Selection(), "4,5,6,7,8|3,4,5,6");

  // The story scope drops points and keeps members of types 200, 201, 205, 301 and 302.
  Main(QUERY_STOR);
  EXPECT_TRUE(Visible(IDC_SELACT_SCOPE_STORY));
  Tick(IDC_SELACT_ADD, 0);
  Tick(IDC_SELACT_SCOPE_STORY, 1);
  Sel({3, 9});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "-|1,2,5,6");
  // Another main attribute hides the scope and sets it back to all.
  Main(QUERY_MDUL);
  EXPECT_FALSE(Visible(IDC_SELACT_SCOPE_STORY));
  EXPECT_EQ(Checked(IDC_SELACT_SCOPE_ALL), 1);
  Main(QUERY_STOR);
  EXPECT_EQ(Checked(IDC_SELACT_SCOPE_STORY), 0);
  // Include points cleared.
  Tick(IDC_SELACT_POINTS, 0);
  Sel({9});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "-|6");
  ASSERT_TRUE(user.Click(IDC_SELACT_UNSELECT_ALL));
  EXPECT_EQ(Selection(), "-|-");
  EXPECT_EQ(view->Take(), "") << "selection never calls the view";
}

TEST_F(SelectActiveDlg, ActivateAndInactivateWithAndWithoutAdd) {
  Open();
  struct Step { const char* what; int add; std::initializer_list<UINT> items; UINT button; const char* calls; } steps[] = {
      {"activate", 0, {3}, IDC_SELACT_ACTIVATE, "ActivateObjects 1,2,3,4,5,6|1,2,3,4,5"},
      {"inactivate", 0, {9}, IDC_SELACT_INACTIVATE, "InactivateObjects 7,8|6"},
      {"add", 1, {9}, IDC_SELACT_ACTIVATE, "ChangeActiveObjects1 7,8|6"},
      {"remove", 1, {3}, IDC_SELACT_INACTIVATE, "ChangeActiveObjects2 1,2,3,4,5,6|1,2,3,4,5"},
      {"all", 1, {}, IDC_SELACT_ACTIVATE_ALL, "ActivateAll"},
  };
  for (const Step& s : steps) {
    Tick(IDC_SELACT_ADD, s.add);
    if (s.items.size()) Sel(s.items);
    ASSERT_TRUE(user.Click(s.button)) << s.what;
    EXPECT_EQ(view->Take(), s.calls) << s.what;
  }
  // The story scope also narrows what is activated.
  Tick(IDC_SELACT_ADD, 0);
  Tick(IDC_SELACT_SCOPE_STORY, 1);
  Sel({3});
  ASSERT_TRUE(user.Click(IDC_SELACT_ACTIVATE));
  EXPECT_EQ(view->Take(), "ActivateObjects -|1,2,5");
}

TEST_F(SelectActiveDlg, IntersectKeepsWhatIsSelectedOrActiveAfterTheLastOperationsKind) {
  Open();
  db->GetViewCtrl()->Select(nullptr, Keys({1, 7}), Keys({1, 3, 6}), none, none, 0, 0, 1);
  Tick(IDC_SELACT_INTERSECT, 1);
  Sel({3});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(), "1|1,3");
  EXPECT_EQ(view->Take(), "");

  view->ActivateObjects(Keys({2, 7}), nullptr, nullptr, Keys({2, 6}), 0);
  view->Take();
  ASSERT_TRUE(user.Click(IDC_SELACT_ACTIVATE));
  EXPECT_EQ(view->Take(), "GetActiveObjects; ActivateObjects 2|2");

  // Add and Intersect are never both ticked: the one just ticked wins.
  Tick(IDC_SELACT_ADD, 1);
  EXPECT_EQ(Checked(IDC_SELACT_INTERSECT), 0);
  Tick(IDC_SELACT_INTERSECT, 1);
  EXPECT_EQ(Checked(IDC_SELACT_ADD), 0);
  Tick(IDC_SELACT_INTERSECT, 0);
  EXPECT_EQ(Checked(IDC_SELACT_ADD) + Checked(IDC_SELACT_INTERSECT), 0);
}

TEST_F(SelectActiveDlg, ANamedPlaneInModeOneGivesNodesAndElementsAndIntersectsTheirSelection) {
  Open();
  db->GetViewCtrl()->Select(nullptr, Keys({1, 2}), Keys({1, 2}), none, none, 0, 0, 1);
  ToAnalysis();
  Post()->GetViewCtrl()->Select(nullptr, none, none, Keys({2, 4, 7}), Keys({2, 3, 6}), 0, 0, 1);
  Main(QUERY_NPLN);
  Sel({1});
  Tick(IDC_SELACT_INTERSECT, 1);
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(Post()), "2,7|2,6") << "the analysis model's selection, intersected";
  EXPECT_EQ(Selection(), "1,2|1,2") << "the building model's selection is not touched";
  Tick(IDC_SELACT_INTERSECT, 0);
  ASSERT_TRUE(user.Click(IDC_SELACT_ACTIVATE));
  EXPECT_EQ(view->Take(), "ActivateNodeElems 1,2,3,7,8|1,2,6");
  // The story scope of the analysis model keeps elements of types 201, 204, 205, 301.
  Main(QUERY_STOR);
  Tick(IDC_SELACT_SCOPE_STORY, 1);
  Sel({3});
  ASSERT_TRUE(user.Click(IDC_SELACT_SELECT));
  EXPECT_EQ(Selection(Post()), "-|1,2,5");
}

TEST_F(SelectActiveDlg, NoSubItemShowsTheMessageAndChangesNothing) {
  Open();
  db->GetViewCtrl()->Select(nullptr, Keys({1}), Keys({2}), none, none, 0, 0, 1);
  for (UINT button : {IDC_SELACT_SELECT, IDC_SELACT_UNSELECT, IDC_SELACT_ACTIVATE, IDC_SELACT_INACTIVATE}) {
    AfxClearMessageLog();
    ASSERT_TRUE(user.Click(button));
    ASSERT_EQ(AfxGetMessageCount(), 1) << button;
    EXPECT_STREQ(AfxGetLastMessage()->text, CMsgDll::pfuncLoadStr("IDS_CMD_ERROR__SELECT_SUB_IDENTITY", 0));
    EXPECT_EQ(Selection(), "1|2") << button << " keeps the selection";
    EXPECT_EQ(view->Take(), "") << button;
  }
}

TEST_F(SelectActiveDlg, SubListsFollowTheirTablesOnly) {
  Open();
  Main(QUERY_MEMB_TYPE);
  Sel({205});
  T_GRUP_D g;
  g.name = "G4";
  g.members.Add(2);
  ASSERT_TRUE(Table<CClassGrup>()->TR_Add(g));
  EXPECT_EQ(List(IDC_SELACT_SUB).GetSelCount(), 1) << "an unlisted table refills nothing";
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(6u));
  EXPECT_EQ(SubData(), "101,201,202,301");
  Main(QUERY_STOR);
  EXPECT_EQ(Sub(), "Tower1 : 1F=3") << "story 9 is empty now";
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Sub(), "Tower1 : 1F=3|Tower2 : 3F=9");
}

TEST_F(SelectActiveDlg, CloseHidesAndTheFactoryShowsTheSameWindow) {
  dialogs.push_back(IDD_CMD_SELECT_ACTIVE_IDENTITY);
  ASSERT_EQ(ICmdDialog::DoModeless("CSelectActiveIdentityDlg", nullptr, nullptr), 1);
  auto* open =
      dynamic_cast<CSelectActiveIdentityDlg*>(doc->GetDlgCtrl()->GetDlg(IDD_CMD_SELECT_ACTIVE_IDENTITY));
  ASSERT_NE(open, nullptr);
  user.SetDialog(open);
  Tick(IDC_SELACT_ADD, 1);
  ASSERT_TRUE(user.Click(IDC_SELACT_CLOSE));
  EXPECT_FALSE(open->IsWindowVisible());
  ASSERT_EQ(ICmdDialog::DoModeless("CSelectActiveIdentityDlg", nullptr, nullptr), 1);
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(IDD_CMD_SELECT_ACTIVE_IDENTITY), open);
  EXPECT_TRUE(open->IsWindowVisible());
  EXPECT_EQ(Checked(IDC_SELACT_ADD), 1);
}

}  // namespace
