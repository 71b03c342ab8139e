// Sorting of key arrays by a value each, of the UI library's helpers.
//
// QSortDblWithIndex orders the first n keys by their values, ascending, moving keys and
// values together; equal values keep their order (a stable sort). n below 2, or null
// arrays, change nothing.
#pragma once
#include "afx/AfxTypes.h"

class CQSort {
 public:
  static void QSortDblWithIndex(UINT* keys, double* values, int n);
};
