#include "analysis/FiberTrilinear.h"

namespace {

double Slope(double s0, double s1, double e0, double e1) {
  return e1 == e0 ? 0.0 : (s1 - s0) / (e1 - e0);
}

void Strains(FiberBranch& b, double K1, double Ka, double Kb) {
  b.e[0] = b.s[0] / K1;
  b.e[1] = b.e[0] + (b.s[1] - b.s[0]) / Ka;
  b.e[2] = b.e[1] + (b.s[2] - b.s[1]) / Kb;
}

double FirstSlope(const FiberBranch& b) { return b.e[0] == 0 ? 0.0 : b.s[0] / b.e[0]; }

}  // namespace

bool FiberToStrainForm(FiberBranch& b, double K1, double r2, double r3) {
  const double K2 = K1 * r2, K3 = K1 * r3;
  if (K1 == 0 || K2 == 0 || K3 == 0) return false;
  Strains(b, K1, K2, K3);
  return true;
}

void FiberToStiffnessForm(const FiberBranch& b, double& K1, double& r2, double& r3) {
  K1 = FirstSlope(b);
  const double K2 = Slope(b.s[0], b.s[1], b.e[0], b.e[1]);
  const double K3 = Slope(b.s[1], b.s[2], b.e[1], b.e[2]);
  r2 = K1 == 0 ? 0.0 : K2 / K1;
  r3 = K1 == 0 ? 0.0 : K3 / K1;
}

bool FiberSteelToStrainForm(FiberBranch& tension, FiberBranch& compression, double K1,
                            const double r[4]) {
  const double K[4] = {K1 * r[0], K1 * r[1], K1 * r[2], K1 * r[3]};
  if (K1 == 0 || K[0] == 0 || K[1] == 0 || K[2] == 0 || K[3] == 0) return false;
  Strains(tension, K1, K[0], K[1]);
  Strains(compression, K1, K[2], K[3]);
  return true;
}

void FiberSteelToStiffnessForm(const FiberBranch& tension, const FiberBranch& compression,
                               double& K1, double r[4]) {
  K1 = FirstSlope(tension);
  const double K[4] = {Slope(tension.s[0], tension.s[1], tension.e[0], tension.e[1]),
                       Slope(tension.s[1], tension.s[2], tension.e[1], tension.e[2]),
                       Slope(compression.s[0], compression.s[1], compression.e[0], compression.e[1]),
                       Slope(compression.s[1], compression.s[2], compression.e[1], compression.e[2])};
  for (int i = 0; i < 4; ++i) r[i] = K1 == 0 ? 0.0 : K[i] / K1;
}

void FiberSteelCompressionStrains(const FiberBranch& t, FiberBranch& c) {
  const double k1 = (t.e[0] > 0 && t.s[0] > 0) ? t.s[0] / t.e[0] : 0.0;
  const double k2 = (t.e[1] > t.e[0] && t.s[1] > t.s[0]) ? (t.s[1] - t.s[0]) / (t.e[1] - t.e[0]) : 0.0;
  const double k3 = (t.e[2] > t.e[1] && t.s[2] > t.s[1]) ? (t.s[2] - t.s[1]) / (t.e[2] - t.e[1]) : 0.0;
  c.e[0] = k1 == 0 ? 0.0 : c.s[0] / k1;
  c.e[1] = k2 == 0 ? c.e[0] : c.e[0] + (c.s[1] - c.s[0]) / k2;
  c.e[2] = k3 == 0 ? c.e[1] : c.e[1] + (c.s[2] - c.s[1]) / k3;
}
