// The story-material page of the levels dialog: one tab per tower (titled with its name),
// and the story material grid (CCmdStorMatlGrid) of the tower of the selected tab on the
// grid placeholder. Leaving a tower's tab applies its materials (the tab stays when they
// cannot be written); the new tab's tower is shown then.
//
// The page follows the model through its update connector (hint 3 only): material entries
// rebuild the grid's choices and rows, story entries its rows, tower entries the tower tabs
// (the shown tower's tab stays selected while it exists). A refresh shows the stored
// materials: edits not applied yet are dropped, as a material change in the property sheet
// drops them.
#pragma once
#include "afx/CArray.h"
#include "afx/CTabCtrl.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgChild.h"

class CClassMdul;
class CCmdStorMatlGrid;

class CCmdPlanStoryDlgStorMatl2 : public CDlgChild, public CDBUpdateConnector {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgStorMatl2)

 public:
  explicit CCmdPlanStoryDlgStorMatl2(CWnd* pParent = nullptr);
  ~CCmdPlanStoryDlgStorMatl2() override;

  BOOL OnInitDialog() override;
  // A transaction of the connected database while the page's window exists.
  void OnDBUpdate(const DB_CDataBase& db) override;

  // Applies the grid's materials of the shown tower. 0 when the story table refused them:
  // the user has been told (IDS_CMD_STORY_MATL_APPLY_REFUSED) and the edits stay.
  int ApplyMaterials();

  CCmdStorMatlGrid* GetGrid() const { return m_pGrid; }
  CTabCtrl& GetTowerTabs() { return m_tabMdul; }
  // The tower of the selected tab, 0 when there is none.
  UINT GetSelectedTower() const;
  const CUIntArray& GetTabTowers() const { return m_tabTowers; }

 protected:
  CClassMdul* TowerTable() const;
  // Tabs of the towers in key-list order; 0 when a tower cannot be read (the tabs made so
  // far stay).
  BOOL RebuildTowerTabs();
  void OnSelchangingTowerTab(NMHDR* pNMHDR, LRESULT* pResult);
  void OnSelchangeTowerTab(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  CTabCtrl m_tabMdul;
  CUIntArray m_tabTowers;  // tab index -> tower key
  CCmdStorMatlGrid* m_pGrid = nullptr;

  DECLARE_MESSAGE_MAP()
};
