#include "analysis/CNLLinkPrtItemDlg.h"

#include <algorithm>
#include <iterator>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "analysis/CNLLinkPrtDofDlg.h"
#include "db/CClassNllp.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CNLLinkPrtItemDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CNLLinkPrtItemDlg, CDlgMove)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_LIN_DX, IDC_NLLP_LIN_RZ, &CNLLinkPrtItemDlg::OnLinearCheck)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_NL_DX, IDC_NLLP_NL_RZ, &CNLLinkPrtItemDlg::OnNonlinearCheck)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_DX, IDC_NLLP_PROP_DX, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_DY, IDC_NLLP_PROP_DY, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_DZ, IDC_NLLP_PROP_DZ, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_RX, IDC_NLLP_PROP_RX, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_RY, IDC_NLLP_PROP_RY, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CONTROL_RANGE(BN_CLICKED, IDC_NLLP_PROP_RZ, IDC_NLLP_PROP_RZ, &CNLLinkPrtItemDlg::OnDofProperties)
  ON_CBN_SELCHANGE(IDC_NLLP_TYPE, &CNLLinkPrtItemDlg::OnChangePropertyType)
  ON_BN_CLICKED(IDC_NLLP_APP_ELEM, &CNLLinkPrtItemDlg::OnChangeApplicationType)
  ON_BN_CLICKED(IDC_NLLP_APP_FORCE, &CNLLinkPrtItemDlg::OnChangeApplicationType)
  ON_BN_CLICKED(IDC_NLLP_USE_MASS, &CNLLinkPrtItemDlg::OnUseMass)
  ON_BN_CLICKED(IDC_NLLP_SHEAR_LOC, &CNLLinkPrtItemDlg::OnShearLocation)
  ON_BN_CLICKED(IDC_NLLP_APPLY, &CNLLinkPrtItemDlg::OnApply)
  ON_BN_CLICKED(IDC_NLLP_HINGE, &CNLLinkPrtItemDlg::OnHinge)
END_MESSAGE_MAP()

namespace {

// The controls of one DOF: enabled together with its linear flag.
struct DofControls {
  UINT lin, stiff, stiffUnit, damp, dampUnit, nl, prop, further;
};
const DofControls kDof[NLLP_DOF_COUNT] = {
    {IDC_NLLP_LIN_DX, IDC_NLLP_STIFF_DX, IDC_NLLP_STIFF_UNIT_DX, IDC_NLLP_DAMP_DX, IDC_NLLP_DAMP_UNIT_DX,
     IDC_NLLP_NL_DX, IDC_NLLP_PROP_DX, 0},
    {IDC_NLLP_LIN_DY, IDC_NLLP_STIFF_DY, IDC_NLLP_STIFF_UNIT_DY, IDC_NLLP_DAMP_DY, IDC_NLLP_DAMP_UNIT_DY,
     IDC_NLLP_NL_DY, IDC_NLLP_PROP_DY, IDC_NLLP_DIST_DY},
    {IDC_NLLP_LIN_DZ, IDC_NLLP_STIFF_DZ, IDC_NLLP_STIFF_UNIT_DZ, IDC_NLLP_DAMP_DZ, IDC_NLLP_DAMP_UNIT_DZ,
     IDC_NLLP_NL_DZ, IDC_NLLP_PROP_DZ, IDC_NLLP_DIST_DZ},
    {IDC_NLLP_LIN_RX, IDC_NLLP_STIFF_RX, IDC_NLLP_STIFF_UNIT_RX, IDC_NLLP_DAMP_RX, IDC_NLLP_DAMP_UNIT_RX,
     IDC_NLLP_NL_RX, IDC_NLLP_PROP_RX, 0},
    {IDC_NLLP_LIN_RY, IDC_NLLP_STIFF_RY, IDC_NLLP_STIFF_UNIT_RY, IDC_NLLP_DAMP_RY, IDC_NLLP_DAMP_UNIT_RY,
     IDC_NLLP_NL_RY, IDC_NLLP_PROP_RY, 0},
    {IDC_NLLP_LIN_RZ, IDC_NLLP_STIFF_RZ, IDC_NLLP_STIFF_UNIT_RZ, IDC_NLLP_DAMP_RZ, IDC_NLLP_DAMP_UNIT_RZ,
     IDC_NLLP_NL_RZ, IDC_NLLP_PROP_RZ, 0},
};
constexpr int DY = 1, DZ = 2;

// The property types offered, by application type; item data = position.
const char* const kElemTypes[] = {"IDS_CMD_NLNK_Spring", "IDS_CMD_NLNK_Linear_Dashpot",
                                  "IDS_CMD_NLNK_Spring_Linear_Dashpot"};
const char* const kForceTypes[] = {"IDS_CMD_NLNK_Viscoelastic_Damper",
                                   "IDS_CMD_NLNK_Gap",
                                   "IDS_CMD_NLNK_Hook",
                                   "IDS_CMD_NLNK_Hysteretic_System",
                                   "IDS_CMD_NLNK_Lead_Rubber_Bearing_Isolator",
                                   "IDS_CMD_NLNK_Friction_Pendulum_System_Isolator"};

// The checks of Dlg2Data, in order.
const char kBlankName[] = "IDS_CMD_NLNK_Error_BlankPropertyName";
const char kNotNumber[] = "IDS_CMD_NLNK_Error_Not_Number";
const char kMass[] = "IDS_CMD_NLNK_Error_Mass";
const char kWeight[] = "IDS_CMD_NLNK_Error_Weight";
const char kNoLinear[] = "IDS_CMD_NLNK_Error_LAllUnChk";
const char kStiffness[] = "IDS_CMD_NLNK_Error_Effective_Stiffness";
const char kLocation[] = "IDS_CMD_NLNK_Error_Spring_Location";
const char kNoNonlinear[] = "IDS_CMD_NLNK_Error_LAllUnChk_property";
const char kFpsDx[] = "IDS_CMD_NLNK_Error_FPSDX";
const char kFpsDy[] = "IDS_CMD_NLNK_Error_FPSDY";

enum { FORCE_VD, FORCE_GAP, FORCE_HOOK, FORCE_HS, FORCE_LRBI, FORCE_FPSI };
// The isolators' DOFs that hold only a stiffness (the gap layout, opening 0).
bool IsIsolatorSpring(int dof) { return dof != DY && dof != DZ; }

int Fail(const char* key) {
  AfxMessageBox(GMakeMsg(key));
  return 0;
}

}  // namespace

