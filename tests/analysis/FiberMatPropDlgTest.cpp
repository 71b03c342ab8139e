// The fiber material editor and list through their templates and real transactions: the
// panels and pictures of the nine models, the trilinear input forms and their conversions as
// the user sees them, what OK and Apply store, and how the list follows the table.
#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "afx/CComboBox.h"
#include "afx/CWnd.h"
#include "afx/CEdit.h"
#include "afx/CListCtrl.h"
#include "afx/CStatic.h"
#include "afx/CUserDriver.h"
#include "analysis/CCMFiberMatPropItemDlg.h"
#include "analysis/CCMFiberMatPropListDlg.h"
#include "db/CClassFimp.h"
#include "db/CClassNllp.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "frame/ICmdDialog.h"
#include "host/CHostApp.h"
#include "res/resource.h"
#include "ui/CDBUpdateConnector.h"

namespace {

using Actions = std::function<void(CDialog&, CUserDriver&)>;

class FiberMatPropTest : public ::testing::Test {
 protected:
  void SetUp() override {
    app = std::make_unique<CHostApp>();
    doc = std::make_unique<CDBDoc>();
    fimp = static_cast<CClassFimp*>(doc->GetModelDB()->GetClass(CClassFimp::m_nClassID));
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
  // The editor through the factory: a key the table holds opens it in modify mode.
  INT_PTR RunEditor(const Actions& actions, UINT key = 0) {
    Queue(actions);
    const INT_PTR r = ICmdDialog::DoModal("CCMFiberMatPropItemDlg", (void*)(uintptr_t)key);
    EXPECT_EQ(0, AfxGetQueuedScriptCount()) << "the dialog took its script";
    AfxClearScriptQueue();
    return r;
  }
  UINT Add(const char* name, int kind, int model, std::vector<double> param = {}) {
    T_FIMP_D r;
    r.name = name;
    r.kind = kind;
    r.model = model;
    for (size_t i = 0; i < param.size() && i < FIMP_PARAMS; ++i) r.param[i] = param[i];
    EXPECT_TRUE(fimp->TR_Add(r));
    return fimp->GetKey(r.name);
  }
  T_FIMP_D Stored(const char* name) {
    T_FIMP_D r;
    EXPECT_TRUE(fimp->Get(fimp->GetKey(name), r)) << name;
    return r;
  }
  static std::string Text(CDialog& d, int id) {
    CString s;
    d.GetDlgItem(id)->GetWindowText(s);
    return s.c_str();
  }
  static bool Visible(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowVisible() != 0; }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }
  static CComboBox& Combo(CDialog& d, int id) { return *static_cast<CComboBox*>(d.GetDlgItem(id)); }
  static int Picture(CDialog& d) { return static_cast<CStatic*>(d.GetDlgItem(IDC_FIMP_PICTURE))->GetBitmapId(); }
  static std::string LastMessage() {
    const AFX_MESSAGE_RECORD* m = AfxGetLastMessage();
    return m ? m->text.c_str() : "";
  }
  std::string LastOutput() const {
    const CHostMessage* m = app->GetMessages().LastOutput();
    return m ? m->m_strText.c_str() : "";
  }
  static void Choose(CUserDriver& user, int kind, int model) {
    user.ChooseIndex(IDC_FIMP_MATL_TYPE, kind);
    user.ChooseIndex(IDC_FIMP_MODEL, model);
  }

