// The exported classes of the module's common folder, as the application builds them: the
// scrolling dialog container around a page of the module.
#include "ExportedClasses.h"
#include "common/CCmdDlgContainer.h"
#include "common/CCmdScrollDlgChild.h"
#include "host/CHostSession.h"
#include "host/HostDialogs.h"

typedef CScenarioStatus Status;

// CCmdDlgContainer TEMPLATE MAXHEIGHT: a container owning a CCmdScrollDlgChild made on
// module template TEMPLATE (0: no page), captioned with the template's number, with that
// height limit, run modally.
Status RunDlgContainer(CScenarioContext& ctx) {
  UINT tmpl = 0;
  int maxHeight = 0;
  if (!ctx.ArgUInt(1, tmpl)) return Status::Bad("not a template: " + ctx.Arg(1));
  if (!ctx.ArgInt(2, maxHeight)) return Status::Bad("not a height: " + ctx.Arg(2));
  int r = HostRunModalBlock(ctx, [&] {
    CCmdDlgContainer dlg(nullptr, 0);
    if (tmpl) dlg.SetDialog(new CCmdScrollDlgChild(tmpl, nullptr), ctx.Arg(1), 1);
    dlg.SetMaxHeight(maxHeight);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
