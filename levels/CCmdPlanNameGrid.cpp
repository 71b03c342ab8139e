#include "levels/CCmdPlanNameGrid.h"

#include <cstdlib>
#include <cstring>
#include <iterator>
#include <string>
#include <vector>
#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "common/CmdGridRows.h"
#include "levels/CCmdPlanStoryDlgPlan.h"

BEGIN_MESSAGE_MAP(CCmdPlanNameGrid, CTBCommon)
ON_WM_LBUTTONDOWN()
ON_WM_LBUTTONDBLCLK()
END_MESSAGE_MAP()

namespace {

const CCmdGridChoice kWallTypes[] = {
    {1, "IDS_WG_CMD_IP_MATL_TYPE_Membrane"},
    {2, "IDS_WG_CMD_IP_MATL_TYPE_Plate"},
    {3, "IDS_WG_CMD_IP_MATL_TYPE_Meshed_Membrane"},
    {4, "IDS_WG_CMD_IP_MATL_TYPE_Meshed_Plate"},
};
const CCmdGridChoice kSlabTypes[] = {
    {1, "IDS_WG_CMD_IP_MATL_TYPE_Diaphragm_L"},
    {2, "IDS_WG_CMD_IP_MATL_TYPE_RIGID_Diaphragm"},
    {3, "IDS_WG_CMD_IP_MATL_TYPE_Membrane"},
    {4, "IDS_WG_CMD_IP_MATL_TYPE_Plate"},
    {5, "IDS_WG_CMD_IP_MATL_TYPE_Plate_Bending"},
};
const CCmdGridChoice kLoadTypes[] = {
    {1, "IDS_WG_CMD_IP_MATL_TYPE_Load_Distribution"},
    {2, "IDS_WG_CMD_IP_MATL_TYPE_Floor_Analysis"},
};
const int kRigid = 2;

using G = CCmdPlanNameGrid;
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required, default (a choice's key)
    {"Key", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD_IP_PlanNameGrid_NO", nullptr, TB_COL_TEXT, nullptr, 40, false, false, ""},
    {"IDS_WG_CMD_IP_PlanNameGrid_NAME", "name", TB_COL_TEXT, nullptr, 130, true, true, ""},
    {"IDS_WG_CMD_IP_PlanNameGrid_Wall_Type", "wallType", TB_COL_TEXT, nullptr, 0, true, true,
     "IDS_WG_CMD_IP_MATL_TYPE_Membrane", kWallTypes, (int)std::size(kWallTypes)},
    {"IDS_WG_CMD_IP_PlanNameGrid_Slab_Type", "slabType", TB_COL_TEXT, nullptr, 150, true, true,
     "IDS_WG_CMD_IP_MATL_TYPE_RIGID_Diaphragm", kSlabTypes, (int)std::size(kSlabTypes)},
    {"IDS_WG_CMD_IP_PlanNameGrid_Load_Type", "loadType", TB_COL_TEXT, nullptr, 0, true, true,
     "IDS_WG_CMD_IP_MATL_TYPE_Load_Distribution", kLoadTypes, (int)std::size(kLoadTypes)},
    {"IDS_WG_CMD_IP_PlanNameGrid_Stiffness_Scale_Factor", nullptr, TB_COL_TEXT, nullptr, 130, true, true, "X"},
    {"IDS_WG_CMD_IP_Use_Mesh_Size_of_MCD", "useMctlMeshSize", TB_COL_TEXT, CMD_COL_FLAG, 100, true, true, "X"},
    {"IDS_WG_CMD_IP_PlanNameGrid_Mesh_Size", nullptr, TB_COL_TEXT, nullptr, 90, true, true, ""},
    {"IDS_WG_CMD_IP_PlanNameGrid_Property", "property", TB_COL_TEXT, nullptr, 0, true, false, "X"},
};

CString Trimmed(const CString& s) {
  CString t(s);
  t.Trim();
  return t;
}

// The pieces of a text between slashes, a run of slashes being one separator.
std::vector<CString> SlashPieces(const CString& text) {
  std::vector<CString> out;
  std::string cur;
  for (char ch : std::string(text.c_str())) {
    if (ch == '/') {
      if (!cur.empty()) out.push_back(CString(cur.c_str()));
      cur.clear();
    } else {
      cur += ch;
    }
  }
  if (!cur.empty()) out.push_back(CString(cur.c_str()));
  return out;
}

int CodeOfText(const CCmdGridChoice* choices, int n, const CString& text) {
  for (int i = 0; i < n; ++i)
    if (text.CompareNoCase(CMsgDll::pfuncLoadStr(choices[i].textKey, 0)) == 0) return choices[i].value;
  return 0;
}

}  // namespace

CCmdPlanNameGrid::CCmdPlanNameGrid() : CCmdRecordGrid<CClassPlan>(nullptr) { SetColumns(kColumns, COL_COUNT); }

void CCmdPlanNameGrid::InitGrid(CCmdPlanStoryDlgPlan* pPage) {
  m_pPage = pPage;
  CCmdDrawLock lock(*this);
  CTBCommon::Initialize();
  ChangeStandardStyle(CGXStyle().SetFontSize(10).SetFontWeight(400));
  DisableFixedColumns();
  CString slabs;
  for (int code = 2; code <= 5; ++code) slabs += CString(CMsgDll::pfuncLoadStr(kSlabTypes[code - 1].textKey, 0)) + "\n";
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_SLAB)),
                CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(slabs).SetHorizontalAlignment(GX_HA_LEFT));
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_USE_MESH)), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX));
  for (int i : {COL_KEY, COL_PROPERTY, COL_WALL, COL_LOAD}) {
    const ROWCOL c = GetColumnNoFor(i);
    HideColsByIntend(c, c, TRUE);
  }
  SetRightValidCell(1, 0);
  EnableInsertRowByPressingKey(FALSE);
  EnableAppendRow(FALSE);
  const std::vector<int> widths = GetColumnWidths();
  for (size_t i = 0; i < widths.size(); ++i) SetColWidth(GetColumnNoFor((int)i), GetColumnNoFor((int)i), widths[i]);
  SetRowHeight(0, 0, 40);
  MakeItemEx(nullptr, -2, 0);
}

