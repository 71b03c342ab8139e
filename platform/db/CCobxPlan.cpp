#include "db/CCobxPlan.h"

#include "db/CClassPlan.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CCobxPlan, CCobxDBBase)

void CCobxPlan::FillItems(CDBDoc& doc, Items& items) {
  auto* plan = static_cast<CClassPlan*>(doc.GetModelDB()->GetClass(CClassPlan::m_nClassID));
  if (!plan) return;
  CUIntArray keys;
  CArray<T_PLAN_D> recs;
  plan->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], recs[i].name);
}

BOOL CCobxPlan::WatchesClass(UINT nClassID) const { return nClassID == CClassPlan::m_nClassID; }
