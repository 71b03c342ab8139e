// Automatic names, real comparisons, texts from keys, and the document slots this library
// fills.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>
#include <string>
#include <vector>
#include "db/CDBDoc.h"
#include "ui/CAutoIDMaker.h"
#include "ui/CCompFunc.h"
#include "ui/CDlgModelessMgr.h"
#include "ui/CDynModule.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

namespace {

TEST(AutoIDMaker, NextName) {
  struct Case {
    const char* seed;
    int step;
    const char* next;
  } cases[] = {
      {"50000F", 1, "50001F"}, {"S09", 1, "S10"},     {"F099", 2, "F101"},  {"A9", 1, "A10"},
      {"Tower", 1, "Tower1"},  {"7", 1, "8"},         {"", 1, "1"},         {"B2-3", 1, "B2-4"},
      {"1F", -5, "0F"},        {"T1", 0, "T1"},       {"塔1", 1, "塔2"},
      {"X99999999999999999999", 1, "X01000000000000000000"}  // counted from the last 18 digits,
  };
  for (const Case& c : cases) EXPECT_STREQ(CAutoIDMaker::GetNextName(c.seed, c.step), c.next) << c.seed;
  // Each name follows the previous one: a run of fresh names.
  CString name = "50000F";
  std::vector<std::string> seen;
  for (int i = 0; i < 3; ++i) seen.push_back((name = CAutoIDMaker::GetNextName(name, 1)).str());
  EXPECT_EQ(seen, (std::vector<std::string>{"50001F", "50002F", "50003F"}));
}

TEST(CompFunc, RealComparisons) {
  EXPECT_EQ(CCompFunc::CompReal(1.0, 1.0 + 1e-12), 0);
  EXPECT_EQ(CCompFunc::CompReal(1e6, 1e6 + 1e-5), 0) << "relative for large values";
  EXPECT_EQ(CCompFunc::CompReal(1.0, 1.001), -1);
  EXPECT_EQ(CCompFunc::CompReal(2.0, 1.0), 1);
  EXPECT_EQ(CCompFunc::CompReal(0.0, 1e-11), 0);
  EXPECT_EQ(CCompFunc::CompRealTol(3.0, 3.04, 0.05), 0);
  EXPECT_EQ(CCompFunc::CompRealTol(3.0, 3.06, 0.05), -1);
  EXPECT_EQ(CCompFunc::CompRealTol(3.06, 3.0, 0.05), 1);
  EXPECT_NE(CCompFunc::CompReal(std::nan(""), 0.0), 0);
  std::vector<UINT> keys = {5, 1, 4000000000u, 3};
  std::qsort(keys.data(), keys.size(), sizeof(UINT), CCompFunc::UINTAsc);
  EXPECT_EQ(keys, (std::vector<UINT>{1, 3, 5, 4000000000u}));
  std::qsort(keys.data(), keys.size(), sizeof(UINT), CCompFunc::UINTDesc);
  EXPECT_EQ(keys, (std::vector<UINT>{4000000000u, 5, 3, 1}));
}

std::vector<std::string> g_lines;
const char* TestTexts(const char* key, int) {
  std::string k = key;
  if (k == "IDS_LEVEL_g_s") return "level %g of %s";
  if (k == "IDS_COUNT_d") return "%d items";
  return key;
}

TEST(Messages, TextsFromKeysWithValues) {
  auto oldLoad = CMsgDll::pfuncLoadStr;
  auto oldOut = CMsgDll::pfuncMsgOut;
  CMsgDll::pfuncLoadStr = TestTexts;
  CMsgDll::pfuncMsgOut = [](const char* line) { g_lines.push_back(line); };
  EXPECT_STREQ(GMakeMsg("IDS_LEVEL_g_s", 12.5, "S3(Plan1)"), "level 12.5 of S3(Plan1)");
  EXPECT_STREQ(GMakeMsg("IDS_PLAIN"), "IDS_PLAIN");
  GMsgOutFormatNF("IDS_COUNT_d", 3);
  GMsgOut("done");
  // A key's text goes out as it stands: no placeholder is filled.
  GMsgOutNF("IDS_COUNT_d", 0, nullptr);
  EXPECT_EQ(g_lines, (std::vector<std::string>{"3 items", "done", "%d items"}));
  CMsgDll::pfuncLoadStr = oldLoad;
  CMsgDll::pfuncMsgOut = oldOut;
  EXPECT_STREQ(CMsgDll::RemoveQuote("\"Beam\""), "Beam");
  EXPECT_STREQ(CMsgDll::RemoveQuote("\"open"), "\"open");
  EXPECT_STREQ(CMsgDll::RemoveQuote("\""), "\"");
  EXPECT_STREQ(CMsgDll::RemoveQuote(""), "");
}

class Counted : public CDynModule {
 public:
  explicit Counted(int* alive) : m_alive(alive) { ++*m_alive; }
  ~Counted() override { --*m_alive; }
  int* m_alive;
};

TEST(DocumentSlots, ModuleManagerAndModelessManagerComeWithEveryDocument) {
  int alive = 0;
  {
    CDBDoc doc;
    CDynModuleMgr* mods = doc.GetDynModuleMgr();
    ASSERT_NE(mods, nullptr);
    EXPECT_EQ(doc.GetDynModuleMgr(), mods) << "made once";
    ASSERT_NE(doc.GetDlgCtrl(), nullptr);
    EXPECT_EQ(doc.GetDlgCtrl()->GetDoc(), &doc);
    EXPECT_TRUE(mods->AddDynModule("A", new Counted(&alive)));
    EXPECT_FALSE(mods->AddDynModule("A", new Counted(&alive))) << "a taken name: refused and deleted";
    EXPECT_EQ(alive, 1);
  }
  EXPECT_EQ(alive, 0) << "the manager owns its modules";
}

}  // namespace
