// The number edit of the building-model attribute page: a CMouseEdit2 (typed numbers, or
// the number of the point or member picked in the view) that hands Return to its page:
// on the key-up of Return, after the edit's own handling, the page applies the typed
// number (CToolsPrePage::ApplyInputNumber). The page sets the parameter type: 14 (point
// numbers) in point mode, 17 (member numbers) in member mode.
#pragma once
#include "view/CMouseEdit2.h"

class CToolsPrePage;

class CMembEdit : public CMouseEdit2 {
  DECLARE_DYNAMIC(CMembEdit)

 public:
  CMembEdit() = default;

  void SetParentPage(CToolsPrePage* pPage) { m_pPage = pPage; }
  CToolsPrePage* GetParentPage() const { return m_pPage; }

  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);

 private:
  CToolsPrePage* m_pPage = nullptr;

  DECLARE_MESSAGE_MAP()
};
