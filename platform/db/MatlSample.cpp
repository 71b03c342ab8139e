// The sample model's materials: concrete grades of GB 50010 and steel grades of
// GB 50017 (values converted to kN and m), and one steel-reinforced concrete material.
#include "db/CClassMatl.h"
#include "db/CDBDoc.h"

namespace {
constexpr double MPA = 1000.0;  // N/mm^2 in kN/m^2

// name, E, fck, ftk, fc, ft (N/mm^2)
struct ConcRow { const char* name; double e, fck, ftk, fc, ft; };
const ConcRow kConcrete[] = {
    {"C30", 3.00e4, 20.1, 2.01, 14.3, 1.43},
    {"C35", 3.15e4, 23.4, 2.20, 16.7, 1.57},
    {"C40", 3.25e4, 26.8, 2.39, 19.1, 1.71},
};
// name, yield strength, design strength (N/mm^2, plates up to 16 mm)
struct SteelRow { const char* name; double fy, f; };
const SteelRow kSteel[] = {{"Q235", 235.0, 215.0}, {"Q355", 355.0, 305.0}};

T_MATL_ALL Concrete(const ConcRow& r) {
  T_MATL_ALL m;
  m.code = "GB50010";
  m.grade = r.name;
  m.anal.elastic = r.e * MPA;
  m.anal.poisson = 0.2;
  m.anal.thermal = 1.0e-5;
  m.anal.unitWeight = 25.0;
  m.anal.fck = r.fck * MPA;
  m.anal.ftk = r.ftk * MPA;
  m.anal.fc = r.fc * MPA;
  m.anal.ft = r.ft * MPA;
  return m;
}
T_MATL_ALL Steel(const SteelRow& r) {
  T_MATL_ALL m;
  m.code = "GB50017";
  m.grade = r.name;
  m.anal.elastic = 2.06e5 * MPA;
  m.anal.poisson = 0.3;
  m.anal.thermal = 1.2e-5;
  m.anal.unitWeight = 78.5;
  m.anal.fak = r.fy * MPA;
  m.anal.fa = r.f * MPA;
  return m;
}

void AddMaterials(CDBDoc& doc) {
  auto* matl = static_cast<CClassMatl*>(doc.GetModelDB()->GetClass(CClassMatl::m_nClassID));
  if (!matl) return;
  CArray<T_MATL_D> recs;
  for (const ConcRow& r : kConcrete) {
    T_MATL_D m;
    m.name = r.name;
    m.type = "C";
    m.matl1 = Concrete(r);
    m.rebarCode = "GB50010";
    m.mainBarGrade = "HRB400";
    m.stirrupGrade = "HRB400";
    m.concStrength = m.matl1.anal.fc;
    m.mainBarStrength = 360.0 * MPA;
    m.stirrupStrength = 360.0 * MPA;
    m.damping = 0.05;
    recs.Add(m);
  }
  for (const SteelRow& r : kSteel) {
    T_MATL_D m;
    m.name = r.name;
    m.type = "S";
    m.matl1 = Steel(r);
    m.steelStrength = m.matl1.anal.fa;
    m.damping = 0.02;
    recs.Add(m);
  }
  T_MATL_D src;
  src.name = "C40/Q355";
  src.type = "SRC";
  src.matl1 = Steel(kSteel[1]);
  src.matl2 = Concrete(kConcrete[2]);
  src.concStrength = src.matl2.anal.fc;
  src.steelStrength = src.matl1.anal.fa;
  src.damping = 0.05;
  recs.Add(src);
  matl->TR_Add(recs);  // keys 1..6
}

const CDBDocSampleStep s_materials(10, &AddMaterials);
}  // namespace
