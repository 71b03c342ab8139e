// The levels page in a test host dialog, through its buttons and real transactions.
#include <gtest/gtest.h>

#include <cfloat>
#include <memory>

#include "afx/CTabCtrl.h"
#include "afx/CUserDriver.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdPlanGrid.h"
#include "levels/CCmdStorGrid.h"
#include "tests/levels/LevelsFixture.h"
#include "tests/levels/LevelsPageHost.h"

namespace {

class LevelsPageTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    AddStories(CClassMdul::MAIN_TOWER, 5);
    for (const char* name : {"A", "B"}) {
      T_PLAN_D p;
      p.name = name;
      ASSERT_TRUE(plan->TR_Add(p));
    }
  }
  void TearDown() override {
    host.reset();
    LevelsTest::TearDown();
  }
  // Opens the page (modeless host) and a user acting on it.
  void Open() {
    host = std::make_unique<CLevelsPageHost>();
    ASSERT_TRUE(host->CreateModeless());
    user.SetDialog(host.get());
    AfxClearMessageLog();
    counter.transactions = 0;
  }
  CCmdPlanStoryDlgGeneral2& Page() { return host->page; }
  CWnd* Ctl(int id) { return Page().GetDlgItem(id); }
  std::string TextOf(int id) {
    CString s;
    Ctl(id)->GetWindowText(s);
    return s.c_str();
  }
  // Makes the row of a key current in a grid.
  template <class Grid>
  void MakeCurrent(Grid* grid, UINT key) {
    int row = grid->FindRowByKey(key);
    ASSERT_GT(row, 0) << key;
    ASSERT_TRUE(user.SelectGridRows(grid, {row}));
  }
  // The names a grid shows in its name column, top to bottom, record rows only.
  template <class Grid>
  std::string Shown(Grid* grid) {
    std::string s;
    ROWCOL nameCol = grid->GetColumnNoFor(1);
    for (ROWCOL r = 1; r < grid->GetAppendRowNo() || (r == grid->GetAppendRowNo() && !grid->IsAppendRowEnabled()); ++r) {
      if (!grid->GetRowKey(r)) continue;
      s += std::string(s.empty() ? "" : ",") + grid->GetValueRowCol(r, nameCol).c_str();
    }
    return s;
  }
  std::string TabTitles() {
    auto* tab = dynamic_cast<CTabCtrl*>(Ctl(IDC_CMD_TAB_MDUL));
    std::string s;
    for (int i = 0; tab && i < tab->GetItemCount(); ++i) s += std::string(i ? "," : "") + tab->GetItemText(i).c_str();
    return s;
  }
  int SelectedTab() { return dynamic_cast<CTabCtrl*>(Ctl(IDC_CMD_TAB_MDUL))->GetCurSel(); }
  std::string Resolved(const char* key, int value) {
    CString s;
    s.Format(Text(key).c_str(), value);
    return s.c_str();
  }

  std::unique_ptr<CLevelsPageHost> host;
  CUserDriver user;
};

TEST_F(LevelsPageTest, OpensWithTheGridsTabsFieldsAndBasementSummary) {
  T_GRND_D g;
  g.basementCount = 2;
  g.groundLevel = -0.45;
  T_MCTL_D c;
  c.releasedBasementStories = 1;
  ASSERT_TRUE(grnd->TR_Add_All(&g, &c));
  Open();
  EXPECT_EQ("Plan1,A,B", Shown(Page().GetPlanGrid()));
  EXPECT_EQ("Tower1", Shown(Page().GetMdulGrid()));
  EXPECT_EQ("5F,4F,3F,2F,1F,Base", Shown(Page().GetStorGrid()));
  EXPECT_EQ("Tower1", TabTitles());
  EXPECT_EQ(0, SelectedTab());
  for (int id : {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_EDIT_MDUL_NUM, IDC_CMD_EDIT_STOR_NUM}) EXPECT_EQ("1", TextOf(id));
  EXPECT_EQ("3", TextOf(IDC_CMD_EDIT_STOR_HEIGHT));
  EXPECT_EQ("0", TextOf(IDC_CMD_EDIT_STOR_DL));
  EXPECT_EQ("m", TextOf(IDC_CMD_TEXT_STOR_HEIGHT_UNIT));
  EXPECT_EQ("kN/m^2", TextOf(IDC_CMD_TEXT_STOR_LOAD_UNIT));
  EXPECT_EQ("2", TextOf(IDC_CMD_STATIC_GRND_NUM));
  EXPECT_EQ("-0.45", TextOf(IDC_CMD_STATIC_GRND_GL));
  EXPECT_EQ("1", TextOf(IDC_CMD_STATIC_GRND_RELEASE));
}

