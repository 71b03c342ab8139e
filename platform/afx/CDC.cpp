#include "afx/CDC.h"

#include <algorithm>
#include <cstring>
#include <string>

namespace {

// Text of a (string, count) pair; a negative count means up to the terminator.
std::string Slice(LPCTSTR s, int n) {
  if (!s) return {};
  return n < 0 ? std::string(s) : std::string(s, strnlen(s, (size_t)n));
}

// Width units of a UTF-8 text: one for an ASCII character, two for any other.
int Units(const std::string& s) {
  int units = 0;
  for (unsigned char c : s) {
    if (c < 0x80) units += 1;
    else if ((c & 0xC0) == 0xC0) units += 2;   // the lead byte of a multi-byte character
  }
  return units;
}

// DrawText's prefix rule: '&' marks the next character ("&&" shows one '&'); a lone '&' at
// the end shows nothing.
std::string StripPrefix(const std::string& s) {
  std::string out;
  for (size_t i = 0; i < s.size(); ++i) {
    if (s[i] == '&') {
      if (i + 1 < s.size()) out += s[++i];
      continue;
    }
    out += s[i];
  }
  return out;
}

}  // namespace

CDC::CDC() : m_hDC(reinterpret_cast<HDC>(this)), m_pList(&m_own) { Init(); }

CDC::CDC(CDisplayList* target) : m_hDC(reinterpret_cast<HDC>(this)), m_pList(target ? target : &m_own) {
  Init();
}

CDC::~CDC() = default;

void CDC::Init() {
  m_state = State();
  SelectStockObject(BLACK_PEN);
  SelectStockObject(WHITE_BRUSH);
  SelectStockObject(SYSTEM_FONT);
}

BOOL CDC::CreateCompatibleDC(CDC*) {
  m_own = CDisplayList();
  m_pList = &m_own;
  m_bMemory = true;
  m_saved.clear();
  Init();
  return TRUE;
}

BOOL CDC::DeleteDC() {
  m_own = CDisplayList();
  m_pList = &m_own;
  m_bMemory = false;
  m_saved.clear();
  Init();
  return TRUE;
}

CPoint CDC::ToDevice(int x, int y) const {
  return CPoint(x - m_state.windowOrg.x + m_state.viewportOrg.x, y - m_state.windowOrg.y + m_state.viewportOrg.y);
}

CDrawPrimitive& CDC::Add(CDrawPrimitive::Kind kind) {
  CDrawPrimitive p;
  p.kind = kind;
  p.penColor = m_state.penLog.lopnColor;
  p.penWidth = (int)m_state.penLog.lopnWidth.x;
  p.penStyle = (int)m_state.penLog.lopnStyle;
  p.brushColor = m_state.brushLog.lbColor;
  p.brushNull = m_state.brushLog.lbStyle == BS_NULL;
  p.textColor = m_state.textColor;
  p.bkColor = m_state.bkColor;
  p.bkOpaque = m_state.bkMode == OPAQUE;
  p.fontHeight = FontHeight();
  p.fontName = m_state.fontLog.lfFaceName;
  m_pList->items.push_back(std::move(p));
  return m_pList->items.back();
}

void CDC::AddBox(CDrawPrimitive::Kind kind, int x1, int y1, int x2, int y2) {
  CDrawPrimitive& p = Add(kind);
  p.points = {ToDevice(x1, y1), ToDevice(x2, y2)};
}

int CDC::FontHeight() const {
  LONG h = m_state.fontLog.lfHeight;
  return h == 0 ? 12 : (int)(h < 0 ? -h : h);
}

// ---- objects -------------------------------------------------------------------------

CPen* CDC::SelectObject(CPen* pPen) {
  if (!pPen || !pPen->m_hObject) return nullptr;
  CPen* old = m_state.pen;
  m_state.pen = pPen;
  m_state.penLog = pPen->m_log;
  return old;
}

CBrush* CDC::SelectObject(CBrush* pBrush) {
  if (!pBrush || !pBrush->m_hObject) return nullptr;
  CBrush* old = m_state.brush;
  m_state.brush = pBrush;
  m_state.brushLog = pBrush->m_log;
  return old;
}

