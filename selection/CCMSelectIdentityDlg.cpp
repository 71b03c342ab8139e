#include "selection/CCMSelectIdentityDlg.h"

#include "afx/CDataExchange.h"
#include "common/CCmdNodeElemMode.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "db/DB_CDataBase.h"
#include "res/resource.h"
#include "selection/CSelectProcs.h"
#include "ui/CArrayUtil.h"
#include "ui/CDlgUtil.h"

IMPLEMENT_DYNAMIC(CCMSelectIdentityDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCMSelectIdentityDlg, CDBDlgBase)
  ON_BN_CLICKED(IDC_SELID_CLOSE, &CCMSelectIdentityDlg::OnCmdClose)
  ON_EN_KILLFOCUS(IDC_SELID_PONT_NO, &CCMSelectIdentityDlg::OnKillFocusPontNo)
  ON_EN_KILLFOCUS(IDC_SELID_MEMB_NO, &CCMSelectIdentityDlg::OnKillFocusMembNo)
  ON_EN_KILLFOCUS(IDC_SELID_NODE_NO, &CCMSelectIdentityDlg::OnKillFocusNodeNo)
  ON_EN_KILLFOCUS(IDC_SELID_ELEM_NO, &CCMSelectIdentityDlg::OnKillFocusElemNo)
  ON_CBN_SELCHANGE(IDC_SELID_CATEGORY, &CCMSelectIdentityDlg::OnSelChangeCategory)
  ON_BN_CLICKED(IDC_SELID_CHK_PONT, &CCMSelectIdentityDlg::OnCheckPont)
  ON_BN_CLICKED(IDC_SELID_CHK_MEMB, &CCMSelectIdentityDlg::OnCheckMemb)
  ON_BN_CLICKED(IDC_SELID_CHK_NODE, &CCMSelectIdentityDlg::OnCheckNode)
  ON_BN_CLICKED(IDC_SELID_CHK_ELEM, &CCMSelectIdentityDlg::OnCheckElem)
  ON_BN_CLICKED(IDC_SELID_ALL, &CCMSelectIdentityDlg::OnCmdAll)
  ON_BN_CLICKED(IDC_SELID_NONE, &CCMSelectIdentityDlg::OnCmdNone)
  ON_BN_CLICKED(IDC_SELID_INVERSE, &CCMSelectIdentityDlg::OnCmdInverse)
  ON_BN_CLICKED(IDC_SELID_PREVIOUS, &CCMSelectIdentityDlg::OnCmdPrevious)
  ON_BN_CLICKED(IDC_SELID_ADD, &CCMSelectIdentityDlg::OnCmdAdd)
  ON_BN_CLICKED(IDC_SELID_DELETE, &CCMSelectIdentityDlg::OnCmdDelete)
  ON_BN_CLICKED(IDC_SELID_REPLACE, &CCMSelectIdentityDlg::OnCmdReplace)
  ON_BN_CLICKED(IDC_SELID_INTERSECT, &CCMSelectIdentityDlg::OnCmdIntersect)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_MOUSEEDITENTER2, &CCMSelectIdentityDlg::OnMouseEditPick)
  ON_REGISTERED_MESSAGE(CMouseEdit2::WM_LBUTTONDOWN_FROM_MVIEW2, &CCMSelectIdentityDlg::OnMouseEditPick)
END_MESSAGE_MAP()

namespace {
// The pick edit of each category that has one.
struct CategoryPick {
  UINT nCategory;
  UINT nEditID;
};
constexpr CategoryPick kPicks[] = {{QUERY_MEMB_TYPE, IDC_SELID_PICK_TYPE},
                                   {QUERY_MATERIAL, IDC_SELID_PICK_MATL},
                                   {QUERY_SECTION, IDC_SELID_PICK_SECT},
                                   {QUERY_THICKNESS, IDC_SELID_PICK_THIK}};
const CUIntArray& Empty() {
  static const CUIntArray none;
  return none;
}
}  // namespace

