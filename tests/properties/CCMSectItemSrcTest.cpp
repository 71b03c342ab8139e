// The SRC section page through the section editor on the sample model, as a user drives it:
// the new section, the fourteen shapes and where their sizes go, typed and database steel,
// the name following a profile, the composite material (own, the story's, the model's
// first, picked in its dialog, none), sizes in the current length unit, records written
// over as read, refused input, Calculate and the scale factors, Apply in add mode.
#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <memory>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CButton.h"
#include "afx/CStatic.h"
#include "afx/CUserDriver.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassSecf.h"
#include "db/CClassSect.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CInitCtrl.h"
#include "db/CSectDB.h"
#include "db/CSectUtil.h"
#include "db/CUnitCtrl.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "properties/CCMSectItemDlg.h"
#include "properties/CCMSectItemSrc.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

namespace {

const int kSrcTab = 2;
const UINT kSteel[] = {IDC_SECT_SRC_SIZE1, IDC_SECT_SRC_SIZE2, IDC_SECT_SRC_SIZE3,
                       IDC_SECT_SRC_SIZE4, IDC_SECT_SRC_SIZE5, IDC_SECT_SRC_SIZE6};
const UINT kTwo[] = {IDC_SECT_SRC_TWO_SIZE1, IDC_SECT_SRC_TWO_SIZE2, IDC_SECT_SRC_TWO_SIZE3, IDC_SECT_SRC_TWO_SIZE4,
                     IDC_SECT_SRC_TWO_SIZE5, IDC_SECT_SRC_TWO_SIZE6, IDC_SECT_SRC_TWO_SIZE7, IDC_SECT_SRC_TWO_SIZE8};
const UINT kConc[] = {IDC_SECT_SRC_CONC_SIZE1, IDC_SECT_SRC_CONC_SIZE2};

const char* Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
const char* const kCantCalc = "IDS_WG_CMD__ADDD__Error___Can_t_calculate_stiffness";
const char* const kNoSrc = "IDS_CMD_ERROR__NOT_INPUT_SRCMATL";

class SrcPageTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    AfxClearMessageLog();
    AfxClearScriptQueue();
    sect.ConnectToDB(doc->GetModelDB());
    secf.ConnectToDB(doc->GetModelDB());
    matl.ConnectToDB(doc->GetModelDB());
    stor.ConnectToDB(doc->GetModelDB());
    // The sample's materials, stories and three sections; new sections start above them.
    doc->NewSampleModel();
    first = sect.GetNewKey();
    AfxClearMessageLog();
  }
  void TearDown() override {
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "a modal script was never taken by a dialog";
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
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0);
    AfxClearScriptQueue();
    return r;
  }
  // A new section on the SRC tab.
  int RunNew(std::function<void(CDialog&, CUserDriver&)> script) {
    return Run(0, [script](CDialog& dlg, CUserDriver& user) {
      EXPECT_TRUE(user.SelectTab(IDC_SECT_ITEM_TAB, kSrcTab));
      script(dlg, user);
    });
  }
  static CCMSectItemSrc* Page(CDialog& dlg) {
    auto& editor = static_cast<CCMSectItemDlg&>(dlg);
    return dynamic_cast<CCMSectItemSrc*>(editor.GetPage(editor.GetTabCtrl().GetShownTab()));
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
  static BOOL Enabled(CUserDriver& user, int id) {
    CWnd* w = user.FindControl(id);
    return w && w->IsWindowEnabled();
  }
  static int Checked(CUserDriver& user, int id) { return ((CButton*)user.FindControl(id))->GetCheck(); }
  static void TypeAll(CUserDriver& user, const UINT* ids, std::initializer_list<const char*> texts) {
    int i = 0;
    for (const char* t : texts) EXPECT_TRUE(user.Type(ids[i++], t)) << t;
  }
  static CString LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text : CString();
  }
  static CString AutoWarning(const char* name) { return GMakeMsg("IDS_CMD_WARNING__AUTO_ASSIGN_SRCMATL_s__", name); }
  T_SECT_D Read(UINT key) {
    T_SECT_D s;
    EXPECT_TRUE(sect.Get(key, s)) << key;
    return s;
  }
  // An SRC section "RHB" with typed sizes (m), its composite material key 6.
  T_SECT_D Rhb() {
    T_SECT_D s;
    s.Initialize();
    s.iType = SECT_TYPE_SRC;
    s.iMatlType = SECT_MATL_SRC;
    s.strName = "C1";
    s.Part1.strShape = "RHB";
    s.Part1.BaseA.strBaseShape = "H";
    s.Part1.BaseB.strBaseShape = "SB";
    s.Part1.nSrcMatl = 6;
    const double steel[] = {0.3, 0.2, 0.01, 0.015, 0.2, 0.015};
    for (int i = 0; i < 6; ++i) s.Part1.BaseA.dSize[i] = steel[i];
    s.Part1.BaseB.dSize[0] = 0.6;
    s.Part1.BaseB.dSize[1] = 0.5;
    return s;
  }
  // A second SRC material (C30/Q235) under key.
  void AddSrcMatl(UINT key, const char* name) {
    T_MATL_D m;
    ASSERT_TRUE(matl.Get(6, m));
    m.name = name;
    ASSERT_TRUE(matl.TR_Add(key, m));
  }
  void SetBaseStorySrc(UINT matlKey) {
    const UINT base = stor.GetBaseStorK(CClassMdul::MAIN_TOWER);
    T_STOR_D s;
    ASSERT_TRUE(stor.Get(base, s));
    s.srcColmMatlKey = matlKey;
    ASSERT_TRUE(stor.TR_Modify(base, s));
  }
  void SetDefaultSteelDB(const char* name) {
    T_PREFERENCE pref = doc->GetInitCtrl()->GetPreference();
    pref.defSteelDB = name;
    doc->GetInitCtrl()->SetPreference(pref);
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassSect sect;
  CClassSecf secf;
  CClassMatl matl;
  CClassStor stor;
  UINT first = 0;
};

