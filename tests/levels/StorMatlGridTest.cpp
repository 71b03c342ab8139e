// The story material grid on its own: layout, the text each cell shows, applying, the
// Delete key, paste and the tracer colours.
#include <gtest/gtest.h>

#include "afx/AfxMessageBox.h"
#include "afx/AfxSystem.h"
#include "afx/AfxWinDefs.h"
#include "grid/GXClipboard.h"
#include "levels/CCmdStorMatlGrid.h"
#include "tests/levels/StorMatlFixture.h"

namespace {

class StorMatlGridTest : public StorMatlTest {
 protected:
  void SetUp() override {
    StorMatlTest::SetUp();
    CGXClipboard::Empty();
    grid = std::make_unique<CCmdStorMatlGrid>();
    grid->SetGridWidth(635 + GetSystemMetrics(SM_CXVSCROLL));
    grid->ShowTower(CClassMdul::MAIN_TOWER);
    counter.transactions = 0;
  }
  void TearDown() override {
    grid.reset();
    StorMatlTest::TearDown();
  }
  std::string Cell(ROWCOL r, ROWCOL c) { return grid->GetValueRowCol(r, c).c_str(); }
  // Every story of the main tower uses these materials (0 for none) in the eight columns.
  void SetAll(UINT colm, UINT wall, UINT beam, UINT slab, UINT brace, UINT steel, UINT srcColm, UINT srcBeam) {
    CStringArray names;
    CArray<T_STOR_D> recs;
    for (UINT k : StoriesTopFirst(CClassMdul::MAIN_TOWER)) {
      T_STOR_D s = Story(k);
      s.colmMatlKey = colm, s.wallMatlKey = wall, s.beamMatlKey = beam, s.slabMatlKey = slab;
      s.braceMatlKey = brace, s.steelMatlKey = steel, s.srcColmMatlKey = srcColm, s.srcBeamMatlKey = srcBeam;
      names.Add(s.name);
      recs.Add(s);
    }
    ASSERT_TRUE(stor->TR_Modify2(names, recs));
    grid->ShowTower(CClassMdul::MAIN_TOWER);
    counter.transactions = 0;
  }
  std::unique_ptr<CCmdStorMatlGrid> grid;
};

TEST_F(StorMatlGridTest, HeadersStoriesTopFirstWidthsAndChoices) {
  ASSERT_EQ(grid->GetColCount(), 8u);
  ASSERT_EQ(grid->GetRowCount(), 5u) << "row 1 and the four stories of the main tower (base included)";
  EXPECT_EQ(Cell(0, 0), Text("IDS_WG_CMD_STORY_MATL_NAME"));
  EXPECT_EQ(Cell(0, 1), Text("IDS_WG_CMD_STORY_MATL_RC"));
  EXPECT_EQ(Cell(0, 6), Text("IDS_WG_CMD_STORY_MATL_STEEL"));
  EXPECT_EQ(Cell(0, 7), Text("IDS_WG_CMD_STORY_MATL_SRC"));
  const char* row1[] = {"IDS_WG_CMD_STORY_MATL_COLM", "IDS_WG_CMD_STORY_MATL_WALL", "IDS_WG_CMD_STORY_MATL_BEAM",
                        "IDS_WG_CMD_STORY_MATL_SLAB", "IDS_WG_CMD_STORY_MATL_BRACE"};
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Cell(1, c), Text(row1[c - 1])) << c;
  EXPECT_EQ(Cell(1, 7), Text("IDS_WG_CMD_STORY_MATL_COLM"));
  EXPECT_EQ(Cell(1, 8), Text("IDS_WG_CMD_STORY_MATL_BEAM"));
  CGXRange cover;
  ASSERT_TRUE(grid->GetCoveredCellsRowCol(1, 6, cover));
  EXPECT_TRUE(cover == CGXRange(0, 6, 1, 6));
  ASSERT_TRUE(grid->GetCoveredCellsRowCol(0, 5, cover));
  EXPECT_TRUE(cover == CGXRange(0, 1, 0, 5));

  EXPECT_EQ(Cell(2, 0), "3F");
  EXPECT_EQ(Cell(4, 0), "1F");
  EXPECT_EQ(grid->GetStoryOfRow(2), stor->GetKey("3F", CClassMdul::MAIN_TOWER));

  // The grid width is spread by the weights (70, 65 x 5, 80 x 3 of 635 plus a scroll bar).
  EXPECT_EQ(grid->GetColWidth(0), 70);
  EXPECT_EQ(grid->GetColWidth(3), 65);
  EXPECT_EQ(grid->GetColWidth(8), 80);
  for (ROWCOL r = 0; r <= grid->GetRowCount(); ++r) EXPECT_EQ(grid->GetRowHeight(r), 20);

