// The creation option-panel host docking panels into an application window, and the
// panels for points, line members, slabs and area members: names, target standard floors,
// the tolerance boxes and what the application reads back.
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageQueue.h"
#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "creation/CAdvOptMembCreatePanels.h"
#include "creation/CAdvOptMembCreateSectPanels.h"
#include "db/CClassSect.h"
#include "ui/CMsgDll.h"
#include "creation/CAdvancedOptionDlg_MembCreate.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/CDBLib.h"
#include "db/CFlagCtrl.h"
#include "db/CIntsDlg.h"
#include "db/CToleranceDlg.h"
#include "db/DB_CDataBase.h"
#include "host/CHostApp.h"
#include "creation/AdvOptIds.h"
#include "res/resource.h"

namespace {

class AdvOptTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    // A framed window 300 pixels high whose client area is 270 high.
    ASSERT_TRUE(host.CreateEx(0, "#32770", "host", WS_POPUP | WS_CAPTION | WS_THICKFRAME | WS_VISIBLE,
                              CRect(0, 0, 400, 300), nullptr, 0));
    CRect c;
    host.GetClientRect(&c);
    ASSERT_EQ(270, c.Height());
  }
  void TearDown() override {
    opt.reset();
    host.DestroyWindow();
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  int HostHeight() const {
    CRect r;
    host.GetWindowRect(&r);
    return r.Height();
  }
  int HostWidth() const {
    CRect r;
    host.GetWindowRect(&r);
    return r.Width();
  }
  // The panel's rectangle in the host's client coordinates.
  CRect PanelRect(CWnd* panel) const {
    CRect r;
    panel->GetWindowRect(&r);
    host.ScreenToClient(&r);
    return r;
  }
  static int ClientHeight(CWnd* w) {
    CRect r;
    w->GetClientRect(&r);
    return r.Height();
  }
  CAdvOptMembCreateDlg* Shown(UINT idd, int type = 0, UINT sect = 0) {
    opt->AddOptionDlg(idd);
    T_ADVOPT_DLG_DATA data{type, sect};
    opt->ShowOptionDlg(idd, &host, type ? &data : nullptr);
    return dynamic_cast<CAdvOptMembCreateDlg*>(opt->GetCurDlg());
  }
  void SendType(int type, UINT sect = 0) {
    T_ADVOPT_DLG_DATA data{type, sect};
    opt->ChangeData(data);
  }
  std::string Text(CWnd* panel, int id) {
    CString s;
    panel->GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Checked(CWnd* panel, int id) { return panel->IsDlgButtonChecked(id) == BST_CHECKED; }
  static bool Enabled(CWnd* panel, int id) { return panel->GetDlgItem(id)->IsWindowEnabled(); }
  void AddPlans(std::initializer_list<const char*> names) {
    auto* plan = static_cast<CClassPlan*>(doc->GetModelDB()->GetClass(CClassPlan::m_nClassID));
    for (const char* n : names) {
      T_PLAN_D p;
      p.name = n;
      ASSERT_TRUE(plan->TR_Add(p));
    }
  }
  std::vector<UINT> PlanKeys(CAdvOptMembCreateDlg* panel) {
    auto* edit = dynamic_cast<CEditPlan*>(panel->GetDlgItem(IDC_ADVOPT_PLAN));
    CUIntArray keys;
    edit->GetSelectedKeyList(keys);
    return keys.vec();
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CWnd host;
  std::unique_ptr<CAdvancedOptionDlg_MembCreate> opt = std::make_unique<CAdvancedOptionDlg_MembCreate>();
};

TEST_F(AdvOptTest, ShowReplaceAndHideBringTheHostBackToItsSize) {
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_PONT);
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_LINE);
  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr);
  CWnd* a = opt->GetCurDlg();
  ASSERT_TRUE(a && a->GetSafeHwnd());
  const int ha = ClientHeight(a);
  EXPECT_EQ(260, PanelRect(a).top);  // client height plus the margin of -10
  EXPECT_EQ(300 + ha - 10, HostHeight());
  EXPECT_TRUE(a->IsWindowVisible());

  // Showing the docked panel again moves nothing.
  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr);
  EXPECT_EQ(300 + ha - 10, HostHeight());

  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_LINE, &host, nullptr);
  CWnd* b = opt->GetCurDlg();
  const int hb = ClientHeight(b);
  ASSERT_NE(ha, hb);
  EXPECT_EQ(260, PanelRect(b).top);
  EXPECT_EQ(300 + hb - 10, HostHeight());
  EXPECT_FALSE(a->IsWindowVisible());
  EXPECT_EQ((UINT)IDD_ADVOPT_MEMB_LINE, opt->GetCurDlgIDD());

  opt->HideOptionDlg();
  EXPECT_EQ(300, HostHeight());
  EXPECT_FALSE(opt->IsVisible());
  EXPECT_FALSE(b->IsWindowVisible());
  EXPECT_EQ(b, opt->GetCurDlg());  // the hidden panel stays current
  EXPECT_EQ(0, opt->GetDockedHeight());
}

