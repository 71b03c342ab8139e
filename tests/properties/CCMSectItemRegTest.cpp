// The regular section page through the section editor, as a user drives it: size rows by
// shape, sizes in the current length unit, records written over as read, database
// profiles and automatic names, light-steel combinations, the concrete box and presets,
// scale factors only after the property table.
#include <gtest/gtest.h>

#include <functional>
#include <memory>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CButton.h"
#include "afx/CStatic.h"
#include "afx/CUserDriver.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CCMSectItemReg.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "uiutil/CMenuEditBase.h"

namespace {

const UINT kEdits[] = {IDC_SECT_REG_SIZE1, IDC_SECT_REG_SIZE2, IDC_SECT_REG_SIZE3, IDC_SECT_REG_SIZE4,
                       IDC_SECT_REG_SIZE5, IDC_SECT_REG_SIZE6, IDC_SECT_REG_SIZE7, IDC_SECT_REG_SIZE8};
const int kSteelTab = 1;

const char* Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }

class RegPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    AfxClearMessageLog();
    AfxClearScriptQueue();
    sect.ConnectToDB(doc->GetModelDB());
    secf.ConnectToDB(doc->GetModelDB());
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }

  int Run(UINT key, std::function<void(CDialog&, CUserDriver&)> script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    const int r = ICmdDialog::DoModal("CCMSectItemDlg", (void*)(uintptr_t)key);
    AfxClearScriptQueue();
    return r;
  }
  static CCMSectItemReg* Page(CDialog& dlg) {
    auto& editor = static_cast<CCMSectItemDlg&>(dlg);
    return static_cast<CCMSectItemReg*>(editor.GetPage(editor.GetTabCtrl().GetShownTab()));
  }
  static CString Text(CUserDriver& user, int id) {
    CString s;
    if (CWnd* w = user.FindControl(id)) w->GetWindowText(s);
    return s;
  }
  static BOOL Visible(CUserDriver& user, int id) {
    CWnd* w = user.FindControl(id);
    return w && w->IsWindowVisible();
  }
  static UINT Picture(CUserDriver& user) {
    CStatic* pic = (CStatic*)user.FindControl(IDC_SECT_REG_PICTURE);
    return pic ? (UINT)pic->GetBitmapId() : 0u;
  }
  static CString LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text : CString();
  }
  T_SECT_D Read(UINT key) {
    T_SECT_D s;
    EXPECT_TRUE(sect.Get(key, s)) << key;
    return s;
  }
  T_SECT_D Regular(int matl, const char* shape, std::initializer_list<double> sizes) {
    T_SECT_D s;
    s.Initialize();
    s.iType = SECT_TYPE_REGULAR;
    s.iMatlType = matl;
    s.strName = "S1";
    s.Part1.strShape = shape;
    int i = 0;
    for (double v : sizes) s.Part1.BaseA.dSize[i++] = v;
    return s;
  }
  // Types sizes into the size rows in row order.
  static void TypeSizes(CUserDriver& user, std::initializer_list<const char*> sizes) {
    int i = 0;
    for (const char* s : sizes) EXPECT_TRUE(user.Type(kEdits[i++], s)) << i;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassSect sect;
  CClassSecf secf;
};

TEST_F(RegPageTest, SizesTypedInMillimetresAreStoredInMetresAndShownAgainUnchanged) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              user.SelectTab(IDC_SECT_ITEM_TAB, kSteelTab);
              EXPECT_TRUE(user.Click(IDC_SECT_REG_USER));
              TypeSizes(user, {"400", "200", "8", "13", "200", "13"});
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "H400x200x8x13");
              EXPECT_EQ(Text(user, IDC_SECT_REG_UNIT1), "mm");
              // The preset menus are in millimetres too: sizes for H, thicknesses for tw.
              auto* h = (CMenuEditBase*)user.FindControl(IDC_SECT_REG_SIZE1);
              auto* tw = (CMenuEditBase*)user.FindControl(IDC_SECT_REG_SIZE3);
              EXPECT_EQ(h->GetList()[0], "200");
              EXPECT_EQ(tw->GetList()[0], "10");
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_EQ(s.iMatlType, SECT_MATL_STEEL);
  EXPECT_EQ(s.Part1.strShape, "H");
  EXPECT_TRUE(s.Part1.BaseA.strDBName.IsEmpty());
  EXPECT_EQ(s.Part1.BaseA.iFabType, 1);
  const double expected[] = {0.4, 0.2, 0.008, 0.013, 0.2, 0.013};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[i], expected[i]) << i;

  // Opened again, the sizes read in millimetres; OK without a change keeps them exactly.
  const T_SECT_D before = Read(1);
  ASSERT_EQ(IDOK, Run(1, [](CDialog&, CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SECT_REG_SIZE1), "400");
              EXPECT_EQ(Text(user, IDC_SECT_REG_SIZE3), "8");
              user.Click(IDOK);
            }));
  T_SECT_D after = Read(1);
  for (int i = 0; i < SECT_SIZE_MAX; ++i) EXPECT_EQ(after.Part1.BaseA.dSize[i], before.Part1.BaseA.dSize[i]) << i;
}

