// CCmdPlanStoryDlgStor: start, controls and record, numbering, the checks. The commands
// and the refresh are in CCmdPlanStoryDlgStorCmds.cpp.
#include "levels/CCmdPlanStoryDlgStor.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "afx/AfxNumber.h"
#include "afx/CComboBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassGrnd.h"
#include "db/CClassMdul.h"
#include "db/CClassNsbl.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DBField.h"
#include "db/DB_CDataBase.h"
#include "levels/CCmdPlanStoryGrid.h"
#include "res/resource.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgStor, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgStor, CDlgChild)
  ON_BN_CLICKED(IDC_PSD_STOR_ADD, &CCmdPlanStoryDlgStor::OnCmdAddBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_APPEND, &CCmdPlanStoryDlgStor::OnCmdAppendBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_INSERT, &CCmdPlanStoryDlgStor::OnCmdInsertBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_EDIT, &CCmdPlanStoryDlgStor::OnCmdModifyBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_REPLACE_ALL, &CCmdPlanStoryDlgStor::OnCmdReplaceAllBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_DELETE_ALL, &CCmdPlanStoryDlgStor::OnCmdDeleteAllBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_MATL, &CCmdPlanStoryDlgStor::OnCmdStoryMatlBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_GROUND_BTN, &CCmdPlanStoryDlgStor::OnCmdGroundLevelBtn)
  ON_BN_CLICKED(IDC_PSD_STOR_INCREASING, &CCmdPlanStoryDlgStor::UpdateNumbering)
  ON_BN_CLICKED(IDC_PSD_STOR_LOAD_MORE, &CCmdPlanStoryDlgStor::OnComingSoon)
  ON_BN_CLICKED(IDC_PSD_STOR_PROP_MORE, &CCmdPlanStoryDlgStor::OnComingSoon)
  ON_CBN_SELCHANGE(IDC_PSD_STOR_TOWER, &CCmdPlanStoryDlgStor::OnSelchangeTowerCombo)
  ON_CBN_KILLFOCUS(IDC_PSD_STOR_TOWER, &CCmdPlanStoryDlgStor::OnKillfocusTowerCombo)
  ON_CBN_SELCHANGE(IDC_PSD_STOR_PLAN, &CCmdPlanStoryDlgStor::OnSelchangePlanCombo)
  ON_EN_CHANGE(IDC_PSD_STOR_COUNT, &CCmdPlanStoryDlgStor::OnChangeCount)
  ON_EN_CHANGE(IDC_PSD_STOR_END, &CCmdPlanStoryDlgStor::OnChangeEndNo)
  ON_EN_CHANGE(IDC_PSD_STOR_START, &CCmdPlanStoryDlgStor::OnChangeStartNo)
END_MESSAGE_MAP()

namespace {
const UINT kGroundGroup[] = {IDC_PSD_STOR_GROUND_GROUP, IDC_PSD_STOR_GROUND_LABEL, IDC_PSD_STOR_GROUND,
                             IDC_PSD_STOR_GROUND_UNIT,  IDC_PSD_STOR_GROUND_BTN,   IDC_PSD_STOR_REF_LABEL,
                             IDC_PSD_STOR_REF_STORY};
const UINT kTowerLevelGroup[] = {IDC_PSD_STOR_LEVEL_GROUP, IDC_PSD_STOR_LEVEL_LABEL, IDC_PSD_STOR_START_LEVEL,
                                 IDC_PSD_STOR_START_LEVEL_UNIT};
const UINT kNamePair[] = {IDC_PSD_STOR_NAME_LABEL, IDC_PSD_STOR_NAME};
const UINT kEndPair[] = {IDC_PSD_STOR_END_LABEL, IDC_PSD_STOR_END};
// Enabled only for a series (count above 1).
const UINT kSeriesCtrls[] = {IDC_PSD_STOR_END_LABEL,    IDC_PSD_STOR_END,    IDC_PSD_STOR_START_LABEL,
                             IDC_PSD_STOR_START,        IDC_PSD_STOR_PREFIX_LABEL, IDC_PSD_STOR_PREFIX,
                             IDC_PSD_STOR_SUFFIX_LABEL, IDC_PSD_STOR_SUFFIX};
const UINT kNumberEdits[] = {IDC_PSD_STOR_COUNT, IDC_PSD_STOR_END, IDC_PSD_STOR_START};
const int kMaxNumber = 1000;
const int kMaxNameBytes = 20;

template <size_t N>
CUIntArray Ids(const UINT (&ids)[N]) {
  CUIntArray a;
  for (UINT id : ids) a.Add(id);
  return a;
}

template <class T>
T* Table(UINT id) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<T*>(db->GetClass(id)) : nullptr;
}

