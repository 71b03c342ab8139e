// The records the application exchanges with the creation option-panel host. The
// application declares them with its own further fields; the module writes only the
// fields named here, and reads none of PARAM_MPROP or T_ADVOPT_DLG_COMMON_DATA.
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CString.h"

// Where a panel docks: below the host's client area or to the right of it.
enum D_ADVOPT_DLG_TYPE { ADVOPT_DLG_BOTTOM = 0, ADVOPT_DLG_RIGHT = 1 };

// What the application is about to create: the member type code and the section key (0:
// none).
struct T_ADVOPT_DLG_DATA {
  int nMembType = 0;
  UINT nSectKey = 0;
};

// The name options of the shown panel.
struct T_ADVOPT_DLG_COMMON_DATA {
  CString strName;  // trimmed
  int nNameFlag = 0;  // 1: the name box is on and the name is not blank
  int nReserved[4] = {};
  int nOption = 0;  // always 0
};

// The member options of the shown panel; each panel writes its own fields only.
struct PARAM_MPROP {
  int nReserved0 = 0;
  int nDirMode = 0;  // 0 Beta angle, 1 reference point
  double dBeta = 0.0;  // degrees, as typed
  double dRefX = 0.0, dRefY = 0.0, dRefZ = 0.0;  // as typed
  int nReserved1 = 0;
  int nTransfer = 0;
  int nTension = 0;
  double dGap = 0.0;
  int nIEnd = 2;  // 0 top, 1 bottom, 2 snap point
  int nReserved2 = 0;
  int nMerge = 0;
  int nSplitCol = 0;
  int nSplitPt = 0;
  int nSplit = 0;  // crossing members; crossing lines for beams, walls, braces, lines
};
