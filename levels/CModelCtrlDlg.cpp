#include "levels/CModelCtrlDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "analysis/CEtcPzefDlg.h"
#include "db/CClassMctl.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "levels/CCmdUsedCodeDlg.h"
#include "levels/CModelCtrlDataWBeamDlg.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelCtrlDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CModelCtrlDlg, CDlgMove)
  ON_EN_CHANGE(IDC_MC_BK, &CModelCtrlDlg::OnChangeCmdCtrCoeEdt)
  ON_BN_CLICKED(IDC_MC_AUTO_BASE, &CModelCtrlDlg::OnCmdAutoconstChk)
  ON_BN_CLICKED(IDC_MC_RIGID_ZONE, &CModelCtrlDlg::OnCmdPanelZoneChk)
  ON_BN_CLICKED(IDC_MC_RIGID_ZONE_BTN, &CModelCtrlDlg::OnCmdPanelZoneBtn)
  ON_BN_CLICKED(IDC_MC_WALL_OPENING_BTN, &CModelCtrlDlg::OnCmdWallOpeningBtn)
  ON_BN_CLICKED(IDC_MC_CODE_BTN, &CModelCtrlDlg::OnCmdUsedCodeBtn)
  ON_CBN_SELCHANGE(IDC_MC_MATL, &CModelCtrlDlg::OnChangeMaterialType)
  ON_CBN_SELCHANGE(IDC_MC_STRUCT, &CModelCtrlDlg::OnChangeStructureType)
END_MESSAGE_MAP()

namespace {
// The structural materials, by code.
const char* const kMaterials[] = {
    "IDS_CMD_MC_Struct_ferroconcrete",
    "IDS_CMD_MC_Struct_steel_construction",
    "IDS_CMD_MC_Struct_patienceWall_Strong",
    "IDS_CMD_MC_Struct_None_patienceWall_Strong",
};

// The structure systems: code and the text key of its name.
struct StructName {
  int code;
  const char* key;
};
const StructName kStructures[] = {
    {0, "IDS_CMD_MC_Struct_Frame"},
    {1, "IDS_CMD_MC_Struct_Frame_All_Section"},
    {2, "IDS_CMD_MC_Struct_Frame_Tube"},
    {3, "IDS_CMD_MC_Struct_Tube"},
    {4, "IDS_CMD_MC_Struct_All_Section"},
    {5, "IDS_CMD_MC_Struct_Simply_All_Section"},
    {6, "IDS_CMD_MC_Struct_Mixed_Upper_Floors"},
    {7, "IDS_CMD_MC_Struct_conversion"},
    {8, "IDS_CMD_MC_Struct_Plate_Pillar_All_Section"},
    {9, "IDS_CMD_MC_Struct_Diff_Pillar_Frame"},
    {10, "IDS_CMD_MC_Struct_Diff_Pillar_Frame_All_Section"},
    {101, "IDS_CMD_MC_Struct_STL_RC_tube"},
    {102, "IDS_CMD_MC_Struct_STL_Frame_RC_Tube"},
    {103, "IDS_CMD_MC_Struct_STL_Out_RC_Tube"},
    {104, "IDS_CMD_MC_Struct_STL_Out_RC_In"},
    {201, "IDS_CMD_MC_Struct_STL_Frame"},
    {202, "IDS_CMD_MC_Struct_STL_Frame_Cent_Brace"},
    {203, "IDS_CMD_MC_Struct_STL_Frame_Eccen_Brace"},
    {204, "IDS_CMD_MC_Struct_STL_Tube"},
    {205, "IDS_CMD_MC_Struct_STL_Big_Frame"},
};

// The lists offered: the concrete systems (the older codes, and the 2010 codes with
// material 0), the steel-and-concrete hybrids (material 1), the steel systems (2 and 3).
const int kConcreteList[] = {0, 1, 2, 3, 4, 5, 6, 8, 9, 10};
const int kHybridList[] = {101, 102, 103, 104};
const int kSteelList[] = {201, 202, 203, 204, 205};

// The mesh sizes: edit, unit label, field of the detail group.
struct MeshRow {
  UINT edit;
  UINT unit;
  double T_MCTL_DETAIL::*field;
};
const MeshRow kMeshes[] = {
    {IDC_MC_SLAB_MESH, IDC_MC_SLAB_MESH_UNIT, &T_MCTL_DETAIL::slabMesh},
    {IDC_MC_TRANSFER_MESH, IDC_MC_TRANSFER_MESH_UNIT, &T_MCTL_DETAIL::transferBeamMesh},
    {IDC_MC_WALL_MESH, IDC_MC_WALL_MESH_UNIT, &T_MCTL_DETAIL::wallMesh},
    {IDC_MC_DETAIL_WALL_MESH, IDC_MC_DETAIL_WALL_MESH_UNIT, &T_MCTL_DETAIL::detailWallMesh},
    {IDC_MC_STAIR_MESH, IDC_MC_STAIR_MESH_UNIT, &T_MCTL_DETAIL::stairMesh},
};

const char* StructKey(int code) {
  for (const StructName& s : kStructures)
    if (s.code == code) return s.key;
  return "";
}

// Tells why the input is refused and gives its control the focus (an edit: all selected).
void Refuse(CWnd& ctl, const char* key) {
  AfxMessageBox(GMakeMsg(key));
  ctl.SetFocus();
  if (auto* e = dynamic_cast<CEdit*>(&ctl)) e->SetSel(0, -1);
}
}  // namespace

