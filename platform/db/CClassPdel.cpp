#include "db/CClassPdel.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPdel);

const DB_CRecordDesc& T_PDEL_BASE::Desc() {
  using R = T_PDEL_BASE;
  static const DB_CRecordDesc d("PDELBASE", 0, {
      DBField<&R::lc>("lc"),
      DBField<&R::factor>("factor"),
  });
  return d;
}

const DB_CRecordDesc& T_PDEL_D::Desc() {
  using R = T_PDEL_D;
  static const DB_CRecordDesc d("PDEL", DB_CLASS_PDEL, {
      DBField<&R::iterCount>("iterCount"),
      DBField<&R::tol>("tol"),
      DBField<&R::count>("count"),
      DBField<&R::entry>("entry"),
  });
  return d;
}
