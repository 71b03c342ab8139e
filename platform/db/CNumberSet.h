// A bag of non-zero numbers that answers its largest member without a walk: a bit
// a number, in blocks of 4096 numbers kept only while they hold one, the blocks ordered.
// Add and Remove cost O(log b) for b blocks in use; Largest O(log b) plus one block's 64
// words. Memory: about 530 bytes a block in use (a model numbered 1..n uses n / 4096).
#pragma once
#include <cstdint>
#include <map>
#include <unordered_map>
#include "afx/AfxTypes.h"

class CNumberSet {
 public:
  // A number added k times stays in until it is removed k times (a write that exchanges
  // two records' numbers holds one twice for a moment); removing one not in does nothing.
  void Add(UINT n);
  void Remove(UINT n);
  void Clear() {
    m_blocks.clear();
    m_extra.clear();
  }
  BOOL Contains(UINT n) const;
  // The largest number in the set, 0 when it is empty.
  UINT Largest() const;

 private:
  static constexpr UINT kShift = 12;
  static constexpr UINT kWords = (1u << kShift) / 64;
  struct Block {
    UINT count = 0;
    uint64_t words[kWords] = {};
  };
  std::map<UINT, Block> m_blocks;
  std::unordered_map<UINT, UINT> m_extra;  // times a number is in beyond the first
};
