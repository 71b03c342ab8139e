// CCmdTowerStoryGrid: the shown tower, layout, standard-floor choices, row moves and the
// replay shared by the story grids of one tower.
#include "levels/CCmdTowerStoryGrid.h"

#include <cmath>
#include <cstdlib>
#include "levels/CCmdLevelGridSetup.h"

CCmdTowerStoryGrid::CCmdTowerStoryGrid(void* pOwner, int nPlanIndex, int nEditMode, BOOL bMaterials)
    : CCmdRecordGrid<CClassStor>(pOwner), m_nPlanIndex(nPlanIndex), m_nEditMode(nEditMode), m_bMaterials(bMaterials) {
  m_pPlan = FetchTable<CClassPlan>();
}

void CCmdTowerStoryGrid::BeginInitialize() {
  if (m_nEditMode != 1) m_required.clear();
  CmdSetupLevelGrid(*this, GetColumnWidths());
  if (m_nEditMode == 1) EnableAppendRow(TRUE);
  for (int i = 0; i < GetColInfoCount(); ++i)
    if (i != 1) SetStyleRange(CGXRange().SetCols(GetColumnNoFor(i)), CGXStyle().SetHorizontalAlignment(GX_HA_RIGHT));
}

void CCmdTowerStoryGrid::EndInitialize() { DisableFixedColumns(); }

void CCmdTowerStoryGrid::ShowTower(UINT towerKey) {
  CCmdDrawLock lock(*this);
  m_nTower = towerKey;
  FillChoices();
  m_bMainTower = towerKey == 1;
  m_bIndexValid = FALSE;
  CUIntArray keys;
  if (m_pTable) m_pTable->GetKeyListReverse(keys, towerKey);
  MakeItemEx(keys.GetData(), (int)keys.GetSize(), 0);
  AdjustAppendRowNo();
}

void CCmdTowerStoryGrid::FillChoices() { FillPlanChoices(GetColumnNoFor(m_nPlanIndex)); }

// ---- fields and rows ------------------------------------------------------------------------

void CCmdTowerStoryGrid::FieldToText(int index, const T_STOR_D& rec, CString& text) {
  if (index != m_nPlanIndex) return CCmdRecordGrid::FieldToText(index, rec, text);
  T_PLAN_D plan;
  text = m_pPlan && rec.planKey && m_pPlan->Get(rec.planKey, plan) ? plan.name : CString();
}

void CCmdTowerStoryGrid::TextToField(int index, const CString& text, T_STOR_D& rec) {
  rec.mdulKey = m_nTower;
  if (index == m_nPlanIndex) rec.planKey = m_pPlan ? m_pPlan->GetKey(text) : 0;
  else CCmdRecordGrid::TextToField(index, text, rec);
}

UINT CCmdTowerStoryGrid::GetKeyByName(const CString& name) { return m_pTable ? m_pTable->GetKey(name, m_nTower) : 0; }

// ---- writes ---------------------------------------------------------------------------------

BOOL CCmdTowerStoryGrid::GetStored(const CString& oldName, T_STOR_D& stored) {
  return m_pTable && m_pTable->Get(m_pTable->GetKey(oldName, m_nTower), stored);
}

T_STOR_D CCmdTowerStoryGrid::RecordToWrite(const CString& oldName, const T_STOR_D& rec) {
  T_STOR_D stored;
  if (!GetStored(oldName, stored)) return rec;
  T_STOR_D r = KeepShownReals(stored, rec);
  r.reserved = stored.reserved;
  r.masterStory = stored.masterStory;
  return r;
}

BOOL CCmdTowerStoryGrid::TableModify(const CString& oldName, const T_STOR_D& rec) {
  CStringArray names;
  names.Add(oldName);
  CArray<T_STOR_D> recs;
  recs.Add(rec);
  return TableModify(names, recs);
}

BOOL CCmdTowerStoryGrid::TableModify(const CStringArray& oldNames, const CArray<T_STOR_D>& recs) {
  if (!m_pTable || oldNames.GetSize() != recs.GetSize()) return FALSE;
  CArray<T_STOR_D> kept;
  for (INT_PTR i = 0; i < recs.GetSize(); ++i) kept.Add(RecordToWrite(oldNames[i], recs[i]));
  return m_bMaterials ? m_pTable->TR_Modify2(oldNames, kept) : m_pTable->TR_Modify1(oldNames, kept);
}

