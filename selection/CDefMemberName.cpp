#include "selection/CDefMemberName.h"

#include <algorithm>
#include <unordered_set>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassMemb.h"
#include "db/CClassName.h"
#include "db/CDBDoc.h"
#include "db/CDBLib.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CDefMemberName, CDBDlgBase)

BEGIN_MESSAGE_MAP(CDefMemberName, CDBDlgBase)
  ON_BN_CLICKED(IDC_MNAME_ADD, &CDefMemberName::OnCmdAddButton)
  ON_BN_CLICKED(IDC_MNAME_MODIFY, &CDefMemberName::OnCmdModifyButton)
  ON_BN_CLICKED(IDC_MNAME_DELETE, &CDefMemberName::OnCmdDeleteButton)
  ON_BN_CLICKED(IDC_MNAME_INV_DELETE, &CDefMemberName::OnCmdInvDeleteButton)
  ON_BN_CLICKED(IDC_MNAME_DEL_UNUSED, &CDefMemberName::OnCmdDelUnusedButton)
  ON_BN_CLICKED(IDC_MNAME_DEL_ALL_UNUSED, &CDefMemberName::OnCmdDelAllUnusedButton)
  ON_LBN_SELCHANGE(IDC_MNAME_LIST, &CDefMemberName::OnSelchangeNameList)
  ON_CBN_SELCHANGE(IDC_MNAME_TYPE, &CDefMemberName::OnSelchangeTypeCombo)
  ON_NOTIFY(TCN_SELCHANGE, IDC_MNAME_TAB, &CDefMemberName::OnSelchangeTab)
  ON_BN_CLICKED(IDC_MNAME_ONLY_NAME, &CDefMemberName::OnCmdOnlyNameCheck)
  ON_BN_CLICKED(IDC_MNAME_CLOSE, &CDefMemberName::OnCmdClose)
  ON_BN_CLICKED(IDC_MNAME_BETA_MODIFY, &CDefMemberName::OnCmdBetaModify)
END_MESSAGE_MAP()

namespace {

const char* const kTabKeys[] = {"IDS_WG_CMD__Define_group_Point", "IDS_WG_CMD__Define_group_Line",
                                "IDS_WG_CMD__Define_group_Area"};
const char* const kBetas[] = {"0", "45", "90", "180"};

bool NaturalLess(const std::pair<CString, UINT>& a, const std::pair<CString, UINT>& b) {
  const int c = CDBLib::CompareNatural(a.first, b.first);
  return c ? c < 0 : a.second < b.second;
}

}  // namespace

CDefMemberName::CDefMemberName(CWnd* pParent)
    : CDBDlgBase(IDD_CMD_DEF_MEMBER_NAME, pParent),
      m_pDoc(CDBDoc::m_pDBDoc),
      m_pMDB(m_pDoc ? m_pDoc->GetMDBCtrl() : nullptr) {
  m_dispatch.AddMirror({CClassName::m_nClassID}, this);
}

CDefMemberName::~CDefMemberName() = default;

void CDefMemberName::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_MNAME_BETA_LABEL, m_labelBeta);
  DDX_Control(pDX, IDC_MNAME_BETA, m_cobxBeta);
  DDX_Control(pDX, IDC_MNAME_MATL, m_editMatl);
  DDX_Control(pDX, IDC_MNAME_MATL_LABEL, m_labelMatl);
  DDX_Control(pDX, IDC_MNAME_TYPE, m_cobxType);
  DDX_Control(pDX, IDC_MNAME_TAB, m_tab);
  DDX_Control(pDX, IDC_MNAME_LIST, m_listName);
  DDX_Control(pDX, IDC_MNAME_NAME, m_editName);
  DDX_Text(pDX, IDC_MNAME_SUFFIX, m_strSuffix);
  DDX_Text(pDX, IDC_MNAME_NAME, m_strName);
  DDX_Check(pDX, IDC_MNAME_ONLY_NAME, m_bOnlyName);
}

BOOL CDefMemberName::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  for (int i = 0; i < 3; ++i) m_tab.InsertItem(i, CMsgDll::pfuncLoadStr(kTabKeys[i], 0));
  m_tab.SetCurSel(0);
  FillBetaCombo();
  FillTypeCombo();
  UpdateNameList();
  UpdateData(TRUE);
  return TRUE;
}

