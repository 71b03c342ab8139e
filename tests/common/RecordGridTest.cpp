// The record-grid framework and the contract base, through a tower grid of the tests' own.
#include <gtest/gtest.h>

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "db/CClassMdul.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "grid/GXClipboard.h"
#include "tests/common/TestTowerGrid.h"

namespace {

const char* LoadStr(const char* key, int) {
  static const std::map<std::string, const char*> texts = {
      {"IDS_WG_CMD_IP_STORY_Grid_ID", "ID"},
      {"IDS_WG_CMD__ADDD__Name", "Name"},
      {"IDS_WG_CMD__ADD2__New_d", "New%d"},
      {"IDS_WG_CMD__ADDD___has_not_been_entered_", " has not been entered."},
      {"IDS_WG_CMD__ADDD___CCmdPlanStoryGrid__ValidateField__Erro", "Unknown column."},
      {"IDS_WG_CMD__ADDD__Error", "Error"},
  };
  auto it = texts.find(key);
  return it == texts.end() ? key : it->second;
}

// Replays every transaction into the grid, as the page hosting it does.
class GridConnector : public DB_CUpdateListener {
 public:
  CTBCommon* grid = nullptr;
  int transactions = 0;
  void OnUpdate(CView*, LPARAM, CObject* hint) override {
    ++transactions;
    if (grid) grid->UpdateBuffer(hint);
  }
};

class RecordGridTest : public ::testing::Test {
 protected:
  void SetUp() override {
    old = CMsgDll::pfuncLoadStr;
    CMsgDll::pfuncLoadStr = LoadStr;
    AfxClearMessageLog();
    CGXClipboard::Empty();
    doc = std::make_unique<CDBDoc>();
    mdul = static_cast<CClassMdul*>(doc->GetModelDB()->GetClass(CClassMdul::m_nClassID));
    T_MDUL_D main;
    ASSERT_TRUE(mdul->Get(CClassMdul::MAIN_TOWER, main));
    main.name = "Main";
    ASSERT_TRUE(mdul->TR_Modify(CClassMdul::MAIN_TOWER, main));
    for (const char* n : {"East", "West"}) {
      T_MDUL_D t;
      t.name = n;
      ASSERT_TRUE(mdul->TR_Add(t));
    }
    grid = std::make_unique<CTestTowerGrid>();
    grid->Setup();
    conn.grid = grid.get();
    conn.ConnectDB(doc->GetModelDB());
    conn.transactions = 0;
  }
  void TearDown() override {
    conn.DisconnectDB();
    grid.reset();
    doc.reset();
    CMsgDll::pfuncLoadStr = old;
    AfxClearMessageLog();
  }
  std::string Names() {
    CUIntArray keys;
    mdul->GetKeyList(keys);
    std::string s;
    for (UINT k : keys) {
      T_MDUL_D t;
      mdul->Get(k, t);
      s += std::string(s.empty() ? "" : ",") + t.name.c_str();
    }
    return s;
  }
  std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }
  const char* (*old)(const char*, int) = nullptr;
  std::unique_ptr<CDBDoc> doc;
  CClassMdul* mdul = nullptr;
  std::unique_ptr<CTestTowerGrid> grid;
  GridConnector conn;
};

using Calls = std::vector<std::string>;

TEST_F(RecordGridTest, FillShowsEveryRecordWithTheAppendRowHiddenOrShown) {
  EXPECT_EQ(Names() + ",", grid->Shown());  // the append row is shown (empty) by default
  EXPECT_EQ("1", std::string(grid->GetValueRowCol(1, 1).c_str()));
  EXPECT_TRUE(grid->IsNumericRowCol(1, 1));
  EXPECT_FALSE(grid->IsNumericRowCol(1, 2));
  EXPECT_EQ(4u, grid->GetRowCount());
  EXPECT_TRUE(grid->IsAppendRow(4));
  grid->EnableAppendRow(FALSE);
  EXPECT_EQ(Names(), grid->Shown());
  std::vector<CString> lines = grid->UserDescribeCells();
  ASSERT_EQ(4u, lines.size());  // header and three towers; the key column is hidden
  EXPECT_EQ("Name", std::string(lines[0].c_str()));
  // The main tower's name cannot be edited; another tower's can.
  EXPECT_EQ(0, grid->UserEditCell(1, 2, "Main"));
  EXPECT_EQ(1, grid->UserEditCell(2, 2, "Ost"));
}

