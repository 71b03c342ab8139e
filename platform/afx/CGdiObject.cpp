#include "afx/CGdiObject.h"

#include <cstring>

#include "afx/AfxResource.h"

namespace {

// The stock objects, made on first use and kept for the process.
struct StockObjects {
  CBrush brushes[5];
  CBrush nullBrush;
  CPen whitePen, blackPen, nullPen;
  CFont systemFont, fixedFont;

  StockObjects() {
    const COLORREF greys[5] = {RGB(255, 255, 255), RGB(192, 192, 192), RGB(128, 128, 128),
                               RGB(64, 64, 64), RGB(0, 0, 0)};
    for (int i = 0; i < 5; ++i) brushes[i].CreateSolidBrush(greys[i]);
    LOGBRUSH hollow;
    hollow.lbStyle = BS_NULL;
    nullBrush.CreateBrushIndirect(&hollow);
    whitePen.CreatePen(PS_SOLID, 1, RGB(255, 255, 255));
    blackPen.CreatePen(PS_SOLID, 1, RGB(0, 0, 0));
    nullPen.CreatePen(PS_NULL, 1, RGB(0, 0, 0));
    systemFont.CreatePointFont(90, "宋体");
    fixedFont.CreatePointFont(90, "Courier New");
  }
  CGdiObject* Get(int i) {
    switch (i) {
      case WHITE_BRUSH: case LTGRAY_BRUSH: case GRAY_BRUSH: case DKGRAY_BRUSH: case BLACK_BRUSH:
        return &brushes[i];
      case NULL_BRUSH: return &nullBrush;
      case WHITE_PEN: return &whitePen;
      case BLACK_PEN: return &blackPen;
      case NULL_PEN: return &nullPen;
      case ANSI_VAR_FONT: case SYSTEM_FONT: case DEVICE_DEFAULT_FONT: case DEFAULT_GUI_FONT:
        return &systemFont;
      case OEM_FIXED_FONT: case ANSI_FIXED_FONT: case SYSTEM_FIXED_FONT:
        return &fixedFont;
      default: return nullptr;
    }
  }
};

StockObjects& Stock() {
  static StockObjects* stock = new StockObjects;  // never destroyed: handles outlive exit
  return *stock;
}

}  // namespace

CGdiObject::~CGdiObject() { DeleteObject(); }

BOOL CGdiObject::DeleteObject() {
  if (!m_hObject) return FALSE;
  m_hObject = nullptr;
  return TRUE;
}

CGdiObject* CGdiObject::GetStockObject(int nIndex) { return Stock().Get(nIndex); }

CGdiObject* CGdiObject::FromHandle(HGDIOBJ h) { return reinterpret_cast<CGdiObject*>(h); }

BOOL CGdiObject::CreateStockObject(int nIndex) {
  CGdiObject* s = GetStockObject(nIndex);
  if (!s || s->m_kind != m_kind) return FALSE;
  switch (m_kind) {
    case Pen: static_cast<CPen*>(this)->m_log = static_cast<CPen*>(s)->m_log; break;
    case Brush: static_cast<CBrush*>(this)->m_log = static_cast<CBrush*>(s)->m_log; break;
    case Font: static_cast<CFont*>(this)->m_log = static_cast<CFont*>(s)->m_log; break;
    default: return FALSE;
  }
  Attach(m_kind);
  return TRUE;
}

// ---- pens ----------------------------------------------------------------------------

BOOL CPen::CreatePen(int nPenStyle, int nWidth, COLORREF crColor) {
  if (m_hObject || nPenStyle < PS_SOLID || nPenStyle > PS_INSIDEFRAME) return FALSE;
  m_log.lopnStyle = (UINT)nPenStyle;
  m_log.lopnWidth.x = nWidth < 1 ? 1 : nWidth;
  m_log.lopnColor = crColor & 0x00FFFFFF;
  Attach(Pen);
  return TRUE;
}

BOOL CPen::CreatePenIndirect(const LOGPEN* lp) {
  return lp && CreatePen((int)lp->lopnStyle, (int)lp->lopnWidth.x, lp->lopnColor);
}

int CPen::GetLogPen(LOGPEN* lp) const {
  if (!m_hObject || !lp) return 0;
  *lp = m_log;
  return (int)sizeof(LOGPEN);
}

