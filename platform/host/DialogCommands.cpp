// The dialog lines of cmdhost: modal ... end (and modal * ... end), modeless, with, close,
// and the user's actions on the current dialog (type, click, check, choose, select, key,
// tab; `choose ID #N` also picks a preset of a menu edit), show dialog, show control,
// show list, expect text and expect state. The dialogs are reached through the dialog
// interface "cmd" found by name in the registry, as another module of the application
// reaches them.
//
// `modal NAME [PARAM]` queues its block as the script of the next modal dialog, then calls
// Dlg_DoModal(NAME, PARAM) and prints `result N`. Inside the block the dialog is the current
// one; the dialog before it is current again after. The first failed expect or bad line of
// the block ends the block (the dialog then ends with IDCANCEL) and is reported after the
// `modal` line. A script that no dialog took (the name built nothing) is taken back off the
// queue. `modal *` only queues its block, for the next modal dialog an action opens; when
// no action of the enclosing block opened one, the block is dropped as that block ends.
// `modal` and `modeless` start a new model first when there is none.
#include <memory>
#include <vector>
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "db/CDBDoc.h"
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioRunner.h"
#include "host/HostDialogs.h"
#include "ui/IDlgIntf.h"
#include "uiutil/CMenuEditBase.h"

CDialog* HostGetCurrentDialog(CHostSession& session) {
  CDialog* dlg = session.m_pDialog;
  if (!dlg) return nullptr;
  bool alive = false;
  AfxEnumWindows([&](HWND h) {
    if (CWnd::FromHandlePermanent(h) == dlg) alive = true;
  });
  if (!alive) session.m_pDialog = nullptr;
  return session.m_pDialog;
}

namespace {

typedef CScenarioStatus Status;

// ---- opening and closing ------------------------------------------------------------------

struct ScriptState {
  BOOL bTaken = FALSE;
};

// The `modal *` blocks queued so far whose enclosing block is still running.
struct StarScripts {
  std::vector<std::shared_ptr<ScriptState>> states;
};

void Unqueue(const std::shared_ptr<ScriptState>& state);

// The user's part of one `modal` block.
struct BlockScript {
  std::shared_ptr<ScriptState> state;
  CHostSession* pSession;
  const CScenarioBlock* pBlock;

