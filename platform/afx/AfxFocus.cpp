// Keyboard focus, the active window and mouse capture.
#include "afx/AfxWndState.h"
#include "afx/CWnd.h"

namespace {
HWND g_focus = nullptr;
HWND g_active = nullptr;
HWND g_capture = nullptr;

HWND TopLevelOf(HWND h) {
  AfxWndState* w = AfxWnd(h);
  while (w && (w->style & WS_CHILD) && AfxWnd(w->parent)) w = AfxWnd(w->parent);
  return w ? w->h : nullptr;
}

bool InTree(HWND root, HWND h) {
  for (AfxWndState* w = AfxWnd(h); w; w = (w->style & WS_CHILD) ? AfxWnd(w->parent) : nullptr)
    if (w->h == root) return true;
  return false;
}

void Activate(HWND top) {
  if (top == g_active) return;
  HWND old = g_active;
  g_active = top;
  if (AfxWnd(old)) SendMessage(old, WM_ACTIVATE, MAKEWPARAM(WA_INACTIVE, 0), (LPARAM)top);
  if (AfxWnd(top) && g_active == top) SendMessage(top, WM_ACTIVATE, MAKEWPARAM(WA_ACTIVE, 0), (LPARAM)old);
}
}  // namespace

HWND SetFocus(HWND hWnd) {
  HWND old = g_focus;
  if (hWnd && !AfxWnd(hWnd)) return nullptr;
  if (hWnd == old) return old;
  if (hWnd) Activate(TopLevelOf(hWnd));
  g_focus = hWnd;
  if (AfxWnd(old)) SendMessage(old, WM_KILLFOCUS, (WPARAM)hWnd);
  if (hWnd && g_focus == hWnd && AfxWnd(hWnd)) SendMessage(hWnd, WM_SETFOCUS, (WPARAM)old);
  return AfxWnd(old) ? old : nullptr;
}

HWND GetFocus() { return AfxWnd(g_focus) ? g_focus : nullptr; }

CWnd* CWnd::SetFocus() { return FromHandle(::SetFocus(m_hWnd)); }

CWnd* CWnd::GetFocus() { return FromHandle(::GetFocus()); }

CWnd* CWnd::SetActiveWindow() {
  HWND old = g_active;
  Activate(TopLevelOf(m_hWnd));
  return FromHandle(old);
}

CWnd* CWnd::GetActiveWindow() { return FromHandle(g_active); }

CWnd* CWnd::SetCapture() {
  HWND old = g_capture;
  g_capture = m_hWnd;
  return FromHandle(old);
}

CWnd* CWnd::GetCapture() { return FromHandle(g_capture); }

BOOL ReleaseCapture() {
  g_capture = nullptr;
  return TRUE;
}

void AfxFocusWindowGone(HWND h) {
  if (g_focus && InTree(h, g_focus)) {
    AfxWndState* w = AfxWnd(h);
    HWND parent = w && (w->style & WS_CHILD) ? w->parent : nullptr;
    HWND old = g_focus;
    g_focus = nullptr;
    if (AfxWnd(old)) SendMessage(old, WM_KILLFOCUS, 0);
    if (parent && AfxWnd(parent) && !g_focus) {
      g_focus = parent;
    }
  }
  if (g_capture && InTree(h, g_capture)) g_capture = nullptr;
  if (g_active == h) {
    AfxWndState* w = AfxWnd(h);
    g_active = nullptr;
    if (w && !(w->style & WS_CHILD) && AfxWnd(w->parent)) g_active = TopLevelOf(w->parent);
  }
}