TEST_F(LevelsPageTest, InsertedStandardFloorsGoAfterKeyOneAndBeforeAnyOtherRow) {
  Open();
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_PLAN_NUM, "3"));
  MakeCurrent(Page().GetPlanGrid(), 1);
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_PLAN_INSERT));
  EXPECT_EQ(1, counter.transactions);
  EXPECT_EQ("Plan1,P50001,P50002,P50003,A,B", PlanNames());
  EXPECT_EQ(PlanNames(), Shown(Page().GetPlanGrid()));  // through the replay
  // B's row current: the next three go right before B, named past the ones made.
  MakeCurrent(Page().GetPlanGrid(), plan->GetKey("B"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_PLAN_INSERT));
  EXPECT_EQ("Plan1,P50001,P50002,P50003,A,P50004,P50005,P50006,B", PlanNames());
  EXPECT_EQ(PlanNames(), Shown(Page().GetPlanGrid()));
  EXPECT_EQ(0, AfxGetMessageCount());
}

TEST_F(LevelsPageTest, StoriesInsertedWithTheTopStoryCurrentGoToTheTopOfTheTower) {
  Open();
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_NUM, "2"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_HEIGHT, "4.2"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_DL, "5"));
  MakeCurrent(Page().GetStorGrid(), stor->GetKey("5F", 1));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_INSERT));
  EXPECT_EQ(1, counter.transactions);
  EXPECT_EQ("Base,1F,2F,3F,4F,5F,50001F,50002F", StoryNames(1));
  EXPECT_EQ("50002F,50001F,5F,4F,3F,2F,1F,Base", Shown(Page().GetStorGrid()));
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(stor->GetKey("50001F", 1), s));
  EXPECT_EQ(plan->GetKey("A"), s.planKey);
  EXPECT_EQ(4.2, s.height);
  EXPECT_EQ(5.0, s.deadLoad);
  // A lower story current: the new ones go right above it.
  MakeCurrent(Page().GetStorGrid(), stor->GetKey("2F", 1));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_INSERT));
  EXPECT_EQ("Base,1F,2F,50003F,50004F,3F,4F,5F,50001F,50002F", StoryNames(1));
}

TEST_F(LevelsPageTest, ASecondAddInTheSameTowerMakesNewStories) {
  Open();
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "B"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_NUM, "2"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ(2, counter.transactions);
  EXPECT_EQ("Base,1F,2F,3F,4F,5F,50001F,50002F,50003F,50004F", StoryNames(1));
  // Numbering goes on past the highest such name, also one given by hand.
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(stor->GetKey("50002F", 1), s));
  s.name = "50009F";
  ASSERT_TRUE(stor->TR_Modify(s.key, s));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ("Base,1F,2F,3F,4F,5F,50001F,50009F,50003F,50004F,50010F,50011F", StoryNames(1));
}

