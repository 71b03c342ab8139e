#include "db/CClassMatl.h"

#include "db/DB_CTableRegistry.h"
#include "db/SectRecord.h"

DB_REGISTER_TABLE(CClassMatl);

namespace {
BOOL AnalysisValid(const T_MATL_ANALYSIS& a) {
  return a.elastic >= 0.0 && a.unitWeight >= 0.0 && a.poisson >= 0.0 && a.poisson < 0.5;
}
double Ratio(double a, double b) { return b != 0.0 ? a / b : 0.0; }
}  // namespace

BOOL CClassMatl::CheckRecord(const T_MATL_D& rec) const {
  if (!T_MATL_D::IsTypeCode(rec.type)) return FALSE;
  if (!(rec.damping >= 0.0)) return FALSE;
  return AnalysisValid(rec.matl1.anal) && AnalysisValid(rec.matl2.anal);
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
