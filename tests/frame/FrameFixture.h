// What the frame tests share: a host application (main window, text keys, message log), a
// current document, and test-only dialog templates joined to the resource chain while a
// test runs (ids of the factory's rows whose dialogs are not built yet, so that a test row
// can open them).
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include "afx/CDynLinkLibrary.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"

// Templates of the test table: a modal page (900) and the modeless templates below.
enum : int {
  IDD_TEST_MODAL = 900,
  IDD_TEST_SHEET = 14019,    // "CModelDefProperty"
  IDD_TEST_BNDR = 14002,     // "CCMBndrGrupDefDlg"
  IDD_TEST_TOOLS = 16262,    // "CToolsDlg"
  IDC_TEST_EDIT = 1001,
};

class FrameTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;
  // Leaves the test templates out of the chain (Create of the rows then fails).
  void LeaveChain();

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;

 private:
  AFX_EXTENSION_MODULE m_testModule;
  bool m_joined = false;
};
