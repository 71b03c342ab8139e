#include "analysis/CEtcPzefDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassPzef.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CEtcPzefDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CEtcPzefDlg, CDlgMove)
  ON_BN_CLICKED(IDC_PZEF_BEAM_BOX, &CEtcPzefDlg::OnCmdBeamOffsetCheck)
  ON_BN_CLICKED(IDC_PZEF_COLM_BOX, &CEtcPzefDlg::OnCmdColmOffsetCheck)
END_MESSAGE_MAP()

namespace {
constexpr UINT kBeamGroup[] = {IDC_PZEF_BEAM_FACTOR_LABEL, IDC_PZEF_BEAM_FACTOR, IDC_PZEF_BEAM_POS_LABEL,
                               IDC_PZEF_BEAM_BEFORE, IDC_PZEF_BEAM_AFTER};
constexpr UINT kColmGroup[] = {IDC_PZEF_COLM_FACTOR_LABEL, IDC_PZEF_COLM_FACTOR, IDC_PZEF_COLM_POS_LABEL,
                               IDC_PZEF_COLM_BEFORE, IDC_PZEF_COLM_AFTER};

void Enable(CWnd* pDlg, const UINT (&ids)[5], BOOL bEnable) {
  for (UINT id : ids)
    if (CWnd* w = pDlg->GetDlgItem((int)id)) w->EnableWindow(bEnable);
}
}  // namespace

CEtcPzefDlg::CEtcPzefDlg(CWnd* pParent) : CDlgMove(IDD_CMD_PZEF, pParent) {
  m_beamRadios.Add(IDC_PZEF_BEAM_BEFORE);
  m_beamRadios.Add(IDC_PZEF_BEAM_AFTER);
  m_colmRadios.Add(IDC_PZEF_COLM_BEFORE);
  m_colmRadios.Add(IDC_PZEF_COLM_AFTER);
  for (UINT id : {IDC_PZEF_BEAM_FACTOR, IDC_PZEF_BEAM_BEFORE, IDC_PZEF_BEAM_AFTER}) m_beamCtrls.Add(id);
  for (UINT id : {IDC_PZEF_COLM_FACTOR, IDC_PZEF_COLM_BEFORE, IDC_PZEF_COLM_AFTER}) m_colmCtrls.Add(id);
  m_pzef.Initialize();
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
  m_pDB = m_pDoc ? m_pDoc->GetModelDB() : nullptr;
  m_pTable = m_pDB ? static_cast<CClassPzef*>(m_pDB->GetClass(CClassPzef::m_nClassID)) : nullptr;
}

void CEtcPzefDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PZEF_BEAM_FACTOR, m_editBeamFactor);
  DDX_Control(pDX, IDC_PZEF_COLM_FACTOR, m_editColmFactor);
}

BOOL CEtcPzefDlg::OnInitDialog() {
  m_pDoc = CDBDoc::m_pDBDoc;
  CDlgMove::OnInitDialog();
  m_editBeamFactor.SetUnitType(T_PZEF_D::unit[0]);
  m_editColmFactor.SetUnitType(T_PZEF_D::unit[0]);
  m_boxBeam.Initialize(this, IDD_CMD_PZEF, IDC_PZEF_BEAM_BOX, TRUE, TRUE);
  m_boxColm.Initialize(this, IDD_CMD_PZEF, IDC_PZEF_COLM_BOX, TRUE, TRUE);
  if (!m_pTable || !m_pTable->Get(m_pzef)) m_pzef.Initialize();
  Data2DlgVar();
  return TRUE;
}

void CEtcPzefDlg::Data2DlgVar() {
  m_boxBeam.SetCheckState(m_pzef.beamRigidZone ? 1 : 0);
  m_boxColm.SetCheckState(m_pzef.colmRigidZone ? 1 : 0);
  CDlgUtil::CtrlRadioSetCheck(this, m_beamRadios, m_pzef.beamForcePos == 1 ? 0 : 1);
  CDlgUtil::CtrlRadioSetCheck(this, m_colmRadios, m_pzef.colmForcePos == 1 ? 0 : 1);
  m_editBeamFactor.SetEditUnit(m_pzef.beamFactor);
  m_editColmFactor.SetEditUnit(m_pzef.colmFactor);
  BeamOffsetCtrlMan();
  ColmOffsetCtrlMan();
}

void CEtcPzefDlg::BeamOffsetCtrlMan() { Enable(this, kBeamGroup, m_boxBeam.GetCheckState() != 0); }

void CEtcPzefDlg::ColmOffsetCtrlMan() { Enable(this, kColmGroup, m_boxColm.GetCheckState() != 0); }

void CEtcPzefDlg::OnCmdBeamOffsetCheck() { BeamOffsetCtrlMan(); }

void CEtcPzefDlg::OnCmdColmOffsetCheck() { ColmOffsetCtrlMan(); }

int CEtcPzefDlg::OnChangeFoldState() {
  OnCmdBeamOffsetCheck();
  OnCmdColmOffsetCheck();
  return 0;
}

int CEtcPzefDlg::DlgVar2Data() {
  double beamFactor = 0.0, colmFactor = 0.0;
  if (!m_editBeamFactor.GetShownValue(beamFactor)) {
    AfxMessageBox(GMakeMsg("IDS_CMD_PZEF_FACTOR_NOT_NUMBER"));
    m_editBeamFactor.SetFocus();
    m_editBeamFactor.SetSel(0, -1);
    return -1;
  }
  if (!m_editColmFactor.GetShownValue(colmFactor)) {
    AfxMessageBox(GMakeMsg("IDS_CMD_PZEF_FACTOR_NOT_NUMBER"));
    m_editColmFactor.SetFocus();
    m_editColmFactor.SetSel(0, -1);
    return -1;
  }
  const T_PZEF_D before = m_pzef;
  m_pzef.beamRigidZone = m_boxBeam.GetCheckState() ? 1 : 0;
  m_pzef.beamForcePos = CDlgUtil::CtrlRadioGetCheck(this, m_beamRadios) + 1;
  m_pzef.beamFactor = beamFactor;
  m_pzef.colmRigidZone = m_boxColm.GetCheckState() ? 1 : 0;
  m_pzef.colmForcePos = CDlgUtil::CtrlRadioGetCheck(this, m_colmRadios) + 1;
  m_pzef.colmFactor = colmFactor;
  return (m_pzef.beamForcePos != before.beamForcePos || m_pzef.beamFactor != before.beamFactor ||
          m_pzef.colmForcePos != before.colmForcePos || m_pzef.colmFactor != before.colmFactor)
             ? 1
             : 0;
}

void CEtcPzefDlg::OnOK() {
  const T_PZEF_D read = m_pzef;
  int changed = DlgVar2Data();
  if (changed < 0) return;
  if (!m_pTable || !m_pTable->TR_Add(m_pzef)) {
    // The record stays as it was read, so the next OK compares against it again.
    m_pzef = read;
    AfxMessageBox(GMakeMsg("IDS_CMD_PZEF_APPLY_ERROR"));
    return;
  }
  if (changed == 1 && m_pDoc) m_pDoc->UpdateAllViews(nullptr, DB_HINT_RIGID_ZONE, nullptr);
  EndDialog(IDOK);
}
