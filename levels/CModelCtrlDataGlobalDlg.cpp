#include <initializer_list>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "analysis/CEtcPzefDlg.h"
#include "common/CmdPropertySheet.h"
#include "db/CUnitCtrl.h"
#include "levels/CModelCtrlDataDlg.h"
#include "levels/CModelCtrlDataPages.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelCtrlDataGlobalDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CModelCtrlDataGlobalDlg, CDlgChild)
  ON_EN_CHANGE(IDC_MC_BK, &CModelCtrlDataGlobalDlg::OnChangeCmdCtrCoeEdt)
  ON_BN_CLICKED(IDC_MCD_DALL, &CModelCtrlDataGlobalDlg::OnDAllChk)
  ON_BN_CLICKED(IDC_MCD_RALL, &CModelCtrlDataGlobalDlg::OnRAllChk)
  ON_BN_CLICKED(IDC_MC_AUTO_BASE, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_RESTRAIN, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_BC_RIGID, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_TB_RIGID, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_DX, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_DY, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_DZ, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_RX, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_RY, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_RZ, &CModelCtrlDataGlobalDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MCD_RC_BTN, &CModelCtrlDataGlobalDlg::OnCmdRcBtn)
  ON_BN_CLICKED(IDC_MCD_STEEL_BTN, &CModelCtrlDataGlobalDlg::OnCmdSteelBtn)
  ON_BN_CLICKED(IDC_MCD_SRC_BTN, &CModelCtrlDataGlobalDlg::OnCmdSrcBtn)
  ON_BN_CLICKED(IDC_MCD_RIGID_BTN, &CModelCtrlDataGlobalDlg::OnCmdPanelFrameBtn)
END_MESSAGE_MAP()

namespace {
// The structure systems by list position (the stored code).
const char* const kStructures[] = {
    "IDS_CMD_MC_Struct_Frame",
    "IDS_CMD_MC_Struct_Frame_All_Section",
    "IDS_CMD_MC_Struct_Frame_Tube",
    "IDS_CMD_MC_Struct_Tube",
    "IDS_CMD_MC_Struct_All_Section",
    "IDS_CMD_MC_Struct_Simply_All_Section",
    "IDS_CMD_MC_Struct_Mixed_Upper_Floors",
    "IDS_CMD_MC_Struct_conversion",
    "IDS_CMD_MC_Struct_Plate_Pillar_All_Section",
    "IDS_CMD_MC_Struct_Diff_Pillar_Frame",
    "IDS_CMD_MC_Struct_Diff_Pillar_Frame_All_Section",
};
// The structural materials by list position.
const char* const kMaterials[] = {
    "IDS_CMD_MC_Struct_ferroconcrete",
    "IDS_CMD_MC_Struct_steel_construction",
    "IDS_CMD_MC_Struct_patienceWall_Strong",
    "IDS_CMD_MC_Struct_None_patienceWall_Strong",
};

// The base restraints, in the order of baseDof's characters.
const UINT kDofs[6] = {IDC_MCD_DX, IDC_MCD_DY, IDC_MCD_DZ, IDC_MCD_RX, IDC_MCD_RY, IDC_MCD_RZ};
// The checks the basement restraint enables.
const std::initializer_list<UINT> kRestraintChecks = {IDC_MCD_DALL, IDC_MCD_DX, IDC_MCD_DY, IDC_MCD_DZ,
                                                      IDC_MCD_RALL, IDC_MCD_RX, IDC_MCD_RY, IDC_MCD_RZ};

// Simple checks and the int field each shows.
struct CheckRow {
  UINT id;
  int T_MCTL_D::*field;
};
const CheckRow kChecks[] = {
    {IDC_MCD_RESTRAIN, &T_MCTL_D::restrainBasement},
    {IDC_MCD_TB_RIGID, &T_MCTL_D::transferBeamRigidZone},
    {IDC_MCD_BC_RIGID, &T_MCTL_D::beamColumnRigidZone},
    {IDC_MC_AUTO_BASE, &T_MCTL_D::autoBaseSupport},
    {IDC_MCD_RIGID_SLAB, &T_MCTL_D::allRigidSlab},
};

void Refuse(CEdit& edit, const char* key) {
  AfxMessageBox(GMakeMsg(key));
  edit.SetFocus();
  edit.SetSel(0, -1);
}

void FillList(CComboBox& combo, const char* const* keys, int n) {
  combo.ResetContent();
  for (int i = 0; i < n; ++i) combo.AddString(CMsgDll::pfuncLoadStr(keys[i], 0));
}
}  // namespace

