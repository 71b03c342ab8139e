// The tower, standard-floor and story grids in a test window hosting them as the levels
// page will, following the model through the replay of update records.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CScopedChange.h"
#include "host/CHostApp.h"
#include "tests/levels/TestLevelsDlg.h"

namespace {

std::string Str(const CString& s) { return s.c_str(); }
std::string Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

// The shown texts of a grid column, one a visible row, joined by commas.
std::string Column(CGXGridWnd& g, ROWCOL col) {
  std::string s;
  for (ROWCOL r = 1; r <= g.GetRowCount(); ++r)
    if (!g.IsRowHidden(r)) s += (s.empty() ? "" : ",") + Str(g.GetValueRowCol(r, col));
  return s;
}
// Everything a user sees of a grid, keys included.
std::string Snapshot(CGXGridWnd& g) {
  std::string s;
  for (ROWCOL r = 0; r <= g.GetRowCount(); ++r) {
    if (g.IsRowHidden(r)) continue;
    for (ROWCOL c = 1; c <= g.GetColCount(); ++c) s += Str(g.GetValueRowCol(r, c)) + "|";
    s += "\n";
  }
  return s;
}

class LevelGridsTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    db = doc->GetModelDB();
    mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
    plan = static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID));
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  }
  void TearDown() override {
    dlg.reset();
    doc.reset();
    app.reset();
  }
  void Open() {
    dlg = std::make_unique<CTestLevelsDlg>();
    ASSERT_TRUE(dlg->Open());
  }
  UINT AddTower(const char* name) {
    T_MDUL_D t;
    t.name = name;
    EXPECT_TRUE(mdul->TR_Add(t));
    return mdul->GetKey(name);
  }
  UINT AddPlan(const char* name) {
    T_PLAN_D p;
    p.name = name;
    EXPECT_TRUE(plan->TR_Add(p));
    return plan->GetKey(name);
  }
  UINT AddStory(const char* name, UINT tower, double height, UINT planKey = 1) {
    T_STOR_D s;
    s.name = name;
    s.mdulKey = tower;
    s.height = height;
    s.planKey = planKey;
    EXPECT_TRUE(stor->TR_Add(s));
    return stor->GetKey(name, tower);
  }
  // Every grid shows what a window opened now would show.
  void ExpectLikeFresh() {
    CTestLevelsDlg fresh;
    ASSERT_TRUE(fresh.Open());
    fresh.stor.ShowTower(dlg->stor.GetTowerKey());
    EXPECT_EQ(Snapshot(fresh.mdul), Snapshot(dlg->mdul));
    EXPECT_EQ(Snapshot(fresh.plan), Snapshot(dlg->plan));
    EXPECT_EQ(Snapshot(fresh.stor), Snapshot(dlg->stor));
  }
  std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? Str(m->text) : "";
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassMdul* mdul = nullptr;
  CClassPlan* plan = nullptr;
  CClassStor* stor = nullptr;
  std::unique_ptr<CTestLevelsDlg> dlg;
};

// ---- the replay and the page dispatch ----------------------------------------------------

TEST_F(LevelGridsTest, ThreeTowersAddedInOneTransactionLandAtTheirPlacesWithOneRedraw) {
  AddTower("East");
  Open();
  int redraws = dlg->mdul.GetRedrawCount();
  CArray<T_MDUL_D> towers;
  for (const char* n : {"A", "B", "C"}) {
    T_MDUL_D t;
    t.name = n;
    towers.Add(t);
  }
  ASSERT_TRUE(mdul->TR_Insert(towers, 2));  // between the main tower and East
  EXPECT_EQ("Tower1,A,B,C,East", Column(dlg->mdul, 2));
  EXPECT_EQ(redraws + 1, dlg->mdul.GetRedrawCount());
  EXPECT_EQ(1, dlg->towerRebuilds);
  ExpectLikeFresh();
}

TEST_F(LevelGridsTest, RenamingATowerRewritesOneRow) {
  AddTower("East");
  AddTower("West");
  Open();
  T_MDUL_D t;
  ASSERT_TRUE(mdul->Get(mdul->GetKey("West"), t));
  t.name = "North";
  ASSERT_TRUE(mdul->TR_Modify(t.key, t));
  EXPECT_EQ("Tower1,East,North", Column(dlg->mdul, 2));
  EXPECT_EQ(4u, dlg->mdul.GetRowCount());  // three rows and the hidden append row
}

