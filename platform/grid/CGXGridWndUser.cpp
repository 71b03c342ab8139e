// CGXGridWnd: the current cell and editing, selection, clipboard, keys and user actions.
#include <algorithm>
#include <set>
#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "afx/CUserDriver.h"
#include "grid/CGXGridWnd.h"
#include "grid/GXClipboard.h"
#include "grid/GXKeyState.h"

// ---- current cell and editing -------------------------------------------------------------

BOOL CGXGridWnd::SetCurrentCell(ROWCOL r, ROWCOL c) {
  if (r < 1 || c < 1 || r > GetRowCount() || c > GetColCount()) return FALSE;
  if (m_bEditing && (r != m_nCurRow || c != m_nCurCol)) CancelEditing();
  m_nCurRow = r;
  m_nCurCol = c;
  m_bHasCurrent = TRUE;
  return TRUE;
}

BOOL CGXGridWnd::GetCurrentCell(ROWCOL& r, ROWCOL& c) const {
  if (!m_bHasCurrent) return FALSE;
  r = m_nCurRow;
  c = m_nCurCol;
  return TRUE;
}

BOOL CGXGridWnd::IsCurrentCell(ROWCOL r, ROWCOL c) const {
  return m_bHasCurrent && r == m_nCurRow && c == m_nCurCol;
}

void CGXGridWnd::ResetCurrentCell() {
  CancelEditing();
  m_bHasCurrent = FALSE;
}

BOOL CGXGridWnd::StartEditing() {
  if (!m_bHasCurrent) return FALSE;
  if (m_bEditing) return TRUE;
  if (!OnStartEditing(m_nCurRow, m_nCurCol)) return FALSE;
  m_strBeforeEdit = GetExpressionRowCol(m_nCurRow, m_nCurCol);
  m_strEditText = m_strBeforeEdit;
  m_bEditing = TRUE;
  return TRUE;
}

void CGXGridWnd::SetEditText(LPCTSTR text) {
  if (m_bEditing) m_strEditText = text ? text : "";
}

BOOL CGXGridWnd::EndEditing() {
  if (!m_bEditing) return TRUE;
  ROWCOL r = m_nCurRow, c = m_nCurCol;
  if (!OnValidateCell(r, c)) {
    DisplayWarningText();
    return FALSE;
  }
  StoreText(r, c, m_strEditText);
  m_bEditing = FALSE;
  OnEndEditing(r, c);
  OnModifyCell(r, c);
  return TRUE;
}

void CGXGridWnd::CancelEditing() {
  m_bEditing = FALSE;
  m_strEditText.Empty();
}

