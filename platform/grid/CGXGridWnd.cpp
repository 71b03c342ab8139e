// CGXGridWnd: the cell store, styles and layout. Editing, selection, the clipboard, keys
// and the user's actions are in CGXGridWndUser.cpp.
#include "grid/CGXGridWnd.h"

#include <algorithm>
#include "grid/GXFormula.h"

IMPLEMENT_DYNAMIC(CGXGridWnd, CWnd)

CGXGridWnd::CGXGridWnd() {
  m_rows.resize(1);
  m_rows[0].cells.resize(1);
  m_cols.resize(1);
}

CGXGridWnd::~CGXGridWnd() = default;

void CGXGridWnd::Initialize() {
  if (m_bInitialized) return;
  m_bInitialized = TRUE;
  if (GetRowCount() == 0) SetRowCount(1);
  if (GetColCount() == 0) SetColCount(1);
}

// ---- size -----------------------------------------------------------------------------------

BOOL CGXGridWnd::SetRowCount(ROWCOL nRows, UINT) {
  if (nRows < GetRowCount()) return RemoveRows(nRows + 1, GetRowCount());
  if (nRows > GetRowCount()) return InsertRows(GetRowCount() + 1, nRows - GetRowCount());
  return TRUE;
}

BOOL CGXGridWnd::SetColCount(ROWCOL nCols, UINT) {
  if (nCols < GetColCount()) return RemoveCols(nCols + 1, GetColCount());
  if (nCols > GetColCount()) return InsertCols(GetColCount() + 1, nCols - GetColCount());
  return TRUE;
}

BOOL CGXGridWnd::InsertRows(ROWCOL nRow, ROWCOL nCount, UINT) {
  if (nRow < 1 || nRow > GetRowCount() + 1 || nCount == 0) return FALSE;
  std::vector<Line> fresh(nCount);
  for (Line& l : fresh) l.cells.resize(m_cols.size());
  m_rows.insert(m_rows.begin() + nRow, std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
  if (m_bHasCurrent && m_nCurRow >= nRow) m_nCurRow += nCount;
  return TRUE;
}

BOOL CGXGridWnd::RemoveRows(ROWCOL nFrom, ROWCOL nTo, UINT) {
  if (nFrom < 1 || nTo < nFrom || nTo > GetRowCount()) return FALSE;
  m_rows.erase(m_rows.begin() + nFrom, m_rows.begin() + nTo + 1);
  MoveCurrentAfterRemove(nFrom, nTo);
  m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(),
                                   [&](const CGXRange& r) { return !r.IsCols() && !r.IsTable() && r.bottom > GetRowCount(); }),
                    m_selection.end());
  return TRUE;
}

void CGXGridWnd::MoveCurrentAfterRemove(ROWCOL nFrom, ROWCOL nTo) {
  if (!m_bHasCurrent || m_nCurRow < nFrom) return;
  if (m_nCurRow > nTo) {
    m_nCurRow -= nTo - nFrom + 1;
    return;
  }
  m_bEditing = FALSE;
  m_bHasCurrent = FALSE;
}

BOOL CGXGridWnd::InsertCols(ROWCOL nCol, ROWCOL nCount, UINT) {
  if (nCol < 1 || nCol > GetColCount() + 1 || nCount == 0) return FALSE;
  for (Line& r : m_rows) {
    std::vector<Cell> fresh(nCount);
    r.cells.insert(r.cells.begin() + nCol, std::make_move_iterator(fresh.begin()), std::make_move_iterator(fresh.end()));
  }
  std::vector<Line> fresh(nCount);
  m_cols.insert(m_cols.begin() + nCol, std::make_move_iterator(fresh.begin()),
                std::make_move_iterator(fresh.end()));
  if (m_bHasCurrent && m_nCurCol >= nCol) m_nCurCol += nCount;
  return TRUE;
}

BOOL CGXGridWnd::RemoveCols(ROWCOL nFrom, ROWCOL nTo, UINT) {
  if (nFrom < 1 || nTo < nFrom || nTo > GetColCount()) return FALSE;
  for (Line& r : m_rows) r.cells.erase(r.cells.begin() + nFrom, r.cells.begin() + nTo + 1);
  m_cols.erase(m_cols.begin() + nFrom, m_cols.begin() + nTo + 1);
  if (m_bHasCurrent && m_nCurCol >= nFrom) {
    if (m_nCurCol > nTo) m_nCurCol -= nTo - nFrom + 1;
    else m_bHasCurrent = m_bEditing = FALSE;
  }
  return TRUE;
}

