#include "levels/CModelCtrlDataWBeamDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelCtrlDataWBeamDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CModelCtrlDataWBeamDlg, CDlgMove)
  ON_BN_CLICKED(IDC_WO_FRAME_BEAM, &CModelCtrlDataWBeamDlg::OnClickFrameBeam)
  ON_BN_CLICKED(IDC_WO_OK, &CModelCtrlDataWBeamDlg::OnClickOk)
  ON_BN_CLICKED(IDC_WO_CANCEL, &CModelCtrlDataWBeamDlg::OnClickCancel)
END_MESSAGE_MAP()

namespace {
// The four sizes: edit, unit label and the field of the group.
struct SizeRow {
  UINT edit;
  UINT unit;
  double T_MCTL_WALLOPEN::*field;
};
const SizeRow kSizes[] = {
    {IDC_WO_IGNORE_B, IDC_WO_IGNORE_B_UNIT, &T_MCTL_WALLOPEN::ignoreOpenWidth},
    {IDC_WO_IGNORE_H, IDC_WO_IGNORE_H_UNIT, &T_MCTL_WALLOPEN::ignoreOpenHeight},
    {IDC_WO_NOEDGE_B, IDC_WO_NOEDGE_B_UNIT, &T_MCTL_WALLOPEN::noEdgeOpenWidth},
    {IDC_WO_NOEDGE_H, IDC_WO_NOEDGE_H_UNIT, &T_MCTL_WALLOPEN::noEdgeOpenHeight},
};

void Refuse(CEdit& edit) {
  AfxMessageBox(GMakeMsg("IDS_CMD_MC_WALL_OPENING_NOT_NUMBER"));
  edit.SetFocus();
  edit.SetSel(0, -1);
}
}  // namespace

CModelCtrlDataWBeamDlg::CModelCtrlDataWBeamDlg(T_MCTL_WALLOPEN* pGroup, CWnd* pParent)
    : CDlgMove(IDD_CMD_MC_WALL_OPENING, pParent), m_pGroup(pGroup) {}

void CModelCtrlDataWBeamDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  for (int i = 0; i < SIZE_COUNT; ++i) {
    DDX_Control(pDX, kSizes[i].edit, m_editSize[i]);
    DDX_Control(pDX, kSizes[i].unit, m_textSize[i]);
  }
  DDX_Control(pDX, IDC_WO_RATIO, m_editRatio);
}

BOOL CModelCtrlDataWBeamDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  for (int i = 0; i < SIZE_COUNT; ++i) {
    m_editSize[i].SetUnitType(UNIT_LENGTH);
    m_textSize[i].SetUnitType(UNIT_LENGTH);
  }
  m_editRatio.SetUnitType(UNIT_NONE);
  if (m_pGroup) {
    for (int i = 0; i < SIZE_COUNT; ++i) m_editSize[i].SetEditUnit(m_pGroup->*kSizes[i].field);
    m_editRatio.SetEditUnit(m_pGroup->frameBeamRatio);
    CheckDlgButton(IDC_WO_FRAME_BEAM, m_pGroup->frameBeamByRatio ? BST_CHECKED : BST_UNCHECKED);
  }
  EnableRatio();
  return TRUE;
}

void CModelCtrlDataWBeamDlg::EnableRatio() {
  CDlgUtil::CtrlEnableDisable(this, {IDC_WO_RATIO_LABEL, IDC_WO_RATIO}, IsDlgButtonChecked(IDC_WO_FRAME_BEAM) != 0);
}

void CModelCtrlDataWBeamDlg::OnClickFrameBeam() { EnableRatio(); }

void CModelCtrlDataWBeamDlg::OnClickOk() {
  if (!m_pGroup) {
    EndDialog(IDOK);
    return;
  }
  // Everything is read before anything is written: a refused text leaves the group whole.
  double sizes[SIZE_COUNT] = {};
  for (int i = 0; i < SIZE_COUNT; ++i) {
    if (!m_editSize[i].GetShownValue(sizes[i])) {
      Refuse(m_editSize[i]);
      return;
    }
  }
  double ratio = 0.0;
  if (!m_editRatio.GetShownValue(ratio)) {
    Refuse(m_editRatio);
    return;
  }
  for (int i = 0; i < SIZE_COUNT; ++i) m_pGroup->*kSizes[i].field = sizes[i];
  m_pGroup->frameBeamRatio = ratio;
  m_pGroup->frameBeamByRatio = IsDlgButtonChecked(IDC_WO_FRAME_BEAM) ? 1 : 0;
  EndDialog(IDOK);
}

void CModelCtrlDataWBeamDlg::OnClickCancel() { EndDialog(IDCANCEL); }
