#include "db/CCobxMdul.h"

#include "db/CClassMdul.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CCobxMdul, CCobxDBBase)

void CCobxMdul::FillItems(CDBDoc& doc, Items& items) {
  auto* mdul = static_cast<CClassMdul*>(doc.GetModelDB()->GetClass(CClassMdul::m_nClassID));
  if (!mdul) return;
  CUIntArray keys;
  CArray<T_MDUL_D> recs;
  mdul->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], recs[i].name);
}

BOOL CCobxMdul::WatchesClass(UINT nClassID) const { return nClassID == CClassMdul::m_nClassID; }
