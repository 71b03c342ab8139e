// The plan and story dialog's plan page and its standard-floor list, through the dialog's
// templates and real transactions of the sample model.
#include <gtest/gtest.h>

#include <string>
#include "afx/CUserDriver.h"
#include "common/CmdGridRows.h"
#include "frame/ICmdDialog.h"
#include "levels/CCmdPlanNameGrid.h"
#include "levels/CCmdPlanStoryDlgMain.h"
#include "levels/CCmdPlanStoryDlgPlan.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

using G = CCmdPlanNameGrid;

class PlanPageTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    CArray<T_PLAN_D> recs;
    T_PLAN_D a;  // a plate with its own factors and mesh size
    a.name = "PA";
    a.slabType = 4;
    a.stiffFactors[0] = 1;
    a.stiffFactors[1] = 0.5;
    a.stiffFactors[2] = 0.25;
    a.useMctlMeshSize = 0;
    a.meshSize = 0.5;
    recs.Add(a);
    T_PLAN_D b;  // rigid diaphragm
    b.name = "PB";
    b.slabType = 2;
    recs.Add(b);
    T_PLAN_D c;  // membrane on the model control's mesh, with words the page does not show
    c.name = "PC";
    c.slabType = 3;
    c.useMctlMeshSize = 1;
    c.meshSize = 0.7;
    c.stiffFactors[0] = 0.123456789;
    c.reserved[1] = 7;
    c.property = 9;
    recs.Add(c);
    ASSERT_TRUE(plan->TR_Add(recs));
    db->ClearUndo();
    counter.transactions = 0;
  }
  // Runs the dialog on the plan page (first floor key) with the user's actions.
  template <class F>
  INT_PTR Run(UINT key, F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      auto& dlg = dynamic_cast<CCmdPlanStoryDlgMain&>(d);
      CCmdPlanStoryDlgPlan* page = dlg.GetPlanPage();
      ASSERT_NE(page, nullptr);
      ASSERT_NE(page->GetGrid(), nullptr);
      CUserDriver user(page);
      actions(*page, *page->GetGrid(), user);
      if (d.m_hWnd) d.EndDialog(IDOK);
    });
    CCmdPlanStoryDlgMain dlg(nullptr, CCmdPlanStoryDlgMain::TAB_PLAN, key, 0);
    return dlg.DoModal();
  }
  T_PLAN_D Plan(const char* name) {
    T_PLAN_D p;
    EXPECT_TRUE(plan->Get(plan->GetKey(name), p)) << name;
    return p;
  }
  static int RowOf(G& g, const char* name) {
    for (ROWCOL r = 1; r < g.GetRowCount(); ++r)
      if (g.GetValueRowCol(r, g.GetColumnNoFor(G::COL_NAME)) == name) return (int)r;
    return -1;
  }
  static std::string Cell(G& g, int row, int index) { return g.GetValueRowCol((ROWCOL)row, g.GetColumnNoFor(index)).c_str(); }
  static bool Editable(G& g, int row, int index) { return g.IsCellEditable((ROWCOL)row, g.GetColumnNoFor(index)); }
  static std::string TextOf(CWnd& page, int id) {
    CString s;
    page.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  bool Edit(CUserDriver& user, G& g, const char* name, int index, const char* text) {
    return user.EditCell(&g, RowOf(g, name), (int)g.GetColumnNoFor(index), text);
  }
};

// ---- the list ----------------------------------------------------------------------------------