CModelCtrlDataGlobalDlg::CModelCtrlDataGlobalDlg(CWnd* pParent) : CDlgChild(IDD_CMD_MC_DATA_GLOBAL, pParent) {}

CClassMctl* CModelCtrlDataGlobalDlg::GetClassPtr() { return CModelCtrlDataDlg::GetClassPtr(); }

void CModelCtrlDataGlobalDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MC_STRUCT, m_cobxStruct);
  DDX_Control(pDX, IDC_MC_MATL, m_cobxMatl);
  DDX_Control(pDX, IDC_MC_BK, m_editBk);
  DDX_Control(pDX, IDC_MC_EDGE_BEAM, m_editEdgeBeam);
  DDX_Control(pDX, IDC_MC_COUPLING, m_editCoupling);
  DDX_Control(pDX, IDC_MCD_TRANSFER_BEAM, m_editTransfer);
  DDX_Control(pDX, IDC_MCD_RC_EDIT, m_editRc);
  DDX_Control(pDX, IDC_MCD_RC_COMBO, m_cobxRc);
  DDX_Control(pDX, IDC_MCD_STEEL_EDIT, m_editSteel);
  DDX_Control(pDX, IDC_MCD_STEEL_COMBO, m_cobxSteel);
  DDX_Control(pDX, IDC_MCD_SRC_EDIT, m_editSrc);
  DDX_Control(pDX, IDC_MCD_SRC_COMBO, m_cobxSrc);
}

BOOL CModelCtrlDataGlobalDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  InitCtrl();
  Data2Dlg();
  ChangeDlgControls();
  return TRUE;
}

void CModelCtrlDataGlobalDlg::InitCtrl() {
  for (CEditUnit* e : {&m_editBk, &m_editEdgeBeam, &m_editCoupling, &m_editTransfer}) e->SetUnitType(UNIT_NONE);
  const struct {
    CEditMatl* edit;
    CCobxMatl* combo;
    const char* type;
  } grades[] = {{&m_editRc, &m_cobxRc, "C"}, {&m_editSteel, &m_cobxSteel, "S"}, {&m_editSrc, &m_cobxSrc, "SRC"}};
  for (const auto& g : grades) {
    g.combo->SetMatlType(g.type);
    g.edit->SetComboBoxPoint(g.combo);
    g.combo->SetEditBoxPoint(g.edit);
  }
  SetInitComboes();
}

void CModelCtrlDataGlobalDlg::SetInitComboes() {
  SetStypCombo();
  SetMtypCombo();
}

void CModelCtrlDataGlobalDlg::SetStypCombo() {
  FillList(m_cobxStruct, kStructures, (int)(sizeof kStructures / sizeof kStructures[0]));
}

void CModelCtrlDataGlobalDlg::SetMtypCombo() {
  FillList(m_cobxMatl, kMaterials, (int)(sizeof kMaterials / sizeof kMaterials[0]));
}

