#include "ui/CFoldGroupBox_CheckEnable.h"

#include "ui/CDlgUtil.h"

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
  ApplyEnable();
  return TRUE;
}

void CFoldGroupBox_CheckEnable::SetCheckState(int nCheck) {
  m_nCheck = nCheck ? 1 : 0;
  ApplyEnable();
}

void CFoldGroupBox_CheckEnable::ApplyEnable() {
  if (m_bEnableInside && m_pDlg && m_hWnd)
    CDlgUtil::CtrlEnableDisableByRect(m_pDlg, (UINT)GetDlgCtrlID(), m_nCheck != 0, FALSE);
}

BOOL CFoldGroupBox_CheckEnable::OnClicked(UINT) {
  SetCheckState(!m_nCheck);
  return FALSE;  // the dialog hears the click too
}
