// CCmdStorGrid: left clicks and the tracer colours.
#include <cstdlib>
#include "levels/CCmdStorGrid.h"

BEGIN_MESSAGE_MAP(CCmdStorGrid, CTBCommon)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

void CCmdStorGrid::OnLButtonDown(UINT nFlags, CPoint point) {
  ROWCOL r = 0, c = 0;
  if (HitTest(point, r, c) && r >= 1 && c >= 1) {
    CGXStyle own;
    CCmdTowerStoryGrid::GetStyleRowCol(r, c, own, gxCopy, 0);
    BOOL enabled = own.GetIncludeEnabled() ? own.GetEnabled()
                                           : !(GetColStyle(c).GetIncludeEnabled() && !GetColStyle(c).GetEnabled()) &&
                                                 !(GetRowStyle(r).GetIncludeEnabled() && !GetRowStyle(r).GetEnabled());
    if (enabled && m_pPageOwner) {
      UINT key = (UINT)std::atol(GetValueRowCol(r, GetColumnNoFor(COL_KEY)).c_str());
      m_pPageOwner->ShowStoryDefaults(1, key);
    }
  }
  CTBBrowserWndEx::OnLButtonDown(nFlags, point);
}

namespace {
struct TracerRule {
  int mode;
  ROWCOL col;        // grid column in its registered place
  int rows;          // 0: flagged stories from row 2 down, 1: row 1, 2: every row
  BOOL text;         // the text colour, else the background
};
const TracerRule kTracer[] = {
    {0, 6, 0, FALSE}, {1, 6, 1, FALSE}, {3, 7, 0, FALSE}, {4, 7, 1, FALSE},
    {16, 7, 1, FALSE}, {41, 8, 2, TRUE}, {46, 4, 1, FALSE},
};
}  // namespace

BOOL CCmdStorGrid::GetStyleRowCol(ROWCOL row, ROWCOL col, CGXStyle& style, GXModifyType mt, int type) {
  BOOL ok = CCmdTowerStoryGrid::GetStyleRowCol(row, col, style, mt, type);
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!ok || row == 0 || !doc || !doc->IsTracerMode()) return ok;
  const int mode = doc->GetCheckMode();
  for (const TracerRule& t : kTracer) {
    if (t.mode != mode || t.col != col) continue;
    BOOL paint = t.rows == 2 || (t.rows == 1 && row == 1);
    if (t.rows == 0 && row >= 2) {
      CChekCtrl* chek = doc->GetChekCtrl();
      CUIntArray keys;
      if (chek && m_pTable) m_pTable->GetKeyListReverse(keys, m_nTower);
      paint = chek && (INT_PTR)row - 1 < keys.GetSize() && chek->IsFlagged(keys[row - 1]);
    }
    if (!paint) continue;
    if (t.text) style.SetTextColor(RGB(255, 0, 0));
    else style.SetInterior(RGB(255, 0, 0));
  }
  return ok;
}
