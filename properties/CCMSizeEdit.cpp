#include "properties/CCMSizeEdit.h"

#include <cstdlib>

#include "db/CUnitCtrl.h"
#include "db/DBUnitText.h"

CString CCMSizeEdit::FormatValue(int nKind, double dValue) {
  CString s;
  s.Format("%g", DB_CurrentUnitCtrl().ConvertOut(nKind, dValue));
  return s;
}

void CCMSizeEdit::SetEditUnit(double dValue) { SetWindowText(FormatValue(m_nKind, dValue)); }

BOOL CCMSizeEdit::GetEditValue(double& dValue) const {
  CString text;
  GetWindowText(text);
  double v = 0.0;
  if (!DB_ParseReal(text, v)) {
    dValue = 0.0;
    return FALSE;
  }
  dValue = DB_CurrentUnitCtrl().ConvertIn(m_nKind, v);
  return TRUE;
}

void CCMSizeEdit::SetSizeList(const CStringArray& internalTexts) {
  m_sizeList.Copy(internalTexts);
  CStringArray shown;
  for (INT_PTR i = 0; i < internalTexts.GetSize(); ++i)
    shown.Add(FormatValue(m_nKind, std::atof(internalTexts[i])));
  SetList(shown);
}
