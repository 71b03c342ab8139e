// The levels dialog through the factory ("CCmdPlanStoryDlgMain2"), acted on as a user would:
// first tab, applying the story materials when their tab is left or on Close, a refused
// apply, the material button, refreshes of the material page, and the end of tracing.
#include <gtest/gtest.h>

#include <cstdint>
#include <functional>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/AfxWinDefs.h"
#include "afx/CUserDriver.h"
#include "db/CClassPlan.h"
#include "frame/ICmdDialog.h"
#include "levels/CCmdPlanStoryDlgGeneral2.h"
#include "levels/CCmdPlanStoryDlgMain2.h"
#include "levels/CCmdStorGrid.h"
#include "levels/CCmdPlanStoryDlgStorMatl2.h"
#include "levels/CCmdStorMatlGrid.h"
#include "tests/levels/StorMatlFixture.h"

namespace {

enum { IDC_MAIN_TAB = 14118, IDC_MATL_BTN = 16362, IDC_CLOSE = 14442, IDC_TOWER_TABS = 16391 };
const char* const kMatlGrid = "16260:16377";
const char* const kTowerTabs = "16260:16391";

// Runs a code of the test inside the next transaction's notification, when armed.
class CInsideNotification : public DB_CUpdateListener {
 public:
  std::function<void()> action;
  void OnUpdate(CView*, LPARAM, CObject*) override {
    if (!action) return;
    auto a = std::move(action);
    action = nullptr;
    a();
  }
};

class LevelsDlgTest : public StorMatlTest {
 protected:
  // Opens the dialog with the parameter and hands it to script; the dialog's result.
  int Run(UINT param, std::function<void(CCmdPlanStoryDlgMain2&, CUserDriver&)> script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(static_cast<CCmdPlanStoryDlgMain2&>(dlg), user);
    });
    return ICmdDialog::DoModal("CCmdPlanStoryDlgMain2", (void*)(uintptr_t)param);
  }
  static CCmdPlanStoryDlgStorMatl2* MaterialPage(CCmdPlanStoryDlgMain2& dlg) {
    return dynamic_cast<CCmdPlanStoryDlgStorMatl2*>(dlg.GetTabCtrl().GetTab(CCmdPlanStoryDlgMain2::TAB_MATERIALS));
  }
  static CCmdStorMatlGrid* Grid(CCmdPlanStoryDlgMain2& dlg) {
    CCmdPlanStoryDlgStorMatl2* p = MaterialPage(dlg);
    return p ? p->GetGrid() : nullptr;
  }
};

TEST_F(LevelsDlgTest, BothNamesOpenTheDialogOnTheTabTheParameterNames) {
  struct Case {
    UINT param;
    int tab;
  } cases[] = {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {0xFFFFFFFFu, 1}};  // past the last tab: the last
  for (const Case& k : cases) {
    int shown = -2;
    EXPECT_EQ(Run(k.param,
                  [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                    shown = dlg.GetTabCtrl().GetShownTab();
                    user.Key(0, VK_ESCAPE);
                  }),
              IDCANCEL);
    EXPECT_EQ(shown, k.tab) << k.param;
  }
  EXPECT_EQ(counter.transactions, 0) << "Escape applies nothing";
  // The stories have no materials yet: Close stores the fallback grades the cells show;
  // a second Close finds nothing to write.
  for (int i = 0; i < 2; ++i) {
    AfxQueueDialogScript([](CDialog& dlg) { CUserDriver(&dlg).Click(IDC_CLOSE); });
    EXPECT_EQ(ICmdDialog::DoModal("CCmdPlanStoryDlgMain", (void*)2), IDOK);
  }
  EXPECT_EQ(counter.transactions, 1);
  EXPECT_EQ(Story(stor->GetKey("1F", CClassMdul::MAIN_TOWER)).beamMatlKey, c30);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(LevelsDlgTest, LeavingTheMaterialTabAfterAnEditWritesOneTransaction) {
  const UINT story2F = stor->GetKey("2F", CClassMdul::MAIN_TOWER);
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  ASSERT_NE(Grid(dlg), nullptr);
                  EXPECT_EQ(user.EditCell(user.FindControl(kMatlGrid), 3, 3, "C40"), 1);
                  EXPECT_EQ(counter.transactions, 0) << "edits stay in the grid";
                  EXPECT_EQ(user.SelectTab(IDC_MAIN_TAB, 0), 1);
                  EXPECT_EQ(counter.transactions, 1);
                  EXPECT_EQ(Story(story2F).beamMatlKey, c40);
                  EXPECT_EQ(dlg.GetTabCtrl().GetShownTab(), 0);
                  // Back and forth without an edit: nothing written.
                  user.SelectTab(IDC_MAIN_TAB, 1);
                  user.SelectTab(IDC_MAIN_TAB, 0);
                  EXPECT_EQ(counter.transactions, 1);
                  user.Key(0, VK_ESCAPE);
                }),
            IDCANCEL);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(LevelsDlgTest, CloseAppliesTheMaterialsAndCancelDoesNot) {
  const UINT story3F = stor->GetKey("3F", CClassMdul::MAIN_TOWER);
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2&, CUserDriver& user) {
                  user.EditCell(user.FindControl(kMatlGrid), 2, 6, "Q355");
                  user.Key(0, VK_ESCAPE);
                }),
            IDCANCEL);
  EXPECT_EQ(Story(story3F).steelMatlKey, 0u);
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2&, CUserDriver& user) {
                  user.EditCell(user.FindControl(kMatlGrid), 2, 6, "Q355");
                  user.Click(IDC_CLOSE);
                }),
            IDOK);
  EXPECT_EQ(Story(story3F).steelMatlKey, q355);
  EXPECT_EQ(counter.transactions, 1);
}

