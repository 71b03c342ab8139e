// The creation tool as the view's handler: presses collected into points and members,
// ortho, the rubber band, and the one modeller request each complete input sends with
// the record built from the tool's options.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>
#include "afx/AfxMessageBox.h"
#include "afx/AfxMessageQueue.h"
#include "afx/AfxSystem.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "afx/CWaitCursor.h"
#include "creation/CEditEnter.h"
#include "creation/CCreateMembDlg2.h"
#include "db/CClassMemb.h"
#include "db/CClassStor.h"
#include "db/CClassTrln.h"
#include "db/CDBDoc.h"
#include "db/CModeler2.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

namespace {

class CreateMembInputTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    doc->NewSampleModel();
    view = std::make_unique<I_ModelBase>(doc.get());
    I_ModelBase::SetCurMySelfST(view.get());
    view->SetPlanView();
    app->GetHostMainWnd().SetCheckToolbarButton(I_MainFrameBase::ID_GRID_ENABLE, TRUE);
    auto* t = new CCreateMembDlg2(nullptr);
    EXPECT_TRUE(t->Create(IDD_CMD_CREATE_MEMB, IDD_CMD_CREATE_MEMB));
    t->ShowWindow(SW_SHOW);
    user.SetDialog(t);
    tool = t;
    CModeler2::Instance()->ClearRequests();
    AfxClearMessageLog();
  }
  void TearDown() override {
    if (CCreateMembDlg2* t = CCreateMembDlg2::GetMySelf())
      if (t->m_hWnd) t->DestroyWindow();
    view.reset();
    doc.reset();
    app.reset();
  }

  CViewEventController& events() { return app->GetViewEvents(); }
  void Type(int type, int method) {
    tool->ChangeMembType(type);
    tool->SetCurMethod(method);
    tool->OnUpdateViewMode(0, 0);
  }
  // Moves the pointer to a position of the view and presses there.
  void Press(double x, double y, double z = 0.0) {
    events().MovePointer(x, y, z);
    events().Move();
    events().LButtonDown();
  }
  void MoveTo(double x, double y, double z = 0.0) {
    events().MovePointer(x, y, z);
    events().Move();
  }
  // The global position the view gives for a view position.
  std::string Global(double x, double y, double z = 0.0) {
    events().MovePointer(x, y, z);
    double ux, uy, uz, gx, gy, gz;
    events().GetPointer(ux, uy, uz, gx, gy, gz);
    char b[120];
    std::snprintf(b, sizeof b, "%.15g,%.15g,%.15g", gx, gy, gz);
    return b;
  }
  int Count() { return CModeler2::Instance()->GetRequestCount(); }
  int MembCount() {
    CUIntArray keys;
    static_cast<CClassMemb*>(doc->GetModelDB()->GetClass(CClassMemb::m_nClassID))->GetKeyList(keys);
    return (int)keys.GetSize();
  }
  const T_MODELER2_REQUEST& Last() {
    static const T_MODELER2_REQUEST none;
    const int n = Count();
    return n ? *CModeler2::Instance()->GetRequest(n - 1) : none;
  }
  std::string Arg(const char* name) {
    std::string s;
    return Last().Find(name, s) ? s : std::string("<none>");
  }
  // The two first beams of the view's story and their centres (view coordinates).
  struct Beam {
    UINT key;
    double x, y;
  };
  // Draws two beams 6 m long, 6 m apart, with the tool; the request log emptied again.
  void DrawBeams() {
    Type(201, 2);
    Press(0, 0);
    Press(6, 0);
    Press(0, 6);
    Press(6, 6);
    ASSERT_EQ(Beams().size(), 2u);
    CModeler2::Instance()->ClearRequests();
  }
  std::vector<Beam> Beams() {
    auto* db = doc->GetModelDB();
    auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    CUIntArray keys;
    memb->GetKeyListOfStory(stor->GetCurStor(), keys);
    std::vector<Beam> r;
    for (UINT k : keys) {
      int type = 0;
      T_POINT3D c;
      if (memb->GetMembType(k, type) && type == 201 && memb->calcCenterMemb(k, c)) r.push_back({k, c.x, c.y});
    }
    return r;
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  std::unique_ptr<I_ModelBase> view;
  CCreateMembDlg2* tool = nullptr;
  CUserDriver user;
};

