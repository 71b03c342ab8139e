#include "analysis/CAnalLoadCaseListDlg.h"

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassStld.h"
#include "db/CDBDoc.h"
#include "db/DB_CUpdateRecord.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"
#include "ui/GMsg.h"

IMPLEMENT_DYNAMIC(CAnalLoadCaseListDlg, CDlgMove)

namespace {

const char kFull[] = "IDS_CMD_ANAL_ADDD__Can_t_add_loadcase_any_more_";
const char kNotSelected[] = "IDS_CMD_ANAL_ADDD__Loadcase_was_not_selected_";
const char kBadKey[] = "IDS_CMD_ANAL_ADDD__Invalid_loadcase_key_";
const char kBadFactor[] = "IDS_CMD_ANAL_ADDD__Invalid_scale_factor_";
const char kListed[] = "IDS_CMD_ANAL_ADDD__Loadcase__s_already_exist_";
const char kNoRow[] = "IDS_CMD_ANAL_ADDD__No_selected_item_in_the_list__nCh";
const char* const kLoadTypes[] = {"IDS_CMD_ANAL_Variable", "IDS_CMD_ANAL_Constant"};

void Tell(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }

CString Fmt(const char* f, double v) {
  CString s;
  s.Format(f, v);
  return s;
}

}  // namespace

CAnalLoadCaseListDlg::CAnalLoadCaseListDlg(UINT nIDTemplate, CWnd* pParent, const Controls& ids,
                                           const Column* columns, int nColumns, double fDefaultFactor)
    : CDlgMove(nIDTemplate, pParent),
      m_ids(ids),
      m_columns(columns),
      m_nColumns(nColumns),
      m_fDefaultFactor(fDefaultFactor) {}

void CAnalLoadCaseListDlg::DoDataExchange(CDataExchange* pDX) {
  CDlgMove::DoDataExchange(pDX);
  DDX_Control(pDX, m_ids.list, m_list);
  DDX_Control(pDX, m_ids.selector, m_selector);
}

BOOL CAnalLoadCaseListDlg::ValidItem(const CAnalLoadEntry& item) {
  if (item.lc == 0) {
    Tell(kBadKey);
    return FALSE;
  }
  if (!(item.factor > 0.0)) {
    Tell(kBadFactor);
    return FALSE;
  }
  return TRUE;
}

void CAnalLoadCaseListDlg::InitLoadList() {
  SetDlgItemText(m_ids.factor, "1");
  if (m_ids.variable) CheckRadioButton(m_ids.variable, m_ids.variable + 1, m_ids.variable);
  m_selector.SetLoadType(1, 1, 0, 0);
  SetListCtrlHeader();
  MakeItemEx();
}

// ---- rows ---------------------------------------------------------------------------------------

