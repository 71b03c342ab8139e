// The story material dialog of the plan and story dialog, opened by the story page's "..."
// material button for the tower the page shows: the story material table
// (CCmdPlanStoryGridMatl) of that tower, and nothing else. Every committed cell is written
// at once by the grid; closing (the close box, Esc) writes nothing.
//
// Rules:
// - The tower is 1 until SetInitModulekey (before DoModal) names another.
// - While the window lives, every transaction of the model (the grid's own, another
//   window's, undo and redo) is replayed into the grid; other notices (hints 0, 1...) are
//   ignored.
// - CheckPlanKeyListToBeAssignedToMdul: the story page's rule that one standard floor
//   serves the stories of one tower (CCmdTowerStoryGrid::PlanMayServeTower).
#pragma once
#include <memory>
#include "levels/T_DLG_STORY_DATA_MATL.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgMove.h"

class CClassStor;
class CCmdPlanStoryGridMatl;

class CCmdPlanStoryDlgStorMatl : public CDlgMove, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgStorMatl)

 public:
  explicit CCmdPlanStoryDlgStorMatl(CWnd* pParent = nullptr);
  ~CCmdPlanStoryDlgStorMatl() override;

  // The tower whose stories the grid shows; 1.
  int SetInitModulekey(UINT key);
  UINT GetModuleKey() const { return m_data.mdulKey; }
  BOOL OnInitDialog() override;
  CCmdPlanStoryGridMatl* GetGrid() const { return m_pGrid.get(); }

 protected:
  void OnDBUpdate(const DB_CDataBase& db) override;
  void InitCtrl();
  int CheckPlanKeyListToBeAssignedToMdul(UINT mdulKey, UINT planKey, int bShowMessage);

 private:
  CClassStor* m_pStor = nullptr;
  T_DLG_STORY_DATA_MATL m_data;
  std::unique_ptr<CCmdPlanStoryGridMatl> m_pGrid;

  DECLARE_MESSAGE_MAP()
};
