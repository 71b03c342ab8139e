// The number edit that takes picks from the model view: what a pick puts into it for each
// kind, the chain of position edits (C, P1, P2), the notices its window hears, and Return.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "afx/AfxStyles.h"
#include "afx/CButton.h"
#include "afx/CUserDriver.h"
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "view/CMouseEdit2.h"
#include "view/CStrParser.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"

namespace {

class Page : public CWnd {
 public:
  std::vector<std::string> log;
  std::string Log() const {
    std::string s;
    for (auto& e : log) s += (s.empty() ? "" : ", ") + e;
    return s;
  }
  LRESULT OnRun(WPARAM w, LPARAM) { return Note("run", w); }
  LRESULT OnEnter(WPARAM w, LPARAM) { return Note("enter", w); }
  LRESULT OnPick(WPARAM w, LPARAM) { return Note("pick", w); }
  LRESULT Note(const char* what, WPARAM w) {
    log.push_back(std::string(what) + " " + std::to_string(w));
    return 0;
  }
  void OnOK() { log.push_back("ok"); }
  DECLARE_MESSAGE_MAP()
};
BEGIN_MESSAGE_MAP(Page, CWnd)
  ON_REGISTERED_MESSAGE(CCommandTool2::WM_CMDTOOL_RUN_COMMAND, &Page::OnRun)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &Page::OnEnter)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2, &Page::OnPick)
  ON_BN_CLICKED(IDOK, &Page::OnOK)
END_MESSAGE_MAP()

enum : UINT { ID_NUMBER = 101, ID_C = 102, ID_P1 = 103, ID_P2 = 104 };

// The sample model's 1F in a plan view with a point at (0, 0), numbered 41, and a beam
// from it to (6, 0), numbered 7.
class MouseEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    doc.NewSampleModel();
    DB_CDataBase* db = doc.GetModelDB();
    auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    auto* pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    auto* memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    const UINT f1 = stor->GetKey("1F", 1);
    model.SetPlanView(f1);
    I_ModelBase::SetCurMySelfST(&model);
    T_PONT_D p;
    p.storyKey = f1, p.number = 41;
    a = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    p.x = 6, p.number = 42;
    b = pont->GetNewKey();
    ASSERT_TRUE(pont->TR_Add(p));
    T_MEMB_D m;
    m.type = 201, m.storyKey = f1, m.number = 7;
    m.points.Add(a);
    m.points.Add(b);
    beam = memb->GetNewKey();
    ASSERT_TRUE(memb->TR_Add(m));
    frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_POINT, TRUE);
    frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, TRUE);

    ASSERT_TRUE(page.CreateEx(0, "#32770", "page", WS_POPUP | WS_VISIBLE, CRect(0, 0, 300, 200), nullptr, 0));
    const UINT ids[] = {ID_NUMBER, ID_C, ID_P1, ID_P2};
    for (int i = 0; i < 4; ++i)
      ASSERT_TRUE(edits[i].Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10 + 25 * i, 150, 30 + 25 * i), &page,
                                  ids[i]));
    ASSERT_TRUE(ok.Create("OK", WS_CHILD | WS_VISIBLE | BS_DEFPUSHBUTTON, CRect(200, 10, 280, 30), &page, IDOK));
  }
  CMouseEdit2& Number() { return edits[0]; }
  CString Text(CWnd& w) {
    CString s;
    w.GetWindowText(s);
    return s;
  }
  void Press(double x, double y) {
    view.MovePointer(x, y, 0);
    view.LButtonDown();
  }

  CDBDoc doc{FALSE};
  I_ModelBase model{&doc};
  I_MainFrameBase frame;
  CViewEventController view;
  Page page;
  CMouseEdit2 edits[4];
  CButton ok;
  UINT a = 0, b = 0, beam = 0;
};

TEST_F(MouseEdit, APickGivesTheNumberOfTheSnappedObjectOfItsKind) {
  struct Case {
    int kind;
    double x, y;  // (0, 0) snaps point a, (3, 0) the beam, (3, 3) nothing
    const char* text;  // NULL: the object's key (nodes and elements are numbered so)
  } cases[] = {
      {14, 0, 0, "41"},    {14, 3, 0, ""},       {17, 3, 0, "7"}, {17, 0, 0, ""}, {22, 0, 0, nullptr},
      {24, 3, 0, nullptr}, {22, 3, 0, ""},       {14, 3, 3, ""},  {6, 3, 3, "3, 3, 9"}, {0, 0, 0, ""},
  };
  for (const Case& c : cases) {
    Number().SetWindowText("");
    Number().SetParamType(c.kind, 1, 1);
    Number().SetFocus();
    ASSERT_EQ(view.GetCurEventHandlerItem(), &Number()) << "the focus makes the edit current";
    page.log.clear();
    Press(c.x, c.y);
    const std::string want = c.text ? c.text : std::to_string(c.kind == 22 ? a : beam);
    EXPECT_STREQ(Text(Number()), want.c_str()) << c.kind << " at " << c.x << "," << c.y;
    EXPECT_EQ(page.Log(), want.empty() ? "" : "run 101") << c.kind;
    page.SetFocus();
  }
}

