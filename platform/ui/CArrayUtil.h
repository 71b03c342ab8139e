// Operations on key arrays.
#pragma once
#include "afx/CArray.h"

class CArrayUtil {
 public:
  // out := the values of a that b also holds, in a's order, each once (a and b may be in
  // any order). O(|a| + |b|) expected; out may be neither a nor b.
  static void IntersectUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out);
};
