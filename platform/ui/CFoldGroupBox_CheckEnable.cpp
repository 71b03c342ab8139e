#include "ui/CFoldGroupBox_CheckEnable.h"

#include "ui/CDlgUtil.h"

namespace {
BOOL IsCheckBox(const CButton& b) {
  UINT kind = b.GetButtonStyle() & BS_TYPEMASK;
  return kind == BS_CHECKBOX || kind == BS_AUTOCHECKBOX || kind == BS_3STATE || kind == BS_AUTO3STATE;
}
}  // namespace

IMPLEMENT_DYNAMIC(CFoldGroupBox_CheckEnable, CButton)

BEGIN_MESSAGE_MAP(CFoldGroupBox_CheckEnable, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CFoldGroupBox_CheckEnable::OnClicked)
END_MESSAGE_MAP()

BOOL CFoldGroupBox_CheckEnable::Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID, BOOL bEnableInside, BOOL bFold) {
  if (!pDlg || !pDlg->m_hWnd) return FALSE;
  if (!m_hWnd && !SubclassDlgItem(nID, pDlg)) return FALSE;
  m_pDlg = pDlg;
  m_nIDDlg = nIDDlg;
  m_bEnableInside = bEnableInside;
  m_bFold = bFold;
  SetCheckState(IsCheckBox(*this) ? GetCheck() : m_nCheck);
  return TRUE;
}

void CFoldGroupBox_CheckEnable::SetCheckState(int nCheck) {
  m_nCheck = nCheck ? 1 : 0;
  if (m_hWnd && IsCheckBox(*this)) SetCheck(m_nCheck);
  ApplyEnable();
}

void CFoldGroupBox_CheckEnable::ApplyEnable() {
  if (m_bEnableInside && m_pDlg && m_hWnd)
    CDlgUtil::CtrlEnableDisableByRect(m_pDlg, (UINT)GetDlgCtrlID(), m_nCheck != 0, FALSE);
}

BOOL CFoldGroupBox_CheckEnable::OnClicked(UINT) {
  // A check-box button has changed its own mark already; a plain group box toggles here.
  SetCheckState(IsCheckBox(*this) ? GetCheck() : !m_nCheck);
  return FALSE;  // the dialog hears the click too
}