CNLLinkPrtItemDlg::CNLLinkPrtItemDlg(CWnd* pParent) : CDlgMove(IDD_CMD_NLLINK_ITEM, pParent) {
  if (CDBDoc* doc = CDBDoc::m_pDBDoc)
    m_pTable = static_cast<CClassNllp*>(doc->GetModelDB()->GetClass(CClassNllp::m_nClassID));
  m_rec.Initialize();
}

void CNLLinkPrtItemDlg::SetModifyData(UINT key, const T_NLLP_D& rec) {
  m_key = key;
  m_rec = rec;
  m_bModify = TRUE;
}

void CNLLinkPrtItemDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_NLLP_TYPE, m_cbType);
  DDX_Control(pDX, IDC_NLLP_WEIGHT, m_editWeight);
  DDX_Control(pDX, IDC_NLLP_WEIGHT_UNIT, m_textWeight);
  DDX_Control(pDX, IDC_NLLP_MASS, m_editMass);
  DDX_Control(pDX, IDC_NLLP_MASS_UNIT, m_textMass);
  DDX_Control(pDX, IDC_NLLP_DIST_DY, m_editDistY);
  DDX_Control(pDX, IDC_NLLP_DIST_DZ, m_editDistZ);
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    DDX_Control(pDX, (int)kDof[i].stiff, m_editStiff[i]);
    DDX_Control(pDX, (int)kDof[i].stiffUnit, m_textStiff[i]);
    DDX_Control(pDX, (int)kDof[i].damp, m_editDamp[i]);
    DDX_Control(pDX, (int)kDof[i].dampUnit, m_textDamp[i]);
  }
}

// ---- reading and writing the check boxes ----------------------------------------------------

void CNLLinkPrtItemDlg::ReadChecks() {
  m_nAppType = std::max(0, CDlgUtil::CtrlRadioGetCheck(this, {IDC_NLLP_APP_ELEM, IDC_NLLP_APP_FORCE}));
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    m_lin[i] = IsDlgButtonChecked((int)kDof[i].lin) ? 1 : 0;
    m_nl[i] = IsDlgButtonChecked((int)kDof[i].nl) ? 1 : 0;
  }
}

