// CCmdStorGrid: columns, fields, the write hooks and validation. Showing, levels, choices
// and the replay are in CCmdStorGridReplay.cpp; moves, clicks and colours in
// CCmdStorGridMouse.cpp.
#include "levels/CCmdStorGrid.h"

#include <cstdlib>
#include "afx/AfxNumber.h"
#include "levels/CCmdLevelGridSetup.h"

namespace {
struct ColDef {
  const char* key;
  int kind;
  int unitIndex;  // entry of T_STOR_D::unit, -1 none
  int width;
};
const ColDef kCols[CCmdStorGrid::COL_COUNT] = {
    {"IDS_WG_CMD_IP_STORY_Grid_ID", TB_COL_INT, -1, 0},    {"IDS_WG_CMD__ADDD__Name", TB_COL_TEXT, -1, 50},
    {"IDS_WG_CMD__ADDD__Height", TB_COL_REAL, 0, 40},      {"IDS_CMD_LEVEL", TB_COL_REAL, 0, 45},
    {"IDS_WG_CMD__ADDD__Plan", TB_COL_TEXT, -1, 58},       {"IDS_WG_CMD_IP_STORY_Grid_DL", TB_COL_REAL, 1, 71},
    {"IDS_WG_CMD_IP_STORY_Grid_LL", TB_COL_REAL, 2, 71},   {"IDS_CMD_TRASFER_STORY", TB_COL_INT, -1, 45},
};
}  // namespace

CCmdStorGrid::CCmdStorGrid(ICmdStorGridOwner* pOwner) : CCmdRecordGrid<CClassStor>(pOwner), m_pPageOwner(pOwner) {
  m_pPlan = FetchTable<CClassPlan>();
  for (const ColDef& c : kCols) AddColInfo(CMsgDll::pfuncLoadStr(c.key, 0), c.kind, c.unitIndex >= 0 ? T_STOR_D::unit[c.unitIndex] : 0);
  GetKeyColumnList().Add(0);
  AddRequiredColumn(COL_NAME);
  AddRequiredColumn(COL_HEIGHT);
  AddRequiredColumn(COL_PLAN);
}

CUnitCtrl* CCmdStorGrid::Units() const { return CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr; }

void CCmdStorGrid::Initialize() {
  CCmdDrawLock lock(*this);
  CmdSetupLevelGrid(*this, {kCols[0].width, kCols[1].width, kCols[2].width, kCols[3].width, kCols[4].width,
                            kCols[5].width, kCols[6].width, kCols[7].width});
  auto col = [this](int index) { return CGXRange().SetCols(GetColumnNoFor(index)); };
  SetStyleRange(col(COL_NAME), CGXStyle().SetEnabled(FALSE));
  SetStyleRange(col(COL_LEVEL), CGXStyle().SetEnabled(FALSE));
  for (int i : {COL_HEIGHT, COL_LEVEL, COL_DL, COL_LL}) SetStyleRange(col(i), CGXStyle().SetHorizontalAlignment(GX_HA_RIGHT));
  SetStyleRange(col(COL_PLAN), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
  // The check box is centred both ways (the stand-in's style keeps the horizontal part).
  SetStyleRange(col(COL_TRANSFER), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(GX_HA_CENTER));
}

// ---- fields -----------------------------------------------------------------------------

void CCmdStorGrid::FieldToText(int index, const T_STOR_D& rec, CString& text) {
  CUnitCtrl* u = Units();
  auto out = [u](int unitIndex, double v) { return u ? u->ConvertOut(T_STOR_D::unit[unitIndex], v) : v; };
  switch (index) {
    case COL_NAME: text = rec.name; break;
    case COL_HEIGHT: text.Format("%.15g", out(0, rec.height)); break;
    case COL_LEVEL: text = "0.0"; break;
    case COL_PLAN: {
      T_PLAN_D plan;
      text = m_pPlan && rec.planKey && m_pPlan->Get(rec.planKey, plan) ? plan.name : CString();
      break;
    }
    case COL_DL: text.Format("%g", out(1, rec.deadLoad)); break;
    case COL_LL: text.Format("%g", out(2, rec.liveLoad)); break;
    case COL_TRANSFER: text = rec.transfer ? "1" : "0"; break;
    default: CCmdRecordGrid::FieldToText(index, rec, text); break;
  }
}

void CCmdStorGrid::TextToField(int index, const CString& text, T_STOR_D& rec) {
  rec.mdulKey = m_nTower;
  CUnitCtrl* u = Units();
  auto in = [u, &text](int unitIndex) {
    double v = AfxStrToDouble(text.c_str(), nullptr);
    return u ? u->ConvertIn(T_STOR_D::unit[unitIndex], v) : v;
  };
  switch (index) {
    case COL_NAME: rec.name = text; break;
    case COL_HEIGHT: rec.height = in(0); break;
    case COL_PLAN: rec.planKey = m_pPlan ? m_pPlan->GetKey(text) : 0; break;
    case COL_DL: rec.deadLoad = in(1); break;
    case COL_LL: rec.liveLoad = in(2); break;
    case COL_TRANSFER: rec.transfer = text == "1" ? 1 : 0; break;
    default: break;
  }
}

// Entry n is the default of column index n + 1; the Plan entry follows FillPlanChoices.
CStringArray& CCmdStorGrid::GetDefaultValues() {
  static CStringArray defaults = [] {
    CStringArray d;
    for (const char* t : {"", "0", "0", "", "0", "0", ""}) d.Add(t);
    return d;
  }();
  return defaults;
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

// A real whose row text still reads as the stored value's text keeps the stored value:
// the texts ("%.15g", "%g" in the current units) do not carry every digit.
T_STOR_D CCmdStorGrid::KeepUnchangedReals(const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D r = KeepUnshown(m_pTable, oldName, rec), stored;
  if (!m_pTable || !m_pTable->Get(m_pTable->GetKey(oldName, rec.mdulKey), stored)) return r;
  static const struct { int index; double T_STOR_D::*field; } kReals[] = {
      {COL_HEIGHT, &T_STOR_D::height}, {COL_DL, &T_STOR_D::deadLoad}, {COL_LL, &T_STOR_D::liveLoad}};
  for (const auto& f : kReals) {
    CString text;
    FieldToText(f.index, stored, text);
    T_STOR_D shown = r;
    TextToField(f.index, text, shown);
    if (shown.*f.field == r.*f.field) r.*f.field = stored.*f.field;
  }
  return r;
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

int CCmdStorGrid::ValidateField(LPCTSTR text, int index) {
  if (index >= GetColInfoCount()) return CCmdRecordGrid::ValidateField(text, index);
  if (index != COL_HEIGHT && index != COL_DL && index != COL_LL) return 1;
  if (!ValidateRealText(text, index)) return 0;
  if (index == COL_HEIGHT) {
    // The value a formula gives is checked, not the text typed.
    CString value(text);
    value.Trim();
    if (!ConvertFormulaToValue(value)) return 0;
    if (std::atof(value.c_str()) < 0.0) {
      SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Height_can_t_be_negative_", 0));
      return 0;
    }
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
    rec.height *= u->GetFactor(T_STOR_D::unit[0]) / previous.GetFactor(T_STOR_D::unit[0]);
  }
  RecordToRow(row, key, rec);
}

void CCmdStorGrid::UnitChanged() {
  CCmdDrawLock lock(*this);
  CStringArray titles;
  SetHeaderTitles(titles, 0);
  MakeItemEx(nullptr, -2, 1);
}
