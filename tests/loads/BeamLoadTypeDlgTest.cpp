// The beam load type dialog and the import of beam load types from the example model file
// (W200 7.5/0 "200 block wall", W100 4.25/0, Parapet 3.6/0.5, kN/m): the grid's new rows,
// required cells, shown digits and deletes; the import's lists, affixes, refusals and undo.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CFileDialog.h"
#include "afx/CListCtrl.h"
#include "afx/CUserDriver.h"
#include "db/CClassBltp.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "loads/CCmdBeamLoadTypeDlg.h"
#include "loads/CMembLoadImport.h"
#include "res/resource.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CMsgDll.h"

namespace {

const std::string kExample = std::string(VUR_EXAMPLES_DIR) + "/beam_load_types.zel";
using G = CCmdBeamLoadTypeGrid;

class BeamLoadTypeTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    bltp.ConnectToDB(doc->GetModelDB());
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    AfxClearFileAnswers();
    bltp.Disconnect();
    doc.reset();
    app.reset();
  }
  UINT Store(const char* name, double dead, double live, const char* desc = "") {
    T_BLTP_D r;
    r.name = name;
    r.dead = dead;
    r.live = live;
    r.desc = desc;
    EXPECT_TRUE(bltp.TR_Add(r));
    CUIntArray keys;
    bltp.GetKeyList(keys);
    return keys.IsEmpty() ? 0 : keys[keys.GetSize() - 1];
  }
  // Runs the beam load type dialog with act as the user.
  void RunTypes(const std::function<void(CCmdBeamLoadTypeDlg&, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      act(static_cast<CCmdBeamLoadTypeDlg&>(d), u);
      if (d.m_hWnd) u.Click(IDC_BLTP_CLOSE);
    });
    CCmdBeamLoadTypeDlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
  // Runs the import dialog on path with act as the user.
  INT_PTR RunImport(const char* path, const std::function<void(CDialog&, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      act(d, u);
    });
    CMembLoadImport dlg(nullptr);
    dlg.ImportFile(path);
    return dlg.DoModal();
  }
  static std::string Cell(G& g, ROWCOL row, int index) { return g.GetValueRowCol(row, g.GetColumnNoFor(index)).c_str(); }
  static std::string Items(CDialog& d, int id) {
    auto* l = dynamic_cast<CListCtrl*>(d.GetDlgItem(id));
    std::string s;
    for (int i = 0; l && i < l->GetItemCount(); ++i) s += (s.empty() ? "" : "|") + std::string(l->GetItemText(i, 0).c_str());
    return s;
  }
  static std::string Text(CDialog& d, int id) {
    CString s;
    d.GetDlgItemText(id, s);
    return s.c_str();
  }
  static void Select(CUserDriver& u, int id, std::vector<int> rows) { u.SelectRows(u.FindControl(id), rows); }
  // "name dead live desc" of every type, in the table's order.
  std::string Types() {
    CUIntArray keys;
    CArray<T_BLTP_D> recs;
    bltp.GetList(keys, recs);
    std::string s;
    for (INT_PTR i = 0; i < recs.GetSize(); ++i) {
      char buf[64];
      std::snprintf(buf, sizeof buf, " %g %g ", recs[i].dead, recs[i].live);
      s += (s.empty() ? "" : ",") + std::string(recs[i].name.c_str()) + buf + recs[i].desc.c_str();
    }
    return s;
  }
  static std::string Key(const char* k) { return CMsgDll::pfuncLoadStr(k, 0); }
  static std::string LastMessage() { return AfxGetLastMessage() ? AfxGetLastMessage()->text.c_str() : ""; }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassBltp bltp;
};

// ---- the grid ---------------------------------------------------------------------------

