// Model database benchmarks on generated standard-floor tables of 10^3 to 10^6 records.
//
// Reported ratios (counters):
// - Reads: ratio_vs_1k = time per read at this size / time per read at 10^3 records
//   (target: within 3 at 10^6). Each read takes the next of 64 keys sampled across the
//   whole table (a dialog reading its rows), so the sizes differ in the work of the
//   search, not in how much of the table the benchmark touches. ratio_1024_keys does
//   the same over 1024 keys: at 10^6 records those reads also wait for memory (cache
//   and TLB misses on a table of some 200 MB), which the structure cannot remove.
// - TR_Add of 10^5 records: ratio_vs_map = its time / inserting the same records into
//   a std::map by key plus a std::map from name to key (target: within 5); its undo
//   likewise (ratio_vs_map_insert, and ratio_vs_map_erase against erasing them again).
// - Single-record add, modify and delete (one transaction each, undo journal and update
//   records included) at 10^6 records with random keys: ratio_vs_1k = time per write at
//   this size / at 10^3 records, beside map_ratio_vs_1k, the same ratio of a bare hash
//   map of the same records under the same keys (the cache floor: at 10^6 records any
//   structure waits for memory); ratio_vs_map = ratio_vs_1k / map_ratio_vs_1k (target:
//   within 3).
// - Save of 10^6 records: ratio_vs_bare = its time / a bare prepared-statement insert
//   of the same rows in one transaction (same page settings); open: ratio_vs_bare = its
//   time / a bare select of those rows (targets: within 2).
#include <benchmark/benchmark.h>
#include <sqlite3.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>
#include <ctime>
#include <cstdio>
#include <map>
#include <memory>
#include <random>
#include <string>
#include <unordered_map>
#include <vector>
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/DB_CStore.h"

namespace {

using Clock = std::chrono::steady_clock;

T_PLAN_D MakePlan(int i) {
  T_PLAN_D p;
  p.name.Format("P%07d", i);
  p.slabType = 2 + i % 4;
  p.meshSize = 0.5 + (i % 10) * 0.1;
  p.property = i;
  return p;
}

struct Model {
  std::unique_ptr<CDBDoc> doc;
  CClassPlan* plan;
  std::vector<UINT> sample;  // 1024 keys across the table
  std::vector<CString> names;
};

Model& GetModel(int n) {
  static std::map<int, std::unique_ptr<Model>> cache;
  auto& m = cache[n];
  if (m) return *m;
  m = std::make_unique<Model>();
  m->doc = std::make_unique<CDBDoc>(FALSE);
  m->plan = static_cast<CClassPlan*>(m->doc->GetModelDB()->GetClass(CClassPlan::m_nClassID));
  CArray<T_PLAN_D> recs;
  for (int i = 2; i <= n; ++i) recs.Add(MakePlan(i));
  m->plan->TR_Add(recs);
  m->doc->GetModelDB()->ClearUndo();
  std::mt19937 rng(7);
  for (int i = 0; i < 1024; ++i) {
    UINT k = 1 + rng() % (unsigned)n;
    m->sample.push_back(k);
    T_PLAN_D p;
    m->plan->Get(k, p);
    m->names.push_back(p.name);
  }
  return *m;
}

enum ReadKind { GET, EXIST, GETKEY, GETSEQ };

// Nanoseconds per read of that kind at that size, measured outside the framework's loop.
double NsPerRead(int n, ReadKind kind, size_t keys) {
  Model& m = GetModel(n);
  const size_t mask = keys - 1;
  const int reps = 200000;
  T_PLAN_D rec;
  long sink = 0;
  auto t0 = Clock::now();
  for (int i = 0; i < reps; ++i) {
    size_t j = (size_t)i & mask;
    switch (kind) {
      case GET: sink += m.plan->Get(m.sample[j], rec); break;
      case EXIST: sink += m.plan->Exist(m.sample[j]); break;
      case GETKEY: sink += m.plan->GetKey(m.names[j]); break;
      case GETSEQ: sink += m.plan->GetSeq(m.sample[j]); break;
    }
  }
  benchmark::DoNotOptimize(sink);
  return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / reps;
}

double Baseline(ReadKind kind, size_t keys) {
  static std::map<std::pair<int, size_t>, double> base;
  auto it = base.find({kind, keys});
  if (it != base.end()) return it->second;
  NsPerRead(1000, kind, keys);  // warm
  return base[{kind, keys}] = NsPerRead(1000, kind, keys);
}

void Reads(benchmark::State& state, ReadKind kind) {
  int n = (int)state.range(0);
  Model& m = GetModel(n);
  T_PLAN_D rec;
  size_t j = 0;
  for (auto _ : state) {
    j = (j + 1) & 63;
    switch (kind) {
      case GET: benchmark::DoNotOptimize(m.plan->Get(m.sample[j], rec)); break;
      case EXIST: benchmark::DoNotOptimize(m.plan->Exist(m.sample[j])); break;
      case GETKEY: benchmark::DoNotOptimize(m.plan->GetKey(m.names[j])); break;
      case GETSEQ: benchmark::DoNotOptimize(m.plan->GetSeq(m.sample[j])); break;
    }
  }
  NsPerRead(n, kind, 64);
  state.counters["ratio_vs_1k"] = NsPerRead(n, kind, 64) / Baseline(kind, 64);
  state.counters["ratio_1024_keys"] = NsPerRead(n, kind, 1024) / Baseline(kind, 1024);
}

void BM_Get(benchmark::State& s) { Reads(s, GET); }
void BM_Exist(benchmark::State& s) { Reads(s, EXIST); }
void BM_GetKeyByName(benchmark::State& s) { Reads(s, GETKEY); }
void BM_GetSeq(benchmark::State& s) { Reads(s, GETSEQ); }
BENCHMARK(BM_Get)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_Exist)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_GetKeyByName)->RangeMultiplier(10)->Range(1000, 1000000);
BENCHMARK(BM_GetSeq)->RangeMultiplier(10)->Range(1000, 1000000);

