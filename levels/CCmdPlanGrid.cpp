#include "levels/CCmdPlanGrid.h"

#include "levels/CCmdLevelGridSetup.h"

namespace {
struct SlabTypeText {
  int type;
  const char* key;
};
const SlabTypeText kSlabTypes[] = {
    {2, "IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm"},
    {3, "IDS_WG_CMD_IP_STORYDLG_CBX_Membrane"},
    {4, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate"},
    {5, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate_Bending"},
};
enum { COL_KEY = 0, COL_NAME = 1, COL_SLAB = 2 };
}  // namespace

CCmdPlanGrid::CCmdPlanGrid(void* pOwner) : CCmdRecordGrid<CClassPlan>(pOwner) {
  m_pStor = FetchTable<CClassStor>();
  m_pMdul = FetchTable<CClassMdul>();
  AddColInfo(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORY_Grid_ID", 0), TB_COL_INT, 0);
  AddColInfo(CMsgDll::pfuncLoadStr("IDS_WG_CMD__ADDD__Name", 0), TB_COL_TEXT, 0);
  AddColInfo(CMsgDll::pfuncLoadStr("IDS_CMD_Slab_Type", 0), TB_COL_TEXT, 0);
  GetKeyColumnList().Add(0);
  AddRequiredColumn(COL_NAME);
  AddRequiredColumn(COL_SLAB);
}

CString CCmdPlanGrid::SlabTypeText(int slabType) {
  for (const auto& s : kSlabTypes)
    if (s.type == slabType) return CMsgDll::pfuncLoadStr(s.key, 0);
  return CString();
}

int CCmdPlanGrid::SlabTypeOfText(const CString& text) {
  for (const auto& s : kSlabTypes)
    if (text == CMsgDll::pfuncLoadStr(s.key, 0)) return s.type;
  return 0;
}

void CCmdPlanGrid::Initialize() {
  CCmdDrawLock lock(*this);
  CmdSetupLevelGrid(*this, {0, 50, 80});
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_NAME)), CGXStyle().SetEnabled(FALSE));
  SetupSlabTypeColumn();
  MakeItemEx(nullptr, -2, 0);
}

void CCmdPlanGrid::SetupSlabTypeColumn() {
  CString choices;
  for (const auto& s : kSlabTypes) {
    choices += CMsgDll::pfuncLoadStr(s.key, 0);
    choices += "\n";
  }
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_SLAB)),
                CGXStyle()
                    .SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST)
                    .SetChoiceList(choices)
                    .SetValue("")
                    .SetUserAttribute(GX_IDS_UA_LIST_SORT, "0")
                    .SetUserAttribute(GX_IDS_UA_LIST_TEXTFIT, "0")
                    .SetUserAttribute(GX_IDS_UA_LIST_SHOWALL, "1"));
  GetDefaultValues()[1] = SlabTypeText(2);
}

void CCmdPlanGrid::FieldToText(int index, const T_PLAN_D& rec, CString& text) {
  if (index == COL_NAME) text = rec.name;
  else if (index == COL_SLAB) text = SlabTypeText(rec.slabType);
  else CCmdRecordGrid::FieldToText(index, rec, text);
}

void CCmdPlanGrid::TextToField(int index, const CString& text, T_PLAN_D& rec) {
  if (index == COL_NAME) rec.name = text;
  else if (index == COL_SLAB) rec.slabType = SlabTypeOfText(text);
}

CStringArray& CCmdPlanGrid::GetDefaultValues() {
  static CStringArray defaults = [] {
    CStringArray d;
    d.Add("");
    d.Add("");
    return d;
  }();
  return defaults;
}

BOOL CCmdPlanGrid::TableModify(const CString& oldName, const T_PLAN_D& rec) {
  return m_pTable && m_pTable->TR_ModifySlabType(oldName, rec);
}

BOOL CCmdPlanGrid::TableModify(const CStringArray& oldNames, const CArray<T_PLAN_D>& recs) {
  return m_pTable && m_pTable->TR_ModifySlabType(oldNames, recs);
}

BOOL CCmdPlanGrid::MoveRows(ROWCOL first, ROWCOL last, ROWCOL target, UINT) {
  if (RefuseMoveWhileEditing() || !m_pTable) return FALSE;
  if (target == GetRowCount() + 1) target = GetRowCount();  // past the last row: the last row
  if (target >= first && target <= last + 1) return FALSE;
  CUIntArray selected;
  GetSelectedRows(selected);
  if (selected.GetSize() != (INT_PTR)(last - first + 1)) return FALSE;
  UINT targetKey = GetRowKey(target);
  int position = targetKey && m_pTable->GetSeq(targetKey) > 0 ? m_pTable->GetSeq(targetKey) + 1 : 0;
  CUIntArray keys;
  ROWCOL nameCol = GetColumnNoFor(COL_NAME);
  for (ROWCOL r = last; r >= first && r >= 1; --r)
    if (UINT k = m_pTable->GetKey(GetValueRowColBeforeEdit(r, nameCol))) keys.Add(k);
  SetMovingRows(TRUE);
  m_pTable->TR_ChangeSeq(keys, position);
  SetMovingRows(FALSE);
  return FALSE;
}
