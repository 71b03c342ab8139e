// The scenario lines on check list boxes and grid copies: tick and copy, on the current
// dialog.
//
// `tick ID #N 0|1` clicks the check box of item N of check list box ID (CUserDriver::
// CheckItem); `copy ID` runs the Copy of the grid on placeholder ID and prints the grid
// clipboard's text as `clipboard "TEXT"`.
#include "afx/CCheckListBox.h"
#include "afx/CUserDriver.h"
#include "grid/CGXGridWnd.h"
#include "grid/GXClipboard.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

CWnd* Control(CScenarioContext& ctx, CUserDriver& drv) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return nullptr;
  drv.SetDialog(d);
  return drv.FindControl(ctx.Arg(0));
}

Status Tick(CScenarioContext& ctx) {
  int index = 0;
  if (!ctx.Word(1).IsIndex(index)) return Status::Bad("not an item #N: " + ctx.Arg(1));
  int check = 0;
  if (!ctx.ArgInt(2, check) || (check != 0 && check != 1)) return Status::Bad("not 0 or 1: " + ctx.Arg(2));
  CUserDriver drv;
  CWnd* w = Control(ctx, drv);
  ctx.Session().MarkDialogAction();
  if (!dynamic_cast<CCheckListBox*>(w)) return ctx.Refused();
  return drv.CheckItem(w, index, check) ? Status::Ok() : ctx.Refused();
}

Status Copy(CScenarioContext& ctx) {
  CUserDriver drv;
  auto* grid = dynamic_cast<CGXGridWnd*>(Control(ctx, drv));
  ctx.Session().MarkDialogAction();
  if (!grid) return ctx.Refused();
  CGXClipboard::Empty();
  grid->Copy();
  ctx.Out() << "clipboard " << AfxQuoteText(CGXClipboard::GetText()).str() << '\n';
  return Status::Ok();
}

const CScenarioCommandRegistrar s_commands[] = {
    {"tick", 3, 3, Tick, "ID #N 0|1"},
    {"copy", 1, 1, Copy, "ID"},
};

}  // namespace
