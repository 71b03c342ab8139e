#include "analysis/CCCmdAnalPDeltaDlg.h"

#include <algorithm>
#include <iterator>

#include "afx/AfxMessageBox.h"
#include "afx/CSpinButtonCtrl.h"
#include "db/CClassPdel.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateRecord.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CCCmdAnalPDeltaDlg, CAnalLoadCaseListDlg)

BEGIN_MESSAGE_MAP(CCCmdAnalPDeltaDlg, CAnalLoadCaseListDlg)
  ON_BN_CLICKED(IDC_PDEL_OK, &CCCmdAnalPDeltaDlg::OnCmdApply)
  ON_BN_CLICKED(IDC_PDEL_CANCEL, &CCCmdAnalPDeltaDlg::OnCmdClose)
  ON_BN_CLICKED(IDC_PDEL_ADD, &CCCmdAnalPDeltaDlg::OnCmdBtnAdd)
  ON_BN_CLICKED(IDC_PDEL_EDIT, &CCCmdAnalPDeltaDlg::OnCmdBtnModify)
  ON_BN_CLICKED(IDC_PDEL_DELETE, &CCCmdAnalPDeltaDlg::OnCmdBtnDelete)
  ON_BN_CLICKED(IDC_PDEL_REMOVE, &CCCmdAnalPDeltaDlg::OnCmdRemoveData)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_PDEL_LIST, &CCCmdAnalPDeltaDlg::OnChangedCurrentItem)
END_MESSAGE_MAP()

namespace {

const CAnalLoadCaseListDlg::Column kColumns[] = {{"IDS_CMD_ANAL_loadcase", 90}, {"IDS_CMD_ANAL_scale", 45}};
const CAnalLoadCaseListDlg::Controls kControls = {IDC_PDEL_LC, IDC_PDEL_FACTOR, 0, IDC_PDEL_LIST};

CClassPdel* Table() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? static_cast<CClassPdel*>(doc->GetModelDB()->GetClass(CClassPdel::m_nClassID)) : nullptr;
}

std::vector<CAnalLoadEntry> EntriesOf(const T_PDEL_D& rec) {
  std::vector<CAnalLoadEntry> entries;
  const int n = std::clamp(rec.count, 0, T_PDEL_D::MAX_ENTRIES);
  for (int i = 0; i < n; ++i) entries.push_back({rec.entry[i].lc, rec.entry[i].factor, 0});
  return entries;
}

}  // namespace

CCCmdAnalPDeltaDlg::CCCmdAnalPDeltaDlg(CWnd* pParent)
    : CAnalLoadCaseListDlg(IDD_CMD_ANAL_PDELTA, pParent, kControls, kColumns, (int)std::size(kColumns), 0.0) {
  m_pdel.Initialize();
}

BOOL CCCmdAnalPDeltaDlg::OnInitDialog() {
  CAnalLoadCaseListDlg::OnInitDialog();
  CClassPdel* table = Table();
  if (!table || !table->Get(m_pdel)) {
    m_pdel.Initialize();
    if (CWnd* w = GetDlgItem(IDC_PDEL_REMOVE)) w->EnableWindow(FALSE);
  }
  ShowParameters();
  if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_PDEL_ITER_SPIN))) spin->SetRange32(1, 100);
  SetEntries(EntriesOf(m_pdel));
  InitLoadList();
  return TRUE;
}

void CCCmdAnalPDeltaDlg::ShowParameters() {
  CString text;
  text.Format("%d", m_pdel.iterCount);
  SetDlgItemText(IDC_PDEL_ITER, text);
  text.Format("%g", m_pdel.tol);
  SetDlgItemText(IDC_PDEL_TOL, text);
}

void CCCmdAnalPDeltaDlg::OnCmdApply() {
  T_PDEL_D rec = m_pdel;
  CString iter, tol;
  GetDlgItemText(IDC_PDEL_ITER, iter);
  GetDlgItemText(IDC_PDEL_TOL, tol);
  if (!CStringParser::GetINumber(iter, rec.iterCount) || !CStringParser::GetFloatNumber(tol, rec.tol)) return;
  if (rec.iterCount < 1) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_PDEL_ERROR_Iteration", 0));
    if (CWnd* w = GetDlgItem(IDC_PDEL_ITER)) w->SetFocus();
    return;
  }
  rec.count = (int)m_entries.size();
  for (int i = 0; i < T_PDEL_D::MAX_ENTRIES; ++i) {
    rec.entry[i] = T_PDEL_BASE();
    if (i < rec.count) rec.entry[i] = {m_entries[(size_t)i].lc, m_entries[(size_t)i].factor};
  }
  CClassPdel* table = Table();
  m_pdel = rec;
  if (!table || !table->Add(rec)) return;
  CDialog::OnOK();
}

void CCCmdAnalPDeltaDlg::OnCmdClose() { CDialog::OnCancel(); }

void CCCmdAnalPDeltaDlg::OnCmdRemoveData() {
  CClassPdel* table = Table();
  if (table && table->Del()) CDialog::OnOK();
}

void CCCmdAnalPDeltaDlg::UpdateBuffer(const DB_CDataBase& db) {
  CAnalLoadCaseListDlg::UpdateBuffer(db);
  BOOL own = FALSE;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* e = db.GetNextUpdate(pos))
    own = own || e->m_nCode == CClassPdel::UR_PDEL_ADD || e->m_nCode == CClassPdel::UR_PDEL_MFD;
  if (!own) return;
  ShowParameters();
  MakeItemEx();
}
