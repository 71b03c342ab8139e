#include "db/DBUnitText.h"

#include <cctype>
#include <cerrno>
#include <climits>
#include <cmath>
#include <cstdlib>
#include <string>

#include "afx/AfxNumber.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"

namespace {
std::string Trimmed(const CString& text) {
  std::string s = text.str();
  const char* blanks = " \t\r\n";
  size_t b = s.find_first_not_of(blanks);
  if (b == std::string::npos) return std::string();
  size_t e = s.find_last_not_of(blanks);
  return s.substr(b, e - b + 1);
}
// [sign] digits [. digits] [e [sign] digits], at least one digit before the exponent.
bool IsDecimal(const std::string& s) {
  size_t i = 0, n = s.size();
  if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
  size_t digits = 0;
  while (i < n && std::isdigit((unsigned char)s[i])) ++i, ++digits;
  if (i < n && s[i] == '.') {
    ++i;
    while (i < n && std::isdigit((unsigned char)s[i])) ++i, ++digits;
  }
  if (digits == 0) return false;
  if (i < n && (s[i] == 'e' || s[i] == 'E')) {
    ++i;
    if (i < n && (s[i] == '+' || s[i] == '-')) ++i;
    size_t exp = 0;
    while (i < n && std::isdigit((unsigned char)s[i])) ++i, ++exp;
    if (exp == 0) return false;
  }
  return i == n;
}
}  // namespace

const CUnitCtrl& DB_CurrentUnitCtrl() {
  static const CUnitCtrl kDefault;
  return CDBDoc::m_pDBDoc ? *CDBDoc::m_pDBDoc->GetUnitCtrl() : kDefault;
}

CString DB_FormatUnitValue(double dValue, const char* pszFormat) {
  if (dValue == 0.0) dValue = 0.0;  // no "-0"
  CString s;
  s.Format(pszFormat ? pszFormat : "%.10g", dValue);
  return s;
}

BOOL DB_ParseReal(const CString& text, double& dValue) {
  std::string s = Trimmed(text);
  if (!IsDecimal(s)) return FALSE;
  double v = AfxStrToDouble(s.c_str(), nullptr);
  if (!std::isfinite(v)) return FALSE;
  dValue = v;
  return TRUE;
}

BOOL DB_ReadUnitValue(const CString& text, int nKind, double& dValue) {
  double v = 0.0;
  if (!DB_ParseReal(text, v)) {
    dValue = 0.0;
    return FALSE;
  }
  // A number that leaves the range of a double in internal units is no value either.
  v = DB_CurrentUnitCtrl().ConvertIn(nKind, v);
  dValue = std::isfinite(v) ? v : 0.0;
  return std::isfinite(v) ? TRUE : FALSE;
}

BOOL DB_ParseInt(const CString& text, int& nValue) {
  std::string s = Trimmed(text);
  size_t i = (!s.empty() && (s[0] == '+' || s[0] == '-')) ? 1 : 0;
  if (i == s.size()) return FALSE;
  for (size_t j = i; j < s.size(); ++j)
    if (!std::isdigit((unsigned char)s[j])) return FALSE;
  errno = 0;
  long long v = std::strtoll(s.c_str(), nullptr, 10);
  if (errno == ERANGE || v < INT_MIN || v > INT_MAX) return FALSE;
  nValue = (int)v;
  return TRUE;
}
