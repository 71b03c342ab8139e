#include "db/CClassSect.h"

#include "db/CClassSecf.h"
#include "db/T_MATL_D.h"
#include "db/CSectUtil.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassSect);

BOOL CClassSect::CheckSectSize(int /*nOption*/, const T_SECT_D& rec, int /*nFlag*/) const {
  return CSectUtil::CheckSectSize(rec);
}

BOOL CClassSect::TR_Modify(UINT oldKey, UINT newKey, const T_SECT_D& rec) {
  auto* pSecf = m_pDB ? static_cast<CClassSecf*>(m_pDB->GetClass(CClassSecf::m_nClassID)) : nullptr;
  if (oldKey == newKey || !pSecf || !pSecf->Exist(oldKey))
    return DB_CTable::TR_Modify(oldKey, newKey, rec);
  if (!m_pDB->BeginGroup()) return FALSE;
  const BOOL ok = DB_CTable::TR_Modify(oldKey, newKey, rec);
  if (ok) pSecf->MoveOfSection(oldKey, newKey);
  m_pDB->CommitGroup();
  return ok;
}

BOOL CClassSect::GetKeyListByMatl(UINT matlKey, CUIntArray& keys) const {
  keys.RemoveAll();
  static const struct { const char* type; int kind; } kKinds[] = {
      {"C", SECT_MATL_RC}, {"S", SECT_MATL_STEEL}, {"SRC", SECT_MATL_SRC}, {"U", SECT_MATL_USER}};
  DB_CStoreBase* matls = m_pDB ? m_pDB->GetStore(DB_CLASS_MATL) : nullptr;
  const auto* m = matls ? static_cast<const T_MATL_D*>(matls->Record(matlKey)) : nullptr;
  if (!m || !Set()) return FALSE;
  for (const auto& k : kKinds)
    if (m->type == k.type)
      Set()->ForEach([&](UINT key, const T_SECT_D& s) {
        if (s.iMatlType == k.kind) keys.Add(key);
      });
  return TRUE;
}

void CClassSect::DeleteDependants(const std::vector<UINT>& keys) {
  auto* pSecf = static_cast<CClassSecf*>(m_pDB->GetClass(CClassSecf::m_nClassID));
  if (pSecf) pSecf->DeleteOfSections(keys);
}
