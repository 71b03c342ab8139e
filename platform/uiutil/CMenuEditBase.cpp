#include "uiutil/CMenuEditBase.h"

IMPLEMENT_DYNAMIC(CMenuEditBase, CEdit)

void CMenuEditBase::SetList(const CStringArray& texts) {
  m_list.RemoveAll();
  for (int i = 0; i < texts.GetSize(); ++i) m_list.Add(texts[i]);
}

BOOL CMenuEditBase::ChooseFromList(int index) {
  if (!m_hWnd || index < 0 || index >= m_list.GetSize()) return FALSE;
  SetSel(0, -1);
  ReplaceSel(m_list[index]);
  return TRUE;
}

BOOL CMenuEditBase::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message == WM_KEYDOWN && pMsg->hwnd == m_hWnd && (pMsg->wParam == VK_TAB || pMsg->wParam == VK_RETURN) &&
      m_pNext && m_pNext->m_hWnd && ::IsWindowVisible(m_pNext->m_hWnd) && ::IsWindowEnabled(m_pNext->m_hWnd)) {
    m_pNext->SetFocus();
    if (auto* e = dynamic_cast<CEdit*>(m_pNext)) e->SetSel(0, -1);
    return TRUE;
  }
  return CEdit::PreTranslateMessage(pMsg);
}
