// Section properties of the regular shapes against values worked by hand (sizes in mm,
// properties compared in mm; the record holds m).
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "db/CSectUtil.h"
#include "db/SectShapes.h"
#include "db/SectTorsion.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kExact = 1e-9;

T_SECT_D Reg(const char* code, std::initializer_list<double> mm, int matl = SECT_MATL_STEEL) {
  T_SECT_D s;
  s.iType = SECT_TYPE_REGULAR;
  s.iMatlType = matl;
  s.Part1.strShape = code;
  int i = 0;
  for (double v : mm) s.Part1.BaseA.dSize[i++] = v * 1e-3;
  return s;
}

// A property in m^p back in mm^p.
double Mm(double v, int p) { return v * std::pow(1e3, p); }

void ExpectRel(double got, double want, double tol, const char* what) {
  EXPECT_NEAR(got, want, std::fabs(want) * tol + 1e-12) << what;
}

struct Props {
  const T_SECT_STIFFNESS& st;
  const T_SECT_DESIGN& de;
  const T_SECT_SECTBASE_D& b;
};

Props Calc(T_SECT_D& s) {
  EXPECT_TRUE(CSectUtil::CalcSectData(s)) << s.Part1.strShape.c_str();
  return {s.Part1.BaseA.Stiff, s.Part1.BaseA.Design, s.Part1.BaseA};
}

}  // namespace

TEST(SectPropsTest, SolidRectangle) {
  // 300 wide, 500 high.
  T_SECT_D s = Reg("SB", {500, 300}, SECT_MATL_RC);
  Props p = Calc(s);
  const double B = 300, H = 500;
  ExpectRel(Mm(p.st.Area, 2), B * H, kExact, "A");
  ExpectRel(Mm(p.st.Asy, 2), 5.0 / 6.0 * B * H, kExact, "Asy = 5A/6");
  ExpectRel(Mm(p.st.Asz, 2), 5.0 / 6.0 * B * H, kExact, "Asz = 5A/6");
  ExpectRel(Mm(p.st.Iyy, 4), B * H * H * H / 12, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), H * B * B * B / 12, kExact, "Izz");
  ExpectRel(Mm(p.de.Wey, 3), B * H * H / 6, kExact, "Wey");
  ExpectRel(Mm(p.de.Wpy, 3), B * H * H / 4, kExact, "Wpy");
  ExpectRel(Mm(p.de.Wpz, 3), H * B * B / 4, kExact, "Wpz");
  ExpectRel(Mm(p.st.Qzb, 2), H * H / 8, kExact, "Qzb");
  ExpectRel(Mm(p.st.Qyb, 2), B * B / 8, kExact, "Qyb");
  ExpectRel(Mm(p.st.Czp, 1), H / 2, kExact, "Czp");
  ExpectRel(Mm(p.st.Cym, 1), B / 2, kExact, "Cym");
  ExpectRel(Mm(p.de.Cent_Y, 1), B / 2, kExact, "Cent_Y");
  ExpectRel(Mm(p.de.Cent_Z, 1), H / 2, kExact, "Cent_Z");
  ExpectRel(Mm(p.de.iy, 1), H / std::sqrt(12.0), kExact, "iy");
  ExpectRel(Mm(p.b.PeriOut, 1), 2 * (B + H), kExact, "PeriOut");
  EXPECT_EQ(p.b.PeriIn, 0);
  EXPECT_EQ(p.st.AreaAux, p.st.Area);
}

// Torsion constant of solid rectangles: J = k a b^3, k tabulated by Timoshenko.
TEST(SectPropsTest, RectangleTorsionConstant) {
  struct Case {
    double ratio, k;
  };
  const Case cases[] = {{1.0, 0.140577}, {2.0, 0.228682}, {10.0, 0.312325}};
  for (const Case& c : cases) {
    T_SECT_D s = Reg("SB", {100 * c.ratio, 100}, SECT_MATL_RC);
    Props p = Calc(s);
    ExpectRel(Mm(p.st.Ixx, 4), c.k * 100 * c.ratio * 1e6, 2e-6, "J");
  }
}

