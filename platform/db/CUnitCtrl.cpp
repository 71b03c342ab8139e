#include "db/CUnitCtrl.h"

#include <cmath>
#include <cstring>

namespace {
struct ForceUnit { const char* name; double kN; };
struct LengthUnit { const char* name; double m; };
const ForceUnit kForces[FORCE_UNIT_COUNT] = {
    {"kN", 1.0}, {"N", 1e-3}, {"kgf", 9.80665e-3}, {"tonf", 9.80665}};
const LengthUnit kLengths[LENGTH_UNIT_COUNT] = {{"m", 1.0}, {"cm", 1e-2}, {"mm", 1e-3}};

// Exponents of force and length per unit kind, and a fixed name for kinds that do not
// scale.
struct KindInfo { int f; int l; const char* fixed; };
const KindInfo kKinds[UNIT_KIND_COUNT] = {
    {0, 0, ""},       // none
    {0, 1, nullptr},  // length
    {0, 2, nullptr},  // area
    {0, 3, nullptr},  // volume
    {0, 4, nullptr},  // inertia
    {1, 0, nullptr},  // force
    {1, 1, nullptr},  // moment
    {1, -1, nullptr}, // line load
    {1, -2, nullptr}, // stress
    {1, -3, nullptr}, // unit weight
    {1, -1, nullptr}, // mass: force*s^2/length
    {1, -1, nullptr}, // spring
    {1, 1, nullptr},  // rotational spring
    {0, 0, "[C]"},    // temperature
    {0, 0, "sec"},    // time
    {0, 0, "deg"},    // angle
    {0, 0, "1/[C]"},  // thermal coefficient
    {1, -2, nullptr}, // area load
    {1, -2, nullptr}, // mass per length: force*s^2/length^2
};
const char* kSuffix[UNIT_KIND_COUNT] = {"", "", "", "", "", "", "", "", "", "",
                                         "-sec^2", "", "/rad", "", "", "", "", "", "-sec^2"};
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
  s += kSuffix[nKind];
  return s;
}

const char* CUnitCtrl::GetForceName(int nForce) {
  return (nForce >= 0 && nForce < FORCE_UNIT_COUNT) ? kForces[nForce].name : "";
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
