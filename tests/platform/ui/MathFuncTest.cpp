// The UI library's vector geometry: lengths, normalising (zero vectors refused) and the two
// angles in degrees: the unsigned cross angle and the plan angle from a reference,
// counter-clockwise, in [0, 360).
#include <gtest/gtest.h>

#include <cmath>
#include "ui/CMathFunc.h"

namespace {

TEST(MathFunc, LengthsAndNormalising) {
  EXPECT_DOUBLE_EQ(CMathFunc::mathLength(T_POINT3D{1, 2, 3}, T_POINT3D{4, 6, 3}), 5.0);
  EXPECT_DOUBLE_EQ(CMathFunc::mathLength(T_POINT3D{0, 3, 4}), 5.0);
  T_POINT3D u{9, 9, 9};
  ASSERT_TRUE(CMathFunc::mathNormalize(T_POINT3D{0, 0, -2}, u));
  EXPECT_DOUBLE_EQ(u.z, -1.0);
  EXPECT_FALSE(CMathFunc::mathNormalize(T_POINT3D{0, 0, 0}, u));
  EXPECT_EQ(u.x + u.y + u.z, 0.0);
  EXPECT_FALSE(CMathFunc::mathNormalize(T_POINT3D{INFINITY, 0, 0}, u));
}

TEST(MathFunc, Angles) {
  const T_POINT3D gx{1, 0, 0};
  const double s = std::sqrt(0.5);
  struct Case {
    T_POINT3D u;
    double plan;   // from GX, counter-clockwise
    double cross;  // unsigned, to GX
  };
  const Case cases[] = {
      {{1, 0, 0}, 0, 0},      {{0, 1, 0}, 90, 90},       {{-1, 0, 0}, 180, 180},
      {{0, -1, 0}, 270, 90},  {{-s, -s, 0}, 225, 135},   {{s, -s, 0}, 315, 45},
  };
  for (const Case& c : cases) {
    EXPECT_NEAR(CMathFunc::mathCrossAngle2D(gx, c.u), c.plan, 1e-9);
    EXPECT_NEAR(CMathFunc::mathCrossAngle(gx, c.u), c.cross, 1e-9);
  }
  EXPECT_EQ(CMathFunc::mathCrossAngle2D(gx, T_POINT3D{}), 0.0);
  EXPECT_EQ(CMathFunc::mathCrossAngle(gx, T_POINT3D{}), 0.0);
  // Rounding past 1 in the dot product stays an angle of 0.
  EXPECT_EQ(CMathFunc::mathCrossAngle(T_POINT3D{s, s, 0}, T_POINT3D{s, s, 0}), 0.0);
}

}  // namespace
