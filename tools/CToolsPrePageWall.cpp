// The rows of a wall (member type 202) on the building-model page, with one row per
// opening; the opening rows are the member rows that carry the delete message.
#include "db/CClassAwop.h"
#include "db/CClassMemb.h"
#include "db/CClassTwop.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

namespace {

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

}  // namespace

void CToolsPrePage::FillWallAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  BeginMembFill(CMembDataCtrl::OBJ_WALL, membKey, LIST_WALL, nRefresh);
  AddIdTypeStoryRows(membKey, memb, m_matr.typeText);
  if (!AddConcreteThicknessRows(membKey, Str("IDS_CMD_ATTR_MEMB_THICK"))) return;
  AddLengthRow();
  AddConnectedPointsRow();

  // Design member types: shear, reinforcement and GJRJ as AUTO, YES, NO (AUTO for a value
  // other than 1 and 0); the base protection from the base flag (IBBOB) or the base kind
  // (0 NO, 1 to 5 IBNB to IBCB, any other IBNB).
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
  CStringArray shear, inforce, gjrj, base;
  if (m_matr.dmtp.lead) {
    FillAutoYesNoChoices(shear);
    FillAutoYesNoChoices(inforce);
    FillAutoYesNoChoices(gjrj);
    FillIbKindChoices(base);
  }
  const T_MBTP_D mbtp = ReadDesignTypes(memb.dsgnKey);
  const BOOL bAutoMode = IsAutoMembTypeMode();
  if (bAutoMode)
    for (CStringArray* l : {&shear, &inforce, &gjrj})
      if (!l->IsEmpty()) l->RemoveAt(0);
  const bool bAuto = !bAutoMode && m_matr.dmtp.lead;
  int baseSel = 0;
  if (!base.IsEmpty()) {
    const int kind = mbtp.value[4];
    baseSel = mbtp.value[3] == 1 ? 5 : kind == 0 ? 6 : kind >= 1 && kind <= 5 ? kind - 1 : 0;
  }
  m_strProtect = baseSel < base.GetSize() ? base[baseSel] : CString();
  struct DesignRow {
    const char* key;
    CStringArray* list;
    UINT first, third;
  } rows[] = {
      {"IDS_CMD_ATTR_MEMB_WALL_SHEAR", &shear, 34480, 34591},
      {"IDS_CMD_ATTR_MEMB_WALL_INFORCE", &inforce, 34480, 34592},
      {"IDS_CMD_ATTR_MEMB_WALL_GJRJ", &gjrj, 34480, 34593},
  };
  int slot = 0;
  for (DesignRow& r : rows) {
    const int sel = AttrDesignPos(*r.list, bAuto, mbtp.autoFlag[slot], mbtp.value[slot], {1, 0}, 0);
    AddChoiceRow(Str(r.key), *r.list, sel, r.first, r.third);
    ++slot;
  }
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_WALL_PROT_BASE"), base, baseSel, 34482, 34594);

  // Loads.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  MakeLoadTexts(membKey, m_matr.length, 1, loads);
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_WALL_LOAD"), loads, 0, 33851, 34587);
  AddTemperatureRow();

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_OFFSET"), m_matr.offset, 34204, 34513);

  // Openings, labelled with their number from 1: the number the delete handler reads back.
  const CString opening = Str("IDS_CMD_ATTR_MEMB_WALL_OPENING");
  m_list.AddGroupItem(opening);
  CUIntArray strip = AttrStrip({32859, WM_PROPLIST_PRE_DEL, 34508});
  if (!m_matr.openFlag) {
    m_list.AddItem(opening, PROP_COL_TEXT_CMD, Str("IDS_CMD_ATTR_NONE"), strip, BITMAP_WALL_OPENING);
  } else {
    auto* awop = TableOf<CClassAwop>(m_pDB);
    auto* twop = TableOf<CClassTwop>(m_pDB);
    T_AWOP_D openings;
    if (!awop || !awop->Get(membKey, openings)) return;
    for (INT_PTR i = 0; i < openings.twop.GetSize(); ++i) {
      T_TWOP_D type;
      if (!twop || !twop->Get(openings.twop[i], type)) return;
      CString label, value;
      label.Format("%s : %d", opening.c_str(), (int)i + 1);
      value.Format("%g * %g _ %g, %g", type.dim1, type.dim2, i < openings.pos.GetSize() ? openings.pos[i] : 0.0,
                   type.dim3);
      m_list.AddItem(label, PROP_COL_TEXT_CMD, value, strip, BITMAP_WALL_OPENING);
    }
  }

  // Design factors.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
  AddSeismicGradeRow(membKey, 1, 34406, 34595);
  const double* ws = m_matr.stiffFlag ? m_matr.wallStiff : nullptr;
  CString stiff;
  stiff.Format("%g, %g, %g", ws ? ws[0] : 1.0, ws ? ws[1] : 1.0, ws ? ws[2] : 1.0);
  CUIntArray ids = AttrMembStrip(32899, 34507);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_STIFF_FACT"), PROP_COL_TEXT_CMD2, stiff, ids, BITMAP_MEMB_ROWS);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_DEC_FACT"), AttrFmt("%g", m_matr.decFact), 34407, 34607);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_SEIS_FACT"), AttrFmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_EFFECT_FACT"),
             m_matr.effFlag ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0),
             34674, 34505);
  if (HasUserDesignCoeffs() && m_pMemb && m_pMemb->IsRC(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), AttrFmt("%g", m_matr.uncertFact), 34708, 34709);

  // Wall detail.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_WALL_DETAIL"));
  CStringArray yesNo;
  yesNo.Add(Str("IDS_CMD_ATTR_YES"));
  yesNo.Add(Str("IDS_CMD_ATTR_NO"));
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_WALL_DETAIL"), yesNo, m_matr.wallDetail ? 0 : 1, 34213, 0);
  m_list.ExpandAll(TRUE);
}
