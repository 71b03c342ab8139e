// The row building blocks the member fills of the building-model page share.
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/AttrSeismicGrade.h"
#include "tools/CToolsPrePage.h"

namespace {

const CString& NameOf(const T_MATL_D& r) { return r.name; }
const CString& NameOf(const T_SECT_D& r) { return r.strName; }
const CString& NameOf(const T_THIK_D& r) { return r.name; }

// The choices of one table's records offered for a row: names ("%s") and keys of the
// records that can be read, and the position of current among them (0 when absent).
template <class Table, class Rec>
void NamedChoices(const Table& table, const CUIntArray& keys, UINT current, CStringArray& names, CUIntArray& data,
                  int& sel) {
  sel = 0;
  for (UINT key : keys) {
    Rec rec;
    if (!table.Get(key, rec)) continue;
    CString name;
    name.Format("%s", (LPCTSTR)NameOf(rec));
    if (key == current) sel = (int)names.GetSize();
    names.Add(name);
    data.Add(key);
  }
}

CString UnitLabel(int nKind) {
  CString unit;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) doc->GetUnitCtrl()->GetUnitSystem(nKind, unit);
  return unit;
}

}  // namespace

void CToolsPrePage::BeginMembFill(int nObjClass, UINT membKey, int nListKind, int nRefresh) {
  m_ctrl.m_nObjClass = nObjClass;
  m_ctrl.m_nObjKey = membKey;
  m_matr.Initialize();
  m_ctrl.GetMemberAttr(m_matr, nRefresh);
  m_nShownKind = nListKind;
  m_list.RemoveAll();
}

void CToolsPrePage::AddIdTypeStoryRows(UINT membKey, const T_MEMB_D& memb, const CString& typeText) {
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_GENERAL"));
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_ID"), PROP_COL_STATIC,
                 (int)(m_pMemb ? m_pMemb->GetMembNoByKey(membKey) : memb.number));
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), PROP_COL_STATIC, typeText, 0);
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_STORY"), PROP_COL_STATIC, m_matr.storyText, 0);
}

BOOL CToolsPrePage::AddMaterialSectionRows(UINT membKey) {
  // Material: the materials offered for the section; the member's own, else the applied one.
  UINT curMatl = m_matr.matlKey;
  if (curMatl == 0) GetAppliedMaterialKey(membKey, curMatl);
  CUIntArray keys;
  if (!m_pMatl || !m_pMatl->GetKeyListBySect(m_matr.sectKey, keys)) return FALSE;
  CStringArray names;
  CUIntArray data;
  int sel = 0;
  NamedChoices<CClassMatl, T_MATL_D>(*m_pMatl, keys, curMatl, names, data, sel);
  CUIntArray ids = AttrMembStrip(32800, 34572);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MATERIAL"), PROP_COL_COMBO, names, data, ids, BITMAP_MEMB_ROWS, 0, 0.0, sel);

  // Section: the sections of the material the material row shows.
  const UINT shownMatl = sel < data.GetSize() ? data[sel] : curMatl;
  keys.RemoveAll();
  if (!m_pSect || !m_pSect->GetKeyListByMatl(shownMatl, keys)) return FALSE;
  names.RemoveAll();
  data.RemoveAll();
  NamedChoices<CClassSect, T_SECT_D>(*m_pSect, keys, m_matr.sectKey, names, data, sel);
  ids = AttrMembStrip(32808, 34573);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_SECTION"), PROP_COL_COMBO, names, data, ids, BITMAP_MEMB_ROWS, 0, 0.0, sel);
  return TRUE;
}

BOOL CToolsPrePage::AddConcreteThicknessRows(UINT membKey, const CString& thikLabel) {
  UINT curMatl = m_matr.matlKey;
  if (curMatl == 0) GetAppliedMaterialKey(membKey, curMatl);
  CUIntArray keys;
  if (m_pMatl) m_pMatl->GetKeyListByType(keys, "C");
  CStringArray names;
  CUIntArray data;
  int sel = 0;
  if (m_pMatl) NamedChoices<CClassMatl, T_MATL_D>(*m_pMatl, keys, curMatl, names, data, sel);
  CUIntArray ids = AttrMembStrip(32800, 34572);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MATERIAL"), PROP_COL_COMBO, names, data, ids, BITMAP_MEMB_ROWS, 0, 0.0, sel);

  keys.RemoveAll();
  if (!m_pThik) return FALSE;
  m_pThik->GetKeyList(keys);
  names.RemoveAll();
  data.RemoveAll();
  NamedChoices<CClassThik, T_THIK_D>(*m_pThik, keys, m_matr.thikKey, names, data, sel);
  ids = AttrMembStrip(32803, 34610);
  m_list.AddItem(thikLabel, PROP_COL_COMBO, names, data, ids, BITMAP_MEMB_ROWS, 0, 0.0, sel);
  return TRUE;
}

void CToolsPrePage::AddLengthRow() {
  CString label;
  label.Format("%s [%s]", Str("IDS_CMD_ATTR_MEMB_LENGTH").c_str(), UnitLabel(1).c_str());
  m_list.AddItem(label, PROP_COL_STATIC, m_matr.length);
}

