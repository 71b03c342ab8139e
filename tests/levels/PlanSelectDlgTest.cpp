// The standard-floor picker as the creation option panels use it: keys handed in, moves by
// the buttons and by double clicks, and what comes back on OK and Cancel.
#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

#include "afx/AfxScript.h"
#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "levels/CCmdPlanSelectDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

class PlanSelectDlgTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    // Standard floors A (key 2) and B (key 3) beside the first one (key 1).
    for (const char* name : {"A", "B"}) {
      T_PLAN_D p;
      p.name = name;
      ASSERT_TRUE(plan->TR_Add(p));
    }
  }
  // Runs the picker as a panel does: handed keys, then the panel's own array emptied and
  // refilled on IDOK only. Returns the result; keys ends as the panel keeps it.
  INT_PTR Run(std::vector<UINT>& keys, const std::function<void(CDialog&, CUserDriver&)>& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CUIntArray handed;
    for (UINT k : keys) handed.Add(k);
    CCmdPlanSelectDlg dlg(nullptr);
    dlg.SetSelectedPlanKeys(handed);
    INT_PTR r = dlg.DoModal();
    if (r == IDOK) {
      handed.RemoveAll();
      dlg.GetSelectedPlanKeys(handed);
      keys = handed.vec();
    }
    return r;
  }
  // The name of the model's first standard floor (key 1).
  std::string First() {
    T_PLAN_D p;
    EXPECT_TRUE(plan->Get(1, p));
    return p.name.c_str();
  }
  static std::string Items(CDialog& d, int id) {
    auto* list = dynamic_cast<CListBox*>(d.GetDlgItem(id));
    std::string s;
    for (int i = 0; i < list->GetCount(); ++i) {
      CString t;
      list->GetText(i, t);
      s += (s.empty() ? "" : ",") + std::string(t.c_str());
    }
    return s;
  }
};

TEST_F(PlanSelectDlgTest, HandedKeysComeBackAscending) {
  std::vector<UINT> keys = {3, 2};
  std::string left, right;
  EXPECT_EQ(IDOK, Run(keys, [&](CDialog& d, CUserDriver& u) {
              left = Items(d, IDC_PLAN_SELECT_UNSEL);
              right = Items(d, IDC_PLAN_SELECT_SEL);
              u.Click(IDOK);
            }));
  EXPECT_EQ(left, First());
  EXPECT_EQ(right, "A,B");
  EXPECT_EQ(keys, (std::vector<UINT>{2, 3}));
}

TEST_F(PlanSelectDlgTest, AllAcrossThenOkGivesEveryKey) {
  std::vector<UINT> keys;
  EXPECT_EQ(IDOK, Run(keys, [](CDialog&, CUserDriver& u) {
              u.Click(IDC_PLAN_SELECT_ALL_RIGHT);
              u.Click(IDOK);
            }));
  EXPECT_EQ(keys, (std::vector<UINT>{1, 2, 3}));
}

TEST_F(PlanSelectDlgTest, MovesAndDoubleClicksActAlike) {
  std::vector<UINT> keys = {1};
  std::string afterMoves;
  EXPECT_EQ(IDOK, Run(keys, [&](CDialog& d, CUserDriver& u) {
              // Left: A, B. Both marked and moved; then B double-clicked back; then A
              // double-clicked on the right goes back too.
              u.SelectRows(u.FindControl(IDC_PLAN_SELECT_UNSEL), {0, 1});
              u.Click(IDC_PLAN_SELECT_RIGHT);
              u.DblClick(u.FindControl(IDC_PLAN_SELECT_SEL), 2);
              afterMoves = Items(d, IDC_PLAN_SELECT_UNSEL) + "|" + Items(d, IDC_PLAN_SELECT_SEL);
              u.DblClick(u.FindControl(IDC_PLAN_SELECT_UNSEL), 0);
              u.Click(IDOK);
            }));
  EXPECT_EQ(afterMoves, "B|" + First() + ",A");
  EXPECT_EQ(keys, (std::vector<UINT>{1, 2, 3}));
}

TEST_F(PlanSelectDlgTest, CancelKeepsTheKeysHandedIn) {
  std::vector<UINT> keys = {3, 2};
  EXPECT_EQ(IDCANCEL, Run(keys, [](CDialog&, CUserDriver& u) {
              u.Click(IDC_PLAN_SELECT_ALL_LEFT);
              u.Click(IDCANCEL);
            }));
  EXPECT_EQ(keys, (std::vector<UINT>{3, 2}));
}

TEST_F(PlanSelectDlgTest, AModelWithoutStandardFloorsGivesTheKeysHandedIn) {
  CUIntArray all;
  plan->GetKeyList(all);
  ASSERT_TRUE(plan->TR_Del(all));
  std::vector<UINT> keys = {5};
  std::string shown;
  EXPECT_EQ(IDOK, Run(keys, [&](CDialog& d, CUserDriver& u) {
              u.Click(IDC_PLAN_SELECT_ALL_RIGHT);
              shown = Items(d, IDC_PLAN_SELECT_UNSEL) + "|" + Items(d, IDC_PLAN_SELECT_SEL);
              u.Click(IDOK);
            }));
  EXPECT_EQ(shown, "|5") << "a key that is no standard floor shows as its number";
  EXPECT_EQ(keys, (std::vector<UINT>{5}));
}

}  // namespace
