#include "levels/CCmdLevelGridsDispatch.h"

#include "db/CClassGrnd.h"
#include "db/CDBDoc.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdPlanGrid.h"
#include "levels/CCmdStorGrid.h"

void CCmdLevelGridsDispatch::SetGrids(CCmdStorGrid* pStor, CCmdPlanGrid* pPlan, CCmdMdulGrid2* pMdul,
                                      std::function<void()> afterTowers) {
  m_pStor = pStor;
  m_pPlan = pPlan;
  m_pMdul = pMdul;
  m_dispatch.RemoveAll();
  if (!pStor || !pPlan || !pMdul) return;
  m_dispatch.AddMirror({CClassStor::m_nClassID, CClassGrnd::m_nClassID, CClassPlan::m_nClassID, CClassMdul::m_nClassID},
                       [pStor](CObject* h) { pStor->UpdateBuffer(h); });
  m_dispatch.AddMirror({CClassPlan::m_nClassID}, [pPlan](CObject* h) { pPlan->UpdateBuffer(h); });
  m_dispatch.AddMirror({CClassMdul::m_nClassID}, [pMdul, afterTowers](CObject* h) {
    pMdul->UpdateBuffer(h);
    if (afterTowers) afterTowers();
  });
}

int CCmdLevelGridsDispatch::OnUpdate(LPARAM lHint, CObject* pHint) {
  if (lHint != 3) return 0;
  return UpdateBuffer(pHint);
}

int CCmdLevelGridsDispatch::UpdateBuffer(CObject* pHint) {
  if (!m_pStor || !m_pPlan || !m_pMdul || !CDBDoc::m_pDBDoc) return 0;
  return m_dispatch.Dispatch(CDBDoc::m_pDBDoc->GetModelDB(), pHint);
}
