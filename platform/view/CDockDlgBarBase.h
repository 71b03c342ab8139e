// The application's dock bars as the module opens them: ShowDlgBarMode (mode, parameter)
// shows the bar of a mode with its parameter. The parameter's type goes with the mode:
// T_CHANGE_MEMB_PARAM for the member change (1124), a CString for the slab load (1406),
// T_MEMBTYPE_PARAM for the design-type and protection bars (27110 to 27112, 27118 to
// 27121). The application hears each through the hook (SetHook) and describes it with
// Describe; without a hook nothing is shown and the result is 0.
#pragma once
#include "afx/CString.h"

class CDlgBarMode {
 public:
  enum DLGBAR_MODE {
    MEMB_CHANGE = 1124,
    SLAB_LOAD = 1406,
    COLM_DESIGN_TYPE = 27110,
    BEAM_DESIGN_TYPE = 27111,
    WALL_DESIGN_TYPE = 27112,
    COLM_PROTECTION = 27118,
    BEAM_PROTECTION = 27119,
    WALL_BASE_PROTECTION = 27120,
    SLAB_PROTECTION = 27121,
  };
};

class CDockDlgBarBase {
 public:
  typedef void (*HOOK)(int nMode, const void* pParam);
  static BOOL ShowDlgBarMode(int nMode, const void* pParam);
  // Installs the application's hook; returns the previous one.
  static HOOK SetHook(HOOK pfn);
  // "membtype=I1,...,I7", "change kind=K angle=A" or "text \"...\"" (escaped as output
  // texts are), by the mode; "" for a mode of no known parameter or a NULL one.
  static CString Describe(int nMode, const void* pParam);
};