// ---- One transaction of 10^5 records against plain ordered maps ----
struct MapTimes { double insert; double erase; };
MapTimes MapBaseline(const CArray<T_PLAN_D>& recs) {
  std::map<UINT, T_PLAN_D> byKey;
  std::map<CString, UINT> byName;
  auto t0 = Clock::now();
  UINT k = 2;
  for (const T_PLAN_D& r : recs) {
    byKey.emplace(k, r);
    byName.emplace(r.name, k);
    ++k;
  }
  auto t1 = Clock::now();
  for (const T_PLAN_D& r : recs) {
    UINT key = byName[r.name];
    byName.erase(r.name);
    byKey.erase(key);
  }
  auto t2 = Clock::now();
  return {std::chrono::duration<double>(t1 - t0).count(), std::chrono::duration<double>(t2 - t1).count()};
}

void BM_TR_Add_100k(benchmark::State& state) {
  CArray<T_PLAN_D> recs;
  for (int i = 2; i <= 100001; ++i) recs.Add(MakePlan(i));
  MapTimes base = MapBaseline(recs);
  base = MapBaseline(recs);
  double add = 0, undo = 0;
  int runs = 0;
  for (auto _ : state) {
    state.PauseTiming();
    auto doc = std::make_unique<CDBDoc>(FALSE);
    auto* plan = static_cast<CClassPlan*>(doc->GetModelDB()->GetClass(CClassPlan::m_nClassID));
    state.ResumeTiming();
    auto t0 = Clock::now();
    plan->TR_Add(recs);
    auto t1 = Clock::now();
    doc->GetModelDB()->Undo();
    auto t2 = Clock::now();
    add += std::chrono::duration<double>(t1 - t0).count();
    undo += std::chrono::duration<double>(t2 - t1).count();
    ++runs;
    state.PauseTiming();
    doc.reset();
    state.ResumeTiming();
  }
  state.counters["add_ratio_vs_map"] = add / runs / base.insert;
  state.counters["undo_ratio_vs_map_insert"] = undo / runs / base.insert;
  state.counters["undo_ratio_vs_map_erase"] = undo / runs / base.erase;
}
BENCHMARK(BM_TR_Add_100k)->Unit(benchmark::kMillisecond)->Iterations(5);

// ---- Single-record writes at 10^6 records with random keys, beside a bare hash map ----
enum SingleOp { ADD, MODIFY, DEL };

double ThreadNs() {
  timespec ts;
  clock_gettime(CLOCK_THREAD_CPUTIME_ID, &ts);
  return ts.tv_sec * 1e9 + ts.tv_nsec;
}

struct RandomModel {
  std::unique_ptr<CDBDoc> doc;
  CClassPlan* plan = nullptr;
  std::unordered_map<UINT, T_PLAN_D> map;  // the same records under the same keys
  std::vector<UINT> keys;                  // stored, in random order
  std::vector<UINT> fresh;                 // keys no record has
};

