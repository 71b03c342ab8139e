#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <set>
#include <vector>

#include "ui/CNumericOptimizer.h"
#include "ui/CStringParser.h"

namespace {

CUIntArray Array(std::vector<UINT> v) {
  CUIntArray a;
  a.vec() = std::move(v);
  return a;
}

struct PrintCase {
  std::vector<UINT> numbers;
  const char* text;
};

class CompactForm : public ::testing::TestWithParam<PrintCase> {};

TEST_P(CompactForm, PrintsTheSetShortly) {
  CNumericOptimizer opt;
  EXPECT_STREQ(opt.Optimize(Array(GetParam().numbers)).c_str(), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(
    Table, CompactForm,
    ::testing::Values(
        PrintCase{{}, ""}, PrintCase{{5}, "5"}, PrintCase{{1, 2}, "1 2"},
        PrintCase{{1, 2, 3}, "1to3"}, PrintCase{{1, 3, 5, 7}, "1 3 5 7"},
        PrintCase{{1, 3, 5, 7, 9}, "1to9by2"},
        PrintCase{{1, 3, 5, 7, 9, 11, 13, 15, 17, 19}, "1to19by2"},
        PrintCase{{1, 2, 3, 4, 6, 8, 10}, "1to4 6 8 10"},
        PrintCase{{1, 3, 4, 5, 6}, "1 3to6"},
        PrintCase{{10, 20, 30, 40, 50}, "10to50by10"},
        PrintCase{{100, 200, 300}, "100 200 300"},
        PrintCase{{0, 4294967295u}, "0 4294967295"},
        PrintCase{{4294967293u, 4294967294u, 4294967295u}, "4294967293to4294967295"},
        // Any order, duplicates allowed: the set is printed.
        PrintCase{{9, 1, 5, 3, 7, 3, 1}, "1to9by2"}, PrintCase{{2, 2, 2}, "2"}));

TEST(CompactForm, CountOverloadsPrintThePrefix) {
  CNumericOptimizer opt;
  CUIntArray a = Array({4, 1, 2, 3, 50});
  EXPECT_STREQ(opt.Optimize(a, 4).c_str(), "1to4");
  EXPECT_STREQ(opt.Optimize(a, 0).c_str(), "");
  EXPECT_STREQ(opt.Optimize(a.GetData(), 5).c_str(), "1to4 50");
  EXPECT_STREQ(opt.Optimize(nullptr, 3).c_str(), "");
}

TEST(CompactForm, OptimizeUnsortedArraySortsInPlace) {
  CNumericOptimizer opt;
  CUIntArray a = Array({8, 6, 7, 6});
  EXPECT_STREQ(opt.OptimizeUnsortedArray(a).c_str(), "6to8");
  EXPECT_EQ(a.vec(), (std::vector<UINT>{6, 6, 7, 8}));
}

// Printing a set and reading the text back gives the set, both by expansion and by
// selection from candidates.
TEST(CompactForm, RoundTripOverRandomSets) {
  std::mt19937 rng(20261210);
  CNumericOptimizer opt;
  for (int trial = 0; trial < 400; ++trial) {
    std::set<UINT> set;
    int shape = trial % 4;
    int n = (int)(rng() % 200);
    UINT base = shape == 3 ? 4294967295u - 5000 : (UINT)(rng() % 1000);
    for (int i = 0; i < n; ++i) {
      switch (shape) {
        case 0: set.insert(base + rng() % 300); break;                    // dense, short runs
        case 1: set.insert(base + (rng() % 100) * (1 + trial % 7)); break;  // stepped runs
        case 2: set.insert((UINT)rng()); break;                            // sparse, 32-bit
        default: set.insert(base + rng() % 5000); break;                   // near the top
      }
    }
    std::vector<UINT> want(set.begin(), set.end());
    std::vector<UINT> shuffled = want;
    std::shuffle(shuffled.begin(), shuffled.end(), rng);
    CString text = opt.Optimize(Array(shuffled));

    CUIntArray back;
    ASSERT_NE(opt.GetNumList(text, back), 0) << text.c_str();
    EXPECT_EQ(back.vec(), want) << text.c_str();

    CUIntArray candidates = Array(shuffled);
    for (UINT extra : {0u, 1u, 2u, 4294967295u, base + 1, base + 7}) candidates.Add(extra);
    CUIntArray picked;
    ASSERT_NE(opt.SelectNumByStr(candidates, text, picked), 0);
    EXPECT_EQ(picked.vec(), want) << text.c_str();
  }
}

TEST(Selection, IntersectsRangesWithTheCandidatesWithoutExpanding) {
  CNumericOptimizer opt;
  CUIntArray candidates = Array({40, 3, 8, 1000000000, 7, 12, 5, 4000000000u, 9, 9});
  struct Case { const char* text; std::vector<UINT> want; };
  const Case cases[] = {
      {"1to4000000000", {3, 5, 7, 8, 9, 12, 40, 1000000000, 4000000000u}},
      {"0to4294967295by2", {8, 12, 40, 1000000000, 4000000000u}},
      {"1 3 5 7to20by2", {3, 5, 7, 9}},
      {"20to7by2", {8, 12}},
      {"12 12 3to5", {3, 5, 12}},
      {"6 10 11", {}},
      {"", {}},
      {"4000000000to0by1000000000", {1000000000, 4000000000u}},
  };
  for (const Case& c : cases) {
    CUIntArray out;
    EXPECT_NE(opt.SelectNumByStr(candidates, c.text, out), 0) << c.text;
    EXPECT_EQ(out.vec(), c.want) << c.text;
  }
  CUIntArray out = Array({1});
  EXPECT_EQ(opt.SelectNumByStr(candidates, "3 to x", out), 0);
  EXPECT_TRUE(out.IsEmpty());
  EXPECT_NE(opt.SelectNumByStr(CUIntArray(), "1to9", out), 0);
  EXPECT_TRUE(out.IsEmpty());
}

TEST(Selection, SteppedRangeOverManyCandidatesTakesTheCheaperWalk) {
  // 200000 candidates; a stepped range naming few numbers and one naming most of them.
  CNumericOptimizer opt;
  CUIntArray candidates;
  for (UINT i = 0; i < 200000; ++i) candidates.Add(i * 3);
  CUIntArray out;
  ASSERT_NE(opt.SelectNumByStr(candidates, "0to599997by199999", out), 0);
  EXPECT_EQ(out.vec(), (std::vector<UINT>{0, 599997}));
  ASSERT_NE(opt.SelectNumByStr(candidates, "3to599997by6", out), 0);
  EXPECT_EQ(out.GetSize(), 100000);
  EXPECT_EQ(out[0], 3u);
}

TEST(Selection, GetNumListSortsAndRefusesPastTheBound) {
  CNumericOptimizer opt;
  CUIntArray out;
  ASSERT_NE(opt.GetNumList("9 3to1 3", out), 0);
  EXPECT_EQ(out.vec(), (std::vector<UINT>{1, 2, 3, 9}));
  EXPECT_EQ(opt.GetNumList("1to4000000000", out), 0);
  EXPECT_TRUE(out.IsEmpty());
}

}  // namespace
