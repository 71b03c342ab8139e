// Operations on key arrays.
#pragma once
#include "afx/CArray.h"

class CArrayUtil {
 public:
  // out := the values of a that b also holds, in a's order, each once (a and b may be in
  // any order). O(|a| + |b|) expected; out may be neither a nor b.
  static void IntersectUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out);
  // out := the values of a, then those of b that a does not hold, each once, in that
  // order. O(|a| + |b|) expected; out may be a (b is then read before out changes) or b.
  static void UnionUINT(const CUIntArray& a, const CUIntArray& b, CUIntArray& out);
};
