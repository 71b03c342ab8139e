#include "db/CMatlDB.h"

namespace {
constexpr double MPA = 1000.0;  // N/mm^2 in kN/m^2

// GB 50010: grade, Ec (1e4 N/mm^2), fck, ftk, fc, ft (N/mm^2).
struct ConcGrade { const char* name; double fcuk, ec, fck, ftk, fc, ft; };
const ConcGrade kGB50010[] = {
    {"C15", 15, 2.20, 10.0, 1.27, 7.2, 0.91},  {"C20", 20, 2.55, 13.4, 1.54, 9.6, 1.10},
    {"C25", 25, 2.80, 16.7, 1.78, 11.9, 1.27}, {"C30", 30, 3.00, 20.1, 2.01, 14.3, 1.43},
    {"C35", 35, 3.15, 23.4, 2.20, 16.7, 1.57}, {"C40", 40, 3.25, 26.8, 2.39, 19.1, 1.71},
    {"C45", 45, 3.35, 29.6, 2.51, 21.1, 1.80}, {"C50", 50, 3.45, 32.4, 2.64, 23.1, 1.89},
    {"C55", 55, 3.55, 35.5, 2.74, 25.3, 1.96}, {"C60", 60, 3.60, 38.5, 2.85, 27.5, 2.04},
    {"C65", 65, 3.65, 41.5, 2.93, 29.7, 2.09}, {"C70", 70, 3.70, 44.5, 2.99, 31.8, 2.14},
    {"C75", 75, 3.75, 47.4, 3.05, 33.8, 2.18}, {"C80", 80, 3.80, 50.2, 3.11, 35.9, 2.22},
};
// GB 50017, plates up to 16 mm: grade, fy, f, fv, fu (N/mm^2).
struct SteelGrade { const char* name; double fy, f, fv, fu; };
const SteelGrade kGB50017[] = {
    {"Q235", 235, 215, 125, 370}, {"Q345", 345, 305, 175, 470}, {"Q355", 355, 305, 175, 470},
    {"Q390", 390, 345, 200, 490}, {"Q420", 420, 375, 215, 520}, {"Q460", 460, 410, 235, 550},
};

struct Code { const char* name; const char* kind; };
const Code kCodes[] = {{"GB50010", "C"}, {"GB50017", "S"}};

const ConcGrade* FindConcrete(const CString& code, const CString& grade) {
  if (code != "GB50010") return nullptr;
  for (const ConcGrade& g : kGB50010)
    if (grade.CompareNoCase(g.name) == 0) return &g;
  return nullptr;
}
const SteelGrade* FindSteel(const CString& code, const CString& grade) {
  if (code != "GB50017") return nullptr;
  for (const SteelGrade& g : kGB50017)
    if (grade.CompareNoCase(g.name) == 0) return &g;
  return nullptr;
}
}  // namespace

CMatlDB* CMatlDB::GetDefault() {
  static CMatlDB db;
  return &db;
}

void CMatlDB::GetDesignCodeList(const CString& type, CStringArray& codes) const {
  codes.RemoveAll();
  for (const Code& c : kCodes)
    if (type == "U" || type == c.kind) codes.Add(c.name);
}

void CMatlDB::GetSteelNameList(const CString& code, CStringArray& names) const {
  names.RemoveAll();
  if (code == "GB50017")
    for (const SteelGrade& g : kGB50017) names.Add(g.name);
}

void CMatlDB::GetConcreteNameList(const CString& code, CStringArray& names) const {
  names.RemoveAll();
  if (code == "GB50010")
    for (const ConcGrade& g : kGB50010) names.Add(g.name);
}

BOOL CMatlDB::GetMatlType(const CString& code, CString& kind) const {
  kind.Empty();
  for (const Code& c : kCodes)
    if (code == c.name) {
      kind = c.kind;
      return TRUE;
    }
  return FALSE;
}

BOOL CMatlDB::GetSteelData(const CString& code, const CString& grade, T_MATL_STEEL& d) const {
  const SteelGrade* g = FindSteel(code, grade);
  if (!g) return FALSE;
  d.elastic = 2.06e5 * MPA;
  d.poisson = 0.3;
  d.thermal = 1.2e-5;
  d.unitWeight = 78.5;
  d.fy = g->fy * MPA;
  d.f = g->f * MPA;
  d.fv = g->fv * MPA;
  d.fu = g->fu * MPA;
  return TRUE;
}

BOOL CMatlDB::GetConcreteData(const CString& code, const CString& grade, T_MATL_CONCRETE& d) const {
  const ConcGrade* g = FindConcrete(code, grade);
  if (!g) return FALSE;
  d.elastic = g->ec * 1e4 * MPA;
  d.poisson = 0.2;
  d.thermal = 1.0e-5;
  d.unitWeight = 25.0;
  d.fcuk = g->fcuk * MPA;
  d.shear = 0.4 * d.elastic;
  d.fck = g->fck * MPA;
  d.ftk = g->ftk * MPA;
  d.fc = g->fc * MPA;
  d.ft = g->ft * MPA;
  return TRUE;
}
