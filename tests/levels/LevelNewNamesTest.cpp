// Names of new levels: the numbering of a seed goes on past the names that exist.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "levels/CLevelNewNames.h"

namespace {

std::string Join(const CStringArray& names) {
  std::string s;
  for (const CString& n : names) s += std::string(s.empty() ? "" : ",") + n.c_str();
  return s;
}

TEST(LevelNewNames, NumberingContinuesPastTheHighestNameOfTheSeedsPattern) {
  struct Case {
    const char* seed;
    std::vector<const char*> existing;
    int n;
    const char* expected;
  } cases[] = {
      {"50000F", {}, 3, "50001F,50002F,50003F"},
      {"50000F", {"1F", "2F", "Base"}, 2, "50001F,50002F"},           // other names do not count
      {"50000F", {"50001F", "50002F"}, 2, "50003F,50004F"},
      {"50000F", {"50001F", "50007F", "50003F"}, 1, "50008F"},        // past the highest, gaps stay
      {"50000F", {"50002G", "x50002F", "5000F", "49999F"}, 1, "50001F"},  // other patterns, lower numbers
      {"P50000", {"P50001", "P50001a", "Plan1"}, 2, "P50002,P50003"},
      {"P50000", {"P0050005"}, 1, "P0050006"},                        // wider runs keep their width
      {"T50000", {"T50001", "T50002"}, 0, ""},
      {"Tower", {"Tower1", "Tower2"}, 2, "Tower3,Tower4"},            // a seed without digits: names taken passed over
      {"50000F", {"5000000000000000000000F"}, 1, "50001F"},           // more digits than a number holds
  };
  for (const Case& c : cases) {
    CLevelNewNames maker(c.seed);
    for (const char* e : c.existing) maker.AddExisting(e);
    CStringArray names;
    maker.Make(c.n, names);
    EXPECT_EQ(c.expected, Join(names)) << c.seed << " " << c.existing.size();
  }
}

}  // namespace
