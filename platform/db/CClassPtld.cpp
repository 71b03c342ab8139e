#include "db/CClassPtld.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPtld);

void CPtldCounts::Add(UINT key, const T_PTLD_D& r) {
  if (r.kind >= 0 && r.kind < KINDS) ++m_count[r.kind];
  m_byPont[r.pont].insert(key);
}

void CPtldCounts::Remove(UINT key, const T_PTLD_D& r) {
  if (r.kind >= 0 && r.kind < KINDS) --m_count[r.kind];
  auto it = m_byPont.find(r.pont);
  if (it == m_byPont.end()) return;
  it->second.erase(key);
  if (it->second.empty()) m_byPont.erase(it);
}

void CPtldCounts::KeysOf(UINT pont, CUIntArray& keys) const {
  keys.RemoveAll();
  auto it = m_byPont.find(pont);
  if (it != m_byPont.end())
    for (UINT k : it->second) keys.Add(k);
}

BOOL CClassPtld::GetKeyListByPont(UINT pont, CUIntArray& keys) const {
  keys.RemoveAll();
  if (Set()) Set()->Extra().KeysOf(pont, keys);
  return !keys.IsEmpty();
}

const DB_CRecordDesc& T_PTLD_D::Desc() {
  using R = T_PTLD_D;
  static const DB_CRecordDesc d("PTLD", DB_CLASS_PTLD, {
      DBField<&R::pont>("pont"),
      DBField<&R::loadCase>("loadCase"),
      DBField<&R::kind>("kind"),
      DBField<&R::n>("n"),
      DBField<&R::v>("v"),
  });
  return d;
}
