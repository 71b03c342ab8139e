#include "db/CCobxThik.h"

#include "db/CClassThik.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CCobxThik, CCobxDBBase)

UINT CCobxThik::GetSelectedThik() const {
  UINT key = 0;
  return GetSelectedKey(key) ? key : 0;
}

void CCobxThik::FillItems(CDBDoc& doc, Items& items) {
  auto* thik = static_cast<CClassThik*>(doc.GetModelDB()->GetClass(CClassThik::m_nClassID));
  if (!thik) return;
  CUIntArray keys;
  CArray<T_THIK_D> recs;
  thik->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], recs[i].name);
}

BOOL CCobxThik::WatchesClass(UINT nClassID) const { return nClassID == CClassThik::m_nClassID; }
