// Plan and space arithmetic of the UI library's geometry helpers. Every function is pure.
//
// Choices:
// - math_ccw gives the orientation as a sign: 1 when the third point lies left of the
//   directed line from the first to the second (counter-clockwise), -1 right, 0 when the
//   cross product is zero by math_lib::is_zero (collinear, or a degenerate line).
// - mathDistanceToLine measures to the unbounded line; a line of two equal points is that
//   point.
// - mathNormalize leaves a zero vector (length 0 by math_lib::is_zero) unchanged and
//   returns 0; otherwise it scales the vector to length 1 and returns its old length.
// - mathCrossAngle is the angle between two vectors in degrees, 0 to 180; 0 when either
//   is a zero vector. mathCrossAngle2D is the plan angle from the reference vector to the
//   other, counter-clockwise, in degrees 0 (included) to 360 (excluded); 0 when either is a
//   zero vector.
// - The forms on whole vectors: mathNormalize(in, out) gives FALSE and a zero out for a
//   zero or non-finite vector; mathCrossAngle2D(ref, u) reads only the plan parts.
#pragma once
#include "afx/AfxTypes.h"
#include "db/DBGeom.h"

class CMathFunc {
 public:
  static int math_ccw(double x1, double y1, double x2, double y2, double x3, double y3);
  static double mathDistanceToLine(const T_POINT3D& p1, const T_POINT3D& p2, const T_POINT3D& p);
  // Plan distance of two points; space distance of two points; length of a vector.
  static double mathLength(double x1, double y1, double x2, double y2);
  static double mathLength(const T_POINT3D& a, const T_POINT3D& b);
  static double mathLength(const T_POINT3D& v);
  static double mathNormalize(T_POINT3D& v);
  static BOOL mathNormalize(const T_POINT3D& in, T_POINT3D& out);
  static double mathCrossAngle(const T_POINT3D& v1, const T_POINT3D& v2);
  static double mathCrossAngle2D(double refX, double refY, double x, double y);
  static double mathCrossAngle2D(const T_POINT3D& ref, const T_POINT3D& u);
};
