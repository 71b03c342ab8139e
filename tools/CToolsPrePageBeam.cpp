// The rows of a beam (member type 201) and of a secondary beam (205) on the
// building-model page: the same rows, reported to the attribute control as different
// object classes and shown as different list kinds.
#include <cmath>
#include "db/CClassMemb.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"

void CToolsPrePage::FillBeamAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  FillBeamRows(membKey, memb, nRefresh, CMembDataCtrl::OBJ_BEAM, LIST_BEAM);
}

void CToolsPrePage::FillSBeamAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  FillBeamRows(membKey, memb, nRefresh, CMembDataCtrl::OBJ_SBEAM, LIST_SBEAM);
}

void CToolsPrePage::FillBeamRows(UINT membKey, const T_MEMB_D& memb, int nRefresh, int nObjClass, int nListKind) {
  if (!BeginSectionMembFill(nObjClass, membKey, memb, nListKind, nRefresh)) return;

  // Design member types. The stored values of the entries after AUTO, in list order:
  // frame GGR 2, GNR 3, YR 1; middle BR 2, JR 1, MR 0; yes/no 1, 0.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
  CStringArray frame, cantilever, bjpb, middle, trans, protect;
  if (m_matr.dmtp.lead) {
    FillBeamFrameChoices(frame);
    FillAutoYesNoChoices(cantilever);
    FillAutoYesNoChoices(bjpb);
    FillAutoBrJrMrChoices(middle);
    FillYesNoChoices(trans);
    FillAutoYesNoChoices(protect);
  }
  const T_MBTP_D mbtp = ReadDesignTypes(memb.dsgnKey);
  const BOOL bAutoMode = IsAutoMembTypeMode();
  if (bAutoMode)
    for (CStringArray* l : {&frame, &cantilever, &bjpb, &middle, &protect})
      if (!l->IsEmpty()) l->RemoveAt(0);
  const bool bAuto = !bAutoMode && m_matr.dmtp.lead;
  const std::initializer_list<int> kFrame = {2, 3, 1}, kMiddle = {2, 1, 0}, kYesNo = {1, 0};
  DesignRowDef rows[] = {
      {"IDS_CMD_ATTR_MEMB_BEAM_FRAME", &frame, bAuto, kFrame, 0, 34479, 34580},
      {"IDS_CMD_ATTR_MEMB_BEAM_CANTILEVER", &cantilever, bAuto, kYesNo, 0, 34479, 34581},
      {"IDS_CMD_ATTR_MEMB_BEAM_BJPB", &bjpb, bAuto, kYesNo, 0, 34479, 34582},
      {"IDS_CMD_ATTR_MEMB_BEAM_MIDDLE", &middle, bAuto, kMiddle, 0, 34479, 34583},
      {"IDS_CMD_ATTR_MEMB_BEAM_TRANS", &trans, false, kYesNo, 1, 34479, 34584},  // unknown: NO
      {"IDS_CMD_ATTR_MEMB_BEAM_PROTECT", &protect, bAuto, kYesNo, 0, 34481, 34065},
  };
  AddDesignTypeRows(mbtp, rows, 6);

  AddLoadRows(membKey, 1, "IDS_CMD_ATTR_MEMB_BEAM_LOAD", 33850, 34586);

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray fixities;
  FillEndFixityChoices(fixities);
  AddCodeChoiceRow("IDS_CMD_ATTR_MEMB_RELEASE", fixities, m_matr.release, 32978, 34606);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_OFFSET"), m_matr.offset, 34210, 34513);

  // Design factors: the moment, torsion, seismic and effect factors count when their flag
  // is 1 within the tolerance.
  auto set = [&](int flag) { return std::fabs(flag - 1.0) <= m_dTol; };
  AddFactorRowsAndExpand(
      membKey,
      {
          {"IDS_CMD_ATTR_MEMB_STIFF_FACT", AttrStiffText(m_matr), 33776, 34506},
          {"IDS_CMD_ATTR_MEMB_DEC_FACT", AttrFmt("%g", m_matr.decFact), 34408, 34500},
          {"IDS_CMD_ATTR_MEMB_MOMENT_FACT", AttrFmt("%g", set(m_matr.momFlag) ? m_matr.momFact : 0.85), 34530, 34502},
          {"IDS_CMD_ATTR_MEMB_TORSION_FACT", AttrFmt("%g", set(m_matr.torFlag) ? m_matr.torFact : 0.4), 33648, 34609},
          {"IDS_CMD_ATTR_MEMB_SEIS_FACT", AttrFmt("%g", set(m_matr.seisFlag) ? m_matr.seisFact : 1.0), 33650, 34504},
          {"IDS_CMD_ATTR_MEMB_EFFECT_FACT",
           set(m_matr.effFlag) ? AttrFmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : AttrFmt("%g, %g", 1.0, 1.0),
           34674, 34505},
          {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", AttrUnbracedText(m_matr), 34675, 34671},
          {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", AttrFmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676, 34672},
      },
      TRUE);
}
