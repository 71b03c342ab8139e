// The exported classes of the properties folder, as the application builds them: the
// import of wall-opening types, handed the other model file's path before it opens.
#include "ExportedClasses.h"
#include "host/CHostSession.h"
#include "host/HostDialogs.h"
#include "properties/CModelPropTwopImport.h"

typedef CScenarioStatus Status;

// CModelPropTwopImport PATH: ImportFile (PATH), then run modally.
Status RunTwopImport(CScenarioContext& ctx) {
  const CString path = ctx.Arg(1);
  int r = HostRunModalBlock(ctx, [&] {
    CModelPropTwopImport dlg(nullptr);
    dlg.ImportFile(path);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
