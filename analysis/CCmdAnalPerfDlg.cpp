#include "analysis/CCmdAnalPerfDlg.h"

#include "afx/CWinApp.h"
#include "analysis/CCCmdAnalPDeltaDlg.h"
#include "analysis/CCmdAnalBucklingDlg.h"
#include "analysis/CCmdAnalEigvDlg.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCmdAnalPerfDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdAnalPerfDlg, CDlgChild)
  ON_BN_CLICKED(IDC_PERF_STATIC, &CCmdAnalPerfDlg::OnCmdStcChk)
  ON_BN_CLICKED(IDC_PERF_WIND, &CCmdAnalPerfDlg::OnWindChk)
  ON_BN_CLICKED(IDC_PERF_SPECTRUM, &CCmdAnalPerfDlg::OnCmdResponseChk)
  ON_BN_CLICKED(IDC_PERF_SEISMIC, &CCmdAnalPerfDlg::OnSeismicChk)
  ON_BN_CLICKED(IDC_PERF_PUSHOVER, &CCmdAnalPerfDlg::OnCmdPushoverChk)
  ON_BN_CLICKED(IDC_PERF_EIGEN, &CCmdAnalPerfDlg::OnCmdEigenChk)
  ON_BN_CLICKED(IDC_PERF_HISTORY, &CCmdAnalPerfDlg::OnTimeHistoryChk)
  ON_BN_CLICKED(IDC_PERF_PDELTA, &CCmdAnalPerfDlg::OnCmdPDeltaChk)
  ON_BN_CLICKED(IDC_PERF_SETTLE, &CCmdAnalPerfDlg::OnSettleChk)
  ON_BN_CLICKED(IDC_PERF_BUCKLING, &CCmdAnalPerfDlg::OnCmdBucklingChk)
  ON_BN_CLICKED(IDC_PERF_STAGE, &CCmdAnalPerfDlg::OnCmdConstStageChk)
  ON_BN_CLICKED(IDC_PERF_STATIC_BTN, &CCmdAnalPerfDlg::OnCmdEmptyBtn)
  ON_BN_CLICKED(IDC_PERF_PUSHOVER_BTN, &CCmdAnalPerfDlg::OnCmdEmptyBtn)
  ON_BN_CLICKED(IDC_PERF_STAGE_BTN, &CCmdAnalPerfDlg::OnCmdEmptyBtn)
  ON_BN_CLICKED(IDC_PERF_WIND_BTN, &CCmdAnalPerfDlg::OnCmdWindBtn)
  ON_BN_CLICKED(IDC_PERF_SPECTRUM_BTN, &CCmdAnalPerfDlg::OnCmdSpectBtn)
  ON_BN_CLICKED(IDC_PERF_SEISMIC_BTN, &CCmdAnalPerfDlg::OnCmdSeismicBtn)
  ON_BN_CLICKED(IDC_PERF_HISTORY_BTN, &CCmdAnalPerfDlg::OnCmdTimeBtn)
  ON_BN_CLICKED(IDC_PERF_SETTLE_BTN, &CCmdAnalPerfDlg::OnCmdSettleBtn)
  ON_BN_CLICKED(IDC_PERF_EIGEN_BTN, &CCmdAnalPerfDlg::OnCmdEigenBtn)
  ON_BN_CLICKED(IDC_PERF_PDELTA_BTN, &CCmdAnalPerfDlg::OnCmdPdeltaBtn)
  ON_BN_CLICKED(IDC_PERF_BUCKLING_BTN, &CCmdAnalPerfDlg::OnCmdBucklingBtn)
END_MESSAGE_MAP()

