#include "db/CClassNpln.h"

#include "db/CDBDoc.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassNpln);

const DB_CRecordDesc& T_NPLN_D::Desc() {
  using R = T_NPLN_D;
  static const DB_CRecordDesc d("NPLN", DB_CLASS_NPLN, {
      DBField<&R::name>("name"),
      DBField<&R::x>("x", UNIT_LENGTH),
      DBField<&R::y>("y", UNIT_LENGTH),
      DBField<&R::z>("z", UNIT_LENGTH),
      DBField<&R::nx>("nx"),
      DBField<&R::ny>("ny"),
      DBField<&R::nz>("nz"),
  });
  return d;
}

BOOL CClassNpln::CheckRecord(const T_NPLN_D& rec) const {
  return rec.nx != 0.0 || rec.ny != 0.0 || rec.nz != 0.0;
}

namespace {

// The sample model's planes: 1 "Y0" (y = 0) and 2 "X0" (x = 0).
void AddPlanes(CDBDoc& doc) {
  auto* npln = static_cast<CClassNpln*>(doc.GetModelDB()->GetClass(CClassNpln::m_nClassID));
  if (!npln) return;
  CArray<T_NPLN_D> recs;
  T_NPLN_D r;
  r.name = "Y0";
  r.nx = 0.0, r.ny = 1.0, r.nz = 0.0;
  recs.Add(r);
  r.name = "X0";
  r.nx = 1.0, r.ny = 0.0, r.nz = 0.0;
  recs.Add(r);
  npln->TR_Add(recs);
}

const CDBDocSampleStep s_planes(45, &AddPlanes);

}  // namespace
