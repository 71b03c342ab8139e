// The drawing rectangle of the section preview: erases the preview and fits and draws a
// list of outline figures into it, with the offset and centroid marks.
#pragma once
#include "afx/CGeometry.h"
#include "properties/CCMGeom2D.h"

class CCMGeom2DArray;

class CCMSecViewRect {
 public:
  CCMSecViewRect() = default;

  void SetRect(const RECT& rc);
  BOOL IsEmpty() const { return m_left >= m_right || m_top >= m_bottom; }
  // Fills the rectangle white when it is not empty.
  void Erase(CDC* pDC) const;
  // The scale (pixels per unit) that fills 70 % of the limiting dimension with the list's
  // box, and the device point of the box's minimum corner that centres it. Returns FALSE,
  // leaving both unchanged, when the box has no extent at all (no scale fits it).
  BOOL Fit(const CCMGeom2DArray* pList, double& dScale, POINT& ptP) const;
  // Draws the list fitted and centred. With the centroid flag the last figure, and then
  // with the offset flag the new last figure, are drawn after the others in the same frame
  // without counting in the fit, and put back on the list. When no figure left in the
  // list has any extent (no outline: an unknown code or all sizes 0) nothing is drawn.
  void Draw(CDC* pDC, CCMGeom2DArray* pList, int bCentroid, int bOffset) const;

  int m_left = 0;
  int m_top = 0;
  int m_right = 0;
  int m_bottom = 0;
};
