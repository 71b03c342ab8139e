// Replay of update records into the module's own grids, connected as an open window is:
// the tower grid (CCmdMdulGrid2) and the story grid (CCmdStorGrid).
//
// Every case times whole transactions (thread CPU time) (the table's write and the grid's replay) at
// n = k = 10^3 and 10^4 in the same run and reports ratio_vs_1k = time at this size /
// time at 10^3 (linear work: 10; target: within 20; quadratic work would be 100):
// - BM_TowerAddEnd, BM_TowerAddTop: one transaction adding k towers to a grid of n rows,
//   after the last row / before the first tower row (TR_Insert at 2);
// - BM_TowerDeleteAll/ORDER: one transaction deleting every tower row (ORDER 0 ascending,
//   1 descending, 2 random);
// - BM_TowerUndoAdds: the undo of one transaction of k adds, the grid connected;
// - BM_StoryDeleteAll: one transaction deleting every story of the main tower through
//   the story grid (shown top first);
// - BM_StoryAdd200 (n): one transaction adding 200 stories (the levels page's Add with
//   a count of 200) to a tower of n stories; ratio_vs_1k = time at n = 10^4 / 10^3
//   (target: no faster growth than the tower grid's, within 20; the level column is
//   rewritten once);
// - BM_StoryEdit (n): one committed height edit in the story grid (the cell validated,
//   the row written by TR_Modify, the replay and the levels); ratio_vs_1k likewise.
// - BM_ReplayModify (n): one renaming transaction replayed into a tower grid of n rows;
//   ratio_vs_1k = time per modification at this size / at 10^3 rows (target: within 3
//   at 10^5).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>
#include "BenchModel.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdStorGrid.h"

namespace {

// The thread's CPU time: the machine's other work (a shared build host) does not count.
struct Clock {
  using time_point = double;
  static double now() { return bench::ThreadCpuNs(); }
};

double Since(Clock::time_point t0) { return Clock::now() - t0; }

// A document with towers (or stories of the main tower) and a grid connected to it.
struct Setup {
  Setup(int towers, int stories) {
    doc = std::make_unique<CDBDoc>();
    CDBDoc::m_pDBDoc = doc.get();
    db = doc->GetModelDB();
    mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    CArray<T_MDUL_D> t;
    for (int i = 1; i < towers; ++i) t.Add(Tower("T", i));
    if (!t.IsEmpty()) mdul->TR_Add(t);
    CArray<T_STOR_D> s;
    for (int i = 1; i < stories; ++i) s.Add(bench::NumberedStory("S", i));
    if (!s.IsEmpty()) stor->TR_Add(s, 0, 1);
    db->ClearUndo();
    if (stories) {
      storGrid = std::make_unique<CCmdStorGrid>(nullptr);
      storGrid->Initialize();
      storGrid->ShowTower(1);
      replay.grid = storGrid.get();
    } else {
      mdulGrid = std::make_unique<CCmdMdulGrid2>(nullptr);
      mdulGrid->Initialize();
      replay.grid = mdulGrid.get();
    }
    Connect();
  }
  ~Setup() {
    replay.DisconnectDB();
    if (CDBDoc::m_pDBDoc == doc.get()) CDBDoc::m_pDBDoc = nullptr;
  }
  static T_MDUL_D Tower(const char* prefix, int i) {
    T_MDUL_D t;
    t.name.Format("%s%07d", prefix, i);
    return t;
  }
  void Connect() { replay.ConnectDB(db); }
  // Puts the model back without the grid, then fills the grid again (not timed).
  void UndoUnseen() {
    replay.DisconnectDB();
    db->Undo();
    db->ClearUndo();
    Refill();
    Connect();
  }
  void Refill() {
    if (storGrid) storGrid->ShowTower(1);
    else mdulGrid->MakeItemEx(nullptr, -2, 0);
  }
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMdul* mdul = nullptr;
  CClassStor* stor = nullptr;
  std::unique_ptr<CCmdMdulGrid2> mdulGrid;
  std::unique_ptr<CCmdStorGrid> storGrid;
  bench::GridReplay replay;
};

// ---- the cases: one timed transaction each, the model put back afterwards ----

enum Order { kAscending, kDescending, kRandom };

CUIntArray Ordered(CUIntArray keys, Order order) {
  if (order == kDescending) std::reverse(keys.begin(), keys.end());
  if (order == kRandom) std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
  return keys;
}

double TowerAdd(int n, int k, bool top) {
  Setup s(n, 0);
  CArray<T_MDUL_D> towers;
  for (int i = 0; i < k; ++i) towers.Add(Setup::Tower("N", i));
  auto t0 = Clock::now();
  if (top) s.mdul->TR_Insert(towers, 2);
  else s.mdul->TR_Add(towers);
  return Since(t0);
}

double TowerDeleteAll(int n, Order order) {
  Setup s(n, 0);
  CUIntArray keys;
  s.mdul->GetKeyList(keys);
  keys.RemoveAt(0);  // the main tower stays
  keys = Ordered(keys, order);
  auto t0 = Clock::now();
  s.mdul->TR_Del(keys);
  return Since(t0);
}

double TowerUndoAdds(int n, int k) {
  Setup s(n, 0);
  CArray<T_MDUL_D> towers;
  for (int i = 0; i < k; ++i) towers.Add(Setup::Tower("N", i));
  s.replay.DisconnectDB();
  s.mdul->TR_Add(towers);
  s.Refill();
  s.Connect();
  auto t0 = Clock::now();
  s.db->Undo();
  return Since(t0);
}

double StoryDeleteAll(int n) {
  Setup s(0, n);
  CUIntArray keys;
  s.stor->GetKeyListReverse(keys, 1);
  keys.RemoveAt(keys.GetSize() - 1);  // the base story stays
  auto t0 = Clock::now();
  s.stor->TR_Del(keys);
  return Since(t0);
}

double StoryAdd200(int n) {
  Setup s(0, n);
  double ns = 0;
  for (int r = 0; r < 5; ++r) {
    CArray<T_STOR_D> stories;
    for (int i = 0; i < 200; ++i) stories.Add(bench::NumberedStory("A", i));
    auto t0 = Clock::now();
    s.stor->TR_Add(stories, 0, 1);
    ns += Since(t0);
    s.UndoUnseen();
  }
  return ns / 5;
}

double StoryEdit(int n) {
  Setup s(0, n);
  CCmdStorGrid& g = *s.storGrid;
  const ROWCOL heightCol = g.GetColumnNoFor(CCmdStorGrid::COL_HEIGHT);
  const int reps = 200;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    const ROWCOL row = 1 + (ROWCOL)((long long)(i % 64) * (n - 2) / 63);
    CString text;
    text.Format("%.1f", 2.5 + (i % 5) * 0.1);
    g.UserEditCell((int)row, (int)heightCol, text.c_str());
  }
  return Since(t0) / reps;
}

