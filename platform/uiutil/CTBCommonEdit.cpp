// CTBCommon: the editing and paste flows (their orders are written in CTBCommon.h).
#include <algorithm>
#include "grid/GXClipboard.h"
#include "uiutil/CTBCommon.h"

BOOL CTBCommon::OnStartEditing(ROWCOL nRow, ROWCOL) {
  if (IsAppendRow(nRow) && !IsAppendRowEnabled()) return FALSE;
  if (GetPendingRow() == nRow) return TRUE;
  if (IsRowEditPending()) {
    // Another row's edit is dropped; removing a new row above moves the current cell up.
    RevertPendingRow();
    ROWCOL r = 0, c = 0;
    if (!GetCurrentCell(r, c)) return FALSE;
    nRow = r;
  }
  BOOL isNew = IsAppendRow(nRow);
  BeginRowEdit(nRow, isNew);
  if (isNew && !OnInsertEmptyRecord(nRow)) {
    RevertPendingRow();
    return FALSE;
  }
  return TRUE;
}

BOOL CTBCommon::OnValidateCell(ROWCOL, ROWCOL nCol) {
  int index = GetIndexForColumn(nCol);
  if (index < 0 || GetEditText().IsEmpty()) return TRUE;
  SetWarningText("");
  return ValidateField(GetEditText(), index) != 0;
}

BOOL CTBCommon::OnEndEditing(ROWCOL nRow, ROWCOL) {
  CommitRow(nRow);
  return TRUE;
}

void CTBCommon::GetRowStrings(ROWCOL nRow, CStringArray& strings, CUIntArray& map) {
  strings.SetSize(GetColCount());
  for (ROWCOL c = 1; c <= GetColCount(); ++c) strings[c - 1] = GetValueRowCol(nRow, c);
  GetColumnNumbers(map);
}

BOOL CTBCommon::CommitRow(ROWCOL nRow) {
  SetWarningText("");
  CStringArray strings;
  CUIntArray map;
  GetRowStrings(nRow, strings, map);
  int ok = ValidateRecord(strings, map);
  if (ok) {
    BOOL isNew = IsPendingRowNew() && GetPendingRow() == nRow;
    ok = isNew ? AddRecord(nRow) : ModifyRecord(nRow);
    if (ok) {
      // The new record came in through the update records; the typed row goes.
      if (isNew) RevertPendingRow();
      EndRowEdit();
      AdjustAppendRowNo();
      return TRUE;
    }
  }
  if (!GetWarningText().IsEmpty()) DisplayWarningText();
  return FALSE;
}

BOOL CTBCommon::OnPasteFromClipboard(const CGXRange& range) {
  auto data = CGXClipboard::Split(CGXClipboard::GetText());
  if (data.empty() || !range.IsValid()) return FALSE;
  if (IsEditing()) CancelEditing();
  if (IsRowEditPending()) RevertPendingRow();
  SetWarningText("");
  ROWCOL top = std::max<ROWCOL>(range.top, 1), left = std::max<ROWCOL>(range.left, 1);
  BOOL block = range.GetHeight() > 1 || range.GetWidth() > 1;
  ROWCOL nRows = block && data.size() == 1 ? range.GetHeight() : (ROWCOL)data.size();
  ROWCOL append = GetAppendRowNo();
  // One row repeated down a block (a whole column, say) leaves out the hidden append row.
  if (block && data.size() == 1 && !IsAppendRowEnabled() && top + nRows - 1 >= append)
    nRows = append > top ? append - top : 0;
  if (nRows == 0 || (top + nRows - 1 >= append && !IsAppendRowEnabled())) return FALSE;

  // The visible grid columns the pasted columns land on.
  size_t width = 0;
  for (auto& row : data) width = std::max(width, row.size());
  std::vector<ROWCOL> cols;
  for (ROWCOL c = left; c <= GetColCount() && cols.size() < width; ++c)
    if (!IsColHidden(c)) cols.push_back(c);

  CUIntArray map;
  GetColumnNumbers(map);
  CPtrArray addKeys, addRecs, modKeys, modRecs;
  CStringArray keyTexts;
  ROWCOL keyCol = GetColumnNoFor(GetKeyColumnIndex());
  BOOL ok = TRUE;
  for (ROWCOL i = 0; i < nRows && ok; ++i) {
    const auto& src = data[data.size() == 1 ? 0 : i];
    ROWCOL r = top + i;
    BOOL isNew = r >= append;
    CStringArray strings;
    strings.SetSize(GetColCount());
    for (ROWCOL c = 1; c <= GetColCount(); ++c) {
      if (!isNew) {
        strings[c - 1] = GetValueRowCol(r, c);
      } else {
        int index = GetIndexForColumn(c);
        strings[c - 1] = index == GetKeyColumnIndex() ? GetNewKeyString() : index > 0 ? GetDefaultValue(index - 1) : CString();
      }
    }
    for (size_t j = 0; j < cols.size() && j < src.size(); ++j) {
      ROWCOL c = cols[j];
      if (!IsCellEditable(isNew ? append : r, c)) continue;
      CString text = src[j];
      if (!ConvertFormulaToValue(text)) {
        ok = FALSE;
        break;
      }
      strings[c - 1] = text;
    }
    if (!ok) break;
    if (isNew) {
      ok = NewRecordFromStrings(strings, map, addKeys, addRecs);
    } else {
      keyTexts.Add(keyCol ? GetValueRowColBeforeEdit(r, keyCol) : CString());
      ok = NewRecordFromStrings(strings, map, modKeys, modRecs);
    }
  }
  if (ok && !addKeys.IsEmpty()) ok = AddRecords(addKeys, addRecs);
  if (ok && !modKeys.IsEmpty()) ok = ModifyRecords(keyTexts, modKeys, modRecs);
  if (!ok && !GetWarningText().IsEmpty()) DisplayWarningText();
  FreeNewRecords(addKeys, addRecs);
  FreeNewRecords(modKeys, modRecs);
  return ok;
}
