#include <gtest/gtest.h>

#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "afx/CUserDriver.h"
#include "afx/afxwin.h"
#include "common/CCMGXGridWnd2.h"
#include "grid/GXClipboard.h"
#include "grid/GXKeyState.h"
#include "ui/CMsgDll.h"
#include "uiutil/CTBGrid.h"

namespace {

std::string Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

class ValidatingGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxClearMessageLog();
    CGXClipboard::Empty();
    ASSERT_TRUE(parent.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(g.Create("GXWND", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 100));
    g.Initialize();
    g.SetRowCount(4);
    g.SetColCount(3);
    for (ROWCOL r = 1; r <= 4; ++r)
      for (ROWCOL c = 1; c <= 3; ++c) {
        CString s;
        s.Format("%u%u", r, c);
        g.SetValueRange(CGXRange(r, c), (LPCTSTR)s);
      }
    g.SetStyleRange(CGXRange().SetCols(1, 3), CGXStyle().SetReadOnly(FALSE));
    driver.SetDialog(&parent);
  }
  void TearDown() override {
    g.DestroyWindow();
    parent.DestroyWindow();
    AfxClearMessageLog();
  }
  std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }
  CWnd parent;
  CCMGXGridWnd2 g;
  CUserDriver driver;
};

TEST_F(ValidatingGridTest, InitializeTakesTheSharedColours) {
  EXPECT_EQ(CTBGrid::m_Color[19], g.GetProperties()->GetColor(4));
  EXPECT_EQ(CTBGrid::m_Color[2], g.StandardStyle().GetInterior());
  EXPECT_FALSE(g.GetParam()->IsEnableUndo());
}

TEST_F(ValidatingGridTest, PasteMustFitTheTargetAndTheGrid) {
  struct Case {
    const char* clip;
    CGXRange target;  // a block is selected; a single cell is made current
    const char* refusal;
  } cases[] = {
      {"a\nb\nc", CGXRange(1, 1, 2, 1), "IDS_CMD_PASTE_RANGE_MISMATCH"},
      {"a\tb", CGXRange(1, 1, 4, 2), nullptr},  // one row as wide as the block repeats
      {"a\tb\tc", CGXRange(1, 1, 4, 2), "IDS_CMD_PASTE_RANGE_MISMATCH"},
      {"a\tb\nc\td", CGXRange(1, 1, 2, 2), nullptr},
      {"a\tb\nc\td", CGXRange(1, 3), "IDS_CMD_PASTE_EXCEED_COLUMN"},
      {"a\tb\nc\td", CGXRange(4, 1), "IDS_CMD_PASTE_EXCEED_ROW"},
      {"a\tb\nc\td", CGXRange(3, 2), nullptr},
  };
  for (const Case& c : cases) {
    AfxClearMessageLog();
    g.ClearSelection();
    g.SetCurrentCell(c.target.top, c.target.left);
    if (c.target.GetHeight() > 1 || c.target.GetWidth() > 1) g.SelectRange(c.target);
    CGXClipboard::SetText(c.clip);
    BOOL ok = g.Paste();
    EXPECT_EQ(c.refusal == nullptr, ok != 0) << c.clip;
    EXPECT_EQ(c.refusal ? Text(c.refusal) : "", LastMessage()) << c.clip;
    EXPECT_EQ(4u, g.GetRowCount());
    EXPECT_EQ(3u, g.GetColCount());
  }
  EXPECT_EQ("d", std::string(g.GetValueRowCol(4, 3).c_str()));
  EXPECT_EQ("a", std::string(g.GetValueRowCol(4, 1).c_str()));  // from the repeated row
  EXPECT_EQ(nullptr, g.GetWindow(GW_CHILD));                      // the measuring grid is gone
}

