// Saint-Venant torsion constant by quadratic finite elements (method in SectTorsion.h).
#include "db/SectTorsion.h"

#include <CGAL/Constrained_Delaunay_triangulation_2.h>
#include <CGAL/Delaunay_mesh_face_base_2.h>
#include <CGAL/Delaunay_mesh_size_criteria_2.h>
#include <CGAL/Delaunay_mesher_2.h>
#include <CGAL/Exact_predicates_inexact_constructions_kernel.h>
#include <CGAL/Triangulation_vertex_base_with_info_2.h>

#include <Eigen/Sparse>
#include <Eigen/SparseCholesky>

#include <algorithm>
#include <atomic>
#include <cmath>
#include <cstring>
#include <deque>
#include <mutex>
#include <numbers>
#include <string>
#include <unordered_map>
#include <vector>

namespace {

using K = CGAL::Exact_predicates_inexact_constructions_kernel;
using Vb = CGAL::Triangulation_vertex_base_with_info_2<int, K>;
using Fb = CGAL::Delaunay_mesh_face_base_2<K>;
using Tds = CGAL::Triangulation_data_structure_2<Vb, Fb>;
using CDT = CGAL::Constrained_Delaunay_triangulation_2<K, Tds, CGAL::Exact_predicates_tag>;
using Point = K::Point_2;

constexpr double kPi = std::numbers::pi;
constexpr int kCircleSides = 96;
// Sizes relative to the largest side of the section (1 once scaled).
constexpr double kStartSize = 0.16;    // h0 of the first mesh, at most
constexpr double kStartWall = 1.2;     // ... and at most this many times area / boundary
constexpr double kSmallestStart = 0.01;
constexpr double kRefine = 0.8;        // h0 of each next mesh
constexpr int kMaxMeshes = 6;
constexpr double kGradeRadius = 0.25;  // grading radius, at most
constexpr double kGradeWall = 1.8;     // ... and at most this many times area / boundary
constexpr double kGradePower = 0.7;
constexpr double kReentrant = kPi * 190.0 / 180.0;
constexpr long kMaxInsertions = 200000;  // per mesh: bounds the work of odd outlines

struct Loop {
  std::vector<SectPt> v;
  double w = 1.0;
};

// Size field: h0 away from the re-entrant corners, graded towards them.
struct SizeField {
  double h0 = kStartSize;
  double radius = kGradeRadius;
  std::vector<SectPt> corners;
  double operator()(double x, double y) const {
    double d2 = 1e300;
    for (const SectPt& c : corners)
      d2 = std::min(d2, (x - c[0]) * (x - c[0]) + (y - c[1]) * (y - c[1]));
    if (corners.empty() || d2 >= radius * radius) return h0;
    return h0 * std::pow(std::sqrt(d2) / radius, kGradePower);
  }
};

// The size criterion of the mesher with the size field in place of one bound.
class GradedCriteria : public CGAL::Delaunay_mesh_size_criteria_2<CDT> {
  using Base = CGAL::Delaunay_mesh_size_criteria_2<CDT>;

 public:
  explicit GradedCriteria(const SizeField* f) : Base(0.125, 1.0), field_(f) {}

  class Is_bad : public CGAL::Delaunay_mesh_criteria_2<CDT>::Is_bad {
    using Up = CGAL::Delaunay_mesh_criteria_2<CDT>::Is_bad;

