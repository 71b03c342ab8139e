// The member load dialog, its grid and the multiple assignment, on a model of four
// standard floors (Plan1 and P2..P4), one story on each of P2..P4, member names and member
// load types of each kind.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "grid/GXClipboard.h"
#include "host/CHostApp.h"
#include "loads/CMembLoadAssignDlg.h"
#include "loads/CMembLoadSelectDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace {

using G = CMembLoadAssignGrid;
const ROWCOL kLoadCol = G::LOAD_GRID_COL;

class MembLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    db = doc->GetModelDB();
    names = Table<CClassName>();
    plans = Table<CClassPlan>();
    stor = Table<CClassStor>();
    ldtp = Table<CClassLdtp>();
    mbld = Table<CClassMbld>();
    plan[0] = 1;  // the new model's Plan1
    for (int i = 1; i < 4; ++i) {
      T_PLAN_D p;
      p.name.Format("P%d", i + 1);
      EXPECT_TRUE(plans->TR_Add(p));
      plan[i] = plans->GetKey(p.name);
      T_STOR_D s;
      s.name.Format("F%d", i + 1);
      s.mdulKey = 1;
      s.planKey = plan[i];
      s.height = 3.0;
      EXPECT_TRUE(stor->TR_Add(s));
      story[i] = stor->GetKeyAtSeq(stor->GetCount());
    }
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  template <class T> T* Table() { return static_cast<T*>(db->GetClass(T::m_nClassID)); }
  UINT Name(const char* text, int type) {
    T_NAME_D n;
    n.name = text;
    n.type = type;
    EXPECT_TRUE(names->TR_Add(n)) << text;
    return names->GetKey(text, type);
  }
  UINT LoadType(const char* text, int kind) {
    T_LDTP_D r;
    r.name = text;
    r.kind = kind;
    EXPECT_TRUE(ldtp->TR_Add(r)) << text;
    return ldtp->GetKeyAtSeq(ldtp->GetCount());
  }
  // A beam of that name on the story of floor index i.
  void Beam(const char* text, int i) {
    auto* pont = Table<CClassPont>();
    auto* memb = Table<CClassMemb>();
    CUIntArray pts;
    for (double x : {0.0, 6.0}) {
      T_PONT_D p;
      p.x = x;
      p.y = 3.0 * i;
      p.storyKey = story[i];
      ASSERT_TRUE(pont->TR_Add(p));
      pts.Add(pont->GetKeyAtSeq(pont->GetCount()));
    }
    T_MEMB_D m;
    m.type = 201;
    m.storyKey = story[i];
    m.points = pts;
    m.name = text;
    ASSERT_TRUE(memb->TR_Add(m));
  }
  void Assign(UINT name, UINT planKey, UINT load) {
    T_MBLD_D r;
    r.nameKey = name;
    r.plan = planKey;
    r.loadType = load;
    ASSERT_TRUE(mbld->TR_Add(r));
  }
  // Runs the member load dialog with act as the user; it is closed afterwards.
  void Run(const std::function<void(CMembLoadAssignDlg&, G&, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      auto& dlg = static_cast<CMembLoadAssignDlg&>(d);
      act(dlg, dlg.GetGrid(), u);
      if (d.m_hWnd) u.Click(IDC_MBLD_CLOSE);
    });
    EXPECT_EQ(ICmdDialog::DoModal("CMembLoadAssignDlg", nullptr), IDCANCEL);
  }
  static std::string Cell(G& g, ROWCOL row, int index) { return g.GetValueRowCol(row, g.GetColumnNoFor(index)).c_str(); }
  // "NAME/PLAN" of every row, "-" marking the hidden ones.
  static std::string Rows(G& g) {
    std::string s;
    for (ROWCOL r = 1; r < g.GetRowCount(); ++r)
      s += (s.empty() ? "" : " ") + std::string(g.IsRowHidden(r) ? "-" : "") + Cell(g, r, G::COL_NAME) + "/" +
           Cell(g, r, G::COL_PLAN);
    return s;
  }
  static std::string Key(const char* k) { return CMsgDll::pfuncLoadStr(k, 0); }
  static std::string LastMessage() { return AfxGetLastMessage() ? AfxGetLastMessage()->text.c_str() : ""; }
  CWnd* GridWnd(CUserDriver& u) { return u.FindControl(IDC_MBLD_GRID); }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassName* names = nullptr;
  CClassPlan* plans = nullptr;
  CClassStor* stor = nullptr;
  CClassLdtp* ldtp = nullptr;
  CClassMbld* mbld = nullptr;
  UINT plan[4] = {};
  UINT story[4] = {};
};

