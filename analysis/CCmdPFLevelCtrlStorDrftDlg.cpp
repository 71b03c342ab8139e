#include "analysis/CCmdPFLevelCtrlStorDrftDlg.h"

#include "afx/CArray.h"
#include "afx/CDataExchange.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"

IMPLEMENT_DYNAMIC(CCmdPFLevelCtrlStorDrftDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPFLevelCtrlStorDrftDlg, CDlgChild)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

// drift[12]: frequent levels 1-4, moderate 1-4, rare 1-4.
const UINT CCmdPFLevelCtrlStorDrftDlg::kSeismicIDs[12] = {
    IDC_PF_D_P1_FREQ, IDC_PF_D_P2_FREQ, IDC_PF_D_P3_FREQ, IDC_PF_D_P4_FREQ,
    IDC_PF_D_P1_MOD,  IDC_PF_D_P2_MOD,  IDC_PF_D_P3_MOD,  IDC_PF_D_P4_MOD,
    IDC_PF_D_P1_RARE, IDC_PF_D_P2_RARE, IDC_PF_D_P3_RARE, IDC_PF_D_P4_RARE};
// tallDrift[9]: level 1 frequent; levels 1-4 moderate; level 2 rare; levels 3-5 rare.
const UINT CCmdPFLevelCtrlStorDrftDlg::kTallIDs[9] = {
    IDC_PF_D_L1_FREQ, IDC_PF_D_L1_MOD,  IDC_PF_D_L2_MOD,  IDC_PF_D_L3_MOD, IDC_PF_D_L4_MOD,
    IDC_PF_D_L2_RARE, IDC_PF_D_L3_RARE, IDC_PF_D_L4_RARE, IDC_PF_D_L5_RARE};

namespace {
// The controls of each group: its edits, their "x" labels, its row heads.
void Group(bool tall, CUIntArray& ids) {
  ids.RemoveAll();
  if (!tall) {
    for (UINT id : CCmdPFLevelCtrlStorDrftDlg::kSeismicIDs) ids.Add(id);
    for (UINT id = IDC_PF_D_X_FIRST; id < IDC_PF_D_X_FIRST + 12; ++id) ids.Add(id);
    for (UINT id : {IDC_PF_D_ROW_P1, IDC_PF_D_ROW_P2, IDC_PF_D_ROW_P3, IDC_PF_D_ROW_P4}) ids.Add(id);
  } else {
    for (UINT id : CCmdPFLevelCtrlStorDrftDlg::kTallIDs) ids.Add(id);
    for (UINT id = IDC_PF_D_X_FIRST + 12; id < IDC_PF_D_X_FIRST + 21; ++id) ids.Add(id);
    for (UINT id : {IDC_PF_D_ROW_L1, IDC_PF_D_ROW_L2, IDC_PF_D_ROW_L3, IDC_PF_D_ROW_L4, IDC_PF_D_ROW_L5}) ids.Add(id);
  }
}
}  // namespace

CCmdPFLevelCtrlStorDrftDlg::CCmdPFLevelCtrlStorDrftDlg(CWnd* pParent) : CDlgChild(IDD_CMD_PF_STOR_DRFT, pParent) {}

void CCmdPFLevelCtrlStorDrftDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  for (int i = 0; i < 12; ++i) DDX_Control(pDX, (int)kSeismicIDs[i], m_seismic[i]);
  for (int i = 0; i < 9; ++i) DDX_Control(pDX, (int)kTallIDs[i], m_tall[i]);
}

BOOL CCmdPFLevelCtrlStorDrftDlg::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  CUIntArray seismic, tall;
  Group(false, seismic);
  Group(true, tall);
  CRect a, b;
  GetDlgItem(IDC_PF_D_L1_FREQ)->GetWindowRect(&a);
  GetDlgItem(IDC_PF_D_P1_FREQ)->GetWindowRect(&b);
  CDlgUtil::CtrlMoveDistX(this, tall, -(a.left - b.left));
  Data2Dlg();
  const bool bTall = m_pRec && m_pRec->code == 1;
  CDlgUtil::CtrlShowHide(this, seismic, !bTall);
  CDlgUtil::CtrlShowHide(this, tall, bTall);
  return FALSE;
}

void CCmdPFLevelCtrlStorDrftDlg::Data2Dlg() {
  if (!m_pRec) return;
  for (int i = 0; i < 12; ++i) m_seismic[i].SetEditUnit(m_pRec->drift[i]);
  for (int i = 0; i < 9; ++i) m_tall[i].SetEditUnit(m_pRec->tallDrift[i]);
}

void CCmdPFLevelCtrlStorDrftDlg::Dlg2Data() {
  if (!m_pRec || !m_hWnd) return;
  double v = 0.0;
  for (int i = 0; i < 12; ++i)
    if (m_seismic[i].GetShownValue(v)) m_pRec->drift[i] = v;
  for (int i = 0; i < 9; ++i)
    if (m_tall[i].GetShownValue(v)) m_pRec->tallDrift[i] = v;
}

void CCmdPFLevelCtrlStorDrftDlg::OnDestroy() {
  Dlg2Data();
  CDlgChild::OnDestroy();
}