// The current cell stays on its floor (and column) when the floor is still listed.
void CCmdPlanNameGrid::RefillGrid() {
  CCmdDrawLock lock(*this);
  ROWCOL row = 0, col = 0;
  UINT key = 0;
  const BOOL had = GetCurrentCell(row, col) && GetCurrentRowNumber(*this, &key) && key;
  DeleteAllRecords();
  MakeItemEx(nullptr, -2, 0);
  AdjustAppendRowNo();
  m_nCurRow = 0;
  if (!had) return;
  const ROWCOL keyCol = GetColumnNoFor(COL_KEY);
  for (ROWCOL r = 1; r < GetRowCount(); ++r)
    if ((UINT)std::atoi(GetValueRowCol(r, keyCol).c_str()) == key) {
      SetCurrentCell(r, col);
      m_nCurRow = r;
      return;
    }
}

// ---- texts and fields ---------------------------------------------------------------------

void CCmdPlanNameGrid::FieldToText(int index, const T_PLAN_D& rec, CString& text) {
  switch (index) {
    case COL_LOAD:
      CCmdRecordGrid::FieldToText(index, rec, text);
      if (text.IsEmpty()) text = "-";
      return;
    case COL_STIFF:
      if (rec.slabType == 1 || rec.slabType == 2) text = "-";
      else text.Format("%g/%g/%g", rec.stiffFactors[0], rec.stiffFactors[1], rec.stiffFactors[2]);
      return;
    case COL_MESH:
      if (rec.useMctlMeshSize) text = "-";
      else text.Format("%g", rec.meshSize);
      return;
    default: CCmdRecordGrid::FieldToText(index, rec, text); return;
  }
}

void CCmdPlanNameGrid::TextToField(int index, const CString& text, T_PLAN_D& rec) {
  switch (index) {
    case COL_WALL: rec.wallType = CodeOfText(kWallTypes, (int)std::size(kWallTypes), text); return;
    case COL_SLAB: rec.slabType = CodeOfText(kSlabTypes, (int)std::size(kSlabTypes), text); return;
    case COL_LOAD: rec.loadType = CodeOfText(kLoadTypes, (int)std::size(kLoadTypes), text); return;
    case COL_STIFF: {
      if (Trimmed(text).CompareNoCase("-") == 0) return;  // the stored factors stay
      std::vector<CString> pieces = SlashPieces(text);
      for (size_t i = 0; i < pieces.size() && i < 3; ++i) rec.stiffFactors[i] = std::atof(pieces[i].c_str());
      return;
    }
    case COL_MESH:
      // "-" keeps the stored size while the row's use flag is set (read before this
      // column), else it is 1.0.
      if (text == "-") {
        if (!rec.useMctlMeshSize) rec.meshSize = 1.0;
      } else {
        rec.meshSize = std::atof(text.c_str());
      }
      return;
    default: CCmdRecordGrid::TextToField(index, text, rec); return;
  }
}

