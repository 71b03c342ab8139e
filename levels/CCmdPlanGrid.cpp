#include "levels/CCmdPlanGrid.h"

#include <iterator>
#include "levels/CCmdLevelGridSetup.h"

namespace {
const CCmdGridChoice kSlabTypes[] = {
    {2, "IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm"},
    {3, "IDS_WG_CMD_IP_STORYDLG_CBX_Membrane"},
    {4, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate"},
    {5, "IDS_WG_CMD_IP_STORYDLG_CBX_Plate_Bending"},
};
enum { COL_KEY = 0, COL_NAME = 1, COL_SLAB = 2 };
const CCmdGridColumn kColumns[] = {
    // title key, field, kind, format, width, editable, required, default (a choice's key)
    {"IDS_WG_CMD_IP_STORY_Grid_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD__ADDD__Name", "name", TB_COL_TEXT, nullptr, 50, false, true, ""},
    {"IDS_CMD_Slab_Type", "slabType", TB_COL_TEXT, nullptr, 80, true, true, "IDS_WG_CMD_IP_STORYDLG_CBX_Rigid_Diaphragm",
     kSlabTypes, (int)std::size(kSlabTypes)},
};
}  // namespace

CCmdPlanGrid::CCmdPlanGrid(void* pOwner) : CCmdRecordGrid<CClassPlan>(pOwner) {
  m_pStor = FetchTable<CClassStor>();
  m_pMdul = FetchTable<CClassMdul>();
  SetColumns(kColumns, (int)std::size(kColumns));
}

CString CCmdPlanGrid::SlabTypeText(int slabType) { return ChoiceText(kColumns[COL_SLAB], slabType); }

int CCmdPlanGrid::SlabTypeOfText(const CString& text) { return ChoiceValue(kColumns[COL_SLAB], text); }

void CCmdPlanGrid::Initialize() {
  CCmdDrawLock lock(*this);
  CmdSetupLevelGrid(*this, GetColumnWidths());
  DisableFixedColumns();
  SetupSlabTypeColumn();
  MakeItemEx(nullptr, -2, 0);
}

void CCmdPlanGrid::SetupSlabTypeColumn() {
  CString choices;
  for (const auto& s : kSlabTypes) {
    choices += CMsgDll::pfuncLoadStr(s.textKey, 0);
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
