// The rigid-zone dialog through its template and real transactions: the record it opens on,
// the group boxes that enable their controls, what OK stores, when the views are told
// (hint 11), a refused write, and the factory's row.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "analysis/CEtcPzefDlg.h"
#include "db/CClassPzef.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateListener.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "tests/analysis/ModalDlgFixture.h"

namespace {

class EtcPzefDlgTest : public ModalDlgTest<CEtcPzefDlg> {
 protected:
  void SetUp() override {
    ModalDlgTest::SetUp();
    pzef = static_cast<CClassPzef*>(doc->GetModelDB()->GetClass(CClassPzef::m_nClassID));
  }
  void Store(const std::function<void(T_PZEF_D&)>& f) {
    T_PZEF_D p;
    f(p);
    ASSERT_TRUE(pzef->TR_Add(p));
    app->ClearViewHints();
  }
  T_PZEF_D Stored() {
    T_PZEF_D p;
    EXPECT_TRUE(pzef->Get(p));
    return p;
  }

  CClassPzef* pzef = nullptr;
};

TEST_F(EtcPzefDlgTest, AModelWithoutTheRecordOpensOnTheDefaultsAndOkCreatesIt) {
  T_PZEF_D defaults;
  defaults.Initialize();
  T_PZEF_D none;
  ASSERT_FALSE(pzef->Get(none));
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Checked(d, IDC_PZEF_BEAM_BOX));
    EXPECT_TRUE(Checked(d, IDC_PZEF_COLM_BOX));
    EXPECT_EQ("1", TextOf(d, IDC_PZEF_BEAM_FACTOR));
    EXPECT_TRUE(Checked(d, IDC_PZEF_BEAM_BEFORE));
    EXPECT_TRUE(Checked(d, IDC_PZEF_COLM_BEFORE));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  T_PZEF_D p = Stored();
  EXPECT_EQ(defaults.beamFactor, p.beamFactor);
  EXPECT_EQ(defaults.colmForcePos, p.colmForcePos);
  EXPECT_TRUE(app->GetViewHints().empty()) << "nothing the views show changed";
}

TEST_F(EtcPzefDlgTest, TheViewsAreToldWhenAFactorOrAPositionChangesNotForTheSwitchesAlone) {
  struct Case {
    const char* what;
    Script actions;
    bool told;
  } cases[] = {
      {"beam factor", [](CDialog&, CUserDriver& u) { EXPECT_TRUE(u.Type(IDC_PZEF_BEAM_FACTOR, "0.5")); }, true},
      {"column position", [](CDialog&, CUserDriver& u) { EXPECT_TRUE(u.Check(IDC_PZEF_COLM_AFTER, 1)); }, true},
      {"nothing", [](CDialog&, CUserDriver&) {}, false},
      {"column zone off", [](CDialog&, CUserDriver& u) { EXPECT_TRUE(u.Click(IDC_PZEF_COLM_BOX)); }, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    Store([](T_PZEF_D& p) { p.beamFactor = 0.75; });
    const int undo = doc->GetModelDB()->GetUndoCount();
    INT_PTR r = Run([&](CDialog& d, CUserDriver& user) {
      c.actions(d, user);
      EXPECT_TRUE(user.Click(IDOK));
    });
    EXPECT_EQ(IDOK, r);
    EXPECT_EQ(undo + 1, doc->GetModelDB()->GetUndoCount()) << "every OK writes the record";
    EXPECT_EQ(c.told ? std::vector<LPARAM>{11} : std::vector<LPARAM>{}, app->GetViewHints());
  }
  // The switch alone (the last case) is stored all the same.
  EXPECT_EQ(0, Stored().colmRigidZone);
}

TEST_F(EtcPzefDlgTest, AClearedGroupDisablesItsControlsAndKeepsTheirValues) {
  Store([](T_PZEF_D& p) {
    p.beamFactor = 0.6;
    p.beamForcePos = 2;
  });
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.Click(IDC_PZEF_BEAM_BOX));
    for (int id : {IDC_PZEF_BEAM_FACTOR_LABEL, IDC_PZEF_BEAM_FACTOR, IDC_PZEF_BEAM_POS_LABEL, IDC_PZEF_BEAM_BEFORE,
                   IDC_PZEF_BEAM_AFTER})
      EXPECT_FALSE(Enabled(d, id)) << id;
    EXPECT_TRUE(Enabled(d, IDC_PZEF_COLM_FACTOR));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  T_PZEF_D p = Stored();
  EXPECT_EQ(0, p.beamRigidZone);
  EXPECT_EQ(0.6, p.beamFactor);
  EXPECT_EQ(2, p.beamForcePos);
}

