// The member-creation tool window: what a new tool shows, the layout of each member type,
// the methods remembered and cycled, braces, the perspective rules, the snap switches, the
// cantilever and stair options, the tolerance square and the tool's end.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxSystem.h"
#include "afx/CUserDriver.h"
#include "afx/CWinApp.h"
#include "creation/CCreateMembDlg2.h"
#include "db/CClassMemb.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CStringParser.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

namespace {

class CreateMembTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    view->SetPlanView();
    frame().SetCheckToolbarButton(I_MainFrameBase::ID_GRID_ENABLE, TRUE);
  }
  void TearDown() override {
    if (CCreateMembDlg2* t = CCreateMembDlg2::GetMySelf())
      if (t->m_hWnd) t->DestroyWindow();
    view.reset();
    doc.reset();
    app.reset();
  }

  I_MainFrameBase& frame() { return app->GetHostMainWnd(); }
  BOOL Checked(UINT id) { return frame().IsToolbarButtonChecked(id); }

  CCreateMembDlg2& Open() {
    auto* tool = new CCreateMembDlg2(nullptr);
    EXPECT_TRUE(tool->Create(IDD_CMD_CREATE_MEMB, IDD_CMD_CREATE_MEMB));
    tool->ShowWindow(SW_SHOW);
    user.SetDialog(tool);
    return *tool;
  }
  BOOL Visible(UINT id) { return CCreateMembDlg2::GetMySelf()->GetDlgItem((int)id)->IsWindowVisible(); }
  BOOL Enabled(UINT id) { return CCreateMembDlg2::GetMySelf()->GetDlgItem((int)id)->IsWindowEnabled(); }
  CString Text(UINT id) {
    CString s;
    CCreateMembDlg2::GetMySelf()->GetDlgItemText((int)id, s);
    return s;
  }
  // The snap switches 33054, 33147, 33146, 33785, 33787 as a word of 0s and 1s.
  std::string Snaps() {
    std::string s;
    for (UINT id : {33054u, 33147u, 33146u, 33785u, 33787u}) s += Checked(id) ? '1' : '0';
    return s;
  }
  // The commands posted to the main window since the last call.
  std::vector<UINT> Posted() {
    std::vector<UINT> r;
    for (const CHostCommand& c : app->GetHostMainWnd().GetCommands())
      if (c.m_bPosted) r.push_back(c.m_nID);
    app->GetHostMainWnd().ClearCommands();
    return r;
  }
  void ChooseBrace(int type) { ASSERT_TRUE(user.ChooseIndex(IDC_CM_BRACE_TYPE, type)); }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  CUserDriver user;
};

TEST_F(CreateMembTest, ANewToolIsAColumnPickWithItsSectionAndBeta) {
  CCreateMembDlg2& t = Open();
  EXPECT_TRUE(CCreateMembDlg2::IsAlive());
  EXPECT_EQ(CCreateMembDlg2::GetMySelf(), &t);
  EXPECT_EQ(t.GetMembType(), 101);
  EXPECT_EQ(t.GetCurMethod(), 1);
  EXPECT_EQ(I_ModelBase::m_nCreateMembMode, 1);
  EXPECT_TRUE(t.IsCurrent()) << "the view's handler";
  for (UINT id : {IDC_CM_SECT, IDC_CM_BETA, IDC_CM_METHOD_1PICK}) EXPECT_TRUE(Visible(id)) << id;
  for (UINT id : {IDC_CM_THIK, IDC_CM_COORD, IDC_CM_RELEASE, IDC_CM_SLAB_AUTO, IDC_CM_BRACE_TYPE, IDC_CM_E1,
                  IDC_CM_BEAM_COUNT, IDC_CM_SB_METHOD_1PICK, IDC_CM_CURVE_BOX, IDC_CM_CANTI, IDC_CM_SLAB_KIND_SLAB,
                  IDC_CM_STAIR_SLOPE})
    EXPECT_FALSE(Visible(id)) << id;
  EXPECT_EQ(Text(IDC_CM_BETA), "90");
  EXPECT_DOUBLE_EQ(t.GetBetaAngle(), 90.0);
  EXPECT_TRUE(t.IsBetaAngleAuto());
  EXPECT_EQ(t.GetSectKey(), 1u) << "the first section";
  EXPECT_EQ(t.GetThikKey(), 1u);
  EXPECT_FALSE(Enabled(IDC_CM_METHOD_CURV));
  EXPECT_EQ(Snaps(), "11010") << "grid, point and tracing centre on; member and tracing other off";
  EXPECT_EQ(Posted(), (std::vector<UINT>{33041}));
  EXPECT_EQ(t.GetCurTypeOfWork(), CString("Create Member : ") + CClassMemb::GetMembTypeName(101));
}

