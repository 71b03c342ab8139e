// The degree-of-freedom dialogs of the nonlinear link properties through their templates:
// which inputs each accepts or refuses (and with which key), what they store, the units of
// translational and rotational DOFs, and the layouts the damper model and the isolators
// choose.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CNLLinkPrtDofDlg.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "res/resource.h"

namespace {

using Actions = std::function<void(CDialog&, CUserDriver&)>;

class NLLinkPrtDofDlgTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  // Runs dlg on DOF dof with block values (the rest of the block as initialised).
  INT_PTR Run(CNLLinkPrtDofDlg& dlg, int dof, const std::vector<double>& block, const Actions& actions) {
    T_NLLP_D rec;
    for (size_t i = 0; i < block.size(); ++i) rec.blk[dof].v[i] = block[i];
    dlg.SetDof(dof);
    dlg.SetRecord(rec);
    AfxQueueDialogScript([actions](CDialog& d) {
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
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
};

// Types into the edits, presses OK; a refused OK is answered by Cancel.
Actions TypeAndOk(std::vector<std::pair<int, const char*>> typed) {
  return [typed](CDialog& d, CUserDriver& user) {
    for (auto& [id, text] : typed) d.SetDlgItemText(id, text);
    const int shown = AfxGetMessageCount();
    user.Click(IDOK);
    if (AfxGetMessageCount() > shown) user.Click(IDCANCEL);
  };
}

TEST_F(NLLinkPrtDofDlgTest, EachDialogAcceptsOrRefusesByItsChecks) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<CNLLinkPrtDofDlg>()> make;
    std::vector<double> block;
    std::vector<std::pair<int, const char*>> typed;
    const char* refusal;  // nullptr: accepted
  };
  auto hyst = [] { return std::make_unique<CNLLinkPrtHystDlg>(); };
  auto gap = [] { return std::make_unique<CNLLinkPrtGapDlg>(); };
  auto hook = [] { return std::make_unique<CNLLinkPrtHookDlg>(); };
  auto visc = [] { return std::make_unique<CNLLinkPrtViscDlg>(); };
  auto fric = [] { return std::make_unique<CNLLinkPrtFricDlg>(); };
  const std::vector<double> hs = {10, 5, 0.5, 2, 0.5, 0.5};
  const std::vector<double> vd = {1, 2, 0.5, 3, 4, 0};
  const std::vector<double> fp = {10, 0.1, 0.2, 1, 2, 0.5, 0.5};
  const Case cases[] = {
      {"hysteretic r = 1, s = 1", hyst, hs, {{IDC_NLDOF_R, "1"}, {IDC_NLDOF_S, "1"}}, nullptr},
      {"hysteretic s = 0.99", hyst, hs, {{IDC_NLDOF_S, "0.99"}}, "IDS_WG_CMD_ETC_Error_YieldingExponent"},
      {"hysteretic r = 1.01", hyst, hs, {{IDC_NLDOF_R, "1.01"}}, "IDS_WG_CMD_ETC_Error_PostYieldRatio"},
      {"gap opening 0", gap, {5, 1}, {{IDC_NLDOF_OPEN, "0"}}, nullptr},
      {"gap stiffness 0", gap, {5, 1}, {{IDC_NLDOF_K, "0"}}, "IDS_WG_CMD_ETC_Error_Stiffness_gt_zero"},
      {"hook opening -0.1", hook, {5, 1}, {{IDC_NLDOF_OPEN, "-0.1"}}, "IDS_WG_CMD_ETC_Error_Open_cannot_negative_value"},
      {"Maxwell kb 0", visc, vd, {{IDC_NLDOF_KB, "0"}}, "IDS_CMD_NLNK_Error_BraceStiffness"},
      {"Kelvin kb 0", visc, {1, 2, 0.5, 3, 4, 1}, {{IDC_NLDOF_KB, "0"}}, nullptr},
      {"damper kd -1, checked whatever the model", visc, vd, {{IDC_NLDOF_KD, "-1"}},
       "IDS_CMD_NLNK_Error_DamperStiffness"},
      {"friction r = 0 and R = 0", fric, fp, {{IDC_NLDOF_RATE, "0"}, {IDC_NLDOF_RADIUS, "0"}}, nullptr},
      {"friction us = 0", fric, fp, {{IDC_NLDOF_US, "0"}},
       "IDS_WG_CMD_ETC_Error_Friction_Coefficient_greater_than_zero"},
      {"a stiffness that is no number", hyst, hs, {{IDC_NLDOF_K, "1e"}}, "IDS_CMD_NLNK_Error_Not_Number"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AfxClearMessageLog();
    auto dlg = c.make();
    INT_PTR r = Run(*dlg, 1, c.block, TypeAndOk(c.typed));
    if (c.refusal) {
      EXPECT_EQ(IDCANCEL, r);
      EXPECT_EQ(c.refusal, LastMessage());
    } else {
      EXPECT_EQ(IDOK, r);
      EXPECT_EQ(0, AfxGetMessageCount());
    }
  }
}

TEST_F(NLLinkPrtDofDlgTest, TheDamperStoresItsModelAndZeroForTheHiddenStiffness) {
  CNLLinkPrtViscDlg kelvin;
  ASSERT_EQ(IDOK, Run(kelvin, 0, {1, 2, 0.5, 3, 4, 1}, TypeAndOk({{IDC_NLDOF_KB, "0"}})));
  const T_NLLP_BLOCK& k = kelvin.GetRecord().blk[0];
  EXPECT_EQ(1, k.v[0]) << "kd";
  EXPECT_EQ(0, k.v[3]) << "kb of a Kelvin damper";
  EXPECT_EQ(1, k.v[5]) << "the model";
  CNLLinkPrtViscDlg maxwell;
  ASSERT_EQ(IDOK, Run(maxwell, 0, {7, 2, 0.5, 3, 4, 0}, TypeAndOk({})));
  EXPECT_EQ(0, maxwell.GetRecord().blk[0].v[0]) << "kd of a Maxwell damper";
  EXPECT_EQ(3, maxwell.GetRecord().blk[0].v[3]);
}

TEST_F(NLLinkPrtDofDlgTest, TheDamperModelLaysOutItsRows) {
  CNLLinkPrtViscDlg dlg;
  Run(dlg, 0, {1, 2, 0.5, 3, 4, 0}, [](CDialog& d, CUserDriver& user) {
    auto top = [&](int id) {
      CRect r;
      d.GetDlgItem(id)->GetWindowRect(&r);
      return r;
    };
    EXPECT_FALSE(d.GetDlgItem(IDC_NLDOF_KD)->IsWindowVisible()) << "Maxwell hides the kd row";
    EXPECT_TRUE(d.GetDlgItem(IDC_NLDOF_KB)->IsWindowVisible());
    EXPECT_EQ(top(IDC_NLDOF_KD).top, top(IDC_NLDOF_CD).top) << "Cd takes the place of kd";
    EXPECT_TRUE(user.Check(IDC_NLDOF_KELVIN, 1));
    EXPECT_TRUE(d.GetDlgItem(IDC_NLDOF_KD)->IsWindowVisible());
    EXPECT_FALSE(d.GetDlgItem(IDC_NLDOF_KB)->IsWindowVisible()) << "Kelvin hides the kb row";
    EXPECT_EQ(top(IDC_NLDOF_KD).bottom + 3, top(IDC_NLDOF_CD).top);
    user.Click(IDCANCEL);
  });
}

TEST_F(NLLinkPrtDofDlgTest, RotationalDofsShowTheRotationalUnits) {
  struct Case {
    const char* what;
    std::function<std::unique_ptr<CNLLinkPrtDofDlg>()> make;
    int label;
    const char* translational;
    const char* rotational;
  } cases[] = {
      {"gap stiffness", [] { return std::make_unique<CNLLinkPrtGapDlg>(); }, IDC_NLDOF_K_UNIT, "kN/m", "kN*m/rad"},
      {"gap opening", [] { return std::make_unique<CNLLinkPrtGapDlg>(); }, IDC_NLDOF_OPEN_UNIT, "m", "rad"},
      {"hook opening", [] { return std::make_unique<CNLLinkPrtHookDlg>(); }, IDC_NLDOF_OPEN_UNIT, "m", "rad"},
      {"yield strength", [] { return std::make_unique<CNLLinkPrtHystDlg>(); }, IDC_NLDOF_FY_UNIT, "kN", "kN*m"},
      {"reference velocity", [] { return std::make_unique<CNLLinkPrtViscDlg>(); }, IDC_NLDOF_V0_UNIT, "m/sec",
       "rad/sec"},
  };
  for (const Case& c : cases) {
    for (int dof : {0, 3}) {
      SCOPED_TRACE(std::string(c.what) + (dof ? " Rx" : " Dx"));
      auto dlg = c.make();
      Run(*dlg, dof, {1, 1, 0.5, 1, 1}, [&](CDialog& d, CUserDriver& user) {
        EXPECT_EQ(dof ? c.rotational : c.translational, TextOf(d, c.label));
        user.Click(IDCANCEL);
      });
    }
  }
}

TEST_F(NLLinkPrtDofDlgTest, ValuesAreShownAndReadInTheLabelsUnits) {
  doc->GetUnitCtrl()->SetUnitSystem("N", "mm");
  CNLLinkPrtHookDlg dlg;
  ASSERT_EQ(IDOK, Run(dlg, 0, {5, 0.002}, [](CDialog& d, CUserDriver& user) {
              EXPECT_EQ("5", TextOf(d, IDC_NLDOF_K)) << "5 kN/m is 5 N/mm";
              EXPECT_EQ("2", TextOf(d, IDC_NLDOF_OPEN)) << "0.002 m";
              EXPECT_TRUE(user.Type(IDC_NLDOF_OPEN, "3"));
              user.Click(IDOK);
            }));
  EXPECT_DOUBLE_EQ(0.003, dlg.GetRecord().blk[0].v[1]);
}

TEST_F(NLLinkPrtDofDlgTest, TheGapAdaptsItselfToTheIsolators) {
  struct Case {
    int type, dof;
    bool visible, enabled;
    UINT picture;
  } cases[] = {
      {1, 0, true, true, IDB_NLDOF_GAP1},   {4, 0, false, true, IDB_NLDOF_ISO2},
      {4, 3, false, true, IDB_NLDOF_ISO2},  {5, 0, true, false, IDB_NLDOF_GAP1},
      {5, 4, false, true, IDB_NLDOF_ISO2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.type) + "/" + std::to_string(c.dof));
    CNLLinkPrtGapDlg dlg;
    dlg.SetPropertyType(c.type);
    Run(dlg, c.dof, {5, 0.25}, [&](CDialog& d, CUserDriver& user) {
      EXPECT_EQ(c.visible, d.GetDlgItem(IDC_NLDOF_OPEN)->IsWindowVisible() != 0);
      EXPECT_EQ(c.enabled, d.GetDlgItem(IDC_NLDOF_OPEN)->IsWindowEnabled() != 0);
      EXPECT_EQ("0.25", TextOf(d, IDC_NLDOF_OPEN)) << "the stored opening, shown after the layout";
      CString line = AfxDescribeControl(d.GetDlgItem(IDC_NLDOF_PIC1));
      EXPECT_NE(line.Find(CString("image=") + std::to_string(c.picture).c_str()), -1) << line.c_str();
      user.Click(IDCANCEL);
    });
  }
}

}  // namespace