TEST_F(SrcPageTest, ANewSectionOpensOnAnOpenRectangularBoxWithThePreferredDatabase) {
  ASSERT_TRUE(sect.TR_Add(11, Rhb()));
  CString next;
  next.Format("%u", sect.GetNewKey());
  RunNew([&](CDialog& dlg, CUserDriver& user) {
    EXPECT_EQ(Text(user, IDC_SECT_ITEM_NUMBER), next);
    EXPECT_EQ(Text(user, IDC_SECT_SRC_SHAPE), Key("IDS_WG_CMD__ADDD__Rect_Box_Open"));
    EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SECT_SRC_SHAPE))->GetCount(), 14);
    EXPECT_EQ(((CStatic*)user.FindControl(IDC_SECT_SRC_PICTURE))->GetBitmapId(), IDB_SECT_SRC_RBO);
    EXPECT_EQ(Checked(user, IDC_SECT_SRC_DB), 1);
    EXPECT_EQ(Text(user, IDC_SECT_SRC_DBNAME), "GB-YB05");
    EXPECT_EQ(Page(dlg)->GetSteelMode(), CCMSectItemSrc::STEEL_SINGLE);
    EXPECT_TRUE(Visible(user, IDC_SECT_SRC_PROFILE));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_TWO_PROFILE1));
    // A box has five steel sizes and a rectangle two; the offset and material group hide.
    EXPECT_TRUE(Visible(user, IDC_SECT_SRC_SIZE5));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_SIZE6));
    EXPECT_EQ(Text(user, IDC_SECT_SRC_TITLE5), "  t2");
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_OFFSET));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_ESEC));
    EXPECT_FALSE(Enabled(user, IDC_SECT_SRC_BUILTUP));
    user.Click(IDCANCEL);
  });
  SetDefaultSteelDB("");
  RunNew([](CDialog&, CUserDriver& user) {
    EXPECT_EQ(Checked(user, IDC_SECT_SRC_USER), 1);
    EXPECT_FALSE(Enabled(user, IDC_SECT_SRC_DBNAME));
    EXPECT_TRUE(Enabled(user, IDC_SECT_SRC_SIZE1));
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

struct ShapeCase {
  const char* code;
  const char* nameKey;
  std::vector<const char*> steel;     // typed, mm
  std::vector<const char*> concrete;  // typed, mm
  const char* steelCode;
  const char* concreteCode;
  UINT picture;
};

// Every shape typed by the user, in millimetres: where each size is stored.
TEST_F(SrcPageTest, EveryShapeStoresItsTypedSizes) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  const std::vector<const char*> box = {"200", "200", "12", "12", "16"}, pipe = {"220", "14"},
                                 h = {"220", "160", "10", "14", "160", "14"}, rect = {"400", "400"}, round = {"500"};
  const ShapeCase cases[] = {
      {"RBO", "IDS_WG_CMD__ADDD__Rect_Box_Open", box, rect, "B", "SB", IDB_SECT_SRC_RBO},
      {"RBC", "IDS_WG_CMD__ADDD__Rect_Box_Close", box, rect, "B", "SB", IDB_SECT_SRC_RBC},
      {"RPO", "IDS_WG_CMD__ADDD__Rect_Pipe_Open", pipe, rect, "P", "SB", IDB_SECT_SRC_RPO},
      {"RPC", "IDS_WG_CMD__ADDD__Rect_Pipe_Close", pipe, rect, "P", "SB", IDB_SECT_SRC_RPC},
      {"CBO", "IDS_WG_CMD__ADDD__Circle_Box_Open", box, round, "B", "SR", IDB_SECT_SRC_CBO},
      {"CBC", "IDS_WG_CMD__ADDD__Circle_Box_Close", box, round, "B", "SR", IDB_SECT_SRC_CBC},
      {"CPO", "IDS_WG_CMD__ADDD__Circle_Pipe_Open", pipe, round, "P", "SR", IDB_SECT_SRC_CPO},
      {"CPC", "IDS_WG_CMD__ADDD__Circle_Pipe_Close", pipe, round, "P", "SR", IDB_SECT_SRC_CPC},
      {"EBC", "IDS_WG_CMD__ADDD__SRC_Box", box, {}, "B", "SB", IDB_SECT_SRC_EBC},
      {"EPC", "IDS_WG_CMD__ADDD__SRC_Pipe", pipe, {}, "P", "SR", IDB_SECT_SRC_EPC},
      {"RHB", "IDS_WG_CMD__ADDD__Rect_HBeam", h, rect, "H", "SB", IDB_SECT_SRC_RHB},
      {"CHB", "IDS_WG_CMD__ADDD__Circle_HBeam", h, round, "H", "SR", IDB_SECT_SRC_CHB},
      {"RCB", "IDS_WG_CMD__ADDD__Rect_CrossBeam", {"220", "160", "10", "14"}, rect, "CR", "SB", IDB_SECT_SRC_RCB},
      {"RH2T", "IDS_WG_CMD__ADDD__Rect_H2T", {"220", "160", "10", "14", "80", "90", "8", "10"}, rect, "H2T", "SB",
       IDB_SECT_SRC_RH2T},
  };
  for (const ShapeCase& c : cases) {
    SCOPED_TRACE(c.code);
    const UINT key = sect.GetNewKey();
    const bool two = std::string(c.code) == "RH2T";
    const bool boxSteel = std::string(c.steelCode) == "B";
    ASSERT_EQ(IDOK, RunNew([&](CDialog&, CUserDriver& user) {
                EXPECT_TRUE(user.Choose(IDC_SECT_SRC_SHAPE, Key(c.nameKey)));
                EXPECT_EQ(((CStatic*)user.FindControl(IDC_SECT_SRC_PICTURE))->GetBitmapId(), c.picture);
                EXPECT_TRUE(user.Click(IDC_SECT_SRC_USER));
                EXPECT_EQ(Visible(user, IDC_SECT_SRC_TWO_PROFILE1), two);
                EXPECT_EQ(Visible(user, IDC_SECT_SRC_PROFILE), !two);
                int i = 0;
                for (const char* t : c.steel) EXPECT_TRUE(user.Type((two ? kTwo : kSteel)[i++], t)) << t;
                // Rows the outline has no size for are disabled.
                EXPECT_EQ(Enabled(user, IDC_SECT_SRC_CONC_SIZE1), !c.concrete.empty());
                EXPECT_EQ(Enabled(user, IDC_SECT_SRC_CONC_SIZE2), c.concrete.size() == 2);
                i = 0;
                for (const char* t : c.concrete) EXPECT_TRUE(user.Type(kConc[i++], t)) << t;
                user.Click(IDOK);
              }));
    const T_SECT_D s = Read(key);
    EXPECT_EQ(s.iType, SECT_TYPE_SRC);
    EXPECT_EQ(s.iMatlType, SECT_MATL_SRC);
    EXPECT_EQ(s.Part1.strShape, c.code);
    EXPECT_EQ(s.Part1.BaseA.strBaseShape, c.steelCode);
    EXPECT_EQ(s.Part1.BaseB.strBaseShape, c.concreteCode);
    EXPECT_TRUE(s.Part1.BaseA.strDBName.IsEmpty());
    EXPECT_EQ(s.Part1.BaseA.iFabType, 1);
    for (size_t k = 0; k < c.steel.size(); ++k) {
      const size_t slot = boxSteel && k == 4 ? 5 : k;
      EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[slot], std::atof(c.steel[k]) / 1000) << k;
    }
    if (boxSteel) {
      EXPECT_EQ(s.Part1.BaseA.dSize[4], 0.0);
    }
    for (size_t k = 0; k < c.concrete.size(); ++k)
      EXPECT_DOUBLE_EQ(s.Part1.BaseB.dSize[k], std::atof(c.concrete[k]) / 1000) << k;
    EXPECT_GT(s.Part1.Stiff.Area, 0.0);
    // Opened again, every size reads back as typed, the box's fifth from dSize[5].
    ASSERT_EQ(IDOK, Run(key, [&](CDialog& dlg, CUserDriver& user) {
                EXPECT_EQ(static_cast<CCMSectItemDlg&>(dlg).GetTabCtrl().GetShownTab(), kSrcTab);
                int i = 0;
                for (const char* t : c.steel) EXPECT_EQ(Text(user, (two ? kTwo : kSteel)[i++]), t);
                i = 0;
                for (const char* t : c.concrete) EXPECT_EQ(Text(user, kConc[i++]), t);
                user.Click(IDOK);
              }));
    const T_SECT_D again = Read(key);
    for (int k = 0; k < SECT_SIZE_MAX; ++k) {
      EXPECT_EQ(again.Part1.BaseA.dSize[k], s.Part1.BaseA.dSize[k]) << k;
      EXPECT_EQ(again.Part1.BaseB.dSize[k], s.Part1.BaseB.dSize[k]) << k;
    }
  }
}

