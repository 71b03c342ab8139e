#include "ui/CFoldGroupBox_Cross.h"

IMPLEMENT_DYNAMIC(CFoldGroupBox_Cross, CButton)

BEGIN_MESSAGE_MAP(CFoldGroupBox_Cross, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CFoldGroupBox_Cross::OnClicked)
END_MESSAGE_MAP()

BOOL CFoldGroupBox_Cross::Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID) {
  if (!pDlg || !pDlg->m_hWnd) return FALSE;
  if (!m_hWnd && !SubclassDlgItem(nID, pDlg)) return FALSE;
  m_nIDDlg = nIDDlg;
  return TRUE;
}

BOOL CFoldGroupBox_Cross::OnClicked(UINT) {
  m_nState = !m_nState;
  return FALSE;  // the dialog hears the click too
}
