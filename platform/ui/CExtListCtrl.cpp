#include "ui/CExtListCtrl.h"

#include <algorithm>

IMPLEMENT_DYNAMIC(CExtListCtrl, CListCtrl)

namespace {
CString KeyText(DWORD key) {
  CString s;
  s.Format("%u", (unsigned)key);
  return s;
}
}  // namespace

void CExtListCtrl::Initialize(POSITION_FUNC pfnPos) {
  m_pfnPos = std::move(pfnPos);
  if (!m_hWnd) return;
  DeleteAllItems();
  while (GetColumnCount() > 0) DeleteColumn(0);
  m_colFlags.RemoveAll();
}

int CExtListCtrl::AddColInfo(LPCTSTR title, int width, int flag) {
  const int col = InsertColumn(GetColumnCount(), title, flag ? LVCFMT_RIGHT : LVCFMT_LEFT, width);
  if (col >= 0) m_colFlags.Add(flag ? 1 : 0);
  return col;
}

int CExtListCtrl::GetColFlag(int nCol) const {
  return nCol >= 0 && nCol < m_colFlags.GetSize() ? m_colFlags[nCol] : 0;
}

DWORD CExtListCtrl::GetKey(int row) const {
  return row >= 0 && row < GetItemCount() ? (DWORD)GetItemData(row) : 0;
}

int CExtListCtrl::FindRow(DWORD key) const {
  const int n = GetItemCount();
  if (m_pfnPos) {
    // The rows stand where the ordering put them: the key's row is at its place or nowhere.
    const int at = m_pfnPos(key);
    return at >= 0 && at < n && GetKey(at) == key ? at : -1;
  }
  for (int i = 0; i < n; ++i)
    if (GetKey(i) == key) return i;
  return -1;
}

void CExtListCtrl::SetTexts(int row, DWORD key, const CStringArray& texts, BOOL bKey) {
  const CString keyText = KeyText(key);
  if (bKey) {
    SetItemText(row, 0, keyText);
    SetItemData(row, (DWORD_PTR)key);
  }
  // texts[0] may be the key text itself: the caller passed every column.
  const int skip = texts.GetSize() > 0 && texts[0] == keyText ? 1 : 0;
  const int cols = std::max(GetColumnCount(), 1);
  for (int c = 1; c < cols; ++c) {
    const int i = c - 1 + skip;
    SetItemText(row, c, i < texts.GetSize() ? (LPCTSTR)texts[i] : "");
  }
}

BOOL CExtListCtrl::InsertData(DWORD key, const CStringArray& texts) {
  if (!m_hWnd || FindRow(key) >= 0) return FALSE;
  const int n = GetItemCount();
  int at = m_pfnPos ? m_pfnPos(key) : n;
  at = std::clamp(at, 0, n);
  const int row = InsertItem(LVIF_TEXT | LVIF_PARAM, at, KeyText(key), 0, 0, 0, (LPARAM)key);
  if (row < 0) return FALSE;
  SetTexts(row, key, texts, FALSE);
  return TRUE;
}

BOOL CExtListCtrl::DeleteData(DWORD key) {
  const int row = FindRow(key);
  return row >= 0 && DeleteItem(row);
}

BOOL CExtListCtrl::ModifyData(DWORD oldKey, DWORD newKey, const CStringArray& texts) {
  const int row = FindRow(oldKey);
  if (row < 0) return FALSE;
  if (newKey == oldKey) {
    SetTexts(row, newKey, texts, FALSE);
    return TRUE;
  }
  if (FindRow(newKey) >= 0) return FALSE;
  const UINT state = GetItemState(row, LVIS_SELECTED | LVIS_FOCUSED);
  DeleteItem(row);
  if (!InsertData(newKey, texts)) return FALSE;
  if (state) SetItemState(FindRow(newKey), state, LVIS_SELECTED | LVIS_FOCUSED);
  return TRUE;
}
