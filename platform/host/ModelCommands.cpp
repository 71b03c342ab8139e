// The model lines of cmdhost: new, new sample, open, save, units, undo, redo, show table (all
// records, one record, some fields), expect count, expect field, expect nokey, put, del,
// pref, hint, post, automemb.
//
// The session owns the documents these lines make; the newest is the current document
// (CDBDoc::m_pDBDoc and the session's m_pDoc). A line that needs a model when there is
// none starts with a new model. A model file that cannot be opened or saved shows its
// message in a message box and leaves the current model as it was. While a modal dialog is
// open, `new` and `open` are refused, as a user could not reach them.
#include <cmath>
#include <cstdlib>
#include <memory>
#include "afx/AfxMessageBox.h"
#include "afx/AfxScript.h"
#include "db/CDBDoc.h"
#include "db/DBField.h"
#include "db/DB_CModelFile.h"
#include "host/CHostApp.h"
#include "host/CHostSession.h"
#include "host/CScenarioCommands.h"
#include "host/HostModel.h"
#include "view/I_ModelBase.h"

namespace {

typedef CScenarioStatus Status;

// The current document and its model view (a plan view of its current story at first).
struct ModelDocs {
  std::unique_ptr<CDBDoc> current;
  std::unique_ptr<I_ModelBase> view;
  ~ModelDocs() {
    view.reset();
    if (CDBDoc::m_pDBDoc == current.get()) CDBDoc::m_pDBDoc = nullptr;
  }
};

// Makes a document current; the one it replaces ends after.
CDBDoc& Install(CScenarioContext& ctx, std::unique_ptr<CDBDoc> doc) {
  ModelDocs& docs = ctx.Session().Slot<ModelDocs>();
  docs.view.reset();
  std::unique_ptr<CDBDoc> old = std::move(docs.current);
  docs.current = std::move(doc);
  docs.view = std::make_unique<I_ModelBase>(docs.current.get());
  I_ModelBase::SetCurMySelfST(docs.view.get());
  HostInstallDockBars(ctx.Session());
  CDBDoc::m_pDBDoc = docs.current.get();
  ctx.Session().m_pDoc = docs.current.get();
  old.reset();
  CDBDoc::m_pDBDoc = docs.current.get();
  return *docs.current;
}

CDBDoc& Doc(CScenarioContext& ctx) {
  ModelDocs& docs = ctx.Session().Slot<ModelDocs>();
  if (!docs.current) return Install(ctx, std::make_unique<CDBDoc>(FALSE));
  return *docs.current;
}

// The failure's text; a damaged file's with the place of the damage when it is known.
void ShowFailure(CScenarioContext& ctx, const CString& key, const CString& where = CString()) {
  CString text = ctx.App().LoadStr(key);
  if (key == IDS_DB_MODEL_FILE_CORRUPT && !where.IsEmpty())
    text.Format(ctx.App().LoadStr(IDS_DB_MODEL_FILE_DAMAGED_AT_s), where.c_str());
  AfxMessageBox(text, MB_OK | MB_ICONEXCLAMATION);
}

Status New(CScenarioContext& ctx) {
  if (ctx.ArgCount() == 1 && ctx.Arg(0) != "sample") return Status::Bad("not a model: " + ctx.Arg(0));
  if (AfxGetModalDepth() > 0) return ctx.Refused();  // the open dialog works on this model
  auto doc = std::make_unique<CDBDoc>(FALSE);
  if (ctx.ArgCount() == 1) doc->NewSampleModel();
  Install(ctx, std::move(doc));
  return Status::Ok();
}

Status Open(CScenarioContext& ctx) {
  if (AfxGetModalDepth() > 0) return ctx.Refused();
  Doc(ctx);
  auto doc = std::make_unique<CDBDoc>(FALSE);
  CString err, where;
  if (!doc->OpenModel(ctx.Arg(0), err, &where)) {
    ShowFailure(ctx, err, where);
    return Status::Ok();
  }
  Install(ctx, std::move(doc));
  return Status::Ok();
}

Status Save(CScenarioContext& ctx) {
  CString err;
  if (!Doc(ctx).SaveModel(ctx.Arg(0), err)) ShowFailure(ctx, err);
  return Status::Ok();
}

Status Units(CScenarioContext& ctx) {
  if (!Doc(ctx).GetUnitCtrl()->SetUnitSystem(ctx.Arg(0), ctx.Arg(1)))
    return Status::Bad("not a unit system: " + ctx.Join(0));
  return Status::Ok();
}

Status Undo(CScenarioContext& ctx) {
  Doc(ctx).Undo();
  return Status::Ok();
}

Status Redo(CScenarioContext& ctx) {
  Doc(ctx).Redo();
  return Status::Ok();
}

// show table NAME [KEY] [FIELD...]: a number after NAME is a key, the words after it fields.
Status ShowTable(CScenarioContext& ctx) {
  DB_CDumpFilter filter;
  int first = 1;
  if (ctx.ArgCount() > 1 && ctx.ArgUInt(1, filter.key)) {
    filter.bKey = TRUE;
    first = 2;
  }
  for (int i = first; i < ctx.ArgCount(); ++i) filter.fields.push_back(ctx.Arg(i).str());
  if (Doc(ctx).GetRecordCount(ctx.Arg(0)) < 0) return Status::Bad("not a table: " + ctx.Arg(0));
  CString out, bad;
  if (!Doc(ctx).DumpTable(ctx.Arg(0), filter, out, bad)) return Status::Bad("not a field: " + bad);
  ctx.Out() << out.str();
  return Status::Ok();
}

Status ExpectCount(CScenarioContext& ctx) {
  int want = 0;
  if (!ctx.ArgInt(1, want)) return Status::Bad("not a number: " + ctx.Arg(1));
  int n = Doc(ctx).GetRecordCount(ctx.Arg(0));
  if (n < 0) return Status::Bad("not a table: " + ctx.Arg(0));
  if (n == want) return Status::Ok();
  CString found;
  found.Format("count %d", n);
  return Status::Failed(found);
}

Status ExpectField(CScenarioContext& ctx) {
  UINT key = 0;
  if (!ctx.ArgUInt(1, key)) return Status::Bad("not a key: " + ctx.Arg(1));
  CDBDoc& doc = Doc(ctx);
  if (doc.GetRecordCount(ctx.Arg(0)) < 0) return Status::Bad("not a table: " + ctx.Arg(0));
  if (!doc.HasRecord(ctx.Arg(0), key)) return Status::Failed("no record " + ctx.Arg(1));
  CString text;
  BOOL real = FALSE;
  if (!doc.GetFieldText(ctx.Arg(0), key, ctx.Arg(2), text, real, TRUE))
    return Status::Bad("not a field: " + ctx.Arg(2));
  const CString& want = ctx.Arg(3);
  if (real) {
    double w = 0, got = std::atof(text);
    if (!ctx.ArgDouble(3, w)) return Status::Bad("not a number: " + want);
    if (std::fabs(got - w) <= 1e-9 * std::fmax(std::fabs(got), std::fabs(w))) return Status::Ok();
  } else if (text == want) {
    return Status::Ok();
  }
  return Status::Failed(ctx.Arg(2) + "=" + text);
}

Status ExpectNoKey(CScenarioContext& ctx) {
  UINT key = 0;
  if (!ctx.ArgUInt(1, key)) return Status::Bad("not a key: " + ctx.Arg(1));
  CDBDoc& doc = Doc(ctx);
  if (doc.GetRecordCount(ctx.Arg(0)) < 0) return Status::Bad("not a table: " + ctx.Arg(0));
  if (!doc.HasRecord(ctx.Arg(0), key)) return Status::Ok();
  return Status::Failed("record " + ctx.Arg(1));
}

// put TABLE KEY FIELD=VALUE...: one record written in one transaction.
Status Put(CScenarioContext& ctx) {
  UINT key = 0;
  if (!ctx.ArgUInt(1, key)) return Status::Bad("not a key: " + ctx.Arg(1));
  CStringArray assignments;
  for (int i = 2; i < ctx.ArgCount(); ++i) assignments.Add(ctx.Arg(i));
  CString bad;
  int r = Doc(ctx).PutRecord(ctx.Arg(0), key, assignments, bad);
  if (r < 0) return Status::Bad("not a field or value: " + bad);
  return r ? Status::Ok() : ctx.Refused();
}

Status Del(CScenarioContext& ctx) {
  UINT key = 0;
  if (!ctx.ArgUInt(1, key)) return Status::Bad("not a key: " + ctx.Arg(1));
  CDBDoc& doc = Doc(ctx);
  if (doc.GetRecordCount(ctx.Arg(0)) < 0) return Status::Bad("not a table: " + ctx.Arg(0));
  return doc.DelRecord(ctx.Arg(0), key) ? Status::Ok() : ctx.Refused();
}

Status Pref(CScenarioContext& ctx) {
  if (!Doc(ctx).SetPreferenceField(ctx.Arg(0), ctx.Arg(1))) return Status::Bad("not a preference: " + ctx.Join(0));
  return Status::Ok();
}

Status Hint(CScenarioContext& ctx) {
  int hint = 0;
  if (!ctx.ArgInt(0, hint)) return Status::Bad("not a number: " + ctx.Arg(0));
  Doc(ctx).UpdateAllViews(nullptr, hint);
  return Status::Ok();
}

// on|off as a switch; -1 for any other word.
int OnOff(const CString& word) { return word == "on" ? 1 : word == "off" ? 0 : -1; }

// post on|off: the document enters or leaves post-processing (entering rebuilds the
// analysis model from the building model); its windows get hint 8.
Status Post(CScenarioContext& ctx) {
  int on = OnOff(ctx.Arg(0));
  if (on < 0) return Status::Bad("not on or off: " + ctx.Arg(0));
  CDBDoc& doc = Doc(ctx);
  doc.SetPostMode(on);
  doc.UpdateAllViews(nullptr, 8);
  return Status::Ok();
}

Status AutoMemb(CScenarioContext& ctx) {
  int on = OnOff(ctx.Arg(0));
  if (on < 0) return Status::Bad("not on or off: " + ctx.Arg(0));
  Doc(ctx).SetAutoMembTypeMode(on);
  return Status::Ok();
}

}  // namespace

