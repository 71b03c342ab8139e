#include "analysis/CCmdAnalCtrlTabDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "analysis/CCmdAnalCtrlDlg.h"
#include "analysis/CCmdAnalNonlinearDlg.h"
#include "analysis/CCmdAnalPerfDlg.h"
#include "db/CClassActl.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdAnalCtrlTabDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCmdAnalCtrlTabDlg, CDBDlgBase)
  ON_NOTIFY(TCN_SELCHANGING, IDC_ACTL_TAB, &CCmdAnalCtrlTabDlg::OnSelChanging)
  ON_NOTIFY(TCN_SELCHANGE, IDC_ACTL_TAB, &CCmdAnalCtrlTabDlg::OnSelChange)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

CCmdAnalCtrlTabDlg::CCmdAnalCtrlTabDlg(CWnd* pParent) : CDBDlgBase(IDD_CMD_ANAL_CTRL, pParent) { Construct(); }

CCmdAnalCtrlTabDlg::CCmdAnalCtrlTabDlg(int, CWnd* pParent) : CDBDlgBase(IDD_CMD_ANAL_CTRL, pParent) { Construct(); }

CCmdAnalCtrlTabDlg::~CCmdAnalCtrlTabDlg() = default;

void CCmdAnalCtrlTabDlg::Construct() {
  m_actl.Initialize();
  m_pCtrl = std::make_unique<CCmdAnalCtrlDlg>(nullptr);
  m_pPerf = std::make_unique<CCmdAnalPerfDlg>(this);
  m_pNonlinear = std::make_unique<CCmdAnalNonlinearDlg>(nullptr);
  m_pCtrl->SetRecord(&m_actl);
  m_pPerf->SetRecord(&m_actl);
  m_pNonlinear->SetRecord(&m_actl);
  if (CClassActl* table = GetClassPtr())
    if (!table->Get(m_actl)) m_actl.Initialize();
}

CClassActl* CCmdAnalCtrlTabDlg::GetClassPtr() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? static_cast<CClassActl*>(doc->GetModelDB()->GetClass(CClassActl::m_nClassID)) : nullptr;
}

void CCmdAnalCtrlTabDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ACTL_PLACEHOLDER, m_placeholder);
}

BOOL CCmdAnalCtrlTabDlg::InitTabCtrl() {
  CRect rc;
  m_placeholder.GetClientRect(&rc);
  if (!m_pCtrl->CreatePage(IDD_CMD_ANAL_CTRL_PAGE, &m_placeholder, rc)) return TRUE;
  m_pCtrl->ShowWindow(SW_SHOW);
  m_pCtrl->SetActiveWindow();
  return TRUE;
}

BOOL CCmdAnalCtrlTabDlg::Data2Dlg() { return m_pCtrl->Data2Dlg(); }
BOOL CCmdAnalCtrlTabDlg::Dlg2Data() { return m_pCtrl->Dlg2Data(); }

BOOL CCmdAnalCtrlTabDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  InitTabCtrl();
  Data2Dlg();
  return TRUE;
}

void CCmdAnalCtrlTabDlg::OnOK() {
  if (!Dlg2Data()) return;
  CClassActl* table = GetClassPtr();
  if (!table || !table->TR_Add(m_actl)) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_ACTL_ERROR_Save", 0));
    return;
  }
  CDBDlgBase::OnOK();
}

void CCmdAnalCtrlTabDlg::OnCancel() { DestroyWindow(); }

void CCmdAnalCtrlTabDlg::OnSelChanging(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = !m_pCtrl->Dlg2Data();
}

void CCmdAnalCtrlTabDlg::OnSelChange(NMHDR*, LRESULT* pResult) {
  if (pResult) *pResult = 0;
}

void CCmdAnalCtrlTabDlg::OnDestroy() {
  if (m_pCtrl && m_pCtrl->m_hWnd) m_pCtrl->DestroyWindow();
  CDBDlgBase::OnDestroy();
}
