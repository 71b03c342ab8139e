#include "levels/CCmdPlanStoryDlgMain2.h"

#include <algorithm>
#include "db/CDBDoc.h"
#include "frame/ICmdDialog.h"
#include "levels/CCmdPlanStoryDlgGeneral2.h"
#include "levels/CCmdPlanStoryDlgStorMatl2.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPlanStoryDlgMain2, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdPlanStoryDlgMain2, CDlgMove)
  ON_NOTIFY(TCN_SELCHANGING, IDC_CMD_TAB_MAIN, &CCmdPlanStoryDlgMain2::OnSelchangingCmdTab)
  ON_NOTIFY(TCN_SELCHANGE, IDC_CMD_TAB_MAIN, &CCmdPlanStoryDlgMain2::OnSelchangeCmdTab)
  ON_BN_CLICKED(IDC_CMD_BTN_MAIN_MATL, &CCmdPlanStoryDlgMain2::OnMatlBtn)
  ON_BN_CLICKED(IDC_CMD_BTN_MAIN_CLOSE, &CCmdPlanStoryDlgMain2::OnCloseBtn)
END_MESSAGE_MAP()

namespace {
const int kOwnCheckModes[] = {16, 18, 19, 20, 21, 22, 23, 24, 25, 26, 27, 29, 41, 46};
}  // namespace

CCmdPlanStoryDlgMain2::CCmdPlanStoryDlgMain2(CWnd* pParent, UINT nFirstTab, UINT nReserved1, UINT nReserved2)
    : CDlgMove(IDD_CMD_PLANSTORY_MAIN2, pParent),
      m_nFirstTab(nFirstTab),
      m_nReserved1(nReserved1),
      m_nReserved2(nReserved2) {}

CCmdPlanStoryDlgMain2::~CCmdPlanStoryDlgMain2() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (doc && doc->IsTracerMode() && IsOwnCheckMode(doc->GetCheckMode())) doc->EndTracerMode();
}

BOOL CCmdPlanStoryDlgMain2::IsOwnCheckMode(int nMode) {
  return std::find(std::begin(kOwnCheckModes), std::end(kOwnCheckModes), nMode) != std::end(kOwnCheckModes);
}

int CCmdPlanStoryDlgMain2::FirstTabIndex(UINT nFirstTab, int nTabs) {
  int i = nFirstTab == 0 ? 0 : (int)std::min<UINT>(nFirstTab - 1, 1000);
  return std::max(0, std::min(i, nTabs - 1));
}

BOOL CCmdPlanStoryDlgMain2::OnInitDialog() {
  CDlgMove::OnInitDialog();
  if (!m_tab.m_hWnd) m_tab.SubclassDlgItem(IDC_CMD_TAB_MAIN, this);
  m_tab.SetPlaceHolder(IDC_PLACEHOLDER);
  m_tab.AddTab(new CCmdPlanStoryDlgGeneral2(this), CMsgDll::pfuncLoadStr("IDS_CMD_PLAN_STORY", 0),
               IDD_CMD_PLANSTORY_GENERAL2, 1);
  m_tab.AddTab(new CCmdPlanStoryDlgStorMatl2(this), CMsgDll::pfuncLoadStr("IDS_CMD_Story_Material", 0),
               IDD_CMD_PLANSTORY_STORMATL2, 1);
  m_tab.ShowTab(FirstTabIndex(m_nFirstTab, m_tab.GetTabCount()));
  ShowWindow(SW_SHOW);
  return TRUE;
}

CCmdPlanStoryDlgStorMatl2* CCmdPlanStoryDlgMain2::MaterialPage() const {
  for (int i = 0; i < m_tab.GetTabCount(); ++i)
    if (auto* p = dynamic_cast<CCmdPlanStoryDlgStorMatl2*>(m_tab.GetTab(i))) return p;
  return nullptr;
}

int CCmdPlanStoryDlgMain2::OnApplyBtn() {
  CDlgChild* page = m_tab.GetTab(m_tab.GetShownTab());
  if (!page || !page->m_hWnd) return 1;
  if (auto* levels = dynamic_cast<CCmdPlanStoryDlgGeneral2*>(page)) {
    levels->TerminateGridEditing();
    return 1;
  }
  if (auto* matl = dynamic_cast<CCmdPlanStoryDlgStorMatl2*>(page)) return matl->ApplyMaterials();
  return 1;
}

void CCmdPlanStoryDlgMain2::OnSelchangingCmdTab(NMHDR*, LRESULT* pResult) {
  *pResult = 0;
  CCmdPlanStoryDlgStorMatl2* matl = MaterialPage();
  if (matl && matl->m_hWnd && m_tab.GetTab(m_tab.GetCurSel()) == matl && !matl->ApplyMaterials())
    *pResult = 1;  // the edits that could not be written stay in view
}

void CCmdPlanStoryDlgMain2::OnSelchangeCmdTab(NMHDR*, LRESULT* pResult) { *pResult = 0; }

void CCmdPlanStoryDlgMain2::OnMatlBtn() {
  int tab = 0;
  ICmdDialog::DoModeless("CModelDefProperty", nullptr, &tab);
}

void CCmdPlanStoryDlgMain2::OnCloseBtn() {
  if (OnApplyBtn()) EndDialog(IDOK);
}
