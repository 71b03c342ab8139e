#include "loads/CMembLoadSelectDlg.h"

#include <vector>
#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "common/CCmdNodeElemMode.h"
#include "db/CClassLdtp.h"
#include "db/CClassMbld.h"
#include "db/CClassName.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "db/CDBLib.h"
#include "db/CDBQuery.h"
#include "db/CMDBCtrl.h"
#include "db/DB_CScopedChange.h"
#include "loads/CMembLoadAssignGrid.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CMembLoadSelectDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CMembLoadSelectDlg, CDlgMove)
  ON_BN_CLICKED(IDC_MBLS_OK, &CMembLoadSelectDlg::OnCmdOkBtn)
  ON_BN_CLICKED(IDC_MBLS_APPLY, &CMembLoadSelectDlg::OnCmdApplyBtn)
  ON_BN_CLICKED(IDC_MBLS_CANCEL, &CDialog::OnCancel)
  ON_BN_CLICKED(IDC_MBLS_MORE, &CMembLoadSelectDlg::OnCmdMoreBtn)
  ON_CLBN_CHKCHANGE(IDC_MBLS_MEMBERS, &CMembLoadSelectDlg::OnMemberCheckChange)
  ON_WM_DESTROY()
END_MESSAGE_MAP()

namespace {
const char kAssignByName[] = "Assign By Name";

template <class T>
T* TableOf(CMDBCtrl* mdb) {
  DB_CDataBase* db = mdb ? mdb->GetModelDB() : nullptr;
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}
}  // namespace

CMembLoadSelectDlg::CMembLoadSelectDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_MEMB_LOAD_SELECT, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {}

CMembLoadSelectDlg::~CMembLoadSelectDlg() = default;

int CMembLoadSelectDlg::SetMembers(int kind, const CUIntArray& keys) {
  m_nTargetKind = kind;
  CStringArray names;
  CUIntArray sorted;
  auto* table = TableOf<CClassName>(m_pMDB);
  T_NAME_D rec;
  for (UINT k : keys) {
    names.Add(table && table->Get(k, rec) ? rec.name : CString());
    sorted.Add(k);
  }
  CDBLib::QSortNameKey(names, sorted);
  m_nameKeys.vec().swap(sorted.vec());
  return 1;
}

void CMembLoadSelectDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MBLS_PLANS, m_listPlan);
  DDX_Control(pDX, IDC_MBLS_MEMBERS, m_listMemb);
  DDX_Control(pDX, IDC_MBLS_LOAD_TYPE, m_cobxLoadType);
}

BOOL CMembLoadSelectDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  ClearViewSelection();
  FillMemberList();
  FillPlanList();
  FillLoadTypeCombo();
  return TRUE;
}

void CMembLoadSelectDlg::OnDestroy() {
  CDlgMove::OnDestroy();
  ClearViewSelection();
}

// ---- filling -----------------------------------------------------------------------------

void CMembLoadSelectDlg::FillMemberList() {
  m_listMemb.ResetContent();
  if (m_nameKeys.IsEmpty()) return;
  auto* names = TableOf<CClassName>(m_pMDB);
  T_NAME_D rec;
  for (UINT k : m_nameKeys) {
    if (!names || !names->Get(k, rec)) continue;
    CString text;
    text.Format("%s (%s)", rec.name.c_str(), CMembLoadAssignGrid::MembTypeText(rec.type).c_str());
    const int i = m_listMemb.AddString(text);
    m_listMemb.SetItemData(i, k);
  }
  m_listMemb.SetCurSel(0);
}

void CMembLoadSelectDlg::FillPlanList() {
  m_listPlan.ResetContent();
  if (auto* plans = TableOf<CClassPlan>(m_pMDB))
    plans->ForEachRecord([&](UINT k, const T_PLAN_D& p) {
      const int i = m_listPlan.AddString(p.name);
      m_listPlan.SetItemData(i, k);
    });
  m_listPlan.SetCurSel(0);
}

void CMembLoadSelectDlg::FillLoadTypeCombo() {
  m_cobxLoadType.ResetContent();
  m_cobxLoadType.SetItemData(m_cobxLoadType.AddString(kAssignByName), 0);
  if (auto* ldtp = TableOf<CClassLdtp>(m_pMDB))
    ldtp->ForEachRecord([&](UINT k, const T_LDTP_D& r) {
      if (r.kind == m_nTargetKind) m_cobxLoadType.SetItemData(m_cobxLoadType.AddString(r.name), k);
    });
  m_cobxLoadType.SetCurSel(0);
}

// ---- applying ----------------------------------------------------------------------------

int CMembLoadSelectDlg::ReadChecks() {
  const int cur = m_cobxLoadType.GetCurSel();
  if (cur >= 0) m_nLoadType = (UINT)m_cobxLoadType.GetItemData(cur);
  auto ticked = [](const CCheckListBox& list, CUIntArray& out) {
    out.RemoveAll();
    for (int i = 0; i < list.GetCount(); ++i)
      if (list.GetCheck(i) == 1) out.Add((UINT)list.GetItemData(i));
  };
  ticked(m_listMemb, m_checkedMembs);
  ticked(m_listPlan, m_checkedPlans);
  return 1;
}

