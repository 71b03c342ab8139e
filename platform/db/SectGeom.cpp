// Weighted section regions and their exact integration.
#include "db/SectGeom.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace {

constexpr double kPi = std::numbers::pi;

// Integrals of one polygon about a reference point.
struct PolyInt {
  double A = 0, Su = 0, Sv = 0, Iuu = 0, Ivv = 0, Iuv = 0;
};

PolyInt IntegratePoly(const std::vector<SectPt>& v, double ru, double rv) {
  PolyInt r;
  const size_t n = v.size();
  for (size_t i = 0; i < n; ++i) {
    const double u0 = v[i][0] - ru, v0 = v[i][1] - rv;
    const double u1 = v[(i + 1) % n][0] - ru, v1 = v[(i + 1) % n][1] - rv;
    const double c = u0 * v1 - u1 * v0;
    r.A += c;
    r.Su += (u0 + u1) * c;
    r.Sv += (v0 + v1) * c;
    r.Iuu += (u0 * u0 + u0 * u1 + u1 * u1) * c;
    r.Ivv += (v0 * v0 + v0 * v1 + v1 * v1) * c;
    r.Iuv += (u0 * v1 + 2 * u0 * v0 + 2 * u1 * v1 + u1 * v0) * c;
  }
  r.A /= 2;
  r.Su /= 6;
  r.Sv /= 6;
  r.Iuu /= 12;
  r.Ivv /= 12;
  r.Iuv /= 24;
  return r;
}

// The part of a polygon where coordinate `axis` is at least c (Sutherland-Hodgman;
// degenerate edges of a non-convex cut carry no area).
void ClipAbove(const std::vector<SectPt>& in, int axis, double c, std::vector<SectPt>& out) {
  out.clear();
  const size_t n = in.size();
  for (size_t i = 0; i < n; ++i) {
    const SectPt& p = in[i];
    const SectPt& q = in[(i + 1) % n];
    const bool pin = p[axis] >= c, qin = q[axis] >= c;
    if (pin) out.push_back(p);
    if (pin != qin) {
      const double t = (c - p[axis]) / (q[axis] - p[axis]);
      SectPt x;
      x[axis] = c;
      x[1 - axis] = p[1 - axis] + t * (q[1 - axis] - p[1 - axis]);
      out.push_back(x);
    }
  }
}

// Area on the side coordinate >= c and its first moment about the line, weighted.
void HalfIntegrals(const SectModel& m, int axis, double c, double& A, double& S) {
  A = S = 0;
  std::vector<SectPt> clip;
  clip.reserve(64);
  for (const SectPoly& p : m.polys) {
    ClipAbove(p.v, axis, c, clip);
    if (clip.size() < 3) continue;
    const PolyInt r = IntegratePoly(clip, axis == 0 ? c : 0.0, axis == 1 ? c : 0.0);
    A += p.w * r.A;
    S += p.w * (axis == 0 ? r.Su : r.Sv);
  }
  for (const SectCircle& k : m.circles) {
    const double d = c - (axis == 0 ? k.x : k.y);
    if (d >= k.r) continue;
    if (d <= -k.r) {
      const double a = kPi * k.r * k.r;
      A += k.w * a;
      S += k.w * a * (-d);
      continue;
    }
    const double h = std::sqrt(k.r * k.r - d * d);
    const double a = k.r * k.r * std::acos(d / k.r) - d * h;
    const double sCentre = 2.0 / 3.0 * h * h * h;  // about the circle's centre line
    A += k.w * a;
    S += k.w * (sCentre - d * a);
  }
}

// Weighted material length on the line coordinate `axis` = c.
double Chord(const SectModel& m, int axis, double c) {
  double len = 0;
  std::vector<double> xs;
  for (const SectPoly& p : m.polys) {
    xs.clear();
    const size_t n = p.v.size();
    for (size_t i = 0; i < n; ++i) {
      const SectPt& a = p.v[i];
      const SectPt& b = p.v[(i + 1) % n];
      if ((a[axis] > c) != (b[axis] > c)) {
        const double t = (c - a[axis]) / (b[axis] - a[axis]);
        xs.push_back(a[1 - axis] + t * (b[1 - axis] - a[1 - axis]));
      }
    }
    std::sort(xs.begin(), xs.end());
    for (size_t i = 0; i + 1 < xs.size(); i += 2) len += p.w * (xs[i + 1] - xs[i]);
  }
  for (const SectCircle& k : m.circles) {
    const double d = c - (axis == 0 ? k.x : k.y);
    if (std::fabs(d) < k.r) len += k.w * 2 * std::sqrt(k.r * k.r - d * d);
  }
  return len;
}

