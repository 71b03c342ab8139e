// CTBCommon: setup, filling, the append row and deleting. Editing and pasting are in
// CTBCommonEdit.cpp.
#include "uiutil/CTBCommon.h"

#include "afx/AfxWinDefs.h"

IMPLEMENT_DYNAMIC(CTBCommon, CTBBrowserWndEx)

void CTBCommon::Initialize() {
  CTBBrowserWndEx::Initialize();
  SetColCount((ROWCOL)GetColInfoCount());
  SetRowCount(1);
  SetHeaderTitle(0, FALSE);
  AdjustAppendRowNo();
}

void CTBCommon::SetHeaderTitle(int n, int bRedraw) {
  int count = GetColInfoCount();
  if (n > 0 && n < count) count = n;
  for (int i = 0; i < count; ++i)
    if (ROWCOL c = GetColumnNoFor(i)) SetValueRange(CGXRange(0, c), (LPCTSTR)GetColTitle(i));
  if (bRedraw) Redraw();
}

void CTBCommon::UpdateBuffer(CObject*) {}
void CTBCommon::UnitChanged() {}

void CTBCommon::GetColumnNumbers(CUIntArray& colNos) const {
  colNos.SetSize(GetColInfoCount());
  for (int i = 0; i < GetColInfoCount(); ++i) colNos[i] = GetColumnNoFor(i);
}

void CTBCommon::MakeItemEx(const UINT* keys, int n, int flag) {
  m_nFillFlag = flag;
  BOOL old = LockUpdate(TRUE);
  if (IsRowEditPending()) EndRowEdit();
  ResetCurrentCell();
  CUIntArray colNos;
  GetColumnNumbers(colNos);
  if (!keys && n == -2) {
    SetRowCount(0);
    SetRowCount((ROWCOL)GetRecordCount() + 1);
    FillAllRows(n, colNos);
  } else {
    int count = keys && n > 0 ? n : 0;
    SetRowCount(0);
    SetRowCount((ROWCOL)count + 1);
    if (count) FillRowsForKeys(count, keys, colNos);
  }
  AdjustAppendRowNo();
  ShowSelected();
  LockUpdate(old);
  Redraw();
}

void CTBCommon::DeleteAllRecords() {
  if (IsRowEditPending()) EndRowEdit();
  SetRowCount(0);
  AdjustAppendRowNo();
}

void CTBCommon::AdjustAppendRowNo() {
  if (GetRowCount() == 0) SetRowCount(1);
  ROWCOL r = GetAppendRowNo();
  if (GetPendingRow() != r)
    for (ROWCOL c = 1; c <= GetColCount(); ++c) SetValueRange(CGXRange(r, c), "");
  HideRows(r, r, !IsAppendRowEnabled());
}

int CTBCommon::OnInsertEmptyRecord(ROWCOL nRow) {
  if (nRow < 1 || nRow > GetRowCount()) return 0;
  for (int i = 0; i < GetColInfoCount(); ++i) {
    ROWCOL c = GetColumnNoFor(i);
    if (!c || !GetExpressionRowCol(nRow, c).IsEmpty()) continue;
    CString text = i == GetKeyColumnIndex() ? GetNewKeyString() : GetDefaultValue(i - 1);
    SetValueRange(CGXRange(nRow, c), (LPCTSTR)text);
  }
  return 1;
}

int CTBCommon::OnDeleteRecord(ROWCOL nRow) { return DeleteRecord(nRow); }
int CTBCommon::OnDeleteRecords(CUIntArray& rows) { return DeleteRecords(rows); }

int CTBCommon::DeleteSelectedRows() {
  if (!CanDeleteRowByPressingKey() || IsRowEditPending()) return 0;
  SetWarningText("");
  CUIntArray rows;
  GetSelectedRows(rows);
  int result = 1;
  if (rows.IsEmpty()) {
    ROWCOL r = 0, c = 0;
    if (GetCurrentCell(r, c) && !IsAppendRow(r)) result = OnDeleteRecord(r);
  } else {
    if (IsAppendRow(rows[rows.GetUpperBound()])) rows.RemoveAt(rows.GetUpperBound());
    if (!rows.IsEmpty() && rows[0] == 0) rows.RemoveAt(0);
    if (!rows.IsEmpty()) result = OnDeleteRecords(rows);
  }
  if (!result && !GetWarningText().IsEmpty()) DisplayWarningText();
  return result;
}

BOOL CTBCommon::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  if (nMessage == WM_KEYDOWN && nChar == VK_DELETE && !IsEditing()) {
    DeleteSelectedRows();
    return TRUE;
  }
  if (nMessage == WM_KEYDOWN && nChar == VK_ESCAPE && IsRowEditPending()) {
    RevertPendingRow();
    return TRUE;
  }
  return CTBBrowserWndEx::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}
