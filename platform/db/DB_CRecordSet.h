// The generic keyed, sequenced container under every table: records by unsigned
// non-zero key, in a 1-based sequence, with names unique per name scope when the record
// has a `name` member (the scope is T::NameScope(rec) when the type declares it, else the
// whole table), numbers unique when it has a `number` member, and the further indexes the
// record type declares (DB_HasIndex). Costs: find by key, name or number O(1) expected; a record's position and the
// record at a position O(log n); insert and erase O(log n) (O(log^2 n) for scoped
// records, which also keep each scope's records in sequence order); the key list O(n).
//
// The container checks nothing: the table (DB_CTable) validates before it writes.
#pragma once
#include <cstdint>
#include <set>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>
#include "afx/AfxTypes.h"
#include "afx/CString.h"
#include "db/DB_CKeyIndex.h"
#include "db/DB_CSeqIndex.h"

// The key range of every table, model file and dialog: 1 to DB_MAX_KEY (the int range, so
// a key always reads back through a signed number). 4294967295 is no key: point lists use
// it as their gap marker.
constexpr UINT DB_MAX_KEY = 2147483647u;
inline bool DB_IsKey(unsigned long long k) { return k >= 1 && k <= DB_MAX_KEY; }

template <class T> concept DB_HasKeyMember = requires(T t) { { t.key } -> std::convertible_to<UINT>; };
// A record whose names need be neither unique nor given declares kFreeName = true.
template <class T> concept DB_NameIsFree = requires { requires T::kFreeName; };
template <class T> concept DB_HasName = requires(T t) { { t.name } -> std::convertible_to<CString>; } && !DB_NameIsFree<T>;
// A `number` member (the number the user sees) is unique within the table, unless the
// record declares kFreeNumber = true: its numbers may repeat and stay as written (0 too).
template <class T> concept DB_NumberIsFree = requires { requires T::kFreeNumber; };
template <class T> concept DB_HasNumber = requires(T t) { { t.number } -> std::convertible_to<UINT>; } && !DB_NumberIsFree<T>;
// A record type may declare further indexes of its own (T::Index): a class with
// Add (key, rec), Remove (key, rec) and Clear (), kept up to date through every write,
// undo and load alike; and Uses (class id, key), which tells that a record of the
// table refers to that record of another table.
template <class T> concept DB_HasIndex = requires { typename T::Index; };
template <class T> concept DB_HasScope = requires(const T& t) { { T::NameScope(t) } -> std::convertible_to<UINT>; };

struct DB_CNameKey {
  UINT scope;
  std::string name;
  bool operator==(const DB_CNameKey& o) const { return scope == o.scope && name == o.name; }
};
struct DB_CNameKeyHash {
  size_t operator()(const DB_CNameKey& k) const noexcept {
    return std::hash<std::string>()(k.name) ^ ((size_t)k.scope * 0x9e3779b97f4a7c15ull);
  }
};

template <class T>
class DB_CRecordSet {
 public:
  static constexpr uint32_t NIL = DB_CSeqIndex::NIL;

  DB_CRecordSet() = default;
  DB_CRecordSet(const DB_CRecordSet&) = delete;
  DB_CRecordSet& operator=(const DB_CRecordSet&) = delete;

  static UINT ScopeOf(const T& r) {
    if constexpr (DB_HasScope<T>) return T::NameScope(r);
    else return 0;
  }
  static CString NameOf(const T& r) {
    if constexpr (DB_HasName<T>) return r.name;
    else return CString();
  }

