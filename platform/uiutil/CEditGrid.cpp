#include "uiutil/CEditGrid.h"

#include <cerrno>
#include <cmath>
#include <cstdlib>
#include "afx/AfxNumber.h"
#include "grid/GXFormula.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CEditGrid, CTBGrid)

namespace {
// A real number in text (blanks around allowed) or a formula with a finite value.
BOOL ReadDouble(const CString& text, double& v) {
  CString s = text;
  s.Trim();
  if (CGXFormula::IsFormula(s)) return CGXFormula::Calculate((LPCTSTR)s, v) == GX_FORMULA_OK;
  if (s.IsEmpty() || s.SpanIncluding("0123456789+-.eE").GetLength() != s.GetLength()) return FALSE;
  char* end = nullptr;
  double d = AfxStrToDouble(s.c_str(), &end);
  if (*end != '\0' || !std::isfinite(d)) return FALSE;
  v = d;
  return TRUE;
}
}  // namespace

void CEditGrid::SetTable(ROWCOL nRows, const CStringArray& titles) {
  if (!IsInitialized()) Initialize();
  SetColCount((ROWCOL)titles.GetSize());
  SetRowCount(nRows);
  for (INT_PTR i = 0; i < titles.GetSize(); ++i) SetValueRange(CGXRange(0, (ROWCOL)i + 1), titles[i]);
  m_numeric.assign(titles.GetSize() + 1, FALSE);
}

void CEditGrid::SetColNumeric(ROWCOL nCol, BOOL b) {
  if (m_numeric.size() <= nCol) m_numeric.resize(nCol + 1, FALSE);
  m_numeric[nCol] = b;
}

BOOL CEditGrid::IsColNumeric(ROWCOL nCol) const { return nCol < m_numeric.size() && m_numeric[nCol]; }

BOOL CEditGrid::GetCellDouble(ROWCOL nRow, ROWCOL nCol, double& value) {
  return ReadDouble(GetValueRowCol(nRow, nCol), value);
}

BOOL CEditGrid::OnValidateCell(ROWCOL, ROWCOL nCol) {
  if (!IsColNumeric(nCol) || GetEditText().IsEmpty()) return TRUE;
  double v = 0;
  if (ReadDouble(GetEditText(), v)) return TRUE;
  SetWarningText(CMsgDll::pfuncLoadStr("IDS_UIUTIL_EDITGRID_NUMBER", 0));
  return FALSE;
}

BOOL CEditGrid::OnEndEditing(ROWCOL nRow, ROWCOL nCol) {
  double v = 0;
  if (IsColNumeric(nCol) && CGXFormula::IsFormula(GetExpressionRowCol(nRow, nCol)) &&
      ReadDouble(GetExpressionRowCol(nRow, nCol), v))
    SetValueRange(CGXRange(nRow, nCol), v);
  return TRUE;
}
