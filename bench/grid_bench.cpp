// Record-grid benchmarks: a tower grid (key and name columns) over 10^3 and 10^5 towers.
//
// Reported ratios (counters):
// - Fill: ratio_vs_1k = fill time per row at this size / fill time per row at 10^3 rows
//   (target: within 3 at 10^5). A fill is MakeItemEx of every record (FillAllRows).
// - Edit: ratio_vs_1k = time of one committed cell edit at this size / at 10^3 rows
//   (target: within 3 at 10^5). An edit renames a tower in the grid: the cell is
//   validated, the row committed through ModifyRecord (one TR_Modify), and the update
//   records are replayed into the grid. The edits go round 64 rows spread over the whole
//   grid (a user working on a few rows), so that the sizes differ in the work done per
//   edit, not in how much of the grid the benchmark touches.
// - BM_TableModify shows the table's own part: the same renames through TR_Modify alone
//   (second argument 0) and with the grid replaying them (1).
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include "BenchModel.h"
#include "db/CClassMdul.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "common/CCmdRecordGrid.h"

namespace {

using Clock = std::chrono::steady_clock;

class CBenchTowerGrid : public CCmdRecordGrid<CClassMdul> {
 public:
  CBenchTowerGrid() : CCmdRecordGrid<CClassMdul>(nullptr) {
    AddColInfo("ID", TB_COL_INT, 0);
    AddColInfo("Name", TB_COL_TEXT, 0);
    GetKeyColumnList().Add(0);
    AddRequiredColumn(1);
  }
  void FieldToText(int index, const T_MDUL_D& rec, CString& text) override {
    if (index == 1) text = rec.name;
    else CCmdRecordGrid::FieldToText(index, rec, text);
  }
  void TextToField(int index, const CString& text, T_MDUL_D& rec) override {
    if (index == 1) rec.name = text;
  }
  CStringArray& GetDefaultValues() override {
    static CStringArray none;
    return none;
  }
};

// A document with n towers (the main tower and n - 1 more) and a grid on it.
struct Setup {
  explicit Setup(int n) {
    doc = std::make_unique<CDBDoc>();
    auto* mdul = static_cast<CClassMdul*>(doc->GetModelDB()->GetClass(CClassMdul::m_nClassID));
    CArray<T_MDUL_D> towers;
    for (int i = 1; i < n; ++i) {
      T_MDUL_D t;
      t.name.Format("T%07d", i);
      towers.Add(t);
    }
    mdul->TR_Add(towers);
    grid = std::make_unique<CBenchTowerGrid>();
    grid->Initialize();
    grid->MakeItemEx(nullptr, -2, 0);
    replay.grid = grid.get();
    replay.ConnectDB(doc->GetModelDB());
  }
  ~Setup() { replay.DisconnectDB(); }
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<CBenchTowerGrid> grid;
  bench::GridReplay replay;
};

double FillNsPerRow(Setup& s, int n, int reps) {
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) s.grid->MakeItemEx(nullptr, -2, 0);
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps / n;
}

// The i-th of 64 rows spread over rows 2..n.
int SpreadRow(int i, int n) { return 2 + (int)((long long)(i % 64) * (n - 2) / 63); }

// Renames towers in the grid.
double EditNs(Setup& s, int n, int reps) {
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    int row = SpreadRow(i, n);
    CString name;
    name.Format("E%07d_%d", row, i);
    s.grid->UserEditCell(row, 2, name);
  }
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
}

std::map<int, double>& Baselines() {
  static std::map<int, double> b;
  return b;
}

double Baseline(int which) {
  auto& b = Baselines();
  if (!b.count(which)) {
    Setup s(1000);
    b[which] = which == 0 ? FillNsPerRow(s, 1000, 50) : EditNs(s, 1000, 2000);
  }
  return b[which];
}

void BM_Fill(benchmark::State& state) {
  int n = (int)state.range(0);
  Setup s(n);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += FillNsPerRow(s, n, n >= 100000 ? 2 : 50);
    ++runs;
  }
  state.counters["ns_per_row"] = ns / runs;
  state.counters["ratio_vs_1k"] = ns / runs / Baseline(0);
}
BENCHMARK(BM_Fill)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_Edit(benchmark::State& state) {
  int n = (int)state.range(0);
  Setup s(n);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += EditNs(s, n, 2000);
    ++runs;
  }
  state.counters["ns_per_edit"] = ns / runs;
  state.counters["ratio_vs_1k"] = ns / runs / Baseline(1);
}
BENCHMARK(BM_Edit)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(3);

}  // namespace

namespace {
// The table's own part of an edit: the same renames straight through TR_Modify, with the
// grid's replay listening (ratio_vs_1k as above), and without any grid.
double ModifyNs(Setup& s, int n, int reps, bool withGrid) {
  auto* mdul = static_cast<CClassMdul*>(s.doc->GetModelDB()->GetClass(CClassMdul::m_nClassID));
  if (!withGrid) s.replay.DisconnectDB();
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    UINT key = (UINT)SpreadRow(i, n);  // tower keys follow the rows
    T_MDUL_D t;
    mdul->Get(key, t);
    t.name.Format("M%07u_%d", key, i);
    mdul->TR_Modify(key, t);
  }
  double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
  if (!withGrid) s.replay.ConnectDB(s.doc->GetModelDB());
  return ns;
}

void BM_TableModify(benchmark::State& state) {
  int n = (int)state.range(0);
  bool withGrid = state.range(1) != 0;
  Setup s(n);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += ModifyNs(s, n, 2000, withGrid);
    ++runs;
  }
  state.counters["ns_per_modify"] = ns / runs;
}
BENCHMARK(BM_TableModify)->Args({1000, 0})->Args({100000, 0})->Args({1000, 1})->Args({100000, 1})
    ->Unit(benchmark::kMillisecond)->Iterations(3);
}  // namespace