void CCMSelectIdentityDlg::CAnalysisFollower::OnUpdate(CView*, LPARAM lHint, CObject* pHint) {
  const auto* h = dynamic_cast<const T_UPDATE_HINT*>(pHint);
  m_pDlg->OnUpdateHint(lHint, h ? h->m_nDBID : 0);
}

CCMSelectIdentityDlg::CCMSelectIdentityDlg(CWnd* pParent) : CDBDlgBase(IDD_CMD_SELECT_IDENTITY, pParent) {
  for (UINT id : {IDC_SELID_CHK_PONT, IDC_SELID_PONT_NO, IDC_SELID_CHK_MEMB, IDC_SELID_MEMB_NO})
    m_rowsBuilding.Add(id);
  for (UINT id : {IDC_SELID_CHK_NODE, IDC_SELID_NODE_NO, IDC_SELID_CHK_ELEM, IDC_SELID_ELEM_NO})
    m_rowsAnalysis.Add(id);
}

CCMSelectIdentityDlg::~CCMSelectIdentityDlg() = default;

void CCMSelectIdentityDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_SELID_SPARE, m_cobxSpare);
  DDX_Control(pDX, IDC_SELID_PICK_THIK, m_editThik);
  DDX_Control(pDX, IDC_SELID_PICK_SECT, m_editSect);
  DDX_Control(pDX, IDC_SELID_PICK_MATL, m_editMatl);
  DDX_Control(pDX, IDC_SELID_PICK_TYPE, m_editMembType);
  DDX_Control(pDX, IDC_SELID_LIST, m_listAttr);
  DDX_Control(pDX, IDC_SELID_CATEGORY, m_cobxCategory);
  DDX_Control(pDX, IDC_SELID_MEMB_NO, m_editMembNo);
  DDX_Control(pDX, IDC_SELID_PONT_NO, m_editPontNo);
  DDX_Control(pDX, IDC_SELID_ELEM_NO, m_editElemNo);
  DDX_Control(pDX, IDC_SELID_NODE_NO, m_editNodeNo);
  DDX_Control(pDX, IDC_SELID_MULTI_PICK, m_chkMultiPick);
  DDX_Control(pDX, IDC_SELID_CHK_ELEM, m_chkElem);
  DDX_Control(pDX, IDC_SELID_CHK_NODE, m_chkNode);
  DDX_Control(pDX, IDC_SELID_CHK_MEMB, m_chkMemb);
  DDX_Control(pDX, IDC_SELID_CHK_PONT, m_chkPont);
}

BOOL CCMSelectIdentityDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  m_nMode = GetCurMode();
  // The analysis rows take the places of the building rows; the window ends 15 px below
  // Close.
  CRect pont, node, close, self;
  GetDlgItem(IDC_SELID_PONT_NO)->GetWindowRect(&pont);
  GetDlgItem(IDC_SELID_NODE_NO)->GetWindowRect(&node);
  CDlgUtil::CtrlMoveDistY(this, m_rowsAnalysis, pont.top - node.top, TRUE);
  GetDlgItem(IDC_SELID_CLOSE)->GetWindowRect(&close);
  GetWindowRect(&self);
  MoveWindow(self.left, self.top, self.Width(), close.bottom + 15 - self.top, TRUE);
  InitPickEdits();
  InitCheckStates();
  if (m_pDBDoc) m_follower.ConnectDB(m_pDBDoc->GetMDBCtrl()->GetDBPost());
  ChangeCurMode();
  return TRUE;
}

int CCMSelectIdentityDlg::GetCurMode() const { return CCmdNodeElemMode::IsNodeElemMode(); }

DB_CDataBase* CCMSelectIdentityDlg::GetCurrentDB(int nMode) const { return CCmdNodeElemMode::GetCurrentDB(nMode); }

void CCMSelectIdentityDlg::InitCheckStates() {
  struct Row {
    CButton& box;
    int flag;
    CSelectListEdit& edit;
  } rows[] = {{m_chkPont, m_bPont, m_editPontNo},
              {m_chkMemb, m_bMemb, m_editMembNo},
              {m_chkNode, m_bNode, m_editNodeNo},
              {m_chkElem, m_bElem, m_editElemNo}};
  for (Row& r : rows) {
    r.box.SetCheck(r.flag ? BST_CHECKED : BST_UNCHECKED);
    r.edit.EnableWindow(r.flag != 0);
  }
}