namespace {

// The boxes the record stores, with their fields.
const struct {
  UINT id;
  int T_ACTL_D::*field;
} kStored[] = {
    {IDC_PERF_STATIC, &T_ACTL_D::staticAnal}, {IDC_PERF_WIND, &T_ACTL_D::wind},
    {IDC_PERF_SPECTRUM, &T_ACTL_D::spectrum}, {IDC_PERF_SEISMIC, &T_ACTL_D::seismic},
    {IDC_PERF_PUSHOVER, &T_ACTL_D::pushover}, {IDC_PERF_EIGEN, &T_ACTL_D::eigen},
    {IDC_PERF_HISTORY, &T_ACTL_D::history},   {IDC_PERF_PDELTA, &T_ACTL_D::pdelta},
    {IDC_PERF_STAGE, &T_ACTL_D::stage},
};
// What switching buckling on switches off.
const UINT kBucklingExcludes[] = {IDC_PERF_EIGEN,    IDC_PERF_SPECTRUM, IDC_PERF_PDELTA,
                                  IDC_PERF_PUSHOVER, IDC_PERF_HISTORY,  IDC_PERF_WIND,
                                  IDC_PERF_SEISMIC,  IDC_PERF_SETTLE,   IDC_PERF_STAGE};

const char kCaption[] = "IDS_WG_CMD_ANAL_PERF_ANAL_CTRL_DATA";
const char kDelete[] = "IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_AND_DELETE_QUESTION";
const char kTimeHistory[] = "IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_TIME_HISTORY";
const char kEigvMsg[] = "IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_EIGV_MSG";
const char kPDeltaMsg[] = "IDS_WG_CMD_ANAL_PERF_ANAL_WARNING_PDELTA_MSG";
const char kBuckling[] = "IDS_WG_CMD_ANAL_PERF_ANAL_Buckling_Analysis";
const char kEigen[] = "IDS_WG_CMD_ANAL_PERF_ANAL_Eigen_Value_Anlaysis";

template <class Dlg>
void OpenModal() {
  Dlg dlg;
  dlg.SetInitPos(1, 24, 24);
  dlg.DoModal();
}

}  // namespace

CCmdAnalPerfDlg::CCmdAnalPerfDlg(CWnd* pParent) : CDlgChild(IDD_CMD_ANAL_PERF, pParent) {}

BOOL CCmdAnalPerfDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  ChangeDlgCtrls();
  Data2Dlg();
  return TRUE;
}

void CCmdAnalPerfDlg::ChangeDlgCtrls() {
  for (UINT id : {IDC_PERF_STAGE, IDC_PERF_STAGE_BTN})
    if (CWnd* w = GetDlgItem(id)) w->ShowWindow(SW_HIDE);
}

BOOL CCmdAnalPerfDlg::Data2Dlg() {
  if (!m_pActl || !m_hWnd) return TRUE;
  for (const auto& s : kStored) CheckDlgButton(s.id, (UINT)(m_pActl->*s.field));
  return TRUE;
}

BOOL CCmdAnalPerfDlg::Dlg2Data() {
  if (!m_pActl || !m_hWnd) return TRUE;
  for (const auto& s : kStored) m_pActl->*s.field = IsDlgButtonChecked(s.id);
  return TRUE;
}

BOOL CCmdAnalPerfDlg::Ask(const CString& text) {
  return MessageBox(text, GMakeMsg(kCaption), MB_OKCANCEL | MB_ICONQUESTION) == IDOK;
}
BOOL CCmdAnalPerfDlg::AskDelete() { return Ask(GMakeMsg(kDelete)); }
BOOL CCmdAnalPerfDlg::AskExclusive(const char* key, const CString& dropped, const CString& chosen) {
  return Ask(GMakeMsg(key, dropped.c_str(), chosen.c_str()));
}

void CCmdAnalPerfDlg::Send(UINT nCmd) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, nCmd, 0);
}

// ---- interlocks ---------------------------------------------------------------------------------

void CCmdAnalPerfDlg::OnCmdStcChk() {
  if (!On(IDC_PERF_STATIC) && On(IDC_PERF_PUSHOVER)) {
    if (AskDelete()) Set(IDC_PERF_PUSHOVER, FALSE);
    else Set(IDC_PERF_STATIC, TRUE);
  } else if (!On(IDC_PERF_STATIC) && On(IDC_PERF_HISTORY)) {
    if (Ask(GMakeMsg(kTimeHistory))) Set(IDC_PERF_HISTORY, FALSE);
    else Set(IDC_PERF_STATIC, TRUE);
  }
  if (!On(IDC_PERF_STATIC)) Set(IDC_PERF_SETTLE, FALSE);
}

void CCmdAnalPerfDlg::OnWindChk() {
  if (On(IDC_PERF_WIND)) Set(IDC_PERF_BUCKLING, FALSE);
}

void CCmdAnalPerfDlg::OnCmdResponseChk() {
  if (On(IDC_PERF_SPECTRUM)) {
    Set(IDC_PERF_BUCKLING, FALSE);
    Set(IDC_PERF_EIGEN, TRUE);
  } else {
    Set(IDC_PERF_SETTLE, FALSE);
  }
}

void CCmdAnalPerfDlg::OnSeismicChk() {
  if (On(IDC_PERF_SEISMIC)) Set(IDC_PERF_BUCKLING, FALSE);
}

