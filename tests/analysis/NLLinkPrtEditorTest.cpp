// The link property editor and the property list through their templates and real
// transactions: the editor's checks and what it stores, the controls it enables, and how the
// list follows the table.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CListCtrl.h"
#include "afx/CUserDriver.h"
#include "analysis/CNLLinkPrtItemDlg.h"
#include "analysis/CNLLinkPrtListDlg.h"
#include "db/CClassNllp.h"
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"

namespace {

using Actions = std::function<void(CDialog&, CUserDriver&)>;

// OK, and Cancel when OK was refused with a message.
void OkOrCancel(CUserDriver& user) {
  const int shown = AfxGetMessageCount();
  user.Click(IDOK);
  if (AfxGetMessageCount() > shown) user.Click(IDCANCEL);
}

class NLLinkPrtEditorTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    nllp = static_cast<CClassNllp*>(doc->GetModelDB()->GetClass(CClassNllp::m_nClassID));
    AfxClearMessageLog();
  }
  void TearDown() override {
    AfxClearScriptQueue();
    doc.reset();
    app.reset();
  }
  static void Queue(const Actions& actions) {
    AfxQueueDialogScript([actions](CDialog& d) {
      CUserDriver user(&d);
      actions(d, user);
    });
  }
  INT_PTR RunEditor(const Actions& actions, UINT modifyKey = 0) {
    Queue(actions);
    CNLLinkPrtItemDlg dlg;
    T_NLLP_D rec;
    if (modifyKey && nllp->Get(modifyKey, rec)) dlg.SetModifyData(modifyKey, rec);
    return dlg.DoModal();
  }
  UINT Add(const std::function<void(T_NLLP_D&)>& f) {
    T_NLLP_D r;
    f(r);
    EXPECT_TRUE(nllp->TR_Add(r));
    return nllp->GetKey(r.name);
  }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassNllp* nllp = nullptr;
};

// A force-type link of property type `type` with the DOFs lin linear and nl nonlinear; each
// DOF dialog that opens is accepted as it is (valid parameters are typed first).
Actions ForceLink(const char* name, int type, std::vector<int> lin, std::vector<int> nl) {
  return [=](CDialog&, CUserDriver& user) {
    user.Type(IDC_NLLP_NAME, name);
    user.Check(IDC_NLLP_APP_FORCE, 1);
    user.ChooseIndex(IDC_NLLP_TYPE, type);
    for (int dof : lin) user.Check(IDC_NLLP_LIN_DX + dof, 1);
    for (int dof : nl) {
      AfxQueueDialogScript([](CDialog& d) {
        CUserDriver u(&d);
        for (int id : {IDC_NLDOF_K, IDC_NLDOF_FY, IDC_NLDOF_US, IDC_NLDOF_UF, IDC_NLDOF_CD, IDC_NLDOF_V0})
          if (d.GetDlgItem(id)) d.SetDlgItemText(id, "1");
        u.Click(IDOK);
      });
      user.Check(IDC_NLLP_NL_DX + dof, 1);
    }
    OkOrCancel(user);
  };
}