  void operator()(CDialog& dlg) const {
    state->bTaken = TRUE;
    CHostSession& s = *pSession;
    CDialog* previous = s.m_pDialog;
    s.m_pDialog = &dlg;
    std::vector<std::shared_ptr<ScriptState>>& stars = s.Slot<StarScripts>().states;
    size_t mark = stars.size();
    Status st = s.Runner().RunLines(s, *pBlock);
    // A `modal *` of this block that none of its actions took ends with the block.
    for (size_t i = mark; i < stars.size(); ++i)
      if (!stars[i]->bTaken) Unqueue(stars[i]);
    stars.resize(mark);
    if (!st.IsOk()) s.SetPendingStatus(st);
    s.m_pDialog = previous;
  }
};

void QueueBlock(CScenarioContext& ctx, const std::shared_ptr<ScriptState>& state) {
  AfxQueueDialogScript(BlockScript{state, &ctx.Session(), &ctx.Block()});
}

// Takes back the script of a block that no dialog took, keeping the others in order.
void Unqueue(const std::shared_ptr<ScriptState>& state) {
  std::vector<AFX_DIALOG_SCRIPT> keep;
  AFX_DIALOG_SCRIPT f;
  while (AfxTakeDialogScript(f)) {
    const BlockScript* b = f.target<BlockScript>();
    if (!(b && b->state == state)) keep.push_back(f);
  }
  for (AFX_DIALOG_SCRIPT& k : keep) AfxQueueDialogScript(k);
}

// A model to open dialogs on: the `new` line when there is none.
Status EnsureModel(CScenarioContext& ctx) {
  if (CDBDoc::m_pDBDoc) return Status::Ok();
  CScenarioLine line;
  line.m_strFile = ctx.Line().m_strFile;
  line.m_nLine = ctx.Line().m_nLine;
  line.m_strText = "new";
  CScenarioWord w;
  w.m_strText = "new";
  line.m_words.push_back(w);
  line.m_pCommand = CScenarioCommands::Find(line.m_words, line.m_nNameWords);
  if (!line.m_pCommand) return Status::Bad("no model: the host has no `new` command");
  return ctx.Run(CScenarioBlock{line});
}

Status CmdInterface(CScenarioContext& ctx, IDlgIntf*& intf) {
  intf = IDlgIntf::Find("cmd");
  if (!intf) return Status::Bad("no dialog interface \"cmd\" is registered");
  return EnsureModel(ctx);
}

BOOL ArgNumber(CScenarioContext& ctx, int i, uintptr_t& v) {
  UINT u = 0;
  int n = 0;
  if (ctx.ArgUInt(i, u)) {
    v = u;
    return TRUE;
  }
  if (ctx.ArgInt(i, n)) {
    v = (uintptr_t)(intptr_t)n;
    return TRUE;
  }
  return FALSE;
}

Status Modal(CScenarioContext& ctx) {
  auto state = std::make_shared<ScriptState>();
  if (ctx.Word(0).Is("*")) {
    if (ctx.ArgCount() != 1) return Status::Bad("modal * takes no parameter");
    ctx.Session().Slot<StarScripts>().states.push_back(state);
    QueueBlock(ctx, state);
    return Status::Ok();
  }
  uintptr_t param = 0;
  if (ctx.ArgCount() > 1 && !ArgNumber(ctx, 1, param)) return Status::Bad("not a number: " + ctx.Arg(1));
  IDlgIntf* intf = nullptr;
  Status s = CmdInterface(ctx, intf);
  if (!s.IsOk()) return s;
  ctx.Session().MarkDialogAction();
  QueueBlock(ctx, state);
  int r = intf->Dlg_DoModal(ctx.Arg(0), (void*)param);
  if (!state->bTaken) Unqueue(state);
  ctx.Session().SetResult(r);
  return Status::Ok();
}

Status Modeless(CScenarioContext& ctx) {
  int extra = 0;
  if (ctx.ArgCount() > 1 && !ctx.ArgInt(1, extra)) return Status::Bad("not a number: " + ctx.Arg(1));
  IDlgIntf* intf = nullptr;
  Status s = CmdInterface(ctx, intf);
  if (!s.IsOk()) return s;
  ctx.Session().MarkDialogAction();
  int r = intf->Dlg_DoModeless(ctx.Arg(0), nullptr, ctx.ArgCount() > 1 ? &extra : nullptr);
  ctx.Session().SetResult(r);
  if (r == 1)
    if (auto* d = dynamic_cast<CDialog*>(CWnd::GetActiveWindow())) ctx.Session().m_pDialog = d;
  return Status::Ok();
}

Status With(CScenarioContext& ctx) {
  int id = 0;
  if (!ctx.ArgInt(0, id)) return Status::Bad("not a template id: " + ctx.Arg(0));
  CWnd* w = CUserDriver::FindDialog(id);
  auto* d = w ? dynamic_cast<CDialog*>(CWnd::FromHandlePermanent(w->m_hWnd)) : nullptr;
  if (!d) return ctx.Refused();
  ctx.Session().m_pDialog = d;
  return Status::Ok();
}

Status Close(CScenarioContext& ctx) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return ctx.Refused();
  ctx.Session().MarkDialogAction();
  d->SendMessage(WM_COMMAND, IDCANCEL, 0);
  AfxPumpMessages();
  HostGetCurrentDialog(ctx.Session());
  return Status::Ok();
}

// ---- user actions -------------------------------------------------------------------------

// The driver on the current dialog and the control of argument 0; refused (Ok with the
// `refused` line) when there is no dialog or no such control.
struct Target {
  CUserDriver drv;
  CWnd* pCtl = nullptr;
};

BOOL FindTarget(CScenarioContext& ctx, Target& t) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return FALSE;
  ctx.Session().MarkDialogAction();
  t.drv.SetDialog(d);
  t.pCtl = t.drv.FindControl(ctx.Arg(0));
  return t.pCtl != nullptr;
}

Status Result(CScenarioContext& ctx, int ok) { return ok ? Status::Ok() : ctx.Refused(); }

Status Type(CScenarioContext& ctx) {
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  return Result(ctx, t.drv.Type(t.pCtl, ctx.Arg(1)));
}

