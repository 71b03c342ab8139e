// CWnd: attaching objects to windows, creation, destruction, relations, texts and items.
#include "afx/CWnd.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

#include "afx/AfxControlProc.h"
#include "afx/AfxWndState.h"
#include "afx/CDialog.h"
#include "afx/CDataExchange.h"

IMPLEMENT_DYNCREATE(CWnd, CCmdTarget)

CWnd::CWnd() = default;

CWnd::~CWnd() {
  if (m_hWnd && AfxWnd(m_hWnd)) {
    AfxWndState* w = AfxWnd(m_hWnd);
    if (w->obj == this) {
      if (w->destroying) {
        w->obj = nullptr;
      } else {
        ::DestroyWindow(m_hWnd);
      }
    }
  }
  m_hWnd = nullptr;
}

AfxWndState* CWnd::State() const { return AfxWnd(m_hWnd); }

BOOL CWnd::Attach(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w || m_hWnd || (w->obj && w->obj != this)) return FALSE;
  w->obj = this;
  m_hWnd = hWnd;
  return TRUE;
}

HWND CWnd::Detach() {
  HWND h = m_hWnd;
  if (AfxWndState* w = AfxWnd(h))
    if (w->obj == this) w->obj = nullptr;
  m_hWnd = nullptr;
  return h;
}

BOOL CWnd::SubclassWindow(HWND hWnd) {
  if (!Attach(hWnd)) return FALSE;
  PreSubclassWindow();
  return TRUE;
}

BOOL CWnd::SubclassDlgItem(UINT nID, CWnd* pParent) {
  if (!pParent) return FALSE;
  HWND h = ::GetDlgItem(pParent->m_hWnd, (int)nID);
  return h ? SubclassWindow(h) : FALSE;
}

HWND CWnd::UnsubclassWindow() { return Detach(); }

void CWnd::PreSubclassWindow() {}

BOOL CWnd::PreCreateWindow(CREATESTRUCT&) { return TRUE; }

void CWnd::PostNcDestroy() {}

BOOL CWnd::Create(LPCTSTR lpszClassName, LPCTSTR lpszWindowName, DWORD dwStyle,
                  const RECT& rect, CWnd* pParentWnd, UINT nID, void*) {
  return CreateEx(0, lpszClassName, lpszWindowName, dwStyle | WS_CHILD, rect, pParentWnd, nID);
}

BOOL CWnd::CreateEx(DWORD dwExStyle, LPCTSTR lpszClassName, LPCTSTR lpszWindowName,
                    DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID,
                    LPVOID lpParam) {
  if (m_hWnd) return FALSE;
  CREATESTRUCT cs;
  cs.lpCreateParams = lpParam;
  cs.hwndParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  cs.x = rect.left;
  cs.y = rect.top;
  cs.cx = rect.right - rect.left;
  cs.cy = rect.bottom - rect.top;
  cs.style = (LONG)dwStyle;
  cs.lpszName = lpszWindowName;
  cs.lpszClass = lpszClassName;
  cs.dwExStyle = dwExStyle;
  cs.hMenu = (HMENU)(uintptr_t)nID;
  if (!PreCreateWindow(cs)) return FALSE;
  if ((cs.style & WS_CHILD) && !AfxWnd(cs.hwndParent)) return FALSE;
  return AfxCreateWindow(this, cs) != nullptr;
}

HWND AfxCreateWindow(CWnd* obj, CREATESTRUCT& cs, int templateId) {
  AfxWndState* w = AfxNewWnd();
  HWND h = w->h;
  w->cls = AfxCanonicalClassName(cs.lpszClass);
  w->kind = AfxKindOfClass(w->cls);
  w->style = (DWORD)cs.style;
  w->exStyle = cs.dwExStyle;
  w->text = cs.lpszName ? cs.lpszName : "";
  w->id = (w->style & WS_CHILD) ? (int)(intptr_t)cs.hMenu : 0;
  w->rect = CRect(cs.x, cs.y, cs.x + std::max(0, cs.cx), cs.y + std::max(0, cs.cy));
  w->templateId = templateId;
  w->needsPaint = true;
  w->parent = cs.hwndParent;
  if (AfxWndState* p = AfxWnd(w->parent))
    if (w->style & WS_CHILD) p->children.push_back(h);
  if (w->kind == AfxKind::Static && (w->style & SS_TYPEMASK) == SS_ICON) w->text.Empty();
  if (obj) {
    w->obj = obj;
    obj->m_hWnd = h;
    obj->PreSubclassWindow();
  }
  if (SendMessage(h, WM_CREATE, 0, (LPARAM)&cs) == -1) {
    DestroyWindow(h);
    return nullptr;
  }
  if (!AfxWnd(h)) return nullptr;
  SendMessage(h, WM_SIZE, SIZE_RESTORED, MAKELPARAM(w->rect.Width(), w->rect.Height()));
  if (!AfxWnd(h)) return nullptr;
  SendMessage(h, WM_MOVE, 0, MAKELPARAM(w->rect.left, w->rect.top));
  return AfxWnd(h) ? h : nullptr;
}