   public:
    Is_bad(double bound, const K& traits, const SizeField* f) : Up(bound, traits), field_(f) {}
    CGAL::Mesh_2::Face_badness operator()(const Quality q) const {
      if (q.size() > 1) return CGAL::Mesh_2::IMPERATIVELY_BAD;
      return q.sine() < this->B ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
    }
    CGAL::Mesh_2::Face_badness operator()(const CDT::Face_handle& fh, Quality& q) const {
      const Point& a = fh->vertex(0)->point();
      const Point& b = fh->vertex(1)->point();
      const Point& c = fh->vertex(2)->point();
      double l[3] = {CGAL::to_double(CGAL::squared_distance(b, c)),
                     CGAL::to_double(CGAL::squared_distance(c, a)),
                     CGAL::to_double(CGAL::squared_distance(a, b))};
      std::sort(l, l + 3);
      const double h = (*field_)((a.x() + b.x() + c.x()) / 3, (a.y() + b.y() + c.y()) / 3);
      q.second = l[2] / (h * h);
      if (q.size() > 1) {
        q.first = 1;
        return CGAL::Mesh_2::IMPERATIVELY_BAD;
      }
      const double area2 = 2 * CGAL::to_double(CGAL::area(a, b, c));
      q.first = area2 * area2 / (l[2] * l[1]);
      return q.sine() < this->B ? CGAL::Mesh_2::BAD : CGAL::Mesh_2::NOT_BAD;
    }

   private:
    const SizeField* field_;
  };

  Is_bad is_bad_object() const { return Is_bad(this->bound(), this->traits, field_); }

 private:
  const SizeField* field_;
};

using Mesher = CGAL::Delaunay_mesher_2<CDT, GradedCriteria>;

bool Inside(const std::vector<SectPt>& v, double x, double y) {
  bool in = false;
  for (size_t i = 0, n = v.size(), j = n - 1; i < n; j = i++) {
    if ((v[i][1] > y) != (v[j][1] > y) &&
        x < (v[j][0] - v[i][0]) * (y - v[i][1]) / (v[j][1] - v[i][1]) + v[i][0])
      in = !in;
  }
  return in;
}

// The model's regions as polygons, scaled to a largest side of 1 about the centre of
// the material box. False when the model has no extent.
bool Normalise(const SectModel& m, std::vector<Loop>& loops, double& scale) {
  const SectBox b = m.Bounds();
  if (!b.valid) return false;
  scale = std::max(b.Width(), b.Height());
  if (!(scale > 0) || !std::isfinite(scale)) return false;
  const double cx = 0.5 * (b.minX + b.maxX), cy = 0.5 * (b.minY + b.maxY);
  for (const SectPoly& p : m.polys) {
    Loop l{{}, p.w};
    for (const SectPt& q : p.v) {
      const SectPt r{(q[0] - cx) / scale, (q[1] - cy) / scale};
      if (!std::isfinite(r[0]) || !std::isfinite(r[1])) return false;
      if (l.v.empty() || r != l.v.back()) l.v.push_back(r);
    }
    while (l.v.size() > 1 && l.v.front() == l.v.back()) l.v.pop_back();
    if (l.v.size() >= 3) loops.push_back(std::move(l));
  }
  // A regular polygon with the circle's area.
  const double t = 2 * kPi / kCircleSides;
  const double f = std::sqrt(t / std::sin(t));
  for (const SectCircle& c : m.circles) {
    if (!(c.r > 0)) continue;
    Loop l{{}, c.w};
    const double r = c.r * f / scale, x = (c.x - cx) / scale, y = (c.y - cy) / scale;
    for (int k = 0; k < kCircleSides; ++k)
      l.v.push_back({x + r * std::cos(k * t), y + r * std::sin(k * t)});
    loops.push_back(std::move(l));
  }
  return !loops.empty();
}

// The re-entrant corners of the meshed region (faces marked in domain).
std::vector<SectPt> ReentrantCorners(const CDT& cdt) {
  std::vector<SectPt> out;
  for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v) {
    double angle = 0;
    bool outside = false;
    auto f = cdt.incident_faces(v), done = f;
    do {
      if (cdt.is_infinite(f) || !f->is_in_domain()) {
        outside = true;
        continue;
      }
      const int i = f->index(v);
      const Point& p = v->point();
      const Point& a = f->vertex(CDT::ccw(i))->point();
      const Point& b = f->vertex(CDT::cw(i))->point();
      const double ux = a.x() - p.x(), uy = a.y() - p.y(), wx = b.x() - p.x(),
                   wy = b.y() - p.y();
      angle += std::atan2(std::fabs(ux * wy - uy * wx), ux * wx + uy * wy);
    } while (++f != done);
    if (outside && angle > kReentrant) out.push_back({v->point().x(), v->point().y()});
  }
  return out;
}

