// The story page of the plan and story dialog: numbering, the checks before any write,
// Add, Append, Insert, Edit, Replace all and Delete all, the tower box, the grid's
// selection and the ground level, on the sample model.
#include <gtest/gtest.h>

#include "db/CClassName.h"
#include "db/CClassNsbl.h"
#include "frame/ICmdDialog.h"
#include "levels/CStoryGLevelDlg.h"
#include "tests/levels/StoryPageFixture.h"

namespace {

class StoryPagePageTest : public StoryPageTest {
 protected:
  // Fills the generation fields as a user types them (count first: it renumbers).
  static void Fill(CUserDriver& user, const char* count, const char* height) {
    user.Type(IDC_PSD_STOR_COUNT, count);
    user.Type(IDC_PSD_STOR_HEIGHT, height);
  }
};

TEST_F(StoryPagePageTest, SeriesAreNumberedFromTheTopAndAddedBottomFirst) {
  struct Case {
    const char* count;
    bool increasing;
    const char* start;  // typed after the count (NULL: as numbering sets it)
    const char* prefix, *suffix, *end, *startShown;
    const char* names;  // the new tower's stories, bottom first
  } cases[] = {
      {"3", false, nullptr, "", "F", "3", "1", "1F,2F,3F"},
      {"3", true, nullptr, "B", "", "1", "3", "B3,B2,B1"},
      {"3", false, "5", "", "F", "7", "5", "5F,6F,7F"},
      {"1", false, nullptr, nullptr, nullptr, nullptr, nullptr, "1F"},
  };
  for (const Case& k : cases) {
    const UINT t = AddTower("T3", {});
    Run(t, [&](CCmdPlanStoryDlgStor& page, G&, CUserDriver& user) {
      user.Check(IDC_PSD_STOR_INCREASING, k.increasing ? 1 : 0);
      Fill(user, k.count, "3");
      if (k.start) user.Type(IDC_PSD_STOR_START, k.start);
      if (k.prefix) {
        EXPECT_EQ(TextOf(page, IDC_PSD_STOR_PREFIX), k.prefix) << k.names;
        EXPECT_EQ(TextOf(page, IDC_PSD_STOR_SUFFIX), k.suffix) << k.names;
        EXPECT_EQ(TextOf(page, IDC_PSD_STOR_END), k.end) << k.names;
        EXPECT_EQ(TextOf(page, IDC_PSD_STOR_START), k.startShown) << k.names;
        EXPECT_TRUE(page.GetDlgItem(IDC_PSD_STOR_END)->IsWindowVisible());
        EXPECT_FALSE(page.GetDlgItem(IDC_PSD_STOR_NAME)->IsWindowVisible());
      } else {
        EXPECT_EQ(TextOf(page, IDC_PSD_STOR_NAME), "1F");
        EXPECT_FALSE(page.GetDlgItem(IDC_PSD_STOR_START)->IsWindowEnabled());
      }
      counter.transactions = 0;
      user.Click(IDC_PSD_STOR_ADD);
      EXPECT_EQ(counter.transactions, 1) << k.names;
      EXPECT_EQ(StoryNames(t), k.names);
    });
    ASSERT_TRUE(mdul->TR_Del(t));
  }
}

TEST_F(StoryPagePageTest, NumberEditsAndTheCountAreCheckedBeforeAnyWrite) {
  Run(0, [&](CCmdPlanStoryDlgStor& page, G&, CUserDriver& user) {
    user.Type(IDC_PSD_STOR_COUNT, "3");  // the start number is enabled for a series
    for (int id : {IDC_PSD_STOR_START, IDC_PSD_STOR_COUNT}) {
      AfxClearMessageLog();
      user.Type(id, "1001");
      EXPECT_EQ(LastMessage(), Text("IDS_CMD_Value_gt_zero_and_lt_input")) << id;
      EXPECT_EQ(TextOf(page, id), "") << id;
    }
    counter.transactions = 0;
    user.Type(IDC_PSD_STOR_COUNT, "0");
    AfxClearMessageLog();
    user.Click(IDC_PSD_STOR_ADD);
    EXPECT_EQ(AfxGetMessageRecord(0)->text.c_str(), Text("IDS_WG_CMD_IP_STORYDLG_WARNING_gt_or_eq_to_one"));
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_COUNT), "1");
    EXPECT_EQ(counter.transactions, 0);
  });
}

