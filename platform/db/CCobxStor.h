// The stories of the model; item data the story key.
//
// Order: the story sequence (bottom-up). SortByModule groups the stories by tower (towers
// in their order), and with a tower key lists only that tower's stories. SetReverseOrder
// turns the order top-down (within each tower when grouped). SetBasementStorOnly lists
// only the basement stories (the main tower's lowest stories above the base story, as many
// as the basement record counts), top-down: the first item is the top basement story.
//
// Text: the story's name; stories of other towers than the main one are written
// "Tower:Name" when the list holds stories of more than one tower; IncludePlanName adds
// the standard floor's name: "Name (Plan)". The base story is listed unless
// ExceptBaseStory. ExceptEmptyStory leaves out the stories on which no member stands, read
// from the member table's story index (a count per story, never a walk of the members);
// in a model without members no story counts as empty, so it then removes nothing. While
// it is set, member transactions fill the list again as story transactions do.
#pragma once
#include "db/CCobxDBBase.h"

class CCobxStor : public CCobxDBBase {
  DECLARE_DYNAMIC(CCobxStor)

 public:
  CCobxStor() = default;
  BOOL ChangeSelect(UINT storKey) { return SelectKey(storKey); }
  BOOL GetSelectedStor(UINT& storKey) const { return GetSelectedKey(storKey); }

  // Each option fills the list again.
  void SetBasementStorOnly(BOOL bOnly);
  void IncludePlanName(BOOL bInclude);
  void ExceptBaseStory(BOOL bExcept = TRUE);
  void ExceptEmptyStory(BOOL bExcept, int nReserved = 0);
  void SortByModule(BOOL bSort, UINT nMdulKey = 0);
  void SetReverseOrder(BOOL bReverse = TRUE);

 protected:
  void FillItems(CDBDoc& doc, Items& items) override;
  BOOL WatchesClass(UINT nClassID) const override;

 private:
  BOOL m_bBasementOnly = FALSE;
  BOOL m_bPlanName = FALSE;
  BOOL m_bExceptBase = FALSE;
  BOOL m_bExceptEmpty = FALSE;
  BOOL m_bSortByModule = FALSE;
  UINT m_nMdulKey = 0;
  BOOL m_bReverse = FALSE;
};
