#include "levels/CCmdStorMatlGrid.h"

#include <algorithm>
#include <vector>

#include "afx/AfxSystem.h"
#include "afx/AfxWinDefs.h"
#include "db/CClassMatl.h"
#include "db/CClassPlan.h"
#include "db/CClassStor.h"
#include "db/CDBDoc.h"
#include "db/CMDBCtrl.h"
#include "db/DBClassIds.h"
#include "db/DBField.h"
#include "db/DB_CDataBase.h"
#include "grid/GXClipboard.h"
#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdStorMatlGrid, CTBBrowserWndEx)

const CCmdStorMatlGrid::Column CCmdStorMatlGrid::m_columns[MATL_COLS + 1] = {
    // {title key, field, kind, format, width share, editable, required, default}, type, fallback
    {{nullptr, nullptr, TB_COL_TEXT, nullptr, 70, false, false, ""}, TYPE_C, nullptr},
    {{"IDS_WG_CMD_STORY_MATL_COLM", "colmMatlKey", TB_COL_TEXT, nullptr, 65, true, false, ""}, TYPE_C, "IDS_WG_CMD_STORY_MATL_C30"},
    {{"IDS_WG_CMD_STORY_MATL_WALL", "wallMatlKey", TB_COL_TEXT, nullptr, 65, true, false, ""}, TYPE_C, "IDS_WG_CMD_STORY_MATL_C30"},
    {{"IDS_WG_CMD_STORY_MATL_BEAM", "beamMatlKey", TB_COL_TEXT, nullptr, 65, true, false, ""}, TYPE_C, "IDS_WG_CMD_STORY_MATL_C30"},
    {{"IDS_WG_CMD_STORY_MATL_SLAB", "slabMatlKey", TB_COL_TEXT, nullptr, 65, true, false, ""}, TYPE_C, "IDS_WG_CMD_STORY_MATL_C30"},
    {{"IDS_WG_CMD_STORY_MATL_BRACE", "braceMatlKey", TB_COL_TEXT, nullptr, 65, true, false, ""}, TYPE_C, "IDS_WG_CMD_STORY_MATL_C30"},
    {{nullptr, "steelMatlKey", TB_COL_TEXT, nullptr, 80, true, false, ""}, TYPE_S, "IDS_WG_CMD_STORY_MATL_Q235"},
    {{"IDS_WG_CMD_STORY_MATL_COLM", "srcColmMatlKey", TB_COL_TEXT, nullptr, 80, true, false, ""}, TYPE_SRC, "IDS_WG_CMD_STORY_MATL_C40_Q345"},
    {{"IDS_WG_CMD_STORY_MATL_BEAM", "srcBeamMatlKey", TB_COL_TEXT, nullptr, 80, true, false, ""}, TYPE_SRC, "IDS_WG_CMD_STORY_MATL_C40_Q345"},
};

const char* const CCmdStorMatlGrid::m_typeCodes[TYPE_COUNT] = {"C", "S", "SRC"};

