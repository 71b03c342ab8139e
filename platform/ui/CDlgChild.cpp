#include "ui/CDlgChild.h"

IMPLEMENT_DYNAMIC(CDlgChild, CInternationalDlg)

BOOL CDlgChild::CreatePage(UINT nIDTemplate, CWnd* pParent, const CRect& rc) {
  if (!pParent || !pParent->m_hWnd || m_hWnd) return FALSE;
  if (!Create(nIDTemplate, pParent)) return FALSE;
  if (!(GetStyle() & WS_CHILD)) {
    // A template made as a pop-up still lives inside its holder.
    ModifyStyle(WS_POPUP | WS_CAPTION | WS_THICKFRAME, WS_CHILD);
    SetParent(pParent);
  }
  ShowWindow(SW_HIDE);
  MoveWindow(rc.left, rc.top, rc.Width(), rc.Height(), FALSE);
  return TRUE;
}