TEST_F(LevelsPageTest, AddedTowersGetTabsAndTheStoryGridFollowsTheSelectedTab) {
  Open();
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_MDUL_NUM, "2"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_MDUL_ADD));
  EXPECT_EQ(1, counter.transactions);
  std::string t1 = Text("IDS_DB_MDUL_NAMING_START") + "50001";
  std::string t2 = Text("IDS_DB_MDUL_NAMING_START") + "50002";
  EXPECT_EQ("Tower1," + t1 + "," + t2, TowerNames());
  EXPECT_EQ(TowerNames(), Shown(Page().GetMdulGrid()));
  EXPECT_EQ(TowerNames(), TabTitles());
  EXPECT_EQ(0, SelectedTab());  // the tower shown before stays selected
  EXPECT_EQ("5F,4F,3F,2F,1F,Base", Shown(Page().GetStorGrid()));
  // Stories for the second tower: its tab, then Add.
  ASSERT_TRUE(user.SelectTab(IDC_CMD_TAB_MDUL, 1));
  UINT second = mdul->GetKey(t1.c_str());
  EXPECT_EQ(second, Page().GetStorGrid()->GetTowerKey());
  EXPECT_EQ("", Shown(Page().GetStorGrid()));
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_NUM, "3"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ("50001F,50002F,50003F", StoryNames(second));
  EXPECT_EQ("50003F,50002F,50001F", Shown(Page().GetStorGrid()));
  // A tower inserted before the second one: a tab in its place, the shown tower kept.
  MakeCurrent(Page().GetMdulGrid(), second);
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_MDUL_NUM, "1"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_MDUL_INSERT));
  std::string t3 = Text("IDS_DB_MDUL_NAMING_START") + "50003";
  EXPECT_EQ("Tower1," + t3 + "," + t1 + "," + t2, TabTitles());
  EXPECT_EQ(2, SelectedTab());
  EXPECT_EQ("50003F,50002F,50001F", Shown(Page().GetStorGrid()));
  // With the main tower current, inserted towers come right after it.
  MakeCurrent(Page().GetMdulGrid(), CClassMdul::MAIN_TOWER);
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_MDUL_INSERT));
  std::string t4 = Text("IDS_DB_MDUL_NAMING_START") + "50004";
  EXPECT_EQ("Tower1," + t4 + "," + t3 + "," + t1 + "," + t2, TowerNames());
}

// Counts of 0 or less, texts that are no whole numbers and counts above the spin's range
// make nothing and tell why.
TEST_F(LevelsPageTest, CountsOutsideTheSpinRangeAreRefusedWithAMessage) {
  struct Case {
    int edit;
    int button;
    const char* text;
    const char* key;
    int most;
  } cases[] = {
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "101", "IDS_LEVELS_COUNT_TOO_LARGE_d", 100},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "2000000000", "IDS_LEVELS_COUNT_TOO_LARGE_d", 100},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "99999999999", "IDS_LEVELS_COUNT_TOO_LARGE_d", 100},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "0", "IDS_CMD_STOR_NUMBER_POSITIVE", 0},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "-3", "IDS_CMD_STOR_NUMBER_POSITIVE", 0},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "2.5", "IDS_CMD_STOR_NUMBER_POSITIVE", 0},
      {IDC_CMD_EDIT_PLAN_NUM, IDC_CMD_BTN_PLAN_ADD, "", "IDS_CMD_STOR_NUMBER_POSITIVE", 0},
      {IDC_CMD_EDIT_MDUL_NUM, IDC_CMD_BTN_MDUL_ADD, "11", "IDS_LEVELS_COUNT_TOO_LARGE_d", 10},
      {IDC_CMD_EDIT_STOR_NUM, IDC_CMD_BTN_STOR_ADD, "201", "IDS_LEVELS_COUNT_TOO_LARGE_d", 200},
      {IDC_CMD_EDIT_STOR_NUM, IDC_CMD_BTN_STOR_ADD, "x", "IDS_CMD_STOR_NUMBER_POSITIVE", 0},
  };
  Open();
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  for (const Case& c : cases) {
    AfxClearMessageLog();
    ASSERT_TRUE(user.Type(c.edit, c.text));
    ASSERT_TRUE(user.Click(c.button));
    EXPECT_EQ(Resolved(c.key, c.most), LastMessage()) << c.text;
    EXPECT_EQ(Ctl(c.edit), CWnd::GetFocus()) << c.text;
    EXPECT_EQ(0, counter.transactions) << c.text;
  }
  // The largest count of the range is made.
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_MDUL_NUM, "10"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_MDUL_ADD));
  EXPECT_EQ(11, mdul->GetCount());
}

