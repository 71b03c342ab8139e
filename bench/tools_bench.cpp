// One column fill of the attribute tool window's building-model page
// (CToolsPrePage::FillMembAttrList for a column, what every pick and every data change
// does) on the sample grown by a square grid of 10^3 and 10^5 columns on one story, each
// with one uniform dead load; every other column has a design-type record and every
// fourth assigned data (MASG). Fills take the next of 64 columns sampled across the model.
//
// Reported ratio (counter): ratio_vs_1k = time per fill at this size / at 10^3 columns
// and loads, both measured in the same run (target: within 3 at 10^5).
#include <benchmark/benchmark.h>

#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <vector>
#include "BenchModel.h"
#include "db/CClassCmld.h"
#include "db/CClassMasg.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "tools/CToolsDlg.h"
#include "tools/CToolsPrePage.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Model {
  std::unique_ptr<CDBDoc> doc;
  std::vector<UINT> sample;
};

Model& GetModel(int n) {
  static std::map<int, std::unique_ptr<Model>> cache;
  auto& f = cache[n];
  if (f) return *f;
  f = std::make_unique<Model>();
  f->doc = std::make_unique<CDBDoc>(FALSE);
  CDBDoc* prev = CDBDoc::m_pDBDoc;
  CDBDoc::m_pDBDoc = f->doc.get();
  f->doc->NewSampleModel();
  CDBDoc::m_pDBDoc = prev;
  DB_CDataBase* db = f->doc->GetModelDB();
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  auto* mbtp = static_cast<CClassMbtp*>(db->GetClass(CClassMbtp::m_nClassID));
  auto* masg = static_cast<CClassMasg*>(db->GetClass(CClassMasg::m_nClassID));
  auto* cmld = static_cast<CClassCmld*>(db->GetClass(CClassCmld::m_nClassID));
  const UINT story = 3;
  const int side = (int)std::ceil(std::sqrt((double)n));
  const UINT firstPont = pont->GetNewKey();
  CArray<T_PONT_D> pts;
  for (int i = 0; i <= n; ++i) {
    T_PONT_D p;
    p.x = i % side, p.y = i / side, p.storyKey = story;
    pts.Add(p);
  }
  pont->TR_Add(pts);
  const UINT firstMemb = memb->GetNewKey();
  const UINT firstDsgn = mbtp->GetNewKey();
  CArray<T_MBTP_D> dsgns;
  CArray<T_MASG_D> asgs;
  CArray<T_MEMB_D> cols;
  CArray<T_CMLD_D> loads;
  for (int i = 0; i < n; ++i) {
    T_MEMB_D m;
    m.type = 101, m.storyKey = story, m.sectKey = 1;
    m.points.Add(firstPont + (UINT)i);
    m.points.Add(firstPont + (UINT)i + 1);
    const UINT key = firstMemb + (UINT)i;
    if (i % 2 == 0) {
      T_MBTP_D d;
      d.key = firstDsgn + (UINT)dsgns.GetSize(), d.value[0] = 1, d.autoFlag[4] = 1;
      m.dsgnKey = d.key;
      dsgns.Add(d);
    }
    if (i % 4 == 0) {
      T_MASG_D a;
      a.key = key, a.tempFlag = 1, a.temp[0] = 20, a.support = "2";
      asgs.Add(a);
    }
    T_CMLD_D l;
    l.memb = key, l.loadCase = 1, l.loadType = 3;
    l.p[1] = 1, l.v[0] = l.v[1] = 10;
    loads.Add(l);
    cols.Add(m);
  }
  mbtp->TR_Add(dsgns);
  memb->TR_Add(cols);
  masg->TR_Add(asgs);
  cmld->TR_Add(loads);
  db->ClearUndo();
  for (int i = 0; i < 64; ++i) f->sample.push_back(firstMemb + (UINT)((long long)i * (n - 1) / 63));
  return *f;
}

double NsPerFill(int n) {
  bench::App();
  Model& f = GetModel(n);
  CDBDoc::m_pDBDoc = f.doc.get();
  auto* dlg = new CToolsDlg(nullptr);
  dlg->m_pDBDoc = f.doc.get();
  if (!dlg->Create(IDD_CMD_TOOLS, IDD_CMD_TOOLS)) {
    delete dlg;
    return 0;
  }
  dlg->SetInitDataByMenu();
  CToolsPrePage* page = dlg->GetPrePage();
  size_t sink = 0;
  const int reps = 2000;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    page->FillMembAttrList(f.sample[(size_t)i & 63], 1);
    sink += (size_t)page->GetPropList().GetRowCount();
  }
  const double ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
  benchmark::DoNotOptimize(sink);
  dlg->DestroyWindow();
  return ns;
}

void BM_ColumnFill(benchmark::State& state) {
  const int n = (int)state.range(0);
  const double base = NsPerFill(1000);
  double ns = 0;
  for (auto _ : state) ns = NsPerFill(n);
  state.counters["ns_per_fill"] = ns;
  state.counters["ratio_vs_1k"] = ns / base;
}
BENCHMARK(BM_ColumnFill)->Arg(1000)->Arg(100000)->Iterations(3);

}  // namespace
