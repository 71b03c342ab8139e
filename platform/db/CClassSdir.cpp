#include "db/CClassSdir.h"

#include <unordered_set>
#include "db/DB_CTableRegistry.h"
#include "db/T_MEMB_D.h"

DB_REGISTER_TABLE(CClassSdir);

const DB_CRecordDesc& T_SDIR_D::Desc() {
  using R = T_SDIR_D;
  static const DB_CRecordDesc d("SDIR", DB_CLASS_SDIR, {
      DBField<&R::mode>("mode"),
      DBField<&R::angle>("angle"),
  });
  return d;
}

BOOL CClassSdir::TR_Replace(const CUIntArray& slabKeys, const T_SDIR_D& rec) {
  if (!CanWrite() || !IsSound(rec)) return FALSE;
  if (slabKeys.GetSize() == 0) return TRUE;
  const auto* membs = static_cast<const DB_CStore<T_MEMB_D>*>(m_pDB->GetStore(DB_CLASS_MEMB));
  if (!membs) return FALSE;
  std::vector<UINT> keys;
  keys.reserve((size_t)slabKeys.GetSize());
  std::unordered_set<UINT> seen;
  seen.reserve((size_t)slabKeys.GetSize());
  for (UINT k : slabKeys) {
    const T_MEMB_D* m = membs->m_set.Find(k);
    if (!m || m->type != SLAB_TYPE) return FALSE;
    if (seen.insert(k).second) keys.push_back(k);
  }
  auto op = NewOp();
  for (UINT k : keys) {
    T_SDIR_D r = rec;
    r.key = k;
    if (Exist(k))
      op->Modify(k, k, r);
    else
      op->Insert(NewPosition(r), k, r);
  }
  m_pDB->CommitOp(std::move(op));
  return TRUE;
}
