#include "properties/CCMSecPageStiffDlgGrid.h"

#include "res/resource.h"

CCMSecPageStiffDlgGrid::~CCMSecPageStiffDlgGrid() = default;

BOOL CCMSecPageStiffDlgGrid::TakesInput(ROWCOL nRow, ROWCOL nCol) {
  if (IsRowHidden(nRow) || IsColHidden(nCol)) return FALSE;
  CGXStyle style;
  ComposeStyleRowCol(nRow, nCol, style);
  return style.GetEnabled() && !style.GetReadOnly() && style.GetControl() != GX_IDS_CTRL_STATIC;
}

BOOL CCMSecPageStiffDlgGrid::FindInputCell(ROWCOL nRow, ROWCOL nCol, BOOL bForward, ROWCOL& nFoundRow,
                                           ROWCOL& nFoundCol) {
  const ROWCOL rows = GetRowCount(), cols = GetColCount();
  if (rows < 1 || cols < 1) return FALSE;
  ROWCOL r = nRow, c = nCol;
  // At most one pass over every body cell.
  for (ROWCOL n = 0; n < rows * cols; ++n) {
    if (bForward) {
      if (++c > cols) {
        c = 1;
        if (++r > rows) return FALSE;
      }
    } else {
      if (c <= 1) {
        c = cols;
        if (r <= 1) return FALSE;
        --r;
      } else {
        --c;
      }
    }
    if (TakesInput(r, c)) {
      nFoundRow = r;
      nFoundCol = c;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CCMSecPageStiffDlgGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  ROWCOL row = 0, col = 0;
  if (GetCurrentCell(row, col)) {
    if (nMessage == WM_KEYDOWN && nChar == VK_TAB) {
      CWnd* parent = GetParent();
      if (CWnd* ok = parent ? parent->GetDlgItem(IDC_SECT_STIFF_OK) : nullptr) {
        ok->SetFocus();
        return TRUE;
      }
    }
    if (nMessage == WM_KEYDOWN && (nChar == VK_RETURN || nChar == VK_RIGHT || nChar == VK_LEFT)) {
      ROWCOL r = 0, c = 0;
      if (FindInputCell(row, col, nChar != VK_LEFT, r, c)) {
        SetCurrentCell(r, c);
        return TRUE;
      }
    }
    if (nMessage == WM_CHAR && nChar == VK_SPACE) {
      CGXStyle style;
      ComposeStyleRowCol(row, col, style);
      if (style.GetControl() == GX_IDS_CTRL_EDIT && !style.GetReadOnly() && StartEditing()) return TRUE;
    }
  }
  return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}
