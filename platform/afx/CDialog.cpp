#include "afx/CDialog.h"

#include <algorithm>
#include <cstdlib>

#include "afx/AfxMessageQueue.h"
#include "afx/AfxScript.h"
#include "afx/AfxWndState.h"
#include "afx/CWinApp.h"

IMPLEMENT_DYNAMIC(CDialog, CWnd)

BEGIN_MESSAGE_MAP(CDialog, CWnd)
  ON_COMMAND(IDOK, &CDialog::OnOK)
  ON_COMMAND(IDCANCEL, &CDialog::OnCancel)
  ON_MESSAGE(WM_INITDIALOG, &CDialog::HandleInitDialog)
END_MESSAGE_MAP()

namespace {
bool IsIntResource(LPCTSTR p) { return ((uintptr_t)p >> 16) == 0; }

HWND TopLevelOf(HWND h) {
  AfxWndState* w = AfxWnd(h);
  while (w && (w->style & WS_CHILD) && AfxWnd(w->parent)) w = AfxWnd(w->parent);
  return w ? w->h : nullptr;
}

bool IsTabStop(HWND h) {
  AfxWndState* w = AfxWnd(h);
  return w && (w->style & WS_TABSTOP) && IsWindowVisible(h) && IsWindowEnabled(h);
}
}  // namespace

CDialog::CDialog() = default;

CDialog::CDialog(UINT nIDTemplate, CWnd* pParentWnd)
    : m_nIDHelp(nIDTemplate), m_lpszTemplateName(MAKEINTRESOURCE(nIDTemplate)), m_pParentWnd(pParentWnd) {}

CDialog::CDialog(LPCTSTR lpszTemplateName, CWnd* pParentWnd)
    : m_lpszTemplateName(lpszTemplateName), m_pParentWnd(pParentWnd) {
  if (IsIntResource(lpszTemplateName)) m_nIDHelp = (UINT)(uintptr_t)lpszTemplateName;
}

CDialog::~CDialog() {
  if (m_hWnd) DestroyWindow();
}

const AFX_DLGTEMPLATE* CDialog::FindTemplate() const {
  if (m_lpDialogTemplate) return m_lpDialogTemplate;
  if (!m_lpszTemplateName) return nullptr;
  int id = IsIntResource(m_lpszTemplateName) ? (int)(uintptr_t)m_lpszTemplateName : std::atoi(m_lpszTemplateName);
  return id ? AfxFindDialogTemplate(id) : nullptr;
}

BOOL CDialog::Create(UINT nIDTemplate, CWnd* pParentWnd) {
  return Create(MAKEINTRESOURCE(nIDTemplate), pParentWnd);
}

BOOL CDialog::Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd) {
  m_lpszTemplateName = lpszTemplateName;
  if (IsIntResource(lpszTemplateName)) m_nIDHelp = (UINT)(uintptr_t)lpszTemplateName;
  const AFX_DLGTEMPLATE* t = FindTemplate();
  if (!t) return FALSE;
  return CreateFromTemplate(t, pParentWnd, false);
}

BOOL CDialog::CreateIndirect(const AFX_DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd) {
  if (!lpDialogTemplate) return FALSE;
  m_lpDialogTemplate = lpDialogTemplate;
  return CreateFromTemplate(lpDialogTemplate, pParentWnd, false);
}

BOOL CDialog::InitModalIndirect(const AFX_DLGTEMPLATE* lpDialogTemplate, CWnd* pParentWnd) {
  m_lpDialogTemplate = lpDialogTemplate;
  if (pParentWnd) m_pParentWnd = pParentWnd;
  return lpDialogTemplate != nullptr;
}

