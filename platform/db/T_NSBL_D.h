// The loads of a named slab: dead and live load (area loads) and a description. A record
// lives under the key of the slab's name (a T_NAME_D of member type 301).
#pragma once
#include "db/DBField.h"

struct T_NSBL_D {
  UINT key = 0;  // kept equal to the table's key: the slab name's key
  double DL = 0.0;
  double LL = 0.0;
  CString description;

  static const int unit[2];
  void Initialize() { *this = T_NSBL_D(); }
  static const DB_CRecordDesc& Desc();
};
