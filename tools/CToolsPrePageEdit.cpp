// Value editing on the building-model page: the row the user committed, found by its
// label in the table of the shown-list kind, is converted into what the model stores and
// handed to the attribute control.
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"
#include "ui/CMsgDll.h"

namespace {

enum EditOp {
  OP_COORD_X,
  OP_COORD_Y,
  OP_MATERIAL,
  OP_SECTION,
  OP_THICKNESS,
  OP_BETA,
  OP_DESIGN,       // design value n of the block
  OP_PROTECT,      // design value n, a protection row
  OP_WALL_BASE,    // design value 4 and the list position as extra value; a protection row
  OP_WALL_DETAIL,  // YES / NO against the wall-detail flag
  OP_SUPPORT,      // converted, nothing stored
  OP_RELEASE,
  OP_GRADE,
  OP_SLAB_LOAD,
};

enum Guard { GUARDED, FREE, GUARDED_BUT_SBEAM };

struct EditRow {
  const char* key;
  bool prefix;  // the label carries a unit after the key's text
  Guard guard;
  EditOp op;
  int (*convert)(const CString&);
  int value;  // design value number, from 1
};

constexpr EditRow kPontRows[] = {
    {"IDS_CMD_ATTR_PONT_COORD_X", true, FREE, OP_COORD_X, nullptr, 0},
    {"IDS_CMD_ATTR_PONT_COORD_Y", true, FREE, OP_COORD_Y, nullptr, 0},
};

constexpr EditRow kColumnRows[] = {
    {"IDS_CMD_ATTR_MEMB_MATERIAL", false, GUARDED, OP_MATERIAL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_SECTION", false, GUARDED, OP_SECTION, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", true, FREE, OP_BETA, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 1},
    {"IDS_CMD_ATTR_MEMB_COL_TRANS", false, GUARDED, OP_DESIGN, &AttrTextToYesNoCode, 2},
    {"IDS_CMD_ATTR_MEMB_COL_CORNER", false, GUARDED, OP_DESIGN, &AttrTextToYesNoCode, 3},
    {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", false, GUARDED, OP_DESIGN, &AttrTextToYesNoCode, 4},
    {"IDS_CMD_ATTR_MEMB_COL_PROTECT", false, GUARDED, OP_PROTECT, &AttrTextToAutoYesNoCode, 5},
    {"IDS_CMD_PJST_SUPPORT", false, GUARDED, OP_SUPPORT, &AttrTextToSupportCode, 0},
    {"IDS_CMD_ATTR_MEMB_LVL", false, GUARDED, OP_GRADE, nullptr, 0},
};

constexpr EditRow kBeamRows[] = {
    {"IDS_CMD_ATTR_MEMB_MATERIAL", false, GUARDED, OP_MATERIAL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_SECTION", false, GUARDED, OP_SECTION, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", true, FREE, OP_BETA, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_BEAM_FRAME", false, GUARDED, OP_DESIGN, &AttrTextToGgrGnrYrCode, 1},
    {"IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 2},
    {"IDS_CMD_ATTR_MEMB_BEAM_BJPB", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 3},
    {"IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", false, GUARDED, OP_DESIGN, &AttrTextToBrJrMrCode, 4},
    {"IDS_CMD_ATTR_MEMB_BEAM_TRANS", false, GUARDED, OP_DESIGN, &AttrTextToYesNoCode, 5},
    {"IDS_CMD_ATTR_MEMB_BEAM_PROTECT", false, GUARDED, OP_PROTECT, &AttrTextToAutoYesNoCode, 6},
    {"IDS_CMD_ATTR_MEMB_RELEASE", false, GUARDED_BUT_SBEAM, OP_RELEASE, &AttrTextToEndFixityCode, 0},
    {"IDS_CMD_ATTR_MEMB_LVL", false, GUARDED, OP_GRADE, nullptr, 0},
};

constexpr EditRow kWallRows[] = {
    {"IDS_CMD_ATTR_MEMB_MATERIAL", false, GUARDED, OP_MATERIAL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_THICK", false, GUARDED, OP_THICKNESS, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_WALL_SHEAR", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 1},
    {"IDS_CMD_ATTR_MEMB_WALL_INFORCE", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 2},
    {"IDS_CMD_ATTR_MEMB_WALL_GJRJ", false, GUARDED, OP_DESIGN, &AttrTextToAutoYesNoCode, 3},
    {"IDS_CMD_ATTR_MEMB_WALL_PROT_BASE", false, GUARDED, OP_WALL_BASE, &AttrTextToIbKindCode, 4},
    {"IDS_CMD_ATTR_MEMB_WALL_DETAIL", false, GUARDED, OP_WALL_DETAIL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_LVL", false, GUARDED, OP_GRADE, nullptr, 0},
};

constexpr EditRow kSlabRows[] = {
    {"IDS_CMD_ATTR_MEMB_MATERIAL", false, GUARDED, OP_MATERIAL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_THICK", false, GUARDED, OP_THICKNESS, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_SLAB_LOAD", false, FREE, OP_SLAB_LOAD, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_SLAB_PROTECT", false, GUARDED, OP_PROTECT, &AttrTextToIbJpLpCode, 1},
};

constexpr EditRow kBraceRows[] = {
    {"IDS_CMD_ATTR_MEMB_MATERIAL", false, GUARDED, OP_MATERIAL, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_SECTION", false, GUARDED, OP_SECTION, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_BETA_ANGLE", true, FREE, OP_BETA, nullptr, 0},
    {"IDS_CMD_ATTR_MEMB_RELEASE", false, GUARDED, OP_RELEASE, &AttrTextToEndFixityCode, 0},
    {"IDS_CMD_ATTR_MEMB_LVL", false, GUARDED, OP_GRADE, nullptr, 0},
};

struct EditTable {
  int kind;
  const EditRow* rows;
  size_t count;
};

template <size_t N>
constexpr EditTable Table(int kind, const EditRow (&rows)[N]) {
  return {kind, rows, N};
}

// Kinds 2 (empty member groups) and 9 (line member) have no editable rows.
constexpr EditTable kTables[] = {
    Table(CToolsPrePage::LIST_PONT, kPontRows),   Table(CToolsPrePage::LIST_COLUMN, kColumnRows),
    Table(CToolsPrePage::LIST_BEAM, kBeamRows),   Table(CToolsPrePage::LIST_SBEAM, kBeamRows),
    Table(CToolsPrePage::LIST_WALL, kWallRows),   Table(CToolsPrePage::LIST_SLAB, kSlabRows),
    Table(CToolsPrePage::LIST_BRACE, kBraceRows),
};

bool LabelMatches(const CString& label, const EditRow& row) {
  const CString text = CMsgDll::pfuncLoadStr(row.key, 0);
  return row.prefix ? label.str().starts_with(text.str()) : label == text;
}

const EditRow* FindEditRow(int kind, const CString& label) {
  for (const EditTable& t : kTables) {
    if (t.kind != kind) continue;
    for (size_t i = 0; i < t.count; ++i)
      if (LabelMatches(label, t.rows[i])) return &t.rows[i];
  }
  return nullptr;
}

// The chosen text of the seismic-grade row as its code; -1 for a text that names no grade
// (the empty selection among them), 0 only for the "none" entry.
int GradeCode(const CString& text) {
  const int code = AttrTextToSeismicGradeCode(text);
  if (code != 0) return code;
  return text == CMsgDll::pfuncLoadStr("IDS_CMD_MEMB_None", 0) ? 0 : -1;
}

}  // namespace

CCmbBtnProp* CToolsPrePage::CurrentRow() const {
  CBCGPProp* cur = m_list.GetCurSel();
  return cur && !cur->IsGroup() ? static_cast<CCmbBtnProp*>(cur) : nullptr;
}

int CToolsPrePage::ApplyMaterialRow() {
  const CCmbBtnProp* row = CurrentRow();
  const UINT key = row ? row->GetCmbItemData() : 0;
  return key != 0 && m_ctrl.ModifyMembMaterial(key) ? 1 : 0;
}

int CToolsPrePage::ApplySectionRow() {
  const CCmbBtnProp* row = CurrentRow();
  const UINT key = row ? row->GetCmbItemData() : 0;
  return key != 0 && m_ctrl.ModifyMembSection(key) ? 1 : 0;
}

int CToolsPrePage::ApplyThicknessRow() {
  const CCmbBtnProp* row = CurrentRow();
  const UINT key = row ? row->GetCmbItemData() : 0;
  return key != 0 && m_ctrl.ModifyMembThickness(key) ? 1 : 0;
}

int CToolsPrePage::ApplyBetaAngleRow() {
  const CCmbBtnProp* row = CurrentRow();
  BOOL ok = FALSE;
  const double beta = row ? row->GetValue().ToDouble(&ok) : 0.0;
  if (!ok || !m_ctrl.ModifyMembBetaAngle(beta)) return 0;
  return m_ctrl.UpdatePostBetaAngle() ? 1 : 0;
}

LRESULT CToolsPrePage::OnPropChangeValue(WPARAM wParam, LPARAM) {
  const CWriting writing(*this);
  CCmbBtnProp* row = CurrentRow();
  if (!row) return 0;
  const EditRow* e = FindEditRow(m_nShownKind, row->GetName());
  if (!e) return 0;
  const bool guarded = e->guard == GUARDED || (e->guard == GUARDED_BUT_SBEAM && m_nShownKind != LIST_SBEAM);
  if (guarded && wParam == 1) return 0;

  // A successful write refills the list inside the attribute control's call: the row is
  // not touched after one.
  const CString text = row->FormatProperty();
  const int code = e->convert ? e->convert(text) : 0;
  switch (e->op) {
    case OP_COORD_X:
    case OP_COORD_Y: {
      BOOL ok = FALSE;
      const double v = row->GetValue().ToDouble(&ok);
      if (ok) e->op == OP_COORD_X ? m_ctrl.ModifyPontCoordX(v) : m_ctrl.ModifyPontCoordY(v);
      break;
    }
    case OP_MATERIAL: ApplyMaterialRow(); break;
    case OP_SECTION: ApplySectionRow(); break;
    case OP_THICKNESS: ApplyThicknessRow(); break;
    case OP_BETA: ApplyBetaAngleRow(); break;
    case OP_DESIGN:
    case OP_PROTECT:
    case OP_WALL_BASE: {
      if (code == -1) break;
      int extra = -1;
      if (e->op == OP_WALL_BASE && (extra = AttrTextToIbKindCode2(text)) == -1) break;
      // The block goes whole from a copy: a refused write leaves the page's record as stored.
      T_DMTP_D block = m_matr.dmtp;
      block.value[e->value - 1] = code;
      const BOOL ok = m_ctrl.ModifyMembDType(block, extra);
      if (e->op == OP_DESIGN) break;
      if (ok)
        m_strProtect = text;
      else
        row->SetValue(CPropVariant(m_strProtect));
      break;
    }
    case OP_WALL_DETAIL:
      if (text == Str("IDS_CMD_ATTR_YES") && m_matr.wallDetail == 0)
        m_ctrl.ModifyMembWDtail(1);
      else if (text == Str("IDS_CMD_ATTR_NO") && m_matr.wallDetail != 0)
        m_ctrl.ModifyMembWDtail(0);
      break;
    case OP_SUPPORT: {
      // Nothing stores a column's support from here: the row shows the stored choice again.
      CStringArray supports;
      FillSupportChoices(supports);
      const int stored = AttrLeadingNumber(m_matr.support);
      row->SetValue(CPropVariant(stored < supports.GetSize() ? supports[stored] : CString()));
      break;
    }
    case OP_RELEASE: {
      if (code == -1) break;
      const CString before = m_matr.release;
      m_matr.release.Format("%d", code);
      if (!m_ctrl.ModifyMembRelease(code)) m_matr.release = before;
      break;
    }
    case OP_GRADE: {
      const int grade = GradeCode(text);
      if (grade != -1) m_ctrl.ModifyMembLVL(grade);
      break;
    }
    case OP_SLAB_LOAD:
      if (!text.IsEmpty()) m_ctrl.ModifySlabLoad(text);
      break;
  }
  return 0;
}
