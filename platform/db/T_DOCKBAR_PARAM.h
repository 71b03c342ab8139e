// Parameters the attribute pages hand the application's dock bars
// (CDockDlgBarBase::ShowDlgBarMode).
#pragma once
#include "afx/AfxTypes.h"

// A design-type bar's parameter: seven ints, all 0 after Initialize (the member group, the
// design-type index within the column, beam and wall groups, two spare ints, the current
// value).
struct T_MEMBTYPE_PARAM {
  int value[7] = {0, 0, 0, 0, 0, 0, 0};
  void Initialize() {
    for (int& v : value) v = 0;
  }
};

// The member-change bar's parameter: the kind of change (5 the beta angle) and the angle.
struct T_CHANGE_MEMB_PARAM {
  int kind = 0;
  double angle = 0.0;
  void Initialize(int nKind = 0) {
    kind = nKind;
    angle = 0.0;
  }
};