TEST_F(NLLinkPrtEditorTest, TheEditorsChecksInOrder) {
  struct Case {
    const char* what;
    Actions actions;
    const char* refusal;
  };
  auto element = [](const char* dy) {
    return [dy](CDialog&, CUserDriver& user) {
      user.Type(IDC_NLLP_NAME, dy);
      user.Check(IDC_NLLP_LIN_DY, 1);
      user.Check(IDC_NLLP_SHEAR_LOC, 1);
      user.Type(IDC_NLLP_DIST_DY, dy);
      OkOrCancel(user);
    };
  };
  const Case cases[] = {
      {"no name", [](CDialog&, CUserDriver& user) { OkOrCancel(user); }, "IDS_CMD_NLNK_Error_BlankPropertyName"},
      {"no linear DOF",
       [](CDialog&, CUserDriver& user) {
         user.Type(IDC_NLLP_NAME, "a");
         OkOrCancel(user);
       },
       "IDS_CMD_NLNK_Error_LAllUnChk"},
      {"a weight that is no number",
       [](CDialog&, CUserDriver& user) {
         user.Type(IDC_NLLP_NAME, "a");
         user.Type(IDC_NLLP_WEIGHT, "heavy");
         OkOrCancel(user);
       },
       "IDS_CMD_NLNK_Error_Not_Number"},
      {"distance 0", element("0"), nullptr},
      {"distance 1", element("1"), nullptr},
      {"distance 1.0001", element("1.0001"), "IDS_CMD_NLNK_Error_Spring_Location"},
      {"an element link needs no nonlinear DOF", ForceLink("e", 0, {0}, {}), "IDS_CMD_NLNK_Error_LAllUnChk_property"},
      {"friction pendulum Dx and Dy", ForceLink("f1", 5, {0, 1}, {0, 1}), nullptr},
      {"friction pendulum Dy and Dz", ForceLink("f2", 5, {1, 2}, {1, 2}), "IDS_CMD_NLNK_Error_FPSDX"},
      {"friction pendulum Dx alone", ForceLink("f3", 5, {0}, {0}), "IDS_CMD_NLNK_Error_FPSDY"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    AfxClearMessageLog();
    const int count = nllp->GetCount();
    INT_PTR r = RunEditor(c.actions);
    EXPECT_EQ(c.refusal ? IDCANCEL : IDOK, r);
    EXPECT_EQ(c.refusal ? count : count + 1, nllp->GetCount());
    if (c.refusal) {
      EXPECT_EQ(c.refusal, LastMessage());
    }
  }
  // The force-type case without a nonlinear DOF is refused; the same as an element link passes.
  AfxClearMessageLog();
  EXPECT_EQ(IDCANCEL, RunEditor(ForceLink("g", 1, {0}, {})));
  EXPECT_EQ("IDS_CMD_NLNK_Error_LAllUnChk_property", LastMessage());
  EXPECT_EQ(IDOK, RunEditor([](CDialog&, CUserDriver& user) {
              user.Type(IDC_NLLP_NAME, "g");
              user.Check(IDC_NLLP_LIN_DX, 1);
              user.Click(IDOK);
            }));
}

TEST_F(NLLinkPrtEditorTest, ALeadRubberBearingStoresOnlyStiffnessOnItsAxialAndRotationalDofs) {
  ASSERT_EQ(IDOK, RunEditor([](CDialog&, CUserDriver& user) {
              user.Type(IDC_NLLP_NAME, "LRB");
              user.Check(IDC_NLLP_APP_FORCE, 1);
              user.ChooseIndex(IDC_NLLP_TYPE, 4);
              for (int dof : {0, 1, 3}) user.Check(IDC_NLLP_LIN_DX + dof, 1);
              // Dx: the gap dialog, whose opening (hidden) is typed anyway.
              Queue([](CDialog& d, CUserDriver& u) {
                d.SetDlgItemText(IDC_NLDOF_K, "7");
                d.SetDlgItemText(IDC_NLDOF_OPEN, "0.3");
                u.Click(IDOK);
              });
              user.Check(IDC_NLLP_NL_DX, 1);
              // Dy: the lead rubber bearing's shear spring.
              Queue([](CDialog& d, CUserDriver& u) {
                for (int id : {IDC_NLDOF_K, IDC_NLDOF_FY}) d.SetDlgItemText(id, "2");
                u.Click(IDOK);
              });
              user.Check(IDC_NLLP_NL_DY, 1);
              user.Click(IDOK);
            }));
  T_NLLP_D r;
  ASSERT_TRUE(nllp->Get(nllp->GetKey("LRB"), r));
  EXPECT_EQ(4, r.forceType);
  EXPECT_STREQ("110100", r.linFlags);
  EXPECT_STREQ("110000", r.nlFlags);
  EXPECT_EQ(7, r.blk[0].v[0]);
  EXPECT_EQ(0, r.blk[0].v[1]) << "the opening is 0 whatever the gap dialog showed";
  EXPECT_EQ(0, r.blk[3].v[1]);
  EXPECT_EQ(2, r.blk[1].v[1]) << "Dy holds the shear spring's yield strength";
}

TEST_F(NLLinkPrtEditorTest, TheControlsFollowTheTypesAndTheFlags) {
  RunEditor([](CDialog& d, CUserDriver& user) {
    user.Check(IDC_NLLP_LIN_DX, 1);
    user.ChooseIndex(IDC_NLLP_TYPE, 1);  // linear dashpot
    user.Check(IDC_NLLP_LIN_DX, 1);
    EXPECT_FALSE(Enabled(d, IDC_NLLP_STIFF_DX)) << "a dashpot has no stiffness";
    EXPECT_TRUE(Enabled(d, IDC_NLLP_DAMP_DX));
    user.ChooseIndex(IDC_NLLP_TYPE, 0);  // spring
    EXPECT_FALSE(d.IsDlgButtonChecked(IDC_NLLP_LIN_DX)) << "a new type clears the flags";
    user.Check(IDC_NLLP_LIN_DX, 1);
    EXPECT_TRUE(Enabled(d, IDC_NLLP_STIFF_DX));
    EXPECT_FALSE(Enabled(d, IDC_NLLP_DAMP_DX)) << "a spring has no damping";
    EXPECT_FALSE(Enabled(d, IDC_NLLP_NL_DX)) << "an element link has no nonlinear part";

    user.Check(IDC_NLLP_APP_FORCE, 1);
    user.Check(IDC_NLLP_LIN_DY, 1);
    user.Check(IDC_NLLP_SHEAR_LOC, 1);
    user.Type(IDC_NLLP_DIST_DY, "0.2");
    Queue([](CDialog&, CUserDriver& u) { u.Click(IDCANCEL); });
    user.Check(IDC_NLLP_NL_DY, 1);
    EXPECT_TRUE(Enabled(d, IDC_NLLP_PROP_DY));
    user.Check(IDC_NLLP_LIN_DY, 0);
    EXPECT_FALSE(d.IsDlgButtonChecked(IDC_NLLP_NL_DY)) << "no linear flag, no nonlinear flag";
    EXPECT_FALSE(Enabled(d, IDC_NLLP_NL_DY));
    EXPECT_FALSE(Enabled(d, IDC_NLLP_PROP_DY));
    EXPECT_FALSE(d.IsDlgButtonChecked(IDC_NLLP_SHEAR_LOC)) << "neither Dy nor Dz is linear";

    user.Check(IDC_NLLP_APP_ELEM, 1);
    CString dist;
    d.GetDlgItemText(IDC_NLLP_DIST_DY, dist);
    EXPECT_EQ(CString("0.5"), dist) << "another application type starts afresh";
    user.Click(IDCANCEL);
  });
}

TEST_F(NLLinkPrtEditorTest, ModifyKeepsTheKeyAndMendsWhatThePartsLeftOpen) {
  doc->GetUnitCtrl()->SetUnitSystem("N", "mm");
  const UINT key = Add([](T_NLLP_D& r) {
    r.name = "old";
    r.elemType = 3;  // a nonlinear dashpot, which no entry offers
    r.linFlags[0] = '1';
  });
  Add([](T_NLLP_D& r) { r.name = "other"; });
  ASSERT_EQ(IDOK, RunEditor(
                      [](CDialog& d, CUserDriver& user) {
                        EXPECT_FALSE(Enabled(d, IDC_NLLP_APPLY)) << "modify mode";
                        user.Type(IDC_NLLP_NAME, "new");
                        user.Type(IDC_NLLP_WEIGHT, "1000");
                        user.Click(IDOK);
                      },
                      key));
  T_NLLP_D r;
  ASSERT_TRUE(nllp->Get(key, r));
  EXPECT_EQ(CString("new"), r.name) << "the renamed property keeps its key";
  EXPECT_EQ(3, r.elemType) << "kept while no entry is chosen";
  EXPECT_DOUBLE_EQ(1.0, r.weight) << "1000 N typed beside the label N is 1 kN";
  // A refused transaction (a name another property has) keeps the editor open, untold.
  AfxClearMessageLog();
  EXPECT_EQ(IDCANCEL, RunEditor(
                          [](CDialog&, CUserDriver& user) {
                            user.Type(IDC_NLLP_NAME, "other");
                            user.Click(IDOK);
                            user.Click(IDCANCEL);
                          },
                          key));
  EXPECT_EQ(0, AfxGetMessageCount());
}

TEST_F(NLLinkPrtEditorTest, ApplyAddsAndASecondApplyOfTheSameNameIsRefused) {
  EXPECT_EQ(IDCANCEL, RunEditor([](CDialog&, CUserDriver& user) {
              user.Type(IDC_NLLP_NAME, "s");
              user.Check(IDC_NLLP_LIN_DX, 1);
              user.Click(IDC_NLLP_APPLY);
              user.Click(IDC_NLLP_APPLY);
              user.Click(IDCANCEL);
            }));
  EXPECT_EQ(1, nllp->GetCount());
  EXPECT_EQ(0, AfxGetMessageCount());
}

// ---- the list ---------------------------------------------------------------------------------

class NLLinkPrtListTest : public NLLinkPrtEditorTest {
 protected:
  INT_PTR RunList(const Actions& actions) {
    Queue(actions);
    CNLLinkPrtListDlg dlg;
    return dlg.DoModal();
  }
  static CListCtrl& List(CDialog& d) { return *static_cast<CListCtrl*>(d.GetDlgItem(IDC_NLLP_LIST)); }
  static std::vector<std::string> Names(CDialog& d) {
    std::vector<std::string> names;
    for (int i = 0; i < List(d).GetItemCount(); ++i) names.push_back(List(d).GetItemText(i, 0).c_str());
    return names;
  }
  static int Selected(CDialog& d) { return List(d).GetNextItem(-1, LVNI_SELECTED); }
};

TEST_F(NLLinkPrtListTest, DeletingSelectsTheRowAtTheSameIndexOrTheNewLast) {
  for (const char* n : {"a", "b", "c"}) Add([n](T_NLLP_D& r) { r.name = n; });
  RunList([](CDialog& d, CUserDriver& user) {
    user.Click(IDC_NLLP_LIST_DELETE);
    EXPECT_EQ("IDS_CMD_NLNK_Error_No_Select_Property", LastMessage());
    user.Click(IDC_NLLP_LIST_EDIT);
    EXPECT_EQ(2, AfxGetMessageCount()) << "Edit without a row tells it too";
    EXPECT_TRUE(user.SelectRows(IDC_NLLP_LIST, {2}));
    user.Click(IDC_NLLP_LIST_DELETE);
    EXPECT_EQ((std::vector<std::string>{"a", "b"}), Names(d));
    EXPECT_EQ(1, Selected(d)) << "the new last row";
    user.Click(IDC_NLLP_LIST_DELETE);
    user.Click(IDC_NLLP_LIST_DELETE);
    EXPECT_TRUE(Names(d).empty());
    EXPECT_EQ(-1, Selected(d));
    user.Click(IDC_NLLP_LIST_CLOSE);
  });
  EXPECT_EQ(0, nllp->GetCount());
}

TEST_F(NLLinkPrtListTest, ARenameRefillsInTableOrderAndTheUndoOfAnAddRemovesItsRow) {
  for (const char* n : {"a", "b"}) Add([n](T_NLLP_D& r) { r.name = n; });
  RunList([&](CDialog& d, CUserDriver& user) {
    Queue([](CDialog&, CUserDriver& u) {
      u.Type(IDC_NLLP_NAME, "z");
      u.Check(IDC_NLLP_LIN_DX, 1);
      u.Click(IDOK);
    });
    EXPECT_TRUE(user.SelectRows(IDC_NLLP_LIST, {0}));
    user.Click(IDC_NLLP_LIST_EDIT);
    EXPECT_EQ((std::vector<std::string>{"z", "b"}), Names(d));
    EXPECT_EQ(0, Selected(d)) << "the edited row is selected again";
    Queue([](CDialog&, CUserDriver& u) {
      u.Type(IDC_NLLP_NAME, "c");
      u.Check(IDC_NLLP_LIN_DX, 1);
      u.Click(IDOK);
    });
    user.Click(IDC_NLLP_LIST_ADD);
    EXPECT_EQ((std::vector<std::string>{"z", "b", "c"}), Names(d));
    doc->Undo();
    EXPECT_EQ((std::vector<std::string>{"z", "b"}), Names(d)) << "an undo made elsewhere";
    user.Click(IDC_NLLP_LIST_CLOSE);
  });
}

TEST_F(NLLinkPrtListTest, TypeTextsAndATypeOutsideTheTables) {
  Add([](T_NLLP_D& r) {
    r.name = "d2";
    r.elemType = 4;
  });
  Add([](T_NLLP_D& r) {
    r.name = "odd";
    r.appType = 1;
    r.forceType = 9;
  });
  RunList([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(CString("IDS_CMD_NLNK_Spring_Nonlinear_Dashpot2"), List(d).GetItemText(0, 2));
    EXPECT_EQ(CString("IDS_CMD_NLNK_Force"), List(d).GetItemText(1, 1));
    EXPECT_EQ(CString(""), List(d).GetItemText(1, 2)) << "nothing read past the table";
    user.Click(IDC_NLLP_LIST_CLOSE);
  });
}

TEST_F(NLLinkPrtListTest, TheFactoryOpensTheEditorOnAKeyOrForAnAddition) {
  const UINT key = Add([](T_NLLP_D& r) { r.name = "p"; });
  int modify = -1;
  AfxQueueDialogScript([&](CDialog& d) {
    modify = Enabled(d, IDC_NLLP_APPLY) ? 0 : 1;
    d.EndDialog(IDCANCEL);
  });
  ICmdDialog::DoModal("CNLLinkPrtItemDlg", (void*)(uintptr_t)key);
  EXPECT_EQ(1, modify);
  AfxQueueDialogScript([&](CDialog& d) {
    modify = Enabled(d, IDC_NLLP_APPLY) ? 0 : 1;
    d.EndDialog(IDCANCEL);
  });
  ICmdDialog::DoModal("CNLLinkPrtItemDlg", (void*)(uintptr_t)(key + 1));
  EXPECT_EQ(0, modify) << "no such key: add mode";
}

}  // namespace
