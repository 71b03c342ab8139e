// The generic table: reads and transactions over one record type. The table classes
// (CClassMdul, CClassStor...) derive from it, add their own reads and writes, and give
// their rules through three hooks: CheckRecord (a record's own validity), NewPosition
// (where TR_Add puts a new record) and CheckDelete (may these keys go, and what else goes
// with them).
//
// Rules every table keeps, in every write: keys are unique and within 1 to DB_MAX_KEY;
// every real is finite; a record with a `name` member needs a non-empty name without
// control characters, unique within its name scope; array writes are
// all or nothing, judged on the state after the whole write (so a batch may exchange
// names); an empty array changes nothing and succeeds. TR_Add of a record whose key
// member is 0 takes the next free key (GetNewKey, then upwards); a non-zero key is used
// as given and refused when taken. Records without a key member (one-record tables) live
// under key 1. A record with a `number` member takes its key as number when the number is
// 0; numbers are unique. A record that another table's records refer to
// (DB_CDataBase::IsInUse) can be neither deleted nor renumbered.
#pragma once
#include <algorithm>
#include <unordered_set>
#include <vector>
#include "afx/CArray.h"
#include "db/DB_CData.h"
#include "db/DB_CDataBase.h"
#include "db/DB_CDataClass.h"
#include "db/DB_CStore.h"
#include "db/DB_CTableOp.h"

template <class T>
class DB_CTable : public DB_CDataClass {
 public:
  using Rec = T;
  explicit DB_CTable(UINT nClassID) : DB_CDataClass(nClassID) {}

  // ---- Reads ----
  BOOL Get(UINT key, T& rec) const {
    const T* p = Set() ? Set()->Find(key) : nullptr;
    if (!p) return FALSE;
    rec = *p;
    return TRUE;
  }
  // The first record (one-record tables).
  BOOL Get(T& rec) const {
    if (!Set() || Set()->Count() == 0) return FALSE;
    rec = Set()->SlotRec(Set()->FirstSlot());
    return TRUE;
  }
  BOOL Exist(UINT key) const { return Set() && Set()->Exist(key); }
  void GetKeyList(CUIntArray& keys) const {
    keys.RemoveAll();
    if (!Set()) return;
    keys.vec().reserve((size_t)Set()->Count());
    Set()->ForEach([&](UINT k, const T&) { keys.Add(k); });
  }
  void GetList(CUIntArray& keys, CArray<T>& recs) const {
    keys.RemoveAll();
    recs.RemoveAll();
    if (!Set()) return;
    Set()->ForEach([&](UINT k, const T& r) { keys.Add(k); recs.Add(r); });
  }
  // Calls f (key, record) for every record in sequence order, without copying them; f
  // must not write to the table.
  template <class F> void ForEachRecord(F&& f) const {
    if (Set()) Set()->ForEach(f);
  }
  // Key of the record of that name (in the whole table), 0 when none.
  UINT GetKey(const CString& name) const { return Set() ? Set()->FindName(0, name) : 0; }
  // 1-based position, -1 when absent.
  int GetSeq(UINT key) const {
    int p = Set() ? Set()->Pos(key) : -1;
    return p < 0 ? -1 : p + 1;
  }
  // The key at a 1-based position, 0 when out of range.
  UINT GetKeyAtSeq(int seq) const { return Set() ? Set()->KeyAt(seq - 1) : 0; }
  UINT GetNewKey() const { return Set() ? Set()->NextKey() : 1; }
  // Walks in sequence order from DB_GetStart; FALSE at the end.
  BOOL GetNextData(POSITION& pos, UINT& key, T& rec) const {
    if (!pos || !Set()) return FALSE;
    uint32_t s = (uint32_t)((uintptr_t)pos - 1);
    key = Set()->SlotKey(s);
    rec = Set()->SlotRec(s);
    uint32_t n = Set()->NextSlot(s);
    pos = n == DB_CSeqIndex::NIL ? nullptr : (POSITION)(uintptr_t)(n + 1);
    return TRUE;
  }

