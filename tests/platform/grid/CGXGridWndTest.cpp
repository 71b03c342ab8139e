#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxSystem.h"
#include "afx/CUserDriver.h"
#include "afx/afxwin.h"
#include "grid/CGXGridWnd.h"
#include "grid/GXClipboard.h"
#include "grid/GXKeyState.h"

namespace {

// A grid of rows x cols whose cells read "r,c".
void Fill(CGXGridWnd& g, ROWCOL rows, ROWCOL cols) {
  g.Initialize();
  g.SetRowCount(rows);
  g.SetColCount(cols);
  for (ROWCOL r = 0; r <= rows; ++r)
    for (ROWCOL c = 1; c <= cols; ++c) {
      CString s;
      s.Format("%u,%u", r, c);
      g.SetValueRange(CGXRange(r, c), (LPCTSTR)s);
    }
}

std::string Col(CGXGridWnd& g, ROWCOL c) {
  std::string s;
  for (ROWCOL r = 1; r <= g.GetRowCount(); ++r) s += std::string(r > 1 ? " " : "") + g.GetValueRowCol(r, c).c_str();
  return s;
}

class GridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    AfxClearMessageLog();
    CGXClipboard::Empty();
  }
  void TearDown() override { AfxClearMessageLog(); }
  CGXGridWnd g;
};

TEST_F(GridTest, RowsInsertRemoveAndMoveKeepCellTexts) {
  Fill(g, 5, 1);
  g.InsertRows(2, 2);
  EXPECT_EQ("1,1   2,1 3,1 4,1 5,1", Col(g, 1));
  g.RemoveRows(2, 3);
  EXPECT_EQ("1,1 2,1 3,1 4,1 5,1", Col(g, 1));
  // Rows 1-2 dropped on row 5 end up before the old row 5.
  EXPECT_TRUE(g.MoveRows(1, 2, 5));
  EXPECT_EQ("3,1 4,1 1,1 2,1 5,1", Col(g, 1));
  // Up: row 5 dropped on row 1.
  EXPECT_TRUE(g.MoveRows(5, 5, 1));
  EXPECT_EQ("5,1 3,1 4,1 1,1 2,1", Col(g, 1));
  // A drop inside the block or right after it changes nothing; to the end is allowed.
  for (ROWCOL dest : {2u, 3u, 4u}) EXPECT_TRUE(g.MoveRows(2, 3, dest));
  EXPECT_EQ("5,1 3,1 4,1 1,1 2,1", Col(g, 1));
  EXPECT_TRUE(g.MoveRows(1, 1, 6));
  EXPECT_EQ("3,1 4,1 1,1 2,1 5,1", Col(g, 1));
  EXPECT_FALSE(g.MoveRows(0, 1, 3));
  EXPECT_FALSE(g.MoveRows(1, 9, 3));
}

// Many rows inserted or removed in one pass end up as one row at a time in ascending order
// would put them; the current cell follows its row, and a list out of order or range
// changes nothing.
TEST_F(GridTest, RowSetsInsertAndRemoveInOnePass) {
  struct Case {
    const char* what;
    std::vector<ROWCOL> rows;
    bool insert;
    bool ok;
    const char* after;
    ROWCOL current;  // the current row afterwards (0: none); row 3 is current before
  };
  const Case cases[] = {
      {"remove scattered, the current row too", {1, 3, 5}, false, true, "2,1 4,1", 0},
      {"remove around the current row", {2, 4}, false, true, "1,1 3,1 5,1", 2},
      {"remove above", {1, 2}, false, true, "3,1 4,1 5,1", 1},
      {"remove all", {1, 2, 3, 4, 5}, false, true, "", 0},
      {"remove out of order", {3, 1}, false, false, "1,1 2,1 3,1 4,1 5,1", 3},
      {"remove past the end", {5, 6}, false, false, "1,1 2,1 3,1 4,1 5,1", 3},
      {"insert at the top", {1, 2}, true, true, "  1,1 2,1 3,1 4,1 5,1", 5},
      {"insert scattered", {2, 4, 8}, true, true, "1,1  2,1  3,1 4,1 5,1 ", 5},
      {"insert at the end", {6, 7}, true, true, "1,1 2,1 3,1 4,1 5,1  ", 3},
      {"insert past the new end", {8}, true, false, "1,1 2,1 3,1 4,1 5,1", 3},
      {"insert repeated", {2, 2}, true, false, "1,1 2,1 3,1 4,1 5,1", 3},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CGXGridWnd grid;
    Fill(grid, 5, 1);
    ASSERT_TRUE(grid.SetCurrentCell(3, 1));
    EXPECT_EQ(c.ok, (bool)(c.insert ? grid.InsertRowSet(c.rows) : grid.RemoveRowSet(c.rows)));
    EXPECT_EQ(c.after, Col(grid, 1));
    ROWCOL r = 0, col = 0;
    EXPECT_EQ(c.current, grid.GetCurrentCell(r, col) ? r : 0u);
  }
}

