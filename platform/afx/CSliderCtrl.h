// Sliders ("msctls_trackbar32"): a range and a position (clamped to the range).
// A user dragging the thumb (CUserDriver::Slide) sends the parent WM_HSCROLL (WM_VSCROLL
// for TBS_VERT) with TB_THUMBTRACK at the new position, then TB_THUMBPOSITION, then
// TB_ENDTRACK, the slider window as lParam.
#pragma once
#include "afx/CWnd.h"

enum : UINT { TB_THUMBPOSITION = 4, TB_THUMBTRACK = 5, TB_ENDTRACK = 8 };

class CSliderCtrl : public CWnd {
  DECLARE_DYNAMIC(CSliderCtrl)
 public:
  CSliderCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  void SetRange(int nMin, int nMax, BOOL bRedraw = FALSE);
  void GetRange(int& nMin, int& nMax) const;
  void SetRangeMin(int nMin, BOOL bRedraw = FALSE);
  void SetRangeMax(int nMax, BOOL bRedraw = FALSE);
  int GetRangeMin() const;
  int GetRangeMax() const;
  void SetPos(int nPos);
  int GetPos() const;
  void SetTicFreq(int nFreq) { m_nTicFreq = nFreq; }
  int SetPageSize(int nSize);
  int GetPageSize() const { return m_nPage; }
  int SetLineSize(int nSize);
  int GetLineSize() const { return m_nLine; }

 private:
  int m_nTicFreq = 1, m_nPage = 10, m_nLine = 1;
};