CFont* CDC::SelectObject(CFont* pFont) {
  if (!pFont || !pFont->m_hObject) return nullptr;
  CFont* old = m_state.font;
  m_state.font = pFont;
  m_state.fontLog = pFont->m_log;
  return old;
}

CBitmap* CDC::SelectObject(CBitmap* pBitmap) {
  // Only a memory DC draws on a bitmap; selecting one starts its picture afresh.
  if (!pBitmap || !pBitmap->m_hObject || !m_bMemory) return nullptr;
  CBitmap* old = m_state.bitmap;
  m_state.bitmap = pBitmap;
  m_own.items.clear();
  m_own.bounds = CRect(0, 0, pBitmap->m_size.cx, pBitmap->m_size.cy);
  if (pBitmap->m_nResourceId) {
    CDrawPrimitive& p = Add(CDrawPrimitive::Bitmap);
    p.points = {CPoint(0, 0), CPoint(pBitmap->m_size.cx, pBitmap->m_size.cy)};
    p.text = pBitmap->m_file;
    p.bitmapId = pBitmap->m_nResourceId;
  }
  return old;
}

CGdiObject* CDC::SelectObject(CGdiObject* pObject) {
  if (!pObject) return nullptr;
  switch (pObject->m_kind) {
    case CGdiObject::Pen: return SelectObject(static_cast<CPen*>(pObject));
    case CGdiObject::Brush: return SelectObject(static_cast<CBrush*>(pObject));
    case CGdiObject::Font: return SelectObject(static_cast<CFont*>(pObject));
    case CGdiObject::Bitmap: return SelectObject(static_cast<CBitmap*>(pObject));
    default: return nullptr;
  }
}

CGdiObject* CDC::SelectStockObject(int nIndex) { return SelectObject(CGdiObject::GetStockObject(nIndex)); }

// ---- attributes ----------------------------------------------------------------------

COLORREF CDC::SetTextColor(COLORREF c) {
  COLORREF old = m_state.textColor;
  m_state.textColor = c & 0x00FFFFFF;
  return old;
}

COLORREF CDC::SetBkColor(COLORREF c) {
  COLORREF old = m_state.bkColor;
  m_state.bkColor = c & 0x00FFFFFF;
  return old;
}

int CDC::SetBkMode(int nBkMode) {
  if (nBkMode != TRANSPARENT && nBkMode != OPAQUE) return 0;
  int old = m_state.bkMode;
  m_state.bkMode = nBkMode;
  return old;
}

int CDC::SetROP2(int nDrawMode) {
  int old = m_state.rop2;
  m_state.rop2 = nDrawMode;
  return old;
}

UINT CDC::SetTextAlign(UINT nFlags) {
  UINT old = m_state.textAlign;
  m_state.textAlign = nFlags;
  return old;
}

CPoint CDC::SetViewportOrg(int x, int y) {
  CPoint old = m_state.viewportOrg;
  m_state.viewportOrg = CPoint(x, y);
  return old;
}

CPoint CDC::OffsetViewportOrg(int dx, int dy) {
  return SetViewportOrg(m_state.viewportOrg.x + dx, m_state.viewportOrg.y + dy);
}

CPoint CDC::SetWindowOrg(int x, int y) {
  CPoint old = m_state.windowOrg;
  m_state.windowOrg = CPoint(x, y);
  return old;
}

int CDC::GetDeviceCaps(int nIndex) const {
  switch (nIndex) {
    case LOGPIXELSX: case LOGPIXELSY: return 96;
    case HORZRES: return 1920;
    case VERTRES: return 1080;
    case BITSPIXEL: return 32;
    default: return 0;
  }
}

int CDC::SaveDC() {
  m_saved.push_back(m_state);
  return (int)m_saved.size();
}

BOOL CDC::RestoreDC(int nSavedDC) {
  int n = (int)m_saved.size();
  int index = nSavedDC < 0 ? n + nSavedDC : nSavedDC - 1;   // of the state to restore
  if (nSavedDC == 0 || index < 0 || index >= n) return FALSE;
  m_state = m_saved[(size_t)index];
  m_saved.resize((size_t)index);
  return TRUE;
}

int CDC::GetClipBox(LPRECT lpRect) const {
  if (!lpRect) return 0;
  CRect r = m_pList->bounds;
  CPoint shift = m_state.windowOrg - CSize(m_state.viewportOrg.x, m_state.viewportOrg.y);
  r = CRect(r.left + shift.x, r.top + shift.y, r.right + shift.x, r.bottom + shift.y);
  *lpRect = r;
  return r.IsRectEmpty() ? NULLREGION : SIMPLEREGION;
}

// ---- lines and shapes ----------------------------------------------------------------

CPoint CDC::MoveTo(int x, int y) {
  CPoint old = m_state.pos;
  m_state.pos = CPoint(x, y);
  return old;
}

BOOL CDC::LineTo(int x, int y) {
  CDrawPrimitive& p = Add(CDrawPrimitive::Line);
  p.points = {ToDevice(m_state.pos.x, m_state.pos.y), ToDevice(x, y)};
  m_state.pos = CPoint(x, y);
  return TRUE;
}

BOOL CDC::Polyline(const POINT* lpPoints, int nCount) {
  if (!lpPoints || nCount < 2) return FALSE;
  CDrawPrimitive& p = Add(CDrawPrimitive::Polyline);
  for (int i = 0; i < nCount; ++i) p.points.push_back(ToDevice(lpPoints[i].x, lpPoints[i].y));
  return TRUE;
}

BOOL CDC::Polygon(const POINT* lpPoints, int nCount) {
  if (!lpPoints || nCount < 2) return FALSE;
  CDrawPrimitive& p = Add(CDrawPrimitive::Polygon);
  for (int i = 0; i < nCount; ++i) p.points.push_back(ToDevice(lpPoints[i].x, lpPoints[i].y));
  return TRUE;
}

BOOL CDC::Rectangle(int x1, int y1, int x2, int y2) {
  AddBox(CDrawPrimitive::Rectangle, x1, y1, x2, y2);
  return TRUE;
}

BOOL CDC::Ellipse(int x1, int y1, int x2, int y2) {
  AddBox(CDrawPrimitive::Ellipse, x1, y1, x2, y2);
  return TRUE;
}

void CDC::FillRect(LPCRECT lpRect, CBrush* pBrush) {
  if (!lpRect || !pBrush || !pBrush->m_hObject) return;
  AddBox(CDrawPrimitive::FillRect, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  CDrawPrimitive& p = m_pList->items.back();
  p.brushColor = pBrush->m_log.lbColor;
  p.brushNull = pBrush->m_log.lbStyle == BS_NULL;
  p.penStyle = PS_NULL;
}

void CDC::FillSolidRect(LPCRECT lpRect, COLORREF clr) {
  if (!lpRect) return;
  SetBkColor(clr);
  AddBox(CDrawPrimitive::FillRect, lpRect->left, lpRect->top, lpRect->right, lpRect->bottom);
  CDrawPrimitive& p = m_pList->items.back();
  p.brushColor = clr & 0x00FFFFFF;
  p.brushNull = false;
  p.penStyle = PS_NULL;
}

void CDC::FillSolidRect(int x, int y, int cx, int cy, COLORREF clr) {
  CRect r(x, y, x + cx, y + cy);
  FillSolidRect(&r, clr);
}

void CDC::Draw3dRect(LPCRECT r, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  if (r) Draw3dRect(r->left, r->top, r->right - r->left, r->bottom - r->top, clrTopLeft, clrBottomRight);
}

void CDC::Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight) {
  // Top and left edges in one colour, right and bottom in the other, each one pixel wide.
  FillSolidRect(x, y, cx - 1, 1, clrTopLeft);
  FillSolidRect(x, y + 1, 1, cy - 2, clrTopLeft);
  FillSolidRect(x + cx - 1, y, 1, cy, clrBottomRight);
  FillSolidRect(x, y + cy - 1, cx - 1, 1, clrBottomRight);
}

BOOL CDC::PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop) {
  AddBox(CDrawPrimitive::PatBlt, x, y, x + nWidth, y + nHeight);
  CDrawPrimitive& p = m_pList->items.back();
  p.rop = dwRop;
  p.penStyle = PS_NULL;
  if (dwRop == BLACKNESS || dwRop == WHITENESS) {
    p.brushColor = dwRop == BLACKNESS ? RGB(0, 0, 0) : RGB(255, 255, 255);
    p.brushNull = false;
  }
  return TRUE;
}

BOOL CDC::BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop) {
  if (!pSrcDC || pSrcDC == this) return FALSE;
  if (dwRop == BLACKNESS || dwRop == WHITENESS || dwRop == PATCOPY) return PatBlt(x, y, nWidth, nHeight, dwRop);
  // The source's picture, moved so that its (xSrc, ySrc) lands on (x, y).
  CPoint to = ToDevice(x, y);
  CPoint from = pSrcDC->ToDevice(xSrc, ySrc);
  CSize shift = to - from;
  for (const CDrawPrimitive& src : pSrcDC->m_pList->items) {
    CDrawPrimitive p = src;
    for (CPoint& pt : p.points) pt = pt + shift;
    m_pList->items.push_back(std::move(p));
  }
  return TRUE;
}

// ---- text ----------------------------------------------------------------------------

CSize CDC::GetTextExtent(LPCTSTR lpszString, int nCount) const {
  int h = FontHeight();
  return CSize(Units(Slice(lpszString, nCount)) * ((h + 1) / 2), h);
}

void CDC::AddText(int x, int y, const CString& text) {
  CSize ext = GetTextExtent(text);
  CDrawPrimitive& p = Add(CDrawPrimitive::Text);
  p.points = {ToDevice(x, y), ToDevice(x + ext.cx, y + ext.cy)};
  p.text = text;
}

BOOL CDC::TextOut(int x, int y, LPCTSTR lpszString, int nCount) {
  std::string s = Slice(lpszString, nCount);
  CSize ext = GetTextExtent(s.c_str(), -1);
  UINT a = m_state.textAlign;
  if ((a & TA_CENTER) == TA_CENTER) x -= ext.cx / 2;
  else if (a & TA_RIGHT) x -= ext.cx;
  if ((a & TA_BASELINE) == TA_BASELINE) y -= ext.cy - ext.cy / 5;
  else if (a & TA_BOTTOM) y -= ext.cy;
  AddText(x, y, CString(s));
  return TRUE;
}

int CDC::DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat) {
  if (!lpRect) return 0;
  std::string s = Slice(lpszString, nCount);
  if (!(nFormat & DT_NOPREFIX)) s = StripPrefix(s);
  std::vector<std::string> lines;
  if (nFormat & DT_SINGLELINE) {
    s.erase(std::remove_if(s.begin(), s.end(), [](char c) { return c == '\r' || c == '\n'; }), s.end());
    lines.push_back(s);
  } else {
    size_t start = 0;
    for (;;) {
      size_t nl = s.find('\n', start);
      std::string line = s.substr(start, nl == std::string::npos ? std::string::npos : nl - start);
      if (!line.empty() && line.back() == '\r') line.pop_back();
      lines.push_back(line);
      if (nl == std::string::npos) break;
      start = nl + 1;
    }
  }
  int h = FontHeight();
  int widest = 0;
  for (const std::string& l : lines) widest = std::max(widest, (int)GetTextExtent(l.c_str(), -1).cx);
  int total = h * (int)lines.size();
  if (nFormat & DT_CALCRECT) {
    lpRect->right = lpRect->left + widest;
    lpRect->bottom = lpRect->top + total;
    return total;
  }
  int y = lpRect->top;
  if (nFormat & DT_SINGLELINE) {
    if (nFormat & DT_VCENTER) y = (lpRect->top + lpRect->bottom - h) / 2;
    else if (nFormat & DT_BOTTOM) y = lpRect->bottom - h;
  }
  for (const std::string& l : lines) {
    int w = GetTextExtent(l.c_str(), -1).cx;
    int x = lpRect->left;
    if (nFormat & DT_CENTER) x = (lpRect->left + lpRect->right - w) / 2;
    else if (nFormat & DT_RIGHT) x = lpRect->right - w;
    AddText(x, y, CString(l));
    y += h;
  }
  return total;
}