  // ---- Transactions ----
  BOOL TR_Add(const T& rec) { return AddBatch(std::vector<T>{rec}, -1); }
  BOOL TR_Add(const CArray<T>& recs) { return AddBatch(recs.vec(), -1); }
  // Adds under that key, or replaces the record of that key.
  BOOL TR_Add(UINT key, const T& rec) {
    if (Exist(key)) return TR_Modify(key, rec);
    T r = rec;
    if constexpr (DB_HasKeyMember<T>) r.key = key;
    else if (key != 1) return FALSE;
    return AddBatch(std::vector<T>{r}, -1);
  }
  // The new records take positions nPos, nPos + 1... (1-based, up to GetCount() + 1).
  BOOL TR_Insert(const CArray<T>& recs, int nPos) {
    if (nPos < 1 || nPos > GetCount() + 1) return FALSE;
    return AddBatch(recs.vec(), nPos - 1);
  }
  BOOL TR_Modify(UINT key, const T& rec) { return ModifyBatch({key}, {key}, {rec}, nullptr); }
  BOOL TR_Modify(UINT oldKey, UINT newKey, const T& rec) { return ModifyBatch({oldKey}, {newKey}, {rec}, nullptr); }
  BOOL TR_Modify(const CUIntArray& keys, const CArray<T>& recs) {
    if (keys.GetSize() != recs.GetSize()) return FALSE;
    return ModifyBatch(keys.vec(), keys.vec(), recs.vec(), nullptr);
  }
  // The record found by its old name receives the record (it keeps its key).
  BOOL TR_Modify(const CString& oldName, const T& rec) { return ModifyByNames({oldName}, {rec}, nullptr); }
  BOOL TR_Modify(const CStringArray& oldNames, const CArray<T>& recs) {
    if (oldNames.GetSize() != recs.GetSize()) return FALSE;
    return ModifyByNames(oldNames.vec(), recs.vec(), nullptr);
  }
  BOOL TR_Del(UINT key) { return DeleteBatch({key}, TRUE); }
  BOOL TR_Del(const CUIntArray& keys) { return DeleteBatch(keys.vec(), TRUE); }
  // Moves the records as a block, keeping their order, right before the record now at
  // nPos (1-based); nPos 0 or GetCount() + 1 moves them to the end.
  BOOL TR_ChangeSeq(const CUIntArray& keys, int nPos) {
    if (!CanWrite() || nPos < 0 || nPos > GetCount() + 1) return FALSE;
    const auto& k = keys.vec();
    if (k.empty()) return TRUE;
    std::unordered_set<UINT> block;
    for (UINT key : k)
      if (!Exist(key) || !block.insert(key).second) return FALSE;
    // The anchor: first record at or after nPos that is not moved.
    UINT anchor = 0;
    if (nPos >= 1) {
      for (uint32_t s = nPos <= GetCount() ? Set()->SlotOf(Set()->KeyAt(nPos - 1)) : DB_CSeqIndex::NIL;
           s != DB_CSeqIndex::NIL; s = Set()->NextSlot(s)) {
        if (!block.count(Set()->SlotKey(s))) { anchor = Set()->SlotKey(s); break; }
      }
    }
    std::vector<std::pair<int, UINT>> order;
    for (UINT key : k) order.emplace_back(Set()->Pos(key), key);
    std::sort(order.begin(), order.end());
    // Already a block right before the anchor: nothing to do.
    int end = anchor ? Set()->Pos(anchor) : Set()->Count();
    if (order.back().first - order.front().first + 1 == (int)order.size() && order.back().first + 1 == end)
      return TRUE;
    auto op = NewOp();
    for (const auto& o : order) {
      // Each record goes right before the anchor (or to the end), after the ones moved
      // before it.
      int target = anchor ? Set()->Pos(anchor) : Set()->Count() - 1;
      int cur = Set()->Pos(o.second);
      if (anchor && cur < target) target -= 1;
      if (cur != target) op->Move(o.second, target);
    }
    m_pDB->CommitOp(std::move(op));
    return TRUE;
  }

  // ---- Plain, not undoable, writes ----
  BOOL Add(UINT key, const T& rec) {
    T r = rec;
    if constexpr (DB_HasKeyMember<T>) r.key = key;
    else if (key != 1) return FALSE;
    return AddBatch(std::vector<T>{r}, -1, FALSE);
  }
  BOOL Del(UINT key) { return DeleteBatch({key}, FALSE); }
  // The stored record of that key takes rec's values (the key stays).
  BOOL Replace(UINT key, const T& rec) { return ModifyBatch({key}, {key}, {rec}, nullptr, FALSE); }

  int PutRecord(UINT key, const std::function<BOOL(void* rec)>& edit) override {
    if (!Set() || key == 0) return 0;
    T rec;
    rec.Initialize();
    if (const T* p = Set()->Find(key)) rec = *p;
    if (!edit(&rec)) return -1;
    return TR_Add(key, rec) ? 1 : 0;
  }
  BOOL DelRecord(UINT key) override { return TR_Del(key); }

