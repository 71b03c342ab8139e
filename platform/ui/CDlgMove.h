// A dialog that places itself when its window is made (after OnInitDialog, before it is
// shown) and keeps itself within the screen.
//
// SetInitPos(type, a, b), in pixels, relative to the main window's client area (the whole
// screen when there is no main window):
//   0            where the template puts it (also when SetInitPos is never called)
//   1            its top-left corner a to the right of and b below the area's top-left corner
//   2            centred on the area, then moved by (a, b)
//   3            its top-right corner a to the left of and b below the area's top-right corner
//   other        as 0
// Then, whatever the type, the window is moved (never resized) to lie within the screen
// (AFX_SCREEN_CX x AFX_SCREEN_CY); one larger than the screen keeps its top-left corner on
// it. A child dialog (a page) is never moved.
#pragma once
#include "ui/CInternationalDlg.h"

class CDlgMove : public CInternationalDlg {
  DECLARE_DYNAMIC(CDlgMove)

 public:
  CDlgMove() = default;
  explicit CDlgMove(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
      : CInternationalDlg(nIDTemplate, pParentWnd) {}

  void SetInitPos(int nType, int nX, int nY);
  int GetInitPosType() const { return m_nPosType; }
  CPoint GetInitPosOffset() const { return CPoint(m_nPosX, m_nPosY); }

  // Moves the window (never resizes it) to lie within the screen, as placement does.
  void MoveDlgWithinScreen();
  // Where placement puts a window now at current (screen coordinates).
  static CRect PlaceRect(int nType, int nX, int nY, const CRect& current);

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  void Place();
  int m_nPosType = 0;
  int m_nPosX = 0;
  int m_nPosY = 0;
};
