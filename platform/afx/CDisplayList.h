// What a window painted last: the drawing primitives a CDC recorded, in order, with the
// pen and brush in force for each. Written as SVG by AfxWriteSvg.
#pragma once
#include <vector>
#include "afx/CGeometry.h"
#include "afx/CString.h"

struct CDrawPrimitive {
  enum Kind { Line, Polyline, Polygon, Ellipse, Rectangle, FillRect, Text, PatBlt } kind = Line;
  std::vector<CPoint> points;   // Line: 2 points; Poly*: the vertices; Ellipse, Rectangle,
                                // FillRect, PatBlt: top-left and bottom-right
  COLORREF penColor = 0;
  int penWidth = 1;
  int penStyle = 0;             // 0 solid, 1 dash, 2 dot, 5 null
  COLORREF brushColor = 0;
  bool brushNull = true;        // hollow brush
  COLORREF textColor = 0;
  CString text;
};

struct CDisplayList {
  CRect bounds;                 // the client rectangle of the window when it painted
  std::vector<CDrawPrimitive> items;
  void Clear() { items.clear(); }
};