TEST_F(RecordGridTest, EditingACellModifiesItsRecordByTheNameBeforeEditing) {
  ASSERT_EQ(1, grid->UserEditCell(2, 2, "=1+1"));  // a formula becomes its value
  EXPECT_EQ((Calls{"ValidateRecord -> 1", "ModifyRecord 2"}), grid->calls);
  T_MDUL_D t;
  ASSERT_TRUE(mdul->Get(2, t));
  EXPECT_EQ("2", std::string(t.name.c_str()));
  EXPECT_EQ(1, conn.transactions);
  EXPECT_FALSE(grid->IsRowEditPending());
  EXPECT_EQ("2", std::string(grid->GetValueRowCol(2, 2).c_str()));  // from the replay
}

TEST_F(RecordGridTest, TerminatingAnOpenEditCommitsIt) {
  EXPECT_TRUE(grid->OnTerminate(2));  // nothing open
  grid->SetCurrentCell(3, 2);
  ASSERT_TRUE(grid->StartEditing());
  grid->SetEditText("Westend");
  EXPECT_EQ("Westend", std::string(grid->GetValueRowCol(3, 2).c_str()));  // the edit's text
  EXPECT_EQ("West", std::string(grid->GetValueRowColBeforeEdit(3, 2).c_str()));
  EXPECT_TRUE(grid->OnTerminate(2));
  EXPECT_FALSE(grid->IsEditing());
  EXPECT_EQ("Main,East,Westend", Names());
}