// The line coordinate `axis` = c that halves the weighted area (area beyond it falls
// as c grows). Polygons only: between two consecutive vertex levels the area beyond a
// line is a quadratic in c, so the level interval is found by bisection over the
// levels and the line inside it by solving that quadratic exactly. With circles:
// bisection on c to machine precision.
double HalvingLine(const SectModel& m, int axis, double A, double lo, double hi) {
  double a, s;
  auto beyond = [&](double c) {
    HalfIntegrals(m, axis, c, a, s);
    return a;
  };
  const double half = 0.5 * A;
  if (m.circles.empty()) {
    std::vector<double> lv;
    for (const SectPoly& p : m.polys)
      for (const SectPt& q : p.v) lv.push_back(q[axis]);
    std::sort(lv.begin(), lv.end());
    lv.erase(std::unique(lv.begin(), lv.end()), lv.end());
    if (lv.size() >= 2) {
      size_t i = 0, j = lv.size() - 1;  // beyond(lv[i]) >= half >= beyond(lv[j])
      while (j - i > 1) {
        const size_t k = (i + j) / 2;
        if (beyond(lv[k]) >= half) i = k; else j = k;
      }
      const double x0 = lv[i], x1 = lv[j];
      const double f0 = beyond(x0), f1 = beyond(x1), fm = beyond(0.5 * (x0 + x1));
      // q(t) = f0 + b t + c2 t^2 on t in [0, 1].
      const double b = -3 * f0 + 4 * fm - f1, c2 = 2 * f0 - 4 * fm + 2 * f1;
      const double r = f0 - half;  // solve c2 t^2 + b t + r = 0
      double t;
      if (std::fabs(c2) <= 1e-14 * (std::fabs(b) + std::fabs(r))) {
        t = b != 0 ? -r / b : 0.5;
      } else {
        const double disc = std::sqrt(std::fmax(0.0, b * b - 4 * c2 * r));
        const double qq = -0.5 * (b + (b >= 0 ? disc : -disc));
        const double t1 = qq / c2, t2 = qq != 0 ? r / qq : t1;
        t = (t1 >= -1e-9 && t1 <= 1 + 1e-9) ? t1 : t2;
      }
      return x0 + std::clamp(t, 0.0, 1.0) * (x1 - x0);
    }
  }
  for (int it = 0; it < 200 && hi - lo > 1e-15 * (std::fabs(hi) + std::fabs(lo)); ++it) {
    const double mid = 0.5 * (lo + hi);
    if (beyond(mid) > half) lo = mid; else hi = mid;
  }
  return 0.5 * (lo + hi);
}

// Plastic modulus about the line perpendicular to `axis` that halves the area:
// the integral of |distance| dA.
double PlasticModulus(const SectModel& m, int axis, double A, double centroid, double lo,
                      double hi) {
  const double c = HalvingLine(m, axis, A, lo, hi);
  double a, s;
  HalfIntegrals(m, axis, c, a, s);
  return 2 * s - A * (centroid - c);
}

}  // namespace

void SectBox::Add(double x, double y) {
  if (!valid) {
    minX = maxX = x;
    minY = maxY = y;
    valid = true;
    return;
  }
  minX = std::min(minX, x);
  maxX = std::max(maxX, x);
  minY = std::min(minY, y);
  maxY = std::max(maxY, y);
}

void SectBox::Add(const SectBox& b) {
  if (!b.valid) return;
  Add(b.minX, b.minY);
  Add(b.maxX, b.maxY);
}

double SectPolyArea(const std::vector<SectPt>& v) {
  double a = 0;
  for (size_t i = 0, n = v.size(); i < n; ++i)
    a += v[i][0] * v[(i + 1) % n][1] - v[(i + 1) % n][0] * v[i][1];
  return a / 2;
}

