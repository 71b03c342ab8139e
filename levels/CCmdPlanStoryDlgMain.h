// The plan and story dialog: the plan page (CCmdPlanStoryDlgPlan) and the story page
// (CCmdPlanStoryDlgStor) on one tab control, and Close. First tab 1 shows the plan page, 2
// the story page, 0 the story page when the model has more than one standard floor, else
// the plan page. The standard-floor key given is the plan page's first floor, the tower
// key the story page's first tower (0: the main tower). Close and every change of tab
// first end the cell edit of the page shown (committed or abandoned by the grid). The
// model-control button does nothing.
#pragma once
#include "ui/CDlgMove.h"
#include "ui/CDlgTabCtrl.h"

class CCmdPlanStoryDlgPlan;
class CCmdPlanStoryDlgStor;

class CCmdPlanStoryDlgMain : public CDlgMove {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgMain)

 public:
  enum { TAB_PLAN = 1, TAB_STORY = 2 };

  CCmdPlanStoryDlgMain(CWnd* pParent, int nFirstTab, UINT nPlanKey, UINT nTowerKey);

  BOOL OnInitDialog() override;
  void OnOK() override;

  CDlgTabCtrl& GetTabCtrl() { return m_tab; }
  CCmdPlanStoryDlgPlan* GetPlanPage() const { return m_pPlanPage; }
  CCmdPlanStoryDlgStor* GetStoryPage() const { return m_pStoryPage; }
  UINT GetTowerKey() const { return m_nTowerKey; }

 protected:
  void DoDataExchange(CDataExchange* pDX) override;
  void UpdateGridData();
  void OnSelchangingCmdTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelchangeCmdTab(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  int m_nFirstTab;
  UINT m_nPlanKey;
  UINT m_nTowerKey;
  CDlgTabCtrl m_tab;
  CCmdPlanStoryDlgPlan* m_pPlanPage = nullptr;  // owned by the tab control
  CCmdPlanStoryDlgStor* m_pStoryPage = nullptr; // owned by the tab control

  DECLARE_MESSAGE_MAP()
};
