// The activation window on the small frame: its lists per category and model, with two
// towers and with one; the view calls of each button; the mode change; the story-extent
// radios; the refills; Close and the factory.
#include <gtest/gtest.h>

#include "db/CClassGrup.h"
#include "db/CClassNpln.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "res/resource.h"
#include "selection/CMActiveIdentityDlg.h"
#include "ui/CDlgModelessMgr.h"
#include "ActiveFixture.h"

namespace {

class ActiveIdentityDlg : public ActiveFixture {
 protected:
  void Open() {
    dlg = new CMActiveIdentityDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_ACTIVE_IDENTITY, IDD_CMD_ACTIVE_IDENTITY));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
    dialogs.push_back(IDD_CMD_ACTIVE_IDENTITY);
  }
  std::string Items() { return ActiveFixture::Items(IDC_ACTID_LIST); }
  void Category(UINT radio) { ASSERT_TRUE(user.Check(radio, 1)); }

  CMActiveIdentityDlg* dlg = nullptr;
};

constexpr const char* kStories2 =
    "Tower2 : RF=12|Tower2 : 5F=11|Tower2 : 4F=10|Tower2 : 3F=9|Tower1 : RF=8|Tower1 : 5F=7|Tower1 : 4F=6|"
    "Tower1 : 3F=5|Tower1 : 2F=4|Tower1 : 1F=3|Tower1 : B1=2|Tower1 : Base=1";

TEST_F(ActiveIdentityDlg, ListsPerCategoryWithTwoTowersAndWithOne) {
  Open();
  EXPECT_EQ(dlg->GetCategory(), 2) << "stories at first";
  EXPECT_EQ(Items(), kStories2);
  struct Case { UINT radio; const char* items; } cases[] = {
      {IDC_ACTID_TOWER, "Tower1=1|Tower2=2"},
      {IDC_ACTID_PLAN, "Plan1=1|Basement=2|Podium=3|Typical1=4|Roof1=5|Typical2=6|Roof2=7"},
      {IDC_ACTID_GROUP, "G1=1|G3=3"},
      {IDC_ACTID_NPLN, "Y0=1|X0=2"},
  };
  for (const Case& c : cases) {
    Category(c.radio);
    EXPECT_EQ(Items(), c.items) << c.radio;
  }
  Category(IDC_ACTID_MEMB_TYPE);
  EXPECT_EQ(List(IDC_ACTID_LIST).GetCount(), 10) << "every type, members or not";
  EXPECT_EQ(List(IDC_ACTID_LIST).GetItemData(2), 201u);

  OneTower();
  Category(IDC_ACTID_TOWER);
  EXPECT_EQ(Items(), "=1");
  Category(IDC_ACTID_STORY);
  EXPECT_EQ(Items(), "RF=8|5F=7|4F=6|3F=5|2F=4|1F=3|B1=2|Base=1");
  // The one tower's item queries with its key.
  Category(IDC_ACTID_TOWER);
  SelectData(IDC_ACTID_LIST, {1});
  ASSERT_TRUE(user.Click(IDC_ACTID_ACTIVATE));
  EXPECT_EQ(view->Take(), "ActivateObjects 1,2,3,4,5,6|1,2,3,4,5");
}

TEST_F(ActiveIdentityDlg, ButtonsCallTheViewOnlyForObjectsFound) {
  Open();
  struct Step { const char* what; UINT radio; std::initializer_list<UINT> items; UINT button; const char* calls; } steps[] = {
      {"nothing chosen", IDC_ACTID_STORY, {}, IDC_ACTID_ACTIVATE, ""},
      {"nothing chosen, add", IDC_ACTID_STORY, {}, IDC_ACTID_ADD, ""},
      {"nothing chosen, remove", IDC_ACTID_STORY, {}, IDC_ACTID_REMOVE, ""},
      {"an empty story", IDC_ACTID_STORY, {4}, IDC_ACTID_ACTIVATE, ""},
      {"a story", IDC_ACTID_STORY, {3}, IDC_ACTID_ACTIVATE, "ActivateObjects 1,2,3,4,5,6|1,2,3,4,5"},
      {"add a story", IDC_ACTID_STORY, {9}, IDC_ACTID_ADD, "ChangeActiveObjects1 7,8|6"},
      {"remove a type", IDC_ACTID_MEMB_TYPE, {201, 101}, IDC_ACTID_REMOVE, "ChangeActiveObjects2 1,2,3,4|1,2,3"},
      {"a group", IDC_ACTID_GROUP, {1}, IDC_ACTID_ACTIVATE, "ActivateObjects 1,2|1"},
      {"a plane", IDC_ACTID_NPLN, {2}, IDC_ACTID_ACTIVATE, "ActivateObjects 1,4,7|3"},
      {"everything", IDC_ACTID_STORY, {}, IDC_ACTID_ALL, "ActivateAll"},
  };
  for (const Step& s : steps) {
    Category(s.radio);
    if (s.items.size()) SelectData(IDC_ACTID_LIST, s.items);
    ASSERT_TRUE(user.Click(s.button)) << s.what;
    EXPECT_EQ(view->Take(), s.calls) << s.what;
  }
  // What the view holds after the add and remove above ran on a story's activation.
  Category(IDC_ACTID_STORY);
  SelectData(IDC_ACTID_LIST, {3});
  ASSERT_TRUE(user.Click(IDC_ACTID_ACTIVATE));
  Category(IDC_ACTID_MEMB_TYPE);
  SelectData(IDC_ACTID_LIST, {301});
  ASSERT_TRUE(user.Click(IDC_ACTID_REMOVE));
  CUIntArray m, p;
  view->GetActiveObjects(m, p);
  EXPECT_EQ(Str(m), "1,2,3,4");
  EXPECT_EQ(Str(p), "1,2,3");
}

