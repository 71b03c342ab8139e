#include "frame/CCmdDynModule.h"

#include "db/CDBDoc.h"

namespace {
const CUnitCtrl* CurrentUnits() {
  return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr;
}
}  // namespace

void CmdCopyDasb(CDataDasb& to, const CDataDasb& from) {
  to.m_nKey = from.m_nKey;
  to.m_Data = from.m_Data;
}

CCmdDynModule::CCmdDynModule() : m_pDasb(new CDataDasb()) {
  m_pDasb->Initialize();
  if (const CUnitCtrl* unit = CurrentUnits()) m_pDasb->ConvertUnitIn(unit);
}

CCmdDynModule::~CCmdDynModule() {
  delete m_pDasb;
  m_pDasb = nullptr;
}

void CCmdDynModule::GetDasb(CDataDasb* pDasb) const {
  if (!pDasb) return;
  CmdCopyDasb(*pDasb, *m_pDasb);
  if (const CUnitCtrl* unit = CurrentUnits()) pDasb->ConvertUnitOut(unit);
}

void CCmdDynModule::SetDasb(const CDataDasb* pDasb) {
  if (!pDasb) return;
  CmdCopyDasb(*m_pDasb, *pDasb);
  if (const CUnitCtrl* unit = CurrentUnits()) m_pDasb->ConvertUnitIn(unit);
}

CCmdDynModule* GetCmdDynModule() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc) return nullptr;
  CDynModuleMgr* mgr = doc->GetDynModuleMgr();
  if (!mgr) return nullptr;
  if (CDynModule* m = mgr->GetDynModule(CCmdDynModule::KEY)) return static_cast<CCmdDynModule*>(m);
  auto* m = new CCmdDynModule();
  mgr->AddDynModule(CCmdDynModule::KEY, m);
  return m;
}
