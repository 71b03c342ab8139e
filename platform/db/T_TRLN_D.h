// Tracing lines, the drawing aids of the plan: a tracing line (an origin offset), its
// segments (two end points, a kind; kind 1 the axis kind) and the segments' end points
// (x, y relative to the origin of the tracing line of the segment that uses them).
#pragma once
#include "db/DBField.h"
#include "db/ModelIndex.h"

struct T_TRLN_D {
  UINT key = 0;
  CString name;   // unique
  double x = 0.0;
  double y = 0.0;

  void Initialize() { *this = T_TRLN_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_DMLN_D {
  UINT key = 0;
  UINT trlnKey = 0;
  int kind = 1;
  UINT pt1 = 0;   // T_DMPT_D keys
  UINT pt2 = 0;

  void Initialize() { *this = T_DMLN_D(); }
  static const DB_CRecordDesc& Desc();
  using Index = CDmlnIndex;
};

struct T_DMPT_D {
  UINT key = 0;
  double x = 0.0;
  double y = 0.0;

  void Initialize() { *this = T_DMPT_D(); }
  static const DB_CRecordDesc& Desc();
};
