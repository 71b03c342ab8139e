// The rows of a slab (member type 301) on the building-model page: its subtype in the
// type text, a stair slab's converted thickness, its area, and the slab-load catalogue
// with the slab's own loads selected.
#include "db/CClassMemb.h"
#include "db/CClassSltp.h"
#include "db/CClassThik.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "tools/AttrChoices.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"
#include "ui/CCompFunc.h"

namespace {

template <class T>
T* TableOf(DB_CDataBase* db) {
  return db ? static_cast<T*>(db->GetClass(T::m_nClassID)) : nullptr;
}

CString UnitLabel(int nKind) {
  CString unit;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) doc->GetUnitCtrl()->GetUnitSystem(nKind, unit);
  return unit;
}

}  // namespace

void CToolsPrePage::FillSlabAttrList(UINT membKey, T_MEMB_D memb, int nRefresh) {
  BeginMembFill(CMembDataCtrl::OBJ_SLAB, membKey, LIST_SLAB, nRefresh);
  const T_MBTP_D mbtp = ReadDesignTypes(memb.dsgnKey);
  const int subtype = mbtp.value[1];
  const bool bStairKind = subtype == T_MBTP_D::SLAB_STAIR || subtype == T_MBTP_D::SLAB_LANDING;

  CString typeText = m_matr.typeText;
  if (subtype == T_MBTP_D::SLAB_ROOF)
    typeText.Format("%s(%s)", m_matr.typeText.c_str(), Str("IDS_CMD_MEMB_TYPE_ROOF").c_str());
  else if (subtype == T_MBTP_D::SLAB_STAIR)
    typeText = Str("IDS_CMD_MEMB_TYPE_STAIR_SLAB");
  else if (subtype == T_MBTP_D::SLAB_LANDING)
    typeText.Format("%s(%s)", Str("IDS_CMD_MEMB_TYPE_STAIR_SLAB").c_str(), Str("IDS_CMD_MEMB_TYPE_STAIR_LSPACE").c_str());
  AddIdTypeStoryRows(membKey, memb, typeText);
  if (!AddConcreteThicknessRows(membKey, Str(bStairKind ? "IDS_CMD_PURE_THICK" : "IDS_CMD_ATTR_MEMB_THICK"))) return;

  // A stair slab's converted thickness: the plate's and its stair record's extra; the
  // steps shown unless the user gave the thickness.
  if (subtype == T_MBTP_D::SLAB_STAIR) {
    T_STIK_D stik;
    stik.Initialize();
    if (auto* t = TableOf<CClassStik>(m_pDB)) t->Get(membKey, stik);
    const double t = stik.extra + (m_pThik ? m_pThik->GetThickness(m_matr.thikKey) : 0.0);
    CString label, value;
    if (stik.flag) {
      label.Format("%s [%s]", Str("IDS_CMD_CONV_THICK").c_str(), UnitLabel(1).c_str());
      value.Format("%g", t);
    } else {
      label.Format("%s, (b, h) [%s]", Str("IDS_CMD_CONV_THICK").c_str(), UnitLabel(1).c_str());
      value.Format("%g, (%g, %g)", t, stik.b, stik.h);
    }
    m_list.AddItem(label, PROP_COL_STATIC, value, 0);
  }
  CString label;
  label.Format("%s [%s]", Str("IDS_CMD_ATTR_MEMB_AREA").c_str(), UnitLabel(9).c_str());
  m_list.AddItem(label, PROP_COL_STATIC, m_matr.area);
  AddConnectedPointsRow();

  // Protection design type: AUTO, IBJP (1), IBLP (2), NO (0); AUTO for any other value.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_COL_DSN_MEMB_TYPE"));
  CStringArray protect;
  if (m_matr.dmtp.lead) FillAutoIbJpLpChoices(protect);
  const BOOL bAutoMode = IsAutoMembTypeMode();
  if (bAutoMode && !protect.IsEmpty()) protect.RemoveAt(0);
  const int protectSel =
      AttrDesignPos(protect, !bAutoMode && m_matr.dmtp.lead, mbtp.autoFlag[0], mbtp.value[0], {1, 2, 0}, 0);
  m_strProtect = protectSel < protect.GetSize() ? protect[protectSel] : CString();
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_SLAB_PROTECT"), protect, protectSel, 34483, 34596);

  // Loads: the slab's own loads, or the catalogue with the last type equal to them
  // selected, the slab's own appended when none is.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  CStringArray loads;
  int loadSel = 0;
  const CString own = AttrFmt("%g, %g", m_matr.slabDead, m_matr.slabLive);
  if (!m_matr.slabLoadFlag) {
    loads.Add(own);
  } else {
    CUIntArray keys;
    CArray<T_SLTP_D> types;
    if (auto* sltp = TableOf<CClassSltp>(m_pDB)) sltp->GetList(keys, types);
    int match = -1;
    for (const T_SLTP_D& t : types) {
      if (CCompFunc::CompRealTol(t.dead, m_matr.slabDead, m_dTol) == 0 &&
          CCompFunc::CompRealTol(t.live, m_matr.slabLive, m_dTol) == 0)
        match = (int)loads.GetSize();
      loads.Add(AttrFmt("%g, %g", t.dead, t.live));
    }
    if (match < 0) {
      match = (int)loads.GetSize();
      loads.Add(own);
    }
    loadSel = match;
  }
  AddChoiceRow(Str("IDS_CMD_ATTR_MEMB_SLAB_LOAD"), loads, loadSel, 33672, 34588);
  AddTemperatureRow();

  // Boundary condition.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_OFFSET"), m_matr.offset, 34205, 34513);
  AddTextRow(Str("IDS_CMD_ATTR_MEMB_SLAB_EDGE"), m_matr.slabEdge, 34029, 34518);

  // Factors, only for a slab with an uncertain load-combination record.
  if (HasUserDesignCoeffs()) {
    m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_FACT"));
    if (m_pMemb && m_pMemb->IsRC(m_matr.membKey))
      AddTextRow(Str("IDS_CMD_ATTR_MEMB_UNCERT_LCOM_FCT"), AttrFmt("%g", m_matr.uncertFact), 34708, 34709);
  }
  m_list.ExpandAll(TRUE);
}
