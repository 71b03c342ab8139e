// The first page of the levels dialog: the standard floors, the towers and, per tower (one
// tab each), the stories, each in its grid with a count and Add, Insert and Delete; the
// fields that give new stories their standard floor, height and loads; a summary of the
// basement with the button that opens the basement dialog.
//
// The page writes only through table transactions (one TR_Add or TR_Insert a button) and
// its grids and tabs follow the update records of every transaction (OnDBUpdate, one walk
// of the list): the story grid on story, ground, standard-floor and tower entries, the
// standard-floor grid on standard-floor entries, the tower grid and the tabs on tower
// entries, each at most once a transaction, in that order; the basement summary on
// ground and model-control entries.
//
// Tabs: one per tower in key-list order, titled with its name; when they are rebuilt (a
// tower entry in an update) the tower shown before keeps its tab selected while it
// exists, else the first tab is selected; the story grid shows the selected tab's tower.
//
// Insert places new stories right above the story of the current row; new standard floors
// and towers right before the current row, or right after it when it is key 1. Without a
// current record row Insert makes nothing.
//
// New names: stories "50001F", "50002F"..., standard floors "P50001"..., towers the text
// of "IDS_DB_MDUL_NAMING_START" then 50001...; they continue past the highest such name
// that the tower (stories) or the table already holds, so every Add makes new records
// (CLevelNewNames).
//
// Counts: a count of 0 or less, or no number, is refused with "IDS_CMD_STOR_NUMBER_POSITIVE";
// one above its spin's range (standard floors 100, towers 10, stories 200) with
// "IDS_LEVELS_COUNT_TOO_LARGE_d" (the most). The height, dead and live load of new stories
// must be numbers (finite once in internal units): else "IDS_LEVELS_STORY_HEIGHT_NUMBER",
// "..._DEAD_LOAD_NUMBER" or "..._LIVE_LOAD_NUMBER", the focus on the edit, nothing made. A
// negative height is refused with "IDS_CMD_STOR_HEIGHT_NEGATIVE"; without a standard floor
// chosen no story is made.
#pragma once
#include <memory>
#include "afx/CArray.h"
#include "afx/CTabCtrl.h"
#include "db/CCobxPlan.h"
#include "db/CEditUnit.h"
#include "db/CStaticUnit.h"
#include "db/CTextUnit.h"
#include "db/T_MDUL_D.h"
#include "db/T_PLAN_D.h"
#include "db/T_STOR_D.h"
#include "levels/CCmdLevelGridsDispatch.h"
#include "levels/ICmdStorGridOwner.h"
#include "ui/CDBUpdateConnector.h"
#include "ui/CDlgChild.h"
#include "ui/CEditSpinEx.h"

class CClassGrnd;
class CClassMdul;
class CClassPlan;
class CClassStor;
class CCmdMdulGrid2;
class CCmdPlanGrid;
class CCmdStorGrid;

class CCmdPlanStoryDlgGeneral2 : public CDlgChild, public CDBUpdateConnector, public ICmdStorGridOwner {
  DECLARE_DYNAMIC(CCmdPlanStoryDlgGeneral2)

 public:
  explicit CCmdPlanStoryDlgGeneral2(CWnd* pParent = nullptr);
  ~CCmdPlanStoryDlgGeneral2() override;

  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;

  // A transaction of the connected database while the page's window exists.
  void OnDBUpdate(const DB_CDataBase& db) override;
  // Ends cell editing in the story, standard-floor and tower grids, in that order.
  void TerminateGridEditing();
  // (1, story key): the story's height, standard floor and loads become the fields for
  // new stories.
  void ShowStoryDefaults(int nMode, UINT storKey) override;

  void RebuildTowerTabs();
  // 0 when the basement record cannot be read (nothing shown).
  BOOL ShowBasement();
  void ShowReleasedBasement();

  CCmdStorGrid* GetStorGrid() const { return m_pStorGrid.get(); }
  CCmdPlanGrid* GetPlanGrid() const { return m_pPlanGrid.get(); }
  CCmdMdulGrid2* GetMdulGrid() const { return m_pMdulGrid.get(); }
  // Tab i shows the tower of key entry i; the tower of the selected tab, 0 with none.
  const CUIntArray& GetTabTowerKeys() const { return m_tabTowers; }
  UINT GetSelectedTower() const;

  // New records as the buttons make them; 0 (after a message where the rules give one)
  // when nothing is to be made.
  BOOL MakeNewStories(CArray<T_STOR_D>& recs);
  BOOL MakeNewPlans(CArray<T_PLAN_D>& recs);
  BOOL MakeNewTowers(CArray<T_MDUL_D>& recs);

 protected:
  void DoDataExchange(CDataExchange* pDX) override;

  void OnAddStory();
  void OnInsertStory();
  void OnDeleteStory();
  void OnAddPlan();
  void OnInsertPlan();
  void OnDeletePlan();
  void OnAddTower();
  void OnInsertTower();
  void OnDeleteTower();
  void OnBasement();
  void OnSelchangeTowerTab(NMHDR* pNMHDR, LRESULT* pResult);

 private:
  BOOL ReadStoryDefaults(T_STOR_D& rec);
  BOOL ReadCount(CEditSpinEx& edit, int& n);
  // The key of the current row of a grid's key column, 0 when there is none.
  static UINT CurrentRowKey(CWnd* pGrid);
  void InitGrids();
  void SetupDispatch();

  CClassStor* m_pStor = nullptr;
  CClassPlan* m_pPlan = nullptr;
  CClassMdul* m_pMdul = nullptr;
  CClassGrnd* m_pGrnd = nullptr;

  std::unique_ptr<CCmdStorGrid> m_pStorGrid;
  std::unique_ptr<CCmdPlanGrid> m_pPlanGrid;
  std::unique_ptr<CCmdMdulGrid2> m_pMdulGrid;
  CUIntArray m_tabTowers;
  CCmdLevelGridsDispatch m_gridDispatch;  // the grids, then the basement summary

  CEditSpinEx m_editPlanNum;
  CEditSpinEx m_editTowerNum;
  CEditSpinEx m_editStoryNum;
  CCobxPlan m_cbxPlan;
  CEditUnit m_editHeight;
  CTextUnit m_textHeightUnit;
  CEditUnit m_editDL;
  CEditUnit m_editLL;
  CTextUnit m_textLoadUnit;
  CStaticUnit m_staticGL;
  CTextUnit m_textGLUnit;
  CTabCtrl m_tabTower;

  DECLARE_MESSAGE_MAP()
};
