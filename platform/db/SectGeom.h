// Geometry of a section as weighted plane regions, and exact integration over them.
//
// A model is a list of polygons and circles, each with a weight: +1 for material,
// -1 for a hole cut from material that lies under it, and the modulus ratio of a
// transformed (steel-reinforced concrete) section. Every integral is linear in the
// regions, so a weighted sum of exact region integrals is exact.
//
// Models are built in the outline frame (x to the right, y downward, as the outlines
// are drawn) and turned into the section frame (y to the right, z upward) by
// ToSectionFrame before integration.
//
// Integration (SectGeomIntegrate):
// - area, first and second moments of polygons: Green's theorem over the edges
//   (exact for polygons), taken about the bounding-box centre to keep precision;
//   circles: pi r^2 and pi r^4 / 4;
// - plastic moduli: the plastic neutral axis halves the weighted area, W_pl = the
//   integral of |distance| dA. The area beyond a line comes from the polygons clipped
//   by it and the circles' segment formula; for polygons alone it is a quadratic in
//   the line's position between two vertex levels, so the axis is found exactly
//   (bisection over the levels, then the quadratic's root); with circles, by bisection
//   to machine precision;
// - shear factors Q/b: Q the first moment of the area on the positive side of the
//   centroidal axis about it, b the material length cut by that axis (weighted); 0
//   when the axis cuts no material (it runs through a gap);
// - extreme fibres: the bounding box of the material regions (positive weights).
// Round corners (root radii, bends) are polygons with 32 chords per quarter circle.
#pragma once
#include <array>
#include <cstddef>
#include <vector>

using SectPt = std::array<double, 2>;

struct SectPoly {
  std::vector<SectPt> v;
  double w = 1.0;
};

struct SectCircle {
  double x = 0, y = 0, r = 0, w = 1.0;
};

struct SectBox {
  double minX = 0, minY = 0, maxX = 0, maxY = 0;
  bool valid = false;
  void Add(double x, double y);
  void Add(const SectBox& b);
  double Width() const { return maxX - minX; }
  double Height() const { return maxY - minY; }
};

// Properties the shape formulas give alongside the regions.
struct SectShapeExtra {
  double J = 0;        // torsion constant
  double Asy = 0;      // shear area along the horizontal axis (outline x)
  double Asz = 0;      // shear area along the vertical axis (outline y)
  double Cwp = 0;      // warping constant
  double periOut = 0;  // outer perimeter
  double periIn = 0;   // inner perimeter
};

class SectModel {
 public:
  std::vector<SectPoly> polys;
  std::vector<SectCircle> circles;
  SectShapeExtra extra;

  void AddPoly(std::vector<SectPt> v, double w = 1.0);
  void AddRect(double x1, double y1, double x2, double y2, double w = 1.0);
  void AddCircle(double x, double y, double r, double w = 1.0);
  // Appends another model with its weights and extra properties scaled by f.
  void Append(const SectModel& o, double f = 1.0);
  void Translate(double dx, double dy);
  // Turns by deg (a multiple of 90) with the matrix (cos -sin; sin cos) of the
  // outline frame; a quarter turn exchanges the two shear areas.
  void Rotate(int deg);
  // Reflects in the x axis (axis 0: y negated) or the y axis (axis 1: x negated).
  void Mirror(int axis);
  // Moves the model so that its bounding box starts at (x, y).
  void PlaceAt(double x, double y);
  // The bounding box of the material regions.
  SectBox Bounds() const;
  // Turns the outline frame (y down) into the section frame (z up).
  void ToSectionFrame();
};

// Rounds the corner at vertex i of a polygon by an arc of radius r tangent to both
// edges: material is added at a re-entrant corner (a root fillet) and removed at a
// convex one (a toe). Returns false when the edges are too short for the radius.
bool SectRoundCorner(std::vector<SectPt>& v, size_t i, double r, int chords = 32);
// Appends the points of an arc (centre, radius, angles in radians, both ends).
void SectArc(std::vector<SectPt>& v, double cx, double cy, double r, double a0, double a1,
             int chords);
double SectPolyArea(const std::vector<SectPt>& v);  // signed, counter-clockwise positive
double SectPolyPerimeter(const std::vector<SectPt>& v);

struct SectGeomProps {
  double A = 0;
  double yc = 0, zc = 0;          // centroid (section frame)
  double Iyy = 0, Izz = 0, Iyz = 0;  // about the centroid
  SectBox box;                    // extents (section frame: x = y, y = z)
  double Wpy = 0, Wpz = 0;
  double Qyb = 0, Qzb = 0;
};

// The weighted area alone.
double SectGeomArea(const SectModel& m);

// Integrates a model in the section frame. Returns false when the weighted area is
// not positive.
bool SectGeomIntegrate(const SectModel& m, SectGeomProps& p);
