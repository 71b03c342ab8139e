#include "selection/CSelectListEdit.h"

IMPLEMENT_DYNAMIC(CSelectListEdit, CEdit)

BEGIN_MESSAGE_MAP(CSelectListEdit, CEdit)
END_MESSAGE_MAP()

BOOL CSelectListEdit::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->wParam == VK_RETURN) {
    CWnd* parent = GetParent();
    if (parent && ::IsWindow(parent->m_hWnd)) {
      parent->PostMessage(WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(), EN_KILLFOCUS), (LPARAM)m_hWnd);
      return TRUE;
    }
  }
  return CWnd::PreTranslateMessage(pMsg);
}
