// Opening the project status (CCMEtcPjst: both grids filled from the counts of every table
// and the last point and member numbers) on generated models of n points and n members, a
// tenth of them with assigned data: every tenth member a release and a temperature load
// (MASG), every tenth point a support (PASG). The counts the status shows are each a table
// count or a count the owning table keeps, so no row walks a table.
//
// Reported ratio (counter): ratio_vs_1k = time per opening at this size / at 10^3, both
// measured in the same run (target: within 2 at 10^6). Each opening runs the dialog
// modally and closes it from its script, as a user would.
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include "BenchModel.h"
#include "afx/AfxScript.h"
#include "analysis/CCMEtcPjst.h"
#include "db/CClassMasg.h"
#include "db/CClassMdul.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"

namespace {

using Clock = std::chrono::steady_clock;

CDBDoc& GetModel(int n) {
  static std::map<int, std::unique_ptr<CDBDoc>> cache;
  auto& doc = cache[n];
  if (doc) return *doc;
  doc = std::make_unique<CDBDoc>(FALSE);
  DB_CDataBase* db = doc->GetModelDB();
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  auto* masg = static_cast<CClassMasg*>(db->GetClass(CClassMasg::m_nClassID));
  auto* pasg = static_cast<CClassPasg*>(db->GetClass(CClassPasg::m_nClassID));
  T_STOR_D s;
  s.name = "1F";
  s.planKey = 1;
  stor->TR_Add(s);
  const UINT story = stor->GetKey("1F", CClassMdul::MAIN_TOWER);
  CArray<T_PONT_D> pts;
  CArray<T_PASG_D> supports;
  for (int i = 0; i < n; ++i) {
    T_PONT_D p;
    p.x = i % 1000, p.y = i / 1000, p.storyKey = story;
    pts.Add(p);
    if (i % 10 == 0) {
      T_PASG_D a;
      a.key = (UINT)i + 1, a.support = "111111";
      supports.Add(a);
    }
  }
  pont->TR_Add(pts);
  pasg->TR_Add(supports);
  CArray<T_MEMB_D> beams;
  CArray<T_MASG_D> asgs;
  for (int i = 0; i < n; ++i) {
    T_MEMB_D m;
    m.type = 201, m.storyKey = story;
    m.points.Add((UINT)i + 1);
    m.points.Add((UINT)((i + 1) % n) + 1);
    beams.Add(m);
    if (i % 10 == 0) {
      T_MASG_D a;
      a.key = (UINT)i + 1, a.release = "3", a.tempFlag = 1;
      asgs.Add(a);
    }
  }
  memb->TR_Add(beams);
  masg->TR_Add(asgs);
  db->ClearUndo();
  return *doc;
}

double MsPerOpening(int n) {
  bench::App();
  CDBDoc::m_pDBDoc = &GetModel(n);
  const int reps = 20;
  size_t sink = 0;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    AfxQueueDialogScript([&sink](CDialog& d) {
      sink += static_cast<CCMEtcPjst&>(d).GetModelGrid()->GetRowCount();
      d.EndDialog(IDOK);
    });
    CCMEtcPjst dlg;
    sink += (size_t)dlg.DoModal();
  }
  benchmark::DoNotOptimize(sink);
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count() / reps;
}

void BM_OpenProjectStatus(benchmark::State& state) {
  const int n = (int)state.range(0);
  const double base = MsPerOpening(1000);
  double ms = 0;
  for (auto _ : state) ms = MsPerOpening(n);
  state.counters["ms_per_open"] = ms;
  state.counters["ratio_vs_1k"] = ms / base;
}
BENCHMARK(BM_OpenProjectStatus)->Arg(1000)->Arg(1000000)->Iterations(3);

}  // namespace
