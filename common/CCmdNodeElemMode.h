// The working model of the selection, query and activation windows. Mode 1, the analysis
// model (nodes and elements): the current document is in post-processing, or the current
// model view shows the 3D analysis model; otherwise mode 0, the building model (points and
// members). GetCurrentDB gives a mode's database: mode 0 the document's model database;
// mode 1 the analysis database (GetDBPre3D in pre-processing, GetDBPost in
// post-processing). Both change nothing; NULL without a current document.
#pragma once
#include "afx/AfxTypes.h"

class DB_CDataBase;

class CCmdNodeElemMode {
 public:
  enum : int { MODE_BUILDING = 0, MODE_ANALYSIS = 1 };
  static int IsNodeElemMode();
  static DB_CDataBase* GetCurrentDB(int nMode);
};
