// The cmdhost grid lines (cell, paste, rows, show grid, expect cell) on a validating grid
// bound to the placeholder of a modeless test dialog.
#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>

#include "afx/CDialog.h"
#include "common/CCMGXGridWnd2.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"

namespace {

const AFX_DLGITEM kItems[] = {
    {"STATIC", "", 500, 5, 5, 200, 100, WS_CHILD | WS_VISIBLE, 0},
};
const AFX_DLGTEMPLATE kTemplate = {990001, "Grid", 0, 0, 220, 120, WS_POPUP | WS_VISIBLE, 0, "", 9, kItems, 1};

// A dialog with a 3 x 2 grid: headers "Name" and "Size", the Size of row 3 read-only.
class CGridDlg : public CDialog {
 public:
  CCMGXGridWnd2 grid;
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    grid.SubclassDlgItem(500, this);
    grid.Initialize();
    grid.SetRowCount(3);
    grid.SetColCount(2);
    grid.SetStyleRange(CGXRange().SetCols(1, 2), CGXStyle().SetReadOnly(FALSE));
    grid.SetStyleRange(CGXRange(3, 2), CGXStyle().SetReadOnly(TRUE));
    grid.SetValueRange(CGXRange(0, 1), "Name");
    grid.SetValueRange(CGXRange(0, 2), "Size");
    return TRUE;
  }
};

struct GridDlgCommand {
  GridDlgCommand() {
    CScenarioCommands::Register("test grid dialog", 0, 0, [](CScenarioContext& ctx) {
      static std::unique_ptr<CGridDlg> dlg;
      if (dlg && dlg->m_hWnd) dlg->DestroyWindow();
      dlg = std::make_unique<CGridDlg>();
      if (!dlg->CreateIndirect(&kTemplate)) return CScenarioStatus::Bad("no dialog");
      ctx.Session().m_pDialog = dlg.get();
      return CScenarioStatus::Ok();
    });
  }
} s_gridDlgCommand;

std::string RunScenario(const char* text, CScenarioStatus* status = nullptr) {
  CScenarioRunner runner;
  std::ostringstream out;
  CScenarioStatus s = runner.RunText("grid.scn", text, out);
  if (status) *status = s;
  return out.str();
}

TEST(GridScenario, CellsArePastedEditedShownAndExpected) {
  CScenarioStatus s;
  std::string out = RunScenario(
      "test grid dialog\n"
      "cell 500 1 Name Beam\n"
      "cell 500 1 2 =2*3\n"
      "paste 500 2 1 \"Slab\\t0.2\\nWall\"\n"
      "cell 500 3 Size 5\n"           // read-only: refused
      "cell 500 1 Colour x\n"         // no such column: refused
      "rows 500 2 3\n"
      "show grid 500\n"
      "expect cell 500 2 Size 0.2\n"
      "expect cell 500 1 2 =2*3\n",
      &s);
  EXPECT_TRUE(s.IsOk()) << out << s.GetText().str();
  EXPECT_EQ(
      "refused cell 500 3 Size 5\n"
      "refused cell 500 1 Colour x\n"
      "Name\tSize\n"
      "Beam\t=2*3\n"
      "Slab\t0.2\n"
      "Wall\t\n",
      out);
}

TEST(GridScenario, AFailedExpectationShowsTheCell) {
  CScenarioStatus s;
  std::string out = RunScenario("test grid dialog\ncell 500 1 1 Beam\nexpect cell 500 1 1 Column\n", &s);
  EXPECT_EQ(CScenarioStatus::failed, s.GetKind());
  EXPECT_NE(std::string::npos, out.find("cell \"Beam\"")) << out;
  std::string bad = RunScenario("test grid dialog\nexpect cell 500 x 1 Column\n", &s);
  EXPECT_EQ(CScenarioStatus::bad, s.GetKind());
  RunScenario("expect cell 500 1 1 Beam\n", &s);  // no dialog
  EXPECT_EQ(CScenarioStatus::failed, s.GetKind());
}

TEST(GridScenario, PasteThatDoesNotFitShowsItsMessage) {
  CScenarioStatus s;
  std::string out = RunScenario(
      "test grid dialog\n"
      "paste 500 3 1 \"a\\nb\"\n"
      "expect message key IDS_CMD_PASTE_EXCEED_ROW\n"
      "expect cell 500 3 1 \"\"\n",
      &s);
  EXPECT_TRUE(s.IsOk()) << out << s.GetText().str();
}

}  // namespace
