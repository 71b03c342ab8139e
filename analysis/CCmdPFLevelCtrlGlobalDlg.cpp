#include "analysis/CCmdPFLevelCtrlGlobalDlg.h"

#include "afx/CDataExchange.h"
#include "afx/CScrollBar.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPFLevelCtrlGlobalDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPFLevelCtrlGlobalDlg, CDlgChild)
  ON_WM_DESTROY()
  ON_WM_HSCROLL()
  ON_BN_CLICKED(IDC_PF_CODE_SEISMIC, &CCmdPFLevelCtrlGlobalDlg::OnCodeRadio)
  ON_BN_CLICKED(IDC_PF_CODE_TALL, &CCmdPFLevelCtrlGlobalDlg::OnCodeRadio)
  ON_BN_CLICKED(IDC_PF_ALL_MEMB, &CCmdPFLevelCtrlGlobalDlg::OnAllMemb)
  ON_BN_CLICKED(IDC_PF_FREQ, &CCmdPFLevelCtrlGlobalDlg::OnEarthquake)
  ON_BN_CLICKED(IDC_PF_MOD, &CCmdPFLevelCtrlGlobalDlg::OnEarthquake)
  ON_BN_CLICKED(IDC_PF_RARE, &CCmdPFLevelCtrlGlobalDlg::OnEarthquake)
END_MESSAGE_MAP()

namespace {
const UINT kSliders[4] = {IDC_PF_FREQ_SLIDER, IDC_PF_MOD_SLIDER, IDC_PF_RARE_SLIDER, IDC_PF_TALL_SLIDER};
const UINT kQuakes[3] = {IDC_PF_FREQ, IDC_PF_MOD, IDC_PF_RARE};
const char* const kDescriptions[4] = {"IDS_CMD_PF_GOGYU_DESC_LV_A", "IDS_CMD_PF_GOGYU_DESC_LV_B",
                                      "IDS_CMD_PF_GOGYU_DESC_LV_C", "IDS_CMD_PF_GOGYU_DESC_LV_D"};
}  // namespace

CCmdPFLevelCtrlGlobalDlg::CCmdPFLevelCtrlGlobalDlg(CWnd* pParent) : CDlgChild(IDD_CMD_PF_GLOBAL, pParent) {
  for (UINT id : {IDC_PF_CODE_SEISMIC, IDC_PF_CODE_TALL}) m_aCodeIDs.Add(id);
  for (UINT id : {IDC_PF_TARGET1, IDC_PF_TARGET2, IDC_PF_TARGET3, IDC_PF_TARGET4, IDC_PF_FREQ, IDC_PF_MOD, IDC_PF_RARE,
                  IDC_PF_FREQ_SLIDER, IDC_PF_MOD_SLIDER, IDC_PF_RARE_SLIDER})
    m_aSeismicIDs.Add(id);
  for (UINT id : {IDC_PF_TALL_LABEL, IDC_PF_TALL_SLIDER, IDC_PF_TALL_A, IDC_PF_TALL_B, IDC_PF_TALL_C, IDC_PF_TALL_D,
                  IDC_PF_TALL_DESC})
    m_aTallIDs.Add(id);
  m_aNoteIDs.Add(IDC_PF_TALL_NOTE);
}

void CCmdPFLevelCtrlGlobalDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  for (int i = 0; i < 4; ++i) DDX_Control(pDX, (int)kSliders[i], m_slider[i]);
}

BOOL CCmdPFLevelCtrlGlobalDlg::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  for (CSliderCtrl& s : m_slider) s.SetRange(0, 3);
  auto left = [this](UINT id) {
    CRect r;
    GetDlgItem((int)id)->GetWindowRect(&r);
    return r.left;
  };
  CDlgUtil::CtrlMoveDistX(this, m_aTallIDs, -(left(IDC_PF_TALL_SLIDER) - left(IDC_PF_FREQ_SLIDER)));
  CDlgUtil::CtrlShowHide(this, m_aTallIDs, FALSE);
  CDlgUtil::CtrlMoveDistX(this, m_aNoteIDs, -(left(IDC_PF_TALL_NOTE) - left(IDC_PF_ALL_MEMB)));
  CDlgUtil::CtrlShowHide(this, m_aNoteIDs, FALSE);
  Data2Dlg();
  ApplyCodeRule();
  ApplyAllMembRule();
  return FALSE;
}