namespace {

// Row-0 headers: the key and the columns it covers (rows 0 and 1 when bothRows).
struct TopHeader {
  ROWCOL left, right;
  bool bothRows;
  const char* key;
};
const TopHeader kTopHeaders[] = {
    {0, 0, true, "IDS_WG_CMD_STORY_MATL_NAME"},
    {1, 5, false, "IDS_WG_CMD_STORY_MATL_RC"},
    {6, 6, true, "IDS_WG_CMD_STORY_MATL_STEEL"},
    {7, 8, false, "IDS_WG_CMD_STORY_MATL_SRC"},
};

// Columns painted red for a flagged story, by check mode.
struct TracerColumns {
  int mode;
  ROWCOL from, to, also;
};
const TracerColumns kTracer[] = {
    {19, 3, 4, 0}, {20, 1, 1, 3}, {21, 1, 2, 0}, {22, 1, 1, 0}, {24, 1, 1, 0},
    {23, 2, 2, 0}, {25, 2, 2, 0}, {26, 1, 5, 0}, {27, 1, 5, 0},
};

const COLORREF kTracerRed = RGB(255, 0, 0);
// Colours of the grid's looks, from the framework's colour set.
const int kHeaderText = 1, kHeaderInterior = 2, kStandardText = 1, kStandardInterior = 16;
const int kWeightSum = 635;
const int kRowHeight = 20;

CString Text(const char* key) { return CString(CMsgDll::pfuncLoadStr(key, 0)); }

template <class T>
T* Fetch() {
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  DB_CDataBase* db = doc ? doc->GetMDBCtrl()->GetDB(DB_ID_MODEL) : nullptr;
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

}  // namespace

CCmdStorMatlGrid::CCmdStorMatlGrid() {
  m_pStor = Fetch<CClassStor>();
  m_pPlan = Fetch<CClassPlan>();
  m_pMatl = Fetch<CClassMatl>();
}

UINT CCmdStorMatlGrid::GetStoryOfRow(ROWCOL nRow) const {
  if (nRow < HEADER_ROWS || nRow - HEADER_ROWS >= (ROWCOL)m_stories.GetSize()) return 0;
  return m_stories[nRow - HEADER_ROWS];
}

// ---- setting up -------------------------------------------------------------------------

void CCmdStorMatlGrid::ShowTower(UINT nTower) {
  Initialize();
  ChangeColHeaderStyle(CGXStyle().SetTextColor(m_Color[kHeaderText]).SetInterior(m_Color[kHeaderInterior]));
  ChangeRowHeaderStyle(CGXStyle().SetTextColor(m_Color[kHeaderText]).SetInterior(m_Color[kHeaderInterior]));
  ChangeStandardStyle(CGXStyle().SetTextColor(m_Color[kStandardText]).SetInterior(m_Color[kStandardInterior]));
  BOOL oldLock = LockUpdate(TRUE);
  SetLeftValidCell(HEADER_ROWS, 1);  // headers never become the current cell

  m_nTower = nTower;
  m_stories.RemoveAll();
  if (m_pStor) m_pStor->GetKeyListReverse(m_stories, nTower);
  m_nStories = (int)m_stories.GetSize();

  ResetCurrentCell();
  ClearSelection();
  SetColCount(MATL_COLS);
  SetRowCount((ROWCOL)m_nStories + 1);
  SetDefaultRowHeight(kRowHeight);
  SetRowHeight(0, GetRowCount(), kRowHeight);

  const int span = kWeightSum + GetSystemMetrics(SM_CXVSCROLL);
  for (ROWCOL c = 0; c <= MATL_COLS; ++c) SetColWidth(c, c, m_columns[c].col.width * m_nGridWidth / span);

  FillHeader();
  SetStyleRange(CGXRange().SetCols(0), CGXStyle().SetHorizontalAlignment(GX_HA_CENTER));
  SetStyleRange(CGXRange().SetCols(1, MATL_COLS), CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST));
  SetStyleRange(CGXRange().SetCols(7, 8), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
  // Row 1 is the second header row: header look, no editing.
  SetStyleRange(CGXRange().SetRows(1), CGXStyle()
                                           .SetControl(GX_IDS_CTRL_STATIC)
                                           .SetReadOnly(TRUE)
                                           .SetTextColor(m_Color[kHeaderText])
                                           .SetInterior(m_Color[kHeaderInterior]));
  SetFrozenRows(1, 1);

  FillMaterialChoices();
  LockUpdate(oldLock);
  Redraw();
  FillRows();
  if (m_nStories > 0) SetCurrentCell(HEADER_ROWS, 1);
}

void CCmdStorMatlGrid::ChangeTower(UINT nTower) {
  m_nTower = nTower;
  ShowTower(nTower);
  FillRows();
}

void CCmdStorMatlGrid::FillHeader() {
  for (const TopHeader& h : kTopHeaders) {
    SetCoveredCellsRowCol(0, h.left, h.bothRows ? 1 : 0, h.right);
    SetValueRange(CGXRange(0, h.left), (LPCTSTR)Text(h.key));
  }
  for (ROWCOL c = 1; c <= MATL_COLS; ++c)
    SetValueRange(CGXRange(1, c), m_columns[c].col.titleKey ? (LPCTSTR)Text(m_columns[c].col.titleKey) : "");
  SetCoveredCellsRowCol(0, 6, 1, 6);  // kept when row 1 is rewritten
  SetValueRange(CGXRange(1, 0), "");
  for (int i = 0; i < m_nStories; ++i) {
    T_STOR_D s;
    s.Initialize();
    if (m_pStor) m_pStor->Get(m_stories[i], s);
    SetValueRange(CGXRange((ROWCOL)i + HEADER_ROWS, 0), (LPCTSTR)s.name);
  }
}

void CCmdStorMatlGrid::FillMaterialChoices() {
  for (int t = 0; t < TYPE_COUNT; ++t) {
    m_names[t].RemoveAll();
    m_nameSets[t].clear();
    m_choices[t].Empty();
    CUIntArray keys;
    if (m_pMatl) m_pMatl->GetKeyListByType(keys, m_typeCodes[t]);
    for (UINT k : keys) {
      T_MATL_D m;
      m.Initialize();
      if (!m_pMatl->Get(k, m)) continue;
      m_names[t].Add(m.name);
      m_nameSets[t].insert(m.name);
      m_choices[t] += m.name;
      m_choices[t] += "\n";
    }
  }
  for (ROWCOL c = 1; c <= MATL_COLS; ++c)
    SetStyleRange(CGXRange().SetCols(c), CGXStyle().SetChoiceList((LPCTSTR)m_choices[m_columns[c].type]));
}

// The material-key field of a column (1 to MATL_COLS), from the story's field declaration.
const DB_CFlatField& CCmdStorMatlGrid::MaterialField(int nCol) {
  static const std::vector<const DB_CFlatField*> fields = [] {
    std::vector<const DB_CFlatField*> f(MATL_COLS + 1, nullptr);
    for (int c = 1; c <= MATL_COLS; ++c) f[(size_t)c] = DB_FindField(T_STOR_D::Desc(), m_columns[c].col.field);
    return f;
  }();
  return *fields[(size_t)nCol];
}

CString CCmdStorMatlGrid::MaterialText(const T_STOR_D& story, int nCol) const {
  const Column& col = m_columns[nCol];
  T_MATL_D m;
  m.Initialize();
  if (m_pMatl && m_pMatl->Get(*static_cast<const UINT*>(MaterialField(nCol).Addr(&story)), m)) return m.name;
  if (m_pMatl) {
    UINT k = m_pMatl->GetKey(Text(col.pszFallbackKey));
    if (k && m_pMatl->Get(k, m)) return m.name;
  }
  const CStringArray& names = m_names[col.type];
  return names.IsEmpty() ? CString() : names[0];
}

void CCmdStorMatlGrid::FillRows() {
  BOOL oldLock = LockUpdate(TRUE);
  for (int i = 0; i < m_nStories; ++i) {
    T_STOR_D s;
    s.Initialize();
    if (m_pStor) m_pStor->Get(m_stories[i], s);
    for (int c = 1; c <= MATL_COLS; ++c)
      SetValueRange(CGXRange((ROWCOL)i + HEADER_ROWS, (ROWCOL)c), (LPCTSTR)MaterialText(s, c));
  }
  LockUpdate(oldLock);
  if (!oldLock) Redraw();
}

// ---- applying ---------------------------------------------------------------------------

int CCmdStorMatlGrid::ApplyMaterials() {
  if (!m_pStor) return 1;
  if (IsEditing()) EndEditing();  // a typed choice is part of what is applied
  CUIntArray keys;
  m_pStor->GetKeyListReverse(keys, m_nTower);
  CStringArray names;
  CArray<T_STOR_D> recs;
  BOOL changed = FALSE;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    T_STOR_D s;
    s.Initialize();
    m_pStor->Get(keys[i], s);
    ROWCOL row = (ROWCOL)i + HEADER_ROWS;
    for (int c = 1; c <= MATL_COLS; ++c) {
      CString name = GetValueRowCol(row, (ROWCOL)c);
      UINT key = m_pMatl ? m_pMatl->GetKey(name) : 0;
      UINT& field = *static_cast<UINT*>(MaterialField(c).Addr(&s));
      if (field != key) {
        field = key;
        changed = TRUE;
      }
    }
    names.Add(s.name);
    recs.Add(s);
  }
  if (!changed) return 1;
  return m_pStor->TR_Modify2(names, recs) ? 1 : 0;
}