TEST_F(CreateMembTest, StartingValuesAreShownInTheCurrentLengthUnit) {
  struct Case {
    const char* length;
    const char* e;
    const char* width;
    const char* height;
  };
  for (const Case& c : {Case{"m", "0.5", "0.27", "0.15"}, Case{"mm", "500", "270", "150"}, Case{"cm", "50", "27", "15"}}) {
    doc->GetUnitCtrl()->SetUnitSystem("kN", c.length);
    Open();
    EXPECT_EQ(Text(IDC_CM_E1), c.e) << c.length;
    EXPECT_EQ(Text(IDC_CM_E2), c.e) << c.length;
    EXPECT_EQ(Text(IDC_CM_STAIR_WIDTH), c.width) << c.length;
    EXPECT_EQ(Text(IDC_CM_STAIR_HEIGHT), c.height) << c.length;
    CCreateMembDlg2::GetMySelf()->DestroyWindow();
  }
}

TEST_F(CreateMembTest, EachTypeShowsItsGroupsStackedBelowTheMemberType) {
  struct Case {
    int type;
    int method;  // 0: the type's own
    std::vector<UINT> shown;
    std::vector<UINT> hidden;
    std::vector<UINT> disabled;
  };
  const std::vector<Case> cases = {
      {100, 0, {IDC_CM_COORD}, {IDC_CM_SECT, IDC_CM_BETA}, {IDC_CM_METHOD_2PONT, IDC_CM_METHOD_CURV}},
      {201, 0, {IDC_CM_SECT, IDC_CM_RELEASE}, {IDC_CM_CURVE_BOX, IDC_CM_BETA}, {}},
      {201, 7, {IDC_CM_SECT, IDC_CM_RELEASE, IDC_CM_CURVE_BOX}, {IDC_CM_SB_METHOD_1PICK}, {}},
      {205, 0, {IDC_CM_SECT, IDC_CM_RELEASE, IDC_CM_BEAM_COUNT, IDC_CM_SB_METHOD_2MEMB},
       {IDC_CM_METHOD_1PICK, IDC_CM_CURVE_BOX}, {IDC_CM_BEAM_COUNT}},
      {202, 0, {IDC_CM_THIK}, {IDC_CM_SECT, IDC_CM_CURVE_BOX}, {}},
      {200, 7, {IDC_CM_CURVE_BOX}, {IDC_CM_SECT, IDC_CM_THIK}, {IDC_CM_CURVE_LINE}},
      {206, 0, {IDC_CM_SECT, IDC_CM_BRACE_TYPE, IDC_CM_STORY_OVER}, {IDC_CM_E1, IDC_CM_BETA},
       {IDC_CM_METHOD_1PICK, IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2, IDC_CM_METHOD_CURV}},
      {301, 0, {IDC_CM_THIK, IDC_CM_SLAB_AUTO, IDC_CM_SLAB_KIND_ROOF}, {IDC_CM_CANTI, IDC_CM_CURVE_BOX},
       {IDC_CM_METHOD_AXIS}},
      {301, 5, {IDC_CM_CANTI}, {IDC_CM_CANTI_LEN}, {IDC_CM_METHOD_AXIS}},
      {301, 8, {IDC_CM_CURVE_BOX, IDC_CM_CURVE_LINE}, {IDC_CM_CANTI}, {}},
      {306, 0, {IDC_CM_STAIR_SLOPE, IDC_CM_STAIR_THIK, IDC_CM_CURVE_BOX}, {IDC_CM_THIK},
       {IDC_CM_METHOD_1PICK, IDC_CM_METHOD_2PONT, IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2,
        IDC_CM_CURVE_ARC_CENTER, IDC_CM_CURVE_ARC_3P}},
  };
  CCreateMembDlg2& t = Open();
  for (const Case& c : cases) {
    t.ChangeMembType(c.type);
    if (c.method) {
      t.SetCurMethod(c.method);
      t.OnUpdateViewMode(0, 0);
    }
    for (UINT id : c.shown) EXPECT_TRUE(Visible(id)) << c.type << "/" << c.method << " shows " << id;
    for (UINT id : c.hidden) EXPECT_FALSE(Visible(id)) << c.type << "/" << c.method << " hides " << id;
    for (UINT id : c.disabled) EXPECT_FALSE(Enabled(id)) << c.type << "/" << c.method << " disables " << id;

    // The shown groups follow each other downwards without overlapping, and the window
    // ends 10 pixels below the lowest.
    CRect prev, r, wnd;
    t.GetDlgItem(IDC_CM_MEMB_TYPE)->GetWindowRect(&prev);
    int lowest = prev.bottom;
    for (int g = 0; g < CCreateMembDlg2::G_COUNT; ++g) {
      const T_DLG_CTRLS_GROUP& grp = t.GetGroup((CCreateMembDlg2::Group)g);
      if (!t.GetDlgItem((int)grp.m_ids[0])->IsWindowVisible()) continue;
      r = grp.GetScreenArea();
      EXPECT_GE(r.top, prev.bottom + CCreateMembDlg2::kLayoutGap) << c.type << " group " << g;
      if (g != CCreateMembDlg2::G_CANTI || t.GetDlgItem(IDC_CM_CANTI_LEN)->IsWindowVisible())
        lowest = std::max(lowest, (int)r.bottom);
    }
    t.GetWindowRect(&wnd);
    if (!Visible(IDC_CM_CANTI)) {
      EXPECT_EQ(wnd.bottom, lowest + 10) << c.type << "/" << c.method;
    }
  }
}

