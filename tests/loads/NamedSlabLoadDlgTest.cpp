// The named slab load dialog on the sample's slab names S1 (key 1: 6.5/2.5 kN/m^2) and S2
// (key 2: 4/2), with a free slab name S3 (key 3) and a beam name B1: a row's key follows
// its name, renames move the record in one undoable step, loads under a name are never
// replaced by a new row, the Name choices follow the name table, deletes are one step.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CClassName.h"
#include "db/CClassNsbl.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "loads/CCmdNamedSlabLoadDlg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace {

using G = CCmdNamedSlabLoadGrid;

class NamedSlabLoadTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    db = doc->GetModelDB();
    names = static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID));
    nsbl = static_cast<CClassNsbl*>(db->GetClass(CClassNsbl::m_nClassID));
    s3 = AddName("S3", CClassName::TYPE_SLAB);
    AddName("B1", 201);
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  UINT AddName(const char* name, int type) {
    T_NAME_D r;
    r.name = name;
    r.type = type;
    EXPECT_TRUE(names->TR_Add(r));
    return names->GetKey(name, type);
  }
  // Runs the dialog with act as the user; the grid and the user's driver on it.
  void Run(const std::function<void(G&, CWnd*, CUserDriver&)>& act) {
    AfxQueueDialogScript([act](CDialog& d) {
      CUserDriver u(&d);
      act(static_cast<CCmdNamedSlabLoadDlg&>(d).GetGrid(), u.FindControl(IDC_NSBL_GRID), u);
      if (d.m_hWnd) u.Click(IDC_NSBL_CLOSE);
    });
    CCmdNamedSlabLoadDlg dlg(nullptr);
    EXPECT_EQ(dlg.DoModal(), IDCANCEL);
  }
  static std::string Cell(G& g, ROWCOL row, int index) { return g.GetValueRowCol(row, g.GetColumnNoFor(index)).c_str(); }
  static int Col(G& g, int index) { return (int)g.GetColumnNoFor(index); }
  // "key:DL/LL/description" of every record, in table order.
  std::string Loads() {
    CUIntArray keys;
    CArray<T_NSBL_D> recs;
    nsbl->GetList(keys, recs);
    std::string s;
    for (INT_PTR i = 0; i < recs.GetSize(); ++i) {
      char buf[96];
      std::snprintf(buf, sizeof buf, "%u:%g/%g/", keys[i], recs[i].DL, recs[i].LL);
      s += (s.empty() ? "" : " ") + std::string(buf) + recs[i].description.c_str();
    }
    return s;
  }
  static std::string Key(const char* k) { return CMsgDll::pfuncLoadStr(k, 0); }
  static std::string LastMessage() { return AfxGetLastMessage() ? AfxGetLastMessage()->text.c_str() : ""; }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  DB_CDataBase* db = nullptr;
  CClassName* names = nullptr;
  CClassNsbl* nsbl = nullptr;
  UINT s3 = 0;
};

TEST_F(NamedSlabLoadTest, ANewRowTakesTheKeyOfItsNameAndNeverReplacesALoad) {
  Run([&](G& g, CWnd* grid, CUserDriver& u) {
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "S1");
    EXPECT_EQ(Cell(g, 1, G::COL_ID), "1");
    EXPECT_EQ(Cell(g, 2, G::COL_DL), "4");
    // A name that has a load: refused, and the row shows the name's key.
    ASSERT_TRUE(u.EditCell(grid, 3, Col(g, G::COL_NAME), "S2"));
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_LOAD_SL_WARNING_already_exists"));
    EXPECT_EQ(Cell(g, 3, G::COL_ID), "2");
    EXPECT_EQ(Loads(), "1:6.5/2.5/ 2:4/2/");
    // The free name: saved under its key, DL and LL "0." as the new row showed them.
    ASSERT_TRUE(u.EditCell(grid, 3, Col(g, G::COL_NAME), "S3"));
    EXPECT_EQ(Loads(), "1:6.5/2.5/ 2:4/2/ 3:0/0/");
    EXPECT_EQ(Cell(g, 3, G::COL_ID), "3");
    EXPECT_EQ(Cell(g, 3, G::COL_NAME), "S3");
  });
}

TEST_F(NamedSlabLoadTest, ARenameMovesTheWholeRecordInOneUndoableStep) {
  T_NSBL_D r;
  ASSERT_TRUE(nsbl->Get(1, r));
  r.DL = 6.54321;
  r.description = "office";
  ASSERT_TRUE(nsbl->TR_Modify(1, r));
  const int steps = db->GetUndoCount();
  Run([&](G& g, CWnd* grid, CUserDriver& u) {
    ASSERT_TRUE(u.EditCell(grid, 1, Col(g, G::COL_NAME), "S3"));
    EXPECT_EQ(LastMessage(), "");
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "S2");
    EXPECT_EQ(Cell(g, 2, G::COL_NAME), "S3");
    EXPECT_EQ(Cell(g, 2, G::COL_ID), "3");
    EXPECT_EQ(Cell(g, 2, G::COL_DL), "6.54");
  });
  EXPECT_EQ(Loads(), "2:4/2/ 3:6.54321/2.5/office") << "the shown digits never round the load";
  EXPECT_EQ(db->GetUndoCount(), steps + 1);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Loads(), "1:6.54321/2.5/office 2:4/2/") << "back in its place";
}

