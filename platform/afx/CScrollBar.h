// Scroll-bar controls. Positions are clamped to [nMin, nMax - max(nPage - 1, 0)].
#pragma once
#include "afx/CWnd.h"

class CScrollBar : public CWnd {
  DECLARE_DYNAMIC(CScrollBar)
 public:
  CScrollBar() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL SetScrollInfo(LPSCROLLINFO lpScrollInfo, BOOL bRedraw = TRUE) {
    return CWnd::SetScrollInfo(SB_CTL, lpScrollInfo, bRedraw);
  }
  BOOL GetScrollInfo(LPSCROLLINFO lpScrollInfo, UINT nMask = SIF_ALL) const {
    return CWnd::GetScrollInfo(SB_CTL, lpScrollInfo, nMask);
  }
  int SetScrollPos(int nPos, BOOL bRedraw = TRUE) { return CWnd::SetScrollPos(SB_CTL, nPos, bRedraw); }
  int GetScrollPos() const { return CWnd::GetScrollPos(SB_CTL); }
  void SetScrollRange(int nMinPos, int nMaxPos, BOOL bRedraw = TRUE) {
    CWnd::SetScrollRange(SB_CTL, nMinPos, nMaxPos, bRedraw);
  }
  void GetScrollRange(int* lpMinPos, int* lpMaxPos) const { CWnd::GetScrollRange(SB_CTL, lpMinPos, lpMaxPos); }
  int GetScrollLimit() const { return CWnd::GetScrollLimit(SB_CTL); }
  BOOL EnableScrollBar(UINT nArrowFlags = ESB_ENABLE_BOTH) { return CWnd::EnableScrollBar(SB_CTL, nArrowFlags); }
  // The arrows disabled (ESB_ flags).
  UINT GetArrowState() const;
  void ShowScrollBar(BOOL bShow = TRUE) { CWnd::ShowScrollBar(SB_CTL, bShow); }
};
