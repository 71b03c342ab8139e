// The property-list lines (show props, prop, propsel, propbutton, expect prop) on a page of
// the test's own, run through HostRunModalBlock as the application's own dialogs are run.
#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"
#include "afx/CDialog.h"
#include "afx/CDynLinkLibrary.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"
#include "host/HostDialogs.h"
#include "uiutil/CPropList.h"

namespace {

enum : int { IDD_PROPS = 821, IDC_PLACE = 8211 };

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPopup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const AFX_DLGITEM kItems[] = {
    {"STATIC", "", IDC_PLACE, 5, 5, 150, 120, kChild, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 130, 50, 14, kChild | WS_TABSTOP, 0},
};
const AFX_DLGTEMPLATE kDialogs[] = {{IDD_PROPS, "props", 0, 0, 180, 150, kPopup, 0, "", 9, kItems, 2}};
const AFX_RESOURCE_TABLE kTable = {"test_host_props", kDialogs, 1, nullptr, 0};

const UINT WM_TEST_DEL = RegisterWindowMessage("WM_TEST_HOST_PROP_DEL");
std::vector<std::string> g_log;

class PropsDlg : public CDialog {
 public:
  PropsDlg() : CDialog(IDD_PROPS, nullptr) {}
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    CRect r;
    GetDlgItem(IDC_PLACE)->GetWindowRect(&r);
    ScreenToClient(&r);
    m_list.InitList(WS_CHILD | WS_VISIBLE | WS_BORDER | WS_TABSTOP, r, this);
    m_list.SetKey(5);
    m_list.AddGroupItem("general");
    m_list.AddItem("ID", PROP_COL_STATIC, 5);
    m_list.AddItem("X [m]", PROP_COL_EDIT, 2.5);
    CUIntArray strip;
    for (UINT id : {34100u, 34101u, WM_TEST_DEL}) strip.Add(id);
    m_list.AddItem("load \"D\"", PROP_COL_TEXT_CMD, CString("none"), strip, 14228);
    m_list.AddGroupItem("design");
    CStringArray choices;
    for (const char* c : {"AUTO", "YES", "NO"}) choices.Add(c);
    CUIntArray data;
    for (UINT k : {1u, 2u, 3u}) data.Add(k);
    m_list.AddItem("corner", PROP_COL_COMBO, choices, data, strip, 14270, 0, 0.0, 0);
    CUIntArray none;
    m_list.AddItem("empty", PROP_COL_COMBO, choices, none, 0, 0, 0.0, -1);
    m_list.AddGroupItem("closed");
    m_list.ExpandAll(1);
    m_list.AddItem("hidden", PROP_COL_EDIT, 1.0);
    m_list.GetItem(m_list.GetItemCount() - 2)->Expand(FALSE);
    return TRUE;
  }
  LRESULT OnNotice(WPARAM w, LPARAM l) {
    const MSG* m = GetCurrentMessage();
    const char* name = m->message == CPropList::WM_PROPLIST_CHANGED        ? "changed"
                       : m->message == CPropList::WM_PROPLIST_CHANGE_VALUE ? "value"
                       : m->message == CPropList::WM_PROPLIST_COMMAND      ? "command"
                                                                           : "delete";
    g_log.push_back(std::string(name) + " " + std::to_string(w) + " " +
                    std::to_string(m_list.GetRowIndex(reinterpret_cast<CBCGPProp*>(l))));
    return 0;
  }
  CPropList m_list;
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(PropsDlg, CDialog)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGED, &PropsDlg::OnNotice)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_CHANGE_VALUE, &PropsDlg::OnNotice)
  ON_REGISTERED_MESSAGE(CPropList::WM_PROPLIST_COMMAND, &PropsDlg::OnNotice)
  ON_REGISTERED_MESSAGE(WM_TEST_DEL, &PropsDlg::OnNotice)
END_MESSAGE_MAP()

