// The steel-section database: every stored profile agrees with its rolled geometry,
// and sections taken from it carry the published properties.
#include <gtest/gtest.h>

#include <cmath>

#include "db/CSectDB.h"
#include "db/CSectUtil.h"

namespace {

constexpr double kCm = 1e-2;

double Rel(double a, double b) { return std::fabs(a - b) / std::fabs(b); }

// A regular steel section of a profile, as the section page builds it.
T_SECT_D FromDB(const char* name) {
  CSectDB db;
  T_SECT_D s;
  s.Initialize();
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = SECT_MATL_STEEL;
  const SectProfile* p = CSectDB::FindProfile(CSectDB::kDBName, name);
  s.Part1.strShape = p ? p->shape : "";
  s.Part1.BaseA.strDBName = CSectDB::kDBName;
  EXPECT_TRUE(db.GetSectData(CSectDB::kDBName, name, s.Part1.BaseA));
  return s;
}

}  // namespace

// A typing error in the table shows as a disagreement with the profile's own geometry.
TEST(SectDBTest, EveryProfileAgreesWithItsGeometryWithinOnePercent) {
  int n = 0;
  const SectProfile* all = CSectDB::Profiles(n);
  ASSERT_GT(n, 30);
  for (int i = 0; i < n; ++i) {
    const SectProfile& p = all[i];
    SCOPED_TRACE(p.name);
    T_SECT_STIFFNESS st;
    T_SECT_DESIGN de;
    st.Initialize();
    de.Initialize();
    ASSERT_TRUE(CSectDB::CalcRolled(p, st, de));
    EXPECT_LT(Rel(st.Area, p.A * kCm * kCm), 0.01) << st.Area / (kCm * kCm);
    EXPECT_LT(Rel(st.Iyy, p.Ix * std::pow(kCm, 4)), 0.01) << st.Iyy / std::pow(kCm, 4);
    EXPECT_LT(Rel(st.Izz, p.Iy * std::pow(kCm, 4)), 0.01) << st.Izz / std::pow(kCm, 4);
    EXPECT_LT(Rel(de.Wey, p.Wx * std::pow(kCm, 3)), 0.01) << de.Wey / std::pow(kCm, 3);
    EXPECT_LT(Rel(de.Wez, p.Wy * std::pow(kCm, 3)), 0.01) << de.Wez / std::pow(kCm, 3);
    EXPECT_LT(Rel(de.iy, p.ix * kCm), 0.01) << de.iy / kCm;
    EXPECT_LT(Rel(de.iz, p.iy * kCm), 0.01) << de.iz / kCm;
    if (p.z0 > 0) {
      EXPECT_LT(Rel(de.Cent_Y, p.z0 * kCm), 0.01) << de.Cent_Y / kCm;
    }
  }
}

TEST(SectDBTest, SectionFromTheDatabaseTakesThePublishedProperties) {
  struct Case {
    const char* name;
    double A, Ix, Iy;  // cm2, cm4
  };
  const Case cases[] = {{"HW100x100", 21.58, 378, 134}, {"HW150x150", 39.64, 1620, 563},
                        {"C10", 12.75, 198, 25.6},      {"L50x5", 4.803, 11.21, 11.21}};
  CSectDB db;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    T_SECT_D s = FromDB(c.name);
    ASSERT_TRUE(db.CalcSectData(s));
    const T_SECT_STIFFNESS& st = s.Part1.BaseA.Stiff;
    EXPECT_NEAR(st.Area, c.A * 1e-4, 1e-12);
    EXPECT_NEAR(st.Iyy, c.Ix * 1e-8, 1e-14);
    EXPECT_NEAR(st.Izz, c.Iy * 1e-8, 1e-14);
    EXPECT_EQ(st.AreaAux, st.Area);
    EXPECT_GT(st.Ixx, 0);
    EXPECT_GT(s.Part1.BaseA.Design.Wpy, s.Part1.BaseA.Design.Wey);
    // The utilities' own computation gives the same.
    T_SECT_D t = FromDB(c.name);
    ASSERT_TRUE(CSectUtil::CalcSectData(t));
    EXPECT_EQ(t.Part1.BaseA.Stiff.Iyy, st.Iyy);
  }
}

TEST(SectDBTest, EditedSizesAreComputedFromTheOutline) {
  T_SECT_D s = FromDB("HW100x100");
  s.Part1.BaseA.dSize[2] = 0.007;  // no longer the profile
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  // Sharp-cornered outline: 2 * 100 * 8 + 84 * 7 = 2188 mm2.
  EXPECT_NEAR(s.Part1.BaseA.Stiff.Area, 2188e-6, 1e-15);
}

TEST(SectDBTest, NamesAndLists) {
  CSectDB db;
  CStringArray names;
  db.GetDBNameList(names);
  ASSERT_EQ(names.GetSize(), 1);
  EXPECT_EQ(names[0], "GB-YB05");

  db.GetSectNameList("GB-YB05", "C", names);
  ASSERT_GT(names.GetSize(), 5);
  EXPECT_EQ(names[0], "C5");
  for (const CString& n : names) {
    T_SECT_SECTBASE_D b;
    b.Initialize();
    ASSERT_TRUE(db.GetSectData("GB-YB05", n, b));
    EXPECT_EQ(b.dSize[1], b.dSize[4]);  // both flanges given
    EXPECT_EQ(b.iFabType, 2);
  }
  db.GetSectNameList("GB-YB05", "SB", names);
  EXPECT_EQ(names.GetSize(), 0);
  db.GetSectNameList("nothing", "H", names);
  EXPECT_EQ(names.GetSize(), 0);

  T_SECT_SECTBASE_D b;
  b.Initialize();
  EXPECT_FALSE(db.GetSectData("GB-YB05", "HW999x999", b));
  ASSERT_TRUE(db.GetSectData("GB-YB05", "HW150x150", b));
  const double want[6] = {0.150, 0.150, 0.007, 0.010, 0.150, 0.010};
  for (int i = 0; i < 6; ++i) EXPECT_DOUBLE_EQ(b.dSize[i], want[i]) << i;
  EXPECT_EQ(b.strSectName, "HW150x150");
}
