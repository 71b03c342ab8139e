#include "levels/CCmdPlanStoryDlgGeneral2.h"

#include <cmath>
#include <cstdlib>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassGrnd.h"
#include "db/CClassMctl.h"
#include "db/CClassMdul.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "levels/CCmdGrndDlg.h"
#include "levels/CCmdMdulGrid2.h"
#include "levels/CCmdPlanGrid.h"
#include "levels/CCmdStorGrid.h"
#include "levels/CLevelNewNames.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgGeneral2, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgGeneral2, CDlgChild)
  ON_BN_CLICKED(IDC_CMD_BTN_STOR_ADD, &CCmdPlanStoryDlgGeneral2::OnAddStory)
  ON_BN_CLICKED(IDC_CMD_BTN_STOR_INSERT, &CCmdPlanStoryDlgGeneral2::OnInsertStory)
  ON_BN_CLICKED(IDC_CMD_BTN_STOR_DELETE, &CCmdPlanStoryDlgGeneral2::OnDeleteStory)
  ON_BN_CLICKED(IDC_CMD_BTN_PLAN_ADD, &CCmdPlanStoryDlgGeneral2::OnAddPlan)
  ON_BN_CLICKED(IDC_CMD_BTN_PLAN_INSERT, &CCmdPlanStoryDlgGeneral2::OnInsertPlan)
  ON_BN_CLICKED(IDC_CMD_BTN_PLAN_DELETE, &CCmdPlanStoryDlgGeneral2::OnDeletePlan)
  ON_BN_CLICKED(IDC_CMD_BTN_MDUL_ADD, &CCmdPlanStoryDlgGeneral2::OnAddTower)
  ON_BN_CLICKED(IDC_CMD_BTN_MDUL_INSERT, &CCmdPlanStoryDlgGeneral2::OnInsertTower)
  ON_BN_CLICKED(IDC_CMD_BTN_MDUL_DELETE, &CCmdPlanStoryDlgGeneral2::OnDeleteTower)
  ON_BN_CLICKED(IDC_CMD_BTN_GRND, &CCmdPlanStoryDlgGeneral2::OnBasement)
  ON_NOTIFY(TCN_SELCHANGE, IDC_CMD_TAB_MDUL, &CCmdPlanStoryDlgGeneral2::OnSelchangeTowerTab)
END_MESSAGE_MAP()

namespace {
// Spin ranges of the three counts.
constexpr int kMaxPlans = 100;
constexpr int kMaxTowers = 10;
constexpr int kMaxStories = 200;

// Seeds of new names; each new name follows the one before it.
const char kStorySeed[] = "50000F";
const char kPlanSeed[] = "P50000";
const char kTowerNumber[] = "50000";

// Tells why nothing is made and puts the user back into the edit, all of it selected.
void Refuse(CEdit& edit, const CString& text) {
  AfxMessageBox(text);
  edit.SetFocus();
  edit.SetSel(0, -1);
}

template <class T>
T* Table(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}
}  // namespace

CCmdPlanStoryDlgGeneral2::CCmdPlanStoryDlgGeneral2(CWnd* pParent)
    : CDlgChild(IDD_CMD_PLANSTORY_GENERAL2, pParent) {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  m_pStor = Table<CClassStor>(db);
  m_pPlan = Table<CClassPlan>(db);
  m_pMdul = Table<CClassMdul>(db);
  m_pGrnd = Table<CClassGrnd>(db);
}

CCmdPlanStoryDlgGeneral2::~CCmdPlanStoryDlgGeneral2() {
  m_gridDispatch.SetGrids(nullptr, nullptr, nullptr, nullptr);
  if (m_hWnd) DestroyWindow();
}

void CCmdPlanStoryDlgGeneral2::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CMD_CBX_STOR_PLAN, m_cbxPlan);
  DDX_Control(pDX, IDC_CMD_EDIT_STOR_HEIGHT, m_editHeight);
  DDX_Control(pDX, IDC_CMD_TEXT_STOR_HEIGHT_UNIT, m_textHeightUnit);
  DDX_Control(pDX, IDC_CMD_EDIT_STOR_DL, m_editDL);
  DDX_Control(pDX, IDC_CMD_EDIT_STOR_LL, m_editLL);
  DDX_Control(pDX, IDC_CMD_TEXT_STOR_LOAD_UNIT, m_textLoadUnit);
  DDX_Control(pDX, IDC_CMD_STATIC_GRND_GL, m_staticGL);
  DDX_Control(pDX, IDC_CMD_TEXT_GRND_GL_UNIT, m_textGLUnit);
  DDX_Control(pDX, IDC_CMD_TAB_MDUL, m_tabTower);
}

