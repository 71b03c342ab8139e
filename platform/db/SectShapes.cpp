// Regions and formula properties of the regular section shapes.
#include "db/SectShapes.h"

#include <cmath>
#include <cstdlib>
#include <initializer_list>
#include <numbers>
#include <utility>

#include "db/SectTorsion.h"

namespace {

constexpr double kPi = std::numbers::pi;
constexpr double kSlender = 10;  // a plate at least this many thicknesses wide is thin

// Thin-walled torsion constant of one plate.
double PlateJ(double len, double t) {
  if (len <= 0 || t <= 0) return 0;
  return len * t * t * t / 3;
}

struct Plate {
  double width, t;
};

// Whether a steel shape's plates (width by thickness, as the sizes give them) are all
// slender enough for the thin-walled torsion formulas.
bool ThinWalled(bool steel, std::initializer_list<Plate> plates) {
  if (!steel) return false;
  for (const Plate& p : plates)
    if (p.t > 0 && p.width < kSlender * p.t) return false;
  return true;
}

}  // namespace

double SectRectTorsion(double a, double b) {
  if (a <= 0 || b <= 0) return 0;
  if (a < b) std::swap(a, b);
  // sum over odd n of tanh(x) / n^5 = sum (tanh(x) - 1) / n^5 + (31/32) zeta(5)
  double s = 31.0 / 32.0 * 1.0369277551433699263;
  for (int n = 1; n < 100000; n += 2) {
    const double x = n * kPi * a / (2 * b);
    const double term = (std::tanh(x) - 1.0) / std::pow((double)n, 5);
    s += term;
    if (std::fabs(term) < 1e-19) break;
  }
  return a * b * b * b / 3.0 * (1.0 - 192.0 / std::pow(kPi, 5) * (b / a) * s);
}

SectModel SectShapeAngle(double H, double B, double tw, double tf, bool openLeft, bool steel) {
  SectModel m;
  if (openLeft)
    m.AddPoly({{0, 0}, {0, tf}, {B - tw, tf}, {B - tw, H}, {B, H}, {B, 0}});
  else
    m.AddPoly({{0, 0}, {0, H}, {tw, H}, {tw, tf}, {B, tf}, {B, 0}});
  m.extra.J = ThinWalled(steel, {{H, tw}, {B, tf}}) ? PlateJ(H, tw) + PlateJ(B - tw, tf)
                                                     : SectTorsionJ(m);
  m.extra.Asz = H * tw;
  m.extra.Asy = B * tf;
  m.extra.periOut = 2 * (H + B);
  return m;
}

SectModel SectShapeChannel(double H, double B1, double tw, double tf1, double B2, double tf2,
                           bool openLeft, bool steel) {
  if (B2 == 0) B2 = B1;
  if (tf2 == 0) tf2 = tf1;
  SectModel m;
  if (openLeft) {
    m.AddPoly({{0, 0}, {0, tf1}, {B1 - tw, tf1}, {B1 - tw, H - tf2}, {B1 - B2, H - tf2},
               {B1 - B2, H}, {B1, H}, {B1, 0}});
    m.PlaceAt(0, 0);
  } else {
    m.AddPoly({{0, 0}, {B1, 0}, {B1, tf1}, {tw, tf1}, {tw, H - tf2}, {B2, H - tf2}, {B2, H},
               {0, H}});
  }
  m.extra.J = ThinWalled(steel, {{B1, tf1}, {B2, tf2}, {H, tw}})
                  ? PlateJ(B1, tf1) + PlateJ(B2, tf2) + PlateJ(H - tf1 - tf2, tw)
                  : SectTorsionJ(m);
  m.extra.Asz = H * tw;
  m.extra.Asy = 5.0 / 6.0 * (B1 * tf1 + B2 * tf2);
  const double tf = 0.5 * (tf1 + tf2), b = 0.5 * (B1 + B2) - tw / 2, h = H - tf;
  m.extra.Cwp = tf * b * b * b * h * h / 12 * (3 * b * tf + 2 * h * tw) / (6 * b * tf + h * tw);
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  return m;
}

