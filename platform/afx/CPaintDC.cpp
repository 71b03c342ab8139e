#include "afx/CPaintDC.h"

#include "afx/CWnd.h"

namespace {
// The window's picture, its bounds set to the client rectangle; a DC without a window
// records into a list of its own.
CDisplayList* Picture(CWnd* pWnd) {
  if (!pWnd) return nullptr;
  CRect client;
  pWnd->GetClientRect(&client);
  pWnd->m_paint.bounds = client;
  return &pWnd->m_paint;
}
}  // namespace

CPaintDC::CPaintDC(CWnd* pWnd) : CDC(Picture(pWnd)), m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) {
  m_ps.hdc = m_hDC;
  m_ps.fErase = FALSE;
  m_ps.rcPaint = GetDisplayList().bounds;
}

CPaintDC::~CPaintDC() = default;

CClientDC::CClientDC(CWnd* pWnd) : CDC(Picture(pWnd)), m_hWnd(pWnd ? pWnd->GetSafeHwnd() : nullptr) {}

CClientDC::~CClientDC() = default;
