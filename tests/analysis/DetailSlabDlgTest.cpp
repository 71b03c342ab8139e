// The slab detail settings and the slab reinforcement directions through their templates,
// the factory and real tables: a model of three stories (slabs and a beam on 1F, slabs and
// a wall on 2F, nothing on 3F) with its model view.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CCmdDetailSlabDirDlg.h"
#include "analysis/CCmdDetailSlabDlg.h"
#include "db/CClassLcug.h"
#include "db/CClassLdct.h"
#include "db/CClassMemb.h"
#include "db/CClassPlan.h"
#include "db/CClassPont.h"
#include "db/CClassSdir.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CDataDasb.h"
#include "db/CViewCtrl.h"
#include "db/DB_CScopedChange.h"
#include "frame/CCmdDynModule.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "tests/platform/db/ThreeStoryFixture.h"
#include "ui/CDlgModelessMgr.h"
#include "ui/CMsgDll.h"
#include "view/I_ModelBase.h"

namespace {

using Script = std::function<void(CDialog&, CUserDriver&)>;

class SlabModelTest : public ThreeStoryTest {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    NewDocument();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    T_PLAN_D plan;
    ASSERT_TRUE(Table<CClassPlan>()->Get(1, plan));
    planName = plan.name.c_str();
    ASSERT_NO_FATAL_FAILURE(AddStories());
    slab1 = AddMemb(301, stories[0]);
    beam1 = AddMemb(201, stories[0]);
    slab2 = AddMemb(301, stories[1]);
    slab3 = AddMemb(301, stories[1], 2.0);
    wall2 = AddMemb(202, stories[1]);
    db->ClearUndo();
    AfxClearMessageLog();
    AfxClearScriptQueue();
    app->GetHostMainWnd().ClearCommands();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    view.reset();
    ThreeStoryTest::TearDown();
    app.reset();
  }
  void SelectMembers(std::initializer_list<UINT> keys) {
    CUIntArray m, none;
    for (UINT k : keys) m.Add(k);
    db->GetViewCtrl()->Select(nullptr, none, m, none, none, 0, 0, 1);
  }
  std::vector<UINT> Commands() const {
    std::vector<UINT> ids;
    for (const CHostCommand& c : app->GetHostMainWnd().GetCommands()) ids.push_back(c.m_nID);
    return ids;
  }
  static std::string Key(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? std::string(m->text.c_str()) : std::string();
  }
  static std::string Text(CWnd& dlg, int id) {
    CString s;
    dlg.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Enabled(CWnd& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }
  static bool Checked(CDialog& d, int id) { return d.IsDlgButtonChecked(id) != 0; }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<I_ModelBase> view;
  std::string planName;
  UINT slab1 = 0, beam1 = 0, slab2 = 0, slab3 = 0, wall2 = 0;
};

// ---- slab detail settings ----

class DetailSlabDlgTest : public SlabModelTest {
 protected:
  int Run(const Script& script) {
    AfxQueueDialogScript([script](CDialog& dlg) {
      CUserDriver user(&dlg);
      script(dlg, user);
    });
    const int r = ICmdDialog::DoModal("CCmdDetailSlabDlg", nullptr);
    EXPECT_EQ(AfxGetQueuedScriptCount(), 0) << "the dialog took its script";
    AfxClearScriptQueue();
    return r;
  }
  static std::string Items(CWnd& dlg) {
    auto* c = static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DASB_STORY));
    std::string s;
    for (int i = 0; i < c->GetCount(); ++i) {
      CString t;
      c->GetLBText(i, t);
      s += (s.empty() ? "" : "|") + std::string(t.c_str());
    }
    return s;
  }
  static int Sel(CWnd& dlg) { return static_cast<CComboBox*>(dlg.GetDlgItem(IDC_DASB_STORY))->GetCurSel(); }
  // Settings the module holds before a test, so that a dialog that hands nothing over shows.
  void SeedModule() {
    CDataDasb seed;
    seed.Initialize();
    seed.m_nKey = 777;
    seed.m_Data.meshSize = 9.0;
    seed.m_Data.dlLlDisplacement = 1;
    seed.m_Data.wind = 1;
    seed.m_Data.punchingCheck = 1;
    GetCmdDynModule()->SetDasb(&seed);
  }
  const CDataDasb& Stored() { return *GetCmdDynModule()->GetStoredDasb(); }
};

