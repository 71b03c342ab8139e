// The query window: point and node queries with the distance from the previous one,
// member and element texts, distances and angles (zero legs included), bad input, the
// layout with Advanced, the detail button, and the update hints.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <memory>
#include <string>
#include <vector>
#include "afx/AfxMessageQueue.h"
#include "afx/CUserDriver.h"
#include "db/CClassCurv.h"
#include "res/resource.h"
#include "tests/tools/ToolsFixture.h"
#include "tools/CCmdQueryDlg.h"
#include "ui/GMsg.h"

namespace {

using Lines = std::vector<std::string>;

Lines Split(const std::string& text) {
  Lines out;
  size_t pos = 0;
  for (;;) {
    size_t end = text.find("\r\n", pos);
    out.push_back(text.substr(pos, end == std::string::npos ? std::string::npos : end - pos));
    if (end == std::string::npos) return out;
    pos = end + 2;
  }
}

template <class... A>
std::string Fmt(const char* key, A... args) {
  return GMakeMsg(key, args...).c_str();
}

class CmdQueryDlgTest : public ToolsFixture {
 protected:
  void SetUp() override {
    ToolsFixture::SetUp();
    // Points 11 (0, 0, 0) and 12 (3, 4, 0.5) on story 3, a third at (0, 6).
    p1 = AddPoint(0, 0, 0, 11);
    p2 = AddPoint(3, 4, 0.5, 12);
    p3 = AddPoint(0, 6, 0, 0);
    column = AddMemb(101, {p1, p2}, {});
    dlg = new CCmdQueryDlg(nullptr);
    ASSERT_TRUE(dlg->Create(IDD_CMD_QUERY, nullptr));
  }
  void TearDown() override {
    if (dlg) dlg->DestroyWindow();
    ToolsFixture::TearDown();
  }
  UINT AddMemb(int type, std::vector<UINT> points, std::vector<UINT> curves) {
    return AddMember(type, points, 1, 0, 0, 0, curves);
  }
  // The number typed and Return pressed: the lines of the result edit, which the message
  // window got as they stand.
  Lines Query(const char* number) {
    CUserDriver user(dlg);
    user.Type(IDC_QUERY_NUMBER, number);
    user.Key(IDC_QUERY_NUMBER, VK_RETURN);
    return Result();
  }
  Lines Dimension(int kind, const char* c, const char* a, const char* b) {
    CUserDriver user(dlg);
    user.SelectTab(IDC_QUERY_TAB, 2);
    user.Check(kind ? IDC_QUERY_ANGLE : IDC_QUERY_DIST, 1);
    if (kind) user.Type(IDC_QUERY_C, c);
    user.Type(IDC_QUERY_P1, a);
    user.Type(IDC_QUERY_P2, b);
    user.Key(IDC_QUERY_P2, VK_RETURN);
    return Result();
  }
  Lines Result() {
    CString s;
    dlg->GetDlgItemText(IDC_QUERY_RESULT, s);
    const CHostMessage* out = app->GetMessages().LastOutput();
    EXPECT_TRUE(out && out->m_strText == s);
    return Split(s.c_str());
  }
  CRect ScreenRect(UINT id) {
    CRect r;
    dlg->GetDlgItem(id)->GetWindowRect(&r);
    return r;
  }
  // Ends the window by the posted WM_CLOSE; true when it has gone.
  bool PumpClosed() {
    HWND h = dlg->m_hWnd;
    AfxPumpMessages();
    if (::IsWindow(h)) return false;
    dlg = nullptr;
    return true;
  }