// The top-left corner of a control in the page's client coordinates.
CPoint Corner(CWnd* page, UINT id) {
  CWnd* w = page->GetDlgItem(id);
  if (!w) return CPoint(0, 0);
  CRect r;
  w->GetWindowRect(&r);
  page->ScreenToClient(&r);
  return CPoint(r.left, r.top);
}
}  // namespace

void T_DLG_STORY_DATA_MATL::Initialize() {
  const UINT tower = mdulKey;
  *this = T_DLG_STORY_DATA_MATL();
  mdulKey = tower;
  suffix = CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_STOR_F", 0);
}

CCmdPlanStoryDlgStor::CCmdPlanStoryDlgStor(CWnd* pParent) : CDlgChild(IDD_CMD_PLANSTORY_STORY, pParent) {
  m_pMdul = Table<CClassMdul>(CClassMdul::m_nClassID);
  m_pStor = Table<CClassStor>(CClassStor::m_nClassID);
  m_pGrnd = Table<CClassGrnd>(CClassGrnd::m_nClassID);
  m_pPlan = Table<CClassPlan>(CClassPlan::m_nClassID);
  m_pNsbl = Table<CClassNsbl>(CClassNsbl::m_nClassID);
  m_data.Initialize();
  m_data.mdulKey = 1;
  ReadGround();
}

CCmdPlanStoryDlgStor::~CCmdPlanStoryDlgStor() = default;

int CCmdPlanStoryDlgStor::SetInitModulekey(UINT key) {
  m_data.mdulKey = key;
  return 1;
}

void CCmdPlanStoryDlgStor::TerminateGridEditing() {
  if (m_pGrid) m_pGrid->OnTerminate(2);
}

void CCmdPlanStoryDlgStor::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PSD_STOR_TOWER, m_cobxMdul);
  DDX_Control(pDX, IDC_PSD_STOR_GROUND, m_editGround);
  DDX_Control(pDX, IDC_PSD_STOR_GROUND_UNIT, m_textGroundUnit);
  DDX_Control(pDX, IDC_PSD_STOR_START_LEVEL, m_editStartLevel);
  DDX_Control(pDX, IDC_PSD_STOR_START_LEVEL_UNIT, m_textStartLevelUnit);
  DDX_Control(pDX, IDC_PSD_STOR_COUNT, m_editCount);
  DDX_Control(pDX, IDC_PSD_STOR_START, m_editStartNo);
  DDX_Control(pDX, IDC_PSD_STOR_END, m_editEndNo);
  DDX_Control(pDX, IDC_PSD_STOR_HEIGHT, m_editHeight);
  DDX_Control(pDX, IDC_PSD_STOR_HEIGHT_UNIT, m_textHeightUnit);
  DDX_Control(pDX, IDC_PSD_STOR_PLAN, m_cobxPlan);
  DDX_Control(pDX, IDC_PSD_STOR_SLAB_LOAD, m_cobxName);
}

