#include "levels/CCmdPlanStoryDlgStorMatl.h"

#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "levels/CCmdPlanStoryGridMatl.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgStorMatl, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgStorMatl, CDlgMove)
END_MESSAGE_MAP()

CCmdPlanStoryDlgStorMatl::CCmdPlanStoryDlgStorMatl(CWnd* pParent) : CDlgMove(IDD_CMD_PLANSTORY_STORMATL, pParent) {
  m_pStor = CCmdPlanStoryGridMatl::FetchTable<CClassStor>();
  m_data.Initialize();
  m_data.mdulKey = 1;
}

CCmdPlanStoryDlgStorMatl::~CCmdPlanStoryDlgStorMatl() = default;

int CCmdPlanStoryDlgStorMatl::SetInitModulekey(UINT key) {
  m_data.mdulKey = key;
  return 1;
}

BOOL CCmdPlanStoryDlgStorMatl::OnInitDialog() {
  CDlgMove::OnInitDialog();
  InitCtrl();
  return TRUE;
}

void CCmdPlanStoryDlgStorMatl::InitCtrl() {
  m_pGrid.reset();
  m_pGrid = std::make_unique<CCmdPlanStoryGridMatl>(this);
  m_pGrid->SubclassDlgItem(IDC_PSD_STORMATL_GRID, this);
  m_pGrid->Initialize();
  m_pGrid->ShowTower(m_data.mdulKey);
}

void CCmdPlanStoryDlgStorMatl::OnDBUpdate(const DB_CDataBase& db) {
  if (m_hWnd && m_pGrid) m_pGrid->Replay(db);
}

int CCmdPlanStoryDlgStorMatl::CheckPlanKeyListToBeAssignedToMdul(UINT mdulKey, UINT planKey, int bShowMessage) {
  return CCmdTowerStoryGrid::PlanMayServeTower(m_pStor, mdulKey, planKey, bShowMessage);
}
