#include "db/CClassPlan.h"

#include "db/CClassMbld.h"
#include "db/CClassStor.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPlan);

namespace {
void KeepAllButNameAndSlab(const T_PLAN_D& stored, T_PLAN_D& rec) {
  T_PLAN_D r = stored;
  r.name = rec.name;
  r.slabType = rec.slabType;
  rec = r;
}
}  // namespace

UINT CClassPlan::GetCurPlan() const {
  if (!m_pDB) return 0;
  UINT k = m_pDB->GetCurPlanKey();
  return Exist(k) ? k : 0;
}

BOOL CClassPlan::SetCurPlan(UINT key) {
  if (!m_pDB || !Exist(key)) return FALSE;
  m_pDB->SetCurPlanKey(key);
  return TRUE;
}

BOOL CClassPlan::TR_ModifySlabType(const CString& oldName, const T_PLAN_D& rec) {
  return ModifyByNames({oldName}, {rec}, &KeepAllButNameAndSlab);
}

BOOL CClassPlan::TR_ModifySlabType(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs) {
  if (oldNames.GetSize() != recs.GetSize()) return FALSE;
  return ModifyByNames(oldNames.vec(), recs.vec(), &KeepAllButNameAndSlab);
}

void CClassPlan::DeleteDependants(const std::vector<UINT>& keys) {
  auto* pStor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  if (pStor) pStor->ClearPlans(keys);
  if (auto* pMbld = static_cast<CClassMbld*>(m_pDB->GetClass(CClassMbld::m_nClassID))) pMbld->EraseOfPlans(keys);
}