CClassName* CDefMemberName::Table() {
  DB_CDataBase* db = m_pMDB ? m_pMDB->GetModelDB() : nullptr;
  return db ? static_cast<CClassName*>(db->GetClass(CClassName::m_nClassID)) : nullptr;
}

void CDefMemberName::Refuse(const char* key) { AfxMessageBox(GMakeMsg(key)); }

void CDefMemberName::FillBetaCombo() {
  m_cobxBeta.ResetContent();
  for (const char* b : kBetas) m_cobxBeta.AddString(b);
  m_cobxBeta.SetCurSel(0);
}

void CDefMemberName::FillTypeCombo() {
  UpdateData(TRUE);
  m_cobxType.ResetContent();
  m_cobxType.SetItemData(m_cobxType.AddString(CMsgDll::pfuncLoadStr("IDS_CMD_DefMem_Point", 0)), CClassName::TYPE_POINT);
  CStringArray names;
  CUIntArray types;
  CClassMemb::GetMembTypeList(types, names);
  for (INT_PTR i = 0; i < types.GetSize(); ++i) m_cobxType.SetItemData(m_cobxType.AddString(names[i]), types[i]);
  m_cobxType.SetCurSel(0);
  UpdateData(FALSE);
}

int CDefMemberName::GetCurType() const {
  const int sel = m_cobxType.GetCurSel();
  return sel < 0 ? (int)CClassName::TYPE_POINT : (int)m_cobxType.GetItemData(sel);
}

void CDefMemberName::UpdateNameList() {
  UpdateData(TRUE);
  m_shown.clear();
  m_nShownType = GetCurType();
  if (CClassName* names = Table()) {
    CUIntArray keys;
    names->GetKeyListOfType(m_nShownType, keys);
    CStringArray texts;
    texts.SetSize(keys.GetSize());
    T_NAME_D rec;
    for (INT_PTR i = 0; i < keys.GetSize(); ++i)
      if (names->Get(keys[i], rec)) texts[i] = rec.name;
    CDBLib::QSortNameKey(texts, keys);
    m_shown.reserve((size_t)keys.GetSize());
    for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_shown.emplace_back(texts[i], keys[i]);
  }
  FillList();
}

void CDefMemberName::FillList() {
  m_listName.ResetContent();
  for (const Entry& e : m_shown) m_listName.SetItemData(m_listName.AddString(e.first), e.second);
}

int CDefMemberName::IsExistName(const CString& name, int type) {
  UpdateData(TRUE);
  CClassName* names = Table();
  return names && names->GetKey(name, type) ? 1 : 0;
}

int CDefMemberName::GenBysuffixButton(CArray<T_NAME_D>& recs) {
  recs.RemoveAll();
  CUIntArray numbers;
  if (!CStringParser::ParsingListByTo(m_strSuffix, numbers)) return 0;
  const int type = GetCurType();
  std::unordered_set<UINT> seen;
  for (UINT n : numbers) {
    if (!seen.insert(n).second) continue;
    T_NAME_D r;
    r.Initialize();
    r.name.Format("%s%u", m_strName.c_str(), n);
    r.type = type;
    recs.Add(r);
  }
  return 1;
}

int CDefMemberName::GetUnusedNameKeyList(int type, CUIntArray& keys) {
  keys.RemoveAll();
  CClassName* names = Table();
  if (!names) return 0;
  CUIntArray all;
  if (type) names->GetKeyListOfType(type, all);
  else names->GetKeyList(all);
  for (UINT k : all)
    if (names->GetRefCount(k) == 0) keys.Add(k);
  return (int)keys.GetSize();
}

void CDefMemberName::ShowNameData(UINT key) {
  CClassName* names = Table();
  T_NAME_D rec;
  if (!names || !names->Get(key, rec)) return;
  m_editName.SetWindowText(rec.name);
  for (int i = 0; i < m_cobxType.GetCount(); ++i)
    if ((int)m_cobxType.GetItemData(i) == rec.type) {
      m_cobxType.SetCurSel(i);
      break;
    }
}

