#include "levels/CCmdPlanStoryDlgPlan.h"

#include <cstring>
#include "afx/AfxMessageBox.h"
#include "afx/CComboBox.h"
#include "afx/CDataExchange.h"
#include "common/CmdGridRows.h"
#include "common/CmdPropertySheet.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/DBField.h"
#include "db/DB_CDataBase.h"
#include "levels/CCmdPlanNameGrid.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgPlan, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgPlan, CDlgChild)
  ON_BN_CLICKED(IDC_PSD_PLAN_ADD, &CCmdPlanStoryDlgPlan::OnCmdAddBtn)
  ON_BN_CLICKED(IDC_PSD_PLAN_EDIT, &CCmdPlanStoryDlgPlan::OnCmdModifyBtn)
  ON_BN_CLICKED(IDC_PSD_PLAN_DELETE, &CCmdPlanStoryDlgPlan::OnCmdDeleteBtn)
  ON_BN_CLICKED(IDC_PSD_PLAN_MATL, &CCmdPlanStoryDlgPlan::OnCmdMatlBtn)
  ON_BN_CLICKED(IDC_PSD_PLAN_USE_MESH, &CCmdPlanStoryDlgPlan::ChangeDlgControls)
  ON_CBN_SELCHANGE(IDC_PSD_PLAN_SLAB, &CCmdPlanStoryDlgPlan::ChangeDlgControls)
END_MESSAGE_MAP()

namespace {

struct Item {
  int code;
  const char* key;
};
const Item kWall[] = {{1, "IDS_WG_CMD_IP_STORYDLG_CBX_Membrane"},
                      {2, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate"},
                      {3, "IDS_WG_CMD_IP_STORYDLG_CBX_Meshed_Memrane"},
                      {4, "IDS_WG_CMD_IP_STORYDLG_CBX_Meshed_Plate"}};
const Item kSlab[] = {{2, "IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm"},
                      {3, "IDS_WG_CMD_IP_STORYDLG_CBX_Membrane"},
                      {4, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate"},
                      {5, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate_Bending"}};
const Item kLoad[] = {{1, "IDS_WG_CMD_IP_STORYDLG_CBX_Load_Distribution"},
                      {2, "IDS_WG_CMD_IP_STORYDLG_CBX_Floor_Analysis"}};
const UINT kFactorIds[3] = {IDC_PSD_PLAN_FACTOR1, IDC_PSD_PLAN_FACTOR2, IDC_PSD_PLAN_FACTOR3};
const UINT kMatlIds[5][2] = {{IDC_PSD_PLAN_COLM_MATL, IDC_PSD_PLAN_COLM_MATL_CBX},
                             {IDC_PSD_PLAN_BEAM_MATL, IDC_PSD_PLAN_BEAM_MATL_CBX},
                             {IDC_PSD_PLAN_SLAB_MATL, IDC_PSD_PLAN_SLAB_MATL_CBX},
                             {IDC_PSD_PLAN_WALL_MATL, IDC_PSD_PLAN_WALL_MATL_CBX},
                             {IDC_PSD_PLAN_BRACE_MATL, IDC_PSD_PLAN_BRACE_MATL_CBX}};

template <size_t N>
void Fill(CWnd* page, UINT id, const Item (&items)[N]) {
  auto* c = static_cast<CComboBox*>(page->GetDlgItem(id));
  if (!c) return;
  c->ResetContent();
  for (const Item& i : items) CDlgUtil::CobxAddItem(c, CMsgDll::pfuncLoadStr(i.key, 0), (DWORD_PTR)i.code);
}

CComboBox* Combo(CWnd* page, UINT id) { return static_cast<CComboBox*>(page->GetDlgItem(id)); }

int MeshUnitKind() {
  const DB_CFlatField* f = DB_FindField(T_PLAN_D::Desc(), "meshSize");
  return f ? f->unitKind : 0;
}

bool IsDiaphragm(int slabType) { return slabType == 1 || slabType == 2; }

}  // namespace

CCmdPlanStoryDlgPlan::CCmdPlanStoryDlgPlan(CWnd* pParent) : CDlgChild(IDD_CMD_PLANSTORY_PLAN, pParent) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  m_pPlan = db ? static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID)) : nullptr;
  m_rec.Initialize();
}

CCmdPlanStoryDlgPlan::~CCmdPlanStoryDlgPlan() = default;

int CCmdPlanStoryDlgPlan::SetInitPlankey(UINT key) {
  m_nCurKey = key;
  return 1;
}

void CCmdPlanStoryDlgPlan::TerminateGridEditing() {
  if (m_pGrid) m_pGrid->OnTerminate(2);
}

void CCmdPlanStoryDlgPlan::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  for (int i = 0; i < 3; ++i) DDX_Control(pDX, (int)kFactorIds[i], m_editFactor[i]);
  DDX_Control(pDX, IDC_PSD_PLAN_MESH, m_editMesh);
  DDX_Control(pDX, IDC_PSD_PLAN_MESH_UNIT, m_textMeshUnit);
  for (int i = 0; i < 5; ++i) {
    DDX_Control(pDX, (int)kMatlIds[i][0], m_editMatl[i]);
    DDX_Control(pDX, (int)kMatlIds[i][1], m_cobxMatl[i]);
  }
}

