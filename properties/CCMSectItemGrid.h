// The spreadsheet of the value section page (CCMSectItemVal): one shape of a section (a
// T_SECT_SECTBASE_D the page owns) in a fixed sheet of 25 rows and 3 columns, the header
// row and column hidden:
//   row 1      "IDS_WG_CMD__ADDD__Size" across the three columns
//   rows 2-7   size title | dSize[row-2] | the current length unit; only the shape's sizes
//              are shown (CSectUtil::GetSizeCountByRegShape with material kind 2)
//   row 8      "IDS_WG_CMD__ADDD__Stiffness" across the three columns
//   row 9      a push button across the three columns, "IDS_WG_CMD__ADDD__Calculate_Stiffness"
//   rows 10-25 property name | value | unit: Area, Asy, Asz, Ixx, Iyy, Izz, Cyp, Cym, Czp,
//              Czm, Qyb, Qzb (Stiff, through CSectUtil::MakeMapStiffVar), PeriOut, PeriIn,
//              Cent_Y, Cent_Z (Design); names "IDS_WG_CMD__ADDD__" + name
// Columns 1 and 3 are read-only labels on the button-face colour; column 2 holds the
// values. Only sheet kind 3 builds the sheet.
//
// Units: values are shown in the current units their unit column names ("%.13g" of the
// converted value) and read back in them; a cell whose text is still the one the grid wrote
// gives back the stored value exactly. Shown formats: a size of at least 0.0001, or 0, in
// fixed point with 2 decimals when the length index of CUnitCtrl::GetUnitIndexCurrent is
// 0 (mm), 4 when it is 2 (m), 3 otherwise; other sizes (negatives included) in exponent
// form with 2 decimals; Ixx, Iyy and Izz in exponent form with 4 decimals. The thresholds
// apply to the number shown.
//
// A cell text is a number: blanks trimmed, empty reads 0; a text starting with "=" is a
// formula (every "E" read as "e"); the rest must be a decimal number as a whole. Failures
// set the grid's warning text: "IDS_CMD0417__Formula_is_invalid_" (a formula that cannot
// be parsed or evaluated), "IDS_CMD0417__Character_exist_in_the_number_",
// "IDS_CMD0417__Out_of_value_range_".
//
// Hooks: a cell left with a text that is no number is refused (its warning shown, the edit
// kept); a changed cell that holds a formula keeps the number it evaluates to; a changed
// size goes into the shape at once, the shape's properties are recomputed in memory (the
// value cells keep what they show) and the preview repaints; the button recomputes and
// shows every value; a paste reads the whole sheet into the shape (GridToData).
// Keys: Tab and Shift+Tab move to the next (previous) editable cell, and leave the grid for
// the page's next (previous) control after the last (first) one; Return, Right and Down
// move to the next editable cell, Left and Up to the previous one (Down and Up are
// consumed). A cell being edited is left first, and a refused text keeps the user there.
//
// Recompute: a regular section (iType 1) of the shape's code holding a copy of the shape is
// computed by the steel-section database (CSectDB::CalcSectData); on success PeriIn,
// PeriOut, Design.Cent_Y, Design.Cent_Z and the whole Stiff go back into the shape. A
// failure changes nothing and says nothing.
#pragma once
#include "afx/CString.h"
#include "db/SectRecord.h"
#include "grid/CGXGridWnd.h"

class CCMSecViewWnd;
class CUnitCtrl;

class CCMSectItemGrid : public CGXGridWnd {
  DECLARE_DYNAMIC(CCMSectItemGrid)

 public:
  CCMSectItemGrid();
  ~CCMSectItemGrid() override;

  enum : ROWCOL {
    ROW_SIZE_TITLE = 1, ROW_SIZE_FIRST = 2, ROW_SIZE_LAST = 7, ROW_STIFF_TITLE = 8, ROW_CALC = 9,
    ROW_VALUE_FIRST = 10, ROW_VALUE_LAST = 25, ROW_COUNT = 25,
    COL_NAME = 1, COL_VALUE = 2, COL_UNIT = 3, COL_COUNT = 3
  };
  enum { SIZE_ROWS = 6, VALUE_ROWS = 16, SHEET_VALUE = 3 };

  // Keeps the preview to repaint (may be NULL) and prepares the grid window: header row and
  // column hidden, font size 10, undo, row and column moving, column-width tracking and the
  // grid's own formula evaluation off.
  void InitGrid(CCMSecViewWnd* pView);
  // Binds the shape (owned by the caller, which keeps it alive as long as the grid) and, for
  // kind 3, builds the sheet; then the first editable cell after row 1, column 1 becomes
  // current.
  void SetData(T_SECT_SECTBASE_D* pBase, int nKind);
  // Shows the size rows and titles of the shape (numbering of CSectUtil's regular shapes).
  void SetShapeIndex(int nIndex);
  int GetShapeIndex() const { return m_nShapeIndex; }
  // Bound shape -> cells.
  void DataToGrid();
  // Cells -> bound shape (the shown sizes and the sixteen values), all or nothing: a cell
  // that holds no number shows its warning, becomes current and nothing is written (0).
  int GridToData();
  // Recomputes the bound shape's properties from its sizes (see above); 0 on failure.
  int Recompute();

  // A cell text as a number (see above); 0 with the warning text set when it is none.
  BOOL TextToNumber(CString text, double& dValue);
  // The text a cell holds for reading: the editor's text while the cell is being edited.
  CString CellText(ROWCOL nRow, ROWCOL nCol);

  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;

 protected:
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;
  void OnModifyCell(ROWCOL nRow, ROWCOL nCol) override;
  void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnPasteFromClipboard(const CGXRange& range) override;

 private:
  int SizeCount() const;
  BOOL IsNumberCell(ROWCOL nRow, ROWCOL nCol) const;
  // The shape's value of a row (a size or one of the sixteen) and its unit kind.
  double* ValueOf(ROWCOL nRow);
  int UnitKindOf(ROWCOL nRow) const;
  CUnitCtrl* Units() const;
  // Writes a stored value into its cell in current units and remembers what was written.
  void ShowValue(ROWCOL nRow);
  // The cell's value in internal units; FALSE (warning set) when it holds no number.
  BOOL ReadValue(ROWCOL nRow, double& dValue);
  void SetSizeFormat(ROWCOL nRow);
  BOOL ConvertFormula(CString& text);
  // The next (previous) editable cell after (before) a cell, left to right and row by row.
  BOOL FindEditableCell(BOOL bNext, ROWCOL nFromRow, ROWCOL nFromCol, ROWCOL& nRow, ROWCOL& nCol);
  BOOL IsStopCell(ROWCOL nRow, ROWCOL nCol);
  // Ends an edit before the current cell moves; FALSE when the text is refused.
  BOOL LeaveEdit();
  void Repaint();

  int m_bInitialized;
  CCMSecViewWnd* m_pView;
  T_SECT_SECTBASE_D* m_pBase;
  int m_nKind;
  int m_nShapeIndex;
  // What the grid last wrote into each value cell, and the stored value it came from.
  CString m_strShown[ROW_COUNT + 1];
  double m_dShown[ROW_COUNT + 1];
};