BOOL CCmdPlanStoryDlgGeneral2::OnInitDialog() {
  CDlgChild::OnInitDialog();
  m_editHeight.SetUnitType(UNIT_LENGTH);
  m_textHeightUnit.SetUnitType(UNIT_LENGTH);
  m_editDL.SetUnitType(UNIT_AREA_LOAD);
  m_editLL.SetUnitType(UNIT_AREA_LOAD);
  m_textLoadUnit.SetUnitType(UNIT_AREA_LOAD);
  m_staticGL.SetUnitType(UNIT_LENGTH);
  m_textGLUnit.SetUnitType(UNIT_LENGTH);
  m_editPlanNum.Initialize(IDC_CMD_EDIT_PLAN_NUM, this, 1, kMaxPlans);
  m_editTowerNum.Initialize(IDC_CMD_EDIT_MDUL_NUM, this, 1, kMaxTowers);
  m_editStoryNum.Initialize(IDC_CMD_EDIT_STOR_NUM, this, 1, kMaxStories);

  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (doc && doc->GetModelDB() && m_pMdul) {
    InitGrids();
    T_STOR_D rec;
    rec.Initialize();
    m_editHeight.SetEditUnit(rec.height);
    m_editDL.SetEditUnit(rec.deadLoad);
    m_editLL.SetEditUnit(rec.liveLoad);
    m_editPlanNum.SetWindowText("1");
    m_editTowerNum.SetWindowText("1");
    m_editStoryNum.SetWindowText("1");
    if (ShowBasement()) ShowReleasedBasement();
    RebuildTowerTabs();
  }
  return TRUE;
}

void CCmdPlanStoryDlgGeneral2::InitGrids() {
  m_gridDispatch.SetGrids(nullptr, nullptr, nullptr, nullptr);
  m_pStorGrid.reset();
  m_pPlanGrid.reset();
  m_pMdulGrid.reset();
  m_pStorGrid = std::make_unique<CCmdStorGrid>(this);
  m_pStorGrid->SubclassDlgItem(IDC_CMD_GRID_STOR, this);
  m_pStorGrid->Initialize();
  m_pStorGrid->ShowTower(CClassMdul::MAIN_TOWER);
  m_pPlanGrid = std::make_unique<CCmdPlanGrid>(this);
  m_pPlanGrid->SubclassDlgItem(IDC_CMD_GRID_PLAN, this);
  m_pPlanGrid->Initialize();
  m_pMdulGrid = std::make_unique<CCmdMdulGrid2>(this);
  m_pMdulGrid->SubclassDlgItem(IDC_CMD_GRID_MDUL, this);
  m_pMdulGrid->Initialize();
  SetupDispatch();
}

void CCmdPlanStoryDlgGeneral2::SetupDispatch() {
  m_gridDispatch.SetGrids(m_pStorGrid.get(), m_pPlanGrid.get(), m_pMdulGrid.get(), [this] { RebuildTowerTabs(); });
  // The summary follows basement changes made anywhere (the basement dialog, undo, redo).
  m_gridDispatch.GetDispatch().AddMirror({CClassGrnd::m_nClassID, CClassMctl::m_nClassID}, [this] {
    if (ShowBasement()) ShowReleasedBasement();
  });
}

// ---- update records ---------------------------------------------------------------------

void CCmdPlanStoryDlgGeneral2::OnDBUpdate(const DB_CDataBase& db) {
  if (m_hWnd && m_pStorGrid && m_pPlanGrid && m_pMdulGrid) m_gridDispatch.OnDBUpdate(db);
}