// A grid that lets rows be dragged only downwards.
class CDownOnlyGrid : public CGXGridWnd {
 public:
  int asked = 0;
  BOOL MoveRows(ROWCOL nFrom, ROWCOL nTo, ROWCOL nDest, UINT flags) override {
    ++asked;
    return nDest > nTo ? CGXGridWnd::MoveRows(nFrom, nTo, nDest, flags) : FALSE;
  }
};

TEST_F(GridTest, DraggedRowsAskTheOwner) {
  CDownOnlyGrid d;
  Fill(d, 3, 1);
  EXPECT_EQ(1, d.UserDragRows(3, 3, 1));
  EXPECT_EQ("1,1 2,1 3,1", Col(d, 1));
  EXPECT_EQ(1, d.UserDragRows(1, 1, 4));
  EXPECT_EQ("2,1 3,1 1,1", Col(d, 1));
  EXPECT_EQ(2, d.asked);
  EXPECT_EQ(0, d.UserDragRows(1, 5, 1));
  d.GetParam()->EnableMoveRows(FALSE);
  EXPECT_EQ(0, d.UserDragRows(1, 1, 4));
  EXPECT_EQ(2, d.asked);
}

TEST_F(GridTest, StylesComposeStandardColumnRowCell) {
  Fill(g, 3, 3);
  g.ChangeStandardStyle(CGXStyle().SetInterior(1).SetTextColor(1));
  g.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetInterior(2).SetReadOnly(TRUE));
  g.SetStyleRange(CGXRange().SetRows(2), CGXStyle().SetInterior(3));
  g.SetStyleRange(CGXRange(2, 2), CGXStyle().SetTextColor(4));
  CGXStyle s;
  g.ComposeStyleRowCol(1, 1, s);
  EXPECT_EQ(1u, s.GetInterior());
  g.ComposeStyleRowCol(1, 2, s);
  EXPECT_EQ(2u, s.GetInterior());
  EXPECT_TRUE(s.GetReadOnly());
  g.ComposeStyleRowCol(2, 2, s);
  EXPECT_EQ(3u, s.GetInterior());
  EXPECT_EQ(4u, s.GetTextColor());
  EXPECT_EQ("2,2", std::string(s.GetValue().c_str()));
  EXPECT_TRUE(g.GetColStyle(2).GetIncludeReadOnly());
  EXPECT_FALSE(g.GetRowStyle(2).GetIncludeReadOnly());
  // gxApplyNew keeps what is set; gxExclude removes.
  CGXStyle a;
  a.SetInterior(5).ChangeStyle(CGXStyle().SetInterior(6).SetReadOnly(TRUE), gxApplyNew);
  EXPECT_EQ(5u, a.GetInterior());
  EXPECT_TRUE(a.GetReadOnly());
  a.ChangeStyle(CGXStyle().SetReadOnly(FALSE), gxExclude);
  EXPECT_FALSE(a.GetIncludeReadOnly());
}

