// The static load case window on the sample (DL key 1, LL key 2): the Type choices, the No
// column, deletes that keep load cases 1 and 2, the current row through an undo, the
// editors, and a refused paste.
#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassStld.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "loads/CCMLoadCaseDlg.h"
#include "res/resource.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CMsgDll.h"

namespace {

class LoadCaseDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    stld = static_cast<CClassStld*>(doc->GetModelDB()->GetClass(CClassStld::m_nClassID));
    for (const char* n : {"WX", "WY", "T1"}) Add(n, "W");
    AfxClearMessageLog();
    dlg = new CCMLoadCaseDlg(nullptr);
    dlg->m_pDBDoc = doc.get();
    ASSERT_TRUE(dlg->Create(IDD_CMD_LOAD_CASE, IDD_CMD_LOAD_CASE));
    dlg->ShowWindow(SW_SHOW);
    user.SetDialog(dlg);
  }
  void TearDown() override {
    if (CUserDriver::FindDialog(IDD_CMD_LOAD_CASE)) dlg->DestroyWindow();
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  void Add(const char* name, const char* type) {
    T_STLD_D r;
    r.name = name;
    r.type = type;
    r.number = 9;
    r.selfWeightFactor = 0.5;
    ASSERT_TRUE(stld->TR_Add(r));
  }
  std::string Cell(ROWCOL row, int col) {
    return dlg->GetGrid().GetValueRowCol(row, dlg->GetGrid().GetColumnNoFor(col)).c_str();
  }
  std::string Names() {
    std::string s;
    for (ROWCOL r = 1; r < dlg->GetGrid().GetRowCount(); ++r) s += (s.empty() ? "" : ",") + Cell(r, CCMLoadCaseGrid::COL_NAME);
    return s;
  }
  std::string Text(int id) {
    CString s;
    dlg->GetDlgItemText(id, s);
    return s.c_str();
  }
  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassStld* stld = nullptr;
  CCMLoadCaseDlg* dlg = nullptr;
  CUserDriver user;
};

TEST_F(LoadCaseDlgTest, TypeChoicesAndNumbersByPosition) {
  std::string list = CCMLoadCaseGrid::TypeChoiceList().c_str();
  std::string expected;
  for (const char* k : {"IDS_DBLIB__ADDED__User_Defined_Load", "IDS_DBLIB__ADDED__Dead_Load", "IDS_DBLIB__ADDED__Live_Load",
                        "IDS_DBLIB__ADDED__Roof_Live_Load", "IDS_DBLIB__ADDED__Wind_Load_on_Structure",
                        "IDS_DBLIB__ADDED__Earthquake", "IDS_DBLIB__ADDED__Snow_Load", "IDS_DBLIB__ADDED__Temperature"})
    expected += std::string(CMsgDll::pfuncLoadStr(k, 0)) + "\n";
  EXPECT_EQ(list, expected);
  EXPECT_EQ(Names(), "DL,LL,WX,WY,T1");
  for (ROWCOL r = 1; r <= 5; ++r) EXPECT_EQ(Cell(r, CCMLoadCaseGrid::COL_NO), std::to_string(r));
  // A row saved from the grid stores its position as the number.
  ASSERT_TRUE(user.EditCell(user.FindControl(IDC_LOADCASE_GRID), 4, dlg->GetGrid().GetColumnNoFor(CCMLoadCaseGrid::COL_DESC), "y"));
  T_STLD_D r;
  ASSERT_TRUE(stld->Get(stld->GetKey("WY"), r));
  EXPECT_EQ(r.number, 4);
  EXPECT_EQ(r.selfWeightFactor, 0.5);
}

TEST_F(LoadCaseDlgTest, DeletingRowsOneToThreeKeepsDeadAndLive) {
  dlg->GetGrid().SelectRange(CGXRange().SetRows(1, 3));
  const int before = doc->GetModelDB()->GetUndoCount();
  user.Click(IDC_LOADCASE_DELETE);
  EXPECT_EQ(Names(), "DL,LL,WY,T1");
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), before + 1) << "one transaction";
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(LoadCaseDlgTest, AfterAnUndoTheCellStaysAndTheEditorsFollow) {
  CCMLoadCaseGrid& g = dlg->GetGrid();
  g.SetCurrentCell(5, g.GetColumnNoFor(CCMLoadCaseGrid::COL_NAME));
  g.CheckCurrentRow();
  EXPECT_EQ(Text(IDC_LOADCASE_NAME), "T1");
  user.Click(IDC_LOADCASE_DELETE);
  EXPECT_EQ(Names(), "DL,LL,WX,WY");
  ROWCOL row = 0, col = 0;
  ASSERT_TRUE(g.GetCurrentCell(row, col));
  EXPECT_EQ(row, 4u) << "clipped to the last row";
  EXPECT_EQ(Text(IDC_LOADCASE_NAME), "WY") << "another load case moved into the row";
  doc->Undo();
  EXPECT_EQ(Names(), "DL,LL,WX,WY,T1");
  ASSERT_TRUE(g.GetCurrentCell(row, col));
  EXPECT_EQ(row, 4u);
}