// ---- rows, choices and the combo ----------------------------------------------------------

TEST_F(MembLoadTest, ThreeNamesAndFourFloorsGiveTwelveRowsByNameThenFloor) {
  Name("S10", 301);
  Name("S2", 301);
  Name("S1", 301);
  Run([&](CMembLoadAssignDlg& d, G& g, CUserDriver&) {
    EXPECT_EQ(d.GetTargetKind(), CMembLoadAssignDlg::KIND_AREA);
    EXPECT_EQ(Rows(g),
              "S1/Plan1 S1/P2 S1/P3 S1/P4 S2/Plan1 S2/P2 S2/P3 S2/P4 S10/Plan1 S10/P2 S10/P3 S10/P4");
    EXPECT_EQ(Cell(g, 1, G::COL_TYPE), Key("IDS_CMD_MEMB_TYPE_SLAB"));
    EXPECT_EQ(Cell(g, 1, G::COL_LOAD), Key("IDS_CMD_MEMB_None"));
    EXPECT_EQ(Cell(g, 1, G::COL_KEY), "") << "no record";
  });
}

TEST_F(MembLoadTest, NoNameOrNoFloorGivesNoRow) {
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver&) { EXPECT_EQ(g.GetRowCount(), 1u) << "the hidden append row only"; });
  Name("S1", 301);
  for (UINT p : plan) ASSERT_TRUE(plans->TR_Del(p));
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver&) { EXPECT_EQ(g.GetRowCount(), 1u); });
}

TEST_F(MembLoadTest, ChoicesStartWithNoneAndListTheTargetKindsLoadTypesInTableOrder) {
  Name("S1", 301);
  Name("C1", 101);
  LoadType("A2", 2);
  LoadType("P1", 0);
  LoadType("A1", 2);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    CGXStyle s;
    g.ComposeStyleRowCol(1, kLoadCol, s);
    EXPECT_EQ(std::string(s.GetChoiceList().c_str()), Key("IDS_CMD_MEMB_None") + "\nA2\nA1\n");
    EXPECT_FALSE(u.EditCell(GridWnd(u), 1, kLoadCol, "P1")) << "a point load type is no choice for a slab";
    u.Click(IDC_MBLD_KIND_POINT);
    g.ComposeStyleRowCol(1, kLoadCol, s);
    EXPECT_EQ(std::string(s.GetChoiceList().c_str()), Key("IDS_CMD_MEMB_None") + "\nP1\n");
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "C1") << "the column item is chosen";
  });
}

TEST_F(MembLoadTest, TheComboOffersTheKindsTypesAndThePointUnionListsEveryPointNameAndOneKeyPerColumnText) {
  const UINT p1 = Name("N1", 100), p2 = Name("N2", 100), c1 = Name("C1", 101);
  Name("L1", 200);
  Run([&](CMembLoadAssignDlg& d, G& g, CUserDriver& u) {
    u.Click(IDC_MBLD_KIND_LINE);
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "L1") << "the line-member item is chosen";
    CUIntArray keys;
    EXPECT_EQ(d.GetMemberKeyList(CMembLoadAssignDlg::TYPE_ALL_POINT, keys), 3);
    EXPECT_EQ(std::vector<UINT>(keys.begin(), keys.end()), (std::vector<UINT>{p1, p2, c1}));
    EXPECT_EQ(d.GetMemberKeyList(CMembLoadAssignDlg::TYPE_ALL_AREA, keys), 0);
    EXPECT_EQ(d.GetSameNameKeyListInColm("C1", keys), 1);
    EXPECT_EQ(d.GetSameNameKeyListInBeam("C1", keys), 0);
  });
}

// ---- saving ------------------------------------------------------------------------------

