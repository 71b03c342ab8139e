#include "ui/CDlgModeless.h"

IMPLEMENT_DYNAMIC(CDlgModeless, CDlgMove)

void CDlgModeless::OnOK() {
  if (!UpdateData(TRUE)) return;
  DestroyWindow();
}

void CDlgModeless::OnCancel() { DestroyWindow(); }
