// The eigenvalue analysis control through the factory: the method and count radios, the
// moved mode-limit group, the refusals of OK, the kept fields, the check-mode colours, and
// the eigenvector counts offered to other modules.
#include "analysis/CCmdAnalEigvDlg.h"

#include <cstdlib>
#include <cstring>

#include "afx/AfxMessageQueue.h"
#include "afx/CDC.h"
#include "db/CClassEigv.h"
#include "db/CClassMdul.h"
#include "db/CClassNllp.h"
#include "db/CClassStor.h"
#include "tests/analysis/DesignSettingsFixture.h"

namespace {

class EigvDlgTest : public DesignSettingsTest {
 protected:
  void SetUp() override {
    DesignSettingsTest::SetUp();
    eigv = static_cast<CClassEigv*>(doc->GetModelDB()->GetClass(CClassEigv::m_nClassID));
  }
  T_EIGV_D Stored() {
    T_EIGV_D r;
    EXPECT_TRUE(eigv->Get(r));
    return r;
  }
  // Opens the dialog, runs the script, presses Cancel if it is still open.
  int Open(const std::function<void(CDialog&, CUserDriver&)>& f) {
    return Run("CCmdAnalEigvDlg", [&](CDialog& d, CUserDriver& user) {
      f(d, user);
      if (CUserDriver::FindDialog(IDD_CMD_ANAL_EIGV)) user.Click(IDCANCEL);
    });
  }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled(); }
  static bool Visible(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowVisible(); }
  static bool Checked(CDialog& d, int id) { return d.IsDlgButtonChecked(id) == 1; }

  CClassEigv* eigv = nullptr;
};

TEST_F(EigvDlgTest, SubspaceForcesUserDefinedAndLanczosEnablesAutomaticAgain) {
  Open([&](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Checked(d, IDC_EIGV_LANCZOS));
    EXPECT_TRUE(Checked(d, IDC_EIGV_AUTO));
    EXPECT_TRUE(Visible(d, IDC_EIGV_LIMIT_BOX));
    EXPECT_FALSE(Visible(d, IDC_EIGV_PARAM_BOX));
    EXPECT_TRUE(Enabled(d, IDC_EIGV_MASS));
    EXPECT_FALSE(Enabled(d, IDC_EIGV_NUM));
    EXPECT_FALSE(Enabled(d, IDC_EIGV_MAX)) << "no limit checked";
    CRect param, limit;
    d.GetDlgItem(IDC_EIGV_PARAM_BOX)->GetWindowRect(&param);
    d.GetDlgItem(IDC_EIGV_LIMIT_BOX)->GetWindowRect(&limit);
    EXPECT_EQ(limit.bottom, param.bottom) << "the mode-limit group ends where the subspace box ends";
    user.Check(IDC_EIGV_LIMIT, 1);
    EXPECT_TRUE(Enabled(d, IDC_EIGV_MAX));

    user.Click(IDC_EIGV_SUBSPACE);
    EXPECT_TRUE(Checked(d, IDC_EIGV_USER));
    EXPECT_FALSE(Enabled(d, IDC_EIGV_AUTO));
    EXPECT_TRUE(Enabled(d, IDC_EIGV_NUM));
    EXPECT_FALSE(Enabled(d, IDC_EIGV_MASS));
    EXPECT_TRUE(Visible(d, IDC_EIGV_PARAM_BOX));
    EXPECT_FALSE(Visible(d, IDC_EIGV_LIMIT_BOX));

    user.Click(IDC_EIGV_LANCZOS);
    EXPECT_TRUE(Enabled(d, IDC_EIGV_AUTO));
    EXPECT_TRUE(Checked(d, IDC_EIGV_USER)) << "user-defined stays chosen";
  });
}

