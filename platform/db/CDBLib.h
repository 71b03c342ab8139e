// Helpers of the model database library for the creation tools.
#pragma once
#include "afx/CString.h"

class CDBLib {
 public:
  // The member name after name: its trailing number plus one, keeping the number's width
  // ("KL1" gives "KL2", "B09" "B10", "C99" "C100"). 0, next untouched, for a name without
  // a trailing number.
  static int GetNextMembName(const CString& name, CString& next);
};
