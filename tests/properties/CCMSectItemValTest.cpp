// The value section page and its grid through the section editor, as a user drives them,
// on the example model (examples/value_sections.zel: one typed H section, key 1): size rows
// by shape, cell texts as numbers, sizes and the recompute, units and shown formats, keys,
// saving, renumbering and the refusals.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <sstream>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CButton.h"
#include "afx/CStatic.h"
#include "afx/CUserDriver.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "db/DBField.h"
#include "frame/ICmdDialog.h"
#include "grid/GXKeyState.h"
#include "host/CHostApp.h"
#include "host/CScenarioRunner.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CCMSectItemGrid.h"
#include "properties/CCMSectItemVal.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

namespace {

typedef CCMSectItemGrid G;
const int kValueTab = 2;
const ROWCOL kArea = 10, kIyy = 14, kCentZ = 25;

const char* Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

class ValuePageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    CString error;
    ASSERT_TRUE(doc->OpenModel(VUR_EXAMPLES_DIR "/value_sections.zel", error)) << error.c_str();
    AfxClearMessageLog();
    AfxClearScriptQueue();
    sect.ConnectToDB(doc->GetModelDB());
    stored = Read(1);
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }

  // Opens section key in the editor with a user script acting on the value page.
  int Run(UINT key, std::function<void(CUserDriver&, CCMSectItemGrid&)> script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      auto* grid = dynamic_cast<CCMSectItemGrid*>(user.FindControl(IDC_SECT_VAL_GRID));
      ASSERT_NE(grid, nullptr);
      script(user, *grid);
    });
    const int r = ICmdDialog::DoModal("CCMSectItemDlg", (void*)(uintptr_t)key);
    AfxClearScriptQueue();
    return r;
  }
  T_SECT_D Read(UINT key) {
    T_SECT_D s;
    EXPECT_TRUE(sect.Get(key, s)) << key;
    return s;
  }
  static CString Shown(CCMSectItemGrid& g, ROWCOL r) { return g.UserGetCellText((int)r, G::COL_VALUE); }
  static CString Text(CUserDriver& user, int id) {
    CString s;
    if (CWnd* w = user.FindControl(id)) w->GetWindowText(s);
    return s;
  }
  static CString LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text : CString();
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassSect sect;
  T_SECT_D stored;
};

TEST_F(ValuePageTest, OpensOnTheValueTabWithTheTypedValuesAndOKWritesThemBackWithAreaAux) {
  // Fields the page does not show survive.
  stored.Part2.dPs = 0.75;
  stored.Part1.BaseA.Design.Wey = 0.001;
  stored.Part1.BaseA.Stiff.fIyy = 0.8;
  ASSERT_TRUE(sect.TR_Modify(1, 1, stored));
  const int undo = doc->GetModelDB()->GetUndoCount();
  ASSERT_EQ(IDOK, Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
              EXPECT_EQ(Text(user, IDC_SECT_ITEM_NUMBER), "1");
              EXPECT_EQ(Text(user, IDC_SECT_VAL_NAME), "VH");
              EXPECT_EQ(Text(user, IDC_SECT_VAL_SHAPE), Key("IDS_CMD_THIK_H_Section"));
              EXPECT_EQ(Text(user, IDC_SECT_VAL_MATL), Key("IDS_WG_CMD_SEC_MATL_TYPE_STEEL"));
              auto* built = (CButton*)user.FindControl(IDC_SECT_VAL_BUILTUP);
              EXPECT_EQ(built->GetCheck(), 0);
              EXPECT_TRUE(built->IsWindowEnabled());
              EXPECT_FALSE(user.FindControl(IDC_SECT_VAL_OFFSET)->IsWindowVisible());
              EXPECT_EQ(((CStatic*)user.FindControl(IDC_SECT_VAL_PICTURE))->GetBitmapId(), IDB_SECT_VALUE_H);
              EXPECT_EQ(Shown(g, 2), "0.3000");
              EXPECT_EQ(Shown(g, kArea), "0.0047");
              EXPECT_EQ(Shown(g, kIyy), "7.2000e-05");
              EXPECT_EQ(Shown(g, kCentZ), "0.15");
              EXPECT_EQ(g.GetValueRowCol(kIyy, G::COL_VALUE), "7.2e-05");
              ROWCOL r = 0, c = 0;
              ASSERT_TRUE(g.GetCurrentCell(r, c));
              EXPECT_EQ(r, 2u);
              EXPECT_EQ(c, G::COL_VALUE);
              user.Click(IDOK);
            }));
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  T_SECT_D after = Read(1);
  T_SECT_D want = stored;
  want.Part1.BaseA.Stiff.AreaAux = 0.0047;
  // The preview keeps the display centre of the record it draws.
  want.Part1.dDispCenterY = after.Part1.dDispCenterY;
  want.Part1.dDispCenterZ = after.Part1.dDispCenterZ;
  CString a, b;
  DB_DumpRecord(T_SECT_D::Desc(), &want, a);
  DB_DumpRecord(T_SECT_D::Desc(), &after, b);
  EXPECT_EQ(a, b);
}