TEST_F(ActiveIdentityDlg, ModeOneDisablesFloorsAndGroupsAndWorksOnNodesAndElements) {
  Open();
  Category(IDC_ACTID_PLAN);
  ToAnalysis();
  EXPECT_EQ(dlg->GetMode(), 1);
  EXPECT_FALSE(Enabled(IDC_ACTID_PLAN));
  EXPECT_FALSE(Enabled(IDC_ACTID_GROUP));
  EXPECT_EQ(Checked(IDC_ACTID_STORY), 1);
  EXPECT_EQ(Checked(IDC_ACTID_PLAN), 0);
  EXPECT_EQ(Items(), kStories2);
  EXPECT_TRUE(Visible(IDC_ACTID_EXTENT_ALL));

  Category(IDC_ACTID_MEMB_TYPE);
  EXPECT_EQ(List(IDC_ACTID_LIST).GetItemData(3), 209u) << "walls as elements";
  SelectData(IDC_ACTID_LIST, {209});
  ASSERT_TRUE(user.Click(IDC_ACTID_ACTIVATE));
  EXPECT_EQ(view->Take(), "ActivateNodeElems 3,4|4");
  // A named plane is looked up in the building model; the view gets nodes and elements.
  Category(IDC_ACTID_NPLN);
  EXPECT_EQ(Items(), "Y0=1|X0=2");
  SelectData(IDC_ACTID_LIST, {1});
  ASSERT_TRUE(user.Click(IDC_ACTID_ACTIVATE));
  EXPECT_EQ(view->Take(), "ActivateNodeElems 1,2,3,7,8|1,2,6");
  EXPECT_EQ(Items(), "Y0=1|X0=2");
  ASSERT_TRUE(user.Click(IDC_ACTID_ADD));
  EXPECT_EQ(view->Take(), "ChangeActiveObjects1 1,2,3,7,8|1,2,6");

  // A plane added while in mode 1 joins the list: planes live in the model database.
  T_NPLN_D z0;
  z0.name = "Z0";
  ASSERT_TRUE(Table<CClassNpln>()->TR_Add(z0));
  EXPECT_EQ(Items(), "Y0=1|X0=2|Z0=3");

  doc->SetPostMode(FALSE);
  doc->UpdateAllViews(nullptr, 8);
  EXPECT_EQ(dlg->GetMode(), 0);
  EXPECT_TRUE(Enabled(IDC_ACTID_PLAN));
  EXPECT_TRUE(Enabled(IDC_ACTID_GROUP));
  // Groups chosen when the mode changes: stories again.
  Category(IDC_ACTID_GROUP);
  ToAnalysis();
  EXPECT_EQ(Checked(IDC_ACTID_STORY), 1);
  EXPECT_EQ(Checked(IDC_ACTID_GROUP), 0);
  EXPECT_EQ(dlg->GetCategory(), 2);
}

TEST_F(ActiveIdentityDlg, ExtentRadiosShowForStoriesOnly) {
  Open();
  EXPECT_TRUE(Visible(IDC_ACTID_EXTENT_ALL));
  EXPECT_TRUE(Visible(IDC_ACTID_EXTENT_FLOOR));
  EXPECT_FALSE(Enabled(IDC_ACTID_EXTENT_FLOOR));
  EXPECT_FALSE(Enabled(IDC_ACTID_UCS));
  Category(IDC_ACTID_TOWER);
  EXPECT_FALSE(Visible(IDC_ACTID_EXTENT_ALL));
  EXPECT_FALSE(Visible(IDC_ACTID_EXTENT_FLOOR));
  Category(IDC_ACTID_STORY);
  EXPECT_TRUE(Visible(IDC_ACTID_EXTENT_ALL));
}

TEST_F(ActiveIdentityDlg, OnlyTheCurrentCategorysTablesRefillTheList) {
  Open();
  Category(IDC_ACTID_MEMB_TYPE);
  SelectData(IDC_ACTID_LIST, {201});
  T_GRUP_D g;
  g.name = "G4";
  g.members.Add(2);
  ASSERT_TRUE(Table<CClassGrup>()->TR_Add(g));  // key 4
  EXPECT_EQ(List(IDC_ACTID_LIST).GetSelCount(), 1) << "an unlisted table refills nothing";
  Category(IDC_ACTID_GROUP);
  EXPECT_EQ(Items(), "G1=1|G3=3|G4=4") << "read afresh when chosen";
  ASSERT_TRUE(Table<CClassGrup>()->TR_Del(1u));
  EXPECT_EQ(Items(), "G3=3|G4=4");
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Items(), "G1=1|G3=3|G4=4");
}

TEST_F(ActiveIdentityDlg, CloseHidesAndTheFactoryShowsTheSameWindow) {
  dialogs.push_back(IDD_CMD_ACTIVE_IDENTITY);
  ASSERT_EQ(ICmdDialog::DoModeless("CMActiveIdentityDlg", nullptr, nullptr), 1);
  auto* open = dynamic_cast<CMActiveIdentityDlg*>(doc->GetDlgCtrl()->GetDlg(IDD_CMD_ACTIVE_IDENTITY));
  ASSERT_NE(open, nullptr);
  user.SetDialog(open);
  Category(IDC_ACTID_GROUP);
  ASSERT_TRUE(user.Click(IDC_ACTID_CLOSE));
  EXPECT_FALSE(open->IsWindowVisible());
  ASSERT_EQ(ICmdDialog::DoModeless("CMActiveIdentityDlg", nullptr, nullptr), 1);
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(IDD_CMD_ACTIVE_IDENTITY), open);
  EXPECT_TRUE(open->IsWindowVisible());
  EXPECT_EQ(open->GetCategory(), 4) << "the choices stay";
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

}  // namespace
