// `call CLASS OPERATION`: the application constructs an exported class without making its
// window and calls one of its public operations, as another module would; prints
// `result N`. The operations are the rows below; an unknown class or operation makes a
// line that cannot be understood. A model is made first when there is none.
//
// CCmdAnalEigvDlg GetNumEigv: with the model's eigenvalue record (its initial values when
// the model has none). CCmdAnalEigvDlg CalcEigvNlnkForceVectors: the nonlinear degrees of
// freedom of the placed links.
#include "analysis/CCmdAnalEigvDlg.h"
#include "db/CClassEigv.h"
#include "db/CDBDoc.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

int EigvNumEigv() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  auto* table = static_cast<CClassEigv*>(doc->GetModelDB()->GetClass(CClassEigv::m_nClassID));
  T_EIGV_D rec;
  if (!table || !table->Get(rec)) rec.Initialize();
  CCmdAnalEigvDlg dlg;
  return dlg.GetNumEigv(rec);
}

int EigvNlnkForceVectors() {
  CCmdAnalEigvDlg dlg;
  return dlg.CalcEigvNlnkForceVectors();
}

struct Call {
  const char* cls;
  const char* op;
  int (*fn)();
};
const Call kCalls[] = {
    {"CCmdAnalEigvDlg", "GetNumEigv", EigvNumEigv},
    {"CCmdAnalEigvDlg", "CalcEigvNlnkForceVectors", EigvNlnkForceVectors},
};

Status CallLine(CScenarioContext& ctx) {
  for (const Call& c : kCalls) {
    if (ctx.Arg(0) != c.cls || ctx.Arg(1) != c.op) continue;
    Status s = HostEnsureModel(ctx);
    if (!s.IsOk()) return s;
    ctx.Session().SetResult(c.fn());
    return Status::Ok();
  }
  return Status::Bad("not an exported call: " + ctx.Arg(0) + " " + ctx.Arg(1));
}

const CScenarioCommandRegistrar s_call("call", 2, 2, CallLine, "CLASS OPERATION");

}  // namespace
