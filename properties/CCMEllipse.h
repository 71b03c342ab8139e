// A filled ellipse inscribed in the axis-aligned rectangle of two corners.
#pragma once
#include "properties/CCMGeom2D.h"

class CCMEllipse : public CCMGeom2D {
 public:
  CCMEllipse() = default;
  // Corner 1 is stored as the minimum corner, corner 2 as the maximum one.
  CCMEllipse(double x1, double y1, double x2, double y2, COLORREF crPen, COLORREF crBrush);
  ~CCMEllipse() override = default;

  void Draw(CDC* pDC, const CCMSecViewRect* pRect, double dScale, POINT ptOrg,
            COLORREF crPen, COLORREF crBrush) override;
  SCMBound2D GetBoundRect() const override;
  void Translate(const double* pDelta) override;
  void Rotate(double dAngleDeg) override;
  void Mirror(int nAxis) override;

  SCMPoint2D m_pt1;  // corner 1
  SCMPoint2D m_pt2;  // corner 2
};