TEST_F(EigvDlgTest, MassParticipationAndDirectionsDecideWhetherOkStores) {
  struct Case {
    bool subspace;
    const char* mass;
    bool dx, dy, rz;
    const char* message;  // nullptr: stored
  } cases[] = {
      {false, "90", true, false, false, nullptr},
      {false, "90.5", true, true, false, "IDS_WG_CMD_EIGV_INPUT_ERROR_NOT_INTEGER"},
      {false, "", true, true, false, "IDS_WG_CMD_EIGV_INPUT_ERROR_NOT_INTEGER"},
      {true, "abc", true, true, false, nullptr},  // user-defined: not read
      {false, "80", false, false, true, "IDS_CMD_EIGV_MPF_DIR_ERROR"},
      {true, "80", false, false, true, "IDS_CMD_EIGV_MPF_DIR_ERROR"},
      {false, "80", false, true, false, nullptr},
  };
  for (const Case& c : cases) {
    eigv->Del();
    AfxClearMessageLog();
    const int r = Open([&](CDialog& d, CUserDriver& user) {
      user.Type(IDC_EIGV_MASS, c.mass);
      user.Check(IDC_EIGV_DX, c.dx);
      user.Check(IDC_EIGV_DY, c.dy);
      user.Check(IDC_EIGV_RZ, c.rz);
      if (c.subspace) user.Click(IDC_EIGV_SUBSPACE);  // hides the directions as checked
      user.Click(IDOK);
      if (c.message && std::string(c.message) == "IDS_WG_CMD_EIGV_INPUT_ERROR_NOT_INTEGER") {
        EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_EIGV_MASS)) << c.mass;
      }
    });
    if (c.message) {
      EXPECT_EQ(r, IDCANCEL) << c.mass;
      EXPECT_EQ(LastMessage(), Key(c.message)) << c.mass;
      EXPECT_EQ(eigv->GetCount(), 0) << "nothing stored: " << c.mass;
    } else {
      EXPECT_EQ(r, IDOK) << c.mass;
      EXPECT_EQ(LastMessage(), "");
      const T_EIGV_D s = Stored();
      EXPECT_EQ(s.type, c.subspace ? 0 : 2);
      if (!c.subspace) {
        EXPECT_EQ(s.massSum, std::atof(c.mass));
      }
      EXPECT_EQ(s.freqMode, c.subspace ? 1 : 0);
    }
  }
}

TEST_F(EigvDlgTest, StoredValuesReopenAndFieldsWithoutControlsAreKept) {
  T_EIGV_D r;
  r.type = 1;
  r.freqMode = 1;
  r.numFreq = 7;
  r.nlnkOn = 1;
  r.nlnkVec = 4;
  r.lcVec[0] = {5, 3, 6};
  r.tol = 0.00001;
  ASSERT_TRUE(eigv->Add(r));
  EXPECT_EQ(Open([&](CDialog& d, CUserDriver& user) {
              EXPECT_TRUE(Checked(d, IDC_EIGV_LANCZOS)) << "type 1 shows Lanczos";
              EXPECT_EQ(Text(d, IDC_EIGV_NUM), "7");
              EXPECT_EQ(Text(d, IDC_EIGV_TOL), "1e-05");
              user.Type(IDC_EIGV_NUM, "250");
              user.Type(IDC_EIGV_ITER, "x");  // does not parse: kept
              user.Click(IDOK);
            }),
            IDOK);
  T_EIGV_D s = Stored();
  EXPECT_EQ(s.type, 1) << "no method clicked: the stored type stays";
  EXPECT_EQ(s.numFreq, 250);
  EXPECT_EQ(s.iterCount, r.iterCount);
  EXPECT_EQ(s.nlnkVec, 4) << "the vectors per link DOF have no control and are kept";
  EXPECT_EQ(s.lcVec[0].lc, 3u);

  Open([&](CDialog&, CUserDriver& user) {
    user.Click(IDC_EIGV_LANCZOS);
    user.Click(IDOK);
  });
  EXPECT_EQ(Stored().type, 2) << "a clicked method is stored";
  doc->Undo();
  EXPECT_EQ(Stored().type, 2) << "undo leaves the plain writes alone";
  EXPECT_EQ(Stored().numFreq, 250);
}

TEST_F(EigvDlgTest, ACountBelowItsSpinIsRefusedWithTheFocusOnIt) {
  Open([&](CDialog& d, CUserDriver& user) {
    user.Click(IDC_EIGV_SUBSPACE);
    user.Type(IDC_EIGV_NUM, "-3");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_CMD_EIGV_ERROR_Negative"));
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_EIGV_NUM));
  });
  EXPECT_EQ(eigv->GetCount(), 0);
}

TEST_F(EigvDlgTest, CheckModeEightDrawsTheCountTextsRed) {
  // The text colour each control gets when it asks the dialog for its colours.
  auto colour = [](CDialog& d, int id) {
    CDC dc;
    dc.SetTextColor(RGB(0, 0, 0));
    d.SendMessage(WM_CTLCOLOR, (WPARAM)&dc, (LPARAM)d.GetDlgItem(id)->GetSafeHwnd());
    return dc.GetTextColor();
  };
  const COLORREF red = RGB(255, 0, 0), black = RGB(0, 0, 0);
  for (int mode : {8, 7, 0}) {
    if (mode) doc->StartTracerMode(mode, CUIntArray());
    Open([&](CDialog& d, CUserDriver&) {
      const COLORREF want = mode == 8 ? red : black;
      EXPECT_EQ(colour(d, IDC_EIGV_NUM), want) << mode;
      EXPECT_EQ(colour(d, IDC_EIGV_MASS), want) << mode;
      EXPECT_EQ(colour(d, IDC_EIGV_MASS_LABEL), want) << mode;
      EXPECT_EQ(colour(d, IDC_EIGV_TOL), black) << mode;
    });
    doc->EndTracerMode();
  }
}

