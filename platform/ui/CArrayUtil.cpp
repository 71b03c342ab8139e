#include "ui/CArrayUtil.h"

#include <unordered_set>

void CArrayUtil::IntersectUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out) {
  out.RemoveAll();
  if (a.IsEmpty() || b.IsEmpty()) return;
  std::unordered_set<UINT> in(b.begin(), b.end());
  for (UINT v : a)
    if (in.erase(v)) out.Add(v);
}
