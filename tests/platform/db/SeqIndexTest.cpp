// The sequence index against a plain vector, through enough operations to split and
// empty many nodes.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>
#include "db/DB_CSeqIndex.h"

namespace {

void Check(const DB_CSeqIndex& ix, const std::vector<uint32_t>& ref) {
  ASSERT_EQ(ix.Size(), ref.size());
  std::vector<uint32_t> walk;
  for (uint32_t s = ix.First(); s != DB_CSeqIndex::NIL; s = ix.Next(s)) walk.push_back(s);
  ASSERT_EQ(walk, ref);
  std::vector<uint32_t> back;
  for (uint32_t s = ix.Last(); s != DB_CSeqIndex::NIL; s = ix.Prev(s)) back.push_back(s);
  std::reverse(back.begin(), back.end());
  ASSERT_EQ(back, ref);
  for (size_t i = 0; i < ref.size(); ++i) {
    ASSERT_EQ(ix.PositionOf(ref[i]), i);
    ASSERT_EQ(ix.At((uint32_t)i), ref[i]);
  }
  ASSERT_EQ(ix.At((uint32_t)ref.size()), DB_CSeqIndex::NIL);
}

TEST(SeqIndex, AgreesWithAVector) {
  std::mt19937 rng(99);
  DB_CSeqIndex ix;
  std::vector<uint32_t> ref, freeSlots;
  uint32_t nextSlot = 0;
  for (int step = 0; step < 60000; ++step) {
    // Grow to a few thousand, shrink to nothing, grow again.
    bool grow = (step / 15000) % 2 == 0 ? rng() % 10 < 7 : rng() % 10 < 2;
    if (grow || ref.empty()) {
      uint32_t slot;
      if (!freeSlots.empty() && rng() % 2) {
        slot = freeSlots.back();
        freeSlots.pop_back();
      } else {
        slot = nextSlot++;
      }
      uint32_t pos = rng() % 3 == 0 ? (uint32_t)ref.size() : (uint32_t)(rng() % (ref.size() + 1));
      ix.InsertAt(pos, slot);
      ref.insert(ref.begin() + pos, slot);
    } else {
      size_t i = rng() % ref.size();
      ix.Erase(ref[i]);
      freeSlots.push_back(ref[i]);
      ref.erase(ref.begin() + (ptrdiff_t)i);
    }
    if (step % 997 == 0 || ref.size() < 3) {
      ASSERT_NO_FATAL_FAILURE(Check(ix, ref)) << step;
    }
  }
  ASSERT_NO_FATAL_FAILURE(Check(ix, ref));
}

TEST(SeqIndex, BuildThenEdit) {
  for (size_t n : {0u, 1u, 47u, 48u, 49u, 3000u, 200000u}) {
    std::vector<uint32_t> ref(n);
    for (size_t i = 0; i < n; ++i) ref[i] = (uint32_t)(n - 1 - i);  // slots out of order
    DB_CSeqIndex ix;
    ix.Build(ref);
    if (n < 5000) {
      ASSERT_NO_FATAL_FAILURE(Check(ix, ref)) << n;
    }
    ix.InsertAt((uint32_t)n / 2, (uint32_t)n);
    ref.insert(ref.begin() + (ptrdiff_t)(n / 2), (uint32_t)n);
    if (n > 0) {
      ix.Erase(ref.back());
      ref.pop_back();
    }
    ASSERT_EQ(ix.Size(), ref.size());
    ASSERT_EQ(ix.PositionOf((uint32_t)n), n / 2);
    if (n < 5000) {
      ASSERT_NO_FATAL_FAILURE(Check(ix, ref)) << n;
    }
  }
  DB_CSeqIndex big;
  std::vector<uint32_t> slots(1000000);
  for (uint32_t i = 0; i < slots.size(); ++i) slots[i] = i;
  big.Build(slots);
  EXPECT_LE(big.Depth(), 4);
}

TEST(SeqIndex, EmptiesAndSwaps) {
  DB_CSeqIndex a, b;
  for (uint32_t i = 0; i < 500; ++i) a.InsertAt(0, i);
  for (uint32_t i = 0; i < 500; ++i) a.Erase(i);
  EXPECT_EQ(a.Size(), 0u);
  EXPECT_EQ(a.First(), DB_CSeqIndex::NIL);
  a.InsertAt(0, 7);
  b.InsertAt(0, 3);
  b.InsertAt(1, 4);
  a.Swap(b);
  EXPECT_EQ(a.Size(), 2u);
  EXPECT_EQ(b.First(), 7u);
}

}  // namespace
