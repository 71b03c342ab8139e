#include "levels/CCmdPlanStoryDlgMain.h"

#include "afx/CDataExchange.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"
#include "levels/CCmdPlanStoryDlgPlan.h"
#include "levels/CCmdPlanStoryDlgStor.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgMain, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgMain, CDlgMove)
  ON_NOTIFY(TCN_SELCHANGING, IDC_CMD_TAB_MAIN, &CCmdPlanStoryDlgMain::OnSelchangingCmdTab)
  ON_NOTIFY(TCN_SELCHANGE, IDC_CMD_TAB_MAIN, &CCmdPlanStoryDlgMain::OnSelchangeCmdTab)
END_MESSAGE_MAP()

CCmdPlanStoryDlgMain::CCmdPlanStoryDlgMain(CWnd* pParent, int nFirstTab, UINT nPlanKey, UINT nTowerKey)
    : CDlgMove(IDD_CMD_PLANSTORY_MAIN, pParent), m_nFirstTab(nFirstTab), m_nPlanKey(nPlanKey), m_nTowerKey(nTowerKey) {}

void CCmdPlanStoryDlgMain::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CMD_TAB_MAIN, m_tab);
}

BOOL CCmdPlanStoryDlgMain::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_tab.SetPlaceHolder(IDC_PLACEHOLDER);
  m_pPlanPage = new CCmdPlanStoryDlgPlan(nullptr);
  m_tab.AddTab(m_pPlanPage, CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_PLAN", 0), IDD_CMD_PLANSTORY_PLAN, 1);
  m_pStoryPage = new CCmdPlanStoryDlgStor(nullptr);
  m_tab.AddTab(m_pStoryPage, CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_STORY", 0), IDD_CMD_PLANSTORY_STORY, 1);
  if (m_nPlanKey) m_pPlanPage->SetInitPlankey(m_nPlanKey);
  if (m_nTowerKey) m_pStoryPage->SetInitModulekey(m_nTowerKey);
  // Tab n - 1 for a first tab n; first tab 0: the story page once there are standard floors
  // to put stories on.
  int tab = m_nFirstTab > 0 ? m_nFirstTab - 1 : 0;
  if (m_nFirstTab == 0) {
    CDBDoc* doc = CDBDoc::m_pDBDoc;
    DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
    auto* plan = db ? static_cast<CClassPlan*>(db->GetClass(CClassPlan::m_nClassID)) : nullptr;
    tab = plan && plan->GetCount() > 1 ? 1 : 0;
  }
  if (tab >= m_tab.GetTabCount()) tab = m_tab.GetTabCount() - 1;
  m_tab.ShowTab(tab);
  return TRUE;
}

void CCmdPlanStoryDlgMain::UpdateGridData() {
  if (m_tab.GetShownTab() == 0) {
    if (m_pPlanPage) m_pPlanPage->TerminateGridEditing();
  } else if (m_pStoryPage) {
    m_pStoryPage->TerminateGridEditing();
  }
}

void CCmdPlanStoryDlgMain::OnOK() {
  UpdateGridData();
  CDlgMove::OnOK();
}

void CCmdPlanStoryDlgMain::OnSelchangingCmdTab(NMHDR*, LRESULT* pResult) {
  UpdateGridData();
  *pResult = 0;
}

void CCmdPlanStoryDlgMain::OnSelchangeCmdTab(NMHDR*, LRESULT* pResult) { *pResult = 0; }