BOOL CGXGridWnd::MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT) {
  if (nFrom < 1 || nTo < nFrom || nTo > GetRowCount() || nDest < 1 || nDest > GetRowCount() + 1) return FALSE;
  if (nDest >= nFrom && nDest <= nTo + 1) return TRUE;
  std::vector<Line> block(std::make_move_iterator(m_rows.begin() + nFrom),
                          std::make_move_iterator(m_rows.begin() + nTo + 1));
  m_rows.erase(m_rows.begin() + nFrom, m_rows.begin() + nTo + 1);
  ROWCOL at = nDest > nTo ? nDest - (nTo - nFrom + 1) : nDest;
  m_rows.insert(m_rows.begin() + at, std::make_move_iterator(block.begin()), std::make_move_iterator(block.end()));
  m_bHasCurrent = m_bEditing = FALSE;
  ClearSelection();
  return TRUE;
}

// ---- cells ----------------------------------------------------------------------------------

CGXGridWnd::Cell* CGXGridWnd::CellAt(ROWCOL r, ROWCOL c) {
  if (r >= m_rows.size() || c >= m_cols.size()) return nullptr;
  return &m_rows[r].cells[c];
}

const CGXGridWnd::Cell* CGXGridWnd::CellAt(ROWCOL r, ROWCOL c) const {
  if (r >= m_rows.size() || c >= m_cols.size()) return nullptr;
  return &m_rows[r].cells[c];
}

void CGXGridWnd::StoreText(ROWCOL r, ROWCOL c, const CString& text) {
  if (Cell* cell = CellAt(r, c)) cell->value = text;
}

BOOL CGXGridWnd::SetValueRange(const CGXRange& range, LPCTSTR text, UINT) {
  if (!range.IsValid()) return FALSE;
  CGXRange r = range.ExpandTo(GetRowCount(), GetColCount());
  CString s(text);
  for (ROWCOL i = r.top; i <= r.bottom && i <= GetRowCount(); ++i)
    for (ROWCOL j = r.left; j <= r.right && j <= GetColCount(); ++j) StoreText(i, j, s);
  return TRUE;
}

BOOL CGXGridWnd::SetValueRange(const CGXRange& range, double value, UINT flags) {
  CString s;
  s.Format("%.15g", value);
  if (!SetValueRange(range, (LPCTSTR)s, flags)) return FALSE;
  CGXRange r = range.ExpandTo(GetRowCount(), GetColCount());
  for (ROWCOL i = r.top; i <= r.bottom && i <= GetRowCount(); ++i)
    for (ROWCOL j = r.left; j <= r.right && j <= GetColCount(); ++j) SetNumericRowCol(i, j, TRUE);
  return TRUE;
}

CString CGXGridWnd::GetExpressionRowCol(ROWCOL r, ROWCOL c) const {
  const Cell* cell = CellAt(r, c);
  return cell ? cell->value : CString();
}

CString CGXGridWnd::GetValueRowCol(ROWCOL r, ROWCOL c) {
  CString s = GetExpressionRowCol(r, c);
  if (!m_param.IsEnableFormulaEngine() || !CGXFormula::IsFormula(s)) return s;
  double v = 0;
  if (CGXFormula::Calculate((LPCTSTR)s, v) != GX_FORMULA_OK) return "#ERROR";
  CString out;
  out.Format("%.15g", v);
  return out;
}

CString CGXGridWnd::GetFormattedText(ROWCOL r, ROWCOL c) {
  CGXStyle style;
  ComposeStyleRowCol(r, c, style);
  return style.FormatText(GetValueRowCol(r, c));
}

BOOL CGXGridWnd::IsNumericRowCol(ROWCOL r, ROWCOL c) const {
  const Cell* cell = CellAt(r, c);
  return cell && cell->numeric;
}

BOOL CGXGridWnd::SetNumericRowCol(ROWCOL r, ROWCOL c, BOOL b) {
  Cell* cell = CellAt(r, c);
  if (!cell) return FALSE;
  cell->numeric = b;
  return TRUE;
}

// ---- styles ---------------------------------------------------------------------------------

