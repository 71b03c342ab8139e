// The rows of a column (member type 101) on the building-model page.
#include "db/CClassMatl.h"
#include "db/CClassMemb.h"
#include "db/CClassSect.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "db/T_MBTP_D.h"
#include "tools/AttrChoices.h"
#include "tools/AttrSeismicGrade.h"
#include "tools/CToolsPrePage.h"
#include "ui/CMsgDll.h"

namespace {


// A strip of the member rows: a host command, no middle button, a second host command.
CUIntArray Strip(UINT first, UINT third) {
  CUIntArray ids;
  ids.Add(first);
  ids.Add(0);
  ids.Add(third);
  return ids;
}

const CString& NameOf(const T_MATL_D& r) { return r.name; }
const CString& NameOf(const T_SECT_D& r) { return r.strName; }

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

CString Fmt(const char* format, double a) {
  CString s;
  s.Format(format, a);
  return s;
}
CString Fmt(const char* format, double a, double b) {
  CString s;
  s.Format(format, a, b);
  return s;
}

// The leading decimal digits of a code text, 0 when it has none.
int LeadingNumber(const CString& text) {
  int n = 0;
  for (const char* p = text.c_str(); *p >= '0' && *p <= '9' && n < 100000; ++p) n = n * 10 + (*p - '0');
  return n;
}

// The position of a design value in its list: AUTO (when the list has it and the flag
// says so), then YES for 1 and NO for anything else.
int DesignSel(const CStringArray& list, BOOL bHasAuto, int value, int autoFlag) {
  if (list.IsEmpty()) return 0;
  if (bHasAuto && autoFlag) return 0;
  const int base = bHasAuto ? 1 : 0;
  return base + (value == 1 ? 0 : 1);
}

}  // namespace

