#include "afx/CEdit.h"

#include <algorithm>

#include "afx/AfxControlProc.h"
#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CEdit, CWnd)

BOOL CEdit::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("EDIT", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CEdit::SetSel(int nStartChar, int nEndChar, BOOL) {
  SendMessage(EM_SETSEL, (WPARAM)(intptr_t)nStartChar, (LPARAM)nEndChar);
}

void CEdit::SetSel(DWORD dwSelection, BOOL bNoScroll) {
  SetSel((int)(short)LOWORD(dwSelection), (int)(short)HIWORD(dwSelection), bNoScroll);
}

void CEdit::GetSel(int& nStartChar, int& nEndChar) const {
  AfxWndState* w = State();
  nStartChar = w ? w->selStart : 0;
  nEndChar = w ? w->selEnd : 0;
}

DWORD CEdit::GetSel() const { return (DWORD)SendMessage(EM_GETSEL); }

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL) { AfxEditReplaceSel(m_hWnd, lpszNewText); }

BOOL CEdit::SetReadOnly(BOOL bReadOnly) { return (BOOL)SendMessage(EM_SETREADONLY, (WPARAM)bReadOnly); }

void CEdit::SetLimitText(UINT nMax) { SendMessage(EM_LIMITTEXT, nMax); }

UINT CEdit::GetLimitText() const {
  AfxWndState* w = State();
  return w ? (UINT)w->limit : 0;
}

int CEdit::GetLineCount() const {
  AfxWndState* w = State();
  if (!w) return 0;
  int n = 1;
  for (int i = 0; i < w->text.GetLength(); ++i)
    if (w->text[i] == '\n') ++n;
  return n;
}
