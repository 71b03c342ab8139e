// The story material dialog of the plan and story dialog and its story material table, on
// the sample model (concrete C30, C35, C40 are materials 1 to 3, steel Q235 and Q355 4 and
// 5, C40/Q355 6): the texts of stored materials, rows written over the stored story, refused
// input, the choices, the bending factor, the replay and the dialog's tower.
#include <gtest/gtest.h>

#include "afx/AfxWinDefs.h"
#include "db/CClassMatl.h"
#include "levels/CCmdPlanStoryDlgStorMatl.h"
#include "levels/CCmdPlanStoryGridMatl.h"
#include "tests/levels/StoryPageFixture.h"

namespace {

using M = CCmdPlanStoryGridMatl;

// The dialog, with its protected rule reachable.
class TestStorMatlDlg : public CCmdPlanStoryDlgStorMatl {
 public:
  using CCmdPlanStoryDlgStorMatl::CheckPlanKeyListToBeAssignedToMdul;
};

class StoryMatlDlgTest : public StoryPageTest {
 protected:
  void SetUp() override {
    StoryPageTest::SetUp();
    matl = static_cast<CClassMatl*>(db->GetClass(CClassMatl::m_nClassID));
    ASSERT_NE(matl, nullptr);
  }
  // Runs the dialog (for a tower when tower is non-zero) with the user's actions; closed
  // afterwards as its close box would.
  template <class F>
  void RunMatl(UINT tower, F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      auto& dlg = dynamic_cast<TestStorMatlDlg&>(d);
      ASSERT_NE(dlg.GetGrid(), nullptr);
      CUserDriver user(&d);
      actions(dlg, *dlg.GetGrid(), user);
      if (d.m_hWnd) d.EndDialog(IDCANCEL);
    });
    TestStorMatlDlg dlg;
    if (tower) dlg.SetInitModulekey(tower);
    dlg.DoModal();
  }
  static int Row(M& g, const char* name) {
    for (ROWCOL r = 1; r < g.GetRowCount(); ++r)
      if (g.GetValueRowCol(r, g.GetColumnNoFor(M::COL_NAME)) == name) return (int)r;
    return -1;
  }
  static std::string At(M& g, int row, int index) { return g.GetValueRowCol((ROWCOL)row, g.GetColumnNoFor(index)).c_str(); }
  static bool CanEdit(M& g, int row, int index) { return g.IsCellEditable((ROWCOL)row, g.GetColumnNoFor(index)); }
  bool Choose(CUserDriver& user, M& g, const char* story, int index, const char* text) {
    return user.EditCell(&g, Row(g, story), (int)g.GetColumnNoFor(index), text) != 0;
  }
  void PutMaterials(const char* story, int single, UINT all, UINT member) {
    T_STOR_D s = Story(story);
    s.singleMatl = single;
    s.allMatlKey = all;
    s.colmMatlKey = member;
    s.beamMatlKey = member == 0 ? 0 : 2;
    s.wallMatlKey = 0;
    s.subBeamMatlKey = member;
    s.braceMatlKey = 0;
    s.slabMatlKey = member;
    ASSERT_TRUE(stor->TR_Modify(s.key, s));
  }

  static constexpr int kVisibleMembers[] = {M::COL_COLUMN, M::COL_BEAM, M::COL_WALL, M::COL_S_BEAM, M::COL_BRACE, M::COL_SLAB};
  static constexpr int kHiddenMembers[] = {M::COL_LINTEL, M::COL_T_GIR,   M::COL_INCLINED, M::COL_R_WALL,
                                           M::COL_C_SLAB, M::COL_OPENING, M::COL_FOUND};
  CClassMatl* matl = nullptr;
};