TEST_F(MembLoadTest, ALoadTypeIsAssignedChangedAndRemovedPerRow) {
  const UINT s1 = Name("S1", 301);
  LoadType("A1", 2);
  LoadType("A2", 2);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    CWnd* grid = GridWnd(u);
    // None on a pair without record: success, nothing written.
    const int undo = db->GetUndoCount();
    EXPECT_TRUE(u.EditCell(grid, 2, kLoadCol, Key("IDS_CMD_MEMB_None").c_str()));
    EXPECT_EQ(db->GetUndoCount(), undo);
    EXPECT_EQ(AfxGetMessageCount(), 0);

    ASSERT_TRUE(u.EditCell(grid, 2, kLoadCol, "A1"));
    const UINT key = mbld->GetKey(s1, plan[1]);
    ASSERT_NE(key, 0u);
    EXPECT_EQ(Cell(g, 2, G::COL_KEY), std::to_string(key)) << "the rebuilt row shows its record";
    ASSERT_TRUE(u.EditCell(grid, 2, kLoadCol, "A2"));
    T_MBLD_D r;
    ASSERT_TRUE(mbld->Get(key, r)) << "modified under the same key";
    EXPECT_EQ(r.loadType, ldtp->GetKey("A2"));
    EXPECT_EQ(mbld->GetCount(), 1);
    ASSERT_TRUE(u.EditCell(grid, 2, kLoadCol, Key("IDS_CMD_MEMB_None").c_str()));
    EXPECT_EQ(mbld->GetCount(), 0);
    EXPECT_EQ(Cell(g, 2, G::COL_KEY), "");
  });
}

TEST_F(MembLoadTest, BadLoadTypeTextsAndOtherColumnsAreRefusedAndTheAssignmentStays) {
  const UINT s1 = Name("S1", 301);
  const UINT a1 = LoadType("A1", 2);
  LoadType("Pt", 0);
  Assign(s1, plan[0], a1);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    CWnd* grid = GridWnd(u);
    for (const char* text : {"Nope", "Pt"}) {
      AfxClearMessageLog();
      u.Paste(grid, 1, kLoadCol, text);
      EXPECT_EQ(LastMessage(), Key("IDS_CMD_MEMB_Load_Type_Not_Found")) << text;
      T_MBLD_D r;
      ASSERT_TRUE(mbld->Get(mbld->GetKey(s1, plan[0]), r)) << text;
      EXPECT_EQ(r.loadType, a1) << text;
    }
    AfxClearMessageLog();
    g.SetCurrentCell(1, kLoadCol);
    g.StartEditing();
    g.SetEditText("");
    g.EndEditing();
    EXPECT_EQ(LastMessage(), g.GetColTitle(G::COL_LOAD).str() + Key("IDS_TB_SPTS__has_not_been_entered_"));
    g.CancelEditing();
    g.RevertPendingRow();
    EXPECT_EQ(mbld->GetCount(), 1);
    for (int index : {G::COL_NAME, G::COL_TYPE, G::COL_PLAN})
      EXPECT_FALSE(u.EditCell(grid, 2, g.GetColumnNoFor(index), "X")) << index;
    EXPECT_EQ(g.ValidateField("X", G::COL_NAME), 0);
    EXPECT_EQ(g.ValidateField("A1", G::COL_LOAD), 1);
  });
}

TEST_F(MembLoadTest, DeletingRowsDeletesTheirRecordsInOneTransactionSkippingRowsWithout) {
  const UINT s1 = Name("S1", 301);
  const UINT a1 = LoadType("A1", 2);
  Assign(s1, plan[1], a1);
  Assign(s1, plan[3], a1);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    ASSERT_TRUE(u.SelectGridRows(GridWnd(u), {1, 2, 3, 4}));
    const int undo = db->GetUndoCount();
    EXPECT_EQ(g.DeleteSelectedRows(), 1);
    EXPECT_EQ(mbld->GetCount(), 0);
    EXPECT_EQ(db->GetUndoCount(), undo + 1);
    EXPECT_EQ(AfxGetMessageCount(), 0);
  });
}

TEST_F(MembLoadTest, TheLastRowsLoadTypeStaysEditable) {
  const UINT s1 = Name("S1", 301);
  LoadType("A1", 2);
  Run([&](CMembLoadAssignDlg&, G&, CUserDriver& u) { EXPECT_TRUE(u.EditCell(GridWnd(u), 4, kLoadCol, "A1")); });
  EXPECT_NE(mbld->GetKey(s1, plan[3]), 0u);
}

// ---- filters, copy, fold -----------------------------------------------------------------

