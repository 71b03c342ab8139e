// The scenario commands that need no model and no dialog: echo, help, the message log,
// the main window's commands, the message queue and the answers to message boxes.
#include <sstream>
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"

namespace {

typedef CScenarioStatus Status;

Status Echo(CScenarioContext& ctx) {
  ctx.Out() << ctx.Join(0).str() << '\n';
  return Status::Ok();
}

Status Help(CScenarioContext& ctx) {
  for (const CScenarioCommand* c : CScenarioCommands::All()) {
    CString line = c->m_strName;
    if (!c->m_strUsage.IsEmpty()) line += CString(" ") + c->m_strUsage;
    if (c->m_bBlock) line += " ... end";
    ctx.Out() << line.str() << '\n';
  }
  return Status::Ok();
}

Status ShowMessages(CScenarioContext& ctx) {
  const CHostMessageLog& log = ctx.App().GetMessages();
  ctx.Out() << "messages " << log.GetCount() << '\n';
  for (int i = 0; i < log.GetCount(); ++i) ctx.Out() << log.GetAt(i).Format().str() << '\n';
  return Status::Ok();
}

Status ShowCommands(CScenarioContext& ctx) {
  const std::vector<CHostCommand>& cmds = ctx.App().GetHostMainWnd().GetCommands();
  ctx.Out() << "commands " << cmds.size() << '\n';
  for (const CHostCommand& c : cmds) ctx.Out() << c.Format().str() << '\n';
  return Status::Ok();
}

Status ExpectCommand(CScenarioContext& ctx) {
  UINT id = 0;
  if (!ctx.ArgUInt(0, id)) return Status::Bad("not a command id: " + ctx.Arg(0));
  const std::vector<CHostCommand>& cmds = ctx.App().GetHostMainWnd().GetCommands();
  if (cmds.empty()) return Status::Failed("no command");
  if (cmds.back().m_nID == id) return Status::Ok();
  return Status::Failed(cmds.back().Format());
}

Status ExpectMessageText(CScenarioContext& ctx, const CString& text) {
  const CHostMessage* m = ctx.App().GetMessages().LastBox();
  if (!m) return Status::Failed("no message box");
  if (m->m_strText == text) return Status::Ok();
  return Status::Failed(m->Format());
}

Status ExpectMessage(CScenarioContext& ctx) { return ExpectMessageText(ctx, ctx.Arg(0)); }

Status ExpectMessageKey(CScenarioContext& ctx) {
  return ExpectMessageText(ctx, ctx.App().LoadStr(ctx.Arg(0)));
}

// The last line written to the message window.
Status ExpectOutputText(CScenarioContext& ctx, const CString& text) {
  const CHostMessage* m = ctx.App().GetMessages().LastOutput();
  if (!m) return Status::Failed("no output");
  // Carriage returns are not compared (multi-line texts end their lines with "\r\n").
  CString found = m->m_strText, wanted = text;
  found.Remove('\r');
  wanted.Remove('\r');
  if (found == wanted) return Status::Ok();
  return Status::Failed(m->Format());
}

Status ExpectOutput(CScenarioContext& ctx) { return ExpectOutputText(ctx, ctx.Arg(0)); }

Status ExpectOutputKey(CScenarioContext& ctx) { return ExpectOutputText(ctx, ctx.App().LoadStr(ctx.Arg(0))); }

Status ExpectResult(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(0, n)) return Status::Bad("not a number: " + ctx.Arg(0));
  if (!ctx.Session().HasResult()) return Status::Failed("no result");
  if (ctx.Session().GetResult() == n) return Status::Ok();
  CString found;
  found.Format("result %d", ctx.Session().GetResult());
  return Status::Failed(found);
}

Status ExpectNoMessage(CScenarioContext& ctx) {
  const CHostMessage* m = ctx.App().GetMessages().LastBox(ctx.Session().GetMessageMark());
  if (!m) return Status::Ok();
  return Status::Failed(m->Format());
}

Status Pump(CScenarioContext&) {
  AfxPumpMessages();
  return Status::Ok();
}

Status Answer(CScenarioContext& ctx) {
  int id = 0;
  if (!ctx.ArgId(0, id) || id <= 0) return Status::Bad("not a button: " + ctx.Arg(0));
  AfxQueueMessageBoxAnswer(id);
  return Status::Ok();
}

const CScenarioCommandRegistrar s_commands[] = {
    {"echo", 0, -1, Echo, "WORDS..."},
    {"help", 0, 0, Help},
    {"show messages", 0, 0, ShowMessages},
    {"show commands", 0, 0, ShowCommands},
    {"expect command", 1, 1, ExpectCommand, "ID"},
    {"expect message", 1, 1, ExpectMessage, "TEXT"},
    {"expect message key", 1, 1, ExpectMessageKey, "KEY"},
    {"expect nomessage", 0, 0, ExpectNoMessage},
    {"expect output", 1, 1, ExpectOutput, "TEXT"},
    {"expect output key", 1, 1, ExpectOutputKey, "KEY"},
    {"expect result", 1, 1, ExpectResult, "N"},
    {"pump", 0, 0, Pump},
    {"answer", 1, 1, Answer, "IDOK|IDCANCEL|IDYES|IDNO"},
};

}  // namespace
