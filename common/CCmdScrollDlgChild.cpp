#include "common/CCmdScrollDlgChild.h"

#include "common/CCmdDlgContainer.h"

IMPLEMENT_DYNCREATE(CCmdScrollDlgChild, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdScrollDlgChild, CDlgChild)
  ON_WM_SIZE()
END_MESSAGE_MAP()

namespace {
// The container above the page's parent (the inner window), or NULL.
CCmdDlgContainer* ContainerOf(CWnd* page) {
  CWnd* inner = page->GetParent();
  if (!inner || !inner->m_hWnd) return nullptr;
  return dynamic_cast<CCmdDlgContainer*>(inner->GetParent());
}
}  // namespace

CCmdScrollDlgChild::CCmdScrollDlgChild(CWnd* pParent) : CDlgChild((UINT)-1, pParent) {}

CCmdScrollDlgChild::CCmdScrollDlgChild(UINT nIDTemplate, CWnd* pParent) : CDlgChild(nIDTemplate, pParent) {}

void CCmdScrollDlgChild::OnSize(UINT nType, int cx, int cy) {
  CDlgChild::OnSize(nType, cx, cy);
  if (CCmdDlgContainer* c = ContainerOf(this)) c->OnChildDlgSizeChanged(nType, cx, cy);
}

void CCmdScrollDlgChild::Close(int nCode) {
  if (CCmdDlgContainer* c = ContainerOf(this)) c->Close(nCode);
}

BOOL CCmdScrollDlgChild::PreTranslateMessage(MSG* pMsg) {
  UpdateDialogControls(this, FALSE);
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    CWnd* parent = GetParent();
    if (parent && parent->m_hWnd) {
      parent->PostMessage(pMsg->message, pMsg->wParam, pMsg->lParam);
      return TRUE;
    }
  }
  return CDlgChild::PreTranslateMessage(pMsg);
}
