#include "db/CClassSecf.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassSecf);

void CClassSecf::DeleteOfSections(const std::vector<UINT>& sectKeys) {
  auto op = NewOp();
  for (UINT k : sectKeys)
    if (Exist(k)) op->Erase(k);
  m_pDB->CommitOp(std::move(op));
}
