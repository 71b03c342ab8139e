// The story table of the plan and story dialog's story page: levels, the base story's row,
// checks of typed cells, standard floors made or refused by name, rows saved over the
// stored story, moves and the replay, on the sample model.
#include <gtest/gtest.h>

#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "tests/levels/StoryPageFixture.h"

namespace {

class StoryTableGridTest : public StoryPageTest {};

TEST_F(StoryTableGridTest, LevelsAreTheStartLevelPlusTheStoredHeightsBelowAndUpToEachStory) {
  const UINT t3 = AddTower("T3", {3.0, 3.0, 4.0});
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  Run(t3, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    ASSERT_EQ(g.GetTowerKey(), t3);
    struct Row { const char* name; const char* level1; const char* level2; } rows[] = {
        {"L3", "6000", "10000"}, {"L2", "3000", "6000"}, {"L1", "0", "3000"}};
    for (int r = 0; r < 3; ++r) {
      EXPECT_EQ(Cell(g, r + 1, G::COL_NAME), rows[r].name);
      EXPECT_EQ(Cell(g, r + 1, G::COL_LEVEL1), rows[r].level1) << rows[r].name;
      EXPECT_EQ(Cell(g, r + 1, G::COL_LEVEL2), rows[r].level2) << rows[r].name;
    }
    EXPECT_FALSE(Editable(g, 1, G::COL_LEVEL1) || Editable(g, 1, G::COL_LEVEL2));
    // The levels follow a stored height, also of the rows the change did not touch.
    ASSERT_TRUE(Edit(user, g, "L1", G::COL_HEIGHT, "2500"));
    EXPECT_DOUBLE_EQ(Story("L1", t3).height, 2.5);
    EXPECT_EQ(Cell(g, 1, G::COL_LEVEL2), "9500");
    EXPECT_EQ(Cell(g, 2, G::COL_LEVEL1), "2500");
  });
}

TEST_F(StoryTableGridTest, TowerTwoStartsOnTheStoryItStandsOn) {
  Run(2, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver&) {
    // Tower2 stands on 2F of the main tower: 4.5 + 4.5 + 4.2 above the base.
    EXPECT_EQ(Cell(g, RowOf(g, "3F"), G::COL_LEVEL1), "13.2");
    EXPECT_EQ(Cell(g, RowOf(g, "3F"), G::COL_LEVEL2), "16.5");
    EXPECT_FALSE(g.IsMainTower());
  });
}

TEST_F(StoryTableGridTest, TheBaseStoryRowEditsOnlyNameAndLoadsAndNothingDropsBelowIt) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    const int base = RowOf(g, "Base");
    ASSERT_EQ(base, (int)g.GetRowCount() - 1) << "the base story is the last story row";
    for (int i : {G::COL_HEIGHT, G::COL_PLAN, G::COL_TRANSFER}) EXPECT_FALSE(Editable(g, base, i)) << i;
    for (int i : {G::COL_NAME, G::COL_DL, G::COL_LL}) EXPECT_TRUE(Editable(g, base, i)) << i;
    EXPECT_TRUE(Editable(g, RowOf(g, "1F"), G::COL_HEIGHT));
    // RF dropped below the base story lands right above it.
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "RF")}));
    g.UserDragRows(1, 1, g.GetRowCount());
    EXPECT_EQ(StoryNames(1), "Base,RF,B1,1F,2F,3F,4F,5F");
    EXPECT_EQ(Cell(g, RowOf(g, "Base") - 1, G::COL_NAME), "RF") << "the rows follow";
    // The base story's row is never dragged.
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "Base")}));
    g.UserDragRows(RowOf(g, "Base"), RowOf(g, "Base"), 1);
    EXPECT_EQ(StoryNames(1), "Base,RF,B1,1F,2F,3F,4F,5F");
  });
}

TEST_F(StoryTableGridTest, HeightsAreCheckedOnTheValueAFormulaGives) {
  struct Case { const char* text; bool ok; double stored; } cases[] = {
      {"-1", false, 4.5}, {"=0-5", false, 4.5}, {"0", true, 0.0}, {"=2+1.5", true, 3.5}, {"abc", false, 3.5},
  };
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    for (const Case& k : cases) {
      AfxClearMessageLog();
      Edit(user, g, "1F", G::COL_HEIGHT, k.text);
      if (!k.ok) {
        EXPECT_GT(AfxGetMessageCount(), 0) << k.text;
        Abandon(g);
      }
      EXPECT_DOUBLE_EQ(Story("1F").height, k.stored) << k.text;
    }
    AfxClearMessageLog();
    Edit(user, g, "2F", G::COL_HEIGHT, "-1");
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD__ADDD__Height_can_t_be_negative_"));
    Abandon(g);
  });
}

