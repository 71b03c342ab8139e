#include "loads/COutLineDlgBase.h"

#include <algorithm>

#include "afx/AfxMessageBox.h"
#include "afx/CDataExchange.h"
#include "db/CClassMdul.h"
#include "db/CClassPont.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "res/resource.h"
#include "ui/CMsgDll.h"
#include "ui/CStringParser.h"

IMPLEMENT_DYNAMIC(COutLineDlgBase, CDBDlgBase)

BEGIN_MESSAGE_MAP(COutLineDlgBase, CDBDlgBase)
  ON_BN_CLICKED(IDC_WR_ADD, &COutLineDlgBase::OnCmdAdd)
  ON_BN_CLICKED(IDC_WR_MODIFY, &COutLineDlgBase::OnCmdModify)
  ON_BN_CLICKED(IDC_WR_DELETE, &COutLineDlgBase::OnCmdDelete)
  ON_BN_CLICKED(IDC_WR_CLOSE, &COutLineDlgBase::OnCmdClose)
  ON_NOTIFY(LVN_ITEMCHANGED, IDC_WR_LIST, &COutLineDlgBase::OnItemchangedCmdRegionLst)
  ON_CBN_SELCHANGE(IDC_WR_STORY_FROM, &COutLineDlgBase::OnSelchangeCmdStoryFromCmb)
END_MESSAGE_MAP()

namespace {
const int kMapBuckets = 97;
const int kMaxPicks = 100;

void Tell(const char* key) { AfxMessageBox(CMsgDll::pfuncLoadStr(key, 0)); }
}  // namespace

COutLineDlgBase::COutLineDlgBase(UINT nIDTemplate, CWnd* pParent, const Column* cols, int nCols)
    : CDBDlgBase(nIDTemplate, pParent),
      m_pColumns(cols),
      m_nColumns(nCols),
      m_rowToKey(kMapBuckets),
      m_keyToRow(kMapBuckets) {
  m_editPoints.SetParamType(CParamTool::KIND_POINT, kMaxPicks, 0);
}

void COutLineDlgBase::DoDataExchange(CDataExchange* pDX) {
  CDBDlgBase::DoDataExchange(pDX);
  DDX_Control(pDX, IDC_WR_LIST, m_listRegion);
  DDX_Control(pDX, IDC_WR_STORY_FROM, m_cmbStoryFrom);
  DDX_Control(pDX, IDC_WR_STORY_TO, m_cmbStoryTo);
  DDX_Control(pDX, IDC_WR_POINTS, m_editPoints);
}

BOOL COutLineDlgBase::OnInitDialog() {
  CDBDlgBase::OnInitDialog();
  CDBDoc* doc = m_pDBDoc ? m_pDBDoc : CDBDoc::m_pDBDoc;
  m_pMDBCtrl = doc ? doc->GetMDBCtrl() : nullptr;
  SetListCtrlHeader();
  InitControls();
  UpdateStoryCmb();
  UpdateNameList();
  return TRUE;
}

DB_CDataBase* COutLineDlgBase::ModelDB() const { return m_pMDBCtrl ? m_pMDBCtrl->GetModelDB() : nullptr; }

void COutLineDlgBase::SetListCtrlHeader() {
  const Column* cols = m_pColumns;
  const int n = m_nColumns;
  for (int i = 0; i < n; ++i)
    m_listRegion.InsertColumn(i, CMsgDll::pfuncLoadStr(cols[i].titleKey, 0), cols[i].format, cols[i].width);
  m_listRegion.SetExtendedStyle(m_listRegion.GetExtendedStyle() | LVS_EX_FULLROWSELECT);
}

UINT COutLineDlgBase::GetRowKey(int row) const {
  auto it = m_rowToKey.find(row);
  return it == m_rowToKey.end() ? 0 : it->second;
}

int COutLineDlgBase::GetKeyRow(UINT key) const {
  auto it = m_keyToRow.find(key);
  return it == m_keyToRow.end() ? -1 : it->second;
}

UINT COutLineDlgBase::GetEndStory() const {
  const int i = m_cmbStoryTo.GetCurSel();
  return i < 0 ? 0 : (UINT)m_cmbStoryTo.GetItemData(i);
}

