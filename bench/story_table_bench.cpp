// The story table of the plan and story dialog's story page (CCmdPlanStoryGrid) and its
// story material table (CCmdPlanStoryGridMatl), connected as the open page and dialog are,
// on the paths a user takes with a tall tower.
//
// Every case times thread CPU time at n = 10^3 and 10^4 in the same run and reports
// ratio_vs_1k = time at this size / time at 10^3 (linear work: 10; quadratic: 100):
// - BM_ShowTower (n): the tower of n stories shown (its rows, levels and floor choices);
//   target within 15;
// - BM_ReplayModify (n): one story renamed by a transaction and replayed into the grid
//   (the row rewritten, the levels of every row from one list of the tower); per
//   transaction; target within 15;
// - BM_AddStories (n): one transaction adding k = n stories on top of a tower of n (the
//   page's Add or a paste), every row placed from one key list of the tower; target
//   within 20;
// - BM_EditHeight (n): one height typed into a cell and committed (the check, the write
//   over the stored story, the replay and the levels); per edit; target within 15;
// - BM_MatlReplayModify (n): the story material table: one story's materials changed by a
//   transaction and replayed (the row rewritten and its cells kept in step); per
//   transaction; target within 15;
// - BM_MatlAdded (n): the story material table: one material added elsewhere (the choice
//   lists rebuilt, no row filled again); per transaction; target within 3.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>
#include "BenchModel.h"
#include "db/CClassMatl.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "levels/CCmdPlanStoryGrid.h"
#include "levels/CCmdPlanStoryGridMatl.h"

namespace {

// A document whose main tower has n stories (and three concrete materials) and a story
// grid showing it.
template <class Grid>
struct SetupOf {
  explicit SetupOf(int n) {
    doc = std::make_unique<CDBDoc>();
    CDBDoc::m_pDBDoc = doc.get();
    db = doc->GetModelDB();
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
    for (const char* grade : {"C30", "C35", "C40"}) {
      T_MATL_D m;
      m.name = grade;
      m.type = "C";
      matl->TR_Add(m);
    }
    CArray<T_STOR_D> s;
    for (int i = 1; i < n; ++i) s.Add(bench::NumberedStory("S", i));
    if (!s.IsEmpty()) stor->TR_Add(s, 0, 1);
    db->ClearUndo();
    grid = std::make_unique<Grid>(nullptr);
    grid->Initialize();
    grid->ShowTower(1);
    replay.grid = grid.get();
    replay.ConnectDB(db);
  }
  ~SetupOf() {
    replay.DisconnectDB();
    if (CDBDoc::m_pDBDoc == doc.get()) CDBDoc::m_pDBDoc = nullptr;
  }
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassStor* stor = nullptr;
  CClassMatl* matl = nullptr;
  std::unique_ptr<Grid> grid;
  bench::GridReplay replay;
};
using Setup = SetupOf<CCmdPlanStoryGrid>;
using MatlSetup = SetupOf<CCmdPlanStoryGridMatl>;

// Spread over the tower: the i-th of 64 places from the top row to the lowest.
ROWCOL Spread(int i, int n) { return 1 + (ROWCOL)((long long)(i % 64) * (n - 2) / 63); }

double ShowTower(int n) {
  Setup s(n);
  const int reps = 5;
  const double t0 = bench::ThreadCpuNs();
  for (int i = 0; i < reps; ++i) s.grid->ShowTower(1);
  return (bench::ThreadCpuNs() - t0) / reps;
}

// One story of 64 spread over the tower changed per transaction by write (the stored
// record, the repetition): the time per transaction.
template <class Grid>
double ReplayModifyOf(int n, const std::function<void(CClassStor&, T_STOR_D&, int)>& write) {
  SetupOf<Grid> s(n);
  const int reps = 100;
  const double t0 = bench::ThreadCpuNs();
  for (int i = 0; i < reps; ++i) {
    const UINT key = 2 + (UINT)((long long)(i % 64) * (n - 2) / 63);
    T_STOR_D rec;
    s.stor->Get(key, rec);
    write(*s.stor, rec, i);
  }
  return (bench::ThreadCpuNs() - t0) / reps;
}

double ReplayModify(int n) {
  return ReplayModifyOf<CCmdPlanStoryGrid>(n, [](CClassStor& stor, T_STOR_D& rec, int i) {
    rec.name.Format("M%07u_%d", rec.key, i);
    stor.TR_Modify(rec.key, rec);
  });
}

double AddStories(int n) {
  Setup s(n);
  CArray<T_STOR_D> stories;
  for (int i = 0; i < n; ++i) stories.Add(bench::NumberedStory("A", i));
  const double t0 = bench::ThreadCpuNs();
  s.stor->TR_Add(stories, 0, 1);
  return bench::ThreadCpuNs() - t0;
}

double EditHeight(int n) {
  Setup s(n);
  CCmdPlanStoryGrid& g = *s.grid;
  const ROWCOL heightCol = g.GetColumnNoFor(CCmdPlanStoryGrid::COL_HEIGHT);
  const int reps = 100;
  const double t0 = bench::ThreadCpuNs();
  for (int i = 0; i < reps; ++i) {
    CString text;
    text.Format("%.1f", 2.5 + (i % 5) * 0.1);
    g.UserEditCell((int)Spread(i, n), (int)heightCol, text.c_str());
  }
  return (bench::ThreadCpuNs() - t0) / reps;
}

double MatlReplayModify(int n) {
  return ReplayModifyOf<CCmdPlanStoryGridMatl>(n, [](CClassStor& stor, T_STOR_D& rec, int i) {
    rec.singleMatl = 1;
    rec.allMatlKey = 1 + (UINT)(i % 3);
    stor.TR_Modify2(rec.name, rec);
  });
}

double MatlAdded(int n) {
  MatlSetup s(n);
  const int reps = 100;
  const double t0 = bench::ThreadCpuNs();
  for (int i = 0; i < reps; ++i) {
    T_MATL_D m;
    m.name.Format("C%d", 100 + i);
    m.type = "C";
    s.matl->TR_Add(m);
  }
  return (bench::ThreadCpuNs() - t0) / reps;
}

// Runs a case at its size and at the 10^3 baseline, in the same run.
void Report(benchmark::State& state, const char* name, const std::function<double(int)>& at) {
  const int n = (int)state.range(0);
  bench::CaseVsBaseline r;
  for (auto _ : state) r = bench::MeasureVsBaseline(name, at, n, 1000);
  state.counters["ns"] = r.ns;
  state.counters["ratio_vs_1k"] = r.ratio;
}

void BM_ShowTower(benchmark::State& st) { Report(st, "show", ShowTower); }
void BM_ReplayModify(benchmark::State& st) { Report(st, "modify", ReplayModify); }
void BM_AddStories(benchmark::State& st) { Report(st, "add", AddStories); }
void BM_EditHeight(benchmark::State& st) { Report(st, "edit", EditHeight); }
void BM_MatlReplayModify(benchmark::State& st) { Report(st, "matl_modify", MatlReplayModify); }
void BM_MatlAdded(benchmark::State& st) { Report(st, "matl_added", MatlAdded); }

BENCHMARK(BM_ShowTower)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_ReplayModify)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_AddStories)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_EditHeight)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MatlReplayModify)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_MatlAdded)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