BOOL CDialog::CreateFromTemplate(const AFX_DLGTEMPLATE* t, CWnd* pParentWnd, bool modal) {
  if (m_hWnd) return FALSE;
  if (!pParentWnd) pParentWnd = m_pParentWnd;
  if (!pParentWnd && !(t->style & WS_CHILD)) {
    CWnd* main = AfxGetMainWnd();
    if (main && main->m_hWnd && main != this) pParentWnd = main;
  }
  HWND hParent = pParentWnd ? pParentWnd->m_hWnd : nullptr;
  if ((t->style & WS_CHILD) && !AfxWnd(hParent)) return FALSE;
  if (modal && hParent) hParent = TopLevelOf(hParent);

  // The window rectangle around the template's client size.
  AfxWndState shape;
  shape.kind = AfxKind::Dialog;
  shape.style = t->style;
  shape.exStyle = t->exStyle;
  CRect in = AfxNonClientInsets(&shape);
  int cx = AfxDluToPixelX(t->cx) + in.left + in.right;
  int cy = AfxDluToPixelY(t->cy) + in.top + in.bottom;
  int x = AfxDluToPixelX(t->x), y = AfxDluToPixelY(t->y);
  if (!(t->style & WS_CHILD) && AfxWnd(hParent)) {
    CPoint o = AfxClientOrigin(AfxWnd(hParent));
    x += o.x;
    y += o.y;
  }
  if (!(t->style & WS_CHILD) && (t->style & (DS_CENTER | DS_CENTERMOUSE))) {
    CRect area(0, 0, AFX_SCREEN_CX, AFX_SCREEN_CY);
    if (CWnd* owner = FromHandle(hParent)) owner->GetWindowRect(&area);
    x = area.left + (area.Width() - cx) / 2;
    y = area.top + (area.Height() - cy) / 2;
  }

  CREATESTRUCT cs;
  cs.hwndParent = hParent;
  cs.x = x;
  cs.y = y;
  cs.cx = cx;
  cs.cy = cy;
  cs.style = (LONG)(t->style & ~WS_VISIBLE);
  cs.dwExStyle = t->exStyle;
  cs.lpszName = t->caption;
  cs.lpszClass = "#32770";
  m_nModalResult = -1;
  HWND h = AfxCreateWindow(this, cs, t->id);
  if (!h) return FALSE;
  AfxWndState* w = AfxWnd(h);

  bool defFound = false;
  for (int i = 0; i < t->itemCount; ++i) {
    const AFX_DLGITEM& it = t->items[i];
    CREATESTRUCT ccs;
    ccs.hwndParent = h;
    ccs.x = AfxDluToPixelX(it.x);
    ccs.y = AfxDluToPixelY(it.y);
    ccs.cx = AfxDluToPixelX(it.cx);
    ccs.cy = AfxDluToPixelY(it.cy);
    AfxKind kind = AfxKindOfClass(it.cls);
    if ((kind == AfxKind::ComboBox || kind == AfxKind::ComboBoxEx) && (it.style & 0x3u) != CBS_SIMPLE)
      ccs.cy = AFX_COMBO_CY;
    ccs.style = (LONG)(it.style | WS_CHILD);
    ccs.dwExStyle = it.exStyle;
    ccs.lpszName = it.text;
    ccs.lpszClass = it.cls;
    ccs.hMenu = (HMENU)(intptr_t)it.id;
    HWND c = AfxCreateWindow(nullptr, ccs);
    if (!AfxWnd(h)) return FALSE;
    AfxWndState* cw = AfxWnd(c);
    if (!cw) continue;
    if (!defFound && kind == AfxKind::Button && (it.style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) {
      w->defId = it.id;
      defFound = true;
    }
    if (kind == AfxKind::Spin && (it.style & UDS_AUTOBUDDY) && w->children.size() >= 2)
      cw->buddy = w->children[w->children.size() - 2];
  }

  LRESULT focusDefault = SendMessage(WM_INITDIALOG, 0, 0);
  m_bFocusFirst = focusDefault != 0;
  if (!AfxWnd(h)) return FALSE;
  bool show = modal || (t->style & WS_VISIBLE);
  if (show && !modal) ShowWindow(SW_SHOW);
  if (focusDefault && (t->style & WS_VISIBLE) && !(t->style & WS_CHILD) && AfxWnd(h))
    if (HWND first = AfxNextTabItem(h, nullptr, FALSE)) ::SetFocus(first);
  return AfxWnd(h) != nullptr;
}

LRESULT CDialog::HandleInitDialog(WPARAM, LPARAM) { return OnInitDialog(); }

BOOL CDialog::OnInitDialog() {
  UpdateData(FALSE);
  return TRUE;
}

INT_PTR CDialog::DoModal() {
  const AFX_DLGTEMPLATE* t = FindTemplate();
  if (!t || m_hWnd) return -1;
  CWnd* parent = m_pParentWnd;
  if (!parent || !parent->m_hWnd) parent = AfxGetMainWnd();
  HWND hParent = parent && parent->m_hWnd ? TopLevelOf(parent->m_hWnd) : nullptr;
  BOOL parentWasEnabled = FALSE;
  if (hParent && ::IsWindowEnabled(hParent) && hParent != m_hWnd) {
    parentWasEnabled = TRUE;
    ::EnableWindow(hParent, FALSE);
  }
  m_bContinueModal = TRUE;
  m_nModalResult = -1;
  AfxPushModal(this);
  BOOL created = CreateFromTemplate(t, parent && parent->m_hWnd ? parent : nullptr, true);
  if (created && m_bContinueModal) {
    ShowWindow(SW_SHOW);
    if (m_bFocusFirst)
      if (HWND first = AfxNextTabItem(m_hWnd, nullptr, FALSE)) ::SetFocus(first);
    AfxPumpMessages();
    AFX_DIALOG_SCRIPT script;
    if (m_bContinueModal && AfxTakeDialogScript(script)) {
      script(*this);
      AfxPumpMessages();
    }
    if (m_bContinueModal) EndDialog(IDCANCEL);
  }
  AfxPopModal(this);
  m_bContinueModal = FALSE;
  if (parentWasEnabled && AfxWnd(hParent)) ::EnableWindow(hParent, TRUE);
  if (m_hWnd) {
    ShowWindow(SW_HIDE);
    DestroyWindow();
  }
  if (AfxWnd(hParent)) FromHandle(hParent)->SetActiveWindow();
  return created ? m_nModalResult : -1;
}

void CDialog::EndDialog(int nResult) {
  m_nModalResult = nResult;
  m_bContinueModal = FALSE;
  if (m_hWnd) ShowWindow(SW_HIDE);
}

void CDialog::OnOK() {
  if (!UpdateData(TRUE)) return;
  EndDialog(IDOK);
}

void CDialog::OnCancel() { EndDialog(IDCANCEL); }

BOOL CDialog::PreTranslateMessage(MSG* pMsg) {
  if (pMsg->message < WM_KEYDOWN || pMsg->message > WM_SYSKEYUP) return FALSE;
  if (pMsg->hwnd != m_hWnd && !IsChild(FromHandle(pMsg->hwnd))) return FALSE;
  return IsDialogMessage(pMsg);
}

BOOL CDialog::IsDialogMessage(LPMSG lpMsg) { return AfxIsDialogMessage(m_hWnd, lpMsg); }

HWND AfxNextTabItem(HWND hDlg, HWND hCtl, BOOL bPrevious) {
  AfxWndState* d = AfxWnd(hDlg);
  if (!d || d->children.empty()) return nullptr;
  std::vector<HWND> kids = d->children;
  if (bPrevious) std::reverse(kids.begin(), kids.end());
  auto it = std::find(kids.begin(), kids.end(), hCtl);
  size_t start = it == kids.end() ? 0 : (size_t)(it - kids.begin()) + 1;
  for (size_t k = 0; k < kids.size(); ++k) {
    HWND c = kids[(start + k) % kids.size()];
    if (IsTabStop(c)) return c;
  }
  return nullptr;
}

BOOL AfxIsDialogMessage(HWND hDlg, MSG* pMsg) {
  if (!AfxWnd(hDlg) || pMsg->message != WM_KEYDOWN) return FALSE;
  UINT code = (UINT)SendMessage(pMsg->hwnd, WM_GETDLGCODE, pMsg->wParam, (LPARAM)pMsg);
  if (pMsg->hwnd != hDlg && (code & DLGC_WANTALLKEYS)) return FALSE;
  switch (pMsg->wParam) {
    case VK_TAB: {
      if (code & DLGC_WANTTAB) return FALSE;
      HWND cur = GetFocus();
      if (HWND next = AfxNextTabItem(hDlg, cur, FALSE)) ::SetFocus(next);
      return TRUE;
    }
    case VK_RETURN: {
      int id = LOWORD(SendMessage(hDlg, DM_GETDEFID));
      HWND f = GetFocus();
      if (f && GetParent(f) == hDlg && AfxWnd(f)->kind == AfxKind::Button) {
        UINT fc = (UINT)SendMessage(f, WM_GETDLGCODE);
        if (fc & (DLGC_DEFPUSHBUTTON | DLGC_UNDEFPUSHBUTTON)) id = GetDlgCtrlID(f);
      }
      HWND btn = GetDlgItem(hDlg, id);
      if (btn && (!IsWindowEnabled(btn) || !IsWindowVisible(btn))) return TRUE;
      SendMessage(hDlg, WM_COMMAND, MAKEWPARAM((WORD)id, BN_CLICKED), (LPARAM)btn);
      return TRUE;
    }
    case VK_ESCAPE: {
      HWND btn = GetDlgItem(hDlg, IDCANCEL);
      if (btn && !IsWindowEnabled(btn)) return TRUE;
      SendMessage(hDlg, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), (LPARAM)btn);
      return TRUE;
    }
    default:
      return FALSE;
  }
}

void CDialog::MapDialogRect(LPRECT r) const {
  r->left = AfxDluToPixelX(r->left);
  r->right = AfxDluToPixelX(r->right);
  r->top = AfxDluToPixelY(r->top);
  r->bottom = AfxDluToPixelY(r->bottom);
}

void CDialog::SetDefID(UINT nID) { SendMessage(DM_SETDEFID, nID); }

DWORD CDialog::GetDefID() const { return (DWORD)SendMessage(DM_GETDEFID); }

void CDialog::GotoDlgCtrl(CWnd* pWndCtrl) {
  if (!pWndCtrl) return;
  pWndCtrl->SetFocus();
  if (pWndCtrl->SendMessage(WM_GETDLGCODE) & DLGC_HASSETSEL) pWndCtrl->SendMessage(EM_SETSEL, 0, -1);
}

void CDialog::NextDlgCtrl() const {
  if (HWND n = AfxNextTabItem(m_hWnd, ::GetFocus(), FALSE)) ::SetFocus(n);
}

void CDialog::PrevDlgCtrl() const {
  if (HWND n = AfxNextTabItem(m_hWnd, ::GetFocus(), TRUE)) ::SetFocus(n);
}
