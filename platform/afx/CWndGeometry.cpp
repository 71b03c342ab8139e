// CWnd: rectangles, coordinates, z order, visibility and enabled state, painting, the
// window's own scroll bars, timers.
#include <algorithm>

#include "afx/AfxSystem.h"
#include "afx/AfxWndState.h"
#include "afx/CPaintDC.h"
#include "afx/CWnd.h"

CRect AfxNonClientInsets(const AfxWndState* w) {
  CRect r;
  if (!w) return r;
  int frame = 0;
  if (w->style & WS_THICKFRAME)
    frame = GetSystemMetrics(SM_CXFRAME);
  else if ((w->style & WS_DLGFRAME) || (w->kind == AfxKind::Dialog && (w->style & DS_MODALFRAME)))
    frame = GetSystemMetrics(SM_CXDLGFRAME);
  else if (w->style & WS_BORDER)
    frame = GetSystemMetrics(SM_CXBORDER);
  if (w->exStyle & WS_EX_CLIENTEDGE) frame += GetSystemMetrics(SM_CXEDGE);
  r.SetRect(frame, frame, frame, frame);
  if ((w->style & WS_CAPTION) == WS_CAPTION) r.top += GetSystemMetrics(SM_CYCAPTION);
  if (w->style & WS_VSCROLL) r.right += GetSystemMetrics(SM_CXVSCROLL);
  if (w->style & WS_HSCROLL) r.bottom += GetSystemMetrics(SM_CYHSCROLL);
  return r;
}

CPoint AfxClientOrigin(const AfxWndState* w) {
  CPoint p;
  if (!w) return p;
  CRect in = AfxNonClientInsets(w);
  p = CPoint(w->rect.left + in.left, w->rect.top + in.top);
  if (w->style & WS_CHILD)
    if (AfxWndState* parent = AfxWnd(w->parent)) p = p + AfxClientOrigin(parent);
  return p;
}

void CWnd::GetWindowRect(LPRECT lpRect) const {
  AfxWndState* w = State();
  if (!lpRect) return;
  if (!w) {
    *lpRect = RECT();
    return;
  }
  CRect r = w->rect;
  if (w->style & WS_CHILD)
    if (AfxWndState* parent = AfxWnd(w->parent)) r.OffsetRect(AfxClientOrigin(parent));
  *lpRect = r;
}

void CWnd::GetClientRect(LPRECT lpRect) const {
  AfxWndState* w = State();
  if (!lpRect) return;
  if (!w) {
    *lpRect = RECT();
    return;
  }
  CRect in = AfxNonClientInsets(w);
  *lpRect = CRect(0, 0, std::max(0L, w->rect.Width() - in.left - in.right),
                  std::max(0L, w->rect.Height() - in.top - in.bottom));
}

void CWnd::ClientToScreen(LPPOINT p) const {
  CPoint o = AfxClientOrigin(State());
  p->x += o.x;
  p->y += o.y;
}

void CWnd::ClientToScreen(LPRECT r) const {
  CPoint o = AfxClientOrigin(State());
  r->left += o.x;
  r->right += o.x;
  r->top += o.y;
  r->bottom += o.y;
}

void CWnd::ScreenToClient(LPPOINT p) const {
  CPoint o = AfxClientOrigin(State());
  p->x -= o.x;
  p->y -= o.y;
}

void CWnd::ScreenToClient(LPRECT r) const {
  CPoint o = AfxClientOrigin(State());
  r->left -= o.x;
  r->right -= o.x;
  r->top -= o.y;
  r->bottom -= o.y;
}

void CWnd::MapWindowPoints(CWnd* pWndTo, LPRECT lpRect) const {
  ClientToScreen(lpRect);
  if (pWndTo) pWndTo->ScreenToClient(lpRect);
}

void CWnd::MapWindowPoints(CWnd* pWndTo, LPPOINT lpPoint, UINT nCount) const {
  for (UINT i = 0; i < nCount; ++i) {
    ClientToScreen(&lpPoint[i]);
    if (pWndTo) pWndTo->ScreenToClient(&lpPoint[i]);
  }
}

