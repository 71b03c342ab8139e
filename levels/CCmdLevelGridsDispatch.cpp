#include "levels/CCmdLevelGridsDispatch.h"

#include "db/CClassGrnd.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdPlanGrid.h"
#include "levels/CCmdStorGrid.h"

void CCmdLevelGridsDispatch::SetGrids(CCmdStorGrid* pStor, CCmdPlanGrid* pPlan, CCmdMdulGrid2* pMdul,
                                      std::function<void()> afterTowers) {
  m_dispatch.RemoveAll();
  m_bGrids = pStor && pPlan && pMdul;
  if (!m_bGrids) return;
  m_dispatch.AddMirror({CClassStor::m_nClassID, CClassGrnd::m_nClassID, CClassPlan::m_nClassID, CClassMdul::m_nClassID},
                       pStor);
  m_dispatch.AddMirror({CClassPlan::m_nClassID}, pPlan);
  m_dispatch.AddMirror({CClassMdul::m_nClassID}, pMdul, std::move(afterTowers));
}

int CCmdLevelGridsDispatch::OnDBUpdate(const DB_CDataBase& db) { return m_bGrids ? m_dispatch.Dispatch(db) : 0; }