TEST_F(SrcPageTest, TheTwoSteelShapeSwapsTheSteelGroupAndAnotherShapeResetsSizesButKeepsTheDatabase) {
  RunNew([](CDialog& dlg, CUserDriver& user) {
    EXPECT_TRUE(user.Click(IDC_SECT_SRC_USER));
    TypeAll(user, kSteel, {"0.2", "0.2", "0.012", "0.012", "0.016"});
    EXPECT_TRUE(user.Click(IDC_SECT_SRC_DB));
    EXPECT_TRUE(user.Choose(IDC_SECT_SRC_SHAPE, Key("IDS_WG_CMD__ADDD__Rect_H2T")));
    EXPECT_EQ(Page(dlg)->GetSteelMode(), CCMSectItemSrc::STEEL_TWO);
    for (UINT id : kTwo) EXPECT_TRUE(Visible(user, (int)id)) << id;
    EXPECT_TRUE(Visible(user, IDC_SECT_SRC_TWO_PROFILE2));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_PROFILE));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_SIZE1));
    EXPECT_EQ(Text(user, IDC_SECT_SRC_TWO_TITLE7), " tw1");
    EXPECT_EQ(Text(user, IDC_SECT_SRC_DBNAME), "GB-YB05");
    // The H list offers the database's H profiles; the T list has none to offer.
    EXPECT_GT(((CComboBox*)user.FindControl(IDC_SECT_SRC_TWO_PROFILE1))->GetCount(), 0);
    EXPECT_EQ(((CComboBox*)user.FindControl(IDC_SECT_SRC_TWO_PROFILE2))->GetCount(), 0);
    EXPECT_TRUE(user.Choose(IDC_SECT_SRC_TWO_PROFILE1, "HW300x300"));
    EXPECT_EQ(Text(user, IDC_SECT_SRC_TWO_SIZE1), "0.3");
    EXPECT_EQ(Text(user, IDC_SECT_SRC_NAME), "HW300x300");
    // Back to a box: the single group, every size and profile name reset, DB kept.
    EXPECT_TRUE(user.Choose(IDC_SECT_SRC_SHAPE, Key("IDS_WG_CMD__ADDD__Rect_Box_Close")));
    EXPECT_EQ(Page(dlg)->GetSteelMode(), CCMSectItemSrc::STEEL_SINGLE);
    EXPECT_TRUE(Visible(user, IDC_SECT_SRC_PROFILE));
    EXPECT_FALSE(Visible(user, IDC_SECT_SRC_TWO_SIZE1));
    EXPECT_EQ(Checked(user, IDC_SECT_SRC_DB), 1);
    const T_SECT_D& s = Page(dlg)->GetSect();
    EXPECT_EQ(s.Part1.BaseA.strDBName, "GB-YB05");
    EXPECT_TRUE(s.Part1.BaseA.strSectName.IsEmpty());
    for (int i = 0; i < 8; ++i) EXPECT_EQ(s.Part1.BaseA.dSize[i], 0.0) << i;
    EXPECT_EQ(Text(user, IDC_SECT_SRC_SIZE1), "0");
    user.Click(IDCANCEL);
  });
}