BOOL CGXGridWnd::SetStyleRange(const CGXRange& range, const CGXStyle& style, GXModifyType mt, UINT) {
  if (!range.IsValid()) return FALSE;
  auto apply = [&](std::unique_ptr<CGXStyle>& p) {
    if (!p) p = std::make_unique<CGXStyle>();
    p->ChangeStyle(style, mt);
  };
  if (range.IsTable()) {
    m_standard.ChangeStyle(style, mt);
    return TRUE;
  }
  if (range.IsRows()) {
    for (ROWCOL i = range.top; i <= range.bottom && i <= GetRowCount(); ++i) apply(m_rows[i].style);
    return TRUE;
  }
  if (range.IsCols()) {
    for (ROWCOL j = range.left; j <= range.right && j <= GetColCount(); ++j) apply(m_cols[j].style);
    return TRUE;
  }
  for (ROWCOL i = range.top; i <= range.bottom && i <= GetRowCount(); ++i)
    for (ROWCOL j = range.left; j <= range.right && j <= GetColCount(); ++j) {
      Cell* cell = CellAt(i, j);
      if (style.GetIncludeValue() && mt != gxExclude) {
        if (mt != gxApplyNew || cell->value.IsEmpty()) cell->value = style.GetValue();
      }
      CGXStyle rest = style;
      rest.SetIncludeValue(FALSE);
      if (!rest.IsEmpty() || mt == gxCopy) apply(cell->style);
    }
  return TRUE;
}

BOOL CGXGridWnd::GetStyleRowCol(ROWCOL r, ROWCOL c, CGXStyle& style, GXModifyType mt, int) {
  const Cell* cell = CellAt(r, c);
  if (!cell) return FALSE;
  CGXStyle own;
  if (cell->style) own = *cell->style;
  own.SetValue((LPCTSTR)cell->value);
  style.ChangeStyle(own, mt);
  return TRUE;
}

void CGXGridWnd::ComposeStyleRowCol(ROWCOL r, ROWCOL c, CGXStyle& style) {
  style = m_standard;
  if (r == 0) style.ChangeStyle(m_colHeader, gxOverride);
  else if (c == 0) style.ChangeStyle(m_rowHeader, gxOverride);
  if (c < m_cols.size() && m_cols[c].style) style.ChangeStyle(*m_cols[c].style, gxOverride);
  if (r < m_rows.size() && m_rows[r].style) style.ChangeStyle(*m_rows[r].style, gxOverride);
  CGXStyle cell;
  GetStyleRowCol(r, c, cell, gxCopy, 0);
  style.ChangeStyle(cell, gxOverride);
}

CGXStyle CGXGridWnd::GetRowStyle(ROWCOL r) const {
  return r < m_rows.size() && m_rows[r].style ? *m_rows[r].style : CGXStyle();
}

CGXStyle CGXGridWnd::GetColStyle(ROWCOL c) const {
  return c < m_cols.size() && m_cols[c].style ? *m_cols[c].style : CGXStyle();
}

BOOL CGXGridWnd::IsCellEditable(ROWCOL r, ROWCOL c) {
  CGXStyle s;
  ComposeStyleRowCol(r, c, s);
  return s.GetEnabled() && !s.GetReadOnly() && s.GetControl() != GX_IDS_CTRL_STATIC;
}

// ---- layout ---------------------------------------------------------------------------------

BOOL CGXGridWnd::HideRows(ROWCOL nFrom, ROWCOL nTo, BOOL bHide) {
  if (nTo < nFrom || nTo > GetRowCount()) return FALSE;
  for (ROWCOL i = nFrom; i <= nTo; ++i) m_rows[i].hidden = bHide;
  return TRUE;
}

BOOL CGXGridWnd::HideCols(ROWCOL nFrom, ROWCOL nTo, BOOL bHide) {
  if (nTo < nFrom || nTo > GetColCount()) return FALSE;
  for (ROWCOL j = nFrom; j <= nTo; ++j) m_cols[j].hidden = bHide;
  return TRUE;
}

BOOL CGXGridWnd::IsRowHidden(ROWCOL r) const { return r < m_rows.size() && m_rows[r].hidden; }
BOOL CGXGridWnd::IsColHidden(ROWCOL c) const { return c < m_cols.size() && m_cols[c].hidden; }

BOOL CGXGridWnd::SetColWidth(ROWCOL nFrom, ROWCOL nTo, int n) {
  if (nTo < nFrom || nTo > GetColCount()) return FALSE;
  for (ROWCOL j = nFrom; j <= nTo; ++j) m_cols[j].size = std::max(0, n);
  return TRUE;
}

int CGXGridWnd::GetColWidth(ROWCOL c) const {
  if (c >= m_cols.size()) return 0;
  return m_cols[c].size < 0 ? m_nDefaultColWidth : m_cols[c].size;
}

BOOL CGXGridWnd::SetRowHeight(ROWCOL nFrom, ROWCOL nTo, int n) {
  if (nTo < nFrom || nTo > GetRowCount()) return FALSE;
  for (ROWCOL i = nFrom; i <= nTo; ++i) m_rows[i].size = std::max(0, n);
  return TRUE;
}