// `click ID` clicks a button; `click ID ROW COL` a cell of the grid on placeholder ID.
Status Click(CScenarioContext& ctx) {
  if (ctx.ArgCount() == 2) return Status::Bad("click takes ID, or ID ROW COL");
  int row = 0, col = 0;
  if (ctx.ArgCount() == 3 && !ctx.ArgInt(1, row)) return Status::Bad("not a row number: " + ctx.Arg(1));
  if (ctx.ArgCount() == 3 && !ctx.ArgInt(2, col)) return Status::Bad("not a column number: " + ctx.Arg(2));
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  if (ctx.ArgCount() == 3) return Result(ctx, t.drv.ClickCell(t.pCtl, row, col));
  return Result(ctx, t.drv.Click(t.pCtl));
}

Status Check(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(1, n) || n < 0 || n > 1) return Status::Bad("not 0 or 1: " + ctx.Arg(1));
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  return Result(ctx, t.drv.Check(t.pCtl, n));
}

// `choose ID #N` on a menu edit picks preset N of its menu; a read-only edit offers none.
int ChooseMenuPreset(CMenuEditBase* edit, int index) {
  if (!CUserDriver::CanReach(edit) || (edit->GetStyle() & ES_READONLY)) return 0;
  if (!edit->ChooseFromList(index)) return 0;
  if (AfxGetModalDepth() > 0) AfxPumpMessages();
  return 1;
}

Status Choose(CScenarioContext& ctx) {
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  int index = 0;
  if (auto* edit = dynamic_cast<CMenuEditBase*>(t.pCtl))
    return ctx.Word(1).IsIndex(index) ? Result(ctx, ChooseMenuPreset(edit, index)) : ctx.Refused();
  if (ctx.Word(1).IsIndex(index)) return Result(ctx, t.drv.ChooseIndex(t.pCtl, index));
  return Result(ctx, t.drv.Choose(t.pCtl, ctx.Arg(1)));
}

// `select ID #N...`; `select ID -`: a click on the empty area of list control ID.
Status Select(CScenarioContext& ctx) {
  std::vector<int> rows;
  const bool none = ctx.ArgCount() == 2 && ctx.Word(1).Is("-");
  for (int i = 1; i < ctx.ArgCount() && !none; ++i) {
    int index = 0;
    if (!ctx.Word(i).IsIndex(index)) return Status::Bad("not a row #N: " + ctx.Arg(i));
    rows.push_back(index);
  }
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  return Result(ctx, t.drv.SelectRows(t.pCtl, rows));
}

struct NamedKey {
  const char* name;
  UINT vk;
};
const NamedKey kKeys[] = {{"RETURN", VK_RETURN}, {"ESCAPE", VK_ESCAPE}, {"DELETE", VK_DELETE}, {"TAB", VK_TAB}};

Status Key(CScenarioContext& ctx) {
  UINT vk = 0;
  for (const NamedKey& k : kKeys)
    if (ctx.Word(1).Is(k.name)) vk = k.vk;
  if (!vk) return Status::Bad("not a key (RETURN, ESCAPE, DELETE, TAB): " + ctx.Arg(1));
  if (ctx.Arg(0) == "0") {
    CDialog* d = HostGetCurrentDialog(ctx.Session());
    if (!d) return ctx.Refused();
    ctx.Session().MarkDialogAction();
    CUserDriver drv(d);
    return Result(ctx, drv.Key(nullptr, vk));
  }
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  return Result(ctx, t.drv.Key(t.pCtl, vk));
}

Status Tab(CScenarioContext& ctx) {
  int index = 0;
  if (!ctx.Word(1).IsIndex(index) && !ctx.ArgInt(1, index)) return Status::Bad("not a tab #N: " + ctx.Arg(1));
  Target t;
  if (!FindTarget(ctx, t)) return ctx.Refused();
  return Result(ctx, t.drv.SelectTab(t.pCtl, index));
}

// ---- showing and expecting ----------------------------------------------------------------

Status ShowDialog(CScenarioContext& ctx) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return ctx.Refused();
  CUserDriver drv(d);
  for (const CString& line : drv.Describe()) ctx.Out() << line.str() << '\n';
  return Status::Ok();
}