TEST_F(MouseEdit, PositionsChainFromCToP1ToP2AndThenRun) {
  CMouseEdit2 &c = edits[1], &p1 = edits[2], &p2 = edits[3];
  c.SetParamType(6, 3, 0);
  c.SetNextCtrl(&p1);
  p1.SetParamType(6, 3, 0);
  p1.SetNextCtrl(&p2);
  p2.SetParamType(6, 3, 1);
  c.SetLButtonDownNotifyWindow(&page);
  c.SetFocus();
  Press(6.1, 0.05);  // snaps point b
  EXPECT_STREQ(Text(c), "6, 0, 9");
  EXPECT_EQ(CWnd::GetFocus(), &p1);
  EXPECT_EQ(view.GetCurEventHandlerItem(), &p1);
  Press(2.5, 2.5);  // nothing snapped: the pointer itself, global
  EXPECT_STREQ(Text(p1), "2.5, 2.5, 9");
  EXPECT_EQ(view.GetCurEventHandlerItem(), &p2);
  EXPECT_EQ(page.Log(), "pick 102");
  Press(0.25, 0.5);
  EXPECT_STREQ(Text(p2), "0.25, 0.5, 9");
  EXPECT_EQ(page.Log(), "pick 102, run 104");
  double x, y, z;
  EXPECT_TRUE(CStrParser::GetPosition(Text(p2), x, y, z));
  // The next pick starts a new input.
  Press(1, 1);
  EXPECT_STREQ(Text(p2), "1, 1, 9");
}

TEST_F(MouseEdit, PicksAddUpToTheCountAndPauseOrReturnEndTheInput) {
  Number().SetParamType(14, 2, 1);
  Number().SetFocus();
  Press(0, 0);
  EXPECT_STREQ(Text(Number()), "41");
  EXPECT_TRUE(page.log.empty());
  Press(6, 0);
  EXPECT_STREQ(Text(Number()), "41, 42");
  EXPECT_EQ(page.Log(), "run 101");
  CUIntArray numbers;
  EXPECT_TRUE(MyParser::ParsingNodeList(Text(Number()), numbers));
  EXPECT_EQ(numbers.GetSize(), 2);
  // Paused tools take nothing.
  model.SetPaused(TRUE);
  EXPECT_TRUE(CParamTool::GetPauseState());
  Press(0, 0);
  EXPECT_STREQ(Text(Number()), "41, 42");
  model.SetPaused(FALSE);
  // Return ends the input: the next pick replaces the text. The enter window hears it, the
  // dialog's default button does not.
  Press(0, 0);
  Number().SetEnterNotifyWindow(&page);
  CUserDriver user(&page);
  page.log.clear();
  ASSERT_TRUE(user.Key(&Number(), VK_RETURN));
  EXPECT_EQ(page.Log(), "enter 101");
  Press(6, 0);
  EXPECT_STREQ(Text(Number()), "42");
}

TEST_F(MouseEdit, SnapModeChecksTheToolbarButtonOfItsKind) {
  struct Case {
    int kind;
    bool point, memb;
  } cases[] = {{14, true, false}, {22, true, false}, {17, false, true}, {24, false, true}, {6, false, false}};
  for (const Case& c : cases) {
    frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_POINT, FALSE);
    frame.SetCheckToolbarButton(I_MainFrameBase::ID_SNAP_MEMB, FALSE);
    Number().SetParamType(c.kind, 1, 1);
    Number().SetMouseSnapMode();
    EXPECT_EQ(frame.IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_POINT) != FALSE, c.point) << c.kind;
    EXPECT_EQ(frame.IsToolbarButtonChecked(I_MainFrameBase::ID_SNAP_MEMB) != FALSE, c.memb) << c.kind;
  }
  // SetCurParamTool makes the edit current without the focus.
  EXPECT_TRUE(edits[2].SetCurParamTool());
  EXPECT_EQ(view.GetCurEventHandlerItem(), &edits[2]);
}

// An edit of another value: a pick gives the snapped member's type.
class TypeEdit : public CMouseEdit2 {
 protected:
  int PickText(CString& text) const override {
    char kind = 0;
    UINT key = 0;
    if (!GetSnappedObjectKey(kind, key) || kind != 'm') return 0;
    text = "beam";
    return 1;
  }
};

TEST_F(MouseEdit, EndingTheInputStopsPicksUntilTheFocusComesBackAndDerivedEditsGiveTheirOwnText) {
  Number().SetParamType(14, 100, 0);
  Number().SetFocus();
  Press(0, 0);
  Press(6, 0);
  EXPECT_STREQ(Text(Number()), "41, 42");
  Number().EndParamData();
  EXPECT_EQ(view.GetCurEventHandlerItem(), nullptr);
  Press(0, 0);
  EXPECT_STREQ(Text(Number()), "41, 42");
  page.SetFocus();
  Number().SetFocus();
  Press(0, 0);
  EXPECT_STREQ(Text(Number()), "41") << "a new input";

  TypeEdit type;
  ASSERT_TRUE(type.Create(WS_CHILD | WS_VISIBLE, CRect(10, 120, 150, 140), &page, 105));
  type.SetParamType(17, 1, 1);
  type.SetFocus();
  Press(0, 0);
  EXPECT_STREQ(Text(type), "");
  Press(3, 0);
  EXPECT_STREQ(Text(type), "beam");
  EXPECT_EQ(page.Log(), "run 105");
}

}  // namespace
