// The lines of the modeller's request log: show requests, show request [I],
// expect request OPERATION, expect requests N, expect arg NAME VALUE. Requests are
// numbered from 1 in the order the modeller received them.
#include <string>
#include "db/CModeler2.h"
#include "host/CScenarioCommands.h"

namespace {

typedef CScenarioStatus Status;

CString S(const std::string& s) { return CString(s.c_str()); }

std::string Head(int i, const T_MODELER2_REQUEST& r) {
  return "request " + std::to_string(i) + " " + r.op + " result=" + std::to_string(r.result);
}

Status ShowRequests(CScenarioContext& ctx) {
  CModeler2* m = CModeler2::Instance();
  ctx.Out() << "requests " << m->GetRequestCount() << '\n';
  for (int i = 0; i < m->GetRequestCount(); ++i) ctx.Out() << Head(i + 1, *m->GetRequest(i)) << '\n';
  return Status::Ok();
}

Status ShowRequest(CScenarioContext& ctx) {
  CModeler2* m = CModeler2::Instance();
  int i = m->GetRequestCount();
  if (ctx.ArgCount() == 1 && !ctx.ArgInt(0, i)) return Status::Bad("not a number: " + ctx.Arg(0));
  const T_MODELER2_REQUEST* r = m->GetRequest(i - 1);
  if (!r) return Status::Failed(S("no request " + std::to_string(i)));
  ctx.Out() << Head(i, *r) << '\n';
  for (const auto& a : r->args) {
    ctx.Out() << "  " << a.name;
    if (!a.record) ctx.Out() << ' ' << a.text;
    for (const auto& f : a.fields) ctx.Out() << ' ' << f.first << '=' << f.second;
    ctx.Out() << '\n';
  }
  return Status::Ok();
}

const T_MODELER2_REQUEST* Last() {
  CModeler2* m = CModeler2::Instance();
  return m->GetRequest(m->GetRequestCount() - 1);
}

Status ExpectRequest(CScenarioContext& ctx) {
  const T_MODELER2_REQUEST* r = Last();
  if (r && r->op == ctx.Arg(0).str()) return Status::Ok();
  return Status::Failed(S(r ? "request " + r->op : std::string("no request")));
}

Status ExpectRequests(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(0, n)) return Status::Bad("not a number: " + ctx.Arg(0));
  int have = CModeler2::Instance()->GetRequestCount();
  return have == n ? Status::Ok() : Status::Failed(S("requests " + std::to_string(have)));
}

Status ExpectArg(CScenarioContext& ctx) {
  const T_MODELER2_REQUEST* r = Last();
  if (!r) return Status::Failed("no request");
  std::string text;
  if (!r->Find(ctx.Arg(0).str(), text)) return Status::Failed(S("no argument " + ctx.Arg(0).str()));
  if (text == ctx.Arg(1).str() || ("\"" + ctx.Arg(1).str() + "\"" == text && ctx.Arg(1).IsEmpty())) return Status::Ok();
  return Status::Failed(S(ctx.Arg(0).str() + " " + text));
}

const CScenarioCommandRegistrar s_requests("show requests", 0, 0, ShowRequests);
const CScenarioCommandRegistrar s_request("show request", 0, 1, ShowRequest, "[I]");
const CScenarioCommandRegistrar s_expectRequest("expect request", 1, 1, ExpectRequest, "OPERATION");
const CScenarioCommandRegistrar s_expectRequests("expect requests", 1, 1, ExpectRequests, "N");
const CScenarioCommandRegistrar s_expectArg("expect arg", 2, 2, ExpectArg, "NAME VALUE");

}  // namespace
