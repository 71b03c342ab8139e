#include "analysis/CCmdPFLevelCtrlDlg.h"

#include "afx/CDataExchange.h"
#include "analysis/CCmdPFLevelCtrlGlobalDlg.h"
#include "analysis/CCmdPFLevelCtrlStorDrftDlg.h"
#include "db/CClassPfct.h"
#include "db/CDBDoc.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdPFLevelCtrlDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdPFLevelCtrlDlg, CDlgMove)
  ON_BN_CLICKED(IDC_PF_OK, &CCmdPFLevelCtrlDlg::OnOK)
END_MESSAGE_MAP()

CCmdPFLevelCtrlDlg::CCmdPFLevelCtrlDlg(CWnd* pParent) : CDlgMove(IDD_CMD_PF_LEVEL_CTRL, pParent) { m_pfct.Initialize(); }

CClassPfct* CCmdPFLevelCtrlDlg::GetTable() const {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetModelDB() : nullptr;
  return db ? static_cast<CClassPfct*>(db->GetClass(CClassPfct::m_nClassID)) : nullptr;
}

void CCmdPFLevelCtrlDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PF_TAB, m_tab);
}

BOOL CCmdPFLevelCtrlDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  m_pGlobal = new CCmdPFLevelCtrlGlobalDlg;
  m_tab.AddTab(m_pGlobal, CMsgDll::pfuncLoadStr("IDS_CMD_PF_Global", 0), IDD_CMD_PF_GLOBAL, 1);
  m_pDrift = new CCmdPFLevelCtrlStorDrftDlg;
  m_tab.AddTab(m_pDrift, CMsgDll::pfuncLoadStr("IDS_CMD_PF_Story_Drift", 0), IDD_CMD_PF_STOR_DRFT, 1);
  m_tab.SetPlaceHolder(IDC_PF_PLACEHOLDER);
  if (CClassPfct* table = GetTable()) {
    if (!table->Get(m_pfct)) m_pfct.Initialize();
    m_pGlobal->SetRecord(&m_pfct);
    m_pDrift->SetRecord(&m_pfct);
  }
  m_tab.ShowTab(0);
  return FALSE;
}

void CCmdPFLevelCtrlDlg::OnOK() {
  if (m_pGlobal) m_pGlobal->Dlg2Data();
  if (m_pDrift) m_pDrift->Dlg2Data();
  CClassPfct* table = GetTable();
  if (table && table->TR_Add(m_pfct)) CDialog::OnOK();
}