TEST(SectPropsTest, SolidCircleAndPipe) {
  {
    const double D = 400, r = D / 2;
    T_SECT_D s = Reg("SR", {D}, SECT_MATL_RC);
    Props p = Calc(s);
    ExpectRel(Mm(p.st.Area, 2), kPi * r * r, kExact, "A");
    ExpectRel(Mm(p.st.Iyy, 4), kPi * std::pow(D, 4) / 64, kExact, "I");
    ExpectRel(Mm(p.st.Ixx, 4), kPi * std::pow(D, 4) / 32, kExact, "J");
    ExpectRel(Mm(p.st.Asz, 2), 0.9 * kPi * r * r, kExact, "As");
    ExpectRel(Mm(p.de.Wey, 3), kPi * D * D * D / 32, kExact, "We");
    ExpectRel(Mm(p.de.Wpy, 3), D * D * D / 6, 1e-9, "Wp");
    ExpectRel(Mm(p.st.Qzb, 2), r * r / 3, kExact, "Q/b");
    ExpectRel(Mm(p.b.PeriOut, 1), kPi * D, kExact, "perimeter");
  }
  {
    // Pipe 168.3 x 8: A = 4029 mm2, I = 1.297e7 mm4 in the steel tables.
    const double D = 168.3, t = 8, d = D - 2 * t, R = D / 2, ri = d / 2;
    T_SECT_D s = Reg("P", {D, t});
    Props p = Calc(s);
    ExpectRel(Mm(p.st.Area, 2), kPi * (D * D - d * d) / 4, kExact, "A");
    ExpectRel(Mm(p.st.Area, 2), 4029, 5e-4, "A, table");
    ExpectRel(Mm(p.st.Iyy, 4), 1.297e7, 5e-4, "I, table");
    ExpectRel(Mm(p.st.Ixx, 4), kPi * (std::pow(D, 4) - std::pow(d, 4)) / 32, kExact, "J");
    ExpectRel(Mm(p.st.Asy, 2), kPi * (D * D - d * d) / 8, kExact, "As = A/2");
    ExpectRel(Mm(p.de.Wpz, 3), (D * D * D - d * d * d) / 6, 1e-9, "Wp");
    ExpectRel(Mm(p.st.Qyb, 2), (R * R * R - ri * ri * ri) / (3 * t), kExact, "Q/b");
    ExpectRel(Mm(p.b.PeriOut, 1), kPi * D, kExact, "outer perimeter");
    ExpectRel(Mm(p.b.PeriIn, 1), kPi * d, kExact, "inner perimeter");
  }
}

TEST(SectPropsTest, HSection) {
  // 400 x 200 x 8 x 13, sharp corners.
  T_SECT_D s = Reg("H", {400, 200, 8, 13, 0, 0});
  Props p = Calc(s);
  ExpectRel(Mm(p.st.Area, 2), 8192, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), (200 * std::pow(400, 3) - 192 * std::pow(374, 3)) / 12, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), 2 * 13 * std::pow(200, 3) / 12 + 374 * 512.0 / 12, kExact, "Izz");
  ExpectRel(Mm(p.de.Wey, 3), (200 * std::pow(400, 3) - 192 * std::pow(374, 3)) / 12 / 200, kExact, "Wey");
  ExpectRel(Mm(p.de.Wpy, 3), 2 * 2600 * 193.5 + 8 * 187.0 * 187.0, 1e-9, "Wpy");
  ExpectRel(Mm(p.de.Wpz, 3), 2 * 13 * 200.0 * 200.0 / 4 + 374 * 64.0 / 4, 1e-9, "Wpz");
  ExpectRel(Mm(p.st.Ixx, 4), (2 * 200 * 2197.0 + 374 * 512.0) / 3, kExact, "J = sum b t^3 / 3");
  ExpectRel(Mm(p.st.Asz, 2), 400 * 8.0, kExact, "Asz = H tw");
  ExpectRel(Mm(p.st.Asy, 2), 5.0 / 6.0 * 2 * 200 * 13, kExact, "Asy");
  ExpectRel(Mm(p.st.Qzb, 2), (200 * 13 * 193.5 + 8 * 187 * 93.5) / 8, kExact, "Qzb");
  ExpectRel(Mm(p.st.Qyb, 2), (2 * 13 * 100 * 50.0 + 374 * 4 * 2.0) / 400, kExact, "Qyb");
  ExpectRel(Mm(p.de.Cwp, 6), 387.0 * 387.0 * 13 * std::pow(200, 3) / 12 / 2, kExact, "Cw");
  ExpectRel(Mm(p.b.PeriOut, 1), 1584, kExact, "perimeter");
  ExpectRel(Mm(p.de.Cent_Z, 1), 200, kExact, "Cent_Z");
}

