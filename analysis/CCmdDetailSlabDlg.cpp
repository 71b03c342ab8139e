#include "analysis/CCmdDetailSlabDlg.h"

#include <cmath>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "db/CClassLcug.h"
#include "db/CClassLdct.h"
#include "db/CDBDoc.h"
#include "db/CDataDasb.h"
#include "db/CUnitCtrl.h"
#include "frame/CCmdDynModule.h"
#include "res/resource.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCmdDetailSlabDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdDetailSlabDlg, CDlgMove)
  ON_CBN_SELCHANGE(IDC_DASB_STORY, &CCmdDetailSlabDlg::OnChangeStoryCmb)
  ON_BN_CLICKED(IDC_DASB_PUNCHING, &CCmdDetailSlabDlg::OnPunchingChk)
END_MESSAGE_MAP()

namespace {

template <class Table>
Table* ModelTable() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<Table*>(db->GetClass(Table::m_nClassID)) : nullptr;
}

void Enable(CWnd* pDlg, int id, BOOL bEnable) {
  if (CWnd* w = pDlg->GetDlgItem(id)) w->EnableWindow(bEnable);
}

}  // namespace

CCmdDetailSlabDlg::CCmdDetailSlabDlg(CWnd* pParent) : CDlgMove(IDD_CMD_DETAIL_SLAB, pParent) { m_dasb.Initialize(); }

void CCmdDetailSlabDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_DASB_MESH_UNIT, m_textMeshUnit);
  DDX_Control(pDX, IDC_DASB_MESH, m_editMesh);
  DDX_Control(pDX, IDC_DASB_STORY, m_cobxStor);
  DDX_Check(pDX, IDC_DASB_HORZ_SEISMIC, m_nHorzSeismic);
  DDX_Check(pDX, IDC_DASB_DLLL_DISP, m_nDlLlDisplacement);
  DDX_Check(pDX, IDC_DASB_VERT_SEISMIC, m_nVertSeismic);
  DDX_Check(pDX, IDC_DASB_WIND, m_nWind);
  DDX_Check(pDX, IDC_DASB_CIVIL_AIR, m_nCivilAirDefence);
  DDX_Check(pDX, IDC_DASB_LONG_TERM, m_nLongTermDeflection);
  DDX_Check(pDX, IDC_DASB_PUNCHING, m_nPunchingCheck);
}

BOOL CCmdDetailSlabDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  // The size is handed over in the current units: the label names the current length unit.
  m_textMeshUnit.SetUnitType(UNIT_LENGTH);
  // Dead and live load are always included.
  CheckDlgButton(IDC_DASB_DEAD, BST_CHECKED);
  CheckDlgButton(IDC_DASB_LIVE, BST_CHECKED);

  m_cobxStor.SortByModule(TRUE, 0);
  m_cobxStor.ExceptEmptyStory(TRUE, 0);
  m_cobxStor.ExceptBaseStory();
  m_cobxStor.IncludePlanName(TRUE);
  if (m_cobxStor.GetCount() > 1) m_cobxStor.SetCurSel(1);

  Data2Dlg();
  EnableLateralLoads();
  EnableInbangLoads();
  return TRUE;
}

void CCmdDetailSlabDlg::Data2Dlg() {
  m_editMesh.SetEditUnit(m_dasb.meshSize);
  m_nWind = m_dasb.wind;
  m_nHorzSeismic = m_dasb.horzSeismic;
  m_nVertSeismic = m_dasb.vertSeismic;
  m_nCivilAirDefence = m_dasb.civilAirDefence;
  m_nLongTermDeflection = m_dasb.longTermDeflection;
  m_nPunchingCheck = m_dasb.punchingCheck;
  m_nDlLlDisplacement = 0;
  m_nDeadLoad = 1;
  m_nLiveLoad = 1;
  UpdateData(FALSE);
  OnPunchingChk();
}

