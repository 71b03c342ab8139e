// The trilinear fiber materials' two input forms, converted both ways, with the guarded
// cases; and the fiber material table's blocks in their shared slots.
#include <gtest/gtest.h>

#include "analysis/FiberTrilinear.h"
#include "db/CClassFimp.h"
#include "db/CDBDoc.h"

namespace {
constexpr double kTol = 1e-12;
}  // namespace

TEST(FiberTrilinear, ConcreteBothWays) {
  FiberBranch b{{10000, 15000, 18000}, {0.001, 0.002, 0.004}};
  double K1, r2, r3;
  FiberToStiffnessForm(b, K1, r2, r3);
  EXPECT_NEAR(K1, 1e7, 1e7 * kTol);
  EXPECT_NEAR(r2, 0.5, kTol);
  EXPECT_NEAR(r3, 0.15, kTol);
  FiberBranch back{{10000, 15000, 18000}, {}};
  ASSERT_TRUE(FiberToStrainForm(back, K1, r2, r3));
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(back.e[i], b.e[i], kTol) << i;
}

TEST(FiberTrilinear, GuardedCases) {
  double K1, r2, r3;
  // Equal strains: that segment's slope is 0.
  FiberToStiffnessForm({{10000, 15000, 18000}, {0.001, 0.001, 0.004}}, K1, r2, r3);
  EXPECT_EQ(r2, 0);
  EXPECT_NEAR(r3, 3000 / 0.003 / 1e7, kTol);
  // A zero first strain: K1 0 and both ratios 0.
  FiberToStiffnessForm({{10000, 15000, 18000}, {0, 0.002, 0.004}}, K1, r2, r3);
  EXPECT_EQ(K1, 0);
  EXPECT_EQ(r2, 0);
  EXPECT_EQ(r3, 0);
  // K1 or a ratio 0 leaves the strains.
  struct Case {
    double K1, r2, r3;
  };
  for (const Case& c : {Case{0, 0.5, 0.15}, Case{1e7, 0, 0.15}, Case{1e7, 0.5, 0}}) {
    FiberBranch b{{10000, 15000, 18000}, {1, 2, 3}};
    EXPECT_FALSE(FiberToStrainForm(b, c.K1, c.r2, c.r3));
    EXPECT_EQ(b.e[0], 1);
    EXPECT_EQ(b.e[2], 3);
  }
}

TEST(FiberTrilinear, SteelDerivedCompressionAndStiffness) {
  const FiberBranch t{{200, 300, 400}, {0.001, 0.011, 0.051}};
  FiberBranch c{{100, 150, 200}, {}};
  FiberSteelCompressionStrains(t, c);
  EXPECT_NEAR(c.e[0], 0.0005, kTol);
  EXPECT_NEAR(c.e[1], 0.0055, kTol);
  EXPECT_NEAR(c.e[2], 0.0255, kTol);
  double K1, r[4];
  FiberSteelToStiffnessForm(t, c, K1, r);
  EXPECT_NEAR(K1, 200000, 1e-6);
  EXPECT_NEAR(r[0], 0.05, kTol);
  EXPECT_NEAR(r[1], 0.0125, kTol);
  EXPECT_NEAR(r[2], 0.05, kTol) << "the compression slopes follow the tension ones";
  EXPECT_NEAR(r[3], 0.0125, kTol);
  // And back: the strain form again.
  FiberBranch t2{{200, 300, 400}, {}}, c2{{100, 150, 200}, {}};
  ASSERT_TRUE(FiberSteelToStrainForm(t2, c2, K1, r));
  for (int i = 0; i < 3; ++i) {
    EXPECT_NEAR(t2.e[i], t.e[i], kTol);
    EXPECT_NEAR(c2.e[i], c.e[i], kTol);
  }
  // A first strain of 0 or below: no first slope, e'1 0 and the later strains from it.
  for (double e1 : {0.0, -0.001}) {
    FiberBranch d{{100, 150, 200}, {9, 9, 9}};
    FiberSteelCompressionStrains({{200, 300, 400}, {e1, 0.011, 0.051}}, d);
    EXPECT_EQ(d.e[0], 0) << e1;
  }
}

TEST(FiberMaterialTable, BlocksShareTheSlotsAndNamesAreUnique) {
  CDBDoc doc;
  CClassFimp fimp;
  ASSERT_TRUE(fimp.ConnectToDB(doc.GetModelDB()));
  T_FIMP_D r;
  r.Initialize();
  EXPECT_TRUE(r.name.IsEmpty());
  EXPECT_EQ(r.kind, 0);
  EXPECT_EQ(r.model, 0);
  r.name = "C30";
  T_FIMP_CON_TRILIN tri;
  tri.Initialize();
  tri.method = 1;
  tri.ToParam(r.param);
  EXPECT_EQ(r.param[0], 1) << "the input method as its value, in the first slot";
  ASSERT_TRUE(fimp.TR_Add(1, r));
  T_FIMP_D back;
  ASSERT_TRUE(fimp.Get(1, back));
  T_FIMP_CON_TRILIN read;
  read.FromParam(back.param);
  EXPECT_EQ(read.method, 1);
  EXPECT_EQ(read.sc2, tri.sc2);
  EXPECT_EQ(read.ecu, tri.ecu);
  // The default trilinear blocks agree with themselves in both forms.
  double K1, r2, r3;
  FiberToStiffnessForm({{tri.sc1, tri.sc2, tri.sc3}, {tri.ec1, tri.ec2, tri.ec3}}, K1, r2, r3);
  EXPECT_NEAR(K1, tri.K1, tri.K1 * 1e-9);
  EXPECT_NEAR(r2, tri.r2, 1e-9);
  EXPECT_NEAR(r3, tri.r3, 1e-9);
  T_FIMP_STL_TRILIN st;
  st.Initialize();
  FiberBranch c{{st.sc[0], st.sc[1], st.sc[2]}, {}};
  FiberSteelCompressionStrains({{st.st[0], st.st[1], st.st[2]}, {st.et[0], st.et[1], st.et[2]}}, c);
  for (int i = 0; i < 3; ++i) EXPECT_NEAR(c.e[i], st.ec[i], 1e-12);
  // Empty and repeated names are refused.
  T_FIMP_D empty;
  EXPECT_FALSE(fimp.TR_Add(2, empty));
  EXPECT_FALSE(fimp.TR_Add(2, r));
  EXPECT_EQ(fimp.GetKey("C30"), 1u);
}
