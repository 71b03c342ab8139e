// The view library's stand-ins: the event controller with its current handler and snapped
// object, the current model view's select mode, and the main frame's toolbar buttons.
#include <gtest/gtest.h>

#include <string>
#include <vector>
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"
#include "view/I_ViewEventHandlerItem.h"

namespace {

class Handler : public I_ViewEventHandlerItem {
 public:
  explicit Handler(std::vector<std::string>& log, const char* name) : m_log(log), m_name(name) {}
  void Start() override { m_log.push_back(m_name + " start"); }
  void End() override { m_log.push_back(m_name + " end"); }
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

TEST(ViewEventController, CurrentHandlerStartsEndsAndForgetsItselfWhenDestroyed) {
  CViewEventController view;
  std::vector<std::string> log;
  Handler a(log, "a");
  EXPECT_EQ(view.GetCurEventHandlerItem(), nullptr);
  view.SetCurEventHandlerItem(&a);
  view.SetCurEventHandlerItem(&a);  // already current: nothing
  {
    Handler b(log, "b");
    view.SetCurEventHandlerItem(&b);
    EXPECT_EQ(view.GetCurEventHandlerItem(), &b);
  }
  EXPECT_EQ(view.GetCurEventHandlerItem(), nullptr) << "a destroyed handler is not left current";
  EXPECT_EQ(log, (std::vector<std::string>{"a start", "a end", "b start"}));
  EXPECT_FALSE(a.OnView_LButtonDown(nullptr, 0, CPoint(1, 2))) << "the defaults use nothing";
}

TEST(ViewEventController, SnappedObject) {
  CViewEventController view;
  int type = -1;
  UINT key = 99;
  EXPECT_FALSE(view.GetSnappedObject(type, key));
  EXPECT_EQ(type, -1) << "untouched when nothing is snapped";
  view.SetSnappedObject(I_ModelBase::MEMBKEY, 17);
  ASSERT_TRUE(view.GetSnappedObject(type, key));
  EXPECT_EQ(type, (int)I_ModelBase::MEMBKEY);
  EXPECT_EQ(key, 17u);
  view.ClearSnappedObject();
  EXPECT_FALSE(view.HasSnappedObject());
}

TEST(ModelBase, SelectModeOfTheCurrentView) {
  EXPECT_FALSE(I_ModelBase::IsSelectModeST()) << "no view: not selecting";
  I_ModelBase::SetObjectSelectionModeST(TRUE);  // no view: nothing to set
  {
    I_ModelBase view;
    I_ModelBase::SetCurMySelfST(&view);
    EXPECT_EQ(I_ModelBase::GetCurMySelfST(), &view);
    EXPECT_FALSE(I_ModelBase::IsSelectModeST());
    I_ModelBase::SetObjectSelectionModeST(TRUE);
    EXPECT_TRUE(I_ModelBase::IsSelectModeST());
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

}  // namespace
