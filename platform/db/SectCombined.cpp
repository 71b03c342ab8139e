// Regions of combined sections (two steel profiles), placed as the outlines draw them.
#include "db/SectShapes.h"
#include "db/SectRecord.h"

namespace {

SectModel H4(const double* e) { return SectShapeH(e[0], e[1], e[2], e[3], 0, 0, true); }
SectModel T4(const double* e) { return SectShapeT(e[0], e[1], e[2], e[3], true); }
SectModel C4(const double* e) {
  return SectShapeChannel(e[0], e[1], e[2], e[3], 0, 0, true, true);
}

SectModel Placed(SectModel m, int turn, double x, double y) {
  m.Rotate(turn);
  m.PlaceAt(x, y);
  return m;
}

SectModel Plate(double x1, double y1, double x2, double y2) {
  SectModel m = SectShapeSolidRect(x2 - x1, y2 - y1);
  m.Translate(x1, y1);
  return m;
}

}  // namespace

bool SectBuildCombined(const T_SECT_SECTION_D& p, SectCombinedModel& m) {
  const CString& code = p.strShape;
  const double* s = p.BaseA.dSize;
  const double* c = p.BaseB.dSize;
  m = SectCombinedModel();
  if (code == "2H" || code == "HT") {
    m.first = code == "2H" ? H4(s) : T4(s);
    m.second = H4(c);
    m.firstPlaced = Placed(m.first, 0, (c[0] - s[1]) / 2, (c[1] - c[2]) / 2 - s[0]);
    m.secondPlaced = Placed(m.second, 90, 0, 0);
  } else if (code == "HC1" || code == "HC2") {
    m.first = H4(s);
    m.second = C4(c);
    const bool one = code == "HC1";
    m.firstPlaced = Placed(m.first, 0, (c[0] - s[1]) / 2, one ? c[2] : c[1]);
    m.secondPlaced = Placed(m.second, one ? 270 : 90, 0, 0);
  } else if (code == "2T1") {
    m.first = T4(s);
    m.second = T4(c);
    m.firstPlaced = Placed(m.first, 0, (c[1] - s[1]) / 2, -s[0] - s[4]);
    m.secondPlaced = Placed(m.second, 180, 0, 0);
  } else if (code == "2T2") {
    m.first = T4(s);
    m.second = T4(c);
    m.firstPlaced = Placed(m.first, 180, 0, 0);
    m.secondPlaced = Placed(m.second, 0, (s[1] - c[1]) / 2, s[0] + s[4]);
  } else if (code == "H2T") {
    m.first = H4(s);
    m.second = T4(c);
    m.firstPlaced = Placed(m.first, 0, 0, 0);
    m.secondPlaced = Placed(m.second, 90, (s[1] + s[2]) / 2, (s[0] - c[1]) / 2);
    m.secondPlaced.Append(Placed(m.second, 270, (s[1] - s[2]) / 2 - c[0], (s[0] - c[1]) / 2));
  } else if (code == "WOH") {
    m.first = H4(s);
    m.second = H4(c);
    m.firstPlaced = Placed(m.first, 0, 0, 0);
    m.secondPlaced = Placed(m.second, 0, (s[1] - c[1]) / 2, s[0] + s[4]);
  } else if (code == "2CW1" || code == "2CW2" || code == "1CW1" || code == "1CW2") {
    m.first = C4(s);
    const bool webOut = code == "2CW1" || code == "1CW2";  // plate outside the web
    const double y0 = webOut ? s[1] : s[2];
    m.second = SectShapeSolidRect(c[1], c[0]);
    m.secondPlaced = Plate((s[0] - c[1]) / 2, y0, (s[0] + c[1]) / 2, y0 + c[0]);
    if (code == "2CW1") {
      m.firstPlaced = Placed(m.first, 90, 0, 0);
      m.firstPlaced.Append(Placed(m.first, 270, 0, s[1] + c[0]));
    } else if (code == "2CW2") {
      m.firstPlaced = Placed(m.first, 270, 0, 0);
      m.firstPlaced.Append(Placed(m.first, 90, 0, 2 * s[2] + c[0] - s[1]));
    } else {
      m.firstPlaced = Placed(m.first, code == "1CW1" ? 270 : 90, 0, 0);
    }
  } else if (code == "4L") {
    const double g = c[0];
    m.first = SectShapeAngle(s[0], s[1], s[2], s[3], false, true);
    const SectModel left = SectShapeAngle(s[0], s[1], s[2], s[3], true, true);
    m.firstPlaced = Placed(m.first, 0, s[1] + g, s[0] + g);
    m.firstPlaced.Append(Placed(left, 0, 0, s[0] + g));
    SectModel r = m.first, l = left;
    r.Mirror(0);
    l.Mirror(0);
    m.firstPlaced.Append(Placed(r, 0, s[1] + g, 0));
    m.firstPlaced.Append(Placed(l, 0, 0, 0));
    m.hasSecond = false;
  } else if (code == "HP") {
    m.first = H4(s);
    m.firstPlaced = Placed(m.first, 0, 0, 0);
    m.second = SectShapeSolidRect(c[1], s[0] - 2 * s[3]);
    m.secondPlaced = Plate((s[1] - c[0] - c[1]) / 2, s[3], (s[1] - c[0] + c[1]) / 2, s[0] - s[3]);
    m.secondPlaced.Append(
        Plate((s[1] + c[0] - c[1]) / 2, s[3], (s[1] + c[0] + c[1]) / 2, s[0] - s[3]));
  } else {
    return false;
  }
  return true;
}