// Return and Escape go straight to the window they are meant for (a grid cell being
// edited), never to the dialog's own key handling, so neither closes the dialog.
BOOL CCmdPlanStoryDlgStor::PreTranslateMessage(MSG* pMsg) {
  UpdateDialogControls(this, FALSE);
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    ::SendMessage(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  return CDlgChild::PreTranslateMessage(pMsg);
}

BOOL CCmdPlanStoryDlgStor::OnInitDialog() {
  CDlgChild::OnInitDialog();
  ArrangeControls();
  InitCtrl();
  if (m_data.mdulKey != 1) m_cobxMdul.ChangeSelect(m_data.mdulKey);
  m_bMainTower = m_data.mdulKey == 1;
  if (m_data.planKey == 0 && m_pPlan && m_pPlan->GetCount() > 0) {
    POSITION pos = m_pPlan->DB_GetStart();
    UINT key = 0, last = 0;
    T_PLAN_D plan;
    while (m_pPlan->GetNextData(pos, key, plan)) last = key;
    if (last && CheckPlanKeyListToBeAssignedToMdul(m_data.mdulKey, last, 0)) m_data.planKey = last;
  }
  T_STOR_D fresh;
  fresh.Initialize();
  m_data.height = fresh.height;
  Data2Dlg();
  UpdateNumbering();
  return TRUE;
}

// The tower-level group takes the place of the ground group, the end-number pair that of
// the name edit; the page ends 3 pixels below the Replace-all button.
void CCmdPlanStoryDlgStor::ArrangeControls() {
  CPoint to = Corner(this, IDC_PSD_STOR_GROUND_GROUP), from = Corner(this, IDC_PSD_STOR_LEVEL_GROUP);
  CDlgUtil::CtrlMoveDistXY(this, Ids(kTowerLevelGroup), to.x - from.x, to.y - from.y);
  to = Corner(this, IDC_PSD_STOR_NAME);
  from = Corner(this, IDC_PSD_STOR_END);
  CDlgUtil::CtrlMoveDistXY(this, Ids(kEndPair), to.x - from.x, to.y - from.y);
  if (CWnd* button = GetDlgItem(IDC_PSD_STOR_REPLACE_ALL)) {
    CRect b, page;
    button->GetWindowRect(&b);
    ScreenToClient(&b);
    GetWindowRect(&page);
    if (CWnd* parent = GetParent()) parent->ScreenToClient(&page);
    MoveWindow(page.left, page.top, page.Width(), b.bottom + 3);
  }
}

void CCmdPlanStoryDlgStor::InitCtrl() {
  m_pGrid.reset();
  m_pGrid = std::make_unique<CCmdPlanStoryGrid>(this);
  m_pGrid->SetEditMode(1);
  m_pGrid->SubclassDlgItem(IDC_PSD_STOR_GRID, this);
  m_pGrid->Initialize();
  m_pGrid->ShowTower(m_data.mdulKey);
  const int length = T_STOR_D::unit[0];
  const DB_CFlatField* ground = DB_FindField(T_GRND_D::Desc(), "groundLevel");
  const int groundKind = ground ? ground->unitKind : length;
  m_editGround.SetUnitType(groundKind);
  m_textGroundUnit.SetUnitType(groundKind);
  m_editStartLevel.SetUnitType(length);
  m_textStartLevelUnit.SetUnitType(length);
  for (CEditUnit* e : {&m_editCount, &m_editStartNo}) e->SetUnitType(0);
  m_editHeight.SetUnitType(length);
  m_textHeightUnit.SetUnitType(length);
  struct Box {
    UINT id;
    const char* items[2];
  } boxes[] = {{IDC_PSD_STOR_PREFIX, {"IDS_WG_CMD_IP_STORYDLG_STOR_B", "IDS_WG_CMD_IP_STORYDLG_STOR_STORY"}},
               {IDC_PSD_STOR_SUFFIX, {"IDS_WG_CMD_IP_STORYDLG_STOR_F", "IDS_WG_CMD_IP_STORYDLG_STOR_STORY"}}};
  for (const Box& b : boxes) {
    auto* c = static_cast<CComboBox*>(GetDlgItem(b.id));
    if (!c) continue;
    c->ResetContent();
    for (const char* key : b.items) c->AddString(CMsgDll::pfuncLoadStr(key, 0));
  }
  m_cobxName.SetType(2048, 1);
}

// ---- controls and record ------------------------------------------------------------------

int CCmdPlanStoryDlgStor::ReadInt(UINT id) const {
  CString text;
  GetDlgItemText(id, text);
  return (int)AfxStrToDouble(text.c_str(), nullptr);
}

void CCmdPlanStoryDlgStor::SetInt(UINT id, int value) {
  CString text;
  text.Format("%d", value);
  SetDlgItemText(id, text);
}

void CCmdPlanStoryDlgStor::ReadGround() {
  T_GRND_D g;
  g.Initialize();
  if (m_pGrnd) m_pGrnd->Get(1u, g);
  m_data.groundLevel = g.groundLevel;
  m_data.refStorKey = m_pGrnd ? m_pGrnd->GetReferenceStorK() : 0;
}

void CCmdPlanStoryDlgStor::Data2Dlg() {
  m_bLoading = TRUE;
  T_STOR_D ref;
  const BOOL named = m_data.refStorKey && m_pStor && m_pStor->Get(m_data.refStorKey, ref);
  SetDlgItemText(IDC_PSD_STOR_REF_STORY, named ? ref.name : CString("Base"));
  m_cobxMdul.ChangeSelect(m_data.mdulKey);
  m_editGround.SetEditUnit(m_data.groundLevel);
  CheckDlgButton(IDC_PSD_STOR_INCREASING, m_data.increasing ? 1 : 0);
  SetInt(IDC_PSD_STOR_COUNT, m_data.storyCount);
  SetDlgItemText(IDC_PSD_STOR_NAME, m_data.storyName);
  SetInt(IDC_PSD_STOR_END, m_data.endNo);
  SetInt(IDC_PSD_STOR_START, m_data.startNo);
  m_editHeight.SetEditUnit(m_data.height);
  m_cobxPlan.ChangeSelect(m_data.planKey);
  m_cobxName.ChangeSelect(m_data.slabLoadKey);
  SetDlgItemText(IDC_PSD_STOR_PREFIX, m_data.prefix);
  SetDlgItemText(IDC_PSD_STOR_SUFFIX, m_data.suffix);
  CheckDlgButton(IDC_PSD_STOR_APPLY_NAME, m_data.applyName ? 1 : 0);
  CheckDlgButton(IDC_PSD_STOR_APPLY_HEIGHT, m_data.applyHeight ? 1 : 0);
  CheckDlgButton(IDC_PSD_STOR_APPLY_PLAN, m_data.applyPlan ? 1 : 0);
  m_bLoading = FALSE;
  UpdateNumbering();
}

int CCmdPlanStoryDlgStor::Dlg2Data() {
  if (!CheckCountAndPlan()) return 0;
  UINT key = 0;
  if (m_cobxMdul.GetSelectedMdul(key) && key) m_data.mdulKey = key;
  m_data.increasing = IsDlgButtonChecked(IDC_PSD_STOR_INCREASING) ? 1 : 0;
  m_data.storyCount = ReadInt(IDC_PSD_STOR_COUNT);
  m_data.endNo = ReadInt(IDC_PSD_STOR_END);
  m_data.startNo = ReadInt(IDC_PSD_STOR_START);
  GetDlgItemText(IDC_PSD_STOR_NAME, m_data.storyName);
  double height = 0.0;
  m_bHeightRead = m_editHeight.GetShownValue(height);
  if (m_bHeightRead) m_data.height = height;
  m_data.planKey = m_cobxPlan.GetSelectedPlan(key) ? key : 0;
  m_data.slabLoadKey = m_cobxName.GetSelectedName(key) ? key : 0;
  GetDlgItemText(IDC_PSD_STOR_PREFIX, m_data.prefix);
  GetDlgItemText(IDC_PSD_STOR_SUFFIX, m_data.suffix);
  m_data.applyName = IsDlgButtonChecked(IDC_PSD_STOR_APPLY_NAME) ? 1 : 0;
  m_data.applyHeight = IsDlgButtonChecked(IDC_PSD_STOR_APPLY_HEIGHT) ? 1 : 0;
  m_data.applyPlan = IsDlgButtonChecked(IDC_PSD_STOR_APPLY_PLAN) ? 1 : 0;
  return 1;
}

// ---- numbering ------------------------------------------------------------------------------

void CCmdPlanStoryDlgStor::UpdateNumbering() {
  if (m_bLoading) return;
  m_data.increasing = IsDlgButtonChecked(IDC_PSD_STOR_INCREASING) ? 1 : 0;
  m_data.storyCount = ReadInt(IDC_PSD_STOR_COUNT);
  const int n = m_data.storyCount;
  if (n == 1) {
    SetDlgItemText(IDC_PSD_STOR_NAME, "1F");
  } else {
    CString count;
    GetDlgItemText(IDC_PSD_STOR_COUNT, count);
    const BOOL sync = m_bSync;
    m_bSync = FALSE;
    // The count is the series' first number: the bottom one when numbers grow downwards
    // (B3, B2, B1 from the bottom), the top one otherwise (1F up to nF).
    SetDlgItemText(m_data.increasing ? IDC_PSD_STOR_START : IDC_PSD_STOR_END, count);
    SetDlgItemText(IDC_PSD_STOR_PREFIX, m_data.increasing ? "B" : "");
    SetDlgItemText(IDC_PSD_STOR_SUFFIX, m_data.increasing ? "" : "F");
    m_bSync = sync;
    if (m_bSync) SyncNumberRange(!m_data.increasing);
    m_bSync = TRUE;
  }
  ShowTowerGroups();
  CDlgUtil::CtrlEnableDisable(this, Ids(kSeriesCtrls), n > 1);
}

void CCmdPlanStoryDlgStor::SyncNumberRange(BOOL bEndChanged) {
  const int n = ReadInt(IDC_PSD_STOR_COUNT);
  if (n < 2) return;
  m_bSync = FALSE;
  const BOOL up = IsDlgButtonChecked(IDC_PSD_STOR_INCREASING);
  if (bEndChanged) {
    const int end = ReadInt(IDC_PSD_STOR_END);
    SetInt(IDC_PSD_STOR_START, up ? end + (n - 1) : end - (n - 1));
  } else {
    const int start = ReadInt(IDC_PSD_STOR_START);
    SetInt(IDC_PSD_STOR_END, up ? start - (n - 1) : start + (n - 1));
  }
}

void CCmdPlanStoryDlgStor::OnChangeCount() {
  if (m_bLoading || !CheckNumberRange(IDC_PSD_STOR_COUNT)) return;
  UpdateNumbering();
}

void CCmdPlanStoryDlgStor::OnChangeEndNo() {
  if (m_bLoading || !CheckNumberRange(IDC_PSD_STOR_END) || !m_bSync) return;
  SyncNumberRange(TRUE);
  m_bSync = TRUE;
}

void CCmdPlanStoryDlgStor::OnChangeStartNo() {
  if (m_bLoading || !CheckNumberRange(IDC_PSD_STOR_START) || !m_bSync) return;
  SyncNumberRange(FALSE);
  m_bSync = TRUE;
}

void CCmdPlanStoryDlgStor::ShowTowerGroups() {
  UINT key = 0;
  if (m_cobxMdul.GetSelectedMdul(key) && key) m_data.mdulKey = key;
  const BOOL main = m_data.mdulKey == 1;
  CDlgUtil::CtrlShowHide(this, Ids(kGroundGroup), main);
  CDlgUtil::CtrlShowHide(this, Ids(kTowerLevelGroup), !main);
  const BOOL series = ReadInt(IDC_PSD_STOR_COUNT) > 1;
  CDlgUtil::CtrlShowHide(this, Ids(kNamePair), !series);
  CDlgUtil::CtrlShowHide(this, Ids(kEndPair), series);
}

// ---- checks ---------------------------------------------------------------------------------

void CCmdPlanStoryDlgStor::Refuse(const char* key, UINT focusId) {
  AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0));
  if (CWnd* w = focusId ? GetDlgItem(focusId) : nullptr) {
    w->SetFocus();
    w->SendMessage(EM_SETSEL, 0, -1);
  }
}

