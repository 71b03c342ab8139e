#include "levels/CModelCtrlDataDlg.h"

#include "afx/CDataExchange.h"
#include "afx/CWinApp.h"
#include "db/CClassMctl.h"
#include "db/CDBDoc.h"
#include "levels/CModelCtrlDataPages.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CModelCtrlDataDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CModelCtrlDataDlg, CDlgMove)
  ON_BN_CLICKED(IDC_MCD_NEXT, &CModelCtrlDataDlg::OnNext)
  ON_NOTIFY(TCN_SELCHANGING, IDC_MCD_TAB, &CModelCtrlDataDlg::OnSelchangingTab2)
  ON_NOTIFY(TCN_SELCHANGE, IDC_MCD_TAB, &CModelCtrlDataDlg::OnSelchangeTab2)
END_MESSAGE_MAP()

namespace {
// The tabs in order: title (the third as the dialog has always shown it) and template.
struct TabRow {
  const char* title;
  UINT tmpl;
};
const TabRow kTabs[] = {
    {"Global", IDD_CMD_MC_DATA_GLOBAL},
    {"Detail Data", IDD_CMD_MC_DATA_DETAIL},
    {"지하층정보", IDD_CMD_MC_DATA_GROUND},
};
}  // namespace

CModelCtrlDataDlg::CModelCtrlDataDlg(int nFirstTab, CWnd* pParent)
    : CDlgMove(IDD_CMD_MC_DATA, pParent),
      m_nFirstTab(nFirstTab >= TAB_GLOBAL && nFirstTab <= TAB_GROUND ? nFirstTab : TAB_GLOBAL),
      m_pGlobal(std::make_unique<CModelCtrlDataGlobalDlg>(nullptr)),
      m_pDetail(std::make_unique<CModelCtrlDataDetailDlg>(nullptr)),
      m_pGround(std::make_unique<CModelCtrlDataGroundDlg>(nullptr)) {
  m_mctl.Initialize();
  m_pGlobal->SetData(&m_mctl);
  m_pDetail->SetData(&m_mctl.detail);
  m_pGround->SetData(&m_mctl.ugStory);
  if (CClassMctl* mctl = GetClassPtr()) mctl->Get(m_mctl);
}

CModelCtrlDataDlg::CModelCtrlDataDlg(CWnd* pParent) : CModelCtrlDataDlg(TAB_GLOBAL, pParent) {}

CModelCtrlDataDlg::~CModelCtrlDataDlg() = default;

CClassMctl* CModelCtrlDataDlg::GetClassPtr() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassMctl*>(db->GetClass(CClassMctl::m_nClassID)) : nullptr;
}

void CModelCtrlDataDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MCD_TAB, m_tab);
}

BOOL CModelCtrlDataDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  InitTabCtrl();
  Data2Dlg();
  return TRUE;
}

int CModelCtrlDataDlg::InitTabCtrl() {
  m_tab.SetPlaceHolder(IDC_PLACEHOLDER);
  CDlgChild* pages[] = {m_pGlobal.get(), m_pDetail.get(), m_pGround.get()};
  for (int i = 0; i < 3; ++i) m_tab.AddTab(pages[i], kTabs[i].title, kTabs[i].tmpl, 0);
  m_tab.SetCurSel(m_nFirstTab);
  m_tab.ShowTab(m_nFirstTab);
  return 1;
}

int CModelCtrlDataDlg::Data2Dlg() {
  switch (m_tab.m_hWnd ? m_tab.GetCurSel() : -1) {
    case TAB_GLOBAL: return m_pGlobal->m_hWnd ? m_pGlobal->Data2Dlg() : 1;
    case TAB_DETAIL: return m_pDetail->m_hWnd ? m_pDetail->Data2Dlg() : 1;
    case TAB_GROUND: return m_pGround->m_hWnd ? m_pGround->Data2Dlg() : 1;
    default: return 1;
  }
}

int CModelCtrlDataDlg::Dlg2Data() {
  switch (m_tab.m_hWnd ? m_tab.GetCurSel() : -1) {
    case TAB_GLOBAL: return m_pGlobal->m_hWnd ? m_pGlobal->Dlg2Data() : 0;
    case TAB_DETAIL: return m_pDetail->m_hWnd ? m_pDetail->Dlg2Data() : 0;
    case TAB_GROUND: return m_pGround->m_hWnd ? m_pGround->Dlg2Data() : 0;
    default: return 0;
  }
}

void CModelCtrlDataDlg::OnSelchangingTab2(NMHDR*, LRESULT* pResult) { *pResult = Dlg2Data() ? 0 : 1; }

void CModelCtrlDataDlg::OnSelchangeTab2(NMHDR*, LRESULT* pResult) { *pResult = 0; }

int CModelCtrlDataDlg::Write() {
  if (!Dlg2Data()) return 0;
  CClassMctl* mctl = GetClassPtr();
  return mctl && mctl->TR_Add(m_mctl) ? 1 : 0;
}

void CModelCtrlDataDlg::OnOK() {
  if (Write()) EndDialog(IDOK);
}

void CModelCtrlDataDlg::OnNext() {
  if (!Write()) return;
  SendMessage(WM_CLOSE);
  if (CWnd* main = AfxGetMainWnd()) main->SendMessage(WM_COMMAND, CMD_ID_DEFINE_PLANS_AND_STORIES, 0);
}