  int Count() const { return (int)m_keyIdx.Size(); }
  const T* Find(UINT key) const {
    const uint32_t* s = m_keyIdx.Find(key);
    return s ? &m_recs[*s] : nullptr;
  }
  BOOL Exist(UINT key) const { return m_keyIdx.Contains(key); }
  // Every key, ascending (not in sequence order).
  void GetKeysAscending(std::vector<UINT>& out) const {
    out.clear();
    m_keyIdx.AppendKeysAscending(out);
  }
  // 0-based position, -1 when absent.
  int Pos(UINT key) const {
    const uint32_t* s = m_keyIdx.Find(key);
    return s ? (int)m_seq.PositionOf(*s) : -1;
  }
  UINT KeyAt(int pos0) const {
    if (pos0 < 0 || pos0 >= Count()) return 0;
    return m_slotKey[m_seq.At((uint32_t)pos0)];
  }
  UINT FindName(UINT scope, const CString& name) const {
    if constexpr (DB_HasName<T>) {
      auto it = m_nameIdx.find(DB_CNameKey{scope, name.str()});
      return it == m_nameIdx.end() ? 0 : it->second;
    } else {
      (void)scope; (void)name;
      return 0;
    }
  }
  UINT FindNumber(UINT number) const {
    if constexpr (DB_HasNumber<T>) {
      auto it = m_numIdx.find(number);
      return it == m_numIdx.end() ? 0 : it->second;
    } else {
      (void)number;
      return 0;
    }
  }
  // The record type's own indexes.
  const auto& Extra() const { return m_extra; }
  BOOL Uses(UINT classId, UINT key) const {
    if constexpr (DB_HasIndex<T>) return m_extra.Uses(classId, key);
    else { (void)classId; (void)key; return FALSE; }
  }
  UINT NextKey() const { return m_nextKey; }
  void SetNextKey(UINT k) { m_nextKey = k; }

  // Walking in sequence order: slots.
  uint32_t FirstSlot() const { return m_seq.First(); }
  uint32_t LastSlot() const { return m_seq.Last(); }
  uint32_t NextSlot(uint32_t s) const { return m_seq.Next(s); }
  uint32_t PrevSlot(uint32_t s) const { return m_seq.Prev(s); }
  UINT SlotKey(uint32_t s) const { return m_slotKey[s]; }
  const T& SlotRec(uint32_t s) const { return m_recs[s]; }
  uint32_t SlotOf(UINT key) const {
    const uint32_t* s = m_keyIdx.Find(key);
    return s ? *s : NIL;
  }

  template <class F> void ForEach(F&& f) const {
    m_seq.ForEachSlot([&](uint32_t s) { f(m_slotKey[s], m_recs[s]); });
  }
  // The records of one name scope in sequence order (scoped types only).
  template <class F> void ForEachInScope(UINT scope, F&& f) const {
    if constexpr (DB_HasScope<T>) {
      auto it = m_scopes.find(scope);
      if (it == m_scopes.end()) return;
      for (uint32_t s : it->second) f(m_slotKey[s], m_recs[s]);
    } else {
      (void)scope; (void)f;
    }
  }
  int CountInScope(UINT scope) const {
    if constexpr (DB_HasScope<T>) {
      auto it = m_scopes.find(scope);
      return it == m_scopes.end() ? 0 : (int)it->second.size();
    } else {
      (void)scope;
      return 0;
    }
  }
  // Key of the scope's first or last record in sequence, 0 when the scope is empty.
  UINT ScopeEnd(UINT scope, bool last) const {
    if constexpr (DB_HasScope<T>) {
      auto it = m_scopes.find(scope);
      if (it == m_scopes.end() || it->second.empty()) return 0;
      return m_slotKey[last ? *it->second.rbegin() : *it->second.begin()];
    } else {
      (void)scope; (void)last;
      return 0;
    }
  }

