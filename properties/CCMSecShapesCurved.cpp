// The outline primitives with bends: the lipped channel and the U-rib.
#include <algorithm>
#include <cmath>
#include "properties/CCMSecShapes.h"

namespace {

// Directions of a bend's end points, in degrees with y downward: 0 right, 90 down,
// 180 left, 270 up.
enum : int { kRight = 0, kDown = 90, kLeft = 180, kUp = 270 };

// Adds nSteps + 1 points of the circle about (cx, cy) from direction a0 to a1.
void AddBend(CCMPolygon* p, double cx, double cy, double rad, double a0, double a1,
             int nSteps) {
  for (int i = 0; i <= nSteps; ++i) {
    const double a = a0 + (a1 - a0) * i / nSteps;
    p->AddPoint(cx + rad * CosDeg(a), cy + rad * SinDeg(a));
  }
}

constexpr int kOuterSteps = 6;  // every 15 degrees
constexpr int kInnerSteps = 4;  // every 22.5 degrees

}  // namespace

CCMPolygon* CCMSecShapes::LippedChannel(double H, double B, double t, double r, double C,
                                        SCMColors col) {
  H = std::max(H, 0.0);
  B = std::max(B, 0.0);
  t = std::max(t, 0.0);
  r = std::max(r, 0.0);
  C = std::max(C, 0.0);
  CCMPolygon* p = NewPolygon(col);
  const double R = t + r;
  if (2 * R > B || 2 * R > H) return p;
  const bool bLip = C > R;

  if (r <= 0) {
    if (bLip) {
      for (SCMPoint2D pt : std::initializer_list<SCMPoint2D>{
               {0, H}, {B, H}, {B, H - C}, {B - t, H - C}, {B - t, H - t}, {t, H - t},
               {t, t}, {B - t, t}, {B - t, C}, {B, C}, {B, 0}, {0, 0}})
        p->m_aPoint.Add(pt);
    } else {
      for (SCMPoint2D pt : std::initializer_list<SCMPoint2D>{
               {0, H}, {B, H}, {B, H - t}, {B - t, H - t}, {t, H - t}, {t, t}, {B - t, t},
               {B, t}, {B, 0}, {0, 0}})
        p->m_aPoint.Add(pt);
    }
    return p;
  }

  // Bend centres: bottom left, bottom right, top left, top right.
  const double xl = R, xr = B - R, yt = R, yb = H - R;
  AddBend(p, xl, yb, R, kLeft, kDown, kOuterSteps);
  if (bLip) {
    AddBend(p, xr, yb, R, kDown, kRight, kOuterSteps);
    p->AddPoint(B, H - C);
    p->AddPoint(B - t, H - C);
    AddBend(p, xr, yb, r, kRight, kDown, kInnerSteps);
  } else {
    p->AddPoint(B, H);
    p->AddPoint(B, H - t);
    p->AddPoint(B - t, H - t);
  }
  AddBend(p, xl, yb, r, kDown, kLeft, kInnerSteps);
  AddBend(p, xl, yt, r, kLeft, kUp, kInnerSteps);
  if (bLip) {
    AddBend(p, xr, yt, r, kUp, kRight + 360, kInnerSteps);
    p->AddPoint(B - t, C);
    p->AddPoint(B, C);
    AddBend(p, xr, yt, R, kRight + 360, kUp, kOuterSteps);
  } else {
    p->AddPoint(B - t, t);
    p->AddPoint(B, t);
    p->AddPoint(B, 0);
  }
  AddBend(p, xl, yt, R, kUp, kLeft, kOuterSteps);
  return p;
}

CCMPolygon* CCMSecShapes::URib(double H, double b, double c, double t, double r,
                               SCMColors col) {
  const double theta = std::fabs(H) >= 1e-10 ? std::atan((b - c) / (2 * H)) : 0.0;
  const double phi = 90.0 - theta * 57.29577951308232;  // degrees
  const double R = t + r;
  const double x0 = c / 2 - R * std::tan(phi / 2 * 0.017453292519943295);
  const double yc = H / 2 - R;
  const double alpha[4] = {0, phi / 3, 2 * phi / 3, phi};

  SCMPoint2D half[10];
  for (int i = 0; i < 4; ++i)
    half[i] = {x0 + r * SinDeg(alpha[i]), yc + r * CosDeg(alpha[i])};
  half[4] = {b / 2 - t / std::cos(theta), -H / 2};
  half[5] = {b / 2 - t * std::tan(theta) * std::sin(theta), -H / 2 + t * std::sin(theta)};
  for (int i = 0; i < 4; ++i)
    half[6 + i] = {x0 + R * SinDeg(alpha[3 - i]), yc + R * CosDeg(alpha[3 - i])};

  CCMPolygon* p = NewPolygon(col);
  for (const SCMPoint2D& pt : half) p->m_aPoint.Add(pt);
  for (int i = 9; i >= 0; --i) p->AddPoint(-half[i].x, half[i].y);
  return p;
}
