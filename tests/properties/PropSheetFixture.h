// What the property-sheet tests share: a host application (text keys, message log, main
// window), a current document holding the sample model (six materials, three sections,
// two thicknesses), its tables, and a runner of the factory's modal dialogs with a user
// script that fails the test when no dialog took the script.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassMatl.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

class PropSheetTest : public ::testing::Test {
 protected:
  using Script = std::function<void(CDialog&, CUserDriver&)>;

  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
    sect = static_cast<CClassSect*>(db->GetClass(CClassSect::m_nClassID));
    thik = static_cast<CClassThik*>(db->GetClass(CClassThik::m_nClassID));
    secf = static_cast<CClassSecf*>(db->GetClass(CClassSecf::m_nClassID));
    AfxClearMessageLog();
    AfxClearScriptQueue();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }

  // Runs modal dialog NAME of the factory with PARAM and the script as the user.
  int Run(const char* name, UINT param, const Script& script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    const int r = ICmdDialog::DoModal(name, (void*)(uintptr_t)param);
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "the dialog took its script";
    AfxClearScriptQueue();
    return r;
  }
  // Queues a script for the next dialog a script's action opens.
  static void Next(const Script& script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
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
  static int Messages() { return AfxGetMessageCount(); }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMatl* matl = nullptr;
  CClassSect* sect = nullptr;
  CClassThik* thik = nullptr;
  CClassSecf* secf = nullptr;
};