void CCMSelectIdentityDlg::ChangeCurMode() {
  m_nMode = GetCurMode();
  CDlgUtil::CtrlShowHide(this, m_rowsBuilding, m_nMode == 0);
  CDlgUtil::CtrlShowHide(this, m_rowsAnalysis, m_nMode == 1);
  SetCategory();
  ShowSelectedPontNo();
  ShowSelectedMembNo();
  ShowSelectedNodeNo();
  ShowSelectedElemNo();
}

// ---- Typed number lists ----

void CCMSelectIdentityDlg::ApplyTyped(CSelectListEdit& edit, CViewCtrl::Kind kind, int nMode) {
  if (m_nMode != nMode) return;
  CString text;
  edit.GetWindowText(text);
  CSelectProcs::ApplyTypedList(GetCurrentDB(m_nMode), kind, text);
}

void CCMSelectIdentityDlg::OnKillFocusPontNo() { ApplyTyped(m_editPontNo, CViewCtrl::PONT, 0); }
void CCMSelectIdentityDlg::OnKillFocusMembNo() { ApplyTyped(m_editMembNo, CViewCtrl::MEMB, 0); }
void CCMSelectIdentityDlg::OnKillFocusNodeNo() { ApplyTyped(m_editNodeNo, CViewCtrl::PNODE, 1); }
void CCMSelectIdentityDlg::OnKillFocusElemNo() { ApplyTyped(m_editElemNo, CViewCtrl::PMEMB, 1); }

void CCMSelectIdentityDlg::ShowSelected(CSelectListEdit& edit, CViewCtrl::Kind kind, int nMode) {
  if (m_nMode != nMode || !edit.m_hWnd) return;
  CString text;
  if (CSelectProcs::GetSelectedText(GetCurrentDB(m_nMode), kind, text)) edit.SetWindowText(text);
}

void CCMSelectIdentityDlg::ShowSelectedPontNo() { ShowSelected(m_editPontNo, CViewCtrl::PONT, 0); }
void CCMSelectIdentityDlg::ShowSelectedMembNo() { ShowSelected(m_editMembNo, CViewCtrl::MEMB, 0); }
void CCMSelectIdentityDlg::ShowSelectedNodeNo() { ShowSelected(m_editNodeNo, CViewCtrl::PNODE, 1); }
void CCMSelectIdentityDlg::ShowSelectedElemNo() { ShowSelected(m_editElemNo, CViewCtrl::PMEMB, 1); }

void CCMSelectIdentityDlg::OnCheck(CButton& box, int& flag, CSelectListEdit& edit) {
  flag = box.GetCheck() == BST_CHECKED ? 1 : 0;
  edit.EnableWindow(flag != 0);
}

void CCMSelectIdentityDlg::OnCheckPont() { OnCheck(m_chkPont, m_bPont, m_editPontNo); }
void CCMSelectIdentityDlg::OnCheckMemb() { OnCheck(m_chkMemb, m_bMemb, m_editMembNo); }
void CCMSelectIdentityDlg::OnCheckNode() { OnCheck(m_chkNode, m_bNode, m_editNodeNo); }
void CCMSelectIdentityDlg::OnCheckElem() { OnCheck(m_chkElem, m_bElem, m_editElemNo); }

// ---- Categories, lists and picks ----

void CCMSelectIdentityDlg::SetCategory() {
  int n = 0;
  const CSelectProcs::Category* cats = CSelectProcs::GetSelectCategories(n);
  CSelectProcs::FillCategories(m_cobxCategory, cats, n, m_nMode);
  m_cobxCategory.SetCurSel(0);
  OnSelChangeCategory();
}

void CCMSelectIdentityDlg::OnSelChangeCategory() { ChangeCategory(GetCurCategory()); }

