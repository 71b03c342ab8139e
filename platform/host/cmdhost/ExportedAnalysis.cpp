// The exported dialogs of the analysis folder, as the application builds them: the
// erection sequence's group picker, handed the model's erection record, and the buckling
// settings.
#include "ExportedClasses.h"
#include "analysis/CAutoErectSeqGrupSelDlg.h"
#include "analysis/CCmdAnalBucklingDlg.h"
#include "db/CClassErsq.h"
#include "db/CClassGrup.h"
#include "db/CDBDoc.h"
#include "host/CHostSession.h"
#include "host/HostDialogs.h"

typedef CScenarioStatus Status;

// CAutoErectSeqGrupSelDlg: built on the current document, its model database and the
// erection-sequence and group tables; SetInitData with the model's erection record (its
// defaults when the model has none); run modally.
Status RunAutoErectSeqGrupSelDlg(CScenarioContext& ctx) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  auto* ersq = db ? static_cast<CClassErsq*>(db->GetClass(CClassErsq::m_nClassID)) : nullptr;
  auto* grup = db ? static_cast<CClassGrup*>(db->GetClass(CClassGrup::m_nClassID)) : nullptr;
  T_ERSQ_D rec;
  if (!ersq || !ersq->Get(rec)) rec.Initialize();
  int r = HostRunModalBlock(ctx, [&] {
    CAutoErectSeqGrupSelDlg dlg(doc, db, ersq, grup, nullptr);
    dlg.SetInitData(rec);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}

// CCmdAnalBucklingDlg: built with no parent, placed with SetInitPos (1, 24, 24), run modally.
Status RunAnalBucklingDlg(CScenarioContext& ctx) {
  int r = HostRunModalBlock(ctx, [] {
    CCmdAnalBucklingDlg dlg(nullptr);
    dlg.SetInitPos(1, 24, 24);
    return (int)dlg.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