TEST_F(RegPageTest, SizesThatShowRoundedKeepTheirStoredValue) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  ASSERT_TRUE(sect.TR_Add(4, Regular(SECT_MATL_RC, "SB", {0.123456789, 0.3})));
  ASSERT_EQ(IDOK, Run(4, [](CDialog&, CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SECT_REG_SIZE1), "123.457");
              user.Click(IDOK);
            }));
  EXPECT_EQ(Read(4).Part1.BaseA.dSize[0], 0.123456789);
}

TEST_F(RegPageTest, AnEditKeepsTheSecondPartAndTheFieldsNoPageShows) {
  T_SECT_D s = Regular(SECT_MATL_STEEL, "H", {0.3, 0.15, 0.0065, 0.009, 0.15, 0.009});
  s.Part1.iDataKind = 7;
  s.Part1.strText = "kept";
  s.Part1.BaseA.strSectName2 = "second";
  s.Part1.BaseA.Stiff.dReserved[3] = 4.5;
  s.Part1.reserved1[2] = 99;
  s.Part1.BaseB.dSize[0] = 1.25;
  s.Part2.strShape = "P";
  s.Part2.BaseA.dSize[0] = 0.5;
  s.Part2.dPs = 0.75;
  ASSERT_TRUE(sect.TR_Add(3, s));
  ASSERT_EQ(IDOK, Run(3, [](CDialog&, CUserDriver& user) {
              user.Type(IDC_SECT_REG_NAME, "renamed");
              user.Click(IDOK);
            }));
  T_SECT_D r = Read(3);
  EXPECT_EQ(r.strName, "renamed");
  EXPECT_EQ(r.Part1.iDataKind, 7);
  EXPECT_EQ(r.Part1.strText, "kept");
  EXPECT_EQ(r.Part1.BaseA.strSectName2, "second");
  EXPECT_EQ(r.Part1.BaseA.Stiff.dReserved[3], 4.5);
  EXPECT_EQ(r.Part1.reserved1[2], 99);
  EXPECT_EQ(r.Part1.BaseB.dSize[0], 1.25);
  EXPECT_EQ(r.Part2.strShape, "P");
  EXPECT_EQ(r.Part2.BaseA.dSize[0], 0.5);
  EXPECT_EQ(r.Part2.dPs, 0.75);
}

struct RowCase {
  int matl;
  const char* shape;
  int rows;         // size rows shown
  int firstRow;     // the row (1-based) shown at the top
};

TEST_F(RegPageTest, SizeRowsFollowTheShape) {
  const RowCase cases[] = {
      {SECT_MATL_STEEL, "T", 4, 1}, {SECT_MATL_STEEL, "H", 6, 1}, {SECT_MATL_STEEL, "P", 2, 1},
      {SECT_MATL_STEEL, "B", 6, 1}, {SECT_MATL_STEEL, "SR", 1, 2}, {SECT_MATL_RC, "SB", 2, 2},
      {SECT_MATL_RC, "H", 6, 3},    {SECT_MATL_RC, "CR", 4, 3},   {SECT_MATL_RC, "P", 2, 1},
      {SECT_MATL_RC, "B", 5, 2},
  };
  UINT key = 10;
  for (const RowCase& c : cases) {
    SCOPED_TRACE(c.shape);
    ASSERT_TRUE(sect.TR_Add(++key, Regular(c.matl, c.shape, {0.4, 0.3, 0.02, 0.02, 0.3, 0.02})));
    Run(key, [&](CDialog& dlg, CUserDriver& user) {
      int shown = 0;
      for (UINT id : kEdits) shown += Visible(user, (int)id) ? 1 : 0;
      EXPECT_EQ(shown, c.rows);
      EXPECT_EQ(Page(dlg)->GetFirstSizeRow(), c.firstRow);
      user.Click(IDCANCEL);
    });
  }
}

