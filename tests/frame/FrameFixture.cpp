#include "FrameFixture.h"

#include "afx/AfxStyles.h"

namespace {

const AFX_DLGITEM kItems[] = {
    {"EDIT", "", IDC_TEST_EDIT, 7, 7, 80, 12, WS_CHILD | WS_VISIBLE | WS_TABSTOP | ES_AUTOHSCROLL, 0},
    {"BUTTON", "OK", IDOK, 7, 30, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 30, 50, 14, WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0},
};
constexpr DWORD kPopup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
const AFX_DLGTEMPLATE kDialogs[] = {
    {IDD_TEST_MODAL, "modal", 0, 0, 120, 50, kPopup, 0, "", 9, kItems, 3},
    {IDD_TEST_SHEET, "sheet", 0, 0, 120, 50, kPopup, 0, "", 9, kItems, 3},
    {IDD_TEST_BNDR, "groups", 0, 0, 120, 50, kPopup, 0, "", 9, kItems, 3},
    {IDD_TEST_TOOLS, "tools", 0, 0, 120, 50, kPopup, 0, "", 9, kItems, 3},
};
const AFX_RESOURCE_TABLE kTable = {"test_frame_rows", kDialogs, 4, nullptr, 0, nullptr, 0};

}  // namespace

void FrameTest::SetUp() {
  app = std::make_unique<CHostApp>();
  doc = std::make_unique<CDBDoc>();
  AfxRegisterResourceTable(&kTable);
  ASSERT_TRUE(AfxInitExtensionModule(m_testModule, "test_frame_rows"));
  new CDynLinkLibrary(m_testModule, FALSE);
  m_joined = true;
}

void FrameTest::LeaveChain() {
  if (m_joined) AfxTermExtensionModule(m_testModule, FALSE);
  m_joined = false;
}

void FrameTest::TearDown() {
  doc.reset();
  LeaveChain();
  app.reset();
}
