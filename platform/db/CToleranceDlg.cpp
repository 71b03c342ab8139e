#include "db/CToleranceDlg.h"

#include "afx/AfxStyles.h"
#include "db/CFlagCtrl.h"

IMPLEMENT_DYNAMIC(CToleranceDlg, CPositiveLengthDlg)

namespace {

constexpr DWORD kChild = WS_CHILD | WS_VISIBLE;

const AFX_DLGITEM kItems[] = {
    {"STATIC", "容差:", -1, 7, 10, 30, 8, SS_LEFT | kChild, 0},
    {"EDIT", "", CToleranceDlg::IDC_TOLERANCE_EDIT, 40, 8, 60, 12, ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP | kChild, 0},
    {"STATIC", "", CToleranceDlg::IDC_TOLERANCE_UNIT, 104, 10, 30, 8, SS_LEFT | kChild, 0},
    {"BUTTON", "确定", IDOK, 30, 30, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | kChild, 0},
    {"BUTTON", "取消", IDCANCEL, 85, 30, 50, 14, BS_PUSHBUTTON | WS_TABSTOP | kChild, 0},
};

const AFX_DLGTEMPLATE kTemplate = {CToleranceDlg::IDD,
                                   "合并容差",
                                   0,
                                   0,
                                   142,
                                   50,
                                   DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                   0,
                                   "宋体",
                                   9,
                                   kItems,
                                   (int)(sizeof kItems / sizeof kItems[0])};

}  // namespace

CToleranceDlg::CToleranceDlg(CWnd* pParent)
    : CPositiveLengthDlg(&kTemplate, IDC_TOLERANCE_EDIT, IDC_TOLERANCE_UNIT, pParent) {}

double CToleranceDlg::LoadFlags(CFlagCtrl& flags) { return flags.GetMergeToleranceCurrentUnit(); }

void CToleranceDlg::StoreFlags(CFlagCtrl& flags, double length) { flags.SetMergeTolerance(length); }
