// Field declarations and registration of the assigned-data tables.
#include "db/CClassMasg.h"

#include "db/CUnitCtrl.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassMasg);
DB_REGISTER_TABLE(CClassPasg);
DB_REGISTER_TABLE(CClassEasg);

void CMasgCounts::Step(const T_MASG_D& r, int d) {
  const bool has[KINDS] = {!r.release.IsEmpty(), !r.slabEdge.IsEmpty(), !r.offset.IsEmpty(), r.tempFlag != 0,
                           r.slabLoadFlag != 0};
  for (int k = 0; k < KINDS; ++k)
    if (has[k]) m_count[k] += d;
}

void CPasgCounts::Step(const T_PASG_D& r, int d) {
  if (!r.support.IsEmpty()) m_nSupport += d;
}

const DB_CRecordDesc& T_MASG_D::Desc() {
  using R = T_MASG_D;
  static const DB_CRecordDesc d("MASG", DB_CLASS_MASG, {
      DBField<&R::slabLoadFlag>("slabLoadFlag"),
      DBField<&R::slabDead>("slabDead", UNIT_AREA_LOAD),
      DBField<&R::slabLive>("slabLive", UNIT_AREA_LOAD),
      DBField<&R::tempFlag>("tempFlag"),
      DBField<&R::temp>("temp", UNIT_TEMPERATURE),
      DBField<&R::support>("support"),
      DBField<&R::release>("release"),
      DBField<&R::offset>("offset"),
      DBField<&R::slabEdge>("slabEdge"),
      DBField<&R::openFlag>("openFlag"),
      DBField<&R::stiffFlag>("stiffFlag"),
      DBField<&R::decFact>("decFact"),
      DBField<&R::momFlag>("momFlag"),
      DBField<&R::torFlag>("torFlag"),
      DBField<&R::seisFlag>("seisFlag"),
      DBField<&R::effFlag>("effFlag"),
      DBField<&R::wallDetail>("wallDetail"),
      DBField<&R::stiff>("stiff"),
      DBField<&R::wallStiff>("wallStiff"),
      DBField<&R::momFact>("momFact"),
      DBField<&R::torFact>("torFact"),
      DBField<&R::seisFact>("seisFact"),
      DBField<&R::effFact>("effFact"),
      DBField<&R::unbraced>("unbraced", UNIT_LENGTH),
      DBField<&R::noThird>("noThird"),
      DBField<&R::unbraced3>("unbraced3", UNIT_LENGTH),
      DBField<&R::limRatio>("limRatio"),
      DBField<&R::equivMom>("equivMom"),
      DBField<&R::uncertFact>("uncertFact"),
  });
  return d;
}

const DB_CRecordDesc& T_PASG_D::Desc() {
  using R = T_PASG_D;
  static const DB_CRecordDesc d("PASG", DB_CLASS_PASG, {
      DBField<&R::support>("support"),
      DBField<&R::link>("link"),
  });
  return d;
}

const DB_CRecordDesc& T_EASG_D::Desc() {
  using R = T_EASG_D;
  static const DB_CRecordDesc d("EASG", DB_CLASS_EASG, {
      DBField<&R::seisGrade>("seisGrade"),
      DBField<&R::decFact>("decFact"),
      DBField<&R::momFlag>("momFlag"),
      DBField<&R::torFlag>("torFlag"),
      DBField<&R::seisFlag>("seisFlag"),
      DBField<&R::effFlag>("effFlag"),
      DBField<&R::pushHinge>("pushHinge"),
      DBField<&R::inelHinge>("inelHinge"),
  });
  return d;
}
