#include "ui/CNumericOptimizer.h"

#include <algorithm>
#include <string>
#include <vector>

#include "ui/CStringParser.h"

namespace {

size_t Digits(UINT n) {
  size_t d = 1;
  while (n >= 10) n /= 10, ++d;
  return d;
}

void AppendNumber(std::string& s, UINT n) {
  char buf[16];
  int len = 0;
  do {
    buf[len++] = (char)('0' + n % 10);
    n /= 10;
  } while (n);
  while (len) s += buf[--len];
}

void SortUnique(std::vector<UINT>& v) {
  if (!std::is_sorted(v.begin(), v.end())) std::sort(v.begin(), v.end());
  v.erase(std::unique(v.begin(), v.end()), v.end());
}

// The compact text of ascending, distinct numbers. Greedy: at each number take the longest
// run of constant difference that starts there, when its range text is shorter than its
// numbers one by one; a rejected run has at most 17 numbers, so the work is linear.
std::string Compact(const std::vector<UINT>& v) {
  std::string out;
  size_t n = v.size();
  size_t i = 0;
  while (i < n) {
    if (!out.empty()) out += ' ';
    if (i + 2 < n) {
      UINT d = v[i + 1] - v[i];
      size_t j = i + 1;
      while (j + 1 < n && v[j + 1] - v[j] == d) ++j;
      if (j - i + 1 >= 3) {
        size_t rangeLen = Digits(v[i]) + 2 + Digits(v[j]) + (d == 1 ? 0 : 2 + Digits(d));
        size_t singlesLen = j - i;
        for (size_t k = i; k <= j && singlesLen <= rangeLen; ++k) singlesLen += Digits(v[k]);
        if (rangeLen < singlesLen) {
          AppendNumber(out, v[i]);
          out += "to";
          AppendNumber(out, v[j]);
          if (d != 1) {
            out += "by";
            AppendNumber(out, d);
          }
          i = j + 1;
          continue;
        }
      }
    }
    AppendNumber(out, v[i]);
    ++i;
  }
  return out;
}

}  // namespace

CString CNumericOptimizer::Optimize(const CUIntArray& numbers, int count) const {
  int n = (int)numbers.GetSize();
  if (count >= 0 && count < n) n = count;
  return Optimize(numbers.GetData(), n);
}

CString CNumericOptimizer::Optimize(const UINT* numbers, int count) const {
  if (!numbers || count <= 0) return CString();
  std::vector<UINT> v(numbers, numbers + count);
  SortUnique(v);
  return CString(Compact(v));
}

CString CNumericOptimizer::OptimizeUnsortedArray(CUIntArray& numbers) const {
  std::sort(numbers.begin(), numbers.end());
  return Optimize(numbers);
}

int CNumericOptimizer::SelectNumByStr(const CUIntArray& candidates, LPCTSTR text,
                                      CUIntArray& numbers) const {
  numbers.RemoveAll();
  std::vector<CStringParser::Range> ranges;
  if (!CStringParser::ParseRanges(text ? text : "", ranges)) return 0;
  std::vector<UINT> c = candidates.vec();
  SortUnique(c);
  // Step-1 ranges mark index spans through a difference array; stepped ranges mark single
  // candidates, walking whichever is shorter: the candidates inside or the range's members.
  std::vector<int> span(c.size() + 1, 0);
  std::vector<char> marked(c.size(), 0);
  for (const CStringParser::Range& r : ranges) {
    UINT lo = r.Lowest(), hi = r.Highest();
    size_t a = (size_t)(std::lower_bound(c.begin(), c.end(), lo) - c.begin());
    size_t b = (size_t)(std::upper_bound(c.begin(), c.end(), hi) - c.begin());
    if (a >= b) continue;
    if (r.nStep == 1) {
      ++span[a];
      --span[b];
    } else if (b - a <= r.Count()) {
      for (size_t k = a; k < b; ++k)
        if ((c[k] - lo) % r.nStep == 0) marked[k] = 1;
    } else {
      unsigned long long count = r.Count();
      for (unsigned long long m = 0; m < count; ++m) {
        UINT x = lo + (UINT)(m * r.nStep);
        auto it = std::lower_bound(c.begin() + (ptrdiff_t)a, c.begin() + (ptrdiff_t)b, x);
        if (it != c.begin() + (ptrdiff_t)b && *it == x) marked[(size_t)(it - c.begin())] = 1;
      }
    }
  }
  int depth = 0;
  std::vector<UINT>& out = numbers.vec();
  for (size_t k = 0; k < c.size(); ++k) {
    depth += span[k];
    if (depth > 0 || marked[k]) out.push_back(c[k]);
  }
  return 1;
}

int CNumericOptimizer::GetNumList(LPCTSTR text, CUIntArray& numbers) const {
  if (!CStringParser::ParsingListByTo(text, numbers)) return 0;
  SortUnique(numbers.vec());
  return 1;
}
