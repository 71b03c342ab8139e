#include "ui/CAutoIDMaker.h"

#include <string>

CString CAutoIDMaker::GetNextName(const CString& seed, int step) {
  const std::string& s = seed.str();
  size_t end = s.size();
  while (end > 0 && !(s[end - 1] >= '0' && s[end - 1] <= '9')) --end;
  if (end == 0) {
    CString r = seed;
    r.AppendFormat("%d", step < 0 ? 0 : step);
    return r;
  }
  size_t begin = end;
  while (begin > 0 && s[begin - 1] >= '0' && s[begin - 1] <= '9') --begin;
  size_t width = end - begin;
  size_t from = width > 18 ? end - 18 : begin;
  long long n = std::stoll(s.substr(from, end - from)) + step;
  if (n < 0) n = 0;
  std::string digits = std::to_string(n);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return CString(s.substr(0, begin) + digits + s.substr(end));
}
