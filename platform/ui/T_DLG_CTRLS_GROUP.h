// A group of a dialog's controls laid out, shown, hidden and enabled as one (the tool
// windows stack such groups below a fixed control and hide the ones they do not need).
//
// ReCalcArea takes the union of the controls' rectangles once; the group remembers it in
// its window's client coordinates, so moving the window later keeps it true. The
// rectangles passed in and out of the Set...Pos calls are screen rectangles, as callers
// read them from controls (GetWindowRect). Ids the window does not hold are skipped; a
// group with no control found has an empty area and moves nothing.
#pragma once
#include "afx/CArray.h"
#include <initializer_list>
#include "afx/CGeometry.h"

class CWnd;

struct T_DLG_CTRLS_GROUP {
  CUIntArray m_ids;
  CRect m_rcArea;          // client coordinates of m_pWnd
  CWnd* m_pWnd = nullptr;  // the window of the last ReCalcArea
  BOOL m_bHasArea = FALSE;  // ReCalcArea found a control

  void AddCtrl(UINT nID) { m_ids.Add(nID); }
  void AddCtrls(std::initializer_list<UINT> ids) {
    for (UINT id : ids) m_ids.Add(id);
  }
  // The union of the controls' rectangles; 0 when the window holds none of them.
  BOOL ReCalcArea(CWnd* pWnd);
  // The area on the screen (empty before ReCalcArea or with no control).
  CRect GetScreenArea() const;

  // Moves the group vertically so that its top lies nGap pixels below rc's bottom, and
  // makes rc the group's new screen area (a group without controls leaves rc alone).
  void SetCtrlsPosAfter(CWnd* pWnd, CRect& rc, int nGap, BOOL bRepaint);
  // Moves the group so that its top-left corner lies at pt (screen coordinates).
  void SetCtrlsPos(CWnd* pWnd, CPoint pt, BOOL bRepaint);

  void Show(CWnd* pWnd, BOOL bShow) const;
  void Enable(CWnd* pWnd, BOOL bEnable) const;
};
