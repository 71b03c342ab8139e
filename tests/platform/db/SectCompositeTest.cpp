// SRC sections (steel and concrete converted by the modulus ratio) and combined
// sections (two steel profiles placed as drawn), against hand-worked values.
#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>
#include <numbers>

#include "db/CSectUtil.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kExact = 1e-9;

void Sizes(double* d, std::initializer_list<double> mm) {
  int i = 0;
  for (double v : mm) d[i++] = v * 1e-3;
}

double Mm(double v, int p) { return v * std::pow(1e3, p); }

void ExpectRel(double got, double want, double tol, const char* what) {
  EXPECT_NEAR(got, want, std::fabs(want) * tol + 1e-12) << what;
}

T_SECT_D Src(const char* code, std::initializer_list<double> steel,
             std::initializer_list<double> concrete, double n = 7.0) {
  T_SECT_D s;
  s.iType = SECT_TYPE_SRC;
  s.iMatlType = SECT_MATL_SRC;
  s.Part1.strShape = code;
  s.Part1.dEsEc = n;
  s.Part1.dDsDc = 3.0;
  s.Part1.BaseA.strBaseShape = CSectUtil::GetSteelShapeFromSRCShape(code);
  s.Part1.BaseB.strBaseShape = CSectUtil::GetConcreteShapeFromSRCShape(code);
  Sizes(s.Part1.BaseA.dSize, steel);
  Sizes(s.Part1.BaseB.dSize, concrete);
  return s;
}

T_SECT_D Com(const char* code, std::initializer_list<double> first,
             std::initializer_list<double> second) {
  T_SECT_D s;
  s.iType = SECT_TYPE_COMBINED;
  s.iMatlType = SECT_MATL_STEEL;
  s.Part1.strShape = code;
  Sizes(s.Part1.BaseA.dSize, first);
  Sizes(s.Part1.BaseB.dSize, second);
  return s;
}

// A square tube 300 x 15 (the SRC box keeps its second flange in the sixth size).
const double kTubeA = 300.0 * 300 - 270.0 * 270;
const double kTubeI = (std::pow(300, 4) - std::pow(270, 4)) / 12;

}  // namespace

TEST(SectCompositeTest, ClosedAndOpenBoxInRectangle) {
  const double n = 7.0, Ag = 600.0 * 600, Ig = std::pow(600, 4) / 12;
  T_SECT_D c = Src("RBC", {300, 300, 15, 15, 0, 15}, {600, 600}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(c));
  const double Ac = Ag - kTubeA;  // the interior is concrete too
  ExpectRel(Mm(c.Part1.Stiff.Area, 2), kTubeA + Ac / n, kExact, "A, closed");
  ExpectRel(Mm(c.Part1.Stiff.Iyy, 4), kTubeI + (Ig - kTubeI) / n, kExact, "Iyy, closed");
  ExpectRel(Mm(c.Part1.BaseA.Stiff.Area, 2), kTubeA, kExact, "steel alone");
  ExpectRel(Mm(c.Part1.BaseB.Stiff.Area, 2), Ac, kExact, "concrete alone");
  ExpectRel(Mm(c.Part1.Design.Cent_Y, 1), 300, kExact, "centred");
  ExpectRel(Mm(c.Part1.Stiff.AreaAux, 2), kTubeA + Ac / 3.0, kExact, "weight area");
  ExpectRel(Mm(CSectUtil::GetStandForPeriOut(c, 0), 1), 2400, kExact, "perimeter");
  EXPECT_EQ(CSectUtil::GetProperStiffPosition(c, 0), &c.Part1.Stiff);

  T_SECT_D o = Src("RBO", {300, 300, 15, 15, 0, 15}, {600, 600}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(o));
  ExpectRel(Mm(o.Part1.Stiff.Area, 2), kTubeA + (Ag - 90000) / n, kExact, "A, open");
  ExpectRel(Mm(o.Part1.Stiff.Iyy, 4), kTubeI + (Ig - std::pow(300, 4) / 12) / n, kExact, "Iyy, open");
  ExpectRel(Mm(CSectUtil::GetStandForPeriIn(o, 0), 1), 4 * 270, kExact, "inner perimeter");

  // Converted to concrete the steel counts n times.
  c.Part1.iSrcConv = 2;
  ASSERT_TRUE(CSectUtil::CalcSectData(c));
  ExpectRel(Mm(c.Part1.Stiff.Area, 2), n * kTubeA + Ac, kExact, "A, to concrete");
  ExpectRel(Mm(c.Part1.Stiff.AreaAux, 2), Ac + 3.0 * kTubeA, kExact, "weight area, to concrete");
}

