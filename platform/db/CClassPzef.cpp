#include "db/CClassPzef.h"

#include "db/CUnitCtrl.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPzef);

const int T_PZEF_D::unit[1] = {UNIT_NONE};

const DB_CRecordDesc& T_PZEF_D::Desc() {
  using R = T_PZEF_D;
  static const DB_CRecordDesc d("PZEF", DB_CLASS_PZEF, {
      DBField<&R::beamRigidZone>("beamRigidZone"),
      DBField<&R::beamFactor>("beamFactor", R::unit[0]),
      DBField<&R::beamForcePos>("beamForcePos"),
      DBField<&R::colmRigidZone>("colmRigidZone"),
      DBField<&R::colmFactor>("colmFactor", R::unit[0]),
      DBField<&R::colmForcePos>("colmForcePos"),
  });
  return d;
}
