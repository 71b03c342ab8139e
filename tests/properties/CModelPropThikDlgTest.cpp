// The thickness editor through the dialog factory and the sample model's thicknesses
// (1 "120" 0.12 m, 2 "200" 0.2 m): naming, the refusals, Apply in both modes, units.
#include "properties/CModelPropThikDlg.h"
#include "uiutil/CMenuEditBase.h"
#include "tests/properties/PropSheetFixture.h"

namespace {

class ThikDlgTest : public PropSheetTest {
 protected:
  T_THIK_D Read(UINT key) {
    T_THIK_D t;
    EXPECT_TRUE(thik->Get(key, t)) << "thickness " << key;
    return t;
  }
};

TEST_F(ThikDlgTest, ANewThicknessIsNamedAfterItsThicknessAndWritten) {
  EXPECT_EQ(Run("CModelPropThikDlg", 0,
                [](CDialog& d, CUserDriver& user) {
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NUMBER), "3");
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "") << "0 gives no name";
                  user.Type(IDC_MP_THIK_THICK, "0.15");
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "150");
                  user.Type(IDC_MP_THIK_THICK, "0.25");
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "250") << "renamed on every change";
                  auto* edit = dynamic_cast<CMenuEditBase*>(d.GetDlgItem(IDC_MP_THIK_THICK));
                  ASSERT_NE(edit, nullptr);
                  ASSERT_EQ(edit->GetList().GetSize(), 11);
                  EXPECT_TRUE(edit->ChooseFromList(9));
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "1000") << "a preset renames too";
                  user.Click(IDOK);
                }),
            IDOK);
  const T_THIK_D t = Read(3);
  EXPECT_EQ(t.name, "1000");
  EXPECT_DOUBLE_EQ(t.thick1, 1.0);
  EXPECT_EQ(t.type, 0);
}

TEST_F(ThikDlgTest, ZeroWaitsForOkANegativeValueIsRefusedAtOnce) {
  EXPECT_EQ(Run("CModelPropThikDlg", 0,
                [](CDialog& d, CUserDriver& user) {
                  user.Type(IDC_MP_THIK_THICK, "0");
                  EXPECT_EQ(Messages(), 0) << "0 is accepted while typing";
                  user.Click(IDOK);
                  EXPECT_EQ(LastMessage(), Key("IDS_CMD_MP_Thickness_must_be_positive"));
                  EXPECT_EQ(Text(d, IDC_MP_THIK_THICK), "0");
                  EXPECT_EQ(CWnd::GetFocus(), d.GetDlgItem(IDC_MP_THIK_THICK));
                  AfxClearMessageLog();
                  user.Type(IDC_MP_THIK_THICK, "-1");
                  EXPECT_EQ(LastMessage(), Key("IDS_CMD_MP_Thickness_must_be_positive"));
                  EXPECT_EQ(Text(d, IDC_MP_THIK_THICK), "0");
                  user.Click(IDCANCEL);
                }),
            IDCANCEL);
  EXPECT_EQ(thik->GetCount(), 2) << "nothing written";
}

TEST_F(ThikDlgTest, BadNumbersAreRefusedAndNothingIsWritten) {
  struct Case {
    const char* number;
    const char* thickness;
    const char* message;
  } cases[] = {
      {"abc", "0.3", "IDS_CMD_MP_Error_Invalid_ID"},
      {"0", "0.3", "IDS_CMD_MP_Error_Invalid_ID"},
      {"4", "x", "IDS_CMD_MP_Error_Invalid_InOut_Plane"},
  };
  for (const Case& c : cases) {
    AfxClearMessageLog();
    Run("CModelPropThikDlg", 0, [&c](CDialog& d, CUserDriver& user) {
      user.Type(IDC_MP_THIK_NUMBER, c.number);
      user.Type(IDC_MP_THIK_THICK, c.thickness);
      user.Click(IDOK);
      EXPECT_EQ(LastMessage(), Key(c.message)) << c.number << " " << c.thickness;
      EXPECT_EQ(Text(d, IDC_MP_THIK_NUMBER), c.number) << "the dialog stays as it was";
      user.Click(IDCANCEL);
    });
  }
  EXPECT_EQ(thik->GetCount(), 2);
}

