#include "selection/CCMIdentityDlg.h"

#include "afx/CDataExchange.h"
#include "db/CClassMemb.h"
#include "db/CClassPMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CDBQuery.h"
#include "db/DB_CDataBase.h"
#include "selection/CSelectProcs.h"
#include "ui/CArrayUtil.h"
#include "ui/CDlgUtil.h"

IMPLEMENT_DYNAMIC(CCMIdentityDlg, CModeFollowDlg)

namespace {
const CUIntArray& Empty() {
  static const CUIntArray none;
  return none;
}
BOOL NeedsQuery(EIdentityList l) {
  return l == IDLIST_RESULT || l == IDLIST_SELECTED_RESULT || l == IDLIST_UNSELECTED_RESULT;
}
}  // namespace

CCMIdentityDlg::CCMIdentityDlg(const CIdentityDlgTable& table, CWnd* pParent)
    : CModeFollowDlg(table.nIDD, pParent), m_table(table) {
  for (int k : {CViewCtrl::PONT, CViewCtrl::MEMB}) {
    m_rowsBuilding.Add(table.nCheck[k]);
    m_rowsBuilding.Add(table.nNumber[k]);
  }
  for (int k : {CViewCtrl::PNODE, CViewCtrl::PMEMB}) {
    m_rowsAnalysis.Add(table.nCheck[k]);
    m_rowsAnalysis.Add(table.nNumber[k]);
  }
}

CCMIdentityDlg::~CCMIdentityDlg() = default;

void CCMIdentityDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  const CIdentityDlgTable& s = m_table;
  DDX_Control(pDX, s.nSpare, m_cobxSpare);
  DDX_Control(pDX, s.nPickThik, m_editThik);
  DDX_Control(pDX, s.nPickSect, m_editSect);
  DDX_Control(pDX, s.nPickMatl, m_editMatl);
  DDX_Control(pDX, s.nPickType, m_editMembType);
  DDX_Control(pDX, s.nList, m_listAttr);
  DDX_Control(pDX, s.nCategory, m_cobxCategory);
  for (CViewCtrl::Kind k : {CViewCtrl::MEMB, CViewCtrl::PONT, CViewCtrl::PMEMB, CViewCtrl::PNODE})
    DDX_Control(pDX, s.nNumber[k], NumberEdit(k));
  DDX_Control(pDX, s.nMultiPick, m_chkMultiPick);
  for (CViewCtrl::Kind k : {CViewCtrl::PMEMB, CViewCtrl::PNODE, CViewCtrl::MEMB, CViewCtrl::PONT})
    DDX_Control(pDX, s.nCheck[k], m_chkKind[k]);
}

BOOL CCMIdentityDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  m_nMode = GetCurMode();
  // The analysis rows take the places of the building rows; the window ends 15 px below
  // Close.
  CRect pont, node, close, self;
  GetDlgItem(m_table.nNumber[CViewCtrl::PONT])->GetWindowRect(&pont);
  GetDlgItem(m_table.nNumber[CViewCtrl::PNODE])->GetWindowRect(&node);
  CDlgUtil::CtrlMoveDistY(this, m_rowsAnalysis, pont.top - node.top, TRUE);
  GetDlgItem(m_table.nClose)->GetWindowRect(&close);
  GetWindowRect(&self);
  MoveWindow(self.left, self.top, self.Width(), close.bottom + 15 - self.top, TRUE);
  InitPickEdits();
  InitCheckStates();
  FollowAnalysisDB();
  ChangeCurMode();
  return TRUE;
}

void CCMIdentityDlg::InitCheckStates() {
  for (int k = 0; k < CViewCtrl::KINDS; ++k) {
    m_chkKind[k].SetCheck(m_bKind[k] ? BST_CHECKED : BST_UNCHECKED);
    NumberEdit((CViewCtrl::Kind)k).EnableWindow(m_bKind[k] != 0);
  }
}

