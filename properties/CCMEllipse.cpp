#include "properties/CCMEllipse.h"

#include <algorithm>
#include "afx/CDC.h"

CCMEllipse::CCMEllipse(double x1, double y1, double x2, double y2, COLORREF crPen,
                       COLORREF crBrush) {
  m_pt1 = SCMPoint2D{std::min(x1, x2), std::min(y1, y2)};
  m_pt2 = SCMPoint2D{std::max(x1, x2), std::max(y1, y2)};
  m_crPen = crPen;
  m_crBrush = crBrush;
}

void CCMEllipse::Draw(CDC* pDC, const CCMSecViewRect*, double dScale, POINT ptOrg,
                      COLORREF crPen, COLORREF crBrush) {
  if (!pDC || !(dScale > kMinScale)) return;
  const CPoint p1 = MapPoint(m_pt1.x, m_pt1.y, dScale, ptOrg);
  const CPoint p2 = MapPoint(m_pt2.x, m_pt2.y, dScale, ptOrg);

  const int nSaved = pDC->SaveDC();
  CBrush brush;
  brush.CreateSolidBrush(crBrush);
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, crPen);
  pDC->SelectObject(&brush);
  pDC->SelectObject(&pen);
  pDC->Ellipse((int)p1.x, (int)p1.y, (int)p2.x, (int)p2.y);
  pDC->RestoreDC(nSaved);
  pen.DeleteObject();
  brush.DeleteObject();
}

SCMBound2D CCMEllipse::GetBoundRect() const {
  return SCMBound2D{m_pt1.x, m_pt1.y, m_pt2.x, m_pt2.y};
}

void CCMEllipse::Translate(const double* pDelta) {
  if (!pDelta) return;
  m_pt1.x += pDelta[0];
  m_pt1.y += pDelta[1];
  m_pt2.x += pDelta[0];
  m_pt2.y += pDelta[1];
}

void CCMEllipse::Rotate(double dAngleDeg) {
  RotatePoint(m_pt1.x, m_pt1.y, dAngleDeg);
  RotatePoint(m_pt2.x, m_pt2.y, dAngleDeg);
}

void CCMEllipse::Mirror(int nAxis) {
  if (nAxis == 0) {
    m_pt1.y = -m_pt1.y;
    m_pt2.y = -m_pt2.y;
  } else if (nAxis == 1) {
    m_pt1.x = -m_pt1.x;
    m_pt2.x = -m_pt2.x;
  }
}