TEST_F(ThikDlgTest, AnAddUnderAKeyInUseNeverReplacesIt) {
  Run("CModelPropThikDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Type(IDC_MP_THIK_NUMBER, "1");
    user.Type(IDC_MP_THIK_THICK, "0.5");
    user.Click(IDOK);
    EXPECT_NE(CUserDriver::FindDialog(IDD_CMD_PROP_THIK), nullptr) << "stays open";
    EXPECT_EQ(Text(d, IDC_MP_THIK_NUMBER), "1");
    user.Click(IDCANCEL);
  });
  EXPECT_DOUBLE_EQ(Read(1).thick1, 0.12);
  EXPECT_EQ(thik->GetCount(), 2);
}

TEST_F(ThikDlgTest, AnEditedThicknessKeepsItsNameAndItsSecondThickness) {
  T_THIK_D t = Read(1);
  t.type = 1;
  t.thick2 = 0.05;
  ASSERT_TRUE(thik->TR_Modify(1, t));
  EXPECT_EQ(Run("CModelPropThikDlg", 1,
                [](CDialog& d, CUserDriver& user) {
                  EXPECT_EQ(Text(d, IDC_MP_THIK_THICK), "0.12");
                  user.Type(IDC_MP_THIK_THICK, "0.3");
                  EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "120");
                  user.Click(IDOK);
                }),
            IDOK);
  t = Read(1);
  EXPECT_EQ(t.name, "120");
  EXPECT_DOUBLE_EQ(t.thick1, 0.3);
  EXPECT_DOUBLE_EQ(t.thick2, 0.05) << "the second thickness survives";
  EXPECT_EQ(t.type, 0);
}

TEST_F(ThikDlgTest, ApplyInAddModeMovesOnToTheNextKeyWithTheSameThickness) {
  Run("CModelPropThikDlg", 0, [](CDialog& d, CUserDriver& user) {
    user.Type(IDC_MP_THIK_THICK, "0.3");
    user.Click(IDC_MP_APPLY);
    EXPECT_EQ(Text(d, IDC_MP_THIK_NUMBER), "4");
    EXPECT_EQ(Text(d, IDC_MP_THIK_THICK), "0.3");
    EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "300");
    user.Click(IDCANCEL);
  });
  EXPECT_EQ(Read(3).name, "300");
  EXPECT_FALSE(thik->Exist(4)) << "Cancel writes nothing more";
}

TEST_F(ThikDlgTest, ApplyInEditModeAfterRenumberingLetsOkModifyTheNewNumber) {
  Run("CModelPropThikDlg", 2, [](CDialog&, CUserDriver& user) {
    user.Type(IDC_MP_THIK_NUMBER, "7");
    user.Click(IDC_MP_APPLY);
    user.Type(IDC_MP_THIK_THICK, "0.22");
    user.Click(IDOK);
  });
  EXPECT_FALSE(thik->Exist(2));
  EXPECT_DOUBLE_EQ(Read(7).thick1, 0.22);
  EXPECT_EQ(Read(7).name, "200");
}

TEST_F(ThikDlgTest, TheThicknessIsShownAndReadInTheCurrentLengthUnit) {
  doc->GetUnitCtrl()->SetUnitSystem("kN", "mm");
  Run("CModelPropThikDlg", 1, [](CDialog& d, CUserDriver&) {
    EXPECT_EQ(Text(d, IDC_MP_THIK_THICK), "120");
    EXPECT_EQ(Text(d, IDC_MP_THIK_UNIT), "mm");
    d.EndDialog(IDCANCEL);
  });
  Run("CModelPropThikDlg", 0, [](CDialog& d, CUserDriver& user) {
    auto* edit = dynamic_cast<CMenuEditBase*>(d.GetDlgItem(IDC_MP_THIK_THICK));
    ASSERT_NE(edit, nullptr);
    EXPECT_STREQ(edit->GetList()[0].c_str(), "100") << "presets in mm";
    user.Type(IDC_MP_THIK_THICK, "150");
    EXPECT_EQ(Text(d, IDC_MP_THIK_NAME), "150");
    user.Click(IDOK);
  });
  EXPECT_DOUBLE_EQ(Read(3).thick1, 0.15);
}

}  // namespace
