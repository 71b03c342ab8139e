// The view library's stand-ins: the event controller with its current handler and snapped
// object, the current model view's select mode, and the main frame's toolbar buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"
#include "view/I_ViewEventHandlerItem.h"

namespace {

class Handler : public I_ViewEventHandlerItem {
 public:
  explicit Handler(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}
  void OnChangeCurEventHandlerItem(I_ViewEventHandlerItem* pOld, I_ViewEventHandlerItem* pNew) override {
    m_log.push_back(m_name + (pNew == this ? " start" : " end") + (pOld && pNew ? " (swap)" : ""));
  }
  BOOL OnView_LButtonDown() override { return Log("press"); }
  BOOL OnView_LButtonDblClk() override { return Log("dblclick"); }
  BOOL OnView_MouseMove() override { return Log("move"); }
  BOOL OnView_RButtonDown() override { return Log("rpress"); }
  BOOL On_ViewMouseWheel(UINT, short d, CPoint) override { return Log("wheel " + std::to_string(d)); }
  BOOL OnView_KeyDown(UINT c, UINT, UINT) override { return Log("key " + std::to_string(c)); }
  BOOL OnView_NotifyGeneral(UINT c, UINT, UINT) override { return Log("notify " + std::to_string(c)); }
  BOOL Log(const std::string& what) {
    m_log.push_back(m_name + " " + what);
    return TRUE;
  }
  std::vector<std::string>& m_log;
  std::string m_name;
};

TEST(ViewEventController, InstanceExistsWhileAViewHasOne) {
  EXPECT_EQ(CViewEventController::Instance(), nullptr);
  {
    CViewEventController outer;
    EXPECT_EQ(CViewEventController::Instance(), &outer);
    {
      CViewEventController inner;
      EXPECT_EQ(CViewEventController::Instance(), &inner);
    }
    EXPECT_EQ(CViewEventController::Instance(), &outer);
  }
  EXPECT_EQ(CViewEventController::Instance(), nullptr);
}

TEST(ViewEventController, OnlyTheCurrentHandlerHearsEvents) {
  CViewEventController view;
  std::vector<std::string> log;
  Handler a(log, "a");
  EXPECT_EQ(view.GetCurEventHandlerItem(), nullptr);
  ASSERT_TRUE(a.Start());
  a.Start();  // already current: nothing
  view.Move();
  view.LButtonDown();
  view.LButtonDblClk();
  view.RButtonDown();
  view.MouseWheel(-120);
  view.KeyDown(9);
  view.NotifyGeneral(1, 0, 0);
  {
    Handler b(log, "b");
    b.Start();  // ends a
    EXPECT_EQ(view.GetCurEventHandlerItem(), &b);
    view.LButtonDown();
  }
  EXPECT_EQ(view.GetCurEventHandlerItem(), nullptr) << "a destroyed handler is not left current";
  view.LButtonDown();  // nobody hears it
  a.Start();
  a.End();
  view.LButtonDown();
  a.End();  // not current: nothing
  EXPECT_EQ(log, (std::vector<std::string>{"a start", "a move", "a press", "a dblclick", "a rpress", "a wheel -120",
                                           "a key 9", "a notify 1", "a end (swap)", "b start (swap)", "b press",
                                           "a start", "a end"}));
  EXPECT_TRUE(a.IsHover());
}

TEST(ViewEventController, SnappedObject) {
  CViewEventController view;
  int type = -1;
  UINT key = 99;
  EXPECT_FALSE(view.GetSnappedObject(type, key));
  EXPECT_EQ(type, -1) << "untouched when nothing is snapped";
  view.SetSnappedObject(CViewEventController::SNAP_MEMB, 17);
  ASSERT_TRUE(view.GetSnappedObject(type, key));
  EXPECT_EQ(type, (int)CViewEventController::SNAP_MEMB);
  EXPECT_EQ(key, 17u);
  view.ClearSnappedObject();
  EXPECT_FALSE(view.HasSnappedObject());
}

TEST(ModelBase, SelectModeOfTheCurrentView) {
  EXPECT_FALSE(I_ModelBase::IsSelectModeST()) << "no view: not selecting";
  I_ModelBase::SetObjectSelectionModeST(1);  // no view: nothing to set
  {
    I_ModelBase view;
    I_ModelBase::SetCurMySelfST(&view);
    EXPECT_EQ(I_ModelBase::GetCurMySelfST(), &view);
    EXPECT_FALSE(I_ModelBase::IsSelectModeST());
    I_ModelBase::SetObjectSelectionModeST(1);
    EXPECT_TRUE(I_ModelBase::IsSelectModeST());
    I_ModelBase::SetObjectSelectionModeST(-4);
    EXPECT_FALSE(I_ModelBase::IsSelectModeST()) << "negative: off";
    I_ModelBase::SetObjectSelectionModeST(1);
    I_MainFrameBase frame;
    frame.SetSelectModeOff();
    EXPECT_FALSE(view.IsSelectMode());
  }
  EXPECT_EQ(I_ModelBase::GetCurMySelfST(), nullptr) << "a destroyed view is no longer current";
}

TEST(MainFrameBase, ToolbarCheckButtons) {
  EXPECT_EQ(I_MainFrameBase::GetMySelf(), nullptr);
  I_MainFrameBase frame;
  EXPECT_EQ(I_MainFrameBase::GetMySelf(), &frame);
  EXPECT_FALSE(frame.IsToolbarButtonChecked(33001));
  frame.SetCheckToolbarButton(33001, TRUE);
  frame.SetCheckToolbarButton(33002, TRUE);
  frame.SetCheckToolbarButton(33002, FALSE);
  EXPECT_TRUE(frame.IsToolbarButtonChecked(33001));
  EXPECT_FALSE(frame.IsToolbarButtonChecked(33002));
}

// The sample model's 1F (top 9.0, B1 below it up to 4.5) in a plan view, with a few
// objects put on it.
class Snapping : public ::testing::Test {
 public:
  void SetUp() override {
    doc.NewSampleModel();
    DB_CDataBase* db = doc.GetModelDB();
    stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
    pont = static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID));
    memb = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID));
    f1 = stor->GetKey("1F", 1);
    b1 = stor->GetKey("B1", 1);
    model.SetPlanView(f1);
    I_ModelBase::SetCurMySelfST(&model);
  }
  UINT Point(double x, double y, UINT story) {
    T_PONT_D p;
    p.x = x, p.y = y, p.storyKey = story;
    UINT key = pont->GetNewKey();
    return pont->TR_Add(p) ? key : 0;
  }
  UINT Member(int type, std::initializer_list<UINT> points, UINT sect, UINT thik) {
    T_MEMB_D m;
    m.type = type, m.storyKey = f1, m.sectKey = sect, m.thikKey = thik;
    for (UINT p : points) m.points.Add(p);
    UINT key = memb->GetNewKey();
    return memb->TR_Add(m) ? key : 0;
  }
  void Snaps(std::initializer_list<UINT> buttons) {
    for (UINT id : {33054u, 33146u, 33147u, 33785u}) frame.SetCheckToolbarButton(id, FALSE);
    for (UINT id : buttons) frame.SetCheckToolbarButton(id, TRUE);
  }
  CDBDoc doc{FALSE};
  I_ModelBase model{&doc};
  I_MainFrameBase frame;
  CViewEventController view;
  CClassStor* stor = nullptr;
  CClassPont* pont = nullptr;
  CClassMemb* memb = nullptr;
  UINT f1 = 0, b1 = 0;
};

