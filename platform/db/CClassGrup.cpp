#include "db/CClassGrup.h"

#include <unordered_set>
#include <vector>

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassGrup);

const DB_CRecordDesc& T_GRUP_D::Desc() {
  using R = T_GRUP_D;
  static const DB_CRecordDesc d("GRUP", DB_CLASS_GRUP, {
      DBField<&R::lead>("lead"),
      DBField<&R::name>("name"),
      DBField<&R::points>("points"),
      DBField<&R::members>("members"),
  });
  return d;
}

void CClassGrup::TakeOut(const std::vector<UINT>& keys, BOOL bMembers) {
  if (!Set() || !m_pDB || keys.empty() || Set()->Count() == 0) return;
  const std::unordered_set<UINT> gone(keys.begin(), keys.end());
  std::vector<T_GRUP_D> changed;
  Set()->ForEach([&](UINT k, const T_GRUP_D& g) {
    const CUIntArray& list = bMembers ? g.members : g.points;
    bool hit = false;
    for (UINT x : list) hit = hit || gone.count(x);
    if (!hit) return;
    T_GRUP_D r = g;
    r.key = k;
    CUIntArray& out = bMembers ? r.members : r.points;
    out.RemoveAll();
    for (UINT x : list)
      if (!gone.count(x)) out.Add(x);
    changed.push_back(r);
  });
  if (changed.empty()) return;
  auto op = NewOp();
  for (const T_GRUP_D& r : changed) op->Modify(r.key, r.key, r);
  m_pDB->CommitOp(std::move(op));
}
