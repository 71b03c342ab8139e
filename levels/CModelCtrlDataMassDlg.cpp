#include "levels/CModelCtrlDataMassDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CModelCtrlDataMassDlg, CDlgChild)

BEGIN_MESSAGE_MAP(CModelCtrlDataMassDlg, CDlgChild)
  ON_BN_CLICKED(IDC_MASS_CONST_LOAD_RADIO, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_CONST_PCT_RADIO, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_A, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_B, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_C, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_D, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_H, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_I, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_J, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_K, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_OPTION_L, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_SELF_WEIGHT, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_PATTERN, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_GRAVITY_REP, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_BN_CLICKED(IDC_MASS_SW_TO_MASS, &CModelCtrlDataMassDlg::ChangeDlgControls)
  ON_CBN_SELCHANGE(IDC_MASS_PATTERN_FROM, &CModelCtrlDataMassDlg::OnChangeStartStory)
  ON_BN_CLICKED(IDC_MASS_SEISMIC_BTN, &CModelCtrlDataMassDlg::OnSeismicShear)
  ON_BN_CLICKED(IDC_MASS_WIND_BTN, &CModelCtrlDataMassDlg::OnWindLoad)
  ON_BN_CLICKED(IDC_MASS_DL_BTN, &CModelCtrlDataMassDlg::OnNothing)
  ON_BN_CLICKED(IDC_MASS_SW_CASE_BTN, &CModelCtrlDataMassDlg::OnNothing)
END_MESSAGE_MAP()

namespace {
const char kAllStories[] = "IDS_WG_CMD_MC_ALL_Floor";

// Each rule of the enabling step: the controls enabled exactly while the check is checked.
struct EnableRule {
  UINT check;
  std::initializer_list<UINT> ids;
};

void SendToMainWnd(UINT nCmd) {
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, nCmd, 0);
}

BOOL ReadValue(const CEditUnit& edit, double& v) {
  if (edit.GetShownValue(v)) return TRUE;
  AfxMessageBox(GMakeMsg("IDS_CMD_MC_ERROR_Value_Not_Number"));
  CEditUnit& e = const_cast<CEditUnit&>(edit);
  e.SetFocus();
  e.SetSel(0, -1);
  return FALSE;
}
}  // namespace

void CCobxStorAllFirst::FillItems(CDBDoc& doc, Items& items) {
  CCobxStor::FillItems(doc, items);
  items.insert(items.begin(), {0u, CString(CMsgDll::pfuncLoadStr(kAllStories, 0))});
}

CModelCtrlDataMassDlg::CModelCtrlDataMassDlg(CWnd* pParent) : CDlgChild(IDD_CMD_MC_MASS, pParent) {}

CClassMctl* CModelCtrlDataMassDlg::GetClassPtr() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID)) : nullptr;
}

void CModelCtrlDataMassDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MASS_DL, m_lcDead);
  DDX_Control(pDX, IDC_MASS_LL, m_lcLive);
  DDX_Control(pDX, IDC_MASS_SW_CASE, m_lcSelfWeight);
  DDX_Control(pDX, IDC_MASS_PATTERN_FROM, m_cobxFrom);
  DDX_Control(pDX, IDC_MASS_PATTERN_TO, m_cobxTo);
  DDX_Control(pDX, IDC_MASS_PATTERN_COLUMNS, m_cobxColumns);
  DDX_Control(pDX, IDC_MASS_SW2MASS_COMBO, m_cobxSW2Mass);
  DDX_Control(pDX, IDC_MASS_CONST_LOAD, m_editConstLoad);
  DDX_Control(pDX, IDC_MASS_CONST_LOAD_UNIT, m_textConstLoad);
  DDX_Control(pDX, IDC_MASS_CONST_PCT, m_editConstPercent);
  DDX_Control(pDX, IDC_MASS_SW_FACTOR, m_editSWFactor);
  DDX_Control(pDX, IDC_MASS_REP_DL, m_editRepDL);
  DDX_Control(pDX, IDC_MASS_REP_LL, m_editRepLL);
}

BOOL CModelCtrlDataMassDlg::OnInitDialog() {
  CDlgChild::OnInitDialog();
  InitCtrl();
  Data2Dlg();
  return TRUE;
}

void CModelCtrlDataMassDlg::InitCtrl() {
  SetUnitType();
  SetInitComboes();
}

void CModelCtrlDataMassDlg::SetUnitType() {
  for (CEditUnit* e : {&m_editConstPercent, &m_editRepDL, &m_editRepLL, &m_editSWFactor}) e->SetUnitType(UNIT_NONE);
  m_editConstLoad.SetUnitType(T_MCTL_LOAD_MASS::unit[0]);
  m_textConstLoad.SetUnitType(T_MCTL_LOAD_MASS::unit[0]);
}

void CModelCtrlDataMassDlg::SetInitComboes() {
  SetLoadCombo();
  SetStartLevelCombo();
  SetClmnCombo();
  SetSW2MassCombo();
}

