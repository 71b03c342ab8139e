// A structure group: a name (neither unique nor required), a leading value that is 0 when
// a group is made, and the keys of its points and members.
#pragma once
#include "afx/CArray.h"
#include "db/DBField.h"

struct T_GRUP_D {
  UINT key = 0;
  int lead = 0;
  CString name;
  CUIntArray points;
  CUIntArray members;

  static constexpr bool kFreeName = true;
  void Initialize() { *this = T_GRUP_D(); }
  static const DB_CRecordDesc& Desc();
};
