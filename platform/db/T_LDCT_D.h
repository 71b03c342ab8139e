// The project's load-design control (T_LDCT_D, one record) and the two seismic settings it
// chooses between (T_SPCH_D when its flag is non-zero, T_SSCH_D otherwise; one record
// each), each with the grade codes of frames and of walls (codes as in T_LFEG_D.h).
#pragma once
#include "db/DBField.h"

struct T_LDCT_D {
  int flag = 0;

  void Initialize() { *this = T_LDCT_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_SPCH_D {
  int frameGrade = 0;
  int wallGrade = 0;

  void Initialize() { *this = T_SPCH_D(); }
  static const DB_CRecordDesc& Desc();
};

struct T_SSCH_D {
  int frameGrade = 0;
  int wallGrade = 0;

  void Initialize() { *this = T_SSCH_D(); }
  static const DB_CRecordDesc& Desc();
};
