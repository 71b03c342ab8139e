// Outlines of the sections made of two shapes: steel-reinforced concrete, combined and
// tapered sections.
#include "properties/CCMSecShapeBuilder.h"

#include <cstring>

namespace {

typedef CCMSecShapes S;

// A symmetric H and the channel open to the left with the same pattern of sizes.
CCMPolygon* SymH(double H, double B, double tw, double tf, SCMColors col) {
  return S::HShape(H, B, tw, tf, B, tf, col);
}
CCMPolygon* SymC(double H, double B, double tw, double tf, SCMColors col) {
  return S::ChannelLeft(H, B, tw, tf, B, tf, col);
}

// Turns a figure by the angle, places its box at (x, y) and adds it.
void Put(CCMGeom2DArray& out, CCMPolygon* p, double angle, double x, double y) {
  if (angle != 0) p->Rotate(angle);
  S::PlaceAt(p, x, y);
  out.Add(p);
}

// ---- Combined sections: s the first profile, c the second.

void TwoH(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, (c[0] - s[1]) / 2, (c[1] - c[2]) / 2 - s[0]);
  Put(o, SymH(c[0], c[1], c[2], c[3], k), 90, 0, 0);
}

void HC1(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, (c[0] - s[1]) / 2, c[2]);
  Put(o, SymC(c[0], c[1], c[2], c[3], k), 270, 0, 0);
}

void HC2(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, (c[0] - s[1]) / 2, c[1]);
  Put(o, SymC(c[0], c[1], c[2], c[3], k), 90, 0, 0);
}

void HT(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, S::TShape(s[0], s[1], s[2], s[3], k), 0, (c[0] - s[1]) / 2,
      (c[1] - c[2]) / 2 - s[0]);
  Put(o, SymH(c[0], c[1], c[2], c[3], k), 90, 0, 0);
}

void TwoT1(const double* s, const double* c, const CString&, SCMColors k,
           CCMGeom2DArray& o) {
  Put(o, S::TShape(s[0], s[1], s[2], s[3], k), 0, (c[1] - s[1]) / 2, -s[0] - s[4]);
  Put(o, S::TShape(c[0], c[1], c[2], c[3], k), 180, 0, 0);
}

void TwoT2(const double* s, const double* c, const CString&, SCMColors k,
           CCMGeom2DArray& o) {
  Put(o, S::TShape(s[0], s[1], s[2], s[3], k), 180, 0, 0);
  Put(o, S::TShape(c[0], c[1], c[2], c[3], k), 0, (s[1] - c[1]) / 2, s[0] + s[4]);
}

void H2T(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, 0, 0);
  const double y = (s[0] - c[1]) / 2;
  Put(o, S::TShape(c[0], c[1], c[2], c[3], k), 90, (s[1] + s[2]) / 2, y);
  Put(o, S::TShape(c[0], c[1], c[2], c[3], k), 270, (s[1] - s[2]) / 2 - c[0], y);
}

void WOH(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, 0, 0);
  Put(o, SymH(c[0], c[1], c[2], c[3], k), 0, (s[1] - c[1]) / 2, s[0] + s[4]);
}

// The plate of c[1] by c[0] under or between the channels' webs, its top at y.
void Plate(const double* s, const double* c, double y, SCMColors k, CCMGeom2DArray& o) {
  o.Add(S::Rect((s[0] - c[1]) / 2, y, (s[0] + c[1]) / 2, y + c[0], k));
}

void TwoCW1(const double* s, const double* c, const CString&, SCMColors k,
            CCMGeom2DArray& o) {
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 90, 0, 0);
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 270, 0, s[1] + c[0]);
  Plate(s, c, s[1], k, o);
}

void TwoCW2(const double* s, const double* c, const CString&, SCMColors k,
            CCMGeom2DArray& o) {
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 270, 0, 0);
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 90, 0, 2 * s[2] + c[0] - s[1]);
  Plate(s, c, s[2], k, o);
}

void OneCW1(const double* s, const double* c, const CString&, SCMColors k,
            CCMGeom2DArray& o) {
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 270, 0, 0);
  Plate(s, c, s[2], k, o);
}

