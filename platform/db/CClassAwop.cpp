#include "db/CClassAwop.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassAwop);

const DB_CRecordDesc& T_AWOP_D::Desc() {
  static const DB_CRecordDesc d("AWOP", DB_CLASS_AWOP, {
      DBField<&T_AWOP_D::twop>("twop"),
      DBField<&T_AWOP_D::pos>("pos"),
  });
  return d;
}

BOOL CClassAwop::CheckRecord(const T_AWOP_D& r) const { return r.twop.GetSize() == r.pos.GetSize(); }