BOOL CGXGridWnd::OnStartEditing(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridWnd::OnValidateCell(ROWCOL, ROWCOL) { return TRUE; }
BOOL CGXGridWnd::OnEndEditing(ROWCOL, ROWCOL) { return TRUE; }
void CGXGridWnd::OnModifyCell(ROWCOL, ROWCOL) {}
void CGXGridWnd::OnChangedSelection(const CGXRange*, BOOL, BOOL) {}

void CGXGridWnd::DisplayWarningText() {
  if (m_strWarning.IsEmpty()) return;
  CString text = m_strWarning;
  m_strWarning.Empty();
  AfxMessageBox(text, MB_ICONEXCLAMATION);
}

// ---- selection ------------------------------------------------------------------------------

void CGXGridWnd::SelectRange(const CGXRange& range, BOOL bSelect) {
  if (!range.IsValid()) return;
  if (bSelect) {
    m_selection.push_back(range);
    return;
  }
  // Deselecting cuts range out of every selected range: whole rows out of row ranges and
  // blocks, whole columns out of column ranges and blocks.
  CGXRange cut = range.ExpandTo(GetRowCount(), GetColCount());
  CGXRangeList out;
  for (const CGXRange& s : m_selection) {
    CGXRange e = s.ExpandTo(GetRowCount(), GetColCount());
    bool overlap = !(e.bottom < cut.top || e.top > cut.bottom || e.right < cut.left || e.left > cut.right);
    if (!overlap) {
      out.push_back(s);
      continue;
    }
    // Pieces above, below, left and right of the cut (whole-row / whole-column kinds kept).
    auto piece = [&](ROWCOL t, ROWCOL l, ROWCOL b, ROWCOL rt) {
      if (t > b || l > rt) return;
      CGXRange p;
      if (s.IsRows() && l == e.left && rt == e.right) p.SetRows(t, b);
      else if (s.IsCols() && t == e.top && b == e.bottom) p.SetCols(l, rt);
      else p.SetCells(t, l, b, rt);
      out.push_back(p);
    };
    if (cut.top > e.top) piece(e.top, e.left, cut.top - 1, e.right);
    if (cut.bottom < e.bottom) piece(cut.bottom + 1, e.left, e.bottom, e.right);
    ROWCOL t = std::max(e.top, cut.top), b = std::min(e.bottom, cut.bottom);
    if (cut.left > e.left) piece(t, e.left, b, cut.left - 1);
    if (cut.right < e.right) piece(t, cut.right + 1, b, e.right);
  }
  m_selection = std::move(out);
}

void CGXGridWnd::ClearSelection() { m_selection.clear(); }

void CGXGridWnd::GetSelectedRows(CUIntArray& rows) const {
  std::set<UINT> s;
  for (const CGXRange& r : m_selection)
    if (r.IsRows() || r.IsTable())
      for (ROWCOL i = r.IsTable() ? 1 : r.top; i <= (r.IsTable() ? GetRowCount() : r.bottom); ++i) s.insert(i);
  rows.RemoveAll();
  for (UINT i : s) rows.Add(i);
}

void CGXGridWnd::GetSelectedCols(CUIntArray& cols) const {
  std::set<UINT> s;
  for (const CGXRange& r : m_selection)
    if (r.IsCols() || r.IsTable())
      for (ROWCOL j = r.IsTable() ? 1 : r.left; j <= (r.IsTable() ? GetColCount() : r.right); ++j) s.insert(j);
  cols.RemoveAll();
  for (UINT j : s) cols.Add(j);
}

BOOL CGXGridWnd::IsRowSelected(ROWCOL nRow) const {
  for (const CGXRange& r : m_selection)
    if (r.IsTable() || (r.IsRows() && nRow >= r.top && nRow <= r.bottom)) return TRUE;
  return FALSE;
}

BOOL CGXGridWnd::IsColSelected(ROWCOL nCol) const {
  for (const CGXRange& r : m_selection)
    if (r.IsTable() || (r.IsCols() && nCol >= r.left && nCol <= r.right)) return TRUE;
  return FALSE;
}

BOOL CGXGridWnd::IsCellSelected(ROWCOL nRow, ROWCOL nCol) const {
  for (const CGXRange& r : m_selection)
    if (r.IsCellInRange(nRow, nCol)) return TRUE;
  return FALSE;
}

// ---- clipboard ------------------------------------------------------------------------------

BOOL CGXGridWnd::Copy() {
  std::set<ROWCOL> rows, cols;
  if (m_selection.empty()) {
    if (!m_bHasCurrent) return FALSE;
    rows.insert(m_nCurRow);
    cols.insert(m_nCurCol);
  }
  for (const CGXRange& s : m_selection) {
    CGXRange e = s.ExpandTo(GetRowCount(), GetColCount());
    for (ROWCOL i = std::max<ROWCOL>(e.top, 1); i <= std::min(e.bottom, GetRowCount()); ++i) rows.insert(i);
    for (ROWCOL j = std::max<ROWCOL>(e.left, 1); j <= std::min(e.right, GetColCount()); ++j) cols.insert(j);
  }
  if (rows.empty() || cols.empty()) return FALSE;
  std::vector<std::vector<CString>> data;
  for (ROWCOL i : rows) {
    std::vector<CString> line;
    for (ROWCOL j : cols) line.push_back(IsCellSelected(i, j) || m_selection.empty() ? GetValueRowCol(i, j) : CString());
    data.push_back(std::move(line));
  }
  CGXClipboard::SetText(CGXClipboard::Join(data));
  return TRUE;
}

BOOL CGXGridWnd::Paste() {
  CGXRange target;
  if (!m_selection.empty()) {
    CGXRange b = m_selection[0].ExpandTo(GetRowCount(), GetColCount());
    for (const CGXRange& s : m_selection) {
      CGXRange e = s.ExpandTo(GetRowCount(), GetColCount());
      b.top = std::min(b.top, e.top);
      b.left = std::min(b.left, e.left);
      b.bottom = std::max(b.bottom, e.bottom);
      b.right = std::max(b.right, e.right);
    }
    target = b;
  } else if (m_bHasCurrent) {
    target = CGXRange(m_nCurRow, m_nCurCol);
  } else {
    target = CGXRange(1, 1);
  }
  return OnPasteFromClipboard(target);
}

BOOL CGXGridWnd::OnPasteFromClipboard(const CGXRange& range) {
  return PasteTextAt(CGXClipboard::GetText(), range);
}

BOOL CGXGridWnd::PasteTextAt(const CString& text, const CGXRange& range) {
  auto data = CGXClipboard::Split(text);
  if (data.empty() || !range.IsValid()) return FALSE;
  size_t width = 0;
  for (auto& row : data) width = std::max(width, row.size());
  ROWCOL top = std::max<ROWCOL>(range.top, 1), left = std::max<ROWCOL>(range.left, 1);
  BOOL block = range.GetHeight() > 1 || range.GetWidth() > 1;
  ROWCOL nRows = block && data.size() == 1 ? range.GetHeight() : (ROWCOL)data.size();
  if (!block) {
    if (top + nRows - 1 > GetRowCount()) SetRowCount(top + nRows - 1);
    if (left + width - 1 > GetColCount()) SetColCount(left + (ROWCOL)width - 1);
  }
  for (ROWCOL i = 0; i < nRows; ++i) {
    const auto& src = data[data.size() == 1 ? 0 : i];
    ROWCOL r = top + i;
    if (r > GetRowCount() || (block && r > range.bottom)) break;
    for (ROWCOL j = 0; j < src.size(); ++j) {
      ROWCOL c = left + j;
      if (c > GetColCount() || (block && c > range.right)) break;
      if (!IsCellEditable(r, c)) continue;
      StoreText(r, c, src[j]);
      OnModifyCell(r, c);
    }
  }
  return TRUE;
}

// ---- keys -----------------------------------------------------------------------------------

BOOL CGXGridWnd::ProcessKeys(CWnd*, UINT nMessage, UINT nChar, UINT, UINT) {
  if (nMessage != WM_KEYDOWN) return FALSE;
  BOOL ctrl = GXIsKeyDown(VK_CONTROL), shift = GXIsKeyDown(VK_SHIFT);
  if ((ctrl && (nChar == 'C' || nChar == VK_INSERT)) ) return Copy(), TRUE;
  if ((ctrl && nChar == 'V') || (shift && nChar == VK_INSERT)) return Paste(), TRUE;
  if (nChar == VK_DELETE && !ctrl && !shift) return OnClearCells(), TRUE;
  if (nChar == VK_ESCAPE && m_bEditing) return CancelEditing(), TRUE;
  if (nChar == VK_TAB && !ctrl) {
    CWnd* parent = GetParent();
    if (CWnd* next = parent ? parent->GetNextDlgTabItem(this, shift) : nullptr) next->SetFocus();
    return TRUE;
  }
  return FALSE;
}

BOOL CGXGridWnd::OnClearCells() {
  BOOL any = FALSE;
  auto clear = [&](ROWCOL r, ROWCOL c) {
    if (r < 1 || c < 1 || r > GetRowCount() || c > GetColCount() || !IsCellEditable(r, c)) return;
    StoreText(r, c, "");
    OnModifyCell(r, c);
    any = TRUE;
  };
  if (m_selection.empty()) {
    if (m_bHasCurrent) clear(m_nCurRow, m_nCurCol);
    return any;
  }
  for (const CGXRange& s : m_selection) {
    CGXRange e = s.ExpandTo(GetRowCount(), GetColCount());
    for (ROWCOL i = e.top; i <= e.bottom; ++i)
      for (ROWCOL j = e.left; j <= e.right; ++j) clear(i, j);
  }
  return any;
}

void CGXGridWnd::OnClickedButtonRowCol(ROWCOL, ROWCOL) {}

LRESULT CGXGridWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_GETDLGCODE) return DLGC_WANTALLKEYS | DLGC_WANTARROWS | DLGC_WANTCHARS;
  if (message == WM_KEYDOWN && ProcessKeys(this, message, (UINT)wParam, LOWORD(lParam), HIWORD(lParam))) return 0;
  if (message != WM_LBUTTONDOWN && message != WM_LBUTTONUP) return CWnd::WindowProc(message, wParam, lParam);
  // A button cell is pressed by the mouse going down on it and clicked by the mouse coming
  // up on the same cell; the grid's own mouse handlers run first.
  const HWND self = m_hWnd;
  const LRESULT result = CWnd::WindowProc(message, wParam, lParam);
  if (!::IsWindow(self)) return result;
  ROWCOL r = 0, c = 0;
  const BOOL onButton = ButtonAt(lParam, r, c);
  if (message == WM_LBUTTONDOWN) {
    m_bButtonDown = onButton;
    m_nButtonRow = r;
    m_nButtonCol = c;
  } else if (m_bButtonDown) {
    m_bButtonDown = FALSE;
    if (onButton && r == m_nButtonRow && c == m_nButtonCol) OnClickedButtonRowCol(r, c);
  }
  return result;
}

