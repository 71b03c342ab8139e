#include "selection/CSelectActiveIdentityDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "db/CViewCtrl.h"
#include "db/DB_CDataBase.h"
#include "res/resource.h"
#include "selection/CActiveLists.h"
#include "selection/CSelectProcs.h"
#include "ui/CArrayUtil.h"
#include "ui/CDlgUtil.h"
#include "ui/CMsgDll.h"
#include "view/I_ModelBase.h"

IMPLEMENT_DYNAMIC(CSelectActiveIdentityDlg, CModeFollowDlg)

BEGIN_MESSAGE_MAP(CSelectActiveIdentityDlg, CModeFollowDlg)
  ON_LBN_SELCHANGE(IDC_SELACT_MAIN, &CSelectActiveIdentityDlg::OnSelchangeCmdMainCategory)
  ON_BN_CLICKED(IDC_SELACT_SELECT, &CSelectActiveIdentityDlg::OnCmdSelect)
  ON_BN_CLICKED(IDC_SELACT_UNSELECT, &CSelectActiveIdentityDlg::OnCmdUnselect)
  ON_BN_CLICKED(IDC_SELACT_ACTIVATE, &CSelectActiveIdentityDlg::OnCmdActive)
  ON_BN_CLICKED(IDC_SELACT_INACTIVATE, &CSelectActiveIdentityDlg::OnCmdInactive)
  ON_BN_CLICKED(IDC_SELACT_UNSELECT_ALL, &CSelectActiveIdentityDlg::OnCmdUnselectAll)
  ON_BN_CLICKED(IDC_SELACT_ACTIVATE_ALL, &CSelectActiveIdentityDlg::OnCmdActiveAll)
  ON_BN_CLICKED(IDC_SELACT_ADD, &CSelectActiveIdentityDlg::OnCmdSum)
  ON_BN_CLICKED(IDC_SELACT_INTERSECT, &CSelectActiveIdentityDlg::OnCmdIntersect)
  ON_BN_CLICKED(IDC_SELACT_CLOSE, &CSelectActiveIdentityDlg::OnCmdClose)
END_MESSAGE_MAP()

namespace {

// The main attributes in list order; modes 2 both, 0 the building model only.
const CSelectProcs::Category kMainCategories[] = {
    {"IDS_DB_DATA_NAME_STOR", QUERY_STOR, 2},       {"IDS_DB_DATA_NAME_PLAN", QUERY_PLAN, 0},
    {"IDS_DB_DATA_NAME_MDUL", QUERY_MDUL, 2},       {"IDS_DB_DATA_NAME_NPLN", QUERY_NPLN, 2},
    {"IDS_DB_QUERY_NAME_GROUP", QUERY_GROUP, 0},    {"IDS_DB_QUERY_MEMB_TYPE", QUERY_MEMB_TYPE, 2},
    {"IDS_DB_QUERY_MATERIAL", QUERY_MATERIAL, 2},   {"IDS_DB_QUERY_SECTION", QUERY_SECTION, 2},
    {"IDS_DB_QUERY_THICKNESS", QUERY_THICKNESS, 2},
};

// The member (element) types the story scope keeps.
constexpr UINT kStoryScopeTypes[] = {201, 205, 301, 200, 302};
constexpr UINT kStoryScopeElemTypes[] = {201, 205, 301, 204};

template <size_t N>
CUIntArray Types(const UINT (&codes)[N]) {
  CUIntArray a;
  for (UINT c : codes) a.Add(c);
  return a;
}

}  // namespace

CSelectActiveIdentityDlg::CSelectActiveIdentityDlg(CWnd* pParent)
    : CModeFollowDlg(IDD_CMD_SELECT_ACTIVE_IDENTITY, pParent) {
  m_scopeIds.Add(IDC_SELACT_SCOPE_ALL);
  m_scopeIds.Add(IDC_SELACT_SCOPE_STORY);
}

CSelectActiveIdentityDlg::~CSelectActiveIdentityDlg() = default;

void CSelectActiveIdentityDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SELACT_MAIN, m_listMain);
  DDX_Control(pDX, IDC_SELACT_SUB, m_listSub);
  DDX_Radio(pDX, IDC_SELACT_SCOPE_ALL, m_nScope);
  DDX_Check(pDX, IDC_SELACT_POINTS, m_bPoints);
  DDX_Check(pDX, IDC_SELACT_ADD, m_bAdd);
  DDX_Check(pDX, IDC_SELACT_INTERSECT, m_bIntersect);
}

