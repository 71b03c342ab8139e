// CCmdPlanStoryGrid: showing a tower, the levels, the standard-floor choices, row moves
// and the replay.
#include <cmath>
#include <cstdlib>
#include <unordered_set>
#include "levels/CCmdPlanStoryGrid.h"

void CCmdPlanStoryGrid::ShowTower(UINT towerKey) {
  CCmdDrawLock lock(*this);
  m_nTower = towerKey;
  FillPlanChoices(GetColumnNoFor(COL_PLAN));
  m_bMainTower = towerKey == 1;
  m_bIndexValid = FALSE;
  CUIntArray keys;
  if (m_pTable) m_pTable->GetKeyListReverse(keys, towerKey);
  MakeItemEx(keys.GetData(), (int)keys.GetSize(), 0);
  AdjustAppendRowNo();
}

void CCmdPlanStoryGrid::AdjustAppendRowNo() {
  CCmdRecordGrid::AdjustAppendRowNo();
  ComputeLevels(GetColumnNoFor(COL_LEVEL1), GetColumnNoFor(COL_LEVEL2));
  if (GetRowCount() > 1) return;
  ROWCOL r = 0, c = 0;
  if (!GetCurrentCell(r, c)) return;
  const int index = GetIndexForColumn(c);
  BOOL fixed = index == COL_LEVEL1 || index == COL_LEVEL2;
  if (m_bMainTower) fixed = fixed || index == COL_TRANSFER || index == COL_BEND;
  if (fixed) SetRightValidCell(r, 0);
}

void CCmdPlanStoryGrid::ComputeLevels(ROWCOL level1Col, ROWCOL level2Col) {
  if (GetRowCount() <= 1 || !m_pTable || !level1Col || !level2Col) return;
  double level = 0.0;
  m_pTable->GetStartLevelofCurMdul(m_nTower, level);
  CUIntArray keys;
  CArray<T_STOR_D> recs;
  m_pTable->GetList(keys, recs, m_nTower);
  struct Levels {
    double bottom, top;
  };
  std::unordered_map<UINT, Levels> levels;
  levels.reserve((size_t)keys.GetSize());
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    const double bottom = level;
    level += recs[i].height;
    levels[keys[i]] = {bottom, level};
  }
  CUnitCtrl* u = CDBDoc::m_pDBDoc ? CDBDoc::m_pDBDoc->GetUnitCtrl() : nullptr;
  const int kind = GetColUnitKind(COL_HEIGHT);
  ROWCOL curRow = 0, curCol = 0;
  const BOOL hasCurrent = GetCurrentCell(curRow, curCol);
  for (ROWCOL r = 1; r < GetRowCount(); ++r) {
    if (IsPendingRowNew() && GetPendingRow() == r && hasCurrent && curRow == r) continue;
    auto it = levels.find(GetRowKey(r));
    if (it == levels.end()) continue;  // no story of the tower: the row keeps its texts
    const double pair[2] = {it->second.bottom, it->second.top};
    const ROWCOL cols[2] = {level1Col, level2Col};
    for (int i = 0; i < 2; ++i) {
      CString text;
      text.Format("%.13g", u ? u->ConvertOut(kind, pair[i]) : pair[i]);
      SetValueRange(CGXRange(r, cols[i]), (LPCTSTR)text);
      SetNumericRowCol(r, cols[i], TRUE);
    }
  }
}

void CCmdPlanStoryGrid::GetPlanKeysForTower(CUIntArray& keys) {
  keys.RemoveAll();
  if (!m_pPlan || !m_pTable) return;
  std::unordered_set<UINT> usedElsewhere(101);
  POSITION pos = m_pTable->DB_GetStart();
  UINT key = 0;
  T_STOR_D rec;
  while (m_pTable->GetNextData(pos, key, rec))
    if (rec.mdulKey != m_nTower && rec.planKey) usedElsewhere.insert(rec.planKey);
  CUIntArray all;
  m_pPlan->GetKeyList(all);
  for (UINT k : all)
    if (!usedElsewhere.count(k)) keys.Add(k);
}

void CCmdPlanStoryGrid::FillPlanChoices(ROWCOL planCol) {
  CUIntArray keys;
  GetPlanKeysForTower(keys);
  CString choices, first;
  T_PLAN_D plan;
  for (UINT k : keys) {
    if (!m_pPlan->Get(k, plan)) continue;
    if (choices.IsEmpty()) first = plan.name;
    choices += plan.name;
    choices += "\n";
  }
  if (planCol)
    SetStyleRange(CGXRange().SetCols(planCol), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetChoiceList(choices).SetValue(""));
  GetDefaultValues()[COL_PLAN - 1] = first;
}

// ---- row moves -----------------------------------------------------------------------------

BOOL CCmdPlanStoryGrid::MoveRows(ROWCOL first, ROWCOL last, ROWCOL target, UINT) {
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
  UINT targetKey = (UINT)std::atol(GetValueRowColBeforeEdit(target, GetColumnNoFor(COL_KEY)).c_str());
  int position = 0;
  if (targetKey && m_pTable->GetSeq(targetKey) != -1) position = m_pTable->GetSeq(targetKey) + 1;
  else position = m_pTable->GetSeq(m_pTable->GetBaseTopStorKey()) + 1;
  CUIntArray keys;
  ROWCOL nameCol = GetColumnNoFor(COL_NAME);
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

int CCmdPlanStoryGrid::ReverseIndex(UINT key) {
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

int CCmdPlanStoryGrid::RowForNewKey(UINT key, const T_STOR_D&) {
  int index = ReverseIndex(key);
  return index < 0 ? (int)GetRowCount() : index + 1;
}

BOOL CCmdPlanStoryGrid::RowIsInPlace(ROWCOL row, UINT key) { return ReverseIndex(key) + 1 == (int)row; }

void CCmdPlanStoryGrid::ReplayAdd(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  if (std::fabs(rec.height) < 1e-9) m_replay.refill = TRUE;
  QueueAdd(key, rec);
}

void CCmdPlanStoryGrid::ReplayDel(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  QueueDel(key);
}

void CCmdPlanStoryGrid::ReplayModify(UINT key, const T_STOR_D& rec, UINT, const T_STOR_D& before) {
  m_replay.changed = TRUE;  // the levels may change: a tower stands on a story of another
  if (before.mdulKey != m_nTower) {
    if (rec.mdulKey == m_nTower) m_replay.refill = TRUE;
    else if (rec.planKey != before.planKey) m_replay.stories = TRUE;  // the choices
    return;
  }
  if (rec.mdulKey != m_nTower) m_replay.refill = TRUE;
  else QueueModify(key, rec);
}

void CCmdPlanStoryGrid::ReplayOther(int code, UINT) {
  if (code >= CClassPlan::UR_PLAN_ADD && code <= CClassPlan::UR_PLAN_MFS) m_replay.refill = TRUE;
}

void CCmdPlanStoryGrid::ApplyReplay() {
  const ReplayFlags r = m_replay;
  m_replay = ReplayFlags();
  m_bIndexValid = FALSE;  // the tower's list is read once, after the transaction
  if (IsMovingRows() || r.refill) {
    ShowTower(m_nTower);
  } else if (r.changed || r.stories) {
    const BOOL moved = ApplyBatch();
    if (r.stories) FillPlanChoices(GetColumnNoFor(COL_PLAN));
    if (r.changed) ShowSelected();
    if (moved) ShowTower(m_nTower);
    else AdjustAppendRowNo();  // and the levels, once
  }
  m_bIndexValid = FALSE;
}
