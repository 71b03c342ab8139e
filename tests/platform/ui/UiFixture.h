// A main window, a current document and test dialog templates joined to the resource chain
// while a test of the dialog bases runs.
#pragma once
#include <gtest/gtest.h>

#include <memory>
#include "afx/CDynLinkLibrary.h"
#include "afx/CWinApp.h"
#include "db/CDBDoc.h"

enum : int {
  IDD_UI_POPUP = 700,      // edit, OK, Cancel
  IDD_UI_TABS = 701,       // tab control 7010, placeholder 7011, OK
  IDD_UI_PAGE_A = 702,     // a child page: edit 7020
  IDD_UI_PAGE_B = 703,     // a child page: check box 7030
  IDD_UI_CONTROLS = 704,   // radios, group box with controls inside, combo, spin edit
  IDC_UI_EDIT = 7001,
  IDC_UI_TAB = 7010,
  IDC_UI_PLACEHOLDER = 7011,
  IDC_UI_PAGE_EDIT = 7020,
  IDC_UI_PAGE_CHECK = 7030,
  IDC_UI_RADIO1 = 7040, IDC_UI_RADIO2 = 7041, IDC_UI_RADIO3 = 7042,
  IDC_UI_GROUP = 7043, IDC_UI_IN1 = 7044, IDC_UI_IN2 = 7045, IDC_UI_OUT = 7046,
  IDC_UI_COMBO = 7047, IDC_UI_SPIN_EDIT = 7048, IDC_UI_SPIN = 7049, IDC_UI_CHECKGROUP = 7050,
  IDC_UI_DROP = 7051,
};

class UiTest : public ::testing::Test {
 protected:
  void SetUp() override;
  void TearDown() override;

  std::unique_ptr<CWinApp> app;
  std::unique_ptr<CWnd> mainWnd;
  std::unique_ptr<CDBDoc> doc;

 private:
  AFX_EXTENSION_MODULE m_module;
};