  // Within a transaction of another table (its dependants): erases those of the keys
  // that exist, unchecked.
  void EraseOf(const std::vector<UINT>& keys) {
    if (!m_pStore || !m_pDB) return;
    auto op = NewOp();
    for (UINT k : keys)
      if (Exist(k)) op->Erase(k);
    m_pDB->CommitOp(std::move(op));
  }

 protected:
  DB_CRecordSet<T>* Set() const { return m_pStore ? &static_cast<DB_CStore<T>*>(m_pStore)->m_set : nullptr; }
  BOOL CanWrite() const { return m_pStore && m_pDB && m_pDB->CanWrite(); }
  std::unique_ptr<DB_CTableOp<T>> NewOp() const { return std::make_unique<DB_CTableOp<T>>(Set(), m_nID); }
  static bool NeedsName() { return DB_HasName<T>; }

  // Hooks.
  virtual BOOL CheckRecord(const T& rec) const { (void)rec; return TRUE; }
  // Rules of the whole table that a model file must keep (a record that must exist); a
  // broken one names the key it concerns.
  virtual BOOL CheckTable(UINT& badKey) const { (void)badKey; return TRUE; }
  // The record's own rules: the table's and those of every table.
  BOOL IsSound(const T& rec) const { return DB_AllRealsFinite(T::Desc(), &rec) && CheckRecord(rec); }
  static BOOL IsName(const CString& name) { return !name.IsEmpty() && !DB_HasControlChar(name); }
  // 0-based position of a new record that TR_Add places (the table as it is now).
  virtual int NewPosition(const T& rec) const { (void)rec; return Set()->Count(); }
  // May these keys go? Adds what must go with them (their dependants) to the list of
  // other tables' deletions through extra ops; default: anything may go.
  virtual BOOL CheckDelete(const std::vector<UINT>& keys) const { (void)keys; return TRUE; }
  virtual void DeleteDependants(const std::vector<UINT>& keys) { (void)keys; }

  // Keys of new records: given ones, else fresh ones above every key in use.
  BOOL AssignKeys(std::vector<T>& recs, std::vector<UINT>& keys) const {
    keys.clear();
    UINT next = Set()->NextKey();
    std::unordered_set<UINT> used;
    for (T& r : recs) {
      UINT k = 1;
      if constexpr (DB_HasKeyMember<T>) {
        if (r.key == 0) {
          while (Set()->Exist(next) || used.count(next)) ++next;
          r.key = next;
        }
        k = r.key;
      }
      if (!DB_IsKey(k) || Set()->Exist(k) || !used.insert(k).second) return FALSE;
      if constexpr (DB_HasNumber<T>) {
        if (r.number == 0) r.number = k;
      }
      keys.push_back(k);
    }
    return TRUE;
  }
  // Numbers of the records after a write, as CheckNames does for names.
  BOOL CheckNumbers(const std::vector<const T*>& finals, const std::unordered_set<UINT>& touched) const {
    if constexpr (DB_HasNumber<T>) {
      std::unordered_set<UINT> seen;
      for (const T* r : finals) {
        if (r->number == 0 || !seen.insert(r->number).second) return FALSE;
        UINT owner = Set()->FindNumber(r->number);
        if (owner && !touched.count(owner)) return FALSE;
      }
    } else {
      (void)finals; (void)touched;
    }
    return TRUE;
  }
  // Names of the records after a write: the given records (final) against the records
  // not touched by it (touched: deleted or rewritten).
  BOOL CheckNames(const std::vector<const T*>& finals, const std::unordered_set<UINT>& touched) const {
    if constexpr (DB_HasName<T>) {
      std::unordered_set<DB_CNameKey, DB_CNameKeyHash> seen;
      for (const T* r : finals) {
        if (!IsName(r->name)) return FALSE;
        DB_CNameKey nk{DB_CRecordSet<T>::ScopeOf(*r), r->name.str()};
        if (!seen.insert(nk).second) return FALSE;
        UINT owner = Set()->FindName(nk.scope, r->name);
        if (owner && !touched.count(owner)) return FALSE;
      }
    } else {
      (void)finals; (void)touched;
    }
    return TRUE;
  }

