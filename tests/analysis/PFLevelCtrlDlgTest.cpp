// The performance-design control through the factory: the code and all-members rules of
// the global page, the sliders, the story-drift page's two groups and its map of edits to
// limits, OK, Cancel and a dialog without a record.
#include "afx/CSliderCtrl.h"
#include "analysis/CCmdPFLevelCtrlDlg.h"
#include "analysis/CCmdPFLevelCtrlStorDrftDlg.h"
#include "tests/analysis/DesignSettingsFixture.h"

namespace {

class PFLevelTest : public DesignSettingsTest {
 protected:
  static CWnd* Page(CDialog& d, int tab) { return static_cast<CCmdPFLevelCtrlDlg&>(d).GetTabCtrl().GetTab(tab); }
  static bool Visible(CWnd* page, int id) { return (page->GetDlgItem(id)->GetStyle() & WS_VISIBLE) != 0; }
  static bool Enabled(CWnd* page, int id) { return page->GetDlgItem(id)->IsWindowEnabled() != 0; }
  T_PFCT_D Stored() {
    T_PFCT_D r;
    EXPECT_TRUE(pfct->Get(r));
    return r;
  }
};

TEST_F(PFLevelTest, TheTallBuildingCodeShowsOnlyTheNote) {
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver& user) {
    CWnd* g = Page(d, 0);
    EXPECT_TRUE(Visible(g, IDC_PF_FREQ_SLIDER));
    EXPECT_TRUE(Visible(g, IDC_PF_ALL_MEMB));
    EXPECT_FALSE(Visible(g, IDC_PF_TALL_NOTE));
    EXPECT_FALSE(Visible(g, IDC_PF_TALL_SLIDER));
    user.Click(IDC_PF_CODE_TALL);
    for (int id : {IDC_PF_FREQ_SLIDER, IDC_PF_RARE, IDC_PF_ALL_MEMB, IDC_PF_TARGET_BOX, IDC_PF_TALL_SLIDER})
      EXPECT_FALSE(Visible(g, id)) << id;
    EXPECT_TRUE(Visible(g, IDC_PF_TALL_NOTE));
    CRect note, box;
    g->GetDlgItem(IDC_PF_TALL_NOTE)->GetWindowRect(&note);
    g->GetDlgItem(IDC_PF_ALL_MEMB)->GetWindowRect(&box);
    EXPECT_EQ(note.left, box.left) << "the note stands where the all-members box was";
    user.Click(IDC_PF_CODE_SEISMIC);
    EXPECT_TRUE(Visible(g, IDC_PF_FREQ_SLIDER));
    EXPECT_FALSE(Visible(g, IDC_PF_TALL_NOTE));
    EXPECT_FALSE(Visible(g, IDC_PF_TALL_SLIDER));
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(pfct->GetCount(), 0) << "Cancel writes nothing";
}

TEST_F(PFLevelTest, AllMembersEnablesTheEarthquakesAndEachSliderItsOwn) {
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver& user) {
    CWnd* g = Page(d, 0);
    EXPECT_FALSE(Enabled(g, IDC_PF_FREQ));
    EXPECT_FALSE(Enabled(g, IDC_PF_FREQ_SLIDER));
    user.Check(IDC_PF_ALL_MEMB, 1);
    EXPECT_TRUE(Enabled(g, IDC_PF_FREQ));
    EXPECT_FALSE(Enabled(g, IDC_PF_FREQ_SLIDER)) << "its earthquake is not checked";
    user.Check(IDC_PF_RARE, 1);
    EXPECT_TRUE(Enabled(g, IDC_PF_RARE_SLIDER));
    EXPECT_FALSE(Enabled(g, IDC_PF_MOD_SLIDER));
    EXPECT_EQ(user.Slide(g->GetDlgItem(IDC_PF_RARE_SLIDER), 9), 1);
    EXPECT_EQ(user.Slide(g->GetDlgItem(IDC_PF_MOD_SLIDER), 2), 0) << "a disabled slider";
    EXPECT_EQ(CWnd::GetCapture(), nullptr) << "the capture is released";
    user.Click(IDC_PF_OK);
  });
  const T_PFCT_D r = Stored();
  EXPECT_EQ(r.allMemb, 1);
  EXPECT_EQ(r.rare, 1);
  EXPECT_EQ(r.freq, 0);
  EXPECT_EQ(r.rareTarget, 3) << "the last position";
  EXPECT_EQ(r.modTarget, 0);
  EXPECT_DOUBLE_EQ(r.drift[11], 1.0) << "the drift tab never opened: the limits as read";
}

