// The rows of a column (member type 101) on the building-model page.
#include "db/CClassMemb.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

void CToolsPrePage::FillColumnAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  BeginMembFill(CMembDataCtrl::OBJ_COLUMN, membKey, LIST_COLUMN, nRefresh);
  AddIdTypeStoryRows(membKey, memb, m_matr.typeText);
  if (!AddMaterialSectionRows(membKey)) return;
  AddLengthRow();
  AddBetaAngleRow();
  AddConnectedPointsRow();

  // Design member types.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
  CStringArray low, trans, corner, voluntary, protect;
  if (m_matr.dmtp.lead) {
    FillAutoYesNoChoices(low);
    FillYesNoChoices(trans);
    FillYesNoChoices(corner);
    FillYesNoChoices(voluntary);
    FillAutoYesNoChoices(protect);
  }
  const T_MBTP_D mbtp = ReadDesignTypes(memb.dsgnKey);
  const BOOL bAutoMode = IsAutoMembTypeMode();
  if (bAutoMode) {
    if (!low.IsEmpty()) low.RemoveAt(0);
    if (!protect.IsEmpty()) protect.RemoveAt(0);
  }
  // Normal mode offers AUTO first, selected while the automatic flag is set; YES for 1,
  // NO for anything else.
  const bool bAuto = !bAutoMode && m_matr.dmtp.lead;
  struct DesignRow {
    const char* key;
    CStringArray* list;
    bool hasAuto;
    int slot;
    UINT first, third;
  } rows[] = {
      {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", &low, bAuto, 0, 33775, 34575},
      {"IDS_CMD_ATTR_MEMB_COL_TRANS", &trans, false, 1, 33775, 34576},
      {"IDS_CMD_ATTR_MEMB_COL_CORNER", &corner, false, 2, 33775, 34577},
      {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", &voluntary, false, 3, 33775, 34578},
      {"IDS_CMD_ATTR_MEMB_COL_PROTECT", &protect, bAuto, 4, 34214, 34064},
  };
  auto pos = [&](const DesignRow& r) {
    return AttrDesignPos(*r.list, r.hasAuto, mbtp.autoFlag[r.slot], mbtp.value[r.slot], {1}, r.hasAuto ? 2 : 1);
  };
  const int protectSel = pos(rows[4]);
  m_strProtect = protectSel < protect.GetSize() ? protect[protectSel] : CString();
  for (DesignRow& r : rows) AddChoiceRow(Str(r.key), *r.list, pos(r), r.first, r.third);

  // Loads.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  MakeLoadTexts(membKey, m_matr.length, 0, loads);
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_COL_LOAD"), loads, 0, 33693, 34585);
  AddTemperatureRow();

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray supports;
  FillSupportChoices(supports);
  int support = AttrLeadingNumber(m_matr.support);
  if (support >= supports.GetSize()) support = -1;  // a code no choice has: nothing selected
  AddChoiceRow(Str("IDS_CMD_PJST_SUPPORT"), supports, support, 32825, 34590);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_OFFSET"), m_matr.offset, 34209, 34513);

  // Design factors.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
  AddSeismicGradeRow(membKey, 0, 34405, 34498);
  struct TextRow {
    const char* key;
    CString text;
    UINT first, third;
  } factors[] = {
      {"IDS_CMD_ATTR_MEMB_STIFF_FACT", AttrStiffText(m_matr), 33776, 34506},
      {"IDS_CMD_ATTR_MEMB_DEC_FACT", AttrFmt("%g", m_matr.decFact), 34407, 34499},
      {"IDS_CMD_ATTR_MEMB_SEIS_FACT", AttrFmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504},
      {"IDS_CMD_ATTR_MEMB_EFFECT_FACT",
       m_matr.effFlag ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0), 34674,
       34505},
      {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", AttrUnbracedText(m_matr), 34675, 34671},
      {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", AttrFmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676, 34672},
  };
  for (TextRow& r : factors) AddTextRow(Str(r.key), r.text, r.first, r.third);
  if (m_pMemb && m_pMemb->IsSteel(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT"), AttrFmt("%g", m_matr.equivMom), 34677, 34673);
  if (HasUserDesignCoeffs() && m_pMemb && m_pMemb->IsRC(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), AttrFmt("%g", m_matr.uncertFact), 34708, 34709);
  m_list.ExpandAll(TRUE);
}
