// The attribute control's read of one member (CMembDataCtrl::GetMemberAttr, what the
// attribute page does on every pick) on generated frames of 10^3 and 10^5 beams: a square
// grid of points 1 m apart on one story, a beam from each point to its right neighbour;
// every other beam has a design-type record and every fourth assigned data (MASG), so the
// reads take both paths; two load cases, every eighth beam with a line load in each.
//
// Reported ratio (counter): ratio_vs_1k = time per read at this size / at 10^3 members,
// both measured in the same run (target: within 3 at 10^5). Reads take the next of 64
// members sampled across the model.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <vector>
#include "BenchModel.h"
#include "db/CClassCmld.h"
#include "db/CClassMasg.h"
#include "db/CClassMemb.h"
#include "db/CClassStld.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/CMembDataCtrl.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Frame {
  std::unique_ptr<CDBDoc> doc;
  std::vector<UINT> sample;
};

Frame& GetFrame(int n) {
  static std::map<int, std::unique_ptr<Frame>> cache;
  auto& f = cache[n];
  if (f) return *f;
  f = std::make_unique<Frame>();
  f->doc = std::make_unique<CDBDoc>(FALSE);
  DB_CDataBase* db = f->doc->GetModelDB();
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  auto* mbtp = static_cast<CClassMbtp*>(db->GetClass(CClassMbtp::m_nClassID));
  auto* masg = static_cast<CClassMasg*>(db->GetClass(CClassMasg::m_nClassID));
  CArray<T_MEMB_D> beams;
  bench::AddFramePoints(*f->doc, n, beams);
  auto* stld = static_cast<CClassStld*>(db->GetClass(CClassStld::m_nClassID));
  auto* lnld = static_cast<CClassLnld*>(db->GetClass(CClassLnld::m_nClassID));
  for (const char* name : {"DL", "LL"}) {
    T_STLD_D lc;
    lc.name = name, lc.type = name[0] == 'D' ? "D" : "L";
    stld->TR_Add(lc);
  }
  CArray<T_LNLD_D> loads;
  CArray<T_MBTP_D> dsgns;
  CArray<T_MASG_D> asgs;
  for (int i = 0; i < beams.GetSize(); ++i) {
    T_MEMB_D& m = beams[i];
    const UINT key = (UINT)i + 1;
    if (key % 2 == 0) {
      T_MBTP_D d;
      d.key = key, d.value[0] = 2, d.autoFlag[1] = 1;
      dsgns.Add(d);
      m.dsgnKey = key;
    }
    if (key % 4 == 0) {
      T_MASG_D a;
      a.key = key, a.tempFlag = 1, a.temp[0] = 20, a.release = "3";
      asgs.Add(a);
    }
    if (key % 8 == 0)
      for (UINT lc = 1; lc <= 2; ++lc) {
        T_LNLD_D l;
        l.memb = key, l.loadCase = lc, l.loadType = 3;
        l.p[1] = 1.0, l.v[0] = l.v[1] = 5.0;
        loads.Add(l);
      }
  }
  mbtp->TR_Add(dsgns);
  memb->TR_Add(beams);
  masg->TR_Add(asgs);
  lnld->TR_Add(loads);
  db->ClearUndo();
  for (int i = 0; i < 64; ++i) f->sample.push_back((UINT)(1 + (long long)i * (n - 1) / 63));
  return *f;
}

double NsPerRead(int n) {
  Frame& f = GetFrame(n);
  CDBDoc::m_pDBDoc = f.doc.get();
  CMembDataCtrl ctrl;
  ctrl.m_nObjClass = CMembDataCtrl::OBJ_BEAM;
  T_MATR_D rec;
  size_t sink = 0;
  const int reps = 20000;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    ctrl.m_nObjKey = f.sample[(size_t)i & 63];
    rec.Initialize();
    sink += ctrl.GetMemberAttr(rec, 1) + (size_t)rec.dmtp.value[0];
  }
  benchmark::DoNotOptimize(sink);
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
}

void BM_GetMemberAttr(benchmark::State& state) {
  const int n = (int)state.range(0);
  const double base = NsPerRead(1000);
  double ns = 0;
  for (auto _ : state) ns = NsPerRead(n);
  state.counters["ns_per_read"] = ns;
  state.counters["ratio_vs_1k"] = ns / base;
}
BENCHMARK(BM_GetMemberAttr)->Arg(1000)->Arg(100000)->Iterations(3);

}  // namespace
