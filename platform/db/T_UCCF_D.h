// The uncertain load-combination factor of a member (one record per assignment).
#pragma once
#include "db/DBField.h"

template <class T>
class DB_CByMembIndex;

struct T_UCCF_D {
  UINT key = 0;   // kept equal to the table's key
  UINT memb = 0;  // the member (T_MEMB_D key)
  double factor = 1.0;

  void Initialize() { *this = T_UCCF_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = DB_CByMembIndex<T_UCCF_D>;
};
