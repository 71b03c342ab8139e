// The activation lines: show active, expect active. They read the current document's
// model view (a new model when there is none).
#include <algorithm>
#include <cstdlib>
#include <string>
#include "db/CViewCtrl.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioContext.h"
#include "host/HostModel.h"
#include "view/I_ModelBase.h"

namespace {

typedef CScenarioStatus Status;

struct KindName {
  const char* name;
  int kind;
};
constexpr KindName kKinds[] = {
    {"points", CViewCtrl::PONT}, {"members", CViewCtrl::MEMB}, {"nodes", CViewCtrl::PNODE}, {"elements", CViewCtrl::PMEMB}};

I_ModelBase& View(CScenarioContext& ctx) {
  HostModelDoc(ctx);
  return *I_ModelBase::GetCurMySelfST();
}

// "all" while everything of the kind is active, else the keys ascending ("-" for none).
std::string Active(I_ModelBase& view, int kind) {
  if (view.IsAllActive(kind)) return "all";
  CUIntArray objs, membs;
  if (kind == CViewCtrl::PONT || kind == CViewCtrl::MEMB) view.GetActiveObjects(membs, objs);
  else view.GetActiveNodeElems(membs, objs);
  const CUIntArray& keys = kind == CViewCtrl::PONT || kind == CViewCtrl::PNODE ? objs : membs;
  std::string out;
  for (UINT k : keys) out += (out.empty() ? "" : ",") + std::to_string(k);
  return out.empty() ? "-" : out;
}

Status ShowActive(CScenarioContext& ctx) {
  I_ModelBase& view = View(ctx);
  ctx.Out() << "active";
  for (const KindName& k : kKinds) ctx.Out() << ' ' << k.name << '=' << Active(view, k.kind);
  ctx.Out() << '\n';
  return Status::Ok();
}

Status ExpectActive(CScenarioContext& ctx) {
  const KindName* kind = nullptr;
  for (const KindName& k : kKinds)
    if (ctx.Arg(0) == k.name) kind = &k;
  if (!kind) return Status::Bad("not a kind: " + ctx.Arg(0));
  std::string want;
  if (ctx.ArgCount() == 2 && (ctx.Arg(1) == "all" || ctx.Arg(1) == "-")) {
    want = ctx.Arg(1).str();
  } else {
    std::vector<unsigned long> keys;
    for (int i = 1; i < ctx.ArgCount(); ++i) {
      std::string w = ctx.Arg(i).str();
      size_t at = 0;
      while (at <= w.size()) {
        const size_t comma = w.find(',', at);
        const std::string part = w.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
        char* end = nullptr;
        const unsigned long v = std::strtoul(part.c_str(), &end, 10);
        if (part.empty() || *end || v > 0xFFFFFFFFul) return Status::Bad("not keys: " + ctx.Join(1));
        keys.push_back(v);
        if (comma == std::string::npos) break;
        at = comma + 1;
      }
    }
    std::sort(keys.begin(), keys.end());
    keys.erase(std::unique(keys.begin(), keys.end()), keys.end());
    for (unsigned long k : keys) want += (want.empty() ? "" : ",") + std::to_string(k);
  }
  const std::string have = Active(View(ctx), kind->kind);
  return have == want ? Status::Ok() : Status::Failed(CString(("active " + have).c_str()));
}

const bool s_registered = [] {
  CScenarioCommands::Register("show active", 0, 0, ShowActive, "");
  CScenarioCommands::Register("expect active", 2, -1, ExpectActive, "KIND KEYS...|all|-");
  return true;
}();

}  // namespace
