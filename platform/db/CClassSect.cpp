#include "db/CClassSect.h"

#include "db/CClassSecf.h"
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

void CClassSect::DeleteDependants(const std::vector<UINT>& keys) {
  auto* pSecf = static_cast<CClassSecf*>(m_pDB->GetClass(CClassSecf::m_nClassID));
  if (pSecf) pSecf->DeleteOfSections(keys);
}
