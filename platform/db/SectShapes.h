// Regions and formula properties of the section shapes, from their sizes, in the
// outline frame (x to the right, y downward; see SectGeom.h). The regions are exactly
// the outlines the section preview draws; the sizes are those of the size titles of
// CSectUtil (lengths in m).
//
// Formula properties (SectShapeExtra); "steel" tells a steel shape from a concrete one:
// - torsion constant J:
//   solid rectangle: the exact series
//     J = a b^3 / 3 [1 - 192 b / (pi^5 a) sum_{n odd} tanh(n pi a / 2b) / n^5], a >= b;
//   solid circle pi D^4 / 32; pipe pi (D^4 - d^4) / 32 (steel or concrete);
//   thin-walled steel shapes, the formulas of steel design practice:
//     open shapes: sum of b t^3 / 3 over the plates (flanges full width, webs between
//     the flanges); lipped channels A t^2 / 3;
//     box: Bredt's closed cell 4 Am^2 / sum(s / t) on the wall centre lines, plus
//     b t^3 / 3 of flange overhangs outside the webs;
//   every other shape (concrete L, C, H, T, box and cross, and steel shapes with a thick
//     plate) solves the Saint-Venant problem over its own outline (SectTorsion.h).
//   A steel shape is thin-walled when each of its plates is at least 10 times as wide
//     as it is thick, widths and thicknesses as the sizes give them: the flanges B1 by
//     tf1 and B2 by tf2 and the web H by tw (H, channel, box), the flange B by tf and
//     the stem H by tw (T), the legs H by tw and B by tf (angle, cross), the web H and
//     the flanges B of a lipped channel by t (its lips stiffen and do not count).
//   Shapes of several pieces (2L, 2C, CL, lipped-channel groups) sum the pieces' J.
// - shear areas: H, channel, T, cross: Asz = H tw (web), Asy = 5/6 of the flanges;
//   angle: H tw and B tf (legs); box: 2 H tw and B (tf1 + tf2); pipe A / 2;
//   solid rectangle 5/6 A; solid circle 9/10 A; lipped channel H t and 5/6 (2 B t);
//   doubled shapes twice the single one;
// - warping constant: H h0^2 I1 I2 / (I1 + I2) (I1, I2 flange second moments about
//   the web, h0 the flange centre distance); channel
//   tf b^3 h^2 / 12 (3 b tf + 2 h tw) / (6 b tf + h tw) with b = B - tw / 2,
//   h = H - tf; 0 for the other shapes;
// - perimeters: outer = the outline(s) of the material, inner = the holes.
#pragma once
#include "afx/CString.h"
#include "db/SectGeom.h"

double SectRectTorsion(double a, double b);  // exact solid-rectangle torsion constant

SectModel SectShapeAngle(double H, double B, double tw, double tf, bool openLeft, bool steel);
SectModel SectShapeChannel(double H, double B1, double tw, double tf1, double B2, double tf2,
                           bool openLeft, bool steel);
SectModel SectShapeH(double H, double B1, double tw, double tf1, double B2, double tf2,
                     bool steel);
SectModel SectShapeT(double H, double B, double tw, double tf, bool steel);
SectModel SectShapeCross(double H, double B, double tw, double tf, bool steel);
// Built-up box with its hole (a C of 0 puts the webs flush with the outer edges, a tf2
// of 0 means tf1); C is the distance between the web centre lines.
SectModel SectShapeBox(double H, double B, double tw, double tf1, double C, double tf2,
                       bool steel);
SectModel SectShapePipe(double D, double t);
SectModel SectShapeSolidRect(double W, double H);
SectModel SectShapeSolidRound(double D);
SectModel SectShapeLippedChannel(double H, double B, double t, double r, double C);
// The hole of a built-up box, as a rectangle in the box's frame.
void SectBoxHole(double H, double B, double tw, double tf1, double C, double tf2, double& x1,
                 double& y1, double& x2, double& y2);

// A regular shape by its code (L C H T B P 2L 2C SB SR CR CC CL) and sizes; combo is
// the light-steel combination code of a "CC" section. Returns false for an unknown
// code.
bool SectBuildRegular(const CString& code, const double* s, bool steel, const CString& combo,
                      SectModel& m);

struct T_SECT_SECTION_D;
struct T_SECT_STIFFNESS;
struct T_SECT_DESIGN;

// Integrates a model (outline frame) into a stiffness and a design block: every
// property but the scale factors and reserved values. False when it has no area or
// no bending stiffness.
bool SectFillProps(SectModel m, T_SECT_STIFFNESS& st, T_SECT_DESIGN& de);

// An SRC section placed as drawn: the steel part (with its hole empty) and the
// concrete (the outline less the steel, plus the steel's interior for the closed
// shapes and the filled ones), each with its formula properties.
bool SectBuildSrc(const T_SECT_SECTION_D& part, SectModel& steel, SectModel& concrete);

// A combined section: one piece of each profile as it stands alone (for the shapes'
// own properties) and every piece placed as drawn, grouped by profile.
struct SectCombinedModel {
  SectModel first, second;             // single pieces
  SectModel firstPlaced, secondPlaced;  // all pieces, placed
  bool hasSecond = true;
};
bool SectBuildCombined(const T_SECT_SECTION_D& part, SectCombinedModel& m);
