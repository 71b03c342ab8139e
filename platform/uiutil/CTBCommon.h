// The record-grid base every record grid of the module derives from. A grid registers its
// columns (AddColInfo; index 0 the key column), supplies its default texts and the hooks
// below; the framework edits, pastes and deletes and calls the hooks in these orders:
//
// Editing a cell (CGXGridWnd::UserEditCell, or StartEditing/SetEditText/EndEditing):
//   1. Start: a cell of the append row while the append row is off is refused. The first
//      edit in a row keeps the row's texts (GetValueRowColBeforeEdit); starting in another
//      row first puts a row whose commit failed back as it was (a new one is removed).
//      In the append row the row becomes a new record row, a new append row follows it,
//      and OnInsertEmptyRecord(row) fills its texts (key GetNewKeyString, the others
//      GetDefaultValue) before the typed text; a 0 refuses the edit.
//   2. Validate the cell: ValidateField(text, index) for a non-empty text of a registered
//      column; 0 shows the warning text and the cell stays in editing.
//   3. Commit the row: ValidateRecord(row strings, column map); then AddRecord(row) for
//      a new record row, ModifyRecord(row) for a record row. On success the row's kept
//      texts are forgotten and a new record row is removed (the record arrives through
//      the update records, UpdateBuffer); on 0 the
//      warning text, if one was set, is shown as a message box and the row keeps what was
//      typed, its old texts still kept.
//   Row strings are the row's texts in grid-column order (string i is grid column i + 1);
//   the column map gives, for each index, the 1-based position of its text: its grid
//   column number.
//
// Pasting (CGXGridWnd::Paste, Ctrl+V, Shift+Insert, UserPaste):
//   Pasted cells go to the visible columns from the target's left column on; read-only
//   and disabled cells keep their texts; a formula becomes its value
//   (ConvertFormulaToValue; a failure shows the warning text and pastes nothing). A row
//   landing on a record row replaces that record; one landing on the append row or below
//   is new (refused as a whole when the append row is off; one row repeated down a
//   block stops before the hidden append row). For each row, in order,
//   NewRecordFromStrings(strings, map, keys, records) into the new or the replacing pair
//   of arrays (new rows start from GetNewKeyString and the default texts). If any row
//   fails, its warning text is shown and nothing is written. Else at most one
//   AddRecords(keys, records) and then at most one ModifyRecords(key texts of the
//   replaced rows as shown before editing, keys, records); the first 0 shows the warning
//   text. FreeNewRecords is called for both pairs of arrays, always.
//
// Delete key: DeleteSelectedRows (a grid may override it; the framework's body:)
//   1. Nothing when CanDeleteRowByPressingKey is 0 or a row edit is pending.
//   2. The warning text is cleared; the selected whole rows are taken.
//   3. No selected row: OnDeleteRecord(current row) unless it is the append row.
//   4. Else the append row is dropped when it is the last selected row and row 0 when it
//      is the first; OnDeleteRecords(rows) of what remains.
//   5. A 0 with a warning text set shows the warning text.
//   OnDeleteRecord / OnDeleteRecords call the hooks DeleteRecord / DeleteRecords. Rows
//   are not removed here: the table's update records do that (UpdateBuffer).
//
// Filling: MakeItemEx(keys, n, flag). With no keys and n == -2: the row count becomes
// GetRecordCount() plus the append row, FillAllRows(n, column numbers) writes the rows.
// With keys: n rows, FillRowsForKeys(n, keys, column numbers). Either way under the
// drawing lock, then AdjustAppendRowNo, ShowSelected and one Redraw. The flag is kept
// (GetLastFillFlag) and means nothing to the framework. No step walks the rows twice.
#pragma once
#include "afx/CArray.h"
#include "afx/CObject.h"
#include "uiutil/CTBBrowserWndEx.h"

class CTBCommon : public CTBBrowserWndEx {
  DECLARE_DYNAMIC(CTBCommon)

 public:
  CTBCommon() = default;

  // The framework's setup: the grid's, then one grid column per registered column, the
  // titles in the header row, no body rows but the append row (hidden when off).
  void Initialize() override;

  // Writes the titles of the first n registered columns (all with n <= 0) into the header
  // row; redraws when bRedraw.
  void SetHeaderTitle(int n, int bRedraw);

  // ---- the hooks (in this order) ----------------------------------------------------------
  virtual int AddRecords(CPtrArray& keys, CPtrArray& records) = 0;
  virtual int AddRecord(ROWCOL nRow) = 0;
  virtual int DeleteRecords(CUIntArray& rows) = 0;
  virtual int DeleteRecord(ROWCOL nRow) = 0;
  virtual int ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) = 0;
  virtual int ModifyRecord(ROWCOL nRow) = 0;
  virtual CString GetNewKeyString() = 0;
  virtual CString GetDefaultValue(int n) = 0;
  virtual CStringArray& GetDefaultValues() = 0;
  virtual int NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys,
                                   CPtrArray& records) = 0;
  virtual int FreeNewRecords(CPtrArray& keys, CPtrArray& records) = 0;
  virtual int ValidateField(LPCTSTR text, int index) = 0;
  virtual int ValidateRecord(CStringArray& strings, CUIntArray& map) = 0;
  virtual int GetRecordCount() = 0;
  virtual void FillRowsForKeys(int n, const UINT* keys, CUIntArray& colNos) = 0;
  virtual void FillAllRows(int n, CUIntArray& colNos) = 0;
  virtual void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) = 0;
  // The framework's bodies: nothing to replay, no unit-bound column.
  virtual void UpdateBuffer(CObject* pHint);
  virtual void UnitChanged();

  // ---- framework operations ------------------------------------------------------------
  void MakeItemEx(const UINT* keys, int n, int flag);
  int GetLastFillFlag() const { return m_nFillFlag; }
  // Fills a new row's texts: the key text and the default texts into its empty cells.
  virtual int OnInsertEmptyRecord(ROWCOL nRow);
  virtual int OnDeleteRecord(ROWCOL nRow);
  virtual int OnDeleteRecords(CUIntArray& rows);
  virtual int DeleteSelectedRows();
  // Removes every record row (the records stay in their table); the append row stays.
  void DeleteAllRecords();
  // Keeps the append row last, empty, and hidden while it is off.
  virtual void AdjustAppendRowNo();
  // The grid column numbers of every index (index order).
  void GetColumnNumbers(CUIntArray& colNos) const;
  // The row's texts in grid-column order and the column map (see the top of this file).
  void GetRowStrings(ROWCOL nRow, CStringArray& strings, CUIntArray& map);

  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;
  BOOL OnPasteFromClipboard(const CGXRange& range) override;

 protected:
  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnValidateCell(ROWCOL nRow, ROWCOL nCol) override;
  BOOL OnEndEditing(ROWCOL nRow, ROWCOL nCol) override;
  // Step 3 of editing; non-zero when the row was written.
  virtual BOOL CommitRow(ROWCOL nRow);

 private:
  int m_nFillFlag = 0;
};