int CGXGridWnd::GetRowHeight(ROWCOL r) const {
  if (r >= m_rows.size()) return 0;
  return m_rows[r].size < 0 ? m_nDefaultRowHeight : m_rows[r].size;
}

BOOL CGXGridWnd::SetCoveredCellsRowCol(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
  if (nBottom < nTop || nRight < nLeft) return FALSE;
  CGXRange r(nTop, nLeft, nBottom, nRight);
  // A new covering replaces the ones it overlaps.
  m_covered.erase(std::remove_if(m_covered.begin(), m_covered.end(),
                                 [&](const CGXRange& o) {
                                   return !(o.bottom < r.top || o.top > r.bottom || o.right < r.left || o.left > r.right);
                                 }),
                  m_covered.end());
  if (r.GetHeight() > 1 || r.GetWidth() > 1) m_covered.push_back(r);
  return TRUE;
}

BOOL CGXGridWnd::GetCoveredCellsRowCol(ROWCOL r, ROWCOL c, CGXRange& range) const {
  for (const CGXRange& o : m_covered)
    if (o.IsCellInRange(r, c)) {
      range = o;
      return TRUE;
    }
  return FALSE;
}

BOOL CGXGridWnd::IsCoveredNotTopLeft(ROWCOL r, ROWCOL c) const {
  CGXRange o;
  return GetCoveredCellsRowCol(r, c, o) && (o.top != r || o.left != c);
}

BOOL CGXGridWnd::SetFrozenRows(ROWCOL nFrozen, ROWCOL) {
  if (nFrozen > GetRowCount()) return FALSE;
  m_nFrozenRows = nFrozen;
  return TRUE;
}

// ---- drawing --------------------------------------------------------------------------------

BOOL CGXGridWnd::LockUpdate(BOOL bLock) {
  BOOL old = m_bLock;
  m_bLock = bLock;
  return old;
}

void CGXGridWnd::Redraw(UINT) {
  if (!m_bLock) ++m_nRedraws;
}

BOOL CGXGridWnd::RemoveRowSet(const std::vector<ROWCOL>& rows, UINT) {
  if (rows.empty()) return TRUE;
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] < 1 || rows[i] > GetRowCount() || (i && rows[i] <= rows[i - 1])) return FALSE;
  // One pass: each kept row moves up by the number of removed rows above it.
  size_t next = 0, out = 1;
  for (ROWCOL r = 1; r <= GetRowCount(); ++r) {
    if (next < rows.size() && rows[next] == r) {
      ++next;
      continue;
    }
    if (out != r) m_rows[out] = std::move(m_rows[r]);
    ++out;
  }
  m_rows.resize(out);
  if (m_bHasCurrent) {
    auto it = std::lower_bound(rows.begin(), rows.end(), m_nCurRow);
    if (it != rows.end() && *it == m_nCurRow) m_bHasCurrent = m_bEditing = FALSE;
    else m_nCurRow -= (ROWCOL)(it - rows.begin());
  }
  m_selection.erase(std::remove_if(m_selection.begin(), m_selection.end(),
                                   [&](const CGXRange& r) { return !r.IsCols() && !r.IsTable() && r.bottom > GetRowCount(); }),
                    m_selection.end());
  return TRUE;
}

BOOL CGXGridWnd::InsertRowSet(const std::vector<ROWCOL>& rows, UINT) {
  if (rows.empty()) return TRUE;
  const ROWCOL total = GetRowCount() + (ROWCOL)rows.size();
  for (size_t i = 0; i < rows.size(); ++i)
    if (rows[i] < 1 || rows[i] > total || (i && rows[i] <= rows[i - 1])) return FALSE;
  // One pass from the end: each old row moves down by the number of new rows above it.
  const size_t oldCount = m_rows.size();
  m_rows.resize(total + 1);
  size_t src = oldCount - 1;
  size_t k = rows.size();
  for (ROWCOL r = total; r >= 1; --r) {
    if (k > 0 && rows[k - 1] == r) {
      --k;
      m_rows[r] = Line();
      m_rows[r].cells.resize(m_cols.size());
      continue;
    }
    if (src != r) m_rows[r] = std::move(m_rows[src]);
    --src;
  }
  if (m_bHasCurrent) {
    // The current row's new number: its old number plus the new rows at or above it.
    ROWCOL cur = m_nCurRow;
    for (ROWCOL r : rows) {
      if (r > cur) break;
      ++cur;
    }
    m_nCurRow = cur;
  }
  return TRUE;
}