TEST_F(ValuePageTest, EachShapeShowsItsSizeRowsAndANewShapeClearsEverySizeAndValue) {
  struct Case {
    int item;  // in the shape list: angle, channel, H, T, box, pipe, 2L, 2C, rectangle, circle
    int sizes;
  } cases[] = {{0, 4}, {1, 6}, {3, 4}, {4, 6}, {5, 2}, {6, 5}, {7, 5}, {8, 2}, {9, 1}, {2, 6}};
  Run(1, [&](CUserDriver& user, CCMSectItemGrid& g) {
    for (const Case& k : cases) {
      ASSERT_TRUE(user.ChooseIndex(IDC_SECT_VAL_SHAPE, k.item)) << k.item;
      for (ROWCOL r = 2; r <= 7; ++r) EXPECT_EQ(g.IsRowHidden(r), (int)r > k.sizes + 1) << k.item << " row " << r;
      for (ROWCOL r = 2; r <= (ROWCOL)k.sizes + 1; ++r) EXPECT_NE(Shown(g, r), "") << k.item << " row " << r;
      for (ROWCOL r = kArea; r <= kCentZ; ++r) EXPECT_EQ(g.GetValueRowCol(r, G::COL_VALUE), "0") << k.item << " row " << r;
    }
    EXPECT_EQ(Text(user, IDC_SECT_VAL_NAME), "VH");
    user.Click(IDOK);
  });
  T_SECT_D after = Read(1);
  EXPECT_EQ(after.Part1.strShape, "H");
  EXPECT_EQ(after.Part1.BaseA.dSize[0], 0.0);
  EXPECT_EQ(after.Part1.BaseA.Stiff.Area, 0.0);
  EXPECT_EQ(after.Part1.BaseA.Stiff.Iyy, 0.0);
  EXPECT_EQ(after.Part1.BaseA.iFabType, 1);
}

TEST_F(ValuePageTest, CellTextsAreNumbersFormulasOrRefusedWithTheirWarning) {
  struct Case {
    const char* text;
    const char* warning;  // nullptr: accepted
    const char* shown;    // the value cell afterwards
    double stored;        // Area as saved
  } cases[] = {
      {"=2*3", nullptr, "6", 6},
      {"=1E-3*2", nullptr, "0.002", 0.002},
      {" 0.005 ", nullptr, "0.005", 0.005},
      {"", nullptr, "", 0},
      {"12abc", "IDS_CMD0417__Character_exist_in_the_number_", nullptr, 0},
      {"nan", "IDS_CMD0417__Character_exist_in_the_number_", nullptr, 0},
      {"0x10", "IDS_CMD0417__Character_exist_in_the_number_", nullptr, 0},
      {"1e999", "IDS_CMD0417__Out_of_value_range_", nullptr, 0},
      {"=2*", "IDS_CMD0417__Formula_is_invalid_", nullptr, 0},
      {"=1/0", "IDS_CMD0417__Formula_is_invalid_", nullptr, 0},
  };
  for (const Case& k : cases) {
    AfxClearMessageLog();
    Run(1, [&](CUserDriver& user, CCMSectItemGrid& g) {
      ASSERT_TRUE(user.EditCell(&g, kArea, G::COL_VALUE, k.text)) << k.text;
      if (k.warning) {
        EXPECT_STREQ(LastMessage(), Key(k.warning)) << k.text;
        // The user stays in the cell with what was typed.
        EXPECT_TRUE(g.IsEditing()) << k.text;
        EXPECT_EQ(g.GetEditText(), k.text);
        user.Click(IDCANCEL);
        return;
      }
      EXPECT_EQ(AfxGetMessageCount(), 0) << k.text;
      EXPECT_EQ(Shown(g, kArea), k.shown) << k.text;
      user.Click(IDOK);
    });
    if (!k.warning) {
      EXPECT_DOUBLE_EQ(Read(1).Part1.BaseA.Stiff.Area, k.stored) << k.text;
    }
  }
}

