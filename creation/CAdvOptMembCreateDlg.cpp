#include "creation/CAdvOptMembCreateDlg.h"

#include <cstring>

#include "afx/CDataExchange.h"
#include "afx/CStatic.h"
#include "afx/CWinApp.h"
#include "creation/CAdvancedOptionDlg_MembCreate.h"
#include "db/CClassPlan.h"
#include "db/CClassSect.h"
#include "db/CDBDoc.h"
#include "db/CDBLib.h"
#include "db/CIntsDlg.h"
#include "db/CToleranceDlg.h"
#include "db/DB_CDataBase.h"
#include "levels/CCmdPlanSelectDlg.h"
#include "properties/CCMSectInfo.h"
#include "creation/AdvOptIds.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CAdvOptMembCreateDlg, CInternationalDlg)

BEGIN_MESSAGE_MAP(CAdvOptMembCreateDlg, CInternationalDlg)
  ON_REGISTERED_MESSAGE(CAdvancedOptionDlgBase::WM_ADVOPT_DLG_CHANGE_DATA, &CAdvOptMembCreateDlg::OnChangeData)
  ON_REGISTERED_MESSAGE(CAdvancedOptionDlg_MembCreate::WM_ADVOPTDLG_UPDATE_NAMECOMBO,
                        &CAdvOptMembCreateDlg::OnUpdateNameCombo)
  ON_BN_CLICKED(IDC_ADVOPT_NAME_CHECK, &CAdvOptMembCreateDlg::OnNameCheck)
  ON_BN_CLICKED(IDC_ADVOPT_NAME_CMD, &CAdvOptMembCreateDlg::OnNameCommand)
  ON_BN_CLICKED(IDC_ADVOPT_TARGET_CUR, &CAdvOptMembCreateDlg::OnTargetRadio)
  ON_BN_CLICKED(IDC_ADVOPT_TARGET_SEL, &CAdvOptMembCreateDlg::OnTargetRadio)
  ON_BN_CLICKED(IDC_ADVOPT_TARGET_ALL, &CAdvOptMembCreateDlg::OnTargetRadio)
  ON_BN_CLICKED(IDC_ADVOPT_PLAN_SELECT, &CAdvOptMembCreateDlg::OnPlanSelect)
  ON_BN_CLICKED(IDC_ADVOPT_MERGE, &CAdvOptMembCreateDlg::OnToleranceBox)
  ON_BN_CLICKED(IDC_ADVOPT_SPLIT, &CAdvOptMembCreateDlg::OnToleranceBox)
  ON_BN_CLICKED(IDC_ADVOPT_MERGE_TOL, &CAdvOptMembCreateDlg::OnMergeTolerance)
  ON_BN_CLICKED(IDC_ADVOPT_SPLIT_INTS, &CAdvOptMembCreateDlg::OnCrossSplits)
  ON_BN_CLICKED(IDC_ADVOPT_CROSS_INTS, &CAdvOptMembCreateDlg::OnCrossSplits)
END_MESSAGE_MAP()

namespace {

// Member type, its name kind, the kind group whose panels know its default name, and
// that default (a text key's resolved text would be quoted; these are plain).
const struct {
  int type;
  int kind;
  const char* group;
  const char* name;
} kKinds[] = {
    {100, 1, "point", "P1"},    {101, 2, "point", "KZ1"},  {200, 4, "line", "LN1"},
    {201, 8, "line", "KL1"},    {202, 16, "line", "LL1"},  {203, 32, "line", "LT1"},
    {204, 64, "line", "TG1"},   {205, 128, "line", "SB1"}, {206, 256, "line", "BR1"},
    {208, 512, "line", "RW1"},  {300, 1024, "area", "AR1"}, {301, 2048, "area", "Q1"},
    {302, 4096, "area", "O1"},
};

constexpr int kBraceType = 206;

// Material kinds 1 to 4 and their texts.
const char* const kMatlKeys[] = {"IDS_TM_MEMB_MATL_RC", "IDS_TM_MEMB_MATL_Steel", "IDS_TM_MEMB_MATL_SRC",
                                 "IDS_TM_MEMB_MATL_UserDefined"};

CString LoadStr(const char* key) {
  const char* s = CMsgDll::pfuncLoadStr ? CMsgDll::pfuncLoadStr(key, 0) : nullptr;
  return s ? CString(s) : CString();
}

// The model's current standard floor and all its standard floors; empty without a model.
CClassPlan* ConnectPlan(CClassPlan& plan) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db && plan.ConnectToDB(db) ? &plan : nullptr;
}

}  // namespace

