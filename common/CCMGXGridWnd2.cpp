#include "common/CCMGXGridWnd2.h"

#include "afx/AfxMessageBox.h"
#include "uiutil/CTBGrid.h"

IMPLEMENT_DYNAMIC(CCMGXGridWnd2, CCMGXGridWnd)

BOOL CCMGXGridWnd2::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  if (!CCMGXGridWnd::GetStyleRowCol(nRow, nCol, style, mt, nType)) return FALSE;
  if (nRow == 0 || nCol == 0) return TRUE;
  const COLORREF* color = CTBGrid::m_Color;
  BOOL selected = IsRowSelected(nRow) || IsColSelected(nCol);
  if (GetParam()->GetDrawOrderState()) {
    if (IsColSelected(nCol)) style.SetControl(GX_IDS_CTRL_SELECTED_EDIT);
    return TRUE;
  }
  ROWCOL curRow = 0, curCol = 0;
  BOOL hasCurrent = GetCurrentCell(curRow, curCol);
  CGXStyle own;
  CCMGXGridWnd::GetStyleRowCol(nRow, nCol, own, gxCopy, nType);
  BOOL readOnly;
  if (own.GetIncludeReadOnly()) {
    readOnly = own.GetReadOnly();
  } else {
    CGXStyle row = GetRowStyle(nRow), col = GetColStyle(nCol);
    BOOL rowOff = row.GetIncludeReadOnly() && !row.GetReadOnly();
    BOOL colOff = col.GetIncludeReadOnly() && !col.GetReadOnly();
    readOnly = !(rowOff || colOff);
  }
  BOOL current = hasCurrent && curRow == nRow && curCol == nCol;
  if (readOnly && current) {
    style.SetInterior(color[4]).SetTextColor(color[3]);
  } else if (readOnly) {
    style.SetInterior(color[2]).SetTextColor(color[1]);
  } else if (selected) {
    style.SetInterior(color[18]).SetTextColor(color[1]).SetControl(GX_IDS_CTRL_SELECTED_EDIT);
  } else if (hasCurrent && curRow == nRow) {
    style.SetInterior(color[16]).SetTextColor(color[11]);
  } else {
    style.SetInterior(color[16]).SetTextColor(color[15]);
  }
  return TRUE;
}

int CCMGXGridWnd2::ValidateError(const char* text) {
  AfxMessageBox(text ? text : "");
  return 0;
}