TEST_F(BeamLoadTypeTest, ANewRowShowsNoIdThenTheTablesKeyAndNeedsNameDeadAndLive) {
  Store("Old", 1, 2);
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver& u) {
    G& g = d.GetGrid();
    CWnd* grid = u.FindControl(IDC_BLTP_GRID);
    EXPECT_EQ(Cell(g, 1, G::COL_ID), "1");
    EXPECT_EQ(Cell(g, 1, G::COL_DL), "1");
    // A typed name is enough: DL and LL start as "0.".
    ASSERT_TRUE(u.EditCell(grid, 2, g.GetColumnNoFor(G::COL_NAME), "W1"));
    EXPECT_EQ(Types(), "Old 1 2 ,W1 0 0 ");
    EXPECT_EQ(Cell(g, 2, G::COL_ID), "2") << "the row shows the key the table gave";
    EXPECT_EQ(Cell(g, 2, G::COL_NAME), "W1");
    // An emptied LL (and DL) is refused, one line per column.
    AfxClearMessageLog();
    u.EditCell(grid, 2, g.GetColumnNoFor(G::COL_LL), "");
    u.EditCell(grid, 2, g.GetColumnNoFor(G::COL_DL), "");
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_LOAD_TYPE_GRID_DL") + Key("IDS_CMD_GRID_ERR_Not_Entered") + "\n" +
                                 Key("IDS_WG_CMD_LOAD_TYPE_GRID_LL") + Key("IDS_CMD_GRID_ERR_Not_Entered"));
    EXPECT_EQ(Types(), "Old 1 2 ,W1 0 0 ");
  });
}

TEST_F(BeamLoadTypeTest, ThreeDigitsShownButTheStoredLoadSurvivesAnEditElsewhere) {
  Store("W", 12.345, 0.123456, "wall");
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver& u) {
    G& g = d.GetGrid();
    CWnd* grid = u.FindControl(IDC_BLTP_GRID);
    EXPECT_EQ(Cell(g, 1, G::COL_DL), "12.3");
    EXPECT_EQ(Cell(g, 1, G::COL_LL), "0.123");
    ASSERT_TRUE(u.EditCell(grid, 1, g.GetColumnNoFor(G::COL_DESC), "brick wall"));
    EXPECT_EQ(Types(), "W 12.345 0.123456 brick wall");
    // A typed load is taken as typed; a text that is no real is refused.
    ASSERT_TRUE(u.EditCell(grid, 1, g.GetColumnNoFor(G::COL_DL), "12.4"));
    EXPECT_EQ(Types(), "W 12.4 0.123456 brick wall");
    AfxClearMessageLog();
    for (const char* bad : {"1e3x", "abc"}) u.EditCell(grid, 1, g.GetColumnNoFor(G::COL_LL), bad);
    EXPECT_GE(AfxGetMessageCount(), 1);
    EXPECT_EQ(Types(), "W 12.4 0.123456 brick wall");
  });
}

TEST_F(BeamLoadTypeTest, ModifyKeepsTheKeyEvenWhenNamesRepeat) {
  Store("Same", 1, 1);
  Store("Same", 2, 2);
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver& u) {
    G& g = d.GetGrid();
    ASSERT_TRUE(u.EditCell(u.FindControl(IDC_BLTP_GRID), 2, g.GetColumnNoFor(G::COL_NAME), "Other"));
  });
  EXPECT_EQ(Types(), "Same 1 1 ,Other 2 2 ");
}

TEST_F(BeamLoadTypeTest, RowsDeletedAndPastedInOneTransactionEach) {
  for (const char* n : {"A", "B", "C"}) Store(n, 1, 0);
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver& u) {
    G& g = d.GetGrid();
    CWnd* grid = u.FindControl(IDC_BLTP_GRID);
    const int undo = doc->GetModelDB()->GetUndoCount();
    u.SelectGridRows(grid, {1, 3});
    u.Key(IDC_BLTP_GRID, VK_DELETE);
    EXPECT_EQ(Types(), "B 1 0 ");
    EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
    EXPECT_EQ(g.GetRowCount(), 2u) << "B and the append row";
    // Two pasted rows: two new types in one step; an empty LL refuses the paste.
    u.Paste(grid, 2, g.GetColumnNoFor(G::COL_NAME), "P1\t1.5\t2\tx\nP2\t3\t4\ty");
    EXPECT_EQ(Types(), "B 1 0 ,P1 1.5 2 x,P2 3 4 y");
    EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 2);
    AfxClearMessageLog();
    u.Paste(grid, g.GetRowCount(), g.GetColumnNoFor(G::COL_NAME), "P3\t1\t\tz");
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_LOAD_TYPE_GRID_LL") + Key("IDS_CMD_GRID_ERR_Not_Entered"));
    EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 2);
    // An undo made elsewhere reaches the open grid.
    doc->Undo();
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "B");
    EXPECT_EQ(g.GetRowCount(), 2u);
  });
}