void CDefMemberName::OnCmdAddButton() {
  UpdateData(TRUE);
  CClassName* names = Table();
  if (!names) return;
  if (m_strSuffix.IsEmpty()) {
    T_NAME_D r;
    r.Initialize();
    r.name = m_strName;
    r.type = GetCurType();
    if (IsExistName(r.name, r.type)) return Refuse("IDS_CMD_MEMB_SAME_NAME");
    names->TR_Add(r);
    return;
  }
  CArray<T_NAME_D> recs;
  if (!GenBysuffixButton(recs)) return Refuse("IDS_WG_CMD_IP_WARNING_Suffix_is_not_valid");
  for (const T_NAME_D& r : recs)
    if (names->GetKey(r.name, r.type)) return Refuse("IDS_CMD_MEMB_SAME_NAME");
  names->TR_Add(recs);
}

void CDefMemberName::OnCmdModifyButton() {
  UpdateData(TRUE);
  CClassName* names = Table();
  const int cur = m_listName.GetCurSel();
  if (!names || cur < 0) return;
  const UINT key = (UINT)m_listName.GetItemData(cur);
  T_NAME_D rec;
  if (!names->Get(key, rec)) return;
  rec.name = m_strName;
  rec.type = GetCurType();
  UINT selectKey = key;
  if (!m_bOnlyName) {
    const UINT holder = names->GetKey(rec.name, rec.type);
    if (holder && holder != key) return Refuse("IDS_CMD_MEMB_SAME_NAME");
    if (!names->TR_Modify(key, rec)) return;
  }
  // The edited record's item becomes the current, only selected one.
  int at = -1;
  for (int i = 0; i < m_listName.GetCount() && at < 0; ++i)
    if ((UINT)m_listName.GetItemData(i) == selectKey) at = i;
  if (at < 0) return;
  m_listName.SelItemRange(FALSE, 0, m_listName.GetCount() - 1);
  m_listName.SetSel(at, TRUE);
  m_listName.SetCaretIndex(at);
}

void CDefMemberName::SelectedKeys(CUIntArray& keys) const {
  keys.RemoveAll();
  const int n = m_listName.GetSelCount();
  if (n <= 0) return;
  std::vector<int> items((size_t)n);
  m_listName.GetSelItems(n, items.data());
  for (int i : items)
    if (UINT k = (UINT)m_listName.GetItemData(i)) keys.Add(k);
}

void CDefMemberName::KeysBearing(const std::vector<CString>& texts, CUIntArray& keys) {
  keys.RemoveAll();
  CClassName* names = Table();
  if (!names || texts.empty()) return;
  const std::unordered_set<CString> wanted(texts.begin(), texts.end());
  CUIntArray all;
  CArray<T_NAME_D> recs;
  names->GetList(all, recs);
  for (INT_PTR i = 0; i < all.GetSize(); ++i)
    if (wanted.count(recs[i].name)) keys.Add(all[i]);
}

void CDefMemberName::OnCmdDeleteButton() {
  UpdateData(TRUE);
  CClassName* names = Table();
  if (!names) return;
  CUIntArray keys;
  SelectedKeys(keys);
  if (m_bOnlyName) {
    std::vector<CString> texts;
    T_NAME_D rec;
    for (UINT k : keys)
      if (names->Get(k, rec)) texts.push_back(rec.name);
    KeysBearing(texts, keys);
  }
  names->TR_Del(keys);
}

void CDefMemberName::OnCmdInvDeleteButton() {
  UpdateData(TRUE);
  CClassName* names = Table();
  if (!names) return;
  CUIntArray selected, keys;
  SelectedKeys(selected);
  const std::unordered_set<UINT> chosen(selected.begin(), selected.end());
  if (!m_bOnlyName) {
    for (int i = 0; i < m_listName.GetCount(); ++i) {
      const UINT k = (UINT)m_listName.GetItemData(i);
      if (k && !chosen.count(k)) keys.Add(k);
    }
    names->TR_Del(keys);
    return;
  }
  // Every record of a listed name, whatever its type, unless it bears a selected name.
  std::unordered_set<CString> keep, listed;
  T_NAME_D rec;
  for (UINT k : selected)
    if (names->Get(k, rec)) keep.insert(rec.name);
  for (int i = 0; i < m_listName.GetCount(); ++i) {
    CString text;
    m_listName.GetText(i, text);
    if (!keep.count(text)) listed.insert(text);
  }
  KeysBearing(std::vector<CString>(listed.begin(), listed.end()), keys);
  names->TR_Del(keys);
}

