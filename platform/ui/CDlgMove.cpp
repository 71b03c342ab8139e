#include "ui/CDlgMove.h"

#include "afx/CWinApp.h"

IMPLEMENT_DYNAMIC(CDlgMove, CInternationalDlg)

namespace {
CRect PlacementArea() {
  CRect area(0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY);
  CWnd* main = AfxGetMainWnd();
  if (main && main->m_hWnd) {
    main->GetClientRect(&area);
    main->ClientToScreen(&area);
  }
  return area;
}
}  // namespace

void CDlgMove::SetInitPos(int nType, int nX, int nY) {
  m_nPosType = nType;
  m_nPosX = nX;
  m_nPosY = nY;
}

CRect CDlgMove::PlaceRect(int nType, int nX, int nY, const CRect& current) {
  CRect area = PlacementArea();
  int cx = current.Width(), cy = current.Height();
  CPoint tl = current.TopLeft();
  switch (nType) {
    case 1: tl = CPoint(area.left + nX, area.top + nY); break;
    case 2: tl = CPoint(area.left + (area.Width() - cx) / 2 + nX, area.top + (area.Height() - cy) / 2 + nY); break;
    case 3: tl = CPoint(area.right - nX - cx, area.top + nY); break;
    default: break;
  }
  if (tl.x + cx > AFX_SCREEN_CX) tl.x = AFX_SCREEN_CX - cx;
  if (tl.y + cy > AFX_SCREEN_CY) tl.y = AFX_SCREEN_CY - cy;
  if (tl.x < 0) tl.x = 0;
  if (tl.y < 0) tl.y = 0;
  return CRect(tl.x, tl.y, tl.x + cx, tl.y + cy);
}

void CDlgMove::Place() {
  if (!m_hWnd || (GetStyle() & WS_CHILD)) return;
  CRect r;
  GetWindowRect(&r);
  CRect to = PlaceRect(m_nPosType, m_nPosX, m_nPosY, r);
  if (to != r) MoveWindow(to.left, to.top, to.Width(), to.Height(), FALSE);
}

void CDlgMove::MoveDlgWithinScreen() {
  if (!m_hWnd || (GetStyle() & WS_CHILD)) return;
  CRect r;
  GetWindowRect(&r);
  CRect to = PlaceRect(0, 0, 0, r);
  if (to != r) MoveWindow(to.left, to.top, to.Width(), to.Height(), FALSE);
}

LRESULT CDlgMove::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT r = CInternationalDlg::WindowProc(message, wParam, lParam);
  if (message == WM_INITDIALOG) Place();
  return r;
}
