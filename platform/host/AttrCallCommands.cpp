// The lines of the attribute control's call log: show attrcalls, expect attrcall WORDS...,
// expect attrcalls N. Calls are numbered from 1 in the order they were asked; a call
// prints as CLASS:KEY OPERATION ARG... (a text argument as one word).
#include <string>
#include "db/CMembDataCtrl.h"
#include "db/DBField.h"
#include "host/CScenarioCommands.h"

namespace {

typedef CScenarioStatus Status;

// The words of a call as printed, without its number and result.
std::vector<std::string> Words(const T_ATTR_CALL& c) {
  std::vector<std::string> w{std::to_string(c.objClass) + ":" + std::to_string(c.objKey), c.op};
  for (const std::string& a : c.args) w.push_back(a);
  return w;
}

std::string Line(const T_ATTR_CALL& c) {
  std::string s;
  for (const std::string& w : Words(c)) s += (s.empty() ? "" : " ") + std::string(DB_QuoteWord(CString(w.c_str())).str());
  return s;
}

Status ShowAttrCalls(CScenarioContext& ctx) {
  const int n = CMembDataCtrl::GetCallCount();
  ctx.Out() << "attrcalls " << n << '\n';
  for (int i = 0; i < n; ++i) {
    const T_ATTR_CALL* c = CMembDataCtrl::GetCall(i);
    ctx.Out() << "call " << i + 1 << ' ' << Line(*c) << " result=" << c->result << '\n';
  }
  return Status::Ok();
}

Status ExpectAttrCall(CScenarioContext& ctx) {
  const T_ATTR_CALL* c = CMembDataCtrl::GetCall(CMembDataCtrl::GetCallCount() - 1);
  if (!c) return Status::Failed("no attribute call");
  const std::vector<std::string> have = Words(*c);
  bool ok = ctx.ArgCount() <= (int)have.size();
  for (int i = 0; ok && i < ctx.ArgCount(); ++i) ok = have[(size_t)i] == ctx.Arg(i).str();
  return ok ? Status::Ok() : Status::Failed(CString(("call " + Line(*c)).c_str()));
}

Status ExpectAttrCalls(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(0, n)) return Status::Bad("not a number: " + ctx.Arg(0));
  const int have = CMembDataCtrl::GetCallCount();
  return have == n ? Status::Ok() : Status::Failed(CString(("attrcalls " + std::to_string(have)).c_str()));
}

const CScenarioCommandRegistrar s_show("show attrcalls", 0, 0, ShowAttrCalls);
const CScenarioCommandRegistrar s_expect("expect attrcall", 1, -1, ExpectAttrCall, "WORDS...");
const CScenarioCommandRegistrar s_expectN("expect attrcalls", 1, 1, ExpectAttrCalls, "N");

}  // namespace
