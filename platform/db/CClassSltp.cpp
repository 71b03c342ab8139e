#include "db/CClassSltp.h"

#include "db/CUnitCtrl.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassSltp);

const DB_CRecordDesc& T_SLTP_D::Desc() {
  static const DB_CRecordDesc d("SLTP", DB_CLASS_SLTP, {
      DBField<&T_SLTP_D::name>("name"),
      DBField<&T_SLTP_D::dead>("dead", UNIT_AREA_LOAD),
      DBField<&T_SLTP_D::live>("live", UNIT_AREA_LOAD),
  });
  return d;
}