TEST_F(ValuePageTest, ASizeRecomputesInMemoryTheButtonShowsItAndSavingWritesWhatIsShown) {
  Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
    ASSERT_TRUE(user.EditCell(&g, 2, G::COL_VALUE, "0.4"));
    EXPECT_EQ(Shown(g, kArea), "0.0047") << "the value cells wait for the button";
    // In memory the shape was recomputed: 2 x 0.15 x 0.009 + (0.4 - 0.018) x 0.0065.
    auto* editor = static_cast<CCMSectItemDlg*>(user.GetDialog());
    EXPECT_NEAR(editor->GetPage(kValueTab)->GetSect().Part1.BaseA.Stiff.Area, 0.005183, 1e-12);
    user.Click(IDOK);
  });
  T_SECT_D s = Read(1);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.4);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.Stiff.Area, 0.0047);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.Stiff.Iyy, 7.2e-5);

  // The button recomputes the example's sizes (0.3 x 0.15 x 0.0065 x 0.009) and shows them.
  Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
    ASSERT_TRUE(user.EditCell(&g, 2, G::COL_VALUE, "0.3"));
    ASSERT_TRUE(user.ClickCell(&g, G::ROW_CALC, 2)) << "any cell of the button's row is the button";
    EXPECT_EQ(Shown(g, kArea), "0.004533");
    user.Click(IDOK);
  });
  s = Read(1);
  EXPECT_NEAR(s.Part1.BaseA.Stiff.Area, 0.004533, 1e-12);
  EXPECT_NEAR(s.Part1.BaseA.Stiff.Iyy, 6.9325191e-5, 1e-12);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.Stiff.AreaAux, s.Part1.BaseA.Stiff.Area);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.Design.Cent_Z, 0.15);
}

TEST_F(ValuePageTest, ARecomputeThatFailsChangesNothing) {
  Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
    ASSERT_TRUE(user.EditCell(&g, 4, G::COL_VALUE, "0.2"));  // a web thicker than the flange is wide
    const int redraws = g.GetRedrawCount();
    ASSERT_TRUE(user.ClickCell(&g, G::ROW_CALC, 1));
    EXPECT_EQ(g.GetRedrawCount(), redraws);
    EXPECT_EQ(Shown(g, kArea), "0.0047");
    EXPECT_EQ(AfxGetMessageCount(), 0);
    user.Click(IDOK);
  });
  EXPECT_DOUBLE_EQ(Read(1).Part1.BaseA.Stiff.Area, 0.0047);
}

TEST_F(ValuePageTest, ValuesAreShownAndReadInCurrentUnitsAndUntouchedTextsKeepTheStoredValue) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
    EXPECT_EQ(g.UserGetCellText(2, G::COL_UNIT), "mm");
    EXPECT_EQ(Shown(g, 2), "300.00");
    EXPECT_EQ(Shown(g, 4), "6.50");
    EXPECT_EQ(Shown(g, kArea), "4700");
    EXPECT_EQ(Shown(g, kIyy), "7.2000e+07");
    ASSERT_TRUE(user.EditCell(&g, 3, G::COL_VALUE, "160"));
    ASSERT_TRUE(user.EditCell(&g, kCentZ, G::COL_VALUE, "=300/2+1"));
    // With the length index 0 (mm) a size below 0.0001 shows in exponent form, one of at
    // least 0.0001 in fixed point with two decimals.
    ASSERT_TRUE(user.EditCell(&g, 6, G::COL_VALUE, "0.00005"));
    EXPECT_EQ(Shown(g, 6), "5.00e-05");
    ASSERT_TRUE(user.EditCell(&g, 6, G::COL_VALUE, "0.25"));
    EXPECT_EQ(Shown(g, 6), "0.25");
    ASSERT_TRUE(user.EditCell(&g, 7, G::COL_VALUE, "-2"));
    EXPECT_EQ(Shown(g, 7), "-2.00e+00");
    user.Click(IDOK);
  });
  const T_SECT_D s = Read(1);
  const T_SECT_SECTBASE_D& a = s.Part1.BaseA;
  EXPECT_EQ(a.dSize[0], 0.3);
  EXPECT_EQ(a.dSize[2], 0.0065);
  EXPECT_DOUBLE_EQ(a.dSize[1], 0.16);
  EXPECT_DOUBLE_EQ(a.dSize[4], 0.00025);
  EXPECT_DOUBLE_EQ(a.dSize[5], -0.002);
  EXPECT_DOUBLE_EQ(a.Design.Cent_Z, 0.151);
  for (double T_SECT_STIFFNESS::* f : {&T_SECT_STIFFNESS::Area, &T_SECT_STIFFNESS::Iyy, &T_SECT_STIFFNESS::Izz,
                                       &T_SECT_STIFFNESS::Ixx, &T_SECT_STIFFNESS::Asy})
    EXPECT_EQ(a.Stiff.*f, stored.Part1.BaseA.Stiff.*f);

  // In metres the sizes take four decimals, in centimetres three.
  doc->GetUnitCtrl()->SetUnitSystem("kN", "m");
  Run(1, [](CUserDriver&, CCMSectItemGrid& g) { EXPECT_EQ(Shown(g, 3), "0.1600"); });
  doc->GetUnitCtrl()->SetUnitSystem("kN", "cm");
  Run(1, [](CUserDriver&, CCMSectItemGrid& g) { EXPECT_EQ(Shown(g, 3), "16.000"); });
}