TEST_F(AdvOptTest, RightSideWithoutMarginStartsAtTheClientEdge) {
  opt->SetType(ADVOPT_DLG_RIGHT);
  opt->SetOffsetMargin(0);
  CRect c;
  host.GetClientRect(&c);
  CWnd* p = Shown(IDD_ADVOPT_MEMB_AREA);
  CRect pc;
  p->GetClientRect(&pc);
  EXPECT_EQ(c.Width(), PanelRect(p).left);
  EXPECT_EQ(0, PanelRect(p).top);
  EXPECT_EQ(400 + pc.Width(), HostWidth());
  EXPECT_EQ(300, HostHeight());
  opt->HideOptionDlg();
  EXPECT_EQ(400, HostWidth());
}

TEST_F(AdvOptTest, ToggleChangeAndIdsNotAdded) {
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_PONT);
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_SLAB);
  opt->AddOptionDlg(12345);  // no panel of that template
  // Change while nothing is docked does nothing; a show of an id not added neither.
  opt->ChangeOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr);
  EXPECT_FALSE(opt->IsVisible());
  opt->ShowOptionDlg(12345, &host, nullptr);
  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_LINE, &host, nullptr);
  EXPECT_FALSE(opt->IsVisible());
  EXPECT_EQ(0u, opt->GetCurDlgIDD());
  EXPECT_EQ(300, HostHeight());

  EXPECT_EQ(1, opt->ToggleOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr));
  opt->ChangeOptionDlg(IDD_ADVOPT_MEMB_SLAB, &host, nullptr);
  EXPECT_EQ((UINT)IDD_ADVOPT_MEMB_SLAB, opt->GetCurDlgIDD());
  // Toggle hides the docked panel whatever id it is given.
  EXPECT_EQ(0, opt->ToggleOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr));
  EXPECT_EQ(300, HostHeight());
  EXPECT_EQ((UINT)IDD_ADVOPT_MEMB_SLAB, opt->GetCurDlgIDD());
}

TEST_F(AdvOptTest, AddingTwiceKeepsThePanelAndItsValues) {
  CWnd* first = Shown(IDD_ADVOPT_MEMB_PONT);
  CUserDriver(first).Check(IDC_ADVOPT_MERGE, 0);
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_PONT);
  opt->HideOptionDlg();
  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_PONT, &host, nullptr);
  EXPECT_EQ(first, opt->GetCurDlg());
  EXPECT_FALSE(Checked(first, IDC_ADVOPT_MERGE));
}

