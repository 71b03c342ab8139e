// The dialog lines of cmdhost against a stand-in "cmd" interface of the test's own (this
// executable does not load the command module): modal blocks and nesting, modeless dialogs,
// the user's actions and their refusals, show dialog and the expects.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"
#include "afx/CComboBox.h"
#include "afx/CDialog.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CListBox.h"
#include "afx/CListCtrl.h"
#include "afx/CStatic.h"
#include "afx/CTabCtrl.h"
#include "afx/CUserDriver.h"
#include "host/CScenarioRunner.h"
#include "ui/GMsg.h"
#include "ui/IDlgIntf.h"

namespace {

enum : int {
  IDD_FORM = 800, IDD_NESTED = 801, IDD_PALETTE = 802, IDD_LISTS = 803,
  IDC_READONLY = 8031, IDC_TABLE = 8032, IDC_PICTURE = 8033, IDC_SAY = 8034, IDB_PICTURE = 8090,
  IDC_NAME = 8001, IDC_FLAG = 8002, IDC_KIND = 8003, IDC_ROWS = 8004, IDC_OPEN = 8005, IDC_TABS = 8006,
  IDC_HIDDEN = 8007, IDC_DISABLED = 8008, IDC_NESTED_EDIT = 8011, IDC_PALETTE_EDIT = 8021, IDC_PALETTE_END = 8022,
};

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
constexpr DWORD kPopup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const AFX_DLGITEM kFormItems[] = {
    {"EDIT", "", IDC_NAME, 5, 5, 80, 12, kChild, 0},
    {"BUTTON", "flag", IDC_FLAG, 5, 20, 80, 10, kChild | BS_AUTOCHECKBOX, 0},
    {"COMBOBOX", "", IDC_KIND, 5, 35, 80, 60, kChild | CBS_DROPDOWNLIST, 0},
    {"LISTBOX", "", IDC_ROWS, 90, 5, 80, 50, kChild | LBS_NOTIFY | LBS_EXTENDEDSEL, 0},
    {"BUTTON", "open", IDC_OPEN, 5, 55, 50, 14, kChild, 0},
    {"SysTabControl32", "", IDC_TABS, 90, 60, 80, 20, kChild, 0},
    {"EDIT", "", IDC_HIDDEN, 5, 75, 40, 12, WS_CHILD | WS_TABSTOP, 0},
    {"EDIT", "", IDC_DISABLED, 50, 75, 40, 12, kChild | WS_DISABLED, 0},
    {"BUTTON", "OK", IDOK, 5, 90, 50, 14, kChild | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 90, 50, 14, kChild, 0},
};
const AFX_DLGITEM kNestedItems[] = {
    {"EDIT", "", IDC_NESTED_EDIT, 5, 5, 80, 12, kChild, 0},
    {"BUTTON", "OK", IDOK, 5, 20, 50, 14, kChild | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 20, 50, 14, kChild, 0},
};
const AFX_DLGITEM kPaletteItems[] = {
    {"EDIT", "", IDC_PALETTE_EDIT, 5, 5, 80, 12, kChild, 0},
    {"BUTTON", "end", IDC_PALETTE_END, 5, 20, 50, 14, kChild, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 20, 50, 14, kChild, 0},
};
const AFX_DLGITEM kListsItems[] = {
    {"EDIT", "fixed", IDC_READONLY, 5, 5, 80, 12, kChild | ES_READONLY, 0},
    {"SysListView32", "", IDC_TABLE, 5, 20, 120, 60, kChild | LVS_REPORT, 0},
    {"STATIC", "", IDC_PICTURE, 130, 5, 20, 20, kChild | SS_BITMAP, 0},
    {"BUTTON", "say", IDC_SAY, 5, 85, 50, 14, kChild, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 85, 50, 14, kChild, 0},
};
const AFX_DLGTEMPLATE kDialogs[] = {
    {IDD_FORM, "form", 0, 0, 180, 110, kPopup, 0, "", 9, kFormItems, 10},
    {IDD_NESTED, "nested", 0, 0, 120, 40, kPopup, 0, "", 9, kNestedItems, 3},
    {IDD_PALETTE, "palette", 0, 0, 120, 40, kPopup, 0, "", 9, kPaletteItems, 3},
    {IDD_LISTS, "lists", 0, 0, 160, 105, kPopup, 0, "", 9, kListsItems, 5},
};
const AFX_RESOURCE_TABLE kTable = {"test_host_dialogs", kDialogs, 4, nullptr, 0, nullptr, 0};

// What the stand-in dialogs saw.
struct Seen {
  std::string name;
  int flag = -1;
  int kind = -1;
  int nested = 0;
  std::string nestedText;
  int extra = -1;
};
Seen g_seen;

class NestedDlg : public CDialog {
 public:
  NestedDlg() : CDialog(IDD_NESTED, nullptr) {}
  void OnOK() override {
    GetDlgItemText(IDC_NESTED_EDIT, m_text);
    CDialog::OnOK();
  }
  CString m_text;
};

class FormDlg : public CDialog {
 public:
  FormDlg() : CDialog(IDD_FORM, nullptr) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    auto* kind = static_cast<CComboBox*>(GetDlgItem(IDC_KIND));
    for (const char* s : {"柱", "梁", "墙"}) kind->AddString(s);
    auto* rows = static_cast<CListBox*>(GetDlgItem(IDC_ROWS));
    for (const char* s : {"r0", "r1", "r2"}) rows->AddString(s);
    auto* tabs = static_cast<CTabCtrl*>(GetDlgItem(IDC_TABS));
    tabs->InsertItem(0, "one");
    tabs->InsertItem(1, "two");
    return TRUE;
  }
  void OnOK() override {
    CString s;
    GetDlgItemText(IDC_NAME, s);
    g_seen.name = s.str();
    g_seen.flag = (int)IsDlgButtonChecked(IDC_FLAG);
    g_seen.kind = static_cast<CComboBox*>(GetDlgItem(IDC_KIND))->GetCurSel();
    if (g_seen.name.empty()) {
      AfxMessageBox("name missing", MB_OK | MB_ICONEXCLAMATION);
      return;
    }
    CDialog::OnOK();
  }
  void OnOpen() {
    NestedDlg nested;
    g_seen.nested = (int)nested.DoModal();
    g_seen.nestedText = nested.m_text.str();
  }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(FormDlg, CDialog)
  ON_BN_CLICKED(IDC_OPEN, &FormDlg::OnOpen)
END_MESSAGE_MAP()

class PaletteDlg : public CDialog {
 public:
  void OnCancel() override { DestroyWindow(); }
  void OnEnd() { DestroyWindow(); }
  void PostNcDestroy() override { delete this; }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PaletteDlg, CDialog)
  ON_BN_CLICKED(IDC_PALETTE_END, &PaletteDlg::OnEnd)
END_MESSAGE_MAP()

// A read-only edit, a list control of two columns, a picture, and a button that writes a
// line to the message window.
class ListsDlg : public CDialog {
 public:
  ListsDlg() : CDialog(IDD_LISTS, nullptr) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    auto* table = static_cast<CListCtrl*>(GetDlgItem(IDC_TABLE));
    table->InsertColumn(0, "名称");
    table->InsertColumn(1, "value");
    table->InsertItem(0, "B1");
    table->SetItemText(0, 1, "4.5");
    table->InsertItem(1, "a\tb");
    static_cast<CStatic*>(GetDlgItem(IDC_PICTURE))->SetBitmap(AfxHandleFromResId<HBITMAP>(IDB_PICTURE));
    GetDlgItem(IDC_TABLE)->SetFocus();
    return FALSE;
  }
  void OnSay() { GMsgOut("said \"so\""); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(ListsDlg, CDialog)
  ON_BN_CLICKED(IDC_SAY, &ListsDlg::OnSay)
END_MESSAGE_MAP()

class StandInCmd : public IDlgIntf {
 public:
  int Dlg_DoModal(const char* name, void*) override {
    if (std::string(name) == "Lists") {
      ListsDlg dlg;
      return (int)dlg.DoModal();
    }
    if (std::string(name) != "Form") return -1;
    FormDlg dlg;
    return (int)dlg.DoModal();
  }
  int Dlg_DoModeless(const char* name, void*, void* extra) override {
    if (std::string(name) != "Palette") return -1;
    g_seen.extra = extra ? *static_cast<int*>(extra) : -1;
    CWnd* open = CUserDriver::FindDialog(IDD_PALETTE);
    if (!open) {
      auto* dlg = new PaletteDlg();
      if (!dlg->Create(IDD_PALETTE, nullptr)) {
        delete dlg;
        return 0;
      }
      open = dlg;
    }
    open->ShowWindow(SW_SHOW);
    open->SetActiveWindow();
    return 1;
  }
};

class DialogCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AfxRegisterResourceTable(&kTable);
    static AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, "test_host_dialogs"));
    new CDynLinkLibrary(module, FALSE);
    static StandInCmd cmd;
    ASSERT_TRUE(cmd.Register("cmd"));
  }
  void SetUp() override { g_seen = Seen(); }
  CScenarioStatus Run(const char* text) {
    CScenarioRunner runner;
    std::ostringstream out;
    CScenarioStatus s = runner.RunText("t.scn", text, out);
    m_out = out.str();
    return s;
  }
  std::string m_out;
};

