#include "db/CUnitCtrl.h"

#include <cmath>
#include <cstring>

namespace {
struct ForceUnit { const char* name; double kN; };
struct LengthUnit { const char* name; double m; };
const ForceUnit kForces[FORCE_UNIT_COUNT] = {
    {"kN", 1.0}, {"N", 1e-3}, {"kgf", 9.80665e-3}, {"tonf", 9.80665}};
const LengthUnit kLengths[LENGTH_UNIT_COUNT] = {{"m", 1.0}, {"cm", 1e-2}, {"mm", 1e-3}};

// How a kind's unit is named: a fixed name for kinds that do not scale, else a pattern
// where F stands for the force unit and L for the length unit, with the exponents that
// scale it.
struct KindInfo { int kind; int f; int l; const char* fixed; const char* pattern; };
const KindInfo kKinds[] = {
    {UNIT_LENGTH, 0, 1, nullptr, "L"},
    {UNIT_FORCE, 1, 0, nullptr, "F"},
    {UNIT_VOLUME, 0, 3, nullptr, "L^3"},
    {UNIT_ANGLE, 0, 0, "deg", nullptr},
    {UNIT_ROTATION, 0, 0, "rad", nullptr},
    {UNIT_UNIT_WEIGHT, 1, -3, nullptr, "F/L^3"},
    {UNIT_LINE_LOAD, 1, -1, nullptr, "F/L"},
    {UNIT_STRESS, 1, -2, nullptr, "F/L^2"},
    {UNIT_AREA, 0, 2, nullptr, "L^2"},
    {UNIT_TIME, 0, 0, "sec", nullptr},
    {UNIT_INERTIA, 0, 4, nullptr, "L^4"},
    {UNIT_MOMENT, 1, 1, nullptr, "F*L"},
    {UNIT_TEMPERATURE, 0, 0, "[C]", nullptr},
    {UNIT_SPRING, 1, -1, nullptr, "F/L"},
    {UNIT_ROT_SPRING, 1, 1, nullptr, "F*L/rad"},
    {UNIT_THERMAL_COEF, 0, 0, "1/[C]", nullptr},
    {UNIT_AREA_LOAD, 1, -2, nullptr, "F/L^2"},
    {UNIT_MASS_PER_LENGTH, 1, -2, nullptr, "F/L^2-sec^2"},  // force*s^2/length^2
    {UNIT_WARPING, 0, 6, nullptr, "L^6"},
    {UNIT_VELOCITY, 0, 1, nullptr, "L/sec"},
    {UNIT_MASS, 1, -1, nullptr, "F/L-sec^2"},              // force*s^2/length
    {UNIT_ANG_VELOCITY, 0, 0, "rad/sec", nullptr},
    {UNIT_DAMPING, 1, -1, nullptr, "F-sec/L"},
    {UNIT_ROT_DAMPING, 1, 1, nullptr, "F*L-sec/rad"},
    {UNIT_RATE, 0, -1, nullptr, "sec/L"},
};

const KindInfo* FindKind(int nKind) {
  for (const KindInfo& k : kKinds)
    if (k.kind == nKind) return &k;
  return nullptr;
}

}  // namespace

BOOL CUnitCtrl::SetUnitSystem(int nForce, int nLength) {
  if (nForce < 0 || nForce >= FORCE_UNIT_COUNT || nLength < 0 || nLength >= LENGTH_UNIT_COUNT) return FALSE;
  m_nForce = nForce;
  m_nPrevLength = m_nLength;
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
  const KindInfo* k = FindKind(nKind);
  if (!k) return 1.0;
  return 1.0 / (std::pow(kForces[m_nForce].kN, k->f) * std::pow(kLengths[m_nLength].m, k->l));
}

double CUnitCtrl::ConvValueTgtUnit2CurUnit(int nForceIndex, int nLengthIndex, int nKind, double dValue) const {
  static const int kLengthOf[LENGTH_UNIT_COUNT] = {LENGTH_MM, LENGTH_CM, LENGTH_M};
  static const int kForceOf[FORCE_UNIT_COUNT] = {FORCE_N, FORCE_KGF, FORCE_KN, FORCE_TONF};
  const KindInfo* k = FindKind(nKind);
  if (!k || nForceIndex < 0 || nForceIndex >= FORCE_UNIT_COUNT || nLengthIndex < 0 || nLengthIndex >= LENGTH_UNIT_COUNT)
    return dValue;
  const double internal =
      dValue * std::pow(kForces[kForceOf[nForceIndex]].kN, k->f) * std::pow(kLengths[kLengthOf[nLengthIndex]].m, k->l);
  return ConvertOut(nKind, internal);
}

double CUnitCtrl::ConvertUnitLengthPrevious(int nKind) const {
  const KindInfo* k = FindKind(nKind);
  if (!k || m_nPrevLength == m_nLength) return 1.0;
  return std::pow(kLengths[m_nPrevLength].m / kLengths[m_nLength].m, k->l);
}

CString CUnitCtrl::GetUnitName(int nKind) const {
  const KindInfo* k = FindKind(nKind);
  if (!k) return CString();
  if (k->fixed) return CString(k->fixed);
  CString s;
  for (const char* p = k->pattern; *p; ++p) {
    if (*p == 'F') s += kForces[m_nForce].name;
    else if (*p == 'L') s += kLengths[m_nLength].name;
    else s += *p;
  }
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