TEST_F(RegPageTest, UnknownShapeCodeIsReported) {
  ASSERT_TRUE(sect.TR_Add(5, Regular(SECT_MATL_STEEL, "ZZ", {0.3, 0.2})));
  EXPECT_EQ(IDCANCEL, Run(5, [](CDialog&, CUserDriver& user) {
              EXPECT_EQ(LastMessage(), Key("IDS_CMD_SECT_Err_Invalid_SecShape"));
              AfxClearMessageLog();
              user.Click(IDOK);  // no shape chosen: nothing is written
              EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_"));
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(Read(5).Part1.strShape, "ZZ");
}

TEST_F(RegPageTest, LightSteelCombinationsGiveTheCombinationCode) {
  T_SECT_D s = Regular(SECT_MATL_STEEL, "CC", {0.16, 0.06, 0.003, 0.003, 0.02});
  s.Part1.BaseA.strBaseShape = "2IW";
  ASSERT_TRUE(sect.TR_Add(6, s));
  ASSERT_EQ(IDOK, Run(6, [](CDialog&, CUserDriver& user) {
              EXPECT_TRUE(Visible(user, IDC_SECT_REG_PIECES));
              EXPECT_EQ(Text(user, IDC_SECT_REG_PIECES), "2");
              EXPECT_EQ(Text(user, IDC_SECT_REG_COMBO), "IW");
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_PIECES, "3"));
              CComboBox* types = (CComboBox*)user.FindControl(IDC_SECT_REG_COMBO);
              EXPECT_EQ(types->GetCount(), 2);
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_COMBO, "BS"));
              user.Click(IDOK);
            }));
  EXPECT_EQ(Read(6).Part1.BaseA.strBaseShape, "3BS");
  ASSERT_EQ(IDOK, Run(6, [](CDialog&, CUserDriver& user) {
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_PIECES, "1"));
              EXPECT_FALSE(user.FindControl(IDC_SECT_REG_COMBO)->IsWindowEnabled());
              user.Click(IDOK);
            }));
  EXPECT_TRUE(Read(6).Part1.BaseA.strBaseShape.IsEmpty());
}

TEST_F(RegPageTest, SavingWithoutThePropertyTableWritesNoScaleFactors) {
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              TypeSizes(user, {"0.5", "0.3"});
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_EQ(s.iMatlType, SECT_MATL_RC);
  EXPECT_EQ(s.Part1.strShape, "SB");
  EXPECT_EQ(s.strName, "300x500");  // row 1 H, row 2 B (shown first): named B x H
  EXPECT_EQ(secf.GetCount(), 0);
}

TEST_F(RegPageTest, ConcreteBoxKeepsItsFifthSizeInTheSixth) {
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_SHAPE, Key("IDS_WG_CMD__ADDD__Box")));
              TypeSizes(user, {"0.6", "0.4", "0.1", "0.12", "0.08"});
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_EQ(s.Part1.strShape, "B");
  EXPECT_EQ(s.Part1.BaseA.dSize[4], 0.0);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[5], 0.08);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[3], 0.12);
}

TEST_F(RegPageTest, PresetNamesTheRectangleAndSetsItsSizes) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              EXPECT_TRUE(Visible(user, IDC_SECT_REG_PRESET));
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_PRESET, "300x500"));
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "300x500");
              EXPECT_EQ(Text(user, IDC_SECT_REG_SIZE2), "300");
              EXPECT_EQ(Text(user, IDC_SECT_REG_SIZE1), "500");
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[1], 0.3);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.5);
  EXPECT_EQ(s.strName, "300x500");
}