TEST_F(AdvOptTest, ReadingWritesOnlyWithAPanelAndOnlyItsFields) {
  T_ADVOPT_DLG_COMMON_DATA common;
  common.strName = "keep";
  common.nNameFlag = -1;
  PARAM_MPROP prop;
  prop.nMerge = prop.nSplitCol = prop.nSplitPt = prop.nSplit = prop.nTransfer = -1;
  EXPECT_EQ(0, opt->GetOptDlgData(&common, &prop));
  opt->AddOptionDlg(IDD_ADVOPT_MEMB_PONT);
  EXPECT_EQ(0, opt->GetOptDlgData(&common, &prop));  // added, never shown: no window
  EXPECT_EQ("keep", std::string(common.strName.c_str()));
  EXPECT_EQ(-1, prop.nMerge);

  // The line panel writes the three split flags; the hidden current panel is still read.
  Shown(IDD_ADVOPT_MEMB_LINE, 201);
  opt->HideOptionDlg();
  EXPECT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ("KL1", std::string(common.strName.c_str()));
  EXPECT_EQ(0, common.nNameFlag);  // name box off
  EXPECT_EQ(0, common.nOption);
  EXPECT_EQ(1, prop.nSplitCol);
  EXPECT_EQ(0, prop.nSplitPt);
  EXPECT_EQ(1, prop.nSplit);
  EXPECT_EQ(-1, prop.nMerge);
  EXPECT_EQ(-1, prop.nTransfer);

  // The point panel writes merge and split only.
  prop.nSplitCol = prop.nSplitPt = -1;
  Shown(IDD_ADVOPT_MEMB_PONT, 101);
  EXPECT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1, prop.nMerge);
  EXPECT_EQ(1, prop.nSplit);
  EXPECT_EQ(-1, prop.nSplitCol);
  EXPECT_EQ(-1, prop.nSplitPt);
}

TEST_F(AdvOptTest, TheDockedPanelStillGetsTheData) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_LINE, 201);
  T_ADVOPT_DLG_DATA data{202, 0};
  opt->ShowOptionDlg(IDD_ADVOPT_MEMB_LINE, &host, &data);
  EXPECT_EQ(202, p->GetOptions().nMembType);
  EXPECT_EQ("LL1", Text(p, IDC_ADVOPT_NAME));
  EXPECT_EQ(202, opt->GetData().nMembType);
}

TEST_F(AdvOptTest, DefaultNamesByKindAndPanel) {
  struct Case {
    UINT idd;
    int type;
    const char* name;
  } cases[] = {
      {IDD_ADVOPT_MEMB_PONT, 100, "P1"},  {IDD_ADVOPT_MEMB_PONT, 101, "KZ1"}, {IDD_ADVOPT_MEMB_PONT, 201, ""},
      {IDD_ADVOPT_MEMB_LINE, 100, ""},    {IDD_ADVOPT_MEMB_LINE, 206, "BR1"}, {IDD_ADVOPT_MEMB_LINE, 208, "RW1"},
      {IDD_ADVOPT_MEMB_LINE, 207, ""},    {IDD_ADVOPT_MEMB_SLAB, 301, "Q1"},  {IDD_ADVOPT_MEMB_AREA, 302, "O1"},
      {IDD_ADVOPT_MEMB_AREA, 300, "AR1"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(testing::Message() << c.idd << " type " << c.type);
    opt = std::make_unique<CAdvancedOptionDlg_MembCreate>();
    CAdvOptMembCreateDlg* p = Shown(c.idd);
    ASSERT_TRUE(p);
    auto* combo = dynamic_cast<CComboBox*>(p->GetDlgItem(IDC_ADVOPT_NAME));
    EXPECT_EQ(0, combo->GetCount());  // no type yet
    SendType(c.type);
    EXPECT_EQ(c.name, Text(p, IDC_ADVOPT_NAME));
    EXPECT_EQ(1, combo->GetCount());
  }
  EXPECT_EQ(0, CAdvOptMembCreateDlg::KindOfType(207));
  EXPECT_EQ(4096, CAdvOptMembCreateDlg::KindOfType(302));
}

TEST_F(AdvOptTest, TheModelsNamesOfTheKindReplaceTheDefault) {
  auto* names = static_cast<CClassName*>(doc->GetModelDB()->GetClass(CClassName::m_nClassID));
  for (auto [n, t] : {std::pair{"KL7", 201}, std::pair{"KL9", 201}, std::pair{"Z1", 101}}) {
    T_NAME_D rec;
    rec.name = n;
    rec.type = t;
    ASSERT_TRUE(names->TR_Add(rec));
  }
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_LINE, 201);
  auto* combo = dynamic_cast<CComboBox*>(p->GetDlgItem(IDC_ADVOPT_NAME));
  EXPECT_EQ(2, combo->GetCount());
  EXPECT_EQ("KL7", Text(p, IDC_ADVOPT_NAME));
}