TEST_F(CreateMembInputTest, AColumnOrPointNeedsOnePressAndSendsOneRequest) {
  Type(101, 1);
  Press(100, 100);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateColumnAtPos");
  EXPECT_EQ(Arg("position"), Global(100, 100));
  EXPECT_EQ(Arg("memb.type"), "101");
  EXPECT_EQ(Arg("memb.key"), std::to_string(tool->GetSectKey()));
  EXPECT_EQ(Arg("memb.release"), "1") << "only beams take the release code";
  EXPECT_EQ(Arg("memb.mode"), "1") << "a plan view";
  EXPECT_EQ(Arg("method"), "1");
  EXPECT_TRUE(tool->GetInputPoints().empty());

  Type(201, 1);
  Press(100, 101);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Last().op, "CreateLineMembByPick");
  EXPECT_EQ(Arg("memb.type"), "201");
}

TEST_F(CreateMembInputTest, TwoPointsMakeABeamOrAColumnWithTheBandBetween) {
  struct Case {
    int type;
    const char* release;
  };
  for (const Case& c : {Case{201, "1"}, Case{101, "1"}, Case{200, "1"}}) {
    CModeler2::Instance()->ClearRequests();
    Type(c.type, 2);
    Press(100, 100);
    EXPECT_EQ(Count(), 0) << c.type << ": one point is not an input";
    MoveTo(103, 104);
    const std::vector<double> band = {100, 100, 0, 103, 104, 0};
    ASSERT_EQ(events().GetBand().size(), 6u) << c.type;
    EXPECT_EQ(events().GetBand()[0], band[0]);
    EXPECT_EQ(events().GetBand()[4], band[4]);
    Press(103, 104);
    ASSERT_EQ(Count(), 1) << c.type;
    EXPECT_EQ(Last().op, "CreateLineMembBy2Pos") << c.type;
    EXPECT_EQ(Arg("p1"), Global(100, 100)) << c.type;
    EXPECT_EQ(Arg("p2"), Global(103, 104)) << c.type;
    EXPECT_EQ(Arg("memb.type"), std::to_string(c.type)) << "a column by two points is a line request of its type";
    EXPECT_EQ(Arg("flag"), "1");
    EXPECT_EQ(Arg("a0"), "0");
    EXPECT_TRUE(events().GetBand().empty()) << c.type << ": the band stops with the input";
    EXPECT_TRUE(tool->GetInputPoints().empty());
  }
}

TEST_F(CreateMembInputTest, ABeamTakesTheReleaseCodeAColumnOrWallDoesNot) {
  Type(201, 2);
  ASSERT_TRUE(user.ChooseIndex(IDC_CM_RELEASE, 1));
  Press(100, 100);
  Press(104, 100);
  EXPECT_EQ(Arg("memb.release"), std::to_string(static_cast<CComboBox*>(tool->GetDlgItem(IDC_CM_RELEASE))->GetItemData(1)));
  EXPECT_NE(Arg("memb.release"), "1");
  for (int type : {101, 202}) {
    Type(type, 2);
    Press(100, 100);
    Press(104, 100);
    EXPECT_EQ(Arg("memb.type"), std::to_string(type));
    EXPECT_EQ(Arg("memb.release"), "1") << type;
  }
}

TEST_F(CreateMembInputTest, OrthoForcesTheSecondPointAlongOneAxis) {
  struct Case {
    double dx, dy, dz;
    double ex, ey, ez;
  };
  view->Set3DView();
  view->SetViewState(501, TRUE);
  for (const Case& c : {Case{3, 5, 1, 0, 5, 0}, Case{5, 5, 6, 0, 0, 6}, Case{4, 4, 0, 0, 4, 0}, Case{6, 2, 1, 6, 0, 0}}) {
    Type(201, 2);
    Press(100, 100, 0);
    Press(100 + c.dx, 100 + c.dy, c.dz);
    EXPECT_EQ(Arg("p2"), Global(100 + c.ex, 100 + c.ey, c.ez)) << c.dx << "," << c.dy << "," << c.dz;
  }
  // Without ortho the press stays where it is.
  view->SetViewState(501, FALSE);
  Press(100, 100, 0);
  Press(103, 105, 1);
  EXPECT_EQ(Arg("p2"), Global(103, 105, 1));
}

