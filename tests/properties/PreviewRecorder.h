// Test helpers over the drawing recorder: what a device context recorded, and figures
// compared by their vertices.
#pragma once
#include <gtest/gtest.h>
#include <vector>
#include "afx/CDC.h"
#include "afx/CDisplayList.h"
#include "properties/CCMGeom2DArray.h"
#include "properties/CCMPolygon.h"

inline const std::vector<CDrawPrimitive>& Recorded(CDC& dc) { return dc.GetDisplayList().items; }

typedef std::vector<std::pair<double, double>> Pts;

inline Pts VerticesOf(const CCMGeom2D* pFig) {
  Pts v;
  if (auto* p = dynamic_cast<const CCMPolygon*>(pFig))
    for (const SCMPoint2D& pt : p->m_aPoint) v.emplace_back(pt.x, pt.y);
  return v;
}

inline std::vector<std::pair<long, long>> DevicePoints(const CDrawPrimitive& d) {
  std::vector<std::pair<long, long>> v;
  for (const CPoint& p : d.points) v.emplace_back((long)p.x, (long)p.y);
  return v;
}

// Vertex lists equal within floating-point noise.
inline void ExpectVertices(const Pts& actual, const Pts& expected, double tol = 1e-9) {
  ASSERT_EQ(actual.size(), expected.size());
  for (size_t i = 0; i < actual.size(); ++i) {
    EXPECT_NEAR(actual[i].first, expected[i].first, tol) << "vertex " << i;
    EXPECT_NEAR(actual[i].second, expected[i].second, tol) << "vertex " << i;
  }
}

inline void ExpectBounds(const SCMBound2D& b, double x0, double y0, double x1, double y1,
                         double tol = 1e-9) {
  EXPECT_NEAR(b.minX, x0, tol);
  EXPECT_NEAR(b.minY, y0, tol);
  EXPECT_NEAR(b.maxX, x1, tol);
  EXPECT_NEAR(b.maxY, y1, tol);
}
