#include "db/CClassOtln.h"

#include "db/CClassLwrd.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassOtln);
DB_REGISTER_TABLE(CClassLwrd);

const DB_CRecordDesc& T_OTLN_D::Desc() {
  using R = T_OTLN_D;
  static const DB_CRecordDesc d("OTLN", DB_CLASS_OTLN, {
      DBField<&R::lead>("lead"),
      DBField<&R::name>("name"),
      DBField<&R::startStory>("startStory"),
      DBField<&R::endStory>("endStory"),
      DBField<&R::points>("points"),
  });
  return d;
}

const DB_CRecordDesc& T_LWRD_D::Desc() {
  using R = T_LWRD_D;
  static const DB_CRecordDesc d("LWRD", DB_CLASS_LWRD, {
      DBField<&R::lead>("lead"),
      DBField<&R::startStory>("startStory"),
      DBField<&R::endStory>("endStory"),
      DBField<&R::points>("points"),
  });
  return d;
}