namespace {
void SendDestroy(HWND h) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  SendMessage(h, WM_DESTROY);
  if (!(w = AfxWnd(h))) return;
  std::vector<HWND> kids = w->children;
  for (HWND k : kids) {
    if (AfxWndState* kw = AfxWnd(k)) kw->destroying = true;
    SendDestroy(k);
  }
}

void SendNcDestroy(HWND h) {
  AfxWndState* w = AfxWnd(h);
  if (!w) return;
  std::vector<HWND> kids = w->children;
  for (HWND k : kids) SendNcDestroy(k);
  if (!(w = AfxWnd(h))) return;
  // Unlink from the parent.
  if (AfxWndState* p = AfxWnd(w->parent)) {
    auto& c = p->children;
    c.erase(std::remove(c.begin(), c.end(), h), c.end());
  }
  SendMessage(h, WM_NCDESTROY);  // the object may delete itself here (PostNcDestroy)
  if ((w = AfxWnd(h))) w->obj = nullptr;
  AfxFreeWnd(h);
}
}  // namespace

BOOL DestroyWindow(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w) return FALSE;
  if (w->destroying && w->obj == nullptr) return FALSE;
  bool wasDestroying = w->destroying;
  w->destroying = true;
  if (wasDestroying) return TRUE;
  AfxFocusWindowGone(hWnd);
  SendDestroy(hWnd);
  SendNcDestroy(hWnd);
  return TRUE;
}

BOOL CWnd::DestroyWindow() {
  if (!m_hWnd) return FALSE;
  return ::DestroyWindow(m_hWnd);
}

void CWnd::OnNcDestroy() {
  // The window is gone: the object is no longer attached; it may end itself.
  m_hWnd = nullptr;
  PostNcDestroy();
}

// ---- relations -----------------------------------------------------------------------

int CWnd::GetDlgCtrlID() const {
  AfxWndState* w = State();
  return w ? w->id : 0;
}

int CWnd::SetDlgCtrlID(int nID) {
  AfxWndState* w = State();
  if (!w) return 0;
  int old = w->id;
  w->id = nID;
  return old;
}

CWnd* CWnd::GetParent() const {
  AfxWndState* w = State();
  return w && (w->style & (WS_CHILD | WS_POPUP)) ? FromHandle(w->parent) : nullptr;
}

CWnd* CWnd::SetParent(CWnd* pWndNewParent) {
  AfxWndState* w = State();
  if (!w) return nullptr;
  CWnd* old = FromHandle(w->parent);
  if (AfxWndState* p = AfxWnd(w->parent)) {
    auto& c = p->children;
    c.erase(std::remove(c.begin(), c.end(), w->h), c.end());
  }
  w->parent = pWndNewParent ? pWndNewParent->m_hWnd : nullptr;
  if (AfxWndState* p = AfxWnd(w->parent))
    if (w->style & WS_CHILD) p->children.push_back(w->h);
  return old;
}

CWnd* CWnd::GetOwner() const {
  AfxWndState* w = State();
  return w ? FromHandle(w->parent) : nullptr;
}

CWnd* CWnd::GetTopLevelParent() const {
  AfxWndState* w = State();
  while (w && (w->style & WS_CHILD) && AfxWnd(w->parent)) w = AfxWnd(w->parent);
  return w ? FromHandle(w->h) : nullptr;
}

