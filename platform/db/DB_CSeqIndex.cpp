#include "db/DB_CSeqIndex.h"

void DB_CSeqIndex::Clear() {
  m_n.clear();
  m_root = NIL;
  m_seed = 0x9e3779b9u;
}

uint32_t DB_CSeqIndex::Rand() {
  uint32_t x = m_seed;
  x ^= x << 13;
  x ^= x >> 17;
  x ^= x << 5;
  return m_seed = x;
}

void DB_CSeqIndex::Upd(uint32_t x) {
  Node& n = m_n[x];
  n.size = 1 + Sz(n.l) + Sz(n.r);
  if (n.l != NIL) m_n[n.l].p = x;
  if (n.r != NIL) m_n[n.r].p = x;
}

uint32_t DB_CSeqIndex::Merge(uint32_t a, uint32_t b) {
  if (a == NIL) return b;
  if (b == NIL) return a;
  if (m_n[a].prio > m_n[b].prio) {
    m_n[a].r = Merge(m_n[a].r, b);
    Upd(a);
    return a;
  }
  m_n[b].l = Merge(a, m_n[b].l);
  Upd(b);
  return b;
}

void DB_CSeqIndex::Split(uint32_t t, uint32_t k, uint32_t& a, uint32_t& b) {
  if (t == NIL) {
    a = b = NIL;
    return;
  }
  uint32_t ls = Sz(m_n[t].l);
  if (ls < k) {
    uint32_t ra, rb;
    Split(m_n[t].r, k - ls - 1, ra, rb);
    m_n[t].r = ra;
    Upd(t);
    a = t;
    b = rb;
  } else {
    uint32_t la, lb;
    Split(m_n[t].l, k, la, lb);
    m_n[t].l = lb;
    Upd(t);
    a = la;
    b = t;
  }
}

void DB_CSeqIndex::Prepare(uint32_t slot) {
  if (slot >= m_n.size()) m_n.resize((size_t)slot + 1, Node{NIL, NIL, NIL, 0, 0});
  m_n[slot] = Node{NIL, NIL, NIL, 1, Rand()};
}

void DB_CSeqIndex::InsertAt(uint32_t pos0, uint32_t slot) {
  Prepare(slot);
  if (m_root == NIL) {
    m_root = slot;
    return;
  }
  if (pos0 > Size()) pos0 = Size();
  uint32_t a, b;
  Split(m_root, pos0, a, b);
  m_root = Merge(Merge(a, slot), b);
  m_n[m_root].p = NIL;
}

void DB_CSeqIndex::Erase(uint32_t slot) {
  Node& n = m_n[slot];
  uint32_t parent = n.p;
  uint32_t m = Merge(n.l, n.r);
  if (m != NIL) m_n[m].p = parent;
  if (parent == NIL) {
    m_root = m;
  } else {
    if (m_n[parent].l == slot) m_n[parent].l = m;
    else m_n[parent].r = m;
    for (uint32_t x = parent; x != NIL; x = m_n[x].p) m_n[x].size--;
  }
  m_n[slot] = Node{NIL, NIL, NIL, 0, 0};
}

uint32_t DB_CSeqIndex::PositionOf(uint32_t slot) const {
  uint32_t pos = Sz(m_n[slot].l);
  for (uint32_t x = slot, p = m_n[slot].p; p != NIL; x = p, p = m_n[p].p)
    if (m_n[p].r == x) pos += Sz(m_n[p].l) + 1;
  return pos;
}

uint32_t DB_CSeqIndex::At(uint32_t pos0) const {
  uint32_t x = m_root;
  while (x != NIL) {
    uint32_t ls = Sz(m_n[x].l);
    if (pos0 < ls) x = m_n[x].l;
    else if (pos0 == ls) return x;
    else { pos0 -= ls + 1; x = m_n[x].r; }
  }
  return NIL;
}

uint32_t DB_CSeqIndex::First() const {
  uint32_t x = m_root;
  if (x == NIL) return NIL;
  while (m_n[x].l != NIL) x = m_n[x].l;
  return x;
}

uint32_t DB_CSeqIndex::Last() const {
  uint32_t x = m_root;
  if (x == NIL) return NIL;
  while (m_n[x].r != NIL) x = m_n[x].r;
  return x;
}

uint32_t DB_CSeqIndex::Next(uint32_t x) const {
  if (m_n[x].r != NIL) {
    x = m_n[x].r;
    while (m_n[x].l != NIL) x = m_n[x].l;
    return x;
  }
  uint32_t p = m_n[x].p;
  while (p != NIL && m_n[p].r == x) { x = p; p = m_n[p].p; }
  return p;
}

uint32_t DB_CSeqIndex::Prev(uint32_t x) const {
  if (m_n[x].l != NIL) {
    x = m_n[x].l;
    while (m_n[x].r != NIL) x = m_n[x].r;
    return x;
  }
  uint32_t p = m_n[x].p;
  while (p != NIL && m_n[p].l == x) { x = p; p = m_n[p].p; }
  return p;
}

void DB_CSeqIndex::Build(const std::vector<uint32_t>& slots) {
  Clear();
  if (slots.empty()) return;
  // Cartesian tree by priority over the sequence, built with a stack.
  std::vector<uint32_t> stack;
  for (uint32_t s : slots) {
    Prepare(s);
    uint32_t last = NIL;
    while (!stack.empty() && m_n[stack.back()].prio < m_n[s].prio) {
      last = stack.back();
      stack.pop_back();
    }
    m_n[s].l = last;
    if (!stack.empty()) m_n[stack.back()].r = s;
    stack.push_back(s);
  }
  m_root = stack.front();
  // Sizes and parents, children before parents.
  std::vector<uint32_t> order;
  order.reserve(slots.size());
  std::vector<uint32_t> todo{m_root};
  while (!todo.empty()) {
    uint32_t x = todo.back();
    todo.pop_back();
    order.push_back(x);
    if (m_n[x].l != NIL) todo.push_back(m_n[x].l);
    if (m_n[x].r != NIL) todo.push_back(m_n[x].r);
  }
  for (auto it = order.rbegin(); it != order.rend(); ++it) Upd(*it);
  m_n[m_root].p = NIL;
}
