#include "db/CClassPont.h"

#include <algorithm>
#include <cmath>
#include <unordered_map>
#include "db/CClassGrup.h"
#include "db/CClassMasg.h"
#include "db/CClassPtld.h"
#include "db/CClassStor.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPont);

BOOL CClassPont::CheckRecord(const T_PONT_D& rec) const {
  if (!std::isfinite(rec.x) || !std::isfinite(rec.y) || !std::isfinite(rec.z)) return FALSE;
  DB_CStoreBase* stories = m_pDB->GetStore(CClassStor::m_nClassID);
  return stories && stories->Exist(rec.storyKey);
}

UINT CClassPont::GetPontNoByKey(UINT key) const {
  const T_PONT_D* p = Set() ? Set()->Find(key) : nullptr;
  return p ? p->number : 0;
}

BOOL CClassPont::GetPontNoListByKey(const CUIntArray& keys, CUIntArray& numbers) const {
  numbers.RemoveAll();
  BOOL all = TRUE;
  for (UINT k : keys) {
    UINT n = GetPontNoByKey(k);
    all = all && n != 0;
    numbers.Add(n);
  }
  return all;
}

BOOL CClassPont::Get3DPos(UINT key, T_POINT3D& pos) const {
  const T_PONT_D* p = Set() ? Set()->Find(key) : nullptr;
  auto* stor = p && m_pDB ? static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID)) : nullptr;
  double top = 0.0;
  if (!stor || !stor->GetTopLevel(p->storyKey, top)) return FALSE;
  pos.x = p->x;
  pos.y = p->y;
  pos.z = top + p->z;
  return TRUE;
}

UINT CClassPont::GetSamePointBy3DPos(const T_POINT3D& pos, double tol) const {
  if (!Set() || !m_pDB || !(tol >= 0.0)) return 0;
  auto* stor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  std::unordered_map<UINT, double> tops;  // story top levels met in this call
  UINT best = 0;
  // A difference of exactly tol, as typed, must count though its binary value is a
  // rounding wider.
  tol = tol * (1.0 + 1e-9) + 1e-12;
  auto test = [&](UINT k) {
    const T_PONT_D* p = Set()->Find(k);
    if (!p || std::fabs(p->x - pos.x) > tol || std::fabs(p->y - pos.y) > tol) return;
    auto it = tops.find(p->storyKey);
    if (it == tops.end()) {
      double top = 0.0;
      if (!stor || !stor->GetTopLevel(p->storyKey, top)) top = NAN;
      it = tops.emplace(p->storyKey, top).first;
    }
    if (std::fabs(it->second + p->z - pos.z) <= tol && (!best || k < best)) best = k;
  };
  if (!Set()->Extra().Near(pos.x, pos.y, tol, test)) Set()->ForEach([&](UINT k, const T_PONT_D&) { test(k); });
  return best;
}

void CClassPont::GetKeyListOfStory(UINT storyKey, CUIntArray& keys) const {
  keys.RemoveAll();
  const CKeyBag* b = Set() ? Set()->Extra().OfStory(storyKey) : nullptr;
  if (b) b->AppendTo(keys.vec());
}

int CClassPont::GetCountOfStory(UINT storyKey) const {
  const CKeyBag* b = Set() ? Set()->Extra().OfStory(storyKey) : nullptr;
  return b ? b->Count() : 0;
}

void CClassPont::GetKeyListNearPlan(double x, double y, double r, CUIntArray& keys) const {
  keys.RemoveAll();
  if (!Set() || !(r >= 0.0)) return;
  std::vector<UINT>& out = keys.vec();
  auto test = [&](UINT k) {
    const T_PONT_D* p = Set()->Find(k);
    if (p && std::hypot(p->x - x, p->y - y) <= r) out.push_back(k);
  };
  if (!Set()->Extra().Near(x, y, r, test)) Set()->ForEach([&](UINT k, const T_PONT_D&) { test(k); });
  std::sort(out.begin(), out.end());
}

void CClassPont::DeleteDependants(const std::vector<UINT>& keys) {
  if (auto* grup = static_cast<CClassGrup*>(m_pDB->GetClass(CClassGrup::m_nClassID))) grup->TakeOut(keys, FALSE);
  if (auto* pasg = static_cast<CClassPasg*>(m_pDB->GetClass(CClassPasg::m_nClassID))) pasg->EraseOf(keys);
  // The points' loads and specified displacements.
  if (auto* ptld = static_cast<CClassPtld*>(m_pDB->GetClass(CClassPtld::m_nClassID))) {
    std::vector<UINT> loads;
    CUIntArray of;
    for (UINT k : keys)
      if (ptld->GetKeyListByPont(k, of)) loads.insert(loads.end(), of.vec().begin(), of.vec().end());
    std::sort(loads.begin(), loads.end());
    if (!loads.empty()) ptld->EraseOf(loads);
  }
}
