// The property sheet's section page: opening the sheet on the section tab fills the list
// with every section of the model. The time column is the time per row of that fill at
// 10^2, 10^3 and 10^4 sections; ratio_vs_100 = time per row at this size / at 10^2
// sections, measured in the same run (target: within 3 at 10^4). Two models: sections
// stored in key order, and the same keys stored in a shuffled order (a model whose
// records were renumbered), where each row goes to the middle of the list.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <random>
#include <string>

#include "BenchModel.h"
#include "afx/CUserDriver.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"

namespace {

struct Model {
  std::unique_ptr<CHostApp> app = std::make_unique<CHostApp>();
  std::unique_ptr<CDBDoc> doc;
  Model(int n, bool shuffled) {
    doc = std::make_unique<CDBDoc>();
    T_SECT_D s;
    s.iType = SECT_TYPE_REGULAR;
    s.iMatlType = SECT_MATL_RC;
    s.Part1.strShape = "SB";
    s.Part1.BaseA.dSize[0] = 0.5;
    s.Part1.BaseA.dSize[1] = 0.3;
    CSectUtil::CalcSectData(s);
    std::vector<UINT> keys((size_t)n);
    for (int i = 0; i < n; ++i) keys[(size_t)i] = (UINT)(i + 1);
    if (shuffled) std::shuffle(keys.begin(), keys.end(), std::mt19937(7));
    CArray<T_SECT_D> recs;
    for (UINT k : keys) {
      s.key = k;
      s.strName.Format("S%u", k);
      recs.Add(s);
    }
    auto* sect = static_cast<CClassSect*>(doc->GetModelDB()->GetClass(CClassSect::m_nClassID));
    sect->TR_Add(recs);
  }
};

// Nanoseconds per row of opening the sheet on its section tab.
double FillNs(int n, bool shuffled) {
  Model m(n, shuffled);
  int tab = 1;
  const double t0 = bench::ThreadCpuNs();
  ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab);
  const double ns = bench::ThreadCpuNs() - t0;
  if (CWnd* sheet = CUserDriver::FindDialog(IDD_CMD_MODEL_DEF_PROPERTY)) sheet->DestroyWindow();
  return ns / n;
}

void Report(benchmark::State& state, bool shuffled) {
  static std::map<bool, double> base;
  if (!base.count(shuffled)) {
    FillNs(100, shuffled);
    base[shuffled] = bench::Best([&] { return FillNs(100, shuffled); }, 5);
  }
  const int n = (int)state.range(0);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += bench::Best([&] { return FillNs(n, shuffled); }, n > 1000 ? 2 : 5);
    ++runs;
  }
  state.counters["ns_per_row"] = ns / runs;
  state.counters["ratio_vs_100"] = ns / runs / base[shuffled];
}

void BM_SectPageFillKeyOrder(benchmark::State& st) { Report(st, false); }
void BM_SectPageFillShuffled(benchmark::State& st) { Report(st, true); }

}  // namespace

BENCHMARK(BM_SectPageFillKeyOrder)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SectPageFillShuffled)->Arg(100)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);
