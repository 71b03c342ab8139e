// The unselect-by-identity window on generated models: n beams between neighbouring
// points of a grid (about n points on each of two stories), alternating over stories 3 and
// 4 of the sample model and over sections 1, 2 and 3.
//
// Reported ratios (counters), each action on the open window from half the members and
// every point selected, the edits rewritten by the selection hints:
// - Inverse, Replace with section 2 selected in the list, and typing "1to500000" into the
//   member edit: ratio_vs_1k = time per member at this size / at 10^3 (target: within 3 at
//   10^6).
// - Replace: ratio_vs_select = its time / the select window's Replace at the same size and
//   from the same selection (target: within 2; two calls of the selection control, each
//   linear, against one).
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include "BenchModel.h"
#include "afx/CUserDriver.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "selection/CCMSelectIdentityDlg.h"
#include "selection/CCMUnselectIdentityDlg.h"

namespace {

using Clock = std::chrono::steady_clock;

CDBDoc& GetModel(int n) {
  static std::map<int, std::unique_ptr<CDBDoc>> cache;
  auto& doc = cache[n];
  if (doc) return *doc;
  bench::App();
  doc = std::make_unique<CDBDoc>();
  doc->NewSampleModel();
  bench::AddSampleBeams(*doc, n, 0, nullptr);
  doc->GetModelDB()->ClearUndo();
  return *doc;
}

enum Action { INVERSE, REPLACE, TYPING };

// Seconds per member of one action on the open window (the unselect window, or the select
// window for the baseline of Replace).
double PerMember(int n, Action action, bool unselect) {
  CDBDoc& doc = GetModel(n);
  CDBDoc::m_pDBDoc = &doc;
  CCMIdentityDlg* dlg = unselect ? (CCMIdentityDlg*)new CCMUnselectIdentityDlg(nullptr)
                                 : (CCMIdentityDlg*)new CCMSelectIdentityDlg(nullptr);
  dlg->m_pDBDoc = &doc;
  const UINT idd = unselect ? IDD_CMD_UNSELECT_IDENTITY : IDD_CMD_SELECT_IDENTITY;
  if (!dlg->Create(idd, idd)) return 0;
  dlg->ShowWindow(SW_SHOW);
  CUserDriver user(dlg);
  user.ChooseIndex(unselect ? IDC_UNSELID_CATEGORY : IDC_SELID_CATEGORY, 2);  // sections
  user.SelectRows(unselect ? IDC_UNSELID_LIST : IDC_SELID_LIST, {1});      // section 2
  DB_CDataBase* db = doc.GetModelDB();
  CViewCtrl* vc = db->GetViewCtrl();
  CUIntArray ponts, membs, half;
  static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID))->GetKeyList(ponts);
  static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID))->GetKeyList(membs);
  for (INT_PTR i = 0; i < membs.GetSize(); i += 2) half.Add(membs[i]);
  const CUIntArray none;
  const int reps = 3;
  double took = 0;
  for (int i = 0; i < reps; ++i) {
    vc->Clear();
    vc->Select(nullptr, ponts, half, none, none, 0, 0, 1);
    auto t0 = Clock::now();
    switch (action) {
      case INVERSE: user.Click(IDC_SELID_INVERSE); break;
      case REPLACE: user.Click(IDC_SELID_REPLACE); break;
      case TYPING: user.Type(unselect ? IDC_UNSELID_MEMB_NO : IDC_SELID_MEMB_NO, "1to500000"); break;
    }
    took += std::chrono::duration<double>(Clock::now() - t0).count();
  }
  vc->Clear();
  dlg->DestroyWindow();
  return took / reps / n;
}

void Run(benchmark::State& state, Action action) {
  const double base = PerMember(1000, action, true);
  double per = 0;
  for (auto _ : state) per = PerMember((int)state.range(0), action, true);
  state.counters["ns_per_member"] = per * 1e9;
  state.counters["ratio_vs_1k"] = per / base;
  if (action == REPLACE) state.counters["ratio_vs_select"] = per / PerMember((int)state.range(0), REPLACE, false);
}
void BM_UnselectInverse(benchmark::State& state) { Run(state, INVERSE); }
void BM_UnselectReplace(benchmark::State& state) { Run(state, REPLACE); }
void BM_UnselectTypeMemberList(benchmark::State& state) { Run(state, TYPING); }
BENCHMARK(BM_UnselectInverse)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnselectReplace)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(1)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_UnselectTypeMemberList)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