TEST_F(LevelsPageTest, ANegativeHeightOrNoStandardFloorMakesNoStory) {
  Open();
  // No standard floor chosen: nothing, without a message.
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ(0, AfxGetMessageCount());
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_HEIGHT, "-1"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ(Text("IDS_CMD_STOR_HEIGHT_NEGATIVE"), LastMessage());
  EXPECT_EQ(Ctl(IDC_CMD_EDIT_STOR_HEIGHT), CWnd::GetFocus());
  int from = -1, to = -1;
  static_cast<CEdit*>(Ctl(IDC_CMD_EDIT_STOR_HEIGHT))->GetSel(from, to);
  EXPECT_EQ(0, from);
  EXPECT_EQ(2, to);
  EXPECT_EQ(0, counter.transactions);
  EXPECT_EQ("Base,1F,2F,3F,4F,5F", StoryNames(1));
}

TEST_F(LevelsPageTest, InsertWithoutACurrentRecordRowMakesNothing) {
  Open();
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  for (int button : {IDC_CMD_BTN_PLAN_INSERT, IDC_CMD_BTN_MDUL_INSERT, IDC_CMD_BTN_STOR_INSERT})
    ASSERT_TRUE(user.Click(button));
  EXPECT_EQ(0, counter.transactions);
  EXPECT_EQ(0, AfxGetMessageCount());
}

TEST_F(LevelsPageTest, DeleteButtonsDeleteTheSelectedRows) {
  Open();
  MakeCurrent(Page().GetPlanGrid(), plan->GetKey("B"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_PLAN_DELETE));
  EXPECT_EQ("Plan1,A", PlanNames());
  EXPECT_EQ("Plan1,A", Shown(Page().GetPlanGrid()));
  MakeCurrent(Page().GetStorGrid(), stor->GetKey("3F", 1));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_DELETE));
  EXPECT_EQ("Base,1F,2F,4F,5F", StoryNames(1));
  EXPECT_EQ("5F,4F,2F,1F,Base", Shown(Page().GetStorGrid()));
}

TEST_F(LevelsPageTest, AClickedStoryGivesItsValuesToTheNewStoryFields) {
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(stor->GetKey("2F", 1), s));
  s.height = 3.6;
  s.planKey = plan->GetKey("B");
  s.deadLoad = 6.5;
  s.liveLoad = 2.0;
  ASSERT_TRUE(stor->TR_Modify(s.key, s));
  Open();
  Page().ShowStoryDefaults(2, s.key);  // other modes do nothing
  EXPECT_EQ("3", TextOf(IDC_CMD_EDIT_STOR_HEIGHT));
  Page().ShowStoryDefaults(1, s.key);
  EXPECT_EQ("3.6", TextOf(IDC_CMD_EDIT_STOR_HEIGHT));
  EXPECT_EQ("B", TextOf(IDC_CMD_CBX_STOR_PLAN));
  EXPECT_EQ("6.5", TextOf(IDC_CMD_EDIT_STOR_DL));
  EXPECT_EQ("2", TextOf(IDC_CMD_EDIT_STOR_LL));
}