void OneCW2(const double* s, const double* c, const CString&, SCMColors k,
            CCMGeom2DArray& o) {
  Put(o, SymC(s[0], s[1], s[2], s[3], k), 90, 0, 0);
  Plate(s, c, s[1], k, o);
}

void FourL(const double* s, const double* c, const CString&, SCMColors k,
           CCMGeom2DArray& o) {
  const double g = c[0];
  Put(o, S::AngleRight(s[0], s[1], s[2], s[3], k), 0, s[1] + g, s[0] + g);
  Put(o, S::AngleLeft(s[0], s[1], s[2], s[3], k), 0, 0, s[0] + g);
  CCMPolygon* p = S::AngleRight(s[0], s[1], s[2], s[3], k);
  p->Mirror(0);
  Put(o, p, 0, s[1] + g, 0);
  p = S::AngleLeft(s[0], s[1], s[2], s[3], k);
  p->Mirror(0);
  Put(o, p, 0, 0, 0);
}

void HP(const double* s, const double* c, const CString&, SCMColors k, CCMGeom2DArray& o) {
  Put(o, SymH(s[0], s[1], s[2], s[3], k), 0, 0, 0);
  o.Add(S::Rect((s[1] - c[0] - c[1]) / 2, s[3], (s[1] - c[0] + c[1]) / 2, s[0] - s[3], k));
  o.Add(S::Rect((s[1] + c[0] - c[1]) / 2, s[3], (s[1] + c[0] + c[1]) / 2, s[0] - s[3], k));
}

// ---- SRC sections.

// What a steel part of an SRC section is and how its interior is filled.
enum ESteel { kBox, kPipe, kH, kCross, kH2T };
enum EInterior { kNone, kOpen, kFilled };

struct SSrcEntry {
  const char* code;
  ESteel steel;
  EInterior interior;
};

const SSrcEntry s_aSRC[] = {
    {"RBO", kBox, kOpen},  {"RBC", kBox, kFilled},  {"RPO", kPipe, kOpen},
    {"RPC", kPipe, kFilled}, {"CBO", kBox, kOpen},  {"CBC", kBox, kFilled},
    {"CPO", kPipe, kOpen}, {"CPC", kPipe, kFilled}, {"EBC", kBox, kFilled},
    {"EPC", kPipe, kFilled}, {"RHB", kH, kNone},    {"CHB", kH, kNone},
    {"RCB", kCross, kNone}, {"RH2T", kH2T, kNone}};

// The two T's of "RH2T", stems on the faces of the H's web, in a W by V encasement.
void AddSideTees(const double* s, double W, double V, CCMGeom2DArray& o) {
  const double xr = (W + s[2]) / 2, xl = (W - s[2]) / 2, yc = V / 2;
  const double yTop = yc - s[5] + s[6] / 2, yStem = yc - s[5] / 2, yBot = yc + s[6] / 2;
  CCMPolygon* r = S::NewPolygon(S::kSteel);
  for (SCMPoint2D p : std::initializer_list<SCMPoint2D>{
           {xr + s[4], yTop}, {xr + s[4] - s[7], yTop}, {xr + s[4] - s[7], yStem},
           {xr, yStem}, {xr, yStem + s[6]}, {xr + s[4] - s[7], yStem + s[6]},
           {xr + s[4] - s[7], yBot}, {xr + s[4], yBot}})
    r->m_aPoint.Add(p);
  o.Add(r);
  CCMPolygon* l = S::NewPolygon(S::kSteel);
  for (SCMPoint2D p : std::initializer_list<SCMPoint2D>{
           {xl - s[4], yBot}, {xl - s[4] + s[7], yBot}, {xl - s[4] + s[7], yStem + s[6]},
           {xl, yStem + s[6]}, {xl, yStem}, {xl - s[4] + s[7], yStem},
           {xl - s[4] + s[7], yTop}, {xl - s[4], yTop}})
    l->m_aPoint.Add(p);
  o.Add(l);
}

}  // namespace

