#include "levels/CCmdChangeCurPlanDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/DB_CDataBase.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdChangeCurPlanDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdChangeCurPlanDlg, CDlgMove)
  ON_BN_CLICKED(IDC_CHANGE_CUR_PLAN_APPLY, &CCmdChangeCurPlanDlg::OnApplyClicked)
END_MESSAGE_MAP()

CCmdChangeCurPlanDlg::CCmdChangeCurPlanDlg(CWnd* pParent) : CDlgMove(IDD_CMD_CHANGE_CUR_PLAN, pParent) {}

void CCmdChangeCurPlanDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_CHANGE_CUR_PLAN_COMBO, m_cobxPlan);
}

DB_CDataBase* CCmdChangeCurPlanDlg::GetDB() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  return doc ? doc->GetModelDB() : nullptr;
}

BOOL CCmdChangeCurPlanDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  CClassPlan plan;
  UINT cur = 0;
  if (DB_CDataBase* db = GetDB(); db && plan.ConnectToDB(db)) cur = plan.GetCurPlan();
  if (!cur || !m_cobxPlan.ChangeSelect(cur)) m_cobxPlan.SetCurSel(m_cobxPlan.GetCount() > 0 ? 0 : -1);
  return TRUE;
}

BOOL CCmdChangeCurPlanDlg::OnCmdBtnApply() {
  UINT key = 0;
  if (!m_cobxPlan.GetSelectedPlan(key) || !key) return FALSE;
  CClassPlan plan;
  DB_CDataBase* db = GetDB();
  return db && plan.ConnectToDB(db) && plan.SetCurPlan(key);
}

void CCmdChangeCurPlanDlg::OnOK() {
  OnCmdBtnApply();
  CDlgMove::OnOK();
}