TEST_F(SrcPageTest, DatabaseProfilesRenameTheSectionUntilTheUserNamesItAndUserKeepsTheirSizes) {
  CSectDB* db = CSectDB::GetDefault();
  CStringArray hs;
  db->GetSectNameList("GB-YB05", "H", hs);
  ASSERT_GT(hs.GetSize(), 2);
  T_SECT_SECTBASE_D top;
  top.Initialize();
  ASSERT_TRUE(db->GetSectData("GB-YB05", hs[0], top));
  ASSERT_EQ(IDOK, RunNew([&](CDialog& dlg, CUserDriver& user) {
              EXPECT_TRUE(user.Choose(IDC_SECT_SRC_SHAPE, Key("IDS_WG_CMD__ADDD__Rect_HBeam")));
              // The list shows its first profile: the page takes it, sizes and name.
              EXPECT_EQ(Text(user, IDC_SECT_SRC_PROFILE), hs[0]);
              EXPECT_EQ(Page(dlg)->GetSect().Part1.BaseA.strSectName, hs[0]);
              EXPECT_EQ(Page(dlg)->GetSect().Part1.BaseA.dSize[0], top.dSize[0]);
              EXPECT_EQ(Text(user, IDC_SECT_SRC_NAME), hs[0]);
              EXPECT_FALSE(Enabled(user, IDC_SECT_SRC_SIZE1));
              EXPECT_EQ(Checked(user, IDC_SECT_SRC_BUILTUP), 0);
              EXPECT_TRUE(user.Choose(IDC_SECT_SRC_PROFILE, "HN300x150"));
              EXPECT_EQ(Text(user, IDC_SECT_SRC_NAME), "HN300x150");
              EXPECT_EQ(Text(user, IDC_SECT_SRC_SIZE1), "0.3");
              user.Type(IDC_SECT_SRC_NAME, "MyCol");
              EXPECT_TRUE(user.Choose(IDC_SECT_SRC_PROFILE, "HM294x200"));
              EXPECT_EQ(Text(user, IDC_SECT_SRC_NAME), "MyCol");
              TypeAll(user, kConc, {"0.6", "0.6"});
              user.Click(IDOK);
            }));
  T_SECT_D s = Read(first);
  EXPECT_EQ(s.strName, "MyCol");
  EXPECT_EQ(s.Part1.BaseA.strDBName, "GB-YB05");
  EXPECT_EQ(s.Part1.BaseA.strSectName, "HM294x200");
  EXPECT_EQ(s.Part1.BaseA.iFabType, 2);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.294);

  // User keeps the profile's sizes to edit, drops its name and makes it built up; back to
  // the database the steel part starts again from the list's first profile.
  ASSERT_EQ(IDOK, Run(first, [&](CDialog& dlg, CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SECT_SRC_PROFILE), "HM294x200");
              EXPECT_TRUE(user.Click(IDC_SECT_SRC_USER));
              EXPECT_FALSE(Enabled(user, IDC_SECT_SRC_DBNAME));
              EXPECT_FALSE(Enabled(user, IDC_SECT_SRC_PROFILE));
              EXPECT_TRUE(Enabled(user, IDC_SECT_SRC_SIZE1));
              EXPECT_EQ(Text(user, IDC_SECT_SRC_SIZE1), "0.294");
              EXPECT_EQ(Checked(user, IDC_SECT_SRC_BUILTUP), 1);
              EXPECT_TRUE(Page(dlg)->GetSect().Part1.BaseA.strSectName.IsEmpty());
              EXPECT_TRUE(user.Click(IDC_SECT_SRC_DB));
              EXPECT_EQ(Text(user, IDC_SECT_SRC_PROFILE), hs[0]);
              EXPECT_EQ(Page(dlg)->GetSect().Part1.BaseA.dSize[0], top.dSize[0]);
              EXPECT_TRUE(user.Click(IDC_SECT_SRC_USER));
              user.Type(IDC_SECT_SRC_SIZE1, "0.35");
              user.Click(IDOK);
            }));
  s = Read(first);
  EXPECT_EQ(s.strName, "MyCol");
  EXPECT_TRUE(s.Part1.BaseA.strDBName.IsEmpty());
  EXPECT_TRUE(s.Part1.BaseA.strSectName.IsEmpty());
  EXPECT_EQ(s.Part1.BaseA.iFabType, 1);
  EXPECT_DOUBLE_EQ(s.Part1.BaseA.dSize[0], 0.35);
  EXPECT_EQ(s.Part1.BaseA.dSize[1], top.dSize[1]);
}

