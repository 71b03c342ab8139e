// The spreadsheet grid window under every grid of the module (headless stand-in).
//
// Model: a cell store of (row count + 1) x (column count + 1) cells, row 0 and column 0
// being the headers. A cell holds a text (its value) with a numeric flag and, when set,
// a style of its own; rows and columns have styles, widths or heights and a hidden flag.
// A cell's look is ComposeStyleRowCol: the standard style, the header base style (header
// cells), the column's, the row's, then GetStyleRowCol (the cell's own; a derived grid
// may change it there).
//
// The user (IAfxCellTarget, used by CUserDriver and cmdhost):
//   UserEditCell: refused (0) for a header, hidden, covered (not its top-left), disabled,
//     read-only, static-text or push-button cell, for a drop-down list cell given a text that is not a choice, and a
//     check-box cell given anything but "0" or "1". Otherwise: SetCurrentCell, StartEditing
//     (OnStartEditing may refuse), the text as typed, EndEditing: OnValidateCell; when it
//     fails the warning text is shown (DisplayWarningText) and the cell stays in editing
//     with the typed text; when it holds, the text is stored, OnEndEditing, then
//     OnModifyCell. Returns 1 once the edit was made, whatever the validation said.
//   UserPaste: the text goes to the clipboard, the cell becomes current and the only
//     selection is cleared, then Paste (OnPasteFromClipboard of the cell's range).
//   UserSelectRows: whole rows selected, the first one current, OnChangedSelection.
//   UserDragRows: rows nFrom..nTo dropped on row nDest: MoveRows (a derived grid refuses
//     by answering 0 without calling the base). Refused (0) while the parameter object's
//     row moving is off or for rows out of range.
//   UserClickCell: a left click at the centre of a visible, enabled cell (WM_LBUTTONDOWN,
//     WM_LBUTTONUP); a push-button cell (GX_IDS_CTRL_PUSHBTN) pressed and released in the
//     same cell - a covered cell counts as the top-left cell of its block - then reaches
//     OnClickedButtonRowCol. Refused (0) for a hidden, disabled or missing cell.
//   Keys (WM_KEYDOWN) go to ProcessKeys: Ctrl+C / Ctrl+Insert copy, Ctrl+V / Shift+Insert
//     paste, Delete clears the selected editable cells (OnClearCells), Escape cancels the
//     edit (CancelEditing), Tab (Shift+Tab) leaves the grid: the focus goes to the parent's
//     next (previous) control (GetNextDlgTabItem). A grid that moves between its own cells
//     on Tab handles the key before the base.
// Hooks, in the order they run: OnStartEditing when an edit starts; when the cell is left
// (EndEditing) OnValidateCell, and once it holds the text is stored, then OnEndEditing,
// then OnModifyCell; a paste runs OnPasteFromClipboard, which stores each cell and calls
// OnModifyCell for it; a button cell's click OnClickedButtonRowCol.
// Number formats (GXStyle.h): a cell's composed style may format what it shows
// (GetFormattedText, UserGetCellText, UserDescribeCells); GetValueRowCol and
// GetExpressionRowCol give the text written.
// Formulas: with the parameter object's formula engine on, a cell whose text starts with
// "=" shows its value ("%.15g") or "#ERROR" (GetValueRowCol); the stored text stays the
// formula (GetExpressionRowCol). Off (the default) a formula is plain text.
// Drawing: LockUpdate stops Redraw from drawing; GetRedrawCount counts the redraws done.
// Warning text: SetWarningText keeps a text; DisplayWarningText shows it in a message box
// (AfxMessageBox, MB_ICONEXCLAMATION) and clears it.
// The grid never throws; out-of-range rows and columns read as empty and are not written.
#pragma once
#include <memory>
#include <vector>
#include "afx/CArray.h"
#include "afx/CWnd.h"
#include "afx/IAfxCellTarget.h"
#include "grid/CGXGridParam.h"
#include "grid/GXRange.h"
#include "grid/GXStyle.h"

class CGXGridWnd : public CWnd, public IAfxCellTarget {
  DECLARE_DYNAMIC(CGXGridWnd)