  std::unique_ptr<CHostApp> app;
  std::unique_ptr<CDBDoc> doc;
  CClassFimp* fimp = nullptr;
};

// One model of the combos: its group box, the first edit of its panel, its picture and its
// block's defaults in slot order.
struct ModelCase {
  int kind, model;
  UINT group, firstEdit, picture;
  void (*init)(double* p);
};
template <class Block>
void Defaults(double* p) {
  Block b;
  b.Initialize();
  b.ToParam(p);
}
const ModelCase kModels[] = {
    {0, 0, IDC_FIMP_KP_GROUP, IDC_FIMP_KP_FC, IDB_FIMP_KENT_PARK, Defaults<T_FIMP_CON_KENTPK>},
    {0, 1, IDC_FIMP_SJ_GROUP, IDC_FIMP_SJ_FC, IDB_FIMP_JCONCRETE, Defaults<T_FIMP_CON_STANJP>},
    {0, 2, IDC_FIMP_RJ_GROUP, IDC_FIMP_RJ_EC, IDB_FIMP_JBRIDGE, Defaults<T_FIMP_CON_ROADJP>},
    {0, 3, IDC_FIMP_NG_GROUP, IDC_FIMP_NG_SCK, IDB_FIMP_NAGOYA, Defaults<T_FIMP_CON_NAGOYA>},
    {0, 4, IDC_FIMP_CT_GROUP, IDC_FIMP_CT_SC1, IDB_FIMP_CON_TRILIN, Defaults<T_FIMP_CON_TRILIN>},
    {1, 0, IDC_FIMP_MP_GROUP, IDC_FIMP_MP_FY, IDB_FIMP_MENEGOTTO, Defaults<T_FIMP_STL_MENEGO>},
    {1, 1, IDC_FIMP_BL_GROUP, IDC_FIMP_BL_FY, IDB_FIMP_BILINEAR, Defaults<T_FIMP_STL_BILINE>},
    {1, 2, IDC_FIMP_GB_GROUP, IDC_FIMP_GB_SY, IDB_FIMP_GEN_BILINEAR, Defaults<T_FIMP_STL_GENBIL>},
    {1, 3, IDC_FIMP_ST_GROUP, IDC_FIMP_ST_S1, IDB_FIMP_STL_TRILIN, Defaults<T_FIMP_STL_TRILIN>},
};

TEST_F(FiberMatPropTest, AddModeShowsEachModelsPanelDefaultsAndPictureOnTheKentParkPlace) {
  RunEditor([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ("", Text(d, IDC_FIMP_NAME));
    EXPECT_EQ(0, Combo(d, IDC_FIMP_MATL_TYPE).GetCurSel());
    EXPECT_EQ(5, Combo(d, IDC_FIMP_MODEL).GetCount());
    EXPECT_TRUE(Enabled(d, IDC_FIMP_APPLY));
    CRect home, ok, dlg;
    d.GetDlgItem(IDC_FIMP_KP_GROUP)->GetWindowRect(&home);
    d.GetDlgItem(IDOK)->GetWindowRect(&ok);
    d.GetWindowRect(&dlg);
    EXPECT_EQ(ok.bottom + 12, dlg.bottom) << "the stacked panels are trimmed away";
    EXPECT_LT(home.bottom, ok.top);
    for (const ModelCase& m : kModels) {
      SCOPED_TRACE(testing::Message() << "kind " << m.kind << " model " << m.model);
      Choose(user, m.kind, m.model);
      EXPECT_EQ((int)m.picture, Picture(d));
      for (const ModelCase& other : kModels) EXPECT_EQ(&other == &m, Visible(d, (int)other.group));
      CRect at;
      d.GetDlgItem((int)m.group)->GetWindowRect(&at);
      EXPECT_EQ(home.TopLeft(), at.TopLeft());
      EXPECT_TRUE(Visible(d, (int)m.firstEdit));
      // Every field of the block as its defaults give it (a radio group as its index).
      double p[FIMP_PARAMS] = {};
      m.init(p);
      EXPECT_DOUBLE_EQ(p[m.group == IDC_FIMP_RJ_GROUP || m.group == IDC_FIMP_CT_GROUP || m.group == IDC_FIMP_ST_GROUP],
                       std::stod(Text(d, (int)m.firstEdit)));
    }
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(0, fimp->GetCount());
}

TEST_F(FiberMatPropTest, OkStoresTheShownPanelsDefaultsForEveryModel) {
  for (const ModelCase& m : kModels) {
    SCOPED_TRACE(testing::Message() << "kind " << m.kind << " model " << m.model);
    const std::string name = "m" + std::to_string(m.kind) + std::to_string(m.model);
    EXPECT_EQ(IDOK, RunEditor([&](CDialog&, CUserDriver& user) {
                user.Type(IDC_FIMP_NAME, name.c_str());
                Choose(user, m.kind, m.model);
                user.Click(IDOK);
              }));
    const T_FIMP_D r = Stored(name.c_str());
    EXPECT_EQ(m.kind, r.kind);
    EXPECT_EQ(m.model, r.model);
    double p[FIMP_PARAMS] = {};
    m.init(p);
    if (m.group == IDC_FIMP_CT_GROUP) {
      for (int i = 10; i <= 12; ++i) p[i] = 0;  // the stiffness form is not read
    } else if (m.group == IDC_FIMP_ST_GROUP) {
      for (int i = 13; i <= 17; ++i) p[i] = 0;
    }
    for (int i = 0; i < FIMP_PARAMS; ++i) EXPECT_DOUBLE_EQ(p[i], r.param[i]) << "slot " << i;
  }
}

TEST_F(FiberMatPropTest, ModifyModeFillsTheRecordsPanelAndLeavesTheOtherKindEmpty) {
  const UINT key = Add("C1", 0, 0, {31000, 0.0022, 1.1, 120, 0.02});
  RunEditor(
      [](CDialog& d, CUserDriver& user) {
        EXPECT_FALSE(Enabled(d, IDC_FIMP_APPLY));
        EXPECT_EQ("C1", Text(d, IDC_FIMP_NAME));
        EXPECT_EQ("31000", Text(d, IDC_FIMP_KP_FC));
        EXPECT_EQ("0.0022", Text(d, IDC_FIMP_KP_ECO));
        EXPECT_EQ("30000", Text(d, IDC_FIMP_SJ_FC)) << "the other concrete panels take their defaults";
        user.ChooseIndex(IDC_FIMP_MATL_TYPE, 1);
        EXPECT_EQ(4, Combo(d, IDC_FIMP_MODEL).GetCount());
        EXPECT_EQ(0, Combo(d, IDC_FIMP_MODEL).GetCurSel());
        EXPECT_TRUE(Visible(d, IDC_FIMP_MP_FY));
        EXPECT_EQ("", Text(d, IDC_FIMP_MP_FY)) << "the steel panels stay empty";
        // An empty text is no number: refused, nothing written.
        user.Click(IDOK);
        EXPECT_EQ("IDS_CMD_FIMP_Error_Not_Number", LastMessage());
        EXPECT_EQ(d.GetDlgItem(IDC_FIMP_MP_FY)->GetSafeHwnd(), ::GetFocus());
        user.Click(IDCANCEL);
      },
      key);
  EXPECT_EQ(0, Stored("C1").kind);
}

TEST_F(FiberMatPropTest, ModifyRewritesTheRecordUnderItsKeyAndTypedValuesSurviveSwitching) {
  const UINT key = Add("C1", 0, 1, {30000, 0.002});
  EXPECT_EQ(IDOK, RunEditor(
                      [](CDialog& d, CUserDriver& user) {
                        user.Type(IDC_FIMP_SJ_FC, "32000");
                        Choose(user, 0, 3);
                        EXPECT_FALSE(Visible(d, IDC_FIMP_SJ_FC));
                        user.ChooseIndex(IDC_FIMP_MODEL, 1);
                        EXPECT_EQ("32000", Text(d, IDC_FIMP_SJ_FC));
                        user.Type(IDC_FIMP_NAME, "C2");
                        user.Click(IDOK);
                      },
                      key));
  EXPECT_EQ(1, fimp->GetCount());
  T_FIMP_D r;
  ASSERT_TRUE(fimp->Get(key, r));
  EXPECT_EQ(CString("C2"), r.name);
  EXPECT_DOUBLE_EQ(32000, r.param[0]);
}

TEST_F(FiberMatPropTest, AnEditBesideAUnitLabelIsShownAndReadInThatUnit) {
  doc->GetUnitCtrl()->SetUnitSystem("N", "mm");
  RunEditor([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ("30", Text(d, IDC_FIMP_KP_FC)) << "30000 kN/m^2 in N/mm^2";
    EXPECT_EQ("N/mm^2", Text(d, IDC_FIMP_KP_FC_UNIT));
    EXPECT_EQ("mm^2", Text(d, IDC_FIMP_RJ_AH_UNIT));
    EXPECT_EQ("0.002", Text(d, IDC_FIMP_KP_ECO)) << "a strain has no unit";
    user.Type(IDC_FIMP_NAME, "C");
    user.Type(IDC_FIMP_KP_FC, "35");
    user.Click(IDC_FIMP_APPLY);
    user.Type(IDC_FIMP_NAME, "B");
    Choose(user, 0, 2);
    user.Type(IDC_FIMP_RJ_AH, "200");
    user.Type(IDC_FIMP_RJ_S, "150");
    user.Click(IDOK);
  });
  EXPECT_DOUBLE_EQ(35000, Stored("C").param[0]);
  EXPECT_DOUBLE_EQ(2e-4, Stored("B").param[6]);
  EXPECT_DOUBLE_EQ(0.15, Stored("B").param[7]);
}

TEST_F(FiberMatPropTest, ApplyAddsUnderAFreeKeyAndKeepsTheEditorOpenOnTheName) {
  Add("a", 0, 0);
  const UINT b = Add("b", 0, 0);
  ASSERT_TRUE(fimp->TR_Del(fimp->GetKey("a")));
  // One record left under key 2: the record count plus one is a key in use.
  RunEditor([&](CDialog& d, CUserDriver& user) {
    user.Type(IDC_FIMP_NAME, "c");
    user.Click(IDC_FIMP_APPLY);
    EXPECT_EQ(2, fimp->GetCount());
    CWnd* name = d.GetDlgItem(IDC_FIMP_NAME);
    EXPECT_EQ(name->GetSafeHwnd(), ::GetFocus());
    int from = -1, to = -1;
    static_cast<CEdit*>(name)->GetSel(from, to);
    EXPECT_EQ(0, from);
    EXPECT_EQ(1, to);
    user.Click(IDC_FIMP_APPLY);
    EXPECT_EQ(2, fimp->GetCount()) << "the same name again: refused by the table";
    user.Type(IDC_FIMP_NAME, "");
    user.Click(IDOK);
    EXPECT_EQ(2, fimp->GetCount()) << "an empty name: refused, the editor stays";
    EXPECT_EQ(0, AfxGetMessageCount()) << "the table's refusals are not told";
    user.Click(IDCANCEL);
  });
  T_FIMP_D r;
  ASSERT_TRUE(fimp->Get(b, r));
  EXPECT_EQ(CString("b"), r.name) << "no record is replaced by an add";
}

TEST_F(FiberMatPropTest, ATextThatIsNoNumberIsRefusedWithTheFocusOnIt) {
  RunEditor([](CDialog& d, CUserDriver& user) {
    user.Type(IDC_FIMP_NAME, "x");
    user.Type(IDC_FIMP_KP_Z, "1e");
    user.Click(IDOK);
    EXPECT_EQ("IDS_CMD_FIMP_Error_Not_Number", LastMessage());
    EXPECT_EQ(d.GetDlgItem(IDC_FIMP_KP_Z)->GetSafeHwnd(), ::GetFocus());
    EXPECT_EQ("1e", Text(d, IDC_FIMP_KP_Z));
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(0, fimp->GetCount());
}

TEST_F(FiberMatPropTest, ReadOnlyEditsShowTheirValuesAndAreSavedAsShown) {
  const UINT key = Add("S", 1, 0, {345000, 19, 2e8, 18, 0.2, 0.02});
  RunEditor(
      [](CDialog& d, CUserDriver& user) {
        for (int id : {IDC_FIMP_MP_RO, IDC_FIMP_MP_A1, IDC_FIMP_MP_A2, IDC_FIMP_ST_EC1, IDC_FIMP_ST_EC2,
                       IDC_FIMP_ST_EC3, IDC_FIMP_ST_R4, IDC_FIMP_ST_R5})
          EXPECT_TRUE(d.GetDlgItem(id)->GetStyle() & ES_READONLY) << id;
        EXPECT_EQ("19", Text(d, IDC_FIMP_MP_RO));
        user.Type(IDC_FIMP_MP_B, "0.03");
        user.Click(IDOK);
      },
      key);
  const T_FIMP_D r = Stored("S");
  EXPECT_DOUBLE_EQ(19, r.param[1]);
  EXPECT_DOUBLE_EQ(0.2, r.param[4]);
  EXPECT_DOUBLE_EQ(0.03, r.param[5]);
}

TEST_F(FiberMatPropTest, AStoredPairOutsideTheModelsOpensWithoutPanelOrPictureAndKeepsItsData) {
  const UINT key = Add("odd", 1, 7, {1, 2, 3});
  RunEditor(
      [](CDialog& d, CUserDriver& user) {
        EXPECT_EQ(-1, Combo(d, IDC_FIMP_MODEL).GetCurSel());
        EXPECT_EQ(0, Picture(d));
        for (const ModelCase& m : kModels) EXPECT_FALSE(Visible(d, (int)m.group));
        user.Type(IDC_FIMP_NAME, "odd2");
        user.Click(IDOK);
      },
      key);
  const T_FIMP_D r = Stored("odd2");
  EXPECT_EQ(1, r.kind);
  EXPECT_EQ(7, r.model);
  EXPECT_DOUBLE_EQ(3, r.param[2]);
}

// ---- the trilinear input forms ------------------------------------------------------------------

struct Typed {
  int id;
  const char* text;
};
struct Shown {
  int id;
  const char* text;
};

TEST_F(FiberMatPropTest, ConcreteTrilinearConvertsBetweenTheTwoForms) {
  struct Case {
    const char* what;
    std::vector<Typed> typed;
    int radio;  // clicked
    std::vector<Shown> shown;
  };
  const std::vector<Typed> table = {{IDC_FIMP_CT_SC1, "10000"}, {IDC_FIMP_CT_SC2, "15000"}, {IDC_FIMP_CT_SC3, "18000"},
                                    {IDC_FIMP_CT_EC1, "0.001"}, {IDC_FIMP_CT_EC2, "0.002"}, {IDC_FIMP_CT_EC3, "0.004"}};
  auto with = [&](std::vector<Typed> more) {
    std::vector<Typed> t = table;
    t.insert(t.end(), more.begin(), more.end());
    return t;
  };
  const Case cases[] = {
      {"into the stiffness form", table, IDC_FIMP_CT_SA,
       {{IDC_FIMP_CT_K1, "10000000"}, {IDC_FIMP_CT_R2, "0.5"}, {IDC_FIMP_CT_R3, "0.15"}}},
      {"equal strains give a 0 slope", with({{IDC_FIMP_CT_EC3, "0.002"}}), IDC_FIMP_CT_SA,
       {{IDC_FIMP_CT_K1, "10000000"}, {IDC_FIMP_CT_R2, "0.5"}, {IDC_FIMP_CT_R3, "0"}}},
      {"a 0 first strain gives K1 0 and ratios 0", with({{IDC_FIMP_CT_EC1, "0"}}), IDC_FIMP_CT_SA,
       {{IDC_FIMP_CT_K1, "0"}, {IDC_FIMP_CT_R2, "0"}, {IDC_FIMP_CT_R3, "0"}}},
      {"the selected button again converts from the hidden form (the defaults)", {{IDC_FIMP_CT_EC1, "0.009"}},
       IDC_FIMP_CT_SE,
       {{IDC_FIMP_CT_EC1, "0.0005"}, {IDC_FIMP_CT_EC2, "0.0012"}, {IDC_FIMP_CT_EC3, "0.002"}}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunEditor([&](CDialog& d, CUserDriver& user) {
      Choose(user, 0, 4);
      EXPECT_TRUE(Visible(d, IDC_FIMP_CT_EC1));
      EXPECT_FALSE(Visible(d, IDC_FIMP_CT_K1));
      for (const Typed& t : c.typed) user.Type(t.id, t.text);
      user.Click(c.radio);
      for (const Shown& s : c.shown) EXPECT_EQ(s.text, Text(d, s.id)) << s.id;
      EXPECT_EQ(c.radio == IDC_FIMP_CT_SA, Visible(d, IDC_FIMP_CT_K1));
      EXPECT_EQ(c.radio == IDC_FIMP_CT_SE, Visible(d, IDC_FIMP_CT_EC1));
      user.Click(IDCANCEL);
    });
  }
}

TEST_F(FiberMatPropTest, ConcreteBackIntoStrainsAndAZeroSlopeLeavesThem) {
  struct Case {
    const char* what;
    const char *K1, *r2, *r3;
    const char *e1, *e2, *e3;
  };
  const Case cases[] = {
      {"back", "10000000", "0.5", "0.15", "0.001", "0.002", "0.004"},
      {"K1 0 leaves the strains", "0", "0.5", "0.15", "0.007", "0.008", "0.009"},
      {"a ratio 0 leaves the strains", "10000000", "0", "0.15", "0.007", "0.008", "0.009"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    RunEditor([&](CDialog& d, CUserDriver& user) {
      Choose(user, 0, 4);
      for (Typed t : std::vector<Typed>{{IDC_FIMP_CT_SC1, "10000"}, {IDC_FIMP_CT_SC2, "15000"},
                                        {IDC_FIMP_CT_SC3, "18000"}, {IDC_FIMP_CT_EC1, "0.007"},
                                        {IDC_FIMP_CT_EC2, "0.008"}, {IDC_FIMP_CT_EC3, "0.009"}})
        user.Type(t.id, t.text);
      user.Check(IDC_FIMP_CT_SA, 1);
      user.Type(IDC_FIMP_CT_K1, c.K1);
      user.Type(IDC_FIMP_CT_R2, c.r2);
      user.Type(IDC_FIMP_CT_R3, c.r3);
      user.Check(IDC_FIMP_CT_SE, 1);
      EXPECT_EQ(c.e1, Text(d, IDC_FIMP_CT_EC1));
      EXPECT_EQ(c.e2, Text(d, IDC_FIMP_CT_EC2));
      EXPECT_EQ(c.e3, Text(d, IDC_FIMP_CT_EC3));
      user.Click(IDCANCEL);
    });
  }
}

TEST_F(FiberMatPropTest, SteelTrilinearDerivesItsCompressionStrainsAndCopiesItsRatios) {
  doc->GetUnitCtrl()->SetUnitSystem("N", "mm");
  RunEditor([](CDialog& d, CUserDriver& user) {
    user.Type(IDC_FIMP_NAME, "ST");
    Choose(user, 1, 3);
    const Typed typed[] = {{IDC_FIMP_ST_S1, "200"},   {IDC_FIMP_ST_S2, "300"},   {IDC_FIMP_ST_S3, "400"},
                           {IDC_FIMP_ST_SC1, "100"},  {IDC_FIMP_ST_SC2, "150"},  {IDC_FIMP_ST_SC3, "200"},
                           {IDC_FIMP_ST_E1, "0.001"}, {IDC_FIMP_ST_E2, "0.011"}, {IDC_FIMP_ST_E3, "0.051"}};
    for (const Typed& t : typed) user.Type(t.id, t.text);
    EXPECT_EQ("0.0005", Text(d, IDC_FIMP_ST_EC1));
    EXPECT_EQ("0.0055", Text(d, IDC_FIMP_ST_EC2));
    EXPECT_EQ("0.0255", Text(d, IDC_FIMP_ST_EC3));
    user.Check(IDC_FIMP_ST_SA, 1);
    EXPECT_EQ("200000", Text(d, IDC_FIMP_ST_K1)) << "in N/mm^2";
    EXPECT_EQ("0.05", Text(d, IDC_FIMP_ST_R2));
    EXPECT_EQ("0.0125", Text(d, IDC_FIMP_ST_R3));
    EXPECT_EQ("0.05", Text(d, IDC_FIMP_ST_R4));
    EXPECT_EQ("0.0125", Text(d, IDC_FIMP_ST_R5));
    user.Type(IDC_FIMP_ST_R2, "0.04");
    EXPECT_EQ("0.04", Text(d, IDC_FIMP_ST_R4)) << "a copy as the user types";
    user.Click(IDOK);
  });
  const T_FIMP_D r = Stored("ST");
  EXPECT_EQ(1, r.param[0]) << "the stiffness form";
  EXPECT_DOUBLE_EQ(2e8, r.param[13]) << "K1 in kN/m^2";
  EXPECT_DOUBLE_EQ(0.04, r.param[14]);
  EXPECT_DOUBLE_EQ(0.04, r.param[16]);
  for (int i = 7; i <= 12; ++i) EXPECT_EQ(0, r.param[i]) << "the strains of the hidden form, slot " << i;
  EXPECT_DOUBLE_EQ(2e5, r.param[1]);
}

TEST_F(FiberMatPropTest, SteelAFirstStrainOfZeroOrBelowGivesNoCompressionStrain) {
  for (const char* e1 : {"0", "-0.001"}) {
    SCOPED_TRACE(e1);
    RunEditor([&](CDialog& d, CUserDriver& user) {
      Choose(user, 1, 3);
      user.Type(IDC_FIMP_ST_E1, e1);
      EXPECT_EQ("0", Text(d, IDC_FIMP_ST_EC1));
      user.Click(IDCANCEL);
    });
  }
}

// ---- the list -----------------------------------------------------------------------------------

class FiberMatListTest : public FiberMatPropTest {
 protected:
  INT_PTR RunList(const Actions& actions) {
    Queue(actions);
    const INT_PTR r = ICmdDialog::DoModal("CCMFiberMatPropListDlg", nullptr);
    AfxClearScriptQueue();
    return r;
  }
  static CListCtrl& List(CDialog& d) { return *static_cast<CListCtrl*>(d.GetDlgItem(IDC_FIMP_LIST)); }
  static std::vector<std::string> Names(CDialog& d) {
    std::vector<std::string> names;
    for (int i = 0; i < List(d).GetItemCount(); ++i) names.push_back(List(d).GetItemText(i, 0).c_str());
    return names;
  }
  static std::vector<int> Selected(CDialog& d) {
    std::vector<int> rows;
    for (int i = List(d).GetNextItem(-1, LVNI_SELECTED); i >= 0; i = List(d).GetNextItem(i, LVNI_SELECTED))
      rows.push_back(i);
    return rows;
  }
};

TEST_F(FiberMatListTest, AnEmptyListSelectsNothingAndEditAndDeleteTellIt) {
  RunList([&](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(3, List(d).GetColumnCount());
    EXPECT_TRUE(Selected(d).empty());
    user.Click(IDC_FIMP_LIST_EDIT);
    EXPECT_EQ("IDS_CMD_NO_SELECTED_FIMP", LastOutput());
    app->GetMessages().Clear();
    user.Click(IDC_FIMP_LIST_DELETE);
    EXPECT_EQ("IDS_CMD_NO_SELECTED_FIMP", LastOutput());
    user.Click(IDC_FIMP_LIST_CLOSE);
  });
  EXPECT_EQ(0, AfxGetMessageCount()) << "no message box";
}

TEST_F(FiberMatListTest, RowsShowTheKindAndModelTextsAndNothingPastTheModels) {
  Add("K", 0, 0);
  Add("T", 1, 3);
  Add("odd", 1, 4);
  Add("odd2", 2, 0);
  RunList([](CDialog& d, CUserDriver& user) {
    EXPECT_EQ((std::vector<std::string>{"K", "T", "odd", "odd2"}), Names(d));
    EXPECT_EQ(CString("IDS_CMD_FIMP_CONC"), List(d).GetItemText(0, 1));
    EXPECT_EQ(CString("IDS_CMD_FIMP_KENT_PARK"), List(d).GetItemText(0, 2));
    EXPECT_EQ(CString("IDS_CMD_FIMP_STEEL"), List(d).GetItemText(1, 1));
    EXPECT_EQ(CString("IDS_CMD_FIMP_STL_TRILIN"), List(d).GetItemText(1, 2));
    EXPECT_EQ(CString(""), List(d).GetItemText(2, 2));
    EXPECT_EQ(CString("IDS_CMD_FIMP_STEEL"), List(d).GetItemText(3, 1)) << "any kind but 0 is steel";
    EXPECT_EQ(CString(""), List(d).GetItemText(3, 2));
    EXPECT_EQ(std::vector<int>{0}, Selected(d));
    user.Click(IDC_FIMP_LIST_CLOSE);
  });
}

TEST_F(FiberMatListTest, EditAndDeleteActOnTheFirstSelectedRowAndEveryChangeRefillsTheList) {
  for (const char* n : {"a", "b", "c", "d"}) Add(n, 0, 1);
  RunList([&](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.SelectRows(IDC_FIMP_LIST, {1, 3}));
    Queue([](CDialog& e, CUserDriver& u) {
      EXPECT_EQ("b", Text(e, IDC_FIMP_NAME));
      u.Type(IDC_FIMP_NAME, "B");
      u.Click(IDOK);
    });
    user.Click(IDC_FIMP_LIST_EDIT);
    EXPECT_EQ((std::vector<std::string>{"a", "B", "c", "d"}), Names(d));
    EXPECT_EQ(std::vector<int>{0}, Selected(d));
    EXPECT_TRUE(user.SelectRows(IDC_FIMP_LIST, {2, 3}));
    user.Click(IDC_FIMP_LIST_DELETE);
    EXPECT_EQ((std::vector<std::string>{"a", "B", "d"}), Names(d));
    EXPECT_EQ(std::vector<int>{0}, Selected(d));
    // A double-click edits its row.
    Queue([](CDialog&, CUserDriver& u) {
      u.Type(IDC_FIMP_NAME, "D");
      u.Click(IDOK);
    });
    EXPECT_TRUE(user.DblClick(d.GetDlgItem(IDC_FIMP_LIST), 2));
    EXPECT_EQ((std::vector<std::string>{"a", "B", "D"}), Names(d));
    // Added after a deletion: under a free key, shown last.
    Queue([](CDialog&, CUserDriver& u) {
      u.Type(IDC_FIMP_NAME, "e");
      u.Click(IDOK);
    });
    user.Click(IDC_FIMP_LIST_ADD);
    EXPECT_EQ((std::vector<std::string>{"a", "B", "D", "e"}), Names(d));
    doc->Undo();
    EXPECT_EQ((std::vector<std::string>{"a", "B", "D"}), Names(d)) << "an undo made elsewhere";
    user.Click(IDC_FIMP_LIST_CLOSE);
  });
  EXPECT_EQ(3, fimp->GetCount());
}

TEST_F(FiberMatListTest, OtherTablesAndOtherHintsLeaveTheList) {
  Add("a", 0, 0);
  Add("b", 0, 0);
  RunList([&](CDialog& d, CUserDriver& user) {
    EXPECT_TRUE(user.SelectRows(IDC_FIMP_LIST, {1}));
    T_NLLP_D link;
    link.name = "L";
    auto* nllp = static_cast<CClassNllp*>(doc->GetModelDB()->GetClass(CClassNllp::m_nClassID));
    EXPECT_TRUE(nllp->TR_Add(link));
    EXPECT_EQ(std::vector<int>{1}, Selected(d)) << "a transaction on another table";
    doc->UpdateAllViews(nullptr, 5);
    EXPECT_EQ(std::vector<int>{1}, Selected(d)) << "a selection hint";
    T_FIMP_D r;
    ASSERT_TRUE(fimp->Get(fimp->GetKey("a"), r));
    r.model = 2;
    EXPECT_TRUE(fimp->TR_Modify(fimp->GetKey("a"), r));
    EXPECT_EQ(std::vector<int>{0}, Selected(d)) << "a change of the table refills";
    EXPECT_EQ(CString("IDS_CMD_FIMP_JBRIDGE"), List(d).GetItemText(0, 2));
    // The same update records handed on again under other hints: 0 and 1 refill as 3
    // does, any other hint leaves the list.
    auto* connector = dynamic_cast<CDBUpdateConnector*>(&d);
    ASSERT_NE(nullptr, connector);
    T_UPDATE_HINT hint;
    hint.m_nDBID = DB_ID_MODEL;
    for (LPARAM h : {0, 1, 5}) {
      EXPECT_TRUE(user.SelectRows(IDC_FIMP_LIST, {1}));
      connector->OnUpdate(nullptr, h, &hint);
      EXPECT_EQ(std::vector<int>{h == 5 ? 1 : 0}, Selected(d)) << "hint " << h;
    }
    user.Click(IDC_FIMP_LIST_CLOSE);
  });
}

}  // namespace