TEST_F(CreateMembInputTest, AWindowDrawsARectangleOrALineAndSendsTheInputPoints) {
  Type(201, 5);
  Press(100, 100);
  MoveTo(103, 104);
  EXPECT_EQ(events().GetBand().size(), 15u) << "a closed rectangle of five vertices";
  MoveTo(100, 104);
  EXPECT_EQ(events().GetBand().size(), 6u) << "same x: a line";
  MoveTo(103, 100);
  EXPECT_EQ(events().GetBand().size(), 6u) << "same y: a line";
  Press(103, 104);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateLineMembsInWindow");
  EXPECT_EQ(Arg("points"), Global(100, 100) + ";" + Global(103, 104)) << "the two corners, not the last press";

  Type(301, 2);
  Press(100, 100);
  MoveTo(103, 104);
  EXPECT_EQ(events().GetBand().size(), 15u) << "a slab by two points shows its rectangle";
  Press(103, 104);
  EXPECT_EQ(Last().op, "CreateAreaMembBy2Pos");
  EXPECT_EQ(Arg("memb.key"), std::to_string(tool->GetThikKey()));
}

TEST_F(CreateMembInputTest, APolygonClosesOnItsFirstPointOrADoubleClickWithThreeCorners) {
  Type(301, 6);
  Press(100, 100);
  Press(104, 100);
  MoveTo(104, 104);
  EXPECT_EQ(events().GetBand().size(), 12u) << "two points, the mouse and back to the first";
  Press(100, 100);
  EXPECT_EQ(Count(), 0) << "two corners do not close";
  EXPECT_EQ(tool->GetInputPoints().size(), 2u) << "the press on the first point is ignored";
  Press(104, 104);
  Press(100, 100);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateAreaMembsInPolygon");
  EXPECT_EQ(Arg("points"), Global(100, 100) + ";" + Global(104, 100) + ";" + Global(104, 104));
  EXPECT_TRUE(tool->GetInputPoints().empty());

  // A double-click ends it too, with three corners; with fewer it only drops the input.
  Press(100, 100);
  Press(104, 100);
  events().LButtonDblClk();
  EXPECT_EQ(Count(), 1);
  EXPECT_TRUE(tool->GetInputPoints().empty());
  Type(101, 6);
  Press(100, 100);
  Press(104, 100);
  Press(104, 104);
  events().LButtonDblClk();
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Last().op, "CreateColumnsInPolygon");
  EXPECT_TRUE(events().GetBand().empty());
}

TEST_F(CreateMembInputTest, EscDropsAPolygonAndStopsTheBand) {
  Type(200, 6);
  Press(100, 100);
  Press(104, 100);
  MoveTo(104, 104);
  ASSERT_FALSE(events().GetBand().empty());
  events().KeyDown(VK_ESCAPE);
  EXPECT_TRUE(tool->GetInputPoints().empty());
  EXPECT_TRUE(events().GetBand().empty());
  Press(100, 100);
  EXPECT_EQ(tool->GetInputPoints().size(), 1u) << "a new polygon starts";
  EXPECT_EQ(Count(), 0);
}

TEST_F(CreateMembInputTest, ABadSecondaryBeamCountRefusesEveryPress) {
  for (const char* text : {"0", "x", "-2", ""}) {
    for (int method : {2, 3}) {
      Type(205, method);
      tool->SetDlgItemText(IDC_CM_BEAM_COUNT, text);
      AfxClearMessageLog();
      Press(100, 100);
      Press(104, 100);
      EXPECT_EQ(Count(), 0) << text << " method " << method;
      ASSERT_NE(AfxGetLastMessage(), nullptr) << text;
      EXPECT_EQ(AfxGetLastMessage()->text, "IDS_WG_CMD_MC_ERROR_Invalid_Input");
      EXPECT_TRUE(tool->GetInputPoints().empty()) << text;
    }
  }
}

TEST_F(CreateMembInputTest, TheRecordCarriesTheSlabAndStairKindsAndTheStairOptions) {
  Type(301, 2);
  ASSERT_TRUE(user.Check(IDC_CM_SLAB_KIND_ROOF, BST_CHECKED));
  Press(100, 100);
  Press(104, 104);
  EXPECT_EQ(Arg("memb.type"), "308");

  // The stair thickness is its own combo's, not the slab thickness.
  Type(306, 2);
  ASSERT_TRUE(user.Check(IDC_CM_STAIR_LANDING, BST_CHECKED));
  auto* stairThik = static_cast<CComboBox*>(tool->GetDlgItem(IDC_CM_STAIR_THIK));
  ASSERT_GE(stairThik->GetCount(), 2);
  ASSERT_TRUE(user.ChooseIndex(IDC_CM_STAIR_THIK, 1));
  const UINT stairKey = (UINT)stairThik->GetItemData(1);
  ASSERT_NE(stairKey, tool->GetThikKey());
  Press(100, 100);
  Press(104, 104);
  ASSERT_EQ(Last().op, "CreateAreaMembBy2Pos");
  EXPECT_EQ(Arg("memb.type"), "307");
  EXPECT_EQ(Arg("memb.key"), std::to_string(stairKey));
  EXPECT_NE(Arg("memb.stairW"), "0");
  EXPECT_NE(Arg("memb.stairH"), "0");
}

