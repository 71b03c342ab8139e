// CWnd: sending messages, the message-map dispatch, reflection, default handlers.
#include <vector>

#include "afx/AfxControlProc.h"
#include "afx/AfxMessageBox.h"
#include "afx/AfxWndState.h"
#include "afx/CButton.h"
#include "afx/CScrollBar.h"
#include "afx/CWnd.h"

BEGIN_MESSAGE_MAP(CWnd, CCmdTarget)
  ON_WM_NCDESTROY()
END_MESSAGE_MAP()

namespace {
// The messages being handled, innermost last (Default, GetCurrentMessage).
std::vector<MSG>& Current() {
  static std::vector<MSG> stack;
  return stack;
}
}  // namespace

LRESULT SendMessage(HWND hWnd, UINT message, WPARAM wParam, LPARAM lParam) {
  AfxWndState* w = AfxWnd(hWnd);
  if (!w) return 0;
  CWnd* obj = CWnd::FromHandle(hWnd);
  MSG m;
  m.hwnd = hWnd;
  m.message = message;
  m.wParam = wParam;
  m.lParam = lParam;
  Current().push_back(m);
  LRESULT r = obj->WindowProc(message, wParam, lParam);
  Current().pop_back();
  return r;
}

LRESULT CWnd::SendMessage(UINT message, WPARAM wParam, LPARAM lParam) const {
  return ::SendMessage(m_hWnd, message, wParam, lParam);
}

const MSG* CWnd::GetCurrentMessage() { return Current().empty() ? nullptr : &Current().back(); }

LRESULT CWnd::Default() {
  const MSG* m = GetCurrentMessage();
  return m ? DefWindowProc(m->message, m->wParam, m->lParam) : 0;
}

void CWnd::SendMessageToDescendants(UINT message, WPARAM wParam, LPARAM lParam, BOOL bDeep) {
  AfxWndState* w = State();
  if (!w) return;
  std::vector<HWND> kids = w->children;
  for (HWND k : kids) {
    if (!AfxWnd(k)) continue;
    ::SendMessage(k, message, wParam, lParam);
    if (bDeep)
      if (CWnd* c = FromHandle(k)) c->SendMessageToDescendants(message, wParam, lParam, TRUE);
  }
}

LRESULT CWnd::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT r = 0;
  if (!OnWndMsg(message, wParam, lParam, &r)) r = DefWindowProc(message, wParam, lParam);
  return r;
}

LRESULT CWnd::DefWindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  return AfxControlProc(m_hWnd, message, wParam, lParam);
}

BOOL CWnd::OnWndMsg(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT dummy = 0;
  if (!pResult) pResult = &dummy;
  if (message == WM_COMMAND) {
    if (!OnCommand(wParam, lParam)) return FALSE;
    *pResult = 1;
    return TRUE;
  }
  if (message == WM_NOTIFY) {
    NMHDR* hdr = (NMHDR*)lParam;
    if (!hdr) return FALSE;
    *pResult = 0;
    return OnNotify(wParam, lParam, pResult);
  }
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), message, 0, 0);
  if (!e) return FALSE;
  return CallHandler(e, message, wParam, lParam, pResult);
}