TEST_F(StoryMatlDlgTest, StoredMaterialsShowByKeyAndNameAndTheAllCellRulesTheRow) {
  struct Case {
    const char* story;
    int single;
    UINT all, member;  // member: the column, secondary-beam and slab key (beam 2 when non-zero)
    const char* allText;
    const char* memberTexts[6];  // column, beam, wall, secondary beam, brace, slab
    bool membersEnabled;
  } cases[] = {
      {"1F", 1, 3, 1, "3:C40", {"3:C40", "3:C40", "3:C40", "3:C40", "3:C40", "3:C40"}, false},
      {"2F", 0, 0, 1, "Variable", {"1:C30", "2:C35", "None", "1:C30", "None", "1:C30"}, true},
      {"3F", 1, 0, 1, "None", {"None", "None", "None", "None", "None", "None"}, false},
      {"4F", 1, 99, 1, "None", {"None", "None", "None", "None", "None", "None"}, false},  // no material 99
      {"5F", 0, 99, 0, "Variable", {"None", "None", "None", "None", "None", "None"}, true},
  };
  for (const Case& k : cases) PutMaterials(k.story, k.single, k.all, k.member);
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver&) {
    EXPECT_EQ(g.GetTowerKey(), 1u) << "without SetInitModulekey the main tower";
    EXPECT_EQ(At(g, 1, M::COL_NAME), "RF") << "the top story first";
    for (const Case& k : cases) {
      const int r = Row(g, k.story);
      EXPECT_EQ(At(g, r, M::COL_ALL), k.allText) << k.story;
      for (int i = 0; i < 6; ++i) {
        EXPECT_EQ(At(g, r, kVisibleMembers[i]), k.memberTexts[i]) << k.story << " " << i;
        EXPECT_EQ(CanEdit(g, r, kVisibleMembers[i]), k.membersEnabled) << k.story << " " << i;
      }
      for (int i : kHiddenMembers) EXPECT_EQ(At(g, r, i), "None") << k.story << " " << i;
      EXPECT_FALSE(CanEdit(g, r, M::COL_NAME) || CanEdit(g, r, M::COL_PLAN)) << k.story;
    }
    EXPECT_EQ(At(g, Row(g, "1F"), M::COL_PLAN), "Podium");
    for (int i : kHiddenMembers) EXPECT_TRUE(g.IsColHidden(g.GetColumnNoFor(i))) << i;
    EXPECT_EQ(g.GetEditMode(), 0);
    EXPECT_FALSE(g.IsAppendRowEnabled());
  });
}

TEST_F(StoryMatlDlgTest, ACommittedCellWritesItsRowOverTheStoredStory) {
  // The levels dialog's material page set steel and SRC materials; other fields as well.
  T_STOR_D s = Story("3F");
  s.steelMatlKey = 4;
  s.srcColmMatlKey = 6;
  s.srcBeamMatlKey = 6;
  s.transfer = 1;
  s.bendFactor = 4.123456789012345;
  ASSERT_TRUE(stor->TR_Modify(s.key, s));
  db->ClearUndo();
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver& user) {
    counter.transactions = 0;
    ASSERT_TRUE(Choose(user, g, "3F", M::COL_ALL, "3:C40"));
    EXPECT_EQ(counter.transactions, 1);
    T_STOR_D r = Story("3F");
    EXPECT_EQ(r.singleMatl, 1);
    for (UINT k : {r.allMatlKey, r.colmMatlKey, r.beamMatlKey, r.wallMatlKey, r.subBeamMatlKey, r.braceMatlKey, r.slabMatlKey})
      EXPECT_EQ(k, 3u);
    EXPECT_EQ(r.steelMatlKey, 4u) << "the steel material stays";
    EXPECT_EQ(r.srcColmMatlKey, 6u);
    EXPECT_EQ(r.srcBeamMatlKey, 6u);
    EXPECT_EQ(r.transfer, 1);
    EXPECT_EQ(r.bendFactor, 4.123456789012345) << "a factor left as shown keeps its digits";
    EXPECT_EQ(r.planKey, s.planKey);
    EXPECT_EQ(At(g, Row(g, "3F"), M::COL_BEAM), "3:C40");

    // "Variable" frees the member types; each keeps its own.
    ASSERT_TRUE(Choose(user, g, "3F", M::COL_ALL, "Variable"));
    EXPECT_TRUE(CanEdit(g, Row(g, "3F"), M::COL_SLAB));
    ASSERT_TRUE(Choose(user, g, "3F", M::COL_SLAB, "1:C30"));
    r = Story("3F");
    EXPECT_EQ(r.singleMatl, 0);
    EXPECT_EQ(r.slabMatlKey, 1u);
    EXPECT_EQ(r.colmMatlKey, 3u);

    // "None" clears the seven keys.
    ASSERT_TRUE(Choose(user, g, "3F", M::COL_ALL, "None"));
    r = Story("3F");
    EXPECT_EQ(r.singleMatl, 1);
    for (UINT k : {r.allMatlKey, r.colmMatlKey, r.beamMatlKey, r.wallMatlKey, r.subBeamMatlKey, r.braceMatlKey, r.slabMatlKey})
      EXPECT_EQ(k, 0u);
    EXPECT_EQ(r.steelMatlKey, 4u);

    // Undo brings the materials back, and the open grid follows.
    ASSERT_TRUE(db->Undo());
    EXPECT_EQ(Story("3F").slabMatlKey, 1u);
    EXPECT_EQ(At(g, Row(g, "3F"), M::COL_ALL), "Variable");
    EXPECT_EQ(At(g, Row(g, "3F"), M::COL_SLAB), "1:C30");
  });
}