BOOL CCmdPlanStoryDlgPlan::OnInitDialog() {
  CDlgChild::OnInitDialog();
  InitCtrl();
  T_PLAN_D rec;
  if (m_nCurKey == 0 && m_pPlan && m_pPlan->GetCount() > 0) {
    CUIntArray keys;
    m_pPlan->GetKeyList(keys);
    m_nCurKey = keys[0];
    m_pPlan->Get(m_nCurKey, m_rec);
    m_rec.property = 0;
  } else if (m_nCurKey && m_pPlan && m_pPlan->Get(m_nCurKey, rec)) {
    m_pGrid->SelectRowByKey(m_nCurKey);
    m_rec = rec;
  } else {
    m_rec.Initialize();
    m_rec.property = 0;
  }
  Data2Dlg();
  return TRUE;
}

void CCmdPlanStoryDlgPlan::InitCtrl() {
  m_pGrid = std::make_unique<CCmdPlanNameGrid>();
  m_pGrid->SubclassDlgItem(IDC_PSD_PLAN_GRID, this);
  m_pGrid->InitGrid(this);
  Fill(this, IDC_PSD_PLAN_WALL, kWall);
  Fill(this, IDC_PSD_PLAN_SLAB, kSlab);
  Fill(this, IDC_PSD_PLAN_LOAD, kLoad);
  CDlgUtil::CobxSetCurSelItemData(Combo(this, IDC_PSD_PLAN_SLAB), 2);
  for (CEditUnit& e : m_editFactor) e.SetUnitType(0);
  m_editMesh.SetUnitType(MeshUnitKind());
  m_textMeshUnit.SetUnitType(MeshUnitKind());
  for (int i = 0; i < 5; ++i) {
    m_editMatl[i].SetComboBoxPoint(&m_cobxMatl[i]);
    m_cobxMatl[i].SetEditBoxPoint(&m_editMatl[i]);
    m_cobxMatl[i].EnableUndefined(TRUE);
  }
}

// ---- controls and record ------------------------------------------------------------------

void CCmdPlanStoryDlgPlan::Data2Dlg() {
  SetDlgItemText(IDC_PSD_PLAN_NAME, m_rec.name);
  SetDlgItemText(IDC_PSD_PLAN_SUFFIX, m_strSuffix);
  CDlgUtil::CobxSetCurSelItemData(Combo(this, IDC_PSD_PLAN_WALL), (DWORD_PTR)m_rec.wallType);
  CDlgUtil::CobxSetCurSelItemData(Combo(this, IDC_PSD_PLAN_SLAB), (DWORD_PTR)m_rec.slabType);
  CDlgUtil::CobxSetCurSelItemData(Combo(this, IDC_PSD_PLAN_LOAD), (DWORD_PTR)m_rec.loadType);
  for (int i = 0; i < 3; ++i) m_editFactor[i].SetEditUnit(m_rec.stiffFactors[i]);
  CheckDlgButton(IDC_PSD_PLAN_USE_MESH, m_rec.useMctlMeshSize ? 1 : 0);
  T_PLAN_D fresh;
  fresh.Initialize();
  m_editMesh.SetEditUnit(m_rec.useMctlMeshSize ? fresh.meshSize : m_rec.meshSize);
  ChangeDlgControls();
}

