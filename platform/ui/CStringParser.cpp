#include "ui/CStringParser.h"

#include <charconv>
#include <climits>

namespace {

bool IsBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
char Lower(char c) { return (c >= 'A' && c <= 'Z') ? (char)(c - 'A' + 'a') : c; }

std::string_view Trimmed(std::string_view s) {
  while (!s.empty() && IsBlank(s.front())) s.remove_prefix(1);
  while (!s.empty() && IsBlank(s.back())) s.remove_suffix(1);
  return s;
}

// A cursor over a number list.
class ListReader {
 public:
  explicit ListReader(std::string_view s) : m_s(s) {}

  bool AtEnd() const { return m_pos >= m_s.size(); }
  char Peek() const { return AtEnd() ? '\0' : m_s[m_pos]; }
  void SkipBlanks() {
    while (!AtEnd() && IsBlank(m_s[m_pos])) ++m_pos;
  }
  bool Accept(char c) {
    if (AtEnd() || m_s[m_pos] != c) return false;
    ++m_pos;
    return true;
  }
  // A two-letter keyword, any case.
  bool AcceptKeyword(const char* kw) {
    if (m_s.size() - m_pos < 2 || Lower(m_s[m_pos]) != kw[0] || Lower(m_s[m_pos + 1]) != kw[1])
      return false;
    m_pos += 2;
    return true;
  }
  bool Number(UINT& n) {
    if (AtEnd() || !IsDigit(m_s[m_pos])) return false;
    unsigned long long v = 0;
    while (!AtEnd() && IsDigit(m_s[m_pos])) {
      v = v * 10 + (unsigned)(m_s[m_pos++] - '0');
      if (v > UINT_MAX) return false;
    }
    n = (UINT)v;
    return true;
  }
  bool Item(CStringParser::Range& r) {
    if (!Number(r.nFirst)) return false;
    r.nLast = r.nFirst;
    r.nStep = 1;
    SkipBlanks();
    if (!AcceptKeyword("to")) return true;
    SkipBlanks();
    if (!Number(r.nLast)) return false;
    SkipBlanks();
    if (!AcceptKeyword("by")) return true;
    SkipBlanks();
    return Number(r.nStep) && r.nStep != 0;
  }

 private:
  std::string_view m_s;
  size_t m_pos = 0;
};

// Total count of numbers the ranges name, or 0 when it passes the bound (or is zero).
bool WithinBound(const std::vector<CStringParser::Range>& ranges, size_t& total) {
  unsigned long long n = 0;
  for (const CStringParser::Range& r : ranges) {
    n += r.Count();
    if (n > (unsigned long long)NUMLIST_MAX_COUNT) return false;
  }
  total = (size_t)n;
  return true;
}

template <class OUT>
void Expand(const std::vector<CStringParser::Range>& ranges, OUT& out) {
  for (const CStringParser::Range& r : ranges) {
    unsigned long long count = r.Count();
    long long v = r.nFirst;
    long long step = r.nFirst <= r.nLast ? (long long)r.nStep : -(long long)r.nStep;
    for (unsigned long long i = 0; i < count; ++i, v += step)
      out.push_back((typename OUT::value_type)v);
  }
}

// A decimal real as GetFloatNumber describes it; the whole of s.
bool ReadReal(std::string_view s, double& d) {
  size_t p = 0;
  if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
  size_t digits = 0;
  while (p < s.size() && IsDigit(s[p])) ++p, ++digits;
  if (p < s.size() && s[p] == '.') {
    ++p;
    while (p < s.size() && IsDigit(s[p])) ++p, ++digits;
  }
  if (digits == 0) return false;
  if (p < s.size() && Lower(s[p]) == 'e') {
    ++p;
    if (p < s.size() && (s[p] == '+' || s[p] == '-')) ++p;
    size_t e = 0;
    while (p < s.size() && IsDigit(s[p])) ++p, ++e;
    if (e == 0) return false;
  }
  if (p != s.size()) return false;
  size_t start = s[0] == '+' ? 1 : 0;
  double v = 0;
  auto r = std::from_chars(s.data() + start, s.data() + s.size(), v, std::chars_format::general);
  if (r.ec != std::errc() || r.ptr != s.data() + s.size()) return false;
  d = v;
  return true;
}

}  // namespace

