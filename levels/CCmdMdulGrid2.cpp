#include "levels/CCmdMdulGrid2.h"

#include <iterator>
#include "levels/CCmdLevelGridSetup.h"

namespace {
const CCmdGridColumn kColumns[] = {
    // title key, field, kind, format, width, editable, required, default
    {"IDS_WG_CMD_IP_STORY_Grid_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD__ADDD__Name", "name", TB_COL_TEXT, nullptr, 130, true, true, ""},
};
}  // namespace

CCmdMdulGrid2::CCmdMdulGrid2(void* pOwner) : CCmdRecordGrid<CClassMdul>(pOwner) {
  m_pStor = FetchTable<CClassStor>();
  m_pPlan = FetchTable<CClassPlan>();
  SetColumns(kColumns, (int)std::size(kColumns));
}

void CCmdMdulGrid2::Initialize() {
  CCmdDrawLock lock(*this);
  CmdSetupLevelGrid(*this, GetColumnWidths());
  DisableFixedColumns();
  MakeItemEx(nullptr, -2, 0);
}

void CCmdMdulGrid2::OnRowWritten(ROWCOL row, UINT key, const T_MDUL_D&) {
  SetStyleRange(CGXRange(row, GetColumnNoFor(1)), CGXStyle().SetEnabled(key != CClassMdul::MAIN_TOWER));
}

BOOL CCmdMdulGrid2::MoveRows(ROWCOL, ROWCOL, ROWCOL, UINT) {
  RefuseMoveWhileEditing();
  return FALSE;
}

int CCmdMdulGrid2::ModifyRecord(ROWCOL row) {
  if (CCmdRecordGrid::ModifyRecord(row)) return 1;
  if (CanSaveData() && GetWarningText().IsEmpty() && GetPendingRow() == row) RevertPendingRow();
  return 0;
}

namespace {
// The stored tower's own field that the grid does not show stays as it is.
T_MDUL_D KeepStart(const CClassMdul* table, const CString& oldName, const T_MDUL_D& rec) {
  T_MDUL_D r = rec, stored;
  if (table && table->Get(table->GetKey(oldName), stored)) r.startStorKey = stored.startStorKey;
  return r;
}
}  // namespace

BOOL CCmdMdulGrid2::TableModify(const CString& oldName, const T_MDUL_D& rec) {
  return m_pTable && m_pTable->TR_Modify(oldName, KeepStart(m_pTable, oldName, rec));
}

BOOL CCmdMdulGrid2::TableModify(const CStringArray& oldNames, const CArray<T_MDUL_D>& recs) {
  if (!m_pTable || oldNames.GetSize() != recs.GetSize()) return FALSE;
  CArray<T_MDUL_D> kept;
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) kept.Add(KeepStart(m_pTable, oldNames[i], recs[i]));
  return m_pTable->TR_Modify(oldNames, kept);
}
