// 100,000 random writes, refusals, undos and redos on the tower, standard-floor and story
// tables, each checked against a plain model of the rules kept in vectors.
#include <map>
#include <random>
#include <set>

#include "DbFixture.h"

namespace {

struct RefRec {
  UINT key;
  std::string name;
  UINT tower;  // stories
  double height;
};

struct RefTable {
  std::vector<RefRec> seq;
  UINT next = 1;
  int Find(UINT key) const {
    for (size_t i = 0; i < seq.size(); ++i)
      if (seq[i].key == key) return (int)i;
    return -1;
  }
  UINT FindName(const std::string& n, UINT scope, bool scoped) const {
    for (const RefRec& r : seq)
      if (r.name == n && (!scoped || r.tower == scope)) return r.key;
    return 0;
  }
  void Insert(size_t pos, const RefRec& r) {
    seq.insert(seq.begin() + (ptrdiff_t)pos, r);
    if (r.key >= next) next = r.key + 1;
  }
};

struct RefModel {
  RefTable mdul, plan, stor;
};
bool operator==(const RefRec& a, const RefRec& b) {
  return a.key == b.key && a.name == b.name && a.tower == b.tower && a.height == b.height;
}

class RandomOps : public DbTest {
 protected:
  std::mt19937 rng{12345};
  RefModel ref;
  std::vector<RefModel> undo, redo;
  RecordingListener listener;
  int expectedCalls = 0;
  bool lastOk = false;
  std::map<std::string, std::pair<int, int>> tally;  // accepted, refused

  int R(int n) { return (int)(rng() % (unsigned)n); }
  std::string PlanName() { return R(20) == 0 ? "" : "N" + std::to_string(R(40)); }
  std::string StorName() { return R(30) == 0 ? "" : "S" + std::to_string(R(12)); }

  bool inGroup = false, groupChanged = false;

  void Commit(const RefModel& before) {
    // A write that succeeded with something to do: one undo step, one notification;
    // inside a group, the group's.
    if (inGroup) {
      groupChanged = true;
      return;
    }
    undo.push_back(before);
    redo.clear();
    ++expectedCalls;
  }

  // ---- Standard floors ----
  bool RefAssign(RefTable& t, std::vector<RefRec>& recs, bool scoped, const std::set<UINT>& gone = {}) {
    std::set<UINT> used;
    UINT next = t.next;
    for (RefRec& r : recs) {
      if (r.key == 0) {
        while (t.Find(next) >= 0 || used.count(next)) ++next;
        r.key = next;
      }
      if ((t.Find(r.key) >= 0 && !gone.count(r.key)) || !used.insert(r.key).second) return false;
    }
    (void)scoped;
    return true;
  }
  bool RefNames(const RefTable& t, const std::vector<RefRec>& finals, const std::set<UINT>& touched, bool scoped) {
    std::set<std::pair<UINT, std::string>> seen;
    for (const RefRec& r : finals) {
      if (r.name.empty()) return false;
      if (!seen.insert({scoped ? r.tower : 0, r.name}).second) return false;
      UINT owner = t.FindName(r.name, r.tower, scoped);
      if (owner && !touched.count(owner)) return false;
    }
    return true;
  }
  static T_PLAN_D ToPlan(const RefRec& r) {
    T_PLAN_D p;
    p.key = r.key;
    p.name = r.name.c_str();
    return p;
  }
  static T_STOR_D ToStor(const RefRec& r) {
    T_STOR_D s;
    s.key = r.key;
    s.name = r.name.c_str();
    s.mdulKey = r.tower;
    s.planKey = 0;
    s.height = r.height;
    return s;
  }

