// Regions of steel-reinforced concrete sections, placed as the outlines draw them.
#include <cmath>
#include <numbers>

#include "db/CSectUtil.h"
#include "db/SectShapes.h"
#include "db/SectTorsion.h"

namespace {

constexpr double kPi = std::numbers::pi;

// The steel part at the origin, its box (w, h) for centring, and its interior.
bool BuildSteel(const CString& steel, const double* s, SectModel& m, double& w, double& h,
                SectModel& hole) {
  hole = SectModel();
  if (steel == "B") {
    m = SectShapeBox(s[0], s[1], s[2], s[3], s[4], s[5], true);
    double x1, y1, x2, y2;
    SectBoxHole(s[0], s[1], s[2], s[3], s[4], s[5], x1, y1, x2, y2);
    hole.AddRect(x1, y1, x2, y2);
    hole.extra.J = SectRectTorsion(x2 - x1, y2 - y1);
    hole.extra.Asy = hole.extra.Asz = 5.0 / 6.0 * (x2 - x1) * (y2 - y1);
    w = s[1];
    h = s[0];
  } else if (steel == "P") {
    m = SectShapePipe(s[0], s[1]);
    const double d = s[0] - 2 * s[1];
    hole.AddCircle(s[0] / 2, s[0] / 2, d / 2);
    hole.extra.J = kPi * d * d * d * d / 32;
    hole.extra.Asy = hole.extra.Asz = 0.9 * kPi * d * d / 4;
    w = h = s[0];
  } else if (steel == "H") {
    m = SectShapeH(s[0], s[1], s[2], s[3], s[4], s[5], true);
    w = s[1];
    h = s[0];
  } else if (steel == "CR") {
    m = SectShapeCross(s[0], s[1], s[2], s[3], true);
    w = s[1];
    h = s[0];
  } else if (steel == "H2T") {
    m = SectShapeH(s[0], s[1], s[2], s[3], 0, 0, true);
    w = s[1];
    h = s[0];
  } else {
    return false;
  }
  return true;
}

// The two T's of "RH2T", lying on their sides with their stems on the web faces.
void AddSideTees(SectModel& m, const double* s, double W, double V) {
  const double xr = (W + s[2]) / 2, xl = (W - s[2]) / 2, yc = V / 2;
  m.AddPoly({{xr + s[4], yc - s[5] + s[6] / 2},
             {xr + s[4] - s[7], yc - s[5] + s[6] / 2},
             {xr + s[4] - s[7], yc - s[5] / 2},
             {xr, yc - s[5] / 2},
             {xr, yc - s[5] / 2 + s[6]},
             {xr + s[4] - s[7], yc - s[5] / 2 + s[6]},
             {xr + s[4] - s[7], yc + s[6] / 2},
             {xr + s[4], yc + s[6] / 2}});
  m.AddPoly({{xl - s[4], yc + s[6] / 2},
             {xl - s[4] + s[7], yc + s[6] / 2},
             {xl - s[4] + s[7], yc - s[5] / 2 + s[6]},
             {xl, yc - s[5] / 2 + s[6]},
             {xl, yc - s[5] / 2},
             {xl - s[4] + s[7], yc - s[5] / 2},
             {xl - s[4] + s[7], yc - s[5] + s[6] / 2},
             {xl - s[4], yc - s[5] + s[6] / 2}});
  // Each T: flange s[5] by s[7], stem (s[4] - s[7]) by s[6].
  const SectModel t = SectShapeT(s[4], s[5], s[6], s[7], true);
  m.extra.J += 2 * t.extra.J;
  m.extra.Asy += 2 * t.extra.Asz;  // lying on their sides
  m.extra.Asz += 2 * t.extra.Asy;
  m.extra.periOut += 2 * t.extra.periOut;
}

}  // namespace

bool SectBuildSrc(const T_SECT_SECTION_D& p, SectModel& steel, SectModel& concrete) {
  const CString code = p.strShape;
  const int idx = CSectUtil::GetShapeIndexFromNameSrc(code);
  if (idx < 0) return false;
  const CString steelCode = CSectUtil::GetShapeNameFromIndexSrcSteel(idx);
  const double* s = p.BaseA.dSize;
  const double* c = p.BaseB.dSize;
  double w = 0, h = 0;
  SectModel hole;
  if (!BuildSteel(steelCode, s, steel, w, h, hole)) return false;

  const char kind = code[0];
  const bool closed = code.Right(1) == "C";
  concrete = SectModel();
  double W = 0, V = 0;
  if (kind == 'R') {
    W = c[1];
    V = c[0];
    concrete = SectShapeSolidRect(W, V);
  } else if (kind == 'C') {
    W = V = c[0];
    concrete = SectShapeSolidRound(W);
  }
  if (kind == 'R' || kind == 'C') {
    const double dx = (W - w) / 2, dy = (V - h) / 2;
    steel.Translate(dx, dy);
    hole.Translate(dx, dy);
  }
  if (steelCode == "H2T") AddSideTees(steel, s, W, V);

  if (kind == 'E') {
    concrete = hole;
    concrete.extra.periOut = steel.extra.periOut;
    return true;
  }
  // The outline less the steel's material; an open shape also loses the interior.
  const double grossArea = kind == 'R' ? W * V : kPi * W * W / 4;
  SectModel cut;
  for (const SectPoly& q : steel.polys) cut.polys.push_back(q);
  for (const SectCircle& q : steel.circles) cut.circles.push_back(q);
  concrete.Append(cut, -1.0);
  if (!closed && (!hole.polys.empty() || !hole.circles.empty())) {
    SectModel voidPart;
    voidPart.polys = hole.polys;
    voidPart.circles = hole.circles;
    concrete.Append(voidPart, -1.0);
    concrete.extra.periIn = steel.extra.periIn;
  }
  // The concrete around (and in) the steel twists as one region of its own.
  concrete.extra.J = SectTorsionJ(concrete);
  const double net = SectGeomArea(concrete);
  const double share = grossArea > 0 ? net / grossArea : 0.0;
  concrete.extra.Asy *= share;
  concrete.extra.Asz *= share;
  return true;
}
