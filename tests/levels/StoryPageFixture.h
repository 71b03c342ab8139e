// What the story page tests share: the plan and story dialog run on its story page over
// the sample model (Tower1: Base, B1, 1F, 2F, 3F, 4F, 5F, RF; Tower2 on 2F: 3F, 4F, 5F, RF;
// slab names S1 and S2), the user's actions on the page and its story table.
#pragma once
#include <string>
#include "afx/CUserDriver.h"
#include "levels/CCmdPlanStoryDlgMain.h"
#include "levels/CCmdPlanStoryDlgStor.h"
#include "levels/CCmdPlanStoryGrid.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

class StoryPageTest : public LevelsTest {
 protected:
  using G = CCmdPlanStoryGrid;

  void SetUp() override {
    LevelsTest::SetUp();
    doc->NewSampleModel();
    counter.transactions = 0;
  }

  // Runs the dialog on the story page of a tower (0: the main tower) with the user's
  // actions; the dialog is closed afterwards.
  template <class F>
  INT_PTR Run(UINT tower, F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      auto& dlg = dynamic_cast<CCmdPlanStoryDlgMain&>(d);
      CCmdPlanStoryDlgStor* page = dlg.GetStoryPage();
      ASSERT_NE(page, nullptr);
      ASSERT_NE(page->GetGrid(), nullptr);
      CUserDriver user(page);
      actions(*page, *page->GetGrid(), user);
      if (d.m_hWnd) d.EndDialog(IDOK);
    });
    CCmdPlanStoryDlgMain dlg(nullptr, CCmdPlanStoryDlgMain::TAB_STORY, 0, tower);
    return dlg.DoModal();
  }
  // A tower of its own standing on the ground, with stories of these heights (m) from the
  // bottom, named L1, L2..., on a standard floor of their own (the tower's name and "P");
  // the tower's key.
  UINT AddTower(const char* name, std::initializer_list<double> heights) {
    T_MDUL_D t;
    t.Initialize();
    t.name = name;
    EXPECT_TRUE(mdul->TR_Add(t));
    const UINT key = mdul->GetKey(name);
    T_PLAN_D p;
    p.Initialize();
    p.name = CString(name) + "P";
    if (!plan->GetKey(p.name)) {
      EXPECT_TRUE(plan->TR_Add(p));
    }
    CArray<T_STOR_D> recs;
    int i = 0;
    for (double h : heights) {
      T_STOR_D s;
      s.name.Format("L%d", ++i);
      s.mdulKey = key;
      s.height = h;
      s.planKey = plan->GetKey(p.name);
      recs.Add(s);
    }
    if (!recs.IsEmpty()) {
      EXPECT_TRUE(stor->TR_Add(recs));
    }
    return key;
  }
  T_STOR_D Story(const char* name, UINT tower = 1) {
    T_STOR_D s;
    EXPECT_TRUE(stor->Get(stor->GetKey(name, tower), s)) << name;
    return s;
  }
  static int RowOf(G& g, const char* name) {
    for (ROWCOL r = 1; r < g.GetRowCount(); ++r)
      if (g.GetValueRowCol(r, g.GetColumnNoFor(G::COL_NAME)) == name) return (int)r;
    return -1;
  }
  static std::string Cell(G& g, int row, int index) {
    return g.GetValueRowCol((ROWCOL)row, g.GetColumnNoFor(index)).c_str();
  }
  static bool Editable(G& g, int row, int index) { return g.IsCellEditable((ROWCOL)row, g.GetColumnNoFor(index)); }
  static std::string TextOf(CWnd& page, int id) {
    CString s;
    page.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  bool Edit(CUserDriver& user, G& g, const char* name, int index, const char* text) {
    return user.EditCell(&g, RowOf(g, name), (int)g.GetColumnNoFor(index), text);
  }
  // Ends a refused cell edit as the user's Escape would.
  static void Abandon(G& g) {
    g.CancelEditing();
    g.RevertPendingRow();
  }
};