RandomModel& GetRandomModel(int n) {
  static std::map<int, std::unique_ptr<RandomModel>> cache;
  auto& m = cache[n];
  if (m) return *m;
  m = std::make_unique<RandomModel>();
  m->doc = std::make_unique<CDBDoc>(FALSE);
  m->plan = static_cast<CClassPlan*>(m->doc->GetModelDB()->GetClass(CClassPlan::m_nClassID));
  std::mt19937 rng(11);
  std::uniform_int_distribution<UINT> any(2, 2000000000u);
  std::unordered_map<UINT, bool> used;
  CArray<T_PLAN_D> recs;
  while ((int)m->keys.size() < n - 1) {
    UINT k = any(rng);
    if (!used.emplace(k, true).second) continue;
    T_PLAN_D p = MakePlan((int)m->keys.size() + 2);
    p.key = k;
    recs.Add(p);
    m->map.emplace(k, p);
    m->keys.push_back(k);
  }
  while (m->fresh.size() < 4096) {
    UINT k = any(rng);
    if (used.emplace(k, true).second) m->fresh.push_back(k);
  }
  m->plan->TR_Add(recs);
  m->map.reserve(m->map.size() + m->fresh.size());
  m->doc->GetModelDB()->ClearUndo();
  std::shuffle(m->keys.begin(), m->keys.end(), rng);
  return *m;
}

struct SingleTimes {
  double db, map;
};

// Nanoseconds per write of reps writes, on the table and on the map; both are put back
// afterwards (untimed).
SingleTimes SingleWrites(int n, SingleOp op, int reps) {
  RandomModel& m = GetRandomModel(n);
  DB_CDataBase* db = m.doc->GetModelDB();
  SingleTimes t{};
  double t0 = ThreadNs();
  for (int i = 0; i < reps; ++i) {
    if (op == ADD) {
      T_PLAN_D p = MakePlan(n + 10 + i);
      p.key = m.fresh[(size_t)i];
      m.plan->TR_Add(p);
    } else if (op == MODIFY) {
      T_PLAN_D p;
      m.plan->Get(m.keys[(size_t)i], p);
      p.meshSize += 0.25;
      m.plan->TR_Modify(m.keys[(size_t)i], p);
    } else {
      m.plan->TR_Del(m.keys[(size_t)i]);
    }
  }
  t.db = (ThreadNs() - t0) / reps;
  for (int i = 0; i < reps; ++i) db->Undo();
  db->ClearUndo();
  t0 = ThreadNs();
  for (int i = 0; i < reps; ++i) {
    if (op == ADD) {
      T_PLAN_D p = MakePlan(n + 10 + i);
      p.key = m.fresh[(size_t)i];
      m.map.emplace(p.key, p);
    } else if (op == MODIFY) {
      auto it = m.map.find(m.keys[(size_t)i]);
      T_PLAN_D p = it->second;
      p.meshSize += 0.25;
      it->second = p;
    } else {
      m.map.erase(m.keys[(size_t)i]);
    }
  }
  t.map = (ThreadNs() - t0) / reps;
  for (int i = 0; i < reps; ++i) {
    if (op == ADD) m.map.erase(m.fresh[(size_t)i]);
    else if (op == DEL) m.map.emplace(m.keys[(size_t)i], *static_cast<const T_PLAN_D*>(m.doc->GetModelDB()->GetStore(CClassPlan::m_nClassID)->Record(m.keys[(size_t)i])));
  }
  return t;
}

SingleTimes BestSingle(int n, SingleOp op) {
  const int reps = 400;
  SingleTimes best = SingleWrites(n, op, reps);
  for (int r = 1; r < 5; ++r) {
    SingleTimes t = SingleWrites(n, op, reps);
    best.db = std::min(best.db, t.db);
    best.map = std::min(best.map, t.map);
  }
  return best;
}

void SingleRecord(benchmark::State& state, SingleOp op) {
  static std::map<int, SingleTimes> base;
  if (!base.count(op)) {
    BestSingle(1000, op);  // warm
    base[op] = BestSingle(1000, op);
  }
  const int n = (int)state.range(0);
  SingleTimes t{};
  for (auto _ : state) t = BestSingle(n, op);
  const double ratio = t.db / base[op].db, mapRatio = t.map / base[op].map;
  state.counters["ns_per_write"] = t.db;
  state.counters["map_ns_per_write"] = t.map;
  state.counters["ratio_vs_1k"] = ratio;
  state.counters["map_ratio_vs_1k"] = mapRatio;
  state.counters["ratio_vs_map"] = ratio / mapRatio;
}
void BM_SingleAdd(benchmark::State& s) { SingleRecord(s, ADD); }
void BM_SingleModify(benchmark::State& s) { SingleRecord(s, MODIFY); }
void BM_SingleDelete(benchmark::State& s) { SingleRecord(s, DEL); }
BENCHMARK(BM_SingleAdd)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SingleModify)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_SingleDelete)->Arg(1000)->Arg(1000000)->Unit(benchmark::kMillisecond)->Iterations(1);