TEST_F(LevelGridsTest, EachGridReplaysOnlyWhatConcernsIt) {
  UINT s = AddStory("S1", 1, 3.0);
  Open();
  struct Counts {
    int stor, plan, mdul, tabs;
  };
  auto counts = [this] {
    return Counts{dlg->stor.GetRedrawCount(), dlg->plan.GetRedrawCount(), dlg->mdul.GetRedrawCount(), dlg->towerRebuilds};
  };
  auto expectDelta = [&](const Counts& before, Counts delta, const char* what) {
    Counts now = counts();
    EXPECT_EQ(delta.stor, now.stor - before.stor) << what;
    EXPECT_EQ(delta.plan, now.plan - before.plan) << what;
    EXPECT_EQ(delta.mdul, now.mdul - before.mdul) << what;
    EXPECT_EQ(delta.tabs, now.tabs - before.tabs) << what;
  };
  Counts before = counts();
  ASSERT_TRUE(stor->TR_Del(s));
  expectDelta(before, {1, 0, 0, 0}, "story deleted");
  before = counts();
  AddPlan("P2");
  expectDelta(before, {1, 1, 0, 0}, "standard floor added");
  before = counts();
  AddTower("East");
  expectDelta(before, {1, 0, 1, 1}, "tower added");
  // Hints other than 3 change nothing.
  before = counts();
  T_UPDATE_HINT hint;
  dlg->OnUpdate(nullptr, 1, &hint);
  dlg->OnUpdate(nullptr, 0, &hint);
  expectDelta(before, {0, 0, 0, 0}, "hint 0 and 1");
  EXPECT_EQ("Tower1,East", Column(dlg->mdul, 2));
  EXPECT_EQ("Plan1,P2", Column(dlg->plan, 2));
}

TEST_F(LevelGridsTest, UndoAndRedoOfAnAddADeleteAndAMoveBringEveryGridBack) {
  UINT east = AddTower("East");
  UINT p2 = AddPlan("P2"), p3 = AddPlan("P3");
  AddStory("S1", 1, 3.0, p2);
  AddStory("S2", 1, 4.0, p3);
  AddStory("E1", east, 3.5);
  Open();
  // An add, a delete (of a tower, with its story) and moves of standard floors and
  // stories, each undone and redone.
  std::vector<std::function<void()>> changes = {
      [&] { AddStory("S3", 1, 2.5); },
      [&] { ASSERT_TRUE(mdul->TR_Del(east)); },
      [&] {
        CUIntArray keys;
        keys.Add(p3);
        ASSERT_TRUE(plan->TR_ChangeSeq(keys, 1));
      },
      [&] {
        CUIntArray keys;
        keys.Add(stor->GetKey("S2", 1));
        ASSERT_TRUE(stor->TR_ChangeSeq(keys, 2));
      },
  };
  for (size_t i = 0; i < changes.size(); ++i) {
    SCOPED_TRACE(i);
    std::string mdulBefore = Snapshot(dlg->mdul), planBefore = Snapshot(dlg->plan), storBefore = Snapshot(dlg->stor);
    changes[i]();
    ExpectLikeFresh();
    ASSERT_TRUE(doc->Undo());
    EXPECT_EQ(mdulBefore, Snapshot(dlg->mdul));
    EXPECT_EQ(planBefore, Snapshot(dlg->plan));
    EXPECT_EQ(storBefore, Snapshot(dlg->stor));
    ASSERT_TRUE(doc->Redo());
    ExpectLikeFresh();
  }
}