int CCmdPlanStoryDlgPlan::Dlg2Data() {
  m_rec.Initialize();
  CString name;
  GetDlgItemText(IDC_PSD_PLAN_NAME, name);
  name.Trim();
  m_rec.name = name;
  GetDlgItemText(IDC_PSD_PLAN_SUFFIX, m_strSuffix);
  m_rec.wallType = (int)CDlgUtil::CobxGetItemDataByCurSel(Combo(this, IDC_PSD_PLAN_WALL), (DWORD_PTR)m_rec.wallType);
  m_rec.slabType = (int)CDlgUtil::CobxGetItemDataByCurSel(Combo(this, IDC_PSD_PLAN_SLAB), (DWORD_PTR)m_rec.slabType);
  m_rec.loadType = (int)CDlgUtil::CobxGetItemDataByCurSel(Combo(this, IDC_PSD_PLAN_LOAD), 0);
  if (!IsDiaphragm(m_rec.slabType)) {
    for (int i = 0; i < 3; ++i) {
      double v = 0;
      if (m_editFactor[i].GetShownValue(v)) m_rec.stiffFactors[i] = v;
    }
    m_rec.useMctlMeshSize = IsDlgButtonChecked(IDC_PSD_PLAN_USE_MESH) ? 1 : 0;
    double mesh = 0;
    if (m_editMesh.GetShownValue(mesh)) m_rec.meshSize = mesh;
  }
  std::memset(m_rec.reserved, 0, sizeof m_rec.reserved);
  m_rec.property = 0;
  return 1;
}

void CCmdPlanStoryDlgPlan::ChangeDlgControls() {
  const int s = (int)CDlgUtil::CobxGetItemDataByCurSel(Combo(this, IDC_PSD_PLAN_SLAB), 0);
  CComboBox* load = Combo(this, IDC_PSD_PLAN_LOAD);
  if (s >= 1 && s <= 3) {
    if (m_rec.loadType != 1 && m_rec.loadType != 2) m_rec.loadType = 1;
    CDlgUtil::CobxSetCurSelItemData(load, (DWORD_PTR)m_rec.loadType);
    CDlgUtil::CtrlEnableDisable(this, {IDC_PSD_PLAN_LOAD, IDC_PSD_PLAN_LOAD_LABEL}, TRUE);
  } else if (s == 4 || s == 5) {
    if (load) load->SetCurSel(-1);
    CDlgUtil::CtrlEnableDisable(this, {IDC_PSD_PLAN_LOAD, IDC_PSD_PLAN_LOAD_LABEL}, FALSE);
  }
  CDlgUtil::CtrlShowHide(this, {IDC_PSD_PLAN_LOAD, IDC_PSD_PLAN_LOAD_LABEL}, FALSE);
  const BOOL groups = !IsDiaphragm(s);
  CDlgUtil::CtrlEnableDisableByRect(this, IDC_PSD_PLAN_FACTOR_GROUP, groups, TRUE);
  CDlgUtil::CtrlEnableDisableByRect(this, IDC_PSD_PLAN_MESH_GROUP, groups, TRUE);
  if (groups) {
    const BOOL own = !IsDlgButtonChecked(IDC_PSD_PLAN_USE_MESH);
    CDlgUtil::CtrlEnableDisable(this, {IDC_PSD_PLAN_MESH, IDC_PSD_PLAN_MESH_UNIT, IDC_PSD_PLAN_MESH_CAPTION}, own);
  }
}

void CCmdPlanStoryDlgPlan::ClearSuffix() {
  SetDlgItemText(IDC_PSD_PLAN_SUFFIX, "");
  m_strSuffix.Empty();
}

