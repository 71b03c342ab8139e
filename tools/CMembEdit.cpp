#include "tools/CMembEdit.h"

#include "tools/CToolsPrePage.h"

IMPLEMENT_DYNAMIC(CMembEdit, CMouseEdit2)

BEGIN_MESSAGE_MAP(CMembEdit, CMouseEdit2)
  ON_WM_KEYUP()
END_MESSAGE_MAP()

void CMembEdit::OnKeyUp(UINT nChar, UINT nRepCnt, UINT nFlags) {
  CMouseEdit2::OnKeyUp(nChar, nRepCnt, nFlags);
  if (nChar == VK_RETURN && m_pPage) m_pPage->ApplyInputNumber();
}
