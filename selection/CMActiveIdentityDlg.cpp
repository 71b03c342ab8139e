#include "selection/CMActiveIdentityDlg.h"

#include "afx/CDataExchange.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "db/DB_CDataBase.h"
#include "res/resource.h"
#include "selection/CActiveLists.h"
#include "selection/CSelectProcs.h"
#include "ui/CDlgUtil.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CMActiveIdentityDlg, CModeFollowDlg)

BEGIN_MESSAGE_MAP(CMActiveIdentityDlg, CModeFollowDlg)
  ON_BN_CLICKED(IDC_ACTID_TOWER, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_PLAN, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_STORY, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_MEMB_TYPE, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_GROUP, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_NPLN, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_UCS, &CMActiveIdentityDlg::OnCmdCategory)
  ON_BN_CLICKED(IDC_ACTID_ACTIVATE, &CMActiveIdentityDlg::OnCmdApply)
  ON_BN_CLICKED(IDC_ACTID_ADD, &CMActiveIdentityDlg::OnCmdActiveAccum)
  ON_BN_CLICKED(IDC_ACTID_REMOVE, &CMActiveIdentityDlg::OnCmdInactiveAccum)
  ON_BN_CLICKED(IDC_ACTID_ALL, &CMActiveIdentityDlg::OnCmdActiveallButton)
  ON_BN_CLICKED(IDC_ACTID_CLOSE, &CMActiveIdentityDlg::OnCmdClose)
END_MESSAGE_MAP()

namespace {

// The category code of each radio, in the radio group's order.
constexpr UINT kCategoryCodes[] = {QUERY_MDUL, QUERY_PLAN, QUERY_STOR, QUERY_MEMB_TYPE, QUERY_GROUP, QUERY_NPLN, 0};
constexpr int kStoryIndex = 2;

UINT CodeOf(int index) {
  return index >= 0 && index < (int)(sizeof kCategoryCodes / sizeof kCategoryCodes[0]) ? kCategoryCodes[index] : 0;
}

bool ModelOnly(UINT code) { return code == QUERY_PLAN || code == QUERY_GROUP; }

}  // namespace

CMActiveIdentityDlg::CMActiveIdentityDlg(CWnd* pParent) : CModeFollowDlg(IDD_CMD_ACTIVE_IDENTITY, pParent) {
  m_extentIds.Add(IDC_ACTID_EXTENT_ALL);
  m_extentIds.Add(IDC_ACTID_EXTENT_FLOOR);
}

CMActiveIdentityDlg::~CMActiveIdentityDlg() = default;

void CMActiveIdentityDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_ACTID_LIST, m_listAttr);
  DDX_Radio(pDX, IDC_ACTID_TOWER, m_nCategory);
  DDX_Radio(pDX, IDC_ACTID_EXTENT_ALL, m_nExtent);
}

BOOL CMActiveIdentityDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  FollowAnalysisDB();
  m_nMode = GetCurMode();
  ChangeCurMode();
  GetDlgItem(IDC_ACTID_EXTENT_FLOOR)->EnableWindow(FALSE);
  GetDlgItem(IDC_ACTID_UCS)->EnableWindow(FALSE);
  return TRUE;
}

void CMActiveIdentityDlg::OnCancel() { CDialog::OnCancel(); }

void CMActiveIdentityDlg::OnCmdClose() { OnCancel(); }

void CMActiveIdentityDlg::ChangeCurMode() {
  m_nMode = GetCurMode();
  const BOOL building = m_nMode == 0;
  GetDlgItem(IDC_ACTID_PLAN)->EnableWindow(building);
  GetDlgItem(IDC_ACTID_GROUP)->EnableWindow(building);
  if (!building) {
    UpdateData(TRUE);
    if (ModelOnly(CodeOf(m_nCategory))) {
      m_nCategory = kStoryIndex;
      UpdateData(FALSE);
    }
  }
  ChangeCategory();
}

int CMActiveIdentityDlg::GetCategory() {
  UpdateData(TRUE);
  return m_nCategory;
}

UINT CMActiveIdentityDlg::GetCurCategory() { return CodeOf(GetCategory()); }

void CMActiveIdentityDlg::ChangeCategory() {
  const UINT code = GetCurCategory();
  CActiveLists::Fill(CActiveLists::ACTIVATE, m_listAttr, m_nMode, GetCurrentDB(m_nMode), GetModelDB(), code);
  CDlgUtil::CtrlShowHide(this, m_extentIds, code == QUERY_STOR);
}

void CMActiveIdentityDlg::OnCmdCategory() {
  ChangeCategory();
  m_listAttr.SetFocus();
}

void CMActiveIdentityDlg::AddListItem(const CString& text, DWORD_PTR data) {
  const int i = m_listAttr.AddString(text);
  if (i >= 0) m_listAttr.SetItemData(i, data);
}

BOOL CMActiveIdentityDlg::ValidQueryCondition() {
  return CSelectProcs::ValidQueryCondition(GetCurCategory(), m_listAttr);
}

void CMActiveIdentityDlg::GetQueryCondition(CQueryCondition& cond) {
  CSelectProcs::GetQueryCondition(GetCurCategory(), m_listAttr, cond);
}

void CMActiveIdentityDlg::Query(CUIntArray& objs, CUIntArray& membs) {
  objs.RemoveAll();
  membs.RemoveAll();
  CQueryCondition cond;
  GetQueryCondition(cond);
  if (cond.m_arrKeys.IsEmpty()) return;  // nothing chosen: nothing to find
  CSelectProcs::RunQuery(m_nMode, GetCategoryDB(cond.m_nQueryType), cond, &objs, &membs);
}

void CMActiveIdentityDlg::DoActiveOp() {
  if (!ValidQueryCondition()) return;
  CUIntArray objs, membs;
  Query(objs, membs);
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  if (!view || (objs.IsEmpty() && membs.IsEmpty())) return;
  if (m_nMode == 0) view->ActivateObjects(objs, nullptr, nullptr, membs, 0);
  else view->ActivateNodeElems(objs, membs, 0);
}

void CMActiveIdentityDlg::ChangeActive(int nChange) {
  CUIntArray objs, membs;
  Query(objs, membs);
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  if (view && (!objs.IsEmpty() || !membs.IsEmpty())) view->ChangeActiveObjects(objs, membs, 0, nChange);
}

void CMActiveIdentityDlg::OnCmdApply() {
  UpdateData(TRUE);
  DoActiveOp();
}

void CMActiveIdentityDlg::OnCmdActiveAccum() { ChangeActive(1); }

void CMActiveIdentityDlg::OnCmdInactiveAccum() { ChangeActive(2); }

void CMActiveIdentityDlg::OnCmdActiveallButton() {
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) view->ActivateAll();
}

// ---- Following the databases ----

void CMActiveIdentityDlg::UpdateBuffer(UINT nDBID) {
  const UINT code = CodeOf(m_nCategory);
  if (CActiveLists::TransactionChangesList(CActiveLists::ACTIVATE, code, GetCategoryDB(code), nDBID)) ChangeCategory();
}