TEST_F(GridTest, UserCannotEditWhatIsReadOnlyHiddenCoveredOrOutOfChoices) {
  Fill(g, 4, 4);
  g.SetStyleRange(CGXRange(1, 1), CGXStyle().SetReadOnly(TRUE));
  g.SetStyleRange(CGXRange(1, 2), CGXStyle().SetEnabled(FALSE));
  g.HideRows(2, 2);
  g.HideCols(4, 4);
  g.SetCoveredCellsRowCol(3, 1, 4, 2);
  g.SetStyleRange(CGXRange().SetCols(3),
                  CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList("Rigid\nPlate\n"));
  struct Case {
    int row, col;
    const char* text;
    int done;
  } cases[] = {
      {1, 1, "x", 0}, {1, 2, "x", 0}, {2, 3, "Plate", 0}, {1, 4, "x", 0}, {4, 2, "x", 0}, {0, 1, "x", 0},
      {9, 1, "x", 0}, {1, 3, "Shell", 0}, {1, 3, "Pla", 0}, {1, 3, "Plate", 1}, {3, 1, "top-left", 1},
  };
  for (const Case& c : cases) {
    CString before = g.GetValueRowCol((ROWCOL)std::max(c.row, 0), (ROWCOL)c.col);
    EXPECT_EQ(c.done, g.UserEditCell(c.row, c.col, c.text)) << c.row << "," << c.col << " " << c.text;
    if (!c.done) {
      EXPECT_EQ(before, g.GetValueRowCol((ROWCOL)std::max(c.row, 0), (ROWCOL)c.col));
    }
  }
  EXPECT_EQ("Plate", std::string(g.GetValueRowCol(1, 3).c_str()));
  EXPECT_EQ("", std::string(g.UserGetCellText(4, 2).c_str()));  // covered
  g.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetReadOnly(FALSE));
  EXPECT_EQ(0, g.UserEditCell(1, 1, "yes"));
  EXPECT_EQ(1, g.UserEditCell(1, 1, "1"));
  g.SetStyleRange(CGXRange(1, 1), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN));
  EXPECT_EQ(0, g.UserEditCell(1, 1, "0"));
}

// A grid whose cells of column 1 must not be "bad"; it records its notifications.
class CCheckingGrid : public CGXGridWnd {
 public:
  std::vector<std::string> log;

 protected:
  BOOL OnStartEditing(ROWCOL r, ROWCOL c) override {
    log.push_back("start " + std::to_string(r) + "," + std::to_string(c) + " " + GetValueRowCol(r, c).c_str());
    return TRUE;
  }
  BOOL OnValidateCell(ROWCOL, ROWCOL c) override {
    log.push_back(std::string("validate ") + GetEditText().c_str());
    if (c == 1 && GetEditText() == "bad") {
      SetWarningText("no bad here");
      return FALSE;
    }
    return TRUE;
  }
  BOOL OnEndEditing(ROWCOL, ROWCOL) override {
    log.push_back(std::string("end ") + GetTextBeforeEdit().c_str() + "->" + GetValueRowCol(m_row(), 1).c_str());
    return TRUE;
  }
  void OnModifyCell(ROWCOL r, ROWCOL c) override { log.push_back("modify " + std::to_string(r) + "," + std::to_string(c)); }
  ROWCOL m_row() const {
    ROWCOL r = 0, c = 0;
    GetCurrentCell(r, c);
    return r;
  }
};

TEST_F(GridTest, EditValidatesThenStoresAndAFailedValidationKeepsTheEdit) {
  CCheckingGrid cg;
  Fill(cg, 2, 2);
  EXPECT_EQ(1, cg.UserEditCell(1, 1, "good"));
  EXPECT_EQ((std::vector<std::string>{"start 1,1 1,1", "validate good", "end 1,1->good", "modify 1,1"}), cg.log);
  cg.log.clear();
  EXPECT_EQ(1, cg.UserEditCell(2, 1, "bad"));
  EXPECT_EQ((std::vector<std::string>{"start 2,1 2,1", "validate bad"}), cg.log);
  ASSERT_NE(nullptr, AfxGetLastMessage());
  EXPECT_EQ("no bad here", std::string(AfxGetLastMessage()->text.c_str()));
  EXPECT_TRUE(cg.IsEditing());
  EXPECT_EQ("2,1", std::string(cg.GetExpressionRowCol(2, 1).c_str()));  // not stored
  EXPECT_EQ("bad", std::string(cg.GetEditText().c_str()));
  EXPECT_EQ("", std::string(cg.GetWarningText().c_str()));  // shown once, then cleared
  cg.CancelEditing();
  EXPECT_FALSE(cg.IsEditing());
  EXPECT_EQ("2,1", std::string(cg.GetValueRowCol(2, 1).c_str()));
}