int CCmdPlanStoryDlgStor::CheckPlanKeyListToBeAssignedToMdul(UINT mdulKey, UINT planKey, int bShowMessage) {
  return CCmdTowerStoryGrid::PlanMayServeTower(m_pStor, mdulKey, planKey, bShowMessage);
}

int CCmdPlanStoryDlgStor::CheckCountAndPlan() {
  if (ReadInt(IDC_PSD_STOR_COUNT) < 1) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_WARNING_gt_or_eq_to_one", 0));
    SetDlgItemText(IDC_PSD_STOR_COUNT, "1");
    return 0;
  }
  UINT tower = m_data.mdulKey, plan = 0;
  if (!m_cobxMdul.GetSelectedMdul(tower) || !tower) tower = m_data.mdulKey;
  if (m_cobxPlan.GetSelectedPlan(plan) && plan && !CheckPlanKeyListToBeAssignedToMdul(tower, plan, 1)) {
    m_cobxPlan.SetCurSel(-1);
    return 0;
  }
  return 1;
}

int CCmdPlanStoryDlgStor::CheckNumberRange(UINT id) {
  CString text;
  GetDlgItemText(id, text);
  text.Trim();
  if (text.IsEmpty()) return 1;
  char* end = nullptr;
  const double v = AfxStrToDouble(text.c_str(), &end);
  if (end && *end == '\0' && v >= 0 && v <= kMaxNumber) return 1;
  CString message;
  message.Format(CMsgDll::pfuncLoadStr("IDS_CMD_Value_gt_zero_and_lt_input", 0), kMaxNumber);
  AfxMessageBox(message);
  SetDlgItemText(id, "");
  if (CWnd* w = GetDlgItem(id)) w->SetFocus();
  return 0;
}

