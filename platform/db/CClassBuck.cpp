#include "db/CClassBuck.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassBuck);

const DB_CRecordDesc& T_BUCK_BASE::Desc() {
  using R = T_BUCK_BASE;
  static const DB_CRecordDesc d("BUCKBASE", 0, {
      DBField<&R::lc>("lc"),
      DBField<&R::factor>("factor"),
      DBField<&R::type>("type"),
  });
  return d;
}

const DB_CRecordDesc& T_BUCK_D::Desc() {
  using R = T_BUCK_D;
  static const DB_CRecordDesc d("BUCK", DB_CLASS_BUCK, {
      DBField<&R::modes>("modes"),
      DBField<&R::iterCount>("iterCount"),
      DBField<&R::tol>("tol"),
      DBField<&R::count>("count"),
      DBField<&R::entry>("entry"),
      DBField<&R::positive>("positive"),
  });
  return d;
}