BOOL CWnd::CallHandler(const AFX_MSGMAP_ENTRY* e, UINT, WPARAM wParam, LPARAM lParam,
                       LRESULT* pResult) {
  CCmdTarget* t = this;
  AFX_PMSG f = e->pfn;
  CPoint pt((short)LOWORD(lParam), (short)HIWORD(lParam));
  LRESULT r = 0;
#define AFX_CALL_(type) (t->*AfxPmfCast<type>(f))
  switch (e->nSig) {
    case AfxSig_vv: (t->*f)(); break;
    case AfxSig_lwl: r = AFX_CALL_(LRESULT (CCmdTarget::*)(WPARAM, LPARAM))(wParam, lParam); break;
    case AfxSig_bD: r = AFX_CALL_(BOOL (CCmdTarget::*)(CDC*))((CDC*)wParam); break;
    case AfxSig_vwii:
      AFX_CALL_(void (CCmdTarget::*)(UINT, int, int))((UINT)wParam, (short)LOWORD(lParam), (short)HIWORD(lParam));
      break;
    case AfxSig_vii: AFX_CALL_(void (CCmdTarget::*)(int, int))((short)LOWORD(lParam), (short)HIWORD(lParam)); break;
    case AfxSig_vwwScroll:
      AFX_CALL_(void (CCmdTarget::*)(UINT, UINT, CScrollBar*))(
          LOWORD(wParam), HIWORD(wParam), reinterpret_cast<CScrollBar*>(FromHandle((HWND)lParam)));
      break;
    case AfxSig_vbw: AFX_CALL_(void (CCmdTarget::*)(BOOL, UINT))((BOOL)wParam, (UINT)lParam); break;
    case AfxSig_vwWb:
      AFX_CALL_(void (CCmdTarget::*)(UINT, CWnd*, BOOL))(LOWORD(wParam), FromHandle((HWND)lParam), HIWORD(wParam));
      break;
    case AfxSig_vwl: AFX_CALL_(void (CCmdTarget::*)(UINT, LPARAM))((UINT)wParam, lParam); break;
    case AfxSig_vwp: AFX_CALL_(void (CCmdTarget::*)(UINT, CPoint))((UINT)wParam, pt); break;
    case AfxSig_bwsp:
      r = AFX_CALL_(BOOL (CCmdTarget::*)(UINT, short, CPoint))(LOWORD(wParam), (short)HIWORD(wParam), pt);
      break;
    case AfxSig_vW: AFX_CALL_(void (CCmdTarget::*)(CWnd*))(FromHandle((HWND)wParam)); break;
    case AfxSig_vWp: AFX_CALL_(void (CCmdTarget::*)(CWnd*, CPoint))(FromHandle((HWND)wParam), pt); break;
    case AfxSig_vwww:
      AFX_CALL_(void (CCmdTarget::*)(UINT, UINT, UINT))((UINT)wParam, LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vt: AFX_CALL_(void (CCmdTarget::*)(UINT_PTR))((UINT_PTR)wParam); break;
    case AfxSig_wv: r = (LRESULT)AFX_CALL_(UINT (CCmdTarget::*)())(); break;
    case AfxSig_is: r = AFX_CALL_(int (CCmdTarget::*)(LPCREATESTRUCT))((LPCREATESTRUCT)lParam); break;
    case AfxSig_vMMI: AFX_CALL_(void (CCmdTarget::*)(MINMAXINFO*))((MINMAXINFO*)lParam); break;
    case AfxSig_bWww:
      r = AFX_CALL_(BOOL (CCmdTarget::*)(CWnd*, UINT, UINT))(FromHandle((HWND)wParam), LOWORD(lParam), HIWORD(lParam));
      break;
    case AfxSig_vb: AFX_CALL_(void (CCmdTarget::*)(BOOL))((BOOL)wParam); break;
    case AfxSig_hDWw:
      r = (LRESULT)AFX_CALL_(HBRUSH (CCmdTarget::*)(CDC*, CWnd*, UINT))((CDC*)wParam, FromHandle((HWND)lParam), 0);
      break;
    default: return FALSE;
  }
#undef AFX_CALL_
  *pResult = r;
  return TRUE;
}

BOOL CWnd::OnCommand(WPARAM wParam, LPARAM lParam) {
  UINT nID = LOWORD(wParam);
  int nCode = HIWORD(wParam);
  HWND hCtl = (HWND)lParam;
  if (hCtl) {
    if (CWnd* child = FromHandlePermanent(hCtl))
      if (child->OnChildNotify(WM_COMMAND, wParam, lParam, nullptr)) return TRUE;
    if (!AfxWnd(m_hWnd)) return TRUE;
  }
  return OnCmdMsg(nID, nCode, nullptr, nullptr);
}

BOOL CWnd::OnNotify(WPARAM, LPARAM lParam, LRESULT* pResult) {
  NMHDR* hdr = (NMHDR*)lParam;
  if (CWnd* child = FromHandlePermanent(hdr->hwndFrom))
    if (child->OnChildNotify(WM_NOTIFY, 0, lParam, pResult)) return TRUE;
  UINT nID = (UINT)hdr->idFrom;
  UINT code = hdr->code;
  for (const AFX_MSGMAP* pMap = GetMessageMap(); pMap;
       pMap = pMap->pfnGetBaseMap ? pMap->pfnGetBaseMap() : nullptr) {
    for (const AFX_MSGMAP_ENTRY* e = pMap->lpEntries; e->nSig != AfxSig_end; ++e) {
      if (e->nMessage != WM_NOTIFY || e->nCode != code || nID < e->nID || nID > e->nLastID) continue;
      CCmdTarget* t = this;
      switch (e->nSig) {
        case AfxSig_vNMHDRpl:
          (t->*AfxPmfCast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(hdr, pResult);
          return TRUE;
        case AfxSig_vwNMHDRpl:
          (t->*AfxPmfCast<void (CCmdTarget::*)(UINT, NMHDR*, LRESULT*)>(e->pfn))(nID, hdr, pResult);
          return TRUE;
        case AfxSig_bNMHDRpl:
          if ((t->*AfxPmfCast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))(hdr, pResult)) return TRUE;
          break;
        default:
          break;
      }
    }
  }
  return FALSE;
}

BOOL CWnd::OnChildNotify(UINT message, WPARAM wParam, LPARAM lParam, LRESULT* pResult) {
  LRESULT dummy = 0;
  if (!pResult) pResult = &dummy;
  UINT code = message == WM_COMMAND ? (UINT)HIWORD(wParam) : ((NMHDR*)lParam)->code;
  const AFX_MSGMAP_ENTRY* e = FindMessageEntry(GetMessageMap(), WM_REFLECT_BASE + message, code, 0);
  if (!e) return FALSE;
  CCmdTarget* t = this;
  switch (e->nSig) {
    case AfxSig_vv: (t->*e->pfn)(); return TRUE;
    case AfxSig_bw: return (t->*AfxPmfCast<BOOL (CCmdTarget::*)(UINT)>(e->pfn))(code);
    case AfxSig_vNMHDRpl:
      (t->*AfxPmfCast<void (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))((NMHDR*)lParam, pResult);
      return TRUE;
    case AfxSig_bNMHDRpl:
      return (t->*AfxPmfCast<BOOL (CCmdTarget::*)(NMHDR*, LRESULT*)>(e->pfn))((NMHDR*)lParam, pResult);
    default: return FALSE;
  }
}

BOOL CWnd::PreTranslateMessage(MSG*) { return FALSE; }

void CWnd::OnMessagePosted(UINT, WPARAM, LPARAM) {}

int CWnd::MessageBox(LPCTSTR lpszText, LPCTSTR lpszCaption, UINT nType) {
  return AfxShowMessageBox(lpszText, lpszCaption, nType);
}

// ---- command state -------------------------------------------------------------------------

namespace {
class CDlgItemCmdUI : public CCmdUI {
 public:
  CWnd* m_pCtrl = nullptr;
  void Enable(BOOL bOn) override {
    m_bEnableChanged = TRUE;
    m_pCtrl->EnableWindow(bOn);
  }
  void SetCheck(int nCheck) override {
    if (m_pCtrl->SendMessage(WM_GETDLGCODE) & DLGC_BUTTON) m_pCtrl->SendMessage(BM_SETCHECK, (WPARAM)nCheck);
  }
  void SetText(LPCTSTR text) override { m_pCtrl->SetWindowText(text); }
};
}  // namespace

void CWnd::UpdateDialogControls(CCmdTarget* pTarget, BOOL bDisableIfNoHndler) {
  AfxWndState* w = State();
  if (!w || !pTarget) return;
  std::vector<HWND> kids = w->children;
  for (HWND k : kids) {
    AfxWndState* kw = AfxWnd(k);
    if (!kw || kw->id <= 0 || kw->id > 0xFFFF) continue;
    CDlgItemCmdUI ui;
    ui.m_nID = (UINT)kw->id;
    ui.m_pCtrl = FromHandle(k);
    ui.m_pOther = ui.m_pCtrl;
    if (pTarget->OnCmdMsg(ui.m_nID, CN_UPDATE_COMMAND_UI, &ui, nullptr)) continue;
    if (bDisableIfNoHndler && kw->kind == AfxKind::Button &&
        ((kw->style & BS_TYPEMASK) == BS_PUSHBUTTON || (kw->style & BS_TYPEMASK) == BS_DEFPUSHBUTTON) &&
        !pTarget->OnCmdMsg(ui.m_nID, CN_COMMAND, nullptr, (void*)1))
      ui.m_pCtrl->EnableWindow(FALSE);
  }
}

// ---- default handlers -------------------------------------------------------------------

int CWnd::OnCreate(LPCREATESTRUCT) { return (int)Default(); }
void CWnd::OnDestroy() { Default(); }
void CWnd::OnClose() { Default(); }
void CWnd::OnPaint() { Default(); }
BOOL CWnd::OnEraseBkgnd(CDC*) { return (BOOL)Default(); }
void CWnd::OnSize(UINT, int, int) { Default(); }
void CWnd::OnMove(int, int) { Default(); }
void CWnd::OnVScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnHScroll(UINT, UINT, CScrollBar*) { Default(); }
void CWnd::OnShowWindow(BOOL, UINT) { Default(); }
void CWnd::OnActivate(UINT, CWnd*, BOOL) { Default(); }
void CWnd::OnSysCommand(UINT, LPARAM) { Default(); }
void CWnd::OnMouseMove(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnLButtonUp(UINT, CPoint) { Default(); }
void CWnd::OnLButtonDblClk(UINT, CPoint) { Default(); }
void CWnd::OnRButtonDown(UINT, CPoint) { Default(); }
void CWnd::OnRButtonUp(UINT, CPoint) { Default(); }
BOOL CWnd::OnMouseWheel(UINT, short, CPoint) { return (BOOL)Default(); }
void CWnd::OnMouseLeave() { Default(); }
void CWnd::OnSetFocus(CWnd*) { Default(); }
void CWnd::OnKillFocus(CWnd*) { Default(); }
void CWnd::OnContextMenu(CWnd*, CPoint) { Default(); }
void CWnd::OnKeyDown(UINT, UINT, UINT) { Default(); }
void CWnd::OnKeyUp(UINT, UINT, UINT) { Default(); }
void CWnd::OnChar(UINT, UINT, UINT) { Default(); }
void CWnd::OnTimer(UINT_PTR) { Default(); }
UINT CWnd::OnGetDlgCode() { return (UINT)Default(); }
void CWnd::OnGetMinMaxInfo(MINMAXINFO*) { Default(); }
BOOL CWnd::OnSetCursor(CWnd*, UINT, UINT) { return (BOOL)Default(); }
void CWnd::OnEnable(BOOL) { Default(); }
HBRUSH CWnd::OnCtlColor(CDC*, CWnd*, UINT) { return (HBRUSH)Default(); }