TEST_F(StoryMatlDlgTest, InputTheGridDoesNotOfferWritesNothing) {
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver& user) {
    const T_STOR_D before = Story("2F");
    counter.transactions = 0;
    // Typed: the drop-down lists take their choices only.
    struct Typed { int index; const char* text; } typed[] = {
        {M::COL_ALL, "4:Q235"}, {M::COL_ALL, "6:C40/Q355"}, {M::COL_ALL, "C40"}, {M::COL_NAME, "X"}, {M::COL_PLAN, "Roof1"},
    };
    for (const Typed& t : typed) EXPECT_FALSE(Choose(user, g, "2F", t.index, t.text)) << t.text;
    // Pasted: refused with the input message.
    for (const char* text : {"4:Q235", "C40", "99:C99", "0:C30"}) {
      AfxClearMessageLog();
      user.Paste(&g, Row(g, "2F"), (int)g.GetColumnNoFor(M::COL_ALL), text);
      EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_MC_ERROR_Invalid_Input")) << text;
    }
    // Rows pasted below the last story add none; Delete deletes none; neither says a word.
    AfxClearMessageLog();
    user.Paste(&g, (int)g.GetRowCount(), (int)g.GetColumnNoFor(M::COL_ALL), "1:C30");
    ASSERT_TRUE(user.SelectGridRows(&g, {Row(g, "2F")}));
    user.Key(&g, VK_DELETE);
    EXPECT_EQ(AfxGetMessageCount(), 0);
    EXPECT_EQ(counter.transactions, 0);
    EXPECT_EQ(stor->GetCount(), 12);
    EXPECT_EQ(Story("2F").allMatlKey, before.allMatlKey);

    EXPECT_EQ(g.ValidateField("x", M::COL_COUNT), 0);
    EXPECT_EQ(std::string(g.GetWarningText().c_str()), Text("IDS_WG_CMD__ADDD___CCmdPlanStoryGridMatl__ValidateField__Erro"));
    EXPECT_EQ(g.ValidateField("-1", M::COL_BEND), 0);
  });
}

TEST_F(StoryMatlDlgTest, RowsMoveAsOnTheStoryPageButNotWhileACellIsEdited) {
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver& user) {
    ASSERT_TRUE(user.SelectGridRows(&g, {Row(g, "RF")}));
    g.UserDragRows(1, 1, g.GetRowCount());
    EXPECT_EQ(StoryNames(1), "Base,RF,B1,1F,2F,3F,4F,5F") << "never below the base story";
    EXPECT_EQ(At(g, Row(g, "Base") - 1, M::COL_NAME), "RF");
    g.SetCurrentCell((ROWCOL)Row(g, "2F"), g.GetColumnNoFor(M::COL_ALL));
    ASSERT_TRUE(g.StartEditing());
    AfxClearMessageLog();
    g.UserDragRows(1, 1, 3);
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD__ADDD__Can_t_Move_row_while_editing_"));
    g.CancelEditing();
  });
}

