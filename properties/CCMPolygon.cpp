#include "properties/CCMPolygon.h"

#include <vector>
#include "afx/CDC.h"

void CCMPolygon::Draw(CDC* pDC, const CCMSecViewRect*, double dScale, POINT ptOrg,
                      COLORREF crPen, COLORREF crBrush) {
  if (!pDC || !(dScale > kMinScale)) return;
  std::vector<POINT> pts;
  pts.reserve((size_t)m_aPoint.GetSize());
  for (const SCMPoint2D& p : m_aPoint) pts.push_back(MapPoint(p.x, p.y, dScale, ptOrg));

  const int nSaved = pDC->SaveDC();
  CBrush brush;
  brush.CreateSolidBrush(crBrush);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, crPen);
  pDC->SelectObject(&brush);
  pDC->SelectObject(&pen);
  pDC->Polygon(pts.data(), (int)pts.size());
  pDC->RestoreDC(nSaved);
  pen.DeleteObject();
  brush.DeleteObject();
}

SCMBound2D CCMPolygon::GetBoundRect() const {
  SCMBound2D b;
  if (m_aPoint.IsEmpty()) return b;
  b.minX = b.maxX = m_aPoint[0].x;
  b.minY = b.maxY = m_aPoint[0].y;
  for (INT_PTR i = 1; i < m_aPoint.GetSize(); ++i) {
    const SCMPoint2D& p = m_aPoint[i];
    if (p.x > b.maxX) b.maxX = p.x;
    else if (p.x < b.minX) b.minX = p.x;
    if (p.y > b.maxY) b.maxY = p.y;
    else if (p.y < b.minY) b.minY = p.y;
  }
  return b;
}

void CCMPolygon::Translate(const double* pDelta) {
  if (!pDelta) return;
  for (SCMPoint2D& p : m_aPoint) {
    p.x += pDelta[0];
    p.y += pDelta[1];
  }
}

void CCMPolygon::Rotate(double dAngleDeg) {
  for (SCMPoint2D& p : m_aPoint) RotatePoint(p.x, p.y, dAngleDeg);
}

void CCMPolygon::Mirror(int nAxis) {
  for (SCMPoint2D& p : m_aPoint) {
    if (nAxis == 0) p.y = -p.y;
    else if (nAxis == 1) p.x = -p.x;
  }
}
