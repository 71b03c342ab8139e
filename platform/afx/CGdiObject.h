// Drawing objects: pens, brushes, fonts and bitmaps. Nothing is drawn; a device context
// (CDC) copies an object's attributes when the object is selected and records them with
// every primitive.
//
// Handles: a created pen, brush or font is its own handle (FromHandle gives the object back),
// so a handle stays valid exactly as long as its object is created. The stock objects and the
// system-colour brushes are objects that live for the whole process. A bitmap loaded from
// the resources has the resource id for its handle, as the windows' SetBitmap expects.
#pragma once
#include "afx/AfxGdi.h"
#include "afx/CObject.h"
#include "afx/CString.h"

class CDC;

class CGdiObject : public CObject {
 public:
  enum Kind { None, Pen, Brush, Font, Bitmap };

  CGdiObject() = default;
  ~CGdiObject() override;
  CGdiObject(const CGdiObject&) = delete;
  CGdiObject& operator=(const CGdiObject&) = delete;

  HGDIOBJ m_hObject = nullptr;

  operator HGDIOBJ() const { return m_hObject; }
  HGDIOBJ GetSafeHandle() const { return m_hObject; }
  Kind GetKind() const { return m_kind; }
  // Releases the object; FALSE when it held none. A stock object is only let go of.
  BOOL DeleteObject();
  // Makes this object a copy of a stock object (WHITE_BRUSH, NULL_PEN, DEFAULT_GUI_FONT...).
  BOOL CreateStockObject(int nIndex);
  // The process's stock object of that index, or NULL.
  static CGdiObject* GetStockObject(int nIndex);
  static CGdiObject* FromHandle(HGDIOBJ h);

 protected:
  explicit CGdiObject(Kind kind) : m_kind(kind) {}
  void Attach(Kind kind) {
    m_kind = kind;
    m_hObject = reinterpret_cast<HGDIOBJ>(this);
  }
  Kind m_kind = None;

  friend class CDC;
};

class CPen : public CGdiObject {
 public:
  CPen() : CGdiObject(Pen) {}
  CPen(int nPenStyle, int nWidth, COLORREF crColor) : CGdiObject(Pen) { CreatePen(nPenStyle, nWidth, crColor); }
  BOOL CreatePen(int nPenStyle, int nWidth, COLORREF crColor);
  BOOL CreatePenIndirect(const LOGPEN* lp);
  int GetLogPen(LOGPEN* lp) const;
  operator HPEN() const { return reinterpret_cast<HPEN>(m_hObject); }
  static CPen* FromHandle(HPEN h) { return reinterpret_cast<CPen*>(h); }

  LOGPEN m_log;
};

class CBrush : public CGdiObject {
 public:
  CBrush() : CGdiObject(Brush) {}
  explicit CBrush(COLORREF crColor) : CGdiObject(Brush) { CreateSolidBrush(crColor); }
  BOOL CreateSolidBrush(COLORREF crColor);
  BOOL CreateBrushIndirect(const LOGBRUSH* lb);
  int GetLogBrush(LOGBRUSH* lb) const;
  operator HBRUSH() const { return reinterpret_cast<HBRUSH>(m_hObject); }
  static CBrush* FromHandle(HBRUSH h) { return reinterpret_cast<CBrush*>(h); }

  LOGBRUSH m_log;
};

class CFont : public CGdiObject {
 public:
  CFont() : CGdiObject(Font) {}
  BOOL CreateFontIndirect(const LOGFONT* lf);
  BOOL CreateFont(int nHeight, int nWidth, int nEscapement, int nOrientation, int nWeight,
                  BYTE bItalic, BYTE bUnderline, BYTE cStrikeOut, BYTE nCharSet,
                  BYTE nOutPrecision, BYTE nClipPrecision, BYTE nQuality, BYTE nPitchAndFamily,
                  LPCTSTR lpszFacename);
  // nPointSize in tenths of a point, at 96 pixels an inch: 90 gives a 12-pixel font.
  BOOL CreatePointFont(int nPointSize, LPCTSTR lpszFaceName, CDC* pDC = nullptr);
  int GetLogFont(LOGFONT* lf) const;
  operator HFONT() const { return reinterpret_cast<HFONT>(m_hObject); }
  static CFont* FromHandle(HFONT h) { return reinterpret_cast<CFont*>(h); }

  LOGFONT m_log;
};

class CBitmap : public CGdiObject {
 public:
  CBitmap() : CGdiObject(Bitmap) {}
  // Finds the bitmap in the resource chain; FALSE when no module has it.
  BOOL LoadBitmap(UINT nIDResource);
  BOOL LoadBitmap(LPCTSTR lpszResourceName);   // MAKEINTRESOURCE(id)
  // A blank bitmap of that size (for a memory DC).
  BOOL CreateCompatibleBitmap(CDC* pDC, int nWidth, int nHeight);
  int GetBitmap(BITMAP* pBitMap) const;
  CSize GetBitmapDimension() const { return m_size; }
  operator HBITMAP() const { return reinterpret_cast<HBITMAP>(m_hObject); }

  int m_nResourceId = 0;        // 0 for a created bitmap
  CString m_file;               // the picture's file as the resource script names it
  CSize m_size;
};