TEST_F(LevelsDlgTest, RefusedMaterialsAreReportedAndKeepTheUserOnTheTab) {
  CInsideNotification inside;
  inside.ConnectDB(doc->GetModelDB());
  CClassPlan* plan = static_cast<CClassPlan*>(doc->GetModelDB()->GetClass(CClassPlan::m_nClassID));
  const UINT story1F = stor->GetKey("1F", CClassMdul::MAIN_TOWER);
  // A write of another table; the user's actions run while the database notifies, when
  // the story table refuses every write.
  auto whileNotifying = [&](std::function<void()> act) {
    inside.action = std::move(act);
    T_PLAN_D p;
    ASSERT_TRUE(plan->Get(1, p));
    CString old = p.name;
    p.name += "x";
    ASSERT_TRUE(plan->TR_Modify(old, p));
  };
  int running = -1, shown = -1;
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  user.EditCell(user.FindControl(kMatlGrid), 4, 1, "C40");
                  whileNotifying([&] { user.SelectTab(IDC_MAIN_TAB, 0); });
                  EXPECT_EQ(LastMessage(), Text("IDS_CMD_STORY_MATL_APPLY_REFUSED"));
                  EXPECT_EQ(dlg.GetTabCtrl().GetShownTab(), 1) << "the tab stays";
                  AfxClearMessageLog();
                  whileNotifying([&] { user.SelectTab(user.FindControl(kTowerTabs), 1); });
                  EXPECT_EQ(LastMessage(), Text("IDS_CMD_STORY_MATL_APPLY_REFUSED"));
                  EXPECT_EQ(MaterialPage(dlg)->GetSelectedTower(), CClassMdul::MAIN_TOWER) << "the tower tab stays";
                  EXPECT_EQ(Grid(dlg)->GetTower(), CClassMdul::MAIN_TOWER);
                  AfxClearMessageLog();
                  whileNotifying([&] { user.Click(IDC_CLOSE); });
                  EXPECT_EQ(LastMessage(), Text("IDS_CMD_STORY_MATL_APPLY_REFUSED"));
                  running = dlg.IsModalRunning();
                  shown = dlg.GetTabCtrl().GetShownTab();
                  EXPECT_EQ(Grid(dlg)->GetValueRowCol(4, 1), CString("C40")) << "the edit is kept";
                  user.Click(IDC_CLOSE);  // now it can be written
                }),
            IDOK);
  EXPECT_EQ(running, 1) << "Close did not end the dialog";
  EXPECT_EQ(shown, 1);
  EXPECT_EQ(Story(story1F).colmMatlKey, c40);
  inside.DisconnectDB();
}

TEST_F(LevelsDlgTest, TowerTabsApplyTheTowerLeftAndShowTheNext) {
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  CCmdPlanStoryDlgStorMatl2* page = MaterialPage(dlg);
                  ASSERT_NE(page, nullptr);
                  ASSERT_EQ(page->GetTowerTabs().GetItemCount(), 2);
                  EXPECT_EQ(page->GetTowerTabs().GetItemText(1), CString("East"));
                  user.EditCell(user.FindControl(kMatlGrid), 2, 2, "C40");
                  EXPECT_EQ(user.SelectTab(user.FindControl(kTowerTabs), 1), 1);
                  EXPECT_EQ(counter.transactions, 1);
                  EXPECT_EQ(Grid(dlg)->GetTower(), east);
                  EXPECT_EQ(Grid(dlg)->GetValueRowCol(2, 0), CString("E2F"));
                  // A material added meanwhile (the property sheet) re-shows the tower of
                  // the selected tab with the new choice.
                  AddMatl("C60", "C");
                  EXPECT_EQ(Grid(dlg)->GetTower(), east);
                  user.EditCell(user.FindControl(kMatlGrid), 3, 1, "C60");
                  user.Click(IDC_CLOSE);
                }),
            IDOK);
  EXPECT_EQ(Story(stor->GetKey("3F", CClassMdul::MAIN_TOWER)).wallMatlKey, c40);
  EXPECT_EQ(Story(stor->GetKey("E1F", east)).colmMatlKey, matl->GetKey("C60"));
}

