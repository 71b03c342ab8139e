#include "db/T_MCTL_D.h"

#include "db/CUnitCtrl.h"
#include "db/DBClassIds.h"

const int T_MCTL_LOAD_MASS::unit[1] = {UNIT_AREA_LOAD};
const int T_MCTL_DETAIL::unit[2] = {UNIT_LENGTH, UNIT_LENGTH};
const int T_MCTL_UGSTORY::unit[3] = {UNIT_UNIT_WEIGHT, UNIT_LENGTH, UNIT_AREA_LOAD};

const DB_CRecordDesc& T_MCTL_LOAD_MASS::Desc() {
  using R = T_MCTL_LOAD_MASS;
  static const DB_CRecordDesc d("", DB_CLASS_NONE, {
      DBField<&R::dlCase>("dlCase"),
      DBField<&R::llCase>("llCase"),
      DBField<&R::constLiveMode>("constLiveMode"),
      DBField<&R::constLiveLoad>("constLiveLoad", R::unit[0]),
      DBField<&R::constLivePercent>("constLivePercent"),
      DBField<&R::selfWeight>("selfWeight"),
      DBField<&R::selfWeightCase>("selfWeightCase"),
      DBField<&R::selfWeightFactor>("selfWeightFactor"),
      DBField<&R::autoSlabWeight>("autoSlabWeight"),
      DBField<&R::patternLive>("patternLive"),
      DBField<&R::patternFromStory>("patternFromStory"),
      DBField<&R::patternToStory>("patternToStory"),
      DBField<&R::patternColumns>("patternColumns"),
      DBField<&R::gravityRep>("gravityRep"),
      DBField<&R::gravityRepDlFactor>("gravityRepDlFactor"),
      DBField<&R::gravityRepLlFactor>("gravityRepLlFactor"),
      DBField<&R::selfWeightToMass>("selfWeightToMass"),
  });
  return d;
}

const DB_CRecordDesc& T_MCTL_DETAIL::Desc() {
  using R = T_MCTL_DETAIL;
  static const DB_CRecordDesc d("", DB_CLASS_NONE, {
      DBField<&R::slabMesh>("slabMesh", R::unit[0]),
      DBField<&R::wallMesh>("wallMesh", R::unit[0]),
      DBField<&R::transferBeamMesh>("transferBeamMesh", R::unit[0]),
      DBField<&R::detailWallMesh>("detailWallMesh", R::unit[0]),
      DBField<&R::coupleInternalDof>("coupleInternalDof"),
      DBField<&R::stairMesh>("stairMesh", R::unit[0]),
      DBField<&R::retainWallMesh>("retainWallMesh", R::unit[0]),
      DBField<&R::footingMesh>("footingMesh", R::unit[0]),
      DBField<&R::maxWallHeight>("maxWallHeight", R::unit[1]),
      DBField<&R::splitAtBraceCross>("splitAtBraceCross"),
  });
  return d;
}

const DB_CRecordDesc& T_MCTL_UGSTORY::Desc() {
  using R = T_MCTL_UGSTORY;
  static const DB_CRecordDesc d("", DB_CLASS_NONE, {
      DBField<&R::backfillStiffRatio>("backfillStiffRatio"),
      DBField<&R::backfillWeight>("backfillWeight", R::unit[0]),
      DBField<&R::waterLevel>("waterLevel", R::unit[1]),
      DBField<&R::backfillPressCoef>("backfillPressCoef"),
      DBField<&R::groundSurcharge>("groundSurcharge", R::unit[2]),
  });
  return d;
}

const DB_CRecordDesc& T_MCTL_WALLOPEN::Desc() {
  using R = T_MCTL_WALLOPEN;
  static const DB_CRecordDesc d("", DB_CLASS_NONE, {
      DBField<&R::ignoreOpenWidth>("ignoreOpenWidth", UNIT_LENGTH),
      DBField<&R::ignoreOpenHeight>("ignoreOpenHeight", UNIT_LENGTH),
      DBField<&R::reserved>("reserved", UNIT_LENGTH),
      DBField<&R::noEdgeOpenWidth>("noEdgeOpenWidth", UNIT_LENGTH),
      DBField<&R::noEdgeOpenHeight>("noEdgeOpenHeight", UNIT_LENGTH),
      DBField<&R::frameBeamByRatio>("frameBeamByRatio"),
      DBField<&R::frameBeamRatio>("frameBeamRatio"),
  });
  return d;
}

const DB_CRecordDesc& T_MCTL_D::Desc() {
  using R = T_MCTL_D;
  static const DB_CRecordDesc d("MCTL", DB_CLASS_MCTL, {
      DBField<&R::structType>("structType"),
      DBField<&R::allRigidSlab>("allRigidSlab"),
      DBField<&R::midBeamFactor>("midBeamFactor"),
      DBField<&R::couplingBeamFactor>("couplingBeamFactor"),
      DBField<&R::matlType>("matlType"),
      DBField<&R::heightClass>("heightClass"),
      DBField<&R::reserved>("reserved"),
      DBField<&R::rcMatlKey>("rcMatlKey"),
      DBField<&R::steelMatlKey>("steelMatlKey"),
      DBField<&R::srcMatlKey>("srcMatlKey"),
      DBField<&R::beamColumnRigidZone>("beamColumnRigidZone"),
      DBField<&R::transferBeamRigidZone>("transferBeamRigidZone"),
      DBField<&R::autoBaseSupport>("autoBaseSupport"),
      DBField<&R::baseFixed>("baseFixed"),
      DBField<&R::restrainBasement>("restrainBasement"),
      DBField<&R::releasedBasementStories>("releasedBasementStories"),
      DBField<&R::baseDof>("baseDof"),
      DBField<&R::loadMass>("loadMass"),
      DBField<&R::detail>("detail"),
      DBField<&R::ugStory>("ugStory"),
      DBField<&R::wallOpening>("wallOpening"),
      DBField<&R::codeSet>("codeSet"),
  });
  return d;
}
