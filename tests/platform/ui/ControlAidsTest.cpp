// Control aids on a dialog of radios, a group box, combos and a spin edit.
#include <gtest/gtest.h>

#include <utility>
#include <vector>

#include "UiFixture.h"
#include "afx/CButton.h"
#include "afx/CUserDriver.h"
#include "ui/CCobxAutoFill.h"
#include "ui/CDlgUtil.h"
#include "ui/CEditSpinEx.h"
#include "ui/CFoldGroupBox.h"
#include "ui/CFoldGroupBox_CheckEnable.h"
#include "ui/CInternationalDlg.h"
#include "ui/T_DLG_CTRLS_GROUP.h"

namespace {

class ControlAids : public UiTest {
 protected:
  void SetUp() override {
    UiTest::SetUp();
    ASSERT_TRUE(dlg.Create(IDD_UI_CONTROLS, nullptr));
    dlg.ShowWindow(SW_SHOW);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    UiTest::TearDown();
  }
  CRect RectOf(UINT id) {
    CRect r;
    dlg.GetDlgItem((int)id)->GetWindowRect(&r);
    dlg.ScreenToClient(&r);
    return r;
  }
  CInternationalDlg dlg{IDD_UI_CONTROLS, nullptr};
};

TEST_F(ControlAids, RadioGroupsByIndex) {
  const CUIntArray radios = [] {
    CUIntArray a;
    for (UINT id : {IDC_UI_RADIO1, IDC_UI_RADIO2, IDC_UI_RADIO3}) a.Add(id);
    return a;
  }();
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, radios), -1) << "nothing checked: the caller keeps its default";
  CDlgUtil::CtrlRadioSetCheck(&dlg, radios, 2);
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, radios), 2);
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_UI_RADIO3), (UINT)BST_CHECKED);
  CDlgUtil::CtrlRadioSetCheck(&dlg, {IDC_UI_RADIO1, IDC_UI_RADIO2, IDC_UI_RADIO3}, 0);
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, {IDC_UI_RADIO1, IDC_UI_RADIO2, IDC_UI_RADIO3}), 0);
  EXPECT_EQ(dlg.IsDlgButtonChecked(IDC_UI_RADIO3), (UINT)BST_UNCHECKED);
  CUserDriver(&dlg).Click(IDC_UI_RADIO2);
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, radios), 1);
  CDlgUtil::CtrlRadioSetCheck(&dlg, radios, 9);
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, radios), -1);
  EXPECT_EQ(CDlgUtil::CtrlRadioGetCheck(&dlg, {99999}), -1) << "ids the dialog lacks are skipped";
}

TEST_F(ControlAids, ShowEnableAndMoveGroups) {
  CDlgUtil::CtrlShowHide(&dlg, {IDC_UI_IN1, IDC_UI_OUT, 99999}, FALSE);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN1)->IsWindowVisible());
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_OUT)->IsWindowVisible());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_UI_IN2)->IsWindowVisible());
  CDlgUtil::CtrlEnableDisable(&dlg, {IDC_UI_IN2}, FALSE);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN2)->IsWindowEnabled());

  CRect before = RectOf(IDC_UI_OUT);
  CUIntArray ids;
  ids.Add(IDC_UI_OUT);
  CDlgUtil::CtrlMoveDistX(&dlg, ids, -12);
  CDlgUtil::CtrlMoveDistY(&dlg, ids, 7);
  CRect after = RectOf(IDC_UI_OUT);
  EXPECT_EQ(after.TopLeft(), CPoint(before.left - 12, before.top + 7));
  EXPECT_EQ(after.Size(), before.Size());
}

TEST_F(ControlAids, ControlsInsideAGroupBox) {
  CUIntArray ids;
  ASSERT_TRUE(CDlgUtil::GetCtrlIDByIncRect(&dlg, ids, IDC_UI_GROUP, TRUE));
  ASSERT_EQ(ids.GetSize(), 3);
  EXPECT_EQ(ids[0], (UINT)IDC_UI_GROUP);
  EXPECT_EQ(ids[1], (UINT)IDC_UI_IN1);
  EXPECT_EQ(ids[2], (UINT)IDC_UI_IN2);
  EXPECT_FALSE(CDlgUtil::GetCtrlIDByIncRect(&dlg, ids, 99999, TRUE));
  EXPECT_EQ(ids.GetSize(), 0);

  CDlgUtil::CtrlEnableDisableByRect(&dlg, IDC_UI_GROUP, FALSE, FALSE);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN1)->IsWindowEnabled());
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN2)->IsWindowEnabled());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_UI_GROUP)->IsWindowEnabled());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_UI_OUT)->IsWindowEnabled()) << "outside the box";
}