TEST_F(SrcPageTest, SizesAreShownAndReadInTheCurrentUnitAndAnUntouchedSizeKeepsItsValue) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  T_SECT_D r = Rhb();
  r.Part1.BaseB.dSize[1] = 0.523456789;
  ASSERT_TRUE(sect.TR_Add(13, r));
  ASSERT_EQ(IDOK, Run(13, [](CDialog&, CUserDriver& user) {
              EXPECT_EQ(Text(user, IDC_SECT_SRC_CONC_SIZE2), "523.457");
              EXPECT_EQ(Text(user, IDC_SECT_SRC_SIZE1), "300");
              EXPECT_EQ(Text(user, IDC_SECT_SRC_UNIT1), "mm");
              EXPECT_EQ(Text(user, IDC_SECT_SRC_CONC_UNIT1), "mm");
              user.Type(IDC_SECT_SRC_CONC_SIZE1, "650");
              user.Click(IDOK);
            }));
  const T_SECT_D s = Read(13);
  EXPECT_EQ(s.Part1.BaseB.dSize[1], 0.523456789);
  EXPECT_DOUBLE_EQ(s.Part1.BaseB.dSize[0], 0.65);
  EXPECT_EQ(s.Part1.BaseA.dSize[0], 0.3);
}

TEST_F(SrcPageTest, AnEditKeepsTheSecondPartAndTheFieldsNoPageShows) {
  T_SECT_D r = Rhb();
  r.Part1.iDataKind = 7;
  r.Part1.strText = "kept";
  r.Part1.reserved1[2] = 99;
  r.Part1.BaseA.Stiff.dReserved[3] = 4.5;
  r.Part2.strShape = "P";
  r.Part2.BaseA.dSize[0] = 0.5;
  r.Part2.dPs = 0.75;
  ASSERT_TRUE(sect.TR_Add(13, r));
  ASSERT_EQ(IDOK, Run(13, [](CDialog&, CUserDriver& user) {
              user.Type(IDC_SECT_SRC_NAME, "renamed");
              user.Click(IDOK);
            }));
  const T_SECT_D s = Read(13);
  EXPECT_EQ(s.strName, "renamed");
  EXPECT_EQ(s.Part1.iDataKind, 7);
  EXPECT_EQ(s.Part1.strText, "kept");
  EXPECT_EQ(s.Part1.reserved1[2], 99);
  EXPECT_EQ(s.Part1.BaseA.Stiff.dReserved[3], 4.5);
  EXPECT_EQ(s.Part2.strShape, "P");
  EXPECT_EQ(s.Part2.BaseA.dSize[0], 0.5);
  EXPECT_EQ(s.Part2.dPs, 0.75);
  EXPECT_EQ(s.Part1.nSrcMatl, 6u);
  EXPECT_EQ(s.Part1.iSrcMatlSet, 1);
  EXPECT_NEAR(s.Part1.dEsEc, 6.338461538, 1e-9);
  EXPECT_NEAR(s.Part1.dDsDc, 3.14, 1e-12);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

// Where a section without a composite material of its own takes one from.
TEST_F(SrcPageTest, ASectionWithoutACompositeMaterialTakesTheStorysElseTheModelsFirst) {
  struct Case {
    const char* what;
    UINT own;        // the section's nSrcMatl
    UINT story;      // the base story's SRC column material
    UINT expected;
    bool warned;
  } cases[] = {
      {"none anywhere: the model's first, told", 0, 0, 6, true},
      {"the story's, silently", 0, 8, 8, false},
      {"a deleted material: the story's", 42, 8, 8, false},
      {"a concrete material counts as none", 1, 0, 6, true},
      {"the story naming a concrete material counts as none", 0, 1, 6, true},
      {"its own", 8, 0, 8, false},
  };
  AddSrcMatl(8, "C30/Q235");
  UINT key = 20;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    SetBaseStorySrc(c.story);
    T_SECT_D r = Rhb();
    r.Part1.nSrcMatl = c.own;
    ASSERT_TRUE(sect.TR_Add(++key, r));
    AfxClearMessageLog();
    ASSERT_EQ(IDOK, Run(key, [](CDialog&, CUserDriver& user) { user.Click(IDOK); }));
    EXPECT_EQ(Read(key).Part1.nSrcMatl, c.expected);
    if (c.warned)
      EXPECT_EQ(LastMessage(), AutoWarning("C40/Q355"));
    else
      EXPECT_EQ(AfxGetMessageCount(), 0);
  }
}