void CCMIdentityDlg::ChangeCurMode() {
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

void CCMIdentityDlg::ApplyTyped(CViewCtrl::Kind kind, int nMode) {
  if (m_nMode != nMode) return;
  CString text;
  NumberEdit(kind).GetWindowText(text);
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!m_table.bUnselected) {
    CSelectProcs::ApplyTypedList(db, kind, text);
    return;
  }
  // The typed objects become exactly the unselected ones of the kind: everything of the
  // kind selected, then they leave the selection, as one step.
  CUIntArray keys;
  if (!db || !CSelectProcs::GetTypedKeys(db, kind, text, keys)) return;
  CViewCtrl* vc = db->GetViewCtrl();
  CViewCtrl::CStep step(vc);
  switch (kind) {
    case CViewCtrl::PONT:
      vc->SelectAllPont(nullptr, 0, 0);
      vc->UnSelectPont(nullptr, keys, 1);
      break;
    case CViewCtrl::MEMB:
      vc->SelectAllMemb(nullptr, 1, 0, 0);
      vc->UnSelectMemb(nullptr, keys, 1, 1);
      break;
    case CViewCtrl::PNODE:
      vc->SelectAllPNode(nullptr, 0, 0);
      vc->UnSelectPNode(nullptr, keys, 1);
      break;
    default:
      vc->SelectAllPMemb(nullptr, 1, 0, 0);
      vc->UnSelectPMemb(nullptr, keys, 1, 1);
      break;
  }
}

void CCMIdentityDlg::OnKillFocusPontNo() { ApplyTyped(CViewCtrl::PONT, 0); }
void CCMIdentityDlg::OnKillFocusMembNo() { ApplyTyped(CViewCtrl::MEMB, 0); }
void CCMIdentityDlg::OnKillFocusNodeNo() { ApplyTyped(CViewCtrl::PNODE, 1); }
void CCMIdentityDlg::OnKillFocusElemNo() { ApplyTyped(CViewCtrl::PMEMB, 1); }

void CCMIdentityDlg::ShowSet(CViewCtrl::Kind kind, int nMode) {
  CEdit& edit = NumberEdit(kind);
  if (m_nMode != nMode || !edit.m_hWnd) return;
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  CUIntArray keys;
  GetSet(kind, !m_table.bUnselected, keys);
  CString text;
  if (CSelectProcs::GetKeysText(db, kind, keys, text)) edit.SetWindowText(text);
}

void CCMIdentityDlg::ShowSelectedPontNo() { ShowSet(CViewCtrl::PONT, 0); }
void CCMIdentityDlg::ShowSelectedMembNo() { ShowSet(CViewCtrl::MEMB, 0); }
void CCMIdentityDlg::ShowSelectedNodeNo() { ShowSet(CViewCtrl::PNODE, 1); }
void CCMIdentityDlg::ShowSelectedElemNo() { ShowSet(CViewCtrl::PMEMB, 1); }

void CCMIdentityDlg::OnCheck(CViewCtrl::Kind kind) {
  m_bKind[kind] = m_chkKind[kind].GetCheck() == BST_CHECKED ? 1 : 0;
  NumberEdit(kind).EnableWindow(m_bKind[kind] != 0);
}

void CCMIdentityDlg::OnCheckPont() { OnCheck(CViewCtrl::PONT); }
void CCMIdentityDlg::OnCheckMemb() { OnCheck(CViewCtrl::MEMB); }
void CCMIdentityDlg::OnCheckNode() { OnCheck(CViewCtrl::PNODE); }
void CCMIdentityDlg::OnCheckElem() { OnCheck(CViewCtrl::PMEMB); }

// ---- Categories, lists and picks ----

void CCMIdentityDlg::SetCategory() {
  int n = 0;
  const CSelectProcs::Category* cats = CSelectProcs::GetSelectCategories(n);
  CSelectProcs::FillCategories(m_cobxCategory, cats, n, m_nMode);
  m_cobxCategory.SetCurSel(0);
  OnSelChangeCategory();
}

