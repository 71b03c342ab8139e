#include "tools/CMembEdit2.h"

#include "tools/CToolsPostPage.h"

IMPLEMENT_DYNAMIC(CMembEdit2, CMouseEdit2)

BEGIN_MESSAGE_MAP(CMembEdit2, CMouseEdit2)
  ON_WM_KEYUP()
END_MESSAGE_MAP()

void CMembEdit2::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CMouseEdit2::OnKeyUp(nChar, nRepCnt, nFlags);
  if (nChar == VK_RETURN && m_pPage) m_pPage->ApplyInputNumber();
}