TEST_F(MembLoadTest, LoadFiltersExcludeEachOtherAndRowsFollowTheirPairs) {
  const UINT s1 = Name("S1", 301);
  const UINT a1 = LoadType("A1", 2);
  Assign(s1, plan[0], a1);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    CButton* loaded = static_cast<CButton*>(u.FindControl(IDC_MBLD_FILTER_LOADED));
    CButton* unloaded = static_cast<CButton*>(u.FindControl(IDC_MBLD_FILTER_UNLOADED));
    u.Click(loaded);
    EXPECT_EQ(Rows(g), "S1/Plan1 -S1/P2 -S1/P3 -S1/P4");
    u.Click(unloaded);
    EXPECT_EQ(loaded->GetCheck(), 0);
    EXPECT_EQ(Rows(g), "-S1/Plan1 S1/P2 S1/P3 S1/P4");
    // The row leaves the view as soon as its pair gets a load type.
    ASSERT_TRUE(u.EditCell(GridWnd(u), 2, kLoadCol, "A1"));
    EXPECT_EQ(Rows(g), "-S1/Plan1 -S1/P2 S1/P3 S1/P4");
    u.Click(loaded);
    EXPECT_EQ(unloaded->GetCheck(), 0);
    ASSERT_TRUE(u.EditCell(GridWnd(u), 1, kLoadCol, Key("IDS_CMD_MEMB_None").c_str()));
    EXPECT_EQ(Rows(g), "-S1/Plan1 S1/P2 -S1/P3 -S1/P4");
    u.Click(loaded);
    EXPECT_EQ(Rows(g), "S1/Plan1 S1/P2 S1/P3 S1/P4") << "both clear";
  });
}

TEST_F(MembLoadTest, FilterOneKeepsTheFloorsWhoseMembersBearTheName) {
  Name("B1", 201);
  Name("B2", 201);
  Beam("B1", 2);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    u.Click(IDC_MBLD_KIND_LINE);
    u.ChooseIndex(IDC_MBLD_MEMB_TYPE, 1);
    EXPECT_EQ(Rows(g), "-B1/Plan1 -B1/P2 B1/P3 -B1/P4 B2/Plan1 B2/P2 B2/P3 B2/P4")
        << "a name no member bears shows on every floor";
    u.Click(IDC_MBLD_FILTER_PLANS);
    EXPECT_EQ(Rows(g), "B1/Plan1 B1/P2 B1/P3 B1/P4 B2/Plan1 B2/P2 B2/P3 B2/P4");
  });
}

TEST_F(MembLoadTest, CopyingLeavesTheHiddenRowsOut) {
  const UINT s1 = Name("S1", 301);
  const UINT a1 = LoadType("A1", 2);
  Assign(s1, plan[1], a1);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver& u) {
    u.Click(IDC_MBLD_FILTER_LOADED);
    // A block of rows 1 to 3 (a drag over the view spans the hidden rows).
    g.ClearSelection();
    g.SelectRange(CGXRange().SetRows(1, 3));
    const size_t ranges = g.GetSelectionList().size();
    CGXClipboard::Empty();
    ASSERT_TRUE(g.Copy());
    const std::string text = CGXClipboard::GetText().c_str();
    EXPECT_NE(text.find("P2\tA1"), std::string::npos) << text;
    EXPECT_EQ(text.find("Plan1"), std::string::npos) << text;
    EXPECT_EQ(text.find("P3"), std::string::npos) << text;
    EXPECT_EQ(g.GetSelectionList().size(), ranges) << "the selection is put back";
    // Only hidden rows selected: nothing is copied.
    g.ClearSelection();
    g.SelectRange(CGXRange().SetRows(3));
    EXPECT_FALSE(g.Copy());
  });
}

