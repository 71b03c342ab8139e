// Torsion constant of a solid or hollow section from the Saint-Venant problem.
//
// Method: the warping function w of the section (outline frame, any origin) minimises
//   E(w) = integral over the section of (w_x - y)^2 + (w_y + x)^2 dA,
// and J is that minimum: J = Ip - a(w, w), Ip the polar second moment about the origin
// and a(u, v) the integral of grad u . grad v. The section is the region where the
// weighted polygons and circles of the model (SectGeom.h) add up to more than one half,
// so holes, and pieces that do not touch, come out of the outline itself; each piece
// that does not touch another is a separate Neumann problem, fixed by pinning one node.
// The free boundaries (outer and holes) need nothing: no cell constant is involved.
//
// Discretisation: second-order (six-node) triangles on a constrained Delaunay mesh of
// the region (CGAL's 2D conforming Delaunay mesher: every outline edge is kept; minimum
// angle about 20.7 degrees). The section is scaled to a largest side of 1 and w = its
// area over its boundary length (half the thickness of a thin wall). Element size:
// h(p) = h0 min(1, (d / R)^0.7), d the distance from p to the nearest re-entrant corner
// of the outline (interior angle over 190 degrees), R = min(0.25, 1.8 w); the grading
// restores the full rate of quadratic elements in spite of the corner singularities
// (r^(2/3) at a right-angled re-entrant corner). Stiffness, load and Ip are integrated
// exactly (edge-midpoint rule, degree 2). The symmetric positive definite system is
// solved by a sparse Cholesky factorisation (Eigen's SimplicialLDLT, AMD ordering).
// Circles become regular polygons of 96 sides, their circumradius chosen so that each
// has the circle's area: the error of J is then of the order of 1e-7.
//
// Convergence: the energy method gives an upper bound that falls as the mesh is
// refined. The first mesh has h0 = min(0.16, 1.2 w) (at least 0.01), so that thin walls
// start with elements across them; each next mesh refines the one before with h0
// times 0.8, until two successive meshes agree to 0.1% of J, for at most six meshes; the
// finer value is returned. On the graded mesh the error of J falls about as h^4 (by
// 2.4 per step), so the returned value lies within the last change.
//
// Sources: Timoshenko and Goodier, Theory of Elasticity, ch. 10 (the warping function
// and the energy form); Zienkiewicz and Taylor, The Finite Element Method, vol. 1 (the
// six-node triangle); Babuska and Guo on graded meshes at corner singularities.
//
// Cache: J of an outline is kept, keyed by the model's regions (every vertex, circle
// and weight, bit for bit), so a section whose shape code and sizes have not changed
// is not solved again. Thread-safe; the oldest entries go when it grows past 4096.
//
// A model with no region of positive area (zero or non-finite sizes) gives 0.
#pragma once
#include "db/SectGeom.h"

// J of the region the model's weighted regions cover (lengths as the model's, J in
// length^4). Cached.
double SectTorsionJ(const SectModel& m);

// One solve, uncached and with its diagnostics (tests and benchmarks).
struct SectTorsionSolve {
  double J = 0;
  int meshes = 0;      // meshes solved
  int nodes = 0;       // nodes of the finest mesh
  bool converged = false;
};
SectTorsionSolve SectTorsionSolveUncached(const SectModel& m, double tol = 1e-3);
// J on one mesh of the given size h0 (relative to the largest side), for convergence
// studies.
double SectTorsionOnMesh(const SectModel& m, double h0, int* nodes = nullptr);

// Number of solves since the process started (the cache's misses).
long SectTorsionSolveCount();
// Empties the cache.
void SectTorsionClearCache();