SectModel SectShapeH(double H, double B1, double tw, double tf1, double B2, double tf2,
                     bool steel) {
  if (B2 == 0) B2 = B1;
  if (tf2 == 0) tf2 = tf1;
  const double u = std::fabs(B1 - tw) / 2, v = std::fabs(B1 + tw) / 2, g = std::fabs(H - tf2);
  SectModel m;
  m.AddPoly({{0, 0}, {0, tf1}, {u, tf1}, {u, g}, {(B1 - B2) / 2, g}, {(B1 - B2) / 2, H},
             {(B1 + B2) / 2, H}, {(B1 + B2) / 2, g}, {v, g}, {v, tf1}, {B1, tf1}, {B1, 0}});
  m.PlaceAt(0, 0);
  m.extra.J = ThinWalled(steel, {{B1, tf1}, {B2, tf2}, {H, tw}})
                  ? PlateJ(B1, tf1) + PlateJ(B2, tf2) + PlateJ(H - tf1 - tf2, tw)
                  : SectTorsionJ(m);
  m.extra.Asz = H * tw;
  m.extra.Asy = 5.0 / 6.0 * (B1 * tf1 + B2 * tf2);
  const double I1 = tf1 * B1 * B1 * B1 / 12, I2 = tf2 * B2 * B2 * B2 / 12;
  const double h0 = H - (tf1 + tf2) / 2;
  m.extra.Cwp = h0 * h0 * I1 * I2 / (I1 + I2);
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  return m;
}

SectModel SectShapeT(double H, double B, double tw, double tf, bool steel) {
  SectModel m;
  m.AddPoly({{0, 0}, {0, tf}, {(B - tw) / 2, tf}, {(B - tw) / 2, H}, {(B + tw) / 2, H},
             {(B + tw) / 2, tf}, {B, tf}, {B, 0}});
  m.extra.J = ThinWalled(steel, {{B, tf}, {H, tw}}) ? PlateJ(B, tf) + PlateJ(H - tf, tw)
                                                    : SectTorsionJ(m);
  m.extra.Asz = H * tw;
  m.extra.Asy = 5.0 / 6.0 * B * tf;
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  return m;
}

SectModel SectShapeCross(double H, double B, double tw, double tf, bool steel) {
  const double p = (B - tw) / 2, q = (B + tw) / 2, mm = (H - tf) / 2, n = (H + tf) / 2;
  SectModel m;
  m.AddPoly({{p, 0}, {p, mm}, {0, mm}, {0, n}, {p, n}, {p, H}, {q, H}, {q, n}, {B, n}, {B, mm},
             {q, mm}, {q, 0}});
  m.extra.J = ThinWalled(steel, {{H, tw}, {B, tf}}) ? PlateJ(H, tw) + 2 * PlateJ(p, tf)
                                                    : SectTorsionJ(m);
  m.extra.Asz = H * tw;
  m.extra.Asy = 5.0 / 6.0 * B * tf;
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  return m;
}

void SectBoxHole(double H, double B, double tw, double tf1, double C, double tf2, double& x1,
                 double& y1, double& x2, double& y2) {
  if (C == 0) C = B - tw;
  if (tf2 == 0) tf2 = tf1;
  x1 = (B + tw - C) / 2;
  y1 = tf1;
  x2 = (B - tw + C) / 2;
  y2 = H - tf2;
}