TEST_F(ControlAids, ComboItemData) {
  auto* cobx = dynamic_cast<CComboBox*>(dlg.GetDlgItem(IDC_UI_COMBO));
  ASSERT_NE(cobx, nullptr);
  CDlgUtil::CobxAddItem(cobx, "RC", 1);
  CDlgUtil::CobxAddItem(cobx, "Steel", 2);
  CDlgUtil::CobxAddItem(cobx, "User", 4);
  EXPECT_EQ(CDlgUtil::CobxGetItemDataByCurSel(cobx, 99), 99u) << "nothing selected";
  EXPECT_TRUE(CDlgUtil::CobxSetCurSelItemData(cobx, 4));
  EXPECT_EQ(cobx->GetCurSel(), 2);
  EXPECT_EQ(CDlgUtil::CobxGetItemDataByCurSel(cobx), 4u);
  EXPECT_FALSE(CDlgUtil::CobxSetCurSelItemData(cobx, 3));
  EXPECT_EQ(cobx->GetCurSel(), -1);
}

TEST_F(ControlAids, SpinEditKeepsToItsRange) {
  CEditSpinEx spin;
  ASSERT_TRUE(spin.Initialize(IDC_UI_SPIN_EDIT, &dlg, 1, 100, 1));
  ASSERT_NE(spin.GetSpin(), nullptr);
  EXPECT_EQ(spin.GetSpin()->GetBuddy(), &spin);
  int n = 0;
  ASSERT_TRUE(spin.GetEditValue(n));
  EXPECT_EQ(n, 1) << "an empty edit shows the minimum";
  CUserDriver user(&dlg);
  struct Case {
    const char* typed;
    BOOL ok;
    int value;
  } cases[] = {{"42", TRUE, 42}, {"500", TRUE, 100}, {"-3", TRUE, 1}, {"abc", FALSE, 0}, {"", FALSE, 0}};
  for (const Case& c : cases) {
    ASSERT_TRUE(user.Type(IDC_UI_SPIN_EDIT, c.typed));
    int v = 0;
    EXPECT_EQ(spin.GetEditValue(v), c.ok) << c.typed;
    if (c.ok) {
      EXPECT_EQ(v, c.value) << c.typed;
    }
  }
  spin.SetEditValue(7);
  EXPECT_EQ(spin.GetSpin()->GetPos32(), 7);
  double d = 0;
  EXPECT_TRUE(spin.GetEditValue(d));
  EXPECT_DOUBLE_EQ(d, 7.0);
}

TEST_F(ControlAids, AutoFillComboOnLeaving) {
  CCobxAutoFill cobx;
  ASSERT_TRUE(cobx.SubclassDlgItem(IDC_UI_DROP, &dlg));
  for (const char* s : {"Q235", "Q345", "C30"}) cobx.AddString(s);
  EXPECT_EQ(cobx.SelectStringExactNoCase("q345"), 1);
  EXPECT_EQ(cobx.SelectStringExactNoCase("Q34"), CB_ERR);
  EXPECT_EQ(cobx.GetCurSel(), 1) << "a failed search keeps the selection";

  CUserDriver user(&dlg);
  ASSERT_TRUE(user.Type(IDC_UI_DROP, "c30"));
  EXPECT_EQ(cobx.GetCurSel(), 2) << "action 1: the exact match, ignoring case";
  ASSERT_TRUE(user.Type(IDC_UI_DROP, "C40"));
  EXPECT_EQ(cobx.GetCurSel(), -1);
  CString text;
  cobx.GetWindowText(text);
  EXPECT_STREQ(text, "");
  cobx.SetActionWhenKillFocus(2, -1);
  ASSERT_TRUE(user.Type(IDC_UI_DROP, "C40"));
  cobx.GetWindowText(text);
  EXPECT_STREQ(text, "C40") << "action 2 keeps typed text";
  cobx.SetActionWhenKillFocus(1, 0);
  ASSERT_TRUE(user.Type(IDC_UI_DROP, "none"));
  EXPECT_EQ(cobx.GetCurSel(), 0) << "no match: the default item";
}

TEST_F(ControlAids, CheckedGroupBoxEnablesWhatIsInside) {
  CFoldGroupBox_CheckEnable box;
  ASSERT_TRUE(box.Initialize(&dlg, IDD_UI_CONTROLS, IDC_UI_CHECKGROUP, TRUE, TRUE));
  EXPECT_EQ(box.GetCheckState(), 0);
  EXPECT_FALSE(dlg.GetDlgItem(7060)->IsWindowEnabled());
  box.SetCheckState(1);
  EXPECT_TRUE(dlg.GetDlgItem(7060)->IsWindowEnabled());
  CUserDriver(&dlg).Click(IDC_UI_CHECKGROUP);
  EXPECT_EQ(box.GetCheckState(), 0);
  EXPECT_FALSE(dlg.GetDlgItem(7060)->IsWindowEnabled());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_UI_CHECKGROUP)->IsWindowEnabled()) << "the box itself stays reachable";
}

