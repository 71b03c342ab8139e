#include "properties/CCMSecShapes.h"

#include <cmath>

const SCMColors CCMSecShapes::kSteel = {RGB(0, 0, 0), RGB(196, 206, 230)};
const SCMColors CCMSecShapes::kConcrete = {RGB(0, 0, 0), RGB(171, 171, 171)};
const SCMColors CCMSecShapes::kHole = {RGB(0, 0, 0), RGB(255, 255, 255)};
const SCMColors CCMSecShapes::kOffset = {RGB(0, 0, 0), RGB(255, 0, 0)};
const SCMColors CCMSecShapes::kCentroid = {RGB(0, 0, 0), RGB(0, 0, 255)};
const SCMColors CCMSecShapes::kCross = {RGB(255, 0, 0), RGB(255, 0, 0)};

namespace {

CCMPolygon* FromPoints(std::initializer_list<SCMPoint2D> pts, SCMColors col) {
  CCMPolygon* p = CCMSecShapes::NewPolygon(col);
  for (const SCMPoint2D& pt : pts) p->m_aPoint.Add(pt);
  return p;
}

// Moves a figure by the negated minimum corner of its box.
void ToOrigin(CCMGeom2D* pFig) { CCMSecShapes::PlaceAt(pFig, 0, 0); }

}  // namespace

CCMPolygon* CCMSecShapes::NewPolygon(SCMColors col) {
  return new CCMPolygon(col.crPen, col.crBrush);
}

CCMEllipse* CCMSecShapes::NewCircle(double x1, double y1, double x2, double y2,
                                    SCMColors col) {
  return new CCMEllipse(x1, y1, x2, y2, col.crPen, col.crBrush);
}

CCMPolygon* CCMSecShapes::AngleRight(double H, double B, double tw, double tf,
                                     SCMColors col) {
  return FromPoints({{0, 0}, {0, H}, {tw, H}, {tw, tf}, {B, tf}, {B, 0}}, col);
}

CCMPolygon* CCMSecShapes::AngleLeft(double H, double B, double tw, double tf,
                                    SCMColors col) {
  return FromPoints({{0, 0}, {0, tf}, {B - tw, tf}, {B - tw, H}, {B, H}, {B, 0}}, col);
}

CCMPolygon* CCMSecShapes::ChannelRight(double H, double B1, double tw, double tf1, double B2,
                                       double tf2, SCMColors col) {
  if (B2 == 0) B2 = B1;
  if (tf2 == 0) tf2 = tf1;
  return FromPoints({{0, 0}, {B1, 0}, {B1, tf1}, {tw, tf1}, {tw, H - tf2}, {B2, H - tf2},
                     {B2, H}, {0, H}},
                    col);
}

CCMPolygon* CCMSecShapes::ChannelLeft(double H, double B1, double tw, double tf1, double B2,
                                      double tf2, SCMColors col) {
  if (B2 == 0) B2 = B1;
  if (tf2 == 0) tf2 = tf1;
  CCMPolygon* p = FromPoints({{0, 0}, {0, tf1}, {B1 - tw, tf1}, {B1 - tw, H - tf2},
                              {B1 - B2, H - tf2}, {B1 - B2, H}, {B1, H}, {B1, 0}},
                             col);
  ToOrigin(p);
  return p;
}

CCMPolygon* CCMSecShapes::HShape(double H, double B1, double tw, double tf1, double B2,
                                 double tf2, SCMColors col) {
  if (B2 == 0) B2 = B1;
  if (tf2 == 0) tf2 = tf1;
  const double u = std::fabs(B1 - tw) / 2, v = std::fabs(B1 + tw) / 2;
  const double g = std::fabs(H - tf2);
  const double l2 = (B1 - B2) / 2, r2 = (B1 + B2) / 2;
  CCMPolygon* p = FromPoints({{0, 0}, {0, tf1}, {u, tf1}, {u, g}, {l2, g}, {l2, H}, {r2, H},
                              {r2, g}, {v, g}, {v, tf1}, {B1, tf1}, {B1, 0}},
                             col);
  ToOrigin(p);
  return p;
}

CCMPolygon* CCMSecShapes::TShape(double H, double B, double tw, double tf, SCMColors col) {
  const double l = (B - tw) / 2, r = (B + tw) / 2;
  return FromPoints(
      {{0, 0}, {0, tf}, {l, tf}, {l, H}, {r, H}, {r, tf}, {B, tf}, {B, 0}}, col);
}

CCMPolygon* CCMSecShapes::Cross(double H, double B, double tw, double tf, SCMColors col) {
  const double p = (B - tw) / 2, q = (B + tw) / 2, m = (H - tf) / 2, n = (H + tf) / 2;
  return FromPoints({{p, 0}, {p, m}, {0, m}, {0, n}, {p, n}, {p, H}, {q, H}, {q, n}, {B, n},
                     {B, m}, {q, m}, {q, 0}},
                    col);
}

CCMPolygon* CCMSecShapes::Rect(double x1, double y1, double x2, double y2, SCMColors col) {
  return FromPoints({{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}, col);
}

CCMPolygon* CCMSecShapes::Box(double H, double B, double tw, double tf1, double C, double tf2,
                              SCMColors col) {
  if (C == 0) C = B - tw;
  if (tf2 == 0) tf2 = tf1;
  const double e = B / 2 - (tw + C) / 2, f = B / 2 + (tw + C) / 2;
  return FromPoints({{0, 0}, {0, tf1}, {e, tf1}, {e, H - tf2}, {0, H - tf2}, {0, H}, {B, H},
                     {B, H - tf2}, {f, H - tf2}, {f, tf1}, {B, tf1}, {B, 0}},
                    col);
}

CCMPolygon* CCMSecShapes::BoxHole(double H, double B, double tw, double tf1, double C,
                                  double tf2, SCMColors col) {
  if (C == 0) C = B - tw;
  if (tf2 == 0) tf2 = tf1;
  return Rect((B + tw - C) / 2, tf1, (B - tw + C) / 2, H - tf2, col);
}

void CCMSecShapes::Move(CCMGeom2D* pFig, double dx, double dy) {
  const double d[2] = {dx, dy};
  pFig->Translate(d);
}

void CCMSecShapes::PlaceAt(CCMGeom2D* pFig, double x, double y) {
  const SCMBound2D b = pFig->GetBoundRect();
  Move(pFig, x - b.minX, y - b.minY);
}
