// Replay of update records into an open tower grid (CCmdMdulGrid2).
//
// Reported ratios (counters):
// - BM_ReplayAdd (n, k): one transaction adding k towers into a grid of n rows, the
//   replay included. ratio_vs_1k = time at this size / time at n = k = 10^3 (target:
//   within 20 at n = k = 10^4; quadratic work would be 100).
// - BM_ReplayModify (n): one renaming transaction replayed into a grid of n rows.
//   ratio_vs_1k = time per modification at this size / at 10^3 rows (target: within 3
//   at 10^5).
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include "db/CClassMdul.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "levels/CCmdMdulGrid2.h"

namespace {

using Clock = std::chrono::steady_clock;

class Replay : public DB_CUpdateListener {
 public:
  CTBCommon* grid = nullptr;
  void OnUpdate(CView*, LPARAM, CObject* hint) override { grid->UpdateBuffer(hint); }
};

struct Setup {
  explicit Setup(int n) {
    doc = std::make_unique<CDBDoc>();
    mdul = static_cast<CClassMdul*>(doc->GetModelDB()->GetClass(CClassMdul::m_nClassID));
    CArray<T_MDUL_D> towers;
    for (int i = 1; i < n; ++i) {
      T_MDUL_D t;
      t.name.Format("T%07d", i);
      towers.Add(t);
    }
    mdul->TR_Add(towers);
    grid = std::make_unique<CCmdMdulGrid2>(nullptr);
    grid->Initialize();
    replay.grid = grid.get();
    replay.ConnectDB(doc->GetModelDB());
  }
  ~Setup() { replay.DisconnectDB(); }
  std::unique_ptr<CDBDoc> doc;
  CClassMdul* mdul = nullptr;
  std::unique_ptr<CCmdMdulGrid2> grid;
  Replay replay;
};

// One transaction of k new towers, replayed; then taken back without the grid (not timed).
double AddNs(Setup& s, int k, int reps) {
  double ns = 0;
  for (int r = 0; r < reps; ++r) {
    CArray<T_MDUL_D> towers;
    for (int i = 0; i < k; ++i) {
      T_MDUL_D t;
      t.name.Format("N%07d", i);
      towers.Add(t);
    }
    auto t0 = Clock::now();
    s.mdul->TR_Add(towers);
    ns += std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
    s.replay.DisconnectDB();
    s.doc->Undo();
    s.grid->MakeItemEx(nullptr, -2, 0);
    s.replay.ConnectDB(s.doc->GetModelDB());
  }
  return ns / reps;
}

double ModifyNs(Setup& s, int n, int reps) {
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    UINT key = (UINT)(2 + (long long)(i % 64) * (n - 2) / 63);
    T_MDUL_D t;
    s.mdul->Get(key, t);
    t.name.Format("M%07u_%d", key, i);
    s.mdul->TR_Modify(key, t);
  }
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
}

double Baseline(int which) {
  static std::map<int, double> b;
  if (!b.count(which)) {
    Setup s(1000);
    // A first round warms the allocator and the caches, as the measured runs are.
    if (which == 0) AddNs(s, 1000, 3);
    b[which] = which == 0 ? AddNs(s, 1000, 20) : ModifyNs(s, 1000, 2000);
  }
  return b[which];
}

void BM_ReplayAdd(benchmark::State& state) {
  int n = (int)state.range(0), k = (int)state.range(1);
  Setup s(n);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += AddNs(s, k, 5);
    ++runs;
  }
  state.counters["ns_per_transaction"] = ns / runs;
  state.counters["ratio_vs_1k"] = ns / runs / Baseline(0);
}
BENCHMARK(BM_ReplayAdd)->Args({1000, 1000})->Args({10000, 10000})->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ReplayModify(benchmark::State& state) {
  int n = (int)state.range(0);
  Setup s(n);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += ModifyNs(s, n, 2000);
    ++runs;
  }
  state.counters["ns_per_modify"] = ns / runs;
  state.counters["ratio_vs_1k"] = ns / runs / Baseline(1);
}
BENCHMARK(BM_ReplayModify)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace
