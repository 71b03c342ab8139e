// Integer points, sizes and rectangles in pixels.
#pragma once
#include "afx/AfxTypes.h"

struct POINT { LONG x = 0, y = 0; };
struct SIZE { LONG cx = 0, cy = 0; };
struct RECT { LONG left = 0, top = 0, right = 0, bottom = 0; };

class CSize : public SIZE {
 public:
  CSize() = default;
  CSize(LONG w, LONG h) { cx = w; cy = h; }
  bool operator==(const CSize& o) const { return cx == o.cx && cy == o.cy; }
  bool operator!=(const CSize& o) const { return !(*this == o); }
  CSize operator+(CSize o) const { return CSize(cx + o.cx, cy + o.cy); }
  CSize operator-(CSize o) const { return CSize(cx - o.cx, cy - o.cy); }
};

class CPoint : public POINT {
 public:
  CPoint() = default;
  CPoint(LONG px, LONG py) { x = px; y = py; }
  CPoint(const POINT& p) { x = p.x; y = p.y; }
  void Offset(LONG dx, LONG dy) { x += dx; y += dy; }
  bool operator==(const CPoint& o) const { return x == o.x && y == o.y; }
  bool operator!=(const CPoint& o) const { return !(*this == o); }
  CPoint operator+(CSize s) const { return CPoint(x + s.cx, y + s.cy); }
  CPoint operator-(CSize s) const { return CPoint(x - s.cx, y - s.cy); }
  CSize operator-(CPoint p) const { return CSize(x - p.x, y - p.y); }
  CPoint operator+(CPoint p) const { return CPoint(x + p.x, y + p.y); }
};

class CRect : public RECT {
 public:
  CRect() = default;
  CRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
  CRect(const RECT& r) { left = r.left; top = r.top; right = r.right; bottom = r.bottom; }
  CRect(CPoint tl, CSize s) : CRect(tl.x, tl.y, tl.x + s.cx, tl.y + s.cy) {}
  CRect(CPoint tl, CPoint br) : CRect(tl.x, tl.y, br.x, br.y) {}

  LONG Width() const { return right - left; }
  LONG Height() const { return bottom - top; }
  CSize Size() const { return CSize(Width(), Height()); }
  CPoint TopLeft() const { return CPoint(left, top); }
  CPoint BottomRight() const { return CPoint(right, bottom); }
  CPoint CenterPoint() const { return CPoint((left + right) / 2, (top + bottom) / 2); }
  BOOL IsRectEmpty() const { return right <= left || bottom <= top; }
  BOOL IsRectNull() const { return left == 0 && top == 0 && right == 0 && bottom == 0; }
  BOOL PtInRect(POINT p) const { return p.x >= left && p.x < right && p.y >= top && p.y < bottom; }
  void SetRect(LONG l, LONG t, LONG r, LONG b) { left = l; top = t; right = r; bottom = b; }
  void SetRectEmpty() { SetRect(0, 0, 0, 0); }
  void OffsetRect(LONG dx, LONG dy) { left += dx; right += dx; top += dy; bottom += dy; }
  void OffsetRect(CPoint p) { OffsetRect(p.x, p.y); }
  void OffsetRect(CSize s) { OffsetRect(s.cx, s.cy); }
  void InflateRect(LONG dx, LONG dy) { left -= dx; right += dx; top -= dy; bottom += dy; }
  void DeflateRect(LONG dx, LONG dy) { InflateRect(-dx, -dy); }
  void NormalizeRect() {
    if (left > right) { LONG t = left; left = right; right = t; }
    if (top > bottom) { LONG t = top; top = bottom; bottom = t; }
  }
  BOOL IntersectRect(const RECT& a, const RECT& b) {
    left = a.left > b.left ? a.left : b.left;
    top = a.top > b.top ? a.top : b.top;
    right = a.right < b.right ? a.right : b.right;
    bottom = a.bottom < b.bottom ? a.bottom : b.bottom;
    if (IsRectEmpty()) { SetRectEmpty(); return FALSE; }
    return TRUE;
  }
  BOOL UnionRect(const RECT& a, const RECT& b) {
    CRect ra(a), rb(b);
    if (ra.IsRectEmpty()) { *this = rb; return !IsRectEmpty(); }
    if (rb.IsRectEmpty()) { *this = ra; return TRUE; }
    left = a.left < b.left ? a.left : b.left;
    top = a.top < b.top ? a.top : b.top;
    right = a.right > b.right ? a.right : b.right;
    bottom = a.bottom > b.bottom ? a.bottom : b.bottom;
    return TRUE;
  }
  bool operator==(const CRect& o) const {
    return left == o.left && top == o.top && right == o.right && bottom == o.bottom;
  }
  bool operator!=(const CRect& o) const { return !(*this == o); }
};