double SectPolyPerimeter(const std::vector<SectPt>& v) {
  double p = 0;
  for (size_t i = 0, n = v.size(); i < n; ++i)
    p += std::hypot(v[(i + 1) % n][0] - v[i][0], v[(i + 1) % n][1] - v[i][1]);
  return p;
}

void SectArc(std::vector<SectPt>& v, double cx, double cy, double r, double a0, double a1,
             int chords) {
  for (int k = 0; k <= chords; ++k) {
    const double a = a0 + (a1 - a0) * k / chords;
    v.push_back({cx + r * std::cos(a), cy + r * std::sin(a)});
  }
}

bool SectRoundCorner(std::vector<SectPt>& v, size_t i, double r, int chords) {
  const size_t n = v.size();
  if (r <= 0 || n < 3 || i >= n) return r == 0;
  const SectPt P = v[i], A = v[(i + n - 1) % n], B = v[(i + 1) % n];
  const double la = std::hypot(A[0] - P[0], A[1] - P[1]);
  const double lb = std::hypot(B[0] - P[0], B[1] - P[1]);
  if (la <= 0 || lb <= 0) return false;
  const double u1[2] = {(A[0] - P[0]) / la, (A[1] - P[1]) / la};
  const double u2[2] = {(B[0] - P[0]) / lb, (B[1] - P[1]) / lb};
  const double phi = std::acos(std::clamp(u1[0] * u2[0] + u1[1] * u2[1], -1.0, 1.0));
  if (phi <= 1e-9 || phi >= kPi - 1e-9) return false;
  const double d = r / std::tan(phi / 2);
  if (d > la * (1 + 1e-12) || d > lb * (1 + 1e-12)) return false;
  double b[2] = {u1[0] + u2[0], u1[1] + u2[1]};
  const double lbis = std::hypot(b[0], b[1]);
  b[0] /= lbis;
  b[1] /= lbis;
  const double dc = r / std::sin(phi / 2);
  const double cx = P[0] + b[0] * dc, cy = P[1] + b[1] * dc;
  const double t1x = P[0] + u1[0] * d, t1y = P[1] + u1[1] * d;
  const double t2x = P[0] + u2[0] * d, t2y = P[1] + u2[1] * d;
  const double a0 = std::atan2(t1y - cy, t1x - cx);
  double sweep = std::atan2(t2y - cy, t2x - cx) - a0;
  while (sweep > kPi) sweep -= 2 * kPi;
  while (sweep <= -kPi) sweep += 2 * kPi;
  std::vector<SectPt> arc;
  SectArc(arc, cx, cy, r, a0, a0 + sweep, chords);
  arc.front() = {t1x, t1y};
  arc.back() = {t2x, t2y};
  v.erase(v.begin() + (std::ptrdiff_t)i);
  v.insert(v.begin() + (std::ptrdiff_t)i, arc.begin(), arc.end());
  return true;
}

void SectModel::AddPoly(std::vector<SectPt> v, double w) {
  if (v.size() < 3) return;
  if (SectPolyArea(v) < 0) std::reverse(v.begin(), v.end());
  polys.push_back({std::move(v), w});
}

void SectModel::AddRect(double x1, double y1, double x2, double y2, double w) {
  AddPoly({{x1, y1}, {x1, y2}, {x2, y2}, {x2, y1}}, w);
}

void SectModel::AddCircle(double x, double y, double r, double w) {
  if (r > 0) circles.push_back({x, y, r, w});
}

void SectModel::Append(const SectModel& o, double f) {
  for (const SectPoly& p : o.polys) polys.push_back({p.v, p.w * f});
  for (const SectCircle& c : o.circles) circles.push_back({c.x, c.y, c.r, c.w * f});
  extra.J += f * o.extra.J;
  extra.Asy += f * o.extra.Asy;
  extra.Asz += f * o.extra.Asz;
  extra.Cwp += f * o.extra.Cwp;
  extra.periOut += o.extra.periOut;
  extra.periIn += o.extra.periIn;
}

void SectModel::Translate(double dx, double dy) {
  for (SectPoly& p : polys)
    for (SectPt& q : p.v) {
      q[0] += dx;
      q[1] += dy;
    }
  for (SectCircle& c : circles) {
    c.x += dx;
    c.y += dy;
  }
}