TEST_F(StoryPagePageTest, NamesHeightsAndDuplicatesAreRefusedAsTheCommandAsks) {
  struct Case {
    int command;  // the button
    const char* count, *name, *height;
    const char* message;  // NULL: written
  } cases[] = {
      {IDC_PSD_STOR_ADD, "1", "ABCDEFGHIJKLMNOPQRST", "3", nullptr},              // 20 bytes
      {IDC_PSD_STOR_ADD, "1", "ABCDEFGHIJKLMNOPQRSTU", "3", "IDS_CMD_STOR_NAME_LENGTH_LIMIT"},
      {IDC_PSD_STOR_ADD, "1", "3f", "3", "IDS_CMD_EXISTING_STOR_NAME"},           // 3F, case ignored
      {IDC_PSD_STOR_ADD, "1", "  ", "3", "IDS_CMD_STOR_NAME_BLANK"},
      {IDC_PSD_STOR_ADD, "1", "X1", "-1", "IDS_CMD_STOR_HEIGHT_NEGATIVE"},
      {IDC_PSD_STOR_ADD, "1", "X2", "0", nullptr},
      {IDC_PSD_STOR_ADD, "2", nullptr, "0", "IDS_CMD_STOR_HEIGHT_POSITIVE"},
      {IDC_PSD_STOR_APPEND, "1", "rf", "3", "IDS_CMD_EXISTING_STOR_NAME"},
      {IDC_PSD_STOR_REPLACE_ALL, "2", nullptr, "abc", "IDS_WG_CMD_MC_WARNING_Input_is_digit"},
  };
  Run(0, [&](CCmdPlanStoryDlgStor&, G&, CUserDriver& user) {
    for (const Case& k : cases) {
      Fill(user, k.count, k.height);
      if (k.name) user.Type(IDC_PSD_STOR_NAME, k.name);
      const std::string before = StoryNames(1);
      AfxClearMessageLog();
      user.Click(k.command);
      if (k.message) {
        EXPECT_EQ(LastMessage(), Text(k.message)) << k.name;
        EXPECT_EQ(StoryNames(1), before) << k.message;
      } else {
        EXPECT_EQ(AfxGetMessageCount(), 0) << k.name;
        EXPECT_NE(stor->GetKey(k.name, 1), 0u) << k.name;
      }
    }
  });
}

TEST_F(StoryPagePageTest, AppendInsertAndAddPutTheStoriesBelowAtTheRowAndOnTop) {
  Run(0, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    Fill(user, "1", "3");
    user.Type(IDC_PSD_STOR_NAME, "A1");
    user.Click(IDC_PSD_STOR_APPEND);
    EXPECT_EQ(stor->GetSeq(stor->GetKey("A1", 1)), 2) << "right above the base story";
    // Insert: right above the current row's story; without a current row where Append would.
    g.SetCurrentCell((ROWCOL)RowOf(g, "3F"), g.GetColumnNoFor(G::COL_NAME));
    user.Type(IDC_PSD_STOR_NAME, "I1");
    user.Click(IDC_PSD_STOR_INSERT);
    EXPECT_EQ(StoryNames(1), "Base,A1,B1,1F,2F,3F,I1,4F,5F,RF");
    g.ResetCurrentCell();
    user.Type(IDC_PSD_STOR_NAME, "I2");
    user.Click(IDC_PSD_STOR_INSERT);
    user.Type(IDC_PSD_STOR_NAME, "T1");
    user.Click(IDC_PSD_STOR_ADD);
    EXPECT_EQ(StoryNames(1), "Base,I2,A1,B1,1F,2F,3F,I1,4F,5F,RF,T1");
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "T1") << "the grid follows";
  });
  // Append on another tower goes below its lowest story.
  Run(2, [&](CCmdPlanStoryDlgStor&, G&, CUserDriver& user) {
    Fill(user, "1", "3");
    user.Type(IDC_PSD_STOR_NAME, "2M");
    user.Click(IDC_PSD_STOR_APPEND);
    EXPECT_EQ(StoryNames(2), "2M,3F,4F,5F,RF");
  });
}

TEST_F(StoryPagePageTest, TheSlabLoadAndTheStandardFloorGoIntoTheNewStories) {
  Run(0, [&](CCmdPlanStoryDlgStor& page, G&, CUserDriver& user) {
    Fill(user, "1", "3.6");
    user.Type(IDC_PSD_STOR_NAME, "S");
    ASSERT_TRUE(user.Choose(IDC_PSD_STOR_SLAB_LOAD, "S1"));
    // A floor of another tower is refused at once.
    AfxClearMessageLog();
    user.Choose(IDC_PSD_STOR_PLAN, "Typical2");
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules"));
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_PLAN), "");
    ASSERT_TRUE(user.Choose(IDC_PSD_STOR_PLAN, "Roof1"));
    user.Click(IDC_PSD_STOR_ADD);
    const T_STOR_D s = Story("S");
    EXPECT_DOUBLE_EQ(s.height, 3.6);
    EXPECT_EQ(s.planKey, plan->GetKey("Roof1"));
    EXPECT_DOUBLE_EQ(s.deadLoad, 6.5);
    EXPECT_DOUBLE_EQ(s.liveLoad, 2.5);
  });
}

