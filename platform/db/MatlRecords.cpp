// Field declarations of the material records.
#include "db/CUnitCtrl.h"
#include "db/DBClassIds.h"
#include "db/T_MATL_D.h"

const int T_MATL_ANALYSIS::unit[10] = {UNIT_STRESS, UNIT_NONE,   UNIT_THERMAL_COEF, UNIT_UNIT_WEIGHT,
                                       UNIT_STRESS, UNIT_STRESS, UNIT_STRESS,       UNIT_STRESS,
                                       UNIT_STRESS, UNIT_STRESS};
const int T_MATL_D::unit[4] = {UNIT_STRESS, UNIT_STRESS, UNIT_STRESS, UNIT_STRESS};
const char* const T_MATL_D::typeCodes[4] = {"S", "C", "SRC", "U"};

BOOL T_MATL_D::IsTypeCode(const CString& type) {
  for (const char* c : typeCodes)
    if (type == c) return TRUE;
  return FALSE;
}

const DB_CRecordDesc& T_MATL_ANALYSIS::Desc() {
  using R = T_MATL_ANALYSIS;
  static const DB_CRecordDesc d("MATA", DB_CLASS_NONE, {
      DBField<&R::elastic>("elastic", R::unit[0]),
      DBField<&R::poisson>("poisson", R::unit[1]),
      DBField<&R::thermal>("thermal", R::unit[2]),
      DBField<&R::unitWeight>("unitWeight", R::unit[3]),
      DBField<&R::fck>("fck", R::unit[4]),
      DBField<&R::ftk>("ftk", R::unit[5]),
      DBField<&R::fak>("fak", R::unit[6]),
      DBField<&R::fc>("fc", R::unit[7]),
      DBField<&R::ft>("ft", R::unit[8]),
      DBField<&R::fa>("fa", R::unit[9]),
  });
  return d;
}

const DB_CRecordDesc& T_MATL_ALL::Desc() {
  using R = T_MATL_ALL;
  static const DB_CRecordDesc d("MATS", DB_CLASS_NONE, {
      DBField<&R::code>("code"),
      DBField<&R::grade>("grade"),
      DBField<&R::anal>("anal"),
  });
  return d;
}

const DB_CRecordDesc& T_MATL_D::Desc() {
  using R = T_MATL_D;
  static const DB_CRecordDesc d("MATL", DB_CLASS_MATL, {
      DBField<&R::name>("name"),
      DBField<&R::type>("type"),
      DBField<&R::matl1>("matl1"),
      DBField<&R::matl2>("matl2"),
      DBField<&R::rebarCode>("rebarCode"),
      DBField<&R::mainBarGrade>("mainBarGrade"),
      DBField<&R::stirrupGrade>("stirrupGrade"),
      DBField<&R::concStrength>("concStrength", R::unit[0]),
      DBField<&R::mainBarStrength>("mainBarStrength", R::unit[1]),
      DBField<&R::stirrupStrength>("stirrupStrength", R::unit[2]),
      DBField<&R::steelStrength>("steelStrength", R::unit[3]),
      DBField<&R::damping>("damping"),
  });
  return d;
}
