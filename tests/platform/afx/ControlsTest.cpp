// Control data kept with the window: items, selection, checks, ranges; what survives a
// C++ object being attached later.
#include "WndTestSupport.h"

namespace {
class ControlsTest : public WndTest {
 protected:
  void SetUp() override {
    WndTest::SetUp();
    ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
    dlg.ShowWindow(SW_SHOW);
    user.SetDialog(&dlg);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    WndTest::TearDown();
  }
  template <class T>
  T* Ctl(int id) {
    return static_cast<T*>(dlg.GetDlgItem(id));
  }
  CRecordingDlg dlg;
  CUserDriver user;
};

TEST_F(ControlsTest, ComboItemsSelectionAndSearch) {
  auto* c = Ctl<CComboBox>(IDC_DROPDOWN);
  EXPECT_EQ(0, c->AddString("Beam"));
  EXPECT_EQ(1, c->AddString("column"));
  EXPECT_EQ(1, c->InsertString(1, "Brace"));
  c->SetItemData(2, 101);
  EXPECT_EQ(2, c->SetCurSel(2));
  CString t;
  c->GetWindowText(t);
  EXPECT_EQ("column", t) << "a drop-down shows the chosen item in its edit";
  EXPECT_EQ(2, c->FindString(-1, "COL"));
  EXPECT_EQ(1, c->FindString(0, "b")) << "search starts after the index given";
  EXPECT_EQ(0, c->FindString(1, "b")) << "and wraps";
  EXPECT_EQ(CB_ERR, c->FindStringExact(-1, "Bea"));
  EXPECT_EQ(1, c->DeleteString(0) - 1);
  EXPECT_EQ(1, c->GetCurSel()) << "the selection follows its item";
  EXPECT_EQ(101u, c->GetItemData(1));
  EXPECT_EQ(CB_ERR, c->SetCurSel(9));
  EXPECT_EQ(-1, c->GetCurSel());
  c->ResetContent();
  EXPECT_EQ(0, c->GetCount());
  c->GetWindowText(t);
  EXPECT_EQ("", t);
}

TEST_F(ControlsTest, SortedStylesInsertInOrder) {
  CListBox sorted;
  ASSERT_TRUE(sorted.Create(WS_VISIBLE | LBS_SORT | LBS_NOTIFY, CRect(0, 0, 50, 50), &dlg, 500));
  for (const char* s : {"c", "A", "b"}) sorted.AddString(s);
  CString t;
  for (int i = 0; i < 3; ++i) {
    sorted.GetText(i, t);
    EXPECT_EQ(std::string(1, "Abc"[i]), t.c_str());
  }
}

TEST_F(ControlsTest, MultipleSelectionListBox) {
  CListBox multi;
  ASSERT_TRUE(multi.Create(WS_VISIBLE | LBS_MULTIPLESEL | LBS_NOTIFY, CRect(0, 0, 50, 50), &dlg, 501));
  for (const char* s : {"1", "2", "3", "4"}) multi.AddString(s);
  EXPECT_EQ(LB_ERR, multi.SetCurSel(1)) << "single-selection call";
  multi.SetSel(1);
  multi.SetSel(3);
  EXPECT_EQ(2, multi.GetSelCount());
  int items[4] = {};
  ASSERT_EQ(2, multi.GetSelItems(4, items));
  EXPECT_EQ(1, items[0]);
  EXPECT_EQ(3, items[1]);
  ASSERT_EQ(1, user.SelectRows(501, {0, 2}));
  ASSERT_EQ(2, multi.GetSelItems(4, items));
  EXPECT_EQ(0, items[0]);
  EXPECT_EQ(2, items[1]);
  multi.SetSel(-1, FALSE);
  EXPECT_EQ(0, multi.GetSelCount());
}

TEST_F(ControlsTest, CheckListBoxAttachedLaterSeesTheItems) {
  auto* plain = Ctl<CListBox>(IDC_LISTBOX);
  plain->AddString("一层");
  plain->AddString("二层");
  CCheckListBox checks;
  ASSERT_TRUE(checks.SubclassDlgItem(IDC_LISTBOX, &dlg));
  EXPECT_EQ(2, checks.GetCount());
  checks.SetCheck(1, 1);
  ASSERT_EQ(1, user.CheckItem(&checks, 0, 1));
  EXPECT_EQ(1, checks.GetCheck(0));
  checks.Enable(1, FALSE);
  EXPECT_EQ(0, user.CheckItem(&checks, 1, 0)) << "a disabled item";
  std::string line = AfxDescribeWindow(&checks).c_str();
  EXPECT_NE(std::string::npos, line.find("checks=1,1")) << line;
  checks.UnsubclassWindow();
}

// Vetoes LVN_ITEMCHANGING for row 0.
class CVetoDlg : public CDialog {
 public:
  CVetoDlg() : CDialog(IDD_TEST_ALL) {}
  int changed = 0;