TEST_F(PlanPageTest, CellsShowFactorsAndMeshAsTheSlabTypeAndFlagAllow) {
  Run(0, [&](CCmdPlanStoryDlgPlan&, G& g, CUserDriver& user) {
    const int a = RowOf(g, "PA"), b = RowOf(g, "PB"), c = RowOf(g, "PC");
    EXPECT_EQ(Cell(g, a, G::COL_NO), std::to_string(a));
    EXPECT_EQ(Cell(g, a, G::COL_STIFF), "1/0.5/0.25");
    EXPECT_EQ(Cell(g, a, G::COL_MESH), "0.5");
    EXPECT_TRUE(Editable(g, a, G::COL_STIFF) && Editable(g, a, G::COL_USE_MESH) && Editable(g, a, G::COL_MESH));
    EXPECT_EQ(Cell(g, b, G::COL_STIFF), "-");
    EXPECT_FALSE(Editable(g, b, G::COL_STIFF) || Editable(g, b, G::COL_USE_MESH) || Editable(g, b, G::COL_MESH));
    EXPECT_EQ(Cell(g, c, G::COL_MESH), "-");
    EXPECT_FALSE(Editable(g, c, G::COL_MESH));
    EXPECT_TRUE(Editable(g, c, G::COL_USE_MESH));
    // Clearing the use flag enables the mesh cell.
    ASSERT_TRUE(Edit(user, g, "PC", G::COL_USE_MESH, "0"));
    EXPECT_TRUE(Editable(g, RowOf(g, "PC"), G::COL_MESH));
  });
}

TEST_F(PlanPageTest, StiffnessTextsAreThreePositiveNumbersOrADash) {
  struct Case {
    const char* text;
    bool ok;
    double f0, f1, f2;
  } cases[] = {
      {"1/0.5", false, 0, 0, 0},       {"1/ /2", false, 0, 0, 0},        {"0/1/1", false, 0, 0, 0},
      {"-1/1/1", false, 0, 0, 0},      {"1//0.5/0.25", true, 1, 0.5, 0.25}, {"2/3/4", true, 2, 3, 4},
      {"-", true, 2, 3, 4},  // the stored factors stay
  };
  Run(0, [&](CCmdPlanStoryDlgPlan&, G& g, CUserDriver& user) {
    for (const Case& k : cases) {
      AfxClearMessageLog();
      Edit(user, g, "PA", G::COL_STIFF, k.text);
      if (!k.ok) {
        EXPECT_EQ(LastMessage(), Text("IDS_CMD_MEMB_Err_Input_Data")) << k.text;
        g.CancelEditing();
        g.RevertPendingRow();
        continue;
      }
      EXPECT_EQ(AfxGetMessageCount(), 0) << k.text;
      T_PLAN_D p = Plan("PA");
      EXPECT_DOUBLE_EQ(p.stiffFactors[0], k.f0) << k.text;
      EXPECT_DOUBLE_EQ(p.stiffFactors[1], k.f1) << k.text;
      EXPECT_DOUBLE_EQ(p.stiffFactors[2], k.f2) << k.text;
    }
  });
}

TEST_F(PlanPageTest, ARowIsSavedOverTheStoredFloor) {
  Run(0, [&](CCmdPlanStoryDlgPlan&, G& g, CUserDriver& user) {
    // A dash in the mesh cell keeps the stored size while the flag is set...
    ASSERT_TRUE(Edit(user, g, "PC", G::COL_NAME, "PC2"));
    T_PLAN_D c = Plan("PC2");
    EXPECT_DOUBLE_EQ(c.meshSize, 0.7);
    EXPECT_DOUBLE_EQ(c.stiffFactors[0], 0.123456789) << "a factor shown with %g is not rounded";
    EXPECT_EQ(c.reserved[1], 7);
    EXPECT_EQ(c.property, 9);
    // ...and gives 1.0 once the flag is clear.
    ASSERT_TRUE(Edit(user, g, "PA", G::COL_MESH, "-"));
    EXPECT_DOUBLE_EQ(Plan("PA").meshSize, 1.0);
    // An empty required cell names its column.
    AfxClearMessageLog();
    Edit(user, g, "PA", G::COL_NAME, "");
    EXPECT_NE(LastMessage().find(Text("IDS_CMD___has_not_been_entered_")), std::string::npos) << LastMessage();
    g.CancelEditing();
    g.RevertPendingRow();
  });
}

TEST_F(PlanPageTest, DraggingTheThirdFloorOntoTheFirstMovesItFirstInOneTransaction) {
  Run(0, [&](CCmdPlanStoryDlgPlan&, G& g, CUserDriver& user) {
    ASSERT_TRUE(user.SelectGridRows(&g, {3}));
    counter.transactions = 0;
    g.UserDragRows(3, 3, 1);
    EXPECT_EQ(counter.transactions, 1);
    EXPECT_EQ(PlanNames(), "PB,Plan1,PA,PC");
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "PB") << "the list follows";
    // While a cell is being edited nothing moves.
    g.SetCurrentCell(2, g.GetColumnNoFor(G::COL_NAME));
    g.StartEditing();
    AfxClearMessageLog();
    g.UserDragRows(3, 3, 1);
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_"));
    g.CancelEditing();
  });
}

