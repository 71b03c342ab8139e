// The record grid of the static load case dialog: one row per load case in the table's
// order - the key (hidden), the row's position, name, type (one of the eight load-type
// names, from a drop-down list), the self-weight factor (hidden) and the description.
//
// Rules:
// - The No column shows the row's position 1..n whatever number is stored; a row saved from
//   the grid (typed or pasted) stores its position as the load case's number.
// - Name and Type are required (their titles with "IDS_CMD___has_not_been_entered_"); a
//   Type text that names no load type is refused with "IDS_CMD_LOADCASE_Type_Unknown".
// - The load cases of keys 1 and 2 are never deleted: a delete that holds them removes the
//   others, without a message.
// - The grid is filled again once per transaction of the load-case table (Rebuild): the
//   same row and column stay current, clipped to the last row; when another load case now
//   stands in the current row the dialog's editors follow it.
// - Rows cannot be dragged.
// - Whenever the current row changes (click, double click, keys) the owner is told the
//   row's key (SetData2Dlg); row 0 and the append row tell nothing.
#pragma once
#include "common/CCmdRecordGrid.h"
#include "db/CClassStld.h"

class CCMLoadCaseDlg;

class CCMLoadCaseGrid : public CCmdRecordGrid<CClassStld> {
  DECLARE_MESSAGE_MAP()

 public:
  enum { COL_KEY = 0, COL_NO, COL_NAME, COL_TYPE, COL_FACTOR, COL_DESC, COL_COUNT };

  CCMLoadCaseGrid();

  // Sets the grid up for its dialog (subclassed on its control first) and fills it.
  void InitGrid(CCMLoadCaseDlg* pOwner);
  // The eight load-type names, each followed by "\n".
  static CString TypeChoiceList();
  // Makes the row of key current (in the current column) and tells the owner; 0 without a
  // current cell or a row of that key.
  int SelectRowOfKey(UINT key);
  BOOL CheckCurrentRow();
  void OnCurrentRowChanged(ROWCOL row);
  // Fills the rows again, keeping the current cell (see Rules).
  void Rebuild();

  void FieldToText(int index, const T_STLD_D& rec, CString& text) override;
  void TextToField(int index, const CString& text, T_STLD_D& rec) override;
  int ValidateField(LPCTSTR text, int index) override;
  int GetNameColumnIndex() override { return COL_NAME; }
  LPCTSTR GetNotEnteredKey() override { return "IDS_CMD___has_not_been_entered_"; }
  LPCTSTR GetFieldErrorKey() override { return "IDS_CMD___CCMLoadCaseGrid__ValidateField__Error"; }
  // A new row shows its position in the No column, as every row does.
  int OnInsertEmptyRecord(ROWCOL row) override;
  int DeleteRecords(CUIntArray& rows) override;
  int DeleteRecord(ROWCOL row) override;
  // Dragged rows are never dropped: the order is the table's.
  BOOL MoveRows(ROWCOL, ROWCOL, ROWCOL, UINT = GX_UPDATENOW) override { return FALSE; }
  BOOL ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt = 1, UINT flags = 0) override;

  // Keys never deleted.
  static BOOL IsKeptKey(UINT key) { return key == 1 || key == 2; }

 protected:
  void OnRowWritten(ROWCOL row, UINT key, const T_STLD_D& rec) override;
  BOOL OnStartEditing(ROWCOL nRow, ROWCOL nCol) override;
  // Rows selected by their headers: the first one is current, and the editors follow it.
  void OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey) override;
  void OnLButtonDown(UINT nFlags, CPoint point);
  void OnLButtonDblClk(UINT nFlags, CPoint point);

 private:
  UINT RowKey(ROWCOL row);
  CCMLoadCaseDlg* m_pOwner = nullptr;
  ROWCOL m_nLastRow = 0;
};