BOOL COutLineDlgBase::SelectEndStory(UINT key) {
  for (int i = 0; i < m_cmbStoryTo.GetCount(); ++i)
    if ((UINT)m_cmbStoryTo.GetItemData(i) == key) return m_cmbStoryTo.SetCurSel(i) >= 0;
  return FALSE;
}

CString COutLineDlgBase::PointsText(const CUIntArray& keys) const {
  CString text;
  const auto* pont = ModelTable<CClassPont>();
  for (UINT k : keys) {
    const UINT no = pont ? pont->GetPontNoByKey(k) : 0;
    if (!no) continue;
    CString one;
    one.Format(text.IsEmpty() ? "%u" : ", %u", no);
    text += one;
  }
  return text;
}

void COutLineDlgBase::UpdateNameList() {
  m_rowToKey.clear();
  m_keyToRow.clear();
  m_listRegion.DeleteAllItems();
  const auto* stor = ModelTable<CClassStor>();
  const auto* mdul = ModelTable<CClassMdul>();
  CUIntArray keys;
  std::vector<T_WIND_RANGE> recs;
  ReadList(keys, recs);
  const Column* cols = m_pColumns;
  const int n = m_nColumns;
  for (INT_PTR i = 0; i < keys.GetSize() && (size_t)i < recs.size(); ++i) {
    const T_WIND_RANGE& r = recs[(size_t)i];
    T_STOR_D from, to;
    T_MDUL_D tower;
    const BOOL hasFrom = stor && stor->Get(r.startStory, from);
    const BOOL hasTo = stor && stor->Get(r.endStory, to);
    const BOOL hasTower = hasTo && mdul && mdul->Get(to.mdulKey, tower);
    const int row = (int)i;
    for (int c = 0; c < n; ++c) {
      CString text;
      switch (cols[c].content) {
        case SHOW_NAME: text = r.name; break;
        case SHOW_TOWER: text = hasTower ? tower.name : CString(); break;
        case SHOW_FROM: text = hasFrom ? from.name : CString(); break;
        case SHOW_TO: text = hasTo ? to.name : CString(); break;
        case SHOW_POINTS: text = PointsText(r.points); break;
      }
      if (c == 0) m_listRegion.InsertItem(row, text);
      else m_listRegion.SetItemText(row, c, text);
    }
    m_rowToKey[row] = keys[i];
    m_keyToRow[keys[i]] = row;
  }
}

void COutLineDlgBase::GetSelectedItemList(CListCtrl& list, std::vector<int>& rows) const {
  rows.clear();
  POSITION pos = list.GetFirstSelectedItemPosition();
  while (pos) rows.push_back(list.GetNextSelectedItem(pos));
}

void COutLineDlgBase::SelectRow(int row) {
  const int n = m_listRegion.GetItemCount();
  if (n <= 0) return;
  row = row < 0 ? 0 : (row >= n ? n - 1 : row);
  m_listRegion.SetItemState(row, LVIS_SELECTED | LVIS_FOCUSED, LVIS_SELECTED | LVIS_FOCUSED);
}

BOOL COutLineDlgBase::ReadPoints(CUIntArray& keys) {
  m_editPoints.EndParamData();
  CString text;
  m_editPoints.GetWindowText(text);
  CUIntArray numbers;
  const auto* pont = ModelTable<CClassPont>();
  BOOL ok = pont && CStringParser::GetNodeList(text, numbers);
  CUIntArray found;
  for (INT_PTR i = 0; ok && i < numbers.GetSize(); ++i) {
    const UINT key = pont->GetPontKeyByNo(numbers[i]);
    if (key) found.Add(key);
    else ok = FALSE;
  }
  if (!ok) {
    Tell("IDS_CMD_WR_Invalid_point_lst");
    return FALSE;
  }
  keys.Copy(found);
  return TRUE;
}

BOOL COutLineDlgBase::ReadStories(T_WIND_RANGE& rec) {
  UINT from = 0;
  const UINT to = GetEndStory();
  if (!m_cmbStoryFrom.GetSelectedStor(from) || !from || !to) {
    Tell("IDS_CMD_WR_Select_story_again");
    return FALSE;
  }
  rec.startStory = from;
  rec.endStory = to;
  return TRUE;
}

