// The scenario line for sliders: `slide ID POS` drags the thumb of slider ID of the current
// dialog to POS (clamped into its range); a hidden or disabled slider is refused.
#include "afx/CUserDriver.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

Status Slide(CScenarioContext& ctx) {
  int pos = 0;
  if (!ctx.ArgInt(1, pos)) return Status::Bad("not a position: " + ctx.Arg(1));
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  ctx.Session().MarkDialogAction();
  if (!d) return ctx.Refused();
  CUserDriver drv(d);
  CWnd* w = drv.FindControl(ctx.Arg(0));
  return w && drv.Slide(w, pos) ? Status::Ok() : ctx.Refused();
}

const CScenarioCommandRegistrar s_commands[] = {
    {"slide", 2, 2, Slide, "ID POS"},
};

}  // namespace
