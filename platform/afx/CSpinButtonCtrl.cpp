#include "afx/CSpinButtonCtrl.h"

#include <algorithm>
#include <cstdlib>

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CSpinButtonCtrl, CWnd)

BOOL CSpinButtonCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("msctls_updown32", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSpinButtonCtrl::SetRange32(int nLower, int nUpper) {
  AfxWndState* w = State();
  if (!w) return;
  w->rangeMin = nLower;
  w->rangeMax = nUpper;
}

DWORD CSpinButtonCtrl::GetRange() const {
  AfxWndState* w = State();
  return w ? (DWORD)MAKELONG((WORD)w->rangeMax, (WORD)w->rangeMin) : 0;
}

void CSpinButtonCtrl::GetRange32(int& lower, int& upper) const {
  AfxWndState* w = State();
  lower = w ? w->rangeMin : 0;
  upper = w ? w->rangeMax : 0;
}

int CSpinButtonCtrl::SetPos32(int nPos) {
  AfxWndState* w = State();
  if (!w) return 0;
  int old = w->pos;
  int lo = std::min(w->rangeMin, w->rangeMax), hi = std::max(w->rangeMin, w->rangeMax);
  w->pos = std::clamp(nPos, lo, hi);
  if ((w->style & UDS_SETBUDDYINT) && AfxWnd(w->buddy)) {
    CString s;
    s.Format("%d", w->pos);
    CWnd::FromHandle(w->buddy)->SetWindowText(s);
  }
  return old;
}

int CSpinButtonCtrl::GetPos32(BOOL* lpbError) const {
  AfxWndState* w = State();
  if (lpbError) *lpbError = FALSE;
  if (!w) return 0;
  if ((w->style & UDS_SETBUDDYINT) && AfxWnd(w->buddy)) {
    CString s;
    CWnd::FromHandle(w->buddy)->GetWindowText(s);
    s.Trim();
    s.Remove(',');
    char* end = nullptr;
    long v = std::strtol(s.c_str(), &end, 10);
    int lo = std::min(w->rangeMin, w->rangeMax), hi = std::max(w->rangeMin, w->rangeMax);
    if (!s.IsEmpty() && end && *end == '\0' && v >= lo && v <= hi) {
      w->pos = (int)v;
    } else if (lpbError) {
      *lpbError = TRUE;
    }
  }
  return w->pos;
}

CWnd* CSpinButtonCtrl::SetBuddy(CWnd* pWndBuddy) {
  AfxWndState* w = State();
  if (!w) return nullptr;
  CWnd* old = FromHandle(w->buddy);
  w->buddy = pWndBuddy ? pWndBuddy->m_hWnd : nullptr;
  return old;
}

CWnd* CSpinButtonCtrl::GetBuddy() const {
  AfxWndState* w = State();
  return w ? FromHandle(w->buddy) : nullptr;
}
