// The model-check line of cmdhost: `tracer MODE` puts the current document into the
// model-check (tracer) mode with check mode MODE, no object flagged; `tracer off` ends it.
// Every open window is then painted again, so the colours its controls ask of their
// parents follow the mode. A model is made first when there is none.
#include <vector>
#include "afx/CWnd.h"
#include "db/CDBDoc.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

Status Tracer(CScenarioContext& ctx) {
  int mode = 0;
  const bool off = ctx.Word(0).Is("off");
  if (!off && !ctx.ArgInt(0, mode)) return Status::Bad("not a check mode or off: " + ctx.Arg(0));
  Status s = HostEnsureModel(ctx);
  if (!s.IsOk()) return s;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (off) doc->EndTracerMode();
  else doc->StartTracerMode(mode, CUIntArray());
  std::vector<HWND> windows;
  AfxEnumWindows([&](HWND h) { windows.push_back(h); });
  for (HWND h : windows) CWnd::FromHandle(h)->Invalidate();
  for (HWND h : windows)
    if (::IsWindow(h)) CWnd::FromHandle(h)->UpdateWindow();
  return Status::Ok();
}

const CScenarioCommandRegistrar s_tracer("tracer", 1, 1, Tracer, "MODE|off");

}  // namespace
