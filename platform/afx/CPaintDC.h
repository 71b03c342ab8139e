// Device contexts of a window. Both draw onto the window's picture, CWnd::m_paint, whose
// bounds are the window's client rectangle: UpdateWindow starts that picture afresh and
// erases the background into it, then the window's OnPaint draws on it with a CPaintDC; a
// CClientDC adds to it at any time. AfxWriteSvg shows the picture.
#pragma once
#include "afx/CDC.h"

class CWnd;

class CPaintDC : public CDC {
 public:
  explicit CPaintDC(CWnd* pWnd);
  ~CPaintDC() override;

  HWND m_hWnd;
  PAINTSTRUCT m_ps;      // rcPaint: the client rectangle
};

class CClientDC : public CDC {
 public:
  explicit CClientDC(CWnd* pWnd);
  ~CClientDC() override;

  HWND m_hWnd;
};