TEST_F(DetailSlabDlgTest, TheStoryListHoldsTheStoriesWithMembersAndTheSecondIsChosen) {
  AddMemb(201, stories[2]);
  const std::string p = " (" + planName + ")";
  EXPECT_EQ(IDCANCEL, Run([&](CDialog& d, CUserDriver&) {
              EXPECT_EQ("1F" + p + "|2F" + p + "|3F" + p, Items(d)) << "bottom-up, without the base story";
              EXPECT_EQ(1, Sel(d));
            }));
  // Without the member on 3F it is empty and goes.
  ASSERT_TRUE(db->Undo());
  Run([&](CDialog& d, CUserDriver&) { EXPECT_EQ("1F" + p + "|2F" + p, Items(d)); });
}

TEST_F(DetailSlabDlgTest, ASingleStoryIsLeftAsTheListHadItAndOkWithoutAStoryIsRefused) {
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(wall2));
  CUIntArray gone;
  gone.Add(slab2);
  gone.Add(slab3);
  ASSERT_TRUE(Table<CClassMemb>()->TR_Del(gone));
  SeedModule();
  EXPECT_EQ(IDCANCEL, Run([&](CDialog& d, CUserDriver& user) {
              EXPECT_EQ("1F (" + planName + ")", Items(d));
              EXPECT_EQ(-1, Sel(d)) << "nothing chosen for it";
              EXPECT_TRUE(user.Click(IDOK));
              EXPECT_EQ(Key("IDS_CMD_DASB_NO_STORY"), LastMessage());
              EXPECT_TRUE(d.IsModalRunning()) << "it stays open";
              EXPECT_TRUE(user.Click(IDCANCEL));
            }));
  EXPECT_EQ(777u, Stored().m_nKey) << "nothing handed over";
  EXPECT_TRUE(Commands().empty());
}

TEST_F(DetailSlabDlgTest, TheLoadControlDisablesWindAndSeismicBoxes) {
  struct Case { int wind, seismic; bool windOn, seismicOn; } cases[] = {
      {1, 1, true, true}, {0, 1, false, true}, {1, 0, true, false}, {0, 0, false, false}};
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.wind) + std::to_string(c.seismic));
    T_LDCT_D ldct;
    ldct.wind = c.wind;
    ldct.seismic = c.seismic;
    ASSERT_TRUE(Table<CClassLdct>()->TR_Add(ldct));
    Run([&](CDialog& d, CUserDriver& user) {
      EXPECT_EQ(c.windOn, Enabled(d, IDC_DASB_WIND));
      EXPECT_EQ(c.seismicOn, Enabled(d, IDC_DASB_HORZ_SEISMIC));
      EXPECT_EQ(c.seismicOn, Enabled(d, IDC_DASB_VERT_SEISMIC));
      EXPECT_EQ(c.windOn, user.Check(IDC_DASB_WIND, 1) != 0);
      EXPECT_EQ(c.windOn, Checked(d, IDC_DASB_WIND));
      EXPECT_FALSE(Checked(d, IDC_DASB_HORZ_SEISMIC));
      EXPECT_TRUE(user.Click(IDOK));
    });
    EXPECT_EQ(c.windOn ? 1 : 0, Stored().m_Data.wind);
    EXPECT_EQ(0, Stored().m_Data.horzSeismic);
  }
}

