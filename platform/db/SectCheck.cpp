// Size checks of sections (CSectUtil::CheckSectSize): what cannot be a section.
#include <cmath>

#include "db/CSectUtil.h"
#include "db/SectCheck.h"

namespace {

bool Pos(double v) { return std::isfinite(v) && v > 0; }
bool NonNeg(double v) { return std::isfinite(v) && v >= 0; }

bool CheckAngleLike(const double* s) {  // L, T, CR: H, B, tw, t1
  return Pos(s[0]) && Pos(s[1]) && Pos(s[2]) && Pos(s[3]) && s[2] < s[1] && s[3] < s[0];
}

bool CheckFlanged(const double* s) {  // H, C: H, B1, tw, t1, B2, t2
  if (!CheckAngleLike(s) || !NonNeg(s[4]) || !NonNeg(s[5])) return false;
  const double B2 = s[4] > 0 ? s[4] : s[1], t2 = s[5] > 0 ? s[5] : s[3];
  return s[2] < B2 && s[3] + t2 < s[0];
}

bool CheckBox(const double* s) {  // H, B, tw, t1, c, t2
  if (!Pos(s[0]) || !Pos(s[1]) || !Pos(s[2]) || !Pos(s[3]) || !NonNeg(s[4]) || !NonNeg(s[5]))
    return false;
  const double C = s[4] > 0 ? s[4] : s[1] - s[2], t2 = s[5] > 0 ? s[5] : s[3];
  return C > s[2] && C + s[2] <= s[1] * (1 + 1e-12) && s[3] + t2 < s[0];
}

bool CheckLipped(const double* s) {  // H, B, t, r, c
  if (!Pos(s[0]) || !Pos(s[1]) || !Pos(s[2]) || !NonNeg(s[3]) || !NonNeg(s[4])) return false;
  const double R = s[2] + s[3];
  if (2 * R > s[1] || 2 * R > s[0]) return false;
  return !(s[4] > R) || 2 * s[4] < s[0];
}

}  // namespace

bool SectCheckRegular(const CString& code, const double* s) {
  if (code == "L" || code == "T" || code == "CR") return CheckAngleLike(s);
  if (code == "C" || code == "H") return CheckFlanged(s);
  if (code == "B") return CheckBox(s);
  if (code == "P") return Pos(s[0]) && Pos(s[1]) && 2 * s[1] < s[0];
  if (code == "2L" || code == "CL") return CheckAngleLike(s) && NonNeg(s[4]);
  if (code == "2C") {
    const double c[6] = {s[0], s[1], s[2], s[3], 0, 0};
    return CheckFlanged(c) && NonNeg(s[4]);
  }
  if (code == "SB") return Pos(s[0]) && Pos(s[1]);
  if (code == "SR") return Pos(s[0]);
  if (code == "CC") return CheckLipped(s);
  return false;
}

// Width and height of an SRC steel part's outline box, and its half diagonal as seen
// from the centre (for round encasements).
bool SectSrcSteelExtent(const CString& steel, const double* s, double& w, double& h,
                        double& halfDiag) {
  if (steel == "B") {
    w = s[1];
    h = s[0];
  } else if (steel == "P") {
    w = h = s[0];
    halfDiag = s[0] / 2;
    return true;
  } else if (steel == "H") {
    w = std::fmax(s[1], s[4]);
    h = s[0];
  } else if (steel == "CR") {
    w = s[1];
    h = s[0];
    halfDiag = 0.5 * std::fmax(std::hypot(s[2], s[0]), std::hypot(s[1], s[3]));
    return true;
  } else if (steel == "H2T") {
    w = std::fmax(s[1], s[2] + 2 * s[4]);
    h = std::fmax(s[0], s[5]);
  } else {
    return false;
  }
  halfDiag = 0.5 * std::hypot(w, h);
  return true;
}

bool SectCheckSrc(const T_SECT_SECTION_D& p) {
  const int idx = CSectUtil::GetShapeIndexFromNameSrc(p.strShape);
  if (idx < 0) return false;
  const CString steel = CSectUtil::GetShapeNameFromIndexSrcSteel(idx);
  const double* s = p.BaseA.dSize;
  const double* c = p.BaseB.dSize;
  if (steel == "H2T") {
    const double h[6] = {s[0], s[1], s[2], s[3], 0, 0};
    if (!CheckFlanged(h) || !CheckAngleLike(s + 4)) return false;
  } else if (!SectCheckRegular(steel, s)) {
    return false;
  }
  if (!(p.dEsEc > 0) || !std::isfinite(p.dEsEc)) return false;
  double w = 0, h = 0, half = 0;
  SectSrcSteelExtent(steel, s, w, h, half);
  const char kind = p.strShape[0];
  if (kind == 'R') return Pos(c[0]) && Pos(c[1]) && w < c[1] && h < c[0];
  if (kind == 'C') return Pos(c[0]) && half < c[0] / 2;
  return true;  // "E": concrete-filled steel
}

namespace {

bool Channel4(const double* s) {
  const double c[6] = {s[0], s[1], s[2], s[3], 0, 0};
  return CheckFlanged(c);
}

bool H4(const double* s) { return Channel4(s); }

}  // namespace

bool SectCheckCombined(const T_SECT_SECTION_D& p) {
  const CString& code = p.strShape;
  const double* s = p.BaseA.dSize;
  const double* c = p.BaseB.dSize;
  if (code == "2H" || code == "HT")
    return (code == "2H" ? H4(s) : CheckAngleLike(s)) && H4(c) && s[1] <= c[0] - 2 * c[3];
  if (code == "HC1") return H4(s) && Channel4(c) && s[1] <= c[0] - 2 * c[3];
  if (code == "HC2") return H4(s) && Channel4(c);
  if (code == "2T1" || code == "2T2") return CheckAngleLike(s) && CheckAngleLike(c) && NonNeg(s[4]);
  if (code == "H2T") return H4(s) && CheckAngleLike(c) && c[1] <= s[0] - 2 * s[3];
  if (code == "WOH") return H4(s) && H4(c) && NonNeg(s[4]);
  if (code == "2CW1" || code == "1CW2") return Channel4(s) && Pos(c[0]) && Pos(c[1]) && c[1] <= s[0];
  if (code == "2CW2" || code == "1CW1") {
    if (!Channel4(s) || !Pos(c[0]) || !Pos(c[1]) || c[1] > s[0] - 2 * s[3]) return false;
    return code == "1CW1" || c[0] >= 2 * (s[1] - s[2]);
  }
  if (code == "4L") return CheckAngleLike(s) && NonNeg(c[0]);
  if (code == "HP")
    return H4(s) && Pos(c[0]) && Pos(c[1]) && c[0] - c[1] >= s[2] && c[0] + c[1] <= s[1];
  return false;
}

BOOL CSectUtil::CheckSectSize(const T_SECT_D& sect) {
  const T_SECT_SECTION_D& p = sect.Part1;
  switch (sect.iType) {
    case SECT_TYPE_REGULAR:
    case SECT_TYPE_VALUE:
      return SectCheckRegular(p.strShape, p.BaseA.dSize) ? TRUE : FALSE;
    case SECT_TYPE_TAPERED:
      return SectCheckRegular(p.strShape, p.BaseA.dSize) &&
                     SectCheckRegular(p.strShape, p.BaseB.dSize)
                 ? TRUE
                 : FALSE;
    case SECT_TYPE_SRC: return SectCheckSrc(p) ? TRUE : FALSE;
    case SECT_TYPE_COMBINED: return SectCheckCombined(p) ? TRUE : FALSE;
    default: return FALSE;
  }
}
