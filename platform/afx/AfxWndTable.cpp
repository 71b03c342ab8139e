// The window table: window records by handle, the objects made for windows nobody attached
// to, and the notifications a control sends to its parent.
#include <algorithm>
#include <cstring>
#include <strings.h>
#include <map>

#include "afx/AfxWndState.h"
#include "afx/afxwin.h"

namespace {
struct Table {
  std::map<uintptr_t, std::unique_ptr<AfxWndState>> wnds;  // ordered: creation order
  uintptr_t next = 0x1000;
};
Table& T() {
  static Table& t = *new Table;  // never destroyed: windows may outlive static objects
  return t;
}

struct KindRow {
  const char* cls;
  AfxKind kind;
};
const KindRow kKinds[] = {
    {"BUTTON", AfxKind::Button},          {"EDIT", AfxKind::Edit},
    {"STATIC", AfxKind::Static},          {"COMBOBOX", AfxKind::ComboBox},
    {"ComboBoxEx32", AfxKind::ComboBoxEx}, {"LISTBOX", AfxKind::ListBox},
    {"SysListView32", AfxKind::ListView}, {"SysTabControl32", AfxKind::Tab},
    {"SCROLLBAR", AfxKind::ScrollBar},    {"msctls_updown32", AfxKind::Spin},
    {"msctls_trackbar32", AfxKind::Slider}, {"msctls_progress32", AfxKind::Progress},
    {"SysTreeView32", AfxKind::Tree},     {"#32770", AfxKind::Dialog},
};

// The object a window of that kind gets when nobody attached one.
CWnd* MakeWrapper(AfxKind k) {
  switch (k) {
    case AfxKind::Button: return new CButton;
    case AfxKind::Edit: return new CEdit;
    case AfxKind::Static: return new CStatic;
    case AfxKind::ComboBox: return new CComboBox;
    case AfxKind::ComboBoxEx: return new CComboBoxEx;
    case AfxKind::ListBox: return new CListBox;
    case AfxKind::ListView: return new CListCtrl;
    case AfxKind::Tab: return new CTabCtrl;
    case AfxKind::ScrollBar: return new CScrollBar;
    case AfxKind::Spin: return new CSpinButtonCtrl;
    case AfxKind::Slider: return new CSliderCtrl;
    default: return new CWnd;
  }
}
}  // namespace

AfxWndState* AfxWnd(HWND h) {
  if (!h) return nullptr;
  auto& m = T().wnds;
  auto it = m.find((uintptr_t)h);
  return it == m.end() ? nullptr : it->second.get();
}

AfxWndState* AfxNewWnd() {
  Table& t = T();
  auto w = std::make_unique<AfxWndState>();
  w->h = (HWND)t.next;
  t.next += 4;
  AfxWndState* p = w.get();
  t.wnds.emplace((uintptr_t)p->h, std::move(w));
  return p;
}

void AfxFreeWnd(HWND h) {
  auto& m = T().wnds;
  auto it = m.find((uintptr_t)h);
  if (it == m.end()) return;
  std::unique_ptr<AfxWndState> w = std::move(it->second);
  m.erase(it);
  if (w->wrapper) w->wrapper->m_hWnd = nullptr;
  // w and its wrapper object go here.
}

const char* AfxCanonicalClassName(const char* cls) {
  if (!cls) return "";
  for (const KindRow& r : kKinds)
    if (strcasecmp(r.cls, cls) == 0) return r.cls;
  return cls;
}

AfxKind AfxKindOfClass(const char* cls) {
  if (!cls) return AfxKind::Other;
  for (const KindRow& r : kKinds)
    if (strcasecmp(r.cls, cls) == 0) return r.kind;
  return AfxKind::Other;
}

CWnd* CWnd::FromHandlePermanent(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  return w ? w->obj : nullptr;
}

CWnd* CWnd::FromHandle(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w) return nullptr;
  if (w->obj) return w->obj;
  if (!w->wrapper) {
    w->wrapper.reset(MakeWrapper(w->kind));
    w->wrapper->m_hWnd = hWnd;
  }
  return w->wrapper.get();
}

BOOL IsWindow(HWND hWnd) { return AfxWnd(hWnd) != nullptr; }

void AfxEnumWindows(const std::function<void(HWND)>& fn) {
  std::vector<HWND> all;
  for (auto& [k, w] : T().wnds) all.push_back(w->h);
  for (HWND h : all)
    if (AfxWnd(h)) fn(h);
}

int AfxGetWindowCount() { return (int)T().wnds.size(); }

void AfxNotifyParent(AfxWndState* w, UINT code) {
  if (!w || !w->parent || !(w->style & WS_CHILD)) return;
  SendMessage(w->parent, WM_COMMAND, MAKEWPARAM((WORD)w->id, (WORD)code), (LPARAM)w->h);
}

LRESULT AfxNotifyParent(AfxWndState* w, UINT code, NMHDR* hdr) {
  if (!w || !w->parent || !(w->style & WS_CHILD)) return 0;
  hdr->hwndFrom = w->h;
  hdr->idFrom = (UINT_PTR)(UINT)w->id;
  hdr->code = code;
  return SendMessage(w->parent, WM_NOTIFY, (WPARAM)(UINT)w->id, (LPARAM)hdr);
}
