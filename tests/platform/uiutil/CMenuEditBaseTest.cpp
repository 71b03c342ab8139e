// The menu edit: presets chosen from its menu, and the successor that Tab and Return reach.
#include <gtest/gtest.h>

#include <memory>
#include "afx/AfxStyles.h"
#include "afx/CUserDriver.h"
#include "afx/CWinApp.h"
#include "uiutil/CMenuEditBase.h"

namespace {

class MenuEdit : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_TRUE(dlg.CreateEx(0, "#32770", "sizes", WS_POPUP | WS_CAPTION | WS_VISIBLE, CRect(0, 0, 300, 200),
                             nullptr, 0));
    for (int i = 0; i < 3; ++i) {
      auto* e = (i < 2) ? static_cast<CEdit*>(&sizes[i]) : &plain;
      ASSERT_TRUE(e->Create(WS_CHILD | WS_VISIBLE | WS_TABSTOP, CRect(10, 10 + 30 * i, 110, 30 + 30 * i), &dlg,
                            (UINT)(100 + i)));
    }
  }
  CWnd dlg;
  CMenuEditBase sizes[2];
  CEdit plain;
};

TEST_F(MenuEdit, ChoosingAPresetTypesItsText) {
  CStringArray presets;
  presets.Add("200");
  presets.Add("300");
  sizes[0].SetList(presets);
  presets.Add("later");  // the edit kept its own copy
  ASSERT_EQ(sizes[0].GetList().GetSize(), 2);
  EXPECT_TRUE(sizes[0].ChooseFromList(1));
  CString text;
  sizes[0].GetWindowText(text);
  EXPECT_STREQ(text, "300");
  EXPECT_FALSE(sizes[0].ChooseFromList(2));
  EXPECT_FALSE(sizes[0].ChooseFromList(-1));
  sizes[0].GetWindowText(text);
  EXPECT_STREQ(text, "300");
}

TEST_F(MenuEdit, TabAndReturnMoveToTheSuccessorWithItsTextSelected) {
  sizes[0].SetNext(&sizes[1]);
  sizes[1].SetWindowText("450");
  CUserDriver user(&dlg);
  for (UINT vk : {VK_TAB, VK_RETURN}) {
    sizes[0].SetFocus();
    ASSERT_TRUE(user.Key(&sizes[0], vk));
    EXPECT_EQ(CWnd::GetFocus(), &sizes[1]) << vk;
    int a = -1, b = -1;
    sizes[1].GetSel(a, b);
    EXPECT_EQ(a, 0);
    EXPECT_EQ(b, 3);
  }
  // A successor the user cannot reach is passed over.
  sizes[1].EnableWindow(FALSE);
  sizes[0].SetFocus();
  user.Key(&sizes[0], VK_TAB);
  EXPECT_NE(CWnd::GetFocus(), &sizes[1]);
}

}  // namespace
