#include "common/CCmdDlgContainer.h"

#include <algorithm>
#include <climits>
#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "common/CCmdDlgContainerChild.h"
#include "res/resource.h"
#include "ui/CDlgChild.h"

IMPLEMENT_DYNAMIC(CCmdDlgContainer, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdDlgContainer, CDlgMove)
  ON_WM_VSCROLL()
END_MESSAGE_MAP()

namespace {
const int kBarWidth = 16;
const int kBarGap = 12;
const int kExtraWidth = 30;
const int kExtraHeight = 48;

// A window's rectangle in its parent's client coordinates (a top-level one: the screen).
CRect RectInParent(CWnd* w) {
  CRect r;
  w->GetWindowRect(&r);
  if ((w->GetStyle() & WS_CHILD) && w->GetParent()) w->GetParent()->ScreenToClient(&r);
  return r;
}
}  // namespace

CCmdDlgContainer::CCmdDlgContainer(CWnd* pParent, int bDeleteSelf)
    : CDlgMove(IDD_CMD_DLGCONTAINER, pParent), m_bDeleteSelf(bDeleteSelf) {}

CCmdDlgContainer::~CCmdDlgContainer() {
  if (m_pDlg) {
    if (m_pDlg->m_hWnd) m_pDlg->DestroyWindow();
    if (m_bOwnDlg) delete m_pDlg;
    m_pDlg = nullptr;
  }
  if (m_pInner) {
    if (m_pInner->m_hWnd) m_pInner->DestroyWindow();
    delete m_pInner;
    m_pInner = nullptr;
  }
}

void CCmdDlgContainer::SetDialog(CDlgChild* pDlg, const char* pszCaption, int bOwnDlg) {
  m_pDlg = pDlg;
  m_strCaption = pszCaption ? pszCaption : "";
  m_bOwnDlg = bOwnDlg;
}

void CCmdDlgContainer::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CONTAINER_SCROLLBAR, m_scroll);
}

BOOL CCmdDlgContainer::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_bReady = 0;
  if (!m_pInner) m_pInner = new CCmdDlgContainerChild(this);
  m_pInner->Create(IDD_CMD_DLGCONTAINER_CHILD, this);
  if (!m_pDlg) return TRUE;
  SetWindowText(m_strCaption);
  // A page without a template of its own makes no window: the container stays empty.
  if (!m_pDlg->Create(m_pDlg->m_nIDHelp, m_pInner)) return TRUE;
  AdjustChildDlg();
  int bar = 0, pageHeight = 0, scrollPage = 0, pageWidth = 0, visible = 0;
  CalcScrollBarSize(bar, pageHeight, scrollPage, pageWidth, visible);
  CRect rc;
  CalcWindowSize(rc, pageWidth, visible, bar);
  // MoveWindow takes a child's rectangle in its parent's client coordinates; a pop-up's on
  // the screen, where CalcWindowSize leaves it.
  if ((GetStyle() & WS_CHILD) && AfxGetMainWnd()) AfxGetMainWnd()->ScreenToClient(&rc);
  MoveWindow(&rc);
  if (CWnd* holder = GetDlgItem(IDC_PLACEHOLDER)) {
    CRect ph = RectInParent(holder);
    ph.right = ph.left + pageWidth;
    ph.bottom = ph.top + visible;
    holder->MoveWindow(&ph);
    holder->ShowWindow(SW_HIDE);
    m_pInner->MoveWindow(&ph);
    m_pInner->ShowWindow(SW_SHOW);
  }
  CRect page = RectInParent(m_pDlg);
  m_pDlg->MoveWindow(0, 0, page.Width(), page.Height());
  m_pDlg->UpdateData(FALSE);
  m_pDlg->ShowWindow(SW_SHOW);
  ProcessScrollBar(bar, pageHeight, scrollPage, 1);
  m_bReady = 1;
  return TRUE;
}

void CCmdDlgContainer::AdjustChildDlg() {
  CRect page;
  m_pDlg->GetWindowRect(&page);
  int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN;
  for (CWnd* c = m_pDlg->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) {
    CRect r;
    c->GetWindowRect(&r);
    if (r.left < page.left || r.top < page.top || r.right > page.right || r.bottom > page.bottom) continue;
    left = std::min(left, (int)r.left);
    top = std::min(top, (int)r.top);
    right = std::max(right, (int)r.right);
    bottom = std::max(bottom, (int)r.bottom);
  }
  if (left == INT_MAX) return;  // no control inside the page: nothing to trim
  m_nMarginLeft = left - page.left;
  m_nMarginTop = top - page.top;
  m_nMarginRight = page.right - right;
  m_nMarginBottom = page.bottom - bottom;
  for (CWnd* c = m_pDlg->GetWindow(GW_CHILD); c; c = c->GetWindow(GW_HWNDNEXT)) {
    CRect r = RectInParent(c);
    c->MoveWindow(r.left - m_nMarginLeft, r.top - m_nMarginTop, r.Width(), r.Height());
  }
  CRect pr = RectInParent(m_pDlg);
  m_pDlg->MoveWindow(pr.left, pr.top, pr.Width() - m_nMarginLeft - m_nMarginRight,
                     pr.Height() - m_nMarginTop - m_nMarginBottom);
}

void CCmdDlgContainer::CalcScrollBarSize(int& nBarWidth, int& nPageHeight, int& nScrollPage, int& nPageWidth,
                                         int& nVisibleHeight) {
  CRect page;
  m_pDlg->GetWindowRect(&page);
  nPageWidth = page.Width() + 1;
  nPageHeight = nScrollPage = nVisibleHeight = page.Height() + 1;
  nBarWidth = 0;
  if (m_nMaxHeight > 0 && m_nMaxHeight < nPageHeight) {
    nBarWidth = kBarWidth;
    nScrollPage = nVisibleHeight = m_nMaxHeight;
  }
}