const CCMSecShapeBuilder::SShapeEntry CCMSecShapeBuilder::s_aCombined[] = {
    {"2H", TwoH},      {"HC1", HC1},       {"HC2", HC2},       {"HT", HT},
    {"2T1", TwoT1},    {"2T2", TwoT2},     {"H2T", H2T},       {"WOH", WOH},
    {"2CW1", TwoCW1},  {"2CW2", TwoCW2},   {"1CW1", OneCW1},   {"1CW2", OneCW2},
    {"4L", FourL},     {"HP", HP},         {nullptr, nullptr}};

void CCMSecShapeBuilder::BuildSRC(CCMGeom2DArray& out) const {
  const T_SECT_SECTION_D& part = m_pSect->Part1;
  const SSrcEntry* pEntry = nullptr;
  for (const SSrcEntry& e : s_aSRC)
    if (std::strcmp(part.strShape.c_str(), e.code) == 0) {
      pEntry = &e;
      break;
    }
  if (!pEntry) return;
  const double* s = part.BaseA.dSize;
  const double* c = part.BaseB.dSize;

  // The encasement, by the code's first letter.
  double W = 0, V = 0;
  bool bCentre = true;
  switch (pEntry->code[0]) {
    case 'R':
      W = c[1];
      V = c[0];
      out.Add(S::Rect(0, 0, c[1], c[0], S::kConcrete));
      break;
    case 'C':
      W = V = c[0];
      out.Add(S::NewCircle(0, 0, c[0], c[0], S::kConcrete));
      break;
    default:  // no encasement: "EBC" centres its box in a circle of c[0], "EPC" stays
      W = V = c[0];
      bCentre = pEntry->steel == kBox;
      break;
  }

  // The steel part and its interior, built at (0, 0) and then centred.
  CCMGeom2DArray steel;
  const SCMColors inner = pEntry->interior == kOpen ? S::kHole : S::kConcrete;
  double w = s[1], h = s[0];
  switch (pEntry->steel) {
    case kBox:
      steel.Add(S::Box(s[0], s[1], s[2], s[3], s[4], s[5], S::kSteel));
      steel.Add(S::BoxHole(s[0], s[1], s[2], s[3], s[4], s[5], inner));
      break;
    case kPipe:
      w = h = s[0];
      steel.Add(S::NewCircle(0, 0, s[0], s[0], S::kSteel));
      steel.Add(S::NewCircle(s[1], s[1], s[0] - s[1], s[0] - s[1], inner));
      break;
    case kH: steel.Add(S::HShape(s[0], s[1], s[2], s[3], s[4], s[5], S::kSteel)); break;
    case kCross: steel.Add(S::Cross(s[0], s[1], s[2], s[3], S::kSteel)); break;
    case kH2T: steel.Add(SymH(s[0], s[1], s[2], s[3], S::kSteel)); break;
  }
  if (bCentre) {
    const double d[2] = {(W - w) / 2, (V - h) / 2};
    steel.Translate(d);
  }
  out.Append(steel);
  if (pEntry->steel == kH2T) AddSideTees(s, W, V, out);
}

void CCMSecShapeBuilder::BuildTapered(CCMGeom2DArray& out) {
  const T_SECT_SECTION_D& part = m_pSect->Part1;
  CCMGeom2DArray iEnd, jEnd;
  BuildFromTable(s_aTapered, part.strShape, part.BaseA.dSize, nullptr, CString(), S::kSteel,
                 iEnd);
  BuildFromTable(s_aTapered, part.strShape, part.BaseB.dSize, nullptr, CString(),
                 S::kConcrete, jEnd);
  const SCMBound2D bi = iEnd.GetBoundRect(), bj = jEnd.GetBoundRect();
  const double d[2] = {bi.maxX + (bj.Width() + bi.Width()) / 4,
                       -(bj.maxY + (bi.Height() + bj.Height()) / 4)};
  jEnd.Translate(d);
  out.Append(jEnd);
  out.Append(iEnd);
  m_bndIEnd = bi;
}