TEST_F(GridTest, DescribeShowsVisibleRowsAndColumnsWithoutTheRowHeader) {
  Fill(g, 3, 3);
  g.HideRows(2, 2);
  g.HideCols(1, 1);
  g.SetFrozenRows(1);
  EXPECT_EQ(1u, g.GetFrozenRows());
  std::vector<CString> lines = g.UserDescribeCells();
  ASSERT_EQ(3u, lines.size());
  EXPECT_EQ("0,2\t0,3", std::string(lines[0].c_str()));
  EXPECT_EQ("3,2\t3,3", std::string(lines[2].c_str()));
  EXPECT_EQ(2, g.UserFindColumn("0,2"));
  EXPECT_EQ(-1, g.UserFindColumn("0,1"));  // hidden
  g.SetColWidth(2, 3, 130);
  EXPECT_EQ(130, g.GetColWidth(3));
  g.SetRowHeight(0, 0, 40);
  EXPECT_EQ(40, g.GetRowHeight(0));
  // A cell's control characters are escaped: one row stays one line, its cells apart.
  g.SetValueRange(CGXRange(3, 2), "a\tb\nc\\d\re");
  EXPECT_EQ("a\\tb\\nc\\\\d\\x0De\t3,3", std::string(g.UserDescribeCells()[2].c_str()));
}

TEST_F(GridTest, DeselectingCutsRowsAndColumnsOutOfSelectedRanges) {
  Fill(g, 6, 4);
  g.SelectRange(CGXRange().SetRows(1, 5));
  g.SelectRange(CGXRange().SetRows(3), FALSE);
  CUIntArray rows;
  g.GetSelectedRows(rows);
  EXPECT_EQ((std::vector<UINT>{1, 2, 4, 5}), rows.vec());
  g.ClearSelection();
  g.SelectRange(CGXRange().SetCols(1, 4));
  g.SelectRange(CGXRange().SetCols(2), FALSE);
  CUIntArray cols;
  g.GetSelectedCols(cols);
  EXPECT_EQ((std::vector<UINT>{1, 3, 4}), cols.vec());
  EXPECT_TRUE(g.IsCellSelected(6, 3));
  EXPECT_FALSE(g.IsCellSelected(6, 2));
}

TEST_F(GridTest, ClipboardTextSplitsIntoRowsOfCells) {
  struct Case {
    const char* text;
    std::vector<std::vector<std::string>> rows;
  } cases[] = {
      {"", {}},
      {"a", {{"a"}}},
      {"a\tb\n", {{"a", "b"}}},
      {"a\tb\r\nc\n", {{"a", "b"}, {"c"}}},
      {"a\t\tb", {{"a", "", "b"}}},
      {"\n\n", {{""}, {""}}},
  };
  for (const Case& c : cases) {
    auto got = CGXClipboard::Split(c.text);
    std::vector<std::vector<std::string>> s;
    for (auto& r : got) {
      s.emplace_back();
      for (auto& x : r) s.back().push_back(x.c_str());
    }
    EXPECT_EQ(c.rows, s) << c.text;
  }
}

TEST_F(GridTest, CopyAndPaste) {
  Fill(g, 3, 4);
  g.SelectRange(CGXRange(1, 1, 2, 2));
  EXPECT_TRUE(g.Copy());
  EXPECT_EQ("1,1\t1,2\n2,1\t2,2\n", std::string(CGXClipboard::GetText().c_str()));
  // A paste that runs past the end grows the grid (rows here); read-only cells keep their
  // text.
  g.SetStyleRange(CGXRange(3, 4), CGXStyle().SetReadOnly(TRUE));
  g.ClearSelection();
  EXPECT_EQ(1, g.UserPaste(3, 3, "a\tb\nc\td"));
  EXPECT_EQ(4u, g.GetRowCount());
  EXPECT_EQ(4u, g.GetColCount());
  EXPECT_EQ("a", std::string(g.GetValueRowCol(3, 3).c_str()));
  EXPECT_EQ("3,4", std::string(g.GetValueRowCol(3, 4).c_str()));
  EXPECT_EQ("d", std::string(g.GetValueRowCol(4, 4).c_str()));
  // One clipboard row over a block repeats down the block.
  CGXClipboard::SetText("x\ty");
  g.SelectRange(CGXRange(1, 1, 3, 2));
  EXPECT_TRUE(g.Paste());
  EXPECT_EQ("x x x ", Col(g, 1));
  EXPECT_EQ("c", std::string(g.GetValueRowCol(4, 3).c_str()));
  EXPECT_EQ("y y y", Col(g, 2).substr(0, 5));
}