void CModelCtrlDataMassDlg::SetLoadCombo() {
  for (CSelectLC* lc : {&m_lcDead, &m_lcLive, &m_lcSelfWeight}) lc->SetLoadType(1, 0, 1, 0);
}

void CModelCtrlDataMassDlg::SetStartLevelCombo() { m_cobxFrom.SetReverseOrder(TRUE); }

void CModelCtrlDataMassDlg::SetClmnCombo() {
  m_cobxColumns.ResetContent();
  m_cobxColumns.AddString(CMsgDll::pfuncLoadStr("IDS_CMD_MC_Struct_Include_Pillar", 0));
  m_cobxColumns.AddString(CMsgDll::pfuncLoadStr("IDS_CMD_MC_Struct_exclude_pillar", 0));
}

void CModelCtrlDataMassDlg::SetSW2MassCombo() {
  m_cobxSW2Mass.ResetContent();
  m_cobxSW2Mass.AddString(CMsgDll::pfuncLoadStr("IDS_CMD_MC_Struct_Only_supremacy", 0));
  m_cobxSW2Mass.AddString(CMsgDll::pfuncLoadStr("IDS_CMD_MC_Struct_supremacy_and_UnderGround", 0));
}

void CModelCtrlDataMassDlg::SetEndStoryCmb() {
  m_cobxTo.ResetContent();
  UINT start = 0;
  if (m_cobxFrom.GetCurSel() < 0 || !m_cobxFrom.GetSelectedStor(start)) return;
  if (start == 0) {
    m_cobxTo.SetCurSel(m_cobxTo.AddString(CMsgDll::pfuncLoadStr(kAllStories, 0)));
    m_cobxTo.SetItemData(0, 0);
    return;
  }
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  auto* stor = db ? static_cast<CClassStor*>(db->GetClass(CClassStor::m_nClassID)) : nullptr;
  auto* mdul = db ? static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID)) : nullptr;
  T_STOR_D startRec;
  if (!stor || !mdul || !stor->Get(start, startRec)) return;
  CUIntArray keys;
  CArray<T_STOR_D> recs;
  if (startRec.mdulKey == CClassMdul::MAIN_TOWER) stor->GetList(keys, recs);
  else stor->GetList(keys, recs, startRec.mdulKey);
  const BOOL severalTowers = mdul->GetCount() > 1;
  BOOL from = FALSE;
  for (int i = 0; i < keys.GetSize(); ++i) {
    if (keys[i] == start) from = TRUE;
    if (!from) continue;
    CString text = recs[i].name;
    T_MDUL_D tower;
    if (severalTowers && mdul->Get(recs[i].mdulKey, tower)) text.Format("%s:%s", tower.name.c_str(), recs[i].name.c_str());
    int at = m_cobxTo.InsertString(0, text);
    if (at >= 0) m_cobxTo.SetItemData(at, keys[i]);
  }
}

void CModelCtrlDataMassDlg::OnChangeStartStory() {
  SetEndStoryCmb();
  ChangeDlgControls();
}

void CModelCtrlDataMassDlg::ChangeDlgControls() {
  auto on = [this](UINT id) { return IsDlgButtonChecked((int)id) != 0; };
  CDlgUtil::CtrlEnableDisable(this, {IDC_MASS_CONST_LOAD_RADIO, IDC_MASS_CONST_PCT_RADIO}, TRUE);
  const EnableRule rules[] = {
      {IDC_MASS_CONST_PCT_RADIO, {IDC_MASS_CONST_PCT, IDC_MASS_CONST_PCT_LABEL}},
      {IDC_MASS_CONST_LOAD_RADIO, {IDC_MASS_CONST_LOAD, IDC_MASS_CONST_LOAD_UNIT}},
      {IDC_MASS_SELF_WEIGHT,
       {IDC_MASS_SW_CASE_LABEL, IDC_MASS_SW_FACTOR_LABEL, IDC_MASS_SW_CASE_BTN, IDC_MASS_SW_FACTOR, IDC_MASS_SW_CASE}},
      {IDC_MASS_PATTERN, {IDC_MASS_PATTERN_FROM, IDC_MASS_PATTERN_COLUMNS, IDC_MASS_PATTERN_LABEL}},
      {IDC_MASS_GRAVITY_REP,
       {IDC_MASS_REP_DL_LABEL, IDC_MASS_REP_LL_LABEL, IDC_MASS_SW_TO_MASS_LABEL, IDC_MASS_REP_DL, IDC_MASS_REP_LL}},
      {IDC_MASS_SW_TO_MASS, {IDC_MASS_ABOVE_GROUND, IDC_MASS_BELOW_GROUND}},
  };
  for (const EnableRule& r : rules) CDlgUtil::CtrlEnableDisable(this, r.ids, on(r.check));
  CDlgUtil::CtrlEnableDisable(this, {IDC_MASS_PATTERN_TO}, on(IDC_MASS_PATTERN) && m_cobxFrom.GetCurSel() > 0);
}