CModelCtrlDlg::CModelCtrlDlg(CWnd* pParent) : CDlgMove(IDD_CMD_MODEL_CTRL, pParent) { m_mctl.Initialize(); }

CClassMctl* CModelCtrlDlg::GetClassPtr() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID)) : nullptr;
}

void CModelCtrlDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MC_MATL, m_cobxMatl);
  DDX_Control(pDX, IDC_MC_STRUCT, m_cobxStruct);
  DDX_Control(pDX, IDC_MC_BK, m_editBk);
  DDX_Control(pDX, IDC_MC_EDGE_BEAM, m_editEdgeBeam);
  DDX_Control(pDX, IDC_MC_COUPLING, m_editCoupling);
  for (int i = 0; i < MESH_COUNT; ++i) {
    DDX_Control(pDX, kMeshes[i].edit, m_editMesh[i]);
    DDX_Control(pDX, kMeshes[i].unit, m_textMesh[i]);
  }
}

BOOL CModelCtrlDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  CClassMctl* mctl = GetClassPtr();
  if (!mctl || !mctl->Get(m_mctl)) m_mctl.Initialize();
  InitCtrl();
  Data2Dlg();
  return TRUE;
}

void CModelCtrlDlg::InitCtrl() {
  m_editBk.SetUnitType(UNIT_NONE);
  m_editEdgeBeam.SetUnitType(UNIT_NONE);
  m_editCoupling.SetUnitType(UNIT_NONE);
  for (int i = 0; i < MESH_COUNT; ++i) {
    m_editMesh[i].SetUnitType(UNIT_LENGTH);
    m_textMesh[i].SetUnitType(UNIT_LENGTH);
  }
  m_classRadios.RemoveAll();
  m_classRadios.Add(IDC_MC_CLASS_A);
  m_classRadios.Add(IDC_MC_CLASS_B);
  SetMtypCombo();
  SetStypCombo(0);
  OnChangeCode();
}

void CModelCtrlDlg::SetMtypCombo() {
  m_cobxMatl.ResetContent();
  for (int code = 0; code < (int)(sizeof kMaterials / sizeof kMaterials[0]); ++code)
    CDlgUtil::CobxAddItem(&m_cobxMatl, CMsgDll::pfuncLoadStr(kMaterials[code], 0), (DWORD_PTR)code);
  m_cobxMatl.SetCurSel(0);
}

void CModelCtrlDlg::FillStructures(const int* codes, int n) {
  for (int i = 0; i < n; ++i)
    CDlgUtil::CobxAddItem(&m_cobxStruct, CMsgDll::pfuncLoadStr(StructKey(codes[i]), 0), (DWORD_PTR)codes[i]);
}

void CModelCtrlDlg::SetStypCombo(int nMatl) {
  if (m_mctl.codeSet == 1) SetStypCombo_sub2010(nMatl);
  else SetStypCombo_sub();
}

void CModelCtrlDlg::SetStypCombo_sub() {
  m_cobxStruct.ResetContent();
  FillStructures(kConcreteList, (int)(sizeof kConcreteList / sizeof kConcreteList[0]));
  m_cobxStruct.SetCurSel(1);
}

