// The tabbed model control data dialog through its templates and real transactions: what
// OK and Next write and send, a write the database refuses, a structure code the page's
// list lacks, and the grade buttons while the property sheet is open. (The pages' rules as
// a user meets them: tests/scenarios/model_control_data.scn.)
#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/DB_CScopedChange.h"
#include "host/CHostMainWnd.h"
#include "levels/CModelCtrlDataDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDlgModelessMgr.h"

namespace {

using Script = std::function<void(CDialog&, CUserDriver&)>;

class ModelCtrlDataDlgTest : public LevelsTest {
 protected:
  INT_PTR Run(int tab, const Script& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CModelCtrlDataDlg dlg(tab, nullptr);
    return dlg.DoModal();
  }
  T_MCTL_D Stored() {
    T_MCTL_D c;
    EXPECT_TRUE(mctl->Get(c));
    return c;
  }
};

TEST_F(ModelCtrlDataDlgTest, NextWritesClosesThenAsksForTheFloors) {
  CHostMainWnd& main = app->GetHostMainWnd();
  main.ClearCommands();
  // The commands the main window had when the record was written.
  size_t commandsAtWrite = 99;
  struct Watch : DB_CUpdateListener {
    std::function<void()> f;
    void OnUpdate(CView*, LPARAM, CObject*) override { f(); }
  } watch;
  watch.f = [&] { commandsAtWrite = main.GetCommands().size(); };
  watch.ConnectDB(db);
  // Next closes the dialog as its close box does (IDCANCEL), after writing.
  EXPECT_EQ(IDCANCEL, Run(1, [](CDialog&, CUserDriver& u) {
              u.Type(IDC_MCD_WALL_MESH, "2.5");
              u.Click(IDC_MCD_NEXT);
            }));
  watch.DisconnectDB();
  EXPECT_EQ(commandsAtWrite, 0u) << "written before the command";
  ASSERT_EQ(main.GetCommands().size(), 1u);
  EXPECT_EQ(main.GetCommands()[0].m_nID, CMD_ID_DEFINE_PLANS_AND_STORIES);
  EXPECT_EQ(Stored().detail.wallMesh, 2.5);
}

TEST_F(ModelCtrlDataDlgTest, ARefusedWriteKeepsTheDialogOpenAndSendsNothing) {
  app->GetHostMainWnd().ClearCommands();
  bool stillOpen = false;
  {
    // Writes are refused while a failed group of the database is still open.
    DB_CScopedChange outer(db);
    {
      DB_CScopedChange inner(db);
      inner.Rollback();
    }
    Run(0, [&](CDialog& d, CUserDriver& u) {
      u.Click(IDOK);
      u.Click(IDC_MCD_NEXT);
      stillOpen = static_cast<CModelCtrlDataDlg&>(d).IsModalRunning();
      u.Click(IDCANCEL);
    });
  }
  EXPECT_TRUE(stillOpen);
  EXPECT_TRUE(app->GetHostMainWnd().GetCommands().empty());
  EXPECT_EQ(counter.transactions, 0);
}

TEST_F(ModelCtrlDataDlgTest, AStructureCodeTheListLacksIsKeptUnlessPicked) {
  T_MCTL_D c;
  c.structType = 101;
  ASSERT_TRUE(mctl->TR_Add(c));
  int shown = 0;
  EXPECT_EQ(IDOK, Run(0, [&](CDialog&, CUserDriver& u) {
              shown = dynamic_cast<CComboBox*>(u.FindControl(IDC_MC_STRUCT))->GetCurSel();
              u.Click(IDOK);
            }));
  EXPECT_EQ(shown, -1);
  EXPECT_EQ(Stored().structType, 101);
  EXPECT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& u) {
              u.ChooseIndex(u.FindControl(IDC_MC_STRUCT), 7);
              u.Click(IDOK);
            }));
  EXPECT_EQ(Stored().structType, 7);
}

TEST_F(ModelCtrlDataDlgTest, AGradeButtonWithTheSheetOpenChangesNothing) {
  // A stand-in sheet entered under the property sheet's id, hidden.
  auto* sheet = new CDBDlgBase();
  sheet->m_pDBDoc = doc.get();
  ASSERT_TRUE(sheet->Create(14019, IDD_CMD_PLAN_SELECT));
  sheet->ShowWindow(SW_HIDE);
  bool visible = true;
  Run(0, [&](CDialog&, CUserDriver& u) {
    for (UINT id : {IDC_MCD_RC_BTN, IDC_MCD_STEEL_BTN, IDC_MCD_SRC_BTN}) u.Click(id);
    visible = sheet->IsWindowVisible() != 0;
    u.Click(IDCANCEL);
  });
  EXPECT_FALSE(visible);
  EXPECT_EQ(doc->GetDlgCtrl()->GetDlg(14019), sheet);
  sheet->DestroyWindow();
}

}  // namespace