int CCmdPlanStoryDlgStor::CheckNumberRanges() {
  for (UINT id : kNumberEdits)
    if (!CheckNumberRange(id)) return 0;
  return 1;
}

int CCmdPlanStoryDlgStor::CheckHeight() {
  if (!m_bHeightRead) {
    Refuse("IDS_WG_CMD_MC_WARNING_Input_is_digit", IDC_PSD_STOR_HEIGHT);
    return 0;
  }
  if (m_data.storyCount > 1 && !(m_data.height > 0.0)) {
    Refuse("IDS_CMD_STOR_HEIGHT_POSITIVE", IDC_PSD_STOR_HEIGHT);
    return 0;
  }
  if (m_data.storyCount <= 1 && m_data.height < 0.0) {
    Refuse("IDS_CMD_STOR_HEIGHT_NEGATIVE", IDC_PSD_STOR_HEIGHT);
    return 0;
  }
  return 1;
}

int CCmdPlanStoryDlgStor::CheckStoryInput() {
  if (m_data.storyCount > 1) return 1;
  if (m_data.height < 0.0) {
    Refuse("IDS_CMD_STOR_HEIGHT_NEGATIVE", IDC_PSD_STOR_HEIGHT);
    return 0;
  }
  CString name = m_data.storyName;
  name.Trim();
  if (name.IsEmpty()) {
    Refuse("IDS_CMD_STOR_NAME_BLANK", IDC_PSD_STOR_NAME);
    return 0;
  }
  return 1;
}

