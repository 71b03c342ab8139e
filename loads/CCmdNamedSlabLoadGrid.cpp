#include "loads/CCmdNamedSlabLoadGrid.h"

#include <unordered_set>

namespace {
using G = CCmdNamedSlabLoadGrid;
const CCmdGridColumn kColumns[G::COL_COUNT] = {
    // title key, field, kind, format, width, editable, required, default
    {"IDS_WG_CMD_LOAD_TYPE_GRID_ID", nullptr, TB_COL_INT, nullptr, 0, false, false, ""},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_Name", nullptr, TB_COL_TEXT, nullptr, 90, true, true, ""},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_DL", "DL", TB_COL_REAL, "%.3g", 110, true, true, "0."},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_LL", "LL", TB_COL_REAL, "%.3g", 110, true, true, "0."},
    {"IDS_WG_CMD_LOAD_TYPE_GRID_Description", "description", TB_COL_TEXT, nullptr, 127, true, false, ""},
};
const char kAlreadyExists[] = "IDS_WG_CMD_LOAD_SL_WARNING_already_exists";
const char kNotSlabName[] = "IDS_WG_CMD_LOAD_SL_WARNING_not_slab_name";
}  // namespace

CCmdNamedSlabLoadGrid::CCmdNamedSlabLoadGrid()  {
  m_pName = FetchTable<CClassName>();
  SetColumns(kColumns, COL_COUNT);
}

void CCmdNamedSlabLoadGrid::Initialize() {
  CTBCommon::Initialize();
  CCmdDrawLock lock(*this);
  LayOutColumns();
  RefreshNameChoices();
}

CString CCmdNamedSlabLoadGrid::GetNameChoices() const {
  CString choices;
  if (!m_pName) return choices;
  CUIntArray keys;
  m_pName->GetKeyListOfType(CClassName::TYPE_SLAB, keys);
  T_NAME_D name;
  for (UINT k : keys)
    if (m_pName->Get(k, name)) choices += name.name + "\n";
  return choices;
}

void CCmdNamedSlabLoadGrid::RefreshNameChoices() {
  CCmdDrawLock lock(*this);
  SetStyleRange(CGXRange().SetCols(GetColumnNoFor(COL_NAME)),
                CGXStyle().SetControl(GX_IDS_CTRL_CBS_DROPDOWNLIST).SetChoiceList(GetNameChoices()));
}

// A new row starts with an empty name: its key comes from the name chosen.
int CCmdNamedSlabLoadGrid::OnInsertEmptyRecord(ROWCOL row) { return CTBCommon::OnInsertEmptyRecord(row); }

void CCmdNamedSlabLoadGrid::FieldToText(int index, const T_NSBL_D& rec, CString& text) {
  if (index != COL_NAME) return CCmdRecordGrid::FieldToText(index, rec, text);
  T_NAME_D name;
  text = m_pName && m_pName->Get(rec.key, name) ? name.name : CString();
}

UINT CCmdNamedSlabLoadGrid::SlabKey(const CString& name) const {
  return m_pName && !name.IsEmpty() ? m_pName->GetKey(name, CClassName::TYPE_SLAB) : 0;
}

UINT CCmdNamedSlabLoadGrid::KeyOfName(const CString& name) {
  const UINT key = SlabKey(name);
  if (!key) SetWarningText(CMsgDll::pfuncLoadStr(kNotSlabName, 0));
  return key;
}

// A new row shows the key of the name chosen for it at once.
void CCmdNamedSlabLoadGrid::OnModifyCell(ROWCOL row, ROWCOL col) {
  CCmdRecordGrid::OnModifyCell(row, col);
  if (col != GetColumnNoFor(COL_NAME) || !IsPendingRowNew() || GetPendingRow() != row) return;
  CString id;
  if (UINT key = SlabKey(GetValueRowCol(row, col))) id.Format("%u", key);
  SetValueRange(CGXRange(row, GetColumnNoFor(COL_ID)), (LPCTSTR)id);
}

T_NSBL_D CCmdNamedSlabLoadGrid::OverStored(UINT key, const T_NSBL_D& row) {
  T_NSBL_D rec = row;
  T_NSBL_D stored;
  if (key && m_pTable && m_pTable->Get(key, stored)) rec = KeepShownReals(stored, row);
  return rec;
}

