#include "db/CClassActl.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassActl);

const DB_CRecordDesc& T_ACTL_D::Desc() {
  using R = T_ACTL_D;
  static const DB_CRecordDesc d("ACTL", DB_CLASS_ACTL, {
      DBField<&R::solver>("solver"),
      DBField<&R::multiCpu>("multiCpu"),
      DBField<&R::cpuCount>("cpuCount"),
      DBField<&R::memMode>("memMode"),
      DBField<&R::memSize>("memSize"),
      DBField<&R::reserved>("reserved"),
      DBField<&R::staticAnal>("static"),
      DBField<&R::wind>("wind"),
      DBField<&R::seismic>("seismic"),
      DBField<&R::eigen>("eigen"),
      DBField<&R::spectrum>("spectrum"),
      DBField<&R::pdelta>("pdelta"),
      DBField<&R::pushover>("pushover"),
      DBField<&R::history>("history"),
      DBField<&R::stage>("stage"),
  });
  return d;
}
