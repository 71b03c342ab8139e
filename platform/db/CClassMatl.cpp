#include "db/CClassMatl.h"

#include "db/CClassMctl.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CMatlDB.h"
#include "db/DB_CTableRegistry.h"
#include "db/SectRecord.h"

DB_REGISTER_TABLE(CClassMatl);

namespace {
BOOL AnalysisValid(const T_MATL_ANALYSIS& a) {
  return a.elastic >= 0.0 && a.unitWeight >= 0.0 && a.poisson >= 0.0 && a.poisson < 0.5;
}
double Ratio(double a, double b) { return b != 0.0 ? a / b : 0.0; }
const CMatlDB& Standards() {
  return *(CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetMatlDB() : CMatlDB::GetDefault());
}
}  // namespace

BOOL CClassMatl::CheckRecord(const T_MATL_D& rec) const {
  if (!T_MATL_D::IsTypeCode(rec.type)) return FALSE;
  if (!(rec.damping >= 0.0)) return FALSE;
  return AnalysisValid(rec.matl1.anal) && AnalysisValid(rec.matl2.anal);
}

BOOL CClassMatl::CheckDelete(const std::vector<UINT>& keys) const {
  std::unordered_set<UINT> gone(keys.begin(), keys.end());
  auto* stor = static_cast<CClassStor*>(m_pDB->GetClass(CClassStor::m_nClassID));
  auto* mctl = static_cast<CClassMctl*>(m_pDB->GetClass(CClassMctl::m_nClassID));
  BOOL used = FALSE;
  if (stor) {
    CUIntArray storKeys;
    CArray<T_STOR_D> recs;
    stor->GetList(storKeys, recs);
    for (const T_STOR_D& s : recs)
      for (UINT k : {s.allMatlKey, s.colmMatlKey, s.beamMatlKey, s.wallMatlKey, s.subBeamMatlKey,
                     s.braceMatlKey, s.slabMatlKey, s.steelMatlKey, s.srcColmMatlKey, s.srcBeamMatlKey})
        used = used || gone.count(k);
  }
  T_MCTL_D c;
  if (mctl && mctl->Get(c))
    for (UINT k : {c.rcMatlKey, c.steelMatlKey, c.srcMatlKey}) used = used || gone.count(k);
  return !used;
}

BOOL CClassMatl::GetKeyListByType(CUIntArray& keys, const CString& type) const {
  keys.RemoveAll();
  if (!Set()) return FALSE;
  Set()->ForEach([&](UINT k, const T_MATL_D& r) {
    if (r.type == type) keys.Add(k);
  });
  return TRUE;
}

BOOL CClassMatl::GetKeyListBySect(UINT sectKey, CUIntArray& keys) const {
  keys.RemoveAll();
  // Section material kinds (SECT_MATL_*) and the material types they take.
  static const struct { int kind; const char* type; } kTypes[] = {
      {SECT_MATL_RC, "C"}, {SECT_MATL_STEEL, "S"}, {SECT_MATL_SRC, "SRC"}, {SECT_MATL_USER, "U"}};
  DB_CStoreBase* sects = m_pDB ? m_pDB->GetStore(SECT_CLASS_ID) : nullptr;
  const auto* sect = sects ? static_cast<const T_SECT_D*>(sects->Record(sectKey)) : nullptr;
  if (!sect) return FALSE;
  for (const auto& t : kTypes)
    if (t.kind == sect->iMatlType) return GetKeyListByType(keys, t.type);
  return FALSE;
}

BOOL CClassMatl::GetMatlInfo_ofSRCSect(const T_MATL_D& matl, T_SECT_D& sect) const {
  if (matl.type != "SRC") return FALSE;
  const T_MATL_ANALYSIS& s = matl.matl1.anal;
  const T_MATL_ANALYSIS& c = matl.matl2.anal;
  T_SECT_SECTION_D& p = sect.Part1;
  p.nSrcMatl = matl.key;
  p.dEsEc = Ratio(s.elastic, c.elastic);
  p.dDsDc = Ratio(s.unitWeight, c.unitWeight);
  p.dPs = s.poisson;
  p.dPc = c.poisson;
  p.iSrcMatlSet = 1;
  return TRUE;
}

BOOL CClassMatl::GetSteelDataByMatlCodeName(const CString& code, const CString& grade,
                                            T_MATL_ANALYSIS& anal) const {
  T_MATL_STEEL d;
  if (!Standards().GetSteelData(code, grade, d)) return FALSE;
  anal.Initialize();
  anal.elastic = d.elastic;
  anal.poisson = d.poisson;
  anal.thermal = d.thermal;
  anal.unitWeight = d.unitWeight;
  anal.fak = d.fy;
  anal.fa = d.f;
  return TRUE;
}

BOOL CClassMatl::GetConcreteDataByMatlCodeName(const CString& code, const CString& grade,
                                               T_MATL_ANALYSIS& anal) const {
  T_MATL_CONCRETE d;
  if (!Standards().GetConcreteData(code, grade, d)) return FALSE;
  anal.Initialize();
  anal.elastic = d.elastic;
  anal.poisson = d.poisson;
  anal.thermal = d.thermal;
  anal.unitWeight = d.unitWeight;
  anal.fck = d.fck;
  anal.ftk = d.ftk;
  anal.fc = d.fc;
  anal.ft = d.ft;
  return TRUE;
}
