// The sample model's materials, from the material standards: concrete C30, C35 and C40
// (GB50010), steel Q235 and Q355 (GB50017), and the steel-reinforced concrete C40/Q355.
#include "db/CClassMatl.h"
#include "db/CDBDoc.h"

namespace {
constexpr double MPA = 1000.0;  // N/mm^2 in kN/m^2

T_MATL_ALL Grade(const CClassMatl& matl, const char* code, const char* grade, BOOL bSteel) {
  T_MATL_ALL m;
  m.code = code;
  m.grade = grade;
  if (bSteel) matl.GetSteelDataByMatlCodeName(m.code, m.grade, m.anal);
  else matl.GetConcreteDataByMatlCodeName(m.code, m.grade, m.anal);
  return m;
}

void AddMaterials(CDBDoc& doc) {
  auto* matl = static_cast<CClassMatl*>(doc.GetModelDB()->GetClass(CClassMatl::m_nClassID));
  if (!matl) return;
  CArray<T_MATL_D> recs;
  for (const char* grade : {"C30", "C35", "C40"}) {
    T_MATL_D m;
    m.name = grade;
    m.type = "C";
    m.matl1 = Grade(*matl, "GB50010", grade, FALSE);
    m.rebarCode = "GB50010";
    m.mainBarGrade = "HRB400";
    m.stirrupGrade = "HRB400";
    m.concStrength = m.matl1.anal.fc;
    m.mainBarStrength = 360.0 * MPA;
    m.stirrupStrength = 360.0 * MPA;
    m.damping = 0.05;
    recs.Add(m);
  }
  for (const char* grade : {"Q235", "Q355"}) {
    T_MATL_D m;
    m.name = grade;
    m.type = "S";
    m.matl1 = Grade(*matl, "GB50017", grade, TRUE);
    m.steelStrength = m.matl1.anal.fa;
    m.damping = 0.02;
    recs.Add(m);
  }
  T_MATL_D src;
  src.name = "C40/Q355";
  src.type = "SRC";
  src.matl1 = Grade(*matl, "GB50017", "Q355", TRUE);
  src.matl2 = Grade(*matl, "GB50010", "C40", FALSE);
  src.concStrength = src.matl2.anal.fc;
  src.steelStrength = src.matl1.anal.fa;
  src.damping = 0.05;
  recs.Add(src);
  matl->TR_Add(recs);  // keys 1..6
}

const CDBDocSampleStep s_materials(10, &AddMaterials);
}  // namespace
