#include "db/CClassSect.h"

#include "db/CClassSecf.h"
#include "db/CSectUtil.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassSect);

BOOL CClassSect::CheckSectSize(int /*nOption*/, const T_SECT_D& rec, int /*nFlag*/) const {
  return CSectUtil::CheckSectSize(rec);
}

void CClassSect::DeleteDependants(const std::vector<UINT>& keys) {
  auto* pSecf = static_cast<CClassSecf*>(m_pDB->GetClass(CClassSecf::m_nClassID));
  if (pSecf) pSecf->DeleteOfSections(keys);
}