void CCmdPlanStoryDlgGeneral2::TerminateGridEditing() {
  if (m_pStorGrid) m_pStorGrid->OnTerminate(2);
  if (m_pPlanGrid) m_pPlanGrid->OnTerminate(2);
  if (m_pMdulGrid) m_pMdulGrid->OnTerminate(2);
}

// ---- keys -------------------------------------------------------------------------------

BOOL CCmdPlanStoryDlgGeneral2::PreTranslateMessage(MSG* pMsg) {
  // Return and Escape go straight to the window they are meant for (a grid cell being
  // edited), never to the dialog's own key handling, so neither closes the dialog.
  if (pMsg->message == WM_KEYDOWN && (pMsg->wParam == VK_RETURN || pMsg->wParam == VK_ESCAPE)) {
    ::SendMessage(pMsg->hwnd, pMsg->message, pMsg->wParam, pMsg->lParam);
    return TRUE;
  }
  return CDlgChild::PreTranslateMessage(pMsg);
}

// ---- new-story fields -------------------------------------------------------------------

void CCmdPlanStoryDlgGeneral2::ShowStoryDefaults(int nMode, UINT storKey) {
  if (nMode != 1 || !m_pStor) return;
  T_STOR_D rec;
  rec.Initialize();
  if (!m_pStor->Get(storKey, rec)) return;
  m_editHeight.SetEditUnit(rec.height);
  m_cbxPlan.ChangeSelect(rec.planKey);
  m_editDL.SetEditUnit(rec.deadLoad);
  m_editLL.SetEditUnit(rec.liveLoad);
}

BOOL CCmdPlanStoryDlgGeneral2::ReadStoryDefaults(T_STOR_D& rec) {
  double height = 0.0, dl = 0.0, ll = 0.0;
  // A text that is no number (or none once in internal units) makes nothing.
  if (!m_editHeight.GetEditValue(height)) {
    Refuse(m_editHeight, GMakeMsg("IDS_LEVELS_STORY_HEIGHT_NUMBER"));
    return FALSE;
  }
  if (height < 0.0) {
    Refuse(m_editHeight, CMsgDll::pfuncLoadStr("IDS_CMD_STOR_HEIGHT_NEGATIVE", 0));
    return FALSE;
  }
  if (!m_editDL.GetEditValue(dl)) {
    Refuse(m_editDL, GMakeMsg("IDS_LEVELS_STORY_DEAD_LOAD_NUMBER"));
    return FALSE;
  }
  if (!m_editLL.GetEditValue(ll)) {
    Refuse(m_editLL, GMakeMsg("IDS_LEVELS_STORY_LIVE_LOAD_NUMBER"));
    return FALSE;
  }
  rec.height = height;
  rec.deadLoad = dl;
  rec.liveLoad = ll;
  UINT planKey = 0;
  if (!m_cbxPlan.GetSelectedPlan(planKey)) return FALSE;
  rec.planKey = planKey;
  return TRUE;
}

BOOL CCmdPlanStoryDlgGeneral2::ReadCount(CEditSpinEx& edit, int& n) {
  CString text;
  edit.GetWindowText(text);
  double d = 0.0;
  if (!CStringParser::GetINumber(text, n)) {
    // A whole number too large for an int is still a count above the range.
    if (CStringParser::GetFloatNumber(text, d) && d > edit.GetMax() && std::floor(d) == d) n = edit.GetMax() + 1;
    else n = 0;
  }
  if (n <= 0) {
    Refuse(edit, CMsgDll::pfuncLoadStr("IDS_CMD_STOR_NUMBER_POSITIVE", 0));
    return FALSE;
  }
  if (n > edit.GetMax()) {
    Refuse(edit, GMakeMsg("IDS_LEVELS_COUNT_TOO_LARGE_d", edit.GetMax()));
    return FALSE;
  }
  return TRUE;
}

// ---- new records ------------------------------------------------------------------------

namespace {
// The new names after the names of the records given.
template <class Rec>
void NewNames(const CString& seed, const CArray<Rec>& existing, int n, CStringArray& names) {
  CLevelNewNames maker(seed);
  for (const Rec& r : existing) maker.AddExisting(r.name);
  maker.Make(n, names);
}
}  // namespace

