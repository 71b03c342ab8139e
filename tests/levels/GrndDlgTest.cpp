// The basement dialog through its template and real transactions.
#include <gtest/gtest.h>

#include "afx/CSpinButtonCtrl.h"
#include "afx/CUserDriver.h"
#include "levels/CCmdGrndDlg.h"
#include "res/resource.h"
#include "tests/levels/LevelsFixture.h"

namespace {

class GrndDlgTest : public LevelsTest {
 protected:
  void SetUp() override {
    LevelsTest::SetUp();
    AddStories(CClassMdul::MAIN_TOWER, 5);
  }
  // Basement record and model control record as stored before a test acts.
  void Store(int basement, double gl, int released) {
    T_GRND_D g;
    g.basementCount = basement;
    g.groundLevel = gl;
    T_MCTL_D c;
    c.midBeamFactor = 1.7;
    c.loadMass.gravityRepLlFactor = 0.25;
    c.releasedBasementStories = released;
    ASSERT_TRUE(grnd->TR_Add_All(&g, &c));
    counter.transactions = 0;
  }
  // Runs the dialog with the user's actions; the result.
  template <class F>
  INT_PTR Run(F actions) {
    AfxQueueDialogScript([&](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
    CCmdGrndDlg dlg;
    return dlg.DoModal();
  }
  static CString TextOf(CDialog& d, int id) {
    CString s;
    d.GetDlgItem(id)->GetWindowText(s);
    return s;
  }
  static void Range(CDialog& d, int id, int& lo, int& hi) {
    auto* spin = dynamic_cast<CSpinButtonCtrl*>(d.GetDlgItem(id));
    ASSERT_NE(spin, nullptr);
    spin->GetRange32(lo, hi);
  }
  T_GRND_D Grnd() {
    T_GRND_D g;
    EXPECT_TRUE(grnd->Get(g));
    return g;
  }
  T_MCTL_D Mctl() {
    T_MCTL_D c;
    EXPECT_TRUE(mctl->Get(c));
    return c;
  }
};

TEST_F(GrndDlgTest, OkUnchangedWritesNothingWhateverDigitsTheGroundLevelCarries) {
  for (double gl : {1.23456789012345, -0.1 / 3.0, 1e-13}) {
    SCOPED_TRACE(gl);
    Store(2, gl, 1);
    INT_PTR r = Run([](CDialog&, CUserDriver& user) { EXPECT_TRUE(user.Click(IDOK)); });
    EXPECT_EQ(IDOK, r);
    EXPECT_EQ(0, counter.transactions);
    EXPECT_EQ(gl, Grnd().groundLevel);
  }
}

TEST_F(GrndDlgTest, OpensWithTheStoredValuesAndOkUnchangedWritesNothing) {
  Store(2, 4.5, 1);
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ("2", std::string(TextOf(d, IDC_CMD_EDIT_STORY_NUM)));
    EXPECT_EQ("4.5", std::string(TextOf(d, IDC_CMD_EDIT_GL)));
    EXPECT_EQ("1", std::string(TextOf(d, IDC_CMD_EDIT_RELEASE_NUM)));
    EXPECT_EQ("m", std::string(TextOf(d, IDC_CMD_TEXT_GL_UNIT)));
    int lo = -1, hi = -1;
    Range(d, IDC_CMD_SPIN_STORY_NUM, lo, hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(5, hi);  // the stories above the base story
    Range(d, IDC_CMD_SPIN_RELEASE_NUM, lo, hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(2, hi);
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(0, counter.transactions);
  EXPECT_EQ(0, AfxGetMessageCount());
}

TEST_F(GrndDlgTest, LoweringTheBasementLowersTheReleasedCountAndItsRange) {
  Store(3, 0.0, 3);
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_CMD_EDIT_STORY_NUM, "1"));
    EXPECT_EQ("1", std::string(TextOf(d, IDC_CMD_EDIT_RELEASE_NUM)));
    int lo = -1, hi = -1;
    Range(d, IDC_CMD_SPIN_RELEASE_NUM, lo, hi);
    EXPECT_EQ(0, lo);
    EXPECT_EQ(1, hi);
    // Raising it again widens the range and keeps the released count.
    EXPECT_TRUE(user.Type(IDC_CMD_EDIT_STORY_NUM, "4"));
    EXPECT_EQ("1", std::string(TextOf(d, IDC_CMD_EDIT_RELEASE_NUM)));
    Range(d, IDC_CMD_SPIN_RELEASE_NUM, lo, hi);
    EXPECT_EQ(4, hi);
    EXPECT_TRUE(user.Type(IDC_CMD_EDIT_STORY_NUM, "1"));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(1, counter.transactions);
  EXPECT_EQ(1, Grnd().basementCount);
  EXPECT_EQ(1, Mctl().releasedBasementStories);
}

TEST_F(GrndDlgTest, ChangingOnlyTheGroundLevelWritesBothRecordsInOneTransaction) {
  Store(2, 4.5, 1);
  CString before, after;
  ASSERT_TRUE(doc->DumpTable("MCTL", before));
  INT_PTR r = Run([](CDialog&, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_CMD_EDIT_GL, "-1.25"));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(1, counter.transactions);
  EXPECT_EQ((std::vector<int>{CClassGrnd::UR_GRND_MFD, CClassGrnd::UR_GRND_MFS, CClassMctl::UR_MCTL_MFD,
                              CClassMctl::UR_MCTL_MFS}),
            counter.lastCodes);
  EXPECT_EQ(-1.25, Grnd().groundLevel);
  EXPECT_EQ(2, Grnd().basementCount);
  // Every field of the model control record written back as stored.
  ASSERT_TRUE(doc->DumpTable("MCTL", after));
  EXPECT_EQ(std::string(before), std::string(after));
  // One undo step takes both back.
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(4.5, Grnd().groundLevel);
}

TEST_F(GrndDlgTest, GroundLevelIsShownAndReadInTheCurrentLengthUnit) {
  Store(0, 4.5, 0);
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ("4500", std::string(TextOf(d, IDC_CMD_EDIT_GL)));
    EXPECT_EQ("mm", std::string(TextOf(d, IDC_CMD_TEXT_GL_UNIT)));
    EXPECT_TRUE(user.Type(IDC_CMD_EDIT_GL, "300"));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_DOUBLE_EQ(0.3, Grnd().groundLevel);
}

// Values outside 0 <= released <= basement <= stories above the base, or texts that are
// no numbers: a message, the dialog stays open, nothing is written.
TEST_F(GrndDlgTest, CountsOutsideTheirRangesAreRefusedWithAMessage) {
  struct Case {
    const char* story;
    const char* gl;
    const char* released;
    const char* key;
    int value;
  } cases[] = {
      {"6", "0", "0", "IDS_LEVELS_BASEMENT_COUNT_RANGE_d", 5},
      {"-1", "0", "0", "IDS_LEVELS_BASEMENT_COUNT_RANGE_d", 5},
      {"two", "0", "0", "IDS_LEVELS_BASEMENT_COUNT_RANGE_d", 5},
      {"2", "0", "3", "IDS_LEVELS_RELEASED_COUNT_RANGE_d", 2},
      {"2", "0", "-1", "IDS_LEVELS_RELEASED_COUNT_RANGE_d", 2},
      {"2", "x", "0", "IDS_LEVELS_GROUND_LEVEL_NUMBER", 0},
  };
  Store(1, 0.0, 0);
  for (const Case& c : cases) {
    AfxClearMessageLog();
    bool stayedOpen = false;
    INT_PTR r = Run([&](CDialog& d, CUserDriver& user) {
      user.Type(IDC_CMD_EDIT_STORY_NUM, c.story);
      user.Type(IDC_CMD_EDIT_GL, c.gl);
      user.Type(IDC_CMD_EDIT_RELEASE_NUM, c.released);
      user.Click(IDOK);
      stayedOpen = static_cast<CDialog&>(d).IsModalRunning();
    });
    CString expected;
    expected.Format(Text(c.key).c_str(), c.value);
    EXPECT_TRUE(stayedOpen) << c.story << " " << c.released;
    EXPECT_EQ(IDCANCEL, r);
    EXPECT_EQ(std::string(expected), LastMessage()) << c.story << " " << c.released;
    EXPECT_EQ(0, counter.transactions);
  }
  EXPECT_EQ(1, Grnd().basementCount);
}

TEST_F(GrndDlgTest, CancelWritesNothing) {
  Store(1, 0.0, 0);
  INT_PTR r = Run([](CDialog&, CUserDriver& user) {
    user.Type(IDC_CMD_EDIT_STORY_NUM, "3");
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(IDCANCEL, r);
  EXPECT_EQ(0, counter.transactions);
}

// A model without basement and model control records opens with the library's defaults;
// the first OK that changes them creates both.
TEST_F(GrndDlgTest, AModelWithoutTheRecordsCreatesThemOnTheFirstChange) {
  ASSERT_EQ(0, grnd->GetCount());
  ASSERT_EQ(0, mctl->GetCount());
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ("0", std::string(TextOf(d, IDC_CMD_EDIT_STORY_NUM)));
    EXPECT_EQ("0", std::string(TextOf(d, IDC_CMD_EDIT_RELEASE_NUM)));
    user.Type(IDC_CMD_EDIT_STORY_NUM, "2");
    user.Type(IDC_CMD_EDIT_RELEASE_NUM, "2");
    user.Click(IDOK);
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(2, Grnd().basementCount);
  T_MCTL_D defaults;
  defaults.Initialize();
  T_MCTL_D got = Mctl();
  EXPECT_EQ(2, got.releasedBasementStories);
  EXPECT_EQ(defaults.couplingBeamFactor, got.couplingBeamFactor);
  EXPECT_EQ(defaults.codeSet, got.codeSet);
}

}  // namespace