TEST_F(PlanPageTest, CurrentRowNumberAndSelectRowByKey) {
  Run(0, [&](CCmdPlanStoryDlgPlan& page, G& g, CUserDriver&) {
    UINT key = 77;
    g.ResetCurrentCell();
    EXPECT_EQ(GetCurrentRowNumber(g, &key), 0);
    EXPECT_EQ(key, 77u);
    EXPECT_EQ(g.SelectRowByKey(plan->GetKey("PA")), 0) << "no current cell";
    g.SetCurrentCell(g.GetRowCount(), g.GetColumnNoFor(G::COL_NAME));  // the append row
    EXPECT_EQ(GetCurrentRowNumber(g, &key), 0);
    EXPECT_EQ(key, 77u);
    g.SetCurrentCell((ROWCOL)RowOf(g, "PB"), g.GetColumnNoFor(G::COL_SLAB));
    EXPECT_EQ(GetCurrentRowNumber(g, &key), 1);
    EXPECT_EQ(key, plan->GetKey("PB"));
    ROWCOL r = 0, c = 0;
    EXPECT_EQ(g.SelectRowByKey(4711), 0);
    ASSERT_TRUE(g.GetCurrentCell(r, c));
    EXPECT_EQ((int)r, RowOf(g, "PB"));
    EXPECT_EQ(g.SelectRowByKey(plan->GetKey("PC")), 1);
    EXPECT_EQ(page.GetCurrentKey(), plan->GetKey("PC")) << "the page shows the new row";
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_NAME), "PC");
  });
}

// ---- the page ----------------------------------------------------------------------------------

TEST_F(PlanPageTest, OpensOnTheGivenFloorAndShowsItsControls) {
  Run(plan->GetKey("PC"), [&](CCmdPlanStoryDlgPlan& page, G&, CUserDriver&) {
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_NAME), "PC");
    EXPECT_TRUE(page.IsDlgButtonChecked(IDC_PSD_PLAN_USE_MESH));
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_MESH), "1") << "the default mesh size while the flag is set";
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_PLAN_MESH)->IsWindowEnabled());
    EXPECT_TRUE(page.GetDlgItem(IDC_PSD_PLAN_FACTOR1)->IsWindowEnabled());
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_PLAN_LOAD)->IsWindowVisible());
  });
  Run(plan->GetKey("PB"), [&](CCmdPlanStoryDlgPlan& page, G&, CUserDriver&) {
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_NAME), "PB");
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_PLAN_FACTOR1)->IsWindowEnabled()) << "rigid diaphragm";
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_PLAN_USE_MESH)->IsWindowEnabled());
  });
}

