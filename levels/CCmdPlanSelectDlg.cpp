#include "levels/CCmdPlanSelectDlg.h"

#include <algorithm>
#include "afx/CDataExchange.h"
#include "db/CClassPlan.h"
#include "db/CDBDoc.h"
#include "res/resource.h"

IMPLEMENT_DYNAMIC(CCmdPlanSelectDlg, CDlgMove)

BEGIN_MESSAGE_MAP(CCmdPlanSelectDlg, CDlgMove)
  ON_BN_CLICKED(IDC_PLAN_SELECT_RIGHT, &CCmdPlanSelectDlg::OnMoveRight)
  ON_BN_CLICKED(IDC_PLAN_SELECT_ALL_RIGHT, &CCmdPlanSelectDlg::OnMoveAllRight)
  ON_BN_CLICKED(IDC_PLAN_SELECT_LEFT, &CCmdPlanSelectDlg::OnMoveLeft)
  ON_BN_CLICKED(IDC_PLAN_SELECT_ALL_LEFT, &CCmdPlanSelectDlg::OnMoveAllLeft)
  ON_LBN_DBLCLK(IDC_PLAN_SELECT_UNSEL, &CCmdPlanSelectDlg::OnMoveRight)
  ON_LBN_DBLCLK(IDC_PLAN_SELECT_SEL, &CCmdPlanSelectDlg::OnMoveLeft)
END_MESSAGE_MAP()

namespace {
void SortAscending(CUIntArray& keys) { std::sort(keys.vec().begin(), keys.vec().end()); }

// The indexes of the marked entries of a multiple-selection list, in list order.
std::vector<int> Marked(const CListBox& list) {
  std::vector<int> rows((size_t)std::max(0, list.GetSelCount()));
  if (!rows.empty()) list.GetSelItems((int)rows.size(), rows.data());
  return rows;
}
}  // namespace

CCmdPlanSelectDlg::CCmdPlanSelectDlg(CWnd* pParent)
    : CDlgMove(IDD_CMD_PLAN_SELECT, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {}

void CCmdPlanSelectDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_PLAN_SELECT_UNSEL, m_listUnselected);
  DDX_Control(pDX, IDC_PLAN_SELECT_SEL, m_listSelected);
}

void CCmdPlanSelectDlg::SetSelectedPlanKeys(const CUIntArray& keys) {
  m_selected.Copy(keys);
  CClassPlan plan;
  if (m_pMDB && plan.ConnectToDB(m_pMDB->GetModelDB()) && plan.GetCount() > 0) plan.GetKeyList(m_all);
}

void CCmdPlanSelectDlg::GetSelectedPlanKeys(CUIntArray& keys) const { keys.Append(m_selected); }

BOOL CCmdPlanSelectDlg::OnInitDialog() {
  CDlgMove::OnInitDialog();
  FillUnselected();
  FillSelected();
  return TRUE;
}

UINT CCmdPlanSelectDlg::KeyOfName(const CString& name) const {
  CClassPlan plan;
  if (!m_pMDB || !plan.ConnectToDB(m_pMDB->GetModelDB())) return 0;
  return plan.GetKey(name);
}

CString CCmdPlanSelectDlg::NameOfKey(UINT key) const {
  CClassPlan plan;
  T_PLAN_D rec;
  if (m_pMDB && plan.ConnectToDB(m_pMDB->GetModelDB()) && plan.Get(key, rec)) return rec.name;
  CString s;
  s.Format("%u", key);
  return s;
}

void CCmdPlanSelectDlg::FillUnselected() {
  if (m_all.GetSize() == 0) return;
  SortAscending(m_all);
  m_listUnselected.ResetContent();
  const auto& chosen = m_selected.vec();
  for (UINT key : m_all.vec()) {
    if (std::find(chosen.begin(), chosen.end(), key) != chosen.end()) continue;
    int i = m_listUnselected.AddString(NameOfKey(key));
    m_listUnselected.SetItemData(i, key);
  }
}

void CCmdPlanSelectDlg::FillSelected() {
  m_listSelected.ResetContent();
  SortAscending(m_selected);
  for (UINT key : m_selected.vec()) {
    int i = m_listSelected.AddString(NameOfKey(key));
    m_listSelected.SetItemData(i, key);
  }
}

void CCmdPlanSelectDlg::OnMoveRight() {
  std::vector<int> rows = Marked(m_listUnselected);
  if (rows.empty()) return;
  for (int r : rows) {
    CString name;
    m_listUnselected.GetText(r, name);
    m_selected.Add(KeyOfName(name));
  }
  FillUnselected();
  FillSelected();
}

void CCmdPlanSelectDlg::OnMoveAllRight() {
  if (m_listUnselected.GetCount() <= 0) return;
  for (int r = 0; r < m_listUnselected.GetCount(); ++r) {
    CString name;
    m_listUnselected.GetText(r, name);
    m_selected.Add(KeyOfName(name));
  }
  FillUnselected();
  FillSelected();
}

void CCmdPlanSelectDlg::OnMoveLeft() {
  std::vector<int> rows = Marked(m_listSelected);
  if (rows.empty()) return;
  std::vector<UINT> gone;
  for (int r : rows) gone.push_back((UINT)m_listSelected.GetItemData(r));
  auto& keys = m_selected.vec();
  keys.erase(std::remove_if(keys.begin(), keys.end(),
                            [&](UINT k) { return std::find(gone.begin(), gone.end(), k) != gone.end(); }),
             keys.end());
  FillUnselected();
  FillSelected();
}

void CCmdPlanSelectDlg::OnMoveAllLeft() {
  if (m_listSelected.GetCount() <= 0) return;
  m_selected.RemoveAll();
  FillUnselected();
  FillSelected();
}