// Union-find of the nodes, for one pinned node per separate piece.
int Root(std::vector<int>& up, int i) {
  while (up[i] != i) i = up[i] = up[up[i]];
  return i;
}

// Solves the quadratic-element problem on the current mesh; J of the unit-scaled region.
double SolveOnMesh(CDT& cdt, int* nodeCount) {
  for (auto v = cdt.finite_vertices_begin(); v != cdt.finite_vertices_end(); ++v) v->info() = -1;
  struct Tri {
    int n[6];
    double x[3], y[3];
  };
  std::vector<Tri> tris;
  std::vector<SectPt> xy;
  std::unordered_map<unsigned long long, int> mids;
  auto vertexNode = [&](CDT::Vertex_handle v) {
    if (v->info() < 0) {
      v->info() = (int)xy.size();
      xy.push_back({v->point().x(), v->point().y()});
    }
    return v->info();
  };
  for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
    if (!f->is_in_domain()) continue;
    Tri t;
    for (int i = 0; i < 3; ++i) {
      t.n[i] = vertexNode(f->vertex(i));
      t.x[i] = f->vertex(i)->point().x();
      t.y[i] = f->vertex(i)->point().y();
    }
    tris.push_back(t);
  }
  for (Tri& t : tris) {
    for (int e = 0; e < 3; ++e) {
      const int a = t.n[e], b = t.n[(e + 1) % 3];
      const unsigned long long key =
          ((unsigned long long)(unsigned)std::min(a, b) << 32) | (unsigned)std::max(a, b);
      auto [it, fresh] = mids.try_emplace(key, (int)xy.size());
      if (fresh)
        xy.push_back({0.5 * (xy[a][0] + xy[b][0]), 0.5 * (xy[a][1] + xy[b][1])});
      t.n[3 + e] = it->second;
    }
  }
  const int n = (int)xy.size();
  if (nodeCount) *nodeCount = n;
  if (tris.empty()) return 0;

  std::vector<int> up(n);
  for (int i = 0; i < n; ++i) up[i] = i;
  for (const Tri& t : tris)
    for (int k = 1; k < 6; ++k) up[Root(up, t.n[k])] = Root(up, t.n[0]);
  // The root of each piece is its pinned node (w = 0 there).
  std::vector<int> dof(n, -1);
  int m = 0;
  for (int i = 0; i < n; ++i)
    if (Root(up, i) != i) dof[i] = m++;

  std::vector<Eigen::Triplet<double>> trip;
  trip.reserve(tris.size() * 36);
  Eigen::VectorXd f = Eigen::VectorXd::Zero(m);
  double Ip = 0;
  // Edge midpoints in barycentric coordinates: (1/2, 1/2, 0) and its turns.
  static constexpr double kQ[3][3] = {{0.5, 0.5, 0}, {0, 0.5, 0.5}, {0.5, 0, 0.5}};
  for (const Tri& t : tris) {
    const double det = (t.x[1] - t.x[0]) * (t.y[2] - t.y[0]) - (t.x[2] - t.x[0]) * (t.y[1] - t.y[0]);
    const double A = 0.5 * det;
    if (!(A > 0)) continue;
    // grad L_i = (b_i, c_i) / det.
    double bx[3], by[3];
    for (int i = 0; i < 3; ++i) {
      const int j = (i + 1) % 3, k = (i + 2) % 3;
      bx[i] = (t.y[j] - t.y[k]) / det;
      by[i] = (t.x[k] - t.x[j]) / det;
    }
    double ke[6][6] = {}, fe[6] = {};
    for (const auto& L : kQ) {
      const double x = L[0] * t.x[0] + L[1] * t.x[1] + L[2] * t.x[2];
      const double y = L[0] * t.y[0] + L[1] * t.y[1] + L[2] * t.y[2];
      const double w = A / 3;
      double gx[6], gy[6];
      for (int i = 0; i < 3; ++i) {
        gx[i] = (4 * L[i] - 1) * bx[i];
        gy[i] = (4 * L[i] - 1) * by[i];
        const int j = (i + 1) % 3;
        gx[3 + i] = 4 * (L[i] * bx[j] + L[j] * bx[i]);
        gy[3 + i] = 4 * (L[i] * by[j] + L[j] * by[i]);
      }
      for (int i = 0; i < 6; ++i) {
        fe[i] += w * (y * gx[i] - x * gy[i]);
        for (int j = 0; j < 6; ++j) ke[i][j] += w * (gx[i] * gx[j] + gy[i] * gy[j]);
      }
      Ip += w * (x * x + y * y);
    }
    for (int i = 0; i < 6; ++i) {
      const int di = dof[t.n[i]];
      if (di < 0) continue;
      f[di] += fe[i];
      for (int j = 0; j < 6; ++j) {
        const int dj = dof[t.n[j]];
        if (dj >= 0) trip.emplace_back(di, dj, ke[i][j]);
      }
    }
  }
  if (m == 0) return Ip;
  Eigen::SparseMatrix<double> Kmat(m, m);
  Kmat.setFromTriplets(trip.begin(), trip.end());
  Eigen::SimplicialLDLT<Eigen::SparseMatrix<double>> chol(Kmat);
  if (chol.info() != Eigen::Success) return 0;
  const Eigen::VectorXd w = chol.solve(f);
  if (chol.info() != Eigen::Success) return 0;
  return Ip - f.dot(w);
}

