#include "db/CViewCtrl.h"

#include <algorithm>
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CStore.h"
#include "db/DB_CUpdateListener.h"

namespace {
// The table of each kind, and its update code of a deletion.
constexpr UINT kTable[CViewCtrl::KINDS] = {CClassPont::m_nClassID, CClassMemb::m_nClassID, CClassPNode::m_nClassID,
                                           CClassPMemb::m_nClassID};
constexpr int kDelCode[CViewCtrl::KINDS] = {CClassPont::UR_PONT_DEL, CClassMemb::UR_MEMB_DEL,
                                            CClassPNode::UR_PNODE_DEL, CClassPMemb::UR_PMEMB_DEL};
}  // namespace

void CViewCtrl::Copy(const std::vector<UINT>& from, CUIntArray& to) {
  to.RemoveAll();
  to.vec().assign(from.begin(), from.end());
}

BOOL CViewCtrl::Exists(Kind kind, UINT key) const {
  const DB_CStoreBase* s = m_pDB ? m_pDB->GetStore(kTable[kind]) : nullptr;
  return s && s->Exist(key);
}

void CViewCtrl::TableKeys(Kind kind, CUIntArray& keys) const {
  keys.RemoveAll();
  DB_CDataClass* t = m_pDB ? m_pDB->GetClass(kTable[kind]) : nullptr;
  if (!t) return;
  switch (kind) {
    case PONT: static_cast<CClassPont*>(t)->GetKeyList(keys); break;
    case MEMB: static_cast<CClassMemb*>(t)->GetKeyList(keys); break;
    case PNODE: static_cast<CClassPNode*>(t)->GetKeyList(keys); break;
    default: static_cast<CClassPMemb*>(t)->GetKeyList(keys); break;
  }
}

void CViewCtrl::GetUnselected(Kind kind, CUIntArray& keys) const {
  TableKeys(kind, keys);
  const CKeyBits& in = m_sel[kind].in;
  if (m_sel[kind].order.empty()) return;
  std::vector<UINT>& v = keys.vec();
  v.erase(std::remove_if(v.begin(), v.end(), [&](UINT k) { return in.Contains(k) != 0; }), v.end());
}

void CViewCtrl::Add(Kind kind, const CUIntArray& keys) {
  Set& s = m_sel[kind];
  const DB_CStoreBase* store = m_pDB ? m_pDB->GetStore(kTable[kind]) : nullptr;
  if (!store) return;
  for (UINT k : keys)
    if (!s.in.Contains(k) && store->Exist(k)) {
      s.in.Insert(k);
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

void CViewCtrl::Remember() {
  if (m_nStep > 0) {
    if (m_bStepRemembered) return;
    m_bStepRemembered = TRUE;
  }
  for (int k = 0; k < KINDS; ++k) m_prev[k] = m_sel[k].order;
}

void CViewCtrl::ReplaceOne(Kind kind, const CUIntArray& keys) {
  if (!m_sel[kind].order.empty()) {
    // Keys that stay selected keep their place; the others go.
    CKeyBits keep, drop;
    BOOL any = FALSE;
    for (UINT key : keys) keep.Insert(key);
    for (UINT key : m_sel[kind].order)
      if (!keep.Contains(key)) drop.Insert(key), any = TRUE;
    Remove(kind, drop, any);
  }
  Add(kind, keys);
}

void CViewCtrl::Select(CView*, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
                       const CUIntArray& elems, int, int, int bReplace) {
  const CUIntArray* lists[KINDS] = {&ponts, &membs, &nodes, &elems};
  Remember();
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    if (bReplace) ReplaceOne((Kind)k, *lists[k]);
    else Add((Kind)k, *lists[k]);
  }
  Tell(HINT_SELECT);
}

void CViewCtrl::Replace(Kind kind, const CUIntArray& keys) {
  Remember();
  for (auto& c : m_cur) c.clear();
  ReplaceOne(kind, keys);
  Tell(HINT_SELECT);
}

void CViewCtrl::SelectAllOf(unsigned kinds) {
  Remember();
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    if (!(kinds >> k & 1)) continue;
    CUIntArray all;
    TableKeys((Kind)k, all);
    Add((Kind)k, all);
  }
  Tell(HINT_SELECT);
}

void CViewCtrl::Unselect(CView*, const CUIntArray& ponts, const CUIntArray& membs, const CUIntArray& nodes,
                         const CUIntArray& elems, int, int) {
  const CUIntArray* lists[KINDS] = {&ponts, &membs, &nodes, &elems};
  Remember();
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    CKeyBits gone;
    for (UINT key : *lists[k]) gone.Insert(key);
    Remove((Kind)k, gone, !lists[k]->IsEmpty());
  }
  Tell(HINT_UNSELECT);
}

void CViewCtrl::UnselectKind(Kind kind, const CUIntArray& keys) {
  Remember();
  for (auto& c : m_cur) c.clear();
  CKeyBits gone;
  for (UINT key : keys) gone.Insert(key);
  Remove(kind, gone, !keys.IsEmpty());
  Tell(HINT_UNSELECT);
}

void CViewCtrl::UnselectAll(CView*) {
  Remember();
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k] = m_sel[k].order;
    m_sel[k] = Set();
  }
  Tell(HINT_UNSELECT);
}

void CViewCtrl::SelectPrevious() {
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    Set& s = m_sel[k];
    // What leaves, then what comes back (objects deleted since stay away).
    CKeyBits back;
    for (UINT key : m_prev[k]) back.Insert(key);
    for (UINT key : s.order)
      if (!back.Contains(key)) m_cur[k].push_back(key);
    std::vector<UINT> now;
    now.swap(s.order);
    s.in = CKeyBits();
    CUIntArray prev;
    prev.vec().swap(m_prev[k]);
    for (UINT key : prev) {
      if (s.in.Contains(key) || !Exists((Kind)k, key)) continue;
      s.in.Insert(key);
      s.order.push_back(key);
    }
    CKeyBits before;
    for (UINT key : now) before.Insert(key);
    for (UINT key : s.order)
      if (!before.Contains(key)) m_cur[k].push_back(key);
    m_prev[k].swap(now);
  }
  // Inside a step the selection from before it stays the previous one.
  if (m_nStep > 0) m_bStepRemembered = TRUE;
  Tell(HINT_SELECT);
}

BOOL CViewCtrl::DropDeleted() {
  if (!m_pDB) return FALSE;
  BOOL anySelected = FALSE;
  for (int k = 0; k < KINDS; ++k) anySelected = anySelected || !m_sel[k].order.empty() || !m_prev[k].empty();
  if (!anySelected) return FALSE;
  CKeyBits gone[KINDS];
  BOOL hit[KINDS] = {};
  POSITION pos = m_pDB->GetFirstUpdatePosition();
  int code = 0;
  UINT key = 0;
  while (pos && m_pDB->GetNextUpdate(pos, code, key))
    for (int k = 0; k < KINDS; ++k)
      if (code == kDelCode[k] && m_sel[k].in.Contains(key) && !Exists((Kind)k, key)) gone[k].Insert(key), hit[k] = TRUE;
  BOOL any = FALSE;
  for (int k = 0; k < KINDS; ++k) any = any || hit[k];
  if (!any) return FALSE;
  for (int k = 0; k < KINDS; ++k) {
    m_cur[k].clear();
    Remove((Kind)k, gone[k], hit[k]);
  }
  return TRUE;
}

void CViewCtrl::Clear() {
  m_bStepRemembered = FALSE;
  for (int k = 0; k < KINDS; ++k) {
    m_sel[k] = Set();
    m_cur[k].clear();
    m_prev[k].clear();
  }
}
