#include "selection/CUnselectListEdit.h"

#include "selection/CSelectListEdit.h"

IMPLEMENT_DYNAMIC(CUnselectListEdit, CEdit)

BEGIN_MESSAGE_MAP(CUnselectListEdit, CEdit)
END_MESSAGE_MAP()

BOOL CUnselectListEdit::PreTranslateMessage(MSG* pMsg) {
  if (CSelectListEdit::PostKillFocusOnReturn(*this, pMsg)) return TRUE;
  return CWnd::PreTranslateMessage(pMsg);
}
