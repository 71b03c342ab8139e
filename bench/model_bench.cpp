// Model objects and the modeller on generated frames of 10^3 to 10^6 beams: a square grid
// of points 1 m apart on one story, a beam from each point to its right neighbour, so that
// every size has the same members around a position.
//
// Reported ratios (counters):
// - Reads of one member: by key (Get), by number (GetMembKeyByNo) and by position
//   (GetMembKeyListByPos3D, the point at a position GetSamePointBy3DPos): ratio_vs_1k =
//   time per read at this size / at 10^3 members (target: within 3 at 10^6). Reads take
//   the next of 64 members sampled across the model. position_after_write reads by
//   position right after a write that moved one point of the model (the user's pick after
//   an edit): only the read is timed.
// - The story's member list (GetKeyListOfStory): ratio_vs_loop = its time / a bare loop
//   copying a vector of the same keys into an array (target: within 3 at 10^6).
// - One request (CreateLineMembBy2Pos beyond the frame and between two points of
//   neighbouring rows,
//   CreateColumnAtPos), written and undone:
//   ratio_vs_1k = time per request at this size / at 10^3 (target: within 3 at 10^5).
#include <benchmark/benchmark.h>

#include <chrono>
#include <map>
#include <memory>
#include <vector>
#include "BenchModel.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CModeler2.h"

namespace {

using Clock = std::chrono::steady_clock;

struct Frame {
  std::unique_ptr<CDBDoc> doc;
  CClassPont* pont;
  CClassMemb* memb;
  UINT story;
  std::vector<UINT> sample;  // members across the model
  int cols = 0;               // points in a row
};

Frame& GetFrame(int n) {
  static std::map<int, std::unique_ptr<Frame>> cache;
  auto& f = cache[n];
  if (f) return *f;
  f = std::make_unique<Frame>();
  f->doc = std::make_unique<CDBDoc>(FALSE);
  DB_CDataBase* db = f->doc->GetModelDB();
  f->pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
  f->memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
  const bench::BeamFrame frame = bench::AddBeamFrame(*f->doc, n);
  f->story = frame.story;
  f->cols = frame.cols;
  db->ClearUndo();
  for (int i = 0; i < 64; ++i) f->sample.push_back((UINT)(1 + (long long)i * (n - 1) / 63));
  return *f;
}

enum Kind { KEY, NUMBER, POSITION, POINT_AT, POSITION_AFTER_WRITE };

double NsPerRead(int n, Kind kind) {
  Frame& f = GetFrame(n);
  CDBDoc::m_pDBDoc = f.doc.get();
  // Positions: the middle of each sampled beam (its row and column from its key).
  std::vector<T_POINT3D> at;
  for (UINT k : f.sample) {
    UINT r = (k - 1) / (f.cols - 1), c = (k - 1) % (f.cols - 1);
    at.push_back(T_POINT3D{c + (kind == POINT_AT ? 0.0 : 0.5), (double)r, 3.0});
  }
  CUIntArray keys;
  f.memb->GetMembKeyListByPos3D(at[0], keys);  // builds the plan grid once
  T_MEMB_D rec;
  size_t sink = 0;
  if (kind == POSITION_AFTER_WRITE) {
    // Each write moves a sampled beam's first point by a micron, back and forth.
    const int reps = 2000;
    double ns = 0;
    for (int i = 0; i < reps; ++i) {
      size_t j = (size_t)i & 63;
      f.memb->Get(f.sample[j], rec);
      T_PONT_D p;
      f.pont->Get(rec.points[0], p);
      p.x += (i & 64) ? -1e-6 : 1e-6;
      f.pont->TR_Modify(rec.points[0], p);
      auto t1 = Clock::now();
      f.memb->GetMembKeyListByPos3D(at[j], keys);
      ns += std::chrono::duration<double, std::nano>(Clock::now() - t1).count();
      sink += (size_t)keys.GetSize();
    }
    f.doc->GetModelDB()->ClearUndo();
    benchmark::DoNotOptimize(sink);
    return ns / reps;
  }
  const int reps = 20000;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    size_t j = (size_t)i & 63;
    switch (kind) {
      case KEY: sink += f.memb->Get(f.sample[j], rec); break;
      case NUMBER: sink += f.memb->GetMembKeyByNo(f.sample[j]); break;
      case POSITION: f.memb->GetMembKeyListByPos3D(at[j], keys); sink += (size_t)keys.GetSize(); break;
      case POINT_AT: sink += f.pont->GetSamePointBy3DPos(at[j], 0.001); break;
      case POSITION_AFTER_WRITE: break;  // timed above
    }
  }
  benchmark::DoNotOptimize(sink);
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
}

