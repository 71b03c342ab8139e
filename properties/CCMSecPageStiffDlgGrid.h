// The grid of the section property table (CCMStiffDlg): display-only cells; keys move
// between cells that take input (none in the table as the dialog sets it up) before the
// grid's own key processing.
//   Tab (key-down)          the focus goes to the dialog's OK button (14467)
//   Enter, Right (key-down) the next cell that takes input, to the right, then row by row
//                           from column 1
//   Left (key-down)         the previous such cell, to the left, then row by row from the
//                           last column
//   Space (character)       an edit cell that is not read-only starts editing
// Only while the grid has a current cell; when no cell qualifies the key goes on to the
// grid's own processing.
#pragma once
#include "grid/CGXGridWnd.h"

class CCMSecPageStiffDlgGrid : public CGXGridWnd {
 public:
  CCMSecPageStiffDlgGrid() = default;
  ~CCMSecPageStiffDlgGrid() override;

  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;

  // The next (bForward) or previous cell after (nRow, nCol) that takes input; FALSE when
  // there is none.
  BOOL FindInputCell(ROWCOL nRow, ROWCOL nCol, BOOL bForward, ROWCOL& nFoundRow, ROWCOL& nFoundCol);

 private:
  BOOL TakesInput(ROWCOL nRow, ROWCOL nCol);
};