TEST_F(CreateMembTest, SecondaryBeamCountIsEditableOnlyBetweenTwoMembers) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(205);
  EXPECT_FALSE(Enabled(IDC_CM_BEAM_COUNT));
  ASSERT_TRUE(user.Click(IDC_CM_SB_METHOD_2MEMB));
  EXPECT_EQ(t.GetCurMethod(), 3);
  EXPECT_TRUE(Enabled(IDC_CM_BEAM_COUNT));
  EXPECT_EQ(Snaps(), "00100");
}

TEST_F(CreateMembTest, AMethodIsFoundAgainPerType) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(201);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_2PONT));
  t.ChangeMembType(101);
  EXPECT_EQ(t.GetCurMethod(), 1);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_WND1));
  t.ChangeMembType(201);
  EXPECT_EQ(t.GetCurMethod(), 2);
  EXPECT_EQ(user.FindControl(IDC_CM_METHOD_2PONT)->SendMessage(BM_GETCHECK), BST_CHECKED);
  t.ChangeMembType(101);
  EXPECT_EQ(t.GetCurMethod(), 5);
  t.ChangeMembType(306);
  EXPECT_EQ(t.GetCurMethod(), 8);
  t.ChangeMembType(302);  // not offered: a slot of its own all the same
  EXPECT_EQ(t.GetMembType(), 0) << "the combo offers no 302";
}

