#include "db/CTextUnit.h"

#include "db/CUnitCtrl.h"
#include "db/DBUnitText.h"

IMPLEMENT_DYNAMIC(CTextUnit, CStatic)

void CTextUnit::SetUnitType(int nKind) {
  m_nKind = nKind;
  m_bKindSet = TRUE;
  UpdateUnitText();
}

void CTextUnit::UpdateUnitText() {
  if (m_hWnd && m_bKindSet) SetWindowText(DB_CurrentUnitCtrl().GetUnitName(m_nKind));
}

// A kind set before the window was attached shows once it is.
void CTextUnit::PreSubclassWindow() {
  CStatic::PreSubclassWindow();
  UpdateUnitText();
}