  CGXStyle st;
  grid->ComposeStyleRowCol(2, 2, st);
  EXPECT_EQ(st.GetControl(), (UINT)GX_IDS_CTRL_CBS_DROPDOWNLIST);
  EXPECT_STREQ(st.GetChoiceList().c_str(), "C40\nC30\n");
  grid->ComposeStyleRowCol(2, 6, st);
  EXPECT_STREQ(st.GetChoiceList().c_str(), "Q355\nQ235\n");
  grid->ComposeStyleRowCol(2, 8, st);
  EXPECT_STREQ(st.GetChoiceList().c_str(), "C50/Q390\n");
  EXPECT_EQ(st.GetHorizontalAlignment(), GX_HA_LEFT);
  EXPECT_FALSE(grid->IsCellEditable(1, 2)) << "row 1 is a header row";
  EXPECT_EQ(grid->UserEditCell(1, 2, "C40"), 0);
  ROWCOL r = 0, c = 0;
  ASSERT_TRUE(grid->GetCurrentCell(r, c));
  EXPECT_EQ(r, 2u);
  EXPECT_EQ(c, 1u);
}

TEST_F(StorMatlGridTest, CellTextFromTheStoryTheFallbackGradeOrTheFirstOfItsType) {
  // Stories start with key 0 everywhere: the fallback grade where it exists ("C30",
  // "Q235"), else the first material of the type (there is no "C40/Q345").
  for (int c = 1; c <= 5; ++c) EXPECT_EQ(Cell(2, c), "C30") << c;
  EXPECT_EQ(Cell(2, 6), "Q235");
  EXPECT_EQ(Cell(2, 7), "C50/Q390");

  // Without the fallback grade and without any material of the type: an empty cell.
  ASSERT_TRUE(matl->TR_Del(src));
  grid->ShowTower(CClassMdul::MAIN_TOWER);
  EXPECT_EQ(Cell(2, 8), "");
  EXPECT_TRUE(grid->GetNames(CCmdStorMatlGrid::TYPE_SRC).IsEmpty());
  src = AddMatl("C50/Q390", "SRC");

  // A key shows its material by name whatever its type; a key no material has falls back.
  SetAll(c40, q355, src, 999, 0, c30, q235, 0);
  const char* expected[] = {"C40", "Q355", "C50/Q390", "C30", "C30", "C30", "Q235", "C50/Q390"};
  for (int c = 1; c <= 8; ++c) EXPECT_EQ(Cell(3, c), expected[c - 1]) << c;
}

TEST_F(StorMatlGridTest, ApplyWritesTheWholeTowerInOneTransactionOnlyWhenSomethingChanged) {
  SetAll(c40, c40, c40, c40, c40, q355, src, src);
  EXPECT_EQ(grid->ApplyMaterials(), 1);
  EXPECT_EQ(counter.transactions, 0) << "no change, no transaction";

  ASSERT_EQ(grid->UserEditCell(3, 3, "C30"), 1);
  ASSERT_EQ(grid->UserEditCell(4, 6, "Q235"), 1);
  EXPECT_EQ(grid->ApplyMaterials(), 1);
  EXPECT_EQ(counter.transactions, 1);
  const size_t stories = StoriesTopFirst(CClassMdul::MAIN_TOWER).size();
  EXPECT_EQ(counter.lastCodes.size(), 2 * stories) << "every story of the tower, MFD and MFS";
  EXPECT_EQ(Story(stor->GetKey("2F", CClassMdul::MAIN_TOWER)).beamMatlKey, c30);
  EXPECT_EQ(Story(stor->GetKey("1F", CClassMdul::MAIN_TOWER)).steelMatlKey, q235);
  EXPECT_EQ(Story(stor->GetKey("3F", CClassMdul::MAIN_TOWER)).beamMatlKey, c40);
  EXPECT_EQ(Story(stor->GetKey("E1F", east)).beamMatlKey, 0u) << "other towers untouched";
  EXPECT_EQ(grid->ApplyMaterials(), 1);
  EXPECT_EQ(counter.transactions, 1);
}

TEST_F(StorMatlGridTest, ApplyStoresWhatTheCellsShowFallbacksAndForeignTypesIncluded) {
  SetAll(q355, 0, 0, 0, 0, 0, 0, 0);
  EXPECT_EQ(grid->ApplyMaterials(), 1);
  EXPECT_EQ(counter.transactions, 1);
  T_STOR_D s = Story(stor->GetKey("3F", CClassMdul::MAIN_TOWER));
  EXPECT_EQ(s.colmMatlKey, q355) << "a steel material in a concrete column is kept";
  EXPECT_EQ(s.wallMatlKey, c30) << "the fallback grade shown is written";
  EXPECT_EQ(s.steelMatlKey, q235);
  EXPECT_EQ(s.srcBeamMatlKey, src) << "the first material of the type";
}

TEST_F(StorMatlGridTest, DeleteKeyClearsNothing) {
  grid->SetCurrentCell(2, 2);
  grid->SelectRange(CGXRange(2, 1, 3, 8));
  EXPECT_TRUE(grid->ProcessKeys(nullptr, WM_KEYDOWN, VK_DELETE));
  EXPECT_EQ(Cell(2, 2), "C30");
  EXPECT_EQ(Cell(3, 8), "C50/Q390");
}

