// The exported dialogs of the selection folder, as the application builds them: the group
// damping dialog, with no parent, run modally.
#include "ExportedClasses.h"
#include "host/CHostSession.h"
#include "host/HostDialogs.h"
#include "selection/CCMGroupDampingDlg.h"

typedef CScenarioStatus Status;

Status RunGroupDampingDlg(CScenarioContext& ctx) {
  int r = HostRunModalBlock(ctx, [] {
    CCMGroupDampingDlg dlg(nullptr);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
