// The material editor through the dialog factory and the sample model's materials (1 C30,
// 2 C35, 3 C40, 4 Q235, 5 Q355, 6 C40/Q355): types, codes and grades, the name following
// the grade, OK and Apply in both modes, values in the current units, the refusals.
#include "afx/CComboBox.h"
#include "properties/CModelPropMatlDlg.h"
#include "ui/CFoldGroupBox_Cross.h"
#include "tests/properties/PropSheetFixture.h"

namespace {

class MatlDlgTest : public PropSheetTest {
 protected:
  T_MATL_D Read(UINT key) {
    T_MATL_D m;
    EXPECT_TRUE(matl->Get(key, m)) << "material " << key;
    return m;
  }
  static std::string Sel(CDialog& d, int id) {
    auto* c = dynamic_cast<CComboBox*>(d.GetDlgItem(id));
    CString s;
    if (c && c->GetCurSel() >= 0) c->GetLBText(c->GetCurSel(), s);
    return s.c_str();
  }
  static bool Enabled(CDialog& d, int id) { return d.GetDlgItem(id)->IsWindowEnabled() != 0; }
  static bool ReadOnly(CDialog& d, int id) { return (d.GetDlgItem(id)->GetStyle() & ES_READONLY) != 0; }
};

TEST_F(MatlDlgTest, ANewMaterialOpensAsConcreteAndIsNamedByItsGrade) {
  EXPECT_EQ(Run("CModelPropMatlDlg", 0,
                [](CDialog& d, CUserDriver& user) {
                  EXPECT_EQ(Text(d, IDC_MP_MATL_NUMBER), "7");
                  EXPECT_EQ(Sel(d, IDC_MP_MATL_TYPE), "RC");
                  EXPECT_EQ(Sel(d, IDC_MP_CONC_CODE), "GB50010");
                  EXPECT_EQ(Text(d, IDC_MP_DAMPING), "0.05");
                  EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "");
                  EXPECT_FALSE(Enabled(d, IDC_MP_STEEL_CODE));
                  EXPECT_TRUE(ReadOnly(d, IDC_MP_CONC_E)) << "the standards give the values";
                  EXPECT_EQ(user.Choose(IDC_MP_CONC_GRADE, "C30"), 1);
                  EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "C30");
                  EXPECT_EQ(Text(d, IDC_MP_CONC_E), "3.0000e+07");
                  user.Click(IDOK);
                  EXPECT_NE(CUserDriver::FindDialog(IDD_CMD_PROP_MATL), nullptr) << "the sample holds C30";
                  user.Choose(IDC_MP_CONC_GRADE, "C50");
                  EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "C50");
                  user.Click(IDOK);
                }),
            IDOK);
  const T_MATL_D m = Read(7);
  EXPECT_EQ(m.name, "C50");
  EXPECT_EQ(m.type, "C");
  EXPECT_EQ(m.matl1.code, "GB50010");
  EXPECT_EQ(m.matl1.grade, "C50");
  EXPECT_DOUBLE_EQ(m.matl1.anal.elastic, 3.45e7);
  EXPECT_GT(m.matl1.anal.fc, Read(1).matl1.anal.fc);
  EXPECT_DOUBLE_EQ(m.damping, 0.05);
}

TEST_F(MatlDlgTest, AKeyTheTableDoesNotHoldIsAddedUnderThatKey) {
  EXPECT_EQ(Run("CModelPropMatlDlg", 20,
                [](CDialog& d, CUserDriver& user) {
                  EXPECT_EQ(Text(d, IDC_MP_MATL_NUMBER), "20");
                  user.Choose(IDC_MP_CONC_GRADE, "C45");
                  user.Click(IDOK);
                }),
            IDOK);
  EXPECT_EQ(Read(20).name, "C45");
  EXPECT_FALSE(matl->Exist(7));
}

TEST_F(MatlDlgTest, ATypeChangeSetsCodesDampingAndEmptiesTheName) {
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Type(IDC_MP_MATL_NAME, "mine");
    struct Case {
      const char* type;
      const char* steelCode;
      const char* concCode;
      const char* damping;
    } cases[] = {
        {"Steel", "GB50017", "", "0.02"},
        {"User Defined", "", "None", "0"},
        {"SRC", "GB50017", "GB50010", "0.05"},
        {"RC", "", "GB50010", "0.05"},
    };
    for (const Case& c : cases) {
      user.Choose(IDC_MP_MATL_TYPE, c.type);
      EXPECT_EQ(Sel(d, IDC_MP_STEEL_CODE), c.steelCode) << c.type;
      EXPECT_EQ(Sel(d, IDC_MP_CONC_CODE), c.concCode) << c.type;
      EXPECT_EQ(Text(d, IDC_MP_DAMPING), c.damping) << c.type;
      EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "") << c.type;
    }
    user.Click(IDCANCEL);
  });
}

