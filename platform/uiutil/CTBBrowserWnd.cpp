#include "uiutil/CTBBrowserWnd.h"

#include <algorithm>
#include <cerrno>
#include <cmath>
#include <cstdlib>
#include "grid/GXFormula.h"
#include "afx/AfxMessageBox.h"
#include "afx/AfxNumber.h"
#include "ui/CMsgDll.h"
#include "uiutil/TBNumberCheck.h"

IMPLEMENT_DYNAMIC(CTBBrowserWnd, CTBGrid)

void CTBBrowserWnd::EnableAppendRow(BOOL b) {
  m_bAppendRow = b;
  if (GetRowCount() > 0) HideRows(GetAppendRowNo(), GetAppendRowNo(), !b);
}

CString CTBBrowserWnd::GetValueRowCol(ROWCOL nRow, ROWCOL nCol) {
  if (IsEditing() && IsCurrentCell(nRow, nCol)) return GetEditText();
  return CTBGrid::GetValueRowCol(nRow, nCol);
}

CString CTBBrowserWnd::GetValueRowColBeforeEdit(ROWCOL nRow, ROWCOL nCol) {
  if (nRow == m_nPendingRow && nRow != 0 && nCol < m_pending.size()) return m_pending[nCol];
  return CTBGrid::GetValueRowCol(nRow, nCol);
}

void CTBBrowserWnd::BeginRowEdit(ROWCOL nRow, BOOL bNew) {
  if (m_nPendingRow == nRow) return;
  if (m_nPendingRow) RevertPendingRow();
  if (bNew) {
    InsertRows(nRow + 1, 1);
    HideRows(nRow + 1, nRow + 1, !m_bAppendRow);
  }
  m_bPendingNew = bNew;
  m_nPendingRow = nRow;
  m_pending.assign(GetColCount() + 1, CString());
  for (ROWCOL c = 1; c <= GetColCount(); ++c) m_pending[c] = GetExpressionRowCol(nRow, c);
}

void CTBBrowserWnd::RevertPendingRow() {
  if (!m_nPendingRow) return;
  ROWCOL r = m_nPendingRow;
  if (IsEditing()) CancelEditing();
  if (m_bPendingNew) {
    EndRowEdit();
    RemoveRows(r, r);
    return;
  }
  for (ROWCOL c = 1; c < m_pending.size() && c <= GetColCount() && r <= GetRowCount(); ++c)
    SetValueRange(CGXRange(r, c), (LPCTSTR)m_pending[c]);
  EndRowEdit();
}

BOOL CTBBrowserWnd::ConvertFormulaToValue(CString& text) {
  if (!CGXFormula::IsFormula(text)) return TRUE;
  double v = 0;
  GXFormulaCode code = CGXFormula::Calculate((LPCTSTR)text, v);
  if (code != GX_FORMULA_OK) {
    SetWarningText(CMsgDll::pfuncLoadStr(CGXFormula::MessageKey(code), 0));
    return FALSE;
  }
  text.Format("%.15g", v);
  return TRUE;
}

BOOL CTBBrowserWnd::IsValidDoubleNumber(LPCTSTR text, int& reason) {
  CString s(text);
  s.Trim();
  if (CGXFormula::IsFormula(s)) {
    double v = 0;
    if (CGXFormula::Calculate((LPCTSTR)s, v) != GX_FORMULA_OK) {
      reason = 1;
      return FALSE;
    }
    reason = 0;
    return TRUE;
  }
  if (s.IsEmpty()) {
    reason = 2;
    return FALSE;
  }
  // Only the characters of a decimal number (strtod would also read "inf", "nan", hex).
  if (s.SpanIncluding("0123456789+-.eE").GetLength() != s.GetLength()) {
    reason = 2;
    return FALSE;
  }
  char* end = nullptr;
  double v = AfxStrToDouble(s.c_str(), &end);
  if (end == s.c_str() || *end != '\0') {
    reason = 2;
    return FALSE;
  }
  if (!std::isfinite(v) || (errno == ERANGE && std::fabs(v) == HUGE_VAL)) {
    reason = 3;
    return FALSE;
  }
  reason = 0;
  return TRUE;
}

BOOL CTBBrowserWnd::InsertRecord(ROWCOL nRow) {
  if (nRow < 1 || nRow > GetRowCount() + 1) return FALSE;
  if (m_nPendingRow >= nRow) ++m_nPendingRow;
  return InsertRows(nRow, 1);
}

BOOL CTBBrowserWnd::DeleteRecord(ROWCOL nRow) {
  if (nRow < 1 || nRow > GetRowCount()) return FALSE;
  if (m_nPendingRow == nRow) EndRowEdit();
  else if (m_nPendingRow > nRow) --m_nPendingRow;
  return RemoveRows(nRow, nRow);
}

BOOL CTBBrowserWnd::InsertRecords(const std::vector<ROWCOL>& rows) {
  if (!InsertRowSet(rows)) return FALSE;
  if (!m_nPendingRow) return TRUE;
  for (ROWCOL r : rows) {
    if (r > m_nPendingRow) break;
    ++m_nPendingRow;
  }
  return TRUE;
}

BOOL CTBBrowserWnd::DeleteRecords(const std::vector<ROWCOL>& rows) {
  const ROWCOL pending = m_nPendingRow;
  if (!RemoveRowSet(rows)) return FALSE;
  if (!pending) return TRUE;
  auto it = std::lower_bound(rows.begin(), rows.end(), pending);
  if (it != rows.end() && *it == pending) EndRowEdit();
  else m_nPendingRow = pending - (ROWCOL)(it - rows.begin());
  return TRUE;
}

BOOL CTBBrowserWnd::IsValidLongNumber(LPCTSTR text, int& code) {
  return TBCheckLong(CString(text), code, [this](CString& t) { return (int)ConvertFormulaToValue(t); });
}

namespace {
int ShowCodeMessage(const char* const* keys, int count, int code) {
  if (code >= 1 && code < count) AfxMessageBox(CMsgDll::pfuncLoadStr(keys[code], 0));
  return 0;
}
}  // namespace

int CTBBrowserWnd::InvalidLongNumber(int code) {
  static const char* const keys[] = {nullptr, "IDS_TB_ERROR_FORMULA_INVALID", "IDS_TB_ERROR_REQUIRE_INTEGER",
                                     "IDS_TB_ERROR_OUT_OF_RANGE", "IDS_TB_ERROR_REQUIRE_INTEGER"};
  return ShowCodeMessage(keys, 5, code);
}

int CTBBrowserWnd::InvalidDoubleNumber(int code) {
  static const char* const keys[] = {nullptr, "IDS_TB_ERROR_FORMULA_INVALID", "IDS_TB_ERROR_CHARACTER_EXIST",
                                     "IDS_TB_ERROR_OUT_OF_RANGE"};
  return ShowCodeMessage(keys, 4, code);
}

BOOL CTBBrowserWnd::OnTerminate(int) {
  if (!IsEditing()) return TRUE;
  return EndEditing();
}
