#include "properties/CCMSecShapeBuilder.h"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

typedef CCMSecShapes S;

// The leading number of a light-steel combination code ("2IS", "3BS"...), truncated; text
// that starts without a number gives 0.
int ComboCount(const CString& strCombo) {
  const char* p = strCombo.c_str();
  char* end = nullptr;
  const double v = std::strtod(p, &end);
  if (end == p || !std::isfinite(v) || std::fabs(v) > 1e9) return 0;
  return (int)v;
}

void Angle(const double* e, const double*, const CString&, SCMColors col,
           CCMGeom2DArray& out) {
  out.Add(S::AngleRight(e[0], e[1], e[2], e[3], col));
}

void Channel(const double* e, const double*, const CString&, SCMColors col,
             CCMGeom2DArray& out) {
  out.Add(S::ChannelRight(e[0], e[1], e[2], e[3], e[4], e[5], col));
}

void HSection(const double* e, const double*, const CString&, SCMColors col,
              CCMGeom2DArray& out) {
  out.Add(S::HShape(e[0], e[1], e[2], e[3], e[4], e[5], col));
}

void TSection(const double* e, const double*, const CString&, SCMColors col,
              CCMGeom2DArray& out) {
  out.Add(S::TShape(e[0], e[1], e[2], e[3], col));
}

void BoxSection(const double* e, const double*, const CString&, SCMColors col,
                CCMGeom2DArray& out) {
  out.Add(S::Box(e[0], e[1], e[2], e[3], e[4], e[5], col));
  out.Add(S::BoxHole(e[0], e[1], e[2], e[3], e[4], e[5], S::kHole));
}

void Pipe(const double* e, const double*, const CString&, SCMColors col,
          CCMGeom2DArray& out) {
  out.Add(S::NewCircle(0, 0, e[0], e[0], col));
  out.Add(S::NewCircle(e[1], e[1], e[0] - e[1], e[0] - e[1], S::kHole));
}

void DoubleAngle(const double* e, const double*, const CString&, SCMColors col,
                 CCMGeom2DArray& out) {
  out.Add(S::AngleLeft(e[0], e[1], e[2], e[3], col));
  CCMPolygon* p = S::AngleRight(e[0], e[1], e[2], e[3], col);
  S::Move(p, e[1] + e[4], 0);
  out.Add(p);
}

void DoubleChannel(const double* e, const double*, const CString&, SCMColors col,
                   CCMGeom2DArray& out) {
  out.Add(S::ChannelLeft(e[0], e[1], e[2], e[3], e[1], e[3], col));
  CCMPolygon* p = S::ChannelRight(e[0], e[1], e[2], e[3], e[1], e[3], col);
  S::Move(p, e[1] + e[4], 0);
  out.Add(p);
}

void SolidRect(const double* e, const double*, const CString&, SCMColors col,
               CCMGeom2DArray& out) {
  out.Add(S::Rect(0, 0, e[1], e[0], col));
}

void SolidRound(const double* e, const double*, const CString&, SCMColors col,
                CCMGeom2DArray& out) {
  out.Add(S::NewCircle(0, 0, e[0], e[0], col));
}

// A lipped channel and the copies its combination code asks for.
void LippedChannel(const double* e, const double*, const CString& strCombo, SCMColors col,
                   CCMGeom2DArray& out) {
  auto piece = [&]() { return S::LippedChannel(e[0], e[1], e[2], e[3], e[4], col); };
  out.Add(piece());
  if (strCombo.IsEmpty()) return;
  const double B = e[1];
  const CString rest = strCombo.Mid(1);
  // Shifts to the right of the copies, in order, and whether each is reflected first.
  struct SCopy {
    double shift;
    bool reflect;
  };
  std::vector<SCopy> copies;
  switch (ComboCount(strCombo)) {
    case 2: copies = {{rest == CString("BS") || rest == CString("BW") ? 2 * B : 0, true}}; break;
    case 3: copies = {{B, false}, {3 * B, true}}; break;
    case 4: copies = {{B, false}, {2 * B, false}, {4 * B, true}}; break;
    default: break;
  }
  for (const SCopy& c : copies) {
    CCMPolygon* p = piece();
    if (c.reflect) p->Mirror(1);
    if (c.shift != 0) S::Move(p, c.shift, 0);
    out.Add(p);
  }
}

void URib(const double* e, const double*, const CString&, SCMColors col,
          CCMGeom2DArray& out) {
  out.Add(S::URib(e[0], e[1], e[2], e[3], e[4], col));
}

void CrossSection(const double* e, const double*, const CString&, SCMColors col,
                  CCMGeom2DArray& out) {
  out.Add(S::Cross(e[0], e[1], e[2], e[3], col));
}

}  // namespace

