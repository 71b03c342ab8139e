// Torsion constants of thick concrete sections. CalcSectData runs on every paint of the
// section preview and of the property table, so a thick shape's Saint-Venant solve must
// stay in the low milliseconds the first time and cost next to nothing after it.
// Rows (time per CalcSectData call, as a paint makes it, with the display centre):
//   Rectangle_ClosedForm   concrete 500 x 300: the exact series, the baseline;
//   FirstSolve_Cross/T/Box the cache emptied before every call: mesh, refine, solve
//                          (goal: within 5 ms);
//   Cached_Cross           the same cross again (goal: within 3x the baseline).
#include <benchmark/benchmark.h>

#include <initializer_list>

#include "db/CSectUtil.h"
#include "db/SectTorsion.h"

namespace {

T_SECT_D Concrete(const char* code, std::initializer_list<double> mm) {
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_RC;
  s.Part1.strShape = code;
  int i = 0;
  for (double v : mm) s.Part1.BaseA.dSize[i++] = v * 1e-3;
  return s;
}

T_SECT_D Cross() { return Concrete("CR", {600, 500, 200, 250}); }
T_SECT_D Tee() { return Concrete("T", {600, 400, 200, 100}); }
T_SECT_D Box() { return Concrete("B", {800, 600, 200, 150, 0, 150}); }

void Paint(T_SECT_D& s) {
  benchmark::DoNotOptimize(CSectUtil::CalcSectData(s));
  benchmark::DoNotOptimize(CSectUtil::CalcSectDispCenter(s));
  benchmark::ClobberMemory();
}

void Warm(benchmark::State& state, T_SECT_D s) {
  Paint(s);
  for (auto _ : state) Paint(s);
}

void First(benchmark::State& state, T_SECT_D s) {
  for (auto _ : state) {
    SectTorsionClearCache();
    Paint(s);
  }
}

void BM_Torsion_Rectangle_ClosedForm(benchmark::State& state) {
  Warm(state, Concrete("SB", {500, 300}));
}
void BM_Torsion_FirstSolve_Cross(benchmark::State& state) { First(state, Cross()); }
void BM_Torsion_FirstSolve_T(benchmark::State& state) { First(state, Tee()); }
void BM_Torsion_FirstSolve_Box(benchmark::State& state) { First(state, Box()); }
void BM_Torsion_Cached_Cross(benchmark::State& state) { Warm(state, Cross()); }

}  // namespace

BENCHMARK(BM_Torsion_Rectangle_ClosedForm);
BENCHMARK(BM_Torsion_FirstSolve_Cross)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Torsion_FirstSolve_T)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Torsion_FirstSolve_Box)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_Torsion_Cached_Cross);
