#include "db/CSelectLC.h"

#include "db/CClassStld.h"
#include "db/CDBDoc.h"

IMPLEMENT_DYNAMIC(CSelectLCBase, CCobxDBBase)
IMPLEMENT_DYNAMIC(CSelectLC, CSelectLCBase)

void CSelectLCBase::SetLoadType(int nStatic, int nKindA, int nKindB, int nKindC) {
  m_kinds[0] = nStatic;
  m_kinds[1] = nKindA;
  m_kinds[2] = nKindB;
  m_kinds[3] = nKindC;
  Refill();
}

BOOL CSelectLCBase::ChangeSelect(int nKind, UINT key, int) {
  if (nKind != LC_STATIC || !m_kinds[0]) {
    if (m_hWnd) SetCurSel(-1);
    return FALSE;
  }
  return SelectKey(key);
}

BOOL CSelectLCBase::GetSelectedLoad(int& nKind, UINT& key) const {
  nKind = 0;
  if (!GetSelectedKey(key)) return FALSE;
  nKind = LC_STATIC;
  return TRUE;
}

void CSelectLCBase::FillItems(CDBDoc& doc, Items& items) {
  if (!m_kinds[0]) return;
  auto* stld = static_cast<CClassStld*>(doc.GetModelDB()->GetClass(CClassStld::m_nClassID));
  if (!stld) return;
  CUIntArray keys;
  CArray<T_STLD_D> recs;
  stld->GetList(keys, recs);
  for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], recs[i].name);
}

BOOL CSelectLCBase::WatchesClass(UINT nClassID) const { return nClassID == CClassStld::m_nClassID; }