int CModelCtrlDataGlobalDlg::Data2Dlg() {
  if (!m_pData) return 1;
  const T_MCTL_D& d = *m_pData;
  for (int i = 0; i < 6; ++i) CheckDlgButton(kDofs[i], d.baseDof[i] == '1' ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MCD_RESTRAIN, d.restrainBasement ? BST_CHECKED : BST_UNCHECKED);
  const struct {
    CEditMatl* edit;
    CCobxMatl* combo;
    UINT key;
  } grades[] = {{&m_editRc, &m_cobxRc, d.rcMatlKey},
                {&m_editSteel, &m_cobxSteel, d.steelMatlKey},
                {&m_editSrc, &m_cobxSrc, d.srcMatlKey}};
  for (const auto& g : grades) {
    g.combo->ChangeSelect(g.key);
    g.edit->SetEditBoxText(g.key);
  }
  // A code the lists do not hold selects nothing (SetCurSel refuses it).
  m_cobxStruct.SetCurSel(d.structType);
  m_cobxMatl.SetCurSel(d.matlType);
  CheckDlgButton(IDC_MCD_TB_RIGID, d.transferBeamRigidZone ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MCD_BC_RIGID, d.beamColumnRigidZone ? BST_CHECKED : BST_UNCHECKED);
  m_editBk.SetEditUnit(d.midBeamFactor);
  m_editEdgeBeam.SetEditUnit((d.midBeamFactor + 1.0) * 0.5);
  m_editCoupling.SetEditUnit(d.couplingBeamFactor);
  CheckDlgButton(IDC_MC_AUTO_BASE, d.autoBaseSupport ? BST_CHECKED : BST_UNCHECKED);
  ChangeDlgControls();
  CheckDlgButton(IDC_MC_FIXED, d.baseFixed == 1 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MC_PINNED, d.baseFixed == 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MCD_RIGID_SLAB, d.allRigidSlab ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}

int CModelCtrlDataGlobalDlg::Dlg2Data() {
  if (!m_pData) return 1;
  T_MCTL_D& d = *m_pData;
  for (int i = 0; i < 6; ++i) d.baseDof[i] = IsDlgButtonChecked(kDofs[i]) ? '1' : '0';
  for (const CheckRow& c : kChecks) d.*c.field = IsDlgButtonChecked(c.id) ? 1 : 0;
  UINT key = 0;
  d.rcMatlKey = m_editRc.GetKey(key) ? key : 0;
  key = 0;
  d.steelMatlKey = m_editSteel.GetKey(key) ? key : 0;
  key = 0;
  d.srcMatlKey = m_editSrc.GetKey(key) ? key : 0;
  // A stored code the list does not hold stays unless the user picked an entry.
  if (m_cobxStruct.GetCurSel() >= 0) d.structType = m_cobxStruct.GetCurSel();
  if (m_cobxMatl.GetCurSel() >= 0) d.matlType = m_cobxMatl.GetCurSel();
  // A text that is no number reads as 0, outside both ranges.
  double bk = 0.0, coupling = 0.0;
  m_editBk.GetShownValue(bk);
  m_editCoupling.GetShownValue(coupling);
  d.midBeamFactor = bk;
  d.couplingBeamFactor = coupling;
  d.baseFixed = IsDlgButtonChecked(IDC_MC_FIXED) ? 1 : 0;
  if (!(bk >= 1.0 && bk <= 2.0)) {
    Refuse(m_editBk, "IDS_WG_CMD_MC_ERROR_Input_Value_is_Invalid");
    return 0;
  }
  if (!(coupling >= 0.3 && coupling <= 1.0)) {
    Refuse(m_editCoupling, "IDS_WG_CMD_MC_ERROR_LintelBeam_Value_is_Invalid");
    return 0;
  }
  return 1;
}

void CModelCtrlDataGlobalDlg::ChangeDlgControls() {
  CDlgUtil::CtrlEnableDisable(this, {IDC_MC_FIXED, IDC_MC_PINNED}, IsDlgButtonChecked(IDC_MC_AUTO_BASE) != 0);
  CDlgUtil::CtrlEnableDisable(this, kRestraintChecks, IsDlgButtonChecked(IDC_MCD_RESTRAIN) != 0);
  auto all = [this](int first) {
    return IsDlgButtonChecked(kDofs[first]) && IsDlgButtonChecked(kDofs[first + 1]) && IsDlgButtonChecked(kDofs[first + 2]);
  };
  CheckDlgButton(IDC_MCD_DALL, all(0) ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MCD_RALL, all(3) ? BST_CHECKED : BST_UNCHECKED);
}

void CModelCtrlDataGlobalDlg::OnDAllChk() {
  UINT state = IsDlgButtonChecked(IDC_MCD_DALL) ? BST_CHECKED : BST_UNCHECKED;
  for (int i = 0; i < 3; ++i) CheckDlgButton(kDofs[i], state);
}

void CModelCtrlDataGlobalDlg::OnRAllChk() {
  UINT state = IsDlgButtonChecked(IDC_MCD_RALL) ? BST_CHECKED : BST_UNCHECKED;
  for (int i = 3; i < 6; ++i) CheckDlgButton(kDofs[i], state);
}

void CModelCtrlDataGlobalDlg::OnChangeCmdCtrCoeEdt() {
  if (!m_editEdgeBeam.m_hWnd) return;
  double bk = 0.0;
  if (m_editBk.GetEditValue(bk)) m_editEdgeBeam.SetEditUnit((bk + 1.0) * 0.5);
  else m_editEdgeBeam.SetWindowText("");
}

void CModelCtrlDataGlobalDlg::OnCmdRcBtn() { CmdOpenPropertySheet(); }
void CModelCtrlDataGlobalDlg::OnCmdSteelBtn() { CmdOpenPropertySheet(); }
void CModelCtrlDataGlobalDlg::OnCmdSrcBtn() { CmdOpenPropertySheet(); }

void CModelCtrlDataGlobalDlg::OnCmdPanelFrameBtn() {
  CEtcPzefDlg dlg(nullptr);
  dlg.CInternationalDlg::DoModal();
}
