#include "levels/CLevelNewNames.h"

#include <string>
#include "ui/CAutoIDMaker.h"

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
constexpr size_t kMaxDigits = 18;
}  // namespace

CLevelNewNames::CLevelNewNames(const CString& seed) : m_seed(seed) {
  const std::string& s = seed.str();
  size_t end = s.size();
  while (end > 0 && !IsDigit(s[end - 1])) --end;
  size_t begin = end;
  while (begin > 0 && IsDigit(s[begin - 1])) --begin;
  m_prefix = s.substr(0, begin);
  m_suffix = s.substr(end);
  if (end > begin && end - begin <= kMaxDigits) m_nSeed = std::stoll(s.substr(begin, end - begin));
}

long long CLevelNewNames::NumberOf(const CString& name) const {
  const std::string& s = name.str();
  if (s.size() <= m_prefix.size() + m_suffix.size()) return -1;
  if (s.compare(0, m_prefix.size(), m_prefix) != 0) return -1;
  if (s.compare(s.size() - m_suffix.size(), m_suffix.size(), m_suffix) != 0) return -1;
  size_t digits = s.size() - m_prefix.size() - m_suffix.size();
  if (digits > kMaxDigits) return -1;
  for (size_t i = m_prefix.size(); i < m_prefix.size() + digits; ++i)
    if (!IsDigit(s[i])) return -1;
  return std::stoll(s.substr(m_prefix.size(), digits));
}

void CLevelNewNames::AddExisting(const CString& name) {
  m_taken.insert(name);
  if (m_nSeed < 0) return;
  long long n = NumberOf(name);
  if (n > m_nSeed && n > m_nLast) {
    m_nLast = n;
    m_last = name;
  }
}

void CLevelNewNames::Make(int n, CStringArray& names) const {
  names.RemoveAll();
  CString name = m_nLast >= 0 ? m_last : m_seed;
  while (names.GetSize() < n) {
    name = CAutoIDMaker::GetNextName(name, 1);
    if (!m_taken.count(name)) names.Add(name);
  }
}
