// The update dispatch of a window holding the three level grids (the levels page): one
// walk of the transaction's update list feeds the story grid every story, ground,
// standard-floor and tower entry, the standard-floor grid the standard-floor entries and
// the tower grid the tower entries; then each grid that met an entry applies it once, in
// that order, the tower grid followed by the owner's tower step (the page rebuilds its
// tower tabs). A window adds its other mirrors to the same dispatch (GetDispatch), after
// the grids, so that the list is walked once per transaction.
#pragma once
#include <functional>
#include "common/CCmdUpdateDispatch.h"

class CCmdMdulGrid2;
class CCmdPlanGrid;
class CCmdStorGrid;

class CCmdLevelGridsDispatch {
 public:
  // The grids (all three are needed) and what follows a tower replay (may be empty); the
  // dispatch is emptied first.
  void SetGrids(CCmdStorGrid* pStor, CCmdPlanGrid* pPlan, CCmdMdulGrid2* pMdul, std::function<void()> afterTowers);
  CCmdUpdateDispatch& GetDispatch() { return m_dispatch; }
  // The window's typed hook (CDBUpdateConnector::OnDBUpdate): the number of mirrors that
  // met an entry.
  int OnDBUpdate(const DB_CDataBase& db);

 private:
  BOOL m_bGrids = FALSE;
  CCmdUpdateDispatch m_dispatch;
};