// ---- cells, keys, selection ---------------------------------------------------------------

int CCmdStorMatlGrid::ValidateField(LPCTSTR text, int nCol) {
  if (nCol < 1 || nCol > MATL_COLS) return 1;
  if (m_nameSets[m_columns[nCol].type].count(CString(text))) return 1;
  SetWarningText(Text("IDS_WG_CMD_MC_ERROR_Invalid_Input"));
  return 0;
}

BOOL CCmdStorMatlGrid::OnValidateCell(ROWCOL nRow, ROWCOL nCol) {
  (void)GetValueRowCol(nRow, nCol);  // every choice of the list stands
  return TRUE;
}

void CCmdStorMatlGrid::OnModifyCell(ROWCOL nRow, ROWCOL nCol) { CGXGridWnd::OnModifyCell(nRow, nCol); }

BOOL CCmdStorMatlGrid::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  if (nMessage == WM_KEYDOWN && nChar == VK_DELETE) return TRUE;  // Delete clears nothing
  return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}

void CCmdStorMatlGrid::OnChangedSelection(const CGXRange* pRange, BOOL bIsDragging, BOOL) {
  if (!pRange) {
    OnChangedSelectionPublic(nullptr, 0);
    return;
  }
  if (bIsDragging) return;
  CUIntArray rows;
  GetSelectedRows(rows);
  BOOL hadRow0 = FALSE;
  CUIntArray kept;
  for (UINT r : rows) {
    if (r == 0) hadRow0 = TRUE;
    else kept.Add(r);
  }
  if (hadRow0) {
    ClearSelection();
    for (UINT r : kept) SelectGridRow(r);
    Redraw();
  }
  CUIntArray keys;
  int n = GetKeysForSelectedRows(keys);
  OnChangedSelectionPublic(keys.GetData(), n);
}

