#include "frame/ICmdDialog.h"

#include <memory>
#include "afx/CWinApp.h"
#include "db/CDBDoc.h"
#include "frame/CmdDialogTable.h"
#include "ui/CDBDlgBase.h"
#include "ui/CDlgModelessMgr.h"
#include "view/CViewEventController.h"
#include "view/I_ModelBase.h"

namespace {

constexpr int kUnknown = -1;

void Place(CDialog* dlg, const CmdPlacement& place) {
  if (place.nType < 0) return;
  if (auto* mv = dynamic_cast<CDlgMove*>(dlg)) mv->SetInitPos(place.nType, place.nX, place.nY);
}

void ShowAndActivate(CWnd* dlg) {
  dlg->ShowWindow(SW_SHOW);
  dlg->SetActiveWindow();
}

// Builds, places, binds and creates a modeless dialog of the row; NULL when it could not be
// created (the object is deleted then, whatever the row).
CDBDlgBase* CreateModeless(const CmdModelessRow& row, CDBDoc* doc) {
  CDBDlgBase* dlg = row.pfnNew(nullptr);
  if (!dlg) return nullptr;
  Place(dlg, row.place);
  dlg->m_pDBDoc = doc;
  if (!dlg->Create(row.nTemplate, row.nTemplate, nullptr)) {
    delete dlg;
    return nullptr;
  }
  return dlg;
}

int ToolWindow(const CmdModelessRow& row, CDBDoc* doc, void* extra) {
  if (!doc || doc->IsPostMode() || !extra || I_ModelBase::IsSelectModeST()) return kUnknown;
  const int mode = *static_cast<const int*>(extra);
  const CmdToolWindowOps* ops = row.pTool;
  CDlgModelessMgr* mgr = doc->GetDlgCtrl();
  if (CDialog* open = mgr ? mgr->GetDlg(row.nTemplate) : nullptr) {
    auto* tool = dynamic_cast<CDBDlgBase*>(open);
    if (!tool || !ops || !ops->pfnCanReceiveSnapEvent || !ops->pfnCanReceiveSnapEvent(tool)) return kUnknown;
    if (mode != CMD_TOOL_BY_MENU) return kUnknown;
    ShowAndActivate(tool);
    if (ops->pfnSetInitDataByMenu) ops->pfnSetInitDataByMenu(tool);
    return 1;
  }
  if (mode == CMD_TOOL_SNAPPED) {
    CViewEventController* view = CViewEventController::Instance();
    int type = 0;
    UINT key = 0;
    if (!view || !view->GetSnappedObject(type, key)) return kUnknown;
  } else if (mode != CMD_TOOL_BY_MENU) {
    return kUnknown;
  }
  CDBDlgBase* tool = CreateModeless(row, doc);
  if (!tool) return 0;
  ShowAndActivate(tool);
  if (ops && mode == CMD_TOOL_SNAPPED && ops->pfnSetSnappedPtData) ops->pfnSetSnappedPtData(tool);
  if (ops && mode == CMD_TOOL_BY_MENU && ops->pfnSetInitDataByMenu) ops->pfnSetInitDataByMenu(tool);
  return 1;
}

}  // namespace

ICmdDialog::ICmdDialog() { Register(NAME); }

ICmdDialog::~ICmdDialog() = default;

int ICmdDialog::DoModal(const char* name, void* param) {
  const CmdModalRow* row = CmdDialogTable::FindModal(name);
  if (!row || !row->pfnNew) return kUnknown;
  CWnd* parent = row->parent == CMD_PARENT_MAIN ? AfxGetMainWnd() : nullptr;
  const UINT value = (UINT)(uintptr_t)param;
  std::unique_ptr<CInternationalDlg> dlg(row->pfnNew(parent, value));
  if (!dlg) return kUnknown;
  if (row->pfnPrepare) row->pfnPrepare(dlg.get(), value);
  Place(dlg.get(), row->place);
  return (int)dlg->DoModal();
}

int ICmdDialog::DoModeless(const char* name, void*, void* extra) {
  const CmdModelessRow* row = CmdDialogTable::FindModeless(name);
  if (!row || !row->pfnNew) return kUnknown;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (row->extra == CMD_EXTRA_TOOL_MODE) return ToolWindow(*row, doc, extra);
  if (!doc) return 0;
  const bool tab = row->extra == CMD_EXTRA_TAB && extra && row->pfnActivateTab;
  CDlgModelessMgr* mgr = doc->GetDlgCtrl();
  if (CDialog* open = mgr ? mgr->GetDlg(row->nTemplate) : nullptr) {
    if (tab)
      if (auto* d = dynamic_cast<CDBDlgBase*>(open)) row->pfnActivateTab(d, *static_cast<const int*>(extra));
    ShowAndActivate(open);
    return 1;
  }
  CDBDlgBase* dlg = CreateModeless(*row, doc);
  if (!dlg) return 0;
  ShowAndActivate(dlg);
  if (tab) row->pfnActivateTab(dlg, *static_cast<const int*>(extra));
  return 1;
}
