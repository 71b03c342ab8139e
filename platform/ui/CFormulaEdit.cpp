#include "ui/CFormulaEdit.h"

#include "grid/GXFormula.h"

IMPLEMENT_DYNAMIC(CFormulaEdit, CEdit)

BEGIN_MESSAGE_MAP(CFormulaEdit, CEdit)
  ON_WM_KILLFOCUS()
END_MESSAGE_MAP()

BOOL CFormulaEdit::ShowValue() {
  if (!m_hWnd) return FALSE;
  CString text;
  GetWindowText(text);
  double value = 0.0;
  if (CGXFormula::Calculate(text.c_str(), value) != GX_FORMULA_OK) return FALSE;
  CString shown;
  shown.Format("%.15g", value);
  if (shown != text) SetWindowText(shown);
  return TRUE;
}

void CFormulaEdit::OnKillFocus(CWnd* pNewWnd) {
  CEdit::OnKillFocus(pNewWnd);
  ShowValue();
}
