#include "tools/CToolsPostPage.h"

#include "res/resource.h"

IMPLEMENT_DYNAMIC(CToolsPostPage, CDlgChild)

CToolsPostPage::CToolsPostPage(CToolsDlg* pOwner, CWnd* pParent)
    : CDlgChild(IDD_CMD_TOOLS_POST_PAGE, pParent), m_pOwner(pOwner) {}