void CNLLinkPrtItemDlg::WriteChecks() {
  CDlgUtil::CtrlRadioSetCheck(this, {IDC_NLLP_APP_ELEM, IDC_NLLP_APP_FORCE}, m_nAppType);
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    CheckDlgButton((int)kDof[i].lin, m_lin[i]);
    CheckDlgButton((int)kDof[i].nl, m_nl[i]);
  }
}

int CNLLinkPrtItemDlg::Selection() const { return m_cbType.GetCurSel(); }

void CNLLinkPrtItemDlg::InitWorking(int dof) {
  m_vd[dof].Initialize();
  m_gap[dof].Initialize();
  m_hook[dof].Initialize();
  m_hs[dof].Initialize();
  m_lrbi[dof].Initialize();
  m_fpsi[dof].Initialize();
}

void CNLLinkPrtItemDlg::EnableDofGroup(int dof, BOOL bEnable) {
  const DofControls& c = kDof[dof];
  CDlgUtil::CtrlEnableDisable(this, {c.stiff, c.damp, c.nl, c.prop}, bEnable);
  if (c.further) CDlgUtil::CtrlEnableDisable(this, {c.further}, bEnable);
}

// ---- opening ----------------------------------------------------------------------------------

BOOL CNLLinkPrtItemDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  if (m_bModify) {
    if (CWnd* apply = GetDlgItem(IDC_NLLP_APPLY)) apply->EnableWindow(FALSE);
    m_nCurType = m_rec.forceType;
    m_nOpenedElemType = m_rec.elemType;
    for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
      InitWorking(i);
      const T_NLLP_BLOCK& b = m_rec.blk[i];
      switch (m_nCurType) {
        case FORCE_VD: m_vd[i].FromBlock(b); break;
        case FORCE_GAP: m_gap[i].FromBlock(b); break;
        case FORCE_HOOK: m_hook[i].FromBlock(b); break;
        case FORCE_HS: m_hs[i].FromBlock(b); break;
        case FORCE_LRBI: m_lrbi[i].FromBlock(b); break;
        case FORCE_FPSI: m_fpsi[i].FromBlock(b); break;
        default: break;
      }
      if ((m_nCurType == FORCE_LRBI || m_nCurType == FORCE_FPSI) && IsIsolatorSpring(i)) m_gap[i].FromBlock(b);
    }
  } else {
    m_rec.Initialize();
    for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
      InitWorking(i);
      EnableDofGroup(i, FALSE);
    }
  }
  // Each edit beside a unit label takes the label's kind.
  m_textWeight.SetUnitType(UNIT_FORCE);
  m_editWeight.SetUnitType(UNIT_FORCE);
  m_textMass.SetUnitType(UNIT_MASS);
  m_editMass.SetUnitType(UNIT_MASS);
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    const BOOL rot = i >= 3;
    m_textStiff[i].SetUnitType(rot ? UNIT_ROT_SPRING : UNIT_SPRING);
    m_editStiff[i].SetUnitType(rot ? UNIT_ROT_SPRING : UNIT_SPRING);
    m_textDamp[i].SetUnitType(rot ? UNIT_ROT_DAMPING : UNIT_DAMPING);
    m_editDamp[i].SetUnitType(rot ? UNIT_ROT_DAMPING : UNIT_DAMPING);
  }
  Data2Dlg();
  SetHeadings(m_rec.appType);
  WriteChecks();
  UpdateDofControls();
  return TRUE;
}

void CNLLinkPrtItemDlg::SetHeadings(int nAppType) {
  const BOOL force = nAppType == 1;
  SetDlgItemText(IDC_NLLP_HEAD_STIFF, GMakeMsg(force ? "IDS_CMD_NLNK_Effective_Stiffness" : "IDS_CMD_NLNK_Stiffness"));
  SetDlgItemText(IDC_NLLP_HEAD_DAMP, GMakeMsg(force ? "IDS_CMD_NLNK_Effective_Damping" : "IDS_CMD_NLNK_Damping"));
}

void CNLLinkPrtItemDlg::FillPropertyTypes(int nAppType) {
  m_cbType.ResetContent();
  if (nAppType == 1) {
    for (int i = 0; i < (int)std::size(kForceTypes); ++i) CDlgUtil::CobxAddItem(&m_cbType, GMakeMsg(kForceTypes[i]), (DWORD_PTR)i);
  } else {
    for (int i = 0; i < (int)std::size(kElemTypes); ++i) CDlgUtil::CobxAddItem(&m_cbType, GMakeMsg(kElemTypes[i]), (DWORD_PTR)i);
  }
  m_cbType.SetCurSel(0);
}

