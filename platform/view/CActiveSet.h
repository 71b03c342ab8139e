// Which objects of one kind (points, members, nodes or elements) a model view has
// activated: everything, or exactly a set of keys. Keys are kept as bits in pages of
// 65536 keys, so a test, an insert or an erase is a few instructions and a walk gives the
// keys ascending. The caller's test decides which keys may go in (I_ModelBase: keys below
// the table's next key); readers leave out those of no object.
#pragma once
#include <cstdint>
#include <memory>
#include <vector>
#include "afx/CArray.h"

class CActiveSet {
 public:
  BOOL IsAll() const { return m_bAll; }
  void SetAll() {
    m_bAll = TRUE;
    m_pages.clear();
  }
  // Exactly the keys for which exists(key) is true become active.
  template <class Exists>
  void SetOnly(const CUIntArray& keys, Exists&& exists) {
    m_bAll = FALSE;
    m_pages.clear();
    for (UINT k : keys)
      if (exists(k)) Insert(k);
  }
  // The existing keys join; nothing changes while everything is active.
  template <class Exists>
  void Add(const CUIntArray& keys, Exists&& exists) {
    if (m_bAll) return;
    for (UINT k : keys)
      if (exists(k)) Insert(k);
  }
  // The keys leave. While everything is active, allKeys() first gives every existing key.
  template <class AllKeys>
  void Remove(const CUIntArray& keys, AllKeys&& allKeys) {
    if (keys.IsEmpty()) return;
    if (m_bAll) {
      m_bAll = FALSE;
      CUIntArray all;
      allKeys(all);
      for (UINT k : all) Insert(k);
    }
    for (UINT k : keys) Erase(k);
  }
  BOOL Contains(UINT key) const {
    if (m_bAll) return TRUE;
    const size_t p = key >> 16;
    return p < m_pages.size() && m_pages[p] && (m_pages[p][(key & 0xFFFF) >> 6] >> (key & 63) & 1);
  }
  // The active keys for which exists(key) is true, ascending (not for IsAll).
  template <class Exists>
  void GetKeys(CUIntArray& out, Exists&& exists) const {
    std::vector<UINT>& v = out.vec();
    v.clear();
    for (size_t p = 0; p < m_pages.size(); ++p) {
      if (!m_pages[p]) continue;
      for (size_t w = 0; w < kWords; ++w) {
        uint64_t bits = m_pages[p][w];
        while (bits) {
          const int b = __builtin_ctzll(bits);
          bits &= bits - 1;
          const UINT k = (UINT)((p << 16) | (w << 6) | (size_t)b);
          if (exists(k)) v.push_back(k);
        }
      }
    }
  }

 private:
  static constexpr size_t kWords = 1024;
  void Insert(UINT key) {
    const size_t p = key >> 16;
    if (p >= m_pages.size()) m_pages.resize(p + 1);
    if (!m_pages[p]) m_pages[p] = std::make_unique<uint64_t[]>(kWords);
    m_pages[p][(key & 0xFFFF) >> 6] |= (uint64_t)1 << (key & 63);
  }
  void Erase(UINT key) {
    const size_t p = key >> 16;
    if (p < m_pages.size() && m_pages[p]) m_pages[p][(key & 0xFFFF) >> 6] &= ~((uint64_t)1 << (key & 63));
  }

  BOOL m_bAll = TRUE;
  std::vector<std::unique_ptr<uint64_t[]>> m_pages;
};
