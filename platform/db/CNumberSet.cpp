#include "db/CNumberSet.h"

namespace {
constexpr UINT kLow = (1u << 12) - 1;
}

void CNumberSet::Add(UINT n) {
  Block& b = m_blocks[n >> kShift];
  uint64_t& w = b.words[(n & kLow) >> 6];
  const uint64_t bit = 1ull << (n & 63);
  if (w & bit) {
    ++m_extra[n];
    return;
  }
  w |= bit;
  ++b.count;
}

void CNumberSet::Remove(UINT n) {
  auto it = m_blocks.find(n >> kShift);
  if (it == m_blocks.end()) return;
  uint64_t& w = it->second.words[(n & kLow) >> 6];
  const uint64_t bit = 1ull << (n & 63);
  if (!(w & bit)) return;
  if (!m_extra.empty()) {
    auto dup = m_extra.find(n);
    if (dup != m_extra.end()) {
      if (--dup->second == 0) m_extra.erase(dup);
      return;
    }
  }
  w &= ~bit;
  if (--it->second.count == 0) m_blocks.erase(it);
}

BOOL CNumberSet::Contains(UINT n) const {
  auto it = m_blocks.find(n >> kShift);
  return it != m_blocks.end() && (it->second.words[(n & kLow) >> 6] >> (n & 63) & 1u);
}

UINT CNumberSet::Largest() const {
  if (m_blocks.empty()) return 0;
  const auto& [block, b] = *m_blocks.rbegin();
  for (UINT i = kWords; i-- > 0;)
    if (b.words[i]) return (block << kShift) | (i << 6) | (UINT)(63 - __builtin_clzll(b.words[i]));
  return 0;  // a block in the map always holds a number
}
