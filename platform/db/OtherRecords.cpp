// Field declarations of the records that no table holds.
#include "db/CUnitCtrl.h"
#include "db/DBClassIds.h"
#include "db/T_DASB_D.h"
#include "db/T_PREFERENCE.h"

const DB_CRecordDesc& T_DASB_D::Desc() {
  using R = T_DASB_D;
  static const DB_CRecordDesc d("DASB", DB_CLASS_NONE, {
      DBField<&R::meshSize>("meshSize", UNIT_LENGTH),
      DBField<&R::deadLoad>("deadLoad"),
      DBField<&R::liveLoad>("liveLoad"),
      DBField<&R::wind>("wind"),
      DBField<&R::horzSeismic>("horzSeismic"),
      DBField<&R::vertSeismic>("vertSeismic"),
      DBField<&R::civilAirDefence>("civilAirDefence"),
      DBField<&R::dlLlDisplacement>("dlLlDisplacement"),
      DBField<&R::longTermDeflection>("longTermDeflection"),
      DBField<&R::punchingCheck>("punchingCheck"),
  });
  return d;
}

const DB_CRecordDesc& T_PREFERENCE::Desc() {
  using R = T_PREFERENCE;
  static const DB_CRecordDesc d("PREF", DB_CLASS_NONE, {
      DBField<&R::levelTolerance>("levelTolerance", UNIT_LENGTH),
      DBField<&R::sizeTolerance>("sizeTolerance", UNIT_LENGTH),
      DBField<&R::numTolerance>("numTolerance"),
      DBField<&R::defSteelCode>("defSteelCode"),
      DBField<&R::defConcreteCode>("defConcreteCode"),
      DBField<&R::defSteelDB>("defSteelDB"),
  });
  return d;
}
