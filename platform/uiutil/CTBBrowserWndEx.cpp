#include "uiutil/CTBBrowserWndEx.h"

#include <algorithm>
#include <cstdlib>

IMPLEMENT_DYNAMIC(CTBBrowserWndEx, CTBBrowserWnd)

int CTBBrowserWndEx::AddColInfo(LPCTSTR title, int kind, int unitKind) {
  m_cols.push_back({CString(title), kind, unitKind});
  m_colOf.push_back((ROWCOL)m_cols.size());
  return (int)m_cols.size() - 1;
}

CString CTBBrowserWndEx::GetColTitle(int i) const {
  return i >= 0 && i < (int)m_cols.size() ? m_cols[(size_t)i].title : CString();
}
int CTBBrowserWndEx::GetColKind(int i) const { return i >= 0 && i < (int)m_cols.size() ? m_cols[(size_t)i].kind : 0; }
int CTBBrowserWndEx::GetColUnitKind(int i) const {
  return i >= 0 && i < (int)m_cols.size() ? m_cols[(size_t)i].unit : 0;
}
void CTBBrowserWndEx::SetColTitle(int i, LPCTSTR title) {
  if (i >= 0 && i < (int)m_cols.size()) m_cols[(size_t)i].title = title;
}

ROWCOL CTBBrowserWndEx::GetColumnNoFor(int i) const {
  return i >= 0 && i < (int)m_colOf.size() ? m_colOf[(size_t)i] : 0;
}

ROWCOL CTBBrowserWndEx::GetColumnNoFor(LPCTSTR title) const {
  for (size_t i = 0; i < m_cols.size(); ++i)
    if (m_cols[i].title == title) return m_colOf[i];
  return 0;
}

int CTBBrowserWndEx::GetIndexForColumn(ROWCOL nCol) const {
  for (size_t i = 0; i < m_colOf.size(); ++i)
    if (m_colOf[i] == nCol) return (int)i;
  return -1;
}

BOOL CTBBrowserWndEx::MoveColumn(int index, ROWCOL nCol) {
  if (index < 0 || index >= (int)m_colOf.size() || nCol < 1 || nCol > m_colOf.size()) return FALSE;
  // The order of indexes by grid column, with index taken out and put at nCol.
  std::vector<int> order(m_colOf.size());
  for (size_t i = 0; i < m_colOf.size(); ++i) order[m_colOf[i] - 1] = (int)i;
  order.erase(std::find(order.begin(), order.end(), index));
  order.insert(order.begin() + (nCol - 1), index);
  for (size_t c = 0; c < order.size(); ++c) m_colOf[(size_t)order[c]] = (ROWCOL)c + 1;
  return TRUE;
}

BOOL CTBBrowserWndEx::HideColsByIntend(ROWCOL nFrom, ROWCOL nTo, BOOL bHide) {
  if (!HideCols(nFrom, nTo, bHide)) return FALSE;
  if (m_hiddenByIntend.size() <= nTo) m_hiddenByIntend.resize(nTo + 1, FALSE);
  for (ROWCOL c = nFrom; c <= nTo; ++c) m_hiddenByIntend[c] = bHide;
  return TRUE;
}

BOOL CTBBrowserWndEx::IsHiddenByIntend(ROWCOL nCol) const {
  return nCol < m_hiddenByIntend.size() && m_hiddenByIntend[nCol];
}

UINT CTBBrowserWndEx::GetRowKey(ROWCOL nRow) {
  ROWCOL c = GetColumnNoFor(GetKeyColumnIndex());
  if (!c || nRow < 1 || nRow > GetRowCount()) return 0;
  return (UINT)std::atol(GetValueRowColBeforeEdit(nRow, c).c_str());
}

void CTBBrowserWndEx::OnChangedSelectionPublic(const UINT* keys, int count) {
  m_selectedKeys.RemoveAll();
  for (int i = 0; i < count; ++i) m_selectedKeys.Add(keys[i]);
}

int CTBBrowserWndEx::GetSelectedKeys(CUIntArray& keys) {
  keys.SetSize(m_selectedKeys.GetSize());
  for (INT_PTR i = 0; i < m_selectedKeys.GetSize(); ++i) keys[i] = m_selectedKeys[i];
  return (int)keys.GetSize();
}

void CTBBrowserWndEx::OnChangedSelection(const CGXRange*, BOOL, BOOL) {
  CUIntArray rows, keys;
  GetSelectedRows(rows);
  for (UINT r : rows)
    if (UINT k = GetRowKey(r)) keys.Add(k);
  OnChangedSelectionPublic(keys.GetData(), (int)keys.GetSize());
}

void CTBBrowserWndEx::ShowSelected() {
  ClearSelection();
  BOOL first = TRUE;
  for (UINT key : m_selectedKeys) {
    int row = FindRecordByKey(key);
    if (row < 1) continue;
    SelectRange(CGXRange().SetRows((ROWCOL)row));
    if (first) {
      ROWCOL r = 0, c = 1;
      GetCurrentCell(r, c);
      SetCurrentCell((ROWCOL)row, c);
      first = FALSE;
    }
  }
}

int CTBBrowserWndEx::FindRecordByKey(UINT key) {
  ROWCOL c = GetColumnNoFor(GetKeyColumnIndex());
  if (!c || key == 0) return -1;
  CString k;
  k.Format("%u", key);
  for (ROWCOL r = 1; r <= GetRowCount(); ++r)
    if (!IsAppendRow(r) && GetExpressionRowCol(r, c) == k) return (int)r;
  return -1;
}

void CTBBrowserWndEx::SelectGridRow(ROWCOL nRow) {
  if (nRow >= 1 && nRow <= GetRowCount()) SelectRange(CGXRange().SetRows(nRow));
}
