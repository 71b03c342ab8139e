// CCMGXGridWnd with cells coloured by their state and the number checks other modules
// use on cell texts.
//
// Colours (GetStyleRowCol; entries of CTBGrid::m_Color; header cells keep theirs):
//   read-only and current: interior 4, text 3      read-only: interior 2, text 1
//   editable in a selected row or column: interior 18, text 1, control GX_IDS_CTRL_SELECTED_EDIT
//   editable in the current row: interior 16, text 11      other editable: interior 16, text 15
// A cell is read-only by its own setting when it has one; otherwise unless its row's or
// its column's style sets read-only off. While the parameter object's draw-order state is
// set, only cells of a selected column change: they get GX_IDS_CTRL_SELECTED_EDIT.
//
// Number checks (uiutil/TBNumberCheck.h gives the codes and the steps; the formula step
// is ConvertFormulaToValue below). The caller's text is never changed.
//   ConvertFormulaToValue: a text that starts with "=" (and the grid does not evaluate
//     formulas itself) is evaluated with every "E" read as "e"; its value ("%.15g")
//     replaces it. A parse failure sets the warning text of
//     "IDS_CMD_ERROR_INVALID_FORMULA", an evaluation failure that of
//     "IDS_CMD_ERROR_CANT_CALC_FORMULA"; both answer 0.
//   IsValidLongNumber refuses exactly the values outside the 32-bit range.
//   InvalidLongNumber / InvalidDoubleNumber show the code's message; ValidateError a text.
#pragma once
#include "common/CCMGXGridWnd.h"

class CCMGXGridWnd2 : public CCMGXGridWnd {
  DECLARE_DYNAMIC(CCMGXGridWnd2)

 public:
  CCMGXGridWnd2() = default;

  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy, int nType = 0) override;

  int IsValidLongNumber(CString text, int& code);
  int IsValidDoubleNumber(CString text, int& code);
  int ConvertFormulaToValue(CString& text);
  int IsNumeric(CString text, int& code);
  int ValidateError(const char* text);
  int InvalidLongNumber(int code);
  int InvalidDoubleNumber(int code);
};
