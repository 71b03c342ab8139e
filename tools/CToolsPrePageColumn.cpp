// The rows of a column (member type 101) on the building-model page.
#include "db/CClassMemb.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

void CToolsPrePage::FillColumnAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  if (!BeginSectionMembFill(CMembDataCtrl::OBJ_COLUMN, membKey, memb, LIST_COLUMN, nRefresh)) return;

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
  const int no = bAuto ? 2 : 1;
  const std::initializer_list<int> kYes = {1};
  DesignRowDef rows[] = {
      {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", &low, bAuto, kYes, no, 33775, 34575},
      {"IDS_CMD_ATTR_MEMB_COL_TRANS", &trans, false, kYes, 1, 33775, 34576},
      {"IDS_CMD_ATTR_MEMB_COL_CORNER", &corner, false, kYes, 1, 33775, 34577},
      {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", &voluntary, false, kYes, 1, 33775, 34578},
      {"IDS_CMD_ATTR_MEMB_COL_PROTECT", &protect, bAuto, kYes, no, 34214, 34064},
  };
  AddDesignTypeRows(mbtp, rows, 5);

  AddLoadRows(membKey, 0, "IDS_CMD_ATTR_MEMB_COL_LOAD", 33693, 34585);

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray supports;
  FillSupportChoices(supports);
  AddCodeChoiceRow("IDS_CMD_PJST_SUPPORT", supports, m_matr.support, 32825, 34590);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_OFFSET"), m_matr.offset, 34209, 34513);

  // Design factors.
  AddFactorRowsAndExpand(
      membKey,
      {
          {"IDS_CMD_ATTR_MEMB_STIFF_FACT", AttrStiffText(m_matr), 33776, 34506},
          {"IDS_CMD_ATTR_MEMB_DEC_FACT", AttrFmt("%g", m_matr.decFact), 34407, 34499},
          {"IDS_CMD_ATTR_MEMB_SEIS_FACT", AttrFmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504},
          {"IDS_CMD_ATTR_MEMB_EFFECT_FACT",
           m_matr.effFlag ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0),
           34674, 34505},
          {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", AttrUnbracedText(m_matr), 34675, 34671},
          {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", AttrFmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676,
           34672},
      },
      TRUE);
}
