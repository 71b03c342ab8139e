// The lines for mouse-driven controls and rectangles (dblclick, spin, scroll, show rect), on a
// dialog of the test's own run through HostRunModalBlock, as the application's own dialogs
// are run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>
#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"
#include "afx/CDialog.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CListBox.h"
#include "afx/CListCtrl.h"
#include "afx/CScrollBar.h"
#include "afx/CSpinButtonCtrl.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"
#include "host/HostDialogs.h"

namespace {

enum : int {
  IDD_MOUSE = 820, IDC_BOX = 8201, IDC_LIST = 8202, IDC_EDIT = 8203, IDC_SPIN = 8204, IDC_BAR = 8205,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPopup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const AFX_DLGITEM kItems[] = {
    {"LISTBOX", "", IDC_BOX, 5, 5, 60, 40, kChild | LBS_NOTIFY | LBS_EXTENDEDSEL, 0},
    {"SysListView32", "", IDC_LIST, 70, 5, 80, 40, kChild | LVS_REPORT, 0},
    {"EDIT", "", IDC_EDIT, 5, 50, 40, 12, kChild, 0},
    {"msctls_updown32", "", IDC_SPIN, 45, 50, 10, 12, kChild | UDS_SETBUDDYINT, 0},
    {"SCROLLBAR", "", IDC_BAR, 160, 5, 10, 60, kChild | SBS_VERT, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 70, 50, 14, kChild, 0},
};
const AFX_DLGTEMPLATE kDialogs[] = {{IDD_MOUSE, "mouse", 0, 0, 180, 90, kPopup, 0, "", 9, kItems, 6}};
const AFX_RESOURCE_TABLE kTable = {"test_host_controls", kDialogs, 1, nullptr, 0};

std::vector<std::string> g_log;

class MouseDlg : public CDialog {
 public:
  MouseDlg() : CDialog(IDD_MOUSE, nullptr) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    auto* box = static_cast<CListBox*>(GetDlgItem(IDC_BOX));
    for (const char* s : {"a", "b", "c"}) box->AddString(s);
    auto* list = static_cast<CListCtrl*>(GetDlgItem(IDC_LIST));
    list->InsertColumn(0, "x");
    list->InsertItem(0, "r0");
    list->InsertItem(1, "r1");
    auto* spin = static_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_SPIN));
    spin->SetBuddy(GetDlgItem(IDC_EDIT));
    spin->SetRange32(0, 10);
    spin->SetPos32(5);
    static_cast<CScrollBar*>(GetDlgItem(IDC_BAR))->SetScrollRange(1, 50);
    return TRUE;
  }
  void OnBoxDbl() { g_log.push_back("box " + std::to_string(static_cast<CListBox*>(GetDlgItem(IDC_BOX))->GetCaretIndex())); }
  void OnListDbl(NMHDR* hdr, LRESULT*) {
    g_log.push_back("list " + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(hdr)->iItem));
  }
  void OnDelta(NMHDR* hdr, LRESULT* r) {
    g_log.push_back("delta " + std::to_string(reinterpret_cast<NMUPDOWN*>(hdr)->iDelta));
    *r = 0;
  }
  void OnVScroll(UINT code, UINT pos, CScrollBar* bar) {
    if (bar && bar->GetDlgCtrlID() == IDC_BAR && code != SB_ENDSCROLL) g_log.push_back("scroll " + std::to_string(code) + " " + std::to_string(pos));
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(MouseDlg, CDialog)
  ON_LBN_DBLCLK(IDC_BOX, &MouseDlg::OnBoxDbl)
  ON_NOTIFY(NM_DBLCLK, IDC_LIST, &MouseDlg::OnListDbl)
  ON_NOTIFY(UDN_DELTAPOS, IDC_SPIN, &MouseDlg::OnDelta)
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

// `mouse` ... `end`: the test's dialog, run with the block as the user.
CScenarioStatus RunMouse(CScenarioContext& ctx) {
  int r = HostRunModalBlock(ctx, [] {
    MouseDlg dlg;
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return CScenarioStatus::Ok();
}
const CScenarioBlockRegistrar s_mouse("mouse", 0, 0, RunMouse);

class ControlCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AfxRegisterResourceTable(&kTable);
    static AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, "test_host_controls"));
    new CDynLinkLibrary(module, FALSE);
  }
  void SetUp() override { g_log.clear(); }
  CScenarioStatus Run(const char* text) {
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus s = runner.RunText("t.scn", text, out);
    m_out = out.str();
    return s;
  }
  std::string Log() const {
    std::string s;
    for (auto& e : g_log) s += (s.empty() ? "" : ", ") + e;
    return s;
  }
  std::string m_out;
};

TEST_F(ControlCommands, DoubleClicksSpinsAndScrollsReachTheDialog) {
  CScenarioStatus s = Run(
      "mouse\n"
      "  dblclick 8201 #2\n"
      "  dblclick 8202 #1\n"
      "  spin 8204 -2\n"
      "  expect text 8203 3\n"
      "  spin 8204 1\n"
      "  scroll 8205 LINEDOWN\n"
      "  scroll 8205 THUMBTRACK 17\n"
      "end\n"
      "expect result 2\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(Log(), "box 2, list 1, delta -1, delta -1, delta 1, scroll 1 0, scroll 5 17");
  EXPECT_EQ(AfxGetQueuedScriptCount(), 0);
}

TEST_F(ControlCommands, ShowRectGivesPixelsAndRefusesWhatIsNotThere) {
  CScenarioStatus s = Run(
      "mouse\n"
      "  show rect 8201\n"
      "  show rect 0\n"
      "  show rect 9999\n"
      "  dblclick 8201 #3\n"
      "  dblclick 8203 #0\n"
      "  spin 8203 1\n"
      "end\n");
  ASSERT_TRUE(s.IsOk()) << m_out;
  // Dialog units to pixels: at 5, 5 units, 60 x 40 units, in the dialog's client area.
  EXPECT_EQ(m_out.substr(0, m_out.find('\n') + 1), "rect 8201 8 8 90 65\n") << m_out;
  EXPECT_NE(m_out.find("rect 0 "), std::string::npos) << m_out;
  EXPECT_NE(m_out.find("refused show rect 9999\n"
                       "refused dblclick 8201 #3\n"
                       "refused dblclick 8203 #0\n"
                       "refused spin 8203 1\n"),
            std::string::npos)
      << m_out;
  EXPECT_TRUE(g_log.empty());
}

TEST_F(ControlCommands, WordsThatAreNoCodeOrCountAreBadLines) {
  for (const char* line : {"mouse\n  spin 8204 0\nend\n", "mouse\n  scroll 8205 SIDEWAYS\nend\n",
                           "mouse\n  dblclick 8201 2\nend\n"})
    EXPECT_EQ(Run(line).GetKind(), CScenarioStatus::bad) << line;
}

}  // namespace
