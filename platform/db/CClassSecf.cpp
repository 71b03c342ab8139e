#include "db/CClassSecf.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassSecf);

void CClassSecf::DeleteOfSections(const std::vector<UINT>& sectKeys) {
  auto op = NewOp();
  for (UINT k : sectKeys)
    if (Exist(k)) op->Erase(k);
  m_pDB->CommitOp(std::move(op));
}

void CClassSecf::MoveOfSection(UINT oldKey, UINT newKey) {
  T_SECF_D f;
  if (oldKey == newKey || !Get(oldKey, f)) return;
  auto op = NewOp();
  if (Exist(newKey)) op->Erase(newKey);
  op->Modify(oldKey, newKey, f);
  m_pDB->CommitOp(std::move(op));
}
