#include "db/CClassMdul.h"

#include "db/CClassStor.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassMdul);

BOOL CClassMdul::CheckDelete(const std::vector<UINT>& keys) const {
  for (UINT k : keys)
    if (k == MAIN_TOWER) return FALSE;
  // A tower whose stories hold points or members stays.
  auto* pStor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  CUIntArray stories;
  for (UINT k : keys) {
    if (pStor) pStor->GetKeyList(stories, k);
    for (UINT s : stories)
      if (m_pDB->IsInUse(CClassStor::m_nClassID, s)) return FALSE;
  }
  return TRUE;
}

// The main tower stands in every model.
BOOL CClassMdul::CheckTable(UINT& badKey) const {
  if (Exist(MAIN_TOWER)) return TRUE;
  badKey = MAIN_TOWER;
  return FALSE;
}

void CClassMdul::DeleteDependants(const std::vector<UINT>& keys) {
  auto* pStor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  if (pStor) pStor->DeleteOfTowers(keys);
}
