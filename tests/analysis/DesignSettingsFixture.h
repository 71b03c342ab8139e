// What the design-settings tests share (performance-design control, erection sequence): a
// host application, a current document without the settings' records, their tables, and a
// runner of the factory's modal dialogs with a user script.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassErsq.h"
#include "db/CClassPfct.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

class DesignSettingsTest : public ::testing::Test {
 protected:
  using Script = std::function<void(CDialog&, CUserDriver&)>;

  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    pfct = static_cast<CClassPfct*>(doc->GetModelDB()->GetClass(CClassPfct::m_nClassID));
    ersq = static_cast<CClassErsq*>(doc->GetModelDB()->GetClass(CClassErsq::m_nClassID));
    AfxClearMessageLog();
    AfxClearScriptQueue();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  int Run(const char* name, const Script& script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    const int r = ICmdDialog::DoModal(name, nullptr);
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "the dialog took its script";
    AfxClearScriptQueue();
    return r;
  }
  static std::string Text(CWnd& dlg, int id) {
    CString s;
    dlg.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static std::string Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? std::string(m->text.c_str()) : std::string();
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassPfct* pfct = nullptr;
  CClassErsq* ersq = nullptr;
};