void CCmdPlanStoryDlgPlan::TellNotWritten() { AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_PLAN_NOT_WRITTEN", 0)); }

// ---- buttons ------------------------------------------------------------------------------

void CCmdPlanStoryDlgPlan::OnCmdAddBtn() {
  if (!m_pPlan) return;
  Dlg2Data();
  BOOL ok = FALSE;
  if (m_strSuffix.IsEmpty()) {
    ok = m_pPlan->TR_Add(m_rec);
  } else {
    CUIntArray numbers;
    if (!CStringParser::ParsingListByTo(m_strSuffix, numbers)) {
      AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid", 0));
      return;
    }
    CArray<T_PLAN_D> recs;
    for (UINT n : numbers) {
      T_PLAN_D r = m_rec;
      r.name.Format("%s%d", m_rec.name.c_str(), (int)n);
      r.name.Trim();
      recs.Add(r);
    }
    ok = m_pPlan->TR_Add(recs);
  }
  if (!ok) {
    TellNotWritten();
    return;
  }
  ClearSuffix();
}

void CCmdPlanStoryDlgPlan::OnCmdModifyBtn() {
  if (!m_pPlan || !m_pGrid) return;
  Dlg2Data();
  UINT key = 0;
  if (!GetCurrentRowNumber(*m_pGrid, &key) || !key) return;
  T_PLAN_D rec = m_rec, stored;
  if (m_pPlan->Get(key, stored)) {
    // What the page does not show, or shows disabled, keeps its stored value.
    std::memcpy(rec.reserved, stored.reserved, sizeof rec.reserved);
    rec.property = stored.property;
    if (IsDiaphragm(rec.slabType)) {
      for (int i = 0; i < 3; ++i) rec.stiffFactors[i] = stored.stiffFactors[i];
      rec.useMctlMeshSize = stored.useMctlMeshSize;
      rec.meshSize = stored.meshSize;
    } else if (rec.useMctlMeshSize) {
      rec.meshSize = stored.meshSize;
    }
  }
  if (!m_pPlan->TR_Modify(key, rec)) {
    TellNotWritten();
    return;
  }
  m_pGrid->SelectRowByKey(key);
  ClearSuffix();
}

void CCmdPlanStoryDlgPlan::OnCmdDeleteBtn() {
  if (!m_pGrid) return;
  CUIntArray rows;
  m_pGrid->GetSelectedRows(rows);
  if (!rows.IsEmpty() && rows[0] == 0) rows.RemoveAt(0);
  if (!rows.IsEmpty() && m_pGrid->IsAppendRow(rows[rows.GetUpperBound()])) rows.RemoveAt(rows.GetUpperBound());
  if (!rows.IsEmpty()) {
    m_pGrid->DeleteRecords(rows);
    return;
  }
  ROWCOL r = 0, c = 0;
  if (!m_pGrid->GetCurrentCell(r, c) || r == 0 || m_pGrid->IsAppendRow(r)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD__Error___No_selected_Plan_Name_", 0));
    return;
  }
  m_pGrid->DeleteRecord(r);
  ClearSuffix();
}

void CCmdPlanStoryDlgPlan::OnCmdMatlBtn() { CmdOpenPropertySheet(); }

// ---- following the list and the table -------------------------------------------------------

void CCmdPlanStoryDlgPlan::ShowPlanData(UINT key) {
  ClearSuffix();
  if (m_bLoaded && key == m_nCurKey) return;
  m_bLoaded = TRUE;
  m_nCurKey = key;
  if (m_pPlan) m_pPlan->Get(key, m_rec);
  Data2Dlg();
}

void CCmdPlanStoryDlgPlan::OnDBUpdate(const DB_CDataBase& db) {
  if (!m_hWnd || !m_pGrid) return;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    if (u->m_nClassID != CClassPlan::m_nClassID) continue;
    m_pGrid->RefillGrid();
    if (m_nCurKey) m_pGrid->SelectRowByKey(m_nCurKey);
    return;
  }
}
