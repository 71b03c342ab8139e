// The exported dialogs of the levels folder, as the application builds them: the model
// control data dialog and the standard-floor picker, which the creation option panels
// open with their chosen standard floors.
#include <sstream>
#include "ExportedClasses.h"
#include "afx/CArray.h"
#include "host/CHostSession.h"
#include "host/HostDialogs.h"
#include "levels/CCmdPlanSelectDlg.h"
#include "levels/CModelCtrlDataDlg.h"

typedef CScenarioStatus Status;

// CCmdPlanSelectDlg [KEY...]: handed the keys, run; on IDOK `keys K...` from
// GetSelectedPlanKeys into an empty array.
Status RunPlanSelectDlg(CScenarioContext& ctx) {
  CUIntArray keys;
  for (int i = 1; i < ctx.ArgCount(); ++i) {
    UINT k = 0;
    if (!ctx.ArgUInt(i, k)) return Status::Bad("not a key: " + ctx.Arg(i));
    keys.Add(k);
  }
  CUIntArray chosen;
  int r = HostRunModalBlock(ctx, [&] {
    CCmdPlanSelectDlg dlg(nullptr);
    dlg.SetSelectedPlanKeys(keys);
    int result = (int)dlg.DoModal();
    if (result == IDOK) dlg.GetSelectedPlanKeys(chosen);
    return result;
  });
  ctx.Session().SetResult(r);
  if (r == IDOK) {
    std::ostringstream line;
    line << "keys";
    for (UINT k : chosen.vec()) line << ' ' << k;
    ctx.Out() << line.str() << '\n';
  }
  return Status::Ok();
}

// CModelCtrlDataDlg [TAB]: constructed with the first tab (0 without one), run modally.
Status RunModelCtrlDataDlg(CScenarioContext& ctx) {
  int tab = 0;
  if (ctx.ArgCount() > 1 && !ctx.ArgInt(1, tab)) return Status::Bad("not a tab: " + ctx.Arg(1));
  int r = HostRunModalBlock(ctx, [&] {
    CModelCtrlDataDlg dlg(tab, nullptr);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
