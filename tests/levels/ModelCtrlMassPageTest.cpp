// The loads-and-mass page in a test host, on the sample model (two towers, load cases DL
// and LL): the group it is handed goes to the controls and back, the story range, the
// enabling rules, the commands to the application, and a page with no group.
#include <gtest/gtest.h>

#include <string>

#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CUserDriver.h"
#include "db/DBField.h"
#include "levels/CModelCtrlDataMassDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

class MassPageTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    doc->NewSampleModel();
    ASSERT_TRUE(host.CreateEx(0, "#32770", "host", WS_POPUP | WS_VISIBLE, CRect(0, 0, 700, 640), nullptr, 0));
  }
  void TearDown() override {
    page.DestroyWindow();
    host.DestroyWindow();
    LevelsTest::TearDown();
  }
  // Makes the page's window on the group (none: no group), shown.
  void Open(T_MCTL_LOAD_MASS* group) {
    if (group) page.SetLoadMass(group);
    ASSERT_TRUE(page.CreatePage(IDD_CMD_MC_MASS, &host, CRect(0, 0, 660, 580)));
    page.ShowWindow(SW_SHOW);
    user.SetDialog(&page);
  }
  std::string Items(int id) {
    auto* c = dynamic_cast<CComboBox*>(page.GetDlgItem(id));
    std::string s;
    for (int i = 0; i < c->GetCount(); ++i) {
      CString t;
      c->GetLBText(i, t);
      s += (s.empty() ? "" : "|") + std::string(t.c_str());
    }
    return s;
  }
  int Sel(int id) { return dynamic_cast<CComboBox*>(page.GetDlgItem(id))->GetCurSel(); }
  bool Enabled(int id) { return page.GetDlgItem(id)->IsWindowEnabled() != 0; }
  bool Checked(int id) { return page.IsDlgButtonChecked(id) != 0; }
  static std::string Dump(const T_MCTL_LOAD_MASS& g) {
    CString s;
    DB_DumpRecord(T_MCTL_LOAD_MASS::Desc(), &g, s);
    return s.c_str();
  }
  UINT Story(const char* name, UINT tower) { return stor->GetKey(name, tower); }

  CWnd host;
  CModelCtrlDataMassDlg page;
  CUserDriver user;
};

TEST_F(MassPageTest, TheGroupGoesToTheControlsAndBackUnchanged) {
  T_MCTL_LOAD_MASS g;
  g.dlCase = 2;
  g.llCase = 1;
  g.selfWeightCase = 2;
  g.constLiveMode = 1;
  g.constLiveLoad = 1.23456789012345;
  g.constLivePercent = 30;
  g.selfWeight = 1;
  g.selfWeightFactor = 1.05;
  g.autoSlabWeight = 0;
  g.patternLive = 1;
  g.patternFromStory = Story("2F", 1);
  g.patternToStory = Story("4F", 1);
  g.patternColumns = 1;
  g.gravityRep = 1;
  g.gravityRepDlFactor = 0.9;
  g.gravityRepLlFactor = 0.4;
  g.selfWeightToMass = 2;
  const std::string before = Dump(g);
  Open(&g);
  EXPECT_EQ("DL|LL", Items(IDC_MASS_DL));
  EXPECT_EQ(1, Sel(IDC_MASS_DL));
  EXPECT_TRUE(Checked(IDC_MASS_CONST_PCT_RADIO));
  EXPECT_FALSE(Checked(IDC_MASS_CONST_LOAD_RADIO));
  EXPECT_TRUE(Enabled(IDC_MASS_CONST_PCT));
  EXPECT_FALSE(Enabled(IDC_MASS_CONST_LOAD));
  // Conversion to mass including the part below ground.
  EXPECT_TRUE(Checked(IDC_MASS_SW_TO_MASS));
  EXPECT_TRUE(Checked(IDC_MASS_BELOW_GROUND));
  EXPECT_FALSE(Checked(IDC_MASS_ABOVE_GROUND));
  EXPECT_EQ(1, Sel(IDC_MASS_PATTERN_COLUMNS));
  EXPECT_EQ(1, page.Dlg2Data());
  EXPECT_EQ(before, Dump(g));

  // The user's choices come back into the group.
  EXPECT_TRUE(user.Choose(IDC_MASS_DL, "DL"));
  EXPECT_TRUE(user.Check(IDC_MASS_ABOVE_GROUND, 1));
  EXPECT_TRUE(user.Check(IDC_MASS_CONST_LOAD_RADIO, 1));
  EXPECT_TRUE(user.Type(IDC_MASS_CONST_LOAD, "2.5"));
  EXPECT_EQ(1, page.Dlg2Data());
  EXPECT_EQ(1u, g.dlCase);
  EXPECT_EQ(1, g.selfWeightToMass);
  EXPECT_EQ(0, g.constLiveMode);
  EXPECT_EQ(2.5, g.constLiveLoad);
  EXPECT_TRUE(user.Check(IDC_MASS_SW_TO_MASS, 0));
  EXPECT_FALSE(Enabled(IDC_MASS_BELOW_GROUND));
  EXPECT_EQ(1, page.Dlg2Data());
  EXPECT_EQ(0, g.selfWeightToMass);

  // A factor that is no number is told; the group keeps what it had.
  AfxClearMessageLog();
  EXPECT_TRUE(user.Type(IDC_MASS_REP_DL, "most"));
  EXPECT_EQ(0, page.Dlg2Data());
  EXPECT_EQ(Text("IDS_CMD_MC_ERROR_Value_Not_Number"), LastMessage());
  EXPECT_EQ(0.9, g.gravityRepDlFactor);
}

