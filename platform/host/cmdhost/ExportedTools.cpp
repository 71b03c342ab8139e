// `view pick`: the application hands the object the view has snapped to the open attribute
// tool window (CToolsDlg::SetSnappedPtData), as it does when the user picks in the view;
// refused when no tool window is open. Posted messages are delivered after it.
#include "afx/AfxMessageQueue.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"
#include "tools/CToolsDlg.h"

namespace {

typedef CScenarioStatus Status;

Status ViewPick(CScenarioContext& ctx) {
  Status s = HostEnsureModel(ctx);
  if (!s.IsOk()) return s;
  ctx.Session().MarkDialogAction();
  CToolsDlg* dlg = CToolsDlg::GetMySelf();
  if (!CToolsDlg::IsAlive() || !dlg || !dlg->GetSafeHwnd()) return ctx.Refused();
  dlg->SetSnappedPtData();
  AfxPumpMessages();
  return Status::Ok();
}

const CScenarioCommandRegistrar s_pick("view pick", 0, 0, ViewPick, "");

}  // namespace
