#include "afx/AfxSvg.h"

#include <algorithm>
#include <climits>
#include <cstdio>
#include <string>

namespace {

std::string Colour(COLORREF c) {
  char buf[8];
  std::snprintf(buf, sizeof buf, "#%02x%02x%02x", (unsigned)GetRValue(c), (unsigned)GetGValue(c),
                (unsigned)GetBValue(c));
  return buf;
}

// A half-integer: twice the value given.
std::string Half(long twice) {
  std::string s = std::to_string(twice / 2);
  if (twice % 2) s = (twice < 0 && twice / 2 == 0 ? "-" : "") + s + ".5";
  return s;
}

std::string Escape(const CString& text) {
  std::string out;
  for (const char* p = text; *p; ++p) {
    unsigned char c = (unsigned char)*p;
    switch (c) {
      case '&': out += "&amp;"; break;
      case '<': out += "&lt;"; break;
      case '>': out += "&gt;"; break;
      case '"': out += "&quot;"; break;
      default:
        if (c >= 0x20 || c == '\t') out += (char)c;   // XML holds no other control characters
    }
  }
  return out;
}

const char* Dashes(int style) {
  static const char* const dashes[] = {nullptr, "6,2", "1,1", "6,2,1,2", "6,2,1,2,1,2"};
  return style > 0 && style < 5 ? dashes[style] : nullptr;
}

std::string Stroke(const CDrawPrimitive& p) {
  if (p.penStyle == 5) return " stroke=\"none\"";
  std::string s = " stroke=\"" + Colour(p.penColor) + "\" stroke-width=\"" + std::to_string(p.penWidth) + "\"";
  if (const char* d = Dashes(p.penStyle)) s += std::string(" stroke-dasharray=\"") + d + "\"";
  return s;
}

std::string Fill(const CDrawPrimitive& p) {
  return " fill=\"" + (p.brushNull ? std::string("none") : Colour(p.brushColor)) + "\"";
}

std::string Points(const CDrawPrimitive& p) {
  std::string s;
  for (const CPoint& pt : p.points) {
    if (!s.empty()) s += ' ';
    s += std::to_string(pt.x);
    s += ',';
    s += std::to_string(pt.y);
  }
  return s;
}

// x, y, width and height of a box primitive, its corners in either order.
std::string Box(const CDrawPrimitive& p) {
  long l = std::min(p.points[0].x, p.points[1].x), r = std::max(p.points[0].x, p.points[1].x);
  long t = std::min(p.points[0].y, p.points[1].y), b = std::max(p.points[0].y, p.points[1].y);
  return " x=\"" + std::to_string(l) + "\" y=\"" + std::to_string(t) + "\" width=\"" + std::to_string(r - l) +
         "\" height=\"" + std::to_string(b - t) + "\"";
}

std::string Element(const CDrawPrimitive& p) {
  size_t need = p.kind == CDrawPrimitive::Polyline || p.kind == CDrawPrimitive::Polygon ? 1 : 2;
  if (p.points.size() < need) return {};
  const CPoint& a = p.points[0];
  switch (p.kind) {
    case CDrawPrimitive::Line:
      return "<line x1=\"" + std::to_string(a.x) + "\" y1=\"" + std::to_string(a.y) + "\" x2=\"" +
             std::to_string(p.points[1].x) + "\" y2=\"" + std::to_string(p.points[1].y) + "\"" + Stroke(p) + "/>";
    case CDrawPrimitive::Polyline:
      return "<polyline points=\"" + Points(p) + "\" fill=\"none\"" + Stroke(p) + "/>";
    case CDrawPrimitive::Polygon:
      return "<polygon points=\"" + Points(p) + "\"" + Fill(p) + Stroke(p) + "/>";
    case CDrawPrimitive::Ellipse: {
      const CPoint& b = p.points[1];
      long w = b.x > a.x ? b.x - a.x : a.x - b.x, h = b.y > a.y ? b.y - a.y : a.y - b.y;
      return "<ellipse cx=\"" + Half(a.x + b.x) + "\" cy=\"" + Half(a.y + b.y) + "\" rx=\"" + Half(w) +
             "\" ry=\"" + Half(h) + "\"" + Fill(p) + Stroke(p) + "/>";
    }
    case CDrawPrimitive::Rectangle:
      return "<rect" + Box(p) + Fill(p) + Stroke(p) + "/>";
    case CDrawPrimitive::FillRect:
      return "<rect class=\"fill\"" + Box(p) + Fill(p) + " stroke=\"none\"/>";
    case CDrawPrimitive::PatBlt: {
      char rop[16];
      std::snprintf(rop, sizeof rop, "%08X", (unsigned)p.rop);
      return "<rect class=\"patblt-" + std::string(rop) + "\"" + Box(p) + Fill(p) + " stroke=\"none\"/>";
    }
    case CDrawPrimitive::Bitmap:
      return "<rect class=\"bitmap\"" + Box(p) + " fill=\"#c0c0c0\" stroke=\"#808080\"><title>bitmap " +
             std::to_string(p.bitmapId) + " " + Escape(p.text) + "</title></rect>";
    case CDrawPrimitive::Text: {
      std::string s;
      if (p.bkOpaque) s = "<rect class=\"textbk\"" + Box(p) + " fill=\"" + Colour(p.bkColor) + "\" stroke=\"none\"/>";
      long baseline = a.y + p.fontHeight - p.fontHeight / 5;
      s += "<text x=\"" + std::to_string(a.x) + "\" y=\"" + std::to_string(baseline) + "\" font-size=\"" +
           std::to_string(p.fontHeight) + "\"";
      if (!p.fontName.IsEmpty()) s += " font-family=\"" + Escape(p.fontName) + "\"";
      return s + " fill=\"" + Colour(p.textColor) + "\" xml:space=\"preserve\">" + Escape(p.text) + "</text>";
    }
  }
  return {};
}

// The area the picture shows.
CRect Extent(const CDisplayList& list) {
  if (!list.bounds.IsRectEmpty()) return list.bounds;
  CRect r(LONG_MAX, LONG_MAX, LONG_MIN, LONG_MIN);
  for (const CDrawPrimitive& p : list.items)
    for (const CPoint& pt : p.points) {
      r.left = std::min(r.left, pt.x), r.top = std::min(r.top, pt.y);
      r.right = std::max(r.right, pt.x), r.bottom = std::max(r.bottom, pt.y);
    }
  if (r.left > r.right) return CRect(0, 0, 1, 1);
  return CRect(r.left, r.top, std::max(r.right, r.left + 1), std::max(r.bottom, r.top + 1));
}

}  // namespace

CString AfxSvgString(const CDisplayList& list) {
  CRect e = Extent(list);
  std::string w = std::to_string(e.right - e.left), h = std::to_string(e.bottom - e.top);
  std::string s = "<?xml version=\"1.0\" encoding=\"UTF-8\"?>\n";
  s += "<svg xmlns=\"http://www.w3.org/2000/svg\" width=\"" + w + "\" height=\"" + h + "\" viewBox=\"" +
       std::to_string(e.left) + " " + std::to_string(e.top) + " " + w + " " + h + "\">\n";
  for (const CDrawPrimitive& p : list.items) {
    std::string el = Element(p);
    if (!el.empty()) s += el + "\n";
  }
  s += "</svg>\n";
  return CString(std::move(s));
}

BOOL AfxWriteSvg(const CDisplayList& list, LPCTSTR lpszPath) {
  if (!lpszPath) return FALSE;
  CString svg = AfxSvgString(list);
  FILE* f = std::fopen(lpszPath, "wb");
  if (!f) return FALSE;
  bool ok = std::fwrite(svg.c_str(), 1, (size_t)svg.GetLength(), f) == (size_t)svg.GetLength();
  ok = std::fclose(f) == 0 && ok;
  return ok ? TRUE : FALSE;
}