BOOL CSelectActiveIdentityDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  FollowAnalysisDB();
  m_nMode = GetCurMode();
  ChangeCurMode();
  return TRUE;
}

void CSelectActiveIdentityDlg::OnCancel() { CDialog::OnCancel(); }

void CSelectActiveIdentityDlg::OnCmdClose() { OnCancel(); }

void CSelectActiveIdentityDlg::ChangeCurMode() {
  m_nMode = GetCurMode();
  SetCategory();
}

// ---- Main attributes and the sub list ----

void CSelectActiveIdentityDlg::SetCategory() {
  m_listMain.ResetContent();
  for (const CSelectProcs::Category& c : kMainCategories) {
    if (c.nModeMask != 2 && c.nModeMask != m_nMode) continue;
    const int i = m_listMain.AddString(CMsgDll::pfuncLoadStr(c.pszTextKey, 0));
    if (i >= 0) m_listMain.SetItemData(i, c.nCode);
  }
  m_listMain.SetCurSel(0);
  OnSelchangeCmdMainCategory();
}

void CSelectActiveIdentityDlg::OnSelchangeCmdMainCategory() { ChangeCategory(); }

UINT CSelectActiveIdentityDlg::GetCurCategory() {
  UpdateData(TRUE);
  const int cur = m_listMain.GetCurSel();
  return cur < 0 ? 0 : (UINT)m_listMain.GetItemData(cur);
}

void CSelectActiveIdentityDlg::ChangeCategory() {
  const UINT code = GetCurCategory();
  CActiveLists::Fill(CActiveLists::SELECT_ACTIVATE, m_listSub, m_nMode, GetCurrentDB(m_nMode), GetModelDB(), code);
  CDlgUtil::CtrlShowHide(this, m_scopeIds, code == QUERY_STOR);
  m_nScope = 0;
  UpdateData(FALSE);
}

void CSelectActiveIdentityDlg::AddListItem(const CString& text, DWORD_PTR data) {
  const int i = m_listSub.AddString(text);
  if (i >= 0) m_listSub.SetItemData(i, data);
}

BOOL CSelectActiveIdentityDlg::ValidQueryCondition() {
  const UINT code = GetCurCategory();
  if (code == 0) return FALSE;
  if (CSelectProcs::ValidQueryCondition(code, m_listSub)) return TRUE;
  AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_ERROR__SELECT_SUB_IDENTITY", 0));
  return FALSE;
}

void CSelectActiveIdentityDlg::GetQueryCondition(CQueryCondition& cond) {
  CSelectProcs::GetQueryCondition(GetCurCategory(), m_listSub, cond);
}

// ---- The operations ----

void CSelectActiveIdentityDlg::GetBase(CUIntArray& objs, CUIntArray& membs) {
  objs.RemoveAll();
  membs.RemoveAll();
  const bool analysis = m_nMode == 1;
  if (m_nLastOp == OP_SELECT || m_nLastOp == OP_UNSELECT) {
    // The selection lives in the mode's database, whichever database answered the query.
    DB_CDataBase* db = GetCurrentDB(m_nMode);
    if (!db) return;
    const CViewCtrl* vc = db->GetViewCtrl();
    if (analysis) {
      vc->GetAllSelectedPNode(objs);
      vc->GetAllSelectedPMemb(membs);
    } else {
      vc->GetAllSelectedPont(objs);
      vc->GetAllSelectedMemb(membs);
    }
  } else if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) {
    if (analysis) view->GetActiveNodeElems(membs, objs);
    else view->GetActiveObjects(membs, objs);
  }
}

BOOL CSelectActiveIdentityDlg::DoActiveOp(CUIntArray& ponts, CUIntArray& membs, CUIntArray& nodes,
                                          CUIntArray& elems) {
  ponts.RemoveAll(), membs.RemoveAll(), nodes.RemoveAll(), elems.RemoveAll();
  UpdateData(TRUE);
  if (!ValidQueryCondition()) return FALSE;
  CQueryCondition cond;
  GetQueryCondition(cond);
  const bool analysis = m_nMode == 1;
  DB_CDataBase* db = GetCategoryDB(cond.m_nQueryType);
  CUIntArray& objs = analysis ? nodes : ponts;
  CUIntArray& mems = analysis ? elems : membs;
  if (m_bIntersect) {
    CUIntArray baseObjs, baseMembs, found[2];
    GetBase(baseObjs, baseMembs);
    CSelectProcs::RunQuery(m_nMode, db, cond, &found[0], &found[1]);
    CArrayUtil::IntersectUINT(baseObjs, found[0], objs);
    CArrayUtil::IntersectUINT(baseMembs, found[1], mems);
  } else {
    CSelectProcs::RunQuery(m_nMode, db, cond, &objs, &mems);
  }
  const bool storyScope = m_nScope == 1;
  if (!m_bPoints || storyScope) objs.RemoveAll();
  if (storyScope && db) {
    if (analysis) {
      if (auto* t = static_cast<CClassPMemb*>(db->GetClass(CClassPMemb::m_nClassID)))
        t->FilterByPMembType(mems, Types(kStoryScopeElemTypes), 1);
    } else if (auto* t = static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID))) {
      t->FilterByMembType(mems, Types(kStoryScopeTypes), 1);
    }
  }
  return TRUE;
}