// Name 0 belongs to the top story.
int CCmdPlanStoryDlgStor::MakeStoryNames(CStringArray& names) {
  names.RemoveAll();
  if (m_data.storyCount > 1) {
    CString prefix = m_data.prefix, suffix = m_data.suffix;
    prefix.Trim();
    suffix.Trim();
    int number = m_data.endNo;
    for (int i = 0; i < m_data.storyCount; ++i) {
      CString name;
      name.Format("%s%d%s", prefix.c_str(), number, suffix.c_str());
      names.Add(name);
      number += m_data.increasing ? 1 : -1;
    }
  } else {
    CString name = m_data.storyName;
    name.Trim();
    names.Add(name);
  }
  for (const CString& name : names)
    if (name.GetLength() > kMaxNameBytes) {
      Refuse("IDS_CMD_STOR_NAME_LENGTH_LIMIT", IDC_PSD_STOR_NAME);
      return 0;
    }
  return 1;
}

namespace {
// Byte-wise, ASCII letters without regard to case (the bytes of a multibyte character are
// compared as they are).
bool SameIgnoringCase(const CString& a, const CString& b) {
  if (a.GetLength() != b.GetLength()) return false;
  for (int i = 0; i < a.GetLength(); ++i) {
    unsigned char x = (unsigned char)a[i], y = (unsigned char)b[i];
    if (x < 0x80 && y < 0x80) {
      if (std::tolower(x) != std::tolower(y)) return false;
    } else if (x != y) {
      return false;
    }
  }
  return true;
}
}  // namespace

