#include "view/CEditMatl.h"

#include "db/CClassMatl.h"
#include "db/CCobxMatl.h"
#include "db/CDBDoc.h"
#include "db/DBUnitText.h"

IMPLEMENT_DYNAMIC(CEditMatl, CEditAttrPick)

BEGIN_MESSAGE_MAP(CEditMatl, CEditAttrPick)
  ON_CONTROL_REFLECT_EX(EN_CHANGE, &CEditMatl::OnChange)
END_MESSAGE_MAP()

void CEditMatl::SetEditBoxText(UINT matlKey) {
  CString s;
  if (matlKey) s.Format("%u", matlKey);
  SetWindowText(s);
}

BOOL CEditMatl::GetKey(UINT& matlKey) const {
  if (!m_hWnd || !CDBDoc::m_pDBDoc) return FALSE;
  auto* matl = static_cast<CClassMatl*>(
      CDBDoc::m_pDBDoc->GetModelDB()->GetClass(CClassMatl::m_nClassID));
  if (!matl) return FALSE;
  CString text;
  GetWindowText(text);
  text.Trim();
  int n = 0;
  UINT key = 0;
  if (DB_ParseInt(text, n)) key = n > 0 && matl->Exist((UINT)n) ? (UINT)n : 0;
  else if (!text.IsEmpty()) key = matl->GetKey(text);
  if (!key) return FALSE;
  if (m_pCombo && m_pCombo->m_hWnd && m_pCombo->FindKey(key) == CB_ERR) return FALSE;
  matlKey = key;
  return TRUE;
}

BOOL CEditMatl::OnChange(UINT) {
  if (m_pCombo && m_pCombo->m_hWnd) {
    UINT key = 0;
    CString text;
    GetWindowText(text);
    text.Trim();
    if (GetKey(key)) m_pCombo->ChangeSelect(key);
    else if (text.IsEmpty()) m_pCombo->ChangeSelect(0);  // "None" when listed
    else m_pCombo->SetCurSel(-1);
  }
  return FALSE;  // the dialog hears it too
}