TEST_F(StoryPagePageTest, EditAppliesTheTickedFieldsToTheSelectedStories) {
  Run(0, [&](CCmdPlanStoryDlgStor& page, G& g, CUserDriver& user) {
    // Selecting rows sets the count; one row loads its name, floor and height.
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "5F"), RowOf(g, "4F")}));
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_COUNT), "2");
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "1F")}));
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_COUNT), "1");
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_NAME), "1F");
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_PLAN), "Podium");
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_HEIGHT), "4.5");

    // Nothing ticked: nothing happens; the name needs as many stories as the count.
    counter.transactions = 0;
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_EQ(counter.transactions, 0);
    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "5F"), RowOf(g, "4F")}));
    user.Check(IDC_PSD_STOR_APPLY_NAME, 1);
    user.Type(IDC_PSD_STOR_COUNT, "3");
    AfxClearMessageLog();
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD__ADDD__No_Multi_Story_Count_"));

    // Names 6F and 5F from the top; a name the user typed in another case is accepted.
    user.Type(IDC_PSD_STOR_COUNT, "2");
    user.Type(IDC_PSD_STOR_END, "6");
    user.Check(IDC_PSD_STOR_APPLY_HEIGHT, 1);
    user.Type(IDC_PSD_STOR_HEIGHT, "3.5");
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_EQ(StoryNames(1), "Base,B1,1F,2F,3F,5F,6F,RF");
    EXPECT_DOUBLE_EQ(Story("6F").height, 3.5);
    EXPECT_EQ(Story("6F").planKey, 4u) << "the floor is not ticked";

    ASSERT_TRUE(user.SelectGridRows(&g, {RowOf(g, "2F")}));
    user.Check(IDC_PSD_STOR_APPLY_HEIGHT, 0);
    user.Type(IDC_PSD_STOR_NAME, "3f");
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_NE(stor->GetKey("3f", 1), 0u) << "Edit counts letter case";
    // The floor ticked with none chosen keeps the floors.
    user.Check(IDC_PSD_STOR_APPLY_NAME, 0);
    user.Check(IDC_PSD_STOR_APPLY_PLAN, 1);
    static_cast<CComboBox*>(page.GetDlgItem(IDC_PSD_STOR_PLAN))->SetCurSel(-1);
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_EQ(Story("3f").planKey, 3u);
    // Nothing selected.
    g.ClearSelection();
    g.OnChangedSelectionPublic(nullptr, 0);
    AfxClearMessageLog();
    user.Click(IDC_PSD_STOR_EDIT);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD_STOR_No_Selected_Stor_Data"));
  });
}

TEST_F(StoryPagePageTest, ReplaceAllResetsTheBasementInTheSameStepOnlyWhenItReplaced) {
  Run(0, [&](CCmdPlanStoryDlgStor& page, G&, CUserDriver& user) {
    Fill(user, "2", "3");
    counter.transactions = 0;
    user.Click(IDC_PSD_STOR_REPLACE_ALL);
    EXPECT_EQ(counter.transactions, 1);
    EXPECT_EQ(StoryNames(1), "Base,1F,2F");
    T_GRND_D g;
    ASSERT_TRUE(grnd->Get(1u, g));
    EXPECT_EQ(g.basementCount, 0);
    EXPECT_DOUBLE_EQ(g.groundLevel, 0.0);
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_REF_STORY), "Base");
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(StoryNames(1), "Base,B1,1F,2F,3F,4F,5F,RF") << "one undo brings both back";
    ASSERT_TRUE(grnd->Get(1u, g));
    EXPECT_EQ(g.basementCount, 1);
    EXPECT_DOUBLE_EQ(g.groundLevel, 4.5);
  });
}

