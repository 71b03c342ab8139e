#include "db/CToleranceDlg.h"

#include <cmath>
#include "afx/AfxStyles.h"
#include "db/CDBDoc.h"
#include "db/CFlagCtrl.h"

IMPLEMENT_DYNAMIC(CToleranceDlg, CDialog)

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

CFlagCtrl* Flags() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetFlagCtrl() : nullptr; }

}  // namespace

CToleranceDlg::CToleranceDlg(CWnd* pParent) { InitModalIndirect(&kTemplate, pParent); }

BOOL CToleranceDlg::OnInitDialog() {
  CDialog::OnInitDialog();
  m_edit.SubclassDlgItem(IDC_TOLERANCE_EDIT, this);
  m_unit.SubclassDlgItem(IDC_TOLERANCE_UNIT, this);
  m_edit.SetUnitType(1);
  m_unit.SetUnitType(1);
  if (CFlagCtrl* flags = Flags())
    m_edit.SetEditUnit(flags->GetMergeToleranceCurrentUnit());
  else
    m_edit.EnableWindow(FALSE);
  return TRUE;
}

void CToleranceDlg::OnOK() {
  CFlagCtrl* flags = Flags();
  if (flags) {
    double d = 0.0;
    if (!m_edit.GetShownValue(d) || !std::isfinite(d) || d <= 0.0) {
      GotoDlgCtrl(&m_edit);
      return;
    }
    flags->SetMergeTolerance(d);
  }
  CDialog::OnOK();
}