// The triangulation of the unit-scaled loops with its faces marked: in the domain where
// the weights add up to more than one half.
bool BuildDomain(const std::vector<Loop>& loops, CDT& cdt) {
  for (const Loop& l : loops)
    for (size_t i = 0, n = l.v.size(); i < n; ++i) {
      const SectPt& a = l.v[i];
      const SectPt& b = l.v[(i + 1) % n];
      if (a != b) cdt.insert_constraint(Point(a[0], a[1]), Point(b[0], b[1]));
    }
  if (cdt.dimension() < 2) return false;
  bool any = false;
  for (auto f = cdt.all_faces_begin(); f != cdt.all_faces_end(); ++f) {
    if (cdt.is_infinite(f)) {
      f->set_in_domain(false);
      continue;
    }
    const Point c = CGAL::centroid(f->vertex(0)->point(), f->vertex(1)->point(),
                                   f->vertex(2)->point());
    double w = 0;
    for (const Loop& l : loops)
      if (Inside(l.v, c.x(), c.y())) w += l.w;
    f->set_in_domain(w > 0.5);
    any = any || w > 0.5;
  }
  return any;
}

struct Solver {
  CDT cdt;
  SizeField field;
  GradedCriteria criteria{&field};
  Mesher mesher{cdt, criteria};
  bool ok = false;
  double wall = 1;  // area over boundary length: half the thickness of a thin wall

  explicit Solver(const std::vector<Loop>& loops) {
    if (!BuildDomain(loops, cdt)) return;
    double area = 0, boundary = 0;
    for (auto f = cdt.finite_faces_begin(); f != cdt.finite_faces_end(); ++f) {
      if (!f->is_in_domain()) continue;
      area += CGAL::to_double(
          CGAL::area(f->vertex(0)->point(), f->vertex(1)->point(), f->vertex(2)->point()));
      for (int i = 0; i < 3; ++i) {
        const CDT::Face_handle g = f->neighbor(i);
        if (!cdt.is_infinite(g) && g->is_in_domain()) continue;
        boundary += std::sqrt(CGAL::to_double(CGAL::squared_distance(
            f->vertex(CDT::cw(i))->point(), f->vertex(CDT::ccw(i))->point())));
      }
    }
    if (!(area > 0) || !(boundary > 0)) return;
    wall = area / boundary;
    field.radius = std::min(kGradeRadius, kGradeWall * wall);
    field.corners = ReentrantCorners(cdt);
    mesher.init(true);
    ok = true;
  }