int CCmdTowerStoryGrid::ModifyRecord(ROWCOL row) {
  if (!CanSaveData() || !m_pTable) return 0;
  CString oldName = GetValueRowColBeforeEdit(row, GetColumnNoFor(GetNameColumnIndex()));
  UINT key = 0;
  T_STOR_D rec;
  if (!RowToRecord(row, key, rec)) return 0;
  CString planText = GetValueRowCol(row, GetColumnNoFor(m_nPlanIndex));
  const BOOL newPlan = rec.planKey == 0 && !planText.IsEmpty() && m_pPlan && m_pPlan->GetKey(planText) == 0;
  if (!newPlan) return TableModify(oldName, rec);
  // The new standard floor and the story's modification are one transaction.
  DB_CScopedChange change(m_pTable->GetDB());
  if (!change.IsOpen()) return 0;
  T_PLAN_D plan;
  plan.Initialize();
  plan.name = planText;
  BOOL ok = m_pPlan->TR_Add(plan);
  if (ok) {
    rec.planKey = m_pPlan->GetKey(planText);
    ok = TableModify(oldName, rec);
  }
  return ok && change.Commit();
}

int CCmdTowerStoryGrid::GetRecordCount() {
  if (!m_pTable) return 0;
  CUIntArray keys;
  m_pTable->GetKeyListReverse(keys, m_nTower);
  return (int)keys.GetSize();
}

void CCmdTowerStoryGrid::FillAllRows(int, CUIntArray&) {
  if (!m_pTable) return;
  CUIntArray keys;
  m_pTable->GetKeyListReverse(keys, m_nTower);
  T_STOR_D rec;
  ROWCOL row = 1;
  for (UINT k : keys)
    if (m_pTable->Get(k, rec)) RecordToRow(row++, k, rec);
}

void CCmdTowerStoryGrid::UnitChanged() {
  CCmdDrawLock lock(*this);
  CStringArray titles;
  SetHeaderTitles(titles, 0);
  MakeItemEx(nullptr, -2, 1);
}

// ---- standard floors ------------------------------------------------------------------------

std::unordered_set<UINT> CCmdTowerStoryGrid::PlansOfOtherTowers(const CClassStor& stor, UINT tower) {
  std::unordered_set<UINT> used(101);
  POSITION pos = stor.DB_GetStart();
  UINT key = 0;
  T_STOR_D rec;
  while (stor.GetNextData(pos, key, rec))
    if (rec.mdulKey != tower && rec.planKey) used.insert(rec.planKey);
  return used;
}

int CCmdTowerStoryGrid::PlanMayServeTower(const CClassStor* stor, UINT tower, UINT planKey, int bShowMessage) {
  if (!stor || !planKey || !PlansOfOtherTowers(*stor, tower).count(planKey)) return 1;
  if (bShowMessage) AfxMessageBox(CMsgDll::pfuncLoadStr("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules", 0));
  return 0;
}

void CCmdTowerStoryGrid::GetPlanKeysForTower(CUIntArray& keys) {
  keys.RemoveAll();
  if (!m_pPlan || !m_pTable) return;
  const std::unordered_set<UINT> usedElsewhere = PlansOfOtherTowers(*m_pTable, m_nTower);
  CUIntArray all;
  m_pPlan->GetKeyList(all);
  for (UINT k : all)
    if (!usedElsewhere.count(k)) keys.Add(k);
}

void CCmdTowerStoryGrid::FillPlanChoices(ROWCOL planCol) {
  CUIntArray keys;
  GetPlanKeysForTower(keys);
  CString choices, first;
  T_PLAN_D plan;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    if ((keys[i] == 1 && !m_bOfferPlanOne) || !m_pPlan->Get(keys[i], plan)) continue;
    if (i == 0) first = plan.name;
    choices += plan.name;
    choices += "\n";
  }
  if (planCol)
    SetStyleRange(CGXRange().SetCols(planCol), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetChoiceList(choices).SetValue(""));
  GetDefaultValues()[m_nPlanIndex - 1] = first;
}

// ---- row moves -------------------------------------------------------------------------------

