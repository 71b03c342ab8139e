#include "db/CCobxStor.h"

#include <algorithm>
#include <set>

#include "db/CClassGrnd.h"
#include "db/CClassMemb.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CCobxStor, CCobxDBBase)

void CCobxStor::SetBasementStorOnly(BOOL bOnly) { m_bBasementOnly = bOnly; Refill(); }
void CCobxStor::IncludePlanName(BOOL bInclude) { m_bPlanName = bInclude; Refill(); }
void CCobxStor::ExceptBaseStory(BOOL bExcept) { m_bExceptBase = bExcept; Refill(); }
void CCobxStor::ExceptEmptyStory(BOOL bExcept, int) { m_bExceptEmpty = bExcept; Refill(); }
void CCobxStor::SortByModule(BOOL bSort, UINT nMdulKey) {
  m_bSortByModule = bSort;
  m_nMdulKey = bSort ? nMdulKey : 0;
  Refill();
}
void CCobxStor::SetReverseOrder(BOOL bReverse) { m_bReverse = bReverse; Refill(); }

void CCobxStor::FillItems(CDBDoc& doc, Items& items) {
  DB_CDataBase* db = doc.GetModelDB();
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  auto* mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  auto* plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
  auto* grnd = static_cast<CClassGrnd*>(db->GetClass(CClassGrnd::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  if (!stor || !mdul) return;
  // Empty stories go only while the model has members.
  const BOOL exceptEmpty = m_bExceptEmpty && memb && memb->GetCount() > 0;

  // The keys, in the order asked for.
  std::vector<UINT> keys;
  if (m_bBasementOnly) {
    T_GRND_D g;
    int n = grnd && grnd->Get(g) ? g.basementCount : 0;
    CUIntArray all;
    stor->GetKeyList(all, CClassMdul::MAIN_TOWER);
    for (UINT k : all) {
      if ((int)keys.size() >= n) break;
      if (!stor->IsBaseStor(k)) keys.push_back(k);
    }
    std::reverse(keys.begin(), keys.end());
  } else if (m_bSortByModule) {
    CUIntArray towers;
    mdul->GetKeyList(towers);
    for (UINT t : towers) {
      if (m_nMdulKey && t != m_nMdulKey) continue;
      CUIntArray ks;
      if (m_bReverse) stor->GetKeyListReverse(ks, t);
      else stor->GetKeyList(ks, t);
      keys.insert(keys.end(), ks.begin(), ks.end());
    }
  } else {
    CUIntArray ks;
    stor->GetKeyList(ks);
    keys.assign(ks.begin(), ks.end());
    if (m_bReverse) std::reverse(keys.begin(), keys.end());
  }

  std::vector<T_STOR_D> recs;
  std::set<UINT> towersListed;
  for (UINT k : keys) {
    T_STOR_D s;
    if (!stor->Get(k, s) || (m_bExceptBase && stor->IsBaseStor(k))) continue;
    if (exceptEmpty && memb->GetCountOfStory(k) == 0) continue;
    recs.push_back(s);
    towersListed.insert(s.mdulKey);
  }
  for (const T_STOR_D& s : recs) {
    CString text;
    T_MDUL_D t;
    if (towersListed.size() > 1 && s.mdulKey != CClassMdul::MAIN_TOWER && mdul->Get(s.mdulKey, t))
      text = t.name + ":";
    text += s.name;
    T_PLAN_D p;
    if (m_bPlanName && plan && s.planKey && plan->Get(s.planKey, p)) text += " (" + p.name + ")";
    items.emplace_back(s.key, text);
  }
}

BOOL CCobxStor::WatchesClass(UINT nClassID) const {
  return nClassID == CClassStor::m_nClassID || nClassID == CClassMdul::m_nClassID ||
         nClassID == CClassPlan::m_nClassID || nClassID == CClassGrnd::m_nClassID ||
         (m_bExceptEmpty && nClassID == CClassMemb::m_nClassID);
}