void CModelCtrlDlg::SetStypCombo_sub2010(int nMatl) {
  m_cobxStruct.ResetContent();
  if (nMatl == 0) FillStructures(kConcreteList, (int)(sizeof kConcreteList / sizeof kConcreteList[0]));
  else if (nMatl == 1) FillStructures(kHybridList, (int)(sizeof kHybridList / sizeof kHybridList[0]));
  else if (nMatl == 2 || nMatl == 3) FillStructures(kSteelList, (int)(sizeof kSteelList / sizeof kSteelList[0]));
  m_cobxStruct.SetCurSel(1);
}

void CModelCtrlDlg::OnChangeCode() {
  SetDlgItemText(IDC_MC_CODE_NAME, CMsgDll::pfuncLoadStr(
                                       m_mctl.codeSet == 0 ? "IDS_CMD_DESIGN_CODE_NAME_OLD" : "IDS_CMD_DESIGN_CODE_NAME_NEW", 0));
  DWORD_PTR matl = CDlgUtil::CobxGetItemDataByCurSel(&m_cobxMatl, 0);
  SetStypCombo((int)matl);
  // The selection moved to the list's second entry: its height-class rule holds now.
  OnChangeStructureType();
}

int CModelCtrlDlg::Data2Dlg() {
  CDlgUtil::CobxSetCurSelItemData(&m_cobxMatl, (DWORD_PTR)m_mctl.matlType);
  if (m_mctl.codeSet == 1) SetStypCombo(m_mctl.matlType);
  CDlgUtil::CobxSetCurSelItemData(&m_cobxStruct, (DWORD_PTR)m_mctl.structType);
  CheckDlgButton(IDC_MC_RIGID_ZONE, m_mctl.beamColumnRigidZone ? BST_CHECKED : BST_UNCHECKED);
  m_editBk.SetEditUnit(m_mctl.midBeamFactor);
  m_editEdgeBeam.SetEditUnit((m_mctl.midBeamFactor + 1.0) * 0.5);
  m_editCoupling.SetEditUnit(m_mctl.couplingBeamFactor);
  CheckDlgButton(IDC_MC_AUTO_BASE, m_mctl.autoBaseSupport ? BST_CHECKED : BST_UNCHECKED);
  CDlgUtil::CtrlRadioSetCheck(this, m_classRadios, m_mctl.heightClass);
  OnCmdPanelZoneChk();
  OnCmdAutoconstChk();
  CheckDlgButton(IDC_MC_FIXED, m_mctl.baseFixed == 1 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MC_PINNED, m_mctl.baseFixed == 0 ? BST_CHECKED : BST_UNCHECKED);
  for (int i = 0; i < MESH_COUNT; ++i) m_editMesh[i].SetEditUnit(m_mctl.detail.*kMeshes[i].field);
  CheckDlgButton(IDC_MC_COUPLE_DOF, m_mctl.detail.coupleInternalDof ? BST_CHECKED : BST_UNCHECKED);
  OnChangeStructureType();
  return 1;
}

int CModelCtrlDlg::Dlg2Data() {
  if (m_cobxMatl.GetCurSel() < 0) {
    Refuse(m_cobxMatl, "IDS_CMD_MC_ERROR_No_Material_Selected");
    return 0;
  }
  m_mctl.matlType = (int)m_cobxMatl.GetItemData(m_cobxMatl.GetCurSel());
  if (m_cobxStruct.GetCurSel() < 0) {
    Refuse(m_cobxStruct, "IDS_CMD_MC_ERROR_No_Structure_Selected");
    return 0;
  }
  m_mctl.structType = (int)m_cobxStruct.GetItemData(m_cobxStruct.GetCurSel());
  m_mctl.beamColumnRigidZone = IsDlgButtonChecked(IDC_MC_RIGID_ZONE) ? 1 : 0;
  // A text that is no number reads as 0, outside both ranges.
  double bk = 0.0, coupling = 0.0;
  m_editBk.GetShownValue(bk);
  m_editCoupling.GetShownValue(coupling);
  m_mctl.midBeamFactor = bk;
  m_mctl.couplingBeamFactor = coupling;
  m_mctl.autoBaseSupport = IsDlgButtonChecked(IDC_MC_AUTO_BASE) ? 1 : 0;
  m_mctl.baseFixed = IsDlgButtonChecked(IDC_MC_FIXED) ? 1 : 0;
  int nClass = CDlgUtil::CtrlRadioGetCheck(this, m_classRadios);
  if (nClass >= 0) m_mctl.heightClass = nClass;
  if (!(bk >= 1.0 && bk <= 2.0)) {
    Refuse(m_editBk, "IDS_WG_CMD_MC_ERROR_Input_Value_is_Invalid");
    return 0;
  }
  if (!(coupling >= 0.3 && coupling <= 1.0)) {
    Refuse(m_editCoupling, "IDS_WG_CMD_MC_ERROR_LintelBeam_Value_is_Invalid");
    return 0;
  }
  double mesh[MESH_COUNT] = {};
  for (int i = 0; i < MESH_COUNT; ++i) {
    if (!m_editMesh[i].GetShownValue(mesh[i])) {
      Refuse(m_editMesh[i], "IDS_CMD_MC_ERROR_Mesh_Size_Not_Number");
      return 0;
    }
  }
  for (int i = 0; i < MESH_COUNT; ++i) m_mctl.detail.*kMeshes[i].field = mesh[i];
  m_mctl.detail.coupleInternalDof = IsDlgButtonChecked(IDC_MC_COUPLE_DOF) ? 1 : 0;
  return 1;
}

