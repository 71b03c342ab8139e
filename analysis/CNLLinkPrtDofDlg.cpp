#include "analysis/CNLLinkPrtDofDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CStatic.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CNLLinkPrtDofDlg, CDlgMove)
IMPLEMENT_DYNAMIC(CNLLinkPrtViscDlg, CNLLinkPrtDofDlg)
IMPLEMENT_DYNAMIC(CNLLinkPrtGapDlg, CNLLinkPrtDofDlg)
IMPLEMENT_DYNAMIC(CNLLinkPrtHookDlg, CNLLinkPrtDofDlg)
IMPLEMENT_DYNAMIC(CNLLinkPrtHystDlg, CNLLinkPrtDofDlg)
IMPLEMENT_DYNAMIC(CNLLinkPrtLeadDlg, CNLLinkPrtDofDlg)
IMPLEMENT_DYNAMIC(CNLLinkPrtFricDlg, CNLLinkPrtDofDlg)

namespace {
using Form = CNLLinkPrtDofDlg::Form;
using T = CNLLinkPrtDofDlg;

const char kNotNumber[] = "IDS_CMD_NLNK_Error_Not_Number";
const char kStiffGtZero[] = "IDS_WG_CMD_ETC_Error_Stiffness_gt_zero";
const char kOpenNegative[] = "IDS_WG_CMD_ETC_Error_Open_cannot_negative_value";
const char kYield[] = "IDS_WG_CMD_ETC_Error_Error_YieldStrength";
const char kPostYield[] = "IDS_WG_CMD_ETC_Error_PostYieldRatio";

// Slots of the damper's block (T_NLLP_VD in order).
enum { VD_KD, VD_CD, VD_S, VD_KB, VD_V0, VD_MODEL };

const Form kVisc = {
    {{IDC_NLDOF_KD, VD_KD, IDC_NLDOF_KD_UNIT, UNIT_SPRING, UNIT_ROT_SPRING},
     {IDC_NLDOF_CD, VD_CD, IDC_NLDOF_CD_UNIT, UNIT_FORCE, UNIT_MOMENT},
     {IDC_NLDOF_S, VD_S, 0, 0, 0},
     {IDC_NLDOF_KB, VD_KB, IDC_NLDOF_KB_UNIT, UNIT_SPRING, UNIT_ROT_SPRING},
     {IDC_NLDOF_V0, VD_V0, IDC_NLDOF_V0_UNIT, UNIT_VELOCITY, UNIT_ANG_VELOCITY}},
    {{VD_KD, T::BELOW_ZERO, "IDS_CMD_NLNK_Error_DamperStiffness"},
     {VD_CD, T::NOT_ABOVE_ZERO, "IDS_CMD_NLNK_Error_Damping"},
     {VD_S, T::NOT_ABOVE_ZERO, "IDS_CMD_NLNK_Error_DampingExponent"},
     {VD_KB, T::NOT_ABOVE_ZERO, "IDS_CMD_NLNK_Error_BraceStiffness"},
     {VD_V0, T::NOT_ABOVE_ZERO, "IDS_CMD_NLNK_Error_ReferenceVelocity"}}};

// The gap and the hook: stiffness and opening.
const Form kGap = {
    {{IDC_NLDOF_K, 0, IDC_NLDOF_K_UNIT, UNIT_SPRING, UNIT_ROT_SPRING},
     {IDC_NLDOF_OPEN, 1, IDC_NLDOF_OPEN_UNIT, UNIT_LENGTH, UNIT_ROTATION}},
    {{0, T::NOT_ABOVE_ZERO, kStiffGtZero}, {1, T::BELOW_ZERO, kOpenNegative}}};
const Form& kHook = kGap;

const Form kHyst = {
    {{IDC_NLDOF_K, 0, IDC_NLDOF_K_UNIT, UNIT_SPRING, UNIT_ROT_SPRING},
     {IDC_NLDOF_FY, 1, IDC_NLDOF_FY_UNIT, UNIT_FORCE, UNIT_MOMENT},
     {IDC_NLDOF_R, 2, 0, 0, 0},
     {IDC_NLDOF_S, 3, 0, 0, 0},
     {IDC_NLDOF_ALPHA, 4, 0, 0, 0},
     {IDC_NLDOF_BETA, 5, 0, 0, 0}},
    {{0, T::NOT_ABOVE_ZERO, kStiffGtZero},
     {1, T::NOT_ABOVE_ZERO, kYield},
     {2, T::OUTSIDE_ZERO_ONE, kPostYield},
     {3, T::BELOW_ONE, "IDS_WG_CMD_ETC_Error_YieldingExponent"}}};

const Form kLead = {
    {{IDC_NLDOF_K, 0, IDC_NLDOF_K_UNIT, UNIT_SPRING, UNIT_SPRING},
     {IDC_NLDOF_FY, 1, IDC_NLDOF_FY_UNIT, UNIT_FORCE, UNIT_FORCE},
     {IDC_NLDOF_R, 2, 0, 0, 0},
     {IDC_NLDOF_ALPHA, 3, 0, 0, 0},
     {IDC_NLDOF_BETA, 4, 0, 0, 0}},
    {{0, T::NOT_ABOVE_ZERO, kStiffGtZero}, {1, T::NOT_ABOVE_ZERO, kYield}, {2, T::OUTSIDE_ZERO_ONE, kPostYield}}};

const Form kFric = {
    {{IDC_NLDOF_K, 0, IDC_NLDOF_K_UNIT, UNIT_SPRING, UNIT_SPRING},
     {IDC_NLDOF_US, 1, 0, 0, 0},
     {IDC_NLDOF_UF, 2, 0, 0, 0},
     {IDC_NLDOF_RATE, 3, IDC_NLDOF_RATE_UNIT, UNIT_RATE, UNIT_RATE},
     {IDC_NLDOF_RADIUS, 4, IDC_NLDOF_RADIUS_UNIT, UNIT_LENGTH, UNIT_LENGTH},
     {IDC_NLDOF_ALPHA, 5, 0, 0, 0},
     {IDC_NLDOF_BETA, 6, 0, 0, 0}},
    {{0, T::NOT_ABOVE_ZERO, "IDS_WG_CMD_ETC_Error_Stiffness_greater_than_zero"},
     {1, T::NOT_ABOVE_ZERO, "IDS_WG_CMD_ETC_Error_Friction_Coefficient_greater_than_zero"},
     {2, T::NOT_ABOVE_ZERO, "IDS_WG_CMD_ETC_Error_Friction_Coefficient_greater_than_zero"},
     {3, T::BELOW_ZERO, "IDS_WG_CMD_ETC_Error_Rate_Parameter_have_not_negative_value"},
     {4, T::BELOW_ZERO, "IDS_WG_CMD_ETC_Error_RS_Surface_have_not_negative_value"}}};

BOOL Fails(CNLLinkPrtDofDlg::Test t, double v) {
  switch (t) {
    case T::BELOW_ZERO: return v < 0.0;
    case T::NOT_ABOVE_ZERO: return !(v > 0.0);
    case T::OUTSIDE_ZERO_ONE: return v < 0.0 || v > 1.0;
    case T::BELOW_ONE: return v < 1.0;
  }
  return FALSE;
}

// The damper's rows: kd, kb, and what moves below the kd row.
const UINT kKdRow[] = {IDC_NLDOF_KD, IDC_NLDOF_KD_UNIT, IDC_NLDOF_KD_LABEL, IDC_NLDOF_KD_COLON};
const UINT kKbRow[] = {IDC_NLDOF_KB, IDC_NLDOF_KB_UNIT, IDC_NLDOF_KB_LABEL, IDC_NLDOF_KB_COLON};
const UINT kBelowKd[] = {IDC_NLDOF_CD,      IDC_NLDOF_CD_UNIT,  IDC_NLDOF_CD_LABEL, IDC_NLDOF_CD_COLON,
                         IDC_NLDOF_V0,      IDC_NLDOF_V0_UNIT,  IDC_NLDOF_V0_LABEL, IDC_NLDOF_V0_COLON,
                         IDC_NLDOF_S,       IDC_NLDOF_S_LABEL,  IDC_NLDOF_S_COLON,  IDC_NLDOF_KB,
                         IDC_NLDOF_KB_UNIT, IDC_NLDOF_KB_LABEL, IDC_NLDOF_KB_COLON};
const UINT kOpenRow[] = {IDC_NLDOF_OPEN, IDC_NLDOF_OPEN_UNIT, IDC_NLDOF_OPEN_LABEL, IDC_NLDOF_OPEN_COLON};

template <size_t N>
CUIntArray Ids(const UINT (&ids)[N]) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

CRect ClientRectOf(CWnd* pDlg, UINT id) {
  CRect r;
  CWnd* w = pDlg->GetDlgItem((int)id);
  if (!w) return r;
  w->GetWindowRect(&r);
  pDlg->ScreenToClient(&r);
  return r;
}
}  // namespace

