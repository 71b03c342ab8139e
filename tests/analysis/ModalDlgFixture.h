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
#include "db/DB_CUpdateListener.h"
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

// A listener that opens Dlg while the database tells it of a change: the database refuses
// writes then, so OK (after typing text into the control edit) is refused, told, and the
// dialog stays open until Cancel. Once only.
template <class Dlg>
class OpensTheDialogOnUpdate : public DB_CUpdateListener {
 public:
  OpensTheDialogOnUpdate(UINT templateId, int edit, const char* text)
      : m_templateId(templateId), m_edit(edit), m_text(text) {}
  INT_PTR result = 0;
  std::string message;
  void OnUpdate(CView*, LPARAM, CObject*) override {
    if (m_once) return;
    m_once = true;
    AfxQueueDialogScript([this](CDialog& d) {
      CUserDriver user(&d);
      EXPECT_TRUE(user.Type(m_edit, m_text));
      EXPECT_TRUE(user.Click(IDOK));
      const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
      message = m ? m->text.c_str() : "";
      EXPECT_NE(nullptr, CUserDriver::FindDialog(m_templateId)) << "still open";
      EXPECT_TRUE(user.Click(IDCANCEL));
    });
    Dlg dlg;
    result = dlg.DoModal();
  }

 private:
  UINT m_templateId;
  int m_edit;
  const char* m_text;
  bool m_once = false;
};
