// The model view's lines: view plan|3d|analysis, view ortho, view pause, view trline,
// view mouse|press|dblclick|rpress, view wheel, view key, view select, view unselect,
// view endselect, toolbar; show view and the expects of the view (handler, snapped, band,
// tooltips, selected, highlight, toolbar, dockbar). The view is the current document's
// model view (a new model when there is none); positions are the view's (plan: z from the
// story's top). Every line that acts on the view ends by delivering the posted messages,
// as the application's loop would.
#include <algorithm>
#include <cmath>
#include <cstdio>
#include <string>
#include <vector>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxSystem.h"
#include "afx/afxwin.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/T_DOCKBAR_PARAM.h"
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostModel.h"
#include "view/CDockDlgBarBase.h"
#include "view/CViewEventController.h"
#include "view/I_MainFrameBase.h"
#include "view/I_ModelBase.h"
#include "view/I_ViewEventHandlerItem.h"

namespace {

typedef CScenarioStatus Status;

std::string Num(double v) {
  if (v == 0.0) v = 0.0;  // no "-0"
  char buf[64];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

std::string Pos(double x, double y, double z) { return Num(x) + "," + Num(y) + "," + Num(z); }

std::string Keys(const CUIntArray& keys) {
  std::string out;
  for (UINT k : keys) out += (out.empty() ? "" : ",") + std::to_string(k);
  return out.empty() ? "-" : out;
}

// The document's model view, made current.
I_ModelBase& View(CScenarioContext& ctx) {
  HostModelDoc(ctx);
  return *I_ModelBase::GetCurMySelfST();
}

CViewEventController& Events(CScenarioContext& ctx) { return ctx.App().GetViewEvents(); }

// The view, for a line that acts on it: the mark of `expect nomessage` and `expect
// nocommand` moves to this line.
I_ModelBase& ActOnView(CScenarioContext& ctx) {
  I_ModelBase& view = View(ctx);
  ctx.Session().MarkDialogAction();
  return view;
}

// Keys of a line from word i on: K,K,K or K K K; "-" for none. 0 for a word that is none.
BOOL ParseKeys(CScenarioContext& ctx, int from, CUIntArray& keys) {
  keys.RemoveAll();
  for (int i = from; i < ctx.ArgCount(); ++i) {
    std::string w = ctx.Arg(i).str();
    if (w == "-") continue;
    size_t at = 0;
    while (at <= w.size()) {
      size_t comma = w.find(',', at);
      std::string part = w.substr(at, comma == std::string::npos ? std::string::npos : comma - at);
      char* end = nullptr;
      unsigned long v = std::strtoul(part.c_str(), &end, 10);
      if (part.empty() || *end || v > 0xFFFFFFFFul) return FALSE;
      keys.Add((UINT)v);
      if (comma == std::string::npos) break;
      at = comma + 1;
    }
  }
  return TRUE;
}

// The selection control of a kind: nodes and elements are the analysis database's when the
// document has one, the model database's otherwise.
CViewCtrl* SelectionOf(CDBDoc& doc, int kind) {
  DB_CDataBase* db = doc.GetModelDB();
  if (kind >= CViewCtrl::PNODE)
    if (DB_CDataBase* post = doc.GetMDBCtrl()->GetDB(2)) db = post;
  return db ? db->GetViewCtrl() : nullptr;
}

void Selected(CDBDoc& doc, int kind, CUIntArray& keys) {
  keys.RemoveAll();
  CViewCtrl* c = SelectionOf(doc, kind);
  if (!c) return;
  switch (kind) {
    case CViewCtrl::PONT: c->GetAllSelectedPont(keys); break;
    case CViewCtrl::MEMB: c->GetAllSelectedMemb(keys); break;
    case CViewCtrl::PNODE: c->GetAllSelectedPNode(keys); break;
    default: c->GetAllSelectedPMemb(keys); break;
  }
}

struct KindName {
  const char* name;
  int kind;  // a CViewCtrl kind, or -1 the tracing-line segments
};
const KindName kKinds[] = {{"points", CViewCtrl::PONT},
                           {"members", CViewCtrl::MEMB},
                           {"nodes", CViewCtrl::PNODE},
                           {"elements", CViewCtrl::PMEMB},
                           {"segments", -1}};

const KindName* FindKind(const CString& word) {
  for (const KindName& k : kKinds)
    if (word == k.name) return &k;
  return nullptr;
}

void SelectedOfKind(I_ModelBase& view, const KindName& k, CUIntArray& keys) {
  if (k.kind < 0)
    view.GetSelectedSegments(keys);
  else
    Selected(*view.GetDocument(), k.kind, keys);
}

Status Done(CScenarioContext&) {
  AfxPumpMessages();
  return Status::Ok();
}

// After the view changed: the pointer stays where it is in the view and snaps anew.
Status Changed(CScenarioContext& ctx, I_ModelBase& view) {
  double x, y, z;
  Events(ctx).GetRawPointer(x, y, z);
  Events(ctx).MovePointer(x, y, z);
  view.GetDocument()->UpdateAllViews(nullptr, 7);
  return Done(ctx);
}

// ---- Lines that act on the view ----

Status ViewPlan(CScenarioContext& ctx) {
  I_ModelBase& view = ActOnView(ctx);
  UINT story = 0;
  if (ctx.ArgCount() == 1 && !ctx.ArgUInt(0, story)) return Status::Bad("not a story key: " + ctx.Arg(0));
  auto* stor = static_cast<CClassStor*>(view.GetDocument()->GetModelDB()->GetClass(CClassStor::m_nClassID));
  if (story && (!stor || !stor->Exist(story))) return ctx.Refused();
  view.SetPlanView(story);
  return Changed(ctx, view);
}

Status View3D(CScenarioContext& ctx) {
  I_ModelBase& view = ActOnView(ctx);
  view.Set3DView();
  return Changed(ctx, view);
}

// In pre-processing the 3D analysis view shows the analysis model built afresh from the
// building model, as entering post-processing does.
Status ViewAnalysis(CScenarioContext& ctx) {
  I_ModelBase& view = ActOnView(ctx);
  if (CDBDoc* doc = view.GetDocument(); doc && doc->IsPreMode()) doc->BuildAnalysisModel();
  view.SetAnalysisView();
  return Changed(ctx, view);
}

BOOL Flag(CScenarioContext& ctx, int i, BOOL& on) {
  if (ctx.Arg(i) != "0" && ctx.Arg(i) != "1") return FALSE;
  on = ctx.Arg(i) == "1";
  return TRUE;
}

Status ViewOrtho(CScenarioContext& ctx) {
  BOOL on = FALSE;
  if (!Flag(ctx, 0, on)) return Status::Bad("not 0 or 1: " + ctx.Arg(0));
  ActOnView(ctx).SetViewState(I_ModelBase::VIEWSTATE_ORTHO, on);
  return Done(ctx);
}

Status ViewPause(CScenarioContext& ctx) {
  BOOL on = FALSE;
  if (!Flag(ctx, 0, on)) return Status::Bad("not 0 or 1: " + ctx.Arg(0));
  ActOnView(ctx).SetPaused(on);
  return Done(ctx);
}

Status ViewTrline(CScenarioContext& ctx) {
  UINT key = 0;
  BOOL on = FALSE;
  if (!ctx.ArgUInt(0, key)) return Status::Bad("not a key: " + ctx.Arg(0));
  if (!Flag(ctx, 1, on)) return Status::Bad("not 0 or 1: " + ctx.Arg(1));
  ActOnView(ctx).SetTracingLineVisible(key, on);
  return Done(ctx);
}

// Places the pointer at X Y [Z] and hands the move to the current handler.
Status MoveTo(CScenarioContext& ctx) {
  double x = 0, y = 0, z = 0;
  if (!ctx.ArgDouble(0, x) || !ctx.ArgDouble(1, y) || (ctx.ArgCount() == 3 && !ctx.ArgDouble(2, z)))
    return Status::Bad("not a position: " + ctx.Join(0));
  View(ctx);
  ctx.Session().MarkDialogAction();
  Events(ctx).MovePointer(x, y, z);
  Events(ctx).Move();
  return Status::Ok();
}

Status ViewMouse(CScenarioContext& ctx) {
  Status s = MoveTo(ctx);
  return s.IsOk() ? Done(ctx) : s;
}

Status ViewPress(CScenarioContext& ctx) {
  Status s = MoveTo(ctx);
  if (!s.IsOk()) return s;
  Events(ctx).LButtonDown();
  return Done(ctx);
}

Status ViewDblclick(CScenarioContext& ctx) {
  Status s = MoveTo(ctx);
  if (!s.IsOk()) return s;
  Events(ctx).LButtonDown();
  Events(ctx).LButtonDblClk();
  return Done(ctx);
}

Status ViewRpress(CScenarioContext& ctx) {
  Status s = MoveTo(ctx);
  if (!s.IsOk()) return s;
  Events(ctx).RButtonDown();
  return Done(ctx);
}

Status ViewWheel(CScenarioContext& ctx) {
  int delta = 0;
  if (!ctx.ArgInt(0, delta) || delta < -32768 || delta > 32767) return Status::Bad("not a wheel turn: " + ctx.Arg(0));
  View(ctx);
  ctx.Session().MarkDialogAction();
  Events(ctx).MouseWheel((short)delta);
  return Done(ctx);
}

Status ViewKey(CScenarioContext& ctx) {
  struct Key {
    const char* name;
    UINT vk;
    BOOL shift;
  };
  static const Key keys[] = {{"TAB", VK_TAB, FALSE},       {"SHIFT+TAB", VK_TAB, TRUE}, {"ESCAPE", VK_ESCAPE, FALSE},
                             {"RETURN", VK_RETURN, FALSE}, {"LEFT", VK_LEFT, FALSE}};
  for (const Key& k : keys) {
    if (ctx.Arg(0) != k.name) continue;
    View(ctx);
    ctx.Session().MarkDialogAction();
    if (k.shift) AfxSetKeyHeld(VK_SHIFT, TRUE);
    Events(ctx).KeyDown(k.vk);
    Events(ctx).KeyUp(k.vk);
    if (k.shift) AfxSetKeyHeld(VK_SHIFT, FALSE);
    return Done(ctx);
  }
  return Status::Bad("not a key: " + ctx.Arg(0));
}

Status ViewSelect(CScenarioContext& ctx) {
  const KindName* k = FindKind(ctx.Arg(0));
  CUIntArray keys;
  if (!k) return Status::Bad("not a kind: " + ctx.Arg(0));
  if (!ParseKeys(ctx, 1, keys)) return Status::Bad("not keys: " + ctx.Join(1));
  I_ModelBase& view = ActOnView(ctx);
  CDBDoc& doc = *view.GetDocument();
  if (k->kind < 0) {
    view.SetSelectedSegments(keys);
    doc.UpdateAllViews(nullptr, CViewCtrl::HINT_SELECT);
    return Done(ctx);
  }
  // That kind becomes exactly the keys; the other kinds of its database stay.
  CViewCtrl* c = SelectionOf(doc, k->kind);
  CUIntArray lists[CViewCtrl::KINDS];
  for (int i = 0; i < CViewCtrl::KINDS; ++i)
    if (SelectionOf(doc, i) == c) Selected(doc, i, lists[i]);
  lists[k->kind] = keys;
  if (keys.IsEmpty()) {
    CUIntArray all, none;
    Selected(doc, k->kind, all);
    CUIntArray l[CViewCtrl::KINDS];
    l[k->kind] = all;
    c->Unselect(nullptr, l[0], l[1], l[2], l[3], 0, 0);
  } else {
    c->Select(nullptr, lists[0], lists[1], lists[2], lists[3], 0, 0, 1);
  }
  return Done(ctx);
}

Status ViewUnselect(CScenarioContext& ctx) {
  I_ModelBase& view = ActOnView(ctx);
  CDBDoc& doc = *view.GetDocument();
  view.SetSelectedSegments(CUIntArray());
  CViewCtrl* model = SelectionOf(doc, CViewCtrl::PONT);
  CViewCtrl* post = SelectionOf(doc, CViewCtrl::PNODE);
  if (model) model->UnselectAll(nullptr);
  if (post && post != model) post->UnselectAll(nullptr);
  return Done(ctx);
}

Status ViewEndselect(CScenarioContext& ctx) {
  View(ctx);
  ctx.Session().MarkDialogAction();
  Events(ctx).NotifyGeneral(1, 0, 0);
  return Done(ctx);
}

Status Toolbar(CScenarioContext& ctx) {
  UINT id = 0;
  BOOL on = FALSE;
  if (!ctx.ArgUInt(0, id)) return Status::Bad("not an id: " + ctx.Arg(0));
  if (!Flag(ctx, 1, on)) return Status::Bad("not 0 or 1: " + ctx.Arg(1));
  View(ctx);
  ctx.App().GetHostMainWnd().SetCheckToolbarButton(id, on);
  return Done(ctx);
}

// ---- What the view shows ----

std::string Who(I_ViewEventHandlerItem* item) {
  if (!item) return "none";
  if (auto* dlg = dynamic_cast<CDialog*>(item)) return std::to_string(dlg->GetTemplateID());
  if (auto* wnd = dynamic_cast<CWnd*>(item)) {
    CWnd* parent = wnd->GetParent();
    return std::to_string(parent ? parent->GetTemplateID() : 0) + ":" + std::to_string(wnd->GetDlgCtrlID());
  }
  return "other";
}

std::string Snapped(CViewEventController& ev) {
  int type = 0;
  UINT key = 0;
  if (!ev.GetSnappedObject(type, key)) return "none";
  return std::string(type == CViewEventController::SNAP_POINT ? "p " : "m ") + std::to_string(key);
}

std::string Band(CViewEventController& ev) {
  const std::vector<double>& b = ev.GetBand();
  std::string out;
  for (size_t i = 0; i + 2 < b.size(); i += 3) out += (out.empty() ? "" : ";") + Pos(b[i], b[i + 1], b[i + 2]);
  return out.empty() ? "none" : out;
}

std::string Quoted(const std::string& s) {
  std::string out = "\"";
  for (char c : s) {
    if (c == '"' || c == '\\') out += '\\';
    out += c;
  }
  return out + "\"";
}

std::string Tips(CViewEventController& ev) {
  std::string out;
  for (const std::string& t : ev.GetToolTips()) out += (out.empty() ? "" : " ") + Quoted(t);
  return out.empty() ? "none" : out;
}

Status ShowView(CScenarioContext& ctx) {
  I_ModelBase& view = View(ctx);
  CViewEventController& ev = Events(ctx);
  const char* kind = view.IsPlaneView() ? "plan" : view.IsADS3DViewMode() ? "analysis" : "3d";
  std::ostream& out = ctx.Out();
  out << "view " << kind << " story=" << view.GetStory() << " persp=" << (view.IsPerspectiveView() ? 1 : 0)
      << " ortho=" << (view.IsViewStateOn(I_ModelBase::VIEWSTATE_ORTHO) ? 1 : 0)
      << " paused=" << (view.IsPaused() ? 1 : 0) << '\n';
  out << "handler " << Who(ev.GetCurEventHandlerItem()) << '\n';
  double ux, uy, uz, gx, gy, gz;
  ev.GetPointer(ux, uy, uz, gx, gy, gz);
  out << "pointer " << Pos(ux, uy, uz) << " global " << Pos(gx, gy, gz) << " snapped " << Snapped(ev) << '\n';
  out << "band " << Band(ev) << '\n';
  out << "tooltips " << Tips(ev) << '\n';
  out << "selected";
  for (const KindName& k : kKinds) {
    CUIntArray keys;
    SelectedOfKind(view, k, keys);
    out << ' ' << k.name << '=' << Keys(keys);
  }
  out << '\n';
  out << "highlight point=" << I_ModelBase::PONTKEY << " member=" << I_ModelBase::MEMBKEY << '\n';
  out << "toolbar";
  for (UINT id : ctx.App().GetHostMainWnd().GetCheckedButtons()) out << ' ' << id;
  out << '\n';
  return Status::Ok();
}

Status ExpectHandler(CScenarioContext& ctx) {
  View(ctx);
  std::string who = Who(Events(ctx).GetCurEventHandlerItem());
  return who == ctx.Arg(0).str() ? Status::Ok() : Status::Failed(CString(("handler " + who).c_str()));
}

Status ExpectSnapped(CScenarioContext& ctx) {
  View(ctx);
  std::string s = Snapped(Events(ctx));
  return s == ctx.Join(0).str() ? Status::Ok() : Status::Failed(CString(("snapped " + s).c_str()));
}

Status ExpectBand(CScenarioContext& ctx) {
  View(ctx);
  std::string b = Band(Events(ctx));
  if (b == ctx.Arg(0).str()) return Status::Ok();
  // Compare number by number (1e-9 relative) when both are positions.
  const std::vector<double>& band = Events(ctx).GetBand();
  std::vector<double> want;
  std::string w = ctx.Arg(0).str();
  for (char& c : w)
    if (c == ';' || c == ',') c = ' ';
  const char* p = w.c_str();
  char* end = nullptr;
  for (double v = std::strtod(p, &end); end != p; v = std::strtod(p, &end)) want.push_back(v), p = end;
  bool same = want.size() == band.size() && !want.empty();
  for (size_t i = 0; same && i < want.size(); ++i)
    same = std::fabs(want[i] - band[i]) <= 1e-9 * std::max(1.0, std::fabs(want[i]));
  return same ? Status::Ok() : Status::Failed(CString(("band " + b).c_str()));
}

Status ExpectTooltips(CScenarioContext& ctx) {
  View(ctx);
  const std::vector<std::string>& tips = Events(ctx).GetToolTips();
  bool same = (int)tips.size() == ctx.ArgCount();
  for (int i = 0; same && i < ctx.ArgCount(); ++i) same = tips[(size_t)i] == ctx.Arg(i).str();
  if (ctx.ArgCount() == 1 && ctx.Arg(0) == "none" && !ctx.Word(0).m_bQuoted) same = tips.empty();
  return same ? Status::Ok() : Status::Failed(CString(("tooltips " + Tips(Events(ctx))).c_str()));
}

Status ExpectSelected(CScenarioContext& ctx) {
  const KindName* k = FindKind(ctx.Arg(0));
  CUIntArray want, have;
  if (!k) return Status::Bad("not a kind: " + ctx.Arg(0));
  if (!ParseKeys(ctx, 1, want)) return Status::Bad("not keys: " + ctx.Join(1));
  SelectedOfKind(View(ctx), *k, have);
  std::vector<UINT> a = want.vec(), b = have.vec();
  std::sort(a.begin(), a.end());
  std::sort(b.begin(), b.end());
  return a == b ? Status::Ok() : Status::Failed(CString(("selected " + Keys(have)).c_str()));
}

Status ExpectHighlight(CScenarioContext& ctx) {
  UINT key = 0;
  if (ctx.Arg(0) != "point" && ctx.Arg(0) != "member") return Status::Bad("not point or member: " + ctx.Arg(0));
  if (!ctx.ArgUInt(1, key)) return Status::Bad("not a key: " + ctx.Arg(1));
  const UINT have = ctx.Arg(0) == "point" ? I_ModelBase::PONTKEY : I_ModelBase::MEMBKEY;
  return have == key ? Status::Ok() : Status::Failed(CString((ctx.Arg(0).str() + " " + std::to_string(have)).c_str()));
}

Status ExpectToolbar(CScenarioContext& ctx) {
  UINT id = 0;
  BOOL on = FALSE;
  if (!ctx.ArgUInt(0, id)) return Status::Bad("not an id: " + ctx.Arg(0));
  if (!Flag(ctx, 1, on)) return Status::Bad("not 0 or 1: " + ctx.Arg(1));
  const BOOL have = ctx.App().GetHostMainWnd().IsToolbarButtonChecked(id);
  return have == on ? Status::Ok() : Status::Failed(CString(("toolbar " + std::to_string(have ? 1 : 0)).c_str()));
}

// ---- Dock bars ----

struct DockBars {
  int mode = 0;
  CString param;
  BOOL any = FALSE;
  CDockDlgBarBase::HOOK previous = nullptr;
  std::ostream* out = nullptr;
};
DockBars* g_pDockBars = nullptr;

void DockBarHook(int nMode, const void* pParam) {
  if (!g_pDockBars) return;
  g_pDockBars->mode = nMode;
  g_pDockBars->param = CDockDlgBarBase::Describe(nMode, pParam);
  g_pDockBars->any = TRUE;
  if (g_pDockBars->out) *g_pDockBars->out << "dockbar " << nMode << ' ' << g_pDockBars->param.str() << '\n';
}

// The session's dock bars: installed with the session's first view line and kept.
struct DockBarSlot {
  DockBars bars;
  bool installed = false;
  ~DockBarSlot() {
    if (installed && g_pDockBars == &bars) {
      CDockDlgBarBase::SetHook(bars.previous);
      g_pDockBars = nullptr;
    }
  }
};

}  // namespace

// Every session listens for dock bars from its start (the attribute pages open them).
void HostInstallDockBars(CHostSession& session) {
  DockBarSlot& s = session.Slot<DockBarSlot>();
  if (s.installed) return;
  s.installed = true;
  s.bars.out = &session.Out();
  s.bars.previous = CDockDlgBarBase::SetHook(&DockBarHook);
  g_pDockBars = &s.bars;
}

namespace {

Status ExpectDockbar(CScenarioContext& ctx) {
  HostInstallDockBars(ctx.Session());
  int mode = 0;
  if (!ctx.ArgInt(0, mode)) return Status::Bad("not a mode: " + ctx.Arg(0));
  const DockBars& b = ctx.Session().Slot<DockBarSlot>().bars;
  std::string have = b.any ? std::to_string(b.mode) + (b.param.IsEmpty() ? "" : " " + b.param.str()) : "none";
  bool same = b.any && b.mode == mode && (ctx.ArgCount() == 1 || ctx.Join(1) == b.param);
  return same ? Status::Ok() : Status::Failed(CString(("dockbar " + have).c_str()));
}

struct Row {
  const char* name;
  int minArgs, maxArgs;
  Status (*fn)(CScenarioContext&);
  const char* usage;
};
const Row kRows[] = {
    {"view plan", 0, 1, ViewPlan, "[STORY]"},
    {"view 3d", 0, 0, View3D, ""},
    {"view analysis", 0, 0, ViewAnalysis, ""},
    {"view ortho", 1, 1, ViewOrtho, "0|1"},
    {"view pause", 1, 1, ViewPause, "0|1"},
    {"view trline", 2, 2, ViewTrline, "KEY 0|1"},
    {"view mouse", 2, 3, ViewMouse, "X Y [Z]"},
    {"view press", 2, 3, ViewPress, "X Y [Z]"},
    {"view dblclick", 2, 3, ViewDblclick, "X Y [Z]"},
    {"view rpress", 2, 3, ViewRpress, "X Y [Z]"},
    {"view wheel", 1, 1, ViewWheel, "DELTA"},
    {"view key", 1, 1, ViewKey, "TAB|SHIFT+TAB|ESCAPE|RETURN|LEFT"},
    {"view select", 1, -1, ViewSelect, "points|members|nodes|elements|segments KEYS..."},
    {"view unselect", 0, 0, ViewUnselect, ""},
    {"view endselect", 0, 0, ViewEndselect, ""},
    {"toolbar", 2, 2, Toolbar, "ID 0|1"},
    {"show view", 0, 0, ShowView, ""},
    {"expect handler", 1, 1, ExpectHandler, "WHO"},
    {"expect snapped", 1, 2, ExpectSnapped, "p K|m K|none"},
    {"expect band", 1, 1, ExpectBand, "POSITIONS|none"},
    {"expect tooltips", 1, -1, ExpectTooltips, "TEXT..."},
    {"expect selected", 1, -1, ExpectSelected, "KIND KEYS...|-"},
    {"expect highlight", 2, 2, ExpectHighlight, "point|member K"},
    {"expect toolbar", 2, 2, ExpectToolbar, "ID 0|1"},
    {"expect dockbar", 1, -1, ExpectDockbar, "MODE [PARAM]"},
};

const bool s_registered = [] {
  for (const Row& r : kRows) CScenarioCommands::Register(r.name, r.minArgs, r.maxArgs, r.fn, r.usage);
  return true;
}();

}  // namespace
