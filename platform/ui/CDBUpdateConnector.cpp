#include "ui/CDBUpdateConnector.h"

#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"

BOOL CDBUpdateConnector::Connect(CDBDoc* pDoc) {
  if (!pDoc) pDoc = CDBDoc::m_pDBDoc;
  if (!pDoc) return FALSE;
  return ConnectDB(pDoc->GetModelDB());
}

void CDBUpdateConnector::OnUpdate(CView*, LPARAM lHint, CObject* pHint) {
  const DB_CDataBase* db = GetConnectedDB();
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (lHint == DB_HINT_DATA_CHANGED && hint && db && hint->m_nDBID == db->GetID() && db->HasUpdateRecords())
    OnDBUpdate(*db);
  else
    OnHint(lHint, pHint);
}

void CDBUpdateConnector::OnDBUpdate(const DB_CDataBase&) {}

void CDBUpdateConnector::OnHint(LPARAM, CObject*) {}
