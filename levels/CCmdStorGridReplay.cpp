// CCmdStorGrid: the levels and the replay's particulars.
#include <unordered_map>
#include "db/CClassGrnd.h"
#include "db/CClassMdul.h"
#include "levels/CCmdStorGrid.h"
#include "levels/CLevelOperUtil.h"
#include "ui/CCompFunc.h"

void CCmdStorGrid::AdjustAppendRowNo() {
  CCmdTowerStoryGrid::AdjustAppendRowNo();
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

// ---- the replay's particulars ----------------------------------------------------------------

// A tower change fills the grid again; the ground moves the levels.
void CCmdStorGrid::ReplayOther(int code, UINT key) {
  if (code >= CClassMdul::UR_MDUL_ADD && code <= CClassMdul::UR_MDUL_MFS) MarkRefill();
  else if (code >= CClassGrnd::UR_GRND_ADD && code <= CClassGrnd::UR_GRND_MFS) MarkLevels();
  else CCmdTowerStoryGrid::ReplayOther(code, key);
}