CScenarioStatus RunProps(CScenarioContext& ctx) {
  int r = HostRunModalBlock(ctx, [] {
    PropsDlg dlg;
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return CScenarioStatus::Ok();
}
const CScenarioBlockRegistrar s_props("propsdlg", 0, 0, RunProps);

class PropListCommands : public ::testing::Test {
 protected:
  static void SetUpTestSuite() {
    AfxRegisterResourceTable(&kTable);
    static AFX_EXTENSION_MODULE module;
    ASSERT_TRUE(AfxInitExtensionModule(module, "test_host_props"));
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

TEST_F(PropListCommands, ShowPropsPrintsGroupsRowsChoicesDataAndStrips) {
  CScenarioStatus s = Run(
      "propsdlg\n"
      "  show props\n"
      "end\n");
  ASSERT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(m_out,
            "props key=5 rows=6 current=-1\n"
            "group \"general\" expanded=1\n"
            "row 0 \"ID\" kind=0 value=\"5\"\n"
            "row 1 \"X [m]\" kind=1 value=\"2.5\"\n"
            "row 2 \"load \\\"D\\\"\" kind=3 value=\"none\" buttons=34100,34101," +
                std::to_string(WM_TEST_DEL) +
                " bitmap=14228\n"
                "group \"design\" expanded=1\n"
                "row 3 \"corner\" kind=5 value=\"AUTO\" choices=\"AUTO\",\"YES\",\"NO\" sel=0 data=1,2,3 buttons=34100,34101," +
                std::to_string(WM_TEST_DEL) +
                " bitmap=14270\n"
                "row 4 \"empty\" kind=5 value=\"\" choices=\"AUTO\",\"YES\",\"NO\" sel=-1\n"
                "group \"closed\" expanded=0\n"
                "row 5 \"hidden\" kind=1 value=\"1\"\n"
                "result 2\n");
}

TEST_F(PropListCommands, TheUsersLinesSendTheNoticesAndExpectPropReadsTheRow) {
  CScenarioStatus s = Run(
      "propsdlg\n"
      "  propsel #0\n"
      "  prop X 3.5\n"
      "  expect prop X 3.5\n"
      "  prop corner YES\n"
      "  prop #3 #1\n"
      "  expect prop corner YES\n"
      "  propbutton load 1\n"
      "  propbutton load 2\n"
      "  expect prop empty \"\"\n"
      "end\n");
  ASSERT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(Log(),
            "changed 0 0, changed 0 1, value 0 1, changed 0 3, value 0 3, value 1 3, changed 0 2, command 1 2, "
            "command 2 2, delete 0 2");
}

TEST_F(PropListCommands, WhatTheUserCannotDoIsRefusedAndAWrongExpectFails) {
  CScenarioStatus s = Run(
      "propsdlg\n"
      "  prop ID 6\n"
      "  prop load x\n"
      "  prop corner MAYBE\n"
      "  prop hidden 2\n"
      "  prop nothing 1\n"
      "  propbutton corner 3\n"
      "  propsel #6\n"
      "end\n");
  ASSERT_TRUE(s.IsOk()) << m_out;
  EXPECT_EQ(m_out,
            "refused prop ID 6\nrefused prop load x\nrefused prop corner MAYBE\nrefused prop hidden 2\n"
            "refused prop nothing 1\nrefused propbutton corner 3\nrefused propsel #6\nresult 2\n");
  EXPECT_TRUE(g_log.empty()) << Log();
  EXPECT_EQ(Run("propsdlg\n  expect prop corner NO\nend\n").GetKind(), CScenarioStatus::failed);
  EXPECT_EQ(Run("propsdlg\n  propbutton corner x\nend\n").GetKind(), CScenarioStatus::bad);
  // No dialog, no list.
  ASSERT_TRUE(Run("show props\n").IsOk());
  EXPECT_EQ(m_out, "refused show props\n");
}

}  // namespace
