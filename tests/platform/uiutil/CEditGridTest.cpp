#include <gtest/gtest.h>

#include <string>

#include "afx/AfxMessageBox.h"
#include "ui/CMsgDll.h"
#include "uiutil/CEditGrid.h"
#include "uiutil/CTBBrowserWndEx.h"

namespace {

class EditGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxClearMessageLog();
    CStringArray titles;
    titles.Add("Name");
    titles.Add("Value");
    g.SetTable(2, titles);
    g.SetColNumeric(2, TRUE);
  }
  void TearDown() override { AfxClearMessageLog(); }
  CEditGrid g;
};

TEST_F(EditGridTest, NumericColumnsTakeNumbersAndFormulasOnly) {
  EXPECT_EQ("Name\tValue", std::string(g.UserDescribeCells()[0].c_str()));
  struct Case {
    const char* text;
    const char* stored;  // nullptr: refused, the cell stays in editing
  } cases[] = {{"1.5", "1.5"}, {"=2^3", "8"}, {"", ""}, {"abc", nullptr}, {"=1/0", nullptr}, {"inf", nullptr}};
  for (const Case& c : cases) {
    AfxClearMessageLog();
    g.CancelEditing();
    g.SetCellText(1, 2, "old");
    ASSERT_EQ(1, g.UserEditCell(1, 2, c.text)) << c.text;
    if (c.stored) {
      EXPECT_EQ(c.stored, std::string(g.GetCellText(1, 2).c_str())) << c.text;
      EXPECT_EQ(0, AfxGetMessageCount()) << c.text;
    } else {
      EXPECT_TRUE(g.IsEditing()) << c.text;
      EXPECT_EQ("old", std::string(g.GetExpressionRowCol(1, 2).c_str())) << c.text;
      EXPECT_EQ(1, AfxGetMessageCount()) << c.text;
    }
  }
  g.CancelEditing();
  EXPECT_EQ(1, g.UserEditCell(1, 1, "any text"));  // not a numeric column
  double v = 0;
  g.SetCellText(2, 2, "=1+1");
  EXPECT_TRUE(g.GetCellDouble(2, 2, v));
  EXPECT_EQ(2.0, v);
  EXPECT_FALSE(g.GetCellDouble(2, 1, v));
}

TEST(BrowserColumns, IndexesAndTitlesMapToGridColumns) {
  CTBBrowserWndEx b;
  EXPECT_EQ(0, b.AddColInfo("ID", TB_COL_INT, 0));
  EXPECT_EQ(1, b.AddColInfo("Height", TB_COL_REAL, 2));
  EXPECT_EQ(2, b.AddColInfo("Name", TB_COL_TEXT, 0));
  EXPECT_EQ(2, b.GetColUnitKind(1));
  EXPECT_EQ(3u, b.GetColumnNoFor("Name"));
  ASSERT_TRUE(b.MoveColumn(2, 1));
  EXPECT_EQ(1u, b.GetColumnNoFor(2));
  EXPECT_EQ(2u, b.GetColumnNoFor(0));
  EXPECT_EQ(3u, b.GetColumnNoFor(1));
  EXPECT_EQ(1, b.GetIndexForColumn(3));
  EXPECT_EQ(0u, b.GetColumnNoFor(7));
  EXPECT_EQ(0u, b.GetColumnNoFor("Width"));
  const UINT keys[] = {4, 9};
  b.OnChangedSelectionPublic(keys, 2);
  CUIntArray out;
  out.Add(77);
  EXPECT_EQ(2, b.GetSelectedKeys(out));
  EXPECT_EQ((std::vector<UINT>{4, 9}), out.vec());
}

TEST(BrowserNumbers, IntegerCheckKeepsTo32BitsAndAcceptsFormulas) {
  AfxClearMessageLog();
  CTBBrowserWnd b;
  struct Case {
    const char* text;
    int valid, code;
  } cases[] = {{"=6/3", 1, 0}, {"=6/4", 0, 4}, {"=6/", 0, 1},          {"2147483647", 1, 0},
               {"2147483648", 0, 3}, {"x1", 0, 2}, {"-2147483648", 1, 0}, {"", 1, 0}};
  for (const Case& c : cases) {
    int code = -1;
    EXPECT_EQ(c.valid, b.IsValidLongNumber(c.text, code)) << c.text;
    EXPECT_EQ(c.code, code) << c.text;
  }
  EXPECT_EQ(0, b.InvalidLongNumber(4));
  ASSERT_NE(nullptr, AfxGetLastMessage());
  EXPECT_EQ(std::string(CMsgDll::pfuncLoadStr("IDS_TB_ERROR_REQUIRE_INTEGER", 0)), AfxGetLastMessage()->text.c_str());
  EXPECT_EQ(0, b.InvalidDoubleNumber(2));
  EXPECT_EQ(std::string(CMsgDll::pfuncLoadStr("IDS_TB_ERROR_CHARACTER_EXIST", 0)), AfxGetLastMessage()->text.c_str());
  AfxClearMessageLog();
  EXPECT_EQ(0, b.InvalidDoubleNumber(4));
  EXPECT_EQ(0, AfxGetMessageCount());
}

}  // namespace
