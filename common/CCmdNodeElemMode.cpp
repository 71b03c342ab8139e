#include "common/CCmdNodeElemMode.h"

#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "view/I_ModelBase.h"

int CCmdNodeElemMode::IsNodeElemMode() {
  if (CDBDoc::m_pDBDoc && CDBDoc::m_pDBDoc->IsPostMode()) return MODE_ANALYSIS;
  const I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  return view && view->IsADS3DViewMode() ? MODE_ANALYSIS : MODE_BUILDING;
}

DB_CDataBase* CCmdNodeElemMode::GetCurrentDB(int nMode) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc) return nullptr;
  if (nMode == MODE_BUILDING) return doc->GetMDBCtrl()->GetModelDB();
  return doc->IsPreMode() ? doc->GetMDBCtrl()->GetDBPre3D() : doc->GetMDBCtrl()->GetDBPost();
}
