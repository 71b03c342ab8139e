// CCmdStorGrid: row moves, left clicks and the tracer colours.
#include <cstdlib>
#include "levels/CCmdStorGrid.h"

BEGIN_MESSAGE_MAP(CCmdStorGrid, CTBCommon)
ON_WM_LBUTTONDOWN()
END_MESSAGE_MAP()

BOOL CCmdStorGrid::MoveRows(ROWCOL first, ROWCOL last, ROWCOL target, UINT) {
  if (RefuseMoveWhileEditing() || !m_pTable) return FALSE;
  const ROWCOL count = GetRowCount();  // the hidden append row included
  if (target == count + 1) target = count;
  // In the main tower the append row stands for the base story's row: nothing goes below it.
  if (m_bMainTower && target == count && count > 1) target = count - 1;
  if (target >= first && target <= last + 1) return FALSE;
  CUIntArray selected;
  GetSelectedRows(selected);
  if (selected.GetSize() != (INT_PTR)(last - first + 1) || selected[0] != first ||
      selected[selected.GetUpperBound()] != last)
    return FALSE;
  UINT targetKey = (UINT)std::atol(GetValueRowColBeforeEdit(target, GetColumnNoFor(COL_KEY)).c_str());
  int position = 0;
  if (targetKey && m_pTable->GetSeq(targetKey) != -1) position = m_pTable->GetSeq(targetKey) + 1;
  else position = m_pTable->GetSeq(m_pTable->GetBaseTopStorKey()) + 1;
  CUIntArray keys;
  ROWCOL nameCol = GetColumnNoFor(COL_NAME);
  for (ROWCOL r = last; r >= first && r >= 1; --r)
    if (UINT k = m_pTable->GetKey(GetValueRowColBeforeEdit(r, nameCol), m_nTower)) keys.Add(k);
  // The base story stays the lowest: dragging its row would put stories below it.
  for (UINT k : keys)
    if (m_pTable->IsBaseStor(k)) return FALSE;
  SetMovingRows(TRUE);
  m_pTable->TR_ChangeSeq(keys, position);
  SetMovingRows(FALSE);
  return FALSE;
}

void CCmdStorGrid::OnLButtonDown(UINT nFlags, CPoint point) {
  ROWCOL r = 0, c = 0;
  if (HitTest(point, r, c) && r >= 1 && c >= 1) {
    CGXStyle own;
    CCmdRecordGrid::GetStyleRowCol(r, c, own, gxCopy, 0);
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
  BOOL ok = CCmdRecordGrid::GetStyleRowCol(row, col, style, mt, type);
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
