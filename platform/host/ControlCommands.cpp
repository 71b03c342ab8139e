// The scenario lines for the controls a user works with the mouse and the lines that show
// where a window lies: dblclick, spin, scroll and show rect, on the current dialog.
//
// `spin ID N` is N steps of the up-down control, one notification a step, negative N the
// up arrow. `scroll ID CODE [POS]` acts on scroll bar ID (its parent hears it) or on the
// vertical bar of window ID (0: the dialog). `show rect ID` prints the window's rectangle:
// a control's (one on a page too) in the client coordinates of the current dialog, the
// dialog's (0) on the screen.
#include "afx/CUserDriver.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

// The current dialog, and the window of argument 0 in it ("0": the dialog itself).
CWnd* Window(CScenarioContext& ctx, CUserDriver& drv) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return nullptr;
  drv.SetDialog(d);
  if (ctx.Arg(0) == "0") return d;
  return drv.FindControl(ctx.Arg(0));
}

Status DblClick(CScenarioContext& ctx) {
  int index = 0;
  if (!ctx.Word(1).IsIndex(index)) return Status::Bad("not an item #N: " + ctx.Arg(1));
  CUserDriver drv;
  CWnd* w = Window(ctx, drv);
  ctx.Session().MarkDialogAction();
  if (!w || w == drv.GetDialog()) return ctx.Refused();
  return drv.DblClick(w, index) ? Status::Ok() : ctx.Refused();
}

Status Spin(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(1, n) || n == 0) return Status::Bad("not a step count (non-zero): " + ctx.Arg(1));
  CUserDriver drv;
  CWnd* w = Window(ctx, drv);
  ctx.Session().MarkDialogAction();
  if (!w || w == drv.GetDialog()) return ctx.Refused();
  const int step = n < 0 ? -1 : 1;
  for (int i = 0; i < (n < 0 ? -n : n); ++i)
    if (!drv.Spin(w, step)) return ctx.Refused();
  return Status::Ok();
}

struct NamedCode {
  const char* name;
  UINT code;
};
const NamedCode kScrollCodes[] = {
    {"LINEUP", SB_LINEUP},         {"LINEDOWN", SB_LINEDOWN},           {"PAGEUP", SB_PAGEUP},
    {"PAGEDOWN", SB_PAGEDOWN},     {"THUMBPOSITION", SB_THUMBPOSITION}, {"THUMBTRACK", SB_THUMBTRACK},
};

Status Scroll(CScenarioContext& ctx) {
  const NamedCode* code = nullptr;
  for (const NamedCode& c : kScrollCodes)
    if (ctx.Word(1).Is(c.name)) code = &c;
  if (!code) return Status::Bad("not a scroll code (LINEUP, LINEDOWN, PAGEUP, PAGEDOWN, THUMBPOSITION, THUMBTRACK): " + ctx.Arg(1));
  int pos = 0;
  if (ctx.ArgCount() > 2 && !ctx.ArgInt(2, pos)) return Status::Bad("not a position: " + ctx.Arg(2));
  CUserDriver drv;
  CWnd* w = Window(ctx, drv);
  ctx.Session().MarkDialogAction();
  if (!w) return ctx.Refused();
  return drv.Scroll(w, SB_VERT, code->code, pos) ? Status::Ok() : ctx.Refused();
}

Status ShowRect(CScenarioContext& ctx) {
  CUserDriver drv;
  CWnd* w = Window(ctx, drv);
  if (!w) return ctx.Refused();
  CRect r;
  w->GetWindowRect(&r);
  if (w != drv.GetDialog()) drv.GetDialog()->ScreenToClient(&r);
  ctx.Out() << "rect " << ctx.Arg(0).str() << ' ' << r.left << ' ' << r.top << ' ' << r.Width() << ' '
            << r.Height() << '\n';
  return Status::Ok();
}

const CScenarioCommandRegistrar s_commands[] = {
    {"dblclick", 2, 2, DblClick, "ID #N"},
    {"spin", 2, 2, Spin, "ID N"},
    {"scroll", 2, 3, Scroll, "ID LINEUP|LINEDOWN|PAGEUP|PAGEDOWN|THUMBPOSITION|THUMBTRACK [POS]"},
    {"show rect", 1, 1, ShowRect, "ID"},
};

}  // namespace