TEST_F(CreateMembInputTest, BraceDistancesGoOnlyWithTheEighthBraceType) {
  for (int brace : {0, 5, 6}) {
    Type(206, 1);
    ASSERT_TRUE(user.ChooseIndex(IDC_CM_BRACE_TYPE, brace));
    tool->SetCurMethod(1);
    Press(100, 100);
    ASSERT_EQ(Last().op, "CreateLineMembByPick") << brace;
    EXPECT_EQ(Arg("memb.braceType"), std::to_string(brace));
    if (brace == 6)
      EXPECT_NE(Arg("memb.e1"), "0");
    else
      EXPECT_EQ(Arg("memb.e1"), "0") << brace;
    EXPECT_EQ(Arg("memb.e2") == "0", brace != 6) << brace;
  }
}

TEST_F(CreateMembInputTest, AutomaticSlabsSendTheSelectedMembers) {
  Type(301, 1);
  ASSERT_TRUE(user.Click(IDC_CM_SLAB_AUTO));
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateAreaMembsOnSelection");
  EXPECT_EQ(Arg("memb.type"), "301");
}

TEST_F(CreateMembInputTest, NothingIsTakenWhileTheToolsArePaused) {
  Type(101, 1);
  view->SetPaused(TRUE);
  Press(100, 100);
  view->SetPaused(FALSE);
  EXPECT_EQ(Count(), 0);
  Press(100, 100);
  EXPECT_EQ(Count(), 1);
}

TEST_F(CreateMembInputTest, APointIsMadeWhereTheCoordinateEditSaysInTheCurrentUnit) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  Type(100, 1);
  MoveTo(100, 101);
  CString shown;
  tool->GetDlgItem(IDC_CM_COORD)->GetWindowText(shown);
  EXPECT_EQ(shown, "100000, 101000, 0") << "the read-out in mm";
  // A press takes what the edit shows; a typed position replaces it.
  Press(100, 101);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreatePoint");
  EXPECT_EQ(Arg("xyz"), Global(100, 101));
  EXPECT_EQ(Arg("pont.mode"), "1");
  EXPECT_EQ(Arg("pont.optB"), "1");
  ASSERT_TRUE(user.Type(IDC_CM_COORD, "2000, 3000, 0"));
  tool->SendMessage(CEditEnter::WM_EDITENTER_KEYDOWN_RETURN, 0, 0);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Arg("xyz"), Global(2, 3));
}

TEST_F(CreateMembInputTest, ATypedCoordinateMustBeThreeNumbersWithinTheStory) {
  auto* stor = static_cast<CClassStor*>(doc->GetModelDB()->GetClass(CClassStor::m_nClassID));
  UINT minKey = 0;
  const double h = stor->GetMinStoryHeightInPlan(stor->GetCurStor(), minKey);
  const double tol = 1e-4;
  char low[64], below[64], high[64];
  std::snprintf(low, sizeof low, "1, 2, %.17g", -(h + tol));
  std::snprintf(below, sizeof below, "1, 2, %.17g", -(h + tol) - 1e-3);
  std::snprintf(high, sizeof high, "1, 2, %.17g", tol);
  struct Case {
    std::string text;
    const char* message;  // nullptr: a point is made
  };
  const std::vector<Case> cases = {
      {"a, b, c", "IDS_WG_CMD_MC_ERROR_Coordinate"},
      {"1, 2, 0.5", "IDS_WG_CMD_MC_ERROR_Z_OUT_OF_BOUND_STORY"},
      {below, "IDS_WG_CMD_MC_ERROR_Z_OUT_OF_BOUND_STORY"},
      {low, nullptr},
      {high, nullptr},
  };
  Type(100, 1);
  for (const Case& c : cases) {
    CModeler2::Instance()->ClearRequests();
    AfxClearMessageLog();
    ASSERT_TRUE(user.Type(IDC_CM_COORD, c.text.c_str()));
    tool->SendMessage(CEditEnter::WM_EDITENTER_KEYDOWN_RETURN, 0, 0);
    if (c.message) {
      EXPECT_EQ(Count(), 0) << c.text;
      ASSERT_NE(AfxGetLastMessage(), nullptr) << c.text;
      EXPECT_EQ(std::string(AfxGetLastMessage()->text).rfind(c.message, 0), 0u) << AfxGetLastMessage()->text.c_str();
    } else {
      EXPECT_EQ(Count(), 1) << c.text;
      EXPECT_EQ(AfxGetLastMessage(), nullptr) << c.text;
    }
  }
}