CDBDoc& HostModelDoc(CScenarioContext& ctx) { return Doc(ctx); }

namespace {

const CScenarioCommandRegistrar s_new("new", 0, 1, New, "[sample]");
const CScenarioCommandRegistrar s_open("open", 1, 1, Open, "PATH");
const CScenarioCommandRegistrar s_save("save", 1, 1, Save, "PATH");
const CScenarioCommandRegistrar s_units("units", 2, 2, Units, "FORCE LENGTH");
const CScenarioCommandRegistrar s_undo("undo", 0, 0, Undo);
const CScenarioCommandRegistrar s_redo("redo", 0, 0, Redo);
const CScenarioCommandRegistrar s_show("show table", 1, -1, ShowTable, "NAME [KEY] [FIELD...]");
const CScenarioCommandRegistrar s_count("expect count", 2, 2, ExpectCount, "TABLE N");
const CScenarioCommandRegistrar s_field("expect field", 4, 4, ExpectField, "TABLE KEY FIELD VALUE");
const CScenarioCommandRegistrar s_nokey("expect nokey", 2, 2, ExpectNoKey, "TABLE KEY");
const CScenarioCommandRegistrar s_put("put", 3, -1, Put, "TABLE KEY FIELD=VALUE...");
const CScenarioCommandRegistrar s_del("del", 2, 2, Del, "TABLE KEY");
const CScenarioCommandRegistrar s_pref("pref", 2, 2, Pref, "FIELD VALUE");
const CScenarioCommandRegistrar s_hint("hint", 1, 1, Hint, "N");
const CScenarioCommandRegistrar s_post("post", 1, 1, Post, "on|off");
const CScenarioCommandRegistrar s_automemb("automemb", 1, 1, AutoMemb, "on|off");

}  // namespace
