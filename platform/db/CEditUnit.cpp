#include "db/CEditUnit.h"

#include "db/CUnitCtrl.h"
#include "db/DBUnitText.h"

IMPLEMENT_DYNAMIC(CEditUnit, CEdit)

void CEditUnit::SetEditUnit(double dValue, const char* pszFormat) {
  m_strShown = DB_FormatUnitValue(DB_CurrentUnitCtrl().ConvertOut(m_nKind, dValue), pszFormat);
  m_strShownUnit = DB_CurrentUnitCtrl().GetUnitName(m_nKind);
  m_dShown = dValue;
  m_bShown = TRUE;
  SetWindowText(m_strShown);
}

BOOL CEditUnit::GetShownValue(double& dValue) const {
  CString text;
  GetWindowText(text);
  if (m_bShown && text == m_strShown && DB_CurrentUnitCtrl().GetUnitName(m_nKind) == m_strShownUnit) {
    dValue = m_dShown;
    return TRUE;
  }
  return GetEditValue(dValue);
}

void CEditUnit::SetEditUnit(int nValue) {
  CString s;
  s.Format("%d", nValue);
  SetWindowText(s);
}

void CEditUnit::SetEditUnit(UINT nValue) {
  CString s;
  s.Format("%u", nValue);
  SetWindowText(s);
}

BOOL CEditUnit::GetEditValue(double& dValue) const {
  CString text;
  GetWindowText(text);
  return DB_ReadUnitValue(text, m_nKind, dValue);
}

BOOL CEditUnit::GetEditValue(int& nValue) const {
  CString text;
  GetWindowText(text);
  int v = 0;
  BOOL ok = DB_ParseInt(text, v);
  nValue = ok ? v : 0;
  return ok;
}

BOOL CEditUnit::GetEditValue(UINT& nValue) const {
  int v = 0;
  BOOL ok = GetEditValue(v) && v >= 0;
  nValue = ok ? (UINT)v : 0u;
  return ok;
}