// A window gets one typed call per transaction, whatever the transaction touches, and
// each grid applies it once (one redraw).
TEST_F(LevelGridsTest, OneTypedCallPerTransactionAndOneReplayPerGrid) {
  UINT east = AddTower("East");
  for (const char* n : {"S1", "S2", "S3", "S4"}) AddStory(n, 1, 3.0);
  AddStory("E1", east, 3.0);
  Open();
  const int calls = dlg->transactions;
  const int storDraws = dlg->stor.GetRedrawCount(), planDraws = dlg->plan.GetRedrawCount(),
            mdulDraws = dlg->mdul.GetRedrawCount();
  {
    DB_CScopedChange change(db, "mixed");
    AddPlan("P2");
    AddTower("West");
    CUIntArray gone;
    for (const char* n : {"S3", "S1"}) gone.Add(stor->GetKey(n, 1));
    ASSERT_TRUE(stor->TR_Del(gone));
    AddStory("S5", 1, 2.0);
    ASSERT_TRUE(change.Commit());
  }
  EXPECT_EQ(calls + 1, dlg->transactions);
  EXPECT_EQ(storDraws + 1, dlg->stor.GetRedrawCount());
  EXPECT_EQ(planDraws + 1, dlg->plan.GetRedrawCount());
  EXPECT_EQ(mdulDraws + 1, dlg->mdul.GetRedrawCount());
  EXPECT_EQ(1, dlg->towerRebuilds);
  ExpectLikeFresh();
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(calls + 2, dlg->transactions);
  ExpectLikeFresh();
  // Hints of views are no transactions.
  T_UPDATE_HINT hint;
  dlg->OnUpdate(nullptr, 7, &hint);
  dlg->OnUpdate(nullptr, 3, nullptr);
  EXPECT_EQ(calls + 2, dlg->transactions);
}

