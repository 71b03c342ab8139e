// A spreadsheet window other modules use for plain tables (outside the record grids). It
// takes the shared grid look (Initialize), copies only the visible rows and columns,
// refuses a paste that does not fit, and ignores the bare Insert and Delete keys.
//
// Paste (OnPasteFromClipboard): the clipboard is measured by pasting it into a hidden
// 1 x 1 pixel grid of 0 rows and 1 column. A target block of more than one cell must have
// the clipboard's height and width ("IDS_CMD_PASTE_RANGE_MISMATCH"), unless the clipboard
// is one row exactly as wide as the block (it repeats down the block). A single-cell
// target counts from the current cell: the data must end within the columns
// ("IDS_CMD_PASTE_EXCEED_COLUMN"), then within the rows ("IDS_CMD_PASTE_EXCEED_ROW"); the
// grid never grows. A refusal shows its text in a message box and answers 0.
#pragma once
#include "grid/CGXGridWnd.h"

class CCMGXGridWnd : public CGXGridWnd {
  DECLARE_DYNAMIC(CCMGXGridWnd)

 public:
  CCMGXGridWnd() = default;

  // The grid's setup; undo, column moving and column-width tracking off; colour 4 (the
  // current-cell frame) the shared colour 19; both header base styles changed by an empty
  // style; the standard style's interior the shared colour 2.
  void Initialize() override;

  // Hidden selected columns, then hidden selected rows, leave the selection; then the
  // library's copy.
  BOOL Copy() override;
  BOOL OnPasteFromClipboard(const CGXRange& range) override;
  // Insert or Delete without Ctrl and Shift: handled, nothing done.
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;
};