TEST_F(EigvDlgTest, PaintedControlsKeepTheTextColourTheDialogChose) {
  auto colour = [](CDialog& d, int id) {
    CString line = AfxDescribeControl(d.GetDlgItem(id)), value;
    AfxDescribedAttr(line, "textcolor", value);
    return std::string(value.c_str());
  };
  doc->StartTracerMode(8, CUIntArray());
  Open([&](CDialog& d, CUserDriver&) {
    EXPECT_EQ(colour(d, IDC_EIGV_MASS), "FF0000") << "painted when the dialog was shown";
    EXPECT_EQ(colour(d, IDC_EIGV_NUM), "FF0000") << "disabled, still painted";
    EXPECT_EQ(colour(d, IDC_EIGV_DX), "000000");
    doc->EndTracerMode();
    EXPECT_EQ(colour(d, IDC_EIGV_MASS), "FF0000") << "until painted again";
    d.RedrawWindow(nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN);
    AfxPumpMessages();
    EXPECT_EQ(colour(d, IDC_EIGV_MASS), "000000");
  });
}

TEST_F(EigvDlgTest, EigenvectorCountsByTypeAndMode) {
  DB_CDataBase* db = doc->GetModelDB();
  auto* mdul = static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID));
  auto* stor = static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID));
  auto* nllp = static_cast<CClassNllp*>(db->GetClass(CClassNllp::m_nClassID));
  auto* nlnk = static_cast<CClassNlnk*>(db->GetClass(CClassNlnk::m_nClassID));
  // Two towers: eight stories above the base in the first, three in the second.
  if (!mdul->Exist(1)) {
    T_MDUL_D t;
    t.name = "T1";
    ASSERT_TRUE(mdul->TR_Add(t));
  }
  T_MDUL_D t2;
  t2.name = "T2";
  ASSERT_TRUE(mdul->TR_Add(t2));
  const UINT tower2 = mdul->GetCount() > 1 ? 2u : 1u;
  CArray<T_STOR_D> recs;
  const int first = stor->Exist(CClassStor::BASE_STORY) ? 8 : 9;  // the base story counts for none
  for (int i = 0; i < first + 3; ++i) {
    T_STOR_D st;
    st.name.Format("%dF", i);
    st.mdulKey = i < first ? 1 : tower2;
    st.planKey = 0;
    recs.Add(st);
  }
  for (int i = 0; i < recs.GetSize(); ++i) ASSERT_TRUE(stor->TR_Add(recs[i])) << i;
  ASSERT_EQ(stor->GetCountWithoutBase(1) + stor->GetCountWithoutBase(tower2), 11);

  // Two links on a property with three nonlinear DOFs, one on a property that is gone.
  T_NLLP_D p;
  p.Initialize();
  p.name = "LRB";
  std::strcpy(p.nlFlags, "110100");
  ASSERT_TRUE(nllp->TR_Add(p));
  const UINT propKey = nllp->GetKey("LRB");
  for (UINT prop : {propKey, propKey, propKey + 50}) {
    T_NLNK_D l;
    l.pt1 = 1;
    l.pt2 = 2;
    l.nllp = prop;
    ASSERT_TRUE(nlnk->TR_Add(l));
  }
  EXPECT_EQ(CCmdAnalEigvDlg::CalcEigvNlnkForceVectors(), 6);

  T_EIGV_D lc;  // type 1: counts up to the first key 0
  lc.type = 1;
  lc.lcVec[0] = {0, 1, 4};
  lc.lcVec[1] = {0, 2, 5};
  lc.lcVec[2] = {0, 0, 9};
  lc.lcVec[3] = {0, 3, 7};
  struct Case {
    int type, freqMode, numFreq, limitOn, maxModes, nlnkOn, nlnkVec;
    int want;
  } cases[] = {
      {0, 1, 17, 0, 100, 0, 0, 17},  // user-defined: the number
      {2, 1, 9, 0, 100, 0, 0, 9},
      {2, 0, 9, 0, 100, 0, 0, 33},   // automatic: three per story above the base
      {0, 0, 9, 0, 100, 0, 0, 33},
      {2, 0, 9, 1, 20, 0, 0, 20},    // capped by the stored limit
      {1, 0, 9, 0, 100, 0, 2, 9},    // links off
      {1, 0, 9, 0, 100, 1, 2, 21},   // plus 6 DOFs x 2
      {5, 0, 9, 0, 100, 0, 0, 9},    // another type: the number
  };
  for (const Case& c : cases) {
    T_EIGV_D r = lc;
    r.type = c.type;
    r.freqMode = c.freqMode;
    r.numFreq = c.numFreq;
    r.limitOn = c.limitOn;
    r.maxModes = c.maxModes;
    r.nlnkOn = c.nlnkOn;
    r.nlnkVec = c.nlnkVec;
    ASSERT_TRUE(eigv->Add(r));  // the automatic count reads the stored limit
    EXPECT_EQ(CCmdAnalEigvDlg::GetNumEigv(r), c.want) << c.type << " " << c.freqMode << " " << c.limitOn;
  }
}

}  // namespace