  bool PlanAddOrInsert() {
    RefModel before = ref;
    std::vector<RefRec> recs((size_t)R(4));
    for (RefRec& r : recs) r = RefRec{R(3) == 0 ? (UINT)(1 + R(60)) : 0u, PlanName(), 0, 0};
    CArray<T_PLAN_D> arr;
    for (const RefRec& r : recs) arr.Add(ToPlan(r));
    bool insert = R(2) == 0;
    int pos = R((int)ref.plan.seq.size() + 4) - 1;
    BOOL got = insert ? plan->TR_Insert(arr, pos) : plan->TR_Add(arr);
    bool ok = (!insert || (pos >= 1 && pos <= (int)ref.plan.seq.size() + 1)) &&
              RefAssign(ref.plan, recs, false) && RefNames(ref.plan, recs, {}, false);
    if (ok) {
      size_t at = insert ? (size_t)pos - 1 : ref.plan.seq.size();
      for (size_t i = 0; i < recs.size(); ++i) ref.plan.Insert(at + i, recs[i]);
      if (!recs.empty()) Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  bool PlanModify() {
    RefModel before = ref;
    int kind = R(3);
    std::vector<UINT> oldKeys, newKeys;
    std::vector<RefRec> recs;
    BOOL got;
    bool ok = true;
    if (kind == 0 || kind == 1) {  // by key, or old key to new key
      UINT k = (UINT)(1 + R(60));
      UINT nk = kind == 0 ? k : (UINT)R(62);
      RefRec r{nk, PlanName(), 0, 0};
      got = kind == 0 ? plan->TR_Modify(k, ToPlan(r)) : plan->TR_Modify(k, nk, ToPlan(r));
      oldKeys = {k};
      newKeys = {nk};
      recs = {r};
      ok = ref.plan.Find(k) >= 0 && nk != 0 && !(nk != k && ref.plan.Find(nk) >= 0);
    } else {  // by old names
      CStringArray olds;
      CArray<T_PLAN_D> arr;
      int n = 1 + R(3);
      for (int i = 0; i < n; ++i) {
        std::string old = "N" + std::to_string(R(40));
        olds.Add(old.c_str());
        UINT k = ref.plan.FindName(old, 0, false);
        if (!k) ok = false;
        oldKeys.push_back(k);
        newKeys.push_back(k);
        recs.push_back(RefRec{k, PlanName(), 0, 0});
        arr.Add(ToPlan(recs.back()));
      }
      got = plan->TR_Modify(olds, arr);
      std::set<UINT> dup(oldKeys.begin(), oldKeys.end());
      if (dup.size() != oldKeys.size()) ok = false;
    }
    std::set<UINT> touched(oldKeys.begin(), oldKeys.end());
    ok = ok && RefNames(ref.plan, recs, touched, false);
    if (ok) {
      for (size_t i = 0; i < recs.size(); ++i) {
        RefRec& slot = ref.plan.seq[(size_t)ref.plan.Find(oldKeys[i])];
        slot = recs[i];
        slot.key = newKeys[i];
        if (newKeys[i] >= ref.plan.next) ref.plan.next = newKeys[i] + 1;
      }
      Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  template <class Table>
  bool Delete(Table* t, RefTable& rt, int maxKey) {
    RefModel before = ref;
    std::vector<UINT> keys((size_t)R(4));
    for (UINT& k : keys)
      k = rt.seq.empty() || R(4) == 0 ? (UINT)(1 + R(maxKey)) : rt.seq[(size_t)R((int)rt.seq.size())].key;
    CUIntArray arr;
    for (UINT k : keys) arr.Add(k);
    BOOL got = t->TR_Del(arr);
    std::set<UINT> seen;
    bool ok = true;
    for (UINT k : keys)
      if (rt.Find(k) < 0 || !seen.insert(k).second) ok = false;
    if (&rt == &ref.mdul && seen.count(1)) ok = false;
    if (ok && !keys.empty()) {
      if (&rt == &ref.mdul)  // the towers' stories go first
        for (UINT k : keys)
          std::erase_if(ref.stor.seq, [&](const RefRec& s) { return s.tower == k; });
      for (UINT k : keys) rt.seq.erase(rt.seq.begin() + rt.Find(k));
      Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  template <class Table>
  bool ChangeSeq(Table* t, RefTable& rt, int maxKey) {
    RefModel before = ref;
    std::vector<UINT> keys((size_t)R(4));
    for (UINT& k : keys) k = rt.seq.empty() || R(5) == 0 ? (UINT)(1 + R(maxKey)) : rt.seq[(size_t)R((int)rt.seq.size())].key;
    int pos = R((int)rt.seq.size() + 4) - 1;
    CUIntArray arr;
    for (UINT k : keys) arr.Add(k);
    BOOL got = t->TR_ChangeSeq(arr, pos);
    std::set<UINT> block;
    bool ok = pos >= 0 && pos <= (int)rt.seq.size() + 1;
    for (UINT k : keys)
      if (rt.Find(k) < 0 || !block.insert(k).second) ok = false;
    if (ok) {
      UINT anchor = 0;
      for (int i = std::max(pos, 1) - 1; pos >= 1 && i < (int)rt.seq.size(); ++i)
        if (!block.count(rt.seq[(size_t)i].key)) { anchor = rt.seq[(size_t)i].key; break; }
      std::vector<RefRec> moved, rest;
      for (const RefRec& r : rt.seq) (block.count(r.key) ? moved : rest).push_back(r);
      size_t at = rest.size();
      for (size_t i = 0; i < rest.size(); ++i)
        if (rest[i].key == anchor) at = i;
      rest.insert(rest.begin() + (ptrdiff_t)at, moved.begin(), moved.end());
      bool changed = rest != rt.seq;
      rt.seq = rest;
      if (changed) Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  // ---- Towers and stories ----
  bool TowerAdd() {
    RefModel before = ref;
    RefRec r{0, R(15) == 0 ? "" : "T" + std::to_string(R(8)), 0, 0};
    T_MDUL_D t;
    t.name = r.name.c_str();
    BOOL got = mdul->TR_Add(t);
    std::vector<RefRec> recs{r};
    bool ok = RefAssign(ref.mdul, recs, false) && RefNames(ref.mdul, recs, {}, false);
    if (ok) {
      ref.mdul.Insert(ref.mdul.seq.size(), recs[0]);
      Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  bool StoryCheck(const RefRec& r) { return r.height >= 0 && ref.mdul.Find(r.tower) >= 0; }

  bool StoryAdd() {
    RefModel before = ref;
    std::vector<RefRec> recs((size_t)R(3) + 1);
    for (RefRec& r : recs) r = RefRec{0, StorName(), (UINT)(1 + R(6)), R(25) == 0 ? -1.0 : (double)R(5)};
    CArray<T_STOR_D> arr;
    for (const RefRec& r : recs) arr.Add(ToStor(r));
    BOOL got = stor->TR_Add(arr);
    bool ok = RefAssign(ref.stor, recs, true) && RefNames(ref.stor, recs, {}, true);
    for (const RefRec& r : recs) ok = ok && StoryCheck(r);
    if (ok) {
      for (const RefRec& r : recs) {
        size_t at = ref.stor.seq.size();
        for (size_t i = 0; i < ref.stor.seq.size(); ++i)
          if (ref.stor.seq[i].tower == r.tower) at = i + 1;
        ref.stor.Insert(at, r);
      }
      Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  bool StoryModify1() {
    RefModel before = ref;
    UINT tower = (UINT)(1 + R(6));
    std::string old = "S" + std::to_string(R(12));
    if (!ref.stor.seq.empty() && R(4) != 0) {
      const RefRec& pick = ref.stor.seq[(size_t)R((int)ref.stor.seq.size())];
      tower = pick.tower;
      old = pick.name;
    }
    RefRec r{0, StorName(), tower, R(25) == 0 ? -2.0 : (double)R(7)};
    BOOL got = stor->TR_Modify1(CString(old.c_str()), ToStor(r));
    UINT k = ref.stor.FindName(old, tower, true);
    r.key = k;
    bool ok = k && StoryCheck(r) && RefNames(ref.stor, {r}, {k}, true);
    if (ok) {
      ref.stor.seq[(size_t)ref.stor.Find(k)] = r;
      Commit(before);
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  bool UndoRedo(bool isUndo) {
    BOOL got = isUndo ? db->Undo() : db->Redo();
    auto& from = isUndo ? undo : redo;
    auto& to = isUndo ? redo : undo;
    bool ok = !from.empty();
    if (ok) {
      to.push_back(ref);
      ref = from.back();
      from.pop_back();
      ++expectedCalls;
    }
    lastOk = ok;
    return (got != 0) == ok;
  }

  // A group of writes, committed (one step, one notification when anything changed) or
  // rolled back (no trace).
  bool Group() {
    RefModel start = ref;
    if (!db->BeginGroup()) return false;
    inGroup = true;
    groupChanged = false;
    int n = 1 + R(3);
    for (int i = 0; i < n; ++i) {
      bool agree;
      switch (R(4)) {
        case 0: agree = PlanAddOrInsert(); break;
        case 1: agree = PlanModify(); break;
        case 2: agree = StoryAdd(); break;
        default: agree = Delete(plan, ref.plan, 60); break;
      }
      if (!agree) return false;
    }
    inGroup = false;
    if (R(3) == 0) {
      db->RollbackGroup();
      ref = start;
      lastOk = false;
      return !db->InGroup();
    }
    if (!db->CommitGroup()) return false;
    if (groupChanged) {
      undo.push_back(start);
      redo.clear();
      ++expectedCalls;
    }
    lastOk = groupChanged;
    return true;
  }

  // ---- Checks ----
  template <class Table>
  void Spot(Table* t, const RefTable& rt) {
    ASSERT_EQ(t->GetCount(), (int)rt.seq.size());
    if (rt.seq.empty()) return;
    size_t i = (size_t)R((int)rt.seq.size());
    typename Table::Rec rec;
    ASSERT_TRUE(t->Get(rt.seq[i].key, rec));
    ASSERT_EQ(std::string(rec.name.c_str()), rt.seq[i].name);
    ASSERT_EQ(t->GetSeq(rt.seq[i].key), (int)i + 1);
  }
  template <class Table>
  void Full(Table* t, const RefTable& rt, bool scoped) {
    CUIntArray keys;
    t->GetKeyList(keys);
    ASSERT_EQ(keys.GetSize(), (INT_PTR)rt.seq.size());
    for (size_t i = 0; i < rt.seq.size(); ++i) {
      ASSERT_EQ(keys[(INT_PTR)i], rt.seq[i].key);
      typename Table::Rec rec;
      ASSERT_TRUE(t->Get(rt.seq[i].key, rec));
      ASSERT_EQ(std::string(rec.name.c_str()), rt.seq[i].name);
    }
    ASSERT_EQ(t->GetNewKey(), rt.next);
    (void)scoped;
  }
  void FullStories() {
    Full(stor, ref.stor, true);
    for (UINT tower = 1; tower <= 7; ++tower) {
      CUIntArray k;
      stor->GetKeyList(k, tower);
      std::vector<UINT> want;
      for (const RefRec& r : ref.stor.seq)
        if (r.tower == tower) {
          want.push_back(r.key);
          ASSERT_EQ(stor->GetKey(r.name.c_str(), tower), r.key);
        }
      ASSERT_EQ(std::vector<UINT>(k.begin(), k.end()), want);
    }
    for (const RefRec& r : ref.plan.seq) ASSERT_EQ(plan->GetKey(r.name.c_str()), r.key);
  }
};

TEST_F(RandomOps, AgreeWithThePlainModel) {
  ref.mdul.seq = {RefRec{1, "Tower1", 0, 0}};
  ref.mdul.next = 2;
  ref.plan.seq = {RefRec{1, "Plan1", 0, 0}};
  ref.plan.next = 2;
  ref.stor.seq = {RefRec{1, "Base", 1, 0.0}};
  ref.stor.next = 2;
  listener.ConnectDB(db);
  const int kSteps = 100000;
  for (int step = 0; step < kSteps; ++step) {
    int op = R(100);
    bool agree;
    const char* what;
    // Keep the tables small enough that names and keys collide often.
    bool big = ref.plan.seq.size() > 40 || ref.stor.seq.size() > 50;
    if (op < 12 && !big) { what = "plan add"; agree = PlanAddOrInsert(); }
    else if (op < 24) { what = "plan modify"; agree = PlanModify(); }
    else if (op < (big ? 45 : 33)) { what = "plan delete"; agree = Delete(plan, ref.plan, 60); }
    else if (op < 42) { what = "plan sequence"; agree = ChangeSeq(plan, ref.plan, 60); }
    else if (op < 48 && ref.mdul.seq.size() < 8) { what = "tower add"; agree = TowerAdd(); }
    else if (op < 48) { what = "tower add (full)"; agree = true; }
    else if (op < 52) { what = "tower delete"; agree = Delete(mdul, ref.mdul, 12); }
    else if (op < 64 && !big) { what = "story add"; agree = StoryAdd(); }
    else if (op < 72) { what = "story modify"; agree = StoryModify1(); }
    else if (op < 80) { what = "story delete"; agree = Delete(stor, ref.stor, 80); }
    else if (op < 85) { what = "story sequence"; agree = ChangeSeq(stor, ref.stor, 80); }
    else if (op < 88) { what = "group"; agree = Group(); }
    else if (op < 93) { what = "undo"; agree = UndoRedo(true); }
    else { what = "redo"; agree = UndoRedo(false); }
    ASSERT_TRUE(agree) << "step " << step << ": " << what;
    (lastOk ? tally[what].first : tally[what].second)++;
    lastOk = false;
    ASSERT_EQ(listener.calls, expectedCalls) << "step " << step << ": " << what;
    ASSERT_NO_FATAL_FAILURE(Spot(plan, ref.plan)) << "step " << step << ": " << what;
    ASSERT_NO_FATAL_FAILURE(Spot(stor, ref.stor)) << "step " << step << ": " << what;
    ASSERT_NO_FATAL_FAILURE(Spot(mdul, ref.mdul)) << "step " << step << ": " << what;
    if (step % 64 == 0 || step == kSteps - 1) {
      ASSERT_NO_FATAL_FAILURE(Full(plan, ref.plan, false)) << "step " << step;
      ASSERT_NO_FATAL_FAILURE(Full(mdul, ref.mdul, false)) << "step " << step;
      ASSERT_NO_FATAL_FAILURE(FullStories()) << "step " << step;
    }
  }
  // Both outcomes of every kind of write were exercised.
  for (const auto& [what, n] : tally) {
    if (what.find("full") != std::string::npos) continue;
    EXPECT_GT(n.first, 100) << what;
    if (what != "undo") {
      EXPECT_GT(n.second, 100) << what;
    }
  }
}

}  // namespace