TEST_F(CreateMembInputTest, TheWheelStepsTheSectionOnlyWhenThereIsAChoice) {
  Type(101, 1);
  auto* sects = static_cast<CComboBox*>(tool->GetDlgItem(IDC_CM_SECT));
  ASSERT_EQ(sects->GetCount(), 3);
  const UINT first = tool->GetSectKey();
  events().MouseWheel(-120);
  AfxPumpMessages();
  EXPECT_EQ(sects->GetCurSel(), 1);
  EXPECT_NE(tool->GetSectKey(), first);
  ASSERT_EQ(events().GetToolTips().size(), 2u) << "the change shows the tooltips";
  EXPECT_EQ(events().GetToolTips()[1].rfind("Sect : ", 0), 0u);

  // With one section the wheel only shows the tooltips.
  while (sects->GetCount() > 1) sects->DeleteString(1);
  sects->SetCurSel(0);
  events().ClearToolTips();
  events().MouseWheel(-120);
  AfxPumpMessages();
  EXPECT_EQ(sects->GetCurSel(), 0);
  EXPECT_EQ(events().GetToolTips().size(), 2u);

  Type(100, 4);
  events().ClearToolTips();
  events().MouseWheel(120);
  ASSERT_EQ(events().GetToolTips().size(), 1u);
  EXPECT_EQ(CString(events().GetToolTips()[0].c_str()), tool->GetCurTypeOfWork());
}

// ---- Curves, polylines, members picked, tracing lines ------------------------------------------

TEST_F(CreateMembInputTest, ACurveBeamIsAnArcByThreePointsOrByItsCentre) {
  const int before = MembCount();
  Type(201, 7);
  EXPECT_EQ(tool->GetPolyTool().GetSizeClass(), 1) << "a line type takes one edge";
  EXPECT_EQ(tool->GetPolyTool().GetEdgeMode(), CPolyParamTool::EDGE_ARC_3P);
  // On the circle of radius 5 about (100, 100): from (105, 100) through (104, 103) to (100, 105).
  Press(105, 100);
  MoveTo(104, 103);
  EXPECT_EQ(events().GetBand().size(), 6u) << "the press and the mouse";
  Press(104, 103);
  EXPECT_EQ(Count(), 0);
  Press(100, 105);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateArcMembBy3Points");
  // [start, the arc's middle, end]
  const std::string points = Arg("points");
  EXPECT_EQ(points.rfind(Global(105, 100) + ";103.535533905933", 0), 0u) << points;
  EXPECT_EQ(points.substr(points.size() - Global(100, 105).size()), Global(100, 105)) << points;
  EXPECT_EQ(Arg("memb.type"), "201");
  EXPECT_EQ(MembCount(), before + 1);
  EXPECT_TRUE(events().GetBand().empty());
  CLineGArray lines;
  EXPECT_EQ(tool->GetPolyTool().GetLines(lines), 0) << "the input is emptied";

  // By its centre: centre, start, then the end taken onto the circle.
  ASSERT_TRUE(user.Check(IDC_CM_CURVE_ARC_CENTER, BST_CHECKED));
  EXPECT_EQ(tool->GetPolyTool().GetEdgeMode(), CPolyParamTool::EDGE_ARC_C_P1P2);
  Press(100, 100);
  Press(108, 100);
  Press(100, 110);
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Last().op, "CreateArcMembByCenter");
  EXPECT_EQ(Arg("points"), Global(100, 100) + ";" + Global(108, 100) + ";" + Global(100, 108));
  EXPECT_EQ(Arg("lines"), Global(108, 100) + ">" + Global(100, 108) + "@" + Global(100, 100));
  EXPECT_EQ(MembCount(), before + 2);
  doc->Undo();
  doc->Undo();
  EXPECT_EQ(MembCount(), before);
}

