// CCmdPlanStoryGrid: the levels.
#include <unordered_map>
#include "levels/CCmdPlanStoryGrid.h"

void CCmdPlanStoryGrid::AdjustAppendRowNo() {
  CCmdTowerStoryGrid::AdjustAppendRowNo();
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