TEST_F(LoadCaseDlgTest, EditorsAddModifyAndRefuse) {
  user.Type(IDC_LOADCASE_NAME, "SN");
  user.Click(IDC_LOADCASE_ADD);
  EXPECT_EQ(stld->GetKey("SN"), 0u) << "no type chosen: nothing";
  user.ChooseIndex(user.FindControl(IDC_LOADCASE_TYPE), 6);
  user.Type(IDC_LOADCASE_DESC, "snow");
  dlg->GetGrid().SetCurrentCell(1, dlg->GetGrid().GetColumnNoFor(CCMLoadCaseGrid::COL_NAME));
  user.Click(IDC_LOADCASE_ADD);
  T_STLD_D r;
  ASSERT_TRUE(stld->Get(stld->GetKey("SN"), r));
  EXPECT_EQ(std::string(r.type.c_str()), "S");
  EXPECT_EQ(Names(), "DL,LL,WX,WY,T1,SN");
  ROWCOL row = 0, col = 0;
  dlg->GetGrid().GetCurrentCell(row, col);
  EXPECT_EQ(row, 6u) << "the new load case's row is current";
  // Modify keeps the number and the self-weight factor.
  dlg->GetGrid().SetCurrentCell(3, col);
  dlg->GetGrid().CheckCurrentRow();
  user.Type(IDC_LOADCASE_NAME, "WXX");
  user.Click(IDC_LOADCASE_MODIFY);
  ASSERT_TRUE(stld->Get(stld->GetKey("WXX"), r));
  EXPECT_EQ(r.number, 9);
  EXPECT_EQ(r.selfWeightFactor, 0.5);
  // Delete on the append row.
  dlg->GetGrid().SetCurrentCell(dlg->GetGrid().GetRowCount(), col);
  user.Click(IDC_LOADCASE_DELETE);
  ASSERT_NE(AfxGetLastMessage(), nullptr);
  EXPECT_EQ(AfxGetLastMessage()->text, CMsgDll::pfuncLoadStr("IDS_CMD__Error___No_selected_static_load_case_", 0));
}

TEST_F(LoadCaseDlgTest, ATypeTheComboLacksChangesOnlyTheName) {
  Add("ODD", "Q");
  CCMLoadCaseGrid& g = dlg->GetGrid();
  g.SetCurrentCell(1, g.GetColumnNoFor(CCMLoadCaseGrid::COL_NAME));
  g.CheckCurrentRow();
  const std::string desc = Text(IDC_LOADCASE_DESC);
  const int sel = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_LOADCASE_TYPE))->GetCurSel();
  dlg->SetData2Dlg(stld->GetKey("ODD"));
  EXPECT_EQ(Text(IDC_LOADCASE_NAME), "ODD");
  EXPECT_EQ(Text(IDC_LOADCASE_DESC), desc);
  EXPECT_EQ(static_cast<CComboBox*>(dlg->GetDlgItem(IDC_LOADCASE_TYPE))->GetCurSel(), sel);
}

TEST_F(LoadCaseDlgTest, APasteWithAnEmptyTypeIsToldAndWritesNothing) {
  CCMLoadCaseGrid& g = dlg->GetGrid();
  const int count = stld->GetCount();
  user.Paste(user.FindControl(IDC_LOADCASE_GRID), g.GetRowCount(), g.GetColumnNoFor(CCMLoadCaseGrid::COL_NAME), "NEW\t\tx");
  EXPECT_EQ(stld->GetCount(), count);
  ASSERT_NE(AfxGetLastMessage(), nullptr);
  EXPECT_EQ(std::string(AfxGetLastMessage()->text.c_str()),
            std::string(CMsgDll::pfuncLoadStr("IDS_CMD_GRID__Type", 0)) + CMsgDll::pfuncLoadStr("IDS_CMD___has_not_been_entered_", 0));
  user.Paste(user.FindControl(IDC_LOADCASE_GRID), g.GetRowCount(), g.GetColumnNoFor(CCMLoadCaseGrid::COL_NAME), "NEW\tno such type\tx");
  EXPECT_EQ(stld->GetCount(), count) << "a Type that names no load type";
}

TEST_F(LoadCaseDlgTest, HintsZeroAndOneHandOnTheUpdateRecordsOtherHintsLeaveTheGrid) {
  CCMLoadCaseGrid& g = dlg->GetGrid();
  T_UPDATE_HINT hint;
  hint.m_nDBID = DB_ID_MODEL;
  for (LPARAM h : {5, 0, 1}) {
    g.SetValueRange(CGXRange(5, g.GetColumnNoFor(CCMLoadCaseGrid::COL_NAME)), "stale");
    static_cast<CDBUpdateConnector*>(dlg)->OnUpdate(nullptr, h, &hint);
    EXPECT_EQ(Cell(5, CCMLoadCaseGrid::COL_NAME), h == 5 ? "stale" : "T1") << "hint " << h;
  }
  EXPECT_EQ(Names(), "DL,LL,WX,WY,T1");
}

}  // namespace
