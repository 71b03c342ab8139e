// Field declarations and registration of the analysis model's tables.
#include "db/CClassPMemb.h"

#include "db/CUnitCtrl.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPNode);
DB_REGISTER_TABLE(CClassPMemb);
DB_REGISTER_TABLE(CClassPStor);
DB_REGISTER_TABLE(CClassPMatl);
DB_REGISTER_TABLE(CClassPSect);
DB_REGISTER_TABLE(CClassPThik);
DB_REGISTER_TABLE(CClassPMdul);

const DB_CRecordDesc& T_PNODE_D::Desc() {
  using R = T_PNODE_D;
  static const DB_CRecordDesc d("PNODE", DB_CLASS_PNODE, {
      DBField<&R::x>("x", UNIT_LENGTH),
      DBField<&R::y>("y", UNIT_LENGTH),
      DBField<&R::z>("z", UNIT_LENGTH),
      DBField<&R::storyKey>("storyKey"),
  });
  return d;
}

const DB_CRecordDesc& T_PMEMB_D::Desc() {
  using R = T_PMEMB_D;
  static const DB_CRecordDesc d("PMEMB", DB_CLASS_PMEMB, {
      DBField<&R::type>("type"),
      DBField<&R::subtype>("subtype"),
      DBField<&R::nodes>("nodes"),
      DBField<&R::curves>("curves"),
      DBField<&R::matlKey>("matlKey"),
      DBField<&R::sectKey>("sectKey"),
      DBField<&R::thikKey>("thikKey"),
      DBField<&R::beta>("beta", UNIT_ANGLE),
      DBField<&R::storyKey>("storyKey"),
  });
  return d;
}

const DB_CRecordDesc& T_PSTOR_D::Desc() {
  using R = T_PSTOR_D;
  static const DB_CRecordDesc d("PSTOR", DB_CLASS_PSTOR, {
      DBField<&R::name>("name"),
      DBField<&R::mdulKey>("mdulKey"),
      DBField<&R::level>("level", UNIT_LENGTH),
      DBField<&R::height>("height", UNIT_LENGTH),
      DBField<&R::planKey>("planKey"),
  });
  return d;
}

const DB_CRecordDesc& T_PMDUL_D::Desc() {
  using R = T_PMDUL_D;
  static const DB_CRecordDesc d("PMDUL", DB_CLASS_PMDUL, {
      DBField<&R::name>("name"),
  });
  return d;
}

const DB_CRecordDesc& T_PMATL_D::Desc() {
  using R = T_PMATL_D;
  static const DB_CRecordDesc d("PMATL", DB_CLASS_PMATL, {
      DBField<&R::name>("name"),
      DBField<&R::type>("type"),
  });
  return d;
}

const DB_CRecordDesc& T_PSECT_D::Desc() {
  using R = T_PSECT_D;
  static const DB_CRecordDesc d("PSECT", DB_CLASS_PSECT, {
      DBField<&R::name>("name"),
      DBField<&R::type>("type"),
      DBField<&R::matlType>("matlType"),
  });
  return d;
}

const DB_CRecordDesc& T_PTHIK_D::Desc() {
  using R = T_PTHIK_D;
  static const DB_CRecordDesc d("PTHIK", DB_CLASS_PTHIK, {
      DBField<&R::name>("name"),
      DBField<&R::thick>("thick", UNIT_LENGTH),
  });
  return d;
}
