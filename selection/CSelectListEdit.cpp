#include "selection/CSelectListEdit.h"

IMPLEMENT_DYNAMIC(CSelectListEdit, CEdit)

BEGIN_MESSAGE_MAP(CSelectListEdit, CEdit)
END_MESSAGE_MAP()

BOOL CSelectListEdit::PostKillFocusOnReturn(CEdit& edit, MSG* pMsg) {
  if (pMsg->message != WM_KEYDOWN || pMsg->wParam != VK_RETURN) return FALSE;
  CWnd* parent = edit.GetParent();
  if (!parent || !::IsWindow(parent->m_hWnd)) return FALSE;
  parent->PostMessage(WM_COMMAND, MAKEWPARAM(edit.GetDlgCtrlID(), EN_KILLFOCUS), (LPARAM)edit.m_hWnd);
  return TRUE;
}

BOOL CSelectListEdit::PreTranslateMessage(MSG* pMsg) {
  if (PostKillFocusOnReturn(*this, pMsg)) return TRUE;
  return CWnd::PreTranslateMessage(pMsg);
}