UINT CCMSelectIdentityDlg::GetCurCategory() const {
  const int cur = m_cobxCategory.m_hWnd ? m_cobxCategory.GetCurSel() : CB_ERR;
  return cur < 0 ? 0 : (UINT)m_cobxCategory.GetItemData(cur);
}

void CCMSelectIdentityDlg::MakeList(UINT nCategory) {
  CSelectProcs::FillList(m_listAttr, m_nMode, GetCurrentDB(m_nMode), nCategory);
}

void CCMSelectIdentityDlg::ChangeCategory(UINT nCategory) {
  switch (nCategory) {
    case 0: m_listAttr.ResetContent(); break;
    case QUERY_MEMB_TYPE: MakeListMemberType(); break;
    case QUERY_MATERIAL: MakeListMaterial(); break;
    case QUERY_SECTION: MakeListSection(); break;
    case QUERY_THICKNESS: MakeListThickness(); break;
    case QUERY_STOR: MakeListStory(); break;
    case QUERY_GROUP: MakeListGroup(); break;
    default: break;
  }
  CWnd* shown = nullptr;
  for (const CategoryPick& p : kPicks) {
    CWnd* edit = GetDlgItem(p.nEditID);
    const BOOL on = p.nCategory == nCategory;
    edit->ShowWindow(on ? SW_SHOW : SW_HIDE);
    edit->EnableWindow(on);
    if (on) shown = edit;
  }
  m_cobxSpare.ShowWindow(SW_HIDE);
  m_cobxSpare.EnableWindow(FALSE);
  m_chkMultiPick.ShowWindow(shown ? SW_SHOW : SW_HIDE);
  m_chkMultiPick.EnableWindow(shown != nullptr);
  if (shown) shown->SetFocus();
}

void CCMSelectIdentityDlg::AddListItem(const CString& text, DWORD_PTR data) {
  const int i = m_listAttr.AddString(text);
  if (i >= 0) m_listAttr.SetItemData(i, data);
}

void CCMSelectIdentityDlg::InitPickEdits() {
  CMouseEdit2* edits[] = {&m_editMembType, &m_editMatl, &m_editSect, &m_editThik};
  for (CMouseEdit2* e : edits) {
    e->SetLButtonDownNotifyWindow(this);
    e->SetEnterNotifyWindow(this);
  }
  CRect r;
  m_editMembType.GetWindowRect(&r);
  ScreenToClient(&r);
  for (int i = 1; i < 4; ++i) edits[i]->MoveWindow(&r, TRUE);
}

LRESULT CCMSelectIdentityDlg::OnMouseEditPick(WPARAM wParam, LPARAM) {
  SelectPickedItem((UINT)wParam);
  return 0;
}

void CCMSelectIdentityDlg::SelectPickedItem(UINT nID) {
  if (m_chkMultiPick.GetCheck() != BST_CHECKED && m_listAttr.GetCount() > 0) m_listAttr.SetSel(-1, FALSE);
  UINT key = 0;
  switch (nID) {
    case IDC_SELID_PICK_SECT:
      if (m_editSect.GetKey(key)) SelectListItemByData(key);
      break;
    case IDC_SELID_PICK_MATL:
      if (m_editMatl.GetKey(key)) SelectListItemByData(key);
      break;
    case IDC_SELID_PICK_THIK:
      if (m_editThik.GetKey(key)) SelectListItemByData(key);
      break;
    case IDC_SELID_PICK_TYPE: {
      if (!m_editMembType.GetKey(key)) break;
      if (m_nMode == 1) {
        SelectListItemByData(key);
        break;
      }
      CUIntArray codes;
      CStringArray names;
      CClassMemb::GetMembTypeList(codes, names);
      if (key >= 1 && key <= (UINT)codes.GetSize()) SelectListItemByData(codes[key - 1]);
      break;
    }
    default: break;
  }
}

void CCMSelectIdentityDlg::SelectListItemByData(UINT data) { CSelectProcs::SelectListItemByData(m_listAttr, data); }

