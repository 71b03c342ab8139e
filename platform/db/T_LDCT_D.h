// The project's load-design control (T_LDCT_D, one record) and the two seismic settings it
// chooses between (T_SPCH_D when its flag is non-zero, T_SSCH_D otherwise; one record
// each), each with the grade codes of frames and of walls (codes as in T_LFEG_D.h).
//
// T_LDCT_D's wind and seismic say whether the project considers wind loads and seismic
// action at all (0 no, else yes). Both are 1 by default, so a model without the record,
// or a model file written before the fields existed, considers both.
#pragma once
#include "db/DBField.h"

struct T_LDCT_D {
  int flag = 0;
  int wind = 1;
  int seismic = 1;

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
