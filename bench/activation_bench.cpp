// Activation on a generated model: n beams spread evenly over the ten stories 3 to 12 of
// the sample model, each story a grid of points with beams between row neighbours.
//
// Reported ratios (counters; the best run of each side), targets within 3 at 10^6 members:
// - BM_ActivateHalfTheStories: the activation window's Activate click with five of the
//   ten stories selected (query, then the view's ActivateObjects), against a bare loop
//   over a vector of the same member records doing the same story test and collecting
//   the keys of the members and of their points.
// - BM_RemoveHalfFromEverything: ChangeActiveObjects taking half of the members out while
//   everything is active, against erasing the same keys from a plain hash set of all.
// - BM_GetActiveEverything: GetActiveObjects while everything is active, against copying
//   as many keys (members and points) from vectors into arrays.
// - BM_NamedPlaneQuery: the named-plane query of a plane through every member's points of
//   one story row, against a bare loop over a vector of the point records computing the
//   same distances.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cmath>
#include <map>
#include <memory>
#include <unordered_set>
#include <vector>
#include "afx/CListBox.h"
#include "afx/CUserDriver.h"
#include "db/CClassMemb.h"
#include "db/CClassNpln.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "selection/CMActiveIdentityDlg.h"
#include "view/I_ModelBase.h"