TEST_F(ValidatingGridTest, BareInsertAndDeleteDoNothing) {
  CGXClipboard::SetText("x");
  g.SetCurrentCell(1, 1);
  driver.Key(100, VK_INSERT);
  driver.Key(100, VK_DELETE);
  EXPECT_EQ("11", std::string(g.GetValueRowCol(1, 1).c_str()));
  {
    GXHoldKeys shift(FALSE, TRUE);
    driver.Key(100, VK_INSERT);
  }
  EXPECT_EQ("x", std::string(g.GetValueRowCol(1, 1).c_str()));
}

TEST_F(ValidatingGridTest, CopyLeavesHiddenRowsAndColumnsOut) {
  g.HideCols(2, 2);
  g.HideRows(3, 3);
  g.SelectRange(CGXRange(1, 1, 4, 3));
  ASSERT_TRUE(g.Copy());
  EXPECT_EQ("11\t13\n21\t23\n41\t43\n", std::string(CGXClipboard::GetText().c_str()));
}

TEST_F(ValidatingGridTest, CellsAreColouredByState) {
  const COLORREF* k = CTBGrid::m_Color;
  g.SetStyleRange(CGXRange(1, 1), CGXStyle().SetReadOnly(TRUE));
  g.SetStyleRange(CGXRange(2, 1), CGXStyle().SetReadOnly(TRUE));
  g.SetCurrentCell(1, 1);
  g.SelectRange(CGXRange().SetRows(3));
  struct Case {
    ROWCOL r, c;
    COLORREF interior, text;
    UINT control;
  } cases[] = {
      {1, 1, k[4], k[3], GX_IDS_CTRL_EDIT},            // read-only, current
      {2, 1, k[2], k[1], GX_IDS_CTRL_EDIT},            // read-only
      {3, 2, k[18], k[1], GX_IDS_CTRL_SELECTED_EDIT},  // selected row
      {1, 2, k[16], k[11], GX_IDS_CTRL_EDIT},          // current row
      {4, 3, k[16], k[15], GX_IDS_CTRL_EDIT},          // other
  };
  for (const Case& c : cases) {
    CGXStyle s;
    g.ComposeStyleRowCol(c.r, c.c, s);
    EXPECT_EQ(c.interior, s.GetInterior()) << c.r << "," << c.c;
    EXPECT_EQ(c.text, s.GetTextColor()) << c.r << "," << c.c;
    EXPECT_EQ(c.control, s.GetControl()) << c.r << "," << c.c;
  }
  // A cell without a read-only setting in a row and column without one is read-only.
  CCMGXGridWnd2 plain;
  plain.Initialize();
  plain.SetRowCount(1);
  CGXStyle s;
  plain.ComposeStyleRowCol(1, 1, s);
  EXPECT_EQ(k[2], s.GetInterior());
  // Under the draw-order state only a selected column's cells change.
  g.GetParam()->SetDrawOrderState(TRUE);
  g.ClearSelection();
  g.SelectRange(CGXRange().SetCols(2));
  g.ComposeStyleRowCol(1, 2, s);
  EXPECT_EQ(GX_IDS_CTRL_SELECTED_EDIT, s.GetControl());
  EXPECT_EQ(k[2], s.GetInterior());
  g.ComposeStyleRowCol(1, 1, s);
  EXPECT_EQ(GX_IDS_CTRL_EDIT, s.GetControl());
}

TEST_F(ValidatingGridTest, IntegerCheck) {
  struct Case {
    const char* text;
    int valid, code;
  } cases[] = {
      {" 12 ", 1, 0},         {"", 1, 0},           {"12.0", 0, 4},        {"1e3", 0, 4},
      {"12a", 0, 2},          {"abc", 0, 2},        {"0x1A", 0, 2},        {"inf", 0, 2},
      {"=2*3", 1, 0},         {"=2*", 0, 1},        {"=1/0", 0, 1},        {"=3/2", 0, 4},
      {"2147483647", 1, 0},   {"-2147483648", 1, 0}, {"2147483648", 0, 3}, {"-2147483649", 0, 3},
      {"3000000000", 0, 3},   {"99999999999999999999", 0, 3}, {"1e400", 0, 3},
  };
  for (const Case& c : cases) {
    int code = -1;
    CString text = c.text;
    EXPECT_EQ(c.valid, g.IsValidLongNumber(text, code)) << c.text;
    EXPECT_EQ(c.code, code) << c.text;
    EXPECT_EQ(std::string(c.text), text.c_str());
  }
}

