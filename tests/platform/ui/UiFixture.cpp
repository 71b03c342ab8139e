#include "UiFixture.h"

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/AfxStyles.h"

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;
constexpr DWORD kPopup = DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU;
constexpr DWORD kPage = DS_CONTROL | WS_CHILD;

const AFX_DLGITEM kPopupItems[] = {
    {"EDIT", "", IDC_UI_EDIT, 7, 7, 80, 12, kChild | WS_TABSTOP, 0},
    {"BUTTON", "OK", IDOK, 7, 30, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
    {"BUTTON", "Cancel", IDCANCEL, 60, 30, 50, 14, kChild | WS_TABSTOP, 0},
};
const AFX_DLGITEM kTabItems[] = {
    {"SysTabControl32", "", IDC_UI_TAB, 5, 5, 200, 120, kChild | WS_TABSTOP, 0},
    {"STATIC", "Place Holder", IDC_UI_PLACEHOLDER, 10, 22, 190, 100, kChild, 0},
    {"BUTTON", "OK", IDOK, 5, 130, 50, 14, kChild | WS_TABSTOP | BS_DEFPUSHBUTTON, 0},
};
const AFX_DLGITEM kPageAItems[] = {{"EDIT", "a", IDC_UI_PAGE_EDIT, 5, 5, 60, 12, kChild | WS_TABSTOP, 0}};
const AFX_DLGITEM kPageBItems[] = {
    {"BUTTON", "b", IDC_UI_PAGE_CHECK, 5, 5, 60, 12, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0}};
const AFX_DLGITEM kControlItems[] = {
    {"BUTTON", "r1", IDC_UI_RADIO1, 5, 5, 40, 10, kChild | WS_TABSTOP | WS_GROUP | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "r2", IDC_UI_RADIO2, 5, 17, 40, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "r3", IDC_UI_RADIO3, 5, 29, 40, 10, kChild | BS_AUTORADIOBUTTON, 0},
    {"BUTTON", "group", IDC_UI_GROUP, 60, 5, 100, 60, kChild | BS_GROUPBOX, 0},
    {"EDIT", "", IDC_UI_IN1, 65, 15, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_UI_IN2, 65, 30, 40, 12, kChild | WS_TABSTOP, 0},
    {"EDIT", "", IDC_UI_OUT, 170, 15, 40, 12, kChild | WS_TABSTOP, 0},
    {"COMBOBOX", "", IDC_UI_COMBO, 5, 70, 80, 60, kChild | WS_TABSTOP | CBS_DROPDOWNLIST, 0},
    {"EDIT", "", IDC_UI_SPIN_EDIT, 5, 90, 40, 12, kChild | WS_TABSTOP, 0},
    {"msctls_updown32", "", IDC_UI_SPIN, 45, 90, 10, 12, kChild | UDS_SETBUDDYINT | UDS_ALIGNRIGHT, 0},
    {"BUTTON", "check group", IDC_UI_CHECKGROUP, 60, 100, 100, 40, kChild | WS_TABSTOP | BS_AUTOCHECKBOX, 0},
    {"EDIT", "", 7060, 65, 115, 40, 12, kChild | WS_TABSTOP, 0},
    {"COMBOBOX", "", IDC_UI_DROP, 5, 150, 80, 60, kChild | WS_TABSTOP | CBS_DROPDOWN, 0},
};

const AFX_DLGTEMPLATE kDialogs[] = {
    {IDD_UI_POPUP, "popup", 0, 0, 120, 50, kPopup, 0, "", 9, kPopupItems, 3},
    {IDD_UI_TABS, "tabs", 0, 0, 220, 150, kPopup, 0, "", 9, kTabItems, 3},
    {IDD_UI_PAGE_A, "", 0, 0, 190, 100, kPage, 0, "", 9, kPageAItems, 1},
    {IDD_UI_PAGE_B, "", 0, 0, 190, 100, kPage, 0, "", 9, kPageBItems, 1},
    {IDD_UI_CONTROLS, "controls", 0, 0, 230, 180, kPopup, 0, "", 9, kControlItems, 13},
};
const AFX_RESOURCE_TABLE kTable = {"test_ui_dialogs", kDialogs, 5, nullptr, 0, nullptr, 0};

}  // namespace

void UiTest::SetUp() {
  app = std::make_unique<CWinApp>("test_ui");
  mainWnd = std::make_unique<CWnd>();
  ASSERT_TRUE(mainWnd->CreateEx(0, "AfxFrameOrView", "main", WS_OVERLAPPEDWINDOW | WS_VISIBLE,
                                CRect(100, 50, 1100, 850), nullptr, 0));
  AfxSetMainWnd(mainWnd.get());
  AfxClearMessageLog();
  AfxClearScriptQueue();
  doc = std::make_unique<CDBDoc>();
  AfxRegisterResourceTable(&kTable);
  ASSERT_TRUE(AfxInitExtensionModule(m_module, "test_ui_dialogs"));
  new CDynLinkLibrary(m_module, FALSE);
}

void UiTest::TearDown() {
  doc.reset();
  AfxTermExtensionModule(m_module, FALSE);
  AfxSetMainWnd(nullptr);
  mainWnd.reset();
  app.reset();
  AfxClearScriptQueue();
}
