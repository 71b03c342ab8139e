// The slab settings on generated models.
//
// Every case times thread CPU time at its sizes and at its baseline in the same run and
// reports ratio_vs_base = time at this size / time at the baseline:
// - BM_OpenSlabDialog (n): the slab detail settings opened through the factory and closed
//   (its story list without the empty stories, the load rules), in a model of n beams on
//   seven of ten stories; baseline n = 10^3, measured at 10^6; target within 3 (the story
//   list reads a count per story, never the members).
// - BM_ApplyDirections (k): one Apply of the reinforcement direction window, open, with k
//   slabs selected in the view: the slabs taken from the selection, one transaction over
//   the k records and the redraw command; baseline k = 10^3, measured at 10^4; target
//   within 15 (linear: 10).
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "BenchModel.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CCmdDetailSlabDirDlg.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassSdir.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CViewCtrl.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CDlgModelessMgr.h"
#include "view/I_ModelBase.h"

namespace {

// A model of ten stories; members go on the first seven, the rest stay empty.
struct Model {
  std::unique_ptr<CDBDoc> doc = std::make_unique<CDBDoc>();
  std::unique_ptr<I_ModelBase> view;
  DB_CDataBase* db = nullptr;
  CClassMemb* memb = nullptr;
  std::vector<UINT> stories;

  Model() {
    bench::App();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    db = doc->GetModelDB();
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    for (int i = 0; i < 10; ++i) {
      T_STOR_D s;
      s.name.Format("%dF", i + 1);
      s.planKey = 1;
      stor->TR_Add(s);
      stories.push_back(stor->GetKey(s.name, 1));
    }
  }
  // n members of the type in a strip on the first seven stories: line members between
  // neighbouring points, area members over four.
  void AddMembers(int n, int type) {
    auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    const int per = (n + 6) / 7;
    const int corners = type >= 300 ? 4 : 2;
    CArray<T_PONT_D> pts;
    CArray<T_MEMB_D> membs;
    UINT next = pont->GetNewKey();
    for (int s = 0, left = n; s < 7 && left > 0; ++s) {
      const int count = std::min(per, left);
      left -= count;
      const UINT first = next;
      for (int i = 0; i < count + 1; ++i) {
        for (int row = 0; row < (corners == 4 ? 2 : 1); ++row) {
          T_PONT_D p;
          p.x = i;
          p.y = row;
          p.storyKey = stories[(size_t)s];
          pts.Add(p);
          ++next;
        }
      }
      const UINT rows = corners == 4 ? 2 : 1;
      for (int i = 0; i < count; ++i) {
        T_MEMB_D m;
        m.type = type;
        m.storyKey = stories[(size_t)s];
        const UINT a = first + (UINT)i * rows;
        if (corners == 4) {
          for (UINT k : {a, a + rows, a + rows + 1, a + 1}) m.points.Add(k);
        } else {
          m.points.Add(a);
          m.points.Add(a + 1);
        }
        membs.Add(m);
      }
    }
    pont->TR_Add(pts);
    memb->TR_Add(membs);
    db->ClearUndo();
  }
};

// Opening and closing the slab dialog once.
double OpenNs(int n) {
  bench::App();
  static std::map<int, std::unique_ptr<Model>> models;
  auto& m = models[n];
  if (!m) {
    m = std::make_unique<Model>();
    m->AddMembers(n, 201);
  }
  CDBDoc::m_pDBDoc = m->doc.get();
  I_ModelBase::SetCurMySelfST(m->view.get());
  const int reps = 20;
  const double t0 = bench::ThreadCpuNs();
  for (int i = 0; i < reps; ++i) {
    AfxQueueDialogScript([](CDialog& d) { d.EndDialog(IDCANCEL); });
    ICmdDialog::DoModal("CCmdDetailSlabDlg", nullptr);
  }
  return (bench::ThreadCpuNs() - t0) / reps;
}

// One Apply over k selected slabs, the window open.
double ApplyNs(int k) {
  Model m;
  m.AddMembers(k, 301);
  ICmdDialog::DoModeless("CCmdDetailSlabDirDlg", nullptr, nullptr);
  auto* dlg = static_cast<CCmdDetailSlabDirDlg*>(m.doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR));
  if (!dlg) return 0;
  CUserDriver user(dlg);
  user.Type(IDC_SDIR_ANGLE, "30");
  CUIntArray all, none;
  m.memb->GetKeyList(all);
  m.db->GetViewCtrl()->Select(nullptr, none, all, none, none, 0, 0, 1);
  const double t0 = bench::ThreadCpuNs();
  user.Click(IDC_SDIR_APPLY);
  const double ns = bench::ThreadCpuNs() - t0;
  auto* sdir = static_cast<CClassSdir*>(m.db->GetClass(CClassSdir::m_nClassID));
  if (sdir->GetCount() != k) return 0;  // nothing written: no measurement
  dlg->DestroyWindow();
  return ns;
}

void Report(benchmark::State& state, const char* name, int baseline, const std::function<double(int)>& at) {
  const int n = (int)state.range(0);
  bench::CaseVsBaseline r;
  for (auto _ : state) r = bench::MeasureVsBaseline(name, at, n, baseline, 3);
  state.counters["ns"] = r.ns;
  state.counters["ratio_vs_base"] = r.ratio;
}

void BM_OpenSlabDialog(benchmark::State& st) { Report(st, "open", 1000, OpenNs); }
void BM_ApplyDirections(benchmark::State& st) { Report(st, "apply", 1000, ApplyNs); }

BENCHMARK(BM_OpenSlabDialog)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMicrosecond)->Iterations(1);
BENCHMARK(BM_ApplyDirections)->Arg(1000)->Arg(10000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
