#include "ui/CFoldGroupBox.h"

#include "afx/AfxMessageQueue.h"

const UINT CFoldGroupBox::WM_FOLDGROUPBOX_STATE_CHANGED = RegisterWindowMessage("WM_FOLDGROUPBOX_STATE_CHANGED");

IMPLEMENT_DYNAMIC(CFoldGroupBox_Check, CButton)

BEGIN_MESSAGE_MAP(CFoldGroupBox_Check, CButton)
  ON_CONTROL_REFLECT_EX(BN_CLICKED, &CFoldGroupBox_Check::OnClicked)
END_MESSAGE_MAP()

BOOL CFoldGroupBox_Check::Initialize(CWnd* pDlg, UINT nIDDlg, UINT nID, BOOL, BOOL) {
  if (!pDlg || !pDlg->m_hWnd) return FALSE;
  if (!m_hWnd && !SubclassDlgItem(nID, pDlg)) return FALSE;
  m_pDlg = pDlg;
  m_nIDDlg = nIDDlg;
  return TRUE;
}

BOOL CFoldGroupBox_Check::OnClicked(UINT) {
  // An automatic check box has toggled its own mark; any other button toggles here.
  UINT kind = GetButtonStyle() & BS_TYPEMASK;
  if (kind != BS_AUTOCHECKBOX && kind != BS_AUTO3STATE) SetCheck(GetCheck() == BST_CHECKED ? BST_UNCHECKED : BST_CHECKED);
  if (m_pDlg && m_pDlg->m_hWnd)
    m_pDlg->SendMessage(CFoldGroupBox::WM_FOLDGROUPBOX_STATE_CHANGED, (WPARAM)GetDlgCtrlID(),
                        GetCheck() == BST_CHECKED ? 1 : 0);
  return FALSE;  // the dialog hears the click too
}