TEST_F(StoryMatlDlgTest, ChoicesAreTheConcreteMaterialsAndFollowTheTableWithoutRefillingRows) {
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver&) {
    auto choices = [&](int index) { return std::string(g.GetColStyle(g.GetColumnNoFor(index)).GetChoiceList().c_str()); };
    EXPECT_EQ(choices(M::COL_COLUMN), "None\n1:C30\n2:C35\n3:C40\n");
    EXPECT_EQ(choices(M::COL_ALL), "Variable\nNone\n1:C30\n2:C35\n3:C40\n");
    EXPECT_EQ(std::string(g.GetDefaultValues()[M::COL_SLAB - 1].c_str()), "None");

    // A stale text in a row shows whether the rows were filled again.
    const ROWCOL r = (ROWCOL)Row(g, "1F");
    g.SetValueRange(CGXRange(r, g.GetColumnNoFor(M::COL_NAME)), "stale");
    T_MATL_D c50;
    c50.name = "C50";
    c50.type = "C";
    ASSERT_TRUE(matl->TR_Add(c50));
    T_MATL_D q420;
    q420.name = "Q420";
    q420.type = "S";
    ASSERT_TRUE(matl->TR_Add(q420));
    EXPECT_EQ(choices(M::COL_BRACE), "None\n1:C30\n2:C35\n3:C40\n7:C50\n");
    EXPECT_EQ(g.GetValueRowCol(r, g.GetColumnNoFor(M::COL_NAME)), "stale");

    // Notices without the model's records (hints 0 and 1) change nothing.
    doc->UpdateAllViews(nullptr, 0);
    doc->UpdateAllViews(nullptr, 1);
    EXPECT_EQ(g.GetValueRowCol(r, g.GetColumnNoFor(M::COL_NAME)), "stale");
  });
}

TEST_F(StoryMatlDlgTest, ABendingFactorIsTheStandardFloorsMasterStorys) {
  RunMatl(0, [&](CCmdPlanStoryDlgStorMatl&, M& g, CUserDriver&) {
    const UINT typical1 = plan->GetKey("Typical1");
    EXPECT_EQ(g.GetMasterBendFactor(typical1), 6.0) << "no master story";
    T_STOR_D s = Story("4F");
    s.masterStory = 1;
    s.bendFactor = 3.5;
    ASSERT_TRUE(stor->TR_Modify(s.key, s));
    EXPECT_EQ(g.GetMasterBendFactor(typical1), 3.5);
    EXPECT_TRUE(CanEdit(g, Row(g, "4F"), M::COL_BEND));
    EXPECT_FALSE(CanEdit(g, Row(g, "3F"), M::COL_BEND));
  });
}

TEST_F(StoryMatlDlgTest, TheDialogShowsTheTowerItIsGivenAndKeepsAFloorToOneTower) {
  RunMatl(2, [&](CCmdPlanStoryDlgStorMatl& d, M& g, CUserDriver&) {
    EXPECT_EQ(g.GetTowerKey(), 2u);
    EXPECT_EQ(g.GetRecordCount(), 4);
    auto& dlg = static_cast<TestStorMatlDlg&>(d);
    const UINT typical2 = plan->GetKey("Typical2");  // Tower2's stories use it
    AfxClearMessageLog();
    EXPECT_EQ(dlg.CheckPlanKeyListToBeAssignedToMdul(1, typical2, 1), 0);
    EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules"));
    AfxClearMessageLog();
    EXPECT_EQ(dlg.CheckPlanKeyListToBeAssignedToMdul(1, typical2, 0), 0);
    EXPECT_EQ(AfxGetMessageCount(), 0);
    EXPECT_EQ(dlg.CheckPlanKeyListToBeAssignedToMdul(2, typical2, 1), 1);
  });
}

TEST_F(StoryMatlDlgTest, TheStoryPagesMaterialButtonOpensTheDialogForItsTower) {
  Run(2, [&](CCmdPlanStoryDlgStor&, G&, CUserDriver& user) {
    UINT shown = 0;
    AfxQueueDialogScript([&](CDialog& d) {
      auto& dlg = dynamic_cast<CCmdPlanStoryDlgStorMatl&>(d);
      shown = dlg.GetGrid()->GetTowerKey();
      CString caption;
      d.GetWindowText(caption);
      EXPECT_EQ(caption, CString("楼层材料(混凝土)"));
      d.EndDialog(IDCANCEL);
    });
    user.Click(IDC_PSD_STOR_MATL);
    EXPECT_EQ(shown, 2u);
  });
}

}  // namespace
