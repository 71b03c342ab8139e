// What the section editor tests share: a host application (main window, text keys, message
// log), a current document, the test page's template joined to the resource chain, and the
// test page registered as the page of the regular kinds (1 and 2) while a test runs.
#pragma once
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include "TestSectPage.h"
#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CDynLinkLibrary.h"
#include "afx/CUserDriver.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "properties/CCMSectItemDlg.h"
#include "res/resource.h"

class SectEditorTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  // Registers the test page for a kind for the rest of the test.
  void UsePage(int nKind);

  DB_CDataBase* DB() { return doc->GetModelDB(); }
  CClassSect& Sect();
  CClassSecf& Secf();
  // A regular H section (steel unless given), sizes in metres, added under key.
  void AddH(UINT key, const char* name, int matl = SECT_MATL_STEEL);
  T_SECT_D Read(UINT key);

  // Runs the editor through the factory with a user script; the result.
  // The script must be taken by the dialog (a script left over fails the test), unless
  // the test expects the dialog to close before the user can act (taken = false).
  int RunFactory(UINT key, std::function<void(CDialog&, CUserDriver&)> script, bool taken = true);
  // The page shown in the dialog the script acts on.
  static TestSectPage* ShownPage(CDialog& dlg);
  // Fills the test page of the dialog with a name, a shape and four sizes.
  static void Fill(CUserDriver& user, const char* name, const char* shape = "H",
                   const char* h = "0.4", const char* b = "0.2", const char* tw = "0.008", const char* t1 = "0.013");

  static const char* Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
  // The text of the last message box, or "" when none was shown.
  static CString LastMessage();

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;

 private:
  AFX_EXTENSION_MODULE m_module;
  std::vector<std::pair<int, CCMSectItemDlg::PAGE_NEW>> m_oldPages;
  std::unique_ptr<CClassSect> m_sect;
  std::unique_ptr<CClassSecf> m_secf;
};
