// The eigenvalue analysis control: one record in the model (key 1).
//
// type: 0 subspace iteration, 1 vectors generated per load case, 2 Lanczos. freqMode: 0
// automatic (modes until the mass participation sum is reached), 1 user-defined (numFreq).
// limitOn/maxModes cap the automatic count; dx, dy, rz: directions whose participation is
// controlled. iterCount, subspace, tol: subspace iteration. massSum in percent. lcVec: the
// vectors per load case of type 1 (first, load-case key, count), ending at the first entry
// whose key is 0. nlnkOn/nlnkVec: vectors per nonlinear degree of freedom of the placed
// links (type 1). resA, resB: kept for the analysis, never read here.
// Defaults: Lanczos, automatic, 12 frequencies, no limit (max 100), DX and DY, 30
// iterations, subspace 0 (chosen by the analysis), tolerance 1e-10, sum 90 %.
#pragma once
#include "db/DBField.h"

struct T_EIGV_LC {
  int first = 0;
  UINT lc = 0;
  int count = 0;
  static const DB_CRecordDesc& Desc();
};

struct T_EIGV_D {
  static constexpr int LC_COUNT = 50;

  int type = 2;
  int freqMode = 0;
  int numFreq = 12;
  int limitOn = 0;
  int maxModes = 100;
  int dx = 1;
  int dy = 1;
  int rz = 0;
  int resA = 0;
  int iterCount = 30;
  int subspace = 0;
  double tol = 1e-10;
  double resB = 0.0;
  double massSum = 90.0;
  T_EIGV_LC lcVec[LC_COUNT];
  int nlnkOn = 0;
  int nlnkVec = 0;

  void Initialize() { *this = T_EIGV_D(); }
  static const DB_CRecordDesc& Desc();
};