TEST_F(GridTest, FormulaEngineShowsValuesWhenSwitchedOn) {
  Fill(g, 1, 2);
  g.SetValueRange(CGXRange(1, 1), "=2*3");
  g.SetValueRange(CGXRange(1, 2), "=1/0");
  EXPECT_EQ("=2*3", std::string(g.GetValueRowCol(1, 1).c_str()));
  g.GetParam()->EnableFormulaEngine(TRUE);
  EXPECT_EQ("6", std::string(g.GetValueRowCol(1, 1).c_str()));
  EXPECT_EQ("#ERROR", std::string(g.GetValueRowCol(1, 2).c_str()));
  EXPECT_EQ("=2*3", std::string(g.GetExpressionRowCol(1, 1).c_str()));
}

TEST_F(GridTest, LockedDrawingDoesNotRedraw) {
  Fill(g, 1, 1);
  g.Redraw();
  BOOL old = g.LockUpdate(TRUE);
  g.Redraw();
  g.Redraw();
  g.LockUpdate(old);
  g.Redraw();
  EXPECT_EQ(2, g.GetRedrawCount());
}

TEST_F(GridTest, NumberFormatsChangeWhatACellShowsNotItsValue) {
  Fill(g, 2, 2);
  struct Case {
    const char* text;
    UINT format;
    int places;
    const char* shown;
  } cases[] = {
      {"0.25", GX_FMT_FIXED, 2, "0.25"},        {"0.3", GX_FMT_FIXED, 4, "0.3000"},
      {"6.5", GX_FMT_FIXED, 0, "6"},            {"0.00005", GX_FMT_SCIENTIFIC, 2, "5.00e-05"},
      {"-2", GX_FMT_SCIENTIFIC, 2, "-2.00e+00"}, {" 7.2e-5 ", GX_FMT_SCIENTIFIC, 4, "7.2000e-05"},
      {"0.3", GX_FMT_GEN, 4, "0.3"},            {"abc", GX_FMT_FIXED, 2, "abc"},
      {"", GX_FMT_FIXED, 2, ""},                {"nan", GX_FMT_FIXED, 2, "nan"},
  };
  for (const Case& k : cases) {
    g.SetValueRange(CGXRange(1, 1), k.text);
    g.SetStyleRange(CGXRange(1, 1), CGXStyle().SetFormat(k.format).SetPlaces(k.places));
    EXPECT_EQ(std::string(k.shown), g.UserGetCellText(1, 1).c_str()) << k.text;
    EXPECT_EQ(std::string(k.text), g.GetValueRowCol(1, 1).c_str()) << k.text;
  }
  // A column's format reaches its cells; the cell's own wins.
  g.SetStyleRange(CGXRange().SetCols(2), CGXStyle().SetFormat(GX_FMT_FIXED).SetPlaces(1));
  g.SetValueRange(CGXRange(2, 2), "3");
  EXPECT_EQ("3.0", std::string(g.UserGetCellText(2, 2).c_str()));
  g.SetStyleRange(CGXRange(2, 2), CGXStyle().SetFormat(GX_FMT_GEN));
  EXPECT_EQ("3", std::string(g.UserGetCellText(2, 2).c_str()));
}

// Keys reach the grid through the user-action driver.
class GridWindowTest : public GridTest {
 protected:
  void SetUp() override {
    GridTest::SetUp();
    ASSERT_TRUE(parent.CreateEx(0, "#32770", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 400, 300), nullptr, 0));
    ASSERT_TRUE(g.Create("GXWND", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 100));
    Fill(g, 3, 3);
    driver.SetDialog(&parent);
  }
  void TearDown() override {
    g.DestroyWindow();
    parent.DestroyWindow();
    GridTest::TearDown();
  }
  CWnd parent;
  CUserDriver driver;
};