void COutLineDlgBase::OnCmdAdd() {
  UpdateData(TRUE);
  T_WIND_RANGE rec;
  if (!ReadPoints(rec.points) || !ReadStories(rec)) return;
  ReadName(rec);
  if (!AddRecord(rec)) return;
  if (m_listRegion.GetItemCount() > 0) SelectRow(std::max(GetKeyRow(m_nLastKey), 0));
}

void COutLineDlgBase::OnCmdModify() {
  UpdateData(TRUE);
  std::vector<int> rows;
  GetSelectedItemList(m_listRegion, rows);
  if (rows.size() != 1) {
    Tell("IDS_CMD_WR_Select_one_item");
    return;
  }
  const UINT key = GetRowKey(rows.front());
  T_WIND_RANGE rec;
  if (!key || !ReadRecord(key, rec)) return;
  CUIntArray points;
  if (!ReadPoints(points) || !ReadStories(rec)) return;
  rec.points.Copy(points);
  ReadName(rec);
  if (!ModifyRecord(key, rec)) return;
  SelectRow(std::max(GetKeyRow(m_nLastKey), 0));
}

void COutLineDlgBase::OnCmdDelete() {
  UpdateData(TRUE);
  std::vector<int> rows;
  GetSelectedItemList(m_listRegion, rows);
  if (rows.empty()) {
    Tell("IDS_CMD_WR_Select_items");
    return;
  }
  CUIntArray keys;
  for (int r : rows)
    if (UINT k = GetRowKey(r)) keys.Add(k);
  if (keys.IsEmpty() || !DeleteRecords(keys)) return;
  if (m_listRegion.GetItemCount() > 0) SelectRow(rows.back() > 0 ? rows.back() - 1 : 0);
}

void COutLineDlgBase::OnCmdClose() { DestroyWindow(); }

// Only a row that becomes selected is shown: texts written into rows show nothing.
void COutLineDlgBase::OnItemchangedCmdRegionLst(NMHDR* pNMHDR, LRESULT* pResult) {
  if (pResult) *pResult = 0;
  const auto* nm = reinterpret_cast<const NMLISTVIEW*>(pNMHDR);
  if (!nm || !(nm->uChanged & LVIF_STATE) || !(nm->uNewState & LVIS_SELECTED) || (nm->uOldState & LVIS_SELECTED))
    return;
  ShowRecord(nm->iItem);
}

void COutLineDlgBase::ShowRecord(int row) {
  UpdateData(TRUE);
  T_WIND_RANGE rec;
  const UINT key = GetRowKey(row);
  if (!key || !ReadRecord(key, rec)) return;
  m_editPoints.SetWindowText(PointsText(rec.points));
  m_cmbStoryFrom.ChangeSelect(rec.startStory);
  SetEndStoryCmb();
  SelectEndStory(rec.endStory);
}

void COutLineDlgBase::OnSelchangeCmdStoryFromCmb() { SetEndStoryCmb(); }

void COutLineDlgBase::UpdateBuffer(const DB_CDataBase& db) {
  if (!m_hWnd || !db.HasUpdateRecords()) return;
  const UINT table = GetTableID();
  BOOL list = FALSE, stories = FALSE;
  POSITION pos = db.GetFirstUpdatePosition();
  while (const DB_CUpdateRecord* u = db.GetNextUpdate(pos)) {
    if (u->m_nClassID == table) {
      list = TRUE;
      m_nLastKey = u->m_nKey;
    } else if (u->m_nClassID == CClassStor::m_nClassID) {
      stories = TRUE;
    }
  }
  if (stories) {
    const UINT end = GetEndStory();
    m_cmbStoryFrom.Refill();
    UpdateStoryCmb();
    if (end) SelectEndStory(end);
  }
  if (list) UpdateNameList();
}

void COutLineDlgBase::OnHint(LPARAM lHint, CObject* pHint) {
  auto* hint = dynamic_cast<T_UPDATE_HINT*>(pHint);
  if (!m_hWnd || (lHint != 0 && lHint != 1 && lHint != 3) || !hint || !m_pMDBCtrl) return;
  const DB_CDataBase* db = m_pMDBCtrl->GetDB(hint->m_nDBID);
  if (db && db == ModelDB()) UpdateBuffer(*db);
}