TEST_F(CreateMembInputTest, APickedBeamIsSentAsACurveAtItsStorysTop) {
  DrawBeams();
  const std::vector<Beam> beams = Beams();
  Type(201, 7);
  ASSERT_TRUE(user.Check(IDC_CM_CURVE_MEMB, BST_CHECKED));
  EXPECT_EQ(tool->GetPolyTool().GetEdgeMode(), CPolyParamTool::EDGE_PICK_MEMB);
  Press(beams[0].x, beams[0].y);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateArcMembByCenter");
  // The beam's line, at the top of its story (the view's level 0).
  auto* memb = static_cast<CClassMemb*>(doc->GetModelDB()->GetClass(CClassMemb::m_nClassID));
  CPoint3DArray pts;
  ASSERT_TRUE(memb->GetPontDList3D(beams[0].key, pts, 0));
  char b[200];
  std::snprintf(b, sizeof b, "%.15g,%.15g,%.15g>%.15g,%.15g,%.15g@", pts[0].x, pts[0].y, pts[0].z, pts[1].x, pts[1].y,
                pts[1].z);
  EXPECT_EQ(Arg("lines").rfind(b, 0), 0u) << Arg("lines");
  CLineGArray lines;
  EXPECT_EQ(tool->GetPolyTool().GetLines(lines), 0);

  // For a slab outline a second pick of the member just taken adds nothing.
  Type(301, 8);
  ASSERT_TRUE(user.Check(IDC_CM_CURVE_MEMB, BST_CHECKED));
  Press(beams[0].x, beams[0].y);
  Press(beams[0].x, beams[0].y);
  EXPECT_EQ(tool->GetPolyTool().GetLines(lines), 1);
  EXPECT_EQ(Count(), 1);
}

TEST_F(CreateMembInputTest, APolylineSlabClosesOnItsFirstPointOrADoubleClick) {
  const int before = MembCount();
  Type(301, 8);
  EXPECT_EQ(tool->GetPolyTool().GetSizeClass(), 10000);
  EXPECT_EQ(tool->GetPolyTool().GetEdgeMode(), CPolyParamTool::EDGE_LINE) << "slabs start with straight edges";
  Press(100, 100);
  Press(104, 100);
  // Ortho from the band's vertex before the mouse.
  view->SetViewState(501, TRUE);
  Press(105, 104);
  view->SetViewState(501, FALSE);
  MoveTo(101, 104);
  EXPECT_EQ(events().GetBand().size(), 12u) << "the three presses and the mouse";
  Press(100, 104);
  EXPECT_EQ(Count(), 0);
  Press(100, 100);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateAreaMembByLines");
  EXPECT_EQ(Arg("flag"), "1");
  const std::string lines = Arg("lines");
  EXPECT_NE(lines.find(">" + Global(104, 104) + "@"), std::string::npos) << lines;
  EXPECT_EQ(std::count(lines.begin(), lines.end(), '>'), 4) << lines;
  EXPECT_EQ(MembCount(), before + 1);
  EXPECT_TRUE(events().GetBand().empty());

  // A double-click closes it with a straight edge.
  Press(100, 100);
  Press(103, 100);
  Press(103, 103);
  events().LButtonDblClk();
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Last().op, "CreateAreaMembByLines");
  const std::string closed = Arg("lines");
  EXPECT_EQ(std::count(closed.begin(), closed.end(), '>'), 3) << closed;
  CLineGArray l;
  EXPECT_EQ(tool->GetPolyTool().GetLines(l), 0);
  ASSERT_EQ(MembCount(), before + 2);
  doc->Undo();
  doc->Undo();
  EXPECT_EQ(MembCount(), before);

  // Esc drops an outline being drawn.
  Press(100, 100);
  Press(103, 100);
  events().KeyDown(VK_ESCAPE);
  EXPECT_EQ(tool->GetPolyTool().GetLines(l), 0);
  EXPECT_TRUE(events().GetBand().empty());
}

