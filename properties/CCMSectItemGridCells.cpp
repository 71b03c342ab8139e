// CCMSectItemGrid: cell texts as numbers, the grid's hooks and its keys.
#include <cstdlib>

#include "afx/AfxWinDefs.h"
#include "grid/GXFormula.h"
#include "grid/GXKeyState.h"
#include "properties/CCMSectItemGrid.h"
#include "ui/CMsgDll.h"
#include "uiutil/TBNumberCheck.h"

namespace {

CString Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

// Warning texts by failure code (TBNumberCheck.h): 1 formula, 2 characters, 3 range.
const char* const kFailure[] = {nullptr, "IDS_CMD0417__Formula_is_invalid_",
                                "IDS_CMD0417__Character_exist_in_the_number_", "IDS_CMD0417__Out_of_value_range_"};

}  // namespace

// ---- cell texts -------------------------------------------------------------------------

CString CCMSectItemGrid::CellText(ROWCOL r, ROWCOL c) {
  if (IsEditing() && IsCurrentCell(r, c)) return GetEditText();
  return GetExpressionRowCol(r, c);
}

BOOL CCMSectItemGrid::ConvertFormula(CString& text) {
  if (GetParam()->IsEnableFormulaEngine() || text.IsEmpty() || text[0] != '=') return TRUE;
  CString f = text;
  f.Replace('E', 'e');
  CGXFormula formula;
  if (!formula.Parse((LPCTSTR)f)) {
    SetWarningText(Text("IDS_CMD0417__Error___Invalid_formula_"));
    return FALSE;
  }
  double v = 0.0;
  if (!formula.Evaluate(v)) {
    SetWarningText(Text("IDS_CMD0417__Error___Can_t_evaluate_formula_"));
    return FALSE;
  }
  text.Format("%.15g", v);
  return TRUE;
}

BOOL CCMSectItemGrid::TextToNumber(CString text, double& dValue) {
  text.Trim();
  if (text.IsEmpty()) {
    dValue = 0.0;
    return TRUE;
  }
  int code = 1;
  if (ConvertFormula(text) && TBCheckDouble(text, code, TBFormulaConverter())) {
    dValue = std::strtod(text.c_str(), nullptr);
    return TRUE;
  }
  SetWarningText(Text(kFailure[code >= 1 && code <= 3 ? code : 2]));
  return FALSE;
}

// ---- hooks ------------------------------------------------------------------------------

BOOL CCMSectItemGrid::OnValidateCell(ROWCOL r, ROWCOL c) {
  if (!CGXGridWnd::OnValidateCell(r, c)) return FALSE;
  if (!IsNumberCell(r, c)) return TRUE;
  double v = 0.0;
  return TextToNumber(CellText(r, c), v);
}

BOOL CCMSectItemGrid::OnEndEditing(ROWCOL r, ROWCOL c) {
  const BOOL result = CGXGridWnd::OnEndEditing(r, c);
  const CString stored = GetExpressionRowCol(r, c);
  if (!IsNumberCell(r, c) || stored == GetTextBeforeEdit()) return result;
  // A formula keeps the number it evaluates to.
  CString text = stored;
  text.Trim();
  if (ConvertFormula(text) && text != stored) SetValueRange(CGXRange(r, c), (LPCTSTR)text);
  SetWarningText("");
  return result;
}

void CCMSectItemGrid::OnModifyCell(ROWCOL r, ROWCOL c) {
  CGXGridWnd::OnModifyCell(r, c);
  if (!IsNumberCell(r, c) || r > ROW_SIZE_LAST) return;
  double v = 0.0;
  if (!ReadValue(r, v)) {
    v = 0.0;
    SetWarningText("");
  }
  *ValueOf(r) = v;
  SetSizeFormat(r);
  Recompute();
  Repaint();
}

void CCMSectItemGrid::OnClickedButtonRowCol(ROWCOL r, ROWCOL c) {
  CGXGridWnd::OnClickedButtonRowCol(r, c);
  if (m_nKind != SHEET_VALUE || r != ROW_CALC || !LeaveEdit()) return;
  // A recompute that fails changes nothing, in the shape or in the cells.
  if (!Recompute()) return;
  DataToGrid();
  Repaint();
}

BOOL CCMSectItemGrid::OnPasteFromClipboard(const CGXRange& range) {
  const BOOL result = CGXGridWnd::OnPasteFromClipboard(range);
  if (result) {
    GridToData();
    Repaint();
  }
  return result;
}

// ---- keys -------------------------------------------------------------------------------

BOOL CCMSectItemGrid::IsStopCell(ROWCOL r, ROWCOL c) {
  if (IsRowHidden(r) || IsColHidden(c)) return FALSE;
  CGXRange block;
  if (GetCoveredCellsRowCol(r, c, block) && (block.top != r || block.left != c)) return FALSE;
  CGXStyle style;
  ComposeStyleRowCol(r, c, style);
  return style.GetEnabled() && !style.GetReadOnly() && style.GetControl() != GX_IDS_CTRL_STATIC &&
         style.GetControl() != GX_IDS_CTRL_PUSHBTN;
}

BOOL CCMSectItemGrid::FindEditableCell(BOOL bNext, ROWCOL fromRow, ROWCOL fromCol, ROWCOL& nRow, ROWCOL& nCol) {
  const ROWCOL rows = GetRowCount(), cols = GetColCount();
  if (rows == 0 || cols == 0 || fromRow < 1 || fromCol < 1 || fromRow > rows || fromCol > cols) return FALSE;
  long long at = (long long)(fromRow - 1) * cols + (fromCol - 1);
  const long long last = (long long)rows * cols - 1;
  for (at += bNext ? 1 : -1; at >= 0 && at <= last; at += bNext ? 1 : -1) {
    const ROWCOL r = (ROWCOL)(at / cols) + 1, c = (ROWCOL)(at % cols) + 1;
    if (IsStopCell(r, c)) {
      nRow = r;
      nCol = c;
      return TRUE;
    }
  }
  return FALSE;
}

BOOL CCMSectItemGrid::LeaveEdit() { return !IsEditing() || EndEditing(); }

BOOL CCMSectItemGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  ROWCOL row = 0, col = 0;
  if (nMessage != WM_KEYDOWN || !GetCurrentCell(row, col))
    return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
  ROWCOL r = 0, c = 0;
  switch (nChar) {
    case VK_TAB: {
      if (!LeaveEdit()) return TRUE;
      // Within the grid the key is taken here; after the last cell the library's handling
      // takes the focus to the page's next control.
      if (FindEditableCell(!GXIsKeyDown(VK_SHIFT), row, col, r, c)) {
        SetCurrentCell(r, c);
        return TRUE;
      }
      break;
    }
    case VK_RETURN:
    case VK_RIGHT:
    case VK_DOWN:
      if (row < GetRowCount()) {
        if (!LeaveEdit()) return TRUE;
        if (FindEditableCell(TRUE, row, col, r, c)) SetCurrentCell(r, c);
      }
      if (nChar == VK_DOWN) {
        CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
        return TRUE;
      }
      break;
    case VK_LEFT:
    case VK_UP:
      if (row > 1) {
        if (!LeaveEdit()) return TRUE;
        if (FindEditableCell(FALSE, row, col, r, c)) SetCurrentCell(r, c);
      }
      if (nChar == VK_UP) {
        CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
        return TRUE;
      }
      break;
    default:
      break;
  }
  return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}