TEST_F(LevelsPageTest, TheBasementButtonOpensTheBasementDialogAndTheSummaryFollows) {
  Open();
  EXPECT_EQ("0", TextOf(IDC_CMD_STATIC_GRND_NUM));  // template text: no basement record
  AfxQueueDialogScript([](CDialog& d) {
    CUserDriver dlgUser(&d);
    dlgUser.Type(IDC_CMD_EDIT_STORY_NUM, "3");
    dlgUser.Type(IDC_CMD_EDIT_GL, "-1.5");
    dlgUser.Type(IDC_CMD_EDIT_RELEASE_NUM, "2");
    dlgUser.Click(IDOK);
  });
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_GRND));
  EXPECT_EQ("3", TextOf(IDC_CMD_STATIC_GRND_NUM));
  EXPECT_EQ("-1.5", TextOf(IDC_CMD_STATIC_GRND_GL));
  EXPECT_EQ("2", TextOf(IDC_CMD_STATIC_GRND_RELEASE));
  // Cancelled: the summary is shown again as stored.
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_GRND));
  EXPECT_EQ("3", TextOf(IDC_CMD_STATIC_GRND_NUM));
  // Undo in the application reaches the summary.
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(0, grnd->GetCount());
  ASSERT_TRUE(doc->Redo());
  EXPECT_EQ("3", TextOf(IDC_CMD_STATIC_GRND_NUM));
  T_GRND_D g;
  ASSERT_TRUE(grnd->Get(g));
  g.basementCount = 1;
  T_MCTL_D c;
  ASSERT_TRUE(mctl->Get(c));
  c.releasedBasementStories = 0;
  ASSERT_TRUE(grnd->TR_Add_All(&g, &c));
  EXPECT_EQ("1", TextOf(IDC_CMD_STATIC_GRND_NUM));
  EXPECT_EQ("0", TextOf(IDC_CMD_STATIC_GRND_RELEASE));
}

TEST_F(LevelsPageTest, ChangesMadeElsewhereReachTheGridsAndTabs) {
  Open();
  T_MDUL_D t;
  t.name = "East";
  ASSERT_TRUE(mdul->TR_Add(t));
  EXPECT_EQ("Tower1,East", TabTitles());
  EXPECT_EQ("Tower1,East", Shown(Page().GetMdulGrid()));
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ("Tower1", TabTitles());
  EXPECT_EQ("Tower1", Shown(Page().GetMdulGrid()));
  T_PLAN_D p;
  p.name = "C";
  ASSERT_TRUE(plan->TR_Add(p));
  EXPECT_EQ("Plan1,A,B,C", Shown(Page().GetPlanGrid()));
}

TEST_F(LevelsPageTest, TerminatingGridEditingCommitsTheCellBeingEdited) {
  T_MDUL_D t;
  t.name = "East";
  ASSERT_TRUE(mdul->TR_Add(t));
  Open();
  CCmdMdulGrid2* grid = Page().GetMdulGrid();
  int row = grid->FindRowByKey(mdul->GetKey("East"));
  ASSERT_GT(row, 0);
  grid->SetCurrentCell((ROWCOL)row, grid->GetColumnNoFor(1));
  ASSERT_TRUE(grid->StartEditing());
  grid->SetEditText("Ost");
  Page().TerminateGridEditing();
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ("Tower1,Ost", TowerNames());
  EXPECT_EQ("Tower1,Ost", TabTitles());
  // A height typed in the story grid.
  CCmdStorGrid* stories = Page().GetStorGrid();
  UINT key = stor->GetKey("3F", 1);
  stories->SetCurrentCell((ROWCOL)stories->FindRowByKey(key), stories->GetColumnNoFor(CCmdStorGrid::COL_HEIGHT));
  ASSERT_TRUE(stories->StartEditing());
  stories->SetEditText("4.2");
  Page().TerminateGridEditing();
  EXPECT_FALSE(stories->IsEditing());
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(key, s));
  EXPECT_DOUBLE_EQ(4.2, s.height);
}