TEST_F(ValuePageTest, KeysMoveBetweenEditableCellsAndTabLeavesTheGridAtItsEnds) {
  Run(1, [](CUserDriver& user, CCMSectItemGrid& g) {
    ROWCOL r = 0, c = 0;
    auto at = [&](ROWCOL row) {
      g.GetCurrentCell(r, c);
      return r == row && c == G::COL_VALUE;
    };
    ASSERT_TRUE(user.ChooseIndex(IDC_SECT_VAL_SHAPE, 3));  // T: four sizes
    g.SetCurrentCell(5, G::COL_VALUE);
    user.Key(&g, VK_TAB);
    EXPECT_TRUE(at(kArea)) << "rows 6 to 9 are hidden or not editable";
    user.Key(&g, VK_UP);
    EXPECT_TRUE(at(5));
    user.Key(&g, VK_RETURN);
    EXPECT_TRUE(at(kArea));
    g.SetCurrentCell(kCentZ, G::COL_VALUE);
    user.Key(&g, VK_TAB);
    EXPECT_EQ(CWnd::GetFocus(), user.FindControl(IDC_SECT_VAL_MATL)) << "Tab in the last cell leaves the grid";
    g.SetCurrentCell(2, G::COL_VALUE);
    {
      GXHoldKeys shift(FALSE, TRUE);
      user.Key(&g, VK_TAB);
    }
    EXPECT_EQ(CWnd::GetFocus(), user.FindControl(IDC_SECT_VAL_SHAPE))
        << "Shift+Tab in the first cell goes back to the page's previous control";
    // A refused text keeps the user in the cell.
    user.EditCell(&g, 3, G::COL_VALUE, "x");
    AfxClearMessageLog();
    user.Key(&g, VK_DOWN);
    EXPECT_TRUE(at(3));
    EXPECT_STREQ(LastMessage(), Key("IDS_CMD0417__Character_exist_in_the_number_"));
    user.Click(IDCANCEL);
  });
}

TEST_F(ValuePageTest, ACellWithoutANumberRefusesTheSaveAndWritesNothing) {
  const int undo = doc->GetModelDB()->GetUndoCount();
  bool stayed = false;
  ASSERT_EQ(IDOK, Run(1, [&](CUserDriver& user, CCMSectItemGrid& g) {
              // Pasted texts are not checked as they arrive; saving reads them.
              ASSERT_TRUE(user.Paste(&g, kIyy, G::COL_VALUE, "1.5\n2x"));
              user.Type(IDC_SECT_VAL_NAME, "renamed");
              AfxClearMessageLog();
              user.Click(IDOK);
              EXPECT_STREQ(LastMessage(), Key("IDS_CMD0417__Character_exist_in_the_number_"));
              ROWCOL r = 0, c = 0;
              g.GetCurrentCell(r, c);
              EXPECT_EQ(r, kIyy + 1);
              // A refused save leaves the dialog open; the user mends the cell and saves.
              stayed = true;
              ASSERT_TRUE(user.EditCell(&g, kIyy + 1, G::COL_VALUE, "2"));
              user.Click(IDOK);
            }));
  EXPECT_TRUE(stayed);
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  const T_SECT_D s = Read(1);
  EXPECT_EQ(s.strName, "renamed");
  EXPECT_EQ(s.Part1.BaseA.Stiff.Iyy, 1.5);
  EXPECT_EQ(s.Part1.BaseA.Stiff.Izz, 2.0);
}

