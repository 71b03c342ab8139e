#include "properties/CCMGeom2DArray.h"

CCMGeom2DArray::~CCMGeom2DArray() { DeleteAll(); }

void CCMGeom2DArray::DeleteAll() {
  for (CCMGeom2D* p : *this) delete p;
  RemoveAll();
}

INT_PTR CCMGeom2DArray::Append(CCMGeom2DArray& other) {
  if (&other != this) {
    for (CCMGeom2D* p : other) Add(p);
    other.RemoveAll();
  }
  return GetSize();
}

void CCMGeom2DArray::Translate(const double* pDelta) {
  for (CCMGeom2D* p : *this) p->Translate(pDelta);
}

SCMBound2D CCMGeom2DArray::GetBoundRect() const {
  SCMBound2D b;
  if (IsEmpty()) return b;
  b = GetAt(0)->GetBoundRect();
  for (INT_PTR i = 1; i < GetSize(); ++i) {
    const SCMBound2D f = GetAt(i)->GetBoundRect();
    if (f.maxX > b.maxX) b.maxX = f.maxX;
    if (f.maxY > b.maxY) b.maxY = f.maxY;
    if (f.minX < b.minX) b.minX = f.minX;
    if (f.minY < b.minY) b.minY = f.minY;
  }
  return b;
}

POINT CCMGeom2DArray::CentredOrigin(const SCMBound2D& b, double dScale, POINT pt) {
  POINT org;
  org.x = pt.x + TruncToInt(b.Width() * dScale * 0.5);
  org.y = pt.y + TruncToInt(b.Height() * dScale * 0.5);
  return org;
}

void CCMGeom2DArray::Draw(CDC* pDC, const CCMSecViewRect* pRect, double dScale,
                          const POINT* pPt) {
  if (!pPt) return;
  const SCMBound2D b = GetBoundRect();
  const double delta[2] = {-(b.minX + b.maxX) / 2, -(b.minY + b.maxY) / 2};
  Translate(delta);
  const POINT org = CentredOrigin(b, dScale, *pPt);
  for (CCMGeom2D* p : *this) p->Draw(pDC, pRect, dScale, org, p->m_crPen, p->m_crBrush);
}