UINT CMembLoadSelectDlg::GetLoadTypeByName(UINT nameKey) {
  auto* names = TableOf<CClassName>(m_pMDB);
  auto* ldtp = TableOf<CClassLdtp>(m_pMDB);
  T_NAME_D rec;
  if (!names || !ldtp || !names->Get(nameKey, rec)) return 0;
  UINT found = 0;
  ldtp->ForEachRecord([&](UINT k, const T_LDTP_D& r) {
    if (!found && r.kind == m_nTargetKind && r.name == rec.name) found = k;
  });
  return found;
}

int CMembLoadSelectDlg::ApplyAssign() {
  ReadChecks();
  if (m_checkedMembs.IsEmpty() || m_checkedPlans.IsEmpty()) return 1;
  auto* mbld = TableOf<CClassMbld>(m_pMDB);
  if (!mbld) return 0;
  CArray<T_MBLD_D> adds, mods;
  CUIntArray modKeys;
  bool matched = false;
  for (UINT memb : m_checkedMembs) {
    const UINT load = m_nLoadType ? m_nLoadType : GetLoadTypeByName(memb);
    if (!load) continue;
    matched = true;
    for (UINT plan : m_checkedPlans) {
      T_MBLD_D r;
      r.Initialize();
      r.nameKey = memb;
      r.plan = plan;
      r.loadType = load;
      T_MBLD_D stored;
      const UINT key = mbld->GetKey(memb, plan);
      if (!key) {
        adds.Add(r);
      } else if (mbld->Get(key, stored) && stored.loadType != load) {
        r.key = key;
        modKeys.Add(key);
        mods.Add(r);
      }
    }
  }
  if (!m_nLoadType && !matched) {
    AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_CMD_MEMB_Error_None_Match_Selected_Data", 0));
    return 0;
  }
  if (adds.IsEmpty() && mods.IsEmpty()) return 1;
  DB_CScopedChange change(mbld->GetDB());
  if (!change.IsOpen()) return 0;
  if (!mods.IsEmpty() && !mbld->TR_Modify(modKeys, mods)) return 0;
  if (!adds.IsEmpty() && !mbld->TR_Add(adds)) return 0;
  return change.Commit();
}

void CMembLoadSelectDlg::OnCmdOkBtn() {
  if (ApplyAssign()) CDialog::OnOK();
}

void CMembLoadSelectDlg::OnCmdApplyBtn() { ApplyAssign(); }

// ---- the view's selection ----------------------------------------------------------------

DB_CDataBase* CMembLoadSelectDlg::SelectionDB(BOOL& bAnalysis) const {
  const int mode = CCmdNodeElemMode::IsNodeElemMode();
  bAnalysis = mode == CCmdNodeElemMode::MODE_ANALYSIS;
  return CCmdNodeElemMode::GetCurrentDB(mode);
}

void CMembLoadSelectDlg::ClearViewSelection() {
  BOOL analysis = FALSE;
  if (DB_CDataBase* db = SelectionDB(analysis)) db->GetViewCtrl()->UnselectAll(nullptr);
}

void CMembLoadSelectDlg::OnMemberCheckChange() {
  ClearViewSelection();
  CUIntArray names;
  if (m_listMemb.GetSelCount() > 0) {
    auto* table = TableOf<CClassName>(m_pMDB);
    for (int i = 0; i < m_listMemb.GetCount(); ++i) {
      const UINT k = (UINT)m_listMemb.GetItemData(i);
      if (m_listMemb.GetCheck(i) == 1 && table && table->Exist(k)) names.Add(k);
    }
  }
  SelectCheckedMembers(names);
}

void CMembLoadSelectDlg::SelectCheckedMembers(const CUIntArray& nameKeys) {
  BOOL analysis = FALSE;
  DB_CDataBase* db = SelectionDB(analysis);
  if (!db) return;
  CUIntArray points, members, nodes, elements;
  if (analysis) CDBQuery::GetKeyListByNamePre(db, nameKeys, &nodes, &elements);
  else CDBQuery::GetKeyListByNamePre(db, nameKeys, &points, &members);
  db->GetViewCtrl()->Select(nullptr, points, members, nodes, elements, 0, 0, 1);
}

// ---- following the model ------------------------------------------------------------------

void CMembLoadSelectDlg::RefillOnLoadTypes(const DB_CDataBase& db) {
  if (!m_hWnd) return;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    const int c = u->m_nCode;
    if (c == CClassLdtp::UR_LDTP_ADD || c == CClassLdtp::UR_LDTP_DEL || c == CClassLdtp::UR_LDTP_MFD ||
        c == CClassLdtp::UR_LDTP_MFS) {
      FillLoadTypeCombo();
      return;
    }
  }
}

void CMembLoadSelectDlg::OnDBUpdate(const DB_CDataBase& db) { RefillOnLoadTypes(db); }

void CMembLoadSelectDlg::OnHint(LPARAM lHint, CObject* pHint) {
  if (lHint != 0 && lHint != 1 && lHint != 3) return;
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  const DB_CDataBase* db = hint && m_pMDB ? m_pMDB->GetDB(hint->m_nDBID) : nullptr;
  if (db) RefillOnLoadTypes(*db);
}