TEST_F(SrcPageTest, WithoutAnySRCMaterialOKApplyAndCalculateWriteNothing) {
  ASSERT_TRUE(matl.TR_Del(6));
  const int undo = doc->GetModelDB()->GetUndoCount();
  EXPECT_EQ(IDCANCEL, RunNew([](CDialog&, CUserDriver& user) {
              user.Click(IDC_SECT_SRC_USER);
              TypeAll(user, kSteel, {"0.2", "0.2", "0.012", "0.012", "0.012"});
              TypeAll(user, kConc, {"0.4", "0.4"});
              for (int button : {(int)IDOK, (int)IDC_SECT_ITEM_APPLY, (int)IDC_SECT_ITEM_CALC}) {
                AfxClearMessageLog();
                user.Click(button);
                EXPECT_EQ(AfxGetMessageCount(), button == IDC_SECT_ITEM_CALC ? 2 : 1) << button;
                EXPECT_EQ(AfxGetMessageRecord(0)->text, Key(kNoSrc)) << button;
              }
              EXPECT_EQ(LastMessage(), Key(kCantCalc));  // Calculate says both
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(sect.GetCount(), 3);
  EXPECT_EQ(doc->GetModelDB()->GetUndoCount(), undo);
}

TEST_F(SrcPageTest, TheCompositeMaterialPickedInItsDialogIsTheSections) {
  AddSrcMatl(8, "C30/Q235");
  ASSERT_TRUE(sect.TR_Add(13, Rhb()));
  ASSERT_EQ(IDOK, Run(13, [](CDialog&, CUserDriver& user) {
              // Cancelled: the section keeps its material.
              AfxQueueDialogScript([](CDialog& d) {
                CUserDriver m(&d);
                EXPECT_EQ(Text(m, IDC_SRC_MATL_NUMBER), "6");
                EXPECT_TRUE(m.Choose(IDC_SRC_MATL_NAME, "C30/Q235"));
                m.Click(IDCANCEL);
              });
              user.Click(IDC_SECT_SRC_MATL_BTN);
              AfxQueueDialogScript([](CDialog& d) {
                CUserDriver m(&d);
                EXPECT_EQ(Text(m, IDC_SRC_MATL_NUMBER), "6");
                EXPECT_TRUE(m.Choose(IDC_SRC_MATL_NAME, "C30/Q235"));
                m.Click(IDC_SRC_MATL_OK);
              });
              user.Click(IDC_SECT_SRC_MATL_BTN);
              user.Click(IDOK);
            }));
  EXPECT_EQ(Read(13).Part1.nSrcMatl, 8u);
  EXPECT_EQ(AfxGetMessageCount(), 0);
}

TEST_F(SrcPageTest, RefusedInputIsToldAndWritesNothing) {
  // A steel part larger than its concrete.
  EXPECT_EQ(IDCANCEL, RunNew([](CDialog&, CUserDriver& user) {
              user.Click(IDC_SECT_SRC_USER);
              TypeAll(user, kSteel, {"0.5", "0.5", "0.012", "0.012", "0.012"});
              TypeAll(user, kConc, {"0.4", "0.4"});
              AfxClearMessageLog();
              user.Click(IDOK);
              EXPECT_EQ(LastMessage(), Key(kCantCalc));
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(sect.GetCount(), 3);
  // A stored code that is no SRC shape: told on opening; OK finds no shape chosen.
  T_SECT_D r = Rhb();
  r.Part1.strShape = "XYZ";
  ASSERT_TRUE(sect.TR_Add(15, r));
  EXPECT_EQ(IDCANCEL, Run(15, [](CDialog&, CUserDriver& user) {
              std::vector<CString> texts;
              for (int i = 0; i < AfxGetMessageCount(); ++i) texts.push_back(AfxGetMessageRecord(i)->text);
              EXPECT_NE(std::find(texts.begin(), texts.end(), CString(Key("IDS_WG_CMD__ADDD__Error___Invalid_SRC_section_shape"))),
                        texts.end());
              EXPECT_NE(std::find(texts.begin(), texts.end(), CString(Key("IDS_WG_CMD__ADDD__Error___Invalide_SRC_section_shap"))),
                        texts.end());
              AfxClearMessageLog();
              user.Click(IDOK);
              EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD__ADDD__Error___Shape_is_not_selected_"));
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(Read(15).Part1.strShape, "XYZ");
}

TEST_F(SrcPageTest, CalculateThenOKInThePropertyTableWritesTheFactorsWithTheNextSave) {
  for (int answer : {(int)IDC_SECT_STIFF_OK, (int)IDCANCEL}) {
    SCOPED_TRACE(answer);
    const UINT key = answer == IDCANCEL ? first + 1 : first;
    ASSERT_EQ(IDOK, RunNew([answer](CDialog& dlg, CUserDriver& user) {
                user.Click(IDC_SECT_SRC_USER);
                TypeAll(user, kSteel, {"0.2", "0.2", "0.012", "0.012", "0.012"});
                TypeAll(user, kConc, {"0.4", "0.4"});
                AfxQueueDialogScript([answer](CDialog& table) { CUserDriver(&table).Click(answer); });
                user.Click(IDC_SECT_ITEM_CALC);
                EXPECT_EQ(Page(dlg)->IsFactorsChanged(), answer != IDCANCEL);
                user.Click(IDOK);
              }));
    EXPECT_EQ(secf.Exist(key), answer != IDCANCEL);
  }
  T_SECF_D f;
  ASSERT_TRUE(secf.Get(first, f));
  EXPECT_EQ(f.fArea, 1.0);
  EXPECT_EQ(f.fIzz, 1.0);
}

TEST_F(SrcPageTest, ApplyTwiceInAddModeAddsTwoSections) {
  CString second;
  second.Format("%u", first + 1);
  ASSERT_EQ(IDCANCEL, RunNew([&](CDialog&, CUserDriver& user) {
              user.Click(IDC_SECT_SRC_USER);
              TypeAll(user, kSteel, {"0.2", "0.2", "0.012", "0.012", "0.012"});
              TypeAll(user, kConc, {"0.4", "0.4"});
              user.Type(IDC_SECT_SRC_NAME, "first");
              user.Click(IDC_SECT_ITEM_APPLY);
              EXPECT_EQ(Text(user, IDC_SECT_ITEM_NUMBER), second);
              CWnd* focus = CWnd::GetFocus();
              ASSERT_NE(focus, nullptr);
              EXPECT_EQ(focus->GetDlgCtrlID(), IDC_SECT_SRC_CONC_SIZE1);
              user.Type(IDC_SECT_SRC_CONC_SIZE1, "0.5");
              user.Type(IDC_SECT_SRC_NAME, "second");
              user.Click(IDC_SECT_ITEM_APPLY);
              user.Click(IDCANCEL);
            }));
  ASSERT_EQ(sect.GetCount(), 5);
  EXPECT_EQ(Read(first).strName, "first");
  EXPECT_EQ(Read(first + 1).strName, "second");
  EXPECT_DOUBLE_EQ(Read(first + 1).Part1.BaseB.dSize[0], 0.5);
  EXPECT_DOUBLE_EQ(Read(first + 1).Part1.BaseA.dSize[0], 0.2);
}

}  // namespace
