// Number lists between the user and key lists: prints a set of numbers in the compact form
// of CStringParser's list grammar ("1 3 5 7to20by2"), and selects, from given candidates,
// the numbers a typed list names.
//
// Compact form: the numbers ascending, each once, as items separated by one space; a run of
// three or more numbers with a constant difference d is written "atob" (d = 1) or "atobbyd"
// whenever that text is shorter than the numbers written one by one ("1 2 3" -> "1to3",
// "1 3 5 7" stays, "1 3 5 7 9" -> "1to9by2"). An empty set prints as an empty text.
// Reading a printed text back (GetNumList, SelectNumByStr) gives the same set; GetNumList
// expands at most NUMLIST_MAX_COUNT numbers, SelectNumByStr never expands anything.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CArray.h"
#include "afx/CString.h"

class CNumericOptimizer {
 public:
  CNumericOptimizer() = default;

  // The compact text of a set of numbers given in any order, duplicates allowed. With a
  // count (>= 0), only the first count numbers of the array are printed.
  CString Optimize(const CUIntArray& numbers, int count = -1) const;
  CString Optimize(const UINT* numbers, int count) const;

  // Sorts numbers ascending in place (duplicates kept), then prints them as Optimize does.
  CString OptimizeUnsortedArray(CUIntArray& numbers) const;

  // numbers := the candidates that the typed text names, ascending and each once; the
  // candidates may come in any order. Ranges are intersected with the candidates, never
  // expanded, so "1to4000000000" costs no more than the candidate count. 0 when the text
  // is not a number list (numbers then empty), else 1 (also when nothing is named).
  int SelectNumByStr(const CUIntArray& candidates, LPCTSTR text, CUIntArray& numbers) const;

  // numbers := the numbers a typed list names, ascending and each once. 0 when the text
  // is not a list or names more than NUMLIST_MAX_COUNT numbers (numbers then empty).
  int GetNumList(LPCTSTR text, CUIntArray& numbers) const;
};
