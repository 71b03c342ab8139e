#include "common/CCmdDlgContainerChild.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdDlgContainerChild, CDlgChild)

CCmdDlgContainerChild::CCmdDlgContainerChild(CWnd* pParent) : CDlgChild(IDD_CMD_DLGCONTAINER_CHILD, pParent) {}

BOOL CCmdDlgContainerChild::OnInitDialog() {
  CDlgChild::OnInitDialog();
  if (CWnd* s = GetDlgItem(IDC_CONTAINER_CHILD_STATIC)) s->ShowWindow(SW_HIDE);
  return TRUE;
}

BOOL CCmdDlgContainerChild::PreTranslateMessage(MSG* pMsg) {
  (void)pMsg;
  return FALSE;
}