void CNLLinkPrtItemDlg::Data2Dlg() {
  const T_NLLP_D& r = m_rec;
  if (r.forceType < 0 || r.forceType > 5) return;
  SetDlgItemText(IDC_NLLP_NAME, r.name);
  m_nAppType = r.appType == 1 ? 1 : 0;
  FillPropertyTypes(m_nAppType);
  CDlgUtil::CobxSetCurSelItemData(&m_cbType, (DWORD_PTR)(m_nAppType == 1 ? r.forceType : r.elemType));
  SetDlgItemText(IDC_NLLP_DESC, r.desc);

  CheckDlgButton(IDC_NLLP_USE_MASS, r.useMass == 1 ? 1 : 0);
  m_editMass.EnableWindow(r.useMass == 1);
  if (r.useMass == 1) m_editMass.SetEditUnit(r.mass);
  m_editWeight.SetEditUnit(r.weight);
  m_editDistY.SetEditUnit(r.dyDist);
  m_editDistZ.SetEditUnit(r.dzDist);
  CheckDlgButton(IDC_NLLP_SHEAR_LOC, r.shearLoc == 1 ? 1 : 0);

  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    m_lin[i] = r.IsLinear(i) ? 1 : 0;
    m_nl[i] = r.IsNonlinear(i) ? 1 : 0;
    m_editStiff[i].SetEditUnit(r.stiff[i]);
    m_editDamp[i].SetEditUnit(r.damp[i]);
    EnableDofGroup(i, m_lin[i]);
    if (!m_nl[i]) CDlgUtil::CtrlEnableDisable(this, {kDof[i].prop}, FALSE);
  }
  WriteChecks();
  if (CWnd* w = GetDlgItem(IDC_NLLP_SHEAR_LOC)) w->EnableWindow(m_lin[DY] || m_lin[DZ]);
  EnableDistances();
  UpdateHingeButton();
}

void CNLLinkPrtItemDlg::EnableDistances() {
  const BOOL shear = IsDlgButtonChecked(IDC_NLLP_SHEAR_LOC) != 0;
  m_editDistY.EnableWindow(m_lin[DY] && shear);
  m_editDistZ.EnableWindow(m_lin[DZ] && shear);
}

void CNLLinkPrtItemDlg::UpdateHingeButton() {
  CString text;
  const int sel = Selection();
  if (sel >= 0) m_cbType.GetLBText(sel, text);
  if (CWnd* w = GetDlgItem(IDC_NLLP_HINGE)) w->EnableWindow(sel >= 0 && text == GMakeMsg("IDS_CMD_NLNK_Spring"));
}

// ---- following the user -----------------------------------------------------------------------

void CNLLinkPrtItemDlg::UpdateDofControls() {
  ReadChecks();
  const int sel = Selection();
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    if (!m_lin[i]) {
      m_nl[i] = 0;
      CheckDlgButton((int)kDof[i].nl, 0);
    }
    const DofControls& c = kDof[i];
    CDlgUtil::CtrlEnableDisable(this, {c.stiff}, m_lin[i] && !(m_nAppType == 0 && sel == 1));
    CDlgUtil::CtrlEnableDisable(this, {c.damp}, m_lin[i] && !(m_nAppType == 0 && sel == 0));
    CDlgUtil::CtrlEnableDisable(this, {c.nl}, m_lin[i] && m_nAppType == 1);
    CDlgUtil::CtrlEnableDisable(this, {c.prop}, m_nl[i] && m_nAppType == 1);
  }
  EnableDistances();
  if (CWnd* w = GetDlgItem(IDC_NLLP_SHEAR_LOC)) {
    const BOOL any = m_lin[DY] || m_lin[DZ];
    w->EnableWindow(any);
    if (!any) CheckDlgButton(IDC_NLLP_SHEAR_LOC, 0);
  }
}

void CNLLinkPrtItemDlg::OnLinearCheck(UINT) { UpdateDofControls(); }

void CNLLinkPrtItemDlg::OnNonlinearCheck(UINT nID) {
  ReadChecks();
  const int dof = (int)(nID - IDC_NLLP_NL_DX);
  if (dof < 0 || dof >= NLLP_DOF_COUNT) return;
  CDlgUtil::CtrlEnableDisable(this, {kDof[dof].prop}, m_nl[dof]);
  if (m_nl[dof]) OnDofProperties(kDof[dof].prop);
}