int CCmdPlanNameGrid::ValidateField(LPCTSTR text, int index) {
  if (index >= GetColInfoCount()) {
    SetWarningText(CMsgDll::pfuncLoadStr(GetFieldErrorKey(), 0));
    return 0;
  }
  if (index != COL_STIFF || Trimmed(text) == "-") return 1;
  std::vector<CString> pieces = SlashPieces(text);
  BOOL ok = pieces.size() == 3;
  for (const CString& p : pieces) ok = ok && !Trimmed(p).IsEmpty() && std::atof(p.c_str()) > 0.0;
  if (ok) return 1;
  SetWarningText(CMsgDll::pfuncLoadStr(GetFieldErrorKey(), 0));
  return 0;
}

// ---- rows ---------------------------------------------------------------------------------

void CCmdPlanNameGrid::OnRowWritten(ROWCOL row, UINT, const T_PLAN_D&) {
  CString no;
  no.Format("%d", (int)row);
  SetValueRange(CGXRange(row, GetColumnNoFor(COL_NO)), (LPCTSTR)no);
  UpdateRowCtrlState(row, GetColumnNoFor(COL_SLAB));
}

void CCmdPlanNameGrid::UpdateRowCtrlState(ROWCOL row, ROWCOL col) {
  if (row < 1 || row > GetRowCount()) return;
  const ROWCOL slabCol = GetColumnNoFor(COL_SLAB), useCol = GetColumnNoFor(COL_USE_MESH);
  if (col != slabCol && col != useCol) return;
  const BOOL rigid = CodeOfText(kSlabTypes, (int)std::size(kSlabTypes), GetValueRowCol(row, slabCol)) == kRigid;
  const BOOL useMctl = std::atol(GetValueRowCol(row, useCol).c_str()) != 0;
  if (col == slabCol) {
    SetStyleRange(CGXRange(row, GetColumnNoFor(COL_STIFF)), CGXStyle().SetEnabled(!rigid));
    SetStyleRange(CGXRange(row, useCol), CGXStyle().SetEnabled(!rigid));
  }
  SetStyleRange(CGXRange(row, GetColumnNoFor(COL_MESH)), CGXStyle().SetEnabled(!rigid && !useMctl));
}

BOOL CCmdPlanNameGrid::RowOverStored(ROWCOL row, T_PLAN_D& rec) {
  const UINT key = GetRowKey(row);
  T_PLAN_D stored;
  if (!m_pTable || !m_pTable->Get(key, stored)) stored.Initialize();
  rec = stored;
  for (int i = 1; i < GetColInfoCount(); ++i) {
    const ROWCOL c = GetColumnNoFor(i);
    CString text = c ? GetValueRowCol(row, c) : CString();
    if (!ConvertFormulaToValue(text)) return FALSE;
    CString shown;
    FieldToText(i, stored, shown);
    if (text == shown) continue;  // a cell left as shown keeps the stored value
    TextToField(i, text, rec);
  }
  rec.key = key;
  return TRUE;
}

int CCmdPlanNameGrid::ModifyRecord(ROWCOL row) {
  if (!m_pTable || row == 0 || IsAppendRow(row) || row > GetRowCount()) return 0;
  const CString oldName = GetValueRowColBeforeEdit(row, GetColumnNoFor(COL_NAME));
  T_PLAN_D rec;
  if (!RowOverStored(row, rec)) return 0;
  return m_pTable->TR_Modify(oldName, rec);
}

