// A device context that records instead of drawing: every primitive goes into a display list
// (CDisplayList) with the pen, brush, text colour and font in force. CPaintDC and CClientDC
// record for a window; a bare CDC records into a list of its own or into one it is given; a
// memory DC (CreateCompatibleDC) records into its own list, which BitBlt copies into another.
//
// Coordinates are pixels (the text mapping mode); SetViewportOrg and SetWindowOrg shift
// them, and the list holds device coordinates. Text has a fixed extent rule: a character is
// half the font's height wide, a non-ASCII (CJK) character twice that, and a line is the
// font's height high. DrawText breaks lines only at line breaks.
#pragma once
#include <vector>

#include "afx/AfxGdi.h"
#include "afx/CDisplayList.h"
#include "afx/CGdiObject.h"

class CDC : public CObject {
 public:
  CDC();
  explicit CDC(CDisplayList* target);
  ~CDC() override;
  CDC(const CDC&) = delete;
  CDC& operator=(const CDC&) = delete;

  HDC m_hDC;
  operator HDC() const { return m_hDC; }
  HDC GetSafeHdc() const { return m_hDC; }
  static CDC* FromHandle(HDC h) { return reinterpret_cast<CDC*>(h); }
  // What this DC recorded so far.
  CDisplayList& GetDisplayList() { return *m_pList; }
  const CDisplayList& GetDisplayList() const { return *m_pList; }

  // Memory DCs.
  BOOL CreateCompatibleDC(CDC* pDC);
  BOOL DeleteDC();
  BOOL BitBlt(int x, int y, int nWidth, int nHeight, CDC* pSrcDC, int xSrc, int ySrc, DWORD dwRop);

  // Drawing objects: each returns the object of that kind selected before, NULL on failure.
  CPen* SelectObject(CPen* pPen);
  CBrush* SelectObject(CBrush* pBrush);
  CFont* SelectObject(CFont* pFont);
  CBitmap* SelectObject(CBitmap* pBitmap);
  CGdiObject* SelectObject(CGdiObject* pObject);
  CGdiObject* SelectStockObject(int nIndex);
  CPen* GetCurrentPen() const { return m_state.pen; }
  CBrush* GetCurrentBrush() const { return m_state.brush; }
  CFont* GetCurrentFont() const { return m_state.font; }
  CBitmap* GetCurrentBitmap() const { return m_state.bitmap; }

  // Attributes.
  COLORREF SetTextColor(COLORREF crColor);
  COLORREF GetTextColor() const { return m_state.textColor; }
  COLORREF SetBkColor(COLORREF crColor);
  COLORREF GetBkColor() const { return m_state.bkColor; }
  int SetBkMode(int nBkMode);
  int GetBkMode() const { return m_state.bkMode; }
  int SetROP2(int nDrawMode);
  int GetROP2() const { return m_state.rop2; }
  UINT SetTextAlign(UINT nFlags);
  UINT GetTextAlign() const { return m_state.textAlign; }
  CPoint SetViewportOrg(int x, int y);
  CPoint SetViewportOrg(POINT p) { return SetViewportOrg(p.x, p.y); }
  CPoint GetViewportOrg() const { return m_state.viewportOrg; }
  CPoint OffsetViewportOrg(int dx, int dy);
  CPoint SetWindowOrg(int x, int y);
  CPoint SetWindowOrg(POINT p) { return SetWindowOrg(p.x, p.y); }
  CPoint GetWindowOrg() const { return m_state.windowOrg; }
  int GetDeviceCaps(int nIndex) const;
  // The saved states are numbered from 1; RestoreDC(-1) restores the last one.
  int SaveDC();
  BOOL RestoreDC(int nSavedDC);
  // The area that can be drawn, in logical coordinates.
  int GetClipBox(LPRECT lpRect) const;

  // Lines and shapes.
  CPoint MoveTo(int x, int y);
  CPoint MoveTo(POINT p) { return MoveTo(p.x, p.y); }
  CPoint GetCurrentPosition() const { return m_state.pos; }
  BOOL LineTo(int x, int y);
  BOOL LineTo(POINT p) { return LineTo(p.x, p.y); }
  BOOL Polyline(const POINT* lpPoints, int nCount);
  BOOL Polygon(const POINT* lpPoints, int nCount);
  BOOL Rectangle(int x1, int y1, int x2, int y2);
  BOOL Rectangle(LPCRECT lpRect) { return Rectangle(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  BOOL Rectangle(const RECT& r) { return Rectangle(&r); }
  BOOL Ellipse(int x1, int y1, int x2, int y2);
  BOOL Ellipse(LPCRECT lpRect) { return Ellipse(lpRect->left, lpRect->top, lpRect->right, lpRect->bottom); }
  BOOL Ellipse(const RECT& r) { return Ellipse(&r); }
  void FillRect(LPCRECT lpRect, CBrush* pBrush);
  void FillRect(const RECT& r, CBrush* pBrush) { FillRect(&r, pBrush); }
  // Fills with a colour; as the class library does, the colour becomes the background colour.
  void FillSolidRect(LPCRECT lpRect, COLORREF clr);
  void FillSolidRect(const RECT& r, COLORREF clr) { FillSolidRect(&r, clr); }
  void FillSolidRect(int x, int y, int cx, int cy, COLORREF clr);
  void Draw3dRect(LPCRECT lpRect, COLORREF clrTopLeft, COLORREF clrBottomRight);
  void Draw3dRect(const RECT& r, COLORREF clrTopLeft, COLORREF clrBottomRight) { Draw3dRect(&r, clrTopLeft, clrBottomRight); }
  void Draw3dRect(int x, int y, int cx, int cy, COLORREF clrTopLeft, COLORREF clrBottomRight);
  BOOL PatBlt(int x, int y, int nWidth, int nHeight, DWORD dwRop);

  // Text.
  BOOL TextOut(int x, int y, LPCTSTR lpszString, int nCount);
  BOOL TextOut(int x, int y, const CString& str) { return TextOut(x, y, str, str.GetLength()); }
  int DrawText(LPCTSTR lpszString, int nCount, LPRECT lpRect, UINT nFormat);
  int DrawText(const CString& str, LPRECT lpRect, UINT nFormat) { return DrawText(str, str.GetLength(), lpRect, nFormat); }
  CSize GetTextExtent(LPCTSTR lpszString, int nCount) const;
  CSize GetTextExtent(const CString& str) const { return GetTextExtent(str, str.GetLength()); }

 private:
  struct State {
    CPen* pen = nullptr;
    CBrush* brush = nullptr;
    CFont* font = nullptr;
    CBitmap* bitmap = nullptr;
    LOGPEN penLog;
    LOGBRUSH brushLog;
    LOGFONT fontLog;
    COLORREF textColor = 0;
    COLORREF bkColor = 0x00FFFFFF;
    int bkMode = OPAQUE;
    int rop2 = R2_COPYPEN;
    UINT textAlign = TA_LEFT | TA_TOP;
    CPoint pos;
    CPoint viewportOrg;
    CPoint windowOrg;
  };

  void Init();
  CPoint ToDevice(int x, int y) const;
  CDrawPrimitive& Add(CDrawPrimitive::Kind kind);
  void AddBox(CDrawPrimitive::Kind kind, int x1, int y1, int x2, int y2);
  void AddText(int x, int y, const CString& text);
  int FontHeight() const;

  CDisplayList m_own;
  CDisplayList* m_pList;
  bool m_bMemory = false;
  State m_state;
  std::vector<State> m_saved;
};