// ---- the user -------------------------------------------------------------------------------

int CGXGridWnd::UserEditCell(int row, int col, const char* text) {
  if (row < 1 || col < 1 || (ROWCOL)row > GetRowCount() || (ROWCOL)col > GetColCount()) return 0;
  ROWCOL r = (ROWCOL)row, c = (ROWCOL)col;
  if (IsRowHidden(r) || IsColHidden(c) || IsCoveredNotTopLeft(r, c)) return 0;
  CGXStyle st;
  ComposeStyleRowCol(r, c, st);
  if (!st.GetEnabled() || st.GetReadOnly() || st.GetControl() == GX_IDS_CTRL_STATIC ||
      st.GetControl() == GX_IDS_CTRL_PUSHBTN)
    return 0;
  CString t(text ? text : "");
  if (st.GetControl() == GX_IDS_CTRL_CBS_DROPDOWNLIST && !t.IsEmpty() && !st.IsChoice(t)) return 0;
  if (st.GetControl() == GX_IDS_CTRL_CHECKBOX && t != "0" && t != "1") return 0;
  SetCurrentCell(r, c);
  if (!StartEditing()) return 0;
  SetEditText(t);
  EndEditing();
  return 1;
}

int CGXGridWnd::UserPaste(int row, int col, const char* text) {
  if (row < 1 || col < 1 || (ROWCOL)row > GetRowCount() || (ROWCOL)col > GetColCount()) return 0;
  if (IsRowHidden((ROWCOL)row) || IsColHidden((ROWCOL)col)) return 0;
  CGXClipboard::SetText(text ? text : "");
  SetCurrentCell((ROWCOL)row, (ROWCOL)col);
  ClearSelection();
  Paste();
  return 1;
}

