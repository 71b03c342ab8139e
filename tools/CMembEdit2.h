// The number edit of the analysis-model attribute page: a CMouseEdit2 (a typed element
// number, or the number of the element picked in the view) that hands Return to its page:
// on the key-up of Return, after the edit's own handling, the page applies the typed
// number (CToolsPostPage::ApplyInputNumber). Every other message and every view event is
// CMouseEdit2's.
#pragma once
#include "view/CMouseEdit2.h"

class CToolsPostPage;

class CMembEdit2 : public CMouseEdit2 {
  DECLARE_DYNAMIC(CMembEdit2)

 public:
  CMembEdit2() = default;

  void SetParentPage(CToolsPostPage* pPage) { m_pPage = pPage; }
  CToolsPostPage* GetParentPage() const { return m_pPage; }

  void OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags);

 private:
  CToolsPostPage* m_pPage = nullptr;

  DECLARE_MESSAGE_MAP()
};