TEST(SectPropsTest, UnequalFlangeHCentresItsFlanges) {
  // Top flange 300 x 20, bottom flange 200 x 10, web 10: all centred on the web.
  T_SECT_D s = Reg("H", {500, 300, 10, 20, 200, 10});
  Props p = Calc(s);
  const double A1 = 6000, A2 = 2000, Aw = 4700;
  const double zc = (A1 * 490 + A2 * 5 + Aw * 245) / (A1 + A2 + Aw);  // from the bottom
  ExpectRel(Mm(p.st.Area, 2), A1 + A2 + Aw, kExact, "A");
  ExpectRel(Mm(p.de.Cent_Z, 1), zc, kExact, "Cent_Z");
  ExpectRel(Mm(p.de.Cent_Y, 1), 150, kExact, "Cent_Y");
  const double I = 300 * 8000.0 / 12 + A1 * std::pow(490 - zc, 2) + 200 * 1000.0 / 12 +
                   A2 * std::pow(5 - zc, 2) + 10 * std::pow(470, 3) / 12 + Aw * std::pow(245 - zc, 2);
  ExpectRel(Mm(p.st.Iyy, 4), I, kExact, "Iyy");
  ExpectRel(Mm(p.st.Czp, 1), 500 - zc, kExact, "Czp");
  ExpectRel(Mm(p.de.Wey, 3), I / zc, kExact, "Wey on the far fibre");
}

TEST(SectPropsTest, ThinAngle) {
  // L 100 x 100 x 10 without root radius.
  T_SECT_D s = Reg("L", {100, 100, 10, 10});
  Props p = Calc(s);
  const double A = 1900, c = 54500.0 / 1900;  // centroid from the backs of the legs
  const double I = 10 * 1e6 / 12 + 1000 * 2500 + 90 * 1000.0 / 12 + 900 * 25 - A * c * c;
  ExpectRel(Mm(p.st.Area, 2), A, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), I, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), I, kExact, "Izz");
  ExpectRel(Mm(p.de.Cent_Y, 1), c, kExact, "from the back of the vertical leg");
  ExpectRel(Mm(p.de.Cent_Z, 1), 100 - c, kExact, "the horizontal leg runs along the top");
  ExpectRel(Mm(p.de.Wey, 3), I / (100 - c), kExact, "Wey");
  // Thin-walled torsion constant (b1 + b2 - t) t^3 / 3.
  ExpectRel(Mm(p.st.Ixx, 4), (100 + 100 - 10) * 1000.0 / 3, kExact, "J");
  ExpectRel(Mm(p.st.Asz, 2), 1000, kExact, "Asz");
  ExpectRel(Mm(p.st.Asy, 2), 1000, kExact, "Asy");
}

TEST(SectPropsTest, Channel) {
  // 200 x 75 x 8 x 12, parallel flanges.
  T_SECT_D s = Reg("C", {200, 75, 8, 12, 0, 0});
  Props p = Calc(s);
  const double A = 3208, c = (1800 * 37.5 + 1408 * 4) / A;
  ExpectRel(Mm(p.st.Area, 2), A, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), (75 * 8e6 - 67 * std::pow(176, 3)) / 12, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), 2 * 12 * std::pow(75, 3) / 3 + 176 * 512.0 / 3 - A * c * c, kExact, "Izz");
  ExpectRel(Mm(p.de.Cent_Y, 1), c, kExact, "from the back of the web");
  // Flanges 75 / 12 < 10 wide: thick plates, the Saint-Venant solution of the outline
  // (a finer mesh of the solver), above the web alone and below the thin-walled sum.
  SectModel fine = SectShapeChannel(0.2, 0.075, 0.008, 0.012, 0, 0, false, true);
  ExpectRel(p.st.Ixx, SectTorsionOnMesh(fine, 0.01), 1e-3, "J, thick flanges");
  EXPECT_GT(p.st.Ixx, SectRectTorsion(0.2, 0.008));
  EXPECT_LT(Mm(p.st.Ixx, 4), (2 * 75 * 1728.0 + 176 * 512.0) / 3);
  // A slender channel keeps the thin-walled sum.
  T_SECT_D thin = Reg("C", {200, 100, 6, 9, 0, 0});
  ExpectRel(Mm(Calc(thin).st.Ixx, 4), (2 * 100 * 729.0 + 182 * 216.0) / 3, kExact, "J, thin");
  ExpectRel(Mm(p.de.Wez, 3), (2 * 12 * std::pow(75, 3) / 3 + 176 * 512.0 / 3 - A * c * c) / (75 - c),
            kExact, "Wez on the toe");
}

