// The sequence of a table: a counted B+-tree over slot numbers (the places where a table
// keeps its records). Leaves hold up to B slots in sequence order; inner nodes hold up
// to B children with their subtree sizes. Every slot knows its leaf and its index there,
// every node its parent and its index there (in a compact array of its own), so a slot's position is a walk up the tree
// adding the sizes of the children to its left: O(B log_B n), with a depth of 3 at 10^5
// records and 4 at 10^6. Insert at a position, erase and the slot at a position cost the
// same; walking in order costs O(1) a step. Leaves that empty out are removed; leaves are
// not merged otherwise, so the depth follows the largest size the table has had.
#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

class DB_CSeqIndex {
 public:
  static constexpr uint32_t NIL = 0xffffffffu;
  static constexpr int B = 64;

  void Clear();
  uint32_t Size() const { return m_root == NIL ? 0 : m_n[m_root].total; }
  // slot must not be in the sequence; pos0 in [0, Size()].
  void InsertAt(uint32_t pos0, uint32_t slot);
  void Erase(uint32_t slot);
  uint32_t PositionOf(uint32_t slot) const;  // 0-based
  uint32_t At(uint32_t pos0) const;          // NIL when out of range
  uint32_t First() const;
  uint32_t Last() const;
  uint32_t Next(uint32_t slot) const;        // NIL after the last
  uint32_t Prev(uint32_t slot) const;        // NIL before the first
  // Calls f(slot) for every slot in sequence order, leaf by leaf (the sequence must not
  // change meanwhile).
  template <class F>
  void ForEachSlot(F&& f) const {
    for (uint32_t l = m_first; l != NIL; l = m_n[l].next) {
      const Node& leaf = m_n[l];
      for (uint16_t i = 0; i < leaf.n; ++i) f(leaf.item[i]);
    }
  }
  // Replaces the whole sequence by these slots, in O(n).
  void Build(const std::vector<uint32_t>& slots);
  void Swap(DB_CSeqIndex& o);
  int Depth() const;

 private:
  struct Node {
    uint16_t n;
    uint32_t total;        // slots below
    uint32_t next, prev;   // leaves: neighbours in sequence
    bool leaf;
    uint32_t pre[B + 2];   // inner: pre[j] = slots below children 0..j-1
    uint32_t item[B + 1];  // leaf: slots; inner: child nodes
  };
  // Parent, index there and the slots below the children before it, by node: kept
  // apart from the nodes, so that the walk up reads one small entry a level.
  struct Up {
    uint32_t parent;
    uint32_t idx;
    uint32_t offset;
  };
  struct SlotPlace {
    uint32_t leaf;  // NIL when not in the sequence
    uint32_t idx;
  };
  uint32_t NewNode(bool leaf);
  void FreeNode(uint32_t id);
  void AddUp(uint32_t node, int delta);
  void Place(uint32_t node, int from);  // fixes the back links of entries from..n-1
  void SplitIfFull(uint32_t node);
  void InsertRightOf(uint32_t parent, int left, uint32_t child);
  void RemoveEmpty(uint32_t node);

  std::vector<Node> m_n;
  std::vector<Up> m_up;  // by node
  std::vector<uint32_t> m_freeNodes;
  std::vector<SlotPlace> m_slot;  // by slot
  uint32_t m_root = NIL;
  uint32_t m_first = NIL, m_last = NIL;  // leaves
};
