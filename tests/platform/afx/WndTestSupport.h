// Shared pieces of the window tests: a fixture that starts every test with an empty message
// queue, script queue and message log, and a dialog over IDD_TEST_ALL that records the
// notifications it receives.
#pragma once
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/AfxSystem.h"
#include "afx/afxwin.h"
#include "platform/afx/test_resource.h"

class WndTest : public ::testing::Test {
 protected:
  void SetUp() override { Reset(); }
  void TearDown() override {
    Reset();
    EXPECT_EQ(0, AfxGetWindowCount()) << "a test left windows behind";
  }
  static void Reset() {
    AfxDiscardQueuedMessages();
    AfxClearScriptQueue();
    AfxClearMessageLog();
  }
};

// Records "CODE:ID" for the notifications of the IDD_TEST_ALL controls.
class CRecordingDlg : public CDialog {
 public:
  explicit CRecordingDlg(UINT id = IDD_TEST_ALL, CWnd* parent = nullptr) : CDialog(id, parent) {}
  std::vector<std::string> log;
  void Rec(const char* what, UINT id) { log.push_back(std::string(what) + ":" + std::to_string(id)); }
  std::string Joined() const {
    std::string s;
    for (auto& e : log) s += (s.empty() ? "" : " ") + e;
    return s;
  }

 protected:
  void OnButton() { Rec("BN_CLICKED", IDC_BUTTON); }
  void OnCheck() { Rec("BN_CLICKED", IDC_CHECK); }
  void OnRadio(UINT id) { Rec("BN_CLICKED", id); }
  void OnEditChange() { Rec("EN_CHANGE", IDC_EDIT); }
  void OnEditUpdate() { Rec("EN_UPDATE", IDC_EDIT); }
  void OnEditSetFocus() { Rec("EN_SETFOCUS", IDC_EDIT); }
  void OnEditKillFocus() { Rec("EN_KILLFOCUS", IDC_EDIT); }
  void OnComboCode(UINT id) {
    const MSG* m = GetCurrentMessage();
    static const char* names[] = {"?", "CBN_SELCHANGE", "CBN_DBLCLK", "CBN_SETFOCUS", "CBN_KILLFOCUS",
                                  "CBN_EDITCHANGE", "CBN_EDITUPDATE", "CBN_DROPDOWN", "CBN_CLOSEUP",
                                  "CBN_SELENDOK"};
    UINT code = HIWORD(m->wParam);
    Rec(code < 10 ? names[code] : "?", id);
  }
  void OnListSel() { Rec("LBN_SELCHANGE", IDC_LISTBOX); }
  void OnListDblClk() { Rec("LBN_DBLCLK", IDC_LISTBOX); }
  void OnListCtrlDblClk(NMHDR* hdr, LRESULT*) {
    log.push_back("NM_DBLCLK:" + std::to_string(reinterpret_cast<NMITEMACTIVATE*>(hdr)->iItem));
  }
  void OnItemChanged(NMHDR* hdr, LRESULT*) {
    auto* nm = reinterpret_cast<NMLISTVIEW*>(hdr);
    log.push_back("LVN_ITEMCHANGED:" + std::to_string(nm->iItem) + ":" + std::to_string(nm->uNewState & LVIS_SELECTED));
  }
  void OnListClick(NMHDR*, LRESULT*) { Rec("NM_CLICK", IDC_LISTCTRL); }
  void OnTabChanging(NMHDR*, LRESULT* r) {
    Rec("TCN_SELCHANGING", IDC_TAB);
    *r = m_bVetoTab;
  }
  void OnTabChange(NMHDR*, LRESULT*) { Rec("TCN_SELCHANGE", IDC_TAB); }

 public:
  BOOL m_bVetoTab = FALSE;

  DECLARE_MESSAGE_MAP()
};