// k records deleted in one transaction, in any order, leave every grid as a fresh fill
// would (rows removed in one pass); so do their undo and a delete of every row.
TEST_F(LevelGridsTest, KDeletesInOneTransactionReplayLikeAFreshFill) {
  std::vector<UINT> towers, stories, plans;
  for (int i = 0; i < 8; ++i) {
    const std::string n = "T" + std::to_string(i);
    towers.push_back(AddTower(n.c_str()));
    plans.push_back(AddPlan(("P" + std::to_string(i)).c_str()));
    stories.push_back(AddStory(("S" + std::to_string(i)).c_str(), 1, 3.0 + i));
  }
  Open();
  struct Case {
    const char* what;
    std::vector<size_t> order;  // indices of the records deleted, in the order given
  };
  const Case cases[] = {
      {"one in the middle", {4}},
      {"ascending", {0, 1, 2, 3}},
      {"descending", {7, 5, 3, 1}},
      {"scattered", {6, 0, 3, 7, 2}},
      {"every row", {5, 1, 7, 0, 3, 6, 2, 4}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    CUIntArray t, s, p;
    for (size_t i : c.order) {
      t.Add(towers[i]);
      s.Add(stories[i]);
      p.Add(plans[i]);
    }
    for (CUIntArray* keys : {&s, &t, &p}) {
      const std::string before = Snapshot(dlg->mdul) + Snapshot(dlg->plan) + Snapshot(dlg->stor);
      BOOL ok = keys == &s ? stor->TR_Del(*keys) : keys == &t ? mdul->TR_Del(*keys) : plan->TR_Del(*keys);
      ASSERT_TRUE(ok);
      ExpectLikeFresh();
      ASSERT_TRUE(doc->Undo());
      EXPECT_EQ(before, Snapshot(dlg->mdul) + Snapshot(dlg->plan) + Snapshot(dlg->stor));
      ExpectLikeFresh();
    }
  }
}

// ---- the tower grid -----------------------------------------------------------------------

TEST_F(LevelGridsTest, TowerNamesAreEditedInPlaceButTheMainTowersAndRowsNeverMove) {
  AddTower("East");
  AddTower("West");
  Open();
  CCmdMdulGrid2& g = dlg->mdul;
  EXPECT_EQ(0, g.UserEditCell(1, 2, "Main"));  // the main tower keeps its name
  EXPECT_EQ(1, g.UserEditCell(2, 2, "Ost"));
  EXPECT_EQ("Tower1,Ost,West", Column(g, 2));
  ASSERT_EQ(1, g.UserEditCell(3, 2, ""));  // an empty name is not written
  EXPECT_EQ(Str(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Name", 0)) + Key("IDS_WG_CMD__ADDD___has_not_been_entered_"),
            LastMessage());
  EXPECT_TRUE(mdul->GetKey("West"));
  g.RevertPendingRow();
  int undo = db->GetUndoCount();
  g.UserSelectRows({2, 3});
  g.UserDragRows(2, 3, 1);
  EXPECT_EQ("Tower1,Ost,West", Column(g, 2));
  EXPECT_EQ(undo, db->GetUndoCount());
  // While a cell is being edited, a drag shows why nothing moves.
  g.SetCurrentCell(2, 2);
  ASSERT_TRUE(g.StartEditing());
  AfxClearMessageLog();
  g.UserDragRows(3, 3, 1);
  EXPECT_EQ(Key("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_"), LastMessage());
  g.RevertPendingRow();
  // Deleting the selected towers is one transaction; the replay removes their rows.
  g.UserSelectRows({2, 3});
  ASSERT_TRUE(g.DeleteSelectedRows());
  EXPECT_EQ(undo + 1, db->GetUndoCount());
  EXPECT_EQ("Tower1", Column(g, 2));
}

TEST_F(LevelGridsTest, RenamingATowerKeepsTheStoryItStandsOn) {
  UINT east = AddTower("East");
  UINT s = AddStory("S1", 1, 3.0);
  T_MDUL_D t;
  ASSERT_TRUE(mdul->Get(east, t));
  t.startStorKey = s;
  ASSERT_TRUE(mdul->TR_Modify(east, t));
  Open();
  ASSERT_EQ(1, dlg->mdul.UserEditCell(2, 2, "Annex"));
  ASSERT_TRUE(mdul->Get(east, t));
  EXPECT_EQ("Annex", Str(t.name));
  EXPECT_EQ(s, t.startStorKey);
}

// ---- the standard-floor grid --------------------------------------------------------------

TEST_F(LevelGridsTest, ChoosingASlabTypeWritesItAndKeepsTheOtherFields) {
  UINT p2 = AddPlan("P2");
  T_PLAN_D p;
  ASSERT_TRUE(plan->Get(p2, p));
  p.wallType = 3;
  p.meshSize = 0.5;
  ASSERT_TRUE(plan->TR_Modify(p2, p));
  Open();
  CCmdPlanGrid& g = dlg->plan;
  EXPECT_EQ(Key("IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm"), Str(g.GetValueRowCol(2, 3)));
  EXPECT_EQ(0, g.UserEditCell(2, 2, "Other"));          // names are not edited here
  EXPECT_EQ(0, g.UserEditCell(2, 3, "no such type"));   // only the choices
  int undo = db->GetUndoCount();
  ASSERT_EQ(1, g.UserEditCell(2, 3, Key("IDS_WG_CMD_IP_STORYDLG_CBX_Plate").c_str()));
  EXPECT_EQ(undo + 1, db->GetUndoCount());
  ASSERT_TRUE(plan->Get(p2, p));
  EXPECT_EQ(4, p.slabType);
  EXPECT_EQ(3, p.wallType);
  EXPECT_EQ(0.5, p.meshSize);
  EXPECT_EQ(Key("IDS_WG_CMD_IP_STORYDLG_CBX_Plate"), Str(g.GetValueRowCol(2, 3)));
  // Texts and types both ways, outside the four included.
  EXPECT_EQ("", Str(CCmdPlanGrid::SlabTypeText(1)));
  EXPECT_EQ(0, CCmdPlanGrid::SlabTypeOfText("Plate"));
  EXPECT_EQ(5, CCmdPlanGrid::SlabTypeOfText(Key("IDS_WG_CMD_IP_STORYDLG_CBX_Plate_Bending").c_str()));
}

TEST_F(LevelGridsTest, DraggingStandardFloorsMovesThemAfterTheTargetInOneTransaction) {
  for (const char* n : {"P2", "P3", "P4"}) AddPlan(n);
  Open();
  CCmdPlanGrid& g = dlg->plan;
  int undo = db->GetUndoCount();
  // Onto themselves or the row right after them: nothing.
  g.UserSelectRows({2, 3});
  for (ROWCOL target : {2u, 3u, 4u}) g.UserDragRows(2, 3, target);
  EXPECT_EQ("Plan1,P2,P3,P4", Column(g, 2));
  EXPECT_EQ(undo, db->GetUndoCount());
  // Dragged rows that are not the selection: nothing.
  g.UserSelectRows({2});
  g.UserDragRows(2, 3, 5);
  EXPECT_EQ(undo, db->GetUndoCount());
  // Rows 1 and 2 dropped on row 4: after P3... (the target's standard floor is P4).
  g.UserSelectRows({1, 2});
  g.UserDragRows(1, 2, 4);
  EXPECT_EQ("P3,P4,Plan1,P2", Column(g, 2));
  EXPECT_EQ(undo + 1, db->GetUndoCount());
  ExpectLikeFresh();
}

// ---- the story grid -----------------------------------------------------------------------

TEST_F(LevelGridsTest, LevelsAreTopElevationsFromTheStoredHeights) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "mm"));
  UINT east = AddTower("East");
  for (auto [n, h] : {std::pair{"E1", 3.0}, {"E2", 3.0}, {"E3", 4.0}}) AddStory(n, east, h);
  Open();
  CCmdStorGrid& g = dlg->stor;
  g.ShowTower(east);
  EXPECT_EQ("E3,E2,E1", Column(g, 2));
  EXPECT_EQ("4000,3000,3000", Column(g, 3));
  EXPECT_EQ("10000,6000,3000", Column(g, 4));
  // A height typed in the grid: the levels follow the stored heights.
  ASSERT_EQ(1, g.UserEditCell(3, 3, "=1000*2"));
  EXPECT_EQ("9000,5000,2000", Column(g, 4));
  EXPECT_DOUBLE_EQ(2.0, [&] { T_STOR_D s; stor->Get(stor->GetKey("E1", east), s); return s.height; }());
}

