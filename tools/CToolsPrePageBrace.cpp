// The rows of a brace (member type 206) and of a line member (200) on the
// building-model page.
#include "db/CClassMemb.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

void CToolsPrePage::FillBraceAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  if (!BeginSectionMembFill(CMembDataCtrl::OBJ_BRACE, membKey, memb, LIST_BRACE, nRefresh)) return;

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  AddTemperatureRow();

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray fixities;
  FillEndFixityChoices(fixities);
  AddCodeChoiceRow("IDS_CMD_ATTR_MEMB_RELEASE", fixities, m_matr.release, 32978, 34606);

  AddFactorRowsAndExpand(
      membKey,
      {
          {"IDS_CMD_ATTR_MEMB_STIFF_FACT", AttrStiffText(m_matr), 33776, 34506},
          {"IDS_CMD_ATTR_MEMB_SEIS_FACT", AttrFmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504},
          {"IDS_CMD_ATTR_MEMB_EFFECT_FACT",
           m_matr.effFlag ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0),
           34674, 34505},
          {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", AttrUnbracedText(m_matr), 34675, 34671},
          {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", AttrFmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676,
           34672},
      },
      FALSE);
}

void CToolsPrePage::FillLineAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  BeginMembFill(CMembDataCtrl::OBJ_LINE, membKey, LIST_LINE, nRefresh);
  AddIdTypeStoryRows(membKey, memb, m_matr.typeText);
  AddLengthRow();
  AddConnectedPointsRow();
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  MakeLoadTexts(membKey, m_matr.length, 1, loads);
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_LINE_LOAD"), loads, 0, 32912, 34589);
  m_list.ExpandAll(TRUE);
}
