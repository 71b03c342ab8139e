#include <gtest/gtest.h>

#include <climits>
#include <string>
#include <vector>

#include "ui/CStringParser.h"

namespace {

std::vector<UINT> Parse(const char* text, int* ok = nullptr) {
  CUIntArray a;
  a.Add(99);  // a failed parse must not leave stale numbers behind
  int r = CStringParser::ParsingListByTo(text, a);
  if (ok) *ok = r;
  return a.vec();
}

struct ListCase {
  const char* text;
  std::vector<UINT> expected;
};

class NumberListValid : public ::testing::TestWithParam<ListCase> {};

TEST_P(NumberListValid, ExpandsInTypedOrder) {
  int ok = 0;
  std::vector<UINT> got = Parse(GetParam().text, &ok);
  EXPECT_NE(ok, 0) << GetParam().text;
  EXPECT_EQ(got, GetParam().expected) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberListValid,
    ::testing::Values(
        ListCase{"1 3 5 7to20by2", {1, 3, 5, 7, 9, 11, 13, 15, 17, 19}},
        ListCase{"7 to 20 by 2", {7, 9, 11, 13, 15, 17, 19}},
        ListCase{"7TO20BY2", {7, 9, 11, 13, 15, 17, 19}},
        ListCase{"7To9", {7, 8, 9}},
        ListCase{" 1, 3 ,5,\t7 ", {1, 3, 5, 7}},
        ListCase{"1to10by4", {1, 5, 9}},
        ListCase{"1to5by10", {1}},
        ListCase{"5to5", {5}},
        ListCase{"20to7by2", {20, 18, 16, 14, 12, 10, 8}},
        ListCase{"3to1", {3, 2, 1}},
        ListCase{"3 1 3 1to2", {3, 1, 3, 1, 2}},
        ListCase{"0 007", {0, 7}},
        ListCase{"4294967294to4294967295", {4294967294u, 4294967295u}},
        ListCase{"4294967295to0by4294967295", {4294967295u, 0}},
        ListCase{"1\r\n2", {1, 2}},
        ListCase{"", {}},
        ListCase{"   ", {}}));

class NumberListInvalid : public ::testing::TestWithParam<const char*> {};

TEST_P(NumberListInvalid, IsRefusedWithAnEmptyList) {
  int ok = 1;
  std::vector<UINT> got = Parse(GetParam(), &ok);
  EXPECT_EQ(ok, 0) << GetParam();
  EXPECT_TRUE(got.empty()) << GetParam();
}

INSTANTIATE_TEST_SUITE_P(
    Table, NumberListInvalid,
    ::testing::Values("a", "1a", "1 2 x", "-1", "1to-5", "+3", "1.5", "1to", "to5", "1to5by",
                      "1to5by0", "1by2", "1to5by2by2", "1to5to9", ",", ",1", "1,", "1,,2",
                      "1 , , 2", "4294967296", "99999999999999999999", "1t5", "1 to 5 b 2",
                      "1\xef\xbc\x8c" "2", "1to4000000000", "0to1000000",
                      "1to600000 1to600000"));

TEST(NumberList, BoundIsExactlyTheMaximumCount) {
  CUIntArray a;
  std::string atBound = "1to" + std::to_string(NUMLIST_MAX_COUNT);
  ASSERT_NE(CStringParser::ParsingListByTo(atBound.c_str(), a), 0);
  EXPECT_EQ(a.GetSize(), NUMLIST_MAX_COUNT);
  std::string past = atBound + " 7";
  EXPECT_EQ(CStringParser::ParsingListByTo(past.c_str(), a), 0);
  EXPECT_TRUE(a.IsEmpty());
}

TEST(NumberList, IntFormRefusesNumbersAnIntCannotHold) {
  CArray<int> a;
  ASSERT_NE(CStringParser::ParsingListByTo("2147483646to2147483647 5", a), 0);
  EXPECT_EQ(a.vec(), (std::vector<int>{2147483646, 2147483647, 5}));
  EXPECT_EQ(CStringParser::ParsingListByTo("2147483648", a), 0);
  EXPECT_EQ(CStringParser::ParsingListByTo("2147483649to1", a), 0);
  EXPECT_TRUE(a.IsEmpty());
}

TEST(NumberList, RangesAreReadWithoutExpansion) {
  std::vector<CStringParser::Range> r;
  ASSERT_NE(CStringParser::ParseRanges("0to4294967295 20to7by2", r), 0);
  ASSERT_EQ(r.size(), 2u);
  EXPECT_EQ(r[0].Count(), 4294967296ull);
  EXPECT_EQ(r[1].Count(), 7u);
  EXPECT_EQ(r[1].Lowest(), 8u);
  EXPECT_EQ(r[1].Highest(), 20u);
  ASSERT_NE(CStringParser::ParseRanges("1to10by4", r), 0);
  EXPECT_EQ(r[0].Highest(), 9u);
}

TEST(NodeList, AcceptsTheDialogsOwnFormAndRefusesNothingTyped) {
  CUIntArray a;
  ASSERT_NE(CStringParser::GetNodeList("12, 5, 12, 7", a), 0);
  EXPECT_EQ(a.vec(), (std::vector<UINT>{12, 5, 12, 7}));
  EXPECT_EQ(CStringParser::GetNodeList("", a), 0);
  EXPECT_EQ(CStringParser::GetNodeList("  ", a), 0);
  EXPECT_EQ(CStringParser::GetNodeList("1, x", a), 0);
}

TEST(SingleNumbers, IntegerTable) {
  struct Case { const char* text; int ok; int value; };
  const Case cases[] = {
      {"12", 1, 12}, {"  -7 ", 1, -7}, {"+5", 1, 5}, {"0", 1, 0},
      {"2147483647", 1, INT_MAX}, {"-2147483648", 1, INT_MIN}, {"2147483648", 0, 0},
      {"12.0", 0, 0}, {"1e3", 0, 0}, {"12a", 0, 0}, {"", 0, 0}, {"  ", 0, 0},
      {"+", 0, 0}, {"-", 0, 0}, {"+-1", 0, 0}, {"- 1", 0, 0}, {"1 2", 0, 0}, {"0x10", 0, 0}};
  for (const Case& c : cases) {
    int n = 4242;
    EXPECT_EQ(CStringParser::GetINumber(c.text, n) != 0, c.ok != 0) << c.text;
    EXPECT_EQ(n, c.ok ? c.value : 4242) << c.text;
  }
}

TEST(SingleNumbers, RealTable) {
  struct Case { const char* text; int ok; double value; };
  const Case cases[] = {
      {"1.5", 1, 1.5}, {" -2 ", 1, -2}, {"+.5", 1, 0.5}, {"5.", 1, 5}, {"1e3", 1, 1000},
      {"1E-2", 1, 0.01}, {"0", 1, 0}, {"1e999", 0, 0}, {"1e-999", 0, 0}, {"inf", 0, 0},
      {"nan", 0, 0}, {"0x1p3", 0, 0}, {".", 0, 0}, {"1e", 0, 0}, {"1.5x", 0, 0}, {"", 0, 0},
      {"1 2", 0, 0}, {"--1", 0, 0}};
  for (const Case& c : cases) {
    double d = 4242;
    EXPECT_EQ(CStringParser::GetFloatNumber(c.text, d) != 0, c.ok != 0) << c.text;
    EXPECT_EQ(d, c.ok ? c.value : 4242) << c.text;
  }
}

TEST(SingleNumbers, PositionTable) {
  struct Case { const char* text; int ok; double x, y, z; };
  const Case cases[] = {
      {"1, 2, 3", 1, 1, 2, 3}, {"1 2 3", 1, 1, 2, 3}, {"(1.5,-2,3e1)", 1, 1.5, -2, 30},
      {" ( 1 , 2 ) ", 1, 1, 2, 0}, {"1,2", 1, 1, 2, 0}, {"1", 0, 0, 0, 0},
      {"1,2,3,4", 0, 0, 0, 0}, {"1,,2", 0, 0, 0, 0}, {"1,2,", 0, 0, 0, 0}, {"", 0, 0, 0, 0},
      {"1,a,3", 0, 0, 0, 0}, {"(1,2,3", 0, 0, 0, 0}};
  for (const Case& c : cases) {
    double x = 9, y = 9, z = 9;
    EXPECT_EQ(CStringParser::GetPosition(c.text, x, y, z) != 0, c.ok != 0) << c.text;
    if (c.ok) {
      EXPECT_EQ(x, c.x) << c.text;
      EXPECT_EQ(y, c.y) << c.text;
      EXPECT_EQ(z, c.z) << c.text;
    } else {
      EXPECT_TRUE(x == 9 && y == 9 && z == 9) << c.text;
    }
  }
}

}  // namespace