void CAnalLoadCaseListDlg::SetListCtrlHeader() {
  m_list.SetExtendedStyle(m_list.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
  for (int i = 0; i < m_nColumns; ++i)
    m_list.InsertColumn(i, GMakeMsg(m_columns[i].title), LVCFMT_CENTER, m_columns[i].width);
}

void CAnalLoadCaseListDlg::MakeItemEx() {
  m_list.DeleteAllItems();
  for (int i = 0; i < (int)m_entries.size(); ++i) {
    m_list.InsertItem(i, "");
    SetItem(i, m_entries[(size_t)i]);
  }
  if (!m_entries.empty()) SelectRow(0);
}

void CAnalLoadCaseListDlg::SetItem(int row, const CAnalLoadEntry& item) {
  for (int col = 0; col < m_nColumns; ++col) m_list.SetItemText(row, col, DataToStr(col, item));
}

CString CAnalLoadCaseListDlg::DataToStr(int col, const CAnalLoadEntry& item) const {
  switch (col) {
    case 0: {
      CDBDoc* doc = CDBDoc::m_pDBDoc;
      auto* stld = doc ? static_cast<CClassStld*>(doc->GetModelDB()->GetClass(CClassStld::m_nClassID)) : nullptr;
      T_STLD_D rec;
      return stld && stld->Get(item.lc, rec) ? rec.name : CString();
    }
    case 1: return Fmt("%g", item.factor);
    case 2: return item.type == 0 || item.type == 1 ? GMakeMsg(kLoadTypes[item.type]) : CString();
    default: return CString();
  }
}

int CAnalLoadCaseListDlg::GetSelectedItem() const { return m_list.GetNextItem(-1, LVNI_SELECTED); }

void CAnalLoadCaseListDlg::SelectRow(int row) {
  if (row < 0 || row >= m_list.GetItemCount()) return;
  m_list.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
  m_list.SetSelectionMark(row);
}

// ---- input controls -----------------------------------------------------------------------------

BOOL CAnalLoadCaseListDlg::Dlg2Item(CAnalLoadEntry& item) {
  if (m_ids.variable)
    m_nLoadType = GetCheckedRadioButton(m_ids.variable, m_ids.variable + 1) == (int)m_ids.variable + 1 ? 1 : 0;
  int kind = 0;
  UINT key = 0;
  if (!m_selector.GetSelectedLoad(kind, key)) {
    Tell(kNotSelected);
    return FALSE;
  }
  CString text;
  GetDlgItemText(m_ids.factor, text);
  double factor = 0.0;
  if (!CStringParser::GetFloatNumber(text, factor)) return FALSE;
  item.lc = key;
  item.factor = factor;
  item.type = m_nLoadType;
  return TRUE;
}

void CAnalLoadCaseListDlg::Item2Dlg(const CAnalLoadEntry& item) {
  m_selector.ChangeSelect(CSelectLCBase::LC_STATIC, item.lc, 0);
  SetDlgItemText(m_ids.factor, Fmt("%g", item.factor));
  m_nLoadType = item.type == 1 ? 1 : 0;
  // Only the radios: the dialog's other inputs keep what the user set.
  if (m_ids.variable) CheckRadioButton(m_ids.variable, m_ids.variable + 1, m_ids.variable + (UINT)m_nLoadType);
}

BOOL CAnalLoadCaseListDlg::IsListed(UINT lc, int skip) const {
  for (int i = 0; i < (int)m_entries.size(); ++i)
    if (i != skip && m_entries[(size_t)i].lc == lc) return TRUE;
  return FALSE;
}

void CAnalLoadCaseListDlg::TellAlreadyListed() {
  CString text;
  m_selector.GetWindowText(text);
  AfxMessageBox(GMakeMsg(kListed, text.c_str()));
}

// ---- buttons ------------------------------------------------------------------------------------

void CAnalLoadCaseListDlg::OnCmdBtnAdd() {
  if ((int)m_entries.size() >= MAX_ENTRIES) {
    Tell(kFull);
    return;
  }
  CAnalLoadEntry item;
  if (!Dlg2Item(item) || !ValidItem(item)) return;
  if (IsListed(item.lc, -1)) {
    TellAlreadyListed();
    return;
  }
  m_entries.push_back(item);
  const int row = m_list.InsertItem(m_list.GetItemCount(), "");
  SetItem(row, item);
  SelectRow(row);
}

void CAnalLoadCaseListDlg::OnCmdBtnModify() {
  const int row = GetSelectedItem();
  if (row < 0 || row >= (int)m_entries.size()) {
    Tell(kNoRow);
    return;
  }
  CAnalLoadEntry item;
  if (!Dlg2Item(item) || !ValidItem(item)) return;
  if (IsListed(item.lc, row)) {
    TellAlreadyListed();
    return;
  }
  m_entries[(size_t)row] = item;
  SetItem(row, item);
  SelectRow(row);
}

void CAnalLoadCaseListDlg::OnCmdBtnDelete() {
  const int row = GetSelectedItem();
  if (row < 0 || row >= (int)m_entries.size()) {
    Tell(kNoRow);
    return;
  }
  m_list.DeleteItem(row);
  m_entries.erase(m_entries.begin() + row);
  if (!m_entries.empty()) SelectRow(row < (int)m_entries.size() ? row : (int)m_entries.size() - 1);
}

void CAnalLoadCaseListDlg::OnChangedCurrentItem(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  // Only a change of selection; texts written into rows show nothing.
  if (nm && (!(nm->uChanged & LVIF_STATE) || !((nm->uNewState ^ nm->uOldState) & LVIS_SELECTED))) return;
  const int row = GetSelectedItem();
  if (row >= 0 && row < (int)m_entries.size()) {
    Item2Dlg(m_entries[(size_t)row]);
  } else {
    CAnalLoadEntry none;
    none.factor = m_fDefaultFactor;
    Item2Dlg(none);
  }
}

// ---- following the load cases -------------------------------------------------------------------

void CAnalLoadCaseListDlg::OnDBUpdate(const DB_CDataBase& db) {
  if (m_hWnd) UpdateBuffer(db);
}

void CAnalLoadCaseListDlg::RemoveRowsOf(UINT lc) {
  for (int i = (int)m_entries.size() - 1; i >= 0; --i) {
    if (m_entries[(size_t)i].lc != lc) continue;
    m_list.DeleteItem(i);
    m_entries.erase(m_entries.begin() + i);
  }
}

void CAnalLoadCaseListDlg::RekeyRowsOf(UINT oldKey, UINT newKey) {
  for (int i = 0; i < (int)m_entries.size(); ++i) {
    if (m_entries[(size_t)i].lc != oldKey) continue;
    m_entries[(size_t)i].lc = newKey;
    SetItem(i, m_entries[(size_t)i]);
  }
}

void CAnalLoadCaseListDlg::UpdateBuffer(const DB_CDataBase& db) {
  if (!db.HasUpdateRecords()) return;
  UINT modifiedKey = 0;  // the key of the last MFD image
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* e = db.GetNextUpdate(pos)) {
    switch (e->m_nCode) {
      case CClassStld::UR_STLD_DEL: RemoveRowsOf(e->m_nKey); break;
      case CClassStld::UR_STLD_MFD: {
        CDataStld image;
        if (db.ReadUpdateImage(e, image)) modifiedKey = image.m_nKey;
        break;
      }
      case CClassStld::UR_STLD_MFS:
        if (modifiedKey) RekeyRowsOf(e->m_nKey, modifiedKey);
        break;
      default: break;
    }
  }
}