void CWnd::MoveWindow(int x, int y, int nWidth, int nHeight, BOOL bRepaint) {
  SetWindowPos(nullptr, x, y, nWidth, nHeight, SWP_NOZORDER | SWP_NOACTIVATE | (bRepaint ? 0u : (UINT)SWP_NOREDRAW));
}

void CWnd::MoveWindow(LPCRECT r, BOOL bRepaint) {
  MoveWindow(r->left, r->top, r->right - r->left, r->bottom - r->top, bRepaint);
}

const CWnd CWnd::wndTop(HWND_TOP);
const CWnd CWnd::wndBottom(HWND_BOTTOM);
const CWnd CWnd::wndTopMost(HWND_TOPMOST);
const CWnd CWnd::wndNoTopMost(HWND_NOTOPMOST);

BOOL CWnd::SetWindowPos(const CWnd* pWndInsertAfter, int x, int y, int cx, int cy, UINT nFlags) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  HWND h = w->h;
  CRect old = w->rect;
  CRect r = old;
  if (!(nFlags & SWP_NOMOVE)) r.OffsetRect(x - r.left, y - r.top);
  if (!(nFlags & SWP_NOSIZE)) {
    r.right = r.left + std::max(0, cx);
    r.bottom = r.top + std::max(0, cy);
  }
  if (!(nFlags & SWP_NOZORDER) && (w->style & WS_CHILD))
    if (AfxWndState* p = AfxWnd(w->parent)) {
      HWND after = pWndInsertAfter ? pWndInsertAfter->m_hWnd : HWND_TOP;
      auto& c = p->children;
      c.erase(std::remove(c.begin(), c.end(), h), c.end());
      if (after == HWND_TOP || after == HWND_TOPMOST || after == HWND_NOTOPMOST) {
        c.insert(c.begin(), h);
      } else if (after == HWND_BOTTOM) {
        c.push_back(h);
      } else {
        auto it = std::find(c.begin(), c.end(), after);
        c.insert(it == c.end() ? c.end() : it + 1, h);
      }
    }
  w->rect = r;
  if (!(nFlags & SWP_NOREDRAW) && r != old) w->needsPaint = true;
  if (r.Size() != old.Size()) {
    CRect cr;
    GetClientRect(&cr);
    SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(cr.Width(), cr.Height()));
  }
  if ((w = AfxWnd(h)) && r.TopLeft() != old.TopLeft()) SendMessage(WM_MOVE, 0, MAKELPARAM(r.left, r.top));
  if ((nFlags & SWP_SHOWWINDOW) && AfxWnd(h)) ShowWindow(SW_SHOWNA);
  if ((nFlags & SWP_HIDEWINDOW) && AfxWnd(h)) ShowWindow(SW_HIDE);
  return TRUE;
}

void CWnd::CenterWindow(CWnd* pAlternateOwner) {
  AfxWndState* w = State();
  if (!w) return;
  CRect area(0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY);
  CWnd* over = pAlternateOwner ? pAlternateOwner : FromHandle(w->parent);
  if (over && over->m_hWnd) {
    if (w->style & WS_CHILD)
      over->GetClientRect(&area);
    else
      over->GetWindowRect(&area);
  }
  CRect r;
  GetWindowRect(&r);
  int x = area.left + (area.Width() - r.Width()) / 2;
  int y = area.top + (area.Height() - r.Height()) / 2;
  SetWindowPos(nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
}

// ---- visibility and enabled state --------------------------------------------------------

BOOL CWnd::ShowWindow(int nCmdShow) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  HWND h = w->h;
  BOOL was = (w->style & WS_VISIBLE) ? TRUE : FALSE;
  BOOL show = nCmdShow != SW_HIDE;
  if (show == was) return was;
  SendMessage(WM_SHOWWINDOW, (WPARAM)show, 0);
  if (!(w = AfxWnd(h))) return was;
  if (show) {
    w->style |= WS_VISIBLE;
    w->needsPaint = true;
    if (!(w->style & WS_CHILD) && nCmdShow != SW_SHOWNA && nCmdShow != SW_SHOWNOACTIVATE &&
        nCmdShow != SW_SHOWMINNOACTIVE)
      SetActiveWindow();
  } else {
    w->style &= ~WS_VISIBLE;
    CWnd* f = GetFocus();
    if (f && (f->m_hWnd == h || IsChild(f))) {
      AfxWndState* p = (w->style & WS_CHILD) ? AfxWnd(w->parent) : nullptr;
      ::SetFocus(p ? p->h : nullptr);
    }
    if (AfxWndState* p = AfxWnd(w->parent)) p->needsPaint = true;
  }
  return was;
}

