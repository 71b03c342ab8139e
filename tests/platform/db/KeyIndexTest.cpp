// The key index against a standard map, with clustered keys and many erases (the
// back-shift of linear probing).
#include <gtest/gtest.h>

#include <random>
#include <unordered_map>
#include "db/DB_CKeyIndex.h"

namespace {

TEST(KeyIndex, AgreesWithAMap) {
  std::mt19937 rng(5);
  DB_CKeyIndex ix;
  std::unordered_map<uint32_t, uint32_t> ref;
  for (int step = 0; step < 200000; ++step) {
    // Keys from a small, dense range and a few far ones, so that probes collide.
    uint32_t key = rng() % 8 == 0 ? rng() : 1 + rng() % 3000;
    if (key == 0) continue;
    if (rng() % 3 == 0 || ref.count(key)) {
      ix.Erase(key);
      ref.erase(key);
    } else {
      ix.Insert(key, (uint32_t)step);
      ref[key] = (uint32_t)step;
    }
    if (step % 5000 == 0) {
      ASSERT_EQ(ix.Size(), ref.size());
      for (uint32_t k = 1; k <= 3000; ++k) {
        const uint32_t* got = ix.Find(k);
        auto it = ref.find(k);
        ASSERT_EQ(got != nullptr, it != ref.end()) << k;
        if (got) {
          ASSERT_EQ(*got, it->second);
        }
      }
    }
  }
  EXPECT_EQ(ix.Find(0), nullptr);
  DB_CKeyIndex other;
  other.Swap(ix);
  EXPECT_EQ(other.Size(), ref.size());
  EXPECT_EQ(ix.Size(), 0u);
  ix.Reserve(100);
  ix.Insert(7, 1);
  EXPECT_TRUE(ix.Contains(7));
  ix.Clear();
  EXPECT_FALSE(ix.Contains(7));
}

}  // namespace
