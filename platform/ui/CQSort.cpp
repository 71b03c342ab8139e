#include "ui/CQSort.h"

#include <algorithm>
#include <numeric>
#include <vector>

void CQSort::QSortDblWithIndex(UINT* keys, double* values, int n) {
  if (!keys || !values || n < 2) return;
  std::vector<int> order((size_t)n);
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](int a, int b) { return values[a] < values[b]; });
  std::vector<UINT> k((size_t)n);
  std::vector<double> v((size_t)n);
  for (int i = 0; i < n; ++i) k[(size_t)i] = keys[order[(size_t)i]], v[(size_t)i] = values[order[(size_t)i]];
  std::copy(k.begin(), k.end(), keys);
  std::copy(v.begin(), v.end(), values);
}
