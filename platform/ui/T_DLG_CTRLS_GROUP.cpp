#include "ui/T_DLG_CTRLS_GROUP.h"

#include "afx/CWnd.h"
#include "ui/CDlgUtil.h"

BOOL T_DLG_CTRLS_GROUP::ReCalcArea(CWnd* pWnd) {
  m_pWnd = pWnd;
  m_rcArea.SetRectEmpty();
  m_bHasArea = FALSE;
  if (!pWnd || !pWnd->m_hWnd) return FALSE;
  BOOL any = FALSE;
  for (int i = 0; i < m_ids.GetSize(); ++i) {
    CWnd* c = pWnd->GetDlgItem((int)m_ids[i]);
    if (!c) continue;
    CRect r;
    c->GetWindowRect(&r);
    pWnd->ScreenToClient(&r);
    if (!any) {
      m_rcArea = r;
      any = TRUE;
    } else {
      const CRect a = m_rcArea;
      m_rcArea.UnionRect(a, r);
    }
  }
  m_bHasArea = any;
  return any;
}

CRect T_DLG_CTRLS_GROUP::GetScreenArea() const {
  CRect r = m_rcArea;
  if (m_bHasArea && m_pWnd && m_pWnd->m_hWnd) m_pWnd->ClientToScreen(&r);
  return r;
}

void T_DLG_CTRLS_GROUP::SetCtrlsPosAfter(CWnd* pWnd, CRect& rc, int nGap, BOOL bRepaint) {
  if (!m_bHasArea) return;
  CRect area = GetScreenArea();
  SetCtrlsPos(pWnd, CPoint(area.left, rc.bottom + nGap), bRepaint);
  rc = GetScreenArea();
}

void T_DLG_CTRLS_GROUP::SetCtrlsPos(CWnd* pWnd, CPoint pt, BOOL bRepaint) {
  if (!pWnd || !pWnd->m_hWnd || !m_bHasArea) return;
  m_pWnd = pWnd;
  pWnd->ScreenToClient(&pt);
  const int dx = pt.x - m_rcArea.left, dy = pt.y - m_rcArea.top;
  if (dx == 0 && dy == 0) return;
  CDlgUtil::CtrlMoveDistXY(pWnd, m_ids, dx, dy, bRepaint);
  m_rcArea.OffsetRect(dx, dy);
}

void T_DLG_CTRLS_GROUP::Show(CWnd* pWnd, BOOL bShow) const { CDlgUtil::CtrlShowHide(pWnd, m_ids, bShow); }

void T_DLG_CTRLS_GROUP::Enable(CWnd* pWnd, BOOL bEnable) const { CDlgUtil::CtrlEnableDisable(pWnd, m_ids, bEnable); }
