#include "db/CClassStor.h"

#include <cmath>
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassPlan.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassStor);

namespace {
// The material fields, which the story grids leave alone (TR_Modify1).
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
// What the story material grids write (TR_Modify2): the materials, the master-story flag
// and the bending factor.
void OnlyMaterials(const T_STOR_D& stored, T_STOR_D& rec) {
  T_STOR_D r = stored;
  CopyMaterials(rec, r);
  r.masterStory = rec.masterStory;
  r.bendFactor = rec.bendFactor;
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

void CClassStor::GetKeyListByPlanK(CUIntArray& keys, UINT planKey) const {
  keys.RemoveAll();
  if (Set())
    Set()->ForEach([&](UINT k, const T_STOR_D& r) {
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
  // A story that points or members stand on may not go (it may be replaced under its key).
  for (UINT k : gone)
    if (!used.count(k) && m_pDB->IsInUse(m_nClassID, k)) return FALSE;
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

// ---- Current story and levels ----
UINT CClassStor::GetCurStor() const {
  if (!Set() || !m_pDB) return 0;
  UINT cur = m_pDB->GetCurStorKey();
  if (cur && Exist(cur)) return cur;
  UINT first = 0, base = GetBaseStorK(CClassMdul::MAIN_TOWER);
  Set()->ForEachInScope(CClassMdul::MAIN_TOWER, [&](UINT k, const T_STOR_D&) {
    if (!first && k != base) first = k;
  });
  return first ? first : base;
}

BOOL CClassStor::SetCurStor(UINT key) {
  if (!m_pDB || !Exist(key)) return FALSE;
  m_pDB->SetCurStorKey(key);
  return TRUE;
}

CString CClassStor::GetName(UINT key) const {
  const T_STOR_D* s = Set() ? Set()->Find(key) : nullptr;
  return s ? s->name : CString();
}

CString CClassStor::GetNameWithModule(UINT key, const char*) const {
  const T_STOR_D* s = Set() ? Set()->Find(key) : nullptr;
  if (!s) return CString();
  DB_CStoreBase* towers = m_pDB->GetStore(CClassMdul::m_nClassID);
  const auto* t = towers ? static_cast<const T_MDUL_D*>(towers->Record(s->mdulKey)) : nullptr;
  return (t ? t->name : CString()) + ":" + s->name;
}

BOOL CClassStor::GetStorKFromGcsZ(double z, UINT& storyKey, double& relLevel) const {
  storyKey = 0;
  relLevel = 0.0;
  if (!Set() || !std::isfinite(z)) return FALSE;
  const T_STOR_D* cur = Set()->Find(GetCurStor());
  std::vector<UINT> towers;
  if (cur) towers.push_back(cur->mdulKey);
  DB_CStoreBase* mduls = m_pDB->GetStore(CClassMdul::m_nClassID);
  mduls->Walk([](void* ctx, UINT k, const void*) { static_cast<std::vector<UINT>*>(ctx)->push_back(k); }, &towers);
  for (UINT m : towers) {
    double level = 0.0;
    if (!StartLevel(m, level, 0)) continue;
    double bottom = level;
    bool found = false;
    Set()->ForEachInScope(m, [&](UINT k, const T_STOR_D& r) {
      if (found) return;
      double top = bottom + r.height;
      // The base story (the lowest, of no height) takes every level at or below its top.
      bool first = bottom == level && r.height == 0.0;
      if ((first && z <= top) || (z > bottom && z <= top)) {
        storyKey = k;
        relLevel = z - top;
        found = true;
      }
      bottom = top;
    });
    if (found) return TRUE;
  }
  return FALSE;
}

double CClassStor::GetMinStoryHeightInPlan(UINT key, UINT& minKey) const {
  minKey = 0;
  const T_STOR_D* s = Set() ? Set()->Find(key) : nullptr;
  if (!s) return 0.0;
  double h = 0.0;
  Set()->ForEachInScope(s->mdulKey, [&](UINT k, const T_STOR_D& r) {
    if (r.planKey == s->planKey && (!minKey || r.height < h)) {
      minKey = k;
      h = r.height;
    }
  });
  return h;
}

BOOL CClassStor::GetAttrList(UINT key, CArray<T_ATTR_ENTRY>& list) const {
  list.RemoveAll();
  if (!Exist(key)) return FALSE;
  auto* pont = static_cast<CClassPont*>(m_pDB->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID));
  CUIntArray keys;
  if (pont) pont->GetKeyListOfStory(key, keys);
  for (UINT k : keys) list.Add(T_ATTR_ENTRY{CClassPont::UR_PONT_CMD, k});
  if (memb) memb->GetKeyListOfStory(key, keys);
  for (UINT k : keys) list.Add(T_ATTR_ENTRY{CClassMemb::UR_MEMB_CMD, k});
  return TRUE;
}
