#include "afx/CSliderCtrl.h"

#include <algorithm>

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CSliderCtrl, CWnd)

BOOL CSliderCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("msctls_trackbar32", nullptr, dwStyle, rect, pParentWnd, nID);
}

void CSliderCtrl::SetRange(int nMin, int nMax, BOOL) {
  AfxWndState* w = State();
  if (!w) return;
  w->rangeMin = nMin;
  w->rangeMax = std::max(nMin, nMax);
  w->pos = std::clamp(w->pos, w->rangeMin, w->rangeMax);
}

void CSliderCtrl::GetRange(int& nMin, int& nMax) const {
  nMin = GetRangeMin();
  nMax = GetRangeMax();
}

void CSliderCtrl::SetRangeMin(int nMin, BOOL b) { SetRange(nMin, GetRangeMax(), b); }
void CSliderCtrl::SetRangeMax(int nMax, BOOL b) { SetRange(GetRangeMin(), nMax, b); }

int CSliderCtrl::GetRangeMin() const {
  AfxWndState* w = State();
  return w ? w->rangeMin : 0;
}

int CSliderCtrl::GetRangeMax() const {
  AfxWndState* w = State();
  return w ? w->rangeMax : 0;
}

void CSliderCtrl::SetPos(int nPos) {
  AfxWndState* w = State();
  if (w) w->pos = std::clamp(nPos, w->rangeMin, std::max(w->rangeMin, w->rangeMax));
}

int CSliderCtrl::GetPos() const {
  AfxWndState* w = State();
  return w ? w->pos : 0;
}

int CSliderCtrl::SetPageSize(int nSize) {
  int old = m_nPage;
  m_nPage = nSize;
  return old;
}

int CSliderCtrl::SetLineSize(int nSize) {
  int old = m_nLine;
  m_nLine = nSize;
  return old;
}