TEST_F(MatlDlgTest, AnSrcNameFollowsBothGradesUntilTheEngineerTypesOne) {
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    auto& dlg = static_cast<CModelPropMatlDlg&>(d);
    user.Choose(IDC_MP_MATL_TYPE, "SRC");
    user.Choose(IDC_MP_CONC_GRADE, "C30");
    user.Choose(IDC_MP_STEEL_GRADE, "Q345");
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "C30/Q345");
    user.Choose(IDC_MP_STEEL_GRADE, "Q235");
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "C30/Q235");
    user.Type(IDC_MP_MATL_NAME, "Core");
    EXPECT_FALSE(dlg.IsAutoChangeName());
    user.Choose(IDC_MP_STEEL_GRADE, "Q345");
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "Core") << "a typed name stops the following";
    user.Type(IDC_MP_MATL_NAME, "");
    user.Choose(IDC_MP_STEEL_GRADE, "Q390");
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "C30/Q390") << "an empty one restarts it";
    user.Click(IDOK);
  });
  const T_MATL_D m = Read(7);
  EXPECT_EQ(m.type, "SRC");
  EXPECT_EQ(m.matl1.grade, "Q390");
  EXPECT_EQ(m.matl2.grade, "C30");
  EXPECT_DOUBLE_EQ(m.matl1.anal.elastic, 2.06e8);
  EXPECT_DOUBLE_EQ(m.matl2.anal.elastic, 3e7);
}

TEST_F(MatlDlgTest, OkWithAnEmptyNameTakesTheGradeExceptForSrc) {
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Choose(IDC_MP_MATL_TYPE, "Steel");
    user.Choose(IDC_MP_STEEL_GRADE, "Q390");
    user.Type(IDC_MP_MATL_NAME, "");
    user.Click(IDOK);
    (void)d;
  });
  EXPECT_EQ(Read(7).name, "Q390");
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Choose(IDC_MP_MATL_TYPE, "SRC");
    user.Choose(IDC_MP_CONC_GRADE, "C30");
    user.Type(IDC_MP_MATL_NAME, "");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Missing_Material_Name"));
    EXPECT_EQ(Text(d, IDC_MP_MATL_NUMBER), "8");
    user.Click(IDCANCEL);
  });
  EXPECT_FALSE(matl->Exist(8));
}

TEST_F(MatlDlgTest, CodeNoneStoresTheTypedValues) {
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    auto* box = dynamic_cast<CFoldGroupBox_Cross*>(d.GetDlgItem(IDC_MP_PROP_BOX));
    ASSERT_NE(box, nullptr);
    EXPECT_EQ(box->GetState(), 1);
    user.Choose(IDC_MP_MATL_TYPE, "Steel");
    user.Choose(IDC_MP_STEEL_CODE, "None");
    EXPECT_EQ(box->GetState(), 0) << "the values are typed by hand";
    EXPECT_FALSE(Enabled(d, IDC_MP_STEEL_GRADE));
    EXPECT_FALSE(ReadOnly(d, IDC_MP_STEEL_E));
    user.Type(IDC_MP_MATL_NAME, "S-typed");
    user.Type(IDC_MP_STEEL_E, "2e8");
    user.Type(IDC_MP_STEEL_POISSON, "0.25");
    user.Type(IDC_MP_STEEL_WEIGHT, "77");
    user.Type(IDC_MP_FA, "300000");
    user.Click(IDOK);
  });
  const T_MATL_D m = Read(7);
  EXPECT_EQ(m.matl1.code, "");
  EXPECT_EQ(m.matl1.grade, "");
  EXPECT_DOUBLE_EQ(m.matl1.anal.elastic, 2e8);
  EXPECT_DOUBLE_EQ(m.matl1.anal.poisson, 0.25);
  EXPECT_DOUBLE_EQ(m.matl1.anal.unitWeight, 77);
  EXPECT_DOUBLE_EQ(m.matl1.anal.fa, 300000);
}

TEST_F(MatlDlgTest, ApplyInAddModeMovesOnToTheNextKey) {
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Choose(IDC_MP_CONC_GRADE, "C50");
    user.Click(IDC_MP_APPLY);
    EXPECT_EQ(Text(d, IDC_MP_MATL_NUMBER), "8");
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "");
    EXPECT_EQ(Sel(d, IDC_MP_CONC_GRADE), "C50") << "same grade";
    user.Choose(IDC_MP_CONC_GRADE, "C55");
    user.Click(IDOK);
  });
  EXPECT_EQ(Read(7).name, "C50");
  EXPECT_EQ(Read(8).name, "C55");
}

TEST_F(MatlDlgTest, ApplyInEditModeAfterRenumberingModifiesTheNewNumber) {
  Run("CModelPropMatlDlg", 5, [](CDialog&, CUserDriver& user) {
    user.Type(IDC_MP_MATL_NUMBER, "7");
    user.Click(IDC_MP_APPLY);
    user.Type(IDC_MP_DAMPING, "0.03");
    user.Click(IDC_MP_APPLY);
    user.Click(IDCANCEL);
  });
  EXPECT_FALSE(matl->Exist(5));
  EXPECT_EQ(Read(7).name, "Q355");
  EXPECT_DOUBLE_EQ(Read(7).damping, 0.03);
}