int CCmdNamedSlabLoadGrid::WriteMoves(const CUIntArray& oldKeys, const CUIntArray& newKeys,
                                      const CArray<T_NSBL_D>& recs) {
  if (!m_pTable || oldKeys.GetSize() != newKeys.GetSize() || newKeys.GetSize() != recs.GetSize()) return 0;
  std::unordered_set<UINT> vacated;
  for (INT_PTR i = 0; i < oldKeys.GetSize(); ++i)
    if (oldKeys[i] && oldKeys[i] != newKeys[i]) vacated.insert(oldKeys[i]);
  // A load stays under a name unless its own row moves it away; two rows never share one.
  std::unordered_set<UINT> taken;
  for (INT_PTR i = 0; i < newKeys.GetSize(); ++i) {
    const UINT k = newKeys[i];
    const bool holds = m_pTable->Exist(k) && k != oldKeys[i] && !vacated.count(k);
    if (!k || holds || !taken.insert(k).second) {
      SetWarningText(CMsgDll::pfuncLoadStr(kAlreadyExists, 0));
      return 0;
    }
  }
  CUIntArray modKeys, addKeys, delKeys;
  CArray<T_NSBL_D> modRecs, addRecs;
  for (INT_PTR i = 0; i < newKeys.GetSize(); ++i) {
    T_NSBL_D r = recs[i];
    r.key = newKeys[i];
    if (oldKeys[i] == newKeys[i]) {
      modKeys.Add(r.key);
      modRecs.Add(r);
    } else {
      addKeys.Add(r.key);
      addRecs.Add(r);
    }
  }
  for (UINT k : vacated) delKeys.Add(k);
  DB_CScopedChange change(m_pTable->GetDB());
  if (!change.IsOpen()) return 0;
  if (!modKeys.IsEmpty() && !m_pTable->TR_Modify(modKeys, modRecs)) return 0;
  if (!delKeys.IsEmpty() && !m_pTable->TR_Del(delKeys)) return 0;
  if (!addKeys.IsEmpty() && !m_pTable->TR_Add(addKeys, addRecs)) return 0;
  return change.Commit() ? 1 : 0;
}

int CCmdNamedSlabLoadGrid::AddRecord(ROWCOL row) {
  if (!CanSaveData() || !m_pTable) return 0;
  UINT shownKey = 0;
  T_NSBL_D rec;
  if (!RowToRecord(row, shownKey, rec)) return 0;
  const UINT key = KeyOfName(GetValueRowCol(row, GetColumnNoFor(COL_NAME)));
  if (!key) return 0;
  CUIntArray oldKeys, newKeys;
  CArray<T_NSBL_D> recs;
  oldKeys.Add(0);
  newKeys.Add(key);
  recs.Add(rec);
  return WriteMoves(oldKeys, newKeys, recs);
}

int CCmdNamedSlabLoadGrid::ModifyRecord(ROWCOL row) {
  if (!CanSaveData() || !m_pTable) return 0;
  const ROWCOL nameCol = GetColumnNoFor(COL_NAME);
  const CString before = GetValueRowColBeforeEdit(row, nameCol);
  const CString now = GetValueRowCol(row, nameCol);
  UINT oldKey = KeyOf(GetValueRowColBeforeEdit(row, GetColumnNoFor(COL_ID)));
  if (!oldKey) oldKey = SlabKey(before);
  UINT shownKey = 0;
  T_NSBL_D rec;
  if (!RowToRecord(row, shownKey, rec)) return 0;
  rec = OverStored(oldKey, rec);
  // The same name again: saved in place under the row's key (nothing written when nothing
  // changed, so no empty step joins the undo list).
  if (now == before && oldKey) {
    rec.key = oldKey;
    T_NSBL_D stored;
    const bool same = m_pTable->Get(oldKey, stored) && stored.DL == rec.DL && stored.LL == rec.LL &&
                      stored.description == rec.description;
    return same || m_pTable->TR_Modify(oldKey, rec) ? 1 : 0;
  }
  const UINT newKey = KeyOfName(now);
  if (!newKey) return 0;
  CUIntArray oldKeys, newKeys;
  CArray<T_NSBL_D> recs;
  oldKeys.Add(oldKey);
  newKeys.Add(newKey);
  recs.Add(rec);
  return WriteMoves(oldKeys, newKeys, recs);
}

// A pasted row's key is its name's (NewRecordFromStrings).
int CCmdNamedSlabLoadGrid::NewRecordFromStrings(CStringArray& strings, CUIntArray& map, CPtrArray& keys,
                                                CPtrArray& records) {
  if (!CCmdRecordGrid::NewRecordFromStrings(strings, map, keys, records)) return 0;
  const UINT key = KeyOfName(StringAt(strings, map, COL_NAME));
  if (!key) return 0;
  *static_cast<UINT*>(keys[keys.GetSize() - 1]) = key;
  static_cast<T_NSBL_D*>(records[records.GetSize() - 1])->key = key;
  return 1;
}

int CCmdNamedSlabLoadGrid::AddRecords(CPtrArray& keys, CPtrArray& records) {
  CUIntArray oldKeys, newKeys;
  CArray<T_NSBL_D> recs;
  for (INT_PTR i = 0; i < records.GetSize() && i < keys.GetSize(); ++i) {
    oldKeys.Add(0);
    newKeys.Add(*static_cast<UINT*>(keys[i]));
    recs.Add(*static_cast<T_NSBL_D*>(records[i]));
  }
  return WriteMoves(oldKeys, newKeys, recs);
}

int CCmdNamedSlabLoadGrid::ModifyRecords(CStringArray& keyTexts, CPtrArray& keys, CPtrArray& records) {
  CUIntArray oldKeys, newKeys;
  CArray<T_NSBL_D> recs;
  for (INT_PTR i = 0; i < records.GetSize() && i < keys.GetSize() && i < keyTexts.GetSize(); ++i) {
    const UINT oldKey = KeyOf(keyTexts[i]);
    oldKeys.Add(oldKey);
    newKeys.Add(*static_cast<UINT*>(keys[i]));
    recs.Add(OverStored(oldKey, *static_cast<T_NSBL_D*>(records[i])));
  }
  return WriteMoves(oldKeys, newKeys, recs);
}
