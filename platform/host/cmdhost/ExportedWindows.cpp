// `create NAME [ARG]`: the application (this executable) constructs one of the module's
// exported modeless windows and creates it, as the application does, and prints
// `result 1`, or `result 0` when the window could not be made. The window becomes the
// current dialog. A window of which one lives at a time and is alive already is shown and
// activated again instead. The classes are the rows below; another name, or an argument a
// row does not take, is a line that cannot be understood. A model is made first when there
// is none.
#include "creation/CCreateMembDlg2.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"
#include "res/resource.h"
#include "tools/CCmdQueryDlg.h"

namespace {

typedef CScenarioStatus Status;

// Builds or finds the window; NULL when it could not be made.
typedef CDialog* (*CREATE_WINDOW)(CScenarioContext& ctx);

CDialog* CreateMembDlg2(CScenarioContext&) {
  if (CCreateMembDlg2::IsAlive() && CCreateMembDlg2::GetMySelf()) {
    CCreateMembDlg2* tool = CCreateMembDlg2::GetMySelf();
    tool->ShowWindow(SW_SHOW);
    tool->SetActiveWindow();
    return tool;
  }
  auto* tool = new CCreateMembDlg2(nullptr);
  if (!tool->Create(IDD_CMD_CREATE_MEMB, IDD_CMD_CREATE_MEMB, nullptr)) {
    delete tool;
    return nullptr;
  }
  tool->ShowWindow(SW_SHOW);
  return tool;
}

// A new query window each time; ARG selects its tab (ChangeQueryType).
CDialog* CreateQueryDlg(CScenarioContext& ctx) {
  auto* dlg = new CCmdQueryDlg(nullptr);
  if (!dlg->Create(IDD_CMD_QUERY, nullptr)) {
    delete dlg;
    return nullptr;
  }
  dlg->ShowWindow(SW_SHOW);
  int tab = 0;
  if (ctx.ArgCount() > 1 && ctx.ArgInt(1, tab)) dlg->ChangeQueryType(tab);
  return dlg;
}

struct CreatedClass {
  const char* name;
  int maxArgs;  // after the class name
  CREATE_WINDOW create;
};
const CreatedClass kClasses[] = {
    {"CCreateMembDlg2", 0, CreateMembDlg2},
    {"CCmdQueryDlg", 1, CreateQueryDlg},
};

Status Create(CScenarioContext& ctx) {
  const CreatedClass* c = nullptr;
  for (const CreatedClass& k : kClasses)
    if (ctx.Arg(0) == k.name) c = &k;
  if (!c) return Status::Bad("not a window the application creates: " + ctx.Arg(0));
  if (ctx.ArgCount() - 1 > c->maxArgs) return Status::Bad(CString("too many arguments for ") + c->name);
  int n = 0;
  if (ctx.ArgCount() > 1 && !ctx.ArgInt(1, n)) return Status::Bad("not a number: " + ctx.Arg(1));
  Status s = HostEnsureModel(ctx);
  if (!s.IsOk()) return s;
  ctx.Session().MarkDialogAction();
  CDialog* d = c->create(ctx);
  ctx.Session().SetResult(d ? 1 : 0);
  if (d) ctx.Session().m_pDialog = d;
  return Status::Ok();
}

const CScenarioCommandRegistrar s_create("create", 1, 2, Create, "CCreateMembDlg2");

}  // namespace
