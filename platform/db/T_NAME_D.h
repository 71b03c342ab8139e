// A member name defined in advance: the name and the member-type code it belongs to (100
// points, 101 column, 201 beam, 301 slab...). One text may name members of several types;
// within one type a name is unique.
#pragma once
#include "db/DBField.h"

struct T_NAME_D {
  UINT key = 0;  // kept equal to the table's key
  CString name;
  int type = 0;

  static UINT NameScope(const T_NAME_D& r) { return (UINT)r.type; }
  void Initialize() { *this = T_NAME_D(); }
  static const DB_CRecordDesc& Desc();
};
