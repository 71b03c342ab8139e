// A fresh sample-model document per test and an empty visible dialog window (Dlg, a CWnd)
// to create controls in, driven by a user driver; the test must leave no window behind.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxStyles.h"
#include "afx/CComboBox.h"
#include "afx/CEdit.h"
#include "afx/CUserDriver.h"
#include "db/CDBDoc.h"

template <class Dlg>
class ControlDialogTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxDiscardQueuedMessages();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    ASSERT_TRUE(dlg.CreateEx(0, "#32770", "test", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    user.SetDialog(&dlg);
  }
  void TearDown() override {
    dlg.DestroyWindow();
    doc.reset();
    EXPECT_EQ(0, AfxGetWindowCount()) << "a test left windows behind";
  }
  template <class Combo> void Make(Combo& c, UINT id, DWORD style = CBS_DROPDOWNLIST) {
    ASSERT_TRUE(c.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | style, CRect(0, 0, 120, 200), &dlg, id));
  }
  void MakeEdit(CEdit& e, UINT id) {
    ASSERT_TRUE(e.Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, CRect(0, 0, 80, 20), &dlg, id));
  }
  static std::string Text(const CWnd& w) {
    CString s;
    w.GetWindowText(s);
    return s.c_str();
  }
  // "text=key" of every item.
  static std::string Items(const CComboBox& c) {
    std::string s;
    for (int i = 0; i < c.GetCount(); ++i) {
      CString t;
      c.GetLBText(i, t);
      s += (s.empty() ? "" : ",") + std::string(t.c_str()) + "=" + std::to_string(c.GetItemData(i));
    }
    return s;
  }
  template <class T> T* Table() { return static_cast<T*>(doc->GetModelDB()->GetClass(T::m_nClassID)); }

  std::unique_ptr<CDBDoc> doc;
  Dlg dlg;
  CUserDriver user;
};
