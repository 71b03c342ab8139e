// The notifications each user action sends, in order, and the message-map dispatch that
// delivers them.
#include "WndTestSupport.h"

namespace {
class NotificationTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
    dlg.ShowWindow(SW_SHOW);
    dlg.log.clear();
    user.SetDialog(&dlg);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  CRecordingDlg dlg;
  CUserDriver user;
};

TEST_F(NotificationTest, TypingFocusesReplacesAndLeaves) {
  dlg.SetDlgItemText(IDC_EDIT, "old");
  dlg.log.clear();
  ASSERT_EQ(1, user.Type(IDC_EDIT, "12.5"));
  EXPECT_EQ("EN_SETFOCUS:1006 EN_UPDATE:1006 EN_CHANGE:1006 EN_KILLFOCUS:1006", dlg.Joined());
  CString s;
  dlg.GetDlgItemText(IDC_EDIT, s);
  EXPECT_EQ("12.5", s);
}

TEST_F(NotificationTest, TypingKeepsToTheLimitAndStyle) {
  struct Case {
    int limit;
    DWORD style;
    const char* typed;
    const char* shown;
  } cases[] = {
      {0, 0, "abc", "abc"},
      {4, 0, "abcdef", "abcd"},
      {4, 0, "甲乙丙", "甲乙"},       // a CJK character counts two
      {3, 0, "a甲乙", "a甲"},
      {0, ES_NUMBER, "1a2b3", "123"},
      {0, ES_UPPERCASE, "ab", "AB"},
  };
  auto* edit = static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT));
  for (const Case& c : cases) {
    edit->SetLimitText((UINT)c.limit);
    edit->ModifyStyle(ES_NUMBER | ES_UPPERCASE, c.style);
    ASSERT_EQ(1, user.Type(IDC_EDIT, c.typed));
    CString s;
    edit->GetWindowText(s);
    EXPECT_EQ(c.shown, s) << c.typed;
  }
}

TEST_F(NotificationTest, DeleteAndTabKeys) {
  auto* edit = static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT));
  edit->SetWindowText("甲bc");
  edit->SetFocus();
  edit->SetSel(0, 0);
  dlg.log.clear();
  ASSERT_EQ(1, user.Key(IDC_EDIT, VK_DELETE));
  CString s;
  edit->GetWindowText(s);
  EXPECT_EQ("bc", s) << "the whole character goes";
  EXPECT_EQ("EN_UPDATE:1006 EN_CHANGE:1006", dlg.Joined());
  // Tab moves the focus to the next tab stop and the edit is told it lost the focus.
  dlg.log.clear();
  ASSERT_EQ(1, user.Key(IDC_EDIT, VK_TAB));
  EXPECT_EQ("EN_KILLFOCUS:1006", dlg.Joined().substr(0, 17));
  EXPECT_NE(edit, CWnd::GetFocus());
}

TEST_F(NotificationTest, SetWindowTextOfAnEditSendsChangeButNoFocus) {
  dlg.SetDlgItemText(IDC_EDIT, "x");
  EXPECT_EQ("EN_UPDATE:1006 EN_CHANGE:1006", dlg.Joined());
}

TEST_F(NotificationTest, ClickingButtonsAndAutomaticChecks) {
  ASSERT_EQ(1, user.Click(IDC_BUTTON));
  ASSERT_EQ(1, user.Click(IDC_CHECK));
  EXPECT_EQ(BST_CHECKED, dlg.IsDlgButtonChecked(IDC_CHECK));
  ASSERT_EQ(1, user.Click(IDC_CHECK));
  EXPECT_EQ(BST_UNCHECKED, dlg.IsDlgButtonChecked(IDC_CHECK));
  EXPECT_EQ("BN_CLICKED:1000 BN_CLICKED:1001 BN_CLICKED:1001", dlg.Joined());
}

