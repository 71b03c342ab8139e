// The record browser: a grid whose body rows are records, followed by one append row
// where a new record is typed (hidden while the append row is switched off). It keeps the
// row being edited: when the first cell of a row is edited, the texts the row had are kept
// ("before edit") until the row is committed; GetValueRowColBeforeEdit reads them.
// Typing in the append row turns it into a new record row with a new append row after it;
// the new row goes away when it is committed (the table's update records bring the record
// in) or reverted. The commit itself, paste and delete are CTBCommon's (the hooks live
// there).
//
// Numbers typed in cells: ConvertFormulaToValue turns a formula ("=..." , see
// grid/GXFormula.h) into the text of its value ("%.15g"); on failure it leaves the text,
// sets the warning text to the formula engine's message (a text key resolved by
// CMsgDll::pfuncLoadStr) and answers 0. IsValidDoubleNumber answers 1 for a real number or
// a formula with a finite value; else 0 with the reason: 1 the formula is invalid or
// cannot be evaluated, 2 characters that are no part of a number (an empty text
// included), 3 out of the range of a double.
#pragma once
#include <vector>
#include "uiutil/CTBGrid.h"

class CTBBrowserWnd : public CTBGrid {
  DECLARE_DYNAMIC(CTBBrowserWnd)

 public:
  CTBBrowserWnd() = default;

  void EnableAppendRow(BOOL b);
  BOOL IsAppendRowEnabled() const { return m_bAppendRow; }
  void EnableInsertRowByPressingKey(BOOL b) { m_bInsertByKey = b; }
  BOOL CanInsertRowByPressingKey() const { return m_bInsertByKey; }
  void EnableDeleteRowByPressingKey(BOOL b) { m_bDeleteByKey = b; }
  BOOL CanDeleteRowByPressingKey() const { return m_bDeleteByKey; }

  // The append row is always the last row.
  ROWCOL GetAppendRowNo() const { return GetRowCount(); }
  BOOL IsAppendRow(ROWCOL nRow) const { return nRow != 0 && nRow == GetAppendRowNo(); }

  // The cell's current text (the edit's text for the cell being edited).
  CString GetValueRowCol(ROWCOL nRow, ROWCOL nCol) override;
  // The text the cell had before the pending edit of its row; its current text otherwise.
  CString GetValueRowColBeforeEdit(ROWCOL nRow, ROWCOL nCol);
  // A row has been edited and not committed yet.
  BOOL IsRowEditPending() const { return m_nPendingRow != 0; }
  ROWCOL GetPendingRow() const { return m_nPendingRow; }
  // The pending row is a new record begun in the append row (a new append row follows it).
  BOOL IsPendingRowNew() const { return m_nPendingRow != 0 && m_bPendingNew; }
  // Puts the pending row's texts back (a new row is removed) and forgets the edit.
  void RevertPendingRow();

  BOOL ConvertFormulaToValue(CString& text);
  BOOL IsValidDoubleNumber(LPCTSTR text, int& reason);
  // The integer check of uiutil/TBNumberCheck.h (codes 0 to 4) with the formula step
  // above; non-zero when valid.
  BOOL IsValidLongNumber(LPCTSTR text, int& code);
  // Show the message of a code of the number checks; return 0. Integer: 1
  // "IDS_TB_ERROR_FORMULA_INVALID", 2 and 4 "IDS_TB_ERROR_REQUIRE_INTEGER", 3
  // "IDS_TB_ERROR_OUT_OF_RANGE"; real: 1 "IDS_TB_ERROR_FORMULA_INVALID", 2
  // "IDS_TB_ERROR_CHARACTER_EXIST", 3 "IDS_TB_ERROR_OUT_OF_RANGE". Other codes: nothing.
  int InvalidLongNumber(int code);
  int InvalidDoubleNumber(int code);

  // Ends the cell edit in progress as leaving the cell would (validate, store, commit the
  // row); nMode is kept for the callers (they pass 2). Non-zero when no edit was left
  // open.
  BOOL OnTerminate(int nMode);

  // An empty grid row before nRow (rows below move down).
  BOOL InsertRecord(ROWCOL nRow);
  // Removes one grid row (the record stays in the table).
  BOOL DeleteRecord(ROWCOL nRow);
  // The same for many rows in one pass (CGXGridWnd::InsertRowSet, RemoveRowSet): empty
  // rows at the numbers listed; the rows listed removed. The pending row edit follows its
  // row (and ends when its row is removed).
  BOOL InsertRecords(const std::vector<ROWCOL>& rows);
  BOOL DeleteRecords(const std::vector<ROWCOL>& rows);

  // The right-most, bottom-most cell the user may move to (kept for the owner; the
  // stand-in does not move the current cell by keys).
  void SetRightValidCell(ROWCOL nRow, ROWCOL nCol) { m_nRightRow = nRow; m_nRightCol = nCol; }
  void SetLeftValidCell(ROWCOL nRow, ROWCOL nCol) { m_nLeftRow = nRow; m_nLeftCol = nCol; }
  ROWCOL GetLeftValidRow() const { return m_nLeftRow; }
  ROWCOL GetLeftValidCol() const { return m_nLeftCol; }
  ROWCOL GetRightValidRow() const { return m_nRightRow; }
  ROWCOL GetRightValidCol() const { return m_nRightCol; }

 protected:
  // Keeps the row's texts when its first cell is edited. A new row (bNew) is the append row
  // turned into a record row: a new append row is inserted after it.
  void BeginRowEdit(ROWCOL nRow, BOOL bNew = FALSE);
  void EndRowEdit() { m_nPendingRow = 0; m_bPendingNew = FALSE; m_pending.clear(); }

 private:
  BOOL m_bAppendRow = TRUE;
  BOOL m_bInsertByKey = TRUE;
  BOOL m_bDeleteByKey = TRUE;
  ROWCOL m_nPendingRow = 0;
  BOOL m_bPendingNew = FALSE;
  std::vector<CString> m_pending;  // by grid column
  ROWCOL m_nRightRow = 0, m_nRightCol = 0;
  ROWCOL m_nLeftRow = 0, m_nLeftCol = 0;
};
