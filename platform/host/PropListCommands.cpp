// The property-list lines: show props, prop ROW VALUE|#N, propsel ROW, propbutton ROW N,
// propdel ROW, expect prop ROW TEXT. The list is the first visible property list of the current dialog,
// its pages included (depth first, in z order). A ROW is `#N` (0-based, groups not
// counted) or a text: the first row whose label equals it, else the first whose label
// begins with it. A row or list the user cannot reach, or a value the row does not take,
// is refused.
#include <string>
#include "afx/AfxMessageQueue.h"
#include "afx/AfxScript.h"
#include "afx/CUserDriver.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/CScenarioLexer.h"
#include "host/HostDialogs.h"
#include "uiutil/CPropList.h"

namespace {

typedef CScenarioStatus Status;

CPropList* FindList(CWnd* w) {
  for (CWnd* c = w ? w->GetWindow(GW_CHILD) : nullptr; c; c = c->GetWindow(GW_HWNDNEXT)) {
    if (!c->IsWindowVisible()) continue;
    if (auto* list = dynamic_cast<CPropList*>(CWnd::FromHandlePermanent(c->m_hWnd))) return list;
    if (CPropList* inner = FindList(c)) return inner;
  }
  return nullptr;
}

CPropList* CurrentList(CScenarioContext& ctx) { return FindList(HostGetCurrentDialog(ctx.Session())); }

CCmbBtnProp* FindRow(CPropList* list, const CScenarioWord& word) {
  int n = 0;
  if (word.IsIndex(n)) return list->GetRow(n);
  return list->FindRow(word.m_strText);
}

std::string Ids(const CUIntArray& ids) {
  std::string s;
  for (UINT id : ids) s += (s.empty() ? "" : ",") + std::to_string(id);
  return s.empty() ? "-" : s;
}

// After an action, as the application's loop would deliver what it posted inside a modal
// dialog.
void AfterAction() {
  if (AfxGetModalDepth() > 0) AfxPumpMessages();
}

Status ShowProps(CScenarioContext& ctx) {
  CPropList* list = CurrentList(ctx);
  if (!list) return ctx.Refused();
  std::ostream& out = ctx.Out();
  out << "props key=" << list->GetKey() << " rows=" << list->GetRowCount()
      << " current=" << list->GetRowIndex(list->GetCurSel()) << '\n';
  for (int i = 0; i < list->GetItemCount(); ++i) {
    CBCGPProp* item = list->GetItem(i);
    if (item->IsGroup()) {
      out << "group " << AfxQuoteText(item->GetName()).str() << " expanded=" << (item->IsExpanded() ? 1 : 0) << '\n';
      continue;
    }
    auto* row = static_cast<CCmbBtnProp*>(item);
    out << "row " << list->GetRowIndex(row) << ' ' << AfxQuoteText(row->GetName()).str()
        << " kind=" << (int)row->GetColType() << " value=" << AfxQuoteText(row->FormatProperty()).str();
    if (row->IsChoiceRow()) {
      out << " choices=";
      for (int c = 0; c < row->GetChoices().GetSize(); ++c)
        out << (c ? "," : "") << AfxQuoteText(row->GetChoices()[c]).str();
      out << " sel=" << row->GetSelected();
    }
    if (!row->GetItemDataArray().IsEmpty()) out << " data=" << Ids(row->GetItemDataArray());
    if (!row->GetButtons().IsEmpty()) out << " buttons=" << Ids(row->GetButtons()) << " bitmap=" << row->GetBitmap();
    out << '\n';
  }
  return Status::Ok();
}

Status Prop(CScenarioContext& ctx) {
  ctx.Session().MarkDialogAction();
  CPropList* list = CurrentList(ctx);
  CCmbBtnProp* row = list ? FindRow(list, ctx.Word(0)) : nullptr;
  if (!row) return ctx.Refused();
  int n = 0;
  const BOOL ok = ctx.Word(1).IsIndex(n) ? list->UserCommitChoice(row, n) : list->UserCommitText(row, ctx.Arg(1));
  if (!ok) return ctx.Refused();
  AfterAction();
  return Status::Ok();
}

Status PropSel(CScenarioContext& ctx) {
  ctx.Session().MarkDialogAction();
  CPropList* list = CurrentList(ctx);
  CCmbBtnProp* row = list ? FindRow(list, ctx.Word(0)) : nullptr;
  if (!row || !list->UserSelect(row)) return ctx.Refused();
  AfterAction();
  return Status::Ok();
}

Status PropButton(CScenarioContext& ctx) {
  int n = 0;
  if (!ctx.ArgInt(1, n)) return Status::Bad("not a button index: " + ctx.Arg(1));
  ctx.Session().MarkDialogAction();
  CPropList* list = CurrentList(ctx);
  CCmbBtnProp* row = list ? FindRow(list, ctx.Word(0)) : nullptr;
  if (!row || !list->UserPressButton(row, n)) return ctx.Refused();
  AfterAction();
  return Status::Ok();
}

// The user asks to delete the data of ROW: the row becomes current, then the list's owner
// gets the attribute pages' delete requests ("ID_PROPLIST_PRE_DEL", "ID_PROPLIST_POST_DEL";
// a page answers the one of its model), as the application's delete key sends them.
Status PropDel(CScenarioContext& ctx) {
  ctx.Session().MarkDialogAction();
  CPropList* list = CurrentList(ctx);
  CCmbBtnProp* row = list ? FindRow(list, ctx.Word(0)) : nullptr;
  if (!row || !list->UserSelect(row) || list->GetCurSel() != row) return ctx.Refused();
  static const UINT pre = RegisterWindowMessage("ID_PROPLIST_PRE_DEL");
  static const UINT post = RegisterWindowMessage("ID_PROPLIST_POST_DEL");
  if (CWnd* owner = list->GetParent())
    for (UINT message : {pre, post})
      if (owner->m_hWnd) owner->SendMessage(message, 0, (LPARAM)row);
  AfterAction();
  return Status::Ok();
}

CString NoCR(const CString& s) {
  CString t = s;
  t.Remove('\r');
  return t;
}

Status ExpectProp(CScenarioContext& ctx) {
  CPropList* list = CurrentList(ctx);
  if (!list) return Status::Failed("no property list");
  CCmbBtnProp* row = FindRow(list, ctx.Word(0));
  if (!row) return Status::Failed("no row " + ctx.Arg(0));
  const CString shown = row->FormatProperty();
  if (NoCR(shown) == NoCR(ctx.Arg(1))) return Status::Ok();
  return Status::Failed("value " + AfxQuoteText(shown));
}

const CScenarioCommandRegistrar s_commands[] = {
    {"show props", 0, 0, ShowProps},
    {"prop", 2, 2, Prop, "ROW VALUE|#N"},
    {"propsel", 1, 1, PropSel, "ROW"},
    {"propbutton", 2, 2, PropButton, "ROW N"},
    {"propdel", 1, 1, PropDel, "ROW"},
    {"expect prop", 2, 2, ExpectProp, "ROW TEXT"},
};

}  // namespace