  // Writes; the caller has checked that they are valid.
  void Insert(int pos0, UINT key, const T& rec) {
    uint32_t s = NewSlot();
    m_recs[s] = rec;
    if constexpr (DB_HasKeyMember<T>) m_recs[s].key = key;
    m_slotKey[s] = key;
    m_keyIdx.Insert(key, s);
    m_seq.InsertAt((uint32_t)pos0, s);
    IndexName(s);
    AddScope(s);
    IndexExtra(s);
    if (key >= m_nextKey) m_nextKey = key + 1;
  }
  T Erase(UINT key) {
    uint32_t s = *m_keyIdx.Find(key);
    T rec = std::move(m_recs[s]);
    RemoveScope(s, rec);
    UnindexName(rec, key);
    UnindexExtra(rec, key);
    m_seq.Erase(s);
    m_keyIdx.Erase(key);
    m_recs[s] = T();
    m_slotKey[s] = 0;
    m_free.push_back(s);
    return rec;
  }
  // The record of oldKey becomes rec under newKey, in the same place.
  void Replace(UINT oldKey, UINT newKey, const T& rec) {
    uint32_t s = *m_keyIdx.Find(oldKey);
    RemoveScope(s, m_recs[s]);
    UnindexName(m_recs[s], oldKey);
    UnindexExtra(m_recs[s], oldKey);
    if (newKey != oldKey) {
      m_keyIdx.Erase(oldKey);
      m_keyIdx.Insert(newKey, s);
      m_slotKey[s] = newKey;
      if (newKey >= m_nextKey) m_nextKey = newKey + 1;
    }
    m_recs[s] = rec;
    if constexpr (DB_HasKeyMember<T>) m_recs[s].key = newKey;
    IndexName(s);
    AddScope(s);
    IndexExtra(s);
  }
  // Moves a record to another place in the sequence.
  void Move(UINT key, int newPos0) {
    uint32_t s = *m_keyIdx.Find(key);
    RemoveScope(s, m_recs[s]);
    m_seq.Erase(s);
    m_seq.InsertAt((uint32_t)newPos0, s);
    AddScope(s);
  }

  void Clear() {
    m_recs.clear();
    m_slotKey.clear();
    m_free.clear();
    m_keyIdx.Clear();
    m_nameIdx.clear();
    m_numIdx.clear();
    if constexpr (DB_HasIndex<T>) m_extra.Clear();
    m_scopes.clear();
    m_seq.Clear();
    m_nextKey = 1;
  }
  // Loading in sequence order: append without building the sequence, then Finish.
  // Returns FALSE on a zero or repeated key or a repeated name or number.
  BOOL BulkAppend(UINT key, T&& rec) {
    if (key == 0 || m_keyIdx.Contains(key)) return FALSE;
    if constexpr (DB_HasName<T>) {
      if (m_nameIdx.count(DB_CNameKey{ScopeOf(rec), rec.name.str()})) return FALSE;
    }
    if constexpr (DB_HasNumber<T>) {
      if (rec.number == 0 || m_numIdx.count(rec.number)) return FALSE;
    }
    uint32_t s = (uint32_t)m_recs.size();
    if constexpr (DB_HasKeyMember<T>) rec.key = key;
    m_recs.push_back(std::move(rec));
    m_slotKey.push_back(key);
    m_keyIdx.Insert(key, s);
    IndexName(s);
    IndexExtra(s);
    if (key >= m_nextKey) m_nextKey = key + 1;
    return TRUE;
  }
  void BulkFinish() {
    std::vector<uint32_t> slots(m_recs.size());
    for (uint32_t i = 0; i < slots.size(); ++i) slots[i] = i;
    m_seq.Build(slots);
    RebuildScopes();
  }
  void Reserve(size_t n) {
    m_recs.reserve(n);
    m_slotKey.reserve(n);
    m_keyIdx.Reserve(n);
    if constexpr (DB_HasName<T>) m_nameIdx.reserve(n);
    if constexpr (DB_HasNumber<T>) m_numIdx.reserve(n);
  }
  void Swap(DB_CRecordSet& o) {
    m_recs.swap(o.m_recs);
    m_slotKey.swap(o.m_slotKey);
    m_free.swap(o.m_free);
    m_keyIdx.Swap(o.m_keyIdx);
    m_nameIdx.swap(o.m_nameIdx);
    m_numIdx.swap(o.m_numIdx);
    std::swap(m_extra, o.m_extra);
    m_seq.Swap(o.m_seq);
    std::swap(m_nextKey, o.m_nextKey);
    RebuildScopes();
    o.RebuildScopes();
  }

