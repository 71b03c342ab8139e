// Field declarations of the model's objects: points, members, curves, tracing lines,
// thicknesses, stair records and design types.
#include "db/CUnitCtrl.h"
#include "db/DBClassIds.h"
#include "db/T_MBTP_D.h"
#include "db/T_MODELER2_PARAM.h"
#include "db/T_MEMB_D.h"
#include "db/T_PONT_D.h"
#include "db/T_THIK_D.h"
#include "db/T_TRLN_D.h"

const DB_CRecordDesc& T_PONT_D::Desc() {
  static const DB_CRecordDesc d("PONT", DB_CLASS_PONT, {
      DBField<&T_PONT_D::x>("x", UNIT_LENGTH),
      DBField<&T_PONT_D::y>("y", UNIT_LENGTH),
      DBField<&T_PONT_D::z>("z", UNIT_LENGTH),
      DBField<&T_PONT_D::flag>("flag"),
      DBField<&T_PONT_D::storyKey>("storyKey"),
      DBField<&T_PONT_D::number>("number"),
  });
  return d;
}

const DB_CRecordDesc& T_MEMB_D::Desc() {
  static const DB_CRecordDesc d("MEMB", DB_CLASS_MEMB, {
      DBField<&T_MEMB_D::type>("type"),
      DBField<&T_MEMB_D::storyKey>("storyKey"),
      DBField<&T_MEMB_D::points>("points"),
      DBField<&T_MEMB_D::curves>("curves"),
      DBField<&T_MEMB_D::matlKey>("matlKey"),
      DBField<&T_MEMB_D::sectKey>("sectKey"),
      DBField<&T_MEMB_D::thikKey>("thikKey"),
      DBField<&T_MEMB_D::beta>("beta", UNIT_ANGLE),
      DBField<&T_MEMB_D::dsgnKey>("dsgnKey"),
      DBField<&T_MEMB_D::name>("name"),
      DBField<&T_MEMB_D::number>("number"),
  });
  return d;
}

const DB_CRecordDesc& T_CURV_D::Desc() {
  static const DB_CRecordDesc d("CURV", DB_CLASS_CURV, {
      DBField<&T_CURV_D::cx>("cx", UNIT_LENGTH),
      DBField<&T_CURV_D::cy>("cy", UNIT_LENGTH),
      DBField<&T_CURV_D::cz>("cz", UNIT_LENGTH),
  });
  return d;
}

const DB_CRecordDesc& T_TRLN_D::Desc() {
  static const DB_CRecordDesc d("TRLN", DB_CLASS_TRLN, {
      DBField<&T_TRLN_D::name>("name"),
      DBField<&T_TRLN_D::x>("x", UNIT_LENGTH),
      DBField<&T_TRLN_D::y>("y", UNIT_LENGTH),
  });
  return d;
}

const DB_CRecordDesc& T_DMLN_D::Desc() {
  static const DB_CRecordDesc d("DMLN", DB_CLASS_DMLN, {
      DBField<&T_DMLN_D::trlnKey>("trlnKey"),
      DBField<&T_DMLN_D::kind>("kind"),
      DBField<&T_DMLN_D::pt1>("pt1"),
      DBField<&T_DMLN_D::pt2>("pt2"),
  });
  return d;
}

const DB_CRecordDesc& T_DMPT_D::Desc() {
  static const DB_CRecordDesc d("DMPT", DB_CLASS_DMPT, {
      DBField<&T_DMPT_D::x>("x", UNIT_LENGTH),
      DBField<&T_DMPT_D::y>("y", UNIT_LENGTH),
  });
  return d;
}

const int T_THIK_D::unit = UNIT_LENGTH;

const DB_CRecordDesc& T_THIK_D::Desc() {
  static const DB_CRecordDesc d("THIK", DB_CLASS_THIK, {
      DBField<&T_THIK_D::name>("name"),
      DBField<&T_THIK_D::type>("type"),
      DBField<&T_THIK_D::thick1>("thick1", T_THIK_D::unit),
      DBField<&T_THIK_D::thick2>("thick2", T_THIK_D::unit),
  });
  return d;
}

const DB_CRecordDesc& T_STIK_D::Desc() {
  static const DB_CRecordDesc d("STIK", DB_CLASS_STIK, {
      DBField<&T_STIK_D::b>("b", UNIT_LENGTH),
      DBField<&T_STIK_D::h>("h", UNIT_LENGTH),
      DBField<&T_STIK_D::extra>("extra", UNIT_LENGTH),
      DBField<&T_STIK_D::flag>("flag"),
  });
  return d;
}

const DB_CRecordDesc& T_MBTP_D::Desc() {
  static const DB_CRecordDesc d("MBTP", DB_CLASS_MBTP, {
      DBField<&T_MBTP_D::value>("value"),
      DBField<&T_MBTP_D::autoFlag>("autoFlag"),
  });
  return d;
}

const DB_CRecordDesc& T_MODELER2_PARAM_MEMB::Desc() {
  using M = T_MODELER2_PARAM_MEMB;
  static const DB_CRecordDesc d("", 0, {
      DBField<&M::mode>("mode"),       DBField<&M::optA>("optA"),          DBField<&M::name>("name"),
      DBField<&M::type>("type"),       DBField<&M::beta>("beta", UNIT_ANGLE), DBField<&M::optB>("optB"),
      DBField<&M::key>("key"),         DBField<&M::betaAuto>("betaAuto"),  DBField<&M::optC>("optC"),
      DBField<&M::tension>("tension"), DBField<&M::bending>("bending"),    DBField<&M::braceOpt>("braceOpt"),
      DBField<&M::braceType>("braceType"), DBField<&M::cross>("cross"),    DBField<&M::over>("over"),
      DBField<&M::e1>("e1", UNIT_LENGTH), DBField<&M::e2>("e2", UNIT_LENGTH), DBField<&M::optD>("optD"),
      DBField<&M::canti>("canti"),     DBField<&M::stairW>("stairW", UNIT_LENGTH),
      DBField<&M::stairH>("stairH", UNIT_LENGTH), DBField<&M::stairT>("stairT", UNIT_LENGTH),
      DBField<&M::stairUser>("stairUser"), DBField<&M::release>("release"), DBField<&M::optE>("optE"),
      DBField<&M::optF>("optF"),
  });
  return d;
}

const DB_CRecordDesc& T_MODELER2_PARAM_PONT::Desc() {
  using P = T_MODELER2_PARAM_PONT;
  static const DB_CRecordDesc d("", 0, {
      DBField<&P::mode>("mode"), DBField<&P::optA>("optA"), DBField<&P::optB>("optB"),
      DBField<&P::optC>("optC"), DBField<&P::name>("name"),
  });
  return d;
}

const DB_CRecordDesc& T_PARAM_CANTI_SLAB::Desc() {
  using C = T_PARAM_CANTI_SLAB;
  static const DB_CRecordDesc d("", 0, {
      DBField<&C::length>("length", UNIT_LENGTH), DBField<&C::width>("width", UNIT_LENGTH),
      DBField<&C::offset>("offset", UNIT_LENGTH), DBField<&C::location>("location"),
      DBField<&C::direction>("direction"),
  });
  return d;
}