TEST_F(StorMatlGridTest, PasteChecksNamesByColumnTypeAndRanges) {
  struct Case {
    int row, col;
    const char* text;
    const char* message;  // NULL: pasted
    int checkCol;         // a cell of the row after the paste
    const char* shows;
  } cases[] = {
      {2, 1, "C40\tC40", nullptr, 2, "C40"},
      {2, 1, "Nothing", "IDS_WG_CMD_MC_ERROR_Invalid_Input", 1, "C30"},
      {2, 2, "Q235", "IDS_WG_CMD_MC_ERROR_Invalid_Input", 2, "C30"},  // steel in a concrete column
      {3, 6, "Q355\tC50/Q390\tC50/Q390", nullptr, 6, "Q355"},
      {3, 7, "C50/Q390\tC50/Q390\tC50/Q390", "IDS_UTIL__Too_Large_Copy_Range_", 8, "C50/Q390"},
  };
  for (const Case& k : cases) {
    grid->ShowTower(CClassMdul::MAIN_TOWER);
    AfxClearMessageLog();
    grid->UserPaste(k.row, k.col, k.text);
    if (k.message) EXPECT_EQ(LastMessage(), Text(k.message)) << k.text;
    else EXPECT_EQ(AfxGetMessageCount(), 0) << k.text;
    EXPECT_EQ(Cell(k.row, k.checkCol), k.shows) << k.text;
  }
  EXPECT_EQ(counter.transactions, 0) << "pasting writes nothing before the apply";
}

TEST_F(StorMatlGridTest, OneRowPastedOnThreeSelectedRowsIsRepeated) {
  CGXClipboard::SetText("C40\tC40\tC40\tC40\tC40\tQ355\tC50/Q390\tC50/Q390");
  grid->SetCurrentCell(2, 1);
  grid->SelectRange(CGXRange().SetRows(2, 4));
  grid->Paste();
  for (ROWCOL r = 2; r <= 4; ++r) {
    EXPECT_EQ(Cell(r, 1), "C40") << r;
    EXPECT_EQ(Cell(r, 6), "Q355") << r;
  }
  EXPECT_EQ(Cell(5, 1), "C30") << "the row past the selection";

  // Two rows onto three: the ranges differ.
  grid->ClearSelection();
  CGXClipboard::SetText("C40\nC40");
  grid->SelectRange(CGXRange(2, 1, 4, 1));
  grid->Paste();
  EXPECT_EQ(LastMessage(), Text("IDS_UTIL__Not_Equal_Copy_Range_And_Object_Range_"));
}

TEST_F(StorMatlGridTest, TracerPaintsTheColumnsOfTheCheckModeForFlaggedStoriesOnly) {
  const UINT flaggedStory = stor->GetKey("2F", CClassMdul::MAIN_TOWER);  // row 3
  CUIntArray flagged;
  flagged.Add(flaggedStory);
  struct Case {
    int mode;
    const char* red;  // columns 1 to 8 of the flagged row
  } cases[] = {{19, "00110000"}, {20, "10100000"}, {21, "11000000"}, {22, "10000000"}, {24, "10000000"},
               {23, "01000000"}, {25, "01000000"}, {26, "11111000"}, {27, "11111000"}, {17, "00000000"}};
  for (const Case& k : cases) {
    doc->StartTracerMode(k.mode, flagged);
    std::string red, other;
    for (ROWCOL c = 1; c <= 8; ++c) {
      CGXStyle st;
      grid->ComposeStyleRowCol(3, c, st);
      red += st.GetInterior() == RGB(255, 0, 0) ? '1' : '0';
      grid->ComposeStyleRowCol(2, c, st);
      other += st.GetInterior() == RGB(255, 0, 0) ? '1' : '0';
    }
    EXPECT_EQ(red, k.red) << k.mode;
    EXPECT_EQ(other, "00000000") << k.mode;
  }
  doc->EndTracerMode();
  CGXStyle st;
  grid->ComposeStyleRowCol(3, 3, st);
  EXPECT_NE(st.GetInterior(), RGB(255, 0, 0));
}

TEST_F(StorMatlGridTest, TowerWithoutStoriesShowsTheHeaderRowsOnly) {
  T_MDUL_D t;
  t.name = "Empty";
  ASSERT_TRUE(mdul->TR_Add(t));
  counter.transactions = 0;
  grid->ChangeTower(mdul->GetKey("Empty"));
  EXPECT_EQ(grid->GetRowCount(), 1u);
  EXPECT_EQ(grid->GetStoryCount(), 0);
  EXPECT_EQ(grid->ApplyMaterials(), 1);
  EXPECT_EQ(counter.transactions, 0);
  grid->ChangeTower(east);
  EXPECT_EQ(grid->GetRowCount(), 3u);
  EXPECT_EQ(Cell(2, 0), "E2F");
}

TEST_F(StorMatlGridTest, SelectionReportsACountAndNoKeys) {
  ASSERT_EQ(grid->UserSelectRows({2, 4}), 1);
  CUIntArray keys;
  EXPECT_EQ(grid->GetKeysForSelectedRows(keys), 2);
  ASSERT_EQ(keys.GetSize(), 2);
  EXPECT_EQ(keys[0], 0u);
  CUIntArray selected;
  EXPECT_EQ(grid->GetSelectedKeys(selected), 2);
}

}  // namespace
