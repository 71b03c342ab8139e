#include "creation/CEditEnter.h"

#include "afx/AfxMessageQueue.h"

const UINT CEditEnter::WM_EDITENTER_KEYDOWN_RETURN = RegisterWindowMessage("WM_EDITENTER_KEYDOWN_RETURN");

IMPLEMENT_DYNAMIC(CEditEnter, CEdit)

BOOL CEditEnter::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && pMsg->wParam == VK_RETURN)
    if (CWnd* parent = GetParent()) parent->PostMessage(WM_EDITENTER_KEYDOWN_RETURN, 0, 0);
  return CEdit::PreTranslateMessage(pMsg);
}