int CModelCtrlDataMassDlg::Data2Dlg() {
  if (!m_pLoadMass) return 0;
  const T_MCTL_LOAD_MASS& g = *m_pLoadMass;
  m_lcDead.ChangeSelect(CSelectLCBase::LC_STATIC, g.dlCase, 0);
  m_lcLive.ChangeSelect(CSelectLCBase::LC_STATIC, g.llCase, 0);
  m_lcSelfWeight.ChangeSelect(CSelectLCBase::LC_STATIC, g.selfWeightCase, 0);
  CheckDlgButton(IDC_MASS_CONST_LOAD_RADIO, g.constLiveMode == 0 ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MASS_CONST_PCT_RADIO, g.constLiveMode == 1 ? BST_CHECKED : BST_UNCHECKED);
  m_editConstLoad.SetEditUnit(g.constLiveLoad);
  m_editConstPercent.SetEditUnit(g.constLivePercent);
  CheckDlgButton(IDC_MASS_SELF_WEIGHT, g.selfWeight ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MASS_AUTO_SLAB, g.autoSlabWeight ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MASS_PATTERN, g.patternLive ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_MASS_GRAVITY_REP, g.gravityRep ? BST_CHECKED : BST_UNCHECKED);
  m_editSWFactor.SetEditUnit(g.selfWeightFactor);
  m_editRepDL.SetEditUnit(g.gravityRepDlFactor);
  m_editRepLL.SetEditUnit(g.gravityRepLlFactor);
  m_cobxColumns.SetCurSel(g.patternColumns);
  m_cobxFrom.ChangeSelect(g.patternFromStory);
  SetEndStoryCmb();
  CDlgUtil::CobxSetCurSelItemData(&m_cobxTo, g.patternToStory);
  CheckDlgButton(IDC_MASS_SW_TO_MASS, g.selfWeightToMass != 0 ? BST_CHECKED : BST_UNCHECKED);
  if (g.selfWeightToMass != 0) {
    CheckDlgButton(IDC_MASS_ABOVE_GROUND, g.selfWeightToMass == 1 ? BST_CHECKED : BST_UNCHECKED);
    CheckDlgButton(IDC_MASS_BELOW_GROUND, g.selfWeightToMass == 2 ? BST_CHECKED : BST_UNCHECKED);
  }
  ChangeDlgControls();
  return 1;
}

int CModelCtrlDataMassDlg::Dlg2Data() {
  if (!m_pLoadMass) return 0;
  double constLoad = 0, constPercent = 0, swFactor = 0, repDL = 0, repLL = 0;
  if (!ReadValue(m_editConstLoad, constLoad) || !ReadValue(m_editConstPercent, constPercent) ||
      !ReadValue(m_editSWFactor, swFactor) || !ReadValue(m_editRepDL, repDL) || !ReadValue(m_editRepLL, repLL))
    return 0;
  T_MCTL_LOAD_MASS& g = *m_pLoadMass;
  int kind = 0;
  m_lcDead.GetSelectedLoad(kind, g.dlCase);
  m_lcLive.GetSelectedLoad(kind, g.llCase);
  m_lcSelfWeight.GetSelectedLoad(kind, g.selfWeightCase);
  if (IsDlgButtonChecked(IDC_MASS_CONST_LOAD_RADIO)) g.constLiveMode = 0;
  else if (IsDlgButtonChecked(IDC_MASS_CONST_PCT_RADIO)) g.constLiveMode = 1;
  g.constLiveLoad = constLoad;
  g.constLivePercent = constPercent;
  g.selfWeight = IsDlgButtonChecked(IDC_MASS_SELF_WEIGHT) ? 1 : 0;
  g.selfWeightFactor = swFactor;
  g.autoSlabWeight = IsDlgButtonChecked(IDC_MASS_AUTO_SLAB) ? 1 : 0;
  g.patternLive = IsDlgButtonChecked(IDC_MASS_PATTERN) ? 1 : 0;
  g.gravityRep = IsDlgButtonChecked(IDC_MASS_GRAVITY_REP) ? 1 : 0;
  g.gravityRepDlFactor = repDL;
  g.gravityRepLlFactor = repLL;
  if (m_cobxColumns.GetCurSel() >= 0) g.patternColumns = m_cobxColumns.GetCurSel();
  m_cobxFrom.GetSelectedStor(g.patternFromStory);
  g.patternToStory = (UINT)CDlgUtil::CobxGetItemDataByCurSel(&m_cobxTo, 0);
  if (!IsDlgButtonChecked(IDC_MASS_SW_TO_MASS)) g.selfWeightToMass = 0;
  else g.selfWeightToMass = IsDlgButtonChecked(IDC_MASS_ABOVE_GROUND) ? 1 : 2;
  return 1;
}

void CModelCtrlDataMassDlg::OnWindLoad() { SendToMainWnd(CMD_WIND_LOAD); }

void CModelCtrlDataMassDlg::OnSeismicShear() { SendToMainWnd(CMD_SEISMIC_SHEAR); }