double ModifyNs(int n) {
  Setup s(n, 0);
  const int reps = 2000;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    UINT key = (UINT)(2 + (long long)(i % 64) * (n - 2) / 63);
    T_MDUL_D t;
    s.mdul->Get(key, t);
    t.name.Format("M%07u_%d", key, i);
    s.mdul->TR_Modify(key, t);
  }
  return Since(t0) / reps;
}

// Runs a case at its size and at the 10^3 baseline, in the same run.
void Report(benchmark::State& state, const char* name, const std::function<double(int)>& at, int baseline) {
  const int n = (int)state.range(0);
  bench::CaseVsBaseline r;
  for (auto _ : state) r = bench::MeasureVsBaseline(name, at, n, baseline);
  state.counters["ns_per_transaction"] = r.ns;
  state.counters["ratio_vs_1k"] = r.ratio;
}

void BM_TowerAddEnd(benchmark::State& st) { Report(st, "addEnd", [](int n) { return TowerAdd(n, n, false); }, 1000); }
void BM_TowerAddTop(benchmark::State& st) { Report(st, "addTop", [](int n) { return TowerAdd(n, n, true); }, 1000); }
void BM_TowerDeleteAll(benchmark::State& st) {
  const Order order = (Order)st.range(1);
  const char* names[] = {"delAsc", "delDesc", "delRandom"};
  Report(st, names[order], [order](int n) { return TowerDeleteAll(n, order); }, 1000);
}
void BM_TowerUndoAdds(benchmark::State& st) { Report(st, "undoAdds", [](int n) { return TowerUndoAdds(n, n); }, 1000); }
void BM_StoryDeleteAll(benchmark::State& st) { Report(st, "storyDel", StoryDeleteAll, 1000); }
void BM_StoryAdd200(benchmark::State& st) { Report(st, "storyAdd200", StoryAdd200, 1000); }
void BM_StoryEdit(benchmark::State& st) { Report(st, "storyEdit", StoryEdit, 1000); }
void BM_ReplayModify(benchmark::State& st) { Report(st, "modify", ModifyNs, 1000); }

BENCHMARK(BM_TowerAddEnd)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TowerAddTop)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TowerDeleteAll)
    ->Args({1000, kAscending})->Args({10000, kAscending})
    ->Args({1000, kDescending})->Args({10000, kDescending})
    ->Args({1000, kRandom})->Args({10000, kRandom})
    ->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_TowerUndoAdds)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StoryDeleteAll)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StoryAdd200)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_StoryEdit)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReplayModify)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
