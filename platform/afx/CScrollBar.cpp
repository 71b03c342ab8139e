#include "afx/CScrollBar.h"

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CScrollBar, CWnd)

BOOL CScrollBar::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("SCROLLBAR", nullptr, dwStyle, rect, pParentWnd, nID);
}

UINT CScrollBar::GetArrowState() const {
  AfxWndState* w = State();
  return w ? w->scroll[0].arrows : 0;
}
