#include "db/CClassPtld.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPtld);

void CPtldCounts::Add(UINT, const T_PTLD_D& r) {
  if (r.kind >= 0 && r.kind < KINDS) ++m_count[r.kind];
}

void CPtldCounts::Remove(UINT, const T_PTLD_D& r) {
  if (r.kind >= 0 && r.kind < KINDS) --m_count[r.kind];
}

const DB_CRecordDesc& T_PTLD_D::Desc() {
  using R = T_PTLD_D;
  static const DB_CRecordDesc d("PTLD", DB_CLASS_PTLD, {
      DBField<&R::owner>("owner"),
      DBField<&R::kind>("kind"),
  });
  return d;
}
