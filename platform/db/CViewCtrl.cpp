#include "db/CViewCtrl.h"

#include <algorithm>
#include "db/DB_CDataBase.h"
#include "db/DB_CUpdateListener.h"

void CViewCtrl::Copy(const std::vector<UINT>& from, CUIntArray& to) {
  to.RemoveAll();
  to.vec().assign(from.begin(), from.end());
}

void CViewCtrl::Add(Kind kind, const CUIntArray& keys) {
  Set& s = m_sel[kind];
  for (UINT k : keys)
    if (s.in.Insert(k)) {
      s.order.push_back(k);
      m_cur[kind].push_back(k);
    }
}

void CViewCtrl::Remove(Kind kind, const CKeyBits& keys, BOOL any) {
  Set& s = m_sel[kind];
  if (!any || s.order.empty()) return;
  auto gone = [&](UINT k) { return keys.Contains(k) != 0; };
  for (UINT k : s.order)
    if (gone(k)) m_cur[kind].push_back(k), s.in.Erase(k);
  s.order.erase(std::remove_if(s.order.begin(), s.order.end(), gone), s.order.end());
}

void CViewCtrl::Tell(int hint) {
  if (!m_pDB) return;
  T_UPDATE_HINT h;
  h.m_nDBID = m_pDB->GetID();
  m_pDB->NotifyHint(nullptr, hint, &h);
}

void CViewCtrl::Select(CView*, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
                       const CUIntArray& elems, int, int, int bReplace) {
  const CUIntArray* lists[KINDS] = {&ponts, &membs, &nodes, &elems};
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    if (bReplace && !m_sel[k].order.empty()) {
      // Keys that stay selected keep their place; the others go.
      CKeyBits keep, drop;
      BOOL any = FALSE;
      for (UINT key : *lists[k]) keep.Insert(key);
      for (UINT key : m_sel[k].order)
        if (!keep.Contains(key)) drop.Insert(key), any = TRUE;
      Remove((Kind)k, drop, any);
    }
    Add((Kind)k, *lists[k]);
  }
  Tell(HINT_SELECT);
}

void CViewCtrl::Unselect(CView*, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
                         const CUIntArray& elems, int, int) {
  const CUIntArray* lists[KINDS] = {&ponts, &membs, &nodes, &elems};
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    CKeyBits gone;
    for (UINT key : *lists[k]) gone.Insert(key);
    Remove((Kind)k, gone, !lists[k]->IsEmpty());
  }
  Tell(HINT_UNSELECT);
}

void CViewCtrl::UnselectAll(CView*) {
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k] = m_sel[k].order;
    m_sel[k] = Set();
  }
  Tell(HINT_UNSELECT);
}

void CViewCtrl::Clear() {
  for (int k = 0; k < KINDS; ++k) {
    m_sel[k] = Set();
    m_cur[k].clear();
  }
}
