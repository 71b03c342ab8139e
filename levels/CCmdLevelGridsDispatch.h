// The update dispatch of a window holding the three level grids (the levels page): one
// scan of the model database's update list; the story grid replays it for any story,
// ground, standard-floor or tower entry, then the standard-floor grid for standard-floor
// entries, then the tower grid for tower entries, followed by the owner's tower step
// (the page rebuilds its tower tabs). Each grid replays at most once per notification.
#pragma once
#include <functional>
#include "common/CCmdUpdateDispatch.h"

class CCmdMdulGrid2;
class CCmdPlanGrid;
class CCmdStorGrid;

class CCmdLevelGridsDispatch {
 public:
  // The grids (all three are needed) and what follows a tower replay (may be empty).
  void SetGrids(CCmdStorGrid* pStor, CCmdPlanGrid* pPlan, CCmdMdulGrid2* pMdul, std::function<void()> afterTowers);
  // The connector's OnUpdate: hint 3 only, with the model database of the current
  // document; the number of grids refreshed.
  int OnUpdate(LPARAM lHint, CObject* pHint);
  // The page's UpdateBuffer: the dispatch over the model database's list.
  int UpdateBuffer(CObject* pHint);

 private:
  CCmdStorGrid* m_pStor = nullptr;
  CCmdPlanGrid* m_pPlan = nullptr;
  CCmdMdulGrid2* m_pMdul = nullptr;
  CCmdUpdateDispatch m_dispatch;
};
