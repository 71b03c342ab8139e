// The sequence of a table: an implicit treap over slot numbers, kept in one array of
// small nodes. Insert at a position, erase, a slot's position and the slot at a position
// cost O(log n) expected; walking in order costs O(1) amortised per step. Priorities come
// from a fixed-seed generator, so the shape (and the cost) is the same on every run.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class DB_CSeqIndex {
 public:
  static constexpr uint32_t NIL = 0xffffffffu;

  void Clear();
  uint32_t Size() const { return m_root == NIL ? 0 : m_n[m_root].size; }
  // slot must not be in the sequence; pos0 in [0, Size()].
  void InsertAt(uint32_t pos0, uint32_t slot);
  void Erase(uint32_t slot);
  uint32_t PositionOf(uint32_t slot) const;  // 0-based
  uint32_t At(uint32_t pos0) const;          // NIL when out of range
  uint32_t First() const;
  uint32_t Last() const;
  uint32_t Next(uint32_t slot) const;        // NIL after the last
  uint32_t Prev(uint32_t slot) const;        // NIL before the first
  // Replaces the whole sequence by these slots, in O(n).
  void Build(const std::vector<uint32_t>& slots);
  void Swap(DB_CSeqIndex& o) { m_n.swap(o.m_n); std::swap(m_root, o.m_root); std::swap(m_seed, o.m_seed); }

 private:
  struct Node { uint32_t l, r, p, size, prio; };
  uint32_t Sz(uint32_t x) const { return x == NIL ? 0 : m_n[x].size; }
  void Upd(uint32_t x);
  uint32_t Merge(uint32_t a, uint32_t b);
  void Split(uint32_t t, uint32_t k, uint32_t& a, uint32_t& b);
  void Prepare(uint32_t slot);
  uint32_t Rand();

  std::vector<Node> m_n;
  uint32_t m_root = NIL;
  uint32_t m_seed = 0x9e3779b9u;
};