BOOL CWnd::IsWindowVisible() const { return ::IsWindowVisible(m_hWnd); }

BOOL IsWindowVisible(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w) return FALSE;
  for (;;) {
    if (!(w->style & WS_VISIBLE)) return FALSE;
    if (!(w->style & WS_CHILD)) return TRUE;
    AfxWndState* p = AfxWnd(w->parent);
    if (!p) return TRUE;
    w = p;
  }
}

BOOL CWnd::EnableWindow(BOOL bEnable) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  HWND h = w->h;
  BOOL wasDisabled = (w->style & WS_DISABLED) ? TRUE : FALSE;
  if (wasDisabled == !bEnable) return wasDisabled;
  if (bEnable) {
    w->style &= ~WS_DISABLED;
  } else {
    w->style |= WS_DISABLED;
    CWnd* f = GetFocus();
    if (f && f->m_hWnd == h) ::SetFocus(nullptr);
  }
  if (AfxWnd(h)) {
    w->needsPaint = true;
    SendMessage(WM_ENABLE, (WPARAM)bEnable);
  }
  return wasDisabled;
}

BOOL CWnd::IsWindowEnabled() const { return ::IsWindowEnabled(m_hWnd); }

BOOL IsWindowEnabled(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  return w && !(w->style & WS_DISABLED);
}

BOOL EnableWindow(HWND hWnd, BOOL bEnable) {
  CWnd* p = CWnd::FromHandle(hWnd);
  return p ? p->EnableWindow(bEnable) : FALSE;
}

BOOL ShowWindow(HWND hWnd, int nCmdShow) {
  CWnd* p = CWnd::FromHandle(hWnd);
  return p ? p->ShowWindow(nCmdShow) : FALSE;
}

void CWnd::BringWindowToTop() { SetWindowPos(&wndTop, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE); }

// ---- painting -----------------------------------------------------------------------------

void CWnd::Invalidate(BOOL) {
  if (AfxWndState* w = State()) w->needsPaint = true;
}

void CWnd::InvalidateRect(LPCRECT, BOOL bErase) { Invalidate(bErase); }

BOOL CWnd::NeedsPaint() const {
  AfxWndState* w = State();
  return w && w->needsPaint;
}

void CWnd::UpdateWindow() {
  AfxWndState* w = State();
  if (!w || !w->needsPaint || w->noRedraw || !::IsWindowVisible(w->h)) return;
  w->needsPaint = false;
  HWND h = w->h;
  CWnd* obj = FromHandle(h);
  obj->m_paint.Clear();
  CRect cr;
  obj->GetClientRect(&cr);
  obj->m_paint.bounds = cr;
  {
    CClientDC dc(obj);
    SendMessage(WM_ERASEBKGND, (WPARAM)(CDC*)&dc);
  }
  if (AfxWnd(h)) SendMessage(WM_PAINT);
}

BOOL CWnd::RedrawWindow(LPCRECT, void*, UINT flags) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  if (flags & RDW_INVALIDATE) {
    w->needsPaint = true;
    if (flags & RDW_ALLCHILDREN)
      for (HWND c : w->children)
        if (AfxWndState* cw = AfxWnd(c)) cw->needsPaint = true;
  }
  if (flags & RDW_UPDATENOW) UpdateWindow();
  return TRUE;
}

