#include "db/CIntsDlg.h"

#include "afx/AfxStyles.h"
#include "db/CFlagCtrl.h"

IMPLEMENT_DYNAMIC(CIntsDlg, CPositiveLengthDlg)

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const AFX_DLGITEM kItems[] = {
    {"STATIC", "交叉容差:", -1, 7, 10, 40, 8, SS_LEFT | kChild, 0},
    {"EDIT", "", CIntsDlg::IDC_INTS_TOLERANCE, 50, 8, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | kChild, 0},
    {"STATIC", "", CIntsDlg::IDC_INTS_UNIT, 114, 10, 30, 8, SS_LEFT | kChild, 0},
    {"BUTTON", "同时分割被交叉的构件", CIntsDlg::IDC_INTS_SPLIT_CROSSED, 7, 26, 120, 10,
     BS_AUTOCHECKBOX | WS_TABSTOP | kChild, 0},
    {"BUTTON", "确定", IDOK, 40, 44, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | kChild, 0},
    {"BUTTON", "取消", IDCANCEL, 95, 44, 50, 14, BS_PUSHBUTTON | WS_TABSTOP | kChild, 0},
};

const AFX_DLGTEMPLATE kTemplate = {CIntsDlg::IDD,
                                   "交叉分割",
                                   0,
                                   0,
                                   152,
                                   64,
                                   DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   0,
                                   "宋体",
                                   9,
                                   kItems,
                                   (int)(sizeof kItems / sizeof kItems[0])};

}  // namespace

CIntsDlg::CIntsDlg(CWnd* pParent) : CPositiveLengthDlg(&kTemplate, IDC_INTS_TOLERANCE, IDC_INTS_UNIT, pParent) {}

double CIntsDlg::LoadFlags(CFlagCtrl& flags) {
  CheckDlgButton(IDC_INTS_SPLIT_CROSSED, flags.GetSplitCrossedMembs() ? BST_CHECKED : BST_UNCHECKED);
  return flags.GetCrossToleranceCurrentUnit();
}

void CIntsDlg::StoreFlags(CFlagCtrl& flags, double length) {
  flags.SetCrossTolerance(length);
  flags.SetSplitCrossedMembs(IsDlgButtonChecked(IDC_INTS_SPLIT_CROSSED) == BST_CHECKED);
}

void CIntsDlg::DisableOthers() {
  if (CWnd* box = GetDlgItem(IDC_INTS_SPLIT_CROSSED)) box->EnableWindow(FALSE);
}
