#include "db/DB_CSeqIndex.h"

#include <algorithm>
#include <cstring>
#include <utility>

void DB_CSeqIndex::Clear() {
  m_n.clear();
  m_up.clear();
  m_freeNodes.clear();
  m_slot.clear();
  m_root = m_first = m_last = NIL;
}

void DB_CSeqIndex::Swap(DB_CSeqIndex& o) {
  m_n.swap(o.m_n);
  m_up.swap(o.m_up);
  m_freeNodes.swap(o.m_freeNodes);
  m_slot.swap(o.m_slot);
  std::swap(m_root, o.m_root);
  std::swap(m_first, o.m_first);
  std::swap(m_last, o.m_last);
}

int DB_CSeqIndex::Depth() const {
  int d = 0;
  for (uint32_t x = m_root; x != NIL; x = m_n[x].leaf ? NIL : m_n[x].item[0]) ++d;
  return d;
}

uint32_t DB_CSeqIndex::NewNode(bool leaf) {
  uint32_t id;
  if (!m_freeNodes.empty()) {
    id = m_freeNodes.back();
    m_freeNodes.pop_back();
  } else {
    id = (uint32_t)m_n.size();
    m_n.emplace_back();
  }
  Node& x = m_n[id];
  x.next = x.prev = NIL;
  x.total = 0;
  if (id >= m_up.size()) m_up.resize((size_t)id + 1);
  m_up[id] = Up{NIL, 0, 0};
  x.n = 0;
  x.leaf = leaf;
  x.pre[0] = 0;
  return id;
}

void DB_CSeqIndex::FreeNode(uint32_t id) { m_freeNodes.push_back(id); }

void DB_CSeqIndex::AddUp(uint32_t node, int delta) {
  m_n[node].total += (uint32_t)delta;
  for (uint32_t x = node, p = m_up[x].parent; p != NIL; x = p, p = m_up[p].parent) {
    Node& pn = m_n[p];
    for (int j = (int)m_up[x].idx + 1; j <= pn.n; ++j) pn.pre[j] += (uint32_t)delta;
    for (int j = (int)m_up[x].idx + 1; j < pn.n; ++j) m_up[pn.item[j]].offset += (uint32_t)delta;
    pn.total += (uint32_t)delta;
  }
}

void DB_CSeqIndex::Place(uint32_t node, int from) {
  Node& x = m_n[node];
  for (int j = from; j < x.n; ++j) {
    if (x.leaf) {
      m_slot[x.item[j]] = SlotPlace{node, (uint32_t)j};
    } else {
      m_up[x.item[j]] = Up{node, (uint32_t)j, x.pre[j]};
    }
  }
}

void DB_CSeqIndex::InsertAt(uint32_t pos0, uint32_t slot) {
  if (slot >= m_slot.size()) m_slot.resize((size_t)slot + 1, SlotPlace{NIL, 0});
  if (m_root == NIL) m_root = m_first = m_last = NewNode(true);
  if (pos0 > Size()) pos0 = Size();
  // Down to the leaf and the place in it.
  uint32_t x = m_root;
  while (!m_n[x].leaf) {
    const Node& in = m_n[x];
    int i = 0;
    while (i < in.n - 1 && pos0 >= in.pre[i + 1]) ++i;
    pos0 -= in.pre[i];
    x = in.item[i];
  }
  Node& leaf = m_n[x];
  std::memmove(&leaf.item[pos0 + 1], &leaf.item[pos0], (leaf.n - pos0) * sizeof(uint32_t));
  leaf.item[pos0] = slot;
  leaf.n++;
  Place(x, (int)pos0);
  AddUp(x, 1);
  SplitIfFull(x);
}

void DB_CSeqIndex::SplitIfFull(uint32_t node) {
  while (node != NIL && m_n[node].n > B) {
    bool leaf = m_n[node].leaf;
    uint32_t right = NewNode(leaf);  // may move m_n
    Node& l = m_n[node];
    Node& r = m_n[right];
    int h = l.n / 2;
    r.n = (uint16_t)(l.n - h);
    std::memcpy(r.item, &l.item[h], r.n * sizeof(uint32_t));
    uint32_t moved;
    if (leaf) {
      moved = r.n;
      r.next = l.next;
      r.prev = node;
      if (l.next != NIL) m_n[l.next].prev = right;
      else m_last = right;
      l.next = right;
    } else {
      for (int j = 0; j <= r.n; ++j) r.pre[j] = l.pre[h + j] - l.pre[h];
      moved = r.pre[r.n];
    }
    l.n = (uint16_t)h;
    r.total = moved;
    l.total -= moved;
    Place(right, 0);
    uint32_t parent = m_up[node].parent;
    if (parent == NIL) {
      uint32_t combined = l.total + moved;
      parent = NewNode(false);
      Node& p = m_n[parent];
      p.n = 1;
      p.item[0] = node;
      p.pre[1] = p.total = combined;
      m_root = parent;
      Place(parent, 0);
    }
    InsertRightOf(parent, (int)m_up[node].idx, right);
    node = parent;
  }
}

void DB_CSeqIndex::InsertRightOf(uint32_t parent, int left, uint32_t child) {
  Node& p = m_n[parent];
  int at = left + 1;
  std::memmove(&p.item[at + 1], &p.item[at], (size_t)(p.n - at) * sizeof(uint32_t));
  std::memmove(&p.pre[at + 1], &p.pre[at], (size_t)(p.n - at + 1) * sizeof(uint32_t));
  p.item[at] = child;
  p.pre[at] = p.pre[left] + m_n[p.item[left]].total;
  p.n++;
  Place(parent, at);
}