TEST_F(CreateMembTest, TabWalksTheEnabledMethods) {
  struct Case {
    int type;
    int from;
    UINT disable;  // a button disabled before Tab, 0 none
    int to;
  };
  const Case cases[] = {
      {101, 1, 0, 2},  {101, 2, 0, 4},  {101, 6, 0, 1},           {201, 6, 0, 7},
      {301, 6, 0, 8},  {306, 8, 0, 8},  {205, 5, 0, 7},           {205, 5, IDC_CM_SB_METHOD_CURV, 1},
      {205, 2, 0, 3},  {206, 2, 0, 2},  {100, 1, 0, 4},           {201, 2, IDC_CM_METHOD_AXIS, 5},
  };
  CCreateMembDlg2& t = Open();
  for (const Case& c : cases) {
    t.ChangeMembType(c.type);
    t.SetCurMethod(c.from);
    t.OnUpdateViewMode(0, 0);
    if (c.disable) t.GetDlgItem((int)c.disable)->EnableWindow(FALSE);
    t.ChangeToNextMethod();
    EXPECT_EQ(t.GetCurMethod(), c.to) << c.type << " from " << c.from;
  }
  // Tab in the window and in the view do the same.
  t.ChangeMembType(101);
  t.SetCurMethod(1);
  ASSERT_TRUE(user.Key(IDC_CM_BETA, VK_TAB));
  EXPECT_EQ(t.GetCurMethod(), 2);
  app->GetViewEvents().KeyDown(VK_TAB);
  EXPECT_EQ(t.GetCurMethod(), 4);
}

TEST_F(CreateMembTest, ABraceAlwaysTakesTwoPoints) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(206);
  EXPECT_EQ(t.GetCurMethod(), 2);
  EXPECT_FALSE(Enabled(IDC_CM_METHOD_1PICK)) << "a free brace";
  EXPECT_EQ(Snaps(), "11110") << "a free brace by two points snaps to members too";
  ChooseBrace(1);
  EXPECT_TRUE(Enabled(IDC_CM_METHOD_1PICK));
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_1PICK));
  EXPECT_EQ(t.GetCurMethod(), 1);
  t.ChangeToNextMethod();
  EXPECT_EQ(t.GetCurMethod(), 2);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_1PICK));
  ChooseBrace(6);
  EXPECT_EQ(t.GetCurMethod(), 2) << "a brace type change";
  EXPECT_TRUE(Visible(IDC_CM_E1));
  EXPECT_TRUE(Visible(IDC_CM_E2));
  EXPECT_EQ(Snaps(), "11010");
}

TEST_F(CreateMembTest, APerspectiveViewKeepsOnlyPicksOfPointsAndColumns) {
  view->Set3DView();
  CCreateMembDlg2& t = Open();
  EXPECT_FALSE(Checked(I_MainFrameBase::ID_PERSPECTIVE)) << "the tool opens without perspective";
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  ASSERT_TRUE(t.IsPerspectiveViewMode());
  for (int type : {100, 101, 201, 205, 202, 301}) {
    t.ChangeMembType(type);
    frame().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
    t.OnUpdateViewMode(0, 0);
    const BOOL pick = type == 100 || type == 101;
    const UINT one = type == 205 ? IDC_CM_SB_METHOD_1PICK : IDC_CM_METHOD_1PICK;
    EXPECT_EQ(Enabled(one), pick) << type;
    for (UINT id : type == 205 ? std::vector<UINT>{IDC_CM_SB_METHOD_AXIS, IDC_CM_SB_METHOD_WND1}
                               : std::vector<UINT>{IDC_CM_METHOD_AXIS, IDC_CM_METHOD_WND1, IDC_CM_METHOD_WND2})
      EXPECT_FALSE(Enabled(id)) << type << " " << id;
  }
  // Shift+Tab in the view: the next type, and the perspective switched off.
  t.ChangeMembType(101);
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  AfxSetKeyHeld(VK_SHIFT, TRUE);
  app->GetViewEvents().KeyDown(VK_TAB);
  AfxSetKeyHeld(VK_SHIFT, FALSE);
  EXPECT_EQ(t.GetMembType(), 201);
  EXPECT_FALSE(Checked(I_MainFrameBase::ID_PERSPECTIVE));
  // Presses: in perspective only while some snap switch is on.
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  for (UINT id : {33054u, 33147u, 33146u, 33785u, 33787u}) frame().SetCheckToolbarButton(id, FALSE);
  EXPECT_FALSE(t.CanGetMousePos());
  frame().SetCheckToolbarButton(34236, TRUE);
  EXPECT_TRUE(t.CanGetMousePos());
}

