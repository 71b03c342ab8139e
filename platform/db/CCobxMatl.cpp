#include "db/CCobxMatl.h"

#include "db/CClassMatl.h"
#include "db/CDBDoc.h"
#include "afx/CEdit.h"

IMPLEMENT_DYNAMIC(CCobxMatl, CCobxDBBase)

BEGIN_MESSAGE_MAP(CCobxMatl, CCobxDBBase)
  ON_CONTROL_REFLECT_EX(CBN_SELCHANGE, &CCobxMatl::OnSelChange)
END_MESSAGE_MAP()

void CCobxMatl::SetMatlType(LPCTSTR pszType) {
  m_strType = pszType ? pszType : "";
  Refill();
}

void CCobxMatl::EnableUndefined(BOOL bEnable) {
  m_bUndefined = bEnable;
  Refill();
}

void CCobxMatl::FillItems(CDBDoc& doc, Items& items) {
  if (m_bUndefined) items.emplace_back(0u, CString("None"));
  auto* matl = static_cast<CClassMatl*>(doc.GetModelDB()->GetClass(CClassMatl::m_nClassID));
  if (!matl) return;
  CUIntArray keys;
  CArray<T_MATL_D> recs;
  matl->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i)
    if (m_strType.IsEmpty() || recs[i].type == m_strType) items.emplace_back(keys[i], recs[i].name);
}

BOOL CCobxMatl::WatchesClass(UINT nClassID) const { return nClassID == CClassMatl::m_nClassID; }

BOOL CCobxMatl::OnSelChange(UINT) {
  UINT key = 0;
  if (m_pEdit && m_pEdit->m_hWnd && GetSelectedMatl(key)) {
    CString text;
    if (key) text.Format("%u", key);
    m_pEdit->SetWindowText(text);
  }
  return FALSE;  // the dialog hears it too
}