void CCmdAnalPerfDlg::OnCmdPushoverChk() {
  if (!On(IDC_PERF_PUSHOVER)) return;
  Set(IDC_PERF_STATIC, TRUE);
  Set(IDC_PERF_EIGEN, TRUE);
  Set(IDC_PERF_BUCKLING, FALSE);
}

void CCmdAnalPerfDlg::OnCmdEigenChk() {
  const BOOL switchedOn = On(IDC_PERF_EIGEN);
  if (!On(IDC_PERF_EIGEN) && On(IDC_PERF_PUSHOVER)) {
    if (AskDelete()) Set(IDC_PERF_PUSHOVER, FALSE);
    else Set(IDC_PERF_EIGEN, TRUE);
  } else if (!On(IDC_PERF_EIGEN) && On(IDC_PERF_HISTORY)) {
    if (AskDelete()) Set(IDC_PERF_HISTORY, FALSE);
    else Set(IDC_PERF_EIGEN, TRUE);
  }
  if (switchedOn && On(IDC_PERF_BUCKLING)) {
    if (AskExclusive(kEigvMsg, GMakeMsg(kBuckling), GMakeMsg(kEigen))) Set(IDC_PERF_BUCKLING, FALSE);
    else Set(IDC_PERF_EIGEN, FALSE);
  }
  if (!On(IDC_PERF_EIGEN) && On(IDC_PERF_SPECTRUM)) Set(IDC_PERF_SPECTRUM, FALSE);
}

void CCmdAnalPerfDlg::OnTimeHistoryChk() {
  if (!On(IDC_PERF_HISTORY)) return;
  Set(IDC_PERF_STATIC, TRUE);
  Set(IDC_PERF_EIGEN, TRUE);
  Set(IDC_PERF_BUCKLING, FALSE);
}

void CCmdAnalPerfDlg::OnCmdPDeltaChk() {
  if (!On(IDC_PERF_PDELTA)) return;
  const BOOL staticBefore = On(IDC_PERF_STATIC);
  Set(IDC_PERF_STATIC, TRUE);
  if (!On(IDC_PERF_BUCKLING)) return;
  if (AskExclusive(kPDeltaMsg, "Buckling Anlaysis", "P-Delta Analysis")) {
    Set(IDC_PERF_BUCKLING, FALSE);
  } else {
    Set(IDC_PERF_PDELTA, FALSE);
    Set(IDC_PERF_STATIC, staticBefore);
  }
}

void CCmdAnalPerfDlg::OnSettleChk() {
  if (!On(IDC_PERF_SETTLE)) return;
  Set(IDC_PERF_STATIC, TRUE);
  Set(IDC_PERF_SPECTRUM, TRUE);
}

void CCmdAnalPerfDlg::OnCmdBucklingChk() {
  if (On(IDC_PERF_BUCKLING) && On(IDC_PERF_EIGEN)) {
    if (AskExclusive(kEigvMsg, "Eigen Value Anlaysis", "Buckling Analysis")) Set(IDC_PERF_EIGEN, FALSE);
    else Set(IDC_PERF_BUCKLING, FALSE);
  }
  if (!On(IDC_PERF_BUCKLING)) return;
  Set(IDC_PERF_STATIC, TRUE);
  for (UINT id : kBucklingExcludes) Set(id, FALSE);
}

void CCmdAnalPerfDlg::OnCmdConstStageChk() {
  if (On(IDC_PERF_STAGE)) Set(IDC_PERF_BUCKLING, FALSE);
}

// ---- settings buttons ---------------------------------------------------------------------------

void CCmdAnalPerfDlg::OnCmdWindBtn() { Send(32910); }
void CCmdAnalPerfDlg::OnCmdSpectBtn() { Send(32898); }
void CCmdAnalPerfDlg::OnCmdSeismicBtn() { Send(32894); }
void CCmdAnalPerfDlg::OnCmdTimeBtn() { Send(33158); }
void CCmdAnalPerfDlg::OnCmdSettleBtn() { Send(32921); }
void CCmdAnalPerfDlg::OnCmdEigenBtn() { OpenModal<CCmdAnalEigvDlg>(); }
void CCmdAnalPerfDlg::OnCmdPdeltaBtn() { OpenModal<CCCmdAnalPDeltaDlg>(); }
void CCmdAnalPerfDlg::OnCmdBucklingBtn() { OpenModal<CCmdAnalBucklingDlg>(); }
