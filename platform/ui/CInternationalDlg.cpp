#include "ui/CInternationalDlg.h"

#include "ui/CDBUpdateConnector.h"

IMPLEMENT_DYNAMIC(CInternationalDlg, CDialog)

LRESULT CInternationalDlg::WindowProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message == WM_INITDIALOG)
    if (auto* c = dynamic_cast<CDBUpdateConnector*>(this)) c->Connect(GetUpdateDoc());
  if (message == WM_DESTROY)
    if (auto* c = dynamic_cast<CDBUpdateConnector*>(this)) c->Disconnect();
  return CDialog::WindowProc(message, wParam, lParam);
}
