// A named plane: a name, a point of the plane and its normal, global (the point in m, the
// normal a direction of any non-zero length).
#pragma once
#include "db/DBField.h"

struct T_NPLN_D {
  UINT key = 0;
  CString name;  // unique within the table
  double x = 0.0;
  double y = 0.0;
  double z = 0.0;
  double nx = 0.0;
  double ny = 0.0;
  double nz = 1.0;

  void Initialize() { *this = T_NPLN_D(); }
  static const DB_CRecordDesc& Desc();
};
