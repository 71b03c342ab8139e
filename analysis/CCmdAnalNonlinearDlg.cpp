#include "analysis/CCmdAnalNonlinearDlg.h"

#include <cctype>

#include "afx/CDataExchange.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdAnalNonlinearDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdAnalNonlinearDlg, CDlgChild)
  ON_BN_CLICKED(IDC_ANL_INCLUDE, &CCmdAnalNonlinearDlg::OnChangeElemType)
  ON_BN_CLICKED(IDC_ANL_EXCLUDE, &CCmdAnalNonlinearDlg::OnChangeElemType)
  ON_NOTIFY(UDN_DELTAPOS, IDC_ANL_ITER_SPIN, &CCmdAnalNonlinearDlg::OnDeltaposEtcPcTcIterSpin)
  ON_NOTIFY(UDN_DELTAPOS, IDC_ANL_LC_ITER_SPIN, &CCmdAnalNonlinearDlg::OnDeltaposCmdActlExlcaseSpin)
END_MESSAGE_MAP()

namespace {
const UINT kChoice0[] = {IDC_ANL_ITER_LABEL, IDC_ANL_ITER, IDC_ANL_ITER_SPIN,
                         IDC_ANL_TOL_LABEL,  IDC_ANL_TOL,  IDC_ANL_TOL_UNIT};
const UINT kChoice1[] = {IDC_ANL_LC_ITER_LABEL, IDC_ANL_LC_ITER, IDC_ANL_LC_ITER_SPIN, IDC_ANL_LC_TOL_LABEL,
                         IDC_ANL_LC_TOL};

// The whole number a text begins with (after blanks); 0 when it begins with no digit.
int LeadingNumber(const CString& text) {
  const char* p = text.c_str();
  while (*p == ' ' || *p == '\t') ++p;
  long long n = 0;
  while (std::isdigit((unsigned char)*p) && n < 1000000000) n = n * 10 + (*p++ - '0');
  return (int)n;
}
}  // namespace

CCmdAnalNonlinearDlg::CCmdAnalNonlinearDlg(CWnd* pParent) : CDlgChild(IDD_CMD_ANAL_NONLINEAR, pParent) {}

void CCmdAnalNonlinearDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ANL_ITER, m_editIter);
  DDX_Control(pDX, IDC_ANL_LC_ITER, m_editLcIter);
  DDX_Control(pDX, IDC_ANL_TOL, m_editTol);
  DDX_Control(pDX, IDC_ANL_LC_TOL, m_editLcTol);
  DDX_Radio(pDX, IDC_ANL_INCLUDE, m_nChoice);
}

BOOL CCmdAnalNonlinearDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  m_editTol.SetUnitType(0);
  m_editLcTol.SetUnitType(0);
  EnableByChoice();
  return TRUE;
}

void CCmdAnalNonlinearDlg::EnableByChoice() {
  for (UINT id : kChoice0)
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(m_nChoice == 0);
  for (UINT id : kChoice1)
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(m_nChoice == 1);
}

void CCmdAnalNonlinearDlg::OnChangeElemType() {
  UpdateData(TRUE);
  EnableByChoice();
}

void CCmdAnalNonlinearDlg::Step(UINT nEdit, NMHDR* pNMHDR, LRESULT* pResult) {
  const auto* nm = reinterpret_cast<const NMUPDOWN*>(pNMHDR);
  CString text;
  GetDlgItemText(nEdit, text);
  const int n = LeadingNumber(text);
  CString shown;
  if (nm && nm->iDelta < 0) shown.Format("%d", n + 1);
  else if (n >= 2) shown.Format("%d", n - 1);
  else shown = "1";
  SetDlgItemText(nEdit, shown);
  if (pResult) *pResult = 0;
}

void CCmdAnalNonlinearDlg::OnDeltaposEtcPcTcIterSpin(NMHDR* pNMHDR, LRESULT* pResult) {
  Step(IDC_ANL_ITER, pNMHDR, pResult);
}

void CCmdAnalNonlinearDlg::OnDeltaposCmdActlExlcaseSpin(NMHDR* pNMHDR, LRESULT* pResult) {
  Step(IDC_ANL_LC_ITER, pNMHDR, pResult);
}