void CNLLinkPrtItemDlg::OnUseMass() { m_editMass.EnableWindow(IsDlgButtonChecked(IDC_NLLP_USE_MASS) != 0); }

void CNLLinkPrtItemDlg::OnShearLocation() {
  ReadChecks();
  EnableDistances();
}

void CNLLinkPrtItemDlg::OnHinge() {
  // The hinge properties belong to no dialog of this module: the name is read, nothing opens.
  CString name;
  GetDlgItemText(IDC_NLLP_NAME, name);
}

void CNLLinkPrtItemDlg::OnDofProperties(UINT nID) {
  for (int dof = 0; dof < NLLP_DOF_COUNT; ++dof) {
    if (kDof[dof].prop != nID) continue;
    CString caption;
    GetDlgItemText((int)nID, caption);
    SetDlgItemText((int)nID, caption + ">>");
    EditDof(dof);
    SetDlgItemText((int)nID, caption);
    return;
  }
}

namespace {
// Runs a DOF dialog on one working sub-record: it sees the sub-record in the DOF's block and
// gives it back on IDOK.
template <class Sub>
void RunDof(CNLLinkPrtDofDlg& dlg, const T_NLLP_D& rec, int dof, Sub& sub) {
  dlg.SetInitPos(3, 0, 0);
  dlg.SetDof(dof);
  T_NLLP_D image = rec;
  sub.ToBlock(image.blk[dof]);
  dlg.SetRecord(image);
  if (dlg.DoModal() == IDOK) sub.FromBlock(dlg.GetRecord().blk[dof]);
}
}  // namespace

void CNLLinkPrtItemDlg::EditDof(int dof) {
  const bool shear = dof == DY || dof == DZ;
  switch (m_nCurType) {
    case FORCE_VD: {
      CNLLinkPrtViscDlg dlg(this);
      RunDof(dlg, m_rec, dof, m_vd[dof]);
      break;
    }
    case FORCE_HOOK: {
      CNLLinkPrtHookDlg dlg(this);
      RunDof(dlg, m_rec, dof, m_hook[dof]);
      break;
    }
    case FORCE_HS: {
      CNLLinkPrtHystDlg dlg(this);
      RunDof(dlg, m_rec, dof, m_hs[dof]);
      break;
    }
    case FORCE_LRBI:
      if (shear) {
        CNLLinkPrtLeadDlg dlg(this);
        RunDof(dlg, m_rec, dof, m_lrbi[dof]);
        break;
      }
      [[fallthrough]];
    case FORCE_FPSI:
      if (shear) {
        CNLLinkPrtFricDlg dlg(this);
        RunDof(dlg, m_rec, dof, m_fpsi[dof]);
        break;
      }
      [[fallthrough]];
    case FORCE_GAP: {
      CNLLinkPrtGapDlg dlg(this);
      dlg.SetPropertyType(m_nCurType);
      RunDof(dlg, m_rec, dof, m_gap[dof]);
      break;
    }
    default:
      break;
  }
}

void CNLLinkPrtItemDlg::OnChangePropertyType() {
  ReadChecks();
  if (Selection() >= 0) m_nCurType = (int)CDlgUtil::CobxGetItemDataByCurSel(&m_cbType, 0);
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    m_lin[i] = m_nl[i] = 0;
    m_editStiff[i].SetWindowText("0");
    CDlgUtil::CtrlEnableDisable(this, {kDof[i].lin}, TRUE);
    EnableDofGroup(i, FALSE);
    InitWorking(i);
  }
  m_editDistY.SetWindowText("0.5");
  m_editDistZ.SetWindowText("0.5");
  WriteChecks();
  UpdateDofControls();
  UpdateHingeButton();
}

void CNLLinkPrtItemDlg::OnChangeApplicationType() {
  ReadChecks();
  SetHeadings(m_nAppType);
  FillPropertyTypes(m_nAppType);
  OnChangePropertyType();
}

// ---- saving -----------------------------------------------------------------------------------

BOOL CNLLinkPrtItemDlg::ReadNumber(CEditUnit& edit, double& value) {
  if (edit.GetShownValue(value)) return TRUE;
  AfxMessageBox(GMakeMsg(kNotNumber));
  edit.SetFocus();
  edit.SetSel(0, -1);
  return FALSE;
}

