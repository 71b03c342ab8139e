// The rows of a brace (member type 206) and of a line member (200) on the
// building-model page.
#include "db/CClassMemb.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

void CToolsPrePage::FillBraceAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  BeginMembFill(CMembDataCtrl::OBJ_BRACE, membKey, LIST_BRACE, nRefresh);
  AddIdTypeStoryRows(membKey, memb, m_matr.typeText);
  if (!AddMaterialSectionRows(membKey)) return;
  AddLengthRow();
  AddBetaAngleRow();
  AddConnectedPointsRow();

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  AddTemperatureRow();

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray fixities;
  FillEndFixityChoices(fixities);
  int release = AttrLeadingNumber(m_matr.release);
  if (release >= fixities.GetSize()) release = -1;  // a code no choice has: nothing selected
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_RELEASE"), fixities, release, 32978, 34606);

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
  AddSeismicGradeRow(membKey, 0, 34405, 34498);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_STIFF_FACT"), AttrStiffText(m_matr), 33776, 34506);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_SEIS_FACT"), AttrFmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_EFFECT_FACT"),
             m_matr.effFlag ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0),
             34674, 34505);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNBRACED_LENG"), AttrUnbracedText(m_matr), 34675, 34671);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_LIMITING_RATIO"), AttrFmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676,
             34672);
  if (HasUserDesignCoeffs() && m_pMemb && m_pMemb->IsRC(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), AttrFmt("%g", m_matr.uncertFact), 34708, 34709);
  m_list.ExpandAll(TRUE);
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
