#include "afx/CEdit.h"

#include <algorithm>

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

void CEdit::ReplaceSel(LPCTSTR lpszNewText, BOOL) {
  AfxWndState* w = State();
  if (!w) return;
  CString s(lpszNewText ? lpszNewText : "");
  if (w->limit > 0) {
    // What the selection frees and what stays decide how much of s fits.
    CString rest = w->text;
    int a = std::min(w->selStart, rest.GetLength());
    int b = std::min(std::max(w->selEnd, a), rest.GetLength());
    rest.Delete(a, b - a);
    int room = w->limit - rest.GetMbcsLength();
    CString fit;
    for (int i = 0; i < s.GetLength();) {
      int n = 1;
      while (i + n < s.GetLength() && ((unsigned char)s[i + n] & 0xC0) == 0x80) ++n;
      CString ch = s.Mid(i, n);
      if (fit.GetMbcsLength() + ch.GetMbcsLength() > room) break;
      fit += ch;
      i += n;
    }
    s = fit;
  }
  SendMessage(EM_REPLACESEL, 0, (LPARAM)s.c_str());
}

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
