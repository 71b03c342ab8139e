#include "db/CDBLib.h"

#include <algorithm>
#include <numeric>
#include <string>
#include <vector>

int CDBLib::GetNextMembName(const CString& name, CString& next) {
  const std::string s = name.c_str();
  size_t start = s.size();
  while (start > 0 && s[start - 1] >= '0' && s[start - 1] <= '9') --start;
  if (start == s.size()) return 0;
  std::string digits = s.substr(start);
  // Add one to the decimal digits in place; a carry out of the first widens the number.
  int i = (int)digits.size() - 1;
  for (; i >= 0; --i) {
    if (digits[i] == '9') {
      digits[i] = '0';
    } else {
      ++digits[i];
      break;
    }
  }
  if (i < 0) digits.insert(digits.begin(), '1');
  next = (s.substr(0, start) + digits).c_str();
  return 1;
}

namespace {
bool IsDigit(char c) { return c >= '0' && c <= '9'; }
}  // namespace

int CDBLib::CompareNatural(const CString& a, const CString& b) {
  const std::string& x = a.str();
  const std::string& y = b.str();
  size_t i = 0, j = 0;
  while (i < x.size() && j < y.size()) {
    if (IsDigit(x[i]) && IsDigit(y[j])) {
      size_t i0 = i, j0 = j;
      while (i0 < x.size() && x[i0] == '0') ++i0;
      while (j0 < y.size() && y[j0] == '0') ++j0;
      size_t i1 = i0, j1 = j0;
      while (i1 < x.size() && IsDigit(x[i1])) ++i1;
      while (j1 < y.size() && IsDigit(y[j1])) ++j1;
      // Significant digits: the longer run is the larger value, else digit by digit.
      if (i1 - i0 != j1 - j0) return i1 - i0 < j1 - j0 ? -1 : 1;
      const int c = x.compare(i0, i1 - i0, y, j0, j1 - j0);
      if (c) return c < 0 ? -1 : 1;
      // Same value: fewer leading zeros first.
      if (i0 - i != j0 - j) return i0 - i < j0 - j ? -1 : 1;
      i = i1;
      j = j1;
      continue;
    }
    if (x[i] != y[j]) return (unsigned char)x[i] < (unsigned char)y[j] ? -1 : 1;
    ++i;
    ++j;
  }
  if (i < x.size()) return 1;
  if (j < y.size()) return -1;
  return 0;
}

void CDBLib::QSortNameKey(CStringArray& names, CUIntArray& keys) {
  if (names.GetSize() != keys.GetSize()) return;
  const size_t n = (size_t)keys.GetSize();
  std::vector<size_t> order(n);
  std::iota(order.begin(), order.end(), 0);
  std::sort(order.begin(), order.end(), [&](size_t l, size_t r) {
    const int c = CompareNatural(names[(INT_PTR)l], names[(INT_PTR)r]);
    return c ? c < 0 : keys[(INT_PTR)l] < keys[(INT_PTR)r];
  });
  CStringArray sortedNames;
  CUIntArray sortedKeys;
  sortedNames.SetSize((INT_PTR)n);
  sortedKeys.SetSize((INT_PTR)n);
  for (size_t i = 0; i < n; ++i) {
    sortedNames[(INT_PTR)i] = names[(INT_PTR)order[i]];
    sortedKeys[(INT_PTR)i] = keys[(INT_PTR)order[i]];
  }
  names.RemoveAll();
  keys.RemoveAll();
  names.Append(sortedNames);
  keys.Append(sortedKeys);
}