void CToolsPrePage::AddBetaAngleRow() {
  CArray<int> betas;
  FillBetaAngleChoices(betas);
  CStringArray choices;
  for (int b : betas) {
    CString one;
    one.Format("%d", b);
    choices.Add(one);
  }
  CString label;
  label.Format("%s %s", Str("IDS_CMD_ATTR_MEMB_BETA_ANGLE").c_str(), UnitLabel(4).c_str());
  CUIntArray ids = AttrMembStrip(34187, 34574);
  m_list.AddItem(label, PROP_COL_COMBO_EDIT, choices, ids, BITMAP_MEMB_ROWS, 1, m_matr.beta, 0);
}

void CToolsPrePage::AddConnectedPointsRow() {
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), PROP_COL_STATIC, AttrPointNumbersText(m_matr.pontNos), 0);
}

void CToolsPrePage::AddTemperatureRow() {
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_TEMPERATURE"),
             m_matr.tempFlag ? AttrFmt("%g, %g", m_matr.temp[0], m_matr.temp[1]) : Str("IDS_CMD_ATTR_NONE"), 32989,
             34515);
}

T_MBTP_D CToolsPrePage::ReadDesignTypes(UINT dsgnKey) const {
  T_MBTP_D mbtp;
  mbtp.Initialize();
  if (m_pDB)
    if (auto* t = static_cast<CClassMbtp*>(m_pDB->GetClass(CClassMbtp::m_nClassID))) t->Get(dsgnKey, mbtp);
  return mbtp;
}

BOOL CToolsPrePage::IsAutoMembTypeMode() const { return CDBDoc::m_pDBDoc && CDBDoc::m_pDBDoc->IsAutoMembTypeMode(); }

void CToolsPrePage::AddSeismicGradeRow(UINT membKey, int nWall, UINT first, UINT third) {
  CStringArray grades;
  FillSeismicGradeChoices(m_pDB, grades, m_matr.sectKey, nWall);
  const int grade = GetSeismicGradeIndex(m_pDB, m_matr.sectKey, membKey, nWall);
  if (IsAutoMembTypeMode())
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_LVL"), grade >= 0 && grade < grades.GetSize() ? grades[grade] : CString(),
               first, third);
  else
    AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_LVL"), grades, grade, first, third);
}

void CToolsPrePage::AddTextRow(const CString& label, const CString& text, UINT first, UINT third) {
  CUIntArray ids = AttrMembStrip(first, third);
  m_list.AddItem(label, PROP_COL_TEXT_CMD, text, ids, BITMAP_MEMB_ROWS);
}

void CToolsPrePage::AddChoiceRow(const CString& label, CStringArray& choices, int sel, UINT first, UINT third) {
  CUIntArray ids = AttrMembStrip(first, third);
  m_list.AddItem(label, PROP_COL_COMBO, choices, ids, BITMAP_MEMB_ROWS, 0, 0.0, sel);
}

BOOL CToolsPrePage::BeginSectionMembFill(int nObjClass, UINT membKey, const T_MEMB_D& memb, int nListKind,
                                         int nRefresh) {
  BeginMembFill(nObjClass, membKey, nListKind, nRefresh);
  AddIdTypeStoryRows(membKey, memb, m_matr.typeText);
  if (!AddMaterialSectionRows(membKey)) return FALSE;
  AddLengthRow();
  AddBetaAngleRow();
  AddConnectedPointsRow();
  return TRUE;
}

void CToolsPrePage::AddDesignTypeRows(const T_MBTP_D& mbtp, DesignRowDef* rows, int nRows) {
  CArray<int> sel;
  for (int i = 0; i < nRows; ++i) {
    const DesignRowDef& r = rows[i];
    sel.Add(AttrDesignPos(*r.list, r.hasAuto, mbtp.autoFlag[i], mbtp.value[i], r.values, r.fallback));
  }
  const CStringArray& protect = *rows[nRows - 1].list;
  const int protectSel = sel[nRows - 1];
  m_strProtect = protectSel < protect.GetSize() ? protect[protectSel] : CString();
  for (int i = 0; i < nRows; ++i) AddChoiceRow(Str(rows[i].key), *rows[i].list, sel[i], rows[i].first, rows[i].third);
}

void CToolsPrePage::AddLoadRows(UINT membKey, int nSelector, const char* labelKey, UINT first, UINT third) {
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  MakeLoadTexts(membKey, m_matr.length, nSelector, loads);
  AddChoiceRow(Str(labelKey), loads, 0, first, third);
  AddTemperatureRow();
}

void CToolsPrePage::AddCodeChoiceRow(const char* labelKey, CStringArray& choices, const CString& code, UINT first,
                                     UINT third) {
  int sel = AttrLeadingNumber(code);
  if (sel >= choices.GetSize()) sel = -1;
  AddChoiceRow(Str(labelKey), choices, sel, first, third);
}

void CToolsPrePage::AddFactorRowsAndExpand(UINT membKey, std::initializer_list<TextRowDef> rows, BOOL bEquivMom) {
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
  AddSeismicGradeRow(membKey, 0, 34405, 34498);
  for (const TextRowDef& r : rows) AddTextRow(Str(r.key), r.text, r.first, r.third);
  if (bEquivMom && m_pMemb && m_pMemb->IsSteel(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT"), AttrFmt("%g", m_matr.equivMom), 34677, 34673);
  if (HasUserDesignCoeffs() && m_pMemb && m_pMemb->IsRC(m_matr.membKey))
    AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), AttrFmt("%g", m_matr.uncertFact), 34708, 34709);
  m_list.ExpandAll(TRUE);
}
