#include "db/CClassStor.h"

#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassStor);

namespace {
// The material fields, which the story-material page writes (TR_Modify2) and the story
// grids leave alone (TR_Modify1).
void CopyMaterials(const T_STOR_D& from, T_STOR_D& to) {
  to.singleMatl = from.singleMatl;
  to.allMatlKey = from.allMatlKey;
  to.colmMatlKey = from.colmMatlKey;
  to.beamMatlKey = from.beamMatlKey;
  to.wallMatlKey = from.wallMatlKey;
  to.subBeamMatlKey = from.subBeamMatlKey;
  to.braceMatlKey = from.braceMatlKey;
  to.slabMatlKey = from.slabMatlKey;
  to.steelMatlKey = from.steelMatlKey;
  to.srcColmMatlKey = from.srcColmMatlKey;
  to.srcBeamMatlKey = from.srcBeamMatlKey;
}
void KeepMaterials(const T_STOR_D& stored, T_STOR_D& rec) { CopyMaterials(stored, rec); }
void OnlyMaterials(const T_STOR_D& stored, T_STOR_D& rec) {
  T_STOR_D r = stored;
  CopyMaterials(rec, r);
  rec = r;
}
}  // namespace

BOOL CClassStor::CheckRecord(const T_STOR_D& rec) const {
  if (!(rec.height >= 0.0)) return FALSE;
  DB_CStoreBase* towers = m_pDB->GetStore(CClassMdul::m_nClassID);
  if (!towers || !towers->Exist(rec.mdulKey)) return FALSE;
  if (rec.planKey) {
    DB_CStoreBase* plans = m_pDB->GetStore(CClassPlan::m_nClassID);
    if (!plans || !plans->Exist(rec.planKey)) return FALSE;
  }
  return TRUE;
}

// The base story stands in every model.
BOOL CClassStor::CheckTable(UINT& badKey) const {
  if (Exist(BASE_STORY)) return TRUE;
  badKey = BASE_STORY;
  return FALSE;
}

int CClassStor::NewPosition(const T_STOR_D& rec) const {
  UINT top = Set()->ScopeEnd(rec.mdulKey, true);
  return top ? Set()->Pos(top) + 1 : Set()->Count();
}

int CClassStor::GetCountWithoutBase(UINT mdulKey) const {
  if (!Set()) return 0;
  int n = Set()->CountInScope(mdulKey);
  const T_STOR_D* base = Set()->Find(BASE_STORY);
  if (base && base->mdulKey == mdulKey) --n;
  return n;
}

void CClassStor::GetKeyList(CUIntArray& keys, UINT mdulKey) const {
  keys.RemoveAll();
  if (Set()) Set()->ForEachInScope(mdulKey, [&](UINT k, const T_STOR_D&) { keys.Add(k); });
}

void CClassStor::GetKeyList(CUIntArray& keys, UINT mdulKey, UINT planKey) const {
  keys.RemoveAll();
  if (Set())
    Set()->ForEachInScope(mdulKey, [&](UINT k, const T_STOR_D& r) {
      if (r.planKey == planKey) keys.Add(k);
    });
}

void CClassStor::GetKeyListReverse(CUIntArray& keys, UINT mdulKey) const {
  GetKeyList(keys, mdulKey);
  std::reverse(keys.begin(), keys.end());
}

void CClassStor::GetList(CUIntArray& keys, CArray<T_STOR_D>& recs, UINT mdulKey) const {
  keys.RemoveAll();
  recs.RemoveAll();
  if (Set())
    Set()->ForEachInScope(mdulKey, [&](UINT k, const T_STOR_D& r) {
      keys.Add(k);
      recs.Add(r);
    });
}

UINT CClassStor::GetKey(const CString& name, UINT mdulKey) const {
  return Set() ? Set()->FindName(mdulKey, name) : 0;
}

BOOL CClassStor::StartLevel(UINT mdulKey, double& level, int depth) const {
  level = 0.0;
  if (!m_pDB || depth > 16) return FALSE;
  DB_CStoreBase* towers = m_pDB->GetStore(CClassMdul::m_nClassID);
  const T_MDUL_D* t = towers ? static_cast<const T_MDUL_D*>(towers->Record(mdulKey)) : nullptr;
  if (!t) return FALSE;
  if (t->startStorKey == 0) return TRUE;
  const T_STOR_D* s = Set()->Find(t->startStorKey);
  if (!s || s->mdulKey == mdulKey) return TRUE;  // no such story, or a loop: level 0
  if (!TopLevel(t->startStorKey, level, depth + 1)) level = 0.0;  // towers standing on each other
  return TRUE;
}

BOOL CClassStor::TopLevel(UINT key, double& level, int depth) const {
  const T_STOR_D* s = Set() ? Set()->Find(key) : nullptr;
  if (!s || !StartLevel(s->mdulKey, level, depth)) return FALSE;
  bool done = false;
  Set()->ForEachInScope(s->mdulKey, [&](UINT k, const T_STOR_D& r) {
    if (done) return;
    level += r.height;
    done = k == key;
  });
  return TRUE;
}

BOOL CClassStor::GetStartLevelofCurMdul(UINT mdulKey, double& level) const {
  return StartLevel(mdulKey, level, 0);
}