void CCmdDlgContainer::CalcWindowSize(CRect& rc, int nPageWidth, int nVisibleHeight, int nBarWidth) {
  CRect cur;
  GetWindowRect(&cur);
  rc.left = cur.left;
  rc.top = cur.top;
  rc.right = rc.left + nPageWidth + nBarWidth + kExtraWidth;
  rc.bottom = rc.top + nVisibleHeight + kExtraHeight;
}

void CCmdDlgContainer::ProcessScrollBar(int nBarWidth, int nPageHeight, int nScrollPage, int nPos) {
  if (!m_scroll.m_hWnd) return;
  if (nBarWidth <= 0) {
    m_scroll.ShowWindow(SW_HIDE);
    m_scroll.EnableWindow(FALSE);
    return;
  }
  if (CWnd* holder = GetDlgItem(IDC_PLACEHOLDER)) {
    CRect ph = RectInParent(holder);
    m_scroll.MoveWindow(ph.right + kBarGap, ph.top, nBarWidth, ph.Height());
  }
  SCROLLINFO si;
  si.cbSize = sizeof si;
  si.fMask = SIF_RANGE | SIF_PAGE | SIF_POS | SIF_DISABLENOSCROLL;
  si.nMin = 1;
  si.nMax = nPageHeight + 1;
  si.nPage = (UINT)nScrollPage;
  si.nPos = nPos;
  m_scroll.SetScrollInfo(&si);
  m_scroll.EnableWindow(TRUE);
  m_scroll.ShowWindow(SW_SHOW);
}

void CCmdDlgContainer::OnVScroll(UINT nSBCode, UINT nPos, CScrollBar* pScrollBar) {
  if (m_scroll.m_hWnd && m_pDlg && m_pDlg->m_hWnd) {
    SCROLLINFO si;
    si.cbSize = sizeof si;
    m_scroll.GetScrollInfo(&si, SIF_ALL);
    const int old = si.nPos, page = (int)si.nPage;
    int pos = old;
    switch (nSBCode) {
      case SB_LINEUP: pos -= m_nLineStep; break;
      case SB_LINEDOWN: pos += m_nLineStep; break;
      case SB_PAGEUP: pos -= page; break;
      case SB_PAGEDOWN: pos += page; break;
      case SB_THUMBPOSITION:
      case SB_THUMBTRACK: pos = (int)nPos; break;
      default: break;
    }
    if (pos < si.nMin) pos = si.nMin;
    if (pos + page > si.nMax) pos = si.nMax - page;
    m_scroll.SetScrollPos(pos);
    if (pos != old) {
      CRect r = RectInParent(m_pDlg);
      m_pDlg->MoveWindow(r.left, r.top + (old - pos), r.Width(), r.Height());
    }
  }
  CDlgMove::OnVScroll(nSBCode, nPos, pScrollBar);
}

void CCmdDlgContainer::OnChildDlgSizeChanged(UINT nType, int cx, int cy) {
  (void)nType;
  if (!m_bReady || !m_pDlg || !m_pDlg->m_hWnd || !m_pInner || !m_pInner->m_hWnd) return;
  CWnd* holder = GetDlgItem(IDC_PLACEHOLDER);
  if (!holder) return;
  CRect win;
  GetWindowRect(&win);
  if (m_nMaxHeight <= 0) {
    CRect old = RectInParent(holder);
    CRect ph(old.left, old.top, old.left + cx, old.top + cy);
    holder->MoveWindow(&ph);
    m_pInner->MoveWindow(&ph);
    SetWindowPos(nullptr, 0, 0, win.Width() + ph.Width() - old.Width(), win.Height() + ph.Height() - old.Height(),
                 SWP_NOMOVE | SWP_NOZORDER);
    return;
  }
  int bar = 0, pageHeight = 0, scrollPage = 0, pageWidth = 0, visible = 0;
  CalcScrollBarSize(bar, pageHeight, scrollPage, pageWidth, visible);
  CRect rc;
  CalcWindowSize(rc, pageWidth, visible, bar);
  SetWindowPos(nullptr, 0, 0, rc.Width(), rc.Height(), SWP_NOMOVE | SWP_NOZORDER);
  CRect page = RectInParent(m_pDlg);
  CRect inner;
  m_pInner->GetClientRect(&inner);
  if (page.bottom < inner.bottom) {
    page.OffsetRect(0, inner.bottom - page.bottom);
    m_pDlg->MoveWindow(&page);
  }
  if (visible < m_nMaxHeight) {
    if (page.top != 0) {
      page.OffsetRect(0, -page.top);
      m_pDlg->MoveWindow(&page);
    }
    CRect ir = RectInParent(m_pInner);
    m_pInner->MoveWindow(ir.left, ir.top, page.Width() + 1, page.Height() + 1);
  }
  int pos = m_scroll.IsWindowEnabled() ? m_scroll.GetScrollPos() : 1;
  ProcessScrollBar(bar, pageHeight, scrollPage, pos);
}

void CCmdDlgContainer::Close(int nCode) {
  (void)nCode;
  if (m_hWnd) DestroyWindow();
}

void CCmdDlgContainer::PostNcDestroy() {
  CDlgMove::PostNcDestroy();
  if (m_bDeleteSelf) delete this;
}