TEST_F(LevelsDlgTest, TheMaterialPageFollowsStoriesAndTowersMadeElsewhere) {
  EXPECT_EQ(Run(2,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  CCmdPlanStoryDlgStorMatl2* page = MaterialPage(dlg);
                  T_STOR_D s;
                  s.name = "4F";
                  s.mdulKey = CClassMdul::MAIN_TOWER;
                  ASSERT_TRUE(stor->TR_Add(s));
                  EXPECT_EQ(Grid(dlg)->GetValueRowCol(2, 0), CString("4F"));
                  T_MDUL_D t;
                  t.name = "West";
                  ASSERT_TRUE(mdul->TR_Add(t));
                  ASSERT_EQ(page->GetTowerTabs().GetItemCount(), 3);
                  EXPECT_EQ(page->GetSelectedTower(), CClassMdul::MAIN_TOWER);
                  // With the rows matching the stories, an apply writes the right story.
                  user.EditCell(user.FindControl(kMatlGrid), 3, 1, "C40");
                  user.Click(IDC_CLOSE);
                }),
            IDOK);
  EXPECT_EQ(Story(stor->GetKey("3F", CClassMdul::MAIN_TOWER)).colmMatlKey, c40);
  EXPECT_EQ(Story(stor->GetKey("4F", CClassMdul::MAIN_TOWER)).colmMatlKey, c30);
}

TEST_F(LevelsDlgTest, CloseOnTheLevelsPageEndsThePendingCellEditFirst) {
  const UINT story3F = stor->GetKey("3F", CClassMdul::MAIN_TOWER);
  EXPECT_EQ(Run(0,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  auto* levels = dynamic_cast<CCmdPlanStoryDlgGeneral2*>(dlg.GetTabCtrl().GetTab(0));
                  ASSERT_NE(levels, nullptr);
                  CCmdStorGrid* g = levels->GetStorGrid();
                  ASSERT_NE(g, nullptr);
                  int col = g->UserFindColumn(Text("IDS_WG_CMD__ADDD__Height").c_str());
                  ASSERT_GT(col, 0);
                  ROWCOL row = 0;
                  for (ROWCOL r = 1; r <= g->GetRowCount(); ++r)
                    if (g->GetRowKey(r) == story3F) row = r;
                  ASSERT_GT(row, 0u);
                  // A typed height still in the cell's edit when Close is clicked.
                  g->SetCurrentCell(row, (ROWCOL)col);
                  ASSERT_TRUE(g->StartEditing());
                  g->SetEditText("4.2");
                  user.Click(IDC_CLOSE);
                }),
            IDOK);
  EXPECT_DOUBLE_EQ(Story(story3F).height, 4.2);
}

TEST_F(LevelsDlgTest, MaterialButtonShowsNothingWhileThePropertySheetIsNotBuilt) {
  int running = -1;
  EXPECT_EQ(Run(0,
                [&](CCmdPlanStoryDlgMain2& dlg, CUserDriver& user) {
                  EXPECT_EQ(user.Click(user.FindControl("16258:16362")), 1);
                  running = dlg.IsModalRunning();
                  user.Click(IDC_CLOSE);
                }),
            IDOK);
  EXPECT_EQ(running, 1);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(LevelsDlgTest, EndingTheDialogEndsTracingOfItsOwnCheckModesOnly) {
  CUIntArray flagged;
  flagged.Add(stor->GetKey("2F", CClassMdul::MAIN_TOWER));
  for (int mode : {16, 17, 18, 19, 27, 28, 29, 40, 41, 46}) {
    doc->StartTracerMode(mode, flagged);
    Run(2, [](CCmdPlanStoryDlgMain2&, CUserDriver& user) { user.Key(0, VK_ESCAPE); });
    EXPECT_EQ(!doc->IsTracerMode(), CCmdPlanStoryDlgMain2::IsOwnCheckMode(mode)) << mode;
    doc->EndTracerMode();
  }
  EXPECT_TRUE(CCmdPlanStoryDlgMain2::IsOwnCheckMode(18));
  EXPECT_FALSE(CCmdPlanStoryDlgMain2::IsOwnCheckMode(17));
}

}  // namespace
