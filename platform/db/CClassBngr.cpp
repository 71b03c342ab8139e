#include "db/CClassBngr.h"

#include <algorithm>

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassBngr);

const DB_CRecordDesc& T_BNGR_D::Desc() {
  static const DB_CRecordDesc d("BNGR", DB_CLASS_BNGR, {
      DBField<&T_BNGR_D::lead>("lead"),
      DBField<&T_BNGR_D::name>("name"),
  });
  return d;
}

void T_BNGR_D::Index::Remove(UINT key, const T_BNGR_D& r) {
  auto it = m_byName.find(r.name.str());
  if (it == m_byName.end()) return;
  auto& keys = it->second;
  keys.erase(std::remove(keys.begin(), keys.end(), key), keys.end());
  if (keys.empty()) m_byName.erase(it);
}

UINT CClassBngr::GetKey(const CString& name) const {
  const std::vector<UINT>* keys = Set() ? Set()->Extra().Of(name) : nullptr;
  if (!keys) return 0;
  UINT best = 0;
  int bestPos = -1;
  for (UINT k : *keys) {
    const int p = Set()->Pos(k);
    if (p >= 0 && (bestPos < 0 || p < bestPos)) best = k, bestPos = p;
  }
  return best;
}
