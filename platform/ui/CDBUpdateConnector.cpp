#include "ui/CDBUpdateConnector.h"

#include "db/CDBDoc.h"

BOOL CDBUpdateConnector::Connect(CDBDoc* pDoc) {
  if (!pDoc) pDoc = CDBDoc::m_pDBDoc;
  if (!pDoc) return FALSE;
  return ConnectDB(pDoc->GetModelDB());
}

void CDBUpdateConnector::OnUpdate(CView*, LPARAM, CObject*) {}
