// What a window painted last: the drawing primitives a CDC recorded, in order, with the
// pen and brush in force for each. Written as SVG by AfxWriteSvg.
#pragma once
#include <vector>
#include "afx/CGeometry.h"
#include "afx/CString.h"

struct CDrawPrimitive {
  enum Kind { Line, Polyline, Polygon, Ellipse, Rectangle, FillRect, Text, PatBlt, Bitmap } kind = Line;
  std::vector<CPoint> points;   // Line: 2 points; Poly*: the vertices; Ellipse, Rectangle,
                                // FillRect, PatBlt, Bitmap: top-left and bottom-right;
                                // Text: top-left and bottom-right of the text's box
  COLORREF penColor = 0;
  int penWidth = 1;
  int penStyle = 0;             // 0 solid, 1 dash, 2 dot, 3 dash-dot, 4 dash-dot-dot, 5 null
  COLORREF brushColor = 0;
  bool brushNull = true;        // hollow brush
  COLORREF textColor = 0;
  CString text;                 // Text: the text; Bitmap: the picture's file
  // Text: the background behind it (bkOpaque: the OPAQUE background mode) and the font.
  COLORREF bkColor = 0x00FFFFFF;
  bool bkOpaque = false;
  int fontHeight = 12;          // pixels
  CString fontName;
  DWORD rop = 0;                // PatBlt: the raster operation
  int bitmapId = 0;             // Bitmap: the resource id, 0 for a created bitmap
};

struct CDisplayList {
  CRect bounds;                 // the client rectangle of the window when it painted
  std::vector<CDrawPrimitive> items;
  void Clear() { items.clear(); }
};