TEST_F(NotificationTest, RadioGroupKeepsOneChecked) {
  ASSERT_EQ(1, user.Click(IDC_RADIO2));
  ASSERT_EQ(1, user.Check(IDC_RADIO3, 1));
  EXPECT_EQ(0u, dlg.IsDlgButtonChecked(IDC_RADIO1));
  EXPECT_EQ(0u, dlg.IsDlgButtonChecked(IDC_RADIO2));
  EXPECT_EQ(1u, dlg.IsDlgButtonChecked(IDC_RADIO3));
  EXPECT_EQ(IDC_RADIO3, dlg.GetCheckedRadioButton(IDC_RADIO1, IDC_RADIO3));
  // Already checked: nothing to do, nothing sent.
  ASSERT_EQ(1, user.Check(IDC_RADIO3, 1));
  EXPECT_EQ("BN_CLICKED:1003 BN_CLICKED:1004", dlg.Joined());
}

TEST_F(NotificationTest, ChoosingAComboItem) {
  auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DROPLIST));
  combo->AddString("甲");
  combo->AddString("乙");
  ASSERT_EQ(1, user.Choose(IDC_DROPLIST, "乙"));
  EXPECT_EQ(1, combo->GetCurSel());
  EXPECT_EQ("CBN_SETFOCUS:1009 CBN_DROPDOWN:1009 CBN_SELCHANGE:1009 CBN_SELENDOK:1009 CBN_CLOSEUP:1009",
            dlg.Joined());
  CString text;
  combo->GetWindowText(text);
  EXPECT_EQ("乙", text);
  EXPECT_EQ(0, user.Choose(IDC_DROPLIST, "丙")) << "an item the list does not hold";
  EXPECT_EQ(0, user.ChooseIndex(IDC_DROPLIST, 2));
}

TEST_F(NotificationTest, TypingIntoADropDownCombo) {
  auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DROPDOWN));
  combo->AddString("30");
  ASSERT_EQ(1, user.Type(IDC_DROPDOWN, "30"));
  EXPECT_EQ("CBN_SETFOCUS:1010 CBN_EDITUPDATE:1010 CBN_EDITCHANGE:1010 CBN_KILLFOCUS:1010", dlg.Joined());
  EXPECT_EQ(0, combo->GetCurSel());
  EXPECT_EQ(0, user.Type(IDC_DROPLIST, "x")) << "a drop-list has no edit";
}

TEST_F(NotificationTest, DoubleClicksSelectThenTell) {
  auto* box = static_cast<CListBox*>(dlg.GetDlgItem(IDC_LISTBOX));
  for (const char* t : {"a", "b", "c"}) box->AddString(t);
  auto* list = static_cast<CListCtrl*>(dlg.GetDlgItem(IDC_LISTCTRL));
  list->InsertColumn(0, "名称");
  for (int i = 0; i < 3; ++i) list->InsertItem(i, "r");
  dlg.log.clear();
  ASSERT_EQ(1, user.DblClick(box, 2));
  EXPECT_EQ("LBN_SELCHANGE:1011 LBN_DBLCLK:1011", dlg.Joined());
  EXPECT_EQ(2, box->GetCurSel());
  dlg.log.clear();
  ASSERT_EQ(1, user.DblClick(list, 1));
  EXPECT_EQ("LVN_ITEMCHANGED:1:2 NM_CLICK:1012 NM_DBLCLK:1", dlg.Joined());
  EXPECT_EQ(0, user.DblClick(box, 3)) << "no such item";
  box->EnableWindow(FALSE);
  EXPECT_EQ(0, user.DblClick(box, 0)) << "a disabled list";
}

