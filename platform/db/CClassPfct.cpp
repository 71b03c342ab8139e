#include "db/CClassPfct.h"

#include "db/CClassErsq.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassPfct);
DB_REGISTER_TABLE(CClassErsq);

namespace {
bool Flag(int v) { return v == 0 || v == 1; }
bool Target(int v) { return v >= 0 && v <= 3; }
}  // namespace

BOOL CClassPfct::CheckRecord(const T_PFCT_D& r) const {
  return Flag(r.code) && Flag(r.allMemb) && Flag(r.freq) && Flag(r.mod) && Flag(r.rare) && Target(r.freqTarget) &&
         Target(r.modTarget) && Target(r.rareTarget) && Target(r.tallTarget);
}

const DB_CRecordDesc& T_PFCT_D::Desc() {
  using R = T_PFCT_D;
  static const DB_CRecordDesc d("PFCT", DB_CLASS_PFCT, {
      DBField<&R::code>("code"),
      DBField<&R::allMemb>("allMemb"),
      DBField<&R::freq>("freq"),
      DBField<&R::mod>("mod"),
      DBField<&R::rare>("rare"),
      DBField<&R::freqTarget>("freqTarget"),
      DBField<&R::modTarget>("modTarget"),
      DBField<&R::rareTarget>("rareTarget"),
      DBField<&R::tallTarget>("tallTarget"),
      DBField<&R::drift>("drift"),
      DBField<&R::tallDrift>("tallDrift"),
  });
  return d;
}

const DB_CRecordDesc& T_ERSQ_D::Desc() {
  using R = T_ERSQ_D;
  static const DB_CRecordDesc d("ERSQ", DB_CLASS_ERSQ, {
      DBField<&R::lead>("lead"),
      DBField<&R::increment>("increment"),
  });
  return d;
}
