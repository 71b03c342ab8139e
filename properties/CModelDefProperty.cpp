#include "properties/CModelDefProperty.h"

#include "afx/CDataExchange.h"
#include "properties/CModelPropMatlPage.h"
#include "properties/CModelPropSectPage.h"
#include "properties/CModelPropThikPage.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CModelDefProperty, CDBDlgBase)

BEGIN_MESSAGE_MAP(CModelDefProperty, CDBDlgBase)
  ON_NOTIFY(TCN_SELCHANGE, IDC_MP_SHEET_TAB, &CModelDefProperty::OnSelchangeCmdTabCtrl)
  ON_BN_CLICKED(IDC_MP_SHEET_CLOSE, &CModelDefProperty::OnCloseBtn)
END_MESSAGE_MAP()

namespace {
// The tabs: title key, page template, page constructor.
struct SheetTab {
  const char* title;
  UINT nTemplate;
  CDlgChild* (*pfnNew)();
};
const SheetTab kTabs[] = {
    {"IDS_CMD_MEMB_Material", IDD_CMD_MP_MATL_PAGE, []() -> CDlgChild* { return new CModelPropMatlPage(); }},
    {"IDS_CMD_MEMB_Section", IDD_CMD_MP_SECT_PAGE, []() -> CDlgChild* { return new CModelPropSectPage(); }},
    {"IDS_CMD_MEMB_Thickness", IDD_CMD_MP_THIK_PAGE, []() -> CDlgChild* { return new CModelPropThikPage(); }},
};
constexpr int kTabCount = (int)(sizeof kTabs / sizeof kTabs[0]);
}  // namespace

CModelDefProperty::CModelDefProperty(CWnd* pParent) : CDBDlgBase(IDD_CMD_MODEL_DEF_PROPERTY, pParent) {}

void CModelDefProperty::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MP_SHEET_TAB, m_tab);
}

BOOL CModelDefProperty::OnInitDialog() {
  CDlgMove::OnInitDialog();
  for (int i = 0; i < kTabCount; ++i) m_tab.InsertItem(i, CMsgDll::pfuncLoadStr(kTabs[i].title, 0));
  // The tabs exist: the manager adds no tab items of its own.
  m_pages.SetPlaceHolder(this, IDC_PLACEHOLDER, 0);
  for (const SheetTab& t : kTabs) m_pages.AddTab(t.pfnNew(), CMsgDll::pfuncLoadStr(t.title, 0), t.nTemplate, 1, 0);
  ActivateTab(0);
  return TRUE;
}

void CModelDefProperty::ActivateTab(int i) {
  if (i < 0 || i >= kTabCount || !m_hWnd) return;
  if (m_tab.GetCurSel() != i) m_tab.SetCurSel(i);
  m_pages.ShowTab(i);
}

void CModelDefProperty::OnSelchangeCmdTabCtrl(NMHDR*, LRESULT* pResult) {
  m_pages.ShowTab(m_tab.GetCurSel());
  *pResult = 0;
}

void CModelDefProperty::OnCloseBtn() { DestroyWindow(); }