void CCMSelectIdentityDlg::UpdateBuffer(UINT nDBID) {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db || db->GetID() != nDBID || !db->HasUpdateRecords()) return;
  const UINT cat = GetCurCategory();
  if (cat == QUERY_MEMB_TYPE) return;
  POSITION pos = db->GetFirstUpdatePosition();
  while (pos) {
    const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
    if (r && CSelectProcs::ListFollowsTable(cat, r->m_nClassID)) {
      MakeList(cat);
      return;
    }
  }
}

// ---- The query ----

BOOL CCMSelectIdentityDlg::ValidQueryCondition() const {
  return CSelectProcs::ValidQueryCondition(GetCurCategory(), m_listAttr);
}

void CCMSelectIdentityDlg::GetQueryCondition(CQueryCondition& cond) const {
  CSelectProcs::GetQueryCondition(GetCurCategory(), m_listAttr, cond);
}

BOOL CCMSelectIdentityDlg::Query(CUIntArray* pObjs, CUIntArray* pMembs) const {
  if (!ValidQueryCondition()) return FALSE;
  CQueryCondition cond;
  GetQueryCondition(cond);
  return CSelectProcs::RunQuery(m_nMode, GetCurrentDB(m_nMode), cond, pObjs, pMembs);
}

// ---- Buttons ----

void CCMSelectIdentityDlg::ModeKinds(CViewCtrl::Kind& objKind, CViewCtrl::Kind& membKind, int& objFlag,
                                     int& membFlag) const {
  const bool analysis = m_nMode == 1;
  objKind = analysis ? CViewCtrl::PNODE : CViewCtrl::PONT;
  membKind = analysis ? CViewCtrl::PMEMB : CViewCtrl::MEMB;
  objFlag = analysis ? m_bNode : m_bPont;
  membFlag = analysis ? m_bElem : m_bMemb;
}

void CCMSelectIdentityDlg::Apply(const CUIntArray& objs, const CUIntArray& membs, int nReplace, BOOL bUnselect) {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  CViewCtrl* vc = db->GetViewCtrl();
  const CUIntArray& none = Empty();
  const bool analysis = m_nMode == 1;
  const CUIntArray& p = analysis ? none : objs;
  const CUIntArray& m = analysis ? none : membs;
  const CUIntArray& n = analysis ? objs : none;
  const CUIntArray& e = analysis ? membs : none;
  if (bUnselect) vc->Unselect(nullptr, p, m, n, e, 0, 0);
  else vc->Select(nullptr, p, m, n, e, 0, 0, nReplace);
}

void CCMSelectIdentityDlg::GetSelected(CViewCtrl::Kind kind, CUIntArray& keys) const {
  keys.RemoveAll();
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  const CViewCtrl* vc = db->GetViewCtrl();
  switch (kind) {
    case CViewCtrl::PONT: vc->GetAllSelectedPont(keys); break;
    case CViewCtrl::MEMB: vc->GetAllSelectedMemb(keys); break;
    case CViewCtrl::PNODE: vc->GetAllSelectedPNode(keys); break;
    default: vc->GetAllSelectedPMemb(keys); break;
  }
}

void CCMSelectIdentityDlg::GetUnselected(CViewCtrl::Kind kind, CUIntArray& keys) const {
  keys.RemoveAll();
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  const CViewCtrl* vc = db->GetViewCtrl();
  switch (kind) {
    case CViewCtrl::PONT: vc->GetAllUnSelectedPont(keys); break;
    case CViewCtrl::MEMB: vc->GetAllUnSelectedMemb(keys); break;
    case CViewCtrl::PNODE: vc->GetAllUnSelectedPNode(keys); break;
    default: vc->GetAllUnSelectedPMemb(keys); break;
  }
}

void CCMSelectIdentityDlg::OnCmdAll() {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  const bool analysis = m_nMode == 1;
  if (of) {
    if (analysis) static_cast<CClassPNode*>(db->GetClass(CClassPNode::m_nClassID))->GetKeyList(objs);
    else static_cast<CClassPont*>(db->GetClass(CClassPont::m_nClassID))->GetKeyList(objs);
  }
  if (mf) {
    if (analysis) static_cast<CClassPMemb*>(db->GetClass(CClassPMemb::m_nClassID))->GetKeyList(membs);
    else static_cast<CClassMemb*>(db->GetClass(CClassMemb::m_nClassID))->GetKeyList(membs);
  }
  Apply(objs, membs, 0, FALSE);
}

