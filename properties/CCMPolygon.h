// A filled polygon, closed from its last vertex back to the first.
#pragma once
#include "afx/CArray.h"
#include "properties/CCMGeom2D.h"

class CCMPolygon : public CCMGeom2D {
 public:
  CCMPolygon() = default;
  CCMPolygon(COLORREF crPen, COLORREF crBrush) { m_crPen = crPen; m_crBrush = crBrush; }
  ~CCMPolygon() override = default;

  void Draw(CDC* pDC, const CCMSecViewRect* pRect, double dScale, POINT ptOrg,
            COLORREF crPen, COLORREF crBrush) override;
  SCMBound2D GetBoundRect() const override;
  void Translate(const double* pDelta) override;
  void Rotate(double dAngleDeg) override;
  void Mirror(int nAxis) override;

  void AddPoint(double x, double y) { m_aPoint.Add(SCMPoint2D{x, y}); }

  CArray<SCMPoint2D, const SCMPoint2D&> m_aPoint;  // vertices in drawing order
};