void CSelectActiveIdentityDlg::RunOp(Op op) {
  UpdateData(TRUE);
  m_nLastOp = op;
  CUIntArray p, m, n, e;
  if (!DoActiveOp(p, m, n, e)) return;
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  I_ModelBase* view = I_ModelBase::GetCurMySelfST();
  const bool building = !p.IsEmpty() || !m.IsEmpty();
  const bool analysis = !n.IsEmpty() || !e.IsEmpty();
  switch (op) {
    case OP_SELECT:
      if (db) db->GetViewCtrl()->Select(nullptr, p, m, n, e, m_bPoints, m_bPoints, m_bAdd ? 0 : 1);
      break;
    case OP_UNSELECT:
      if (db) db->GetViewCtrl()->Unselect(nullptr, p, m, n, e, m_bPoints, m_bPoints);
      break;
    case OP_ACTIVATE:
    case OP_INACTIVATE: {
      if (!view) break;
      const int change = op == OP_ACTIVATE ? 1 : 2;
      if (m_bAdd) {
        if (building) view->ChangeActiveObjects(p, m, 0, change);
        if (analysis) view->ChangeActiveObjects(n, e, 0, change);
      } else if (op == OP_ACTIVATE) {
        if (building) view->ActivateObjects(p, nullptr, nullptr, m, 0);
        if (analysis) view->ActivateNodeElems(n, e, 0);
      } else {
        if (building) view->InactivateObjects(p, nullptr, nullptr, m, 0);
        if (analysis) view->InactivateNodeElems(n, e);
      }
      break;
    }
    default: break;
  }
}

void CSelectActiveIdentityDlg::OnCmdSelect() { RunOp(OP_SELECT); }
void CSelectActiveIdentityDlg::OnCmdUnselect() { RunOp(OP_UNSELECT); }
void CSelectActiveIdentityDlg::OnCmdActive() { RunOp(OP_ACTIVATE); }
void CSelectActiveIdentityDlg::OnCmdInactive() { RunOp(OP_INACTIVATE); }

void CSelectActiveIdentityDlg::OnCmdUnselectAll() {
  UpdateData(TRUE);
  m_nLastOp = OP_UNSELECT_ALL;
  if (DB_CDataBase* db = GetCurrentDB(m_nMode)) db->GetViewCtrl()->UnselectAll(nullptr);
}

void CSelectActiveIdentityDlg::OnCmdActiveAll() {
  UpdateData(TRUE);
  m_nLastOp = OP_ACTIVATE_ALL;
  if (I_ModelBase* view = I_ModelBase::GetCurMySelfST()) view->ActivateAll();
}

void CSelectActiveIdentityDlg::OnCmdSum() {
  UpdateData(TRUE);
  if (m_bAdd && m_bIntersect) {
    m_bIntersect = 0;
    UpdateData(FALSE);
  }
}

void CSelectActiveIdentityDlg::OnCmdIntersect() {
  UpdateData(TRUE);
  if (m_bAdd && m_bIntersect) {
    m_bAdd = 0;
    UpdateData(FALSE);
  }
}

// ---- Following the databases ----

void CSelectActiveIdentityDlg::UpdateBuffer(UINT nDBID) {
  const int cur = m_listMain.GetCurSel();
  const UINT code = cur < 0 ? 0 : (UINT)m_listMain.GetItemData(cur);
  if (CActiveLists::TransactionChangesList(CActiveLists::SELECT_ACTIVATE, code, GetCategoryDB(code), nDBID))
    CActiveLists::Fill(CActiveLists::SELECT_ACTIVATE, m_listSub, m_nMode, GetCurrentDB(m_nMode), GetModelDB(), code);
}