void CCMIdentityDlg::OnSelChangeCategory() { ChangeCategory(GetCurCategory()); }

UINT CCMIdentityDlg::GetCurCategory() const {
  const int cur = m_cobxCategory.m_hWnd ? m_cobxCategory.GetCurSel() : CB_ERR;
  return cur < 0 ? 0 : (UINT)m_cobxCategory.GetItemData(cur);
}

void CCMIdentityDlg::MakeList(UINT nCategory) {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (nCategory != QUERY_MEMB_TYPE || !m_table.bNumberedTypes) {
    CSelectProcs::FillList(m_listAttr, m_nMode, db, nCategory);
    return;
  }
  // The number shown is the one the type pick takes in the building model.
  m_listAttr.ResetContent();
  if (!db) return;
  CUIntArray codes;
  CStringArray names;
  if (m_nMode == 1) CClassPMemb::GetMembTypeList(codes, names);
  else CClassMemb::GetMembTypeList(codes, names);
  for (INT_PTR i = 0; i < codes.GetSize(); ++i) {
    CString text;
    text.Format("%d_%s", (int)(i + 1), names[i].c_str());
    AddListItem(text, codes[i]);
  }
}

void CCMIdentityDlg::ChangeCategory(UINT nCategory) {
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
  const struct {
    UINT nCategory;
    UINT nEditID;
  } picks[] = {{QUERY_MEMB_TYPE, m_table.nPickType},
               {QUERY_MATERIAL, m_table.nPickMatl},
               {QUERY_SECTION, m_table.nPickSect},
               {QUERY_THICKNESS, m_table.nPickThik}};
  CWnd* shown = nullptr;
  for (const auto& p : picks) {
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

void CCMIdentityDlg::AddListItem(const CString& text, DWORD_PTR data) {
  const int i = m_listAttr.AddString(text);
  if (i >= 0) m_listAttr.SetItemData(i, data);
}

void CCMIdentityDlg::InitPickEdits() {
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

LRESULT CCMIdentityDlg::OnMouseEditPick(WPARAM wParam, LPARAM) {
  SelectPickedItem((UINT)wParam);
  return 0;
}

void CCMIdentityDlg::SelectPickedItem(UINT nID) {
  if (m_chkMultiPick.GetCheck() != BST_CHECKED && m_listAttr.GetCount() > 0) m_listAttr.SetSel(-1, FALSE);
  UINT key = 0;
  if (nID == m_table.nPickSect) {
    if (m_editSect.GetKey(key)) SelectListItemByData(key);
  } else if (nID == m_table.nPickMatl) {
    if (m_editMatl.GetKey(key)) SelectListItemByData(key);
  } else if (nID == m_table.nPickThik) {
    if (m_editThik.GetKey(key)) SelectListItemByData(key);
  } else if (nID == m_table.nPickType && m_editMembType.GetKey(key)) {
    // Mode 1: the element type code itself; mode 0: a position in the type list.
    if (m_nMode == 1) {
      SelectListItemByData(key);
      return;
    }
    CUIntArray codes;
    CStringArray names;
    CClassMemb::GetMembTypeList(codes, names);
    if (key >= 1 && key <= (UINT)codes.GetSize()) SelectListItemByData(codes[key - 1]);
  }
}

void CCMIdentityDlg::SelectListItemByData(UINT data) { CSelectProcs::SelectListItemByData(m_listAttr, data); }

void CCMIdentityDlg::UpdateBuffer(UINT nDBID) {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db || db->GetID() != nDBID || !db->HasUpdateRecords()) return;
  const UINT cat = GetCurCategory();
  // The member-type list never changes; an unselected set changes with its table, as new
  // objects come unselected.
  BOOL refill = FALSE, objects = FALSE;
  const BOOL wantList = cat != QUERY_MEMB_TYPE, wantObjects = m_table.bUnselected;
  POSITION pos = db->GetFirstUpdatePosition();
  while (pos && ((wantList && !refill) || (wantObjects && !objects))) {
    const DB_CUpdateRecord* r = db->GetNextUpdate(pos);
    if (!r) continue;
    if (wantList && CSelectProcs::ListFollowsTable(cat, r->m_nClassID)) refill = TRUE;
    if (wantObjects && KindOfTable(r->m_nClassID) >= 0) objects = TRUE;
  }
  if (refill) MakeList(cat);
  if (objects) {
    ShowSelectedPontNo();
    ShowSelectedMembNo();
    ShowSelectedNodeNo();
    ShowSelectedElemNo();
  }
}

// ---- The query ----

BOOL CCMIdentityDlg::ValidQueryCondition() const {
  return CSelectProcs::ValidQueryCondition(GetCurCategory(), m_listAttr);
}

void CCMIdentityDlg::GetQueryCondition(CQueryCondition& cond) const {
  CSelectProcs::GetQueryCondition(GetCurCategory(), m_listAttr, cond);
}

BOOL CCMIdentityDlg::Query(CUIntArray* pObjs, CUIntArray* pMembs) const {
  if (!ValidQueryCondition()) return FALSE;
  CQueryCondition cond;
  GetQueryCondition(cond);
  return CSelectProcs::RunQuery(m_nMode, GetCurrentDB(m_nMode), cond, pObjs, pMembs);
}

// ---- Buttons ----

void CCMIdentityDlg::ModeKinds(CViewCtrl::Kind kinds[2], int flags[2]) const {
  const bool analysis = m_nMode == 1;
  kinds[0] = analysis ? CViewCtrl::PNODE : CViewCtrl::PONT;
  kinds[1] = analysis ? CViewCtrl::PMEMB : CViewCtrl::MEMB;
  flags[0] = m_bKind[kinds[0]];
  flags[1] = m_bKind[kinds[1]];
}

void CCMIdentityDlg::GetSet(CViewCtrl::Kind kind, BOOL bSelected, CUIntArray& keys) const {
  keys.RemoveAll();
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  const CViewCtrl* vc = db->GetViewCtrl();
  switch (kind) {
    case CViewCtrl::PONT: bSelected ? vc->GetAllSelectedPont(keys) : vc->GetAllUnSelectedPont(keys); break;
    case CViewCtrl::MEMB: bSelected ? vc->GetAllSelectedMemb(keys) : vc->GetAllUnSelectedMemb(keys); break;
    case CViewCtrl::PNODE: bSelected ? vc->GetAllSelectedPNode(keys) : vc->GetAllUnSelectedPNode(keys); break;
    default: bSelected ? vc->GetAllSelectedPMemb(keys) : vc->GetAllUnSelectedPMemb(keys); break;
  }
}

namespace {
// The table of each kind.
constexpr UINT kKindClass[CViewCtrl::KINDS] = {CClassPont::m_nClassID, CClassMemb::m_nClassID,
                                               CClassPNode::m_nClassID, CClassPMemb::m_nClassID};
}  // namespace

int CCMIdentityDlg::KindOfTable(UINT nClassID) {
  for (int k = 0; k < CViewCtrl::KINDS; ++k)
    if (kKindClass[k] == nClassID) return k;
  return -1;
}

DB_CDataClass* CCMIdentityDlg::KindTable(CViewCtrl::Kind kind) const {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  return db ? db->GetClass(kKindClass[kind]) : nullptr;
}

BOOL CCMIdentityDlg::GetList(EIdentityList what, CViewCtrl::Kind kind, const CUIntArray& result,
                             CUIntArray& keys) const {
  keys.RemoveAll();
  switch (what) {
    case IDLIST_NONE: return TRUE;
    case IDLIST_TABLE: {
      DB_CDataClass* t = KindTable(kind);
      if (!t) return FALSE;
      switch (kind) {
        case CViewCtrl::PONT: static_cast<CClassPont*>(t)->GetKeyList(keys); break;
        case CViewCtrl::MEMB: static_cast<CClassMemb*>(t)->GetKeyList(keys); break;
        case CViewCtrl::PNODE: static_cast<CClassPNode*>(t)->GetKeyList(keys); break;
        default: static_cast<CClassPMemb*>(t)->GetKeyList(keys); break;
      }
      return TRUE;
    }
    case IDLIST_SELECTED: GetSet(kind, TRUE, keys); return TRUE;
    case IDLIST_UNSELECTED: GetSet(kind, FALSE, keys); return TRUE;
    case IDLIST_RESULT: keys.vec() = result.vec(); return TRUE;
    case IDLIST_SELECTED_RESULT:
    case IDLIST_UNSELECTED_RESULT: {
      CUIntArray set;
      GetSet(kind, what == IDLIST_SELECTED_RESULT, set);
      CArrayUtil::IntersectUINT(set, result, keys);
      return TRUE;
    }
  }
  return TRUE;
}

void CCMIdentityDlg::RunButton(EButton button) {
  const CIdentityButton& b = m_table.buttons[button];
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  if (b.call == IDCALL_PREVIOUS) {
    db->GetViewCtrl()->SelectPrevious();
    return;
  }
  CViewCtrl::Kind kinds[2];
  int flags[2];
  ModeKinds(kinds, flags);
  // The query, for the checked kinds only, when a checked kind hands over its result.
  CUIntArray found[2];
  if (NeedsQuery(b.checked)) {
    if (!Query(flags[0] ? &found[0] : nullptr, flags[1] ? &found[1] : nullptr)) return;
  }
  // A whole-table list wants both tables of the mode.
  if (b.checked == IDLIST_TABLE || b.unchecked == IDLIST_TABLE) {
    for (CViewCtrl::Kind k : kinds)
      if (!KindTable(k)) return;
  }
  CUIntArray lists[2];
  for (int i = 0; i < 2; ++i)
    if (!GetList(flags[i] ? b.checked : b.unchecked, kinds[i], found[i], lists[i])) return;
  Apply(b.call, lists[0], lists[1]);
}

void CCMIdentityDlg::Apply(EIdentityCall call, const CUIntArray& objs, const CUIntArray& membs) {
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db) return;
  CViewCtrl* vc = db->GetViewCtrl();
  const CUIntArray& none = Empty();
  const bool analysis = m_nMode == 1;
  const CUIntArray& p = analysis ? none : objs;
  const CUIntArray& m = analysis ? none : membs;
  const CUIntArray& n = analysis ? objs : none;
  const CUIntArray& e = analysis ? membs : none;
  switch (call) {
    case IDCALL_SELECT: vc->Select(nullptr, p, m, n, e, 0, 0, 0); break;
    case IDCALL_SELECT_REPLACE: vc->Select(nullptr, p, m, n, e, 0, 0, 1); break;
    case IDCALL_UNSELECT: vc->Unselect(nullptr, p, m, n, e, 0, 0); break;
    case IDCALL_ALL_UNSELECT: {
      CViewCtrl::CStep step(vc);
      vc->SelectAll(nullptr);
      vc->Unselect(nullptr, p, m, n, e, 0, 0);
      break;
    }
    case IDCALL_PREVIOUS: vc->SelectPrevious(); break;
  }
}

void CCMIdentityDlg::OnCmdClose() { DestroyWindow(); }

// ---- Following the databases ----

void CCMIdentityDlg::OnUpdateHint(LPARAM lHint, UINT nDBID) {
  if (!m_hWnd) return;
  if (lHint != CViewCtrl::HINT_SELECT && lHint != CViewCtrl::HINT_UNSELECT) {
    CModeFollowDlg::OnUpdateHint(lHint, nDBID);
    return;
  }
  DB_CDataBase* db = GetCurrentDB(m_nMode);
  if (!db || db->GetID() != nDBID) return;
  // Every selection change of the mode's database rewrites the mode's edits, also when
  // the change left a kind's current list empty.
  ShowSelectedPontNo();
  ShowSelectedMembNo();
  ShowSelectedNodeNo();
  ShowSelectedElemNo();
}
