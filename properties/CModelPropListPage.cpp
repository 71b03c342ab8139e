#include "properties/CModelPropListPage.h"

#include <cstdlib>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CModelPropListPage, CDlgChild)

BEGIN_MESSAGE_MAP(CModelPropListPage, CDlgChild)
END_MESSAGE_MAP()

CModelPropListPage::CModelPropListPage(const Family& family, CWnd* pParent)
    : CDlgChild(family.nTemplate, pParent), m_family(family) {
  m_pDoc = CDBDoc::m_pDBDoc;
  m_pMDBCtrl = m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr;
}

DB_CDataBase* CModelPropListPage::GetDB() const {
  if (DB_CDataBase* db = GetConnectedDB()) return db;
  return m_pDoc ? m_pDoc->GetModelDB() : nullptr;
}

void CModelPropListPage::Tell(const char* key) const { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

void CModelPropListPage::DoDataExchange(CDataExchange* pDX) {
  CDlgChild::DoDataExchange(pDX);
  DDX_Control(pDX, (int)m_family.nList, m_list);
}

BOOL CModelPropListPage::OnInitDialog() {
  CInternationalDlg::OnInitDialog();
  OnListCreated();
  m_list.Initialize([this](DWORD key) { return FindInsertPos(key); });
  InitColumns();
  FillList();
  return TRUE;
}

void CModelPropListPage::InitColumns() {
  for (int i = 0; i < m_family.nColumns; ++i) {
    const Column& c = m_family.columns[i];
    m_list.AddColInfo(CMsgDll::pfuncLoadStr(c.title, 0), c.width, c.flag);
  }
}

void CModelPropListPage::FillList() {
  m_list.DeleteAllItems();
  if (!FillRows()) m_list.DeleteAllItems();
}

int CModelPropListPage::FindInsertPos(DWORD key) const {
  // The rows stay in key order: the first row whose key is not below the key.
  int lo = 0, hi = m_list.GetItemCount();
  while (lo < hi) {
    const int mid = lo + (hi - lo) / 2;
    if (m_list.GetKey(mid) < key) lo = mid + 1;
    else hi = mid;
  }
  return lo;
}

void CModelPropListPage::RebuildList() {
  if (!m_list.m_hWnd) return;
  m_list.Initialize([this](DWORD key) { return FindInsertPos(key); });
  InitColumns();
  FillList();
}

void CModelPropListPage::OnDBUpdate(const DB_CDataBase& db) { UpdateBuffer(db); }

void CModelPropListPage::OnHint(LPARAM lHint, CObject* pHint) {
  if (lHint != 0 && lHint != 1 && lHint != 3) return;
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  const DB_CDataBase* db = hint && m_pMDBCtrl ? m_pMDBCtrl->GetDB(hint->m_nDBID) : nullptr;
  if (db) UpdateBuffer(*db);
}

void CModelPropListPage::UpdateBuffer(const DB_CDataBase& db) {
  if (!m_hWnd || !m_list.m_hWnd || !db.HasUpdateRecords()) return;
  ReplayRows(db);
}

UINT CModelPropListPage::GetSelectedKey() const {
  if (!m_list.m_hWnd) return 0;
  const int row = m_list.GetNextItem(-1, LVNI_SELECTED);
  return row < 0 ? 0 : (UINT)std::atol(m_list.GetItemText(row, 0));
}

void CModelPropListPage::OnCmdAdd() { RunEditor(0); }

void CModelPropListPage::OnCmdEdit() {
  const UINT key = GetSelectedKey();
  if (!key) {
    Tell(m_family.noSelection);
    return;
  }
  RunEditor(key);
}

void CModelPropListPage::OnCmdDelete() {
  int s = m_list.GetNextItem(-1, LVNI_SELECTED);
  if (s < 0) {
    Tell(m_family.noSelection);
    return;
  }
  if (!DeleteRecord((UINT)std::atol(m_list.GetItemText(s, 0)))) {
    Tell(m_family.cannotDelete);
    return;
  }
  // The row is gone already: the transaction's DEL record reached the list.
  const int n = m_list.GetItemCount();
  if (s >= n) s = n - 1;
  if (s >= 0) m_list.SetItemState(s, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

void CModelPropListPage::OnCmdCopy() {
  const UINT key = GetSelectedKey();
  if (!key) {
    Tell(m_family.noSelection);
    return;
  }
  if (CopyRecord(key) == 0) Tell(m_family.cannotCopy);
}

void CModelPropListPage::OnDblclkList(NMHDR*, LRESULT* pResult) {
  OnCmdEdit();
  *pResult = 0;
}