TEST_F(RecordGridTest, AnEmptyRequiredCellIsReportedAndTheRowKeepsWhatWasTyped) {
  ASSERT_EQ(1, grid->UserEditCell(2, 2, ""));
  EXPECT_EQ((Calls{"ValidateRecord -> 0"}), grid->calls);
  EXPECT_EQ("Name has not been entered.", LastMessage());
  EXPECT_EQ(0, conn.transactions);
  EXPECT_EQ("", std::string(grid->GetValueRowCol(2, 2).c_str()));
  EXPECT_EQ("East", std::string(grid->GetValueRowColBeforeEdit(2, 2).c_str()));
  // Delete does nothing while the row edit is pending; Escape puts the row back.
  grid->SelectRange(CGXRange().SetRows(2));
  EXPECT_EQ(0, grid->DeleteSelectedRows());
  grid->ProcessKeys(grid.get(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ("East", std::string(grid->GetValueRowCol(2, 2).c_str()));
  EXPECT_FALSE(grid->IsRowEditPending());
}

TEST_F(RecordGridTest, ValidateRecordJoinsTheLinesOfEmptyRequiredCells) {
  grid->AddRequiredColumn(0);  // the key too, for this test
  CStringArray strings;
  strings.SetSize(2);
  CUIntArray map;
  grid->GetColumnNumbers(map);
  EXPECT_EQ(0, grid->ValidateRecord(strings, map));
  EXPECT_EQ("Name has not been entered.\nID has not been entered.", std::string(grid->GetWarningText().c_str()));
  // A field of an unknown column index fails with the grid's own error.
  grid->SetWarningText("");
  EXPECT_EQ(0, grid->ValidateField("x", 2));
  EXPECT_EQ("Unknown column.", std::string(grid->GetWarningText().c_str()));
  CString text;
  grid->FieldToText(7, T_MDUL_D(), text);
  EXPECT_EQ("Error", std::string(text.c_str()));
}

TEST_F(RecordGridTest, KeyCellWithAFormulaOrNothingReadsAsItsValue) {
  struct Case {
    const char* cell;
    UINT key;
  } cases[] = {{"=1+1", 2}, {"", 0}, {"3", 3}, {"=1/0", 0}};
  for (const Case& c : cases) {
    grid->SetValueRange(CGXRange(2, 1), c.cell);
    UINT key = 99;
    T_MDUL_D rec;
    ASSERT_EQ(1, grid->RowToRecord(2, key, rec)) << c.cell;
    EXPECT_EQ(c.key, key) << c.cell;
  }
  UINT key = 0;
  T_MDUL_D rec;
  EXPECT_EQ(0, grid->RowToRecord(0, key, rec));
  EXPECT_EQ(0, grid->RowToRecord(grid->GetAppendRowNo(), key, rec));
  EXPECT_EQ(0, grid->RowToRecord(99, key, rec));
}

TEST_F(RecordGridTest, TypingInTheAppendRowAddsARecordWithTheNextFreeDefaultName) {
  T_MDUL_D t;
  t.name = "New1";
  ASSERT_TRUE(mdul->TR_Add(t));  // shown through the replay
  grid->calls.clear();
  ROWCOL append = grid->GetAppendRowNo();
  EXPECT_EQ(5u, append);
  // Typing in the key column: the name cell gets the first free default name.
  grid->HideColsByIntend(1, 1, FALSE);
  grid->SetStyleRange(CGXRange(append, 1), CGXStyle().SetEnabled(TRUE));
  ASSERT_EQ(1, grid->UserEditCell((int)append, 1, ""));
  EXPECT_EQ((Calls{"ValidateRecord -> 1", "AddRecord 5"}), grid->calls);
  EXPECT_EQ("Main,East,West,New1,New2", Names());
  EXPECT_EQ("Main,East,West,New1,New2,", grid->Shown());
  // Typing the name itself keeps it.
  ASSERT_EQ(1, grid->UserEditCell((int)grid->GetAppendRowNo(), 2, "Tall"));
  EXPECT_EQ("Main,East,West,New1,New2,Tall", Names());
}

TEST_F(RecordGridTest, AFailedAddKeepsTheNewRowUntilAnotherRowIsEdited) {
  ASSERT_EQ(1, grid->UserEditCell(4, 2, "East"));  // a name the table already has
  EXPECT_EQ((Calls{"ValidateRecord -> 1", "AddRecord 4"}), grid->calls);
  EXPECT_EQ("Main,East,West", Names());
  EXPECT_EQ("Main,East,West,East,", grid->Shown());
  EXPECT_TRUE(grid->IsPendingRowNew());
  EXPECT_EQ(5u, grid->GetAppendRowNo());
  ASSERT_EQ(1, grid->UserEditCell(2, 2, "Ost"));
  EXPECT_EQ("Main,Ost,West", Names());
  EXPECT_EQ("Main,Ost,West,", grid->Shown());
  // Escape drops a new row as well.
  ASSERT_EQ(1, grid->UserEditCell(4, 2, "West"));
  grid->ProcessKeys(grid.get(), WM_KEYDOWN, VK_ESCAPE);
  EXPECT_EQ("Main,Ost,West,", grid->Shown());
}

TEST_F(RecordGridTest, AppendRowOffRefusesNewRows) {
  grid->EnableAppendRow(FALSE);
  EXPECT_EQ(0, grid->UserEditCell((int)grid->GetAppendRowNo(), 2, "X"));
  EXPECT_EQ(1, grid->UserPaste(3, 2, "A\nB"));  // B would need a new row: nothing pasted
  EXPECT_EQ("Main,East,West", Names());
}

TEST_F(RecordGridTest, PasteAddsAndModifiesInOneTransactionEach) {
  ASSERT_EQ(1, grid->UserPaste(3, 2, "Wide\nFresh\nNewer"));
  EXPECT_EQ((Calls{"ValidateRecord -> 1", "NewRecordFromStrings 3|Wide -> 1", "ValidateRecord -> 1",
                   "NewRecordFromStrings |Fresh -> 1", "ValidateRecord -> 1", "NewRecordFromStrings |Newer -> 1",
                   "AddRecords Fresh,Newer", "ModifyRecords 3 Wide", "FreeNewRecords 2", "FreeNewRecords 1"}),
            grid->calls);
  EXPECT_EQ(1, conn.transactions);  // the add and the modify commit together, one notification
  EXPECT_EQ("Main,East,Wide,Fresh,Newer", Names());
  EXPECT_EQ("Main,East,Wide,Fresh,Newer,", grid->Shown());
}

TEST_F(RecordGridTest, APasteWithAnInvalidRowWritesNothingAndFreesEverything) {
  ASSERT_EQ(1, grid->UserPaste(2, 2, "Ost\n\nMore"));
  EXPECT_EQ((Calls{"ValidateRecord -> 1", "NewRecordFromStrings 2|Ost -> 1", "ValidateRecord -> 0",
                   "NewRecordFromStrings 3| -> 0", "FreeNewRecords 0", "FreeNewRecords 2"}),
            grid->calls);
  EXPECT_EQ(0, conn.transactions);
  EXPECT_EQ("Name has not been entered.", LastMessage());
  // A formula that fails pastes nothing either.
  grid->calls.clear();
  ASSERT_EQ(1, grid->UserPaste(2, 2, "=1/"));
  EXPECT_EQ((Calls{"FreeNewRecords 0", "FreeNewRecords 0"}), grid->calls);
  EXPECT_EQ("Main,East,West", Names());
}

TEST_F(RecordGridTest, APasteWhoseSecondWriteIsRefusedWritesNothing) {
  // New rows are added, then the replaced row's modification is refused (East exists):
  // the added records must not stay behind.
  ASSERT_EQ(1, grid->UserPaste(3, 2, "East\nFresh"));
  EXPECT_EQ("Main,East,West", Names());
  EXPECT_EQ("Main,East,West,", grid->Shown());
  EXPECT_FALSE(doc->GetModelDB()->InGroup());
  // The other way round: the modification would succeed, the additions are refused.
  ASSERT_EQ(1, grid->UserPaste(3, 2, "Wide\nTwin\nTwin"));
  EXPECT_EQ("Main,East,West", Names());
  EXPECT_EQ("Main,East,West,", grid->Shown());
}

TEST_F(RecordGridTest, OneRowPastedDownAWholeColumnSkipsTheHiddenAppendRow) {
  ASSERT_TRUE(mdul->TR_Del(2));
  grid->EnableAppendRow(FALSE);
  grid->SetCurrentCell(2, 2);
  grid->SelectRange(CGXRange().SetCols(2));
  CGXClipboard::SetText("Solo");
  EXPECT_TRUE(grid->Paste());  // the main tower's name cell is disabled and keeps its name
  EXPECT_EQ("Main,Solo", Names());
  EXPECT_EQ("Main,Solo", grid->Shown());
}

TEST_F(RecordGridTest, DeleteTakesTheSelectedRowsButNotTheAppendRow) {
  grid->UserSelectRows({2, 3, 4});
  CUIntArray keys;
  EXPECT_EQ(2, grid->GetSelectedKeys(keys));
  EXPECT_EQ((std::vector<UINT>{2, 3}), keys.vec());
  EXPECT_EQ(1, grid->DeleteSelectedRows());
  EXPECT_EQ((Calls{"DeleteRecords 2,3"}), grid->calls);
  EXPECT_EQ(1, conn.transactions);
  EXPECT_EQ("Main", Names());
  EXPECT_EQ("Main,", grid->Shown());
}

TEST_F(RecordGridTest, DeleteFindsRecordsByTheNamesShownBeforeEditing) {
  // A refused commit leaves "Typo" in the cell; the old name still names the record.
  grid->SetCanSaveData(FALSE);
  ASSERT_EQ(1, grid->UserEditCell(3, 2, "Typo"));
  grid->SetCanSaveData(TRUE);
  CUIntArray rows;
  rows.Add(3);
  EXPECT_EQ(1, grid->DeleteRecords(rows));
  EXPECT_EQ("Main,East", Names());
}

TEST_F(RecordGridTest, AnEmptyDeleteMakesNoTransaction) {
  CUIntArray none;
  EXPECT_EQ(1, grid->DeleteRecords(none));
  grid->UserSelectRows({4});  // only the append row
  EXPECT_EQ(1, grid->DeleteSelectedRows());
  EXPECT_EQ(0, conn.transactions);
  // With no selection the current row's record goes, unless it is the append row.
  grid->ClearSelection();
  grid->SetCurrentCell(3, 2);
  EXPECT_EQ(1, grid->DeleteSelectedRows());
  EXPECT_EQ((Calls{"DeleteRecords ", "DeleteRecord 3"}), grid->calls);
  EXPECT_EQ("Main,East", Names());
}

TEST_F(RecordGridTest, ARefusedDeleteChangesNothing) {
  grid->UserSelectRows({1});
  EXPECT_EQ(0, grid->DeleteSelectedRows());  // the main tower cannot be deleted
  EXPECT_EQ("Main,East,West", Names());
  EXPECT_EQ("Main,East,West,", grid->Shown());
}

TEST_F(RecordGridTest, ChangesMadeElsewhereReachTheGridAndKeepTheSelection) {
  grid->UserSelectRows({3});
  T_MDUL_D t;
  t.name = "North";
  ASSERT_TRUE(mdul->TR_Add(t));
  ASSERT_TRUE(mdul->TR_Del(2));
  ASSERT_TRUE(mdul->Get(3, t));
  t.name = "Far West";
  ASSERT_TRUE(mdul->TR_Modify(3, t));
  EXPECT_EQ(Names() + ",", grid->Shown());
  EXPECT_TRUE(grid->IsRowSelected(2));  // West moved up a row and stays selected
  int redraws = grid->GetRedrawCount();
  grid->MakeItemEx(nullptr, -2, 1);
  EXPECT_EQ(redraws + 1, grid->GetRedrawCount());
  EXPECT_EQ(1, grid->GetLastFillFlag());
  const UINT keys[] = {3, 1};
  grid->MakeItemEx(keys, 2, 0);
  EXPECT_EQ("Far West,Main,", grid->Shown());
}

TEST_F(RecordGridTest, ColumnsAreFoundByIndexOrTitleWhereverTheyAreShown) {
  EXPECT_EQ(1u, grid->GetColumnNoFor(0));
  EXPECT_EQ(2u, grid->GetColumnNoFor("Name"));
  ASSERT_TRUE(grid->MoveColumn(1, 1));
  EXPECT_EQ(2u, grid->GetColumnNoFor(0));
  EXPECT_EQ(1u, grid->GetColumnNoFor(1));
  EXPECT_EQ(0, grid->GetIndexForColumn(2));
  EXPECT_FALSE(grid->MoveColumn(5, 1));
}

TEST_F(RecordGridTest, DoubleNumbersAndFormulas) {
  struct Case {
    const char* text;
    int valid, reason;
  } cases[] = {{"1.5", 1, 0}, {" -2e3 ", 1, 0}, {"=2*3", 1, 0}, {"=2*", 0, 1}, {"=1/0", 0, 1}, {"12a", 0, 2},
               {"", 0, 2},    {"inf", 0, 2},    {"nan", 0, 2},  {"1e400", 0, 3}, {"-1e400", 0, 3}};
  for (const Case& c : cases) {
    int reason = -1;
    EXPECT_EQ(c.valid, grid->IsValidDoubleNumber(c.text, reason)) << c.text;
    EXPECT_EQ(c.reason, reason) << c.text;
  }
  CString s = "=2^10";
  EXPECT_TRUE(grid->ConvertFormulaToValue(s));
  EXPECT_EQ("1024", std::string(s.c_str()));
  s = "=sqrt(-1)";
  EXPECT_FALSE(grid->ConvertFormulaToValue(s));
  EXPECT_EQ("=sqrt(-1)", std::string(s.c_str()));
  EXPECT_FALSE(grid->GetWarningText().IsEmpty());
  EXPECT_EQ(1, grid->ValidateRealText("4.5"));
  EXPECT_EQ(0, grid->ValidateRealText("4.5x"));
  EXPECT_EQ("IDS_WG_CMD__ADDD__Character_exists_in_double_value", std::string(grid->GetWarningText().c_str()));
}

}  // namespace