// Return and Escape in the page go to the control they are meant for: neither ends the
// dialog that holds the page, whether a grid cell is being edited or an edit has the focus.
TEST_F(LevelsPageTest, ReturnAndEscapeInThePageDoNotCloseTheDialog) {
  bool stillOpen = false;
  AfxQueueDialogScript([&](CDialog& d) {
    auto& h = static_cast<CLevelsPageHost&>(d);
    CUserDriver u(&d);
    CCmdPlanGrid* grid = h.page.GetPlanGrid();
    for (UINT vk : {(UINT)VK_RETURN, (UINT)VK_ESCAPE}) {
      grid->SetCurrentCell(2, grid->GetColumnNoFor(2));
      ASSERT_TRUE(grid->StartEditing());
      EXPECT_TRUE(u.Key(grid, vk));
      EXPECT_TRUE(u.Key(h.page.GetDlgItem(IDC_CMD_EDIT_STOR_NUM), vk));
    }
    stillOpen = h.IsModalRunning();
    u.Click(IDOK);
  });
  CLevelsPageHost modal;
  EXPECT_EQ(IDOK, modal.DoModal());
  EXPECT_TRUE(stillOpen);
}

}  // namespace

namespace {
// The new-story fields take numbers only: any other text (or one too large once in
// internal units) is refused with the field's message, the focus on it, nothing made.
TEST_F(LevelsPageTest, NewStoryFieldsThatAreNoNumbersMakeNothing) {
  Open();
  ASSERT_TRUE(user.Choose(IDC_CMD_CBX_STOR_PLAN, "A"));
  struct Field { int edit; const char* key; } fields[] = {
      {IDC_CMD_EDIT_STOR_HEIGHT, "IDS_LEVELS_STORY_HEIGHT_NUMBER"},
      {IDC_CMD_EDIT_STOR_DL, "IDS_LEVELS_STORY_DEAD_LOAD_NUMBER"},
      {IDC_CMD_EDIT_STOR_LL, "IDS_LEVELS_STORY_LIVE_LOAD_NUMBER"},
  };
  const char* texts[] = {"3,6", "3.6e", "abc", "=1/0", "1e400", "", "inf", "nan"};
  for (const Field& f : fields) {
    for (const char* t : texts) {
      for (const Field& g : fields) ASSERT_TRUE(user.Type(g.edit, "3"));
      ASSERT_TRUE(user.Type(f.edit, t));
      AfxClearMessageLog();
      ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
      EXPECT_EQ(Text(f.key), LastMessage()) << f.key << " '" << t << "'";
      EXPECT_EQ(Ctl(f.edit), CWnd::GetFocus()) << f.key << " '" << t << "'";
      EXPECT_EQ(0, counter.transactions) << f.key << " '" << t << "'";
    }
  }
  // A load that is a number in N and mm but none in kN and m.
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("N", "mm"));
  for (const Field& g : fields) ASSERT_TRUE(user.Type(g.edit, "3"));
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_LL, "1e308"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ(Text("IDS_LEVELS_STORY_LIVE_LOAD_NUMBER"), LastMessage());
  EXPECT_EQ(0, counter.transactions);
  EXPECT_EQ("Base,1F,2F,3F,4F,5F", StoryNames(1));
  // Numbers make stories.
  ASSERT_TRUE(user.Type(IDC_CMD_EDIT_STOR_LL, "0.002"));
  ASSERT_TRUE(user.Click(IDC_CMD_BTN_STOR_ADD));
  EXPECT_EQ(1, counter.transactions);
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(stor->GetKey("50001F", 1), s));
  EXPECT_DOUBLE_EQ(0.003, s.height);
  EXPECT_DOUBLE_EQ(2.0, s.liveLoad);
}

// A tower name the table refuses (another tower's) is refused without a word, and the
// cell shows the stored name again.
TEST_F(LevelsPageTest, ARefusedTowerRenameShowsTheStoredName) {
  for (const char* n : {"East", "West"}) {
    T_MDUL_D t;
    t.name = n;
    ASSERT_TRUE(mdul->TR_Add(t));
  }
  Open();
  CCmdMdulGrid2* grid = Page().GetMdulGrid();
  const int row = grid->FindRowByKey(mdul->GetKey("West"));
  ASSERT_GT(row, 0);
  const int col = (int)grid->GetColumnNoFor(1);
  EXPECT_TRUE(user.EditCell(grid, row, col, "East"));
  EXPECT_EQ("Tower1,East,West", TowerNames());
  EXPECT_EQ("East,West", std::string(grid->GetValueRowCol((ROWCOL)row - 1, col).c_str()) + "," +
                             grid->GetValueRowCol((ROWCOL)row, col).c_str());
  EXPECT_EQ(0, AfxGetMessageCount());
  EXPECT_EQ(0, counter.transactions);
  // The next rename of that row goes through as usual.
  EXPECT_TRUE(user.EditCell(grid, row, col, "South"));
  EXPECT_EQ("Tower1,East,South", TowerNames());
  EXPECT_EQ("South", std::string(grid->GetValueRowCol((ROWCOL)row, col).c_str()));
}

