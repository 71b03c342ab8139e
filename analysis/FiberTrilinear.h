// The two input forms of the trilinear fiber materials and the conversions between them.
// A branch is three stress points s[0..2] at strains e[0..2] (the stress-strain form) or
// the first slope K1 with the ratios of the next slopes to it (the stiffness form).
//
// Concrete (one compression branch) and steel (a tension branch, and a compression branch
// whose slopes K4, K5 stand beside K2, K3) convert alike:
// - into the strain form: K2 = K1 r2 ... ; when K1 or any later slope is 0 nothing
//   changes; else e1 = s1 / K1, e2 = e1 + (s2 - s1) / K2, e3 = e2 + (s3 - s2) / K3;
// - into the stiffness form: K1 = s1 / e1 (0 when e1 is 0), each later slope the rise
//   over its strain step (0 when the two strains are equal), the ratios slope / K1, all 0
//   when K1 is 0.
// Every test for zero or equality is exact, as the values are typed.
// Steel's derived compression strains (SteelCompressionStrains): the tension slopes, each
// taken only when its stress and strain both rise (the first from a positive point), give
// e'1 = s'1 / k1, e'2 = e'1 + (s'2 - s'1) / k2, e'3 = e'2 + (s'3 - s'2) / k3, a zero slope
// adding nothing (e'1 0).
#pragma once

struct FiberBranch {
  double s[3] = {}, e[3] = {};
};

// Concrete: returns false (and leaves e) when a slope is 0.
bool FiberToStrainForm(FiberBranch& b, double K1, double r2, double r3);
void FiberToStiffnessForm(const FiberBranch& b, double& K1, double& r2, double& r3);

// Steel: r holds K2/K1 to K5/K1. Returns false (and leaves both) when a slope is 0.
bool FiberSteelToStrainForm(FiberBranch& tension, FiberBranch& compression, double K1,
                            const double r[4]);
void FiberSteelToStiffnessForm(const FiberBranch& tension, const FiberBranch& compression,
                               double& K1, double r[4]);
// The compression strains from the tension branch's slopes (the compression stresses kept).
void FiberSteelCompressionStrains(const FiberBranch& tension, FiberBranch& compression);