TEST_F(LevelGridsTest, ALevelWithinTheToleranceOfZeroIsZero) {
  UINT east = AddTower("East");
  AddStory("E1", east, 1e-6);
  AddStory("E2", east, 2.5);
  Open();
  dlg->stor.ShowTower(east);
  EXPECT_EQ("2.500001,0", Column(dlg->stor, 4));
}

TEST_F(LevelGridsTest, NegativeHeightsAreRefusedAlsoThroughAFormula) {
  UINT s = AddStory("S1", 1, 3.0);
  Open();
  CCmdStorGrid& g = dlg->stor;
  const std::string negative = Key("IDS_WG_CMD__ADDD__Height_can_t_be_negative_");
  struct Case {
    const char* text;
    const char* message;  // "" when accepted
    double stored;
  };
  const Case cases[] = {
      {"-1", negative.c_str(), 3.0},
      {"=0-5", negative.c_str(), 3.0},
      {"abc", "IDS_WG_CMD__ADDD__Character_exists_in_double_value", 3.0},
      {"0", "", 0.0},
      {"=2+0.5", "", 2.5},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    AfxClearMessageLog();
    if (g.IsEditing()) g.CancelEditing();
    g.RevertPendingRow();
    ASSERT_EQ(1, g.UserEditCell(1, 3, c.text));
    std::string expected = c.message[0] == 'I' ? Key(c.message) : c.message;
    EXPECT_EQ(expected, LastMessage());
    T_STOR_D rec;
    ASSERT_TRUE(stor->Get(s, rec));
    EXPECT_DOUBLE_EQ(c.stored, rec.height);
  }
}

TEST_F(LevelGridsTest, TheBaseStoryRowEditsOnlyItsLoadsAndNothingDropsBelowIt) {
  UINT s1 = AddStory("S1", 1, 3.0), s2 = AddStory("S2", 1, 3.0);
  Open();
  CCmdStorGrid& g = dlg->stor;
  ASSERT_EQ("S2,S1,Base", Column(g, 2));
  EXPECT_EQ(0, g.UserEditCell(3, 3, "5"));  // height
  EXPECT_EQ(0, g.UserEditCell(3, 5, "Plan1"));
  EXPECT_EQ(0, g.UserEditCell(3, 8, "1"));
  EXPECT_EQ(0, g.UserEditCell(3, 4, "1"));  // the level is never entered
  EXPECT_EQ(1, g.UserEditCell(3, 6, "2.5"));
  T_STOR_D base;
  ASSERT_TRUE(stor->Get(1, base));
  EXPECT_EQ(2.5, base.deadLoad);
  EXPECT_EQ(1, g.UserEditCell(1, 8, "1"));  // other rows take the transfer flag
  // S2 dropped at the end lands right above the base story.
  g.UserSelectRows({1});
  g.UserDragRows(1, 1, g.GetRowCount() + 1);
  EXPECT_EQ("S1,S2,Base", Column(g, 2));
  EXPECT_EQ(2, stor->GetSeq(s2));
  EXPECT_EQ(3, stor->GetSeq(s1));
  // Onto itself or onto the row just below: nothing.
  int undo = db->GetUndoCount();
  g.UserSelectRows({1});
  g.UserDragRows(1, 1, 1);
  g.UserDragRows(1, 1, 2);
  EXPECT_EQ(undo, db->GetUndoCount());
}