int CGXGridWnd::UserSelectRows(const std::vector<int>& rows) {
  if (rows.empty()) return 0;
  for (int r : rows)
    if (r < 1 || (ROWCOL)r > GetRowCount() || IsRowHidden((ROWCOL)r)) return 0;
  CancelEditing();
  ClearSelection();
  for (int r : rows) SelectRange(CGXRange().SetRows((ROWCOL)r));
  ROWCOL c = m_bHasCurrent ? m_nCurCol : 1;
  while (c <= GetColCount() && IsColHidden(c)) ++c;
  if (c > GetColCount()) c = 1;
  m_nCurRow = (ROWCOL)rows[0];
  m_nCurCol = c;
  m_bHasCurrent = GetColCount() > 0;
  OnChangedSelection(&m_selection.back(), FALSE, FALSE);
  return 1;
}

int CGXGridWnd::UserFindColumn(const char* header) {
  CString h(header ? header : "");
  for (ROWCOL c = 1; c <= GetColCount(); ++c)
    if (!IsColHidden(c) && GetValueRowCol(0, c) == h) return (int)c;
  return -1;
}

CString CGXGridWnd::UserGetCellText(int row, int col) {
  if (row < 0 || col < 0 || IsCoveredNotTopLeft((ROWCOL)row, (ROWCOL)col)) return CString();
  return GetFormattedText((ROWCOL)row, (ROWCOL)col);
}

std::vector<CString> CGXGridWnd::UserDescribeCells() {
  std::vector<CString> lines;
  for (ROWCOL r = 0; r <= GetRowCount(); ++r) {
    if (IsRowHidden(r)) continue;
    CString line;
    bool first = true;
    for (ROWCOL c = 1; c <= GetColCount(); ++c) {
      if (IsColHidden(c)) continue;
      if (!first) line += '\t';
      first = false;
      line += AfxEscapeText(UserGetCellText((int)r, (int)c));
    }
    lines.push_back(line);
  }
  return lines;
}

std::vector<CString> CGXGridWnd::UserDescribeColumns() {
  std::vector<CString> lines;
  for (ROWCOL c = 1; c <= GetColCount(); ++c) {
    CString line;
    line.Format("column %u visible=%d %s", (unsigned)c, IsColHidden(c) ? 0 : 1,
                (LPCTSTR)AfxQuoteText(GetValueRowCol(0, c)));
    lines.push_back(line);
  }
  return lines;
}

int CGXGridWnd::UserDragRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest) {
  if (!m_param.IsEnableMoveRows() || nFrom < 1 || nTo < nFrom || nTo > GetRowCount() || nDest < 1 ||
      nDest > GetRowCount() + 1)
    return 0;
  MoveRows(nFrom, nTo, nDest);
  return 1;
}
