// CCmdStorGrid: showing a tower, the levels, the standard-floor choices and the replay.
#include <cmath>
#include <unordered_set>
#include "db/CClassGrnd.h"
#include "db/CClassMdul.h"
#include "levels/CCmdStorGrid.h"
#include "levels/CLevelOperUtil.h"
#include "ui/CCompFunc.h"

void CCmdStorGrid::ShowTower(UINT towerKey) {
  CCmdDrawLock lock(*this);
  m_nTower = towerKey;
  FillPlanChoices(GetColumnNoFor(COL_PLAN));
  m_bMainTower = towerKey == 1;
  CUIntArray keys;
  if (m_pTable) m_pTable->GetKeyListReverse(keys, towerKey);
  MakeItemEx(keys.GetData(), (int)keys.GetSize(), 0);
  AdjustAppendRowNo();
  if (CUnitCtrl* u = Units()) m_nShownLength = u->GetLengthUnit();
}

void CCmdStorGrid::AdjustAppendRowNo() {
  CCmdRecordGrid::AdjustAppendRowNo();
  ComputeLevels(GetColumnNoFor(COL_LEVEL));
  if (GetRowCount() > 1) return;
  ROWCOL r = 0, c = 0;
  if (!GetCurrentCell(r, c)) return;
  if (c == GetColumnNoFor(COL_LEVEL) || (m_bMainTower && c == GetColumnNoFor(COL_TRANSFER))) SetRightValidCell(r, 0);
}

void CCmdStorGrid::ComputeLevels(ROWCOL levelCol) {
  if (GetRowCount() <= 1 || !m_pTable || !levelCol) return;
  double level = 0.0;
  m_pTable->GetStartLevelofCurMdul(m_nTower, level);
  CUIntArray keys;
  CArray<T_STOR_D> recs;
  m_pTable->GetList(keys, recs, m_nTower);
  std::unordered_map<UINT, double> levels;
  levels.reserve((size_t)keys.GetSize());
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    level += recs[i].height;
    levels[keys[i]] = level;
  }
  CUnitCtrl* u = Units();
  ROWCOL curRow = 0, curCol = 0;
  const BOOL hasCurrent = GetCurrentCell(curRow, curCol);
  for (ROWCOL r = 1; r < GetRowCount(); ++r) {
    if (IsPendingRowNew() && GetPendingRow() == r && hasCurrent && curRow == r) continue;
    auto it = levels.find(GetRowKey(r));
    if (it != levels.end()) level = it->second;
    double shown = CCompFunc::CompRealTol(level, 0.0, CLevelOperUtil::GetLevelTolerance()) == 0 ? 0.0 : level;
    if (u) shown = u->ConvertOut(GetColUnitKind(COL_HEIGHT), shown);
    CString text;
    text.Format("%.13g", shown);
    SetValueRange(CGXRange(r, levelCol), (LPCTSTR)text);
    SetNumericRowCol(r, levelCol, TRUE);
  }
}

void CCmdStorGrid::GetPlanKeysForTower(CUIntArray& keys) {
  keys.RemoveAll();
  if (!m_pPlan || !m_pTable) return;
  std::unordered_set<UINT> usedElsewhere;
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

void CCmdStorGrid::FillPlanChoices(ROWCOL planCol) {
  CUIntArray keys;
  GetPlanKeysForTower(keys);
  CString choices, fallback;
  T_PLAN_D plan;
  for (INT_PTR i = 0; i < keys.GetSize(); ++i) {
    if (keys[i] == 1 || !m_pPlan->Get(keys[i], plan)) continue;
    choices += plan.name;
    choices += "\n";
    if (i == 0) fallback = plan.name;
  }
  if (planCol)
    SetStyleRange(CGXRange().SetCols(planCol), CGXStyle().SetControl(GX_IDS_CTRL_EDIT).SetChoiceList(choices).SetValue(""));
  GetDefaultValues()[COL_PLAN - 1] = fallback;
}

// ---- the replay ----------------------------------------------------------------------------

int CCmdStorGrid::ReverseIndex(UINT key) {
  if (!m_bIndexValid) {
    m_reverseIndex.clear();
    CUIntArray keys;
    if (m_pTable) m_pTable->GetKeyListReverse(keys, m_nTower);
    for (INT_PTR i = 0; i < keys.GetSize(); ++i) m_reverseIndex[keys[i]] = (int)i;
    m_bIndexValid = TRUE;
  }
  auto it = m_reverseIndex.find(key);
  return it == m_reverseIndex.end() ? -1 : it->second;
}

int CCmdStorGrid::RowForNewKey(UINT key, const T_STOR_D&) {
  int index = ReverseIndex(key);
  return index < 0 ? (int)GetRowCount() : index + 1;
}

BOOL CCmdStorGrid::RowIsInPlace(ROWCOL row, UINT key) { return ReverseIndex(key) + 1 == (int)row; }

// Stories of other towers count for the standard-floor choices and nothing else; a story
// moved to another tower, a standard-floor or tower change, or a story added with no
// height fills the grid again (once, instead of the incremental steps).
void CCmdStorGrid::ReplayAdd(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  if (std::fabs(rec.height) < 1e-9) m_replay.refill = TRUE;
  QueueAdd(key, rec);
}

void CCmdStorGrid::ReplayDel(UINT key, const T_STOR_D& rec) {
  m_replay.stories = TRUE;
  if (rec.mdulKey != m_nTower) return;
  m_replay.changed = TRUE;
  QueueDel(key);
}

void CCmdStorGrid::ReplayModify(UINT key, const T_STOR_D& rec, UINT, const T_STOR_D& before) {
  m_replay.changed = TRUE;  // the list held a story modification
  if (before.mdulKey != m_nTower) return;
  if (rec.mdulKey != m_nTower) m_replay.refill = TRUE;
  else QueueModify(key, rec);
}

void CCmdStorGrid::ReplayOther(int code, UINT) {
  if (code >= CClassPlan::UR_PLAN_ADD && code <= CClassPlan::UR_PLAN_MFS) m_replay.refill = TRUE;
  else if (code >= CClassMdul::UR_MDUL_ADD && code <= CClassMdul::UR_MDUL_MFS) m_replay.refill = TRUE;
  else if (code >= CClassGrnd::UR_GRND_ADD && code <= CClassGrnd::UR_GRND_MFS) m_replay.levels = TRUE;
}

void CCmdStorGrid::ApplyReplay() {
  const Replay r = m_replay;
  m_replay = Replay();
  m_bIndexValid = FALSE;  // the tower's list is read once, after the transaction
  if (IsMovingRows() || r.refill) {
    ShowTower(m_nTower);
  } else if (r.changed || r.stories || r.levels) {
    const BOOL moved = ApplyBatch();
    if (r.stories) FillPlanChoices(GetColumnNoFor(COL_PLAN));
    if (r.changed) ShowSelected();
    if (moved) ShowTower(m_nTower);
    else AdjustAppendRowNo();  // and the levels, once
  }
  m_bIndexValid = FALSE;
}
