// What the benchmarks share: the generated models they measure on and their clocks.
//
// The models are built into an empty (or the sample) document's model database by plain
// TR_Add calls; the caller keeps each size's document and clears its undo list. Every
// generator is deterministic, so each size holds the same members around a position.
#pragma once
#include <functional>
#include <string>
#include <vector>
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "db/T_MEMB_D.h"
#include "db/T_STOR_D.h"

class CHostApp;
class CTBCommon;

namespace bench {

// One application for every model; made before the models kept between runs, so it ends
// after them.
CHostApp& App();

// The thread's CPU time in ns: the machine's other work (a shared build host) does not count.
double ThreadCpuNs();

// The smallest of times runs of run, so that one slow run (another process) does not
// decide a ratio.
double Best(const std::function<double()>& run, int times);

// A case at size n against the same case at the baseline size, in one run. The baseline is
// run once to warm the allocator and the caches, then taken as the best of five and kept
// by name; the case is the best of `times` runs (0: two above the baseline size, five at or
// below it). ns is what `at` returns for n; ratio is ns over the baseline's.
struct CaseVsBaseline {
  double ns = 0.0;
  double ratio = 0.0;
};
CaseVsBaseline MeasureVsBaseline(const std::string& name, const std::function<double(int)>& at, int n, int baseline,
                                 int times = 0);

// A story of the main tower on plan 1 named prefix and i in seven digits, its height
// varying with i (3.0 to 3.6 m).
T_STOR_D NumberedStory(const char* prefix, int i);

// Replays every update record into a grid, as an open window does.
class GridReplay : public DB_CUpdateListener {
 public:
  CTBCommon* grid = nullptr;
  void OnUpdate(CView*, LPARAM, CObject* hint) override;
};

// A square frame of n beams (type 201) on one new story "1F" (plan 1, 3 m) of an empty
// model: a grid of rows x cols points 1 m apart (point keys 1.. row by row) and a beam
// from each point to its right neighbour (member keys 1..n row by row).
struct BeamFrame {
  UINT story = 0;
  int cols = 0;  // points in a row
  int rows = 0;
};
// The frame's story and point grid; beams holds its n beams, not yet added, so that the
// caller may give them records of their own first.
BeamFrame AddFramePoints(CDBDoc& doc, int n, CArray<T_MEMB_D>& beams);
// The whole frame, beams added.
BeamFrame AddBeamFrame(CDBDoc& doc, int n);

// n beams between neighbouring points of a grid (about n points on each of stories 3 and
// 4 of the sample model, rows starting at y = firstRow), alternating over the two stories
// and over sections 1, 2 and 3. out, when given, receives the added records with their keys.
void AddSampleBeams(CDBDoc& doc, int n, UINT firstRow, std::vector<T_MEMB_D>* out);

}  // namespace bench