  CCmdQueryDlg* dlg = nullptr;
  UINT p1 = 0, p2 = 0, p3 = 0, column = 0;
};

TEST_F(CmdQueryDlgTest, SecondPointQueryAddsDistanceFromTheFirstAndAMemberQueryForgetsIt) {
  Lines first = Query("11");
  EXPECT_EQ(I_ModelBase::PONTKEY, p1);
  EXPECT_EQ(dlg->GetLastPontKey(), p1);
  ASSERT_EQ(first.size(), 7u);
  EXPECT_EQ(first[4], Fmt("IDS_CMD_QUERY_Z_s_g", "  ", 9.0));  // story 3's top is 9
  EXPECT_EQ(first[5], Fmt("IDS_CMD_QUERY_LEVEL_s_s_g_g", "  ", "1F", 9.0, 0.0));
  EXPECT_EQ(first.back(), "");

  Lines second = Query("12");
  ASSERT_EQ(second.size(), 10u);
  EXPECT_EQ(second[6], "-----------------------");
  EXPECT_EQ(second[7], Fmt("IDS_CMD_QUERY_DISTANCE_FROM_POINT_d_g", 11, std::sqrt(25.25)));
  EXPECT_EQ(second[8], "  " + Fmt("IDS_CMD_QUERY_DX_DY_DZ_g_g_g", 3.0, 4.0, 0.5));
  EXPECT_EQ(second[9], "");

  CUserDriver user(dlg);
  user.SelectTab(IDC_QUERY_TAB, 1);
  Query("1");
  EXPECT_EQ(dlg->GetLastPontKey(), 0u);
  user.SelectTab(IDC_QUERY_TAB, 0);
  EXPECT_EQ(Query("12").size(), 7u);
}

TEST_F(CmdQueryDlgTest, PostModeQueriesNodesByKeyOnTheFirstTab) {
  doc->SetPostMode(TRUE);
  doc->UpdateAllViews(nullptr, CCmdQueryDlg::HINT_MODE);
  CTabCtrl* tab = static_cast<CTabCtrl*>(dlg->GetDlgItem(IDC_QUERY_TAB));
  EXPECT_STREQ(tab->GetItemText(0).c_str(), app->LoadStr("IDS_CMD_NODE"));
  EXPECT_EQ(dlg->GetQueryType(), CCmdQueryDlg::QT_NODE);
  EXPECT_EQ(dlg->GetNumberEdit().GetParamKind(), CParamTool::KIND_NODE);
  EXPECT_FALSE(dlg->GetDlgItem(IDC_QUERY_DETAIL)->IsWindowEnabled());

  Query(std::to_string(p1).c_str());  // a key, not the number 11
  Lines second = Query(std::to_string(p2).c_str());
  EXPECT_EQ(I_ModelBase::PONTKEY, p2);
  EXPECT_EQ(dlg->GetLastNodeKey(), p2);
  ASSERT_EQ(second.size(), 9u);
  EXPECT_EQ(second[5], "-----------------------");
  EXPECT_EQ(second[6], Fmt("IDS_CMD_QUERY_DISTANCE_FROM_POINT_d_g", (int)p1, std::sqrt(25.25)));
  EXPECT_EQ(second[7], "  " + Fmt("IDS_CMD_QUERY_DX_DY_DZ_g_g_g", 3.0, 4.0, 0.5));

  CUserDriver(dlg).SelectTab(IDC_QUERY_TAB, 1);
  Lines elem = Query(std::to_string(column).c_str());
  EXPECT_EQ(I_ModelBase::MEMBKEY, column);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  EXPECT_EQ(elem[4], Fmt("IDS_WG_CMD__POINT_CONNECTIVITY") + std::to_string(p1) + ", " + std::to_string(p2));
}

TEST_F(CmdQueryDlgTest, MemberTextLeavesOutGapsAndShowsAnArc) {
  T_MEMB_D slab;
  slab.type = 301, slab.storyKey = 3;
  UINT p4 = AddPoint(6, 0, 0, 0);
  for (UINT p : {p1, p4, p3, T_MEMB_D::GAP_POINT, p2}) slab.points.Add(p);
  UINT slabKey = 0;
  ASSERT_TRUE(AddRecord<CClassMemb>(slab, slabKey));
  T_CURV_D curve;
  curve.cx = 0, curve.cy = 3, curve.cz = 9;
  UINT curveKey = 0;
  ASSERT_TRUE(AddRecord<CClassCurv>(curve, curveKey));
  UINT arc = AddMemb(201, {p1, p3}, {curveKey});
  UINT slabNo = Table<CClassMemb>()->GetMembNoByKey(slabKey);
  UINT arcNo = Table<CClassMemb>()->GetMembNoByKey(arc);

  CUserDriver(dlg).SelectTab(IDC_QUERY_TAB, 1);
  Lines s = Query(std::to_string(slabNo).c_str());
  const std::string conn = Fmt("IDS_WG_CMD__POINT_CONNECTIVITY") + "11, " + std::to_string(p4) + ", " +
                           std::to_string(p3) + ", 12";
  EXPECT_NE(std::find(s.begin(), s.end(), conn), s.end());
  EXPECT_NE(std::find(s.begin(), s.end(), Fmt("IDS_CMD_QUERY_THICKNESS_ID_d_s", 0, app->LoadStr("IDS_WG_CMD__UNDEFINED"))),
            s.end());

  Lines a = Query(std::to_string(arcNo).c_str());
  ASSERT_GE(a.size(), 8u);
  const Lines tail(a.end() - 8, a.end());
  EXPECT_EQ(tail, (Lines{"-----------------------", Fmt("IDS_CMD_QUERY_CURVE_INFORMATION"),
                         Fmt("IDS_CMD_QUERY_CENTER"), Fmt("IDS_CMD_QUERY_GX_s_g", "  ", 0.0),
                         Fmt("IDS_CMD_QUERY_GY_s_g", "  ", 3.0), Fmt("IDS_CMD_QUERY_GZ_s_g", "  ", 9.0),
                         Fmt("IDS_CMD_QUERY_RADIUS_G", 3.0), ""}));
}

TEST_F(CmdQueryDlgTest, UserNamesArePrintedAsTheyStand) {
  T_STOR_D story;
  ASSERT_TRUE(Table<CClassStor>()->Get(3, story));
  story.name = "F%s%n";
  ASSERT_TRUE(Table<CClassStor>()->TR_Modify(3, 3, story));
  Lines s = Query("11");
  EXPECT_NE(s[0].find("F%s%n"), std::string::npos);
}

TEST_F(CmdQueryDlgTest, DistancesAndAngles) {
  Lines same = Dimension(0, "", "1,2,3", "1,2,3");
  EXPECT_EQ(same, (Lines{Fmt("IDS_CMD_QUERY_DISTANCE_g", 0.0), Fmt("IDS_CMD_QUERY_DX_s_g", "  ", 0.0),
                         Fmt("IDS_CMD_QUERY_DY_s_g", "  ", 0.0), Fmt("IDS_CMD_QUERY_DZ_s_g", "  ", 0.0), ""}));
  EXPECT_EQ(I_ModelBase::PONTKEY + I_ModelBase::MEMBKEY, 0u);

  Lines up = Dimension(0, "", "1,2,3", "1,2,5");
  ASSERT_EQ(up.size(), 10u);
  EXPECT_EQ(up[4], Fmt("IDS_CMD_QUERY_ANGLE_FROM_GX_g", 0.0));
  EXPECT_EQ(up[8], Fmt("IDS_CMD_QUERY_z_s_g", "  ", 1.0));

  Lines diag = Dimension(0, "", "0,0,0", "-1,-1,0");
  EXPECT_EQ(diag[4], Fmt("IDS_CMD_QUERY_ANGLE_FROM_GX_g", 225.0));

  Lines right = Dimension(1, "1,1,0", "2,1,0", "1,3,0");
  EXPECT_EQ(right, (Lines{Fmt("IDS_CMD_QUERY_CROSS_ANGLE_P1_C_P2_g", 90.0), Fmt("IDS_CMD_DISTANCE_C_P1_g", 1.0),
                          Fmt("IDS_CMD_DISTANCE_C_P2_g", 2.0), Fmt("IDS_CMD_ANGLE_FROM_GX_C_P1_g", 0.0),
                          Fmt("IDS_CMD_ANGLE_FROM_GX_C_P2_g", 90.0), ""}));

  // A leg of no length: no cross angle and no angle of that leg.
  Lines zero = Dimension(1, "1,1,0", "2,1,0", "1,1,0");
  EXPECT_EQ(zero, (Lines{Fmt("IDS_CMD_DISTANCE_C_P1_g", 1.0), Fmt("IDS_CMD_DISTANCE_C_P2_g", 0.0),
                         Fmt("IDS_CMD_ANGLE_FROM_GX_C_P1_g", 0.0), ""}));
}

TEST_F(CmdQueryDlgTest, BadInputGivesTheNotExistingLine) {
  const std::string none = Fmt("IDS_WG_CMD__NO_EXIST_PONT", 0);
  for (const char* text : {"abc", "-1", "99", "1.5", ""}) {
    SCOPED_TRACE(text);
    EXPECT_EQ(Query(text), Lines{none});
    EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  }
  CUserDriver(dlg).SelectTab(IDC_QUERY_TAB, 1);
  EXPECT_EQ(Query("77"), Lines{Fmt("IDS_WG_CMD__NO_EXIST_MEMB", 0)});
  EXPECT_EQ(Dimension(0, "", "1,2", "x"), Lines{Fmt("IDS_WG_CMD_MC_ERROR_Invalid_Input")});
  EXPECT_EQ(Dimension(1, "", "1,2", "3,4"), Lines{Fmt("IDS_WG_CMD_MC_ERROR_Invalid_Input")});
}

TEST_F(CmdQueryDlgTest, AdvancedDecidesWhereTheWindowEnds) {
  CRect wnd;
  dlg->GetWindowRect(&wnd);
  EXPECT_EQ(wnd.bottom, ScreenRect(IDC_QUERY_RESULT).bottom + 10);
  EXPECT_EQ(dlg->GetAdvancedButton().GetBitmapIconId(), (UINT)IDB_QUERY_ADVANCED_ON);
  EXPECT_EQ(ScreenRect(IDC_QUERY_DETAIL).top, ScreenRect(IDC_QUERY_TAB).bottom + 10);
  EXPECT_EQ(ScreenRect(IDC_QUERY_TAB).bottom, ScreenRect(IDC_QUERY_NUMBER).bottom + 10);

  CUserDriver(dlg).Click(IDC_QUERY_ADVANCED);
  dlg->GetWindowRect(&wnd);
  EXPECT_EQ(wnd.bottom, ScreenRect(IDC_QUERY_ADVANCED).bottom + 10);
  EXPECT_GE(ScreenRect(IDC_QUERY_RESULT).top, wnd.bottom);  // out of view
  EXPECT_EQ(dlg->GetAdvancedButton().GetBitmapIconId(), (UINT)IDB_QUERY_ADVANCED_OFF);

  // The dimension tab: the tab grows to hold the positions, the buttons follow.
  CUserDriver(dlg).SelectTab(IDC_QUERY_TAB, 2);
  EXPECT_EQ(ScreenRect(IDC_QUERY_TAB).bottom, ScreenRect(IDC_QUERY_P2).bottom + 10);
  EXPECT_EQ(ScreenRect(IDC_QUERY_ADVANCED).top, ScreenRect(IDC_QUERY_TAB).bottom + 10);
  EXPECT_FALSE(dlg->GetDlgItem(IDC_QUERY_DETAIL)->IsWindowEnabled());
  EXPECT_FALSE(dlg->GetDlgItem(IDC_QUERY_C)->IsWindowEnabled());
  CUserDriver(dlg).Check(IDC_QUERY_ANGLE, 1);
  EXPECT_TRUE(dlg->GetDlgItem(IDC_QUERY_C)->IsWindowEnabled());
  EXPECT_EQ(CWnd::GetFocus(), &dlg->GetCEdit());
}

TEST_F(CmdQueryDlgTest, HintsRemodeOrCloseTheWindow) {
  Query("11");
  ASSERT_EQ(I_ModelBase::PONTKEY, p1);
  doc->UpdateAllViews(nullptr, CCmdQueryDlg::HINT_VIEW);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  Query("11");
  doc->UpdateAllViews(nullptr, CCmdQueryDlg::HINT_MODE);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
  Query("11");
  doc->UpdateAllViews(nullptr, 5);
  EXPECT_EQ(I_ModelBase::PONTKEY, p1);

  const int ended = view->GetEndQueryCount();
  doc->UpdateAllViews(nullptr, CCmdQueryDlg::HINT_CLOSE_QUERY);
  ASSERT_TRUE(PumpClosed());
  EXPECT_EQ(view->GetEndQueryCount(), ended + 1);
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
}

TEST_F(CmdQueryDlgTest, DetailButtonOpensTheAttributeWindowOnTheQueriedObject) {
  CUserDriver user(dlg);
  user.Click(IDC_QUERY_DETAIL);  // nothing typed
  const CHostMessage* box = app->GetMessages().LastBox();
  ASSERT_TRUE(box);
  EXPECT_STREQ(box->m_strText.c_str(), app->LoadStr("IDS_CMD_ATTR_MEMB_NOT_MEMB_KEY"));
  EXPECT_FALSE(CToolsDlg::IsAlive());

  user.SelectTab(IDC_QUERY_TAB, 1);
  user.Type(IDC_QUERY_NUMBER, std::to_string(Table<CClassMemb>()->GetMembNoByKey(column)).c_str());
  // The factory refuses the attribute window while the view selects: the query stays.
  I_ModelBase::SetObjectSelectionModeST(1);
  user.Click(IDC_QUERY_DETAIL);
  EXPECT_FALSE(CToolsDlg::IsAlive());
  EXPECT_FALSE(PumpClosed());
  I_ModelBase::SetObjectSelectionModeST(0);

  user.Click(IDC_QUERY_DETAIL);
  ASSERT_TRUE(CToolsDlg::IsAlive());
  EXPECT_EQ(CToolsDlg::GetMySelf()->GetCurObjKey(), column);
  ASSERT_TRUE(PumpClosed());
  EXPECT_EQ(I_ModelBase::MEMBKEY, column);  // the attribute window keeps the highlight
  EXPECT_EQ(I_ModelBase::PONTKEY, 0u);
}

TEST_F(CmdQueryDlgTest, ModesFollowTheDocumentAndTheView) {
  EXPECT_FALSE(CCmdQueryDlg::IsPostMode());
  EXPECT_TRUE(CCmdQueryDlg::IsPontMembMode());
  view->SetAnalysisView();
  EXPECT_TRUE(CCmdQueryDlg::IsNodeElemMode());
  EXPECT_FALSE(CCmdQueryDlg::IsPontMembMode());
  EXPECT_FALSE(CCmdQueryDlg::IsPostMode());
  dlg->ChangeQueryType(7);  // not a tab: nothing
  EXPECT_EQ(dlg->GetQueryType(), CCmdQueryDlg::QT_POINT);
  dlg->ChangeQueryType(1);
  EXPECT_EQ(dlg->GetQueryType(), CCmdQueryDlg::QT_MEMBER);
  EXPECT_EQ(dlg->GetNumberEdit().GetParamKind(), CParamTool::KIND_MEMBER);
}

}  // namespace
