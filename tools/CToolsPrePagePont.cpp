// The rows of a point on the building-model page: its coordinates (X and Y typed into
// the list), connected members and duplicated points, and its loads, specified
// displacements, support and elastic link, each row with the delete message.
#include "db/CClassMemb.h"
#include "db/CClassPont.h"
#include "db/CDBDoc.h"
#include "db/CUnitCtrl.h"
#include "tools/AttrRowText.h"
#include "tools/CToolsPrePage.h"
#include "ui/CNumericOptimizer.h"

namespace {

// The compact text of a number list; empty without numbers.
CString CompactText(const CUIntArray& numbers) {
  if (numbers.IsEmpty()) return CString();
  CUIntArray copy = numbers;
  CNumericOptimizer optimizer;
  return optimizer.OptimizeUnsortedArray(copy);
}

}  // namespace

void CToolsPrePage::FillPontAttrList(UINT pontKey, int nRefresh) {
  m_ctrl.m_nObjClass = CMembDataCtrl::OBJ_PONT;
  m_ctrl.m_nObjKey = pontKey;
  T_PATR_D rec;
  rec.Initialize();
  m_ctrl.GetPointAttr(rec, nRefresh);
  m_list.RemoveAll();
  m_nShownKind = LIST_PONT;
  m_list.SetKey(pontKey);

  CString lenUnit;
  if (CDBDoc* doc = CDBDoc::m_pDBDoc) doc->GetUnitCtrl()->GetUnitSystem(1, lenUnit);
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_PONT_GENERAL"));
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_ID"), PROP_COL_STATIC, rec.number);
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_STORY"), PROP_COL_STATIC, rec.storyText, 0);
  const struct {
    const char* key;
    double value;
    PROP_COLTYPE kind;
  } coords[] = {
      {"IDS_CMD_ATTR_PONT_COORD_X", rec.x, PROP_COL_EDIT},
      {"IDS_CMD_ATTR_PONT_COORD_Y", rec.y, PROP_COL_EDIT},
      {"IDS_CMD_ATTR_PONT_COORD_Z", rec.z, PROP_COL_STATIC},
  };
  for (const auto& c : coords) {
    CString label;
    label.Format("%s [%s]", Str(c.key).c_str(), lenUnit.c_str());
    m_list.AddItem(label, c.kind, c.value);
  }
  CUIntArray numbers;
  if (!rec.connectedMembs.IsEmpty() && m_pMemb) m_pMemb->GetMembNoListByKey(rec.connectedMembs, numbers);
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_CONNECTED_MEMBS"), PROP_COL_STATIC, CompactText(numbers), 0);
  numbers.RemoveAll();
  if (!rec.duplicatedPonts.IsEmpty() && m_pPont) m_pPont->GetPontNoListByKey(rec.duplicatedPonts, numbers);
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_DUPLICATED_PONTS"), PROP_COL_STATIC, CompactText(numbers), 0);

  // Loads: "NAME : N", or "NAME : " and the none text when the count is 0.
  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_LOAD"));
  const CString none = Str("IDS_CMD_ATTR_NONE");
  const struct {
    const char* key;
    const CArray<T_LATR_D>* loads;
    UINT first, second, fourth;
  } loadRows[] = {
      {"IDS_CMD_ATTR_PONT_POINT_LOAD", &rec.pointLoads, 32911, 34446, 34511},
      {"IDS_CMD_ATTR_PONT_SPECIFIED_DISP", &rec.specifiedDisps, 32929, 34447, 34514},
  };
  for (const auto& r : loadRows) {
    CStringArray choices;
    for (const T_LATR_D& l : *r.loads) {
      CString one;
      if (l.flag)
        one.Format("%s : %d", l.name.c_str(), l.flag);
      else
        one.Format("%s : %s", l.name.c_str(), none.c_str());
      choices.Add(one);
    }
    CUIntArray ids = AttrStrip({r.first, r.second, WM_PROPLIST_PRE_DEL, r.fourth});
    m_list.AddItem(Str(r.key), PROP_COL_COMBO, choices, ids, BITMAP_PONT_ROWS, 0, 0.0, 0);
  }

  m_list.AddGroupItem(Str("IDS_CMD_ATTR_MEMB_BOUNDR_COND"));
  CUIntArray ids = AttrStrip({32825, 34448, WM_PROPLIST_PRE_DEL, 34516});
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_SUPPORT"), PROP_COL_TEXT_CMD, rec.support, ids, BITMAP_PONT_ROWS);
  ids = AttrStrip({33701, 34449, WM_PROPLIST_PRE_DEL, 34517});
  m_list.AddItem(Str("IDS_CMD_ATTR_PONT_ELASTIC_LINK"), PROP_COL_TEXT_CMD, rec.link, ids, BITMAP_PONT_ROWS);
  m_list.ExpandAll(TRUE);
}
