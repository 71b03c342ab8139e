// Member load benchmarks, on the member load dialog and the multiple assignment.
//
// Reported ratios (counters):
// - Choice: ratio_vs_small = time of one Load Type choice per grid row at names x floors /
//   the same at 100 x 10 (target: within 3 at 2,000 x 50). Every pair holds an
//   assignment, filter 1 and "with load" are ticked; a choice rewrites one assignment
//   (TR_Modify) and the dialog rebuilds every row and applies the filters again.
// - Apply: ratio_vs_empty = time per record of applying 100 names x 50 floors into a
//   table of 10^5 other assignments / into an empty table (target: within 3). Each apply
//   is undone outside the timing.
#include <benchmark/benchmark.h>

#include <chrono>
#include <functional>
#include <map>
#include <memory>
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "loads/CMembLoadAssignDlg.h"
#include "loads/CMembLoadSelectDlg.h"
#include "res/resource.h"

namespace {

using Clock = std::chrono::steady_clock;

CHostApp& App() {
  static CHostApp app;
  return app;
}

// A document with names slab names, floors standard floors (Plan1 and more), the area load
// types A1 and A2, and, with assigned, every pair of the first assigned names assigned A1.
struct Model {
  Model(int names, int floors, int assigned) {
    App();
    doc = std::make_unique<CDBDoc>();
    DB_CDataBase* db = doc->GetModelDB();
    auto* name = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
    auto* plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
    auto* ldtp = static_cast<CClassLdtp*>(db->GetClass(CClassLdtp::m_nClassID));
    mbld = static_cast<CClassMbld*>(db->GetClass(CClassMbld::m_nClassID));
    CArray<T_NAME_D> ns;
    for (int i = 0; i < names; ++i) {
      T_NAME_D n;
      n.name.Format("S%05d", i);
      n.type = 301;
      ns.Add(n);
    }
    name->TR_Add(ns);
    CArray<T_PLAN_D> ps;
    for (int i = 1; i < floors; ++i) {
      T_PLAN_D p;
      p.name.Format("P%03d", i);
      ps.Add(p);
    }
    plan->TR_Add(ps);
    for (const char* t : {"A1", "A2"}) {
      T_LDTP_D r;
      r.name = t;
      r.kind = 2;
      ldtp->TR_Add(r);
    }
    CUIntArray nameKeys, planKeys;
    name->GetKeyList(nameKeys);
    plan->GetKeyList(planKeys);
    CArray<T_MBLD_D> recs;
    for (int i = 0; i < assigned; ++i)
      for (UINT p : planKeys) {
        T_MBLD_D r;
        r.nameKey = nameKeys[i];
        r.plan = p;
        r.loadType = 1;
        recs.Add(r);
      }
    mbld->TR_Add(recs);
    db->ClearUndo();
  }
  std::unique_ptr<CDBDoc> doc;
  CClassMbld* mbld = nullptr;
};

// ns per grid row of one Load Type choice, averaged over reps choices.
double ChoiceNsPerRow(int names, int floors, int reps) {
  Model m(names, floors, names);
  double ns = 0;
  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver u(&d);
    u.Click(IDC_MBLD_FILTER_LOADED);
    CWnd* grid = u.FindControl(IDC_MBLD_GRID);
    const int rows = names * floors;
    auto t0 = Clock::now();
    for (int i = 0; i < reps; ++i) u.EditCell(grid, 1 + (int)((long long)(i % 16) * (rows - 1) / 15), 7, i % 2 ? "A1" : "A2");
    ns = std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps / rows;
    u.Click(IDC_MBLD_CLOSE);
  });
  CMembLoadAssignDlg dlg(nullptr);
  dlg.DoModal();
  AfxClearScriptQueue();
  return ns;
}

// ns per record of applying 100 names x 50 floors, the table holding others assignments.
double ApplyNsPerRecord(int others, int reps) {
  const int names = 100, floors = 50;
  Model m(names + others / floors, floors, 0);
  if (others) {
    // The others: the names after the first 100, on every floor.
    CUIntArray nameKeys, planKeys;
    auto* db = m.doc->GetModelDB();
    static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID))->GetKeyList(nameKeys);
    static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID))->GetKeyList(planKeys);
    CArray<T_MBLD_D> recs;
    for (INT_PTR i = names; i < nameKeys.GetSize(); ++i)
      for (UINT p : planKeys) {
        T_MBLD_D r;
        r.nameKey = nameKeys[i];
        r.plan = p;
        r.loadType = 2;
        recs.Add(r);
      }
    m.mbld->TR_Add(recs);
    db->ClearUndo();
  }
  CUIntArray keys;
  for (int i = 1; i <= names; ++i) keys.Add((UINT)i);
  double ns = 0;
  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver u(&d);
    for (int i = 0; i < names; ++i) u.CheckItem(u.FindControl(IDC_MBLS_MEMBERS), i, 1);
    for (int i = 0; i < floors; ++i) u.CheckItem(u.FindControl(IDC_MBLS_PLANS), i, 1);
    u.ChooseIndex(IDC_MBLS_LOAD_TYPE, 1);
    auto* db = m.doc->GetModelDB();
    for (int i = 0; i < reps; ++i) {
      auto t0 = Clock::now();
      u.Click(IDC_MBLS_APPLY);
      ns += std::chrono::duration<double, std::nano>(Clock::now() - t0).count();
      db->Undo();
    }
    u.Click(IDC_MBLS_CANCEL);
  });
  CMembLoadSelectDlg dlg(nullptr);
  dlg.SetMembers(2, keys);
  dlg.DoModal();
  AfxClearScriptQueue();
  return ns / reps / (names * floors);
}

void BM_Choice(benchmark::State& state) {
  const int names = (int)state.range(0), floors = (int)state.range(1);
  static const double small = ChoiceNsPerRow(100, 10, 40);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += ChoiceNsPerRow(names, floors, names * floors > 10000 ? 4 : 40);
    ++runs;
  }
  state.counters["ns_per_row"] = ns / runs;
  state.counters["ratio_vs_small"] = ns / runs / small;
}
BENCHMARK(BM_Choice)->Args({100, 10})->Args({2000, 50})->Unit(benchmark::kMillisecond)->Iterations(1);

void BM_Apply(benchmark::State& state) {
  const int others = (int)state.range(0);
  static const double empty = ApplyNsPerRecord(0, 5);
  double ns = 0;
  int runs = 0;
  for (auto _ : state) {
    ns += ApplyNsPerRecord(others, 5);
    ++runs;
  }
  state.counters["ns_per_record"] = ns / runs;
  state.counters["ratio_vs_empty"] = ns / runs / empty;
}
BENCHMARK(BM_Apply)->Arg(0)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
