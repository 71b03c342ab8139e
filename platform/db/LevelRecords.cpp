// Field declarations of the level records.
#include "db/CUnitCtrl.h"
#include "db/DBClassIds.h"
#include "db/T_GRND_D.h"
#include "db/T_MDUL_D.h"
#include "db/T_PLAN_D.h"
#include "db/T_STOR_D.h"

const int T_STOR_D::unit[3] = {UNIT_LENGTH, UNIT_AREA_LOAD, UNIT_AREA_LOAD};

const DB_CRecordDesc& T_MDUL_D::Desc() {
  static const DB_CRecordDesc d("MDUL", DB_CLASS_MDUL, {
      DBField<&T_MDUL_D::name>("name"),
      DBField<&T_MDUL_D::startStorKey>("startStorKey"),
  });
  return d;
}

const DB_CRecordDesc& T_PLAN_D::Desc() {
  static const DB_CRecordDesc d("PLAN", DB_CLASS_PLAN, {
      DBField<&T_PLAN_D::name>("name"),
      DBField<&T_PLAN_D::wallType>("wallType"),
      DBField<&T_PLAN_D::slabType>("slabType"),
      DBField<&T_PLAN_D::loadType>("loadType"),
      DBField<&T_PLAN_D::stiffFactors>("stiffFactors"),
      DBField<&T_PLAN_D::useMctlMeshSize>("useMctlMeshSize"),
      DBField<&T_PLAN_D::meshSize>("meshSize", UNIT_LENGTH),
      DBField<&T_PLAN_D::reserved>("reserved"),
      DBField<&T_PLAN_D::property>("property"),
  });
  return d;
}

const DB_CRecordDesc& T_STOR_D::Desc() {
  static const DB_CRecordDesc d("STOR", DB_CLASS_STOR, {
      DBField<&T_STOR_D::name>("name"),
      DBField<&T_STOR_D::mdulKey>("mdulKey"),
      DBField<&T_STOR_D::planKey>("planKey"),
      DBField<&T_STOR_D::height>("height", T_STOR_D::unit[0]),
      DBField<&T_STOR_D::reserved>("reserved"),
      DBField<&T_STOR_D::masterStory>("masterStory"),
      DBField<&T_STOR_D::bendFactor>("bendFactor"),
      DBField<&T_STOR_D::deadLoad>("deadLoad", T_STOR_D::unit[1]),
      DBField<&T_STOR_D::liveLoad>("liveLoad", T_STOR_D::unit[2]),
      DBField<&T_STOR_D::singleMatl>("singleMatl"),
      DBField<&T_STOR_D::allMatlKey>("allMatlKey"),
      DBField<&T_STOR_D::colmMatlKey>("colmMatlKey"),
      DBField<&T_STOR_D::beamMatlKey>("beamMatlKey"),
      DBField<&T_STOR_D::wallMatlKey>("wallMatlKey"),
      DBField<&T_STOR_D::subBeamMatlKey>("subBeamMatlKey"),
      DBField<&T_STOR_D::braceMatlKey>("braceMatlKey"),
      DBField<&T_STOR_D::slabMatlKey>("slabMatlKey"),
      DBField<&T_STOR_D::transfer>("transfer"),
      DBField<&T_STOR_D::steelMatlKey>("steelMatlKey"),
      DBField<&T_STOR_D::srcColmMatlKey>("srcColmMatlKey"),
      DBField<&T_STOR_D::srcBeamMatlKey>("srcBeamMatlKey"),
  });
  return d;
}

const DB_CRecordDesc& T_GRND_D::Desc() {
  static const DB_CRecordDesc d("GRND", DB_CLASS_GRND, {
      DBField<&T_GRND_D::groundLevel>("groundLevel", UNIT_LENGTH),
      DBField<&T_GRND_D::basementCount>("basementCount"),
  });
  return d;
}