TEST_F(AdvOptTest, NextMemberNames) {
  struct Case {
    const char* name;
    int result;
    const char* next;
  } cases[] = {{"KL1", 1, "KL2"}, {"B09", 1, "B10"}, {"C99", 1, "C100"}, {"7", 1, "8"},
               {"KL", 0, "-"},    {"", 0, "-"},      {"A1B", 0, "-"}};
  for (const auto& c : cases) {
    CString next = "-";
    EXPECT_EQ(c.result, CDBLib::GetNextMembName(c.name, next)) << c.name;
    EXPECT_EQ(std::string(c.next), next.c_str()) << c.name;
  }
}

TEST_F(AdvOptTest, TheNameAdvancesAfterACreationOnlyWithTheBoxOn) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_LINE, 201);
  CUserDriver user(p);
  user.Check(IDC_ADVOPT_NAME_CHECK, 1);
  opt->UpdateMemberNameCombo();
  AfxPumpMessages();
  EXPECT_EQ("KL1", Text(p, IDC_ADVOPT_NAME));  // box off

  user.Check(IDC_ADVOPT_NAME_AUTOINC, 1);
  opt->UpdateMemberNameCombo();
  EXPECT_EQ("KL1", Text(p, IDC_ADVOPT_NAME));  // posted: nothing before the pump
  AfxPumpMessages();
  EXPECT_EQ("KL2", Text(p, IDC_ADVOPT_NAME));

  user.Type(IDC_ADVOPT_NAME, "LIANG");
  opt->UpdateMemberNameCombo();
  AfxPumpMessages();
  EXPECT_EQ("LIANG", Text(p, IDC_ADVOPT_NAME));

  // A blank name gives flag 0 with the box on; a name is handed over trimmed.
  T_ADVOPT_DLG_COMMON_DATA common;
  PARAM_MPROP prop;
  user.Type(IDC_ADVOPT_NAME, "   ");
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(0, common.nNameFlag);
  user.Type(IDC_ADVOPT_NAME, "  KL5 ");
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1, common.nNameFlag);
  EXPECT_EQ("KL5", std::string(common.strName.c_str()));
}

TEST_F(AdvOptTest, TheNameBoxEnablesTheNameRow) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_SLAB, 301);
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_NAME));
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_NAME_AUTOINC));
  CUserDriver(p).Check(IDC_ADVOPT_NAME_CHECK, 1);
  EXPECT_TRUE(Enabled(p, IDC_ADVOPT_NAME));
  EXPECT_TRUE(Enabled(p, IDC_ADVOPT_NAME_CMD));
  CUserDriver(p).Click(IDC_ADVOPT_NAME_CMD);
  AfxPumpMessages();
}

TEST_F(AdvOptTest, PointPanelSplitFollowsTheTypeOncePerChange) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_PONT, 100);
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_SPLIT));
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_SPLIT_INTS));
  SendType(101);
  EXPECT_TRUE(Checked(p, IDC_ADVOPT_SPLIT));
  EXPECT_TRUE(Enabled(p, IDC_ADVOPT_SPLIT_INTS));
  CUserDriver(p).Check(IDC_ADVOPT_SPLIT, 0);
  SendType(101);  // the same type: the user's choice stays
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_SPLIT));
  CUserDriver(p).Check(IDC_ADVOPT_MERGE, 0);
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_MERGE_TOL));
}