UINT CCmdPlanStoryDlgGeneral2::GetSelectedTower() const {
  int sel = m_tabTower.m_hWnd ? m_tabTower.GetCurSel() : -1;
  return sel >= 0 && sel < m_tabTowers.GetSize() ? m_tabTowers[sel] : 0;
}

BOOL CCmdPlanStoryDlgGeneral2::MakeNewStories(CArray<T_STOR_D>& recs) {
  recs.RemoveAll();
  if (!m_pStor) return FALSE;
  T_STOR_D tmpl;
  tmpl.Initialize();
  if (!ReadStoryDefaults(tmpl)) return FALSE;
  tmpl.mdulKey = GetSelectedTower();
  int n = 0;
  if (!ReadCount(m_editStoryNum, n) || !tmpl.mdulKey) return FALSE;
  CUIntArray keys;
  CArray<T_STOR_D> existing;
  m_pStor->GetList(keys, existing, tmpl.mdulKey);
  CStringArray names;
  NewNames(kStorySeed, existing, n, names);
  for (const CString& name : names) {
    T_STOR_D rec = tmpl;
    rec.name = name;
    recs.Add(rec);
  }
  return TRUE;
}

BOOL CCmdPlanStoryDlgGeneral2::MakeNewPlans(CArray<T_PLAN_D>& recs) {
  recs.RemoveAll();
  int n = 0;
  if (!m_pPlan || !ReadCount(m_editPlanNum, n)) return FALSE;
  CUIntArray keys;
  CArray<T_PLAN_D> existing;
  m_pPlan->GetList(keys, existing);
  CStringArray names;
  NewNames(kPlanSeed, existing, n, names);
  for (const CString& name : names) {
    T_PLAN_D rec;
    rec.Initialize();
    rec.name = name;
    recs.Add(rec);
  }
  return TRUE;
}

BOOL CCmdPlanStoryDlgGeneral2::MakeNewTowers(CArray<T_MDUL_D>& recs) {
  recs.RemoveAll();
  int n = 0;
  if (!m_pMdul || !ReadCount(m_editTowerNum, n)) return FALSE;
  CString seed = GMakeMsg("IDS_DB_MDUL_NAMING_START") + kTowerNumber;
  CUIntArray keys;
  CArray<T_MDUL_D> existing;
  m_pMdul->GetList(keys, existing);
  CStringArray names;
  NewNames(seed, existing, n, names);
  for (const CString& name : names) {
    T_MDUL_D rec;
    rec.Initialize();
    rec.name = name;
    recs.Add(rec);
  }
  return TRUE;
}

UINT CCmdPlanStoryDlgGeneral2::CurrentRowKey(CWnd* pGrid) {
  auto* grid = dynamic_cast<CTBBrowserWndEx*>(pGrid);
  ROWCOL row = 0, col = 0;
  if (!grid || !grid->GetCurrentCell(row, col) || row == 0) return 0;
  ROWCOL keyCol = grid->GetColumnNoFor(0);
  if (!keyCol) return 0;
  CString text = grid->GetValueRowCol(row, keyCol);
  long key = std::atol(text.c_str());
  return key > 0 ? (UINT)key : 0;
}

namespace {
// Standard floors and towers go right before the current record, or right after it when
// it is key 1; a position that does not fall inside the table goes to the end.
template <class T>
int InsertBefore(const T& table, UINT key) {
  int pos = table.GetSeq(key);
  if (key == 1) pos += 1;
  return pos <= 0 ? table.GetCount() + 1 : pos;
}
}  // namespace

// ---- buttons ----------------------------------------------------------------------------

void CCmdPlanStoryDlgGeneral2::OnAddStory() {
  CArray<T_STOR_D> recs;
  if (MakeNewStories(recs)) m_pStor->TR_Add(recs);
}

void CCmdPlanStoryDlgGeneral2::OnInsertStory() {
  CArray<T_STOR_D> recs;
  if (!MakeNewStories(recs)) return;
  UINT key = CurrentRowKey(m_pStorGrid.get());
  if (!key) return;
  int pos = m_pStor->GetSeq(key);
  if (pos == -1) pos = m_pStor->GetCount();
  m_pStor->TR_Insert(recs, pos + 1);
}