TEST_F(CreateMembTest, SnapSwitchesFollowTheMethod) {
  CCreateMembDlg2& t = Open();
  Posted();
  for (int m : {4, 5, 6}) {
    frame().SetCheckToolbarButton(33146, TRUE);
    t.UpdateSnapMode(m);
    EXPECT_EQ(Snaps(), "00000") << m;
    EXPECT_EQ(Posted(), (std::vector<UINT>{33057})) << m;
  }
  // The point grid only moves while its master switch is on.
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_GRID_ENABLE, FALSE);
  t.UpdateSnapMode(1);
  EXPECT_EQ(Snaps(), "01010");
  frame().SetCheckToolbarButton(33054, TRUE);
  t.UpdateSnapMode(4);
  EXPECT_TRUE(Checked(33054));
  // A slab's cantilever pick snaps to members only; unchecking the box switches off.
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_GRID_ENABLE, TRUE);
  t.ChangeMembType(301);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_1PICK));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  EXPECT_EQ(Snaps(), "00100");
  EXPECT_TRUE(Visible(IDC_CM_CANTI_LEN));
  Posted();
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  EXPECT_EQ(Snaps(), "00000");
  EXPECT_EQ(Posted(), (std::vector<UINT>{33057}));
  EXPECT_FALSE(Visible(IDC_CM_CANTI_LEN));
  // A curve by picked members snaps to members; an arc to the grid again.
  t.ChangeMembType(201);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_CURV));
  ASSERT_TRUE(user.Click(IDC_CM_CURVE_MEMB));
  EXPECT_EQ(Snaps(), "00100");
  ASSERT_TRUE(user.Click(IDC_CM_CURVE_ARC_3P));
  EXPECT_EQ(Snaps(), "11010");
}

TEST_F(CreateMembTest, CantileverCentreHasNoOffset) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(301);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_1PICK));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  EXPECT_FALSE(Enabled(IDC_CM_CANTI_OFFSET));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI_LOC_J));
  EXPECT_TRUE(Enabled(IDC_CM_CANTI_OFFSET));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_OFFSET, "0.3"));
  ASSERT_TRUE(user.Click(IDC_CM_CANTI_LOC_CENTER));
  EXPECT_FALSE(Enabled(IDC_CM_CANTI_OFFSET));
  EXPECT_EQ(Text(IDC_CM_CANTI_OFFSET), "0");
}

