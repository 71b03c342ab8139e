// CCmdStorGrid: columns, fields, the write hooks and validation. Showing, levels, choices
// and the replay are in CCmdStorGridReplay.cpp; moves, clicks and colours in
// CCmdStorGridMouse.cpp.
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

CCmdStorGrid::CCmdStorGrid(ICmdStorGridOwner* pOwner) : CCmdRecordGrid<CClassStor>(pOwner), m_pPageOwner(pOwner) {
  m_pPlan = FetchTable<CClassPlan>();
  SetColumns(kColumns, COL_COUNT);
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

// ---- fields -----------------------------------------------------------------------------

// The Plan column shows the standard floor by name; the other columns are their rows'.
void CCmdStorGrid::FieldToText(int index, const T_STOR_D& rec, CString& text) {
  if (index != COL_PLAN) return CCmdRecordGrid::FieldToText(index, rec, text);
  T_PLAN_D plan;
  text = m_pPlan && rec.planKey && m_pPlan->Get(rec.planKey, plan) ? plan.name : CString();
}

// Every row is a story of the shown tower.
void CCmdStorGrid::TextToField(int index, const CString& text, T_STOR_D& rec) {
  rec.mdulKey = m_nTower;
  if (index == COL_PLAN) rec.planKey = m_pPlan ? m_pPlan->GetKey(text) : 0;
  else CCmdRecordGrid::TextToField(index, text, rec);
}

UINT CCmdStorGrid::GetKeyByName(const CString& name) { return m_pTable ? m_pTable->GetKey(name, m_nTower) : 0; }

void CCmdStorGrid::OnRowWritten(ROWCOL row, UINT key, const T_STOR_D&) {
  const BOOL editable = !(m_pTable && m_pTable->IsBaseStor(key));
  for (int i : {COL_HEIGHT, COL_PLAN, COL_TRANSFER})
    SetStyleRange(CGXRange(row, GetColumnNoFor(i)), CGXStyle().SetEnabled(editable));
}

// ---- hooks -------------------------------------------------------------------------------

namespace {
// The stored story's fields that the grid does not show stay as they are (TR_Modify1
// keeps the materials itself).
T_STOR_D KeepUnshown(const CClassStor* table, const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D r = rec, stored;
  if (table && table->Get(table->GetKey(oldName, rec.mdulKey), stored)) {
    r.reserved = stored.reserved;
    r.masterStory = stored.masterStory;
    r.bendFactor = stored.bendFactor;
  }
  return r;
}
}  // namespace

// The stored story's unshown fields, and its reals where the row still shows their texts.
T_STOR_D CCmdStorGrid::KeepUnchangedReals(const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D r = KeepUnshown(m_pTable, oldName, rec), stored;
  if (!m_pTable || !m_pTable->Get(m_pTable->GetKey(oldName, rec.mdulKey), stored)) return r;
  return KeepShownReals(stored, r);
}

BOOL CCmdStorGrid::TableModify(const CString& oldName, const T_STOR_D& rec) {
  return m_pTable && m_pTable->TR_Modify1(oldName, KeepUnchangedReals(oldName, rec));
}

BOOL CCmdStorGrid::TableModify(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) {
  if (!m_pTable || oldNames.GetSize() != recs.GetSize()) return FALSE;
  CArray<T_STOR_D> kept;
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) kept.Add(KeepUnchangedReals(oldNames[i], recs[i]));
  return m_pTable->TR_Modify1(oldNames, kept);
}

int CCmdStorGrid::ModifyRecord(ROWCOL row) {
  if (!CanSaveData() || !m_pTable) return 0;
  CString oldName = GetValueRowColBeforeEdit(row, GetColumnNoFor(COL_NAME));
  UINT key = 0;
  T_STOR_D rec;
  if (!RowToRecord(row, key, rec)) return 0;
  CString planText = GetValueRowCol(row, GetColumnNoFor(COL_PLAN));
  const BOOL newPlan = rec.planKey == 0 && !planText.IsEmpty() && m_pPlan && m_pPlan->GetKey(planText) == 0;
  if (!newPlan) return TableModify(oldName, rec);
  // The new standard floor and the story's modification are one transaction.
  DB_CScopedChange change(m_pTable->GetDB());
  if (!change.IsOpen()) return 0;
  T_PLAN_D plan;
  plan.Initialize();
  plan.name = planText;
  BOOL ok = m_pPlan->TR_Add(plan);
  if (ok) {
    rec.planKey = m_pPlan->GetKey(planText);
    ok = TableModify(oldName, rec);
  }
  return ok && change.Commit();
}

// The columns' checks, and a height is no negative value (a formula's value is checked, not
// the text typed).
int CCmdStorGrid::ValidateField(LPCTSTR text, int index) {
  if (!CCmdRecordGrid::ValidateField(text, index)) return 0;
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

int CCmdStorGrid::GetRecordCount() {
  if (!m_pTable) return 0;
  CUIntArray keys;
  m_pTable->GetKeyListReverse(keys, m_nTower);
  return (int)keys.GetSize();
}

void CCmdStorGrid::FillAllRows(int, CUIntArray&) {
  if (!m_pTable) return;
  CUIntArray keys;
  m_pTable->GetKeyListReverse(keys, m_nTower);
  T_STOR_D rec;
  ROWCOL row = 1;
  for (UINT k : keys)
    if (m_pTable->Get(k, rec)) RecordToRow(row++, k, rec);
  if (CUnitCtrl* u = Units()) m_nShownLength = u->GetLengthUnit();
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

void CCmdStorGrid::UnitChanged() {
  CCmdDrawLock lock(*this);
  CStringArray titles;
  SetHeaderTitles(titles, 0);
  MakeItemEx(nullptr, -2, 1);
}