TEST_F(NotificationTest, ListControlRowSelection) {
  auto* list = static_cast<CListCtrl*>(dlg.GetDlgItem(IDC_LISTCTRL));
  list->InsertColumn(0, "名称");
  list->InsertColumn(1, "值");
  for (int i = 0; i < 3; ++i) list->InsertItem(i, "r");
  list->SetItemText(2, 1, "v2");
  dlg.log.clear();
  ASSERT_EQ(1, user.SelectRows(IDC_LISTCTRL, {1}));
  EXPECT_EQ("LVN_ITEMCHANGED:1:2 NM_CLICK:1012", dlg.Joined());
  dlg.log.clear();
  ASSERT_EQ(1, user.SelectRows(IDC_LISTCTRL, {2}));
  // The single-selection list drops row 1 before row 2 is selected.
  EXPECT_EQ("LVN_ITEMCHANGED:1:0 LVN_ITEMCHANGED:2:2 NM_CLICK:1012", dlg.Joined());
  EXPECT_EQ(2, list->GetNextItem(-1, LVNI_SELECTED));
  EXPECT_EQ("v2", list->GetItemText(2, 1));
  EXPECT_EQ(0, user.SelectRows(IDC_LISTCTRL, {0, 1})) << "single selection";
  EXPECT_EQ(0, user.SelectRows(IDC_LISTCTRL, {3}));
}

TEST_F(NotificationTest, TabChoiceCanBeVetoed) {
  auto* tab = static_cast<CTabCtrl*>(dlg.GetDlgItem(IDC_TAB));
  tab->InsertItem(0, "一");
  tab->InsertItem(1, "二");
  dlg.m_bVetoTab = TRUE;
  ASSERT_EQ(1, user.SelectTab(IDC_TAB, 1));
  EXPECT_EQ(0, tab->GetCurSel());
  dlg.m_bVetoTab = FALSE;
  ASSERT_EQ(1, user.SelectTab(IDC_TAB, 1));
  EXPECT_EQ(1, tab->GetCurSel());
  EXPECT_EQ("TCN_SELCHANGING:1013 TCN_SELCHANGING:1013 TCN_SELCHANGE:1013", dlg.Joined());
}

TEST_F(NotificationTest, HiddenOrDisabledControlsRefuseEveryAction) {
  dlg.GetDlgItem(IDC_BUTTON)->EnableWindow(FALSE);
  dlg.GetDlgItem(IDC_EDIT)->ShowWindow(SW_HIDE);
  static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT))->SetReadOnly(FALSE);
  EXPECT_EQ(0, user.Click(IDC_BUTTON));
  EXPECT_EQ(0, user.Type(IDC_EDIT, "1"));
  EXPECT_EQ(0, user.Click(4242)) << "no such control";
  static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT))->ShowWindow(SW_SHOW);
  static_cast<CEdit*>(dlg.GetDlgItem(IDC_EDIT))->SetReadOnly(TRUE);
  EXPECT_EQ(0, user.Type(IDC_EDIT, "1")) << "read-only";
  dlg.ShowWindow(SW_HIDE);
  EXPECT_EQ(0, user.Click(IDC_CHECK)) << "the dialog itself is hidden";
  EXPECT_EQ("", dlg.Joined());
}

TEST_F(NotificationTest, DescribeLinesShowStateOfEachKind) {
  auto* combo = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DROPLIST));
  combo->AddString("a \"q\"");
  combo->AddString("b");
  combo->SetCurSel(1);
  dlg.CheckDlgButton(IDC_CHECK, 1);
  dlg.GetDlgItem(IDC_BUTTON)->EnableWindow(FALSE);
  std::vector<CString> lines = user.Describe();
  auto find = [&](int id) {
    for (auto& l : lines)
      if (l.Find(CString("control ") + std::to_string(id).c_str() + " ") == 0) return std::string(l.c_str());
    return std::string();
  };
  EXPECT_EQ("control 1000 BUTTON visible=1 enabled=0 text=\"按钮\"", find(IDC_BUTTON));
  EXPECT_EQ("control 1001 BUTTON visible=1 enabled=1 text=\"选择\" check=1", find(IDC_CHECK));
  EXPECT_EQ("control 1009 COMBOBOX visible=1 enabled=1 text=\"b\" sel=1 items=\"a \\\"q\\\"\",\"b\"",
            find(IDC_DROPLIST));
}
}  // namespace
