// Section properties: the section preview recomputes them on every paint, so one call
// must stay well under a millisecond. The time column is the time per call of
// CalcSectData (with the display centre, as a paint computes them) of an H
// section, of the same H taken from the steel-section database (rolled geometry with
// root radii), of an SRC section (H encased in concrete) and of a lipped-channel pair.
#include <benchmark/benchmark.h>

#include "db/CSectDB.h"
#include "db/CSectUtil.h"

namespace {

T_SECT_D HSection() {
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_STEEL;
  s.Part1.strShape = "H";
  const double h[6] = {0.4, 0.2, 0.008, 0.013, 0, 0};
  for (int i = 0; i < 6; ++i) s.Part1.BaseA.dSize[i] = h[i];
  return s;
}

T_SECT_D DBSection() {
  T_SECT_D s = HSection();
  CSectDB db;
  s.Part1.BaseA.strDBName = CSectDB::kDBName;
  db.GetSectData(CSectDB::kDBName, "HN400x200", s.Part1.BaseA);
  return s;
}

T_SECT_D SrcSection() {
  T_SECT_D s;
  s.iType = SECT_TYPE_SRC;
  s.iMatlType = SECT_MATL_SRC;
  s.Part1.strShape = "RHB";
  const double steel[6] = {0.5, 0.3, 0.012, 0.02, 0, 0};
  for (int i = 0; i < 6; ++i) s.Part1.BaseA.dSize[i] = steel[i];
  s.Part1.BaseB.dSize[0] = 0.8;
  s.Part1.BaseB.dSize[1] = 0.6;
  return s;
}

T_SECT_D LippedPair() {
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_STEEL;
  s.Part1.strShape = "CC";
  const double c[5] = {0.2, 0.07, 0.002, 0.003, 0.02};
  for (int i = 0; i < 5; ++i) s.Part1.BaseA.dSize[i] = c[i];
  s.Part1.BaseA.strBaseShape = "2IS";
  return s;
}

void Run(benchmark::State& state, T_SECT_D s) {
  for (auto _ : state) {
    benchmark::DoNotOptimize(CSectUtil::CalcSectData(s));
    benchmark::DoNotOptimize(CSectUtil::CalcSectDispCenter(s));
    benchmark::ClobberMemory();
  }
}

void BM_CalcSectData_H(benchmark::State& state) { Run(state, HSection()); }
void BM_CalcSectData_H_FromDatabase(benchmark::State& state) { Run(state, DBSection()); }
void BM_CalcSectData_SRC(benchmark::State& state) { Run(state, SrcSection()); }
void BM_CalcSectData_LippedPair(benchmark::State& state) { Run(state, LippedPair()); }

}  // namespace

BENCHMARK(BM_CalcSectData_H);
BENCHMARK(BM_CalcSectData_H_FromDatabase);
BENCHMARK(BM_CalcSectData_SRC);
BENCHMARK(BM_CalcSectData_LippedPair);