CWnd* CWnd::GetWindow(UINT nCmd) const {
  AfxWndState* w = State();
  if (!w) return nullptr;
  if (nCmd == GW_CHILD) return w->children.empty() ? nullptr : FromHandle(w->children.front());
  if (nCmd == GW_OWNER) return (w->style & WS_CHILD) ? nullptr : FromHandle(w->parent);
  AfxWndState* p = AfxWnd(w->parent);
  if (!p || !(w->style & WS_CHILD)) return nullptr;
  const auto& c = p->children;
  auto it = std::find(c.begin(), c.end(), w->h);
  if (it == c.end()) return nullptr;
  switch (nCmd) {
    case GW_HWNDFIRST: return FromHandle(c.front());
    case GW_HWNDLAST: return FromHandle(c.back());
    case GW_HWNDNEXT: return it + 1 == c.end() ? nullptr : FromHandle(*(it + 1));
    case GW_HWNDPREV: return it == c.begin() ? nullptr : FromHandle(*(it - 1));
    default: return nullptr;
  }
}

HWND GetDlgItem(HWND hDlg, int nID) {
  AfxWndState* w = AfxWnd(hDlg);
  if (!w) return nullptr;
  for (HWND c : w->children)
    if (AfxWndState* cw = AfxWnd(c))
      if (cw->id == nID) return c;
  return nullptr;
}

CWnd* CWnd::GetDlgItem(int nID) const { return FromHandle(::GetDlgItem(m_hWnd, nID)); }

CWnd* CWnd::GetNextDlgTabItem(CWnd* pWndCtl, BOOL bPrevious) const {
  return FromHandle(AfxNextTabItem(m_hWnd, pWndCtl ? pWndCtl->m_hWnd : nullptr, bPrevious));
}

CWnd* CWnd::GetNextDlgGroupItem(CWnd* pWndCtl, BOOL bPrevious) const {
  if (!pWndCtl) return nullptr;
  std::vector<HWND> g = AfxRadioGroup(pWndCtl->m_hWnd);
  auto it = std::find(g.begin(), g.end(), pWndCtl->m_hWnd);
  if (it == g.end() || g.size() < 2) return pWndCtl;
  size_t i = (size_t)(it - g.begin());
  for (size_t k = 1; k < g.size(); ++k) {
    HWND c = g[bPrevious ? (i + g.size() - k) % g.size() : (i + k) % g.size()];
    if (::IsWindowVisible(c) && ::IsWindowEnabled(c)) return FromHandle(c);
  }
  return pWndCtl;
}

BOOL CWnd::IsChild(const CWnd* pWnd) const {
  if (!pWnd) return FALSE;
  for (AfxWndState* w = AfxWnd(pWnd->m_hWnd); w && (w->style & WS_CHILD); w = AfxWnd(w->parent))
    if (w->parent == m_hWnd) return TRUE;
  return FALSE;
}

CString CWnd::GetWindowClassName() const {
  AfxWndState* w = State();
  return w ? w->cls : CString();
}

DWORD CWnd::GetStyle() const {
  AfxWndState* w = State();
  return w ? w->style : 0;
}

DWORD CWnd::GetExStyle() const {
  AfxWndState* w = State();
  return w ? w->exStyle : 0;
}

BOOL CWnd::ModifyStyle(DWORD dwRemove, DWORD dwAdd, UINT) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  DWORD s = (w->style & ~dwRemove) | dwAdd;
  if (s == w->style) return FALSE;
  w->style = s;
  return TRUE;
}

BOOL CWnd::ModifyStyleEx(DWORD dwRemove, DWORD dwAdd, UINT) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  DWORD s = (w->exStyle & ~dwRemove) | dwAdd;
  if (s == w->exStyle) return FALSE;
  w->exStyle = s;
  return TRUE;
}

int CWnd::GetTemplateID() const {
  AfxWndState* w = State();
  return w ? w->templateId : 0;
}

// ---- texts -------------------------------------------------------------------------------

void CWnd::SetWindowText(LPCTSTR lpszString) {
  SendMessage(WM_SETTEXT, 0, (LPARAM)(lpszString ? lpszString : ""));
}

void CWnd::GetWindowText(CString& rString) const {
  rString.Empty();
  int n = (int)SendMessage(WM_GETTEXTLENGTH);
  if (n <= 0) return;
  char* buf = rString.GetBufferSetLength(n);
  SendMessage(WM_GETTEXT, (WPARAM)(n + 1), (LPARAM)buf);
  rString.ReleaseBuffer(n);
}

