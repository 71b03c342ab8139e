// The attribute tool window's request modes ("CToolsDlg"): every refusal, the first
// opening in modes 2 and 3, and the reuse of an open window.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "tests/frame/FrameFixture.h"
#include "frame/CmdDialogTable.h"
#include "frame/ICmdDialog.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDlgModelessMgr.h"
#include "view/CViewEventController.h"
#include "view/I_ModelBase.h"

namespace {

std::vector<std::string> g_calls;
BOOL g_canReceive = TRUE;
int g_built = 0;

class TestToolsDlg : public CDBDlgBase {
 public:
  TestToolsDlg() { ++g_built; }
};

CDBDlgBase* NewTools(CWnd*) { return new TestToolsDlg(); }

// A tool window whose window ends while it is being created.
class QuitterToolsDlg : public TestToolsDlg {
 public:
  BOOL OnInitDialog() override {
    DestroyWindow();
    return TRUE;
  }
};
CDBDlgBase* NewQuitter(CWnd*) { return new QuitterToolsDlg(); }
BOOL CanReceive(CDBDlgBase*) {
  g_calls.push_back("can");
  return g_canReceive;
}
void ByMenu(CDBDlgBase* d) { g_calls.push_back(d->IsWindowVisible() ? "menu shown" : "menu hidden"); }
void Snapped(CDBDlgBase* d) { g_calls.push_back(d->IsWindowVisible() ? "snapped shown" : "snapped hidden"); }
const CmdToolWindowOps kOps = {CanReceive, ByMenu, Snapped};

class ToolWindowTest : public FrameTest {
 protected:
  void SetUp() override {
    FrameTest::SetUp();
    ASSERT_TRUE(CmdDialogTable::SetModelessBuilder("CToolsDlg", NewTools, nullptr, &kOps, &m_old));
    g_calls.clear();
    g_canReceive = TRUE;
    g_built = 0;
  }
  void TearDown() override {
    CmdDialogTable::SetModelessBuilder("CToolsDlg", m_old.pfnNew, m_old.pfnActivateTab, m_old.pTool);
    FrameTest::TearDown();
  }
  int Ask(int mode) { return ICmdDialog::DoModeless("CToolsDlg", nullptr, &mode); }
  CDialog* Open() { return doc->GetDlgCtrl()->GetDlg(16262); }

  CmdModelessRow m_old;
};

TEST_F(ToolWindowTest, RefusesWithoutExtraInPostModeAndWhileSelecting) {
  EXPECT_EQ(ICmdDialog::DoModeless("CToolsDlg", nullptr, nullptr), -1);
  doc->SetPostMode(TRUE);
  EXPECT_EQ(Ask(3), -1);
  doc->SetPostMode(FALSE);
  {
    I_ModelBase view;
    I_ModelBase::SetCurMySelfST(&view);
    I_ModelBase::SetObjectSelectionModeST(TRUE);
    EXPECT_EQ(Ask(3), -1);
    I_ModelBase::SetObjectSelectionModeST(FALSE);
    EXPECT_EQ(Ask(3), 1) << "the view no longer selecting";
  }
  EXPECT_EQ(g_built, 1);
}

TEST_F(ToolWindowTest, NoWindowYet) {
  struct Case {
    int mode;
    bool controller;
    bool snapped;
    int result;
  } cases[] = {
      {1, true, true, -1},    // nothing to show: never opens
      {2, false, false, -1},  // no view controller
      {2, true, false, -1},   // nothing snapped
      {4, true, true, -1},    // not a mode
      {0, true, true, -1},
  };
  for (const Case& c : cases) {
    std::unique_ptr<CViewEventController> view;
    if (c.controller) view = std::make_unique<CViewEventController>();
    if (c.snapped) view->SetSnappedObject(CViewEventController::SNAP_MEMB, 12);
    EXPECT_EQ(Ask(c.mode), c.result) << c.mode;
  }
  EXPECT_EQ(g_built, 0);
  EXPECT_EQ(Open(), nullptr);
}

TEST_F(ToolWindowTest, ModeTwoOpensOnTheSnappedObject) {
  CViewEventController view;
  view.SetSnappedObject(CViewEventController::SNAP_POINT, 3);
  EXPECT_EQ(Ask(2), 1);
  ASSERT_NE(Open(), nullptr);
  EXPECT_TRUE(Open()->IsWindowVisible());
  EXPECT_EQ(CWnd::GetActiveWindow(), Open());
  EXPECT_EQ(g_calls, std::vector<std::string>{"snapped shown"});
  CRect r, area;
  Open()->GetWindowRect(&r);
  AfxGetMainWnd()->GetClientRect(&area);
  AfxGetMainWnd()->ClientToScreen(&area);
  EXPECT_EQ(r.right, area.right - 4) << "placed (3, 4, 86): on the right";
  EXPECT_EQ(r.top, area.top + 86);
}

TEST_F(ToolWindowTest, ModeThreeOpensEmpty) {
  EXPECT_EQ(Ask(3), 1);
  EXPECT_EQ(g_calls, std::vector<std::string>{"menu shown"});
  EXPECT_EQ(Open()->GetTemplateID(), 16262);
}

TEST_F(ToolWindowTest, OpenWindowIsReusedOnlyForModeThreeWhenItHoldsTheViewsEvents) {
  ASSERT_EQ(Ask(3), 1);
  CDialog* tool = Open();
  g_calls.clear();
  g_canReceive = FALSE;
  EXPECT_EQ(Ask(3), -1);
  EXPECT_EQ(g_calls, std::vector<std::string>{"can"});
  g_canReceive = TRUE;
  g_calls.clear();
  CViewEventController view;
  view.SetSnappedObject(CViewEventController::SNAP_MEMB, 8);
  EXPECT_EQ(Ask(2), -1);
  EXPECT_EQ(Ask(1), -1);
  tool->ShowWindow(SW_HIDE);
  EXPECT_EQ(Ask(3), 1);
  EXPECT_EQ(g_calls, (std::vector<std::string>{"can", "can", "can", "menu shown"}));
  EXPECT_EQ(Open(), tool);
  EXPECT_EQ(g_built, 1);
}

TEST_F(ToolWindowTest, FailedCreateAnswersZero) {
  ASSERT_TRUE(CmdDialogTable::SetModelessBuilder("CToolsDlg", NewQuitter, nullptr, &kOps));
  EXPECT_EQ(Ask(3), 0);
  EXPECT_EQ(g_built, 1);
  EXPECT_EQ(Open(), nullptr);
  EXPECT_TRUE(g_calls.empty());
}

}  // namespace
