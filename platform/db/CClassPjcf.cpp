#include "db/CClassPjcf.h"

#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPjcf);

const DB_CRecordDesc& T_PJCF_D::Desc() {
  using R = T_PJCF_D;
  static const DB_CRecordDesc d("PJCF", DB_CLASS_PJCF, {
      DBField<&R::project>("project"),
      DBField<&R::version>("version"),
      DBField<&R::user>("user"),
      DBField<&R::email>("email"),
      DBField<&R::address>("address"),
      DBField<&R::phone>("phone"),
      DBField<&R::fax>("fax"),
      DBField<&R::client>("client"),
      DBField<&R::title>("title"),
      DBField<&R::signName>("signName"),
      DBField<&R::signDate>("signDate"),
      DBField<&R::desc>("desc"),
  });
  return d;
}
