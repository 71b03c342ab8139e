// Helpers of the model database library for the creation tools.
#pragma once
#include "afx/CArray.h"
#include "afx/CString.h"

class CDBLib {
 public:
  // The member name after name: its trailing number plus one, keeping the number's width
  // ("KL1" gives "KL2", "B09" "B10", "C99" "C100"). 0, next untouched, for a name without
  // a trailing number.
  static int GetNextMembName(const CString& name, CString& next);

  // Names in the order a person reads them: text compared byte by byte, except that a run
  // of decimal digits against another compares by value ("B2" before "B10"); equal values
  // with more leading zeros come later ("B2" before "B02"). < 0, 0, > 0.
  static int CompareNatural(const CString& a, const CString& b);
  // Sorts the pairs (names[i], keys[i]) by name as CompareNatural orders them, equal names
  // by key, ascending. Both arrays must be of one size (else nothing is done).
  static void QSortNameKey(CStringArray& names, CUIntArray& keys);
};