TEST_F(CreateMembInputTest, SecondaryBeamsBetweenTwoPickedBeams) {
  DrawBeams();
  const std::vector<Beam> beams = Beams();
  const int before = MembCount();
  Type(205, 1);
  ASSERT_TRUE(user.Click(IDC_CM_SB_METHOD_2MEMB));  // as the user: the member snap on
  tool->SetDlgItemText(IDC_CM_BEAM_COUNT, "2");
  Press(beams[0].x, beams[0].y);
  EXPECT_EQ(Count(), 0);
  Press(beams[0].x, beams[0].y);
  EXPECT_EQ(Count(), 0) << "the same beam again is no pair";
  EXPECT_EQ(tool->GetInputMembs().GetSize(), 1);
  Press(beams[1].x, beams[1].y);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateLineMembsBetweenMembs");
  EXPECT_EQ(Arg("keys"), std::to_string(beams[0].key) + "," + std::to_string(beams[1].key));
  EXPECT_EQ(Arg("count"), "2");
  EXPECT_EQ(Arg("position"), "<none>") << "the position is not sent";
  EXPECT_EQ(Arg("memb.type"), "205");
  EXPECT_EQ(Last().result, 1);
  EXPECT_EQ(MembCount(), before + 2);
  EXPECT_EQ(tool->GetInputMembs().GetSize(), 0);
  doc->Undo();
  EXPECT_EQ(MembCount(), before);
}

TEST_F(CreateMembInputTest, TracingLinesSelectedInAPerspectiveViewMakeColumns) {
  const int before = MembCount();
  Type(101, 4);
  view->Set3DView();
  app->GetHostMainWnd().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  ASSERT_TRUE(tool->IsPerspectiveViewMode());
  ASSERT_EQ(tool->GetCurMethod(), 4);
  AfxPumpMessages();  // the refresh the type change posted drops the selection
  CUIntArray segs;
  for (UINT k = 1; k <= 6; ++k) segs.Add(k);
  view->SetSelectedSegments(segs);
  events().NotifyGeneral(1, 0, 0);
  EXPECT_EQ(Count(), 0) << "posted: it runs after the view's event";
  AfxPumpMessages();
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateColumnsOnTracingLines");
  EXPECT_EQ(Arg("keys"), "1,2,3,4,5") << "columns keep the segments of kind 1";
  auto* stor = static_cast<CClassStor*>(doc->GetModelDB()->GetClass(CClassStor::m_nClassID));
  double top = 0;
  ASSERT_TRUE(stor->GetStorTopLevel(stor->GetCurStor(), top));
  char b[40];
  std::snprintf(b, sizeof b, "%.15g", top);
  EXPECT_EQ(Arg("level"), b);
  EXPECT_EQ(Last().result, 1);
  EXPECT_GT(MembCount(), before);
  doc->Undo();
  EXPECT_EQ(MembCount(), before);

  // Line members take every segment.
  Type(200, 4);
  app->GetHostMainWnd().SetCheckToolbarButton(I_MainFrameBase::ID_PERSPECTIVE, TRUE);
  AfxPumpMessages();
  view->SetSelectedSegments(segs);
  events().NotifyGeneral(1, 0, 0);
  AfxPumpMessages();
  ASSERT_EQ(Count(), 2);
  EXPECT_EQ(Last().op, "CreateLineMembsOnTracingLines");
  EXPECT_EQ(Arg("keys"), "1,2,3,4,5,6");
}

TEST_F(CreateMembInputTest, BracesByTwoPointsAndCantileverSlabsReachTheirRequests) {
  Type(206, 2);
  Press(100, 100);
  Press(104, 100);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateBraceBy2Pos");
  EXPECT_EQ(Arg("flag"), "1");
  EXPECT_EQ(Arg("memb.canti"), "0");
  EXPECT_TRUE(tool->GetInputPoints().empty()) << "the input is complete and emptied";

  DrawBeams();
  const std::vector<Beam> beams = Beams();
  Type(301, 1);
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  ASSERT_TRUE(tool->GetDlgItem(IDC_CM_CANTI_LEN)->IsWindowVisible());
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_LEN, "1.5"));
  ASSERT_TRUE(user.Type(IDC_CM_CANTI_WIDTH, "2"));
  Press(beams[0].x, beams[0].y);
  ASSERT_EQ(Count(), 1);
  EXPECT_EQ(Last().op, "CreateCantileverSlabsOnMembs");
  EXPECT_EQ(Arg("canti.length"), "1.5");
  EXPECT_EQ(Arg("canti.location"), "1");
  EXPECT_EQ(Arg("canti.direction"), "2");
  EXPECT_EQ(Last().result, 1);
  EXPECT_EQ(Arg("keys"), std::to_string(beams[0].key));
  EXPECT_EQ(Arg("memb.canti"), "1");
  EXPECT_EQ(tool->GetInputMembs().GetSize(), 0);
  const char* ops[] = {"CreateCantileverSlabsInWindow", "CreateCantileverSlabsInPolygon"};
  for (int method : {5, 6}) {
    tool->SetCurMethod(method);
    Press(100, 100);
    Press(104, 104);
    if (method == 6) {
      Press(100, 104);
      Press(100, 100);
    }
    ASSERT_EQ(Count(), method - 3) << method;
    EXPECT_EQ(Last().op, ops[method - 5]);
    EXPECT_EQ(Arg("memb.canti"), "1");
  }
  events().LButtonDblClk();
  EXPECT_EQ(Count(), 3);
  // Without the cantilever group the same presses ask for plain slabs.
  ASSERT_TRUE(user.Click(IDC_CM_CANTI));
  tool->SetCurMethod(5);
  Press(100, 100);
  Press(104, 104);
  EXPECT_EQ(Last().op, "CreateAreaMembsInWindow");
  EXPECT_EQ(Arg("memb.canti"), "0");
}

