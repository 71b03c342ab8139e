// Message-map dispatch: the class's entries before its base's, ranges, registered
// messages, reflection to the control, command-state updates; data exchange.
#include "WndTestSupport.h"

namespace {
class MessageMapTest : public WndTest {};

UINT WM_TEST_REGISTERED = RegisterWindowMessage("AFXTEST_REGISTERED");

class CBaseDlg : public CDialog {
 public:
  CBaseDlg() : CDialog(IDD_TEST_ALL) {}
  std::vector<std::string> log;

 protected:
  void OnButton() { log.push_back("base button"); }
  void OnCheck() { log.push_back("base check"); }
  LRESULT OnUser(WPARAM w, LPARAM l) {
    log.push_back("base user " + std::to_string(w + (WPARAM)l));
    return 5;
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CBaseDlg, CDialog)
  ON_BN_CLICKED(IDC_BUTTON, &CBaseDlg::OnButton)
  ON_BN_CLICKED(IDC_CHECK, &CBaseDlg::OnCheck)
  ON_MESSAGE(WM_USER + 7, &CBaseDlg::OnUser)
END_MESSAGE_MAP()

class CDerivedDlg : public CBaseDlg {
 public:
  int sizes = 0;
  void OnOK() override { log.push_back("ok"); }

 protected:
  void OnButtonDerived() { log.push_back("derived button"); }
  void OnRange(UINT id) { log.push_back("range " + std::to_string(id)); }
  LRESULT OnRegistered(WPARAM, LPARAM) { return 42; }
  void OnSize(UINT, int, int) { ++sizes; }
  void OnUpdateButton(CCmdUI* ui) { ui->Enable(FALSE); }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CDerivedDlg, CBaseDlg)
  ON_BN_CLICKED(IDC_BUTTON, &CDerivedDlg::OnButtonDerived)
  ON_COMMAND_RANGE(IDC_RADIO1, IDC_RADIO3, &CDerivedDlg::OnRange)
  ON_REGISTERED_MESSAGE(WM_TEST_REGISTERED, &CDerivedDlg::OnRegistered)
  ON_WM_SIZE()
  ON_UPDATE_COMMAND_UI(IDC_BUTTON, &CDerivedDlg::OnUpdateButton)
END_MESSAGE_MAP()

// An edit that takes its own EN_CHANGE (reflection) before the dialog sees it.
class CSelfEdit : public CEdit {
 public:
  int changes = 0;