int CWnd::GetWindowText(LPTSTR lpszStringBuf, int nMaxCount) const {
  return (int)SendMessage(WM_GETTEXT, (WPARAM)nMaxCount, (LPARAM)lpszStringBuf);
}

int CWnd::GetWindowTextLength() const { return (int)SendMessage(WM_GETTEXTLENGTH); }

void CWnd::SetDlgItemText(int nID, LPCTSTR lpszString) {
  if (CWnd* c = GetDlgItem(nID)) c->SetWindowText(lpszString);
}

int CWnd::GetDlgItemText(int nID, CString& rString) const {
  rString.Empty();
  if (CWnd* c = GetDlgItem(nID)) c->GetWindowText(rString);
  return rString.GetLength();
}

int CWnd::GetDlgItemText(int nID, LPTSTR lpStr, int nMaxCount) const {
  if (CWnd* c = GetDlgItem(nID)) return c->GetWindowText(lpStr, nMaxCount);
  if (lpStr && nMaxCount > 0) lpStr[0] = '\0';
  return 0;
}

void CWnd::SetDlgItemInt(int nID, UINT nValue, BOOL bSigned) {
  CString s;
  if (bSigned)
    s.Format("%d", (int)nValue);
  else
    s.Format("%u", nValue);
  SetDlgItemText(nID, s);
}

UINT CWnd::GetDlgItemInt(int nID, BOOL* lpTrans, BOOL bSigned) const {
  if (lpTrans) *lpTrans = FALSE;
  CString s;
  if (!GetDlgItem(nID)) return 0;
  GetDlgItemText(nID, s);
  s.Trim();
  if (s.IsEmpty()) return 0;
  const char* p = s.c_str();
  char* end = nullptr;
  long long v = std::strtoll(p, &end, 10);
  if (!end || *end != '\0') return 0;
  if (!bSigned && (v < 0 || p[0] == '-')) return 0;
  if (bSigned ? (v < INT32_MIN || v > INT32_MAX) : v > (long long)UINT32_MAX) return 0;
  if (lpTrans) *lpTrans = TRUE;
  return (UINT)v;
}

void CWnd::CheckDlgButton(int nIDButton, UINT nCheck) {
  if (CWnd* c = GetDlgItem(nIDButton)) c->SendMessage(BM_SETCHECK, nCheck);
}

UINT CWnd::IsDlgButtonChecked(int nIDButton) const {
  CWnd* c = GetDlgItem(nIDButton);
  return c ? (UINT)c->SendMessage(BM_GETCHECK) : 0;
}

void CWnd::CheckRadioButton(int nIDFirstButton, int nIDLastButton, int nIDCheckButton) {
  for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
    if (CWnd* c = GetDlgItem(id)) c->SendMessage(BM_SETCHECK, id == nIDCheckButton);
}

int CWnd::GetCheckedRadioButton(int nIDFirstButton, int nIDLastButton) const {
  for (int id = nIDFirstButton; id <= nIDLastButton; ++id)
    if (IsDlgButtonChecked(id)) return id;
  return 0;
}

LRESULT CWnd::SendDlgItemMessage(int nID, UINT message, WPARAM wParam, LPARAM lParam) const {
  CWnd* c = GetDlgItem(nID);
  return c ? c->SendMessage(message, wParam, lParam) : 0;
}

// ---- data exchange -------------------------------------------------------------------------

BOOL CWnd::UpdateData(BOOL bSaveAndValidate) {
  if (!m_hWnd) return FALSE;
  CDataExchange dx(this, bSaveAndValidate);
  DoDataExchange(&dx);
  return dx.m_bFailed ? FALSE : TRUE;
}

void CWnd::DoDataExchange(CDataExchange*) {}

// ---- free functions ---------------------------------------------------------------------

HWND GetParent(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  return w ? w->parent : nullptr;
}

int GetDlgCtrlID(HWND hWnd) {
  AfxWndState* w = AfxWnd(hWnd);
  return w ? w->id : 0;
}

int GetClassName(HWND hWnd, LPTSTR lpClassName, int nMaxCount) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w || !lpClassName || nMaxCount <= 0) return 0;
  int n = std::min(w->cls.GetLength(), nMaxCount - 1);
  std::memcpy(lpClassName, w->cls.c_str(), (size_t)n);
  lpClassName[n] = '\0';
  return n;
}
