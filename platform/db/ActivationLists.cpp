// The reads the activation windows list by: towers by start level, stories of a tower in
// reverse, empty stories, standard floors that stories use, members and elements by type.
#include <algorithm>
#include <map>
#include <vector>

#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/DB_CStore.h"

namespace {

template <class T>
const DB_CRecordSet<T>* Records(DB_CDataBase* db, UINT classId) {
  auto* s = db ? static_cast<DB_CStore<T>*>(db->GetStore(classId)) : nullptr;
  return s ? &s->m_set : nullptr;
}

// Keys ordered by their level, keys of one level kept in their order.
void SortByLevel(CUIntArray& keys, const std::vector<double>& levels) {
  std::vector<size_t> idx(levels.size());
  for (size_t i = 0; i < idx.size(); ++i) idx[i] = i;
  std::stable_sort(idx.begin(), idx.end(), [&](size_t a, size_t b) { return levels[a] < levels[b]; });
  std::vector<UINT> out;
  out.reserve(idx.size());
  for (size_t i : idx) out.push_back(keys[(INT_PTR)i]);
  keys.vec().swap(out);
}

// Keeps the keys whose record's type is listed (bKeep) or is not (!bKeep).
template <class T>
int FilterByType(const DB_CRecordSet<T>* set, CUIntArray& keys, const CUIntArray& types, int bKeep) {
  std::vector<UINT>& v = keys.vec();
  const bool keep = bKeep != 0;
  v.erase(std::remove_if(v.begin(), v.end(),
                         [&](UINT k) {
                           const T* r = set ? set->Find(k) : nullptr;
                           if (!r) return true;
                           const bool listed = std::find(types.begin(), types.end(), (UINT)r->type) != types.end();
                           return listed != keep;
                         }),
          v.end());
  return (int)v.size();
}

CUIntArray OneType(int type) {
  CUIntArray a;
  a.Add((UINT)type);
  return a;
}

}  // namespace

void CClassMdul::GetKeyListByLevel(CUIntArray& keys) const {
  GetKeyList(keys);
  auto* stor = m_pDB ? static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID)) : nullptr;
  std::vector<double> levels;
  levels.reserve((size_t)keys.GetSize());
  for (UINT k : keys) {
    double level = 0.0;
    if (!stor || !stor->GetStartLevelofCurMdul(k, level)) level = 0.0;
    levels.push_back(level);
  }
  SortByLevel(keys, levels);
}

void CClassPMdul::GetKeyListByLevel(CUIntArray& keys) const {
  GetKeyList(keys);
  std::map<UINT, double> bottom;
  if (const auto* stories = Records<T_PSTOR_D>(m_pDB, DB_CLASS_PSTOR))
    stories->ForEach([&](UINT, const T_PSTOR_D& s) {
      const double b = s.level - s.height;
      auto it = bottom.find(s.mdulKey);
      if (it == bottom.end()) bottom.emplace(s.mdulKey, b);
      else it->second = std::min(it->second, b);
    });
  std::vector<double> levels;
  levels.reserve((size_t)keys.GetSize());
  for (UINT k : keys) {
    auto it = bottom.find(k);
    levels.push_back(it == bottom.end() ? 0.0 : it->second);
  }
  SortByLevel(keys, levels);
}

void CClassPStor::GetKeyListReverse(CUIntArray& keys, UINT mdulKey) const {
  keys.RemoveAll();
  if (!Set()) return;
  Set()->ForEach([&](UINT k, const T_PSTOR_D& s) {
    if (s.mdulKey == mdulKey) keys.Add(k);
  });
  std::reverse(keys.begin(), keys.end());
}

BOOL CClassStor::IsEmptyStory(UINT key) const {
  if (!Exist(key)) return FALSE;
  auto* memb = m_pDB ? static_cast<CClassMemb*>(m_pDB->GetClass(CClassMemb::m_nClassID)) : nullptr;
  return memb && memb->GetCount() > 0 && memb->GetCountOfStory(key) == 0;
}

BOOL CClassPlan::IsPlanHavingStory(UINT key) const {
  if (!key) return FALSE;
  BOOL found = FALSE;
  if (const auto* stories = Records<T_STOR_D>(m_pDB, DB_CLASS_STOR))
    stories->ForEach([&](UINT, const T_STOR_D& s) { found = found || s.planKey == key; });
  return found;
}

int CClassMemb::FilterByMembType(CUIntArray& keys, const CUIntArray& types, int bKeep) const {
  return FilterByType(Set(), keys, types, bKeep);
}

int CClassMemb::FilterByMembType(CUIntArray& keys, int type, int bKeep) const {
  return FilterByType(Set(), keys, OneType(type), bKeep);
}

int CClassPMemb::FilterByPMembType(CUIntArray& keys, const CUIntArray& types, int bKeep) const {
  return FilterByType(Set(), keys, types, bKeep);
}

int CClassPMemb::FilterByPMembType(CUIntArray& keys, int type, int bKeep) const {
  return FilterByType(Set(), keys, OneType(type), bKeep);
}
