// Record keys to slots. Tables hand out keys counting up from 1, so most keys are dense:
// those below a limit live in a direct array indexed by the key (one access, and records
// read in key order touch the array in order); the others live in an open-addressing hash
// table (linear probing, erase by shifting back, load at most 3/4). The direct array only
// grows, doubling, and only to cover keys below twice the number of keys held plus a
// margin, so it costs at most a few words per key of the table's largest count; sparse or
// composite keys stay in the hash. Keys are non-zero.
#pragma once
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class DB_CKeyIndex {
 public:
  size_t Size() const { return m_n; }
  const uint32_t* Find(uint32_t key) const {
    if (key < m_direct.size()) return m_direct[key] == NIL ? nullptr : &m_direct[key];
    if (m_t.empty() || key == 0) return nullptr;
    for (size_t i = Home(key);; i = (i + 1) & m_mask) {
      if (m_t[i].key == key) return &m_t[i].slot;
      if (m_t[i].key == 0) return nullptr;
    }
  }
  bool Contains(uint32_t key) const { return Find(key) != nullptr; }
  // Appends every key, ascending: the direct array in order, then the hashed keys (all
  // above it) sorted. O(direct size + hashed keys log hashed keys).
  void AppendKeysAscending(std::vector<uint32_t>& out) const {
    out.reserve(out.size() + m_n);
    const uint32_t n = (uint32_t)m_direct.size();
    for (uint32_t k = 1; k < n; ++k)
      if (m_direct[k] != NIL) out.push_back(k);
    if (m_hashed == 0) return;
    const size_t from = out.size();
    for (const Entry& e : m_t)
      if (e.key) out.push_back(e.key);
    std::sort(out.begin() + (std::ptrdiff_t)from, out.end());
  }
  // key must be non-zero and not present; slot must not be 0xFFFFFFFF.
  void Insert(uint32_t key, uint32_t slot) {
    if (key >= m_direct.size() && (size_t)key < DirectLimit(m_n + 1)) GrowDirect(key);
    if (key < m_direct.size()) {
      m_direct[key] = slot;
    } else {
      HashInsert(key, slot);
      ++m_hashed;
    }
    ++m_n;
  }
  void Erase(uint32_t key) {
    if (key < m_direct.size()) {
      if (m_direct[key] == NIL) return;
      m_direct[key] = NIL;
      --m_n;
      return;
    }
    if (m_t.empty() || key == 0) return;
    size_t i = Home(key);
    while (m_t[i].key != key) {
      if (m_t[i].key == 0) return;
      i = (i + 1) & m_mask;
    }
    // Shift back the entries that probed past the hole.
    for (size_t j = (i + 1) & m_mask; m_t[j].key; j = (j + 1) & m_mask) {
      size_t home = Home(m_t[j].key);
      if (((j - home) & m_mask) >= ((j - i) & m_mask)) {
        m_t[i] = m_t[j];
        i = j;
      }
    }
    m_t[i] = Entry{0, 0};
    --m_hashed;
    --m_n;
  }
  // Room for n keys counted up from 1.
  void Reserve(size_t n) { m_direct.reserve(DirectLimit(n)); }
  void Clear() { *this = DB_CKeyIndex(); }
  void Swap(DB_CKeyIndex& o) {
    m_direct.swap(o.m_direct);
    m_t.swap(o.m_t);
    std::swap(m_n, o.m_n);
    std::swap(m_hashed, o.m_hashed);
    std::swap(m_mask, o.m_mask);
    std::swap(m_shift, o.m_shift);
  }

 private:
  static constexpr uint32_t NIL = 0xFFFFFFFFu;
  struct Entry {
    uint32_t key;
    uint32_t slot;
  };
  static size_t DirectLimit(size_t n) { return 2 * n + 64; }
  size_t Home(uint32_t key) const { return (size_t)(((uint64_t)key * 0x9E3779B97F4A7C15ull) >> m_shift); }
  // Covers key and at least twice the old size; hashed keys now covered move over.
  void GrowDirect(uint32_t key) {
    size_t size = m_direct.size() * 2;
    if (size < (size_t)key + 1) size = (size_t)key + 1;
    if (size < 64) size = 64;
    m_direct.resize(size, NIL);
    if (m_hashed == 0) return;
    std::vector<Entry> old;
    old.swap(m_t);
    m_t.assign(old.size(), Entry{0, 0});
    m_hashed = 0;
    for (const Entry& e : old) {
      if (!e.key) continue;
      if (e.key < m_direct.size()) {
        m_direct[e.key] = e.slot;
      } else {
        HashInsert(e.key, e.slot);
        ++m_hashed;
      }
    }
  }
  void HashInsert(uint32_t key, uint32_t slot) {
    if ((m_hashed + 1) * 4 > m_t.size() * 3) GrowHash(m_t.empty() ? 16 : m_t.size() * 2);
    size_t i = Home(key);
    while (m_t[i].key) i = (i + 1) & m_mask;
    m_t[i] = Entry{key, slot};
  }
  void GrowHash(size_t cap) {
    std::vector<Entry> old;
    old.swap(m_t);
    m_t.assign(cap, Entry{0, 0});
    m_mask = cap - 1;
    m_shift = 64;
    for (size_t c = cap; c > 1; c >>= 1) --m_shift;
    for (const Entry& e : old)
      if (e.key) {
        size_t i = Home(e.key);
        while (m_t[i].key) i = (i + 1) & m_mask;
        m_t[i] = e;
      }
  }

  std::vector<uint32_t> m_direct;  // slot by key, NIL when absent
  std::vector<Entry> m_t;          // the other keys; a power-of-two size or empty
  size_t m_n = 0;                  // keys held
  size_t m_hashed = 0;             // of which in m_t
  size_t m_mask = 0;
  int m_shift = 64;
};
