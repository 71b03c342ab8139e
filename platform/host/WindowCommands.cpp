// The lines of the application's tool windows: activate, show window, expect nocommand.
//
// `activate TEMPLATE` is the user clicking an open modeless window: it becomes the active
// window (it and the window it replaces hear WM_ACTIVATE; nothing when it already is the
// active one) and the current dialog. A window that is not open, is hidden or disabled, or
// is a page of another window is refused. `show window` prints where the current dialog
// lies on the screen and the size of its client area. `expect nocommand` holds when no
// command reached the main window since the last line that acted on a dialog or in the
// view began.
#include <string>
#include "afx/CUserDriver.h"
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

Status Activate(CScenarioContext& ctx) {
  int id = 0;
  if (!ctx.ArgInt(0, id)) return Status::Bad("not a template id: " + ctx.Arg(0));
  ctx.Session().MarkDialogAction();
  CWnd* w = CUserDriver::FindDialog(id);
  auto* d = w ? dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w->m_hWnd)) : nullptr;
  if (!d || (d->GetStyle() & WS_CHILD) || !CUserDriver::CanReach(d)) return ctx.Refused();
  HWND h = d->m_hWnd;
  d->SetActiveWindow();
  if (CWnd::FromHandlePermanent(h) == d) ctx.Session().m_pDialog = d;
  return Status::Ok();
}

Status ShowWindow(CScenarioContext& ctx) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return ctx.Refused();
  CRect r, c;
  d->GetWindowRect(&r);
  d->GetClientRect(&c);
  ctx.Out() << "window " << r.left << ',' << r.top << ',' << r.right << ',' << r.bottom << " client "
            << c.Width() << ',' << c.Height() << '\n';
  return Status::Ok();
}

Status ExpectNoCommand(CScenarioContext& ctx) {
  const std::vector<CHostCommand>& cmds = ctx.App().GetHostMainWnd().GetCommands();
  const size_t mark = (size_t)ctx.Session().GetCommandMark();
  if (cmds.size() <= mark) return Status::Ok();
  return Status::Failed(cmds[mark].Format());
}

const CScenarioCommandRegistrar s_commands[] = {
    {"activate", 1, 1, Activate, "TEMPLATE"},
    {"show window", 0, 0, ShowWindow},
    {"expect nocommand", 0, 0, ExpectNoCommand},
};

}  // namespace