int CCmdStorMatlGrid::GetKeysForSelectedRows(CUIntArray& keys) {
  CUIntArray rows;
  GetSelectedRows(rows);
  int n = 0;
  for (UINT r : rows)
    if (r != 0) ++n;
  keys.RemoveAll();
  keys.SetSize(n);  // no keys: the rows are not records
  for (int i = 0; i < n; ++i) keys[i] = 0;
  return n;
}

BOOL CCmdStorMatlGrid::GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt, int nType) {
  BOOL r = CTBBrowserWndEx::GetStyleRowCol(nRow, nCol, style, mt, nType);
  if (nRow == 1) {
    style.SetTextColor(m_Color[kHeaderText]).SetInterior(m_Color[kHeaderInterior]);
    return r;
  }
  if (nRow < HEADER_ROWS || nCol < 1) return r;
  CDBDoc* doc = CDBDoc::m_pDBDoc;
  if (!doc || !doc->IsTracerMode() || !doc->GetChekCtrl()) return r;
  UINT story = GetStoryOfRow(nRow);
  if (!story || !doc->GetChekCtrl()->IsFlagged(story)) return r;
  for (const TracerColumns& t : kTracer) {
    if (t.mode != doc->GetCheckMode()) continue;
    if ((nCol >= t.from && nCol <= t.to) || nCol == t.also) style.SetInterior(kTracerRed);
  }
  return r;
}