CDC* CWnd::GetDC() {
  if (!State()) return nullptr;
  return new CClientDC(this);
}

int CWnd::ReleaseDC(CDC* pDC) {
  if (!pDC) return 0;
  delete pDC;
  return 1;
}

void CWnd::SetRedraw(BOOL bRedraw) {
  if (AfxWndState* w = State()) {
    w->noRedraw = !bRedraw;
    if (bRedraw) w->needsPaint = true;
  }
}

void AfxPaintPending() {
  std::vector<HWND> todo;
  AfxEnumWindows([&](HWND h) {
    AfxWndState* w = AfxWnd(h);
    if (w->needsPaint && !w->noRedraw && IsWindowVisible(h)) todo.push_back(h);
  });
  for (HWND h : todo)
    if (CWnd* p = CWnd::FromHandle(h)) p->UpdateWindow();
}

// ---- the window's own scroll bars ---------------------------------------------------------

namespace {
AfxScroll* BarOf(AfxWndState* w, int nBar) {
  if (!w) return nullptr;
  if (nBar == SB_CTL) return w->kind == AfxKind::ScrollBar ? &w->scroll[0] : nullptr;
  if (nBar == SB_HORZ || nBar == SB_VERT) return &w->scroll[nBar];
  return nullptr;
}

void Clamp(SCROLLINFO& si) {
  if (si.nMax < si.nMin) si.nMax = si.nMin;
  UINT span = (UINT)(si.nMax - si.nMin + 1);
  if (si.nPage > span) si.nPage = span;
  int maxPos = si.nMax - std::max(0, (int)si.nPage - 1);
  si.nPos = std::clamp(si.nPos, si.nMin, std::max(si.nMin, maxPos));
  si.nTrackPos = si.nPos;
}
}  // namespace

BOOL AfxSetScrollInfo(AfxWndState* w, int nBar, const SCROLLINFO* in) {
  AfxScroll* b = BarOf(w, nBar);
  if (!b || !in) return FALSE;
  SCROLLINFO& si = b->si;
  if (in->fMask & SIF_RANGE) {
    si.nMin = in->nMin;
    si.nMax = in->nMax;
  }
  if (in->fMask & SIF_PAGE) si.nPage = in->nPage;
  if (in->fMask & SIF_POS) si.nPos = in->nPos;
  Clamp(si);
  w->needsPaint = true;
  return TRUE;
}

BOOL AfxGetScrollInfo(AfxWndState* w, int nBar, SCROLLINFO* out, UINT nMask) {
  AfxScroll* b = BarOf(w, nBar);
  if (!b || !out) return FALSE;
  UINT mask = nMask;  // as the class library does: the mask asked for replaces fMask
  out->fMask = nMask;
  if (mask & SIF_RANGE) {
    out->nMin = b->si.nMin;
    out->nMax = b->si.nMax;
  }
  if (mask & SIF_PAGE) out->nPage = b->si.nPage;
  if (mask & SIF_POS) out->nPos = b->si.nPos;
  if (mask & SIF_TRACKPOS) out->nTrackPos = b->si.nTrackPos;
  return TRUE;
}

BOOL CWnd::SetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, BOOL) {
  return AfxSetScrollInfo(State(), nBar, lpScrollInfo);
}

BOOL CWnd::GetScrollInfo(int nBar, LPSCROLLINFO lpScrollInfo, UINT nMask) const {
  return AfxGetScrollInfo(State(), nBar, lpScrollInfo, nMask);
}

int CWnd::SetScrollPos(int nBar, int nPos, BOOL bRedraw) {
  int old = GetScrollPos(nBar);
  SCROLLINFO si;
  si.fMask = SIF_POS;
  si.nPos = nPos;
  SetScrollInfo(nBar, &si, bRedraw);
  return old;
}

int CWnd::GetScrollPos(int nBar) const {
  SCROLLINFO si;
  si.fMask = SIF_POS;
  return GetScrollInfo(nBar, &si) ? si.nPos : 0;
}