TEST_F(DetailSlabDlgTest, CivilAirDefenceFollowsTheChosenStory) {
  const std::string p = " (" + planName + ")";
  T_LCUG_D lcug;
  lcug.flag = 1;
  lcug.upperStory = stories[1];  // 2F, the story chosen at first
  lcug.lowerStory = 999;         // no story
  ASSERT_TRUE(Table<CClassLcug>()->TR_Add(lcug));
  Run([&](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Enabled(d, IDC_DASB_CIVIL_AIR));
    EXPECT_TRUE(user.Check(IDC_DASB_CIVIL_AIR, 1));
    EXPECT_TRUE(user.Check(IDC_DASB_WIND, 1));
    EXPECT_TRUE(user.Choose(IDC_DASB_STORY, ("1F" + p).c_str()));
    EXPECT_FALSE(Enabled(d, IDC_DASB_CIVIL_AIR));
    EXPECT_FALSE(Checked(d, IDC_DASB_CIVIL_AIR)) << "another story clears it";
    EXPECT_TRUE(Checked(d, IDC_DASB_WIND)) << "the other boxes stay as the user left them";
    EXPECT_TRUE(user.Choose(IDC_DASB_STORY, ("2F" + p).c_str()));
    EXPECT_TRUE(Enabled(d, IDC_DASB_CIVIL_AIR));
    EXPECT_FALSE(Checked(d, IDC_DASB_CIVIL_AIR));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  // The lower story enables it as well; a load not in use never.
  lcug.upperStory = 0;
  lcug.lowerStory = stories[1];
  ASSERT_TRUE(Table<CClassLcug>()->TR_Add(lcug));
  Run([&](CDialog& d, CUserDriver&) { EXPECT_TRUE(Enabled(d, IDC_DASB_CIVIL_AIR)); });
  lcug.flag = 0;
  ASSERT_TRUE(Table<CClassLcug>()->TR_Add(lcug));
  Run([&](CDialog& d, CUserDriver&) { EXPECT_FALSE(Enabled(d, IDC_DASB_CIVIL_AIR)); });
}

TEST_F(DetailSlabDlgTest, PunchingClearsAndDisablesTheDisplacementBox) {
  Run([&](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Enabled(d, IDC_DASB_DLLL_DISP));
    EXPECT_TRUE(user.Check(IDC_DASB_DLLL_DISP, 1));
    EXPECT_TRUE(user.Check(IDC_DASB_PUNCHING, 1));
    EXPECT_FALSE(Enabled(d, IDC_DASB_DLLL_DISP));
    EXPECT_FALSE(Checked(d, IDC_DASB_DLLL_DISP));
    EXPECT_TRUE(user.Check(IDC_DASB_PUNCHING, 0));
    EXPECT_TRUE(Enabled(d, IDC_DASB_DLLL_DISP));
    EXPECT_FALSE(Checked(d, IDC_DASB_DLLL_DISP)) << "enabled again, still clear";
  });
}

TEST_F(DetailSlabDlgTest, ItOpensOnTheDefaultsNotOnTheModulesSettings) {
  SeedModule();
  T_DASB_D defaults;
  defaults.Initialize();
  Run([&](CDialog& d, CUserDriver&) {
    EXPECT_EQ("1", Text(d, IDC_DASB_MESH));
    EXPECT_FALSE(Checked(d, IDC_DASB_DLLL_DISP));
    EXPECT_FALSE(Checked(d, IDC_DASB_WIND));
    EXPECT_FALSE(Checked(d, IDC_DASB_PUNCHING));
    EXPECT_TRUE(Enabled(d, IDC_DASB_DLLL_DISP));
    EXPECT_TRUE(Checked(d, IDC_DASB_DEAD));
    EXPECT_TRUE(Checked(d, IDC_DASB_LIVE));
  });
  EXPECT_EQ(777u, Stored().m_nKey) << "Cancel hands nothing over";
  EXPECT_EQ(9.0, Stored().m_Data.meshSize);
  EXPECT_TRUE(Commands().empty());
  EXPECT_EQ(1.0, defaults.meshSize);
}

TEST_F(DetailSlabDlgTest, OkHandsTheSettingsOverInInternalUnitsAndPostsTheStart) {
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("N", "mm"));
  SeedModule();
  EXPECT_EQ(IDOK, Run([&](CDialog& d, CUserDriver& user) {
              EXPECT_EQ("mm", Text(d, IDC_DASB_MESH_UNIT));
              EXPECT_TRUE(user.Type(IDC_DASB_MESH, "500"));
              EXPECT_TRUE(user.Check(IDC_DASB_HORZ_SEISMIC, 1));
              EXPECT_TRUE(user.Check(IDC_DASB_LONG_TERM, 1));
              EXPECT_TRUE(user.Check(IDC_DASB_DLLL_DISP, 1));
              EXPECT_TRUE(user.Click(IDOK));
            }));
  const CDataDasb& s = Stored();
  EXPECT_EQ(stories[1], s.m_nKey);
  EXPECT_DOUBLE_EQ(0.5, s.m_Data.meshSize) << "500 mm";
  EXPECT_EQ(1, s.m_Data.deadLoad);
  EXPECT_EQ(1, s.m_Data.liveLoad);
  EXPECT_EQ(0, s.m_Data.wind);
  EXPECT_EQ(1, s.m_Data.horzSeismic);
  EXPECT_EQ(0, s.m_Data.vertSeismic);
  EXPECT_EQ(1, s.m_Data.dlLlDisplacement);
  EXPECT_EQ(1, s.m_Data.longTermDeflection);
  EXPECT_EQ(0, s.m_Data.punchingCheck);
  EXPECT_EQ(std::vector<UINT>{CCmdDetailSlabDlg::CMD_RUN_DETAIL_SLAB}, Commands());
  EXPECT_TRUE(app->GetHostMainWnd().GetCommands()[0].m_bPosted);
  // Under metres the label follows.
  ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem("kN", "m"));
  Run([&](CDialog& d, CUserDriver&) { EXPECT_EQ("m", Text(d, IDC_DASB_MESH_UNIT)); });
}