// Each refusal leaves every record as it was and writes nothing.
TEST_F(NamedSlabLoadTest, RenamesAndPastesToANameWithALoadOrToNoSlabNameAreRefused) {
  const struct {
    bool paste;
    int row;
    const char* text;
    const char* message;
  } cases[] = {
      {false, 1, "S2", "IDS_WG_CMD_LOAD_SL_WARNING_already_exists"},
      {true, 1, "S2\t1\t1\t", "IDS_WG_CMD_LOAD_SL_WARNING_already_exists"},
      {true, 3, "S1\t1\t1\t", "IDS_WG_CMD_LOAD_SL_WARNING_already_exists"},
      {true, 3, "B1\t1\t1\t", "IDS_WG_CMD_LOAD_SL_WARNING_not_slab_name"},
      {true, 1, "Nope\t1\t1\t", "IDS_WG_CMD_LOAD_SL_WARNING_not_slab_name"},
      {true, 3, "S3\t1\t1\t\nS3\t2\t2\t", "IDS_WG_CMD_LOAD_SL_WARNING_already_exists"},
  };
  for (const auto& c : cases) {
    AfxClearMessageLog();
    const int steps = db->GetUndoCount();
    Run([&](G& g, CWnd* grid, CUserDriver& u) {
      if (c.paste) u.Paste(grid, c.row, Col(g, G::COL_NAME), c.text);
      else u.EditCell(grid, c.row, Col(g, G::COL_NAME), c.text);
    });
    EXPECT_EQ(LastMessage(), Key(c.message)) << c.text;
    EXPECT_EQ(Loads(), "1:6.5/2.5/ 2:4/2/") << c.text;
    EXPECT_EQ(db->GetUndoCount(), steps) << c.text;
  }
}

TEST_F(NamedSlabLoadTest, PastedRowsTakeTheirNamesKeysAndTheSameNameModifiesInPlace) {
  Run([&](G& g, CWnd* grid, CUserDriver& u) {
    // Row 1 keeps S1 and takes new loads; the new row lands under S3's key.
    const int steps = db->GetUndoCount();
    ASSERT_TRUE(u.Paste(grid, 1, Col(g, G::COL_NAME), "S1\t7\t3\tpasted"));
    ASSERT_TRUE(u.Paste(grid, 3, Col(g, G::COL_NAME), "S3\t1\t0.5\troof"));
    EXPECT_EQ(Loads(), "1:7/3/pasted 2:4/2/ 3:1/0.5/roof");
    EXPECT_EQ(db->GetUndoCount(), steps + 2);
    // The same name chosen again: saved in place (unchanged: nothing written).
    ASSERT_TRUE(u.EditCell(grid, 2, Col(g, G::COL_NAME), "S2"));
    EXPECT_EQ(db->GetUndoCount(), steps + 2);
    ASSERT_TRUE(u.EditCell(grid, 2, Col(g, G::COL_LL), "2.5"));
    EXPECT_EQ(Loads(), "1:7/3/pasted 2:4/2.5/ 3:1/0.5/roof");
    // A pasted rename moves the record, as a typed one does.
    ASSERT_TRUE(u.Paste(grid, 1, Col(g, G::COL_NAME), "S9"));
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_LOAD_SL_WARNING_not_slab_name"));
  });
}

TEST_F(NamedSlabLoadTest, TheNameChoicesFollowSlabNamesAddedWhileOpenAndNoOtherType) {
  Run([&](G& g, CWnd*, CUserDriver&) {
    EXPECT_EQ(std::string(g.GetNameChoices().c_str()), "S1\nS2\nS3\n");
    AddName("S4", CClassName::TYPE_SLAB);
    AddName("W1", 202);
    CGXStyle style;
    g.ComposeStyleRowCol(1, g.GetColumnNoFor(G::COL_NAME), style);
    EXPECT_EQ(std::string(style.GetChoiceList().c_str()), "S1\nS2\nS3\nS4\n");
    EXPECT_EQ(Cell(g, 1, G::COL_NAME), "S1") << "rows keep their texts";
  });
}

TEST_F(NamedSlabLoadTest, DeletingTwoRowsIsOneTransaction) {
  ASSERT_TRUE(nsbl->TR_Add(s3, T_NSBL_D()));
  const int steps = db->GetUndoCount();
  Run([&](G&, CWnd* grid, CUserDriver& u) {
    ASSERT_TRUE(u.SelectGridRows(grid, {1, 3}));
    ASSERT_TRUE(u.Key(grid, VK_DELETE));
  });
  EXPECT_EQ(Loads(), "2:4/2/");
  EXPECT_EQ(db->GetUndoCount(), steps + 1);
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(Loads(), "1:6.5/2.5/ 2:4/2/ 3:0/0/");
}

}  // namespace