CAdvOptMembCreateDlg::CAdvOptMembCreateDlg(const Traits& traits)
    : CInternationalDlg(traits.idd, nullptr), m_traits(traits) {
  for (UINT id : {IDC_ADVOPT_TARGET_CUR, IDC_ADVOPT_TARGET_SEL, IDC_ADVOPT_TARGET_ALL}) m_targetIds.Add(id);
  m_opt.nAutoInc = 0;
}

CAdvOptMembCreateDlg::~CAdvOptMembCreateDlg() { delete m_pPicture; }

int CAdvOptMembCreateDlg::KindOfType(int nMembType) {
  for (const auto& k : kKinds)
    if (k.type == nMembType) return k.kind;
  return 0;
}

CString CAdvOptMembCreateDlg::DefaultName(int nKind) const {
  for (const auto& k : kKinds)
    if (k.kind == nKind && std::strcmp(k.group, m_traits.kindGroup) == 0) return CMsgDll::RemoveQuote(k.name);
  return CString();
}

void CAdvOptMembCreateDlg::DoDataExchange(CDataExchange* pDX) {
  CInternationalDlg::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ADVOPT_NAME, m_cobxName);
  DDX_Control(pDX, IDC_ADVOPT_PLAN, m_editPlan);
}

BOOL CAdvOptMembCreateDlg::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  InitNameCombo();
  OnPrepare();
  if (m_traits.trimToGroup) {
    // The panel ends 4 pixels below its tolerance group.
    if (CWnd* group = GetDlgItem((int)m_traits.trimToGroup)) {
      CRect rcGroup, rcSelf;
      group->GetWindowRect(&rcGroup);
      GetWindowRect(&rcSelf);
      SetWindowPos(nullptr, 0, 0, rcSelf.Width(), rcGroup.bottom - rcSelf.top + 4, SWP_NOMOVE | SWP_NOZORDER);
    }
  }
  Data2Dlg();
  return TRUE;
}