TEST_F(DetailSlabDlgTest, AMeshSizeThatIsNoNumberAboveZeroIsRefused) {
  SeedModule();
  for (const char* text : {"", "abc", "0", "-2", "1e999"}) {
    SCOPED_TRACE(text);
    AfxClearMessageLog();
    EXPECT_EQ(IDCANCEL, Run([&](CDialog& d, CUserDriver& user) {
                EXPECT_TRUE(user.Type(IDC_DASB_MESH, text));
                EXPECT_TRUE(user.Click(IDOK));
                EXPECT_EQ(Key("IDS_CMD_DASB_MESH_SIZE"), LastMessage());
                EXPECT_TRUE(d.IsModalRunning());
                EXPECT_TRUE(user.Click(IDCANCEL));
              }));
  }
  EXPECT_EQ(777u, Stored().m_nKey);
  EXPECT_TRUE(Commands().empty());
}

// ---- slab reinforcement directions ----

class DetailSlabDirDlgTest : public SlabModelTest {
 protected:
  CCmdDetailSlabDirDlg* Open() {
    EXPECT_EQ(1, ICmdDialog::DoModeless("CCmdDetailSlabDirDlg", nullptr, nullptr));
    auto* d = static_cast<CCmdDetailSlabDirDlg*>(doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR));
    EXPECT_NE(d, nullptr);
    if (d) user.SetDialog(d);
    return d;
  }
  void TearDown() override {
    if (CDialog* d = doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR)) d->DestroyWindow();
    SlabModelTest::TearDown();
  }
  std::string Dir(UINT slab) {
    T_SDIR_D r;
    if (!Table<CClassSdir>()->Get(slab, r)) return "-";
    return std::to_string(r.mode) + "/" + std::to_string(r.angle).substr(0, 4);
  }
  CUserDriver user;
};

TEST_F(DetailSlabDirDlgTest, ASecondRequestShowsTheFirstWindow) {
  CCmdDetailSlabDirDlg* d = Open();
  ASSERT_NE(d, nullptr);
  EXPECT_EQ(1, ICmdDialog::DoModeless("CCmdDetailSlabDirDlg", nullptr, nullptr));
  EXPECT_EQ(d, doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR));
  EXPECT_TRUE(d->IsDlgButtonChecked(IDC_SDIR_USER)) << "user input at first";
  EXPECT_TRUE(Enabled(*d, IDC_SDIR_ANGLE));
}

TEST_F(DetailSlabDirDlgTest, WithoutASelectedSlabNothingIsWritten) {
  ASSERT_NE(Open(), nullptr);
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "30"));
  for (auto sel : {std::vector<UINT>{beam1, wall2}, std::vector<UINT>{}}) {
    AfxClearMessageLog();
    CUIntArray m, none;
    for (UINT k : sel) m.Add(k);
    db->GetViewCtrl()->Select(nullptr, none, m, none, none, 0, 0, 1);
    ASSERT_TRUE(user.Click(IDC_SDIR_APPLY));
    EXPECT_EQ(Key("IDS_TM_No_Selected_Member"), LastMessage());
  }
  EXPECT_EQ(0, Table<CClassSdir>()->GetCount());
  EXPECT_TRUE(Commands().empty());
}

TEST_F(DetailSlabDirDlgTest, OneApplyWritesEverySelectedSlabInOneUndoStepAndRedraws) {
  CCmdDetailSlabDirDlg* d = Open();
  ASSERT_NE(d, nullptr);
  SelectMembers({slab1, beam1, slab3, wall2});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "30"));
  ASSERT_TRUE(user.Click(IDC_SDIR_APPLY));
  EXPECT_EQ(1, db->GetUndoCount());
  EXPECT_EQ("1/30.0", Dir(slab1));
  EXPECT_EQ("1/30.0", Dir(slab3));
  EXPECT_EQ("-", Dir(slab2));
  EXPECT_EQ("-", Dir(beam1));
  ASSERT_EQ(std::vector<UINT>{CCmdDetailSlabDirDlg::CMD_REDRAW}, Commands());
  EXPECT_FALSE(app->GetHostMainWnd().GetCommands()[0].m_bPosted) << "sent";
  // Automatic: the angle edit is disabled and its number is stored with mode 0.
  SelectMembers({slab1, slab2});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "12.5"));
  ASSERT_TRUE(user.Check(IDC_SDIR_AUTO, 1));
  EXPECT_FALSE(Enabled(*d, IDC_SDIR_ANGLE));
  EXPECT_FALSE(Enabled(*d, IDC_SDIR_ANGLE_UNIT));
  EXPECT_EQ(1, d->ApplyToSelection());
  EXPECT_EQ("0/12.5", Dir(slab1));
  EXPECT_EQ("0/12.5", Dir(slab2));
  EXPECT_EQ("1/30.0", Dir(slab3));
  EXPECT_EQ(2, db->GetUndoCount());
  ASSERT_TRUE(db->Undo());
  EXPECT_EQ("1/30.0", Dir(slab1));
  EXPECT_EQ("-", Dir(slab2));
}

