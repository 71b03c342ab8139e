// The ground level dialog through its template on the main tower's basement stories.
#include <gtest/gtest.h>

#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "levels/CStoryGLevelDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

class StoryGLevelDlgTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    AddStories(CClassMdul::MAIN_TOWER, 6);
  }
  void Basement(int count) {
    T_GRND_D g;
    g.basementCount = count;
    T_MCTL_D c;
    ASSERT_TRUE(grnd->TR_Add_All(&g, &c));
  }
  UINT Story(const char* name) { return stor->GetKey(name, CClassMdul::MAIN_TOWER); }
  template <class F>
  INT_PTR Run(CStoryGLevelDlg& dlg, F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    return dlg.DoModal();
  }
  static std::string TextOf(CDialog& d, int id) {
    CString s;
    d.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
};

TEST_F(StoryGLevelDlgTest, WithoutBasementStoriesTheBoxIsDisabledAndShowsBase) {
  CStoryGLevelDlg dlg(0.0, 0);
  Run(dlg, [&](CDialog& d, CUserDriver& user) {
    EXPECT_FALSE(d.GetDlgItem(IDC_GL_STORY)->IsWindowEnabled());
    EXPECT_EQ(TextOf(d, IDC_GL_STORY), "Base");
    user.Click(IDC_GL_CANCEL);
  });
}

TEST_F(StoryGLevelDlgTest, ANegativeLevelNeedsADeeperStoryAndOkNeedsANumber) {
  Basement(4);
  const UINT deep = Story("4F"), shallow = Story("1F");
  ASSERT_GT(deep, 2u);
  ASSERT_LE(shallow, 2u);
  CStoryGLevelDlg dlg(1.5, shallow);
  EXPECT_EQ(Run(dlg, [&](CDialog& d, CUserDriver& user) {
              EXPECT_EQ(TextOf(d, IDC_GL_STORY_NAME), "1F");
              EXPECT_EQ(TextOf(d, IDC_GL_LEVEL), "1.5");
              // A minus sign on a story of key 2 or less is refused at once.
              AfxClearMessageLog();
              user.Type(IDC_GL_LEVEL, "-");
              EXPECT_EQ(LastMessage(), Text("IDS_CMD_WARNING_Value_must_gt_lowest_story_or_eq_zero"));
              EXPECT_EQ(TextOf(d, IDC_GL_LEVEL), "0");
              // Letters: OK keeps the dialog open.
              user.Type(IDC_GL_LEVEL, "abc");
              user.Click(IDC_GL_OK);
              EXPECT_EQ(LastMessage(), Text("IDS_WG_CMD_MC_WARNING_Input_is_digit"));
              EXPECT_EQ(TextOf(d, IDC_GL_LEVEL), "0");
              ASSERT_TRUE(d.IsWindowVisible());
              // A deeper story takes a negative level.
              ASSERT_TRUE(user.Choose(IDC_GL_STORY, "4F"));
              EXPECT_EQ(TextOf(d, IDC_GL_STORY_NAME), "4F");
              AfxClearMessageLog();
              user.Type(IDC_GL_LEVEL, "-300");
              EXPECT_EQ(AfxGetMessageCount(), 0);
              user.Click(IDC_GL_OK);
            }),
            IDOK);
  EXPECT_DOUBLE_EQ(dlg.GetGroundLevel(), -300);
  EXPECT_EQ(dlg.GetRefStorKey(), deep);

  CStoryGLevelDlg kept(2.0, deep);
  EXPECT_EQ(Run(kept, [&](CDialog&, CUserDriver& user) {
              user.Type(IDC_GL_LEVEL, "7");
              user.Click(IDC_GL_CANCEL);
            }),
            IDCANCEL);
  EXPECT_DOUBLE_EQ(kept.GetGroundLevel(), 2.0) << "Cancel leaves the values";
  EXPECT_EQ(kept.GetRefStorKey(), deep);
}

}  // namespace