TEST(SectCompositeTest, PipesInCirclesAndFilledPipes) {
  const double n = 6.0, D = 400, t = 12, d = D - 2 * t;
  const double As = kPi * (D * D - d * d) / 4, Is = kPi * (std::pow(D, 4) - std::pow(d, 4)) / 64;
  T_SECT_D c = Src("CPC", {D, t}, {800}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(c));
  const double Ag = kPi * 400 * 400, Ig = kPi * std::pow(800, 4) / 64;
  ExpectRel(Mm(c.Part1.Stiff.Area, 2), As + (Ag - As) / n, kExact, "A");
  ExpectRel(Mm(c.Part1.Stiff.Izz, 4), Is + (Ig - Is) / n, kExact, "Izz");

  T_SECT_D e = Src("EPC", {D, t}, {}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(e));
  ExpectRel(Mm(e.Part1.Stiff.Area, 2), As + kPi * d * d / 4 / n, kExact, "A, filled");
  ExpectRel(Mm(e.Part1.Stiff.Iyy, 4), Is + kPi * std::pow(d, 4) / 64 / n, kExact, "Iyy, filled");
  ExpectRel(Mm(CSectUtil::GetStandForPeriOut(e, 0), 1), kPi * D, kExact, "steel outside");
}

TEST(SectCompositeTest, EncasedHAndHWithTees) {
  const double n = 7.0;
  T_SECT_D s = Src("RHB", {500, 300, 12, 20, 0, 0}, {800, 600}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  const double As = 2 * 300 * 20 + 460 * 12;
  const double Is = (300 * std::pow(500, 3) - 288 * std::pow(460, 3)) / 12;
  ExpectRel(Mm(s.Part1.Stiff.Area, 2), As + (480000 - As) / n, kExact, "A");
  ExpectRel(Mm(s.Part1.Stiff.Iyy, 4), Is + (600 * std::pow(800, 3) / 12 - Is) / n, kExact, "Iyy");
  ExpectRel(Mm(s.Part1.Design.Cent_Z, 1), 400, kExact, "centred");

  // H 500 x 300 x 12 x 20 with two T's (250 deep, 200 wide, 10 stem, 16 flange).
  T_SECT_D t = Src("RH2T", {500, 300, 12, 20, 250, 200, 10, 16}, {800, 800}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(t));
  const double At = 200 * 16 + 234 * 10;
  ExpectRel(Mm(t.Part1.BaseA.Stiff.Area, 2), As + 2 * At, kExact, "steel");
  ExpectRel(Mm(t.Part1.Stiff.Area, 2), As + 2 * At + (640000 - As - 2 * At) / n, kExact, "A");
  ExpectRel(Mm(t.Part1.Design.Cent_Y, 1), 400, kExact, "symmetric about the web");
}

TEST(SectCompositeTest, StackedHSections) {
  // H 400 x 200 x 8 x 13 above H 300 x 150 x 6.5 x 9, 50 apart.
  T_SECT_D s = Com("WOH", {400, 200, 8, 13, 50}, {300, 150, 6.5, 9});
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  const double A1 = 8192, I1 = (200 * std::pow(400, 3) - 192 * std::pow(374, 3)) / 12;
  const double A2 = 2 * 150 * 9 + 282 * 6.5, I2 = (150 * std::pow(300, 3) - 143.5 * std::pow(282, 3)) / 12;
  const double z1 = 300 + 50 + 200, z2 = 150;  // centres from the bottom
  const double zc = (A1 * z1 + A2 * z2) / (A1 + A2);
  ExpectRel(Mm(s.Part1.Stiff.Area, 2), A1 + A2, kExact, "A");
  ExpectRel(Mm(s.Part1.Design.Cent_Z, 1), zc, kExact, "Cent_Z");
  ExpectRel(Mm(s.Part1.Stiff.Iyy, 4), I1 + A1 * std::pow(z1 - zc, 2) + I2 + A2 * std::pow(z2 - zc, 2),
            kExact, "Iyy");
  ExpectRel(Mm(s.Part1.BaseA.Stiff.Area, 2), A1, kExact, "first profile alone");
  ExpectRel(Mm(s.Part1.BaseB.Stiff.Area, 2), A2, kExact, "second profile alone");
}

TEST(SectCompositeTest, FourAnglesAndHWithPlates) {
  const double A = 1900, c = 54500.0 / 1900;
  const double I = 10 * 1e6 / 12 + 1000 * 2500 + 90 * 1000.0 / 12 + 900 * 25 - A * c * c;
  T_SECT_D s = Com("4L", {100, 100, 10, 10}, {20});
  ASSERT_TRUE(CSectUtil::CalcSectData(s));
  ExpectRel(Mm(s.Part1.Stiff.Area, 2), 4 * A, kExact, "A");
  ExpectRel(Mm(s.Part1.Stiff.Iyy, 4), 4 * (I + A * std::pow(10 + c, 2)), kExact, "Iyy");
  ExpectRel(Mm(s.Part1.Stiff.Izz, 4), 4 * (I + A * std::pow(10 + c, 2)), kExact, "Izz");
  ExpectRel(Mm(s.Part1.Design.Cent_Y, 1), 110, kExact, "centre");

  T_SECT_D h = Com("HP", {400, 200, 8, 13}, {120, 10});
  ASSERT_TRUE(CSectUtil::CalcSectData(h));
  const double Ap = 374 * 10.0;
  const double Iz = 2 * 13 * std::pow(200, 3) / 12 + 374 * 512.0 / 12 + 2 * (374 * 1000.0 / 12 + Ap * 3600);
  ExpectRel(Mm(h.Part1.Stiff.Area, 2), 8192 + 2 * Ap, kExact, "A");
  ExpectRel(Mm(h.Part1.Stiff.Izz, 4), Iz, kExact, "Izz");
}

// Every combined shape: the whole is its pieces, none overlapping, none lost.
TEST(SectCompositeTest, CombinedShapesAreTheSumOfTheirPieces) {
  struct Case {
    const char* code;
    std::initializer_list<double> first, second;
    int nFirst, nSecond;
  };
  const Case cases[] = {
      {"2H", {300, 150, 6.5, 9}, {400, 200, 8, 13}, 1, 1},
      {"HC1", {300, 150, 6.5, 9}, {400, 100, 10, 14}, 1, 1},
      {"HC2", {300, 150, 6.5, 9}, {400, 100, 10, 14}, 1, 1},
      {"HT", {150, 200, 8, 12}, {400, 200, 8, 13}, 1, 1},
      {"2T1", {200, 150, 8, 12, 20}, {200, 150, 8, 12}, 1, 1},
      {"2T2", {200, 150, 8, 12, 20}, {250, 150, 8, 12}, 1, 1},
      {"H2T", {400, 200, 8, 13}, {100, 150, 8, 10}, 1, 2},
      {"WOH", {400, 200, 8, 13, 50}, {300, 150, 6.5, 9}, 1, 1},
      {"2CW1", {200, 75, 8, 12}, {10, 150}, 2, 1},
      {"2CW2", {200, 75, 8, 12}, {150, 150}, 2, 1},
      {"1CW1", {200, 75, 8, 12}, {50, 150}, 1, 1},
      {"1CW2", {200, 75, 8, 12}, {10, 150}, 1, 1},
      {"4L", {100, 100, 10, 10}, {10}, 4, 0},
      {"HP", {400, 200, 8, 13}, {120, 10}, 1, 2},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    T_SECT_D s = Com(c.code, c.first, c.second);
    ASSERT_TRUE(CSectUtil::CalcSectData(s));
    const double a1 = s.Part1.BaseA.Stiff.Area;
    const double a2 = c.nSecond ? s.Part1.BaseB.Stiff.Area : 0.0;
    ExpectRel(s.Part1.Stiff.Area, c.nFirst * a1 + c.nSecond * a2, kExact, "A");
    EXPECT_GT(s.Part1.Stiff.Iyy, 0);
    EXPECT_GT(s.Part1.Stiff.Ixx, 0);
    EXPECT_EQ(CSectUtil::GetShapeIndexFromNameCom(c.code) >= 0, true);
    T_SECT_D r = s;
    EXPECT_TRUE(CSectUtil::CalcSectDispCenter(r));
  }
}

// Every SRC shape: the transformed area is the steel plus the concrete over n, the
// concrete being the outline less the steel, less the interior of an open shape, and
// only the interior of a filled one.
TEST(SectCompositeTest, EverySrcShapeConvertsItsConcrete) {
  const double n = 8.0;
  const double box[6] = {300, 300, 15, 15, 0, 15}, pipe[2] = {300, 12};
  const double hole_box = 270.0 * 270, hole_pipe = kPi * 138 * 138;
  struct Case {
    const char* code;
    const double* steel;
    int nSteel;
    double gross;    // the outline's area, 0 for filled steel
    double hole;     // the steel's interior
    bool open;
  };
  const double rect = 600.0 * 500, circ = kPi * 350 * 350;
  const Case cases[] = {
      {"RBO", box, 6, rect, hole_box, true},    {"RBC", box, 6, rect, hole_box, false},
      {"RPO", pipe, 2, rect, hole_pipe, true},  {"RPC", pipe, 2, rect, hole_pipe, false},
      {"CBO", box, 6, circ, hole_box, true},    {"CBC", box, 6, circ, hole_box, false},
      {"CPO", pipe, 2, circ, hole_pipe, true},  {"CPC", pipe, 2, circ, hole_pipe, false},
      {"EBC", box, 6, 0, hole_box, false},      {"EPC", pipe, 2, 0, hole_pipe, false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.code);
    T_SECT_D s = Src(c.code, {}, {}, n);
    for (int i = 0; i < c.nSteel; ++i) s.Part1.BaseA.dSize[i] = c.steel[i] * 1e-3;
    if (c.code[0] == 'R') {
      s.Part1.BaseB.dSize[0] = 0.5;
      s.Part1.BaseB.dSize[1] = 0.6;
    } else {
      s.Part1.BaseB.dSize[0] = 0.7;
    }
    ASSERT_TRUE(CSectUtil::CalcSectData(s));
    const double As = Mm(s.Part1.BaseA.Stiff.Area, 2);
    const double Ac = c.gross > 0 ? c.gross - As - (c.open ? c.hole : 0.0) : c.hole;
    ExpectRel(Mm(s.Part1.BaseB.Stiff.Area, 2), Ac, kExact, "concrete");
    ExpectRel(Mm(s.Part1.Stiff.Area, 2), As + Ac / n, kExact, "transformed");
    EXPECT_NEAR(s.Part1.Design.Cent_Y, s.Part1.Stiff.Cym, 1e-15);
    EXPECT_NEAR(s.Part1.Stiff.Cym, s.Part1.Stiff.Cyp, 1e-12);  // steel centred
  }
  // The cross and the H in a circle, centred too.
  T_SECT_D x = Src("RCB", {500, 400, 20, 30}, {700, 600}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(x));
  ExpectRel(Mm(x.Part1.BaseA.Stiff.Area, 2), 500 * 20 + 380 * 30, kExact, "cross steel");
  T_SECT_D h = Src("CHB", {400, 200, 10, 16, 0, 0}, {700}, n);
  ASSERT_TRUE(CSectUtil::CalcSectData(h));
  ExpectRel(Mm(h.Part1.Design.Cent_Z, 1), 350, kExact, "centred in the circle");
}