void CCmdDetailSlabDlg::EnableLateralLoads() {
  T_LDCT_D ldct;
  ldct.Initialize();
  if (CClassLdct* table = ModelTable<CClassLdct>()) table->Get(ldct);
  if (ldct.wind == 0) {
    Enable(this, IDC_DASB_WIND, FALSE);
    m_nWind = 0;
  }
  if (ldct.seismic == 0) {
    Enable(this, IDC_DASB_HORZ_SEISMIC, FALSE);
    Enable(this, IDC_DASB_VERT_SEISMIC, FALSE);
    m_nHorzSeismic = 0;
    m_nVertSeismic = 0;
  }
  UpdateData(FALSE);
}

void CCmdDetailSlabDlg::EnableInbangLoads() {
  // What the user set in the other boxes stays.
  UpdateData(TRUE);
  T_LCUG_D lcug;
  UINT upper = 0, lower = 0;
  CClassLcug* table = ModelTable<CClassLcug>();
  if (!table || !table->Get(lcug)) lcug.Initialize();
  if (table) {
    upper = table->GetUpperInbangSlabStoryKey();
    lower = table->GetLowerInbangSlabStoryKey();
  }
  UINT story = 0;
  if (!m_cobxStor.GetSelectedStor(story)) story = 0;
  const BOOL enable = lcug.flag != 0 && story != 0 && (story == upper || story == lower);
  Enable(this, IDC_DASB_CIVIL_AIR, enable);
  if (!enable) {
    m_nCivilAirDefence = 0;
    UpdateData(FALSE);
  }
}

void CCmdDetailSlabDlg::OnChangeStoryCmb() { EnableInbangLoads(); }

void CCmdDetailSlabDlg::OnPunchingChk() {
  UpdateData(TRUE);
  if (m_nPunchingCheck) {
    m_nDlLlDisplacement = 0;
    Enable(this, IDC_DASB_DLLL_DISP, FALSE);
  } else {
    Enable(this, IDC_DASB_DLLL_DISP, TRUE);
  }
  UpdateData(FALSE);
}

BOOL CCmdDetailSlabDlg::Dlg2Data() {
  double mesh = 0.0;
  if (!m_editMesh.GetShownValue(mesh) || !std::isfinite(mesh) || mesh <= 0.0) {
    AfxMessageBox(GMakeMsg("IDS_CMD_DASB_MESH_SIZE"));
    m_editMesh.SetFocus();
    m_editMesh.SetSel(0, -1);
    return FALSE;
  }
  UpdateData(TRUE);
  m_dasb.meshSize = mesh;
  m_dasb.wind = m_nWind;
  m_dasb.horzSeismic = m_nHorzSeismic;
  m_dasb.vertSeismic = m_nVertSeismic;
  m_dasb.civilAirDefence = m_nCivilAirDefence;
  m_dasb.dlLlDisplacement = m_nDlLlDisplacement;
  m_dasb.longTermDeflection = m_nLongTermDeflection;
  m_dasb.punchingCheck = m_nPunchingCheck;
  m_dasb.deadLoad = 1;
  m_dasb.liveLoad = 1;
  return TRUE;
}

void CCmdDetailSlabDlg::OnOK() {
  UINT story = 0;
  if (!m_cobxStor.GetSelectedStor(story) || story == 0) {
    AfxMessageBox(GMakeMsg("IDS_CMD_DASB_NO_STORY"));
    m_cobxStor.SetFocus();
    return;
  }
  if (!Dlg2Data()) return;
  CCmdDynModule* module = GetCmdDynModule();
  if (!module) return;
  CDataDasb dasb;
  dasb.m_nKey = story;
  dasb.m_Data = m_dasb;
  module->SetDasb(&dasb);
  CDlgMove::OnOK();
  if (CWnd* main = AfxGetMainWnd()) main->PostMessage(WM_COMMAND, CMD_RUN_DETAIL_SLAB, 0);
}
