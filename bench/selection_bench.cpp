// The member-name and structure-group windows on the paths a user takes with large models.
//
// Every case times thread CPU time per unit of work at its size and at its baseline in
// the same run and reports ratio = (time per unit at this size) / (time per unit at the
// baseline); target within 3 for each:
// - BM_SuffixAdd (n): a suffix list of n / 10 names added through the open member-name
//   window into a table of n names of the same type (Add: the test of every name, one
//   transaction, the list following it); per added name; baseline 10^3 names into 10^3;
// - BM_PurgeAll (n): the all-types purge with n names (half of them unused) and 10 n
//   named members; per name; baseline 10^3 names and 10^4 members;
// - BM_PickGroup (n): a structure group of n members picked in the open structure-group
//   window (its members selected, both selection edits rewritten); per member; baseline
//   10^3.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <ctime>
#include <functional>
#include <map>
#include <memory>
#include <string>

#include "BenchModel.h"
#include "afx/CUserDriver.h"
#include "db/CClassGrup.h"
#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "selection/CCMStrtGrupDefDlg.h"
#include "selection/CDefMemberName.h"
#include "view/I_ModelBase.h"

namespace {

struct Model {
  Model() {
    bench::App();
    doc = std::make_unique<CDBDoc>();
    CDBDoc::m_pDBDoc = doc.get();
    db = doc->GetModelDB();
    names = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  }
  // Names P0.. of the type.
  void AddNames(const char* prefix, int count, int type) {
    CArray<T_NAME_D> recs;
    for (int i = 0; i < count; ++i) {
      T_NAME_D r;
      r.name.Format("%s%d", prefix, i);
      r.type = type;
      recs.Add(r);
    }
    names->TR_Add(recs);
  }
  // count beams on one line of two points each, named by name(i).
  void AddBeams(int count, const std::function<CString(int)>& name) {
    CArray<T_PONT_D> pts;
    for (int i = 0; i < 2; ++i) {
      T_PONT_D p;
      p.storyKey = 1;
      p.x = i * 6.0;
      pts.Add(p);
    }
    pont->TR_Add(pts);
    CArray<T_MEMB_D> ms;
    for (int i = 0; i < count; ++i) {
      T_MEMB_D m;
      m.type = 201;
      m.storyKey = 1;
      m.points.Add(1);
      m.points.Add(2);
      m.name = name(i);
      ms.Add(m);
    }
    memb->TR_Add(ms);
  }
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassName* names = nullptr;
  CClassMemb* memb = nullptr;
  CClassPont* pont = nullptr;
};

template <class Dlg>
Dlg* Open(CDBDoc* doc, UINT id) {
  auto* dlg = new Dlg(nullptr);
  dlg->m_pDBDoc = doc;
  dlg->Create(id, id);
  dlg->ShowWindow(SW_SHOW);
  return dlg;
}

// Per added name: n / 10 names added into n names of one type, the window open.
double SuffixAdd(int n) {
  Model m;
  m.AddNames("P", n, 201);
  auto* dlg = Open<CDefMemberName>(m.doc.get(), IDD_CMD_DEF_MEMBER_NAME);
  CUserDriver user(dlg);
  auto* c = static_cast<CComboBox*>(dlg->GetDlgItem(IDC_MNAME_TYPE));
  for (int i = 0; i < c->GetCount(); ++i)
    if (c->GetItemData(i) == 201) user.ChooseIndex(IDC_MNAME_TYPE, i);
  const int k = std::max(n / 10, 1000);
  CString suffix;
  suffix.Format("1to%d", k);
  user.Type(IDC_MNAME_NAME, "Q");
  user.Type(IDC_MNAME_SUFFIX, suffix);
  const double t0 = bench::ThreadCpuNs();
  user.Click(IDC_MNAME_ADD);
  const double t = bench::ThreadCpuNs() - t0;
  dlg->DestroyWindow();
  return t / k;
}

// Per name: the all-types purge; of the n names the even ones are borne by 20 members
// each, the odd ones by none.
double PurgeAll(int n) {
  Model m;
  m.AddNames("N", n, 201);
  m.AddBeams(10 * n, [n](int i) {
    CString s;
    s.Format("N%d", 2 * (i % (n / 2)));
    return s;
  });
  auto* dlg = Open<CDefMemberName>(m.doc.get(), IDD_CMD_DEF_MEMBER_NAME);
  CUserDriver user(dlg);
  const double t0 = bench::ThreadCpuNs();
  user.Click(IDC_MNAME_DEL_ALL_UNUSED);
  const double t = bench::ThreadCpuNs() - t0;
  dlg->DestroyWindow();
  return t / n;
}

// Per member: a group of n members picked in the open window.
double PickGroup(int n) {
  Model m;
  m.AddBeams(n, [](int) { return CString(); });
  auto* grup = static_cast<CClassGrup*>(m.db->GetClass(CClassGrup::m_nClassID));
  T_GRUP_D g;
  g.name = "All";
  m.memb->GetKeyList(g.members);
  std::reverse(g.members.vec().begin(), g.members.vec().end());
  grup->TR_Add(g);
  I_ModelBase view(m.doc.get());
  I_ModelBase::SetCurMySelfST(&view);
  auto* dlg = Open<CCMStrtGrupDefDlg>(m.doc.get(), IDD_CMD_STRT_GRUP);
  CUserDriver user(dlg);
  const double t0 = bench::ThreadCpuNs();
  user.ChooseIndex(IDC_SGRP_LIST, 0);
  const double t = bench::ThreadCpuNs() - t0;
  dlg->DestroyWindow();
  I_ModelBase::SetCurMySelfST(nullptr);
  return t / n;
}

void Report(benchmark::State& state, const char* name, const std::function<double(int)>& at) {
  const int n = (int)state.range(0);
  bench::CaseVsBaseline r;
  for (auto _ : state) r = bench::MeasureVsBaseline(name, at, n, 1000);
  state.counters["ns_per_unit"] = r.ns;
  state.counters["ratio"] = r.ratio;
}

void BM_SuffixAdd(benchmark::State& st) { Report(st, "suffix", SuffixAdd); }
void BM_PurgeAll(benchmark::State& st) { Report(st, "purge", PurgeAll); }
void BM_PickGroup(benchmark::State& st) { Report(st, "pick", PickGroup); }

BENCHMARK(BM_SuffixAdd)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PurgeAll)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_PickGroup)->Arg(1000)->Arg(100000)->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
