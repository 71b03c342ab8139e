#include "ui/CArrayUtil.h"

#include <unordered_set>
#include <vector>

void CArrayUtil::IntersectUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out) {
  out.RemoveAll();
  if (a.IsEmpty() || b.IsEmpty()) return;
  std::unordered_set<UINT> in(b.begin(), b.end());
  for (UINT v : a)
    if (in.erase(v)) out.Add(v);
}

void CArrayUtil::UnionUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out) {
  std::vector<UINT> joined;
  joined.reserve(a.vec().size() + b.vec().size());
  std::unordered_set<UINT> seen;
  seen.reserve(joined.capacity());
  for (UINT v : a)
    if (seen.insert(v).second) joined.push_back(v);
  for (UINT v : b)
    if (seen.insert(v).second) joined.push_back(v);
  out.vec().swap(joined);
}
