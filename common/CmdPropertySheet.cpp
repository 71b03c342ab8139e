#include "common/CmdPropertySheet.h"

#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "ui/CDlgModelessMgr.h"

int CmdOpenPropertySheet() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc) return 0;
  if (CDlgModelessMgr* mgr = doc->GetDlgCtrl())
    if (mgr->GetDlg(CMD_IDD_PROPERTY_SHEET)) return 0;
  int tab = 0;
  return ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab) == 1 ? 1 : 0;
}