void CWnd::SetScrollRange(int nBar, int nMinPos, int nMaxPos, BOOL bRedraw) {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  si.nMin = nMinPos;
  si.nMax = nMaxPos;
  SetScrollInfo(nBar, &si, bRedraw);
}

void CWnd::GetScrollRange(int nBar, int* lpMinPos, int* lpMaxPos) const {
  SCROLLINFO si;
  si.fMask = SIF_RANGE;
  GetScrollInfo(nBar, &si);
  if (lpMinPos) *lpMinPos = si.nMin;
  if (lpMaxPos) *lpMaxPos = si.nMax;
}

int CWnd::GetScrollLimit(int nBar) const {
  SCROLLINFO si;
  si.fMask = SIF_RANGE | SIF_PAGE;
  GetScrollInfo(nBar, &si);
  return si.nMax - std::max(0, (int)si.nPage - 1);
}

void CWnd::ShowScrollBar(UINT nBar, BOOL bShow) {
  AfxWndState* w = State();
  if (!w) return;
  if (w->kind == AfxKind::ScrollBar && nBar == (UINT)SB_CTL) {
    ShowWindow(bShow ? SW_SHOW : SW_HIDE);
    return;
  }
  DWORD bits = nBar == (UINT)SB_HORZ ? WS_HSCROLL : nBar == (UINT)SB_VERT ? WS_VSCROLL : WS_HSCROLL | WS_VSCROLL;
  CRect before;
  GetClientRect(&before);
  ModifyStyle(bShow ? 0 : bits, bShow ? bits : 0);
  CRect after;
  GetClientRect(&after);
  if (before != after) SendMessage(WM_SIZE, SIZE_RESTORED, MAKELPARAM(after.Width(), after.Height()));
}

BOOL CWnd::EnableScrollBar(int nSBFlags, UINT nArrowFlags) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  if (nSBFlags == SB_BOTH) {
    w->scroll[0].arrows = w->scroll[1].arrows = nArrowFlags;
    return TRUE;
  }
  AfxScroll* b = BarOf(w, nSBFlags);
  if (!b) return FALSE;
  b->arrows = nArrowFlags;
  return TRUE;
}

CScrollBar* CWnd::GetScrollBarCtrl(int) const { return nullptr; }

// ---- timers -------------------------------------------------------------------------------

UINT_PTR CWnd::SetTimer(UINT_PTR nIDEvent, UINT nElapse, void*) {
  AfxWndState* w = State();
  if (!w) return 0;
  KillTimer(nIDEvent);
  w->timers.push_back({nIDEvent, nElapse});
  return nIDEvent;
}

BOOL CWnd::KillTimer(UINT_PTR nIDEvent) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  auto& t = w->timers;
  auto it = std::find_if(t.begin(), t.end(), [&](const AfxTimer& x) { return x.id == nIDEvent; });
  if (it == t.end()) return FALSE;
  t.erase(it);
  return TRUE;
}

void AfxFireTimers() {
  std::vector<std::pair<HWND, UINT_PTR>> todo;
  AfxEnumWindows([&](HWND h) {
    for (const AfxTimer& t : AfxWnd(h)->timers) todo.push_back({h, t.id});
  });
  for (auto& [h, id] : todo)
    if (AfxWnd(h)) SendMessage(h, WM_TIMER, id);
}

// ---- icons and fonts -----------------------------------------------------------------------

HICON CWnd::SetIcon(HICON hIcon, BOOL bBigIcon) {
  AfxWndState* w = State();
  if (!w) return nullptr;
  HICON old = w->icon[bBigIcon ? 1 : 0];
  w->icon[bBigIcon ? 1 : 0] = hIcon;
  return old;
}

HICON CWnd::GetIcon(BOOL bBigIcon) const {
  AfxWndState* w = State();
  return w ? w->icon[bBigIcon ? 1 : 0] : nullptr;
}

void CWnd::SetFont(CFont* pFont, BOOL) {
  if (AfxWndState* w = State()) w->font = pFont;
}

CFont* CWnd::GetFont() const {
  AfxWndState* w = State();
  return w ? w->font : nullptr;
}