TEST_F(CreateMembTest, StairEquivalentThicknessFollowsTheSteps) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(306);
  auto eq = [&] {
    double v = 0;
    EXPECT_TRUE(CStringParser::GetFloatNumber(Text(IDC_CM_STAIR_EQ), v));
    return v;
  };
  EXPECT_NEAR(eq(), CClassStik::GetConvertThickness(0.27, 0.15, 0.12), 1e-9);
  EXPECT_TRUE(user.FindControl(IDC_CM_STAIR_EQ)->GetStyle() & ES_READONLY);
  ASSERT_TRUE(user.Type(IDC_CM_STAIR_WIDTH, "0.3"));
  EXPECT_NEAR(eq(), CClassStik::GetConvertThickness(0.3, 0.15, 0.12), 1e-9);
  ASSERT_TRUE(user.ChooseIndex(IDC_CM_STAIR_THIK, 1));
  EXPECT_NEAR(eq(), CClassStik::GetConvertThickness(0.3, 0.15, 0.2), 1e-9);
  ASSERT_TRUE(user.Type(IDC_CM_STAIR_HEIGHT, "0"));
  ASSERT_TRUE(user.Type(IDC_CM_STAIR_WIDTH, "0"));
  EXPECT_DOUBLE_EQ(eq(), 0.2);
  ASSERT_TRUE(user.ChooseIndex(IDC_CM_STAIR_THIK, 0));
  EXPECT_DOUBLE_EQ(eq(), 0.2) << "w + h = 0 keeps it";
  // Typed by the user: the steps are off, the thickness is the plate's.
  ASSERT_TRUE(user.Click(IDC_CM_STAIR_EQ_USER));
  EXPECT_FALSE(Enabled(IDC_CM_STAIR_WIDTH));
  EXPECT_FALSE(user.FindControl(IDC_CM_STAIR_EQ)->GetStyle() & ES_READONLY);
  ASSERT_TRUE(user.ChooseIndex(IDC_CM_STAIR_THIK, 0));
  EXPECT_DOUBLE_EQ(eq(), 0.12);
  // The landing: no steps at all.
  ASSERT_TRUE(user.Click(IDC_CM_STAIR_LANDING));
  for (UINT id : {IDC_CM_STAIR_WIDTH, IDC_CM_STAIR_HEIGHT, IDC_CM_STAIR_EQ, IDC_CM_STAIR_EQ_USER})
    EXPECT_FALSE(Enabled(id)) << id;
  EXPECT_TRUE(Enabled(IDC_CM_CURVE_ARC_3P));
  EXPECT_TRUE(Enabled(IDC_CM_METHOD_1PICK));
}

TEST_F(CreateMembTest, BadInputCountsAsNothing) {
  CCreateMembDlg2& t = Open();
  for (const char* text : {"abc", "", "1e999x"}) {
    ASSERT_TRUE(user.Type(IDC_CM_BETA, text));
    EXPECT_EQ(t.GetBetaAngle(), 0.0) << text;
  }
  ASSERT_TRUE(user.Type(IDC_CM_BETA, "37.5"));
  EXPECT_EQ(t.GetBetaAngle(), 37.5);
  // Checked but hidden: unchecked for the requests.
  t.CheckDlgButton(IDC_CM_TENSION_ONLY, BST_CHECKED);
  EXPECT_FALSE(t.GetTensionOnly());
  t.ChangeMembType(206);
  EXPECT_TRUE(t.GetTensionOnly());
  ASSERT_TRUE(user.Click(IDC_CM_BENDING));
  EXPECT_FALSE(t.GetTensionOnly()) << "tension only and bending exclude each other";
  EXPECT_TRUE(t.GetConsiderBending());
  t.ChangeMembType(101);
  EXPECT_EQ(t.GetBetaAngle(), 90.0);
  t.ChangeMembType(201);
  EXPECT_EQ(t.GetBetaAngle(), 0.0) << "the beta group is hidden";
  // Without a brace type the layout and the snaps stay as they are.
  CComboBox* brace = static_cast<CComboBox*>(t.GetDlgItem(IDC_CM_BRACE_TYPE));
  brace->SetCurSel(-1);
  const std::string snaps = Snaps();
  CRect before, after;
  t.GetWindowRect(&before);
  t.ChangeMembType(301);
  t.GetWindowRect(&after);
  EXPECT_EQ(before, after);
  EXPECT_EQ(Snaps(), snaps);
  EXPECT_TRUE(Visible(IDC_CM_SECT)) << "still the beam's layout";
}

TEST_F(CreateMembTest, TheToleranceSquare) {
  CCreateMembDlg2& t = Open();
  doc->GetFlagCtrl()->SetGeneralCoordinateTolerance(1.0);
  CPoint2DArray poly;
  ASSERT_TRUE(t.GetPointRegion2D(poly, 10, 20));
  ASSERT_EQ(poly.GetSize(), 4);
  const double want[4][2] = {{9, 19}, {11, 19}, {11, 21}, {9, 21}};
  for (int i = 0; i < 4; ++i) {
    EXPECT_EQ(poly[i].x, want[i][0]) << i;
    EXPECT_EQ(poly[i].y, want[i][1]) << i;
  }
}