 private:
  struct ByPos {
    const DB_CSeqIndex* seq;
    bool operator()(uint32_t a, uint32_t b) const { return seq->PositionOf(a) < seq->PositionOf(b); }
  };
  using ScopeSet = std::set<uint32_t, ByPos>;

  uint32_t NewSlot() {
    if (!m_free.empty()) {
      uint32_t s = m_free.back();
      m_free.pop_back();
      return s;
    }
    m_recs.emplace_back();
    m_slotKey.push_back(0);
    return (uint32_t)(m_recs.size() - 1);
  }
  void IndexName(uint32_t s) {
    // The newest owner wins: inside a batch that exchanges names, a record may take a
    // name whose old owner has not been rewritten yet.
    if constexpr (DB_HasName<T>) m_nameIdx.insert_or_assign(DB_CNameKey{ScopeOf(m_recs[s]), m_recs[s].name.str()}, m_slotKey[s]);
  }
  void UnindexName(const T& r, UINT key) {
    if constexpr (DB_HasName<T>) {
      auto it = m_nameIdx.find(DB_CNameKey{ScopeOf(r), r.name.str()});
      // Only the entry that points at this record: a batch may have put a new owner there.
      if (it != m_nameIdx.end() && it->second == key) m_nameIdx.erase(it);
    } else {
      (void)r; (void)key;
    }
  }
  void IndexExtra(uint32_t s) {
    if constexpr (DB_HasNumber<T>) m_numIdx.insert_or_assign(m_recs[s].number, m_slotKey[s]);
    if constexpr (DB_HasIndex<T>) m_extra.Add(m_slotKey[s], m_recs[s]);
    (void)s;
  }
  void UnindexExtra(const T& r, UINT key) {
    if constexpr (DB_HasNumber<T>) {
      auto it = m_numIdx.find(r.number);
      if (it != m_numIdx.end() && it->second == key) m_numIdx.erase(it);
    }
    if constexpr (DB_HasIndex<T>) m_extra.Remove(key, r);
    (void)r; (void)key;
  }
  void AddScope(uint32_t s) {
    if constexpr (DB_HasScope<T>) {
      UINT sc = ScopeOf(m_recs[s]);
      auto it = m_scopes.find(sc);
      if (it == m_scopes.end()) it = m_scopes.emplace(sc, ScopeSet(ByPos{&m_seq})).first;
      it->second.insert(s);
    } else {
      (void)s;
    }
  }
  void RemoveScope(uint32_t s, const T& r) {
    if constexpr (DB_HasScope<T>) {
      auto it = m_scopes.find(ScopeOf(r));
      if (it == m_scopes.end()) return;
      it->second.erase(s);
      if (it->second.empty()) m_scopes.erase(it);
    } else {
      (void)s; (void)r;
    }
  }
  void RebuildScopes() {
    if constexpr (DB_HasScope<T>) {
      m_scopes.clear();
      for (uint32_t s = m_seq.First(); s != NIL; s = m_seq.Next(s)) {
        UINT sc = ScopeOf(m_recs[s]);
        auto it = m_scopes.find(sc);
        if (it == m_scopes.end()) it = m_scopes.emplace(sc, ScopeSet(ByPos{&m_seq})).first;
        it->second.insert(it->second.end(), s);
      }
    }
  }

  std::vector<T> m_recs;        // by slot
  std::vector<UINT> m_slotKey;  // by slot, 0 when free
  std::vector<uint32_t> m_free;
  DB_CKeyIndex m_keyIdx;
  std::unordered_map<DB_CNameKey, UINT, DB_CNameKeyHash> m_nameIdx;
  std::unordered_map<UINT, UINT> m_numIdx;  // number to key
  struct NoIndex {};
  template <class U> struct IndexOf { using type = NoIndex; };
  template <class U> requires DB_HasIndex<U> struct IndexOf<U> { using type = typename U::Index; };
  typename IndexOf<T>::type m_extra;
  std::unordered_map<UINT, ScopeSet> m_scopes;
  DB_CSeqIndex m_seq;
  UINT m_nextKey = 1;
};