// A story-grid real that is no finite real once in internal units is refused where it
// is typed, with the cell's range message; the text shown for the largest double is a
// value like any other.
TEST_F(LevelsPageTest, StoryGridRealsStayFiniteInEveryUnitSystem) {
  struct Case { const char* force; const char* length; int col; const char* text; bool ok; double stored; };
  const Case cases[] = {
      {"kN", "m", CCmdStorGrid::COL_LL, "1e308", true, 1e308},
      {"N", "mm", CCmdStorGrid::COL_LL, "1e308", false, 0},
      {"N", "mm", CCmdStorGrid::COL_DL, "-1e306", false, 0},
      {"N", "mm", CCmdStorGrid::COL_LL, "=1e300*1e5", true, 1e308},
      {"N", "mm", CCmdStorGrid::COL_LL, "=1e300*1e6", false, 0},
      {"N", "mm", CCmdStorGrid::COL_HEIGHT, "1e308", true, 1e305},
      {"kN", "m", CCmdStorGrid::COL_HEIGHT, "1.79769313486232e+308", true, DBL_MAX},
      {"kN", "m", CCmdStorGrid::COL_LL, "1.8e308", false, 0},
  };
  const UINT key = stor->GetKey("3F", 1);
  for (const Case& c : cases) {
    ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem(c.force, c.length));
    T_STOR_D s;
    ASSERT_TRUE(stor->Get(key, s));
    s.height = 3.0;
    s.deadLoad = s.liveLoad = 0.0;
    ASSERT_TRUE(stor->TR_Modify(key, s));
    Open();
    CCmdStorGrid* grid = Page().GetStorGrid();
    const int row = grid->FindRowByKey(key);
    user.EditCell(grid, row, (int)grid->GetColumnNoFor(c.col), c.text);
    ASSERT_TRUE(stor->Get(key, s));
    const double got = c.col == CCmdStorGrid::COL_HEIGHT ? s.height : c.col == CCmdStorGrid::COL_DL ? s.deadLoad : s.liveLoad;
    if (c.ok) {
      EXPECT_EQ(got, c.stored) << c.text;
      EXPECT_EQ(0, AfxGetMessageCount()) << c.text;
    } else {
      EXPECT_EQ(got, c.col == CCmdStorGrid::COL_HEIGHT ? 3.0 : 0.0) << c.text;
      EXPECT_EQ(Text("IDS_WG_CMD__ADDD__Value_is_too_big_"), LastMessage()) << c.text;
      EXPECT_EQ(0, counter.transactions) << c.text;
    }
    host.reset();
  }
  // A row whose height shows the largest double saves as it is when another cell changes.
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "m"));
  T_STOR_D s;
  ASSERT_TRUE(stor->Get(key, s));
  s.height = DBL_MAX;
  ASSERT_TRUE(stor->TR_Modify(key, s));
  Open();
  CCmdStorGrid* grid = Page().GetStorGrid();
  EXPECT_TRUE(user.EditCell(grid, grid->FindRowByKey(key), (int)grid->GetColumnNoFor(CCmdStorGrid::COL_DL), "2"));
  ASSERT_TRUE(stor->Get(key, s));
  EXPECT_EQ(DBL_MAX, s.height);
  EXPECT_EQ(2.0, s.deadLoad);
}
}  // namespace