TEST_F(PlanPageTest, AddMakesOneFloorOrASeriesInOneStep) {
  Run(0, [&](CCmdPlanStoryDlgPlan& page, G& g, CUserDriver& user) {
    user.Type(IDC_PSD_PLAN_NAME, " P ");
    user.Type(IDC_PSD_PLAN_SUFFIX, "1 3 5");
    counter.transactions = 0;
    user.Click(IDC_PSD_PLAN_ADD);
    EXPECT_EQ(counter.transactions, 1);
    EXPECT_EQ(PlanNames(), "Plan1,PA,PB,PC,P1,P3,P5");
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_SUFFIX), "");
    EXPECT_GT(RowOf(g, "P5"), 0) << "the list is filled again";
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(PlanNames(), "Plan1,PA,PB,PC") << "one undo step";
    EXPECT_EQ(RowOf(g, "P1"), -1) << "an undo rebuilds the list";

    // A suffix the parser refuses adds nothing and stays.
    user.Type(IDC_PSD_PLAN_SUFFIX, "1 x");
    AfxClearMessageLog();
    user.Click(IDC_PSD_PLAN_ADD);
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid"));
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_SUFFIX), "1 x");
    EXPECT_EQ(PlanNames(), "Plan1,PA,PB,PC");

    // A name another floor has is told and keeps the suffix.
    user.Type(IDC_PSD_PLAN_NAME, "P");
    user.Type(IDC_PSD_PLAN_SUFFIX, "A");  // "PA"
    user.Type(IDC_PSD_PLAN_SUFFIX, "");
    user.Type(IDC_PSD_PLAN_NAME, "PA");
    AfxClearMessageLog();
    user.Click(IDC_PSD_PLAN_ADD);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD_PLAN_NOT_WRITTEN"));
    user.Type(IDC_PSD_PLAN_NAME, "P");
    user.Type(IDC_PSD_PLAN_SUFFIX, "3");
    user.Click(IDC_PSD_PLAN_ADD);
    user.Type(IDC_PSD_PLAN_SUFFIX, "3");
    user.Click(IDC_PSD_PLAN_ADD);  // P3 again
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_SUFFIX), "3") << "a refused series keeps its suffix";
    ASSERT_TRUE(db->Undo());

    // Rigid diaphragm: the groups are disabled and Add stores the defaults.
    user.Type(IDC_PSD_PLAN_NAME, "R");
    user.Type(IDC_PSD_PLAN_SUFFIX, "2");
    user.Choose(IDC_PSD_PLAN_SLAB, Text("IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm").c_str());
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_PLAN_FACTOR1)->IsWindowEnabled());
    user.Click(IDC_PSD_PLAN_ADD);
    T_PLAN_D r = Plan("R2"), fresh;
    fresh.Initialize();
    EXPECT_EQ(r.slabType, 2);
    EXPECT_DOUBLE_EQ(r.stiffFactors[1], fresh.stiffFactors[1]);
    EXPECT_DOUBLE_EQ(r.meshSize, fresh.meshSize);
  });
}

TEST_F(PlanPageTest, EditWritesOverTheStoredFloorAndDeleteNeedsARecordRow) {
  Run(0, [&](CCmdPlanStoryDlgPlan& page, G& g, CUserDriver& user) {
    // Edit without a current record row does nothing.
    g.ResetCurrentCell();
    user.Type(IDC_PSD_PLAN_NAME, "X");
    user.Click(IDC_PSD_PLAN_EDIT);
    EXPECT_EQ(counter.transactions, 0);

    g.SetCurrentCell((ROWCOL)RowOf(g, "PC"), g.GetColumnNoFor(G::COL_NAME));
    g.CheckCurRowChanged();
    ASSERT_EQ(TextOf(page, IDC_PSD_PLAN_NAME), "PC");
    user.Type(IDC_PSD_PLAN_NAME, "PC9");
    user.Click(IDC_PSD_PLAN_EDIT);
    T_PLAN_D c = Plan("PC9");
    EXPECT_EQ(c.reserved[1], 7) << "the words the page does not show stay";
    EXPECT_EQ(c.property, 9);
    EXPECT_DOUBLE_EQ(c.meshSize, 0.7) << "the mesh size stays while the use check is ticked";
    EXPECT_DOUBLE_EQ(c.stiffFactors[0], 0.123456789) << "a factor left as shown is not rounded";
    EXPECT_GT(RowOf(g, "PC9"), 0);

    AfxClearMessageLog();
    user.Type(IDC_PSD_PLAN_NAME, "PA");
    user.Type(IDC_PSD_PLAN_SUFFIX, "4");
    user.Click(IDC_PSD_PLAN_EDIT);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD_PLAN_NOT_WRITTEN"));
    EXPECT_EQ(TextOf(page, IDC_PSD_PLAN_SUFFIX), "4");

    // Delete: no record row is told; a selected row goes.
    g.ResetCurrentCell();
    g.ClearSelection();
    AfxClearMessageLog();
    user.Click(IDC_PSD_PLAN_DELETE);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD__Error___No_selected_Plan_Name_"));
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "PB")}));
    user.Click(IDC_PSD_PLAN_DELETE);
    EXPECT_EQ(plan->GetKey("PB"), 0u);
    EXPECT_EQ(RowOf(g, "PB"), -1);
  });
}

}  // namespace
