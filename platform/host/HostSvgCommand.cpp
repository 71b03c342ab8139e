// `svg ID PATH`: writes what control ID of the current dialog last painted as an SVG
// picture at PATH, so that a person can look at it (a section preview, for one). A paint
// the window still owes (it was invalidated since) is made first, as the screen would show
// it. No current dialog or no such control: refused. A file that cannot be written prints
// `cannot write PATH` and the run goes on, to end as failed. Prints nothing else.
#include "afx/AfxSvg.h"
#include "afx/CUserDriver.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

CScenarioStatus Svg(CScenarioContext& ctx) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return ctx.Refused();
  CUserDriver drv(d);
  // The object that paints the window: the one attached to it, if any.
  CWnd* pWnd = drv.FindControl(ctx.Arg(0));
  if (!pWnd) return ctx.Refused();
  pWnd->UpdateWindow();
  if (!AfxWriteSvg(pWnd->m_paint, ctx.Arg(1))) return ctx.CannotWrite(ctx.Arg(1));
  return CScenarioStatus::Ok();
}

const CScenarioCommandRegistrar s_svg("svg", 2, 2, Svg, "ID PATH");

}  // namespace