// Groups of controls stack below a rectangle and keep their own arrangement; moving the
// window afterwards leaves their areas true.
TEST_F(ControlAids, ControlGroupsStackAndFollowTheirWindow) {
  T_DLG_CTRLS_GROUP inside, outside, none;
  inside.AddCtrls({IDC_UI_IN1, IDC_UI_IN2});
  outside.AddCtrl(IDC_UI_OUT);
  none.AddCtrl(99999);
  ASSERT_TRUE(inside.ReCalcArea(&dlg));
  ASSERT_TRUE(outside.ReCalcArea(&dlg));
  EXPECT_FALSE(none.ReCalcArea(&dlg)) << "no control of the group";
  const CRect in1 = RectOf(IDC_UI_IN1), in2 = RectOf(IDC_UI_IN2);

  CRect rc;
  dlg.GetDlgItem(IDC_UI_COMBO)->GetWindowRect(&rc);
  const int combo = rc.bottom;
  inside.SetCtrlsPosAfter(&dlg, rc, 5, TRUE);
  EXPECT_EQ(rc, inside.GetScreenArea()) << "the rectangle becomes the group's";
  outside.SetCtrlsPosAfter(&dlg, rc, 5, TRUE);
  CRect a, b;
  dlg.GetDlgItem(IDC_UI_IN1)->GetWindowRect(&a);
  dlg.GetDlgItem(IDC_UI_OUT)->GetWindowRect(&b);
  EXPECT_EQ(a.top, combo + 5);
  EXPECT_EQ(b.top, inside.GetScreenArea().bottom + 5);
  EXPECT_EQ(RectOf(IDC_UI_IN2).top - RectOf(IDC_UI_IN1).top, in2.top - in1.top) << "kept within the group";
  EXPECT_EQ(RectOf(IDC_UI_IN1).left, in1.left) << "moved down only";
  CRect same = rc;
  none.SetCtrlsPosAfter(&dlg, same, 5, TRUE);
  EXPECT_EQ(same, rc);

  CRect w;
  dlg.GetWindowRect(&w);
  dlg.MoveWindow(w.left + 30, w.top + 40, w.Width(), w.Height());
  dlg.GetDlgItem(IDC_UI_IN1)->GetWindowRect(&a);
  EXPECT_EQ(inside.GetScreenArea().TopLeft(), a.TopLeft());
  inside.SetCtrlsPos(&dlg, CPoint(a.left + 3, a.top - 2), TRUE);
  EXPECT_EQ(inside.GetScreenArea().TopLeft(), CPoint(a.left + 3, a.top - 2));

  inside.Show(&dlg, FALSE);
  inside.Enable(&dlg, FALSE);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN2)->IsWindowVisible());
  EXPECT_FALSE(dlg.GetDlgItem(IDC_UI_IN1)->IsWindowEnabled());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_UI_OUT)->IsWindowVisible());
}

class FoldDlg : public CInternationalDlg {
 public:
  FoldDlg() : CInternationalDlg(IDD_UI_CONTROLS, nullptr) {}
  std::vector<std::pair<WPARAM, LPARAM>> heard;

 protected:
  LRESULT OnFold(WPARAM w, LPARAM l) {
    heard.emplace_back(w, l);
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FoldDlg, CInternationalDlg)
  ON_REGISTERED_MESSAGE(CFoldGroupBox::WM_FOLDGROUPBOX_STATE_CHANGED, &FoldDlg::OnFold)
END_MESSAGE_MAP()

TEST_F(ControlAids, FoldBoxTellsItsDialogOfEachClick) {
  FoldDlg fold;
  ASSERT_TRUE(fold.Create(IDD_UI_CONTROLS, nullptr));
  fold.ShowWindow(SW_SHOW);
  CFoldGroupBox_Check box;
  ASSERT_TRUE(box.Initialize(&fold, IDD_UI_CONTROLS, IDC_UI_CHECKGROUP, 1, 1));
  EXPECT_EQ(box.GetDlgID(), (UINT)IDD_UI_CONTROLS);
  box.SetCheck(BST_CHECKED);
  EXPECT_TRUE(box.IsChecked());
  EXPECT_TRUE(fold.heard.empty()) << "a check set by code tells nobody";
  CUserDriver drv(&fold);
  ASSERT_TRUE(drv.Click(IDC_UI_CHECKGROUP));
  ASSERT_TRUE(drv.Click(IDC_UI_CHECKGROUP));
  ASSERT_EQ(fold.heard.size(), 2u);
  EXPECT_EQ(fold.heard[0], std::make_pair((WPARAM)IDC_UI_CHECKGROUP, (LPARAM)0));
  EXPECT_EQ(fold.heard[1], std::make_pair((WPARAM)IDC_UI_CHECKGROUP, (LPARAM)1));
  EXPECT_TRUE(box.IsChecked());
  fold.DestroyWindow();
}

}  // namespace
