// The model view on generated square frames of beams 1 m apart on one story (the same
// members around a position at every size).
//
// Reported ratios (counters):
// - Selecting n members and reading them back (CViewCtrl::Select with replace, then
//   GetAllSelectedMemb): ratio_vs_loop = its time / a bare loop that pushes the same
//   keys into a vector one by one and copies it back (target: within 3 at 10^6). Each
//   repetition selects anew from nothing selected.
// - A snapped pointer move (point and member snapping on, plan view): ratio_vs_1k = time
//   per move at this size / at 10^3 (target: within 3 at 10^6). Moves visit 64 positions
//   across the model, half of them at a point, half on a beam's axis.
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <vector>
#include "BenchModel.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Frame {
  std::unique_ptr<CDBDoc> doc;
  CClassMemb* memb = nullptr;
  UINT story = 0;
  int cols = 0, rows = 0;
};

Frame& GetFrame(int n) {
  static std::map<int, std::unique_ptr<Frame>> cache;
  auto& f = cache[n];
  if (f) return *f;
  f = std::make_unique<Frame>();
  f->doc = std::make_unique<CDBDoc>(FALSE);
  DB_CDataBase* db = f->doc->GetModelDB();
  f->memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  const bench::BeamFrame frame = bench::AddBeamFrame(*f->doc, n);
  f->story = frame.story;
  f->cols = frame.cols, f->rows = frame.rows;
  static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID))->SetCurStor(f->story);
  db->ClearUndo();
  return *f;
}

void BM_SelectMembers(benchmark::State& state) {
  Frame& f = GetFrame((int)state.range(0));
  CUIntArray all, none, back;
  f.memb->GetKeyList(all);
  const std::vector<UINT> bare = all.vec();
  const int reps = 5;
  std::vector<UINT> a, b;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    a.clear();
    for (UINT k : bare) a.push_back(k);
    b.assign(a.begin(), a.end());
    benchmark::DoNotOptimize(b.data());
  }
  const double loop = std::chrono::duration<double>(Clock::now() - t0).count();
  CViewCtrl* sel = f.doc->GetModelDB()->GetViewCtrl();
  double took = 0;
  for (auto _ : state) {
    auto t1 = Clock::now();
    for (int i = 0; i < reps; ++i) {
      sel->Select(nullptr, none, all, none, none, 0, 0, 1);
      sel->GetAllSelectedMemb(back);
      benchmark::DoNotOptimize(back.GetData());
      sel->Clear();
    }
    took = std::chrono::duration<double>(Clock::now() - t1).count();
  }
  sel->UnselectAll(nullptr);
  state.counters["ratio_vs_loop"] = took / loop;
}
BENCHMARK(BM_SelectMembers)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

double NsPerMove(int n) {
  Frame& f = GetFrame(n);
  I_ModelBase view(f.doc.get());
  I_ModelBase::SetCurMySelfST(&view);
  I_MainFrameBase frame;
  frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_POINT, TRUE);
  frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, TRUE);
  CViewEventController ev;
  std::vector<std::pair<double, double>> at;
  for (int i = 0; i < 64; ++i) {
    const int r = (int)((long long)i * (f.rows - 1) / 63), c = (int)((long long)i * (f.cols - 2) / 63);
    at.emplace_back(c + (i & 1 ? 0.5 : 0.05), r + 0.05);
  }
  ev.MovePointer(at[0].first, at[0].second, 0);  // the plan grids built once
  const int reps = 20000;
  size_t sink = 0;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    const auto& p = at[(size_t)i & 63];
    ev.MovePointer(p.first, p.second, 0);
    sink += ev.HasSnappedObject() ? 1 : 0;
  }
  benchmark::DoNotOptimize(sink);
  const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
  I_ModelBase::SetCurMySelfST(nullptr);
  return ns;
}

void BM_SnappedMove(benchmark::State& state) {
  const int n = (int)state.range(0);
  const double base = NsPerMove(1000);
  double ns = 0;
  for (auto _ : state) ns = NsPerMove(n);
  state.counters["ns_per_move"] = ns;
  state.counters["ratio_vs_1k"] = ns / base;
}
BENCHMARK(BM_SnappedMove)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3)->Unit(benchmark::kMillisecond);

}  // namespace