unsigned long long CStringParser::Range::Count() const {
  UINT span = nFirst <= nLast ? nLast - nFirst : nFirst - nLast;
  return nStep == 0 ? 1 : (unsigned long long)(span / nStep) + 1;
}

UINT CStringParser::Range::Lowest() const {
  if (nFirst <= nLast) return nFirst;
  return nFirst - (UINT)((Count() - 1) * nStep);
}

UINT CStringParser::Range::Highest() const {
  if (nFirst > nLast) return nFirst;
  return nFirst + (UINT)((Count() - 1) * nStep);
}

int CStringParser::ParseRanges(std::string_view text, std::vector<Range>& ranges) {
  ranges.clear();
  ListReader in(text);
  in.SkipBlanks();
  while (!in.AtEnd()) {
    Range r{};
    if (!in.Item(r)) {
      ranges.clear();
      return 0;
    }
    ranges.push_back(r);
    in.SkipBlanks();
    if (in.Accept(',')) {
      in.SkipBlanks();
      if (!IsDigit(in.Peek())) {
        ranges.clear();
        return 0;
      }
    } else if (!in.AtEnd() && !IsDigit(in.Peek())) {
      ranges.clear();
      return 0;
    }
  }
  return 1;
}

int CStringParser::ParsingListByTo(LPCTSTR text, CUIntArray& numbers) {
  numbers.RemoveAll();
  std::vector<Range> ranges;
  size_t total = 0;
  if (!ParseRanges(text ? text : "", ranges) || !WithinBound(ranges, total)) return 0;
  std::vector<UINT>& out = numbers.vec();
  out.reserve(total);
  Expand(ranges, out);
  return 1;
}

int CStringParser::ParsingListByTo(LPCTSTR text, CArray<int>& numbers) {
  numbers.RemoveAll();
  std::vector<Range> ranges;
  size_t total = 0;
  if (!ParseRanges(text ? text : "", ranges) || !WithinBound(ranges, total)) return 0;
  for (const Range& r : ranges)
    if (r.Highest() > (UINT)INT_MAX) return 0;
  std::vector<int>& out = numbers.vec();
  out.reserve(total);
  Expand(ranges, out);
  return 1;
}

int CStringParser::GetNodeList(LPCTSTR text, CUIntArray& numbers) {
  if (!ParsingListByTo(text, numbers)) return 0;
  return numbers.IsEmpty() ? 0 : 1;
}

int CStringParser::GetINumber(LPCTSTR text, int& n) {
  std::string_view s = Trimmed(text ? text : "");
  size_t start = (!s.empty() && s[0] == '+') ? 1 : 0;
  if (start == 1 && (s.size() < 2 || s[1] == '-')) return 0;
  int v = 0;
  auto r = std::from_chars(s.data() + start, s.data() + s.size(), v, 10);
  if (s.size() <= start || r.ec != std::errc() || r.ptr != s.data() + s.size()) return 0;
  n = v;
  return 1;
}

int CStringParser::GetFloatNumber(LPCTSTR text, double& d) {
  return ReadReal(Trimmed(text ? text : ""), d) ? 1 : 0;
}

int CStringParser::GetPosition(LPCTSTR text, double& x, double& y, double& z) {
  std::string_view s = Trimmed(text ? text : "");
  if (s.size() >= 2 && s.front() == '(' && s.back() == ')') s = Trimmed(s.substr(1, s.size() - 2));
  double v[3] = {0, 0, 0};
  int count = 0;
  size_t p = 0;
  while (p < s.size()) {
    if (count == 3) return 0;
    size_t end = p;
    while (end < s.size() && !IsBlank(s[end]) && s[end] != ',') ++end;
    if (!ReadReal(s.substr(p, end - p), v[count++])) return 0;
    p = end;
    while (p < s.size() && IsBlank(s[p])) ++p;
    if (p < s.size() && s[p] == ',') {
      ++p;
      while (p < s.size() && IsBlank(s[p])) ++p;
      if (p == s.size()) return 0;
    }
  }
  if (count < 2) return 0;
  x = v[0];
  y = v[1];
  z = v[2];
  return 1;
}