TEST_F(StoryTableGridTest, PlanCellsMakeAFloorInTheSameStepAndRefuseOneOfAnotherTower) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    // The choices: no floor a story of Tower2 uses (Typical2, Roof2); Plan1 is offered.
    const std::string choices = g.GetColStyle(g.GetColumnNoFor(G::COL_PLAN)).GetChoiceList().c_str();
    EXPECT_NE(choices.find("Plan1\n"), std::string::npos) << choices;
    EXPECT_EQ(choices.find("Typical2"), std::string::npos) << choices;
    EXPECT_EQ(std::string(g.GetDefaultValues()[G::COL_PLAN - 1].c_str()), "Plan1") << "a new row's floor is the first offered";

    db->ClearUndo();
    ASSERT_TRUE(Edit(user, g, "3F", G::COL_PLAN, "Mezz"));
    const UINT mezz = plan->GetKey("Mezz");
    ASSERT_NE(mezz, 0u);
    EXPECT_EQ(Story("3F").planKey, mezz);
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(plan->GetKey("Mezz"), 0u) << "one undo takes back the floor and the story";
    EXPECT_EQ(Story("3F").planKey, 4u);

    AfxClearMessageLog();
    Edit(user, g, "3F", G::COL_PLAN, "Typical2");
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules"));
    Abandon(g);
    EXPECT_EQ(Story("3F").planKey, 4u);
  });
}

TEST_F(StoryTableGridTest, ARowIsSavedOverTheStoredStory) {
  T_STOR_D s = Story("4F");
  s.masterStory = 3;
  s.reserved = 9;
  s.deadLoad = 5.123456789;  // shown as "5.12346"
  s.bendFactor = 4.25;
  s.allMatlKey = 0;
  ASSERT_TRUE(stor->TR_Modify(s.key, s));
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    EXPECT_EQ(Cell(g, RowOf(g, "4F"), G::COL_DL), "5.12346");
    ASSERT_TRUE(Edit(user, g, "4F", G::COL_LL, "2.5"));
    const T_STOR_D r = Story("4F");
    EXPECT_DOUBLE_EQ(r.liveLoad, 2.5);
    EXPECT_DOUBLE_EQ(r.deadLoad, 5.123456789) << "a load left as shown keeps its digits";
    EXPECT_EQ(r.masterStory, 3);
    EXPECT_EQ(r.reserved, 9);
    EXPECT_DOUBLE_EQ(r.bendFactor, 4.25);
  });
}

TEST_F(StoryTableGridTest, EditModeOneKeepsTheAppendRowAndRequiresNameHeightAndPlan) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    EXPECT_EQ(g.GetEditMode(), 1);
    EXPECT_TRUE(g.IsAppendRowEnabled());
    // A new row typed into the append row gets the defaults and is added to the tower.
    const int appendRow = (int)g.GetRowCount();
    ASSERT_TRUE(user.EditCell(&g, appendRow, (int)g.GetColumnNoFor(G::COL_NAME), "6F"));
    EXPECT_EQ(Story("6F").planKey, 1u);
    // Without a height the row is refused with the column's title.
    AfxClearMessageLog();
    user.EditCell(&g, RowOf(g, "6F"), (int)g.GetColumnNoFor(G::COL_HEIGHT), "");
    EXPECT_NE(LastMessage().find(Text("IDS_WG_CMD__ADDD___has_not_been_entered_")), std::string::npos) << LastMessage();
    Abandon(g);
  });
}

TEST_F(StoryTableGridTest, TheReplayRefillsForAZeroHeightStoryAndFollowsOtherTowers) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver&) {
    // A stale text in a row the transaction does not touch shows that every row was filled.
    g.SetValueRange(CGXRange((ROWCOL)RowOf(g, "1F"), g.GetColumnNoFor(G::COL_DL)), "stale");
    T_STOR_D s;
    s.name = "Z";
    s.mdulKey = 1;
    s.height = 0.0;
    ASSERT_TRUE(stor->TR_Add(s));
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "Z");
    EXPECT_EQ(Cell(g, RowOf(g, "1F"), G::COL_DL), "5") << "a story without height fills every row";

    // Tower2 takes Plan1: the main tower may no longer choose it.
    T_STOR_D t;
    t.name = "6F";
    t.mdulKey = 2;
    t.planKey = 1;
    ASSERT_TRUE(stor->TR_Add(t));
    EXPECT_EQ(std::string(g.GetColStyle(g.GetColumnNoFor(G::COL_PLAN)).GetChoiceList().c_str()).find("Plan1"),
              std::string::npos);
    EXPECT_EQ(RowOf(g, "6F"), -1) << "another tower's story is not shown";

    // Several stories in one transaction land in their places.
    CArray<T_STOR_D> more;
    for (const char* n : {"7F", "8F", "9F"}) {
      T_STOR_D m;
      m.name = n;
      m.mdulKey = 1;
      more.Add(m);
    }
    ASSERT_TRUE(stor->TR_Add(more));
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "9F");
    EXPECT_EQ(Cell(g, 3, G::COL_NAME), "7F");
    EXPECT_EQ((int)g.GetRowCount() - 1, g.GetRecordCount());
  });
}

TEST_F(StoryTableGridTest, HeightsWrittenInThePreviousLengthUnitAreReadInTheCurrentOne) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver&) {
    CStringArray strings;
    CUIntArray map;
    g.GetRowStrings((ROWCOL)RowOf(g, "1F"), strings, map);  // written in m: height "4.5"
    doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
    const ROWCOL row = (ROWCOL)RowOf(g, "1F");
    g.FillRowFromStrings(row, strings);
    EXPECT_EQ(Cell(g, (int)row, G::COL_HEIGHT), "4500");
    EXPECT_EQ(Cell(g, (int)row, G::COL_DL), "5") << "the loads are taken as they are";
  });
}

}  // namespace
