// What the tests of a small modal dialog on one record share: a host application, a
// current document, Dlg run modally with a user script, and reads of its controls and of
// the last message shown.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"

template <class Dlg>
class ModalDlgTest : public ::testing::Test {
 protected:
  using Script = std::function<void(CDialog&, CUserDriver&)>;

  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  INT_PTR Run(const Script& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    Dlg dlg;
    return dlg.DoModal();
  }
  static std::string TextOf(CDialog& d, int id) {
    CString s;
    d.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }
  static bool Checked(CDialog& d, int id) { return d.IsDlgButtonChecked(id) != 0; }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
};