TEST_F(PFLevelTest, TheTallBuildingDescriptionFollowsItsSlider) {
  T_PFCT_D r;
  r.tallTarget = 2;
  ASSERT_TRUE(pfct->TR_Add(r));
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver&) {
    EXPECT_EQ(Text(*Page(d, 0), IDC_PF_TALL_DESC), Key("IDS_CMD_PF_GOGYU_DESC_LV_C"));
    d.EndDialog(IDCANCEL);
  });
}

TEST_F(PFLevelTest, EachDriftEditIsItsLimitAndTheRowsFollowTheCodeTheRecordHad) {
  T_PFCT_D r;
  for (int i = 0; i < 12; ++i) r.drift[i] = 1 + i * 0.1;
  for (int i = 0; i < 9; ++i) r.tallDrift[i] = 2 + i * 0.1;
  r.code = 1;
  ASSERT_TRUE(pfct->TR_Add(r));
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver& user) {
    user.Click(IDC_PF_CODE_SEISMIC);
    user.SelectTab(&static_cast<CCmdPFLevelCtrlDlg&>(d).GetTabCtrl(), 1);  // 16557 is a slider on the page too
    CWnd* p = Page(d, 1);
    EXPECT_TRUE(Visible(p, IDC_PF_D_ROW_L5)) << "the code the page opened with";
    EXPECT_FALSE(Visible(p, IDC_PF_D_ROW_P1));
    CRect a, b;
    p->GetDlgItem(IDC_PF_D_L1_FREQ)->GetWindowRect(&a);
    p->GetDlgItem(IDC_PF_D_P1_FREQ)->GetWindowRect(&b);
    EXPECT_EQ(a.left, b.left) << "at the seismic columns' left edges";
    for (int i = 0; i < 9; ++i) {
      char want[16];
      std::snprintf(want, sizeof want, "%g", 2 + i * 0.1);
      EXPECT_EQ(Text(*p, (int)CCmdPFLevelCtrlStorDrftDlg::kTallIDs[i]), want) << i;
    }
    user.Type(IDC_PF_D_L5_RARE, "0.5");
    user.Type(IDC_PF_D_L4_RARE, "abc");
    user.Click(IDC_PF_OK);
  });
  const T_PFCT_D s = Stored();
  EXPECT_EQ(s.code, 0);
  EXPECT_DOUBLE_EQ(s.tallDrift[8], 0.5);
  EXPECT_DOUBLE_EQ(s.tallDrift[7], 2.7) << "a text that is no number keeps its limit";
  EXPECT_DOUBLE_EQ(s.tallDrift[0], 2.0) << "untouched texts keep every digit";
  EXPECT_DOUBLE_EQ(s.drift[11], 2.1);
}

TEST_F(PFLevelTest, TheSeismicRowsMapTheTwelveLimits) {
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver& user) {
    user.SelectTab(&static_cast<CCmdPFLevelCtrlDlg&>(d).GetTabCtrl(), 1);  // 16557 is a slider on the page too
    CWnd* p = Page(d, 1);
    EXPECT_TRUE(Visible(p, IDC_PF_D_ROW_P4));
    EXPECT_FALSE(Visible(p, IDC_PF_D_ROW_L1));
    for (int i = 0; i < 12; ++i) {
      char text[16];
      std::snprintf(text, sizeof text, "%d", i + 2);
      user.Type((int)CCmdPFLevelCtrlStorDrftDlg::kSeismicIDs[i], text);
    }
    user.Click(IDC_PF_OK);
  });
  const T_PFCT_D s = Stored();
  for (int i = 0; i < 12; ++i) EXPECT_DOUBLE_EQ(s.drift[i], i + 2) << i;
  // drift[3]: frequent, level 4; drift[4]: moderate, level 1.
  EXPECT_EQ(CCmdPFLevelCtrlStorDrftDlg::kSeismicIDs[3], (UINT)IDC_PF_D_P4_FREQ);
  EXPECT_EQ(CCmdPFLevelCtrlStorDrftDlg::kSeismicIDs[4], (UINT)IDC_PF_D_P1_MOD);
}

TEST_F(PFLevelTest, WithoutATableNothingShowsAndOkKeepsTheDialogOpen) {
  Run("CCmdPFLevelCtrlDlg", [](CDialog& d, CUserDriver& user) {
    CDBDoc* keep = CDBDoc::m_pDBDoc;
    CDBDoc::m_pDBDoc = nullptr;
    user.Click(IDC_PF_OK);
    CDBDoc::m_pDBDoc = keep;
    EXPECT_NE(CUserDriver::FindDialog(IDD_CMD_PF_LEVEL_CTRL), nullptr);
    (void)d;
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(pfct->GetCount(), 0);
}

}  // namespace
