#include "analysis/CCmdAnalCtrlDlg.h"

#include <climits>
#include <cmath>

#include "afx/CDataExchange.h"
#include "afx/CSpinButtonCtrl.h"
#include "afx/CWinApp.h"
#include "analysis/CCCmdAnalPDeltaDlg.h"
#include "analysis/CCmdAnalEigvDlg.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdAnalCtrlDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdAnalCtrlDlg, CDlgChild)
  ON_BN_CLICKED(IDC_ACTL_MULTI_CPU, &CCmdAnalCtrlDlg::OnCmdMethodMprocessorChk)
  ON_BN_CLICKED(IDC_ACTL_MEM_AUTO, &CCmdAnalCtrlDlg::OnCmdMemoryAutoRdo)
  ON_BN_CLICKED(IDC_ACTL_MEM_USER, &CCmdAnalCtrlDlg::OnCmdMemoryUserRdo)
  ON_BN_CLICKED(IDC_ACTL_EIGEN, &CCmdAnalCtrlDlg::OnCmdEigenChk)
  ON_BN_CLICKED(IDC_ACTL_PDELTA, &CCmdAnalCtrlDlg::OnCmdPDeltaChk)
  ON_BN_CLICKED(IDC_ACTL_HISTORY, &CCmdAnalCtrlDlg::OnTimeHistoryChk)
  ON_BN_CLICKED(IDC_ACTL_EIGEN_BTN, &CCmdAnalCtrlDlg::OnCmdEigenBtn)
  ON_BN_CLICKED(IDC_ACTL_PDELTA_BTN, &CCmdAnalCtrlDlg::OnCmdPdeltaBtn)
  ON_BN_CLICKED(IDC_ACTL_HISTORY_BTN, &CCmdAnalCtrlDlg::OnCmdTimeBtn)
END_MESSAGE_MAP()

namespace {

constexpr UINT kCmdTimeHistory = 33158;

// A check box and the field it shows, with the "..." button it enables.
struct Switch {
  UINT check, button;
  int T_ACTL_D::*field;
};
const Switch kSwitches[] = {
    {IDC_ACTL_EIGEN, IDC_ACTL_EIGEN_BTN, &T_ACTL_D::eigen},
    {IDC_ACTL_PDELTA, IDC_ACTL_PDELTA_BTN, &T_ACTL_D::pdelta},
    {IDC_ACTL_HISTORY, IDC_ACTL_HISTORY_BTN, &T_ACTL_D::history},
};

// A pair of radios for the values 0 and 1 of a field.
struct RadioPair {
  UINT first, second;
  int T_ACTL_D::*field;
};
const RadioPair kRadios[] = {
    {IDC_ACTL_MFSG, IDC_ACTL_SKYLINE, &T_ACTL_D::solver},
    {IDC_ACTL_MEM_AUTO, IDC_ACTL_MEM_USER, &T_ACTL_D::memMode},
};

// The edit's number truncated toward zero; FALSE (value untouched) when it holds none.
BOOL ReadWhole(const CEditUnit& edit, int& value) {
  double d = 0.0;
  if (!edit.GetEditValue(d) || !std::isfinite(d)) return FALSE;
  d = std::trunc(d);
  value = d >= (double)INT_MAX ? INT_MAX : d <= (double)INT_MIN ? INT_MIN : (int)d;
  return TRUE;
}

}  // namespace

CCmdAnalCtrlDlg::CCmdAnalCtrlDlg(CWnd* pParent) : CDlgChild(IDD_CMD_ANAL_CTRL_PAGE, pParent) {}

void CCmdAnalCtrlDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ACTL_CPU, m_editCpu);
  DDX_Control(pDX, IDC_ACTL_MEM, m_editMem);
}

BOOL CCmdAnalCtrlDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  m_editCpu.SetUnitType(0);
  m_editMem.SetUnitType(0);
  for (UINT id : {IDC_ACTL_CPU_SPIN, IDC_ACTL_MEM_SPIN})
    if (auto* spin = dynamic_cast<CSpinButtonCtrl*>(GetDlgItem(id))) spin->SetRange32(0, 1000);
  Data2Dlg();
  return TRUE;
}

BOOL CCmdAnalCtrlDlg::Data2Dlg() {
  if (!m_pActl || !m_hWnd) return TRUE;
  const T_ACTL_D& r = *m_pActl;
  for (const RadioPair& p : kRadios) {
    CheckDlgButton(p.first, r.*p.field == 0 ? 1 : 0);
    CheckDlgButton(p.second, r.*p.field == 1 ? 1 : 0);
  }
  CheckDlgButton(IDC_ACTL_MULTI_CPU, r.multiCpu);
  m_editCpu.SetEditUnit(r.cpuCount);
  m_editMem.SetEditUnit(r.memSize);
  for (const Switch& s : kSwitches) CheckDlgButton(s.check, r.*s.field);
  ChangeDlgCtrls();
  return TRUE;
}

BOOL CCmdAnalCtrlDlg::Dlg2Data() {
  if (!m_pActl || !m_hWnd) return TRUE;
  T_ACTL_D& r = *m_pActl;
  for (const RadioPair& p : kRadios) {
    if (IsDlgButtonChecked(p.first) == 1) r.*p.field = 0;
    if (IsDlgButtonChecked(p.second) == 1) r.*p.field = 1;
  }
  r.multiCpu = IsDlgButtonChecked(IDC_ACTL_MULTI_CPU) == 1 ? 1 : 0;
  ReadWhole(m_editCpu, r.cpuCount);
  ReadWhole(m_editMem, r.memSize);
  for (const Switch& s : kSwitches) r.*s.field = IsDlgButtonChecked(s.check) == 1 ? 1 : 0;
  return TRUE;
}

void CCmdAnalCtrlDlg::ChangeDlgCtrls() {
  const BOOL multi = IsDlgButtonChecked(IDC_ACTL_MULTI_CPU) == 1;
  for (UINT id : {IDC_ACTL_CPU_LABEL, IDC_ACTL_CPU, IDC_ACTL_CPU_SPIN})
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(multi);
  const BOOL user = IsDlgButtonChecked(IDC_ACTL_MEM_USER) == 1;
  for (UINT id : {IDC_ACTL_MEM, IDC_ACTL_MEM_SPIN, IDC_ACTL_MEM_LABEL})
    if (CWnd* w = GetDlgItem(id)) w->EnableWindow(user);
  for (const Switch& s : kSwitches)
    if (CWnd* w = GetDlgItem(s.button)) w->EnableWindow(IsDlgButtonChecked(s.check) == 1);
}

void CCmdAnalCtrlDlg::OnCmdEigenChk() { ChangeDlgCtrls(); }
void CCmdAnalCtrlDlg::OnCmdPDeltaChk() { ChangeDlgCtrls(); }
void CCmdAnalCtrlDlg::OnTimeHistoryChk() { ChangeDlgCtrls(); }

void CCmdAnalCtrlDlg::OnCmdEigenBtn() {
  CCmdAnalEigvDlg dlg;
  dlg.SetInitPos(1, 24, 24);
  dlg.DoModal();
}

void CCmdAnalCtrlDlg::OnCmdPdeltaBtn() {
  CCCmdAnalPDeltaDlg dlg;
  dlg.SetInitPos(1, 24, 24);
  dlg.DoModal();
}

void CCmdAnalCtrlDlg::OnCmdTimeBtn() {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, kCmdTimeHistory, 0);
}
