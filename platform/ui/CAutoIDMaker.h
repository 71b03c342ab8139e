// Automatic names: the name that follows a seed.
//
// GetNextName(seed, step): the last run of decimal digits in the seed is read as a number
// and step is added, the digits keeping at least their width with leading zeros ("50000F",
// 1 -> "50001F"; "S09", 1 -> "S10"; "F099", 2 -> "F101"; "A9", 1 -> "A10"). A seed without
// digits gets the step's value appended as its number ("Tower" -> "Tower1"), a seed of
// digits only is a number ("7" -> "8"). A number below 0 after the step is written as 0; a
// run of more than 18 digits is counted from its last 18.
#pragma once
#include "afx/CString.h"

class CAutoIDMaker {
 public:
  static CString GetNextName(const CString& seed, int step = 1);
};