TEST_F(LevelGridsTest, TheBaseStoryRowIsNeverDraggedAboveOtherStories) {
  UINT s1 = AddStory("S1", 1, 3.0), s2 = AddStory("S2", 1, 3.0);
  Open();
  CCmdStorGrid& g = dlg->stor;
  ASSERT_EQ("S2,S1,Base", Column(g, 2));
  const int undo = db->GetUndoCount();
  struct Case {
    ROWCOL first, last, target;
  };
  for (const Case& c : {Case{3, 3, 1}, Case{3, 3, 2}, Case{2, 3, 1}}) {
    SCOPED_TRACE(testing::Message() << c.first << ".." << c.last << " onto " << c.target);
    std::vector<int> rows;
    for (ROWCOL r = c.first; r <= c.last; ++r) rows.push_back((int)r);
    g.UserSelectRows(rows);
    g.UserDragRows(c.first, c.last, c.target);
    EXPECT_EQ("S2,S1,Base", Column(g, 2));
    EXPECT_EQ(1, stor->GetSeq(1));
    EXPECT_EQ(2, stor->GetSeq(s1));
    EXPECT_EQ(3, stor->GetSeq(s2));
    EXPECT_EQ(undo, db->GetUndoCount());
  }
}

TEST_F(LevelGridsTest, EditingAStoryKeepsTheFieldsTheGridDoesNotShow) {
  UINT s1 = AddStory("S1", 1, 3.0), s2 = AddStory("S2", 1, 3.0);
  for (UINT s : {s1, s2}) {
    T_STOR_D rec;
    ASSERT_TRUE(stor->Get(s, rec));
    rec.masterStory = 1;
    rec.bendFactor = 2.5;
    rec.reserved = 7;
    ASSERT_TRUE(stor->TR_Modify(s, rec));
  }
  Open();
  CCmdStorGrid& g = dlg->stor;
  ASSERT_EQ("S2,S1,Base", Column(g, 2));
  ASSERT_EQ(1, g.UserEditCell(2, 3, "4"));  // S1's height
  ASSERT_EQ(1, g.UserEditCell(1, 6, "1.5"));  // S2's dead load
  T_STOR_D rec;
  ASSERT_TRUE(stor->Get(s1, rec));
  EXPECT_EQ(4.0, rec.height);
  ASSERT_TRUE(stor->Get(s2, rec));
  EXPECT_EQ(1.5, rec.deadLoad);
  for (UINT s : {s1, s2}) {
    ASSERT_TRUE(stor->Get(s, rec));
    EXPECT_EQ(1, rec.masterStory);
    EXPECT_EQ(2.5, rec.bendFactor);
    EXPECT_EQ(7, rec.reserved);
  }
}

TEST_F(LevelGridsTest, EditingOneCellKeepsTheOtherValuesAsStoredNotAsShown) {
  UINT s = AddStory("S1", 1, 0.1 + 0.2);
  T_STOR_D rec;
  ASSERT_TRUE(stor->Get(s, rec));
  rec.deadLoad = 1.23456789;
  rec.liveLoad = 2.000000123;
  ASSERT_TRUE(stor->TR_Modify(s, rec));
  Open();
  CCmdStorGrid& g = dlg->stor;
  ASSERT_EQ("S1,Base", Column(g, 2));
  ASSERT_EQ(1, g.UserEditCell(1, 8, "1"));  // the transfer flag only
  ASSERT_TRUE(stor->Get(s, rec));
  EXPECT_EQ(1, rec.transfer);
  EXPECT_EQ(0.1 + 0.2, rec.height);
  EXPECT_EQ(1.23456789, rec.deadLoad);
  EXPECT_EQ(2.000000123, rec.liveLoad);
  // A value the user changes is written as typed.
  ASSERT_EQ(1, g.UserEditCell(1, 7, "2.5"));
  ASSERT_TRUE(stor->Get(s, rec));
  EXPECT_EQ(2.5, rec.liveLoad);
  EXPECT_EQ(1.23456789, rec.deadLoad);
}

TEST_F(LevelGridsTest, PlanChoicesLeaveOutKeyOneAndFloorsOfOtherTowers) {
  UINT east = AddTower("East");
  UINT p2 = AddPlan("P2");
  AddPlan("P3");
  AddStory("E1", east, 3.0, p2);
  Open();
  CGXStyle col = dlg->stor.GetColStyle(5);
  EXPECT_EQ("P3\n", Str(col.GetChoiceList()));
  EXPECT_EQ("", Str(dlg->stor.GetDefaultValue(3)));  // the first offered floor is key 1
  dlg->stor.ShowTower(east);
  EXPECT_EQ("P2\nP3\n", Str(dlg->stor.GetColStyle(5).GetChoiceList()));
  EXPECT_EQ("P2", Str(dlg->stor.GetDefaultValue(3)));
}