// ---- brushes -------------------------------------------------------------------------

BOOL CBrush::CreateSolidBrush(COLORREF crColor) {
  if (m_hObject) return FALSE;
  m_log.lbStyle = BS_SOLID;
  m_log.lbColor = crColor & 0x00FFFFFF;
  Attach(Brush);
  return TRUE;
}

BOOL CBrush::CreateBrushIndirect(const LOGBRUSH* lb) {
  if (m_hObject || !lb || (lb->lbStyle != BS_SOLID && lb->lbStyle != BS_NULL)) return FALSE;
  m_log = *lb;
  m_log.lbColor &= 0x00FFFFFF;
  Attach(Brush);
  return TRUE;
}

int CBrush::GetLogBrush(LOGBRUSH* lb) const {
  if (!m_hObject || !lb) return 0;
  *lb = m_log;
  return (int)sizeof(LOGBRUSH);
}

// ---- fonts ---------------------------------------------------------------------------

BOOL CFont::CreateFontIndirect(const LOGFONT* lf) {
  if (m_hObject || !lf) return FALSE;
  m_log = *lf;
  m_log.lfFaceName[LF_FACESIZE - 1] = '\0';
  Attach(Font);
  return TRUE;
}

BOOL CFont::CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                       BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                       BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality,
                       BYTE nPitchAndFamily, LPCTSTR lpszFacename) {
  LOGFONT lf;
  lf.lfHeight = nHeight;
  lf.lfWidth = nWidth;
  lf.lfEscapement = nEscapement;
  lf.lfOrientation = nOrientation;
  lf.lfWeight = nWeight;
  lf.lfItalic = bItalic;
  lf.lfUnderline = bUnderline;
  lf.lfStrikeOut = cStrikeOut;
  lf.lfCharSet = nCharSet;
  lf.lfOutPrecision = nOutPrecision;
  lf.lfClipPrecision = nClipPrecision;
  lf.lfQuality = nQuality;
  lf.lfPitchAndFamily = nPitchAndFamily;
  if (lpszFacename) std::strncpy(lf.lfFaceName, lpszFacename, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

BOOL CFont::CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC*) {
  LOGFONT lf;
  lf.lfHeight = -(nPointSize * 96 + 360) / 720;   // tenths of a point to pixels, rounded
  if (lpszFaceName) std::strncpy(lf.lfFaceName, lpszFaceName, LF_FACESIZE - 1);
  return CreateFontIndirect(&lf);
}

int CFont::GetLogFont(LOGFONT* lf) const {
  if (!m_hObject || !lf) return 0;
  *lf = m_log;
  return (int)sizeof(LOGFONT);
}

// ---- bitmaps -------------------------------------------------------------------------

BOOL CBitmap::LoadBitmap(UINT nIDResource) {
  if (m_hObject) return FALSE;
  const AFX_BITMAPRES* res = AfxFindBitmap((int)nIDResource);
  if (!res) return FALSE;
  m_nResourceId = res->id;
  m_file = res->file;
  m_size = CSize(res->cx, res->cy);
  m_kind = Bitmap;
  m_hObject = reinterpret_cast<HGDIOBJ>((uintptr_t)(unsigned)res->id);
  return TRUE;
}

BOOL CBitmap::LoadBitmap(LPCTSTR lpszResourceName) {
  uintptr_t v = reinterpret_cast<uintptr_t>(lpszResourceName);
  return v != 0 && v <= 0xFFFF ? LoadBitmap((UINT)v) : FALSE;
}

BOOL CBitmap::CreateCompatibleBitmap(CDC*, int nWidth, int nHeight) {
  if (m_hObject || nWidth < 0 || nHeight < 0) return FALSE;
  m_nResourceId = 0;
  m_file.Empty();
  m_size = CSize(nWidth, nHeight);
  Attach(Bitmap);
  return TRUE;
}

int CBitmap::GetBitmap(BITMAP* bm) const {
  if (!m_hObject || !bm) return 0;
  *bm = BITMAP();
  bm->bmWidth = m_size.cx;
  bm->bmHeight = m_size.cy;
  bm->bmWidthBytes = (m_size.cx * 3 + 3) / 4 * 4;
  return (int)sizeof(BITMAP);
}