// ---- the common dialog ----------------------------------------------------------------------

CNLLinkPrtDofDlg::CNLLinkPrtDofDlg(UINT nIDTemplate, const Form& form, CWnd* pParent)
    : CDlgMove(nIDTemplate, pParent), m_form(form) {
  m_rec.Initialize();
}

CNLLinkPrtDofDlg::~CNLLinkPrtDofDlg() {
  for (CEditUnit* e : m_edits) delete e;
  for (CTextUnit* l : m_labels) delete l;
  for (CBitmap* b : m_pictures) delete b;
}

CEditUnit* CNLLinkPrtDofDlg::EditOf(UINT id) {
  for (size_t i = 0; i < m_form.edits.size() && i < m_edits.size(); ++i)
    if (m_form.edits[i].edit == id) return m_edits[i];
  return nullptr;
}

BOOL CNLLinkPrtDofDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  for (const Edit& e : m_form.edits) {
    const int kind = IsRotational() ? e.kindR : e.kindT;
    auto* edit = new CEditUnit;
    edit->SubclassDlgItem(e.edit, this);
    edit->SetUnitType(kind);
    m_edits.push_back(edit);
    if (!e.label) continue;
    auto* label = new CTextUnit;
    label->SubclassDlgItem(e.label, this);
    label->SetUnitType(kind);
    m_labels.push_back(label);
  }
  if (ShowsBlock()) ShowBlock();
  return TRUE;
}