TEST_F(GridWindowTest, KeysCopyPasteAndClear) {
  g.SetCurrentCell(1, 1);
  {
    GXHoldKeys ctrl(TRUE, FALSE);
    driver.Key(100, 'C');
  }
  EXPECT_EQ("1,1\n", std::string(CGXClipboard::GetText().c_str()));
  g.SetCurrentCell(2, 2);
  driver.Key(100, VK_INSERT);  // Insert alone pastes nothing
  EXPECT_EQ("2,2", std::string(g.GetValueRowCol(2, 2).c_str()));
  {
    GXHoldKeys shift(FALSE, TRUE);
    driver.Key(100, VK_INSERT);
  }
  EXPECT_EQ("1,1", std::string(g.GetValueRowCol(2, 2).c_str()));
  g.SelectRange(CGXRange().SetRows(3));
  driver.Key(100, VK_DELETE);
  EXPECT_EQ("", std::string(g.GetValueRowCol(3, 1).c_str()) + g.GetValueRowCol(3, 3).c_str());
  // The driver's cell actions reach the grid too.
  EXPECT_EQ(1, driver.EditCell(driver.FindControl(100), 1, 2, "typed"));
  EXPECT_EQ("typed", std::string(g.GetValueRowCol(1, 2).c_str()));
  g.EnableWindow(FALSE);
  EXPECT_EQ(0, driver.EditCell(driver.FindControl(100), 1, 2, "again"));
}

// A grid that records its button clicks.
class ButtonGrid : public CGXGridWnd {
 public:
  std::vector<std::pair<ROWCOL, ROWCOL>> clicks;

 protected:
  void OnClickedButtonRowCol(ROWCOL r, ROWCOL c) override { clicks.push_back({r, c}); }
};

TEST_F(GridWindowTest, AButtonCellsClickReachesTheButtonHookAndOtherClicksDoNot) {
  ButtonGrid b;
  ASSERT_TRUE(b.Create("GXWND", "", WS_CHILD | WS_VISIBLE, CRect(0, 0, 300, 200), &parent, 101));
  Fill(b, 4, 3);
  b.SetStyleRange(CGXRange(2, 1), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN));
  b.SetCoveredCellsRowCol(2, 1, 2, 3);
  b.SetStyleRange(CGXRange(3, 1), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN).SetEnabled(FALSE));
  b.SetStyleRange(CGXRange(4, 1), CGXStyle().SetControl(GX_IDS_CTRL_PUSHBTN));
  b.HideRows(4, 4);
  CWnd* ctl = driver.FindControl(101);
  EXPECT_EQ(1, driver.ClickCell(ctl, 2, 1));
  EXPECT_EQ(1, driver.ClickCell(ctl, 2, 3)) << "a covered cell is part of the button";
  EXPECT_EQ(1, driver.ClickCell(ctl, 1, 1)) << "a plain cell takes the click";
  EXPECT_EQ(0, driver.ClickCell(ctl, 3, 1)) << "disabled";
  EXPECT_EQ(0, driver.ClickCell(ctl, 4, 1)) << "hidden";
  EXPECT_EQ(0, driver.ClickCell(ctl, 9, 1)) << "missing";
  ASSERT_EQ(2u, b.clicks.size());
  EXPECT_EQ(std::make_pair(2u, 1u), b.clicks[0]);
  EXPECT_EQ(std::make_pair(2u, 1u), b.clicks[1]);
  // Pressed on the button and released elsewhere is no click.
  CRect on, off;
  b.CalcRectFromRowCol(2, 1, on);
  b.CalcRectFromRowCol(1, 1, off);
  b.SendMessage(WM_LBUTTONDOWN, 1, MAKELPARAM(on.left + 1, on.top + 1));
  b.SendMessage(WM_LBUTTONUP, 0, MAKELPARAM(off.left + 1, off.top + 1));
  EXPECT_EQ(2u, b.clicks.size());
  b.DestroyWindow();
}

TEST_F(GridWindowTest, TabAndShiftTabLeaveTheGridForTheParentsNextAndPreviousControl) {
  CWnd before, after;
  ASSERT_TRUE(before.Create("EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(0, 210, 50, 230), &parent, 200));
  ASSERT_TRUE(after.Create("EDIT", "", WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(60, 210, 110, 230), &parent, 201));
  g.ModifyStyle(0, WS_TABSTOP);
  // In z order: the grid, then the two edits.
  driver.Key(100, VK_TAB);
  EXPECT_EQ(CWnd::GetFocus(), &before);
  {
    GXHoldKeys shift(FALSE, TRUE);
    driver.Key(100, VK_TAB);
  }
  EXPECT_EQ(CWnd::GetFocus(), &after);
  before.DestroyWindow();
  after.DestroyWindow();
}

}  // namespace