int CCmdPlanStoryDlgStor::CheckNamesInTower(const CStringArray& names, const CUIntArray* skip, BOOL bExactCase) {
  if (!m_pStor) return 1;
  CUIntArray keys;
  m_pStor->GetKeyList(keys, m_data.mdulKey);
  for (const CString& typed : names) {
    CString name = typed;
    name.Trim();
    for (UINT k : keys) {
      if (skip && std::find(skip->begin(), skip->end(), k) != skip->end()) continue;
      T_STOR_D rec;
      if (!m_pStor->Get(k, rec)) continue;
      if (bExactCase ? name != rec.name : !SameIgnoringCase(name, rec.name)) continue;
      CString message;
      message.Format(CMsgDll::pfuncLoadStr("IDS_CMD_EXISTING_STOR_NAME", 0), rec.name.c_str());
      AfxMessageBox(message);
      if (CWnd* w = GetDlgItem(IDC_PSD_STOR_NAME)) w->SetFocus();
      return 0;
    }
  }
  return 1;
}

int CCmdPlanStoryDlgStor::PrepareStories(BOOL bUnique, CArray<T_STOR_D>& recs) {
  recs.RemoveAll();
  if (!Dlg2Data() || !CheckNumberRanges() || !CheckHeight() || !CheckStoryInput()) return 0;
  CStringArray names;
  if (!MakeStoryNames(names)) return 0;
  if (bUnique && !CheckNamesInTower(names, nullptr, FALSE)) return 0;
  T_STOR_D rec;
  rec.Initialize();
  rec.mdulKey = m_data.mdulKey;
  rec.planKey = m_data.planKey;
  rec.height = m_data.height;
  T_NSBL_D loads;
  loads.Initialize();
  if (m_pNsbl && m_data.slabLoadKey) m_pNsbl->Get(m_data.slabLoadKey, loads);
  rec.deadLoad = loads.DL;
  rec.liveLoad = loads.LL;
  for (INT_PTR i = names.GetSize() - 1; i >= 0; --i) {  // the bottom story first
    rec.name = names[i];
    rec.name.Trim();
    recs.Add(rec);
  }
  return 1;
}