void CNLLinkPrtDofDlg::ShowBlock() {
  for (size_t i = 0; i < m_form.edits.size(); ++i) m_edits[i]->SetEditUnit(Block().v[m_form.edits[i].slot]);
}

void CNLLinkPrtDofDlg::SetPicture(UINT nCtl, UINT nBitmap) {
  auto* st = dynamic_cast<CStatic*>(GetDlgItem((int)nCtl));
  if (!st) return;
  CBitmap* bmp = nullptr;
  if (nBitmap) {
    bmp = new CBitmap;
    if (!bmp->LoadBitmap(nBitmap)) {
      delete bmp;
      bmp = nullptr;
    }
  }
  st->SetBitmap(bmp ? (HBITMAP)*bmp : nullptr);
  if (bmp) m_pictures.push_back(bmp);
}

void CNLLinkPrtDofDlg::OnOK() {
  std::vector<double> values(Block().v, Block().v + NLLP_BLOCK_VALUES);
  for (size_t i = 0; i < m_form.edits.size(); ++i) {
    double v = 0.0;
    if (!m_edits[i]->GetShownValue(v)) {
      AfxMessageBox(GMakeMsg(kNotNumber));
      m_edits[i]->SetFocus();
      m_edits[i]->SetSel(0, -1);
      return;
    }
    values[(size_t)m_form.edits[i].slot] = v;
  }
  AfterRead(values);
  for (const Check& c : m_form.checks) {
    if (!Applies(c) || !Fails(c.test, values[(size_t)c.slot])) continue;
    AfxMessageBox(GMakeMsg(c.key));
    return;
  }
  BeforeStore(values);
  for (int i = 0; i < NLLP_BLOCK_VALUES; ++i) Block().v[i] = values[(size_t)i];
  CDialog::OnOK();
}

// ---- the viscoelastic damper ----------------------------------------------------------------

BEGIN_MESSAGE_MAP(CNLLinkPrtViscDlg, CNLLinkPrtDofDlg)
  ON_BN_CLICKED(IDC_NLDOF_MAXWELL, &CNLLinkPrtViscDlg::OnModel)
  ON_BN_CLICKED(IDC_NLDOF_KELVIN, &CNLLinkPrtViscDlg::OnModel)
  ON_BN_CLICKED(IDC_NLDOF_BRACE, &CNLLinkPrtViscDlg::OnModel)
END_MESSAGE_MAP()

CNLLinkPrtViscDlg::CNLLinkPrtViscDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_VISC, kVisc, pParent) {
  for (UINT id : {IDC_NLDOF_MAXWELL, IDC_NLDOF_KELVIN, IDC_NLDOF_BRACE}) m_modelRadios.Add(id);
}

BOOL CNLLinkPrtViscDlg::OnInitDialog() {
  CNLLinkPrtDofDlg::OnInitDialog();
  T_NLLP_VD vd;
  vd.FromBlock(Block());
  CDlgUtil::CtrlRadioSetCheck(this, m_modelRadios, vd.model);
  ChangeDamperModel();
  return TRUE;
}

void CNLLinkPrtViscDlg::ChangeDamperModel() {
  const int model = CDlgUtil::CtrlRadioGetCheck(this, m_modelRadios);
  const BOOL kdShown = model != 0;
  CDlgUtil::CtrlShowHide(this, Ids(kKdRow), kdShown);
  CDlgUtil::CtrlShowHide(this, Ids(kKbRow), model != 1);
  const CRect kd = ClientRectOf(this, IDC_NLDOF_KD);
  const CRect cd = ClientRectOf(this, IDC_NLDOF_CD);
  const int target = kdShown ? kd.bottom + 3 : kd.top;
  if (target != cd.top) CDlgUtil::CtrlMoveDistY(this, Ids(kBelowKd), target - cd.top);
  Invalidate();
  ShowDamperModelPictures(model);
}

