// The detail and basement pages of the model control data dialog: rows of a unit edit, its
// unit label and the field it shows.
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CDBDoc.h"
#include "db/CInitCtrl.h"
#include "db/CUnitCtrl.h"
#include "levels/CModelCtrlDataDlg.h"
#include "levels/CModelCtrlDataPages.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelCtrlDataDetailDlg, CDlgChild)
IMPLEMENT_DYNAMIC(CModelCtrlDataGroundDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CModelCtrlDataDetailDlg, CDlgChild)
  ON_EN_CHANGE(IDC_MCD_RETAIN_MESH, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
  ON_EN_CHANGE(IDC_MCD_WALL_MESH, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
  ON_EN_CHANGE(IDC_MCD_SLAB_MESH, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
  ON_EN_CHANGE(IDC_MCD_COUPLING_MESH, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
  ON_EN_CHANGE(IDC_MCD_FOOTING_MESH, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
  ON_EN_CHANGE(IDC_MCD_MAX_WALL_HEIGHT, &CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit)
END_MESSAGE_MAP()

BEGIN_MESSAGE_MAP(CModelCtrlDataGroundDlg, CDlgChild)
END_MESSAGE_MAP()

namespace {
// Detail page rows, in the order the live check visits them. field NULL: shown, bound to
// nothing.
struct SizeRow {
  UINT edit;
  UINT unit;
  double T_MCTL_DETAIL::*field;
  int unitIndex;  // into T_MCTL_DETAIL::unit
};
const SizeRow kSizes[CModelCtrlDataDetailDlg::SIZE_COUNT] = {
    {IDC_MCD_RETAIN_MESH, IDC_MCD_RETAIN_MESH_UNIT, &T_MCTL_DETAIL::retainWallMesh, 0},
    {IDC_MCD_WALL_MESH, IDC_MCD_WALL_MESH_UNIT, &T_MCTL_DETAIL::wallMesh, 0},
    {IDC_MCD_SLAB_MESH, IDC_MCD_SLAB_MESH_UNIT, &T_MCTL_DETAIL::slabMesh, 0},
    {IDC_MCD_COUPLING_MESH, IDC_MCD_COUPLING_MESH_UNIT, nullptr, 0},
    {IDC_MCD_FOOTING_MESH, IDC_MCD_FOOTING_MESH_UNIT, &T_MCTL_DETAIL::footingMesh, 0},
    {IDC_MCD_MAX_WALL_HEIGHT, IDC_MCD_MAX_WALL_HEIGHT_UNIT, &T_MCTL_DETAIL::maxWallHeight, 1},
};

// Basement page rows in table order; unit 0: a plain number without a label.
struct GroundRow {
  UINT edit;
  UINT unit;
  double T_MCTL_UGSTORY::*field;
  int unitIndex;  // into T_MCTL_UGSTORY::unit; -1 a plain number
};
const GroundRow kGround[CModelCtrlDataGroundDlg::VALUE_COUNT] = {
    {IDC_MCD_BACKFILL_STIFF, 0, &T_MCTL_UGSTORY::backfillStiffRatio, -1},
    {IDC_MCD_BACKFILL_WEIGHT, IDC_MCD_BACKFILL_WEIGHT_UNIT, &T_MCTL_UGSTORY::backfillWeight, 0},
    {IDC_MCD_WATER_LEVEL, IDC_MCD_WATER_LEVEL_UNIT, &T_MCTL_UGSTORY::waterLevel, 1},
    {IDC_MCD_BACKFILL_PRESS, 0, &T_MCTL_UGSTORY::backfillPressCoef, -1},
    {IDC_MCD_SURCHARGE, IDC_MCD_SURCHARGE_UNIT, &T_MCTL_UGSTORY::groundSurcharge, 2},
};

// Reads an edit's value; a text that is no number is told, with the focus on the edit.
BOOL ReadValue(CEditUnit& edit, const char* key, double& v) {
  if (edit.GetShownValue(v)) return TRUE;
  AfxMessageBox(GMakeMsg(key));
  edit.SetFocus();
  edit.SetSel(0, -1);
  return FALSE;
}
}  // namespace

// ---- detail page ----------------------------------------------------------------------------

CModelCtrlDataDetailDlg::CModelCtrlDataDetailDlg(CWnd* pParent) : CDlgChild(IDD_CMD_MC_DATA_DETAIL, pParent) {}

CClassMctl* CModelCtrlDataDetailDlg::GetClassPtr() { return CModelCtrlDataDlg::GetClassPtr(); }

void CModelCtrlDataDetailDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  for (int i = 0; i < SIZE_COUNT; ++i) {
    DDX_Control(pDX, kSizes[i].edit, m_edit[i]);
    DDX_Control(pDX, kSizes[i].unit, m_unit[i]);
  }
}

BOOL CModelCtrlDataDetailDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  InitCtrl();
  Data2Dlg();
  return TRUE;
}

void CModelCtrlDataDetailDlg::InitCtrl() {
  for (int i = 0; i < SIZE_COUNT; ++i) {
    m_edit[i].SetUnitType(T_MCTL_DETAIL::unit[kSizes[i].unitIndex]);
    m_unit[i].SetUnitType(T_MCTL_DETAIL::unit[kSizes[i].unitIndex]);
  }
}

int CModelCtrlDataDetailDlg::Data2Dlg() {
  if (!m_pData) return 1;
  for (int i = 0; i < SIZE_COUNT; ++i)
    if (kSizes[i].field) m_edit[i].SetEditUnit(m_pData->*kSizes[i].field);
  CheckDlgButton(IDC_MCD_SPLIT_BRACE, m_pData->splitAtBraceCross ? BST_CHECKED : BST_UNCHECKED);
  return 1;
}

int CModelCtrlDataDetailDlg::Dlg2Data() {
  if (!m_pData) return 1;
  double v[SIZE_COUNT] = {};
  for (int i = 0; i < SIZE_COUNT; ++i)
    if (kSizes[i].field && !ReadValue(m_edit[i], "IDS_CMD_MC_ERROR_Mesh_Size_Not_Number", v[i])) return 0;
  for (int i = 0; i < SIZE_COUNT; ++i)
    if (kSizes[i].field) m_pData->*kSizes[i].field = v[i];
  m_pData->splitAtBraceCross = IsDlgButtonChecked(IDC_MCD_SPLIT_BRACE) ? 1 : 0;
  return 1;
}

void CModelCtrlDataDetailDlg::OnChangeCmdSizeEdit() {
  if (m_bChecking || !CDBDoc::m_pDBDoc) return;
  const double t = CDBDoc::m_pDBDoc->GetInitCtrl()->GetPreference().sizeTolerance;
  for (int i = 0; i < SIZE_COUNT; ++i) {
    CEditUnit& e = m_edit[i];
    double v = 0.0;
    if (!e.m_hWnd || !e.IsWindowEnabled() || !e.GetEditValue(v) || !(v < -t)) continue;
    m_bChecking = TRUE;
    AfxMessageBox(GMakeMsg("IDS_WG_CMD_MC_Mesh_size_must_not_negative"));
    e.SetEditUnit(0.0);
    e.SetFocus();
    m_bChecking = FALSE;
    return;
  }
}

// ---- basement page --------------------------------------------------------------------------

CModelCtrlDataGroundDlg::CModelCtrlDataGroundDlg(CWnd* pParent) : CDlgChild(IDD_CMD_MC_DATA_GROUND, pParent) {}

CClassMctl* CModelCtrlDataGroundDlg::GetClassPtr() { return CModelCtrlDataDlg::GetClassPtr(); }

void CModelCtrlDataGroundDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  for (int i = 0; i < VALUE_COUNT; ++i) {
    DDX_Control(pDX, kGround[i].edit, m_edit[i]);
    if (kGround[i].unit) DDX_Control(pDX, kGround[i].unit, m_unit[i]);
  }
}

BOOL CModelCtrlDataGroundDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  InitCtrl();
  Data2Dlg();
  return TRUE;
}

void CModelCtrlDataGroundDlg::InitCtrl() {
  for (int i = 0; i < VALUE_COUNT; ++i) {
    int kind = kGround[i].unitIndex < 0 ? UNIT_NONE : T_MCTL_UGSTORY::unit[kGround[i].unitIndex];
    m_edit[i].SetUnitType(kind);
    if (kGround[i].unit) m_unit[i].SetUnitType(kind);
  }
}

int CModelCtrlDataGroundDlg::Data2Dlg() {
  if (!m_pData) return 1;
  for (int i = 0; i < VALUE_COUNT; ++i) m_edit[i].SetEditUnit(m_pData->*kGround[i].field);
  return 1;
}

int CModelCtrlDataGroundDlg::Dlg2Data() {
  if (!m_pData) return 1;
  double v[VALUE_COUNT] = {};
  for (int i = 0; i < VALUE_COUNT; ++i)
    if (!ReadValue(m_edit[i], "IDS_CMD_MC_ERROR_Value_Not_Number", v[i])) return 0;
  for (int i = 0; i < VALUE_COUNT; ++i) m_pData->*kGround[i].field = v[i];
  return 1;
}