BOOL CCmdTowerStoryGrid::MoveRows(ROWCOL first, ROWCOL last, ROWCOL target, UINT) {
  if (RefuseMoveWhileEditing() || !m_pTable) return FALSE;
  const ROWCOL count = GetRowCount();  // the append row included
  if (target == count + 1) target = count;
  // In the main tower the last row stands below the base story: nothing goes there.
  if (m_bMainTower && target == count && count > 1) target = count - 1;
  if (target >= first && target <= last + 1) return FALSE;
  CUIntArray selected;
  GetSelectedRows(selected);
  if (selected.GetSize() != (INT_PTR)(last - first + 1) || selected[0] != first ||
      selected[selected.GetUpperBound()] != last)
    return FALSE;
  UINT targetKey = (UINT)std::atol(GetValueRowColBeforeEdit(target, GetColumnNoFor(0)).c_str());
  int position = 0;
  if (targetKey && m_pTable->GetSeq(targetKey) != -1) position = m_pTable->GetSeq(targetKey) + 1;
  else position = m_pTable->GetSeq(m_pTable->GetBaseTopStorKey()) + 1;
  CUIntArray keys;
  ROWCOL nameCol = GetColumnNoFor(GetNameColumnIndex());
  for (ROWCOL r = last; r >= first && r >= 1; --r)
    if (UINT k = m_pTable->GetKey(GetValueRowColBeforeEdit(r, nameCol), m_nTower)) keys.Add(k);
  // The base story stays the lowest: dragging its row would put stories below it.
  for (UINT k : keys)
    if (m_pTable->IsBaseStor(k)) return FALSE;
  SetMovingRows(TRUE);
  m_pTable->TR_ChangeSeq(keys, position);
  SetMovingRows(FALSE);
  return FALSE;
}

// ---- the replay ----------------------------------------------------------------------------

int CCmdTowerStoryGrid::ReverseIndex(UINT key) {
  if (!m_bIndexValid) {
    m_reverseIndex.clear();
    CUIntArray keys;
    if (m_pTable) m_pTable->GetKeyListReverse(keys, m_nTower);
    m_reverseIndex.reserve((size_t)keys.GetSize());
    for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_reverseIndex[keys[i]] = (int)i;
    m_bIndexValid = TRUE;
  }
  auto it = m_reverseIndex.find(key);
  return it == m_reverseIndex.end() ? -1 : it->second;
}

int CCmdTowerStoryGrid::RowForNewKey(UINT key, const T_STOR_D&) {
  int index = ReverseIndex(key);
  return index < 0 ? (int)GetRowCount() : index + 1;
}

BOOL CCmdTowerStoryGrid::RowIsInPlace(ROWCOL row, UINT key) { return ReverseIndex(key) + 1 == (int)row; }

void CCmdTowerStoryGrid::ReplayAdd(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  if (std::fabs(rec.height) < 1e-9) m_replay.refill = TRUE;
  QueueAdd(key, rec);
}

void CCmdTowerStoryGrid::ReplayDel(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  QueueDel(key);
}

void CCmdTowerStoryGrid::ReplayModify(UINT key, const T_STOR_D& rec, UINT, const T_STOR_D& before) {
  m_replay.changed = TRUE;  // the levels may change: a tower stands on a story of another
  if (before.mdulKey != m_nTower) {
    if (rec.mdulKey == m_nTower) m_replay.refill = TRUE;
    else if (rec.planKey != before.planKey) m_replay.stories = TRUE;  // the choices
    return;
  }
  if (rec.mdulKey != m_nTower) m_replay.refill = TRUE;
  else QueueModify(key, rec);
}

void CCmdTowerStoryGrid::ReplayOther(int code, UINT) {
  if (code >= CClassPlan::UR_PLAN_ADD && code <= CClassPlan::UR_PLAN_MFS) m_replay.refill = TRUE;
}

void CCmdTowerStoryGrid::ApplyReplay() {
  const ReplayFlags r = m_replay;
  m_replay = ReplayFlags();
  m_bIndexValid = FALSE;  // the tower's list is read once, after the transaction
  if (IsMovingRows() || r.refill) {
    ShowTower(m_nTower);
  } else if (r.changed || r.stories || r.levels) {
    const BOOL moved = ApplyBatch();
    if (r.stories) FillPlanChoices(GetColumnNoFor(m_nPlanIndex));
    if (r.changed) ShowSelected();
    if (moved) ShowTower(m_nTower);
    else AdjustAppendRowNo();
  }
  m_bIndexValid = FALSE;
}
