// Units, unit conversion of records, the slab-detail image.
#include <gtest/gtest.h>

#include "db/CDataDasb.h"
#include "db/CUnitCtrl.h"
#include "db/T_STOR_D.h"

namespace {

TEST(Units, FactorsByKind) {
  struct Case { const char* force; const char* length; int kind; double factor; const char* name; };
  const Case cases[] = {
      {"kN", "m", UNIT_LENGTH, 1.0, "m"},          {"kN", "mm", UNIT_LENGTH, 1000.0, "mm"},
      {"N", "mm", UNIT_AREA_LOAD, 1e-3, "N/mm^2"}, {"kN", "m", UNIT_AREA_LOAD, 1.0, "kN/m^2"},
      {"N", "m", UNIT_FORCE, 1000.0, "N"},         {"kN", "cm", UNIT_MOMENT, 100.0, "kN*cm"},
      {"N", "mm", UNIT_INERTIA, 1e12, "mm^4"},     {"tonf", "m", UNIT_FORCE, 1 / 9.80665, "tonf"},
      {"kgf", "m", UNIT_UNIT_WEIGHT, 1 / 9.80665e-3, "kgf/m^3"},
      {"N", "mm", UNIT_NONE, 1.0, ""},             {"N", "mm", UNIT_TEMPERATURE, 1.0, "[C]"},
  };
  for (const Case& c : cases) {
    CUnitCtrl u;
    ASSERT_TRUE(u.SetUnitSystem(c.force, c.length));
    EXPECT_NEAR(u.GetFactor(c.kind), c.factor, c.factor * 1e-12) << c.force << c.length << c.kind;
    EXPECT_EQ(u.GetUnitName(c.kind), c.name);
    double v = 1.2345;
    EXPECT_NEAR(u.ConvertIn(c.kind, u.ConvertOut(c.kind, v)), v, 1e-12);
  }
}

// The numbers the dialogs name mean what they name, in N and mm.
TEST(Units, KindNumbersOfTheLinkDialogs) {
  struct Case { int kind; double factor; const char* name; };
  const Case cases[] = {
      {2, 1e3, "N"},            {5, 1.0, "rad"},          {12, 1e6, "N*mm"},
      {14, 1.0, "N/mm"},        {15, 1e6, "N*mm/rad"},    {22, 1e3, "mm/sec"},
      {23, 1.0, "N/mm-sec^2"},  {32, 1.0, "rad/sec"},     {45, 1.0, "N-sec/mm"},
      {46, 1e6, "N*mm-sec/rad"}, {47, 1e-3, "sec/mm"},
  };
  CUnitCtrl u;
  ASSERT_TRUE(u.SetUnitSystem("N", "mm"));
  for (const Case& c : cases) {
    EXPECT_NEAR(u.GetFactor(c.kind), c.factor, c.factor * 1e-12) << c.kind;
    EXPECT_EQ(u.GetUnitName(c.kind), c.name) << c.kind;
  }
  EXPECT_EQ(u.GetUnitName(48), "") << "no kind: a plain number";
  EXPECT_EQ(u.GetFactor(48), 1.0);
}

// A value shown before the last change of the length unit, times the factor, is the value
// in the current units; the force unit plays no part, a refused change changes nothing.
TEST(Units, PreviousLengthUnitFactor) {
  struct Step { const char* force; const char* length; int kind; double factor; };
  const Step steps[] = {
      {"kN", "m", UNIT_LENGTH, 1.0},    // no change of length yet
      {"kN", "mm", UNIT_LENGTH, 1000.0},
      {"N", "mm", UNIT_LENGTH, 1.0},    // only the force changed
      {"N", "cm", UNIT_AREA, 1e-2},     // mm^2 to cm^2
      {"kN", "m", UNIT_AREA_LOAD, 1e4}, // per cm^2 to per m^2
      {"kN", "m", UNIT_NONE, 1.0},
  };
  CUnitCtrl u;
  for (const Step& s : steps) {
    ASSERT_TRUE(u.SetUnitSystem(s.force, s.length));
    EXPECT_NEAR(u.ConvertUnitLengthPrevious(s.kind), s.factor, s.factor * 1e-12) << s.force << s.length;
  }
  ASSERT_TRUE(u.SetUnitSystem("kN", "mm"));
  EXPECT_FALSE(u.SetUnitSystem("kN", "ft"));
  EXPECT_NEAR(u.ConvertUnitLengthPrevious(UNIT_LENGTH), 1000.0, 1e-9);
}

TEST(Units, UnknownUnitsAreRefused) {
  CUnitCtrl u;
  EXPECT_FALSE(u.SetUnitSystem("lbf", "m"));
  EXPECT_FALSE(u.SetUnitSystem(0, 7));
  CString f, l;
  u.GetUnitSystem(f, l);
  EXPECT_EQ(f, "kN");
  EXPECT_EQ(l, "m");
}

TEST(Units, UnitIndexesCountFromTheSmallestUnit) {
  struct Case {
    const char *force, *length;
    int lengthIndex, forceIndex;
  } cases[] = {{"kN", "mm", 0, 2}, {"N", "cm", 1, 0}, {"kgf", "m", 2, 1}, {"tonf", "mm", 0, 3}};
  for (const Case& c : cases) {
    CUnitCtrl u;
    ASSERT_TRUE(u.SetUnitSystem(c.force, c.length));
    int index[2] = {-1, -1};
    u.GetUnitIndexCurrent(index);
    EXPECT_EQ(index[0], c.lengthIndex) << c.length;
    EXPECT_EQ(index[1], c.forceIndex) << c.force;
  }
}

TEST(Units, ValuesGivenInOtherUnitsShowInTheCurrentOnes) {
  // (current force, current length, given force index, given length index, kind, value, shown)
  struct Case {
    const char *force, *length;
    int forceIndex, lengthIndex, kind;
    double value, shown;
  } cases[] = {{"kN", "m", 2, 0, UNIT_LENGTH, 270, 0.27},      {"kN", "mm", 2, 0, UNIT_LENGTH, 270, 270},
               {"kN", "cm", 3, 2, UNIT_LENGTH, 0.5, 50},       {"N", "mm", 2, 2, UNIT_FORCE, 1.5, 1500},
               {"kN", "m", 0, 0, UNIT_STRESS, 30, 30000},      {"kN", "m", 2, 2, UNIT_ANGLE, 45, 45},
               {"kN", "m", 4, 0, UNIT_LENGTH, 7, 7},           {"kN", "m", 2, 3, UNIT_LENGTH, 7, 7}};
  for (const Case& c : cases) {
    CUnitCtrl u;
    ASSERT_TRUE(u.SetUnitSystem(c.force, c.length));
    EXPECT_NEAR(u.ConvValueTgtUnit2CurUnit(c.forceIndex, c.lengthIndex, c.kind, c.value), c.shown, 1e-9 * c.shown)
        << c.force << " " << c.length << " from " << c.forceIndex << "/" << c.lengthIndex << " kind " << c.kind;
  }
}

TEST(Units, RecordConversionUsesTheDeclaredKinds) {
  CUnitCtrl u;
  u.SetUnitSystem("N", "mm");
  DB_CDataImage<T_STOR_D> s;
  s.m_Data.height = 3.0;
  s.m_Data.deadLoad = 5.0;
  s.m_Data.bendFactor = 6.0;
  s.ConvertUnitOut(&u);
  EXPECT_DOUBLE_EQ(s.m_Data.height, 3000.0);
  EXPECT_DOUBLE_EQ(s.m_Data.deadLoad, 0.005);
  EXPECT_DOUBLE_EQ(s.m_Data.bendFactor, 6.0);
  s.ConvertUnitIn(&u);
  EXPECT_DOUBLE_EQ(s.m_Data.height, 3.0);
}

TEST(Units, SlabDetailImage) {
  CUnitCtrl mm;
  mm.SetUnitSystem("kN", "mm");
  CDataDasb a;
  a.Initialize();
  EXPECT_EQ(a.m_nKey, 0u);
  EXPECT_EQ(a.m_Data.deadLoad, 1);
  a.m_nKey = 7;
  a.m_Data.meshSize = 500.0;
  a.m_Data.punchingCheck = 1;
  a.ConvertUnitIn(&mm);
  EXPECT_DOUBLE_EQ(a.m_Data.meshSize, 0.5);
  CDataDasb b;
  b = a;  // key, then the whole payload
  EXPECT_EQ(b.m_nKey, 7u);
  EXPECT_EQ(b.m_Data.punchingCheck, 1);
  b.ConvertUnitOut(&mm);
  EXPECT_DOUBLE_EQ(b.m_Data.meshSize, 500.0);
  EXPECT_DOUBLE_EQ(a.m_Data.meshSize, 0.5);
  DB_TDataRW* base = new CDataDasb(b);
  delete base;  // through the virtual destructor
}

}  // namespace

#include "db/ICmdData.h"

namespace {

class FakeCmdData : public ICmdData {
 public:
  int GetDasb(CDataDasb* p) override {
    p->m_nKey = 9;
    p->m_Data.wind = 1;
    return 1;
  }
};

TEST(CmdData, TheLibraryReadsThroughTheInstance) {
  CDataDasb d;
  EXPECT_EQ(ICmdData::GetInstance(), nullptr);
  EXPECT_EQ(ICmdData::ReadDasb(d), 0);
  EXPECT_EQ(d.m_nKey, 0u);
  {
    FakeCmdData impl;
    EXPECT_EQ(ICmdData::GetInstance(), &impl);
    EXPECT_EQ(ICmdData::ReadDasb(d), 1);
    EXPECT_EQ(d.m_nKey, 9u);
    EXPECT_EQ(d.m_Data.wind, 1);
  }
  EXPECT_EQ(ICmdData::GetInstance(), nullptr);
}

}  // namespace