std::vector<CString> CCmdStorMatlGrid::UserDescribeCells() {
  std::vector<CString> lines = CTBBrowserWndEx::UserDescribeCells();
  ROWCOL r = 0;
  for (CString& line : lines) {
    while (r <= GetRowCount() && IsRowHidden(r)) ++r;
    CString name = UserGetCellText((int)r, 0);
    line = name + "\t" + line;
    ++r;
  }
  return lines;
}

// ---- paste ------------------------------------------------------------------------------

BOOL CCmdStorMatlGrid::BuildPasteRows(const CGXRange& range, std::vector<std::vector<CString>>& rows,
                                      ROWCOL& top) {
  std::vector<std::vector<CString>> block = CGXClipboard::Split(CGXClipboard::GetText());
  if (block.empty()) return FALSE;
  size_t width = 0;
  for (auto& r : block) width = std::max(width, r.size());
  for (auto& r : block) r.resize(width);
  // Columns the grid hides on purpose take no pasted value.
  for (ROWCOL c = range.left; c < range.left + width && c <= GetColCount(); ++c) {
    if (!IsHiddenByIntend(c)) continue;
    for (auto& r : block) r.insert(r.begin() + (c - range.left), CString());
    ++width;
  }
  const ROWCOL pending = GetPendingRow();
  if (range.GetHeight() == 1 && range.GetWidth() == 1) {
    if (range.left + width - 1 > GetColCount()) {
      SetWarningText(Text("IDS_UTIL__Too_Large_Copy_Range_"));
      return FALSE;
    }
    if (pending && block.size() > 1) {
      SetWarningText(Text("IDS_UTIL__Current_Editing_Record_Inclued_"));
      return FALSE;
    }
  } else {
    if (pending && range.GetHeight() > 1 && pending >= range.top && pending <= range.bottom) {
      SetWarningText(Text("IDS_UTIL__Current_Editing_Record_Inclued_"));
      return FALSE;
    }
    if (block.size() == 1 && width == range.GetWidth()) {
      block.resize(range.GetHeight(), block[0]);
    } else if (block.size() != range.GetHeight() || width != range.GetWidth()) {
      SetWarningText(Text("IDS_UTIL__Not_Equal_Copy_Range_And_Object_Range_"));
      return FALSE;
    }
  }
  // Whole rows: the grid's own texts around the pasted block.
  top = range.top;
  rows.clear();
  for (size_t i = 0; i < block.size() && top + i <= GetRowCount(); ++i) {
    ROWCOL row = top + (ROWCOL)i;
    std::vector<CString> line(GetColCount() + 1);
    for (ROWCOL c = 0; c <= GetColCount(); ++c) line[c] = GetValueRowCol(row, c);
    for (size_t j = 0; j < width && range.left + j <= GetColCount(); ++j) {
      ROWCOL c = range.left + (ROWCOL)j;
      if (IsHiddenByIntend(c)) continue;
      // Only the pasted texts are judged: the others are the grid's own and stay.
      if (row >= HEADER_ROWS && !ValidateField(block[i][j], (int)c)) return FALSE;
      line[c] = block[i][j];
    }
    rows.push_back(std::move(line));
  }
  return TRUE;
}

BOOL CCmdStorMatlGrid::OnPasteFromClipboard(const CGXRange& range) {
  if (IsRowEditPending()) return FALSE;
  CGXRange target = range.ExpandTo(GetRowCount(), GetColCount());
  std::vector<std::vector<CString>> rows;
  ROWCOL top = 0;
  if (!BuildPasteRows(target, rows, top)) {
    DisplayWarningText();
    return FALSE;
  }
  for (size_t i = 0; i < rows.size(); ++i) {
    ROWCOL row = top + (ROWCOL)i;
    if (row < HEADER_ROWS) continue;  // the header rows take nothing
    for (ROWCOL c = 1; c <= GetColCount(); ++c) {
      if (GetValueRowCol(row, c) == rows[i][c]) continue;
      SetValueRange(CGXRange(row, c), (LPCTSTR)rows[i][c]);
      OnModifyCell(row, c);
    }
  }
  return FALSE;
}