TEST_F(MembLoadTest, TheFoldButtonDoublesAndHalvesTheGridAndTheDialogAndButtonsFollow) {
  Run([&](CMembLoadAssignDlg& d, G& g, CUserDriver& u) {
    auto rect = [&](int id) {
      CRect r;
      d.GetDlgItem(id)->GetWindowRect(&r);
      return r;
    };
    CRect dlg0, dlg1;
    d.GetWindowRect(&dlg0);
    const CRect grid0 = rect(IDC_MBLD_GRID), close0 = rect(IDC_MBLD_CLOSE);
    EXPECT_EQ(grid0.Height(), 291);
    u.Click(IDC_MBLD_FORMAT);
    EXPECT_EQ(rect(IDC_MBLD_GRID).Height(), 582);
    EXPECT_EQ(rect(IDC_MBLD_GRID).top, grid0.top);
    EXPECT_EQ(rect(IDC_MBLD_CLOSE).top, close0.top + 291);
    d.GetWindowRect(&dlg1);
    EXPECT_EQ(dlg1.Height(), dlg0.Height() + 291);
    CString text;
    d.GetDlgItemText(IDC_MBLD_FORMAT, text);
    EXPECT_EQ(std::string(text.c_str()), Key("IDS_CMD_MEMB_Fold_UP_Sheet"));
    u.Click(IDC_MBLD_FORMAT);
    EXPECT_EQ(rect(IDC_MBLD_GRID).Height(), 291);
    EXPECT_EQ(rect(IDC_MBLD_CLOSE).top, close0.top);
    d.GetWindowRect(&dlg1);
    EXPECT_EQ(dlg1.Height(), dlg0.Height());
    d.GetDlgItemText(IDC_MBLD_FORMAT, text);
    EXPECT_EQ(std::string(text.c_str()), Key("IDS_CMD_MEMB_Unfold_Sheet"));
    (void)g;
  });
}

TEST_F(MembLoadTest, ALoadTypeChangeKeepsTheCurrentCellInTheLoadColumnWithTheNewChoices) {
  Name("S1", 301);
  LoadType("A1", 2);
  Run([&](CMembLoadAssignDlg&, G& g, CUserDriver&) {
    ASSERT_TRUE(g.SetCurrentCell(2, kLoadCol));
    LoadType("A3", 2);
    ROWCOL r = 0, c = 0;
    ASSERT_TRUE(g.GetCurrentCell(r, c));
    EXPECT_EQ(r, 2u);
    EXPECT_EQ(c, kLoadCol);
    CGXStyle s;
    g.ComposeStyleRowCol(2, kLoadCol, s);
    EXPECT_EQ(std::string(s.GetChoiceList().c_str()), Key("IDS_CMD_MEMB_None") + "\nA1\nA3\n");
  });
}

// ---- the multiple assignment ---------------------------------------------------------------

class MembLoadSelectTest : public MembLoadTest {
 protected:
  // Runs the multiple assignment on the names with act as the user.
  INT_PTR RunSelect(int kind, std::vector<UINT> keys, const std::function<void(CMembLoadSelectDlg&, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      act(static_cast<CMembLoadSelectDlg&>(d), u);
      if (d.m_hWnd) u.Click(IDC_MBLS_CANCEL);
    });
    CMembLoadSelectDlg dlg(nullptr);
    CUIntArray k;
    for (UINT v : keys) k.Add(v);
    dlg.SetMembers(kind, k);
    return dlg.DoModal();
  }
  static void Tick(CUserDriver& u, int id, std::initializer_list<int> items) {
    for (int i : items) ASSERT_TRUE(u.CheckItem(u.FindControl(id), i, 1)) << i;
  }
};

TEST_F(MembLoadSelectTest, NamesAreListedInNameOrderWithTheirTypeText) {
  const UINT b2 = Name("B2", 201), b1 = Name("B1", 201);
  RunSelect(1, {b2, b1}, [&](CMembLoadSelectDlg& d, CUserDriver&) {
    auto* list = static_cast<CListBox*>(d.GetDlgItem(IDC_MBLS_MEMBERS));
    ASSERT_EQ(list->GetCount(), 2);
    CString t;
    list->GetText(0, t);
    EXPECT_EQ(std::string(t.c_str()), "B1 (" + Key("IDS_CMD_MEMB_TYPE_BEAM") + ")");
    EXPECT_EQ(list->GetItemData(1), b2);
  });
}

TEST_F(MembLoadSelectTest, TwoNamesAndThreeFloorsAddSixRecordsInOneTransactionAndApplyingAgainChangesThem) {
  const UINT b1 = Name("B1", 201), b2 = Name("B2", 201);
  const UINT l1 = LoadType("L1", 1), l2 = LoadType("L2", 1);
  Assign(b1, plan[0], l2);
  RunSelect(1, {b1, b2}, [&](CMembLoadSelectDlg&, CUserDriver& u) {
    Tick(u, IDC_MBLS_MEMBERS, {0, 1});
    Tick(u, IDC_MBLS_PLANS, {0, 1, 2});
    ASSERT_TRUE(u.Choose(IDC_MBLS_LOAD_TYPE, "L1"));
    const int undo = db->GetUndoCount();
    u.Click(IDC_MBLS_APPLY);
    EXPECT_EQ(db->GetUndoCount(), undo + 1);
    EXPECT_EQ(mbld->GetCount(), 6) << "the pair already assigned is changed, not doubled";
    for (UINT n : {b1, b2})
      for (int i = 0; i < 3; ++i) {
        T_MBLD_D r;
        ASSERT_TRUE(mbld->Get(mbld->GetKey(n, plan[i]), r));
        EXPECT_EQ(r.loadType, l1);
      }
    u.Click(IDC_MBLS_APPLY);
    EXPECT_EQ(mbld->GetCount(), 6);
    EXPECT_EQ(db->GetUndoCount(), undo + 1) << "nothing left to change";
  });
}