TEST_F(EtcPzefDlgTest, APositionOtherThanOneOrTwoShowsAfterAndIsStoredAsTwo) {
  Store([](T_PZEF_D& p) { p.beamForcePos = 3; });
  INT_PTR r = Run([](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(Checked(d, IDC_PZEF_BEAM_AFTER));
    EXPECT_EQ("修正后位置", TextOf(d, IDC_PZEF_BEAM_AFTER));
    EXPECT_TRUE(user.Click(IDOK));
  });
  EXPECT_EQ(IDOK, r);
  EXPECT_EQ(2, Stored().beamForcePos);
}

TEST_F(EtcPzefDlgTest, CancelWritesNothing) {
  Store([](T_PZEF_D&) {});
  const int undo = doc->GetModelDB()->GetUndoCount();
  INT_PTR r = Run([](CDialog&, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_PZEF_BEAM_FACTOR, "0.1"));
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);
  EXPECT_EQ(undo, doc->GetModelDB()->GetUndoCount());
  EXPECT_TRUE(app->GetViewHints().empty());
}

TEST_F(EtcPzefDlgTest, ARefusedWriteIsToldAndTheDialogStaysOpen) {
  OpensTheDialogOnUpdate<CEtcPzefDlg> opener(IDD_CMD_PZEF, IDC_PZEF_BEAM_FACTOR, "0.2");
  opener.ConnectDB(doc->GetModelDB());
  T_PZEF_D p;
  ASSERT_TRUE(pzef->TR_Add(p));  // the listener runs the dialog inside this transaction
  opener.DisconnectDB();
  EXPECT_EQ(IDCANCEL, opener.result);
  EXPECT_EQ(std::string(app->LoadStr("IDS_CMD_PZEF_APPLY_ERROR")), opener.message);
  EXPECT_EQ(1.0, Stored().beamFactor);
  EXPECT_TRUE(app->GetViewHints().empty());
}

TEST_F(EtcPzefDlgTest, AFactorThatIsNoNumberIsTold) {
  Store([](T_PZEF_D&) {});
  INT_PTR r = Run([this](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.Type(IDC_PZEF_COLM_FACTOR, "half"));
    EXPECT_TRUE(user.Click(IDOK));
    EXPECT_EQ(std::string(app->LoadStr("IDS_CMD_PZEF_FACTOR_NOT_NUMBER")), LastMessage());
    EXPECT_EQ(d.GetDlgItem(IDC_PZEF_COLM_FACTOR), CWnd::GetFocus());
    EXPECT_TRUE(user.Click(IDCANCEL));
  });
  EXPECT_EQ(IDCANCEL, r);
}

TEST_F(EtcPzefDlgTest, TheFactoryOpensItPlaced) {
  CRect rc;
  AfxQueueDialogScript([&](CDialog& d) {
    d.GetWindowRect(&rc);
    EXPECT_NE(nullptr, dynamic_cast<CEtcPzefDlg*>(&d));
    CUserDriver(&d).Click(IDOK);
  });
  EXPECT_EQ(IDOK, ICmdDialog::DoModal("CEtcPzefDlg", nullptr));
  CRect area;
  AfxGetMainWnd()->GetClientRect(&area);
  AfxGetMainWnd()->ClientToScreen(&area);
  EXPECT_EQ(CPoint(area.left + 4, area.top + 86), rc.TopLeft());
  T_PZEF_D p;
  EXPECT_TRUE(pzef->Get(p));
}

}  // namespace
