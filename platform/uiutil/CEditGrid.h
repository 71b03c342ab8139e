// The simpler editable grid: a plain table of texts with a header row, no records behind
// it. The owner sets the size and the column titles, the user edits cells and pastes (the
// grid library's behaviour); the owner reads the texts back. A column may be marked
// numeric: a cell typed there must hold a real number or a formula (a formula is stored
// as its value); any other text is refused with the warning text of
// "IDS_UIUTIL_EDITGRID_NUMBER" shown in a message box, the cell staying in editing.
#pragma once
#include <vector>
#include "uiutil/CTBGrid.h"

class CEditGrid : public CTBGrid {
  DECLARE_DYNAMIC(CEditGrid)

 public:
  CEditGrid() = default;

  // Sets the body size and the titles (one per column; the column count is their number).
  void SetTable(ROWCOL nRows, const CStringArray& titles);
  void SetColNumeric(ROWCOL nCol, BOOL bNumeric);
  BOOL IsColNumeric(ROWCOL nCol) const;
  CString GetCellText(ROWCOL nRow, ROWCOL nCol) { return GetValueRowCol(nRow, nCol); }
  BOOL SetCellText(ROWCOL nRow, ROWCOL nCol, LPCTSTR text) { return SetValueRange(CGXRange(nRow, nCol), text); }
  // The cell as a real; non-zero when it holds one.
  BOOL GetCellDouble(ROWCOL nRow, ROWCOL nCol, double& value);

 protected:
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;

 private:
  std::vector<BOOL> m_numeric;
};