TEST_F(CreateMembInputTest, WindowsAxesAndPolygonsShowTheWaitCursor) {
  struct Case {
    int type, method, presses;
    bool wait;
  };
  for (const Case& c : {Case{201, 5, 2, true}, Case{101, 4, 1, true}, Case{201, 1, 1, true}, Case{201, 2, 2, false},
                        Case{301, 5, 2, false}, Case{101, 1, 1, false}}) {
    Type(c.type, c.method);
    const int shown = CWaitCursor::GetShownCount();
    Press(100, 100);
    if (c.presses == 2) Press(104, 104);
    EXPECT_EQ(CWaitCursor::GetShownCount() - shown, c.wait ? 1 : 0) << c.type << " method " << c.method;
    EXPECT_EQ(CWaitCursor::GetDepth(), 0);
  }
  Type(301, 1);
  const int shown = CWaitCursor::GetShownCount();
  ASSERT_TRUE(user.Click(IDC_CM_SLAB_AUTO));
  EXPECT_EQ(CWaitCursor::GetShownCount() - shown, 1) << "automatic slabs";
}

TEST_F(CreateMembInputTest, LineMembersOnPointKeysNeedTwoDifferentKeysOrOneKeyAPoint) {
  struct Case {
    std::vector<UINT> keys;
    int points2d;  // -1: none given
    const char* message;
  };
  const std::vector<Case> cases = {
      {{1}, -1, "IDS_WG_CMD_MC_ERROR_Point_Num_Invalid_In_Area"},
      {{1, 2, 3}, 2, "IDS_WG_CMD_MC_ERROR_Point_Num_Invalid_In_Area"},
      {{3, 3}, -1, "IDS_WG_CMD_MC_ERROR_Two_Point_Same"},
      {{1, 2}, -1, nullptr},
      {{1, 2, 3}, 3, nullptr},
  };
  Type(201, 2);
  for (const Case& c : cases) {
    CModeler2::Instance()->ClearRequests();
    AfxClearMessageLog();
    CUIntArray keys;
    for (UINT k : c.keys) keys.Add(k);
    CPoint2DArray pts;
    for (int i = 0; i < c.points2d; ++i) pts.Add(T_POINT2D{(double)i, 0.0});
    tool->TR_CreateLineTypeMemb(keys, nullptr, c.points2d < 0 ? nullptr : &pts);
    if (c.message) {
      EXPECT_EQ(Count(), 0) << c.message;
      ASSERT_NE(AfxGetLastMessage(), nullptr);
      EXPECT_EQ(AfxGetLastMessage()->text, c.message);
    } else {
      ASSERT_EQ(Count(), 1) << c.keys.size();
      EXPECT_EQ(Last().op, "CreateLineMembOnPoints");
      EXPECT_EQ(AfxGetLastMessage(), nullptr);
    }
  }
}

TEST_F(CreateMembInputTest, NothingIsSentWhenTheRecordCannotBeHad) {
  // No brace-type choice, or no document: no member record, no request.
  Type(101, 1);
  static_cast<CComboBox*>(tool->GetDlgItem(IDC_CM_BRACE_TYPE))->SetCurSel(-1);
  Press(100, 100);
  EXPECT_EQ(Count(), 0);
  static_cast<CComboBox*>(tool->GetDlgItem(IDC_CM_BRACE_TYPE))->SetCurSel(0);
  CDBDoc::m_pDBDoc = nullptr;
  Press(100, 100);
  CDBDoc::m_pDBDoc = doc.get();
  EXPECT_EQ(Count(), 0);
  Press(100, 100);
  EXPECT_EQ(Count(), 1);
}

}  // namespace
