// The exported dialogs of the analysis folder, as the application builds them: the
// erection sequence's group picker, handed the model's erection record, the buckling
// settings, and the two pages of the analysis control window that it never shows, each in
// a plain frame of the application's own.
#include "ExportedClasses.h"
#include "analysis/CAutoErectSeqGrupSelDlg.h"
#include "analysis/CCmdAnalBucklingDlg.h"
#include "analysis/CCmdAnalNonlinearDlg.h"
#include "analysis/CCmdAnalPerfDlg.h"
#include "afx/AfxResource.h"
#include "db/CClassActl.h"
#include "res/resource.h"
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

namespace {

// A plain frame with OK and Cancel around one page; OK runs the page's Dlg2Data.
const AFX_DLGITEM kFrameItems[] = {
    {"BUTTON", "OK", IDOK, 180, 230, 50, 14, BS_DEFPUSHBUTTON | WS_TABSTOP | WS_CHILD | WS_VISIBLE, 0},
    {"BUTTON", "Cancel", IDCANCEL, 235, 230, 50, 14, BS_PUSHBUTTON | WS_TABSTOP | WS_CHILD | WS_VISIBLE, 0},
};
const AFX_DLGTEMPLATE kFrame = {0,     "Page", 0, 0, 290, 250, DS_MODALFRAME | WS_POPUP | WS_CAPTION | WS_SYSMENU,
                                0,     "宋体", 9, kFrameItems, 2};

template <class Page>
class CPageFrame : public CDialog {
 public:
  CPageFrame(Page& page, UINT nPageTemplate) : m_page(page), m_nPageTemplate(nPageTemplate) {
    InitModalIndirect(&kFrame, nullptr);
  }
  BOOL m_bRead = FALSE;

 protected:
  BOOL OnInitDialog() override {
    CDialog::OnInitDialog();
    CRect rc(0, 0, 280, 220);
    if (m_page.CreatePage(m_nPageTemplate, this, rc)) m_page.ShowWindow(SW_SHOW);
    return TRUE;
  }
  void OnOK() override {
    m_bRead = m_page.Dlg2Data();
    CDialog::OnOK();
  }

 private:
  Page& m_page;
  UINT m_nPageTemplate;
};

T_ACTL_D ModelActl() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  auto* table = doc ? static_cast<CClassActl*>(doc->GetModelDB()->GetClass(CClassActl::m_nClassID)) : nullptr;
  T_ACTL_D rec;
  if (!table || !table->Get(rec)) rec.Initialize();
  return rec;
}

}  // namespace

// CCmdAnalPerfDlg: the page in a plain frame, handed the model's analysis control record;
// on IDOK the page's record is printed. Nothing is written to the model.
Status RunAnalPerfDlg(CScenarioContext& ctx) {
  T_ACTL_D rec = ModelActl();
  CCmdAnalPerfDlg page(nullptr);
  page.SetRecord(&rec);
  int r = HostRunModalBlock(ctx, [&] {
    CPageFrame<CCmdAnalPerfDlg> frame(page, IDD_CMD_ANAL_PERF);
    return (int)frame.DoModal();
  });
  ctx.Session().SetResult(r);
  if (r == IDOK)
    ctx.Out() << "actl static=" << rec.staticAnal << " wind=" << rec.wind << " seismic=" << rec.seismic
              << " eigen=" << rec.eigen << " spectrum=" << rec.spectrum << " pdelta=" << rec.pdelta
              << " pushover=" << rec.pushover << " history=" << rec.history << " stage=" << rec.stage << '\n';
  return Status::Ok();
}

// CCmdAnalNonlinearDlg: the page in a plain frame, handed the model's record, which it
// does not use.
Status RunAnalNonlinearDlg(CScenarioContext& ctx) {
  T_ACTL_D rec = ModelActl();
  CCmdAnalNonlinearDlg page(nullptr);
  page.SetRecord(&rec);
  int r = HostRunModalBlock(ctx, [&] {
    CPageFrame<CCmdAnalNonlinearDlg> frame(page, IDD_CMD_ANAL_NONLINEAR);
    return (int)frame.DoModal();
  });
  ctx.Session().SetResult(r);
  return Status::Ok();
}