SectModel SectShapeBox(double H, double B, double tw, double tf1, double C, double tf2,
                       bool steel) {
  if (C == 0) C = B - tw;
  if (tf2 == 0) tf2 = tf1;
  const double e = B / 2 - (tw + C) / 2, f = B / 2 + (tw + C) / 2;
  SectModel m;
  m.AddPoly({{0, 0}, {0, tf1}, {e, tf1}, {e, H - tf2}, {0, H - tf2}, {0, H}, {B, H},
             {B, H - tf2}, {f, H - tf2}, {f, tf1}, {B, tf1}, {B, 0}});
  double x1, y1, x2, y2;
  SectBoxHole(H, B, tw, tf1, C, tf2, x1, y1, x2, y2);
  m.AddRect(x1, y1, x2, y2, -1.0);
  const double hm = H - (tf1 + tf2) / 2, bm = C;
  const double am = hm * bm, sum = 2 * hm / tw + bm / tf1 + bm / tf2;
  const double over = B - C - tw;  // both overhangs of one flange
  m.extra.J = ThinWalled(steel, {{B, tf1}, {B, tf2}, {H, tw}})
                  ? 4 * am * am / sum + over * (tf1 * tf1 * tf1 + tf2 * tf2 * tf2) / 3
                  : SectTorsionJ(m);
  m.extra.Asz = 2 * H * tw;
  m.extra.Asy = B * (tf1 + tf2);
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  m.extra.periIn = 2 * ((x2 - x1) + (y2 - y1));
  return m;
}

SectModel SectShapePipe(double D, double t) {
  SectModel m;
  const double d = D - 2 * t;
  m.AddCircle(D / 2, D / 2, D / 2);
  m.AddCircle(D / 2, D / 2, d / 2, -1.0);
  m.extra.J = kPi * (D * D * D * D - d * d * d * d) / 32;
  m.extra.Asy = m.extra.Asz = kPi * (D * D - d * d) / 8;
  m.extra.periOut = kPi * D;
  m.extra.periIn = kPi * d;
  return m;
}

SectModel SectShapeSolidRect(double W, double H) {
  SectModel m;
  m.AddRect(0, 0, W, H);
  m.extra.J = SectRectTorsion(W, H);
  m.extra.Asy = m.extra.Asz = 5.0 / 6.0 * W * H;
  m.extra.periOut = 2 * (W + H);
  return m;
}

SectModel SectShapeSolidRound(double D) {
  SectModel m;
  m.AddCircle(D / 2, D / 2, D / 2);
  m.extra.J = kPi * D * D * D * D / 32;
  m.extra.Asy = m.extra.Asz = 0.9 * kPi * D * D / 4;
  m.extra.periOut = kPi * D;
  return m;
}

SectModel SectShapeLippedChannel(double H, double B, double t, double r, double C) {
  if (r < 0) r = 0;
  if (C < 0) C = 0;
  const double R = t + r;
  const bool lips = C > R;
  constexpr int n = 32;
  std::vector<SectPt> v;
  if (r > 0) {
    SectArc(v, R, H - R, R, kPi, kPi / 2, n);  // outer, web to bottom flange
    if (lips) {
      SectArc(v, B - R, H - R, R, kPi / 2, 0, n);
      v.push_back({B, H - C});
      v.push_back({B - t, H - C});
      SectArc(v, B - R, H - R, r, 0, kPi / 2, n);
    } else {
      v.push_back({B, H});
      v.push_back({B, H - t});
    }
    SectArc(v, R, H - R, r, kPi / 2, kPi, n);
    SectArc(v, R, R, r, kPi, 1.5 * kPi, n);
    if (lips) {
      SectArc(v, B - R, R, r, 1.5 * kPi, 2 * kPi, n);
      v.push_back({B - t, C});
      v.push_back({B, C});
      SectArc(v, B - R, R, R, 0, -kPi / 2, n);
    } else {
      v.push_back({B, t});
      v.push_back({B, 0});
    }
    SectArc(v, R, R, R, -kPi / 2, -kPi, n);
  } else if (lips) {
    v = {{0, H}, {B, H}, {B, H - C}, {B - t, H - C}, {B - t, H - t}, {t, H - t},
         {t, t},  {B - t, t}, {B - t, C}, {B, C}, {B, 0}, {0, 0}};
  } else {
    v = {{0, H}, {B, H}, {B, H - t}, {t, H - t}, {t, t}, {B, t}, {B, 0}, {0, 0}};
  }
  SectModel m;
  m.AddPoly(v);
  const double A = SectPolyArea(m.polys[0].v);
  m.extra.J = ThinWalled(true, {{H, t}, {B, t}}) ? A * t * t / 3 : SectTorsionJ(m);
  m.extra.Asz = H * t;
  m.extra.Asy = 5.0 / 6.0 * 2 * B * t;
  m.extra.periOut = SectPolyPerimeter(m.polys[0].v);
  return m;
}

