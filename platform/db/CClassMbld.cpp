#include "db/CClassMbld.h"

#include <algorithm>
#include <set>
#include "db/CClassLdtp.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/DB_CStore.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassLdtp);
DB_REGISTER_TABLE(CClassMbld);

// ---- member load types ------------------------------------------------------------------

const DB_CRecordDesc& T_LDTP_ITEM::Desc() {
  static const DB_CRecordDesc d("", DB_CLASS_NONE, {
      DBField<&T_LDTP_ITEM::loadCase>("loadCase"),
      DBField<&T_LDTP_ITEM::value>("value"),
  });
  return d;
}

const DB_CRecordDesc& T_LDTP_D::Desc() {
  static const DB_CRecordDesc d("LDTP", DB_CLASS_LDTP, {
      DBField<&T_LDTP_D::name>("name"),
      DBField<&T_LDTP_D::kind>("kind"),
      DBField<&T_LDTP_D::items>("items"),
  });
  return d;
}

void T_LDTP_D::Index::Remove(UINT key, const T_LDTP_D& r) {
  auto it = m_byName.find(r.name.str());
  if (it == m_byName.end()) return;
  auto& v = it->second;
  v.erase(std::remove(v.begin(), v.end(), key), v.end());
  if (v.empty()) m_byName.erase(it);
}

UINT CClassLdtp::GetKey(const CString& name) const {
  const std::vector<UINT>* keys = Set() ? Set()->Extra().Of(name) : nullptr;
  if (!keys) return 0;
  UINT best = 0;
  int bestPos = -1;
  for (UINT k : *keys) {
    const int pos = Set()->Pos(k);
    if (pos >= 0 && (bestPos < 0 || pos < bestPos)) best = k, bestPos = pos;
  }
  return best;
}

BOOL CClassLdtp::CheckRecord(const T_LDTP_D& r) const {
  return IsName(r.name) && r.kind >= T_LDTP_D::KIND_POINT && r.kind <= T_LDTP_D::KIND_AREA;
}

// ---- the index of the assignments -------------------------------------------------------

void CMbldIndex::Add(UINT key, const T_MBLD_D& r) {
  m_byName[{r.nameKey, r.plan}] = key;
  m_byPlan[{r.plan, r.nameKey}] = key;
  ++m_nameCount[r.nameKey];
  if (r.loadType) ++m_ldtpCount[r.loadType];
}

void CMbldIndex::Remove(UINT key, const T_MBLD_D& r) {
  // Only the entries that point at this record (a batch may have put another there).
  auto a = m_byName.find({r.nameKey, r.plan});
  if (a != m_byName.end() && a->second == key) m_byName.erase(a);
  auto b = m_byPlan.find({r.plan, r.nameKey});
  if (b != m_byPlan.end() && b->second == key) m_byPlan.erase(b);
  auto drop = [](std::unordered_map<UINT, int>& m, UINT k) {
    auto it = m.find(k);
    if (it != m.end() && --it->second <= 0) m.erase(it);
  };
  drop(m_nameCount, r.nameKey);
  if (r.loadType) drop(m_ldtpCount, r.loadType);
}

BOOL CMbldIndex::Uses(UINT classId, UINT key) const {
  return classId == DB_CLASS_LDTP && m_ldtpCount.count(key);
}

UINT CMbldIndex::Find(UINT nameKey, UINT planKey) const {
  auto it = m_byName.find({nameKey, planKey});
  return it == m_byName.end() ? 0 : it->second;
}

int CMbldIndex::CountOfName(UINT nameKey) const {
  auto it = m_nameCount.find(nameKey);
  return it == m_nameCount.end() ? 0 : it->second;
}

void CMbldIndex::Range(const Pairs& m, UINT first, std::vector<UINT>& out) {
  for (auto it = m.lower_bound({first, 0}); it != m.end() && it->first.first == first; ++it) out.push_back(it->second);
}

void CMbldIndex::OfNames(const std::vector<UINT>& names, std::vector<UINT>& out) const {
  for (UINT n : names) Range(m_byName, n, out);
}

void CMbldIndex::OfPlans(const std::vector<UINT>& plans, std::vector<UINT>& out) const {
  for (UINT p : plans) Range(m_byPlan, p, out);
}

// ---- member load assignments -------------------------------------------------------------

const DB_CRecordDesc& T_MBLD_D::Desc() {
  static const DB_CRecordDesc d("MBLD", DB_CLASS_MBLD, {
      DBField<&T_MBLD_D::nameKey>("name"),
      DBField<&T_MBLD_D::plan>("plan"),
      DBField<&T_MBLD_D::loadType>("loadType"),
  });
  return d;
}

BOOL CClassMbld::CheckRecord(const T_MBLD_D& r) const {
  if (!m_pDB) return FALSE;
  const DB_CStoreBase* names = m_pDB->GetStore(CClassName::m_nClassID);
  const DB_CStoreBase* plans = m_pDB->GetStore(CClassPlan::m_nClassID);
  const DB_CStoreBase* ldtp = m_pDB->GetStore(CClassLdtp::m_nClassID);
  if (!names || !names->Exist(r.nameKey) || !plans || !plans->Exist(r.plan)) return FALSE;
  if (r.loadType && (!ldtp || !ldtp->Exist(r.loadType))) return FALSE;
  const UINT owner = GetKey(r.nameKey, r.plan);
  return !owner || owner == r.key;
}

BOOL CClassMbld::PairsDistinct(const CArray<T_MBLD_D>& recs) {
  std::set<std::pair<UINT, UINT>> seen;
  for (const T_MBLD_D& r : recs)
    if (!seen.insert({r.nameKey, r.plan}).second) return FALSE;
  return TRUE;
}

BOOL CClassMbld::TR_Add(const CArray<T_MBLD_D>& recs) {
  if (!PairsDistinct(recs)) return FALSE;
  return DB_CTable::TR_Add(recs);
}

BOOL CClassMbld::TR_Modify(const CUIntArray& keys, const CArray<T_MBLD_D>& recs) {
  if (!PairsDistinct(recs)) return FALSE;
  return DB_CTable::TR_Modify(keys, recs);
}

void CClassMbld::EraseOfNames(const std::vector<UINT>& names) {
  if (!Set()) return;
  std::vector<UINT> keys;
  Set()->Extra().OfNames(names, keys);
  if (!keys.empty()) EraseOf(keys);
}

void CClassMbld::EraseOfPlans(const std::vector<UINT>& plans) {
  if (!Set()) return;
  std::vector<UINT> keys;
  Set()->Extra().OfPlans(plans, keys);
  if (!keys.empty()) EraseOf(keys);
}