Status ExpectText(CScenarioContext& ctx) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) return Status::Failed("no current dialog");
  CUserDriver drv(d);
  CWnd* c = drv.FindControl(ctx.Arg(0));
  if (!c) return Status::Failed("no control " + ctx.Arg(0));
  CString text;
  c->GetWindowText(text);
  // Carriage returns are not compared (a multi-line edit holds "\r\n").
  CString found = text, wanted = ctx.Arg(1);
  found.Remove('\r');
  wanted.Remove('\r');
  if (found == wanted) return Status::Ok();
  return Status::Failed("text " + AfxQuoteText(text));
}

// The control ID of the current dialog, for the lines that only look at it.
CWnd* LookedAtControl(CScenarioContext& ctx, Status& failed) {
  CDialog* d = HostGetCurrentDialog(ctx.Session());
  if (!d) {
    failed = Status::Failed("no current dialog");
    return nullptr;
  }
  CUserDriver drv(d);
  CWnd* c = drv.FindControl(ctx.Arg(0));
  if (!c) failed = Status::Failed("no control " + ctx.Arg(0));
  return c;
}

Status ShowControl(CScenarioContext& ctx) {
  Status failed = Status::Ok();
  CWnd* c = LookedAtControl(ctx, failed);
  if (!c) return ctx.Refused();
  ctx.Out() << AfxDescribeControl(c).str() << '\n';
  return Status::Ok();
}

Status ShowList(CScenarioContext& ctx) {
  Status failed = Status::Ok();
  CWnd* c = LookedAtControl(ctx, failed);
  std::vector<CString> lines = AfxDescribeList(c);
  if (lines.empty()) return ctx.Refused();
  for (const CString& line : lines) ctx.Out() << line.str() << '\n';
  return Status::Ok();
}

Status ExpectState(CScenarioContext& ctx) {
  static const char* const kAttrs[] = {"visible", "enabled", "text",     "check", "sel",
                                       "items",   "readonly", "image", "focus", "pos", "textcolor"};
  bool known = false;
  for (const char* a : kAttrs) known = known || ctx.Arg(1) == a;
  if (!known) return Status::Bad("not an attribute: " + ctx.Arg(1));
  Status failed = Status::Ok();
  CWnd* c = LookedAtControl(ctx, failed);
  if (!c) return failed;
  CString line = AfxDescribeControl(c), value;
  if (!AfxDescribedAttr(line, ctx.Arg(1), value)) return Status::Failed("no " + ctx.Arg(1) + ": " + line);
  if (value == ctx.Arg(2)) return Status::Ok();
  return Status::Failed(ctx.Arg(1) + "=" + value);
}

const CScenarioBlockRegistrar s_modal("modal", 1, 2, Modal, "NAME [PARAM] | *");

const CScenarioCommandRegistrar s_commands[] = {
    {"modeless", 1, 2, Modeless, "NAME [EXTRA]"},
    {"with", 1, 1, With, "TEMPLATE"},
    {"close", 0, 0, Close},
    {"type", 2, 2, Type, "ID TEXT"},
    {"click", 1, 3, Click, "ID [ROW COL]"},
    {"check", 2, 2, Check, "ID 0|1"},
    {"choose", 2, 2, Choose, "ID TEXT|#N"},
    {"select", 2, -1, Select, "ID #N...|-"},
    {"key", 2, 2, Key, "ID RETURN|ESCAPE|DELETE|TAB"},
    {"tab", 2, 2, Tab, "ID #N"},
    {"show dialog", 0, 0, ShowDialog},
    {"expect text", 2, 2, ExpectText, "ID TEXT"},
    {"show control", 1, 1, ShowControl, "ID"},
    {"show list", 1, 1, ShowList, "ID"},
    {"expect state", 3, 3, ExpectState, "ID ATTR VALUE"},
};

}  // namespace

CScenarioStatus HostEnsureModel(CScenarioContext& ctx) { return EnsureModel(ctx); }

int HostRunModalBlock(CScenarioContext& ctx, const std::function<int()>& open) {
  auto state = std::make_shared<ScriptState>();
  ctx.Session().MarkDialogAction();
  QueueBlock(ctx, state);
  int r = open();
  if (!state->bTaken) Unqueue(state);
  return r;
}
