#include "afx/AfxMessageQueue.h"

#include <deque>
#include <map>
#include <string>

#include "afx/AfxWndState.h"
#include "afx/CWnd.h"

namespace {
std::deque<MSG>& Queue() {
  static std::deque<MSG>& q = *new std::deque<MSG>;
  return q;
}
}  // namespace

BOOL PostMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  if (hWnd && !AfxWnd(hWnd)) return FALSE;
  if (hWnd)
    if (CWnd* p = CWnd::FromHandle(hWnd)) p->OnMessagePosted(message, wParam, lParam);
  MSG m;
  m.hwnd = hWnd;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  Queue().push_back(m);
  return TRUE;
}

BOOL CWnd::PostMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::PostMessage(m_hWnd, message, wParam, lParam);
}

int AfxPumpMessages() {
  int n = 0;
  while (!Queue().empty()) {
    MSG m = Queue().front();
    Queue().pop_front();
    ++n;
    if (m.hwnd && !AfxWnd(m.hwnd)) continue;
    AfxDispatchMessage(&m);
  }
  AfxPaintPending();
  return n;
}

int AfxGetQueuedMessageCount() { return (int)Queue().size(); }

void AfxDiscardQueuedMessages() { Queue().clear(); }

int AfxGetQueuedMessage(int index, MSG* out) {
  if (index < 0 || index >= (int)Queue().size()) return 0;
  if (out) *out = Queue()[(size_t)index];
  return 1;
}

BOOL AfxPreTranslateMessage(MSG* pMsg) {
  for (HWND h = pMsg->hwnd; h;) {
    AfxWndState* w = AfxWnd(h);
    if (!w) return FALSE;
    HWND parent = (w->style & WS_CHILD) ? w->parent : nullptr;
    if (CWnd* p = CWnd::FromHandlePermanent(h))
      if (p->PreTranslateMessage(pMsg)) return TRUE;
    h = parent;
  }
  return FALSE;
}

void AfxDispatchMessage(MSG* pMsg) {
  if (!pMsg->hwnd) return;
  if (AfxPreTranslateMessage(pMsg)) return;
  if (AfxWnd(pMsg->hwnd)) SendMessage(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
}

UINT RegisterWindowMessage(LPCTSTR lpString) {
  static std::map<std::string, UINT>& ids = *new std::map<std::string, UINT>;
  if (!lpString || !*lpString) return 0;
  std::string key(lpString);
  for (char& c : key) c = (char)std::tolower((unsigned char)c);
  auto it = ids.find(key);
  if (it != ids.end()) return it->second;
  UINT id = AFX_REGISTERED_MESSAGE_FIRST + (UINT)ids.size();
  ids.emplace(key, id);
  return id;
}