TEST_F(Snapping, PlanCoordinatesAreFromTheStorysTop) {
  double gx, gy, gz;
  model.ConvertUcsToGcs(1, 2, -1, gx, gy, gz);
  EXPECT_DOUBLE_EQ(gx, 1.0);
  EXPECT_DOUBLE_EQ(gy, 2.0);
  EXPECT_DOUBLE_EQ(gz, 8.0);
  EXPECT_DOUBLE_EQ(model.GetLevelOffset(), 0.0);
  EXPECT_EQ(stor->GetCurStor(), f1) << "the plan view's story becomes the current one";
  model.Set3DView();
  model.ConvertUcsToGcs(1, 2, -1, gx, gy, gz);
  EXPECT_DOUBLE_EQ(gz, -1.0);
  EXPECT_DOUBLE_EQ(model.GetLevelOffset(), 9.0);
  EXPECT_FALSE(model.IsPerspectiveView());
  frame.SetCheckToolbarButton(33023, TRUE);
  EXPECT_TRUE(model.IsPerspectiveView());
  model.SetPlanView();
  EXPECT_FALSE(model.IsPerspectiveView()) << "a plan view has no perspective";
}

TEST_F(Snapping, FirstMatchOfTheToolbarsSwitches) {
  UINT a = Point(0, 0, f1), b = Point(6, 0, f1), c = Point(6, 6, f1), d = Point(0, 6, f1);
  UINT below = Point(10, 10, b1);
  UINT beam = Member(201, {a, b}, 2, 0), slab = Member(301, {a, b, c, d}, 0, 1);
  ASSERT_NE(beam, 0u);
  ASSERT_NE(slab, 0u);
  ASSERT_NE(below, 0u);
  const UINT P = 33147, M = 33146, T = 33785, G = 33054;
  struct Case {
    std::initializer_list<UINT> snaps;
    double x, y;
    int type;
    UINT key;
    double sx, sy;
  };
  const Case cases[] = {
      {{P}, 0.15, 0, 1, a, 0, 0},           // a point within 0.2 m
      {{P}, 0.25, 0, 0, 0, 0.25, 0},        // not beyond
      {{P, M}, 6.1, 0.1, 1, b, 6, 0},       // a point and a member in reach: the point
      {{M}, 3, 0.15, 2, beam, 3, 0},        // the beam's axis: the nearest point on it
      {{M}, 3, 3, 2, slab, 3, 3},           // the slab's interior
      {{P}, 10, 10, 0, 0, 10, 10},          // another story's point
      {{T}, 0.1, 3.1, 0, 0, 0, 3},          // a tracing-line segment's centre
      {{G}, 2.4, 3.6, 0, 0, 2, 4},          // the 1 m grid
      {{}, 2.4, 3.6, 0, 0, 2.4, 3.6},       // nothing on: the pointer itself
      {{P, M, T, G}, 20.3, 30.6, 0, 0, 20, 31},
  };
  for (const Case& k : cases) {
    Snaps(k.snaps);
    view.MovePointer(k.x, k.y, 0);
    int type = 0;
    UINT key = 0;
    view.GetSnappedObject(type, key);
    EXPECT_EQ(type, k.type) << k.x << "," << k.y;
    EXPECT_EQ(key, k.key) << k.x << "," << k.y;
    double ux, uy, uz, gx, gy, gz;
    view.GetPointer(ux, uy, uz, gx, gy, gz);
    EXPECT_NEAR(ux, k.sx, 1e-12) << k.x << "," << k.y;
    EXPECT_NEAR(uy, k.sy, 1e-12) << k.x << "," << k.y;
    EXPECT_NEAR(gz, 9.0, 1e-12) << k.x << "," << k.y;
  }
  // A 3D view snaps in space: the point below is found at its own level only.
  model.Set3DView();
  Snaps({P});
  view.MovePointer(10, 10, 9.0);
  EXPECT_FALSE(view.HasSnappedObject());
  view.MovePointer(10.1, 10, 4.6);
  int type = 0;
  UINT key = 0;
  ASSERT_TRUE(view.GetSnappedObject(type, key));
  EXPECT_EQ(key, below);
}

}  // namespace