void CAdvOptMembCreateDlg::Data2Dlg() {
  CheckDlgButton(IDC_ADVOPT_NAME_CHECK, m_opt.nNameFlag ? BST_CHECKED : BST_UNCHECKED);
  CheckDlgButton(IDC_ADVOPT_NAME_AUTOINC, m_opt.nAutoInc ? BST_CHECKED : BST_UNCHECKED);
  CDlgUtil::CtrlRadioSetCheck(this, m_targetIds, m_opt.nTargetMode);
  ApplyTargetMode();
  switch (m_traits.tolerance) {
    case Tolerance::MergeSplit:
      CheckDlgButton(IDC_ADVOPT_MERGE, m_opt.nMerge ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(IDC_ADVOPT_SPLIT, m_opt.nSplit ? BST_CHECKED : BST_UNCHECKED);
      break;
    case Tolerance::Split:
      CheckDlgButton(IDC_ADVOPT_SPLIT, m_opt.nSplit ? BST_CHECKED : BST_UNCHECKED);
      break;
    case Tolerance::CrossSplit:
      CheckDlgButton(IDC_ADVOPT_CROSS_COL, m_opt.nSplitCol ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(IDC_ADVOPT_CROSS_PT, m_opt.nSplitPt ? BST_CHECKED : BST_UNCHECKED);
      CheckDlgButton(IDC_ADVOPT_CROSS_LINE, m_opt.nSplit ? BST_CHECKED : BST_UNCHECKED);
      break;
  }
  UpdateCtrlState();
}

int CAdvOptMembCreateDlg::Dlg2Data() {
  m_opt.nNameFlag = IsChecked(IDC_ADVOPT_NAME_CHECK) ? 1 : 0;
  CString name;
  m_cobxName.GetWindowText(name);
  name.Trim();
  m_opt.strName = name;
  if (name.IsEmpty()) m_opt.nNameFlag = 0;
  m_opt.nAutoInc = IsChecked(IDC_ADVOPT_NAME_AUTOINC) ? 1 : 0;
  switch (m_traits.tolerance) {
    case Tolerance::MergeSplit:
      m_opt.nMerge = IsChecked(IDC_ADVOPT_MERGE) ? 1 : 0;
      m_opt.nSplit = IsChecked(IDC_ADVOPT_SPLIT) ? 1 : 0;
      break;
    case Tolerance::Split:
      m_opt.nSplit = IsChecked(IDC_ADVOPT_SPLIT) ? 1 : 0;
      break;
    case Tolerance::CrossSplit:
      m_opt.nSplitCol = IsChecked(IDC_ADVOPT_CROSS_COL) ? 1 : 0;
      m_opt.nSplitPt = IsChecked(IDC_ADVOPT_CROSS_PT) ? 1 : 0;
      m_opt.nSplit = IsChecked(IDC_ADVOPT_CROSS_LINE) ? 1 : 0;
      break;
  }
  return 1;
}

void CAdvOptMembCreateDlg::WriteOptions(T_ADVOPT_DLG_COMMON_DATA* common, PARAM_MPROP* prop) {
  Dlg2Data();
  common->strName = m_opt.strName;
  common->nNameFlag = m_opt.nNameFlag;
  common->nOption = m_opt.nConst1;
  switch (m_traits.tolerance) {
    case Tolerance::MergeSplit:
      prop->nMerge = m_opt.nMerge;
      prop->nSplit = m_opt.nSplit;
      break;
    case Tolerance::Split:
      prop->nSplit = m_opt.nSplit;
      break;
    case Tolerance::CrossSplit:
      prop->nSplitCol = m_opt.nSplitCol;
      prop->nSplitPt = m_opt.nSplitPt;
      prop->nSplit = m_opt.nSplit;
      break;
  }
}

void CAdvOptMembCreateDlg::InitNameCombo() {
  if (!m_opt.nMembType) return;
  const int kind = KindOfType(m_opt.nMembType);
  m_cobxName.SetType(kind, 0);
  if (m_cobxName.GetCount() == 0) {
    m_cobxName.ResetContent();
    m_cobxName.AddString(DefaultName(kind));
  }
  m_cobxName.SetCurSel(0);
  m_cobxName.EnableEdit(TRUE);
}

void CAdvOptMembCreateDlg::ApplyTargetMode() {
  m_opt.nTargetMode = CDlgUtil::CtrlRadioGetCheck(this, m_targetIds);
  if (m_opt.nTargetMode < 0) m_opt.nTargetMode = 0;
  CUIntArray keys;
  CClassPlan plan;
  if (CClassPlan* p = ConnectPlan(plan)) {
    if (m_opt.nTargetMode == 2) {
      p->GetKeyList(keys);
    } else if (UINT cur = p->GetCurPlan()) {
      keys.Add(cur);
    }
  }
  m_editPlan.SetMode(m_opt.nTargetMode);
  m_editPlan.SetSelectedKeyList(keys);
}

void CAdvOptMembCreateDlg::ApplyCrossSplitRule() {
  const bool brace = m_opt.nMembType == kBraceType;
  CheckDlgButton(IDC_ADVOPT_CROSS_COL, brace ? BST_UNCHECKED : BST_CHECKED);
  CheckDlgButton(IDC_ADVOPT_CROSS_PT, BST_UNCHECKED);
  CheckDlgButton(IDC_ADVOPT_CROSS_LINE, brace ? BST_UNCHECKED : BST_CHECKED);
  Enable(IDC_ADVOPT_CROSS_PT, brace ? FALSE : TRUE);
  m_nCrossRuleType = m_opt.nMembType;
}

void CAdvOptMembCreateDlg::Enable(int id, BOOL enable) {
  if (CWnd* w = GetDlgItem(id)) w->EnableWindow(enable);
}

void CAdvOptMembCreateDlg::UpdateCtrlState() {
  if (!m_traits.refreshWithoutType && !m_opt.nMembType) return;
  const BOOL named = IsChecked(IDC_ADVOPT_NAME_CHECK) ? TRUE : FALSE;
  CDlgUtil::CtrlEnableDisable(this, {IDC_ADVOPT_NAME, IDC_ADVOPT_NAME_AUTOINC, IDC_ADVOPT_NAME_CMD}, named);
  if (m_traits.managesPlanButton) Enable(IDC_ADVOPT_PLAN_SELECT, m_opt.nTargetMode == 1 ? TRUE : FALSE);
  switch (m_traits.tolerance) {
    case Tolerance::MergeSplit:
      Enable(IDC_ADVOPT_MERGE_TOL, IsChecked(IDC_ADVOPT_MERGE) ? TRUE : FALSE);
      Enable(IDC_ADVOPT_SPLIT_INTS, IsChecked(IDC_ADVOPT_SPLIT) ? TRUE : FALSE);
      break;
    case Tolerance::Split:
      Enable(IDC_ADVOPT_SPLIT_INTS, IsChecked(IDC_ADVOPT_SPLIT) ? TRUE : FALSE);
      break;
    case Tolerance::CrossSplit:
      if (m_nCrossRuleType != m_opt.nMembType) ApplyCrossSplitRule();
      break;
  }
  Invalidate(FALSE);
}

LRESULT CAdvOptMembCreateDlg::OnChangeData(WPARAM wParam, LPARAM) {
  const auto* data = reinterpret_cast<const T_ADVOPT_DLG_DATA*>(wParam);
  if (!data) return 0;
  if (data->nMembType != m_opt.nMembType) {
    m_opt.nMembType = data->nMembType;
    InitNameCombo();
    if (m_traits.splitFollowsType) {
      m_opt.nSplit = m_opt.nMembType != 100 ? 1 : 0;
      CheckDlgButton(IDC_ADVOPT_SPLIT, m_opt.nSplit ? BST_CHECKED : BST_UNCHECKED);
    }
  }
  if (m_traits.showsSection && data->nSectKey != m_opt.nSectKey) {
    m_opt.nSectKey = data->nSectKey;
    ShowSectInfo();
  }
  UpdateCtrlState();
  return 0;
}

LRESULT CAdvOptMembCreateDlg::OnUpdateNameCombo(WPARAM, LPARAM) {
  CString text, next;
  m_cobxName.GetWindowText(text);
  if (IsChecked(IDC_ADVOPT_NAME_AUTOINC) && CDBLib::GetNextMembName(text, next)) m_cobxName.SetWindowText(next);
  return 0;
}

void CAdvOptMembCreateDlg::OnNameCommand() {
  CWinThread* thread = AfxGetThread();
  CWnd* main = thread ? thread->GetMainWnd() : nullptr;
  if (main && main->GetSafeHwnd()) main->PostMessage(WM_COMMAND, ID_ADVOPT_NAME_COMMAND, 0);
}

void CAdvOptMembCreateDlg::OnTargetRadio() {
  ApplyTargetMode();
  UpdateCtrlState();
}

void CAdvOptMembCreateDlg::OnPlanSelect() {
  CUIntArray keys;
  m_editPlan.GetSelectedKeyList(keys);
  CCmdPlanSelectDlg dlg(nullptr);
  dlg.SetSelectedPlanKeys(keys);
  if (dlg.DoModal() == IDOK) {
    keys.RemoveAll();
    dlg.GetSelectedPlanKeys(keys);
  }
  m_editPlan.SetSelectedKeyList(keys);
}

// Both dialogs store what they take themselves; their answers are not used here.
void CAdvOptMembCreateDlg::OnMergeTolerance() {
  CToleranceDlg dlg(nullptr);
  dlg.DoModal();
}

void CAdvOptMembCreateDlg::OnCrossSplits() {
  CIntsDlg dlg(nullptr);
  dlg.DoModal();
}

BOOL CAdvOptMembCreateDlg::PreTranslateMessage(MSG* pMsg) {
  if (pMsg && pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    // Straight to the control, past the dialog's default OK and Cancel.
    ::SendMessage(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  return CInternationalDlg::PreTranslateMessage(pMsg);
}

void CAdvOptMembCreateDlg::ShowSectInfo() {
  CWnd* matl = GetDlgItem(IDC_ADVOPT_MATL);
  auto* pic = dynamic_cast<CStatic*>(GetDlgItem(IDC_ADVOPT_SECT_PIC));
  auto clear = [&] {
    if (matl) matl->SetWindowText("");
    if (pic) pic->SetBitmap(nullptr);
  };
  const UINT key = m_opt.nSectKey;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  CClassSect sect;
  T_SECT_D rec;
  rec.Initialize();
  if (!key || !db || !sect.ConnectToDB(db) || !sect.Exist(key) || !sect.Get(key, rec)) {
    clear();
    return;
  }
  if (matl) matl->SetWindowText(rec.iMatlType >= 1 && rec.iMatlType <= 4 ? LoadStr(kMatlKeys[rec.iMatlType - 1]) : "");
  delete m_pPicture;
  m_pPicture = nullptr;
  UINT id = 0;
  if (CCMSectInfo::GetBitmapIDFromShapeName(rec.iType, rec.Part1.strShape, id) && id) {
    m_pPicture = new CBitmap;
    if (m_pPicture->LoadBitmap(id)) {
      if (pic) pic->SetBitmap(*m_pPicture);
      return;
    }
    delete m_pPicture;
    m_pPicture = nullptr;
  }
  if (pic) pic->SetBitmap(nullptr);
}