TEST_F(StoryPagePageTest, DeleteAllAsksAndNeverDeletesTheBaseStory) {
  const UINT t = AddTower("One", {3.0});
  Run(t, [&](CCmdPlanStoryDlgStor&, G& g, CUserDriver& user) {
    AfxQueueMessageBoxAnswer(IDCANCEL);
    user.Click(IDC_PSD_STOR_DELETE_ALL);
    EXPECT_EQ(StoryNames(t), "L1");
    user.Click(IDC_PSD_STOR_DELETE_ALL);
    EXPECT_EQ(StoryNames(t), "") << "a one-story tower loses its story";
    EXPECT_EQ(g.GetRecordCount(), 0);
    AfxClearMessageLog();
    user.Click(IDC_PSD_STOR_DELETE_ALL);
    EXPECT_EQ(LastMessage(), Text("IDS_CMD_STOR_Not_Exist_Story"));
  });
  Run(0, [&](CCmdPlanStoryDlgStor&, G&, CUserDriver& user) {
    user.Click(IDC_PSD_STOR_DELETE_ALL);
    // Tower2 stands on 2F, which the database keeps; everything else but the base goes.
    EXPECT_EQ(StoryNames(1).rfind("Base", 0), 0u) << StoryNames(1);
  });
}

TEST_F(StoryPagePageTest, ATypedTowerNameMakesTheTowerWhichThePageThenShows) {
  Run(0, [&](CCmdPlanStoryDlgStor& page, G& g, CUserDriver& user) {
    EXPECT_TRUE(page.GetDlgItem(IDC_PSD_STOR_GROUND)->IsWindowVisible());
    user.Type(IDC_PSD_STOR_TOWER, "Annex");
    const UINT annex = mdul->GetKey("Annex");
    ASSERT_NE(annex, 0u);
    EXPECT_EQ(page.GetData().mdulKey, annex);
    EXPECT_EQ(g.GetTowerKey(), annex);
    EXPECT_EQ(g.GetRecordCount(), 0);
    EXPECT_FALSE(page.GetDlgItem(IDC_PSD_STOR_GROUND)->IsWindowVisible());
    EXPECT_TRUE(page.GetDlgItem(IDC_PSD_STOR_START_LEVEL)->IsWindowVisible());
    // Choosing a tower shows it with its start level.
    ASSERT_TRUE(user.Choose(IDC_PSD_STOR_TOWER, "Tower2"));
    EXPECT_EQ(g.GetTowerKey(), 2u);
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_START_LEVEL), "13.2");
  });
}

TEST_F(StoryPagePageTest, TheGroundLevelButtonWritesTheBasementRecord) {
  // Two basement stories: B2 below B1.
  T_STOR_D b2;
  b2.name = "B2";
  b2.mdulKey = 1;
  CArray<T_STOR_D> one;
  one.Add(b2);
  ASSERT_TRUE(stor->TR_Insert(one, 2));
  T_GRND_D two;
  two.groundLevel = 4.5;
  two.basementCount = 2;
  ASSERT_TRUE(grnd->TR_Add(two));
  Run(0, [&](CCmdPlanStoryDlgStor& page, G&, CUserDriver& user) {
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_REF_STORY), "B1");
    AfxQueueDialogScript([&](CDialog& d) {
      CUserDriver gl(&d);
      ASSERT_TRUE(gl.Choose(IDC_GL_STORY, "B2"));
      gl.Type(IDC_GL_LEVEL, "1.5");
      gl.Click(IDC_GL_OK);
    });
    user.Click(IDC_PSD_STOR_GROUND_BTN);
    T_GRND_D g;
    ASSERT_TRUE(grnd->Get(1u, g));
    EXPECT_DOUBLE_EQ(g.groundLevel, 1.5);
    EXPECT_EQ(g.basementCount, 1) << "B2 is the lowest story above the base";
    EXPECT_EQ(TextOf(page, IDC_PSD_STOR_REF_STORY), "B2");
  });
}

TEST_F(StoryPagePageTest, TheFactoryOpensTheStoryPageOnTheTowerGiven) {
  AfxQueueDialogScript([&](CDialog& d) {
    auto& dlg = dynamic_cast<CCmdPlanStoryDlgMain&>(d);
    EXPECT_EQ(dlg.GetTabCtrl().GetShownTab(), 1);
    ASSERT_NE(dlg.GetStoryPage()->GetGrid(), nullptr);
    EXPECT_EQ(dlg.GetStoryPage()->GetGrid()->GetTowerKey(), 2u);
    d.EndDialog(IDOK);
  });
  EXPECT_EQ(ICmdDialog::DoModal("CCmdPlanStoryDlgMain_Story", (void*)2), IDOK);
  // First tab 0: the story page once the model has more than one standard floor.
  AfxQueueDialogScript([&](CDialog& d) {
    EXPECT_EQ(dynamic_cast<CCmdPlanStoryDlgMain&>(d).GetTabCtrl().GetShownTab(), 1);
    d.EndDialog(IDOK);
  });
  CCmdPlanStoryDlgMain dlg(nullptr, 0, 0, 0);
  EXPECT_EQ(dlg.DoModal(), IDOK);
}

}  // namespace