TEST_F(AdvOptTest, CrossSplitBoxesFollowTheTypeAndKeepTheUsersChoice) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_LINE, 206);
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_CROSS_COL));
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_CROSS_PT));
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_CROSS_LINE));
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_CROSS_PT));
  SendType(201);
  EXPECT_TRUE(Checked(p, IDC_ADVOPT_CROSS_COL));
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_CROSS_PT));
  EXPECT_TRUE(Checked(p, IDC_ADVOPT_CROSS_LINE));
  EXPECT_TRUE(Enabled(p, IDC_ADVOPT_CROSS_PT));
  CUserDriver user(p);
  user.Check(IDC_ADVOPT_CROSS_PT, 1);
  user.Check(IDC_ADVOPT_CROSS_COL, 0);
  user.Check(IDC_ADVOPT_NAME_CHECK, 1);  // a refresh
  user.Check(IDC_ADVOPT_TARGET_ALL, 1);  // another
  SendType(201);
  EXPECT_TRUE(Checked(p, IDC_ADVOPT_CROSS_PT));
  EXPECT_FALSE(Checked(p, IDC_ADVOPT_CROSS_COL));
}

TEST_F(AdvOptTest, TargetFloorsAndThePicker) {
  AddPlans({"A", "B"});  // keys 2 and 3 beside 1, the current one
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_LINE, 201);
  CUserDriver user(p);
  EXPECT_EQ(std::vector<UINT>{1}, PlanKeys(p));
  EXPECT_FALSE(Enabled(p, IDC_ADVOPT_PLAN_SELECT));
  user.Check(IDC_ADVOPT_TARGET_ALL, 1);
  EXPECT_EQ((std::vector<UINT>{1, 2, 3}), PlanKeys(p));
  EXPECT_EQ(2, p->GetOptions().nTargetMode);
  user.Check(IDC_ADVOPT_TARGET_SEL, 1);  // restarts from the current floor
  EXPECT_EQ(std::vector<UINT>{1}, PlanKeys(p));
  ASSERT_TRUE(Enabled(p, IDC_ADVOPT_PLAN_SELECT));

  // The picker starts from the panel's list; OK writes its answer back.
  std::vector<UINT> handed;
  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver picker(&d);
    picker.Click(IDC_PLAN_SELECT_ALL_RIGHT);
    picker.Click(IDOK);
  });
  user.Click(IDC_ADVOPT_PLAN_SELECT);
  EXPECT_EQ((std::vector<UINT>{1, 2, 3}), PlanKeys(p));
  EXPECT_EQ(1, p->GetOptions().nTargetMode);

  // Cancel keeps the list.
  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver picker(&d);
    picker.Click(IDC_PLAN_SELECT_ALL_LEFT);
    picker.Click(IDCANCEL);
  });
  user.Click(IDC_ADVOPT_PLAN_SELECT);
  EXPECT_EQ((std::vector<UINT>{1, 2, 3}), PlanKeys(p));
}

TEST_F(AdvOptTest, WithoutAModelTheFloorListsAreEmpty) {
  doc.reset();
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_AREA, 300);
  CUserDriver user(p);
  EXPECT_TRUE(PlanKeys(p).empty());
  user.Check(IDC_ADVOPT_TARGET_ALL, 1);
  EXPECT_TRUE(PlanKeys(p).empty());
}

TEST_F(AdvOptTest, ReturnAndEscapeDoNotEndAPanel) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_PONT, 100);
  CUserDriver user(p);
  user.Key(IDC_ADVOPT_NAME, VK_RETURN);
  user.Key(IDC_ADVOPT_NAME, VK_ESCAPE);
  AfxPumpMessages();
  EXPECT_TRUE(p->GetSafeHwnd());
  EXPECT_TRUE(p->IsWindowVisible());
  EXPECT_TRUE(opt->IsVisible());
}

