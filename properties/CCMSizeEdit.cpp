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
  return DB_ReadUnitValue(text, m_nKind, dValue);
}

void CCMSizeEdit::SetSizeList(const CStringArray& internalTexts) {
  m_sizeList.Copy(internalTexts);
  CStringArray shown;
  for (INT_PTR i = 0; i < internalTexts.GetSize(); ++i)
    shown.Add(FormatValue(m_nKind, std::atof(internalTexts[i])));
  SetList(shown);
}
