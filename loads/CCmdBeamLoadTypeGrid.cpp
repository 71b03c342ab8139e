#include "loads/CCmdBeamLoadTypeGrid.h"

namespace {
using G = CCmdBeamLoadTypeGrid;
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required, default
    {"IDS_WG_CMD_LOAD_TYPE_GRID_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_Name", "name", TB_COL_TEXT, nullptr, 90, true, true, ""},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_DL", "dead", TB_COL_REAL, "%.3g", 110, true, true, "0."},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_LL", "live", TB_COL_REAL, "%.3g", 110, true, true, "0."},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_Description", "desc", TB_COL_TEXT, nullptr, 127, true, false, ""},
};
}  // namespace

CCmdBeamLoadTypeGrid::CCmdBeamLoadTypeGrid() { SetColumns(kColumns, COL_COUNT); }

// A pasted row's ID names no record: the table gives every new row its key.
int CCmdBeamLoadTypeGrid::AddRecords(CPtrArray&, CPtrArray& records) {
  CArray<T_BLTP_D> recs;
  for (void* p : records) {
    T_BLTP_D r = *static_cast<T_BLTP_D*>(p);
    r.key = 0;
    recs.Add(r);
  }
  return m_pTable && m_pTable->TR_Add(recs) ? 1 : 0;
}

int CCmdBeamLoadTypeGrid::ModifyRecords(CStringArray& keyTexts, CPtrArray&, CPtrArray& records) {
  if (!m_pTable) return 0;
  CUIntArray keys;
  CArray<T_BLTP_D> recs;
  for (INT_PTR i = 0; i < records.GetSize() && i < keyTexts.GetSize(); ++i) {
    const UINT key = KeyOf(keyTexts[i]);
    keys.Add(key);
    recs.Add(OverStored(key, *static_cast<T_BLTP_D*>(records[i])));
  }
  return m_pTable->TR_Modify(keys, recs) ? 1 : 0;
}

int CCmdBeamLoadTypeGrid::ModifyRecord(ROWCOL row) {
  if (!CanSaveData() || !m_pTable) return 0;
  const UINT key = KeyOf(GetValueRowColBeforeEdit(row, GetColumnNoFor(COL_ID)));
  UINT shownKey = 0;
  T_BLTP_D rec;
  if (!RowToRecord(row, shownKey, rec)) return 0;
  return m_pTable->TR_Modify(key, OverStored(key, rec)) ? 1 : 0;
}

T_BLTP_D CCmdBeamLoadTypeGrid::OverStored(UINT key, const T_BLTP_D& row) const {
  T_BLTP_D rec = row;
  T_BLTP_D stored;
  if (m_pTable && m_pTable->Get(key, stored)) {
    rec = const_cast<CCmdBeamLoadTypeGrid*>(this)->KeepShownReals(stored, row);
    rec.lead = stored.lead;
  }
  rec.key = key;
  return rec;
}
