// The current standard-floor dialog through its template: what it opens on, and what Apply,
// OK and Cancel make the model's current standard floor.
#include <gtest/gtest.h>

#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "levels/CCmdChangeCurPlanDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

class ChangeCurPlanDlgTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    CArray<T_PLAN_D> recs;
    for (const char* n : {"PA", "PB"}) {
      T_PLAN_D p;
      p.name = n;
      recs.Add(p);
    }
    ASSERT_TRUE(plan->TR_Add(recs));
    pa = plan->GetKey("PA");
    pb = plan->GetKey("PB");
    counter.transactions = 0;
  }
  template <class F>
  INT_PTR Run(F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CCmdChangeCurPlanDlg dlg;
    return dlg.DoModal();
  }
  static CComboBox* Combo(CDialog& d) { return dynamic_cast<CComboBox*>(d.GetDlgItem(IDC_CHANGE_CUR_PLAN_COMBO)); }
  static CString Shown(CDialog& d) {
    CString s;
    CComboBox* c = Combo(d);
    if (c && c->GetCurSel() >= 0) c->GetLBText(c->GetCurSel(), s);
    return s;
  }
  UINT pa = 0, pb = 0;
};

TEST_F(ChangeCurPlanDlgTest, OpensOnTheCurrentFloorAndApplyOrOkMakesTheChoiceCurrent) {
  ASSERT_TRUE(plan->SetCurPlan(pa));
  EXPECT_EQ(Run([&](CDialog& d, CUserDriver& user) {
              EXPECT_EQ(Shown(d), "PA");
              ASSERT_TRUE(user.Choose(IDC_CHANGE_CUR_PLAN_COMBO, "PB"));
              EXPECT_EQ(plan->GetCurPlan(), pa) << "choosing alone changes nothing";
              ASSERT_TRUE(user.Click(IDC_CHANGE_CUR_PLAN_APPLY));
              EXPECT_EQ(plan->GetCurPlan(), pb);
              EXPECT_TRUE(d.IsWindowVisible()) << "Apply leaves the dialog open";
              ASSERT_TRUE(user.Choose(IDC_CHANGE_CUR_PLAN_COMBO, "PA"));
              user.Click(IDCANCEL);
            }),
            IDCANCEL);
  EXPECT_EQ(plan->GetCurPlan(), pb) << "Cancel keeps what Apply did and takes nothing more";

  EXPECT_EQ(Run([&](CDialog& d, CUserDriver& user) {
              EXPECT_EQ(Shown(d), "PB");
              ASSERT_TRUE(user.Choose(IDC_CHANGE_CUR_PLAN_COMBO, "PA"));
              user.Click(IDOK);
            }),
            IDOK);
  EXPECT_EQ(plan->GetCurPlan(), pa);
  EXPECT_EQ(counter.transactions, 0) << "the current floor is no transaction";
}

TEST_F(ChangeCurPlanDlgTest, WithoutACurrentFloorTheFirstIsShownAndApplyWithoutChoiceDoesNothing) {
  db->SetCurPlanKey(0);
  Run([&](CDialog& d, CUserDriver& user) {
    ASSERT_NE(Combo(d), nullptr);
    EXPECT_EQ(Combo(d)->GetCurSel(), 0);
    Combo(d)->SetCurSel(-1);
    user.Click(IDC_CHANGE_CUR_PLAN_APPLY);
    EXPECT_EQ(plan->GetCurPlan(), 0u);
    EXPECT_TRUE(d.IsWindowVisible());
    user.Click(IDOK);
  });
  EXPECT_EQ(plan->GetCurPlan(), 0u) << "OK with no choice changes nothing";
}

}  // namespace
