#include "afx/CTime.h"

CString CTime::Format(const char* pszFormat) const {
  if (!pszFormat || !*pszFormat) return CString();
  std::tm tm{};
  if (!localtime_r(&m_time, &tm)) return CString();
  char buf[256];
  size_t n = std::strftime(buf, sizeof buf, pszFormat, &tm);
  return CString(buf, (int)n);
}