// ---- Model files of 10^6 records against bare SQLite ----
std::string TmpPath(const char* name) { return "/tmp/vur_db_bench_" + std::to_string(::getpid()) + name; }

double BareInsert(const DB_CStoreBase& store, const std::string& path) {
  ::unlink(path.c_str());
  const auto& fields = DB_FlatFields(store.GetDesc());
  auto t0 = Clock::now();
  sqlite3* db = nullptr;
  sqlite3_open(path.c_str(), &db);
  sqlite3_exec(db, "PRAGMA journal_mode=OFF; PRAGMA synchronous=OFF; BEGIN", nullptr, nullptr, nullptr);
  std::string create = "CREATE TABLE t(seq INTEGER PRIMARY KEY, key INTEGER", ins = "INSERT INTO t VALUES(?,?";
  for (size_t i = 0; i < fields.size(); ++i) {
    create += ", c" + std::to_string(i);
    ins += ",?";
  }
  sqlite3_exec(db, (create + ")").c_str(), nullptr, nullptr, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, (ins + ")").c_str(), -1, &st, nullptr);
  struct Ctx { sqlite3_stmt* st; const std::vector<DB_CFlatField>* f; int seq; } ctx{st, &fields, 0};
  store.Walk([](void* c, UINT key, const void* rec) {
    Ctx* x = (Ctx*)c;
    sqlite3_bind_int64(x->st, 1, ++x->seq);
    sqlite3_bind_int64(x->st, 2, key);
    int col = 3;
    for (const DB_CFlatField& f : *x->f) {
      const void* p = f.Addr(rec);
      if (f.type == DBF_DOUBLE) sqlite3_bind_double(x->st, col, *(const double*)p);
      else if (f.type == DBF_STRING) sqlite3_bind_text(x->st, col, ((const CString*)p)->c_str(), -1, SQLITE_STATIC);
      else sqlite3_bind_int64(x->st, col, *(const int*)p);
      ++col;
    }
    sqlite3_step(x->st);
    sqlite3_reset(x->st);
  }, &ctx);
  sqlite3_finalize(st);
  sqlite3_exec(db, "COMMIT", nullptr, nullptr, nullptr);
  sqlite3_close(db);
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

double BareSelect(const std::string& path) {
  auto t0 = Clock::now();
  sqlite3* db = nullptr;
  sqlite3_open_v2(path.c_str(), &db, SQLITE_OPEN_READONLY, nullptr);
  sqlite3_stmt* st = nullptr;
  sqlite3_prepare_v2(db, "SELECT * FROM t ORDER BY seq", -1, &st, nullptr);
  double sum = 0;
  size_t bytes = 0;
  int n = sqlite3_column_count(st);
  while (sqlite3_step(st) == SQLITE_ROW) {
    for (int c = 0; c < n; ++c) {
      if (sqlite3_column_type(st, c) == SQLITE_TEXT) bytes += (size_t)sqlite3_column_bytes(st, c);
      else sum += sqlite3_column_double(st, c);
    }
  }
  benchmark::DoNotOptimize(sum);
  benchmark::DoNotOptimize(bytes);
  sqlite3_finalize(st);
  sqlite3_close(db);
  return std::chrono::duration<double>(Clock::now() - t0).count();
}

void BM_SaveOpen_1M(benchmark::State& state) {
  Model& m = GetModel(1000000);
  std::string model = TmpPath(".zel"), bare = TmpPath("_bare.db");
  const DB_CStoreBase* store = m.doc->GetModelDB()->GetStore(CClassPlan::m_nClassID);
  double save = 0, open = 0, bareIns = 0, bareSel = 0;
  int runs = 0;
  for (auto _ : state) {
    CString err;
    auto t0 = Clock::now();
    m.doc->SaveModel(model.c_str(), err);
    auto t1 = Clock::now();
    CDBDoc other(FALSE);
    other.OpenModel(model.c_str(), err);
    auto t2 = Clock::now();
    save += std::chrono::duration<double>(t1 - t0).count();
    open += std::chrono::duration<double>(t2 - t1).count();
    bareIns += BareInsert(*store, bare);
    bareSel += BareSelect(bare);
    ++runs;
  }
  ::unlink(model.c_str());
  ::unlink(bare.c_str());
  state.counters["save_s"] = save / runs;
  state.counters["open_s"] = open / runs;
  state.counters["save_ratio_vs_bare"] = save / bareIns;
  state.counters["open_ratio_vs_bare"] = open / bareSel;
}
BENCHMARK(BM_SaveOpen_1M)->Unit(benchmark::kMillisecond)->Iterations(2);

}  // namespace