TEST(SectPropsTest, TSection) {
  // Flange 200 x 15 on top, stem 10 wide, 300 overall.
  T_SECT_D s = Reg("T", {300, 200, 10, 15});
  Props p = Calc(s);
  const double Af = 3000, Aw = 2850, A = Af + Aw;
  const double d = (Af * 7.5 + Aw * 157.5) / A;  // centroid from the top
  const double I = 200 * 3375.0 / 12 + Af * std::pow(d - 7.5, 2) + 10 * std::pow(285, 3) / 12 +
                   Aw * std::pow(157.5 - d, 2);
  ExpectRel(Mm(p.st.Area, 2), A, kExact, "A");
  ExpectRel(Mm(p.de.Cent_Z, 1), 300 - d, kExact, "Cent_Z");
  ExpectRel(Mm(p.st.Iyy, 4), I, kExact, "Iyy");
  ExpectRel(Mm(p.st.Czm, 1), 300 - d, kExact, "Czm");
  // Plastic axis in the flange, 14.625 below the top.
  const double a = A / 2 / 200;
  ExpectRel(Mm(p.de.Wpy, 3), 200 * a * a / 2 + 200 * (15 - a) * (15 - a) / 2 + Aw * (157.5 - a), 1e-9,
            "Wpy");
  ExpectRel(Mm(p.st.Qzb, 2), (Af * (d - 7.5) + 10 * (d - 15) * (d - 15) / 2) / 10, kExact, "Qzb");
}

TEST(SectPropsTest, BoxBredt) {
  // 400 high, 300 wide, webs 10 flush with the edges, flanges 12.
  T_SECT_D s = Reg("B", {400, 300, 10, 12, 0, 0});
  Props p = Calc(s);
  ExpectRel(Mm(p.st.Area, 2), 120000 - 280 * 376, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), (300 * std::pow(400, 3) - 280 * std::pow(376, 3)) / 12, kExact, "Iyy");
  const double Am = 388 * 290.0, sum = 2 * 388 / 10.0 + 2 * 290 / 12.0;
  ExpectRel(Mm(p.st.Ixx, 4), 4 * Am * Am / sum, kExact, "J (Bredt)");
  ExpectRel(Mm(p.st.Asz, 2), 2 * 400 * 10.0, kExact, "Asz");
  ExpectRel(Mm(p.b.PeriOut, 1), 1400, kExact, "outer perimeter");
  ExpectRel(Mm(p.b.PeriIn, 1), 2 * (280 + 376), kExact, "inner perimeter");
  ExpectRel(Mm(p.st.Qzb, 2), (300 * 12 * 194.0 + 2 * 10 * 188 * 94.0) / 20, kExact, "Qzb");

  // Webs set in by c = 200 between centre lines: flanges overhang 40 each side.
  T_SECT_D t = Reg("B", {400, 300, 10, 12, 200, 0});
  Props q = Calc(t);
  ExpectRel(Mm(q.st.Area, 2), 2 * 300 * 12 + 2 * 376 * 10, kExact, "A, set-in webs");
  const double Am2 = 388 * 200.0, sum2 = 2 * 388 / 10.0 + 2 * 200 / 12.0;
  ExpectRel(Mm(q.st.Ixx, 4), 4 * Am2 * Am2 / sum2 + 4 * 45 * 1728.0 / 3, kExact, "J with overhangs");
}