void CModelCtrlDlg::OnChangeCmdCtrCoeEdt() {
  if (!m_editEdgeBeam.m_hWnd) return;
  double bk = 0.0;
  if (m_editBk.GetEditValue(bk)) m_editEdgeBeam.SetEditUnit((bk + 1.0) * 0.5);
  else m_editEdgeBeam.SetWindowText("");
}

void CModelCtrlDlg::OnCmdAutoconstChk() {
  CDlgUtil::CtrlEnableDisable(this, {IDC_MC_FIXED, IDC_MC_PINNED}, IsDlgButtonChecked(IDC_MC_AUTO_BASE) != 0);
}

void CModelCtrlDlg::OnCmdPanelZoneChk() {
  CDlgUtil::CtrlEnableDisable(this, {IDC_MC_RIGID_ZONE_BTN}, IsDlgButtonChecked(IDC_MC_RIGID_ZONE) != 0);
}

void CModelCtrlDlg::OnCmdPanelZoneBtn() {
  CEtcPzefDlg dlg(nullptr);
  dlg.CInternationalDlg::DoModal();
}

void CModelCtrlDlg::OnCmdWallOpeningBtn() {
  CModelCtrlDataWBeamDlg dlg(&m_mctl.wallOpening, nullptr);
  dlg.CInternationalDlg::DoModal();
}

void CModelCtrlDlg::OnCmdUsedCodeBtn() {
  CCmdUsedCodeDlg dlg(nullptr);
  dlg.SetCode(m_mctl.codeSet);
  if (dlg.DoModal() != IDOK) return;
  m_mctl.codeSet = dlg.GetCode();
  OnChangeCode();
}

void CModelCtrlDlg::OnChangeMaterialType() {
  int sel = m_cobxMatl.GetCurSel();
  if (sel < 0) return;
  int matl = (int)m_cobxMatl.GetItemData(sel);
  if (matl > 3) return;
  const BOOL pinned = matl == 2 || matl == 3;
  CheckDlgButton(IDC_MC_PINNED, pinned ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MC_FIXED, pinned ? BST_UNCHECKED : BST_CHECKED);
  if (m_mctl.codeSet == 1) {
    SetStypCombo(matl);
    OnChangeStructureType();
  }
}

void CModelCtrlDlg::OnChangeStructureType() {
  int code = (int)CDlgUtil::CobxGetItemDataByCurSel(&m_cobxStruct, 0);
  if (code == 0 || code == 8) {
    m_mctl.heightClass = 0;
    CDlgUtil::CtrlRadioSetCheck(this, m_classRadios, 0);
    CDlgUtil::CtrlEnableDisable(this, {IDC_MC_CLASS_B}, FALSE);
  } else {
    CDlgUtil::CtrlEnableDisable(this, {IDC_MC_CLASS_B}, TRUE);
  }
}

void CModelCtrlDlg::OnOK() {
  if (!Dlg2Data()) return;
  CClassMctl* mctl = GetClassPtr();
  if (mctl && mctl->TR_Add(m_mctl)) EndDialog(IDOK);
}
