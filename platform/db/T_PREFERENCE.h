// The user's preferences (CInitCtrl::GetPreference). Lengths in internal units (m).
#pragma once
#include "db/DBField.h"

struct T_PREFERENCE {
  double levelTolerance = 1e-3;  // a level within this of 0 shows as 0
  double sizeTolerance = 1e-4;   // least valid size (thickness, mesh)
  double numTolerance = 1e-6;    // plain numeric comparisons
  CString defSteelCode = "GB50017";
  CString defConcreteCode = "GB50010";
  CString defSteelDB = "GB-YB05";  // default steel-section database (CSectDB)

  void Initialize() { *this = T_PREFERENCE(); }
  static const DB_CRecordDesc& Desc();
};
