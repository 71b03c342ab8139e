// Filled plane figures of a section outline, in section length units (x right, y down).
#pragma once
#include "afx/AfxTypes.h"
#include "afx/CGeometry.h"

class CDC;
class CCMSecViewRect;

struct SCMPoint2D {
  double x = 0.0;
  double y = 0.0;
};

// A bounding box: minimum x, minimum y, maximum x, maximum y.
struct SCMBound2D {
  double minX = 0.0;
  double minY = 0.0;
  double maxX = 0.0;
  double maxY = 0.0;
  double Width() const { return maxX - minX; }
  double Height() const { return maxY - minY; }
};

// Rounds halves away from zero. Values beyond the int range saturate and NaN gives 0, so
// no figure is ever mapped through an undefined conversion.
int RoundToInt(double x);
// Truncation toward zero, saturating like RoundToInt.
int TruncToInt(double x);
// Cosine and sine of an angle in degrees, exact at multiples of 90.
double CosDeg(double dAngleDeg);
double SinDeg(double dAngleDeg);

// The abstract figure. Whoever creates one sets both colours.
class CCMGeom2D {
 public:
  virtual ~CCMGeom2D() = default;
  // Draws the figure with section point (0, 0) on device point ptOrg, at dScale pixels per
  // unit. pRect is passed along for the figures' use and not read here.
  virtual void Draw(CDC* pDC, const CCMSecViewRect* pRect, double dScale, POINT ptOrg,
                    COLORREF crPen, COLORREF crBrush);
  virtual SCMBound2D GetBoundRect() const;
  virtual void Translate(const double* pDelta);
  virtual void Rotate(double dAngleDeg);
  // Axis 0 negates y (reflection in the x axis), axis 1 negates x; other values do nothing.
  virtual void Mirror(int nAxis);

  COLORREF m_crPen = 0;    // outline colour
  COLORREF m_crBrush = 0;  // fill colour

 protected:
  // Maps a section point to the device.
  static CPoint MapPoint(double x, double y, double dScale, POINT ptOrg);
  // Turns a point about (0, 0) by the angle in degrees.
  static void RotatePoint(double& x, double& y, double dAngleDeg);
  // Below this scale nothing is drawn.
  static constexpr double kMinScale = 1e-7;
};