TEST_F(LevelGridsTest, ANewStandardFloorAndTheStoryChangeAreOneTransaction) {
  UINT s = AddStory("S1", 1, 3.0);
  Open();
  CCmdStorGrid& g = dlg->stor;
  int undo = db->GetUndoCount();
  ASSERT_EQ(1, g.UserEditCell(1, 5, "Roof plan"));
  UINT roof = plan->GetKey("Roof plan");
  ASSERT_TRUE(roof);
  T_STOR_D rec;
  ASSERT_TRUE(stor->Get(s, rec));
  EXPECT_EQ(roof, rec.planKey);
  EXPECT_EQ(undo + 1, db->GetUndoCount());
  EXPECT_EQ("Plan1,Roof plan", Column(dlg->plan, 2));
  ASSERT_TRUE(doc->Undo());  // one undo takes back both
  EXPECT_FALSE(plan->GetKey("Roof plan"));
  ASSERT_TRUE(stor->Get(s, rec));
  EXPECT_EQ(1u, rec.planKey);  // as before
  ExpectLikeFresh();
  // A refused modification leaves no standard floor behind: the row names a story that
  // is gone (renamed behind the grid's back), so the story table refuses it.
  g.SetValueRange(CGXRange(1, 2), "Ghost");
  undo = db->GetUndoCount();
  ASSERT_EQ(1, g.UserEditCell(1, 5, "Attic plan"));
  EXPECT_FALSE(plan->GetKey("Attic plan"));
  EXPECT_EQ(undo, db->GetUndoCount());
  EXPECT_EQ("Plan1", Column(dlg->plan, 2));
}

TEST_F(LevelGridsTest, TracerColoursPaintTheFlaggedCells) {
  UINT s1 = AddStory("S1", 1, 3.0), s2 = AddStory("S2", 1, 3.0);
  (void)s2;
  Open();
  CCmdStorGrid& g = dlg->stor;
  const COLORREF red = RGB(255, 0, 0);
  auto interior = [&](ROWCOL r, ROWCOL c) {
    CGXStyle s;
    g.ComposeStyleRowCol(r, c, s);
    return s.GetIncludeInterior() && s.GetInterior() == red;
  };
  CUIntArray flagged;
  flagged.Add(s1);
  flagged.Add(stor->GetKey("S2", 1));
  doc->StartTracerMode(0, flagged);
  EXPECT_FALSE(interior(1, 6));  // the top row is never painted in mode 0
  EXPECT_TRUE(interior(2, 6));
  EXPECT_FALSE(interior(3, 6));  // the base story is not flagged
  EXPECT_FALSE(interior(2, 7));
  doc->StartTracerMode(41, flagged);
  for (ROWCOL r = 1; r <= 3; ++r) {
    CGXStyle s;
    g.ComposeStyleRowCol(r, 8, s);
    EXPECT_EQ(red, s.GetTextColor()) << r;
  }
  doc->StartTracerMode(46, flagged);
  EXPECT_TRUE(interior(1, 4));
  EXPECT_FALSE(interior(2, 4));
  doc->EndTracerMode();
  EXPECT_FALSE(interior(2, 6));
}

TEST_F(LevelGridsTest, ClickingAStoryCellHandsItsDefaultsToThePage) {
  UINT s1 = AddStory("S1", 1, 3.0);
  Open();
  CCmdStorGrid& g = dlg->stor;
  ASSERT_EQ(1, g.UserClickCell(1, 3));
  ASSERT_EQ(1u, dlg->defaults.size());
  EXPECT_EQ(1, dlg->defaults[0].first);
  EXPECT_EQ(s1, dlg->defaults[0].second);
  g.UserClickCell(1, 2);  // the name cell is disabled
  g.UserClickCell(2, 3);  // the base story's height too
  EXPECT_EQ(1u, dlg->defaults.size());
  g.UserClickCell(2, 6);
  ASSERT_EQ(2u, dlg->defaults.size());
  EXPECT_EQ(1u, dlg->defaults[1].second);
}

}  // namespace
