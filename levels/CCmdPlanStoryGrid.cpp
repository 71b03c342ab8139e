// CCmdPlanStoryGrid: columns, fields, the write hooks and validation. The levels are in
// CCmdPlanStoryGridLevels.cpp.
#include "levels/CCmdPlanStoryGrid.h"

#include <cstdlib>
#include "afx/AfxNumber.h"

namespace {
using G = CCmdPlanStoryGrid;
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required (edit mode 1), default
    {"IDS_WG_CMD_IP_STORY_Grid_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD__ADDD__Name", "name", TB_COL_TEXT, nullptr, 81, true, true, ""},
    {"IDS_WG_CMD__ADDD__Height", "height", TB_COL_REAL, "%.15g", 91, true, true, "0"},
    {"IDS_WG_CMD__ADDD__Level1", nullptr, TB_COL_REAL, nullptr, 91, false, false, "0"},  // ComputeLevels
    {"IDS_WG_CMD__ADDD__Level2", nullptr, TB_COL_REAL, nullptr, 91, false, false, "0"},  // ComputeLevels
    {"IDS_WG_CMD__ADDD__Plan", "planKey", TB_COL_TEXT, nullptr, 71, true, true, ""},     // by name
    {"IDS_WG_CMD_IP_STORY_Grid_DL", "deadLoad", TB_COL_REAL, "%g", 71, true, false, "0"},
    {"IDS_WG_CMD_IP_STORY_Grid_LL", "liveLoad", TB_COL_REAL, "%g", 91, true, false, "0"},
    {"IDS_CMD_TRASFER_STORY", "transfer", TB_COL_INT, CMD_COL_FLAG, 50, true, false, ""},
    {"IDS_WG_CMD_Bending_Stiff", "bendFactor", TB_COL_REAL, "%.15g", 0, false, false, "6.0"},
    {"IDS_WG_CMD_IP_STORY_Grid_Property", nullptr, TB_COL_TEXT, nullptr, 0, false, false, "X"},
};
// The unit kind of the level columns: the height's.
int LengthKind() { return T_STOR_D::unit[0]; }
}  // namespace

CCmdPlanStoryGrid::CCmdPlanStoryGrid(ICmdPlanStoryGridOwner* pOwner)
    : CCmdTowerStoryGrid(pOwner, COL_PLAN, 1, FALSE), m_pPageOwner(pOwner) {
  SetColumns(kColumns, COL_COUNT);
}

void CCmdPlanStoryGrid::Initialize() {
  CCmdDrawLock lock(*this);
  BeginInitialize();
  auto col = [this](int index) { return CGXRange().SetCols(GetColumnNoFor(index)); };
  for (int i : {COL_HEIGHT, COL_LEVEL1, COL_LEVEL2, COL_BEND})
    SetStyleRange(col(i), CGXStyle().SetFormat(GX_FMT_FIXED).SetPlaces(1));
  SetStyleRange(col(COL_TRANSFER),
                CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(GX_HA_CENTER));
  EndInitialize();
  for (int i : {COL_BEND, COL_PROPERTY}) HideColsByIntend(GetColumnNoFor(i), GetColumnNoFor(i), TRUE);
}

// ---- fields -----------------------------------------------------------------------------

void CCmdPlanStoryGrid::FieldToText(int index, const T_STOR_D& rec, CString& text) {
  switch (index) {
    case COL_LEVEL1:
    case COL_LEVEL2: text = "0.0"; return;  // placeholders ComputeLevels replaces
    case COL_PROPERTY: text = "X"; return;
    default: CCmdTowerStoryGrid::FieldToText(index, rec, text);
  }
}

// The base story keeps its height, standard floor and flag.
void CCmdPlanStoryGrid::OnRowWritten(ROWCOL row, UINT key, const T_STOR_D&) {
  const BOOL editable = !(m_pTable && m_pTable->IsBaseStor(key));
  for (int i : {COL_HEIGHT, COL_PLAN, COL_TRANSFER})
    SetStyleRange(CGXRange(row, GetColumnNoFor(i)), CGXStyle().SetEnabled(editable));
}

// ---- hooks -------------------------------------------------------------------------------

int CCmdPlanStoryGrid::ValidateField(LPCTSTR text, int index) {
  if (!CCmdTowerStoryGrid::ValidateField(text, index)) return 0;
  if (index == COL_PLAN) {
    // A standard floor serves the stories of one tower: the choices offer no other.
    UINT key = m_pPlan ? m_pPlan->GetKey(text) : 0;
    if (!key) return 1;
    CUIntArray offered;
    GetPlanKeysForTower(offered);
    for (UINT k : offered)
      if (k == key) return 1;
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules", 0));
    return 0;
  }
  if (index != COL_HEIGHT && index != COL_BEND) return 1;
  CString value(text);
  value.Trim();
  if (!ConvertFormulaToValue(value)) return 0;
  if (std::atof(value.c_str()) >= 0.0) return 1;
  if (index == COL_HEIGHT) SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Height_can_t_be_negative_", 0));
  return 0;
}

// The texts were written before the last change of units: the height from the length
// unit then to the current one (the loads are taken as they are).
void CCmdPlanStoryGrid::FillRowFromStrings(ROWCOL row, CStringArray& strings) {
  T_STOR_D rec;
  rec.Initialize();
  UINT key = 0;
  for (int i = 0; i < GetColInfoCount() && i < strings.GetSize(); ++i) {
    if (i == COL_KEY) key = (UINT)std::atol(strings[i].c_str());
    else TextToField(i, strings[i], rec);
  }
  rec.key = key;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) rec.height *= doc->GetUnitCtrl()->ConvertUnitLengthPrevious(LengthKind());
  RecordToRow(row, key, rec);
}

void CCmdPlanStoryGrid::OnChangedSelectionPublic(const UINT* keys, int count) {
  CCmdTowerStoryGrid::OnChangedSelectionPublic(keys, count);
  if (count > 0 && m_pPageOwner) m_pPageOwner->OnGridSelChanged(count, keys[0]);
}