TEST_F(CreateMembTest, TracingLinesEndingInAPlanViewSendNothing) {
  CCreateMembDlg2& t = Open();
  Posted();
  app->GetViewEvents().NotifyGeneral(1, 0, 0);
  AfxPumpMessages();
  EXPECT_TRUE(app->GetHostMainWnd().GetCommands().empty());
  view->Set3DView();
  frame().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  app->GetViewEvents().NotifyGeneral(1, 0, 0);
  EXPECT_TRUE(app->GetHostMainWnd().GetCommands().empty()) << "posted: it runs after the view's event";
  AfxPumpMessages();
  ASSERT_EQ(app->GetHostMainWnd().GetCommands().size(), 1u);
  EXPECT_EQ(app->GetHostMainWnd().GetCommands()[0].m_nID, 33041u);
  EXPECT_FALSE(app->GetHostMainWnd().GetCommands()[0].m_bPosted);
  (void)t;
}

TEST_F(CreateMembTest, PropertyCommandAndCursorOfEachType) {
  struct Case {
    int type;
    UINT command;
    int cursor;
  };
  const Case cases[] = {{100, 32966, 14193}, {101, 34542, 14195}, {201, 34543, 14194}, {205, 34544, 14197},
                        {202, 34545, 14198}, {200, 34548, 14196}, {301, 34546, 14199}, {306, 34546, 14199},
                        {206, 34547, 14200}};
  CCreateMembDlg2& t = Open();
  for (const Case& c : cases) {
    t.ChangeMembType(c.type);
    Posted();
    ASSERT_TRUE(user.Click(IDC_CM_MEMB_PROP));
    EXPECT_EQ(Posted(), (std::vector<UINT>{c.command})) << c.type;
    if (c.type == 202) t.SetCurMethod(1);
    EXPECT_TRUE(t.ChangeMouseCursor()) << c.type;
    EXPECT_EQ(AfxResIdFromHandle(::GetCursor()), c.cursor) << c.type;
    EXPECT_EQ(AfxResIdFromHandle(AfxGetClassCursor("#32770")), c.cursor) << c.type;
  }
  // A wall placed by a window keeps the cursor it has.
  t.ChangeMembType(202);
  ASSERT_TRUE(user.Click(IDC_CM_METHOD_WND1));
  ::SetCursor(nullptr);
  EXPECT_TRUE(t.ChangeMouseCursor());
  EXPECT_EQ(::GetCursor(), nullptr);
  EXPECT_EQ(AfxResIdFromHandle(t.SendDlgItemMessage(IDC_CM_MEMB_PROP, BM_GETIMAGE, IMAGE_ICON)), IDI_CREATE_MEMB_PROP);
}

TEST_F(CreateMembTest, ReturnKeepsTheToolOpenAndTheEndClearsItsStatics) {
  CCreateMembDlg2& t = Open();
  t.ChangeMembType(100);
  ASSERT_TRUE(user.Key(IDC_CM_COORD, VK_RETURN));
  AfxPumpMessages();
  EXPECT_TRUE(CCreateMembDlg2::IsAlive()) << "Return closes nothing";
  EXPECT_TRUE(::IsWindow(t.m_hWnd));
  // Another window takes the activation; coming back makes the tool the handler again.
  CWnd other;
  other.CreateEx(0, "Other", "", WS_POPUP | WS_VISIBLE, CRect(0, 0, 10, 10), nullptr, 0);
  other.SetActiveWindow();
  t.End();
  t.SetActiveWindow();
  EXPECT_TRUE(t.IsCurrent());
  other.DestroyWindow();
  // Closing by the system menu.
  t.SendMessage(WM_SYSCOMMAND, SC_CLOSE);
  EXPECT_FALSE(CCreateMembDlg2::IsAlive());
  EXPECT_EQ(CCreateMembDlg2::GetMySelf(), nullptr);
  EXPECT_EQ(I_ModelBase::m_nCreateMembMode, 0);
  EXPECT_EQ(app->GetViewEvents().GetCurEventHandlerItem(), nullptr);
}

}  // namespace