namespace {

// Copies of a lipped channel by the combination code ("2IS", "3BS", ...).
void AddLippedCopies(SectModel& m, const CString& combo, double B) {
  if (combo.IsEmpty()) return;
  const int n = (int)std::atof(combo);
  const CString rest = combo.Mid(1);
  const SectModel one = m;
  auto copy = [&](bool reflect, double dx) {
    SectModel c = one;
    if (reflect) c.Mirror(1);
    c.Translate(dx, 0);
    m.Append(c);
  };
  switch (n) {
    case 2: copy(true, (rest == "BS" || rest == "BW") ? 2 * B : 0.0); break;
    case 3: copy(false, B); copy(true, 3 * B); break;
    case 4: copy(false, B); copy(false, 2 * B); copy(true, 4 * B); break;
    default: break;
  }
}

// Two angles in a cross about a gusset plate of thickness c.
SectModel CrossAngles(double H, double B, double tw, double tf, double c, bool steel) {
  SectModel a = SectShapeAngle(H, B, tw, tf, false, steel);
  a.Mirror(0);
  a.Translate(c / 2, 0);
  SectModel m = a;
  a.Rotate(180);
  m.Append(a);
  return m;
}

}  // namespace

bool SectBuildRegular(const CString& code, const double* s, bool steel, const CString& combo,
                      SectModel& m) {
  m = SectModel();
  if (code == "L") {
    m = SectShapeAngle(s[0], s[1], s[2], s[3], false, steel);
  } else if (code == "C") {
    m = SectShapeChannel(s[0], s[1], s[2], s[3], s[4], s[5], false, steel);
  } else if (code == "H") {
    m = SectShapeH(s[0], s[1], s[2], s[3], s[4], s[5], steel);
  } else if (code == "T") {
    m = SectShapeT(s[0], s[1], s[2], s[3], steel);
  } else if (code == "B") {
    m = SectShapeBox(s[0], s[1], s[2], s[3], s[4], s[5], steel);
  } else if (code == "P") {
    m = SectShapePipe(s[0], s[1]);
  } else if (code == "2L") {
    m = SectShapeAngle(s[0], s[1], s[2], s[3], true, steel);
    SectModel b = SectShapeAngle(s[0], s[1], s[2], s[3], false, steel);
    b.Translate(s[1] + s[4], 0);
    m.Append(b);
  } else if (code == "2C") {
    m = SectShapeChannel(s[0], s[1], s[2], s[3], s[1], s[3], true, steel);
    SectModel b = SectShapeChannel(s[0], s[1], s[2], s[3], s[1], s[3], false, steel);
    b.Translate(s[1] + s[4], 0);
    m.Append(b);
    m.extra.Cwp = 0;
  } else if (code == "SB") {
    m = SectShapeSolidRect(s[1], s[0]);
  } else if (code == "SR") {
    m = SectShapeSolidRound(s[0]);
  } else if (code == "CR") {
    m = SectShapeCross(s[0], s[1], s[2], s[3], steel);
  } else if (code == "CC") {
    m = SectShapeLippedChannel(s[0], s[1], s[2], s[3], s[4]);
    AddLippedCopies(m, combo, s[1]);
  } else if (code == "CL") {
    m = CrossAngles(s[0], s[1], s[2], s[3], s[4], steel);
  } else {
    return false;
  }
  return true;
}
