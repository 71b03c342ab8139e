// CGXGridWnd: cell geometry, hit testing and the user's click on a cell.
#include "afx/AfxWinDefs.h"
#include "grid/CGXGridWnd.h"

BOOL CGXGridWnd::CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol, CRect& rect) const {
  if (nRow > GetRowCount() || nCol > GetColCount() || IsRowHidden(nRow) || IsColHidden(nCol)) return FALSE;
  int top = 0, left = 0;
  for (ROWCOL r = 0; r < nRow; ++r)
    if (!IsRowHidden(r)) top += GetRowHeight(r);
  for (ROWCOL c = 0; c < nCol; ++c)
    if (!IsColHidden(c)) left += GetColWidth(c);
  rect = CRect(left, top, left + GetColWidth(nCol), top + GetRowHeight(nRow));
  return TRUE;
}

BOOL CGXGridWnd::HitTest(CPoint point, ROWCOL& nRow, ROWCOL& nCol) const {
  if (point.x < 0 || point.y < 0) return FALSE;
  auto find = [](int at, ROWCOL count, auto hidden, auto size, ROWCOL& out) {
    int edge = 0;
    for (ROWCOL i = 0; i <= count; ++i) {
      if (hidden(i)) continue;
      edge += size(i);
      if (at < edge) {
        out = i;
        return true;
      }
    }
    return false;
  };
  ROWCOL r = 0, c = 0;
  if (!find(point.y, GetRowCount(), [this](ROWCOL i) { return IsRowHidden(i); },
            [this](ROWCOL i) { return GetRowHeight(i); }, r) ||
      !find(point.x, GetColCount(), [this](ROWCOL i) { return IsColHidden(i); },
            [this](ROWCOL i) { return GetColWidth(i); }, c))
    return FALSE;
  nRow = r;
  nCol = c;
  return TRUE;
}

int CGXGridWnd::UserClickCell(int row, int col) {
  if (row < 0 || col < 0) return 0;
  const ROWCOL r = (ROWCOL)row, c = (ROWCOL)col;
  CRect rc;
  if (!CalcRectFromRowCol(r, c, rc) || rc.Width() <= 0 || rc.Height() <= 0) return 0;
  // A covered cell is a part of its block's top-left cell.
  CGXRange block;
  CGXStyle style;
  if (GetCoveredCellsRowCol(r, c, block))
    ComposeStyleRowCol(block.top, block.left, style);
  else
    ComposeStyleRowCol(r, c, style);
  if (!style.GetEnabled()) return 0;
  LPARAM at = MAKELPARAM(rc.left + rc.Width() / 2, rc.top + rc.Height() / 2);
  SendMessage(WM_LBUTTONDOWN, 0x0001 /* the left button is down */, at);
  SendMessage(WM_LBUTTONUP, 0, at);
  return 1;
}

BOOL CGXGridWnd::ButtonAt(LPARAM lPoint, ROWCOL& nRow, ROWCOL& nCol) {
  ROWCOL r = 0, c = 0;
  if (!HitTest(CPoint((short)LOWORD(lPoint), (short)HIWORD(lPoint)), r, c) || r == 0 || c == 0) return FALSE;
  CGXRange block;
  if (GetCoveredCellsRowCol(r, c, block)) {
    r = block.top;
    c = block.left;
  }
  CGXStyle style;
  ComposeStyleRowCol(r, c, style);
  if (style.GetControl() != GX_IDS_CTRL_PUSHBTN || !style.GetEnabled()) return FALSE;
  nRow = r;
  nCol = c;
  return TRUE;
}