 protected:
  void OnChangeReflect() { ++changes; }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CSelfEdit, CEdit)
  ON_CONTROL_REFLECT(EN_CHANGE, &CSelfEdit::OnChangeReflect)
END_MESSAGE_MAP()

TEST_F(MessageMapTest, DerivedEntriesComeFirstThenTheBase) {
  CDerivedDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
  dlg.ShowWindow(SW_SHOW);
  CUserDriver user(&dlg);
  user.Click(IDC_BUTTON);
  user.Click(IDC_CHECK);
  user.Click(IDC_RADIO2);
  EXPECT_EQ(5, dlg.SendMessage(WM_USER + 7, 1, 2));
  EXPECT_EQ(42, dlg.SendMessage(RegisterWindowMessage("afxtest_registered")));
  EXPECT_EQ(0, dlg.SendMessage(WM_USER + 8)) << "no entry: the default procedure";
  user.Click(IDOK);
  std::vector<std::string> want = {"derived button", "base check", "range 1003", "base user 3", "ok"};
  EXPECT_EQ(want, dlg.log);
  // WM_SIZE reached the derived handler when the size changed.
  int before = dlg.sizes;
  CRect r;
  dlg.GetWindowRect(&r);
  dlg.MoveWindow(r.left, r.top, r.Width() + 10, r.Height());
  EXPECT_EQ(before + 1, dlg.sizes);
  dlg.MoveWindow(r.left + 5, r.top, r.Width() + 10, r.Height());
  EXPECT_EQ(before + 1, dlg.sizes) << "a move alone sends no WM_SIZE";
  dlg.UpdateDialogControls(&dlg, FALSE);
  EXPECT_FALSE(dlg.GetDlgItem(IDC_BUTTON)->IsWindowEnabled());
  EXPECT_TRUE(dlg.GetDlgItem(IDC_CHECK)->IsWindowEnabled());
  dlg.DestroyWindow();
}

TEST_F(MessageMapTest, ReflectedNotificationStaysWithTheControl) {
  CRecordingDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
  CSelfEdit edit;
  ASSERT_TRUE(edit.SubclassDlgItem(IDC_EDIT, &dlg));
  EXPECT_EQ(&edit, dlg.GetDlgItem(IDC_EDIT));
  dlg.log.clear();
  edit.SetWindowText("abc");
  EXPECT_EQ(1, edit.changes);
  EXPECT_EQ("EN_UPDATE:1006", dlg.Joined()) << "EN_CHANGE was consumed by the edit";
  dlg.DestroyWindow();
  EXPECT_EQ(nullptr, edit.m_hWnd);
}

struct DdxDlg : public CDialog {
  DdxDlg() : CDialog(IDD_TEST_ALL) {}
  CString text = "名称";
  double value = 2.5;
  int check = 1, radio = 2, combo = 1;
  CComboBox comboCtl;
  bool useDouble = true;
  void DoDataExchange(CDataExchange* pDX) override {
    DDX_Control(pDX, IDC_DROPLIST, comboCtl);
    if (useDouble)
      DDX_Text(pDX, IDC_EDIT, value);
    else
      DDX_Text(pDX, IDC_EDIT, text);
    DDX_Check(pDX, IDC_CHECK, check);
    DDX_Radio(pDX, IDC_RADIO1, radio);
    DDX_CBIndex(pDX, IDC_DROPLIST, combo);
  }
};

TEST_F(MessageMapTest, DataExchangeBothWaysAndFailure) {
  DdxDlg dlg;
  ASSERT_TRUE(dlg.Create(IDD_TEST_ALL));
  ASSERT_NE(nullptr, dlg.comboCtl.m_hWnd) << "DDX_Control attached the combo";
  dlg.comboCtl.AddString("a");
  dlg.comboCtl.AddString("b");
  dlg.UpdateData(FALSE);
  CString s;
  dlg.GetDlgItemText(IDC_EDIT, s);
  EXPECT_EQ("2.5", s);
  EXPECT_EQ(1u, dlg.IsDlgButtonChecked(IDC_CHECK));
  EXPECT_EQ(1u, dlg.IsDlgButtonChecked(IDC_RADIO3));
  EXPECT_EQ(1, dlg.comboCtl.GetCurSel());

  dlg.SetDlgItemText(IDC_EDIT, " 1e3 ");
  dlg.CheckRadioButton(IDC_RADIO1, IDC_RADIO3, IDC_RADIO1);
  EXPECT_TRUE(dlg.UpdateData(TRUE));
  EXPECT_EQ(1000.0, dlg.value);
  EXPECT_EQ(0, dlg.radio);

  dlg.SetDlgItemText(IDC_EDIT, "12abc");
  dlg.check = 7;
  EXPECT_FALSE(dlg.UpdateData(TRUE));
  EXPECT_EQ(1000.0, dlg.value) << "kept";
  EXPECT_EQ(7, dlg.check) << "the exchange stopped at the failure";
  ASSERT_NE(nullptr, AfxGetLastMessage());
  EXPECT_EQ("Please enter a number.", AfxGetLastMessage()->text);
  EXPECT_EQ(dlg.GetDlgItem(IDC_EDIT), CWnd::GetFocus());
  dlg.DestroyWindow();
}

TEST_F(MessageMapTest, FileDialogTakesAQueuedPath) {
  CFileDialog none(TRUE, "zel");
  EXPECT_EQ(IDCANCEL, none.DoModal());
  AfxQueueFileDialogPath("/tmp/models/tower");
  CFileDialog save(FALSE, "zel", nullptr, OFN_OVERWRITEPROMPT, "Model (*.zel)|*.zel||");
  ASSERT_EQ(IDOK, save.DoModal());
  EXPECT_EQ("/tmp/models/tower.zel", save.GetPathName());
  EXPECT_EQ("tower.zel", save.GetFileName());
  EXPECT_EQ("zel", save.GetFileExt());
  EXPECT_EQ("tower", save.GetFileTitle());
  AfxQueueFileDialogPath(nullptr);
  EXPECT_EQ(IDCANCEL, save.DoModal());
  AfxQueueFileDialogPath("/nonexistent/dir/a.zel");
  CFileDialog open(TRUE, "zel", nullptr, OFN_FILEMUSTEXIST);
  EXPECT_EQ(IDCANCEL, open.DoModal());
  EXPECT_EQ(1, AfxGetMessageCount());
}
}  // namespace
