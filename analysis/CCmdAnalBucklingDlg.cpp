#include "analysis/CCmdAnalBucklingDlg.h"

#include <algorithm>
#include <iterator>

#include "afx/AfxMessageBox.h"
#include "afx/CWinApp.h"
#include "afx/CSpinButtonCtrl.h"
#include "db/CClassBuck.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CCmdAnalBucklingDlg, CAnalLoadCaseListDlg)

BEGIN_MESSAGE_MAP(CCmdAnalBucklingDlg, CAnalLoadCaseListDlg)
  ON_BN_CLICKED(IDC_BUCK_OK, &CCmdAnalBucklingDlg::OnCmdApply)
  ON_BN_CLICKED(IDC_BUCK_CANCEL, &CCmdAnalBucklingDlg::OnCmdClose)
  ON_BN_CLICKED(IDC_BUCK_LC_BTN, &CCmdAnalBucklingDlg::OnClickLoadCaseBtn)
  ON_BN_CLICKED(IDC_BUCK_ADD, &CCmdAnalBucklingDlg::OnCmdBtnAdd)
  ON_BN_CLICKED(IDC_BUCK_EDIT, &CCmdAnalBucklingDlg::OnCmdBtnModify)
  ON_BN_CLICKED(IDC_BUCK_DELETE, &CCmdAnalBucklingDlg::OnCmdBtnDelete)
  ON_BN_CLICKED(IDC_BUCK_REMOVE, &CCmdAnalBucklingDlg::OnCmdRemoveData)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_BUCK_LIST, &CCmdAnalBucklingDlg::OnChangedCurrentItem)
END_MESSAGE_MAP()

namespace {

const CAnalLoadCaseListDlg::Column kColumns[] = {
    {"IDS_CMD_ANAL_loadcase", 78}, {"IDS_CMD_ANAL_scale", 58}, {"IDS_CMD_ANAL_LoadType", 78}};
const CAnalLoadCaseListDlg::Controls kControls = {IDC_BUCK_LC, IDC_BUCK_FACTOR, IDC_BUCK_VARIABLE, IDC_BUCK_LIST};
constexpr UINT kCmdLoadCases = 32824;

CClassBuck* Table() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? static_cast<CClassBuck*>(doc->GetModelDB()->GetClass(CClassBuck::m_nClassID)) : nullptr;
}

}  // namespace

CCmdAnalBucklingDlg::CCmdAnalBucklingDlg(CWnd* pParent)
    : CAnalLoadCaseListDlg(IDD_CMD_ANAL_BUCKLING, pParent, kControls, kColumns, (int)std::size(kColumns), 1.0) {
  m_buck.Initialize();
}

BOOL CCmdAnalBucklingDlg::OnInitDialog() {
  CAnalLoadCaseListDlg::OnInitDialog();
  CClassBuck* table = Table();
  if (!table || !table->Get(m_buck)) {
    m_buck.Initialize();
    if (CWnd* w = GetDlgItem(IDC_BUCK_REMOVE)) w->EnableWindow(FALSE);
  }
  CString text;
  text.Format("%d", m_buck.modes);
  SetDlgItemText(IDC_BUCK_MODES, text);
  if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(IDC_BUCK_MODES_SPIN))) spin->SetRange32(0, 1000);
  CheckDlgButton(IDC_BUCK_POSITIVE, m_buck.positive == 1 ? 1 : 0);
  // Never past the last entry, whatever count a record holds.
  const int n = std::clamp(m_buck.count, 0, T_BUCK_D::MAX_ENTRIES);
  std::vector<CAnalLoadEntry> entries;
  for (int i = 0; i < n; ++i) entries.push_back({m_buck.entry[i].lc, m_buck.entry[i].factor, m_buck.entry[i].type});
  SetEntries(entries);
  InitLoadList();
  return TRUE;
}

void CCmdAnalBucklingDlg::OnCmdApply() {
  T_BUCK_D rec = m_buck;
  rec.positive = IsDlgButtonChecked(IDC_BUCK_POSITIVE) == 1 ? 1 : 0;
  CString text;
  GetDlgItemText(IDC_BUCK_MODES, text);
  if (!CStringParser::GetINumber(text, rec.modes)) return;
  if (rec.modes < 0) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_BUCK_ERROR_Negative", 0));
    if (CWnd* w = GetDlgItem(IDC_BUCK_MODES)) w->SetFocus();
    return;
  }
  rec.count = (int)m_entries.size();
  for (int i = 0; i < T_BUCK_D::MAX_ENTRIES; ++i) {
    rec.entry[i] = T_BUCK_BASE();
    if (i < rec.count) rec.entry[i] = {m_entries[(size_t)i].lc, m_entries[(size_t)i].factor, m_entries[(size_t)i].type};
  }
  CClassBuck* table = Table();
  if (!table || !table->Add(rec)) return;
  m_buck = rec;
  CDialog::OnOK();
}

void CCmdAnalBucklingDlg::OnCmdClose() { CDialog::OnCancel(); }

void CCmdAnalBucklingDlg::OnClickLoadCaseBtn() {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, kCmdLoadCases, 0);
}

void CCmdAnalBucklingDlg::OnCmdRemoveData() {
  CClassBuck* table = Table();
  if (table && table->Del()) CDialog::OnOK();
}