BOOL CClassStor::GetTopLevel(UINT key, double& level) const { return TopLevel(key, level, 0); }

BOOL CClassStor::TR_Add(const CArray<T_STOR_D>& in, int bReplace, UINT mdulKey) {
  if (!CanWrite()) return FALSE;
  std::vector<T_STOR_D> recs = in.vec();
  for (T_STOR_D& r : recs) r.mdulKey = mdulKey;
  if (!bReplace) return AddBatch(std::move(recs), -1);
  DB_CStoreBase* towers = m_pDB->GetStore(CClassMdul::m_nClassID);
  if (!towers || !towers->Exist(mdulKey)) return FALSE;
  // The stories that go: the tower's, but the base story.
  std::vector<UINT> gone;
  std::unordered_set<UINT> goneSet;
  Set()->ForEachInScope(mdulKey, [&](UINT k, const T_STOR_D&) {
    if (k != BASE_STORY) { gone.push_back(k); goneSet.insert(k); }
  });
  // Keys: given ones may reuse the keys that go.
  std::vector<UINT> keys;
  std::unordered_set<UINT> used;
  UINT next = Set()->NextKey();
  for (T_STOR_D& r : recs) {
    if (r.key == 0) {
      while (Set()->Exist(next) || used.count(next)) ++next;
      r.key = next;
    }
    if (!DB_IsKey(r.key) || (Set()->Exist(r.key) && !goneSet.count(r.key)) || !used.insert(r.key).second) return FALSE;
    keys.push_back(r.key);
  }
  std::vector<const T_STOR_D*> finals;
  for (const T_STOR_D& r : recs) {
    if (!IsSound(r)) return FALSE;
    finals.push_back(&r);
  }
  if (!CheckNames(finals, goneSet)) return FALSE;
  int pos0 = gone.empty() ? -1 : Set()->Pos(gone.front());
  auto op = NewOp();
  for (UINT k : gone) op->Erase(k);
  for (size_t i = 0; i < recs.size(); ++i)
    op->Insert(pos0 >= 0 ? pos0 + (int)i : NewPosition(recs[i]), keys[i], recs[i]);
  m_pDB->CommitOp(std::move(op));
  return TRUE;
}

BOOL CClassStor::TR_Modify1(const CString& oldName, const T_STOR_D& rec) {
  return ModifyByNames({oldName}, {rec}, &KeepMaterials);
}
BOOL CClassStor::TR_Modify1(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) {
  if (oldNames.GetSize() != recs.GetSize()) return FALSE;
  return ModifyByNames(oldNames.vec(), recs.vec(), &KeepMaterials);
}
BOOL CClassStor::TR_Modify2(const CString& oldName, const T_STOR_D& rec) {
  return ModifyByNames({oldName}, {rec}, &OnlyMaterials);
}
BOOL CClassStor::TR_Modify2(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) {
  if (oldNames.GetSize() != recs.GetSize()) return FALSE;
  return ModifyByNames(oldNames.vec(), recs.vec(), &OnlyMaterials);
}

void CClassStor::DeleteOfTowers(const std::vector<UINT>& mdulKeys) {
  auto op = NewOp();
  for (UINT m : mdulKeys) {
    std::vector<UINT> keys;
    Set()->ForEachInScope(m, [&](UINT k, const T_STOR_D&) { keys.push_back(k); });
    for (UINT k : keys) op->Erase(k);
  }
  m_pDB->CommitOp(std::move(op));
}

void CClassStor::ClearPlans(const std::vector<UINT>& planKeys) {
  std::unordered_set<UINT> plans(planKeys.begin(), planKeys.end());
  std::vector<std::pair<UINT, T_STOR_D>> hit;
  Set()->ForEach([&](UINT k, const T_STOR_D& r) {
    if (plans.count(r.planKey)) hit.emplace_back(k, r);
  });
  auto op = NewOp();
  for (auto& h : hit) {
    h.second.planKey = 0;
    op->Modify(h.first, h.first, h.second);
  }
  m_pDB->CommitOp(std::move(op));
}

UINT CClassStor::GetBaseStorK(UINT mdulKey) const {
  if (!Set()) return 0;
  UINT first = 0;
  Set()->ForEachInScope(mdulKey, [&](UINT k, const T_STOR_D&) {
    if (!first) first = k;
  });
  return first;
}

UINT CClassStor::GetMatlK(UINT storKey, int nKind) const {
  static const struct { int kind; UINT T_STOR_D::*field; } kFields[] = {
      {0, &T_STOR_D::allMatlKey},      {1, &T_STOR_D::colmMatlKey},   {2, &T_STOR_D::beamMatlKey},
      {3, &T_STOR_D::wallMatlKey},     {4, &T_STOR_D::slabMatlKey},   {5, &T_STOR_D::braceMatlKey},
      {6, &T_STOR_D::subBeamMatlKey},  {10, &T_STOR_D::steelMatlKey}, {20, &T_STOR_D::srcColmMatlKey},
      {21, &T_STOR_D::srcBeamMatlKey}};
  const T_STOR_D* s = Set() ? Set()->Find(storKey) : nullptr;
  if (!s) return 0;
  for (const auto& f : kFields)
    if (f.kind == nKind) return s->*f.field;
  return 0;
}