TEST_F(MatlDlgTest, ValuesShowInCurrentUnitsAndUntouchedOnesKeepEveryDigit) {
  doc->GetUnitCtrl()->SetUnitSystem("N", "mm");
  T_MATL_D u = Read(1);
  u.type = "U";
  u.matl1.code.Empty();
  u.matl1.anal.elastic = 30123456.789;
  ASSERT_TRUE(matl->TR_Modify(1, u));
  Run("CModelPropMatlDlg", 1, [](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Text(d, IDC_MP_CONC_E), "3.0123e+04");
    EXPECT_EQ(Text(d, IDC_MP_E_UNIT), "N/mm^2");
    user.Click(IDOK);
  });
  EXPECT_DOUBLE_EQ(Read(1).matl1.anal.elastic, 30123456.789) << "a text left as shown keeps the value";
  Run("CModelPropMatlDlg", 2, [](CDialog& d, CUserDriver& user) {
    user.Choose(IDC_MP_CONC_GRADE, "C30");
    user.Type(IDC_MP_MATL_NAME, "C30 again");
    EXPECT_EQ(Text(d, IDC_MP_CONC_E), "3.0000e+04");
    user.Click(IDOK);
  });
  EXPECT_EQ(Read(2).matl1.anal.elastic, 3e7) << "exactly, read from the standards";
}

TEST_F(MatlDlgTest, RefusalsLeaveRecordAndDialogAsTheyWere) {
  Run("CModelPropMatlDlg", 4, [](CDialog& d, CUserDriver& user) {
    user.Type(IDC_MP_MATL_NUMBER, "x");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Invalid_Material_ID"));
    user.Type(IDC_MP_MATL_NUMBER, "4");
    user.Type(IDC_MP_STEEL_GRADE, "Q999");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Invalid_Standard_and_Grade_Name"));
    EXPECT_EQ(Text(d, IDC_MP_MATL_NAME), "Q235");
    user.Choose(IDC_MP_STEEL_GRADE, "Q235");
    user.Type(IDC_MP_DAMPING, "abc");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Invalid_Property_Value")) << "not stored as 0";
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_MP_DAMPING));
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(Read(4).matl1.grade, "Q235");
  EXPECT_DOUBLE_EQ(Read(4).damping, 0.02);
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Choose(IDC_MP_MATL_TYPE, "Steel");
    user.Choose(IDC_MP_STEEL_CODE, "None");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Missing_Material_Name")) << "no name and no grade to take";
    user.Type(IDC_MP_STEEL_E, "-");
    user.Type(IDC_MP_MATL_NAME, "typed");
    user.Click(IDOK);
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Invalid_Property_Value"));
    EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_MP_STEEL_E));
    user.Click(IDCANCEL);
  });
  EXPECT_FALSE(matl->Exist(7));
}

TEST_F(MatlDlgTest, WithoutADefaultCodeTheValuesAreTyped) {
  T_PREFERENCE pref;
  doc->GetInitCtrl()->GetPreference(pref);
  pref.defConcreteCode = "NONE-SUCH";
  doc->GetInitCtrl()->SetPreference(pref);
  Run("CModelPropMatlDlg", 0, [](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(Sel(d, IDC_MP_CONC_CODE), "None");
    EXPECT_FALSE(Enabled(d, IDC_MP_CONC_GRADE));
    user.Choose(IDC_MP_MATL_TYPE, "Steel");
    user.Choose(IDC_MP_MATL_TYPE, "RC");
    EXPECT_FALSE(ReadOnly(d, IDC_MP_CONC_E)) << "a column without a code is typed";
    user.Type(IDC_MP_MATL_NAME, "Lean");
    user.Type(IDC_MP_CONC_E, "2e7");
    user.Type(IDC_MP_CONC_POISSON, "0.2");
    user.Click(IDOK);
  });
  EXPECT_EQ(Read(7).matl1.code, "");
  EXPECT_DOUBLE_EQ(Read(7).matl1.anal.elastic, 2e7);
}

TEST_F(MatlDlgTest, AStoredCodeMissingFromTheStandardsIsToldAndCleared) {
  T_MATL_D m = Read(4);
  m.matl1.code = "OLD-STEEL";
  ASSERT_TRUE(matl->TR_Modify(4, m));
  Run("CModelPropMatlDlg", 4, [](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_Steel_Code_not_exist_in_DB"));
    EXPECT_EQ(Sel(d, IDC_MP_STEEL_CODE), "None");
    EXPECT_FALSE(Enabled(d, IDC_MP_STEEL_GRADE));
    user.Click(IDCANCEL);
  });
  m = Read(1);
  m.type = "U";
  m.matl1.code = "NOPE";
  ASSERT_TRUE(matl->TR_Modify(1, m));
  AfxClearMessageLog();
  Run("CModelPropMatlDlg", 1, [](CDialog& d, CUserDriver& user) {
    EXPECT_EQ(LastMessage(), Key("IDS_WG_CMD_MP_ERROR_User_Code_not_exist_in_DB"));
    EXPECT_EQ(Sel(d, IDC_MP_CONC_CODE), "None");
    user.Click(IDCANCEL);
  });
}

}  // namespace