TEST_F(BeamLoadTypeTest, HintsZeroAndOneHandOnTheUpdateRecordsOtherHintsLeaveTheGrid) {
  Store("A", 1, 0);
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver&) {
    G& g = d.GetGrid();
    T_UPDATE_HINT hint;
    hint.m_nDBID = DB_ID_MODEL;
    for (LPARAM h : {5, 0, 1}) {
      g.SetValueRange(CGXRange(1, g.GetColumnNoFor(G::COL_NAME)), "stale");
      static_cast<CDBUpdateConnector&>(d).OnUpdate(nullptr, h, &hint);
      EXPECT_EQ(Cell(g, 1, G::COL_NAME), h == 5 ? "stale" : "A") << "hint " << h;
      EXPECT_EQ(g.GetRowCount(), 2u) << "hint " << h;
    }
  });
}

// ---- the import -------------------------------------------------------------------------

TEST_F(BeamLoadTypeTest, MovesKeepFileOrder) {
  RunImport(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_AVAILABLE), "W200|W100|Parapet");
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_CHOSEN), "");
    Select(u, IDC_BLTP_IMPORT_AVAILABLE, {2});
    u.Click(IDC_BLTP_IMPORT_CHOOSE);
    Select(u, IDC_BLTP_IMPORT_AVAILABLE, {0});
    u.Click(IDC_BLTP_IMPORT_CHOOSE);
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_CHOSEN), "W200|Parapet");
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_AVAILABLE), "W100");
    u.DblClick(u.FindControl(IDC_BLTP_IMPORT_AVAILABLE), 0);
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_CHOSEN), "W200|W100|Parapet");
    u.DblClick(u.FindControl(IDC_BLTP_IMPORT_CHOSEN), 0);
    Select(u, IDC_BLTP_IMPORT_CHOSEN, {1});
    u.Click(IDC_BLTP_IMPORT_BACK);
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_AVAILABLE), "W200|Parapet");
    u.Click(IDC_BLTP_IMPORT_ALL);
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_CHOSEN), "W200|W100|Parapet");
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_AVAILABLE), "");
    u.Click(IDC_BLTP_IMPORT_NONE);
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_CHOSEN), "");
    EXPECT_EQ(Items(d, IDC_BLTP_IMPORT_AVAILABLE), "W200|W100|Parapet");
    u.Click(IDCANCEL);
  });
  EXPECT_EQ(bltp.GetCount(), 0);
}

TEST_F(BeamLoadTypeTest, AffixesNameTheImportedTypesWhichOneUndoRemoves) {
  Store("Own", 1, 1);
  const int undo = doc->GetModelDB()->GetUndoCount();
  EXPECT_EQ(IDOK, RunImport(kExample.c_str(), [&](CDialog&, CUserDriver& u) {
              Select(u, IDC_BLTP_IMPORT_AVAILABLE, {0, 1});
              u.Click(IDC_BLTP_IMPORT_CHOOSE);
              u.Type(IDC_BLTP_IMPORT_PREFIX, "P");
              u.Type(IDC_BLTP_IMPORT_SUFFIX, "S");
              u.Click(IDOK);
            }));
  EXPECT_EQ(Types(), "Own 1 1 ,PW200S 7.5 0 200 block wall,PW100S 4.25 0 ");
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  doc->Undo();
  EXPECT_EQ(Types(), "Own 1 1 ");
}

