#include "db/CCobxSect.h"

#include "db/CClassSect.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CCobxSect, CCobxDBBase)

UINT CCobxSect::GetSelectedSect() const {
  UINT key = 0;
  return GetSelectedKey(key) ? key : 0;
}

void CCobxSect::FillItems(CDBDoc& doc, Items& items) {
  auto* sect = static_cast<CClassSect*>(doc.GetModelDB()->GetClass(CClassSect::m_nClassID));
  if (!sect) return;
  CUIntArray keys;
  CArray<T_SECT_D> recs;
  sect->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], recs[i].strName);
}

BOOL CCobxSect::WatchesClass(UINT nClassID) const { return nClassID == CClassSect::m_nClassID; }
