// CCmdStorGrid: columns, fields, the write hooks and validation. The levels and the replay's
// particulars are in CCmdStorGridReplay.cpp; clicks and colours in CCmdStorGridMouse.cpp.
#include "levels/CCmdStorGrid.h"

#include <cstdlib>
#include "afx/AfxNumber.h"
#include "levels/CCmdLevelGridSetup.h"

namespace {
const CCmdGridColumn kColumns[CCmdStorGrid::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required, default
    {"IDS_WG_CMD_IP_STORY_Grid_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD__ADDD__Name", "name", TB_COL_TEXT, nullptr, 50, false, true, ""},
    {"IDS_WG_CMD__ADDD__Height", "height", TB_COL_REAL, "%.15g", 40, true, true, "0"},
    {"IDS_CMD_LEVEL", nullptr, TB_COL_REAL, nullptr, 45, false, false, "0"},  // ComputeLevels
    {"IDS_WG_CMD__ADDD__Plan", "planKey", TB_COL_TEXT, nullptr, 58, true, true, ""},  // by name
    {"IDS_WG_CMD_IP_STORY_Grid_DL", "deadLoad", TB_COL_REAL, "%g", 71, true, false, "0"},
    {"IDS_WG_CMD_IP_STORY_Grid_LL", "liveLoad", TB_COL_REAL, "%g", 71, true, false, "0"},
    {"IDS_CMD_TRASFER_STORY", "transfer", TB_COL_INT, CMD_COL_FLAG, 45, true, false, ""},
};
}  // namespace

CCmdStorGrid::CCmdStorGrid(ICmdStorGridOwner* pOwner)
    : CCmdTowerStoryGrid(pOwner, COL_PLAN, 0, FALSE), m_pPageOwner(pOwner) {
  SetColumns(kColumns, COL_COUNT);
  SetPlanOneOffered(FALSE);
}

CUnitCtrl* CCmdStorGrid::Units() const { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr; }

void CCmdStorGrid::Initialize() {
  CCmdDrawLock lock(*this);
  CmdSetupLevelGrid(*this, GetColumnWidths());
  DisableFixedColumns();
  auto col = [this](int index) { return CGXRange().SetCols(GetColumnNoFor(index)); };
  for (int i : {COL_HEIGHT, COL_LEVEL, COL_DL, COL_LL}) SetStyleRange(col(i), CGXStyle().SetHorizontalAlignment(GX_HA_RIGHT));
  SetStyleRange(col(COL_PLAN), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
  // The check box is centred both ways (the stand-in's style keeps the horizontal part).
  SetStyleRange(col(COL_TRANSFER), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(GX_HA_CENTER));
}

void CCmdStorGrid::OnRowWritten(ROWCOL row, UINT key, const T_STOR_D&) {
  const BOOL editable = !(m_pTable && m_pTable->IsBaseStor(key));
  for (int i : {COL_HEIGHT, COL_PLAN, COL_TRANSFER})
    SetStyleRange(CGXRange(row, GetColumnNoFor(i)), CGXStyle().SetEnabled(editable));
}

// ---- hooks -------------------------------------------------------------------------------

T_STOR_D CCmdStorGrid::RecordToWrite(const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D r = CCmdTowerStoryGrid::RecordToWrite(oldName, rec), stored;
  if (GetStored(oldName, stored)) r.bendFactor = stored.bendFactor;
  return r;
}

// The columns' checks, and a height is no negative value (a formula's value is checked, not
// the text typed).
int CCmdStorGrid::ValidateField(LPCTSTR text, int index) {
  if (!CCmdTowerStoryGrid::ValidateField(text, index)) return 0;
  if (index != COL_HEIGHT) return 1;
  CString value(text);
  value.Trim();
  if (!ConvertFormulaToValue(value)) return 0;
  if (std::atof(value.c_str()) < 0.0) {
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Height_can_t_be_negative_", 0));
    return 0;
  }
  return 1;
}

void CCmdStorGrid::KeepShownLength() {
  if (CUnitCtrl* u = Units()) m_nShownLength = u->GetLengthUnit();
}

void CCmdStorGrid::FillRowsForKeys(int n, const UINT* keys, CUIntArray& colNos) {
  CCmdTowerStoryGrid::FillRowsForKeys(n, keys, colNos);
  KeepShownLength();
}

void CCmdStorGrid::FillAllRows(int n, CUIntArray& colNos) {
  CCmdTowerStoryGrid::FillAllRows(n, colNos);
  KeepShownLength();
}

void CCmdStorGrid::FillRowFromStrings(ROWCOL row, CStringArray& strings) {
  T_STOR_D rec;
  rec.Initialize();
  UINT key = 0;
  for (int i = 0; i < GetColInfoCount() && i < strings.GetSize(); ++i) {
    if (i == COL_KEY) key = (UINT)std::atol(strings[i].c_str());
    else TextToField(i, strings[i], rec);
  }
  rec.key = key;
  // The height text was written in the length unit shown before: from it to the current.
  CUnitCtrl* u = Units();
  if (u && m_nShownLength >= 0 && m_nShownLength != u->GetLengthUnit()) {
    CUnitCtrl previous = *u;
    previous.SetUnitSystem(u->GetForceUnit(), m_nShownLength);
    const int kind = GetColUnitKind(COL_HEIGHT);
    rec.height *= u->GetFactor(kind) / previous.GetFactor(kind);
  }
  RecordToRow(row, key, rec);
}