TEST_F(MassPageTest, TheEndStoryFollowsTheStartStory) {
  T_MCTL_LOAD_MASS g;
  g.patternLive = 1;
  Open(&g);
  const std::string all = Text("IDS_WG_CMD_MC_ALL_Floor");
  // All stories first, then the stories top-down; all stories to start with.
  EXPECT_EQ(0, Sel(IDC_MASS_PATTERN_FROM));
  EXPECT_EQ(all, Items(IDC_MASS_PATTERN_FROM).substr(0, all.size()));
  EXPECT_EQ(all, Items(IDC_MASS_PATTERN_TO));
  EXPECT_EQ(0, Sel(IDC_MASS_PATTERN_TO));
  EXPECT_FALSE(Enabled(IDC_MASS_PATTERN_TO));

  EXPECT_TRUE(user.Choose(IDC_MASS_PATTERN_FROM, "Tower2:4F"));
  EXPECT_EQ("Tower2:RF|Tower2:5F|Tower2:4F", Items(IDC_MASS_PATTERN_TO));
  EXPECT_EQ(-1, Sel(IDC_MASS_PATTERN_TO));
  EXPECT_TRUE(Enabled(IDC_MASS_PATTERN_TO));
  EXPECT_TRUE(user.Choose(IDC_MASS_PATTERN_TO, "Tower2:5F"));
  EXPECT_EQ(1, page.Dlg2Data());
  EXPECT_EQ(Story("4F", 2), g.patternFromStory);
  EXPECT_EQ(Story("5F", 2), g.patternToStory);

  // Back to all stories: only that entry, disabled.
  EXPECT_TRUE(user.ChooseIndex(IDC_MASS_PATTERN_FROM, 0));
  EXPECT_EQ(all, Items(IDC_MASS_PATTERN_TO));
  EXPECT_FALSE(Enabled(IDC_MASS_PATTERN_TO));
  EXPECT_EQ(1, page.Dlg2Data());
  EXPECT_EQ(0u, g.patternFromStory);
  EXPECT_EQ(0u, g.patternToStory);

  // Without the pattern live load the range is off.
  EXPECT_TRUE(user.Check(IDC_MASS_PATTERN, 0));
  for (int id : {IDC_MASS_PATTERN_FROM, IDC_MASS_PATTERN_TO, IDC_MASS_PATTERN_COLUMNS, IDC_MASS_PATTERN_LABEL})
    EXPECT_FALSE(Enabled(id)) << id;
}

TEST_F(MassPageTest, TheTwoButtonsSendTheApplicationsCommands) {
  T_MCTL_LOAD_MASS g;
  Open(&g);
  app->GetHostMainWnd().ClearCommands();
  EXPECT_TRUE(user.Click(IDC_MASS_WIND_BTN));
  EXPECT_TRUE(user.Click(IDC_MASS_SEISMIC_BTN));
  const auto& cmds = app->GetHostMainWnd().GetCommands();
  ASSERT_EQ(2u, cmds.size());
  EXPECT_EQ(33132u, cmds[0].m_nID);
  EXPECT_EQ(33133u, cmds[1].m_nID);
  EXPECT_FALSE(cmds[0].m_bPosted);
  EXPECT_FALSE(cmds[1].m_bPosted);
}

TEST_F(MassPageTest, APageWithoutAGroupFillsNothingAndReadsNothing) {
  Open(nullptr);
  EXPECT_EQ(-1, Sel(IDC_MASS_DL));
  EXPECT_EQ(0, page.Data2Dlg());
  EXPECT_EQ(0, page.Dlg2Data());
  EXPECT_TRUE(user.Check(IDC_MASS_SELF_WEIGHT, 1));  // the user can still act
  EXPECT_EQ(0, page.Dlg2Data());
}

}  // namespace