void CCMSelectIdentityDlg::OnCmdNone() {
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  if (of) GetSelected(ok, objs);
  if (mf) GetSelected(mk, membs);
  Apply(objs, membs, 0, TRUE);
}

void CCMSelectIdentityDlg::OnCmdInverse() {
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  if (of) GetUnselected(ok, objs);
  else GetSelected(ok, objs);
  if (mf) GetUnselected(mk, membs);
  else GetSelected(mk, membs);
  Apply(objs, membs, 1, FALSE);
}

void CCMSelectIdentityDlg::OnCmdPrevious() {
  if (DB_CDataBase* db = GetCurrentDB(m_nMode)) db->GetViewCtrl()->SelectPrevious();
}

void CCMSelectIdentityDlg::OnCmdAdd() {
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  if (!Query(of ? &objs : nullptr, mf ? &membs : nullptr)) return;
  Apply(objs, membs, 0, FALSE);
}

void CCMSelectIdentityDlg::OnCmdDelete() {
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  if (!Query(of ? &objs : nullptr, mf ? &membs : nullptr)) return;
  Apply(objs, membs, 0, TRUE);
}

void CCMSelectIdentityDlg::OnCmdReplace() {
  if (!ValidQueryCondition()) return;
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray objs, membs;
  if (!of) GetSelected(ok, objs);
  if (!mf) GetSelected(mk, membs);
  if (!Query(of ? &objs : nullptr, mf ? &membs : nullptr)) return;
  Apply(objs, membs, 1, FALSE);
}

void CCMSelectIdentityDlg::OnCmdIntersect() {
  if (!ValidQueryCondition()) return;
  CViewCtrl::Kind ok, mk;
  int of, mf;
  ModeKinds(ok, mk, of, mf);
  CUIntArray selObjs, selMembs, objs, membs;
  GetSelected(ok, selObjs);
  GetSelected(mk, selMembs);
  CUIntArray found[2];
  if (!Query(of ? &found[0] : nullptr, mf ? &found[1] : nullptr)) return;
  if (of) CArrayUtil::IntersectUINT(selObjs, found[0], objs);
  else objs = selObjs;
  if (mf) CArrayUtil::IntersectUINT(selMembs, found[1], membs);
  else membs = selMembs;
  Apply(objs, membs, 1, FALSE);
}

void CCMSelectIdentityDlg::OnCmdClose() { DestroyWindow(); }

// ---- Following the databases ----

void CCMSelectIdentityDlg::OnDBUpdate(const DB_CDataBase& db) { OnUpdateHint(DB_HINT_DATA_CHANGED, db.GetID()); }

void CCMSelectIdentityDlg::OnHint(LPARAM lHint, CObject* pHint) {
  const auto* h = dynamic_cast<const T_UPDATE_HINT*>(pHint);
  OnUpdateHint(lHint, h ? h->m_nDBID : 0);
}

void CCMSelectIdentityDlg::OnUpdateHint(LPARAM lHint, UINT nDBID) {
  if (!m_hWnd) return;
  switch (lHint) {
    case 0:
    case 1:
    case DB_HINT_DATA_CHANGED: UpdateBuffer(nDBID); break;
    case CViewCtrl::HINT_SELECT:
    case CViewCtrl::HINT_UNSELECT: {
      DB_CDataBase* db = GetCurrentDB(m_nMode);
      if (!db || db->GetID() != nDBID) break;
      // Every selection change of the mode's database rewrites the mode's edits, also
      // when the change left a kind's current list empty.
      ShowSelectedPontNo();
      ShowSelectedMembNo();
      ShowSelectedNodeNo();
      ShowSelectedElemNo();
      break;
    }
    case 7:
    case 8: ChangeCurMode(); break;
    case 29:
      if (m_pDBDoc && m_pDBDoc->IsPreMode()) ChangeCurMode();
      break;
    default: break;
  }
}
