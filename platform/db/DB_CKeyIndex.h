// Record keys to slots: an open-addressing hash table (linear probing, erase by shifting
// back, load at most 3/4). Keys are non-zero; 0 marks an empty entry. One memory access
// finds most keys, which keeps single-record reads flat as tables grow.
#pragma once
#include <cstddef>
#include <cstdint>
#include <utility>
#include <vector>

class DB_CKeyIndex {
 public:
  size_t Size() const { return m_n; }
  const uint32_t* Find(uint32_t key) const {
    if (m_t.empty() || key == 0) return nullptr;
    for (size_t i = Home(key);; i = (i + 1) & m_mask) {
      if (m_t[i].key == key) return &m_t[i].slot;
      if (m_t[i].key == 0) return nullptr;
    }
  }
  bool Contains(uint32_t key) const { return Find(key) != nullptr; }
  // key must not be present.
  void Insert(uint32_t key, uint32_t slot) {
    if ((m_n + 1) * 4 > m_t.size() * 3) Grow(m_t.empty() ? 16 : m_t.size() * 2);
    size_t i = Home(key);
    while (m_t[i].key) i = (i + 1) & m_mask;
    m_t[i] = Entry{key, slot};
    ++m_n;
  }
  void Erase(uint32_t key) {
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
    --m_n;
  }
  void Reserve(size_t n) {
    size_t cap = 16;
    while (cap * 3 < n * 4) cap *= 2;
    if (cap > m_t.size()) Grow(cap);
  }
  void Clear() {
    m_t.clear();
    m_n = 0;
    m_mask = 0;
    m_shift = 64;
  }
  void Swap(DB_CKeyIndex& o) {
    m_t.swap(o.m_t);
    std::swap(m_n, o.m_n);
    std::swap(m_mask, o.m_mask);
    std::swap(m_shift, o.m_shift);
  }

 private:
  struct Entry {
    uint32_t key;
    uint32_t slot;
  };
  size_t Home(uint32_t key) const { return (size_t)(((uint64_t)key * 0x9E3779B97F4A7C15ull) >> m_shift); }
  void Grow(size_t cap) {
    std::vector<Entry> old;
    old.swap(m_t);
    m_t.assign(cap, Entry{0, 0});
    m_mask = cap - 1;
    m_shift = 64;
    for (size_t c = cap; c > 1; c >>= 1) --m_shift;
    m_n = 0;
    for (const Entry& e : old)
      if (e.key) Insert(e.key, e.slot);
  }

  std::vector<Entry> m_t;
  size_t m_n = 0;
  size_t m_mask = 0;
  int m_shift = 64;
};