void DB_CSeqIndex::Erase(uint32_t slot) {
  uint32_t x = m_slot[slot].leaf;
  Node& leaf = m_n[x];
  int i = (int)m_slot[slot].idx;
  std::memmove(&leaf.item[i], &leaf.item[i + 1], (size_t)(leaf.n - i - 1) * sizeof(uint32_t));
  leaf.n--;
  m_slot[slot].leaf = NIL;
  Place(x, i);
  AddUp(x, -1);
  if (m_n[x].n == 0) RemoveEmpty(x);
}

void DB_CSeqIndex::RemoveEmpty(uint32_t node) {
  while (node != NIL && m_n[node].n == 0) {
    Node& x = m_n[node];
    if (x.leaf) {
      if (x.prev != NIL) m_n[x.prev].next = x.next;
      else m_first = x.next;
      if (x.next != NIL) m_n[x.next].prev = x.prev;
      else m_last = x.prev;
    }
    uint32_t parent = m_up[node].parent;
    FreeNode(node);
    if (parent == NIL) {
      m_root = m_first = m_last = NIL;
      return;
    }
    Node& p = m_n[parent];
    int at = (int)m_up[node].idx;  // its subtree is empty: pre[at] == pre[at + 1]
    std::memmove(&p.item[at], &p.item[at + 1], (size_t)(p.n - at - 1) * sizeof(uint32_t));
    std::memmove(&p.pre[at + 1], &p.pre[at + 2], (size_t)(p.n - at - 1) * sizeof(uint32_t));
    p.n--;
    Place(parent, at);
    node = parent;
  }
  // A root with one inner child gives way to it.
  while (m_root != NIL && !m_n[m_root].leaf && m_n[m_root].n == 1) {
    uint32_t old = m_root;
    m_root = m_n[old].item[0];
    m_up[m_root] = Up{NIL, 0, 0};
    FreeNode(old);
  }
}

uint32_t DB_CSeqIndex::PositionOf(uint32_t slot) const {
  uint32_t x = m_slot[slot].leaf;
  uint32_t pos = m_slot[slot].idx;
  for (; m_up[x].parent != NIL; x = m_up[x].parent) pos += m_up[x].offset;
  return pos;
}

uint32_t DB_CSeqIndex::At(uint32_t pos0) const {
  if (pos0 >= Size()) return NIL;
  uint32_t x = m_root;
  while (!m_n[x].leaf) {
    const Node& in = m_n[x];
    int i = 0;
    while (pos0 >= in.pre[i + 1]) ++i;
    pos0 -= in.pre[i];
    x = in.item[i];
  }
  return m_n[x].item[pos0];
}

uint32_t DB_CSeqIndex::First() const { return m_first == NIL ? NIL : m_n[m_first].item[0]; }

uint32_t DB_CSeqIndex::Last() const { return m_last == NIL ? NIL : m_n[m_last].item[m_n[m_last].n - 1]; }

uint32_t DB_CSeqIndex::Next(uint32_t slot) const {
  const Node& l = m_n[m_slot[slot].leaf];
  uint32_t i = m_slot[slot].idx + 1;
  if (i < l.n) return l.item[i];
  return l.next == NIL ? NIL : m_n[l.next].item[0];
}

uint32_t DB_CSeqIndex::Prev(uint32_t slot) const {
  const Node& l = m_n[m_slot[slot].leaf];
  uint32_t i = m_slot[slot].idx;
  if (i > 0) return l.item[i - 1];
  return l.prev == NIL ? NIL : m_n[l.prev].item[m_n[l.prev].n - 1];
}

void DB_CSeqIndex::Build(const std::vector<uint32_t>& slots) {
  Clear();
  if (slots.empty()) return;
  uint32_t maxSlot = *std::max_element(slots.begin(), slots.end());
  m_slot.assign((size_t)maxSlot + 1, SlotPlace{NIL, 0});
  // Nodes three quarters full, so that inserts do not split at once.
  const size_t fill = B * 3 / 4;
  std::vector<uint32_t> level;
  for (size_t i = 0; i < slots.size(); i += fill) {
    uint32_t id = NewNode(true);
    Node& l = m_n[id];
    l.n = (uint16_t)std::min(fill, slots.size() - i);
    std::memcpy(l.item, &slots[i], l.n * sizeof(uint32_t));
    l.total = l.n;
    Place(id, 0);
    if (!level.empty()) {
      l.prev = level.back();
      m_n[level.back()].next = id;
    }
    level.push_back(id);
  }
  m_first = level.front();
  m_last = level.back();
  while (level.size() > 1) {
    std::vector<uint32_t> up;
    for (size_t i = 0; i < level.size(); i += fill) {
      uint32_t id = NewNode(false);
      Node& p = m_n[id];
      p.n = (uint16_t)std::min(fill, level.size() - i);
      for (int j = 0; j < p.n; ++j) {
        p.item[j] = level[i + (size_t)j];
        p.pre[j + 1] = p.pre[j] + m_n[p.item[j]].total;
      }
      p.total = p.pre[p.n];
      Place(id, 0);
      up.push_back(id);
    }
    level.swap(up);
  }
  m_root = level.front();
}