void CCmdPFLevelCtrlGlobalDlg::Data2Dlg() {
  if (!m_pRec) return;
  CDlgUtil::CtrlRadioSetCheck(this, m_aCodeIDs, m_pRec->code);
  const int quakes[3] = {m_pRec->freq, m_pRec->mod, m_pRec->rare};
  for (int i = 0; i < 3; ++i) CheckDlgButton((int)kQuakes[i], quakes[i] ? 1 : 0);
  CheckDlgButton(IDC_PF_ALL_MEMB, m_pRec->allMemb ? 1 : 0);
  const int targets[4] = {m_pRec->freqTarget, m_pRec->modTarget, m_pRec->rareTarget, m_pRec->tallTarget};
  for (int i = 0; i < 4; ++i) m_slider[i].SetPos(targets[i]);
  ApplyDescription();
}

void CCmdPFLevelCtrlGlobalDlg::ApplyCodeRule() {
  const BOOL bSeismic = CDlgUtil::CtrlRadioGetCheck(this, m_aCodeIDs) != 1;
  CDlgUtil::CtrlShowHide(this, m_aSeismicIDs, bSeismic);
  CDlgUtil::CtrlShowHide(this, {IDC_PF_ALL_MEMB, IDC_PF_TARGET_BOX}, bSeismic);
  CDlgUtil::CtrlShowHide(this, m_aNoteIDs, !bSeismic);
  CDlgUtil::CtrlShowHide(this, m_aTallIDs, FALSE);
}

void CCmdPFLevelCtrlGlobalDlg::ApplyAllMembRule() {
  CDlgUtil::CtrlEnableDisable(this, m_aSeismicIDs, IsDlgButtonChecked(IDC_PF_ALL_MEMB) != 0);
  ApplySliderRule();
}

void CCmdPFLevelCtrlGlobalDlg::ApplySliderRule() {
  const BOOL bAll = IsDlgButtonChecked(IDC_PF_ALL_MEMB) != 0;
  for (int i = 0; i < 3; ++i) m_slider[i].EnableWindow(bAll && IsDlgButtonChecked((int)kQuakes[i]));
}

void CCmdPFLevelCtrlGlobalDlg::ApplyDescription() {
  const int pos = m_slider[3].GetPos();
  if (pos >= 0 && pos < 4) SetDlgItemText(IDC_PF_TALL_DESC, CMsgDll::pfuncLoadStr(kDescriptions[pos], 0));
}

void CCmdPFLevelCtrlGlobalDlg::OnCodeRadio() { ApplyCodeRule(); }
void CCmdPFLevelCtrlGlobalDlg::OnAllMemb() { ApplyAllMembRule(); }
void CCmdPFLevelCtrlGlobalDlg::OnEarthquake() { ApplySliderRule(); }

void CCmdPFLevelCtrlGlobalDlg::OnHScroll(UINT nSBCode, UINT, CScrollBar* pScrollBar) {
  // The tall-building slider lets go of the mouse: its description follows.
  if (nSBCode == TB_ENDTRACK && pScrollBar && pScrollBar->m_hWnd == m_slider[3].m_hWnd) ApplyDescription();
}

void CCmdPFLevelCtrlGlobalDlg::Dlg2Data() {
  if (!m_pRec || !m_hWnd) return;
  m_pRec->code = CDlgUtil::CtrlRadioGetCheck(this, m_aCodeIDs) == 1 ? 1 : 0;
  int* quakes[3] = {&m_pRec->freq, &m_pRec->mod, &m_pRec->rare};
  for (int i = 0; i < 3; ++i) *quakes[i] = IsDlgButtonChecked((int)kQuakes[i]) ? 1 : 0;
  m_pRec->allMemb = IsDlgButtonChecked(IDC_PF_ALL_MEMB) ? 1 : 0;
  int* targets[4] = {&m_pRec->freqTarget, &m_pRec->modTarget, &m_pRec->rareTarget, &m_pRec->tallTarget};
  for (int i = 0; i < 4; ++i) *targets[i] = m_slider[i].GetPos();
}

void CCmdPFLevelCtrlGlobalDlg::OnDestroy() {
  Dlg2Data();
  CDlgChild::OnDestroy();
}
