#include "loads/CCMLoadCaseGrid.h"

#include <cstdlib>
#include "db/CLoadDB.h"
#include "loads/CCMLoadCaseDlg.h"

BEGIN_MESSAGE_MAP(CCMLoadCaseGrid, CTBCommon)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {
using G = CCMLoadCaseGrid;
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required, default
    {"IDS_CMD_GRID__Key", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_CMD_GRID__No", "number", TB_COL_INT, nullptr, 40, false, false, ""},
    {"IDS_CMD_GRID__Name", "name", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_CMD_GRID__Type", "type", TB_COL_TEXT, nullptr, 160, true, true, ""},
    {"IDS_CMD_GRID__Factor", "selfWeightFactor", TB_COL_TEXT, "%.15g", 60, true, false, ""},
    {"IDS_CMD_GRID__Description", "desc", TB_COL_TEXT, nullptr, 240, true, false, ""},
};

// The eight names the Type column offers, in order.
const char* const kTypeNames[] = {
    "IDS_DBLIB__ADDED__User_Defined_Load",     "IDS_DBLIB__ADDED__Dead_Load",
    "IDS_DBLIB__ADDED__Live_Load",             "IDS_DBLIB__ADDED__Roof_Live_Load",
    "IDS_DBLIB__ADDED__Wind_Load_on_Structure", "IDS_DBLIB__ADDED__Earthquake",
    "IDS_DBLIB__ADDED__Snow_Load",             "IDS_DBLIB__ADDED__Temperature",
};

CLoadDB* Vocabulary() { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetLoadDB() : CLoadDB::GetDefault(); }
}  // namespace

CCMLoadCaseGrid::CCMLoadCaseGrid() : CCmdRecordGrid<CClassStld>(nullptr) { SetColumns(kColumns, COL_COUNT); }

CString CCMLoadCaseGrid::TypeChoiceList() {
  CString list;
  for (const char* k : kTypeNames) list += CString(CMsgDll::pfuncLoadStr(k, 0)) + "\n";
  return list;
}

void CCMLoadCaseGrid::InitGrid(CCMLoadCaseDlg* pOwner) {
  m_pOwner = pOwner;
  CCmdDrawLock lock(*this);
  CTBCommon::Initialize();
  ChangeStandardStyle(CGXStyle().SetFontSize(10));
  DisableFixedColumns();
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_TYPE)),
                CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(TypeChoiceList()));
  for (int i : {COL_KEY, COL_FACTOR}) {
    const ROWCOL c = GetColumnNoFor(i);
    HideColsByIntend(c, c, TRUE);
  }
  const std::vector<int> widths = GetColumnWidths();
  for (size_t i = 0; i < widths.size(); ++i) SetColWidth(GetColumnNoFor((int)i), GetColumnNoFor((int)i), widths[i]);
  MakeItemEx(nullptr, -2, 0);
}

UINT CCMLoadCaseGrid::RowKey(ROWCOL row) {
  return (UINT)std::atoi(GetValueRowCol(row, GetColumnNoFor(COL_KEY)).c_str());
}

void CCMLoadCaseGrid::Rebuild() {
  CCmdDrawLock lock(*this);
  ROWCOL row = 0, col = 0;
  const BOOL had = GetCurrentCell(row, col);
  const UINT before = had && row >= 1 && row < GetRowCount() ? RowKey(row) : 0;
  DeleteAllRecords();
  MakeItemEx(nullptr, -2, 0);
  AdjustAppendRowNo();
  if (!had) return;
  if (row >= GetRowCount()) row = GetRowCount() > 1 ? GetRowCount() - 1 : GetRowCount();
  if (row < 1) return;
  SetCurrentCell(row, col);
  const UINT after = row < GetRowCount() && !IsAppendRow(row) ? RowKey(row) : 0;
  if (after != before) OnCurrentRowChanged(row);
  else m_nLastRow = row;
}

// ---- texts and fields ---------------------------------------------------------------------

void CCMLoadCaseGrid::FieldToText(int index, const T_STLD_D& rec, CString& text) {
  if (index == COL_TYPE) text = Vocabulary()->GetLoadTypeName(rec.type);
  else if (index == COL_NO) text.Format("%d", rec.number);
  else CCmdRecordGrid::FieldToText(index, rec, text);
}

void CCMLoadCaseGrid::TextToField(int index, const CString& text, T_STLD_D& rec) {
  if (index == COL_TYPE) rec.type = Vocabulary()->GetLoadType(text);
  else CCmdRecordGrid::TextToField(index, text, rec);
}