TEST(SectPropsTest, DoubleAngleAndCrossAngles) {
  const double A = 1900, c = 54500.0 / 1900;
  const double I = 10 * 1e6 / 12 + 1000 * 2500 + 90 * 1000.0 / 12 + 900 * 25 - A * c * c;
  T_SECT_D s = Reg("2L", {100, 100, 10, 10, 10});
  Props p = Calc(s);
  ExpectRel(Mm(p.st.Area, 2), 2 * A, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), 2 * I, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), 2 * (I + A * std::pow(5 + c, 2)), kExact, "Izz");
  ExpectRel(Mm(p.de.Cent_Y, 1), 105, kExact, "Cent_Y");
  EXPECT_EQ(p.st.Qyb, 0);  // the centre line runs through the gap
  ExpectRel(Mm(p.st.Ixx, 4), 2 * 190 * 1000.0 / 3, kExact, "J");
  ExpectRel(Mm(p.b.PeriOut, 1), 800, kExact, "perimeter of both");

  T_SECT_D x = Reg("CL", {100, 100, 10, 10, 10});
  Props q = Calc(x);
  ExpectRel(Mm(q.st.Area, 2), 2 * A, kExact, "A, cross");
  ExpectRel(Mm(q.st.Iyy, 4), 2 * (I + A * c * c), kExact, "Iyy, cross");
  ExpectRel(Mm(q.st.Izz, 4), 2 * (I + A * std::pow(5 + c, 2)), kExact, "Izz, cross");
}

TEST(SectPropsTest, CrossAndDoubleChannel) {
  T_SECT_D s = Reg("CR", {600, 400, 20, 30}, SECT_MATL_RC);
  Props p = Calc(s);
  ExpectRel(Mm(p.st.Area, 2), 600 * 20 + 380 * 30, kExact, "A");
  ExpectRel(Mm(p.st.Iyy, 4), 20 * std::pow(600, 3) / 12 + 380 * 27000.0 / 12, kExact, "Iyy");
  ExpectRel(Mm(p.st.Izz, 4), 30 * std::pow(400, 3) / 12 + 600 * 8000.0 / 12 - 30 * 8000.0 / 12,
            kExact, "Izz");

  T_SECT_D c = Reg("2C", {200, 75, 8, 12, 6});
  Props q = Calc(c);
  const double A = 3208, e = (1800 * 37.5 + 1408 * 4) / A;
  const double Iz1 = 2 * 12 * std::pow(75, 3) / 3 + 176 * 512.0 / 3 - A * e * e;
  ExpectRel(Mm(q.st.Area, 2), 2 * A, kExact, "A");
  ExpectRel(Mm(q.st.Izz, 4), 2 * (Iz1 + A * std::pow(3 + e, 2)), kExact, "Izz, webs back to back");
}

TEST(SectPropsTest, LippedChannelsAndTheirCombinations) {
  // 200 x 70 x 2, square corners, 20 lips.
  T_SECT_D s = Reg("CC", {200, 70, 2, 0, 20});
  Props p = Calc(s);
  const double A = 200 * 2 + 2 * 68 * 2 + 2 * 18 * 2;
  ExpectRel(Mm(p.st.Area, 2), A, kExact, "A");
  ExpectRel(Mm(p.st.Ixx, 4), A * 4 / 3, kExact, "J = A t^2 / 3");
  // Web and flanges, plus the lips 80 to 98 from the mid-height.
  const double I = (70 * 8e6 - 68 * std::pow(196, 3)) / 12 +
                   2 * 2 * (std::pow(98, 3) - std::pow(80, 3)) / 3;
  ExpectRel(Mm(p.st.Iyy, 4), I, kExact, "Iyy");
  // Bends of radius 3 take material off the corners; the area falls.
  T_SECT_D r = Reg("CC", {200, 70, 2, 3, 20});
  Props q = Calc(r);
  EXPECT_LT(q.st.Area, p.st.Area);
  // With bends: straight parts plus quarter rings (pi/2 (R^2 - r^2) each, R = 5).
  const double straight = 2 * (200 - 10) + 2 * 2 * (70 - 10) + 2 * 2 * (20 - 5);
  ExpectRel(Mm(q.st.Area, 2), straight + 4 * kPi / 4 * (25 - 9), 2e-4, "A with bends");

  // Two back to back (IS) double the area and the second moment about the web line.
  T_SECT_D two = Reg("CC", {200, 70, 2, 0, 20});
  two.Part1.BaseA.strBaseShape = "2IS";
  Props t = Calc(two);
  ExpectRel(t.st.Area, 2 * p.st.Area, kExact, "2IS area");
  ExpectRel(t.st.Iyy, 2 * p.st.Iyy, kExact, "2IS Iyy");
  ExpectRel(Mm(t.de.Cent_Y, 1), 70, kExact, "symmetric about the webs");
  T_SECT_D three = Reg("CC", {200, 70, 2, 0, 20});
  three.Part1.BaseA.strBaseShape = "3BS";
  ExpectRel(Calc(three).st.Area, 3 * p.st.Area, kExact, "3BS area");
}