TEST_F(AdvOptTest, ColumnTakesABetaAngleOrAReferencePoint) {
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_COLUMN, 101);
  CUserDriver user(p);
  EXPECT_EQ("KZ1", Text(p, IDC_ADVOPT_NAME));
  EXPECT_TRUE(p->GetDlgItem(IDC_ADVOPT_BETA)->IsWindowVisible());
  EXPECT_FALSE(p->GetDlgItem(IDC_ADVOPT_REF)->IsWindowVisible());
  EXPECT_EQ("0", Text(p, IDC_ADVOPT_BETA));
  EXPECT_EQ("0, 0, 0", Text(p, IDC_ADVOPT_REF));
  // The reference point stands on the Beta line, inside the trimmed panel.
  CRect beta, ref, self;
  p->GetDlgItem(IDC_ADVOPT_BETA)->GetWindowRect(&beta);
  p->GetDlgItem(IDC_ADVOPT_REF)->GetWindowRect(&ref);
  p->GetWindowRect(&self);
  EXPECT_EQ(beta.top, ref.top);
  CRect group;
  p->GetDlgItem(IDC_ADVOPT_TOL_GROUP)->GetWindowRect(&group);
  EXPECT_EQ(group.bottom + 4, self.bottom);

  user.Type(IDC_ADVOPT_BETA, "30");
  user.Check(IDC_ADVOPT_DIR_REF, 1);
  EXPECT_FALSE(p->GetDlgItem(IDC_ADVOPT_BETA)->IsWindowVisible());
  EXPECT_TRUE(p->GetDlgItem(IDC_ADVOPT_REF)->IsWindowVisible());
  user.Type(IDC_ADVOPT_REF, "1.5, 2, -3");
  T_ADVOPT_DLG_COMMON_DATA common;
  PARAM_MPROP prop;
  prop.dBeta = -1;
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1, prop.nDirMode);
  EXPECT_EQ(0.0, prop.dBeta);  // the angle as last read: never read in this mode
  EXPECT_EQ(1.5, prop.dRefX);
  EXPECT_EQ(2.0, prop.dRefY);
  EXPECT_EQ(-3.0, prop.dRefZ);
  // A text that does not parse leaves the point as last read.
  user.Type(IDC_ADVOPT_REF, "here");
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1.5, prop.dRefX);
  user.Check(IDC_ADVOPT_DIR_BETA, 1);
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(0, prop.nDirMode);
  EXPECT_EQ(30.0, prop.dBeta);
  EXPECT_EQ(1.5, prop.dRefX);
  EXPECT_EQ(1, prop.nMerge);
  EXPECT_EQ(1, prop.nSplit);
}

TEST_F(AdvOptTest, BeamWallAndBraceOptions) {
  CAdvOptMembCreateDlg* beam = Shown(IDD_ADVOPT_MEMB_BEAM, 201);
  EXPECT_EQ(5, dynamic_cast<CComboBox*>(beam->GetDlgItem(IDC_ADVOPT_BEAM_BETA))->GetCount());
  CUserDriver(beam).Choose(IDC_ADVOPT_BEAM_BETA, "45");
  T_ADVOPT_DLG_COMMON_DATA common;
  PARAM_MPROP prop;
  prop.nTransfer = prop.nIEnd = -1;
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(45.0, prop.dBeta);
  EXPECT_EQ(-1, prop.nTransfer);
  CUserDriver(beam).Type(IDC_ADVOPT_BEAM_BETA, "abc");  // not a number: the angle stays
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(45.0, prop.dBeta);

  CAdvOptMembCreateDlg* wall = Shown(IDD_ADVOPT_MEMB_WALL, 300);
  CUserDriver(wall).Check(IDC_ADVOPT_TRANSFER, 1);
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1, prop.nTransfer);
  EXPECT_EQ("", Text(wall, IDC_ADVOPT_NAME));  // 300 is no kind of the wall panel

  CAdvOptMembCreateDlg* brace = Shown(IDD_ADVOPT_MEMB_BRACE, 206);
  EXPECT_EQ("BR1", Text(brace, IDC_ADVOPT_NAME));
  auto* iend = dynamic_cast<CComboBox*>(brace->GetDlgItem(IDC_ADVOPT_IEND));
  EXPECT_EQ(3, iend->GetCount());
  EXPECT_EQ(2, iend->GetCurSel());  // the snap point
  EXPECT_FALSE(Enabled(brace, IDC_ADVOPT_TENSION));
  EXPECT_FALSE(Enabled(brace, IDC_ADVOPT_GAP));
  EXPECT_FALSE(Checked(brace, IDC_ADVOPT_CROSS_COL));
  EXPECT_FALSE(Enabled(brace, IDC_ADVOPT_CROSS_PT));
  CUserDriver(brace).ChooseIndex(IDC_ADVOPT_IEND, 1);
  prop.nTension = -1;
  prop.dGap = -1;
  ASSERT_EQ(1, opt->GetOptDlgData(&common, &prop));
  EXPECT_EQ(1, prop.nIEnd);
  EXPECT_EQ(0, prop.nTension);
  EXPECT_EQ(0.0, prop.dGap);
  EXPECT_EQ(0, prop.nSplitCol);
}

