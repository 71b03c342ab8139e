#include "db/CUnitCtrl.h"

#include <cmath>
#include <cstring>

namespace {
struct ForceUnit { const char* name; double kN; };
struct LengthUnit { const char* name; double m; };
const ForceUnit kForces[FORCE_UNIT_COUNT] = {
    {"kN", 1.0}, {"N", 1e-3}, {"kgf", 9.80665e-3}, {"tonf", 9.80665}};
const LengthUnit kLengths[LENGTH_UNIT_COUNT] = {{"m", 1.0}, {"cm", 1e-2}, {"mm", 1e-3}};

struct KindInfo { int kind; int f; int l; const char* fixed; const char* suffix; };
// Exponents of force and length of each kind, a fixed name for kinds that do not scale,
// and a suffix after the scaled name.
constexpr KindInfo kKinds[UNIT_KIND_COUNT] = {
    {UNIT_NONE, 0, 0, "", ""},
    {UNIT_LENGTH, 0, 1, nullptr, ""},
    {UNIT_UNIT_WEIGHT, 1, -3, nullptr, ""},
    {UNIT_VOLUME, 0, 3, nullptr, ""},
    {UNIT_ANGLE, 0, 0, "deg", ""},
    {UNIT_FORCE, 1, 0, nullptr, ""},
    {UNIT_MOMENT, 1, 1, nullptr, ""},
    {UNIT_LINE_LOAD, 1, -1, nullptr, ""},
    {UNIT_STRESS, 1, -2, nullptr, ""},
    {UNIT_AREA, 0, 2, nullptr, ""},
    {UNIT_MASS, 1, -1, nullptr, "-sec^2"},           // force*s^2/length
    {UNIT_SPRING, 1, -1, nullptr, ""},
    {UNIT_ROT_SPRING, 1, 1, nullptr, "/rad"},
    {UNIT_TEMPERATURE, 0, 0, "[C]", ""},
    {UNIT_TIME, 0, 0, "sec", ""},
    {UNIT_INERTIA, 0, 4, nullptr, ""},
    {UNIT_THERMAL_COEF, 0, 0, "1/[C]", ""},
    {UNIT_AREA_LOAD, 1, -2, nullptr, ""},
    {UNIT_MASS_PER_LENGTH, 1, -2, nullptr, "-sec^2"},  // force*s^2/length^2
    {UNIT_WARPING, 0, 6, nullptr, ""},
};
constexpr bool InKindOrder() {
  for (int i = 0; i < UNIT_KIND_COUNT; ++i)
    if (kKinds[i].kind != i) return false;
  return true;
}
static_assert(InKindOrder(), "the kind table is indexed by kind");

}  // namespace

BOOL CUnitCtrl::SetUnitSystem(int nForce, int nLength) {
  if (nForce < 0 || nForce >= FORCE_UNIT_COUNT || nLength < 0 || nLength >= LENGTH_UNIT_COUNT) return FALSE;
  m_nForce = nForce;
  m_nLength = nLength;
  return TRUE;
}

BOOL CUnitCtrl::SetUnitSystem(const char* pszForce, const char* pszLength) {
  return SetUnitSystem(FindForce(pszForce), FindLength(pszLength));
}

void CUnitCtrl::GetUnitSystem(CString& strForce, CString& strLength) const {
  strForce = kForces[m_nForce].name;
  strLength = kLengths[m_nLength].name;
}

double CUnitCtrl::GetFactor(int nKind) const {
  if (nKind <= 0 || nKind >= UNIT_KIND_COUNT) return 1.0;
  const KindInfo& k = kKinds[nKind];
  return 1.0 / (std::pow(kForces[m_nForce].kN, k.f) * std::pow(kLengths[m_nLength].m, k.l));
}

CString CUnitCtrl::GetUnitName(int nKind) const {
  if (nKind <= 0 || nKind >= UNIT_KIND_COUNT) return CString();
  const KindInfo& k = kKinds[nKind];
  if (k.fixed) return CString(k.fixed);
  CString s;
  const char* len = kLengths[m_nLength].name;
  if (k.f) s = kForces[m_nForce].name;
  if (k.l > 0) {
    if (k.f) s += "*";
    s += len;
    if (k.l > 1) s.AppendFormat("^%d", k.l);
  } else if (k.l < 0) {
    s += "/";
    s += len;
    if (k.l < -1) s.AppendFormat("^%d", -k.l);
  }
  s += k.suffix;
  return s;
}

const char* CUnitCtrl::GetForceName(int nForce) {
  return (nForce >= 0 && nForce < FORCE_UNIT_COUNT) ? kForces[nForce].name : "";
}
void CUnitCtrl::GetUnitIndexCurrent(int nIndex[2]) const {
  static const int kLengthIndex[LENGTH_UNIT_COUNT] = {2, 1, 0};   // m, cm, mm
  static const int kForceIndex[FORCE_UNIT_COUNT] = {2, 0, 1, 3};  // kN, N, kgf, tonf
  nIndex[0] = kLengthIndex[m_nLength];
  nIndex[1] = kForceIndex[m_nForce];
}

const char* CUnitCtrl::GetLengthName(int nLength) {
  return (nLength >= 0 && nLength < LENGTH_UNIT_COUNT) ? kLengths[nLength].name : "";
}
int CUnitCtrl::FindForce(const char* psz) {
  for (int i = 0; psz && i < FORCE_UNIT_COUNT; ++i)
    if (std::strcmp(psz, kForces[i].name) == 0) return i;
  return -1;
}
int CUnitCtrl::FindLength(const char* psz) {
  for (int i = 0; psz && i < LENGTH_UNIT_COUNT; ++i)
    if (std::strcmp(psz, kLengths[i].name) == 0) return i;
  return -1;
}
