#include "levels/CCmdPlanStoryDlgStorMatl2.h"

#include "afx/AfxMessageBox.h"
#include "db/CClassMatl.h"
#include "db/CClassMdul.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"
#include "levels/CCmdStorMatlGrid.h"
#include "common/CCmdUpdateDispatch.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgStorMatl2, CDlgChild)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgStorMatl2, CDlgChild)
  ON_NOTIFY(TCN_SELCHANGING, IDC_CMD_TAB_MATL_MDUL, &CCmdPlanStoryDlgStorMatl2::OnSelchangingTowerTab)
  ON_NOTIFY(TCN_SELCHANGE, IDC_CMD_TAB_MATL_MDUL, &CCmdPlanStoryDlgStorMatl2::OnSelchangeTowerTab)
END_MESSAGE_MAP()

// The tower table of the database the page follows (the current document's until the
// page is connected).
CClassMdul* CCmdPlanStoryDlgStorMatl2::TowerTable() const {
  DB_CDataBase* db = GetConnectedDB();
  if (!db && CDBDoc::m_pDBDoc) db = CDBDoc::m_pDBDoc->GetModelDB();
  return db ? static_cast<CClassMdul*>(db->GetClass(CClassMdul::m_nClassID)) : nullptr;
}

CCmdPlanStoryDlgStorMatl2::CCmdPlanStoryDlgStorMatl2(CWnd* pParent)
    : CDlgChild(IDD_CMD_PLANSTORY_STORMATL2, pParent) {}

CCmdPlanStoryDlgStorMatl2::~CCmdPlanStoryDlgStorMatl2() {
  if (m_pGrid && m_pGrid->m_hWnd) m_pGrid->DestroyWindow();
  delete m_pGrid;
}

UINT CCmdPlanStoryDlgStorMatl2::GetSelectedTower() const {
  if (!m_tabMdul.m_hWnd) return 0;
  int i = m_tabMdul.GetCurSel();
  return i >= 0 && i < m_tabTowers.GetSize() ? m_tabTowers[i] : 0;
}

BOOL CCmdPlanStoryDlgStorMatl2::RebuildTowerTabs() {
  CClassMdul* mdul = TowerTable();
  const UINT shown = GetSelectedTower();
  m_tabMdul.DeleteAllItems();
  m_tabTowers.RemoveAll();
  if (!mdul) return FALSE;
  CUIntArray keys;
  mdul->GetKeyList(keys);
  for (UINT k : keys) {
    T_MDUL_D t;
    t.Initialize();
    if (!mdul->Get(k, t)) return FALSE;
    m_tabMdul.InsertItem((int)m_tabTowers.GetSize(), (LPCTSTR)t.name);
    m_tabTowers.Add(k);
  }
  int sel = 0;
  for (INT_PTR i = 0; i < m_tabTowers.GetSize(); ++i)
    if (m_tabTowers[i] == shown) sel = (int)i;
  if (!m_tabTowers.IsEmpty()) m_tabMdul.SetCurSel(sel);
  return TRUE;
}

BOOL CCmdPlanStoryDlgStorMatl2::OnInitDialog() {
  CDlgChild::OnInitDialog();
  if (!TowerTable()) return FALSE;
  if (!m_tabMdul.m_hWnd) m_tabMdul.SubclassDlgItem(IDC_CMD_TAB_MATL_MDUL, this);
  if (!RebuildTowerTabs()) return FALSE;
  ShowWindow(SW_SHOW);
  if (m_pGrid) {
    if (m_pGrid->m_hWnd) m_pGrid->DestroyWindow();
    delete m_pGrid;
    m_pGrid = nullptr;
  }
  CRect rc;
  if (CWnd* ph = GetDlgItem(IDC_CMD_GRID_STOR_MATL)) ph->GetWindowRect(&rc);
  m_pGrid = new CCmdStorMatlGrid();
  m_pGrid->SetGridWidth(rc.Width());
  m_pGrid->SubclassDlgItem(IDC_CMD_GRID_STOR_MATL, this);
  // The tower of the first tab (the main tower, key 1, unless the towers were reordered).
  m_pGrid->ShowTower(m_tabTowers.IsEmpty() ? CClassMdul::MAIN_TOWER : m_tabTowers[0]);
  return TRUE;
}

int CCmdPlanStoryDlgStorMatl2::ApplyMaterials() {
  if (!m_pGrid || m_pGrid->ApplyMaterials()) return 1;
  AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_STORY_MATL_APPLY_REFUSED", 0), MB_ICONEXCLAMATION);
  return 0;
}

void CCmdPlanStoryDlgStorMatl2::OnSelchangingTowerTab(NMHDR*, LRESULT* pResult) {
  *pResult = ApplyMaterials() ? 0 : 1;
}

void CCmdPlanStoryDlgStorMatl2::OnSelchangeTowerTab(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  if (m_pGrid) m_pGrid->ChangeTower(GetSelectedTower());
}

void CCmdPlanStoryDlgStorMatl2::OnDBUpdate(const DB_CDataBase& db) {
  if (!m_hWnd || !m_pGrid) return;
  // One walk: a tower entry rebuilds the tabs, then any material, story or tower entry
  // shows the selected tower again (once).
  BOOL towers = FALSE, shown = FALSE;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    const UINT id = u->m_nClassID;
    if (id == CClassMdul::m_nClassID) towers = TRUE;
    if (id == CClassMdul::m_nClassID || id == CClassMatl::m_nClassID || id == CClassStor::m_nClassID) shown = TRUE;
  }
  if (towers) RebuildTowerTabs();
  if (shown) m_pGrid->ShowTower(GetSelectedTower());
}