void CToolsPrePage::FillColumnAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  m_ctrl.m_nObjClass = CMembDataCtrl::OBJ_COLUMN;
  m_ctrl.m_nObjKey = membKey;
  m_matr.Initialize();
  m_ctrl.GetMemberAttr(m_matr, nRefresh);
  m_nShownKind = LIST_COLUMN;
  m_list.RemoveAll();

  const int bmp = BITMAP_MEMB_ROWS;
  CUIntArray ids;
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_GENERAL"));
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_ID"), PROP_COL_STATIC,
                 (int)(m_pMemb ? m_pMemb->GetMembNoByKey(membKey) : memb.number));
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MEMB_TYPE"), PROP_COL_STATIC, m_matr.typeText, 0);
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_STORY"), PROP_COL_STATIC, m_matr.storyText, 0);

  // Material: the materials offered for the section; the member's own, else the applied one.
  UINT curMatl = m_matr.matlKey;
  if (curMatl == 0) GetAppliedMaterialKey(membKey, curMatl);
  CUIntArray keys;
  if (!m_pMatl || !m_pMatl->GetKeyListBySect(m_matr.sectKey, keys)) return;
  CStringArray names;
  CUIntArray data;
  int sel = 0;
  NamedChoices<CClassMatl, T_MATL_D>(*m_pMatl, keys, curMatl, names, data, sel);
  ids = Strip(32800, 34572);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_MATERIAL"), PROP_COL_COMBO, names, data, ids, bmp, 0, 0.0, sel);

  // Section: the sections of the material the material row shows.
  const UINT shownMatl = sel < data.GetSize() ? data[sel] : curMatl;
  keys.RemoveAll();
  if (!m_pSect || !m_pSect->GetKeyListByMatl(shownMatl, keys)) return;
  names.RemoveAll();
  data.RemoveAll();
  NamedChoices<CClassSect, T_SECT_D>(*m_pSect, keys, m_matr.sectKey, names, data, sel);
  ids = Strip(32808, 34573);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_SECTION"), PROP_COL_COMBO, names, data, ids, bmp, 0, 0.0, sel);

  CUnitCtrl* unit = CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr;
  CString lenUnit, angUnit;
  if (unit) unit->GetUnitSystem(1, lenUnit), unit->GetUnitSystem(4, angUnit);
  CString label;
  label.Format("%s [%s]", Str("IDS_CMD_ATTR_MEMB_LENGTH").c_str(), lenUnit.c_str());
  m_list.AddItem(label, PROP_COL_STATIC, m_matr.length);

  CArray<int> betas;
  FillBetaAngleChoices(betas);
  CStringArray choices;
  for (int b : betas) {
    CString one;
    one.Format("%d", b);
    choices.Add(one);
  }
  label.Format("%s %s", Str("IDS_CMD_ATTR_MEMB_BETA_ANGLE").c_str(), angUnit.c_str());
  ids = Strip(34187, 34574);
  m_list.AddItem(label, PROP_COL_COMBO_EDIT, choices, ids, bmp, 1, m_matr.beta, 0);

  CString points;
  for (UINT no : m_matr.pontNos) {
    CString one;
    one.Format("%d", (int)no);
    points += (points.IsEmpty() ? "" : ", ") + one;
  }
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_CONNECTED_PONTS"), PROP_COL_STATIC, points, 0);

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
  T_MBTP_D mbtp;
  mbtp.Initialize();
  if (m_pDB)
    if (auto* t = static_cast<CClassMbtp*>(m_pDB->GetClass(CClassMbtp::m_nClassID))) t->Get(memb.dsgnKey, mbtp);
  const BOOL bAutoMode = CDBDoc::m_pDBDoc && CDBDoc::m_pDBDoc->IsAutoMembTypeMode();
  if (bAutoMode) {
    if (!low.IsEmpty()) low.RemoveAt(0);
    if (!protect.IsEmpty()) protect.RemoveAt(0);
  }
  // Normal mode offers AUTO first, selected while the automatic flag is set.
  const BOOL bLowAuto = !bAutoMode && m_matr.dmtp.lead;
  struct DesignRow {
    const char* key;
    CStringArray* list;
    BOOL hasAuto;
    int slot;
    UINT first, third;
  } rows[] = {
      {"IDS_CMD_ATTR_MEMB_COL_LOW_STORY", &low, bLowAuto, 0, 33775, 34575},
      {"IDS_CMD_ATTR_MEMB_COL_TRANS", &trans, FALSE, 1, 33775, 34576},
      {"IDS_CMD_ATTR_MEMB_COL_CORNER", &corner, FALSE, 2, 33775, 34577},
      {"IDS_CMD_ATTR_MEMB_COL_VOLUNTARY", &voluntary, FALSE, 3, 33775, 34578},
      {"IDS_CMD_ATTR_MEMB_COL_PROTECT", &protect, bLowAuto, 4, 34214, 34064},
  };
  const int protectSel = DesignSel(protect, bLowAuto, mbtp.value[4], mbtp.autoFlag[4]);
  m_strProtect = protectSel < protect.GetSize() ? protect[protectSel] : CString();
  for (DesignRow& r : rows) {
    ids = Strip(r.first, r.third);
    const int s = DesignSel(*r.list, r.hasAuto, mbtp.value[r.slot], mbtp.autoFlag[r.slot]);
    m_list.AddItem(Str(r.key), PROP_COL_COMBO, *r.list, ids, bmp, 0, 0.0, s);
  }

  // Loads.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  MakeLoadTexts(membKey, m_matr.length, 0, loads);
  ids = Strip(33693, 34585);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_COL_LOAD"), PROP_COL_COMBO, loads, ids, bmp, 0, 0.0, 0);
  ids = Strip(32989, 34515);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_TEMPERATURE"), PROP_COL_TEXT_CMD,
                 m_matr.tempFlag ? Fmt("%g, %g", m_matr.temp[0], m_matr.temp[1]) : Str("IDS_CMD_ATTR_NONE"), ids, bmp);

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CStringArray supports;
  FillSupportChoices(supports);
  int support = LeadingNumber(m_matr.support);
  if (support >= supports.GetSize()) support = -1;  // a code no choice has: nothing selected
  ids = Strip(32825, 34590);
  m_list.AddItem(Str("IDS_CMD_PJST_SUPPORT"), PROP_COL_COMBO, supports, ids, bmp, 0, 0.0, support);
  ids = Strip(34209, 34513);
  m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_OFFSET"), PROP_COL_TEXT_CMD, m_matr.offset, ids, bmp);

  // Design factors.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
  CStringArray grades;
  FillSeismicGradeChoices(m_pDB, grades, m_matr.sectKey, 0);
  const int grade = GetSeismicGradeIndex(m_pDB, m_matr.sectKey, membKey, 0);
  ids = Strip(34405, 34498);
  if (bAutoMode)
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_LVL"), PROP_COL_TEXT_CMD,
                   grade >= 0 && grade < grades.GetSize() ? grades[grade] : CString(), ids, bmp);
  else
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_LVL"), PROP_COL_COMBO, grades, ids, bmp, 0, 0.0, grade);

  const double* st = m_matr.stiffFlag ? m_matr.stiff : nullptr;
  CString stiff;
  stiff.Format("%g, %g, %g, %g, %g, %g, %g", st ? st[0] : 1.0, st ? st[1] : 1.0, st ? st[2] : 1.0, st ? st[3] : 1.0,
               st ? st[4] : 1.0, st ? st[5] : 1.0, st ? st[6] : 1.0);
  CString unbraced;
  if (m_matr.noThird)
    unbraced.Format("%g, %g, %s", m_matr.unbraced[0], m_matr.unbraced[1], "No");
  else
    unbraced.Format("%g, %g, %g", m_matr.unbraced[0], m_matr.unbraced[1], m_matr.unbraced3);
  struct TextRow {
    const char* key;
    CString text;
    UINT first, third;
  } factors[] = {
      {"IDS_CMD_ATTR_MEMB_STIFF_FACT", stiff, 33776, 34506},
      {"IDS_CMD_ATTR_MEMB_DEC_FACT", Fmt("%g", m_matr.decFact), 34407, 34499},
      {"IDS_CMD_ATTR_MEMB_SEIS_FACT", Fmt("%g", m_matr.seisFlag ? m_matr.seisFact : 1.0), 33650, 34504},
      {"IDS_CMD_ATTR_MEMB_EFFECT_FACT",
       m_matr.effFlag ? Fmt("%g, %g", m_matr.effFact[0], m_matr.effFact[1]) : Fmt("%g, %g", 1.0, 1.0), 34674, 34505},
      {"IDS_CMD_ATTR_MEMB_UNBRACED_LENG", unbraced, 34675, 34671},
      {"IDS_CMD_ATTR_MEMB_LIMITING_RATIO", Fmt("%g, %g", m_matr.limRatio[0], m_matr.limRatio[1]), 34676, 34672},
  };
  for (TextRow& r : factors) {
    ids = Strip(r.first, r.third);
    m_list.AddItem(Str(r.key), PROP_COL_TEXT_CMD, r.text, ids, bmp);
  }
  if (m_pMemb && m_pMemb->IsSteel(m_matr.membKey)) {
    ids = Strip(34677, 34673);
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_EQUIV_MOM_FCT"), PROP_COL_TEXT_CMD, Fmt("%g", m_matr.equivMom), ids, bmp);
  }
  if (HasUserDesignCoeffs() && m_pMemb && m_pMemb->IsRC(m_matr.membKey)) {
    ids = Strip(34708, 34709);
    m_list.AddItem(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), PROP_COL_TEXT_CMD, Fmt("%g", m_matr.uncertFact), ids,
                   bmp);
  }
  m_list.ExpandAll(TRUE);
}