const CCMSecShapeBuilder::SShapeEntry CCMSecShapeBuilder::s_aRegular[] = {
    {"L", Angle},           {"C", Channel},        {"H", HSection},
    {"T", TSection},        {"B", BoxSection},     {"P", Pipe},
    {"2L", DoubleAngle},    {"2C", DoubleChannel}, {"SB", SolidRect},
    {"SR", SolidRound},     {"CC", LippedChannel}, {"URIB", URib},
    {"CR", CrossSection},   {nullptr, nullptr}};

const CCMSecShapeBuilder::SShapeEntry CCMSecShapeBuilder::s_aTapered[] = {
    {"L", Angle},         {"C", Channel},        {"H", HSection},  {"T", TSection},
    {"B", BoxSection},    {"P", Pipe},           {"2L", DoubleAngle},
    {"2C", DoubleChannel}, {"SB", SolidRect},    {"SR", SolidRound},
    {"CR", CrossSection}, {nullptr, nullptr}};

BOOL CCMSecShapeBuilder::BuildFromTable(const SShapeEntry* pTable, const CString& strShape,
                                        const double* s, const double* c,
                                        const CString& strCombo, SCMColors col,
                                        CCMGeom2DArray& out) {
  for (const SShapeEntry* p = pTable; p->code; ++p) {
    if (std::strcmp(strShape.c_str(), p->code) == 0) {
      p->fn(s, c, strCombo, col, out);
      return TRUE;
    }
  }
  return FALSE;
}

void CCMSecShapeBuilder::Build(T_SECT_D* pSect, CCMGeom2DArray* pList, int /*nOption*/,
                               int /*bMirror*/, int bCentroid, int bOffset) {
  m_pSect = pSect;
  if (!pSect || !pList) return;
  const T_SECT_SECTION_D& part = pSect->Part1;
  CCMGeom2DArray out;
  switch (pSect->iType) {
    case 1:
    case 3:
      BuildFromTable(s_aRegular, part.strShape, part.BaseA.dSize, part.BaseB.dSize,
                     part.BaseA.strBaseShape, S::kSteel, out);
      break;
    case 2: BuildSRC(out); break;
    case 4:
      BuildFromTable(s_aCombined, part.strShape, part.BaseA.dSize, part.BaseB.dSize,
                     part.BaseA.strBaseShape, S::kSteel, out);
      break;
    case 5: BuildTapered(out); break;
    default: return;
  }
  AddMarks(out, bCentroid, bOffset);
  pList->Append(out);
}

void CCMSecShapeBuilder::AddMarks(CCMGeom2DArray& out, int bCentroid, int bOffset) const {
  const T_SECT_D& sect = *m_pSect;
  const T_SECT_SECTION_D& part = sect.Part1;
  const bool bTapered = sect.iType == 5;
  SCMBound2D b = bTapered ? m_bndIEnd : out.GetBoundRect();
  bool bWhole = !bTapered;  // b holds the bounds of the whole outline
  auto useWhole = [&]() {
    if (!bWhole) b = out.GetBoundRect();
    bWhole = true;
  };
  auto size = [&]() { return std::max(b.Width(), b.Height()); };
  auto square = [&](double x, double y, SCMColors col) {
    const double f = 0.03 * size();
    out.Add(S::Rect(x - f, y - f, x + f, y + f, col));
  };

  if (bOffset) {
    int code = part.iOffset;
    if (code < 1 || code > 9) code = 5;
    const double xs[3] = {b.minX, (b.minX + b.maxX) / 2, b.maxX};
    const double ys[3] = {b.minY, (b.minY + b.maxY) / 2, b.maxY};
    const double x = xs[(code - 1) % 3], y = ys[(code - 1) / 3];
    useWhole();
    square(x, y, S::kOffset);
  }
  if (bCentroid) {
    const T_SECT_DESIGN& d =
        (sect.iType == 2 || sect.iType == 4) ? part.Design : part.BaseA.Design;
    const double x = b.minX + d.Cent_Y, y = b.maxY - d.Cent_Z;
    useWhole();
    square(x, y, S::kCentroid);
    const double cx = b.minX + part.dDispCenterY, cy = b.maxY - part.dDispCenterZ;
    const double a = 0.2 * size();
    CCMPolygon* p = S::NewPolygon(S::kCross);
    for (SCMPoint2D pt : std::initializer_list<SCMPoint2D>{
             {cx - a, cy}, {cx + a, cy}, {cx, cy}, {cx, cy - a}, {cx, cy + a}, {cx, cy}})
      p->m_aPoint.Add(pt);
    out.Add(p);
  }
}