// A pasted row is written over its stored floor as a typed one is: the fields no cell
// shows keep their stored values.
BOOL CCmdPlanNameGrid::TableModify(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs) {
  if (!m_pTable || oldNames.GetSize() != recs.GetSize()) return FALSE;
  CArray<T_PLAN_D> kept;
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) {
    T_PLAN_D r = recs[i], stored;
    if (m_pTable->Get(m_pTable->GetKey(oldNames[i]), stored)) {
      std::memcpy(r.reserved, stored.reserved, sizeof r.reserved);
      if (r.slabType == 1 || r.slabType == 2)
        for (int k = 0; k < 3; ++k) r.stiffFactors[k] = stored.stiffFactors[k];
    }
    kept.Add(r);
  }
  return m_pTable->TR_Modify(oldNames, kept);
}

// ---- the current row ----------------------------------------------------------------------

BOOL CCmdPlanNameGrid::CheckCurRowChanged() {
  ROWCOL r = 0, c = 0;
  if (!GetCurrentCell(r, c) || r == m_nCurRow) return FALSE;
  OnCurRowChanged(r);
  return TRUE;
}

void CCmdPlanNameGrid::OnCurRowChanged(ROWCOL row) {
  m_nCurRow = row;
  if (row == 0 || IsAppendRow(row) || !m_pPage) return;
  m_pPage->ShowPlanData((UINT)std::atoi(GetValueRowCol(row, GetColumnNoFor(COL_KEY)).c_str()));
}

int CCmdPlanNameGrid::SelectRowByKey(UINT key) {
  ROWCOL r = 0, c = 0;
  if (GetRowCount() <= 1 || !GetCurrentCell(r, c)) return 0;
  const ROWCOL keyCol = GetColumnNoFor(COL_KEY);
  for (ROWCOL row = 1; row < GetRowCount(); ++row) {
    if ((UINT)std::atoi(GetValueRowCol(row, keyCol).c_str()) != key) continue;
    SetCurrentCell(row, GetColumnNoFor(COL_NAME));
    CheckCurRowChanged();
    return 1;
  }
  return 0;
}

BOOL CCmdPlanNameGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  BOOL r = CCmdRecordGrid::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
  CheckCurRowChanged();
  return r;
}

BOOL CCmdPlanNameGrid::OnStartEditing(ROWCOL nRow, ROWCOL nCol) {
  BOOL r = CCmdRecordGrid::OnStartEditing(nRow, nCol);
  CheckCurRowChanged();
  if (r) UpdateRowCtrlState(nRow, nCol);
  return r;
}

void CCmdPlanNameGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) {
  CCmdRecordGrid::OnModifyCell(nRow, nCol);
  UpdateRowCtrlState(nRow, nCol);
}

// A press on a body cell makes it current (as the grid control does); the first press in
// the grid tells the page even when the row is the one it was told of.
void CCmdPlanNameGrid::OnLButtonDown(UINT nFlags, CPoint point) {
  ROWCOL r = 0, c = 0;
  if (HitTest(point, r, c) && r >= 1 && c >= 1 && !IsRowHidden(r)) SetCurrentCell(r, c);
  CTBBrowserWndEx::OnLButtonDown(nFlags, point);
  if (!m_bPressed) {
    m_bPressed = TRUE;
    if (GetCurrentCell(r, c)) {
      OnCurRowChanged(r);
      return;
    }
  }
  CheckCurRowChanged();
}

void CCmdPlanNameGrid::OnLButtonDblClk(UINT nFlags, CPoint point) {
  CTBBrowserWndEx::OnLButtonDblClk(nFlags, point);
  CheckCurRowChanged();
}

// ---- moving rows --------------------------------------------------------------------------

BOOL CCmdPlanNameGrid::MoveRows(ROWCOL first, ROWCOL last, ROWCOL target, UINT) {
  if (RefuseMoveWhileEditing() || !m_pTable) return FALSE;
  if (target == GetRowCount() + 1) target = GetRowCount();
  if (target >= first && target <= last + 1) return FALSE;
  CUIntArray selected;
  GetSelectedRows(selected);
  if (selected.GetSize() != (INT_PTR)(last - first + 1)) return FALSE;
  const UINT targetKey = GetRowKey(target);
  int position = targetKey ? m_pTable->GetSeq(targetKey) : 0;
  if (position <= 0) position = m_pTable->GetCount() + 1;
  CUIntArray keys;
  for (UINT r : selected)
    if (UINT k = GetRowKey(r)) keys.Add(k);
  m_pTable->TR_ChangeSeq(keys, position);
  return FALSE;
}