 protected:
  void OnChanging(NMHDR* h, LRESULT* r) { *r = reinterpret_cast<NMLISTVIEW*>(h)->iItem == 0; }
  void OnChanged(NMHDR*, LRESULT*) { ++changed; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(CVetoDlg, CDialog)
  ON_NOTIFY(LVN_ITEMCHANGING, IDC_LISTCTRL, &CVetoDlg::OnChanging)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_LISTCTRL, &CVetoDlg::OnChanged)
END_MESSAGE_MAP()

TEST_F(ControlsTest, ListControlStatesChecksAndVeto) {
  CVetoDlg v;
  ASSERT_TRUE(v.Create(IDD_TEST_ALL));
  auto* list = static_cast<CListCtrl*>(v.GetDlgItem(IDC_LISTCTRL));
  list->SetExtendedStyle(list->GetExtendedStyle() | LVS_EX_CHECKBOXES | LVS_EX_FULLROWSELECT);
  list->InsertColumn(0, "A");
  for (int i = 0; i < 3; ++i) list->InsertItem(i, "x");
  list->SetItemData(1, 77);
  EXPECT_FALSE(list->SetItemState(0, LVIS_SELECTED, LVIS_SELECTED)) << "vetoed";
  EXPECT_TRUE(list->SetItemState(2, LVIS_SELECTED, LVIS_SELECTED));
  EXPECT_FALSE(list->GetCheck(1));
  list->SetCheck(1);
  EXPECT_TRUE(list->GetCheck(1));
  POSITION pos = list->GetFirstSelectedItemPosition();
  ASSERT_NE(nullptr, pos);
  EXPECT_EQ(2, list->GetNextSelectedItem(pos));
  EXPECT_EQ(nullptr, pos);
  EXPECT_EQ(77u, list->GetItemData(1));
  int before = v.changed;
  list->DeleteItem(1);
  EXPECT_EQ(before, v.changed);
  EXPECT_EQ(1, list->GetNextItem(-1, LVNI_SELECTED)) << "rows below move up";
  v.DestroyWindow();
}

TEST_F(ControlsTest, SpinSetsItsBuddyAndReadsItBack) {
  auto* spin = Ctl<CSpinButtonCtrl>(IDC_SPIN);
  EXPECT_EQ(dlg.GetDlgItem(IDC_SCROLLBAR), spin->GetBuddy()) << "UDS_AUTOBUDDY: the control before it";
  spin->SetBuddy(dlg.GetDlgItem(IDC_EDIT));
  spin->SetRange32(1, 100);
  spin->SetPos32(5);
  CString t;
  dlg.GetDlgItemText(IDC_EDIT, t);
  EXPECT_EQ("5", t);
  dlg.SetDlgItemText(IDC_EDIT, "42");
  EXPECT_EQ(42, spin->GetPos32());
  ASSERT_EQ(1, user.Spin(spin, 1));
  dlg.GetDlgItemText(IDC_EDIT, t);
  EXPECT_EQ("43", t);
  spin->SetPos32(500);
  EXPECT_EQ(100, spin->GetPos32()) << "clamped to the range";
}

TEST_F(ControlsTest, ButtonsAndStaticsKeepTheirImages) {
  auto* pic = Ctl<CStatic>(IDC_PICTURE);
  pic->SetBitmap(AfxHandleFromResId<HBITMAP>(IDB_TEST));
  EXPECT_EQ(IDB_TEST, pic->GetBitmapId());
  auto* btn = Ctl<CButton>(IDC_BUTTON);
  btn->SetIcon(AfxHandleFromResId<HICON>(14184));
  EXPECT_EQ(14184, AfxResIdFromHandle(btn->GetIcon()));
  EXPECT_EQ(nullptr, btn->GetBitmap());
}
}  // namespace
