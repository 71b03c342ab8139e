// An owning list of plane figures in drawing order (later figures paint over earlier ones).
#pragma once
#include "afx/CArray.h"
#include "properties/CCMGeom2D.h"

class CCMGeom2DArray : public CArray<CCMGeom2D*, CCMGeom2D*> {
 public:
  CCMGeom2DArray() = default;
  // Deletes every figure.
  ~CCMGeom2DArray() override;
  CCMGeom2DArray(const CCMGeom2DArray&) = delete;
  CCMGeom2DArray& operator=(const CCMGeom2DArray&) = delete;

  // Moves the other list's figures, in order, to the end of this one and empties the
  // other list; returns the new count.
  INT_PTR Append(CCMGeom2DArray& other);
  void Translate(const double* pDelta);
  // The union of the figures' bounds; four zeros for an empty list.
  SCMBound2D GetBoundRect() const;
  // Moves the figures for good so that their common box is centred on (0, 0), then draws
  // them with that centre on the device at *pPt plus half the scaled box: *pPt is the
  // device position of the box's minimum corner.
  void Draw(CDC* pDC, const CCMSecViewRect* pRect, double dScale, const POINT* pPt);
  // The device point on which section point (0, 0) falls once a box b, centred, is drawn
  // with its minimum corner at pt.
  static POINT CentredOrigin(const SCMBound2D& b, double dScale, POINT pt);
  // Deletes every figure and empties the list.
  void DeleteAll();
};