TEST_F(BeamLoadTypeTest, NothingChosenAddsNothing) {
  const int undo = doc->GetModelDB()->GetUndoCount();
  EXPECT_EQ(IDOK, RunImport(kExample.c_str(), [&](CDialog&, CUserDriver& u) { u.Click(IDOK); }));
  EXPECT_EQ(bltp.GetCount(), 0);
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo);
}

TEST_F(BeamLoadTypeTest, ARefusedAddRestoresTheNamesAndEmptiesTheAffixes) {
  DB_CDataBase* db = doc->GetModelDB();
  std::string prefix = "?", suffix = "?", chosen;
  EXPECT_EQ(IDOK, RunImport(kExample.c_str(), [&](CDialog& d, CUserDriver& u) {
              // A failed inner group refuses every write until the outer one ends.
              ASSERT_TRUE(db->BeginGroup());
              ASSERT_TRUE(db->BeginGroup());
              db->RollbackGroup();
              u.Click(IDC_BLTP_IMPORT_ALL);
              u.Type(IDC_BLTP_IMPORT_PREFIX, "X");
              u.Type(IDC_BLTP_IMPORT_SUFFIX, "Y");
              u.Click(IDOK);
              ASSERT_TRUE(d.m_hWnd) << "the dialog stays open";
              prefix = Text(d, IDC_BLTP_IMPORT_PREFIX);
              suffix = Text(d, IDC_BLTP_IMPORT_SUFFIX);
              chosen = Items(d, IDC_BLTP_IMPORT_CHOSEN);
              EXPECT_FALSE(db->CommitGroup());
              u.Click(IDOK);
            }));
  EXPECT_EQ(prefix + "/" + suffix, "/");
  EXPECT_EQ(chosen, "W200|W100|Parapet");
  EXPECT_EQ(Types(), "W200 7.5 0 200 block wall,W100 4.25 0 ,Parapet 3.6 0.5 ") << "the file's names, no affixes";
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(BeamLoadTypeTest, AFileThatCannotBeReadIsToldAndOffersNothing) {
  const std::string missing = std::string(VUR_EXAMPLES_DIR) + "/no_such_model.zel";
  std::string lists = "?";
  EXPECT_EQ(IDOK, RunImport(missing.c_str(), [&](CDialog& d, CUserDriver& u) {
              lists = Items(d, IDC_BLTP_IMPORT_AVAILABLE) + "/" + Items(d, IDC_BLTP_IMPORT_CHOSEN);
              u.Click(IDOK);
            }));
  EXPECT_EQ(lists, "/");
  ASSERT_EQ(AfxGetMessageCount(), 1);
  EXPECT_NE(LastMessage().find(missing), std::string::npos) << LastMessage();
  EXPECT_EQ(bltp.GetCount(), 0);
}

TEST_F(BeamLoadTypeTest, ImportFromTheDialogReachesItsGrid) {
  RunTypes([&](CCmdBeamLoadTypeDlg& d, CUserDriver& u) {
    // Cancelled file dialog: nothing opens.
    AfxQueueFileAnswer(nullptr);
    u.Click(IDC_BLTP_IMPORT);
    EXPECT_EQ(bltp.GetCount(), 0);
    AfxQueueFileAnswer(kExample.c_str());
    AfxQueueDialogScript([](CDialog& imp) {
      CUserDriver ui(&imp);
      ui.SelectRows(ui.FindControl(IDC_BLTP_IMPORT_AVAILABLE), {2});
      ui.Click(IDC_BLTP_IMPORT_CHOOSE);
      ui.Click(IDOK);
    });
    u.Click(IDC_BLTP_IMPORT);
    G& g = d.GetGrid();
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "Parapet");
    EXPECT_EQ(Cell(g, 1, G::COL_LL), "0.5");
    u.Click(IDC_BLTP_LOAD_CASES);
  });
  EXPECT_EQ(Types(), "Parapet 3.6 0.5 ");
}

}  // namespace
