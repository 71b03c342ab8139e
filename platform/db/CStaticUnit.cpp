#include "db/CStaticUnit.h"

#include "db/CUnitCtrl.h"
#include "db/DBUnitText.h"

IMPLEMENT_DYNAMIC(CStaticUnit, CStatic)

void CStaticUnit::SetStaticUnit(double dValue, const char* pszFormat) {
  m_dValue = dValue;
  m_bHasValue = TRUE;
  m_strFormat = pszFormat ? pszFormat : "";
  UpdateUnitText();
}

BOOL CStaticUnit::GetStaticValue(double& dValue) const {
  dValue = m_bHasValue ? m_dValue : 0.0;
  return m_bHasValue;
}

void CStaticUnit::UpdateUnitText() {
  if (!m_hWnd || !m_bHasValue) return;
  const double shown = DB_CurrentUnitCtrl().ConvertOut(m_nKind, m_dValue);
  SetWindowText(DB_FormatUnitValue(shown, m_strFormat.IsEmpty() ? nullptr : m_strFormat.c_str()));
}