TEST_F(ValuePageTest, MaterialKindBuiltUpAndRenumberingAreSavedInOneModification) {
  const int undo = doc->GetModelDB()->GetUndoCount();
  ASSERT_EQ(IDOK, Run(1, [](CUserDriver& user, CCMSectItemGrid&) {
              ASSERT_TRUE(user.Choose(IDC_SECT_VAL_MATL, Key("IDS_WG_CMD_SEC_MATL_TYPE_USER")));
              ASSERT_TRUE(user.Click(IDC_SECT_VAL_BUILTUP));
              ASSERT_TRUE(user.Type(IDC_SECT_ITEM_NUMBER, "7"));
              // Return in an edit neither confirms nor cancels.
              user.Key(IDC_SECT_VAL_NAME, VK_RETURN);
              user.Key(IDC_SECT_ITEM_NUMBER, VK_RETURN);
              EXPECT_TRUE(user.GetDialog()->IsWindowVisible());
              user.Click(IDOK);
            }));
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo + 1);
  EXPECT_FALSE(sect.Exist(1));
  const T_SECT_D s = Read(7);
  EXPECT_EQ(s.iType, SECT_TYPE_VALUE);
  EXPECT_EQ(s.iMatlType, SECT_MATL_USER);
  EXPECT_EQ(s.Part1.BaseA.iFabType, 1);
  EXPECT_EQ(s.Part1.BaseA.Stiff.Area, 0.0047);
}

TEST_F(ValuePageTest, AShapeTheListDoesNotOfferIsReportedAndRefusesTheSave) {
  struct Case {
    const char* shape;
    const char* opening;  // the message when the page opens
  } cases[] = {{"CR", nullptr}, {"XX", "IDS_CMD_THIK_Err_Invalid_SecShape"}};
  for (const Case& k : cases) {
    T_SECT_D s = stored;
    s.Part1.strShape = k.shape;
    ASSERT_TRUE(sect.TR_Modify(1, 1, s));
    AfxClearMessageLog();
    const int undo = doc->GetModelDB()->GetUndoCount();
    EXPECT_EQ(IDCANCEL, Run(1, [&](CUserDriver& user, CCMSectItemGrid&) {
                if (k.opening) {
                  EXPECT_STREQ(LastMessage(), Key(k.opening)) << k.shape;
                }
                EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SECT_VAL_SHAPE))->GetCurSel(), -1) << k.shape;
                user.Click(IDOK);
                EXPECT_STREQ(LastMessage(), Key("IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_")) << k.shape;
                user.Click(IDCANCEL);
              }));
    EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo) << k.shape;
  }
}

// cmdhost's `click ID ROW COL`: the button row recomputes; a hidden, disabled or missing
// cell, or a line with a row and no column, is no click.
TEST(ValuePageScenario, ClickingCellsOfTheValueGrid) {
  CScenarioRunner runner;
  std::ostringstream out;
  const std::string text = std::string("open ") + VUR_EXAMPLES_DIR + "/value_sections.zel\n" +
                           "modal CCMSectItemDlg 1\n"
                           "click 14290 9 3\n"
                           "expect cell 14290 10 2 0.004533\n"
                           "click 14290 2 1\n"
                           "click 14290 26 1\n"
                           "choose 14238 #3\n"
                           "click 14290 7 2\n"
                           "click IDOK\n"
                           "end\n"
                           "expect field SECT 1 Part1.strShape T\n";
  CScenarioStatus s = runner.RunText("click.scn", text.c_str(), out);
  EXPECT_TRUE(s.IsOk()) << out.str() << s.GetText().str();
  EXPECT_EQ("refused click 14290 26 1\nrefused click 14290 7 2\nresult 1\n", out.str());
  CScenarioStatus bad = runner.RunText("bad.scn", "click 14290 9\n", out);
  EXPECT_EQ(CScenarioStatus::bad, bad.GetKind());
}

}  // namespace