TEST_F(ValidatingGridTest, RealCheckAndFormulas) {
  struct Case {
    const char* text;
    int valid, code;
  } cases[] = {{"1.5", 1, 0},  {" -2E3 ", 1, 0}, {"", 1, 0},      {"1e400", 0, 3},
               {"-1e400", 0, 3}, {"1.5x", 0, 2},  {"nan", 0, 2},   {"=2E1", 1, 0},
               {"=sqrt(-1)", 0, 1}};
  for (const Case& c : cases) {
    int code = -1;
    EXPECT_EQ(c.valid, g.IsValidDoubleNumber(c.text, code)) << c.text;
    EXPECT_EQ(c.code, code) << c.text;
  }
  CString s = "=2*3";
  EXPECT_EQ(1, g.ConvertFormulaToValue(s));
  EXPECT_EQ("6", std::string(s.c_str()));
  s = "=2E1";
  EXPECT_EQ(1, g.ConvertFormulaToValue(s));
  EXPECT_EQ("20", std::string(s.c_str()));
  s = "=2*";
  EXPECT_EQ(0, g.ConvertFormulaToValue(s));
  EXPECT_EQ(Text("IDS_CMD_ERROR_INVALID_FORMULA"), g.GetWarningText().c_str());
  s = "=log(0)";
  EXPECT_EQ(0, g.ConvertFormulaToValue(s));
  EXPECT_EQ(Text("IDS_CMD_ERROR_CANT_CALC_FORMULA"), g.GetWarningText().c_str());
  s = " =2";  // not starting with "="
  EXPECT_EQ(1, g.ConvertFormulaToValue(s));
  EXPECT_EQ(" =2", std::string(s.c_str()));
  g.GetParam()->EnableFormulaEngine(TRUE);  // the grid evaluates formulas itself
  s = "=2*";
  EXPECT_EQ(1, g.ConvertFormulaToValue(s));
  int code = -1;
  EXPECT_EQ(1, g.IsNumeric(" 7 ", code));
  EXPECT_EQ(0, code);
  code = -1;
  EXPECT_EQ(0, g.IsNumeric("", code));
  EXPECT_EQ(-1, code);
}

TEST_F(ValidatingGridTest, MessagesOfTheCodes) {
  struct Case {
    int code;
    const char* longKey;
    const char* doubleKey;
  } cases[] = {{1, "IDS_CMD_ERROR_FORMULA_INVALID", "IDS_CMD_ERROR_FORMULA_INVALID"},
               {2, "IDS_CMD_ERROR_REQUIRE_INTEGER", "IDS_CMD_ERROR_CHARACTER_EXIST"},
               {3, "IDS_CMD_ERROR_OUT_OF_RANGE", "IDS_CMD_ERROR_OUT_OF_RANGE"},
               {4, "IDS_CMD_ERROR_REQUIRE_INTEGER", nullptr},
               {0, nullptr, nullptr},
               {9, nullptr, nullptr}};
  for (const Case& c : cases) {
    AfxClearMessageLog();
    EXPECT_EQ(0, g.InvalidLongNumber(c.code));
    EXPECT_EQ(c.longKey ? Text(c.longKey) : "", LastMessage()) << c.code;
    AfxClearMessageLog();
    EXPECT_EQ(0, g.InvalidDoubleNumber(c.code));
    EXPECT_EQ(c.doubleKey ? Text(c.doubleKey) : "", LastMessage()) << c.code;
  }
  EXPECT_EQ(0, g.ValidateError("plain"));
  EXPECT_EQ("plain", LastMessage());
}

}  // namespace
