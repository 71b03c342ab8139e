// CCmdPlanStoryGridMatl: columns, material texts and choices, the cells kept in step, and
// the rows written over the stored story.
#include "levels/CCmdPlanStoryGridMatl.h"

#include <cstdlib>

namespace {
using G = CCmdPlanStoryGridMatl;
// "None" defaults are written by FillMaterialChoices and FillAllMaterialChoices.
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required (edit mode 1), default
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD__ADDD__Name", "name", TB_COL_TEXT, nullptr, 75, false, true, ""},
    {"IDS_WG_CMD__ADDD__Plan", "planKey", TB_COL_TEXT, nullptr, 80, false, true, ""},  // by name
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_ALL", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Column", "colmMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Beam", "beamMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Wall", "wallMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Lintel", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_T_Gir", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_S_Beam", "subBeamMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Brace", "braceMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Inclined_Column", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_R_Wall", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Slab", "slabMatlKey", TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_C_Slab", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Opening", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Found", nullptr, TB_COL_TEXT, nullptr, 80, true, true, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Master_Story", "masterStory", TB_COL_INT, CMD_COL_FLAG, 80, true, false, ""},
    {"IDS_WG_CMD_IP_STORY_Grid_MATL_Bending_Scale_Factor", "bendFactor", TB_COL_REAL, "%.15g", 80, false, false, ""},
};
const int kHidden[] = {G::COL_KEY,    G::COL_LINTEL,  G::COL_T_GIR,   G::COL_INCLINED, G::COL_R_WALL,
                       G::COL_C_SLAB, G::COL_OPENING, G::COL_FOUND, G::COL_MASTER,   G::COL_BEND};
const char* const kVariable = "Variable";
const char* const kNone = "None";

// The member-type material key of a story a column shows; NULL for a column without a field.
UINT T_STOR_D::*MemberField(int index) {
  switch (index) {
    case G::COL_COLUMN: return &T_STOR_D::colmMatlKey;
    case G::COL_BEAM: return &T_STOR_D::beamMatlKey;
    case G::COL_WALL: return &T_STOR_D::wallMatlKey;
    case G::COL_S_BEAM: return &T_STOR_D::subBeamMatlKey;
    case G::COL_BRACE: return &T_STOR_D::braceMatlKey;
    case G::COL_SLAB: return &T_STOR_D::slabMatlKey;
    default: return nullptr;
  }
}
// The material key a cell of the "all" or a member-type column shows (0: none).
UINT MaterialKeyOf(const T_STOR_D& rec, int index) {
  if (index == G::COL_ALL) return rec.allMatlKey;
  UINT T_STOR_D::*f = MemberField(index);
  return f ? rec.*f : 0;
}

// One material for all members: every member type takes it.
void SpreadAllMaterial(T_STOR_D& rec) {
  if (rec.singleMatl != 1) return;
  for (int i = G::COL_FIRST_MEMBER; i <= G::COL_LAST_MEMBER; ++i)
    if (UINT T_STOR_D::*f = MemberField(i)) rec.*f = rec.allMatlKey;
}
}  // namespace

CCmdPlanStoryGridMatl::CCmdPlanStoryGridMatl(void* pOwner) : CCmdTowerStoryGrid(pOwner, COL_PLAN, 0, TRUE) {
  m_pMatl = FetchTable<CClassMatl>();
  SetColumns(kColumns, COL_COUNT);
}