namespace {

using Clock = std::chrono::steady_clock;
constexpr UINT kFirstStory = 3, kStories = 10;

struct Model {
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  std::vector<T_MEMB_D> membs;  // the members as a bare vector, key filled
  std::vector<T_PONT_D> ponts;  // the points as a bare vector, key filled
  std::vector<double> tops;     // story top by story key
};

CHostApp& App() {
  static CHostApp app;
  return app;
}

void Build(Model& m, int n) {
  DB_CDataBase* db = m.doc->GetModelDB();
  auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  const int perStory = n / (int)kStories;
  const int cols = (int)std::ceil(std::sqrt((double)perStory)) + 2;
  const int rows = perStory / (cols - 1) + 1;
  CArray<T_PONT_D> pts;
  for (UINT s = 0; s < kStories; ++s)
    for (int r = 0; r < rows; ++r)
      for (int c = 0; c < cols; ++c) {
        T_PONT_D p;
        p.x = c, p.y = r, p.storyKey = kFirstStory + s;
        pts.Add(p);
      }
  const UINT base = pont->GetNewKey();
  pont->TR_Add(pts);
  CArray<T_MEMB_D> beams;
  for (UINT s = 0; s < kStories; ++s)
    for (int i = 0; i < perStory; ++i) {
      const int r = i / (cols - 1), c = i % (cols - 1);
      const UINT first = base + s * (UINT)(rows * cols) + (UINT)(r * cols + c);
      T_MEMB_D b;
      b.type = 201, b.storyKey = kFirstStory + s, b.sectKey = 1;
      b.points.Add(first);
      b.points.Add(first + 1);
      beams.Add(b);
    }
  const UINT firstMemb = memb->GetNewKey();
  memb->TR_Add(beams);
  for (INT_PTR i = 0; i < beams.GetSize(); ++i) {
    T_MEMB_D b = beams[i];
    b.key = firstMemb + (UINT)i;
    m.membs.push_back(b);
  }
  for (INT_PTR i = 0; i < pts.GetSize(); ++i) {
    T_PONT_D p = pts[i];
    p.key = base + (UINT)i;
    m.ponts.push_back(p);
  }
  CUIntArray stories;
  stor->GetKeyList(stories);
  for (UINT k : stories) {
    double top = 0.0;
    stor->GetTopLevel(k, top);
    if (k >= m.tops.size()) m.tops.resize(k + 1);
    m.tops[k] = top;
  }
}

Model& GetModel(int n) {
  static std::map<int, std::unique_ptr<Model>> cache;
  auto& m = cache[n];
  if (m) return *m;
  App();
  m = std::make_unique<Model>();
  m->doc = std::make_unique<CDBDoc>();
  m->doc->NewSampleModel();
  Build(*m, n);
  m->doc->GetModelDB()->ClearUndo();
  m->view = std::make_unique<I_ModelBase>(m->doc.get());
  return *m;
}

Model& Current(benchmark::State& state) {
  Model& m = GetModel((int)state.range(0));
  CDBDoc::m_pDBDoc = m.doc.get();
  I_ModelBase::SetCurMySelfST(m.view.get());
  m.view->ActivateAll();
  return m;
}

double Seconds(Clock::time_point t0) { return std::chrono::duration<double>(Clock::now() - t0).count(); }

// The best of five runs of a baseline.
template <class F>
double Best(F&& f) {
  double best = 1e30;
  for (int i = 0; i < 5; ++i) {
    auto t0 = Clock::now();
    f();
    best = std::min(best, Seconds(t0));
  }
  return best;
}

void BM_ActivateHalfTheStories(benchmark::State& state) {
  Model& m = Current(state);
  auto* dlg = new CMActiveIdentityDlg(nullptr);
  dlg->m_pDBDoc = m.doc.get();
  if (!dlg->Create(IDD_CMD_ACTIVE_IDENTITY, IDD_CMD_ACTIVE_IDENTITY)) {
    state.SkipWithError("no window");
    return;
  }
  dlg->ShowWindow(SW_SHOW);
  CUserDriver user(dlg);
  // The story list runs top-down: stories 12..1; rows 0 to 4 are stories 12 to 8.
  user.SelectRows(IDC_ACTID_LIST, {0, 1, 2, 3, 4});
  CKeyBits chosen;
  for (UINT k = 8; k <= 12; ++k) chosen.Insert(k);

  std::vector<UINT> keys, points;
  const double loop = Best([&] {
    keys.clear(), points.clear();
    for (const T_MEMB_D& r : m.membs)
      if (chosen.Contains(r.storyKey)) {
        keys.push_back(r.key);
        for (UINT p : r.points) points.push_back(p);
      }
    benchmark::DoNotOptimize(keys.data());
    benchmark::DoNotOptimize(points.data());
  });
  double took = 1e30;
  for (auto _ : state) {
    m.view->ActivateAll();
    auto t1 = Clock::now();
    user.Click(IDC_ACTID_ACTIVATE);
    took = std::min(took, Seconds(t1));
  }
  CUIntArray membs, ponts;
  m.view->GetActiveObjects(membs, ponts);
  if ((size_t)membs.GetSize() != keys.size()) state.SkipWithError("different keys");
  dlg->DestroyWindow();
  state.counters["ratio_vs_loop"] = took / loop;
}

void BM_RemoveHalfFromEverything(benchmark::State& state) {
  Model& m = Current(state);
  CUIntArray half;
  for (size_t i = 0; i < m.membs.size(); i += 2) half.Add(m.membs[i].key);
  std::unordered_set<UINT> all;
  double loop = 1e30;
  for (int i = 0; i < 5; ++i) {
    all.clear();
    for (const T_MEMB_D& r : m.membs) all.insert(r.key);
    auto t0 = Clock::now();
    for (UINT k : half) all.erase(k);
    benchmark::DoNotOptimize(all.size());
    loop = std::min(loop, Seconds(t0));
  }
  double took = 1e30;
  const CUIntArray none;
  for (auto _ : state) {
    m.view->ActivateAll();
    auto t1 = Clock::now();
    m.view->ChangeActiveObjects(none, half, 0, 2);
    took = std::min(took, Seconds(t1));
  }
  CUIntArray membs, ponts;
  m.view->GetActiveObjects(membs, ponts);
  if ((size_t)membs.GetSize() != all.size()) state.SkipWithError("different keys");
  state.counters["ratio_vs_hash_set"] = took / loop;
}

void BM_GetActiveEverything(benchmark::State& state) {
  Model& m = Current(state);
  std::vector<UINT> mk, pk;
  for (const T_MEMB_D& r : m.membs) mk.push_back(r.key);
  for (const T_PONT_D& p : m.ponts) pk.push_back(p.key);
  CUIntArray a, b;
  const double loop = Best([&] {
    a.RemoveAll(), b.RemoveAll();
    for (UINT k : mk) a.Add(k);
    for (UINT k : pk) b.Add(k);
    benchmark::DoNotOptimize(a.GetData());
    benchmark::DoNotOptimize(b.GetData());
  });
  double took = 1e30;
  CUIntArray membs, ponts;
  for (auto _ : state) {
    auto t1 = Clock::now();
    m.view->GetActiveObjects(membs, ponts);
    took = std::min(took, Seconds(t1));
  }
  if (membs.GetSize() < a.GetSize()) state.SkipWithError("too few keys");
  state.counters["ratio_vs_copy"] = took / loop;
}

void BM_NamedPlaneQuery(benchmark::State& state) {
  Model& m = Current(state);
  DB_CDataBase* db = m.doc->GetModelDB();
  auto* npln = static_cast<CClassNpln*>(db->GetClass(CClassNpln::m_nClassID));
  // The sample's plane "Y0": the first row of every story.
  const UINT key = npln->GetKey("Y0");
  T_NPLN_D pl;
  npln->Get(key, pl);
  const double len = std::sqrt(pl.nx * pl.nx + pl.ny * pl.ny + pl.nz * pl.nz);
  const double tol = m.doc->GetFlagCtrl()->GetGeneralCoordinateToleranceCurrentUnit();
  std::vector<UINT> bare;
  const double loop = Best([&] {
    bare.clear();
    for (const T_PONT_D& p : m.ponts) {
      const double z = m.tops[p.storyKey] + p.z;
      if (std::fabs(((p.x - pl.x) * pl.nx + (p.y - pl.y) * pl.ny + (z - pl.z) * pl.nz) / len) <= tol)
        bare.push_back(p.key);
    }
    benchmark::DoNotOptimize(bare.data());
  });
  CQueryCondition cond;
  cond.m_nQueryType = QUERY_NPLN;
  cond.m_nQueryOption = 1;
  CString text;
  text.Format("%u", key);
  cond.m_arrKeys.Add(text);
  double took = 1e30;
  CUIntArray ponts, membs;
  for (auto _ : state) {
    auto t1 = Clock::now();
    CDBQuery::GetKeyListByAttrPre(db, cond, &ponts, &membs);
    took = std::min(took, Seconds(t1));
  }
  if ((size_t)ponts.GetSize() != bare.size()) state.SkipWithError("different keys");
  state.counters["ratio_vs_loop"] = took / loop;
}

BENCHMARK(BM_ActivateHalfTheStories)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_RemoveHalfFromEverything)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetActiveEverything)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(5)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_NamedPlaneQuery)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(5)->Unit(benchmark::kMillisecond);

}  // namespace
