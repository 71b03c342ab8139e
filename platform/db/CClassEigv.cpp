#include "db/CClassEigv.h"

#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/DB_CTableRegistry.h"

DB_REGISTER_TABLE(CClassEigv);

int CClassEigv::GetNumEigv() const {
  if (!m_pDB) return 0;
  auto* stor = static_cast<const CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  auto* mdul = static_cast<const CClassMdul*>(m_pDB->GetClass(CClassMdul::m_nClassID));
  int n = 0;
  if (stor && mdul) {
    CUIntArray towers;
    mdul->GetKeyList(towers);
    for (int i = 0; i < towers.GetSize(); ++i) n += 3 * stor->GetCountWithoutBase(towers[i]);
  }
  T_EIGV_D rec;
  if (Get(rec) && rec.limitOn == 1 && n > rec.maxModes) n = rec.maxModes;
  return n;
}

const DB_CRecordDesc& T_EIGV_LC::Desc() {
  using R = T_EIGV_LC;
  static const DB_CRecordDesc d("EIGVLC", 0, {
      DBField<&R::first>("first"),
      DBField<&R::lc>("lc"),
      DBField<&R::count>("count"),
  });
  return d;
}

const DB_CRecordDesc& T_EIGV_D::Desc() {
  using R = T_EIGV_D;
  static const DB_CRecordDesc d("EIGV", DB_CLASS_EIGV, {
      DBField<&R::type>("type"),
      DBField<&R::freqMode>("freqMode"),
      DBField<&R::numFreq>("numFreq"),
      DBField<&R::limitOn>("limitOn"),
      DBField<&R::maxModes>("maxModes"),
      DBField<&R::dx>("dx"),
      DBField<&R::dy>("dy"),
      DBField<&R::rz>("rz"),
      DBField<&R::resA>("resA"),
      DBField<&R::iterCount>("iterCount"),
      DBField<&R::subspace>("subspace"),
      DBField<&R::tol>("tol"),
      DBField<&R::resB>("resB"),
      DBField<&R::massSum>("massSum"),
      DBField<&R::lcVec>("lcVec"),
      DBField<&R::nlnkOn>("nlnkOn"),
      DBField<&R::nlnkVec>("nlnkVec"),
  });
  return d;
}