TEST(SectPropsTest, ThickShapesSolveTheirOutline) {
  // A concrete T: the Saint-Venant solution over the whole outline, above the sum over
  // its two rectangles taken apart (flange 400 x 100, stem 500 x 200), which ignores
  // how they join, and above the largest rectangle inside it (600 x 200).
  T_SECT_D s = Reg("T", {600, 400, 200, 100}, SECT_MATL_RC);
  Props p = Calc(s);
  const SectModel outline = SectShapeT(0.6, 0.4, 0.2, 0.1, false);
  ExpectRel(p.st.Ixx, SectTorsionOnMesh(outline, 0.04), 1e-3, "J");
  EXPECT_GT(p.st.Ixx, SectRectTorsion(0.4, 0.1) + SectRectTorsion(0.5, 0.2));
  EXPECT_GT(p.st.Ixx, SectRectTorsion(0.6, 0.2));
  // Steel of the same sizes has thick plates (400 / 100 < 10): the same solution.
  T_SECT_D t = Reg("T", {600, 400, 200, 100});
  EXPECT_EQ(Calc(t).st.Ixx, p.st.Ixx);
  // A slender steel T keeps the thin-walled formula.
  T_SECT_D u = Reg("T", {300, 200, 10, 15});
  ExpectRel(Mm(Calc(u).st.Ixx, 4), (200 * 3375.0 + 285 * 1000.0) / 3, kExact, "J, thin steel");
}

TEST(SectPropsTest, ValueSectionsKeepTheirTypedValues) {
  T_SECT_D s = Reg("SB", {500, 300});
  s.iType = SECT_TYPE_VALUE;
  s.Part1.BaseA.Stiff.Area = 1.5;
  s.Part1.BaseA.Design.Cent_Y = 0.1;
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  EXPECT_EQ(s.Part1.BaseA.Stiff.Area, 1.5);
  EXPECT_EQ(s.Part1.BaseA.Design.Cent_Y, 0.1);
}

TEST(SectPropsTest, ScaleFactorsAndUntouchedFieldsSurvive) {
  T_SECT_D s = Reg("H", {400, 200, 8, 13, 0, 0});
  T_SECT_STIFFNESS& st = s.Part1.BaseA.Stiff;
  st.fIyy = 0.5;
  st.dReserved[3] = 9;
  s.Part1.BaseA.Design.dReserved2[1] = 4;
  s.Part2.BaseA.dSize[0] = 7;
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  EXPECT_EQ(st.fIyy, 0.5);
  EXPECT_EQ(st.fArea, 1.0);
  EXPECT_EQ(st.dReserved[3], 9);
  EXPECT_EQ(s.Part1.BaseA.Design.dReserved2[1], 4);
  EXPECT_EQ(s.Part2.BaseA.dSize[0], 7);
}

TEST(SectPropsTest, TaperedSectionsComputeBothEnds) {
  T_SECT_D s = Reg("SB", {500, 300}, SECT_MATL_RC);
  s.iType = SECT_TYPE_TAPERED;
  s.Part1.BaseB.dSize[0] = 0.8;
  s.Part1.BaseB.dSize[1] = 0.3;
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  ExpectRel(s.Part1.BaseA.Stiff.Area, 0.15, kExact, "i-end");
  ExpectRel(s.Part1.BaseB.Stiff.Area, 0.24, kExact, "j-end");
  EXPECT_EQ(CSectUtil::GetProperStiffPosition(s, 1), &s.Part1.BaseB.Stiff);
}