  BOOL AddBatch(std::vector<T> recs, int pos0, BOOL bUndoable = TRUE) {
    if (!CanWrite()) return FALSE;
    if (recs.empty()) return TRUE;
    std::vector<UINT> keys;
    if (!AssignKeys(recs, keys)) return FALSE;
    std::vector<const T*> finals;
    for (const T& r : recs) {
      if (!IsSound(r)) return FALSE;
      finals.push_back(&r);
    }
    if (!CheckNames(finals, {}) || !CheckNumbers(finals, {})) return FALSE;
    auto op = NewOp();
    for (size_t i = 0; i < recs.size(); ++i)
      op->Insert(pos0 >= 0 ? pos0 + (int)i : NewPosition(recs[i]), keys[i], recs[i]);
    m_pDB->CommitOp(std::move(op), bUndoable);
    return TRUE;
  }

  // merge (optional) rewrites the incoming record from the stored one: the fields the
  // write does not carry.
  using Merge = void (*)(const T& stored, T& incoming);
  BOOL ModifyBatch(const std::vector<UINT>& oldKeys, const std::vector<UINT>& newKeys,
                   const std::vector<T>& in, Merge merge, BOOL bUndoable = TRUE) {
    if (!CanWrite()) return FALSE;
    if (oldKeys.empty()) return TRUE;
    std::unordered_set<UINT> touched, newSet;
    std::vector<T> recs(in);
    for (size_t i = 0; i < oldKeys.size(); ++i) {
      const T* stored = Set()->Find(oldKeys[i]);
      if (!stored || !touched.insert(oldKeys[i]).second) return FALSE;
      if (merge) merge(*stored, recs[i]);
      if constexpr (DB_HasKeyMember<T>) recs[i].key = newKeys[i];
      if constexpr (DB_HasNumber<T>) {
        if (recs[i].number == 0) recs[i].number = newKeys[i];
      }
    }
    for (size_t i = 0; i < newKeys.size(); ++i) {
      UINT nk = newKeys[i];
      if (!DB_IsKey(nk) || !newSet.insert(nk).second) return FALSE;
      if (nk != oldKeys[i] && Set()->Exist(nk)) return FALSE;  // taken (no key exchanges)
      if (nk != oldKeys[i] && m_pDB->IsInUse(m_nID, oldKeys[i])) return FALSE;
    }
    std::vector<const T*> finals;
    for (const T& r : recs) {
      if (!IsSound(r)) return FALSE;
      finals.push_back(&r);
    }
    if (!CheckNames(finals, touched) || !CheckNumbers(finals, touched)) return FALSE;
    auto op = NewOp();
    for (size_t i = 0; i < recs.size(); ++i) op->Modify(oldKeys[i], newKeys[i], recs[i]);
    m_pDB->CommitOp(std::move(op), bUndoable);
    return TRUE;
  }
  BOOL ModifyByNames(const std::vector<CString>& oldNames, const std::vector<T>& recs, Merge merge) {
    std::vector<UINT> keys;
    for (size_t i = 0; i < oldNames.size(); ++i) {
      UINT k = Set() ? Set()->FindName(DB_CRecordSet<T>::ScopeOf(recs[i]), oldNames[i]) : 0;
      if (!k) return FALSE;
      keys.push_back(k);
    }
    return ModifyBatch(keys, keys, recs, merge);
  }

  BOOL DeleteBatch(const std::vector<UINT>& keys, BOOL bUndoable) {
    if (!CanWrite()) return FALSE;
    if (keys.empty()) return TRUE;
    std::unordered_set<UINT> seen;
    for (UINT k : keys)
      if (!Exist(k) || !seen.insert(k).second || m_pDB->IsInUse(m_nID, k)) return FALSE;
    if (!CheckDelete(keys)) return FALSE;
    BOOL group = bUndoable && m_pDB->BeginGroup();
    if (bUndoable) DeleteDependants(keys);
    auto op = NewOp();
    for (UINT k : keys) op->Erase(k);
    m_pDB->CommitOp(std::move(op), bUndoable);
    if (group) m_pDB->CommitGroup();
    return TRUE;
  }

 public:
  // A model just read: every record keeps the rules of a write, the table its own.
  BOOL CheckLoaded(UINT& badKey) const override {
    if (!Set()) return TRUE;
    BOOL ok = TRUE;
    Set()->ForEach([&](UINT k, const T& r) {
      if (!ok) return;
      BOOL sound = DB_IsKey(k) && IsSound(r);
      if constexpr (DB_HasName<T>) sound = sound && IsName(r.name);
      if (!sound) {
        ok = FALSE;
        badKey = k;
      }
    });
    return ok && CheckTable(badKey);
  }

 private:
  POSITION StartPosition() const override {
    uint32_t s = Set()->FirstSlot();
    return s == DB_CSeqIndex::NIL ? nullptr : (POSITION)(uintptr_t)(s + 1);
  }
};
