#include "db/CEditPlan.h"

#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"

IMPLEMENT_DYNAMIC(CEditPlan, CEdit)

void CEditPlan::SetSelectedKeyList(const CUIntArray& keys) {
  m_keys.RemoveAll();
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_keys.Add(keys[i]);
  ShowKeys();
}

void CEditPlan::GetSelectedKeyList(CUIntArray& keys) const {
  keys.RemoveAll();
  for (INT_PTR i = 0; i < m_keys.GetSize(); ++i) keys.Add(m_keys[i]);
}

void CEditPlan::PreSubclassWindow() {
  CEdit::PreSubclassWindow();
  ShowKeys();
}

void CEditPlan::ShowKeys() {
  if (!GetSafeHwnd()) return;
  CClassPlan plan;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  const bool connected = db && plan.ConnectToDB(db);
  CString text;
  for (INT_PTR i = 0; i < m_keys.GetSize(); ++i) {
    T_PLAN_D rec;
    CString name;
    if (connected && plan.Get(m_keys[i], rec)) name = rec.name;
    else name.Format("%u", m_keys[i]);
    if (i) text += ",";
    text += name;
  }
  SetWindowText(text);
}
