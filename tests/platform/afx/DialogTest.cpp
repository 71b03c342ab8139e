// Modal dialogs driven by scripts, nesting, message boxes, modeless lifetime, posted
// messages and missing templates.
#include <algorithm>

#include "WndTestSupport.h"

namespace {
class DialogTest : public WndTest {};

// IDD_TEST_NESTED: IDC_OPEN opens IDD_TEST_OKCANCEL modally and asks a question when it
// comes back with IDOK; OnOK keeps the edit's value of its page.
class CNestedDlg : public CDialog {
 public:
  CNestedDlg() : CDialog(IDD_TEST_NESTED) {}
  int m_nInner = 0;
  int m_nAnswer = 0;
  int m_nInitCalls = 0;

 protected:
  BOOL OnInitDialog() override {
    ++m_nInitCalls;
    return CDialog::OnInitDialog();
  }
  void OnOpen() {
    CDialog inner(IDD_TEST_OKCANCEL, this);
    m_nInner = (int)inner.DoModal();
    if (m_nInner == IDOK) m_nAnswer = AfxMessageBox("保存吗?", MB_YESNO | MB_ICONQUESTION);
  }
  DECLARE_MESSAGE_MAP()
};

BEGIN_MESSAGE_MAP(CNestedDlg, CDialog)
  ON_BN_CLICKED(IDC_OPEN, &CNestedDlg::OnOpen)
END_MESSAGE_MAP()

TEST_F(DialogTest, ModalWithoutScriptEndsWithCancel) {
  CNestedDlg dlg;
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(1, dlg.m_nInitCalls);
  EXPECT_EQ(nullptr, dlg.m_hWnd);
}

TEST_F(DialogTest, ScriptActsUntilTheDialogEnds) {
  CNestedDlg dlg;
  bool sawWindow = false;
  AfxQueueDialogScript([&](CDialog& d) {
    sawWindow = d.IsWindowVisible() && d.GetTemplateID() == IDD_TEST_NESTED;
    EXPECT_EQ(&d, AfxGetModalDialog());
    CUserDriver user(&d);
    user.Click(IDOK);
    EXPECT_EQ(0, user.Click(IDC_OPEN)) << "the dialog ended and is hidden";
  });
  EXPECT_EQ(IDOK, dlg.DoModal());
  EXPECT_TRUE(sawWindow);
  EXPECT_EQ(0, AfxGetModalDepth());
}

TEST_F(DialogTest, ReturnAndEscapeGoThroughTheDialogManager) {
  for (auto [key, expected] : {std::pair{VK_RETURN, IDOK}, std::pair{VK_ESCAPE, IDCANCEL}}) {
    CDialog dlg(IDD_TEST_OKCANCEL);
    AfxQueueDialogScript([key = key](CDialog& d) { CUserDriver(&d).Key(0, key); });
    EXPECT_EQ(expected, dlg.DoModal());
  }
  // Return on a focused push button presses that button, not the default one.
  CNestedDlg dlg;
  AfxQueueDialogScript([](CDialog& d) {
    EXPECT_EQ(d.GetDlgItem(IDC_OPEN), CWnd::GetFocus()) << "the first tab stop has the focus";
    CUserDriver(&d).Key(0, VK_RETURN);
    EXPECT_TRUE(d.IsModalRunning());
  });
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(IDCANCEL, dlg.m_nInner) << "IDC_OPEN ran its inner dialog, which had no script";
}

TEST_F(DialogTest, NestedDialogTakesTheNextScriptAndBoxesTheirAnswers) {
  CNestedDlg dlg;
  AfxQueueDialogScript([](CDialog& d) {
    // The inner dialog and the box that follows it are scripted from here.
    AfxQueueDialogScript([](CDialog& inner) {
      EXPECT_EQ(IDD_TEST_OKCANCEL, inner.GetTemplateID());
      EXPECT_FALSE(CUserDriver::CanReach(inner.GetParent() ? inner.GetParent() : inner.GetOwner()))
          << "the outer dialog is disabled while the inner one runs";
      CUserDriver(&inner).Click(IDOK);
    });
    AfxQueueMessageBoxAnswer(IDNO);
    CUserDriver user(&d);
    EXPECT_EQ(1, user.Click(IDC_OPEN));
    EXPECT_TRUE(d.IsWindowEnabled()) << "enabled again after the inner dialog";
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, dlg.DoModal());
  EXPECT_EQ(IDOK, dlg.m_nInner);
  EXPECT_EQ(IDNO, dlg.m_nAnswer);
  ASSERT_EQ(1, AfxGetMessageCount());
  EXPECT_EQ("保存吗?", AfxGetLastMessage()->text);
  EXPECT_EQ((UINT)(MB_YESNO | MB_ICONQUESTION), AfxGetLastMessage()->style);
  EXPECT_EQ(0, AfxGetQueuedScriptCount() + AfxGetQueuedAnswerCount());
}

TEST_F(DialogTest, MessageBoxDefaultsFollowTheButtonSet) {
  struct Case {
    UINT style;
    int answer;
  } cases[] = {
      {MB_OK, IDOK},          {MB_OKCANCEL, IDOK},          {MB_OKCANCEL | MB_DEFBUTTON2, IDCANCEL},
      {MB_YESNO, IDYES},      {MB_YESNO | MB_DEFBUTTON2, IDNO}, {MB_YESNOCANCEL | MB_DEFBUTTON3, IDCANCEL},
      {MB_RETRYCANCEL, IDRETRY}, {MB_OK | MB_DEFBUTTON2, IDOK},
  };
  for (const Case& c : cases) EXPECT_EQ(c.answer, AfxMessageBox("?", c.style)) << c.style;
  EXPECT_EQ(8, AfxGetMessageCount());
  // A queued answer the box does not offer counts as its default.
  AfxQueueMessageBoxAnswer(IDNO);
  EXPECT_EQ(IDOK, AfxMessageBox("x", MB_OKCANCEL));
  AfxQueueMessageBoxAnswer(IDCANCEL);
  EXPECT_EQ(IDCANCEL, AfxMessageBox("x", MB_OKCANCEL));
  AfxClearMessageLog();
  EXPECT_EQ(nullptr, AfxGetLastMessage());
}

TEST_F(DialogTest, MissingTemplateFailsQuietly) {
  CDialog modal(4711);
  EXPECT_EQ(-1, modal.DoModal());
  CDialog modeless;
  EXPECT_FALSE(modeless.Create(4711));
  EXPECT_EQ(nullptr, modeless.m_hWnd);
  AfxQueueDialogScript([](CDialog&) { ADD_FAILURE() << "no dialog to script"; });
  EXPECT_EQ(-1, CDialog(4711).DoModal());
  EXPECT_EQ(1, AfxGetQueuedScriptCount()) << "the script waits for a dialog that opens";
}

// A modeless dialog that deletes itself once its window is gone.
class CSelfDeletingDlg : public CDialog {
 public:
  static int s_alive;
  CSelfDeletingDlg() { ++s_alive; }
  ~CSelfDeletingDlg() override { --s_alive; }
  void OnCancel() override { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
};
int CSelfDeletingDlg::s_alive = 0;

TEST_F(DialogTest, ModelessLifetimeEndsInPostNcDestroy) {
  auto* dlg = new CSelfDeletingDlg;
  ASSERT_TRUE(dlg->Create(IDD_TEST_OKCANCEL));
  HWND h = dlg->m_hWnd;
  EXPECT_TRUE(IsWindow(h));
  EXPECT_EQ(dlg, CWnd::FromHandlePermanent(h));
  EXPECT_EQ(dlg, CUserDriver::FindDialog(IDD_TEST_OKCANCEL));
  EXPECT_EQ(nullptr, CUserDriver::FindDialog(IDD_TEST_NESTED));
  dlg->ShowWindow(SW_SHOW);
  CUserDriver user(dlg);
  EXPECT_EQ(1, user.Click(IDCANCEL));
  EXPECT_FALSE(IsWindow(h));
  EXPECT_EQ(0, CSelfDeletingDlg::s_alive);
}

// Posts to itself from OnInitDialog and counts deliveries.
class CPostingDlg : public CDialog {
 public:
  CPostingDlg() : CDialog(IDD_TEST_OKCANCEL) {}
  static UINT WM_PING;
  int m_nPings = 0;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    PostMessage(WM_PING, 7, 0);
    return TRUE;
  }
  LRESULT OnPing(WPARAM w, LPARAM) {
    m_nPings += (int)w;
    return 0;
  }
  DECLARE_MESSAGE_MAP()
};
UINT CPostingDlg::WM_PING = RegisterWindowMessage("AFXTEST_PING");

BEGIN_MESSAGE_MAP(CPostingDlg, CDialog)
  ON_REGISTERED_MESSAGE(WM_PING, &CPostingDlg::OnPing)
END_MESSAGE_MAP()

TEST_F(DialogTest, PostedMessagesWaitForThePump) {
  EXPECT_EQ(CPostingDlg::WM_PING, RegisterWindowMessage("afxtest_ping")) << "same name, same id";
  EXPECT_NE(CPostingDlg::WM_PING, RegisterWindowMessage("AFXTEST_OTHER"));
  EXPECT_GE(CPostingDlg::WM_PING, 0xC000u);

  CPostingDlg modeless;
  ASSERT_TRUE(modeless.Create(IDD_TEST_OKCANCEL));
  EXPECT_EQ(0, modeless.m_nPings);
  EXPECT_EQ(1, AfxGetQueuedMessageCount());
  EXPECT_EQ(1, AfxPumpMessages());
  EXPECT_EQ(7, modeless.m_nPings);
  modeless.PostMessage(CPostingDlg::WM_PING, 1);
  modeless.DestroyWindow();
  EXPECT_EQ(1, AfxPumpMessages()) << "taken from the queue";
  EXPECT_EQ(7, modeless.m_nPings) << "not delivered to a window that is gone";

  // A modal loop pumps before it hands the dialog to its script.
  CPostingDlg modal;
  int seen = -1;
  AfxQueueDialogScript([&](CDialog&) { seen = modal.m_nPings; });
  modal.DoModal();
  EXPECT_EQ(7, seen);
}

// A page whose PreTranslateMessage hands Return and Escape to its parent, as pages do.
class CPage : public CDialog {
 public:
  CPage() : CDialog(IDD_TEST_PAGE) {}
  BOOL PreTranslateMessage(MSG* pMsg) override {
    if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
      GetParent()->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
      return TRUE;
    }
    return CDialog::PreTranslateMessage(pMsg);
  }
};

TEST_F(DialogTest, KeysInAPageReachTheContainer) {
  CNestedDlg dlg;
  CPage page;
  AfxQueueDialogScript([&](CDialog& d) {
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &d));
    page.ShowWindow(SW_SHOW);
    CUserDriver user(&d);
    // The page's controls are found before the dialog's.
    EXPECT_EQ(page.GetDlgItem(IDC_PAGE_EDIT), user.FindControl(IDC_PAGE_EDIT));
    EXPECT_EQ(page.GetDlgItem(IDC_PAGE_EDIT), user.FindControl("103:1023"));
    EXPECT_EQ(nullptr, user.FindControl("102:1023"));
    EXPECT_EQ(1, user.Key(IDC_PAGE_EDIT, VK_RETURN));
  });
  EXPECT_EQ(IDOK, dlg.DoModal()) << "the page posted Return to the dialog, which took it as OK";
  EXPECT_EQ(nullptr, page.m_hWnd) << "destroyed with its parent";
}
TEST_F(DialogTest, ShowDialogNamesTheTemplatesOfTheDialogAndItsPages) {
  CNestedDlg dlg;
  CPage page;
  std::vector<CString> lines;
  AfxQueueDialogScript([&](CDialog& d) {
    ASSERT_TRUE(page.Create(IDD_TEST_PAGE, &d));
    lines = CUserDriver(&d).Describe();
    d.EndDialog(IDCANCEL);
  });
  dlg.DoModal();
  ASSERT_FALSE(lines.empty());
  EXPECT_EQ(CString("dialog 102 IDD_TEST_NESTED"), lines[0]);
  auto at = std::find(lines.begin(), lines.end(), CString("page 103 IDD_TEST_PAGE visible=0"));
  ASSERT_NE(at, lines.end()) << "a page has its own line, hidden until shown";
  ASSERT_NE(at + 1, lines.end());
  EXPECT_EQ(0, (at + 1)->Find("control 1023 ")) << "the page's controls follow its line";
}
}  // namespace