void CCmdPlanStoryGridMatl::Initialize() {
  CCmdDrawLock lock(*this);
  BeginInitialize();
  auto col = [this](int index) { return CGXRange().SetCols(GetColumnNoFor(index)); };
  SetStyleRange(col(COL_PLAN), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
  SetStyleRange(col(COL_MASTER), CGXStyle().SetControl(GX_IDS_CTRL_CHECKBOX).SetHorizontalAlignment(GX_HA_CENTER));
  SetStyleRange(col(COL_BEND), CGXStyle().SetFormat(GX_FMT_FIXED).SetPlaces(1));
  EndInitialize();
  for (int i : kHidden) HideColsByIntend(GetColumnNoFor(i), GetColumnNoFor(i), TRUE);
}

// ---- fields -----------------------------------------------------------------------------

UINT CCmdPlanStoryGridMatl::ParseMaterialKey(const CString& text) {
  if (text == kVariable || text == kNone) return 0;
  const int colon = text.Find(':');
  return colon < 0 ? 0 : (UINT)std::atol(text.Left(colon).c_str());
}

void CCmdPlanStoryGridMatl::FieldToText(int index, const T_STOR_D& rec, CString& text) {
  if (index < COL_ALL || index > COL_LAST_MEMBER) return CCmdTowerStoryGrid::FieldToText(index, rec, text);
  const UINT key = MaterialKeyOf(rec, index);
  T_MATL_D matl;
  if (key && m_pMatl && m_pMatl->Get(key, matl)) text.Format("%d:%s", (int)key, matl.name.c_str());
  else text = index == COL_ALL && rec.singleMatl == 0 ? kVariable : kNone;
}

void CCmdPlanStoryGridMatl::TextToField(int index, const CString& text, T_STOR_D& rec) {
  if (index < COL_ALL || index > COL_LAST_MEMBER) return CCmdTowerStoryGrid::TextToField(index, text, rec);
  rec.mdulKey = m_nTower;
  if (index == COL_ALL) {
    rec.singleMatl = text == kVariable ? 0 : 1;
    rec.allMatlKey = ParseMaterialKey(text);
  } else if (UINT T_STOR_D::*f = MemberField(index)) {
    rec.*f = ParseMaterialKey(text);
  }
}

// ---- choices ------------------------------------------------------------------------------

void CCmdPlanStoryGridMatl::FillChoices() {
  CCmdTowerStoryGrid::FillChoices();
  FillMaterialChoices(GetColumnNoFor(COL_FIRST_MEMBER), GetColumnNoFor(COL_LAST_MEMBER));
  FillAllMaterialChoices(GetColumnNoFor(COL_ALL));
}

CString CCmdPlanStoryGridMatl::MaterialChoices() {
  CString list = CString(kNone) + "\n";
  m_concrete.clear();
  CUIntArray keys;
  if (m_pMatl) m_pMatl->GetKeyListByType(keys, "C");
  T_MATL_D matl;
  for (UINT k : keys) {
    if (!m_pMatl->Get(k, matl)) continue;
    CString item;
    item.Format("%d:%s\n", (int)k, matl.name.c_str());
    list += item;
    m_concrete.insert(k);
  }
  return list;
}

void CCmdPlanStoryGridMatl::FillMaterialChoices(ROWCOL firstCol, ROWCOL lastCol) {
  const CString list = MaterialChoices();
  for (ROWCOL c = firstCol; c && c <= lastCol; ++c) {
    SetStyleRange(CGXRange().SetCols(c),
                  CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(list).SetValue(""));
    const int index = GetIndexForColumn(c);
    if (index >= 1) GetDefaultValues()[index - 1] = kNone;
  }
}

void CCmdPlanStoryGridMatl::FillAllMaterialChoices(ROWCOL allCol) {
  if (!allCol) return;
  const CString list = CString(kVariable) + "\n" + MaterialChoices();
  SetStyleRange(CGXRange().SetCols(allCol),
                CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(list).SetValue(""));
  GetDefaultValues()[COL_ALL - 1] = kNone;
}

// A material cell takes what it offers: "None", a concrete material of the model ("KEY:" and
// any name: a renamed material keeps its key), and "Variable" in the "all" cell.
int CCmdPlanStoryGridMatl::ValidateField(LPCTSTR text, int index) {
  if (index >= GetColInfoCount()) {
    SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD___CCmdPlanStoryGridMatl__ValidateField__Erro", 0));
    return 0;
  }
  if (index == COL_BEND) {
    if (!CCmdTowerStoryGrid::ValidateField(text, index)) return 0;
    CString value(text);
    value.Trim();
    return ConvertFormulaToValue(value) && std::atof(value.c_str()) >= 0.0;
  }
  if (index < COL_ALL || index > COL_LAST_MEMBER) return 1;
  const CString t(text);
  if (t == kNone || (index == COL_ALL && t == kVariable)) return 1;
  const UINT key = ParseMaterialKey(t);
  if (t.Find(':') > 0 && key && m_concrete.count(key)) return 1;
  SetWarningText(CMsgDll::pfuncLoadStr("IDS_WG_CMD_MC_ERROR_Invalid_Input", 0));
  return 0;
}

// ---- cells kept in step ---------------------------------------------------------------------

void CCmdPlanStoryGridMatl::EnableCell(ROWCOL row, ROWCOL col, BOOL bEnabled) {
  if (row && col) SetStyleRange(CGXRange(row, col), CGXStyle().SetEnabled(bEnabled));
}

void CCmdPlanStoryGridMatl::OnRowWritten(ROWCOL row, UINT, const T_STOR_D& rec) {
  EnableCell(row, GetColumnNoFor(COL_BEND), rec.masterStory != 0);
  SyncMaterialCells(row, GetColumnNoFor(COL_ALL));
}

void CCmdPlanStoryGridMatl::SyncMaterialCells(ROWCOL row, ROWCOL col) {
  const int index = GetIndexForColumn(col);
  if (index == COL_MASTER) {
    // The box as it stands now: a master story's factor is its standard floor's.
    const BOOL master = std::atol(GetValueRowCol(row, col).c_str()) != 0;
    const ROWCOL bendCol = GetColumnNoFor(COL_BEND);
    EnableCell(row, bendCol, master);
    const double factor = master && m_pPlan ? GetMasterBendFactor(m_pPlan->GetKey(GetValueRowCol(row, GetColumnNoFor(COL_PLAN)))) : 0.0;
    CString text;
    text.Format("%.13g", factor);
    SetValueRange(CGXRange(row, bendCol), (LPCTSTR)text);
    SetNumericRowCol(row, bendCol, TRUE);
    return;
  }
  if (index != COL_ALL) return;
  const BOOL variable = GetValueRowCol(row, col) == kVariable;
  if (!variable) {
    T_STOR_D rec;
    rec.Initialize();
    rec.singleMatl = 1;
    rec.allMatlKey = ParseMaterialKey(GetValueRowCol(row, col));
    SpreadAllMaterial(rec);
    for (int i = COL_FIRST_MEMBER; i <= COL_LAST_MEMBER; ++i) {
      CString text;
      FieldToText(i, rec, text);
      SetValueRange(CGXRange(row, GetColumnNoFor(i)), (LPCTSTR)text);
    }
  }
  for (int i = COL_FIRST_MEMBER; i <= COL_LAST_MEMBER; ++i) EnableCell(row, GetColumnNoFor(i), variable);
}

double CCmdPlanStoryGridMatl::GetMasterBendFactor(UINT planKey) {
  CUIntArray keys;
  if (m_pTable) m_pTable->GetKeyList(keys, m_nTower, planKey);
  T_STOR_D rec;
  for (UINT k : keys)
    if (m_pTable->Get(k, rec) && rec.masterStory) return rec.bendFactor;
  return 6.0;
}

// The member-type cells follow the "all" cell before the row is written.
BOOL CCmdPlanStoryGridMatl::OnEndEditing(ROWCOL row, ROWCOL col) {
  SyncMaterialCells(row, col);
  return CCmdTowerStoryGrid::OnEndEditing(row, col);
}

// ---- writes -------------------------------------------------------------------------------

int CCmdPlanStoryGridMatl::AddRecords(CPtrArray&, CPtrArray&) { return 0; }
int CCmdPlanStoryGridMatl::AddRecord(ROWCOL) { return 0; }
int CCmdPlanStoryGridMatl::DeleteRecords(CUIntArray&) { return 0; }
int CCmdPlanStoryGridMatl::DeleteRecord(ROWCOL) { return 0; }

T_STOR_D CCmdPlanStoryGridMatl::RecordToWrite(const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D r;
  if (!GetStored(oldName, r)) {
    r = rec;
  } else {
    const T_STOR_D shown = KeepShownReals(r, rec);
    r.singleMatl = shown.singleMatl;
    r.allMatlKey = shown.allMatlKey;
    for (int i = COL_FIRST_MEMBER; i <= COL_LAST_MEMBER; ++i)
      if (UINT T_STOR_D::*f = MemberField(i)) r.*f = shown.*f;
    r.masterStory = shown.masterStory;
    r.bendFactor = shown.bendFactor;
  }
  SpreadAllMaterial(r);
  return r;
}

// ---- the replay -----------------------------------------------------------------------------

void CCmdPlanStoryGridMatl::ReplayOther(int code, UINT key) {
  if (code >= CClassMatl::UR_MATL_ADD && code <= CClassMatl::UR_MATL_MFS) m_bMatlChanged = TRUE;
  else CCmdTowerStoryGrid::ReplayOther(code, key);
}

void CCmdPlanStoryGridMatl::ApplyReplay() {
  if (m_bMatlChanged) {
    m_bMatlChanged = FALSE;
    FillMaterialChoices(GetColumnNoFor(COL_FIRST_MEMBER), GetColumnNoFor(COL_LAST_MEMBER));
    FillAllMaterialChoices(GetColumnNoFor(COL_ALL));
  }
  CCmdTowerStoryGrid::ApplyReplay();
}
