// The database library's controls in a small test dialog: unit edits, labels and statics
// under kN-m and N-mm, and the record combos listing, selecting and following the tables.
#include <gtest/gtest.h>

#include <cfloat>
#include <memory>
#include <string>
#include <vector>

#include "afx/AfxSystem.h"
#include "afx/afxwin.h"
#include "db/CClassGrnd.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassThik.h"
#include "db/CCobxMatl.h"
#include "db/CCobxMdul.h"
#include "db/CCobxName.h"
#include "db/CCobxPlan.h"
#include "db/CCobxSect.h"
#include "db/CCobxThik.h"
#include "db/CCobxStor.h"
#include "db/CDBDoc.h"
#include "db/CEditUnit.h"
#include "db/CStaticUnit.h"
#include "db/CTextUnit.h"
#include "tests/platform/db/ControlDialogFixture.h"

namespace {

enum { ID_EDIT = 100, ID_LABEL, ID_STATIC, ID_PLAN, ID_MDUL, ID_STOR, ID_MATL, ID_MATL_EDIT, ID_NAME, ID_SECT, ID_THIK };

class ControlsTest : public ControlDialogTest<CWnd> {
 protected:
  void Units(const char* force, const char* length) {
    ASSERT_TRUE(doc->GetUnitCtrl()->SetUnitSystem(force, length));
  }
};

// ---- unit controls ----

// What an edit shows is read back with every digit while the user leaves it alone, under the
// units it was shown in; typed text, or other units, read as the text says.
TEST_F(ControlsTest, UnitEditGivesTheShownValueBackWithEveryDigitUntilTheTextChanges) {
  CEditUnit edit;
  MakeEdit(edit, ID_EDIT);
  edit.SetUnitType(UNIT_LENGTH);
  const double v = 1.23456789012345;
  edit.SetEditUnit(v);
  double got = 0;
  ASSERT_TRUE(edit.GetShownValue(got));
  EXPECT_EQ(v, got);
  ASSERT_TRUE(edit.GetEditValue(got));
  EXPECT_NE(v, got);  // the digits shown
  Units("kN", "mm");  // the same text means millimetres now
  ASSERT_TRUE(edit.GetShownValue(got));
  EXPECT_DOUBLE_EQ(1.23456789 / 1000.0, got);
  Units("kN", "m");
  ASSERT_TRUE(user.Type(ID_EDIT, "2.5"));
  ASSERT_TRUE(edit.GetShownValue(got));
  EXPECT_EQ(2.5, got);
  ASSERT_TRUE(user.Type(ID_EDIT, "x"));
  EXPECT_FALSE(edit.GetShownValue(got));
}

TEST_F(ControlsTest, UnitEditShowsAndReadsInCurrentUnits) {
  CEditUnit edit;
  MakeEdit(edit, ID_EDIT);
  struct Case { int kind; double internal; const char* kNm; const char* Nmm; };
  const Case cases[] = {
      {UNIT_LENGTH, 4.5, "4.5", "4500"},
      {UNIT_LENGTH, 3.3, "3.3", "3300"},
      {UNIT_AREA_LOAD, 5.0, "5", "0.005"},
      {UNIT_STRESS, 3.0e7, "30000000", "30000"},
      {UNIT_UNIT_WEIGHT, 25.0, "25", "2.5e-05"},
      {UNIT_FORCE, -12.5, "-12.5", "-12500"},
      {UNIT_NONE, 0.05, "0.05", "0.05"},
      {UNIT_THERMAL_COEF, 1e-5, "1e-05", "1e-05"},
  };
  for (const Case& c : cases) {
    edit.SetUnitType(c.kind);
    for (int sys = 0; sys < 2; ++sys) {
      Units(sys ? "N" : "kN", sys ? "mm" : "m");
      edit.SetEditUnit(c.internal);
      EXPECT_EQ(Text(edit), sys ? c.Nmm : c.kNm) << "kind " << c.kind;
      double back = 0.0;
      ASSERT_TRUE(edit.GetEditValue(back)) << "kind " << c.kind;
      EXPECT_NEAR(back, c.internal, 1e-12 * std::abs(c.internal)) << "kind " << c.kind;
    }
  }
  // What the user types is in current units.
  edit.SetUnitType(UNIT_LENGTH);
  Units("N", "mm");
  ASSERT_TRUE(user.Type(ID_EDIT, "3300"));
  double v = 0.0;
  ASSERT_TRUE(edit.GetEditValue(v));
  EXPECT_DOUBLE_EQ(v, 3.3);
  Units("kN", "m");
  ASSERT_TRUE(edit.GetEditValue(v));
  EXPECT_DOUBLE_EQ(v, 3300.0) << "the text is read in the units current when it is read";
  edit.SetEditUnit(2.06e8, "%.4e");
  EXPECT_EQ(Text(edit), "2.0600e+08");
  edit.SetEditUnit(-0.0);
  EXPECT_EQ(Text(edit), "0");
}

TEST_F(ControlsTest, UnitEditNumbers) {
  CEditUnit edit;
  MakeEdit(edit, ID_EDIT);
  struct Case { const char* text; bool real; double value; bool whole; int n; };
  const Case cases[] = {
      {"12", true, 12, true, 12},           {" -3.5e2 ", true, -350, false, 0},
      {"3.", true, 3, false, 0},            {"-.5", true, -0.5, false, 0},
      {"+7", true, 7, true, 7},             {"1e", false, 0, false, 0},
      {"abc", false, 0, false, 0},          {"", false, 0, false, 0},
      {"-", false, 0, false, 0},            {"inf", false, 0, false, 0},
      {"nan", false, 0, false, 0},          {"0x10", false, 0, false, 0},
      {"1,5", false, 0, false, 0},          {"12kN", false, 0, false, 0},
      {"1e999", false, 0, false, 0},        {"99999999999", true, 99999999999.0, false, 0},
  };
  for (const Case& c : cases) {
    edit.SetWindowText(c.text);
    double d = 42.0;
    EXPECT_EQ(edit.GetEditValue(d) != 0, c.real) << "'" << c.text << "'";
    EXPECT_DOUBLE_EQ(d, c.value) << "'" << c.text << "'";
    int n = 42;
    EXPECT_EQ(edit.GetEditValue(n) != 0, c.whole) << "'" << c.text << "'";
    EXPECT_EQ(n, c.n) << "'" << c.text << "'";
  }
  // A number whose value leaves the doubles once in internal units is no number; the
  // text shown for the largest double reads back as that double.
  edit.SetUnitType(UNIT_AREA_LOAD);
  Units("N", "mm");
  struct Big { const char* text; bool ok; double value; };
  const Big big[] = {{"1e308", false, 0}, {"-1e306", false, 0}, {"1e300", true, 1e303},
                     {"1.79769313486232e+308", false, 0}};
  for (const Big& b : big) {
    edit.SetWindowText(b.text);
    double d = 42.0;
    EXPECT_EQ(edit.GetEditValue(d) != 0, b.ok) << b.text;
    EXPECT_DOUBLE_EQ(d, b.value) << b.text;
  }
  Units("kN", "m");
  edit.SetEditUnit(DBL_MAX, "%.15g");
  double back = 0.0;
  ASSERT_TRUE(edit.GetEditValue(back)) << Text(edit);
  EXPECT_EQ(back, DBL_MAX);
  edit.SetEditUnit(-DBL_MAX);
  ASSERT_TRUE(edit.GetEditValue(back)) << Text(edit);
  EXPECT_EQ(back, -DBL_MAX);
  edit.SetWindowText("1.7977e308");
  EXPECT_FALSE(edit.GetEditValue(back)) << "past the rounding of a shown number";
  edit.SetUnitType(0);
  edit.SetWindowText("-2");
  UINT u = 5;
  EXPECT_FALSE(edit.GetEditValue(u)) << "no negative key";
  EXPECT_EQ(u, 0u);
  edit.SetEditUnit(7u);
  ASSERT_TRUE(edit.GetEditValue(u));
  EXPECT_EQ(u, 7u);
  edit.SetUnitType(UNIT_LENGTH);
  Units("N", "mm");
  edit.SetEditUnit(7);
  EXPECT_EQ(Text(edit), "7") << "whole numbers are shown as they are";
}

TEST_F(ControlsTest, UnitLabelsAndStatics) {
  CTextUnit label, early;
  ASSERT_TRUE(label.Create("mm", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &dlg, ID_LABEL));
  EXPECT_EQ(Text(label), "mm") << "no kind set: the template text stays";
  struct Case { int kind; const char* kNm; const char* Nmm; };
  const Case cases[] = {{UNIT_LENGTH, "m", "mm"},          {UNIT_AREA_LOAD, "kN/m^2", "N/mm^2"},
                        {UNIT_STRESS, "kN/m^2", "N/mm^2"}, {UNIT_UNIT_WEIGHT, "kN/m^3", "N/mm^3"},
                        {UNIT_MOMENT, "kN*m", "N*mm"},     {UNIT_NONE, "", ""}};
  for (const Case& c : cases) {
    Units("kN", "m");
    label.SetUnitType(c.kind);
    EXPECT_EQ(Text(label), c.kNm);
    Units("N", "mm");
    EXPECT_EQ(Text(label), c.kNm) << "a label changes only when asked";
    label.UpdateUnitText();
    EXPECT_EQ(Text(label), c.Nmm);
  }
  early.SetUnitType(UNIT_LENGTH);
  ASSERT_TRUE(early.Create("?", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &dlg, ID_LABEL + 50));
  EXPECT_EQ(Text(early), "mm") << "a kind set before the window shows once it exists";

  CStaticUnit level;
  ASSERT_TRUE(level.Create("", WS_CHILD | WS_VISIBLE, CRect(0, 0, 40, 20), &dlg, ID_STATIC));
  Units("kN", "m");
  level.SetUnitType(UNIT_LENGTH);
  EXPECT_EQ(Text(level), "") << "no value yet";
  level.SetStaticUnit(-0.45);
  EXPECT_EQ(Text(level), "-0.45");
  Units("N", "mm");
  level.UpdateUnitText();
  EXPECT_EQ(Text(level), "-450");
  double v = 0.0;
  ASSERT_TRUE(level.GetStaticValue(v));
  EXPECT_DOUBLE_EQ(v, -0.45);
}

TEST_F(ControlsTest, WithoutDocumentUnitsAreKiloNewtonMetre) {
  CEditUnit edit;
  MakeEdit(edit, ID_EDIT);
  Units("N", "mm");
  edit.SetUnitType(UNIT_LENGTH);
  CDBDoc::m_pDBDoc = nullptr;
  edit.SetEditUnit(1.5);
  EXPECT_EQ(Text(edit), "1.5");
  CDBDoc::m_pDBDoc = doc.get();
}

// ---- record combos ----

TEST_F(ControlsTest, PlanComboListsSelectsAndFollowsTheTable) {
  CCobxPlan plans;
  Make(plans, ID_PLAN);
  EXPECT_EQ(Items(plans), "Plan1=1,Basement=2,Podium=3,Typical1=4,Roof1=5,Typical2=6,Roof2=7");
  UINT key = 99;
  EXPECT_FALSE(plans.GetSelectedPlan(key));
  EXPECT_EQ(key, 0u);
  ASSERT_TRUE(plans.ChangeSelect(4));
  EXPECT_EQ(Text(plans), "Typical1");
  ASSERT_TRUE(plans.GetSelectedPlan(key));
  EXPECT_EQ(key, 4u);
  EXPECT_FALSE(plans.ChangeSelect(99)) << "a key not listed selects nothing";
  EXPECT_EQ(plans.GetCurSel(), -1);
  ASSERT_TRUE(user.Choose(ID_PLAN, "Roof1"));
  ASSERT_TRUE(plans.GetSelectedPlan(key));
  EXPECT_EQ(key, 5u);

  // Transactions: the list follows, the selection stays while its record does.
  auto* plan = Table<CClassPlan>();
  T_PLAN_D p;
  p.name = "Attic";
  ASSERT_TRUE(plan->TR_Add(p));
  EXPECT_EQ(plans.GetCount(), 8);
  ASSERT_TRUE(plans.GetSelectedPlan(key));
  EXPECT_EQ(key, 5u);
  ASSERT_TRUE(plan->Get(5, p));
  p.name = "Top";
  ASSERT_TRUE(plan->TR_Modify(5u, p));
  EXPECT_EQ(Text(plans), "Top");
  ASSERT_TRUE(plan->TR_Del(5u));
  EXPECT_FALSE(plans.GetSelectedPlan(key));
  ASSERT_TRUE(doc->Undo());
  EXPECT_EQ(plans.FindKey(5), 4) << "undo brings the record back in its place";
}

TEST_F(ControlsTest, TowerComboTakesTypedNames) {
  CCobxMdul towers;
  Make(towers, ID_MDUL, CBS_DROPDOWN);
  EXPECT_EQ(Items(towers), "Tower1=1,Tower2=2");
  ASSERT_TRUE(towers.ChangeSelect(2));
  UINT key = 0;
  ASSERT_TRUE(towers.GetSelectedMdul(key));
  EXPECT_EQ(key, 2u);
  ASSERT_TRUE(user.Type(ID_MDUL, "Tower1"));
  ASSERT_TRUE(towers.GetSelectedMdul(key));
  EXPECT_EQ(key, 1u);
  ASSERT_TRUE(user.Type(ID_MDUL, "tower1"));
  EXPECT_FALSE(towers.GetSelectedMdul(key)) << "names are matched exactly";
  ASSERT_TRUE(user.Type(ID_MDUL, "Tower3"));
  EXPECT_FALSE(towers.GetSelectedMdul(key));
  // The page adds the typed tower; the combo lists it and keeps the typed text.
  T_MDUL_D t;
  t.name = "Tower3";
  ASSERT_TRUE(Table<CClassMdul>()->TR_Add(t));
  EXPECT_EQ(Text(towers), "Tower3");
  ASSERT_TRUE(towers.GetSelectedMdul(key));
  EXPECT_EQ(key, 3u);
}

TEST_F(ControlsTest, StoryComboOptions) {
  CCobxStor stories;
  Make(stories, ID_STOR);
  EXPECT_EQ(Items(stories),
            "Base=1,B1=2,1F=3,2F=4,3F=5,4F=6,5F=7,RF=8,Tower2:3F=9,Tower2:4F=10,Tower2:5F=11,Tower2:RF=12");
  ASSERT_TRUE(stories.ChangeSelect(10));
  stories.ExceptBaseStory();
  stories.SortByModule(TRUE, 2);
  EXPECT_EQ(Items(stories), "3F=9,4F=10,5F=11,RF=12") << "one tower: no tower names";
  UINT key = 0;
  ASSERT_TRUE(stories.GetSelectedStor(key)) << "options keep the selection";
  EXPECT_EQ(key, 10u);
  stories.SetReverseOrder();
  EXPECT_EQ(Items(stories), "RF=12,5F=11,4F=10,3F=9");
  stories.SortByModule(TRUE, 0);
  EXPECT_EQ(Items(stories),
            "RF=8,5F=7,4F=6,3F=5,2F=4,1F=3,B1=2,Tower2:RF=12,Tower2:5F=11,Tower2:4F=10,Tower2:3F=9")
      << "towers in order, each top-down";
  stories.SortByModule(TRUE, 1);
  stories.IncludePlanName(TRUE);
  EXPECT_EQ(Items(stories),
            "RF (Roof1)=8,5F (Typical1)=7,4F (Typical1)=6,3F (Typical1)=5,2F (Podium)=4,1F (Podium)=3,"
            "B1 (Basement)=2");
  EXPECT_FALSE(stories.GetSelectedStor(key)) << "story 10 is no longer listed";
  stories.ExceptEmptyStory(TRUE, 0);
  EXPECT_EQ(stories.GetCount(), 7) << "without members no story counts as empty";

  CCobxStor basement;
  Make(basement, ID_STOR + 1);
  basement.SetBasementStorOnly(TRUE);
  EXPECT_EQ(Items(basement), "B1=2");
  T_GRND_D g;
  g.basementCount = 3;
  ASSERT_TRUE(Table<CClassGrnd>()->TR_Add(g));
  EXPECT_EQ(Items(basement), "2F=4,1F=3,B1=2") << "top basement story first";
}

TEST_F(ControlsTest, NameComboListsWhatItsKindsSourceGives) {
  CCobxName names;
  Make(names, ID_NAME);
  names.SetType(9002, 1);
  EXPECT_EQ(names.GetCount(), 0) << "no source for the kind: no names";
  names.SetType(2048, 1);
  EXPECT_EQ(Items(names), "S1=1,S2=2") << "kind 2048: the slab names";
  CCobxName::RegisterNameSource(
      9001,
      [](CDBDoc& d, int, CCobxName::Items& items) {
        CUIntArray keys;
        CArray<T_MDUL_D> recs;
        static_cast<CClassMdul*>(d.GetModelDB()->GetClass(CClassMdul::m_nClassID))->GetList(keys, recs);
        for (int i = 0; i < keys.GetSize(); ++i) items.emplace_back(keys[i], "N-" + recs[i].name);
      },
      CClassMdul::m_nClassID);
  names.SetType(9001, 0);
  EXPECT_EQ(Items(names), "N-Tower1=1,N-Tower2=2");
  ASSERT_TRUE(names.ChangeSelect(2));
  UINT key = 0;
  ASSERT_TRUE(names.GetSelectedName(key));
  EXPECT_EQ(key, 2u);
  names.EnableEdit(TRUE);
  EXPECT_EQ(names.GetStyle() & 0x3u, (DWORD)CBS_DROPDOWN);
  T_MDUL_D t;
  t.name = "T3";
  ASSERT_TRUE(Table<CClassMdul>()->TR_Add(t));
  EXPECT_EQ(names.GetCount(), 3) << "the source's table is watched";
}

// Section and thickness combos always have a choice while there is one to make; the mouse
// wheel steps it, toward the user to the next item.
TEST_F(ControlsTest, SectionAndThicknessCombosSelectTheFirstAndStepWithTheWheel) {
  CCobxSect sects;
  CCobxThik thiks;
  Make(sects, ID_SECT);
  Make(thiks, ID_THIK);
  EXPECT_EQ(Items(sects), "C500x500=1,C300x600=2,H400x200x8x13=3");
  EXPECT_EQ(sects.GetSelectedSect(), 1u) << "the first one";
  EXPECT_EQ(thiks.GetCount(), 2);
  EXPECT_EQ(thiks.GetSelectedThik(), 1u);

  struct Step {
    short delta;
    UINT key;
  } steps[] = {{-120, 2}, {-120, 3}, {-120, 3}, {240, 1}, {60, 1}, {120, 1}};
  for (const Step& st : steps) {
    sects.SendMessage(WM_MOUSEWHEEL, MAKEWPARAM(0, (WORD)st.delta), 0);
    EXPECT_EQ(sects.GetSelectedSect(), st.key) << st.delta;
  }

  // A new thickness is listed; a deleted selection falls back to the first.
  T_THIK_D t;
  t.Initialize();
  t.thick1 = 0.3;
  t.name = "300";
  ASSERT_TRUE(Table<CClassThik>()->TR_Add(t));
  ASSERT_EQ(thiks.GetCount(), 3);
  ASSERT_TRUE(thiks.SelectKey(3));
  ASSERT_TRUE(Table<CClassThik>()->TR_Del(3u));
  EXPECT_EQ(thiks.GetSelectedThik(), 1u);
}

}  // namespace