TEST_F(MembLoadSelectTest, AssignByNameMatchesTheTargetKindOnlyAndSkipsNamesWithoutMatch) {
  const UINT s1 = Name("S1", 301), s2 = Name("S2", 301), s3 = Name("S3", 301);
  LoadType("S1", 0);  // a point load type of the same name is no match for a slab
  const UINT a1 = LoadType("S1", 2), a2 = LoadType("S2", 2);
  (void)a2;
  EXPECT_EQ(RunSelect(2, {s1, s2, s3}, [&](CMembLoadSelectDlg&, CUserDriver& u) {
              Tick(u, IDC_MBLS_MEMBERS, {0, 2});
              Tick(u, IDC_MBLS_PLANS, {1});
              u.Click(IDC_MBLS_OK);
            }),
            IDOK);
  EXPECT_EQ(AfxGetMessageCount(), 0);
  EXPECT_EQ(mbld->GetCount(), 1);
  T_MBLD_D r;
  ASSERT_TRUE(mbld->Get(mbld->GetKey(s1, plan[1]), r));
  EXPECT_EQ(r.loadType, a1);
  // No ticked name matches: the message, nothing written, the dialog stays.
  RunSelect(2, {s3}, [&](CMembLoadSelectDlg& d, CUserDriver& u) {
    Tick(u, IDC_MBLS_MEMBERS, {0});
    Tick(u, IDC_MBLS_PLANS, {0});
    u.Click(IDC_MBLS_OK);
    EXPECT_EQ(LastMessage(), Key("IDS_CMD_MEMB_Error_None_Match_Selected_Data"));
    EXPECT_TRUE(d.m_hWnd != nullptr);
  });
  EXPECT_EQ(mbld->GetCount(), 1);
  // Nothing ticked: nothing written, Confirm closes.
  EXPECT_EQ(RunSelect(2, {s3}, [&](CMembLoadSelectDlg&, CUserDriver& u) { u.Click(IDC_MBLS_OK); }), IDOK);
}

TEST_F(MembLoadSelectTest, TickingSelectsTheNamedMembersAndClosingLeavesNoSelection) {
  const UINT b1 = Name("B1", 201), b2 = Name("B2", 201);
  Beam("B1", 1);
  Beam("B1", 2);
  Beam("B2", 3);
  CViewCtrl* view = db->GetViewCtrl();
  CUIntArray all;
  Table<CClassMemb>()->GetKeyList(all);
  view->Select(nullptr, CUIntArray(), all, CUIntArray(), CUIntArray(), 0, 0, 1);
  RunSelect(1, {b1, b2}, [&](CMembLoadSelectDlg&, CUserDriver& u) {
    CUIntArray p, m;
    view->GetAllSelectedMemb(m);
    EXPECT_EQ(m.GetSize(), 0) << "opening clears the selection";
    Tick(u, IDC_MBLS_MEMBERS, {0});
    view->GetAllSelectedPont(p);
    view->GetAllSelectedMemb(m);
    EXPECT_EQ(std::vector<UINT>(m.begin(), m.end()), (std::vector<UINT>{all[0], all[1]}));
    EXPECT_EQ(p.GetSize(), 4);
    ASSERT_TRUE(u.CheckItem(u.FindControl(IDC_MBLS_MEMBERS), 0, 0));
    view->GetAllSelectedMemb(m);
    EXPECT_EQ(m.GetSize(), 0) << "the last name unticked";
    Tick(u, IDC_MBLS_MEMBERS, {1});
  });
  EXPECT_EQ(view->GetSelectedCount(CViewCtrl::MEMB) + view->GetSelectedCount(CViewCtrl::PONT), 0);
}

}  // namespace
