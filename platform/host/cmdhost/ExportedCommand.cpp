// `exported CLASS [ARG...]` ... `end`: the application (this executable, which may include
// the module's exported headers as the application does) builds one of its exported
// dialog classes itself and runs it modally with the block as the user. The classes are
// the rows of ExportedClasses.cpp; a class no row names, or arguments its row does not
// take, make a line that cannot be understood. A model is made first when there is none.
#include <string>
#include "ExportedClasses.h"
#include "host/CScenarioCommands.h"
#include "host/HostDialogs.h"

namespace {

typedef CScenarioStatus Status;

const CExportedClass* FindClass(const CString& name) {
  for (int i = 0; i < g_nExportedClasses; ++i)
    if (name == g_exportedClasses[i].m_pszName) return &g_exportedClasses[i];
  return nullptr;
}

Status Exported(CScenarioContext& ctx) {
  const CExportedClass* c = FindClass(ctx.Arg(0));
  if (!c) return Status::Bad("not an exported class: " + ctx.Arg(0));
  int n = ctx.ArgCount() - 1;
  if (n < c->m_nMinArgs || (c->m_nMaxArgs >= 0 && n > c->m_nMaxArgs))
    return Status::Bad(CString("usage: exported ") + c->m_pszName + " " + c->m_pszUsage);
  Status s = HostEnsureModel(ctx);
  if (!s.IsOk()) return s;
  return c->m_pfnRun(ctx);
}

// The help line: every class with its arguments.
const std::string& Usage() {
  static const std::string usage = [] {
    std::string u;
    for (int i = 0; i < g_nExportedClasses; ++i) {
      if (i) u += " | ";
      u += g_exportedClasses[i].m_pszName;
      if (*g_exportedClasses[i].m_pszUsage) u += std::string(" ") + g_exportedClasses[i].m_pszUsage;
    }
    return u;
  }();
  return usage;
}

const CScenarioBlockRegistrar s_exported("exported", 1, -1, Exported, Usage().c_str());

}  // namespace