void CNLLinkPrtViscDlg::ShowDamperModelPictures(int nModel) {
  static const UINT kPictures[3][2] = {{IDB_NLDOF_MAXWELL1, IDB_NLDOF_MAXWELL2},
                                       {IDB_NLDOF_KELVIN1, IDB_NLDOF_KELVIN2},
                                       {IDB_NLDOF_BRACE1, IDB_NLDOF_BRACE2}};
  const BOOL known = nModel >= 0 && nModel < 3;
  SetPicture(IDC_NLDOF_MODEL_PIC1, known ? kPictures[nModel][0] : 0);
  SetPicture(IDC_NLDOF_MODEL_PIC2, known ? kPictures[nModel][1] : 0);
}

void CNLLinkPrtViscDlg::AfterRead(std::vector<double>& values) {
  m_nModel = CDlgUtil::CtrlRadioGetCheck(this, m_modelRadios);
  values[VD_MODEL] = m_nModel;
}

BOOL CNLLinkPrtViscDlg::Applies(const Check& c) const { return c.slot != VD_KB || m_nModel != 1; }

void CNLLinkPrtViscDlg::BeforeStore(std::vector<double>& values) {
  if (m_nModel == 0) values[VD_KD] = 0.0;
  if (m_nModel == 1) values[VD_KB] = 0.0;
}

// ---- the gap, also the isolators' axial and rotational springs --------------------------------

CNLLinkPrtGapDlg::CNLLinkPrtGapDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_GAP, kGap, pParent) {}

BOOL CNLLinkPrtGapDlg::OnInitDialog() {
  CNLLinkPrtDofDlg::OnInitDialog();
  SetPicture(IDC_NLDOF_PIC1, IDB_NLDOF_GAP1);
  SetPicture(IDC_NLDOF_PIC2, IDB_NLDOF_GAP2);
  if (m_nType == 4 || (m_nType == 5 && IsRotational())) {
    CDlgUtil::CtrlShowHide(this, Ids(kOpenRow), FALSE);
    SetDlgItemText(IDC_NLDOF_OPEN, "0");
    SetWindowText(GMakeMsg(m_nType == 4 ? "IDS_WG_CMD_ETC_Axial_Rotational_Spring_LRBI"
                                        : "IDS_WG_CMD_ETC_Rotational_Spring_FPSI"));
    SetPicture(IDC_NLDOF_PIC1, IDB_NLDOF_ISO2);
    SetPicture(IDC_NLDOF_PIC2, IDB_NLDOF_ISO1);
  } else if (m_nType == 5 && m_nDof == 0) {
    if (CWnd* w = GetDlgItem(IDC_NLDOF_OPEN)) w->EnableWindow(FALSE);
    SetDlgItemText(IDC_NLDOF_OPEN, "0");
    SetWindowText(GMakeMsg("IDS_WG_CMD_ETC_Gap_Type_Axial_Spring_FPSI"));
  }
  ShowBlock();
  return TRUE;
}

BOOL CNLLinkPrtGapDlg::Applies(const Check& c) const { return c.slot != 1 || m_nType == 1; }

// ---- the hook and the hysteretic system -----------------------------------------------------

CNLLinkPrtHookDlg::CNLLinkPrtHookDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_HOOK, kHook, pParent) {}

CNLLinkPrtHystDlg::CNLLinkPrtHystDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_HYST, kHyst, pParent) {}

// ---- the isolators' shear springs ------------------------------------------------------------

CNLLinkPrtLeadDlg::CNLLinkPrtLeadDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_LEAD, kLead, pParent) {}

BOOL CNLLinkPrtLeadDlg::OnInitDialog() {
  CNLLinkPrtDofDlg::OnInitDialog();
  SetWindowText(GMakeMsg("IDS_WG_CMD_NLNK_SSpring_in_Lead_RBearing_Isolator"));
  return TRUE;
}

CNLLinkPrtFricDlg::CNLLinkPrtFricDlg(CWnd* pParent) : CNLLinkPrtDofDlg(IDD_CMD_NLLINK_FRIC, kFric, pParent) {}

BOOL CNLLinkPrtFricDlg::OnInitDialog() {
  CNLLinkPrtDofDlg::OnInitDialog();
  SetWindowText(GMakeMsg("IDS_WG_CMD_ETC_Shear_Spring_in_Friction_Pendulum_System_Isolator"));
  return TRUE;
}