int CCMLoadCaseGrid::ValidateField(LPCTSTR text, int index) {
  if (index >= GetColInfoCount()) {
    SetWarningText(CMsgDll::pfuncLoadStr(GetFieldErrorKey(), 0));
    return 0;
  }
  if (index == COL_TYPE && text && *text && Vocabulary()->GetLoadType(text).IsEmpty()) {
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_CMD_LOADCASE_Type_Unknown", 0));
    return 0;
  }
  return CCmdRecordGrid::ValidateField(text, index);
}

void CCMLoadCaseGrid::OnRowWritten(ROWCOL row, UINT, const T_STLD_D&) {
  CString no;
  no.Format("%d", (int)row);
  SetValueRange(CGXRange(row, GetColumnNoFor(COL_NO)), (LPCTSTR)no);
}

int CCMLoadCaseGrid::OnInsertEmptyRecord(ROWCOL row) {
  if (!CCmdRecordGrid::OnInsertEmptyRecord(row)) return 0;
  CString no;
  no.Format("%d", (int)row);
  SetValueRange(CGXRange(row, GetColumnNoFor(COL_NO)), (LPCTSTR)no);
  return 1;
}

// ---- deleting -----------------------------------------------------------------------------

int CCMLoadCaseGrid::DeleteRecords(CUIntArray& rows) {
  if (rows.IsEmpty()) return 1;
  CUIntArray keys;
  const ROWCOL nameCol = GetColumnNoFor(COL_NAME);
  for (UINT row : rows) {
    UINT k = GetKeyByName(GetValueRowColBeforeEdit(row, nameCol));
    if (k && !IsKeptKey(k)) keys.Add(k);
  }
  if (keys.IsEmpty()) return 1;
  return m_pTable && m_pTable->TR_Del(keys);
}

int CCMLoadCaseGrid::DeleteRecord(ROWCOL row) {
  if (row == 0 || IsAppendRow(row) || row >= GetRowCount()) return 0;
  const UINT key = RowKey(row);
  if (!key || IsKeptKey(key) || !m_pTable) return 0;
  return m_pTable->TR_Del(key);
}

// ---- the current row ----------------------------------------------------------------------

BOOL CCMLoadCaseGrid::CheckCurrentRow() {
  ROWCOL r = 0, c = 0;
  if (!GetCurrentCell(r, c) || r == m_nLastRow) return FALSE;
  OnCurrentRowChanged(r);
  return TRUE;
}

void CCMLoadCaseGrid::OnCurrentRowChanged(ROWCOL row) {
  m_nLastRow = row;
  if (row == 0 || IsAppendRow(row) || row >= GetRowCount() || !m_pOwner) return;
  m_pOwner->SetData2Dlg(RowKey(row));
}

int CCMLoadCaseGrid::SelectRowOfKey(UINT key) {
  ROWCOL r = 0, c = 0;
  if (!GetCurrentCell(r, c)) return 0;
  for (ROWCOL row = 1; row < GetRowCount(); ++row) {
    if (IsAppendRow(row) || RowKey(row) != key) continue;
    SetCurrentCell(row, c);
    CheckCurrentRow();
    return 1;
  }
  return 0;
}

BOOL CCMLoadCaseGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  BOOL r = CCmdRecordGrid::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
  CheckCurrentRow();
  return r;
}

BOOL CCMLoadCaseGrid::OnStartEditing(ROWCOL nRow, ROWCOL nCol) {
  BOOL r = CCmdRecordGrid::OnStartEditing(nRow, nCol);
  CheckCurrentRow();
  return r;
}

void CCMLoadCaseGrid::OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL bKey) {
  CCmdRecordGrid::OnChangedSelection(pRange, bIsDragging, bKey);
  CheckCurrentRow();
}

void CCMLoadCaseGrid::OnLButtonDown(UINT nFlags, CPoint point) {
  ROWCOL r = 0, c = 0;
  if (HitTest(point, r, c) && r >= 1 && c >= 1 && !IsRowHidden(r)) SetCurrentCell(r, c);
  CTBBrowserWndEx::OnLButtonDown(nFlags, point);
  CheckCurrentRow();
}

void CCMLoadCaseGrid::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CTBBrowserWndEx::OnLButtonDblClk(nFlags, point);
  CheckCurrentRow();
}