TEST_F(DialogCommands, ModalBlockActsOnTheDialogAndPrintsItsResult) {
  CScenarioStatus s = Run(
      "modal Form\n"
      "  type 8001 \"Beam 1\"\n"
      "  check 8002 1\n"
      "  choose 8003 梁\n"
      "  expect text 8001 \"Beam 1\"\n"
      "  click IDOK\n"
      "end\n"
      "expect result 1\n"
      "expect nomessage\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(m_out, "result 1\n");
  EXPECT_EQ(g_seen.name, "Beam 1");
  EXPECT_EQ(g_seen.flag, 1);
  EXPECT_EQ(g_seen.kind, 1);
}

TEST_F(DialogCommands, ChooseByIndexKeysAndTabs) {
  CScenarioStatus s = Run(
      "modal Form\n"
      "  choose 8003 #2\n"
      "  select 8004 #0 #2\n"
      "  tab 8006 #1\n"
      "  type 8001 x\n"
      "  key 8001 RETURN\n"
      "end\n"
      "expect result 1\n"
      "modal Form\n"
      "  key 0 ESCAPE\n"
      "end\n"
      "expect result 2\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(g_seen.kind, 2);
}

TEST_F(DialogCommands, ShowDialogListsTheControls) {
  CScenarioStatus s = Run(
      "modal Form\n"
      "  tab 8006 #1\n"
      "  select 8004 #1\n"
      "  show dialog\n"
      "end\n");
  ASSERT_TRUE(s.IsOk()) << m_out;
  EXPECT_NE(m_out.find("control 8006 SysTabControl32 visible=1 enabled=1 text=\"\" sel=1 items=\"one\",\"two\""),
            std::string::npos)
      << m_out;
  EXPECT_NE(m_out.find("control 8007 EDIT visible=0"), std::string::npos) << m_out;
  EXPECT_NE(m_out.find("result 2"), std::string::npos) << "no script end: Cancel";
}

TEST_F(DialogCommands, ActionsAUserCouldNotTakeAreRefusedAndTheRunGoesOn) {
  CScenarioStatus s = Run(
      "click 8005\n"
      "show dialog\n"
      "modal Form\n"
      "  type 8007 hidden\n"
      "  type 8008 disabled   # a comment is not part of the line\n"
      "  click 9999\n"
      "  choose 8003 nothing\n"
      "  choose 8003 #7\n"
      "  tab 8006 #5\n"
      "  check 8001 1\n"
      "  type 8001 ok\n"
      "  click IDOK\n"
      "end\n"
      "expect result 1\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(m_out,
            "refused click 8005\n"
            "refused show dialog\n"
            "refused type 8007 hidden\n"
            "refused type 8008 disabled\n"
            "refused click 9999\n"
            "refused choose 8003 nothing\n"
            "refused choose 8003 #7\n"
            "refused tab 8006 #5\n"
            "refused check 8001 1\n"
            "result 1\n");
}

TEST_F(DialogCommands, NestedModalBlocksActOnTheDialogsTheActionsOpen) {
  CScenarioStatus s = Run(
      "modal Form\n"
      "  modal *\n"
      "    type 8011 inner\n"
      "    expect text 8011 inner\n"
      "    click IDOK\n"
      "  end\n"
      "  click 8005\n"
      "  expect text 8001 \"\"\n"
      "  click IDOK\n"
      "  expect message \"name missing\"\n"
      "  answer IDOK\n"
      "  type 8001 outer\n"
      "  click IDOK\n"
      "end\n"
      "expect result 1\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(g_seen.nested, IDOK);
  EXPECT_EQ(g_seen.nestedText, "inner");
  EXPECT_EQ(g_seen.name, "outer");
}

TEST_F(DialogCommands, FailedExpectInsideABlockEndsTheDialogAndTheRun) {
  CScenarioStatus s = Run(
      "modal Form\n"
      "  type 8001 abc\n"
      "  expect text 8001 abd\n"
      "  click IDOK\n"
      "end\n"
      "echo not reached\n");
  EXPECT_EQ(s.GetKind(), CScenarioStatus::failed);
  EXPECT_EQ(s.m_nLine, 3);
  EXPECT_NE(m_out.find("result 2"), std::string::npos) << m_out;
  EXPECT_NE(m_out.find("t.scn:3: expect failed: expect text 8001 abd\n  found: text \"abc\""), std::string::npos)
      << m_out;
  EXPECT_EQ(m_out.find("not reached"), std::string::npos);
}

TEST_F(DialogCommands, UnknownNameAnswersMinusOneAndLeavesNoScriptBehind) {
  CScenarioStatus s = Run(
      "modal Nothing 3\n"
      "  click IDOK\n"
      "end\n"
      "expect result -1\n"
      "modal Form\n"
      "end\n"
      "expect result 2\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(g_seen.name, "") << "the first block did not click the second dialog's OK";
  EXPECT_EQ(AfxGetQueuedScriptCount(), 0);
}

TEST_F(DialogCommands, ModelessDialogBecomesCurrentUntilItEnds) {
  CScenarioStatus s = Run(
      "modeless Palette 4\n"
      "type 8021 hello\n"
      "expect text 8021 hello\n"
      "modeless Nothing\n"
      "expect result -1\n"
      "close\n"
      "type 8021 gone\n"
      "modeless Palette\n"
      "click 8022\n"
      "click 8022\n"
      "with 802\n"
      "modeless Palette\n"
      "modal Form\n"
      "end\n"
      "type 8021 \"back to the palette\"\n"
      "with 802\n"
      "expect text 8021 \"back to the palette\"\n"
      "close\n");
  EXPECT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(m_out,
            "result 1\n"
            "result -1\n"
            "refused type 8021 gone\n"
            "result 1\n"
            "refused click 8022\n"
            "refused with 802\n"
            "result 1\n"
            "result 2\n");
  EXPECT_EQ(g_seen.extra, -1) << "no EXTRA: a NULL pointer";
  EXPECT_EQ(CUserDriver::FindDialog(IDD_PALETTE), nullptr);
}

TEST_F(DialogCommands, ModelessPassesItsExtra) {
  EXPECT_TRUE(Run("modeless Palette 7\nclose\n").IsOk());
  EXPECT_EQ(g_seen.extra, 7);
}

TEST_F(DialogCommands, ShowControlShowListAndTheirExpects) {
  CScenarioStatus s = Run(
      "modal Lists\n"
      "  show control 8031\n"
      "  show control 8033\n"
      "  show list 8032\n"
      "  expect state 8031 readonly 1\n"
      "  expect state 8031 text fixed\n"
      "  expect state 8032 focus 1\n"
      "  expect state 8032 items \"\\\"B1\\\",\\\"a\\\\tb\\\"\"\n"
      "  expect state 8033 image 8090\n"
      "  expect state 8034 focus 0\n"
      "  show list 8031\n"
      "  click 8034\n"
      "  expect output \"said \\\"so\\\"\"\n"
      "  expect state 8031 text other\n"
      "end\n");
  EXPECT_EQ(s.GetKind(), CScenarioStatus::failed) << m_out;
  EXPECT_EQ(m_out.substr(0, m_out.find("t.scn:14")),
            "control 8031 EDIT visible=1 enabled=1 text=\"fixed\" readonly=1 image=0 focus=0 textcolor=000000\n"
            "control 8033 STATIC visible=1 enabled=1 text=\"\" readonly=0 image=8090 focus=0 textcolor=000000\n"
            "名称\tvalue\n"
            "B1\t4.5\n"
            "a\\tb\t\n"
            "refused show list 8031\n"
            "output \"said \\\"so\\\"\"\n"
            "result 2\n")
      << "the last expect fails, naming what it found";
  EXPECT_NE(s.GetText().str().find("text=fixed"), std::string::npos) << s.GetText().str();
  // Without a dialog there is nothing to look at; a word that is no attribute is no line.
  EXPECT_EQ(Run("expect state 8031 text x\n").GetKind(), CScenarioStatus::failed);
  EXPECT_EQ(Run("modal Lists\n  expect state 8031 colour x\nend\n").GetKind(), CScenarioStatus::bad);
  EXPECT_EQ(Run("expect output x\n").GetKind(), CScenarioStatus::failed) << "no output yet, or another";
}

TEST_F(DialogCommands, LinesThatCannotBeUnderstood) {
  const char* bad[] = {
      "modal Form x\nend\n",           "modeless Palette x\n", "with x\n",
      "modal Form\n  check 8002 5\nend\n", "modal Form\n  key 8001 SPACE\nend\n",
      "modal Form\n  select 8004 1\nend\n", "modal * 3\nend\n",
  };
  for (const char* text : bad) EXPECT_EQ(Run(text).GetKind(), CScenarioStatus::bad) << text << m_out;
}

}  // namespace
