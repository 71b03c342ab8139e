#include "db/CIntsDlg.h"

#include <cmath>
#include "afx/AfxStyles.h"
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"

IMPLEMENT_DYNAMIC(CIntsDlg, CDialog)

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

CFlagCtrl* Flags() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetFlagCtrl() : nullptr; }

}  // namespace

CIntsDlg::CIntsDlg(CWnd* pParent) { InitModalIndirect(&kTemplate, pParent); }

BOOL CIntsDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_edit.SubclassDlgItem(IDC_INTS_TOLERANCE, this);
  m_unit.SubclassDlgItem(IDC_INTS_UNIT, this);
  m_edit.SetUnitType(1);
  m_unit.SetUnitType(1);
  if (CFlagCtrl* flags = Flags()) {
    m_edit.SetEditUnit(flags->GetCrossToleranceCurrentUnit());
    CheckDlgButton(IDC_INTS_SPLIT_CROSSED, flags->GetSplitCrossedMembs() ? BST_CHECKED : BST_UNCHECKED);
  } else {
    m_edit.EnableWindow(FALSE);
    if (CWnd* box = GetDlgItem(IDC_INTS_SPLIT_CROSSED)) box->EnableWindow(FALSE);
  }
  return TRUE;
}

void CIntsDlg::OnOK() {
  CFlagCtrl* flags = Flags();
  if (flags) {
    double d = 0.0;
    if (!m_edit.GetShownValue(d) || !std::isfinite(d) || d <= 0.0) {
      GotoDlgCtrl(&m_edit);
      return;
    }
    flags->SetCrossTolerance(d);
    flags->SetSplitCrossedMembs(IsDlgButtonChecked(IDC_INTS_SPLIT_CROSSED) == BST_CHECKED);
  }
  CDialog::OnOK();
}