void SectModel::Rotate(int deg) {
  const int k = (((deg / 90) % 4) + 4) % 4;
  auto turn = [k](double& x, double& y) {
    const double ox = x, oy = y;
    switch (k) {
      case 1: x = -oy; y = ox; break;
      case 2: x = -ox; y = -oy; break;
      case 3: x = oy; y = -ox; break;
      default: break;
    }
  };
  for (SectPoly& p : polys)
    for (SectPt& q : p.v) turn(q[0], q[1]);
  for (SectCircle& c : circles) turn(c.x, c.y);
  if (k % 2) std::swap(extra.Asy, extra.Asz);
}

void SectModel::Mirror(int axis) {
  const int i = axis == 0 ? 1 : 0;
  for (SectPoly& p : polys) {
    for (SectPt& q : p.v) q[i] = -q[i];
    std::reverse(p.v.begin(), p.v.end());
  }
  for (SectCircle& c : circles) (i == 1 ? c.y : c.x) = -(i == 1 ? c.y : c.x);
}

void SectModel::PlaceAt(double x, double y) {
  const SectBox b = Bounds();
  if (b.valid) Translate(x - b.minX, y - b.minY);
}

SectBox SectModel::Bounds() const {
  SectBox b;
  for (const SectPoly& p : polys)
    if (p.w > 0)
      for (const SectPt& q : p.v) b.Add(q[0], q[1]);
  for (const SectCircle& c : circles)
    if (c.w > 0) {
      b.Add(c.x - c.r, c.y - c.r);
      b.Add(c.x + c.r, c.y + c.r);
    }
  return b;
}

void SectModel::ToSectionFrame() { Mirror(0); }

double SectGeomArea(const SectModel& m) {
  double A = 0;
  for (const SectPoly& q : m.polys) A += q.w * SectPolyArea(q.v);
  for (const SectCircle& c : m.circles) A += c.w * kPi * c.r * c.r;
  return A;
}

bool SectGeomIntegrate(const SectModel& m, SectGeomProps& p) {
  p = SectGeomProps();
  p.box = m.Bounds();
  if (!p.box.valid) return false;
  const double ru = 0.5 * (p.box.minX + p.box.maxX), rv = 0.5 * (p.box.minY + p.box.maxY);
  double A = 0, Su = 0, Sv = 0, Iuu = 0, Ivv = 0, Iuv = 0;
  for (const SectPoly& q : m.polys) {
    const PolyInt r = IntegratePoly(q.v, ru, rv);
    A += q.w * r.A;
    Su += q.w * r.Su;
    Sv += q.w * r.Sv;
    Iuu += q.w * r.Iuu;
    Ivv += q.w * r.Ivv;
    Iuv += q.w * r.Iuv;
  }
  for (const SectCircle& c : m.circles) {
    const double a = kPi * c.r * c.r, du = c.x - ru, dv = c.y - rv;
    const double i0 = kPi * c.r * c.r * c.r * c.r / 4;
    A += c.w * a;
    Su += c.w * a * du;
    Sv += c.w * a * dv;
    Iuu += c.w * (i0 + a * du * du);
    Ivv += c.w * (i0 + a * dv * dv);
    Iuv += c.w * a * du * dv;
  }
  if (!(A > 0) || !std::isfinite(A)) return false;
  const double cu = Su / A, cv = Sv / A;
  p.A = A;
  p.yc = ru + cu;
  p.zc = rv + cv;
  p.Izz = Iuu - A * cu * cu;
  p.Iyy = Ivv - A * cv * cv;
  p.Iyz = Iuv - A * cu * cv;
  p.Wpy = PlasticModulus(m, 1, A, p.zc, p.box.minY, p.box.maxY);
  p.Wpz = PlasticModulus(m, 0, A, p.yc, p.box.minX, p.box.maxX);
  double a, s;
  HalfIntegrals(m, 1, p.zc, a, s);
  const double bz = Chord(m, 1, p.zc);
  p.Qzb = bz > 0 ? s / bz : 0.0;
  HalfIntegrals(m, 0, p.yc, a, s);
  const double by = Chord(m, 0, p.yc);
  p.Qyb = by > 0 ? s / by : 0.0;
  return true;
}