 public:
  CGXGridWnd();
  ~CGXGridWnd() override;

  // Sets the grid up (1 x 1 body, default widths); called once by the owner, again
  // changes nothing.
  virtual void Initialize();
  BOOL IsInitialized() const { return m_bInitialized; }
  CGXGridParam* GetParam() { return &m_param; }
  CGXProperties* GetProperties() { return &m_props; }

  // ---- size -----------------------------------------------------------------------------
  BOOL SetRowCount(ROWCOL nRows, UINT flags = GX_UPDATENOW);
  BOOL SetColCount(ROWCOL nCols, UINT flags = GX_UPDATENOW);
  ROWCOL GetRowCount() const { return (ROWCOL)m_rows.size() - 1; }
  ROWCOL GetColCount() const { return (ROWCOL)m_cols.size() - 1; }
  // nCount empty rows before row nRow (1..GetRowCount()+1).
  BOOL InsertRows(ROWCOL nRow, ROWCOL nCount, UINT flags = GX_UPDATENOW);
  BOOL RemoveRows(ROWCOL nFromRow, ROWCOL nToRow, UINT flags = GX_UPDATENOW);
  // Many rows in one pass (a transaction's rows): RemoveRowSet removes the rows listed
  // (ascending, distinct, existing); InsertRowSet inserts empty rows so that they end up
  // at the numbers listed (ascending, distinct, at most the new row count), the other
  // rows keeping their order. Either way the current cell follows its row; nothing is
  // done (0) for a list that breaks these rules.
  BOOL RemoveRowSet(const std::vector<ROWCOL>& rows, UINT flags = GX_UPDATENOW);
  BOOL InsertRowSet(const std::vector<ROWCOL>& rows, UINT flags = GX_UPDATENOW);
  BOOL InsertCols(ROWCOL nCol, ROWCOL nCount, UINT flags = GX_UPDATENOW);
  BOOL RemoveCols(ROWCOL nFromCol, ROWCOL nToCol, UINT flags = GX_UPDATENOW);
  // Rows nFromRow..nToRow dropped on row nDestRow: they end up before the row that was
  // nDestRow (nDestRow = GetRowCount() + 1: at the end). A destination inside the block or
  // right after it changes nothing. Derived grids override it to refuse or to do the move
  // their own way; the base moves and answers 1.
  virtual BOOL MoveRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow, UINT flags = GX_UPDATENOW);

  // ---- values and styles ----------------------------------------------------------------
  BOOL SetValueRange(const CGXRange& range, LPCTSTR text, UINT flags = GX_UPDATENOW);
  BOOL SetValueRange(const CGXRange& range, double value, UINT flags = GX_UPDATENOW);
  // The text a cell shows (a formula's value with the formula engine on).
  virtual CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol);
  // The text stored in a cell.
  CString GetExpressionRowCol(ROWCOL nRow, ROWCOL nCol) const;
  // What the cell shows: GetValueRowCol in the number format of its composed style.
  CString GetFormattedText(ROWCOL nRow, ROWCOL nCol);
  BOOL IsNumericRowCol(ROWCOL nRow, ROWCOL nCol) const;
  BOOL SetNumericRowCol(ROWCOL nRow, ROWCOL nCol, BOOL bNumeric);
  // Applies style to the cells, rows, columns or table of range. A style holding a value
  // sets the cells' texts too (whole rows or columns: their style's default value).
  BOOL SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt = gxOverride,
                     UINT flags = GX_UPDATENOW);
  // A cell's own stored style (with its value); nType is unused by the base.
  virtual BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy,
                              int nType = 0);
  // The full look of a cell (see the top of this file).
  void ComposeStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style);
  CGXStyle& StandardStyle() { return m_standard; }
  CGXStyle& RowHeaderStyle() { return m_rowHeader; }
  CGXStyle& ColHeaderStyle() { return m_colHeader; }
  void ChangeStandardStyle(const CGXStyle& s, GXModifyType mt = gxOverride) { m_standard.ChangeStyle(s, mt); }
  void ChangeRowHeaderStyle(const CGXStyle& s, GXModifyType mt = gxOverride) { m_rowHeader.ChangeStyle(s, mt); }
  void ChangeColHeaderStyle(const CGXStyle& s, GXModifyType mt = gxOverride) { m_colHeader.ChangeStyle(s, mt); }
  // The style of a whole row or column (empty when none was set).
  CGXStyle GetRowStyle(ROWCOL nRow) const;
  CGXStyle GetColStyle(ROWCOL nCol) const;
  // Composed: enabled and not read-only.
  BOOL IsCellEditable(ROWCOL nRow, ROWCOL nCol);

  // ---- layout -------------------------------------------------------------------------
  BOOL HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE);
  BOOL HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide = TRUE);
  BOOL IsRowHidden(ROWCOL nRow) const;
  BOOL IsColHidden(ROWCOL nCol) const;
  BOOL SetColWidth(ROWCOL nFrom, ROWCOL nTo, int nWidth);
  int GetColWidth(ROWCOL nCol) const;
  BOOL SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int nHeight);
  int GetRowHeight(ROWCOL nRow) const;
  void SetDefaultColWidth(int n) { m_nDefaultColWidth = n; }
  void SetDefaultRowHeight(int n) { m_nDefaultRowHeight = n; }
  // Cells covered by the top-left cell of the range (one cell shown over the block).
  BOOL SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight);
  // The covering range of a cell, when it lies in one.
  BOOL GetCoveredCellsRowCol(ROWCOL nRow, ROWCOL nCol, CGXRange& range) const;
  BOOL SetFrozenRows(ROWCOL nFrozenRows, ROWCOL nHeaderRows = 0);
  ROWCOL GetFrozenRows() const { return m_nFrozenRows; }

  // ---- current cell and editing --------------------------------------------------------
  BOOL SetCurrentCell(ROWCOL nRow, ROWCOL nCol);
  BOOL GetCurrentCell(ROWCOL& nRow, ROWCOL& nCol) const;
  BOOL IsCurrentCell(ROWCOL nRow, ROWCOL nCol) const;
  void ResetCurrentCell();
  // Starts editing the current cell (OnStartEditing may refuse).
  BOOL StartEditing();
  BOOL IsEditing() const { return m_bEditing; }
  // The edit's text (the cell's text until something is typed).
  const CString& GetEditText() const { return m_strEditText; }
  void SetEditText(LPCTSTR text);
  // The cell's text when the edit started.
  const CString& GetTextBeforeEdit() const { return m_strBeforeEdit; }
  // Validates and stores the edit (see the top of this file); non-zero when stored.
  BOOL EndEditing();
  // Drops the edit; the cell keeps its old text.
  void CancelEditing();

  // ---- selection ------------------------------------------------------------------------
  void SelectRange(const CGXRange& range, BOOL bSelect = TRUE);
  void ClearSelection();
  const CGXRangeList& GetSelectionList() const { return m_selection; }
  // Whole rows (columns) in the selection, ascending.
  void GetSelectedRows(CUIntArray& rows) const;
  void GetSelectedCols(CUIntArray& cols) const;
  BOOL IsRowSelected(ROWCOL nRow) const;
  BOOL IsColSelected(ROWCOL nCol) const;
  BOOL IsCellSelected(ROWCOL nRow, ROWCOL nCol) const;

  // ---- clipboard ------------------------------------------------------------------------
  // Copies the selected cells (else the current cell) as tab- and line-separated text.
  virtual BOOL Copy();
  // Pastes the clipboard at the selection's bounding block (else the current cell).
  BOOL Paste();
  // The library's paste: data larger than a single-cell target grows the grid; a block
  // target takes a single clipboard row repeated over its rows; read-only cells keep
  // their text. Non-zero when something was pasted.
  virtual BOOL OnPasteFromClipboard(const CGXRange& range);
  BOOL PasteTextAt(const CString& text, const CGXRange& range);

  // ---- drawing and warnings --------------------------------------------------------------
  BOOL LockUpdate(BOOL bLock = TRUE);
  BOOL IsLockUpdate() const { return m_bLock; }
  void Redraw(UINT flags = GX_UPDATENOW);
  int GetRedrawCount() const { return m_nRedraws; }
  void SetWarningText(LPCTSTR text) { m_strWarning = text ? text : ""; }
  const CString& GetWarningText() const { return m_strWarning; }
  virtual void DisplayWarningText();

  // ---- keys ---------------------------------------------------------------------------
  // Non-zero when the key was handled.
  virtual BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0);

  // ---- the user -------------------------------------------------------------------------
  int UserEditCell(int row, int col, const char* text) override;
  int UserPaste(int row, int col, const char* text) override;
  int UserSelectRows(const std::vector<int>& rows) override;
  int UserFindColumn(const char* header) override;
  CString UserGetCellText(int row, int col) override;
  // Rows and columns that are not hidden, the row-header column left out.
  std::vector<CString> UserDescribeCells() override;
  std::vector<CString> UserDescribeColumns() override;
  int UserDragRows(ROWCOL nFromRow, ROWCOL nToRow, ROWCOL nDestRow);
  // A left click on a cell (a visible one, headers included): WM_LBUTTONDOWN then
  // WM_LBUTTONUP at the centre of its rectangle. 0 for a hidden, disabled or missing cell.
  int UserClickCell(int row, int col) override;

  // ---- geometry (client pixels; hidden rows and columns take no room, no scrolling) ----
  // The rectangle of a cell; 0 for a hidden or missing cell.
  BOOL CalcRectFromRowCol(ROWCOL nRow, ROWCOL nCol, CRect& rect) const;
  // The cell under a point; 0 when the point lies outside every cell.
  BOOL HitTest(CPoint point, ROWCOL& nRow, ROWCOL& nCol) const;

 protected:
  // Notifications for derived grids.
  virtual BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol);
  virtual BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol);
  virtual void OnModifyCell(ROWCOL nRow, ROWCOL nCol);
  virtual void OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey);
  // A push-button cell was clicked (the top-left cell of its block).
  virtual void OnClickedButtonRowCol(ROWCOL nRow, ROWCOL nCol);
  // Delete key: clears the editable cells of the selection (else the current cell).
  virtual BOOL OnClearCells();
  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  struct Cell {
    CString value;
    BOOL numeric = FALSE;
    std::unique_ptr<CGXStyle> style;
  };
  struct Line {  // a row, or the layout of a column (cells unused)
    std::vector<Cell> cells;
    std::unique_ptr<CGXStyle> style;
    int size = -1;  // height or width; -1: the default
    BOOL hidden = FALSE;
  };
  Cell* CellAt(ROWCOL nRow, ROWCOL nCol);
  const Cell* CellAt(ROWCOL nRow, ROWCOL nCol) const;
  void StoreText(ROWCOL nRow, ROWCOL nCol, const CString& text);
  BOOL IsCoveredNotTopLeft(ROWCOL nRow, ROWCOL nCol) const;
  // The button cell under a client point (the top-left cell of its block), if any.
  BOOL ButtonAt(LPARAM lPoint, ROWCOL& nRow, ROWCOL& nCol);
  void MoveCurrentAfterRemove(ROWCOL nFrom, ROWCOL nTo);

  BOOL m_bInitialized = FALSE;
  CGXGridParam m_param;
  CGXProperties m_props;
  std::vector<Line> m_rows;  // index 0 the header row
  std::vector<Line> m_cols;  // index 0 the header column
  CGXStyle m_standard, m_rowHeader, m_colHeader;
  int m_nDefaultColWidth = 64;
  int m_nDefaultRowHeight = 20;
  CGXRangeList m_covered;
  ROWCOL m_nFrozenRows = 0;
  ROWCOL m_nCurRow = 0, m_nCurCol = 0;
  BOOL m_bHasCurrent = FALSE;
  BOOL m_bEditing = FALSE;
  CString m_strEditText, m_strBeforeEdit;
  CGXRangeList m_selection;
  BOOL m_bLock = FALSE;
  int m_nRedraws = 0;
  CString m_strWarning;
  BOOL m_bButtonDown = FALSE;  // a button cell is pressed
  ROWCOL m_nButtonRow = 0, m_nButtonCol = 0;
};