TEST_F(AdvOptTest, TheSectionsMaterialFollowsItsKey) {
  auto* sect = static_cast<CClassSect*>(doc->GetModelDB()->GetClass(CClassSect::m_nClassID));
  T_SECT_D rec;
  rec.iType = 1;
  rec.iMatlType = 2;
  rec.strName = "H";
  const UINT key = sect->GetNewKey();
  ASSERT_TRUE(sect->TR_Add(rec));
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_BEAM, 201, key);
  const char* steel = CMsgDll::pfuncLoadStr("IDS_TM_MEMB_MATL_Steel", 0);
  EXPECT_EQ(std::string(steel ? steel : ""), Text(p, IDC_ADVOPT_MATL));
  SendType(201, 0);
  EXPECT_EQ("", Text(p, IDC_ADVOPT_MATL));
  SendType(201, 999);  // no such section
  EXPECT_EQ("", Text(p, IDC_ADVOPT_MATL));
}

// The "..." buttons of the tolerance groups open the database library's dialogs, which
// store what they take in the document's tolerances.
TEST_F(AdvOptTest, TheToleranceButtonsOpenTheMergeAndCrossingDialogs) {
  CFlagCtrl* flags = doc->GetFlagCtrl();
  struct Case {
    UINT idd;
    int type;
    int button;
    UINT dialog;
  };
  const Case cases[] = {
      {IDD_ADVOPT_MEMB_PONT, 100, IDC_ADVOPT_MERGE_TOL, CToleranceDlg::IDD},
      {IDD_ADVOPT_MEMB_PONT, 101, IDC_ADVOPT_SPLIT_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_COLUMN, 101, IDC_ADVOPT_MERGE_TOL, CToleranceDlg::IDD},
      {IDD_ADVOPT_MEMB_COLUMN, 101, IDC_ADVOPT_SPLIT_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_SLAB, 301, IDC_ADVOPT_SPLIT_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_AREA, 300, IDC_ADVOPT_SPLIT_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_LINE, 200, IDC_ADVOPT_CROSS_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_BEAM, 201, IDC_ADVOPT_CROSS_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_WALL, 202, IDC_ADVOPT_CROSS_INTS, CIntsDlg::IDD},
      {IDD_ADVOPT_MEMB_BRACE, 206, IDC_ADVOPT_CROSS_INTS, CIntsDlg::IDD},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.idd);
    SCOPED_TRACE(k.button);
    CAdvOptMembCreateDlg* p = Shown(k.idd, k.type);
    CUserDriver user(p);
    if (k.button == IDC_ADVOPT_MERGE_TOL) user.Check(IDC_ADVOPT_MERGE, 1);
    if (k.button == IDC_ADVOPT_SPLIT_INTS) user.Check(IDC_ADVOPT_SPLIT, 1);
    ASSERT_TRUE(Enabled(p, k.button));
    UINT opened = 0;
    AfxQueueDialogScript([&](CDialog& d) {
      opened = (UINT)d.GetTemplateID();
      CUserDriver dlg(&d);
      dlg.Click(IDCANCEL);
    });
    user.Click(k.button);
    EXPECT_EQ(k.dialog, opened);
  }
  // What they take, in the current unit (m without other settings), is stored on OK only.
  const double merge = flags->GetMergeToleranceCurrentUnit(), cross = flags->GetCrossToleranceCurrentUnit();
  CAdvOptMembCreateDlg* p = Shown(IDD_ADVOPT_MEMB_PONT, 100);
  CUserDriver user(p);
  user.Check(IDC_ADVOPT_MERGE, 1);
  user.Check(IDC_ADVOPT_SPLIT, 1);
  std::string shown;
  AfxQueueDialogScript([&](CDialog& d) {
    CString s;
    d.GetDlgItem(CToleranceDlg::IDC_TOLERANCE_EDIT)->GetWindowText(s);
    shown = s.c_str();
    CUserDriver dlg(&d);
    for (const char* bad : {"x", "0", "-1"}) {
      dlg.Type(CToleranceDlg::IDC_TOLERANCE_EDIT, bad);
      dlg.Click(IDOK);
      EXPECT_TRUE(d.IsModalRunning()) << bad;
    }
    dlg.Type(CToleranceDlg::IDC_TOLERANCE_EDIT, "0.005");
    dlg.Click(IDOK);
  });
  user.Click(IDC_ADVOPT_MERGE_TOL);
  EXPECT_EQ("0.001", shown);
  EXPECT_DOUBLE_EQ(0.005, flags->GetMergeToleranceCurrentUnit());
  EXPECT_NE(merge, flags->GetMergeToleranceCurrentUnit());

  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver dlg(&d);
    EXPECT_EQ(BST_CHECKED, d.IsDlgButtonChecked(CIntsDlg::IDC_INTS_SPLIT_CROSSED));
    dlg.Type(CIntsDlg::IDC_INTS_TOLERANCE, "0.02");
    dlg.Check(CIntsDlg::IDC_INTS_SPLIT_CROSSED, 0);
    dlg.Click(IDCANCEL);
  });
  user.Click(IDC_ADVOPT_SPLIT_INTS);
  EXPECT_EQ(cross, flags->GetCrossToleranceCurrentUnit());
  EXPECT_EQ(1, flags->GetSplitCrossedMembs());
  AfxQueueDialogScript([&](CDialog& d) {
    CUserDriver dlg(&d);
    dlg.Type(CIntsDlg::IDC_INTS_TOLERANCE, "abc");
    dlg.Click(IDOK);
    EXPECT_TRUE(d.IsModalRunning());
    dlg.Type(CIntsDlg::IDC_INTS_TOLERANCE, "0.02");
    dlg.Check(CIntsDlg::IDC_INTS_SPLIT_CROSSED, 0);
    dlg.Click(IDOK);
  });
  user.Click(IDC_ADVOPT_SPLIT_INTS);
  EXPECT_DOUBLE_EQ(0.02, flags->GetCrossToleranceCurrentUnit());
  EXPECT_EQ(0, flags->GetSplitCrossedMembs());
}

// Without a model the dialogs still open, with nothing to show or store.
TEST_F(AdvOptTest, WithoutAModelTheToleranceDialogsStoreNothing) {
  doc.reset();
  bool disabled = false;
  int result = 0;
  AfxQueueDialogScript([&](CDialog& d) {
    disabled = !d.GetDlgItem(CIntsDlg::IDC_INTS_TOLERANCE)->IsWindowEnabled() &&
               !d.GetDlgItem(CIntsDlg::IDC_INTS_SPLIT_CROSSED)->IsWindowEnabled();
    CUserDriver(&d).Click(IDOK);
  });
  CIntsDlg ints;
  result = (int)ints.DoModal();
  EXPECT_TRUE(disabled);
  EXPECT_EQ(IDOK, result);
  AfxQueueDialogScript([&](CDialog& d) { CUserDriver(&d).Click(IDOK); });
  CToleranceDlg tol;
  EXPECT_EQ(IDOK, (int)tol.DoModal());
}

}  // namespace
