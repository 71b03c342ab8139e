#include "properties/CCMSecViewRect.h"

#include <cfloat>
#include "afx/CDC.h"
#include "properties/CCMGeom2DArray.h"

void CCMSecViewRect::SetRect(const RECT& rc) {
  m_left = (int)rc.left;
  m_top = (int)rc.top;
  m_right = (int)rc.right;
  m_bottom = (int)rc.bottom;
}

void CCMSecViewRect::Erase(CDC* pDC) const {
  if (!pDC || IsEmpty()) return;
  const int nSaved = pDC->SaveDC();
  CPen pen;
  pen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
  CBrush brush;
  brush.CreateSolidBrush(RGB(255, 255, 255));
  pDC->SelectObject(&pen);
  pDC->SelectObject(&brush);
  pDC->PatBlt(m_left, m_top, m_right - m_left, m_bottom - m_top, PATCOPY);
  pDC->RestoreDC(nSaved);
  pen.DeleteObject();
  brush.DeleteObject();
}

BOOL CCMSecViewRect::Fit(const CCMGeom2DArray* pList, double& dScale, POINT& ptP) const {
  if (!pList) return FALSE;
  const SCMBound2D b = pList->GetBoundRect();
  const double w = b.Width(), h = b.Height();
  // With neither width nor height the only scale would be infinite.
  if (w == 0 && h == 0) return FALSE;
  const int cx = m_right - m_left, cy = m_bottom - m_top;
  const double sx = w != 0 ? cx * 0.7 / w : DBL_MAX;
  const double sy = h != 0 ? cy * 0.7 / h : DBL_MAX;
  dScale = sx < sy ? sx : sy;
  ptP.x = cx / 2 - TruncToInt(w * dScale * 0.5);
  ptP.y = cy / 2 - TruncToInt(h * dScale * 0.5);
  return TRUE;
}

namespace {

// Whether any figure covers more than a point. Without one there is no outline to fit:
// the marks of an outline without extent are points too.
bool AnyFigureHasExtent(const CCMGeom2DArray& list) {
  for (const CCMGeom2D* p : list) {
    const SCMBound2D b = p->GetBoundRect();
    if (b.Width() != 0 || b.Height() != 0) return true;
  }
  return false;
}

}  // namespace

void CCMSecViewRect::Draw(CDC* pDC, CCMGeom2DArray* pList, int bCentroid,
                          int bOffset) const {
  if (IsEmpty() || !pList) return;
  const INT_PTR n = pList->GetSize();
  // With the centroid flag the last figure (A) is taken out, then with the offset flag the
  // figure last after that (B). In a builder's list A is the display-centre cross, and B
  // the centroid square when both flags are set, else the offset square.
  CCMGeom2D* pMarkA = nullptr;
  CCMGeom2D* pMarkB = nullptr;
  if (n > 0 && bCentroid) {
    pMarkA = pList->GetAt(pList->GetUpperBound());
    pList->RemoveAt(pList->GetUpperBound());
  }
  if (n > 0 && bOffset && !pList->IsEmpty()) {
    pMarkB = pList->GetAt(pList->GetUpperBound());
    pList->RemoveAt(pList->GetUpperBound());
  }
  const SCMBound2D b = pList->GetBoundRect();

  double dScale = 0.0;
  POINT ptP;
  const BOOL bFitted = AnyFigureHasExtent(*pList) && Fit(pList, dScale, ptP);
  if (bFitted) pList->Draw(pDC, this, dScale, &ptP);

  // The marks are drawn in the frame of the fitted figures: box b centred on the origin.
  const double delta[2] = {-(b.minX + b.maxX) / 2, -(b.minY + b.maxY) / 2};
  for (CCMGeom2D* pMark : {pMarkB, pMarkA}) {
    if (!pMark) continue;
    if (bFitted) {
      pMark->Translate(delta);
      pMark->Draw(pDC, this, dScale, CCMGeom2DArray::CentredOrigin(b, dScale, ptP),
                  pMark->m_crPen, pMark->m_crBrush);
    }
    pList->Add(pMark);
  }
}