TEST_F(RegPageTest, NewSectionsStartByKind) {
  Run(0, [](CDialog&, CUserDriver& user) {
    EXPECT_EQ(Picture(user), 14233u);  // concrete rectangle
    EXPECT_EQ(((CButton*)user.FindControl(IDC_SECT_REG_USER))->GetCheck(), 1);
    EXPECT_FALSE(user.FindControl(IDC_SECT_REG_DB)->IsWindowEnabled());
    user.SelectTab(IDC_SECT_ITEM_TAB, kSteelTab);
    EXPECT_EQ(((CButton*)user.FindControl(IDC_SECT_REG_DB))->GetCheck(), 1);
    EXPECT_EQ(Text(user, IDC_SECT_REG_DBNAME), "GB-YB05");
    // Solid shapes come from no database.
    EXPECT_EQ(Picture(user), 14243u);  // steel H
    EXPECT_TRUE(user.Choose(IDC_SECT_REG_SHAPE, Key("IDS_WG_CMD__ADDD__Solid_Round")));
    EXPECT_EQ(Picture(user), 14250u);
    EXPECT_EQ(((CButton*)user.FindControl(IDC_SECT_REG_USER))->GetCheck(), 1);
    EXPECT_FALSE(user.FindControl(IDC_SECT_REG_DB)->IsWindowEnabled());
    TypeSizes(user, {"0.3"});
    EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "R300");
    user.Click(IDCANCEL);
  });
}

TEST_F(RegPageTest, ProfilesRenameTheSectionUntilTheUserNamesIt) {
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              user.SelectTab(IDC_SECT_ITEM_TAB, kSteelTab);
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_PROFILE, "HN300x150"));
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "HN300x150");
              EXPECT_FALSE(user.FindControl(IDC_SECT_REG_SIZE1)->IsWindowEnabled());
              user.Type(IDC_SECT_REG_NAME, "my beam");
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_PROFILE, "HM294x200"));
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "my beam");
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_EQ(s.strName, "my beam");
  EXPECT_EQ(s.Part1.BaseA.strDBName, "GB-YB05");
  EXPECT_EQ(s.Part1.BaseA.strSectName, "HM294x200");
  EXPECT_EQ(s.Part1.BaseA.iFabType, 2);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.294);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[1], 0.2);
}

TEST_F(RegPageTest, ADoubleAngleTakesItsSingleAngleFromTheDatabase) {
  ASSERT_EQ(IDOK, Run(0, [](CDialog&, CUserDriver& user) {
              user.SelectTab(IDC_SECT_ITEM_TAB, kSteelTab);
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_SHAPE, Key("IDS_WG_CMD__ADDD__Double_Angle")));
              EXPECT_TRUE(user.Click(IDC_SECT_REG_USER));
              EXPECT_EQ(Text(user, IDC_SECT_REG_SINGLE_LABEL), Key("IDS_WG_CMD__ADDD__Get_Data_from_Single_Angle"));
              EXPECT_FALSE(Visible(user, IDC_SECT_REG_CUT_FRAME));
              user.Type(IDC_SECT_REG_SIZE5, "0.01");  // the gap; no size name without the others
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_SINGLE_SECT, "L50x5"));
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "2L50x5");
              EXPECT_TRUE(user.Choose(IDC_SECT_REG_SINGLE_SECT, "L63x6"));
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "2L63x6");  // still following
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(1);
  EXPECT_EQ(s.Part1.strShape, "2L");
  EXPECT_EQ(s.strName, "2L63x6");
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.063);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[2], 0.006);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[4], 0.01);
}

TEST_F(RegPageTest, TabFromTheUserRadioGoesToTheTopSizeRow) {
  Run(0, [](CDialog& dlg, CUserDriver& user) {
    user.Click(IDC_SECT_REG_USER);
    user.Key(IDC_SECT_REG_USER, VK_TAB);
    CWnd* focus = CWnd::GetFocus();
    ASSERT_NE(focus, nullptr);
    EXPECT_EQ(focus->GetDlgCtrlID(), (int)kEdits[Page(dlg)->GetFirstSizeRow() - 1]);
    EXPECT_EQ(Page(dlg)->GetFirstSizeRow(), 2);
    user.Click(IDCANCEL);
  });
}

TEST_F(RegPageTest, ASteelSectionOpenedOnTheConcreteTabBecomesConcrete) {
  ASSERT_TRUE(sect.TR_Add(8, Regular(SECT_MATL_STEEL, "H", {0.3, 0.15, 0.0065, 0.009, 0.15, 0.009})));
  ASSERT_EQ(IDOK, Run(8, [](CDialog&, CUserDriver& user) {
              user.SelectTab(IDC_SECT_ITEM_TAB, 0);
              EXPECT_EQ(Text(user, IDC_SECT_REG_NAME), "S1");
              TypeSizes(user, {"0.4", "0.3"});
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(8);
  EXPECT_EQ(s.iMatlType, SECT_MATL_RC);
  EXPECT_EQ(s.Part1.strShape, "SB");
  EXPECT_EQ(s.strName, "S1");
}

}  // namespace
