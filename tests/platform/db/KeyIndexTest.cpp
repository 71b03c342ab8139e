// The key index against a standard map: dense keys (the direct array), far and composite
// keys (the hash table, its collisions and the back-shift of linear probing on erase), and
// keys moving from the hash to the direct array as the table fills.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <unordered_map>
#include <vector>
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
      for (const auto& [k, slot] : ref) {
        const uint32_t* got = ix.Find(k);
        ASSERT_TRUE(got) << k;
        ASSERT_EQ(*got, slot);
      }
      std::vector<uint32_t> want, keys;
      for (const auto& [k, slot] : ref) want.push_back(k);
      std::sort(want.begin(), want.end());
      ix.AppendKeysAscending(keys);
      ASSERT_EQ(keys, want);
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

// Keys that reach the direct array only once the table holds enough of them (a table
// filled from its last key down, a file's keys in any order), beside composite keys that
// differ only in their high bits.
TEST(KeyIndex, KeysMoveToTheDirectArrayAsTheTableFills) {
  const std::vector<uint32_t> orders[] = {
      [] {
        std::vector<uint32_t> v;
        for (uint32_t k = 20000; k >= 1; --k) v.push_back(k);
        return v;
      }(),
      [] {
        std::vector<uint32_t> v;
        for (uint32_t k = 1; k <= 20000; ++k) v.push_back(k);
        std::shuffle(v.begin(), v.end(), std::mt19937(9));
        return v;
      }(),
  };
  for (const std::vector<uint32_t>& keys : orders) {
    DB_CKeyIndex ix;
    for (uint32_t i = 0; i < 64; ++i) ix.Insert((i + 1) << 20, 100000 + i);
    for (uint32_t k : keys) ix.Insert(k, k * 3);
    ASSERT_EQ(ix.Size(), keys.size() + 64);
    for (uint32_t k = 1; k <= 20000; ++k) ASSERT_EQ(*ix.Find(k), k * 3) << k;
    for (uint32_t i = 0; i < 64; ++i) ASSERT_EQ(*ix.Find((i + 1) << 20), 100000 + i);
    EXPECT_EQ(ix.Find(20001), nullptr);
    EXPECT_EQ(ix.Find(0), nullptr);
    for (uint32_t k = 2; k <= 20000; k += 2) ix.Erase(k);
    ix.Erase(2);  // twice: nothing
    for (uint32_t i = 0; i < 64; i += 2) ix.Erase((i + 1) << 20);
    EXPECT_EQ(ix.Size(), 10000u + 32u);
    std::vector<uint32_t> all;
    ix.AppendKeysAscending(all);
    ASSERT_EQ(all.size(), 10000u + 32u);
    EXPECT_TRUE(std::is_sorted(all.begin(), all.end()));
    EXPECT_EQ(all.front(), 1u);
    EXPECT_EQ(all.back(), 64u << 20);
    EXPECT_EQ(ix.Find(4), nullptr);
    ASSERT_TRUE(ix.Find(5));
    EXPECT_EQ(*ix.Find(5), 15u);
    EXPECT_EQ(ix.Find(1u << 20), nullptr);
    ASSERT_TRUE(ix.Find(2u << 20));
    EXPECT_EQ(*ix.Find(2u << 20), 100001u);
  }
}

}  // namespace