TEST_F(DetailSlabDirDlgTest, AnAngleThatIsNoNumberIsRefusedInUserInputOnly) {
  CCmdDetailSlabDirDlg* d = Open();
  ASSERT_NE(d, nullptr);
  SelectMembers({slab1});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "north"));
  ASSERT_TRUE(user.Click(IDC_SDIR_APPLY));
  EXPECT_EQ(Key("IDS_CMD_SDIR_ANGLE_NOT_NUMBER"), LastMessage());
  EXPECT_EQ("-", Dir(slab1));
  EXPECT_TRUE(Commands().empty());
  // Automatic does not use the angle: the record's own (0) is stored.
  AfxClearMessageLog();
  ASSERT_TRUE(user.Check(IDC_SDIR_AUTO, 1));
  EXPECT_EQ(1, d->ApplyToSelection());
  EXPECT_EQ(nullptr, AfxGetLastMessage());
  EXPECT_EQ("0/0.00", Dir(slab1));
}

TEST_F(DetailSlabDirDlgTest, ARefusedTransactionWritesNothingAndSendsNoRedraw) {
  CCmdDetailSlabDirDlg* d = Open();
  ASSERT_NE(d, nullptr);
  SelectMembers({slab1});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "30"));
  {
    // A group whose inner part failed refuses every later write until it ends.
    DB_CScopedChange outer(db);
    { DB_CScopedChange inner(db); }
    EXPECT_EQ(0, d->ApplyToSelection());
  }
  EXPECT_EQ("-", Dir(slab1));
  EXPECT_EQ(nullptr, AfxGetLastMessage()) << "no message";
  EXPECT_TRUE(Commands().empty());
}

TEST_F(DetailSlabDirDlgTest, TheOutputButtonEndsTheWindowWritingNothingAndPostsTheOutput) {
  ASSERT_NE(Open(), nullptr);
  SelectMembers({slab1});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "30"));
  ASSERT_TRUE(user.Click(IDC_SDIR_APPLY));
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "60"));
  app->GetHostMainWnd().ClearCommands();
  ASSERT_TRUE(user.Click(IDC_SDIR_RUN));
  EXPECT_EQ(nullptr, doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR)) << "the window is gone, not hidden";
  EXPECT_EQ("1/30.0", Dir(slab1));
  EXPECT_EQ(1, db->GetUndoCount());
  ASSERT_EQ(std::vector<UINT>{CCmdDetailSlabDirDlg::CMD_OUTPUT_IN_DIRECTIONS}, Commands());
  EXPECT_TRUE(app->GetHostMainWnd().GetCommands()[0].m_bPosted);
  // Close ends it too, without a command.
  ASSERT_NE(Open(), nullptr);
  app->GetHostMainWnd().ClearCommands();
  ASSERT_TRUE(user.Click(IDC_SDIR_CLOSE));
  EXPECT_EQ(nullptr, doc->GetDlgCtrl()->GetDlg(IDD_CMD_DETAIL_SLAB_DIR));
  EXPECT_TRUE(Commands().empty());
}

TEST_F(DetailSlabDirDlgTest, WithoutAViewApplyDoesNothing) {
  CCmdDetailSlabDirDlg* d = Open();
  ASSERT_NE(d, nullptr);
  SelectMembers({slab1});
  ASSERT_TRUE(user.Type(IDC_SDIR_ANGLE, "30"));
  I_ModelBase::SetCurMySelfST(nullptr);
  EXPECT_EQ(0, d->ApplyToSelection());
  EXPECT_EQ("-", Dir(slab1));
  EXPECT_EQ(nullptr, AfxGetLastMessage());
}

}  // namespace