  // Refines to the size h0 and solves.
  double Solve(double h0, int* nodes) {
    field.h0 = h0;
    mesher.set_criteria(GradedCriteria(&field));
    for (long k = 0; k < kMaxInsertions && mesher.step_by_step_refine_mesh(); ++k) {
    }
    return SolveOnMesh(cdt, nodes);
  }
};

std::atomic<long> g_solves{0};

}  // namespace

double SectTorsionOnMesh(const SectModel& m, double h0, int* nodes) {
  std::vector<Loop> loops;
  double scale = 0;
  if (nodes) *nodes = 0;
  if (!Normalise(m, loops, scale)) return 0;
  Solver s(loops);
  if (!s.ok) return 0;
  const double J = s.Solve(h0, nodes);
  return J * scale * scale * scale * scale;
}

SectTorsionSolve SectTorsionSolveUncached(const SectModel& m, double tol) {
  SectTorsionSolve r;
  ++g_solves;
  std::vector<Loop> loops;
  double scale = 0;
  if (!Normalise(m, loops, scale)) return r;
  Solver s(loops);
  if (!s.ok) return r;
  const double s4 = scale * scale * scale * scale;
  double h0 = std::max(kSmallestStart, std::min(kStartSize, kStartWall * s.wall)), last = 0;
  for (int k = 0; k < kMaxMeshes; ++k, h0 *= kRefine) {
    const double J = s.Solve(h0, &r.nodes) * s4;
    r.meshes = k + 1;
    r.J = J;
    if (!(J > 0) || !std::isfinite(J)) {
      r.J = 0;
      return r;
    }
    if (k > 0 && std::fabs(J - last) <= tol * J) {
      r.converged = true;
      break;
    }
    last = J;
  }
  return r;
}

namespace {

// The model's regions bit for bit.
std::string CacheKey(const SectModel& m) {
  std::vector<double> d;
  for (const SectPoly& p : m.polys) {
    d.push_back(p.w);
    d.push_back((double)p.v.size());
    for (const SectPt& q : p.v) {
      d.push_back(q[0]);
      d.push_back(q[1]);
    }
  }
  d.push_back(-1);
  for (const SectCircle& c : m.circles) {
    d.push_back(c.x);
    d.push_back(c.y);
    d.push_back(c.r);
    d.push_back(c.w);
  }
  std::string key(d.size() * sizeof(double), '\0');
  if (!d.empty()) std::memcpy(key.data(), d.data(), key.size());
  return key;
}

struct Cache {
  std::mutex lock;
  std::unordered_map<std::string, double> values;
  std::deque<std::string> order;
};

Cache& TheCache() {
  static Cache c;
  return c;
}

constexpr size_t kCacheSize = 4096;

}  // namespace

double SectTorsionJ(const SectModel& m) {
  const std::string key = CacheKey(m);
  Cache& c = TheCache();
  {
    std::lock_guard<std::mutex> g(c.lock);
    auto it = c.values.find(key);
    if (it != c.values.end()) return it->second;
  }
  const double J = SectTorsionSolveUncached(m).J;
  std::lock_guard<std::mutex> g(c.lock);
  if (c.values.emplace(key, J).second) {
    c.order.push_back(key);
    while (c.order.size() > kCacheSize) {
      c.values.erase(c.order.front());
      c.order.pop_front();
    }
  }
  return J;
}

long SectTorsionSolveCount() { return g_solves.load(); }

void SectTorsionClearCache() {
  Cache& c = TheCache();
  std::lock_guard<std::mutex> g(c.lock);
  c.values.clear();
  c.order.clear();
}
