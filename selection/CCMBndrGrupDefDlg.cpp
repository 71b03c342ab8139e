#include "selection/CCMBndrGrupDefDlg.h"

#include <unordered_set>
#include <vector>

#include "afx/CDataExchange.h"
#include "db/CClassBngr.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(CCMBndrGrupDefDlg, CDBDlgBase)

BEGIN_MESSAGE_MAP(CCMBndrGrupDefDlg, CDBDlgBase)
  ON_BN_CLICKED(IDC_BNGR_ADD, &CCMBndrGrupDefDlg::OnCmdAddButton)
  ON_BN_CLICKED(IDC_BNGR_MODIFY, &CCMBndrGrupDefDlg::OnCmdModifyButton)
  ON_BN_CLICKED(IDC_BNGR_DELETE, &CCMBndrGrupDefDlg::OnCmdDeleteButton)
  ON_BN_CLICKED(IDC_BNGR_INV_DELETE, &CCMBndrGrupDefDlg::OnCmdInvDeleteButton)
  ON_LBN_SELCHANGE(IDC_BNGR_LIST, &CCMBndrGrupDefDlg::OnSelchangeCmdGroupNameList)
  ON_BN_CLICKED(IDC_BNGR_CLOSE, &CCMBndrGrupDefDlg::OnCmdClose)
END_MESSAGE_MAP()

CCMBndrGrupDefDlg::CCMBndrGrupDefDlg(CWnd* pParent)
    : CDBDlgBase(IDD_CMD_BNDR_GRUP, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pDB(m_pDoc && m_pDoc->GetMDBCtrl() ? m_pDoc->GetMDBCtrl()->GetModelDB() : nullptr),
      m_pBngr(m_pDB ? static_cast<CClassBngr*>(m_pDB->GetClass(CClassBngr::m_nClassID)) : nullptr) {
  m_dispatch.AddMirror({CClassBngr::m_nClassID}, [this] { UpdateBngrList(); });
}

CCMBndrGrupDefDlg::~CCMBndrGrupDefDlg() = default;

void CCMBndrGrupDefDlg::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_BNGR_NAME, m_editName);
  DDX_Control(pDX, IDC_BNGR_LIST, m_listGroup);
  DDX_Text(pDX, IDC_BNGR_NAME, m_strName);
  DDX_Text(pDX, IDC_BNGR_SUFFIX, m_strSuffix);
}

BOOL CCMBndrGrupDefDlg::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  UpdateBngrList();
  return TRUE;
}

void CCMBndrGrupDefDlg::UpdateBngrList() {
  m_listGroup.ResetContent();
  if (!m_pBngr) return;
  CUIntArray keys;
  CArray<T_BNGR_D> recs;
  m_pBngr->GetList(keys, recs);
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_listGroup.SetItemData(m_listGroup.AddString(recs[i].name), keys[i]);
}

int CCMBndrGrupDefDlg::GenBysuffixButton() {
  UpdateData(TRUE);
  CUIntArray numbers;
  if (!CStringParser::ParsingListByTo(m_strSuffix, numbers)) return 0;
  std::unordered_set<UINT> seen;
  CArray<T_BNGR_D> recs;
  for (UINT n : numbers) {
    if (!seen.insert(n).second) continue;
    T_BNGR_D r;
    r.Initialize();
    r.name.Format("%s%u", m_strName.c_str(), n);
    recs.Add(r);
  }
  if (m_pBngr) m_pBngr->TR_Add(recs);
  return 1;
}

void CCMBndrGrupDefDlg::OnCmdAddButton() {
  UpdateData(TRUE);
  if (!m_strSuffix.IsEmpty()) {
    GenBysuffixButton();
    return;
  }
  T_BNGR_D r;
  r.Initialize();
  r.name = m_strName;
  if (m_pBngr) m_pBngr->TR_Add(r);
}

void CCMBndrGrupDefDlg::OnCmdModifyButton() {
  UpdateData(TRUE);
  if (!m_pBngr || m_listGroup.GetSelCount() != 1) return;
  int item = -1;
  m_listGroup.GetSelItems(1, &item);
  const UINT key = item < 0 ? 0 : (UINT)m_listGroup.GetItemData(item);
  T_BNGR_D rec;
  if (!key || !m_pBngr->Get(key, rec)) return;
  rec.name = m_strName;  // the leading value stays
  m_pBngr->TR_Modify(key, rec);
}

void CCMBndrGrupDefDlg::SelectedKeys(CUIntArray& keys) const {
  keys.RemoveAll();
  const int n = m_listGroup.GetSelCount();
  if (n <= 0) return;
  std::vector<int> items((size_t)n);
  m_listGroup.GetSelItems(n, items.data());
  for (int i : items)
    if (UINT k = (UINT)m_listGroup.GetItemData(i)) keys.Add(k);
}

void CCMBndrGrupDefDlg::OnCmdDeleteButton() {
  CUIntArray keys;
  SelectedKeys(keys);
  if (m_pBngr) m_pBngr->TR_Del(keys);
}

void CCMBndrGrupDefDlg::OnCmdInvDeleteButton() {
  if (!m_pBngr) return;
  CUIntArray selected, all, keys;
  SelectedKeys(selected);
  const std::unordered_set<UINT> chosen(selected.begin(), selected.end());
  m_pBngr->GetKeyList(all);
  for (UINT k : all)
    if (!chosen.count(k)) keys.Add(k);
  m_pBngr->TR_Del(keys);
}

void CCMBndrGrupDefDlg::OnSelchangeCmdGroupNameList() {
  if (m_listGroup.GetSelCount() > 1) {
    m_editName.SetWindowText("");
    return;
  }
  const int cur = m_listGroup.GetCurSel();
  CString text;
  if (cur >= 0) m_listGroup.GetText(cur, text);
  m_editName.SetWindowText(text);
}

void CCMBndrGrupDefDlg::OnCmdClose() { DestroyWindow(); }

void CCMBndrGrupDefDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (m_hWnd) m_dispatch.Dispatch(db);
}

void CCMBndrGrupDefDlg::OnHint(LPARAM lHint, CObject* pHint) {
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3) || !hint || !m_pDoc || !m_pDoc->GetMDBCtrl()) return;
  const DB_CDataBase* db = m_pDoc->GetMDBCtrl()->GetDB(hint->m_nDBID);
  if (db && db->HasUpdateRecords()) UpdateBuffer(*db);
}
