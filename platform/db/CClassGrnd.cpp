#include "db/CClassGrnd.h"

#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/DB_CScopedChange.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassGrnd);
DB_REGISTER_TABLE(CClassMctl);

namespace {
CClassStor* Stories(DB_CDataBase* pDB) {
  return pDB ? static_cast<CClassStor*>(pDB->GetClass(CClassStor::m_nClassID)) : nullptr;
}
}  // namespace

BOOL CClassGrnd::CheckRecord(const T_GRND_D& rec) const {
  CClassStor* s = Stories(m_pDB);
  return rec.basementCount >= 0 && s && rec.basementCount <= s->GetCountWithoutBase(CClassMdul::MAIN_TOWER);
}

BOOL CClassGrnd::TR_Add_All(const T_GRND_D* pGrnd, const T_MCTL_D* pMctl) {
  if (!pGrnd || !pMctl || !CanWrite()) return FALSE;
  if (pMctl->releasedBasementStories < 0 || pMctl->releasedBasementStories > pGrnd->basementCount) return FALSE;
  auto* pCtl = static_cast<CClassMctl*>(m_pDB->GetClass(CClassMctl::m_nClassID));
  if (!pCtl) return FALSE;
  DB_CScopedChange change(m_pDB);
  return change.IsOpen() && TR_Add(*pGrnd) && pCtl->TR_Add(*pMctl) && change.Commit();
}

UINT CClassGrnd::GetReferenceStorK() const {
  T_GRND_D g;
  CClassStor* s = Stories(m_pDB);
  if (!Get(g) || g.basementCount <= 0 || !s) return 0;
  CUIntArray keys;
  s->GetKeyList(keys, CClassMdul::MAIN_TOWER);
  int i = 0;
  for (UINT k : keys) {
    if (s->IsBaseStor(k)) continue;
    if (++i == g.basementCount) return k;
  }
  return 0;
}

int CClassGrnd::GetStoryCountByReferenceStoryK(UINT storKey) const {
  CClassStor* s = Stories(m_pDB);
  if (!storKey || !s) return 0;
  CUIntArray keys;
  s->GetKeyList(keys, CClassMdul::MAIN_TOWER);
  int i = 0;
  for (UINT k : keys) {
    if (s->IsBaseStor(k)) {
      if (k == storKey) return 0;
      continue;
    }
    ++i;
    if (k == storKey) return i;
  }
  return 0;
}