void BM_Read(benchmark::State& state, Kind kind) {
  int n = (int)state.range(0);
  double base = NsPerRead(1000, kind);
  double ns = 0;
  for (auto _ : state) ns = NsPerRead(n, kind);
  state.counters["ns_per_read"] = ns;
  state.counters["ratio_vs_1k"] = ns / base;
}
BENCHMARK_CAPTURE(BM_Read, key, KEY)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Read, number, NUMBER)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Read, position, POSITION)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Read, point_at, POINT_AT)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Read, position_after_write, POSITION_AFTER_WRITE)
    ->RangeMultiplier(10)
    ->Range(1000, 1000000)
    ->Iterations(3);

void BM_StoryList(benchmark::State& state) {
  Frame& f = GetFrame((int)state.range(0));
  std::vector<UINT> bare;
  CUIntArray all;
  f.memb->GetKeyList(all);
  bare = all.vec();
  const int reps = 20;
  CUIntArray out;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    out.RemoveAll();
    out.vec().reserve(bare.size());
    for (UINT k : bare) out.vec().push_back(k);
    benchmark::DoNotOptimize(out.GetData());
  }
  double loop = std::chrono::duration<double>(Clock::now() - t0).count();
  double list = 0;
  for (auto _ : state) {
    auto t1 = Clock::now();
    for (int i = 0; i < reps; ++i) {
      f.memb->GetKeyListOfStory(f.story, out);
      benchmark::DoNotOptimize(out.GetData());
    }
    list = std::chrono::duration<double>(Clock::now() - t1).count();
  }
  state.counters["ratio_vs_loop"] = list / loop;
}
BENCHMARK(BM_StoryList)->RangeMultiplier(10)->Range(1000, 1000000)->Iterations(3);

enum Req { LINE_OUTSIDE, COLUMN_OUTSIDE, LINE_ON_POINTS };

double MsPerRequest(int n, Req req) {
  Frame& f = GetFrame(n);
  CDBDoc::m_pDBDoc = f.doc.get();
  CModeler2* m = CModeler2::Instance();
  T_MODELER2_PARAM_MEMB p;
  p.type = req == COLUMN_OUTSIDE ? 101 : 201;
  const int reps = 200;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    // Beyond the frame, so every request writes; or a new beam across the first two rows
    // of points, which merges both ends with existing points.
    T_MEMBDLG_3DPOINT a{-10.0 - i, -5.0, 3.0}, b{-10.0 - i, -9.0, 3.0};
    if (req == LINE_ON_POINTS) {
      const double x = i % (f.cols - 1), y = i / (f.cols - 1);
      a = T_MEMBDLG_3DPOINT{x, y, 3.0}, b = T_MEMBDLG_3DPOINT{x, y + 1.0, 3.0};
    }
    if (req == COLUMN_OUTSIDE) m->CreateColumnAtPos(&a, p, 1);
    else m->CreateLineMembBy2Pos(&a, &b, p, 1, nullptr, 0, 0, 0, 0);
  }
  for (int i = 0; i < reps; ++i) f.doc->Undo();
  m->ClearRequests();
  return std::chrono::duration<double, std::milli>(Clock::now() - t0).count() / reps;
}

void BM_Request(benchmark::State& state, Req req) {
  int n = (int)state.range(0);
  double base = MsPerRequest(1000, req);
  double ms = 0;
  for (auto _ : state) ms = MsPerRequest(n, req);
  state.counters["ms_per_request"] = ms;
  state.counters["ratio_vs_1k"] = ms / base;
}
BENCHMARK_CAPTURE(BM_Request, line_by_2pos, LINE_OUTSIDE)->RangeMultiplier(10)->Range(1000, 100000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Request, line_on_points, LINE_ON_POINTS)->RangeMultiplier(10)->Range(1000, 100000)->Iterations(3);
BENCHMARK_CAPTURE(BM_Request, column_at_pos, COLUMN_OUTSIDE)->RangeMultiplier(10)->Range(1000, 100000)->Iterations(3);

}  // namespace