void CDefMemberName::OnCmdDelUnusedButton() {
  UpdateData(TRUE);
  CUIntArray keys;
  if (GetUnusedNameKeyList(GetCurType(), keys) == 0) Refuse("IDS_CMD_NO_UNUSED_NAMES");
  if (CClassName* names = Table()) names->TR_Del(keys);
}

void CDefMemberName::OnCmdDelAllUnusedButton() {
  UpdateData(TRUE);
  CUIntArray keys;
  if (GetUnusedNameKeyList(0, keys) == 0) Refuse("IDS_CMD_NO_UNUSED_NAMES");
  if (CClassName* names = Table()) names->TR_Del(keys);
}

void CDefMemberName::OnSelchangeNameList() {
  if (m_listName.GetSelCount() == 1) {
    const int cur = m_listName.GetCurSel();
    const UINT key = cur < 0 ? 0 : (UINT)m_listName.GetItemData(cur);
    if (key) ShowNameData(key);
    return;
  }
  m_editName.SetWindowText("");
  m_editMatl.SetWindowText("");
  m_cobxBeta.SetWindowText("");
}

void CDefMemberName::OnSelchangeTypeCombo() {
  UpdateNameList();
  UpdateData(TRUE);
}

void CDefMemberName::OnSelchangeTab(NMHDR*, LRESULT* pResult) {
  FillTypeCombo();
  UpdateNameList();
  UpdateData(TRUE);
  if (pResult) *pResult = 0;
}

void CDefMemberName::OnCmdOnlyNameCheck() {
  UpdateData(TRUE);
  m_editMatl.EnableWindow(!m_bOnlyName);
  UpdateNameList();
}

void CDefMemberName::OnCmdClose() { DestroyWindow(); }

// ---- following the table ----------------------------------------------------------------

void CDefMemberName::OnDBUpdate(const DB_CDataBase& db) {
  if (m_hWnd) m_dispatch.Dispatch(db);
}

void CDefMemberName::OnHint(LPARAM lHint, CObject* pHint) {
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3) || !hint || !m_pMDB) return;
  const DB_CDataBase* db = m_pMDB->GetDB(hint->m_nDBID);
  if (db && db->HasUpdateRecords()) m_dispatch.Dispatch(*db);
}

void CDefMemberName::BeginReplay(const DB_CDataBase&) { m_touched.clear(); }

void CDefMemberName::ReplayEntry(const DB_CDataBase&, const DB_CUpdateRecord& entry) {
  m_touched.push_back(entry.m_nKey);
}

void CDefMemberName::EndReplay(const DB_CDataBase&) {
  CClassName* names = Table();
  if (!names) return;
  // The touched records leave what is shown; those that now are names of the shown type
  // come back in their sorted places.
  const std::unordered_set<UINT> touched(m_touched.begin(), m_touched.end());
  m_shown.erase(std::remove_if(m_shown.begin(), m_shown.end(), [&](const Entry& e) { return touched.count(e.second) != 0; }),
                m_shown.end());
  std::vector<Entry> back;
  T_NAME_D rec;
  for (UINT k : touched)
    if (names->Get(k, rec) && rec.type == m_nShownType) back.emplace_back(rec.name, k);
  std::sort(back.begin(), back.end(), NaturalLess);
  std::vector<Entry> merged;
  merged.reserve(m_shown.size() + back.size());
  std::merge(std::make_move_iterator(m_shown.begin()), std::make_move_iterator(m_shown.end()),
             std::make_move_iterator(back.begin()), std::make_move_iterator(back.end()), std::back_inserter(merged),
             NaturalLess);
  m_shown.swap(merged);
  FillList();
}