int CNLLinkPrtItemDlg::Dlg2Data() {
  ReadChecks();
  T_NLLP_D& r = m_rec;
  r.Initialize();
  CString text;
  GetDlgItemText(IDC_NLLP_NAME, text);
  r.name = text;
  r.appType = m_nAppType;
  const int sel = Selection();
  if (m_nAppType == 1) {
    r.forceType = sel >= 0 ? (int)m_cbType.GetItemData(sel) : m_nCurType;
  } else {
    // A type no entry offers (3, 4) stays while nothing is chosen.
    r.elemType = sel >= 0 ? (int)m_cbType.GetItemData(sel) : m_nOpenedElemType;
  }
  GetDlgItemText(IDC_NLLP_DESC, text);
  r.desc = text;
  r.useMass = IsDlgButtonChecked(IDC_NLLP_USE_MASS) ? 1 : 0;
  r.shearLoc = IsDlgButtonChecked(IDC_NLLP_SHEAR_LOC) ? 1 : 0;
  if (r.name.IsEmpty()) return Fail(kBlankName);

  // Every number the record takes must be one.
  if (r.useMass == 1 && !ReadNumber(m_editMass, r.mass)) return 0;
  if (!ReadNumber(m_editWeight, r.weight)) return 0;
  if (!ReadNumber(m_editDistY, r.dyDist) || !ReadNumber(m_editDistZ, r.dzDist)) return 0;
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    if (!ReadNumber(m_editStiff[i], r.stiff[i]) || !ReadNumber(m_editDamp[i], r.damp[i])) return 0;
    r.linFlags[i] = m_lin[i] ? '1' : '0';
    r.nlFlags[i] = m_nl[i] ? '1' : '0';
  }
  if (m_nAppType == 1) {
    for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
      T_NLLP_BLOCK& b = r.blk[i];
      switch (r.forceType) {
        case FORCE_VD: m_vd[i].ToBlock(b); break;
        case FORCE_GAP: m_gap[i].ToBlock(b); break;
        case FORCE_HOOK: m_hook[i].ToBlock(b); break;
        case FORCE_HS: m_hs[i].ToBlock(b); break;
        case FORCE_LRBI:
        case FORCE_FPSI:
          if (!IsIsolatorSpring(i)) {
            if (r.forceType == FORCE_LRBI) m_lrbi[i].ToBlock(b);
            else m_fpsi[i].ToBlock(b);
          } else {
            T_NLLP_GAP spring = m_gap[i];
            spring.o = 0.0;
            spring.ToBlock(b);
          }
          break;
        default: break;
      }
    }
  }

  if (r.useMass == 1 && r.mass < 0.0) return Fail(kMass);
  if (r.weight < 0.0) return Fail(kWeight);
  bool anyLinear = false, anyNonlinear = false;
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    anyLinear = anyLinear || m_lin[i];
    anyNonlinear = anyNonlinear || m_nl[i];
  }
  if (!anyLinear) return Fail(kNoLinear);
  for (int i = 0; i < NLLP_DOF_COUNT; ++i) {
    if (!m_lin[i]) continue;
    if (r.stiff[i] < 0.0) return Fail(kStiffness);
    const double dist = i == DY ? r.dyDist : r.dzDist;
    if ((i == DY || i == DZ) && r.shearLoc == 1 && (dist < 0.0 || dist > 1.0)) return Fail(kLocation);
  }
  if (m_nAppType == 1 && !anyNonlinear) return Fail(kNoNonlinear);
  if (m_nAppType == 1 && r.forceType == FORCE_FPSI) {
    if (!m_nl[0]) return Fail(kFpsDx);
    if (!m_nl[DY] && !m_nl[DZ]) return Fail(kFpsDy);
  }
  return 1;
}

int CNLLinkPrtItemDlg::SaveRecord() {
  if (!Dlg2Data() || !m_pTable) return 0;
  if (m_bModify) {
    T_NLLP_D stored;
    if (!m_pTable->Get(m_key, stored)) return 0;
    return m_pTable->TR_Modify(stored.name, m_rec) ? 1 : 0;
  }
  return m_pTable->TR_Add(m_rec) ? 1 : 0;
}

void CNLLinkPrtItemDlg::OnOK() {
  if (SaveRecord()) CDialog::OnOK();
}

void CNLLinkPrtItemDlg::OnApply() { SaveRecord(); }