void CCmdPlanStoryDlgGeneral2::OnDeleteStory() {
  if (m_pStorGrid) m_pStorGrid->DeleteSelectedRows();
}

void CCmdPlanStoryDlgGeneral2::OnAddPlan() {
  CArray<T_PLAN_D> recs;
  if (MakeNewPlans(recs)) m_pPlan->TR_Add(recs);
}

void CCmdPlanStoryDlgGeneral2::OnInsertPlan() {
  CArray<T_PLAN_D> recs;
  if (!MakeNewPlans(recs)) return;
  UINT key = CurrentRowKey(m_pPlanGrid.get());
  if (key) m_pPlan->TR_Insert(recs, InsertBefore(*m_pPlan, key));
}

void CCmdPlanStoryDlgGeneral2::OnDeletePlan() {
  if (m_pPlanGrid) m_pPlanGrid->DeleteSelectedRows();
}

void CCmdPlanStoryDlgGeneral2::OnAddTower() {
  CArray<T_MDUL_D> recs;
  if (MakeNewTowers(recs)) m_pMdul->TR_Add(recs);
}

void CCmdPlanStoryDlgGeneral2::OnInsertTower() {
  CArray<T_MDUL_D> recs;
  if (!MakeNewTowers(recs)) return;
  UINT key = CurrentRowKey(m_pMdulGrid.get());
  if (key) m_pMdul->TR_Insert(recs, InsertBefore(*m_pMdul, key));
}

void CCmdPlanStoryDlgGeneral2::OnDeleteTower() {
  if (m_pMdulGrid) m_pMdulGrid->DeleteSelectedRows();
}

// ---- towers and basement ----------------------------------------------------------------

void CCmdPlanStoryDlgGeneral2::RebuildTowerTabs() {
  if (!m_tabTower.m_hWnd || !m_pMdul) return;
  UINT shown = GetSelectedTower();
  m_tabTower.DeleteAllItems();
  m_tabTowers.RemoveAll();
  CUIntArray keys;
  m_pMdul->GetKeyList(keys);
  for (UINT key : keys) {
    T_MDUL_D rec;
    rec.Initialize();
    if (!m_pMdul->Get(key, rec)) return;
    m_tabTower.InsertItem((int)m_tabTowers.GetSize(), rec.name);
    m_tabTowers.Add(key);
  }
  if (m_tabTowers.GetSize() == 0) return;
  // The tower shown before keeps its tab selected while it exists.
  int sel = 0;
  for (INT_PTR i = 0; i < m_tabTowers.GetSize(); ++i)
    if (m_tabTowers[i] == shown) sel = (int)i;
  m_tabTower.SetCurSel(sel);
  if (m_pStorGrid) m_pStorGrid->ShowTower(m_tabTowers[sel]);
}

void CCmdPlanStoryDlgGeneral2::OnSelchangeTowerTab(NMHDR*, LRESULT* pResult) {
  m_tabTower.SetFocus();
  UINT tower = GetSelectedTower();
  if (m_pStorGrid && tower) m_pStorGrid->ShowTower(tower);
  if (pResult) *pResult = 0;
}

BOOL CCmdPlanStoryDlgGeneral2::ShowBasement() {
  T_GRND_D rec;
  rec.Initialize();
  if (!m_pGrnd || !m_pGrnd->Get(rec)) return FALSE;
  CString text;
  text.Format("%d", rec.basementCount);
  SetDlgItemText(IDC_CMD_STATIC_GRND_NUM, text);
  m_staticGL.SetStaticUnit(rec.groundLevel);
  return TRUE;
}

void CCmdPlanStoryDlgGeneral2::ShowReleasedBasement() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  auto* mctl = Table<CClassMctl>(doc ? doc->GetModelDB() : nullptr);
  T_MCTL_D rec;
  rec.Initialize();
  if (!mctl || !mctl->Get(rec)) rec.Initialize();
  CString text;
  text.Format("%d", rec.releasedBasementStories);
  SetDlgItemText(IDC_CMD_STATIC_GRND_RELEASE, text);
}

void CCmdPlanStoryDlgGeneral2::OnBasement() {
  CCmdGrndDlg dlg(nullptr);
  dlg.DoModal();
  ShowBasement();
  ShowReleasedBasement();
}
