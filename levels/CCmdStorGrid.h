// The story grid of the levels page: the stories of one tower, the top story first, with
// the name (not edited here), height, computed top level, standard floor, dead load,
// live load and transfer flag. Heights, standard floors, loads and the flag are edited in
// place, stories are dragged into a new order; every change is one transaction of the
// story table and the rows follow through the replay of update records. While the
// document traces a model-check finding the flagged cells are painted red.
//
// Columns (their rows in CCmdStorGrid.cpp; grid column = index + 1): the hidden key, the
// name (not edited), height, the computed top level, the standard floor by name (its
// choices: the standard floors no other tower's story uses, but key 1), dead and live
// loads, and the transfer flag as a check box. The base story's row (key 1, main tower)
// edits only the loads.
//
// Levels: the tower's start level plus the stored heights of its stories up to each one,
// from one list of the tower and a map from story key to level (ComputeLevels, run by
// AdjustAppendRowNo); within CLevelOperUtil::GetLevelTolerance of 0 a level is 0.
//
// A negative height is refused on the value a formula gives, so "=0-5" is refused like
// "-5". The standard floor with key 1 is never offered.
//
// Tower handling, Plan choices, a standard floor made by its typed name, row moves and the
// replay are CCmdTowerStoryGrid's; tower entries fill the grid again as well, ground
// entries write the levels again. A left click on an enabled story cell hands the story to
// the owner (ICmdStorGridOwner::ShowStoryDefaults (1, key)).
#pragma once
#include "levels/CCmdTowerStoryGrid.h"
#include "levels/ICmdStorGridOwner.h"

class CCmdStorGrid : public CCmdTowerStoryGrid {
  DECLARE_MESSAGE_MAP()

 public:
  enum { COL_KEY = 0, COL_NAME, COL_HEIGHT, COL_LEVEL, COL_PLAN, COL_DL, COL_LL, COL_TRANSFER, COL_COUNT };

  // The page binds the grid to placeholder 16377, calls Initialize, then ShowTower (1).
  explicit CCmdStorGrid(ICmdStorGridOwner* pOwner);

  void Initialize() override;

  // ---- hooks with the story grid's particulars ----------------------------------------
  int ValidateField(LPCTSTR text, int index) override;
  void FillRowsForKeys(int n, const UINT* keys, CUIntArray& colNos) override;
  void FillAllRows(int n, CUIntArray& colNos) override;
  void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) override;
  // The framework's append-row upkeep, then the levels; with no story row a current cell
  // on a column that cannot be entered moves on.
  void AdjustAppendRowNo() override;

  // ---- mouse, colours ---------------------------------------------------------------------
  BOOL GetStyleRowCol(ROWCOL nRow, ROWCOL nCol, CGXStyle& style, GXModifyType mt = gxCopy, int nType = 0) override;
  void OnLButtonDown(UINT nFlags, CPoint point);

  // Writes the levels into the Level column (grid column levelCol).
  void ComputeLevels(ROWCOL levelCol);

 protected:
  void OnRowWritten(ROWCOL row, UINT key, const T_STOR_D& rec) override;
  // As the base's, and the stored bending factor (no column here).
  T_STOR_D RecordToWrite(const CString& oldName, const T_STOR_D& rec) override;
  void ReplayOther(int code, UINT key) override;

 private:
  CUnitCtrl* Units() const;
  void KeepShownLength();
  // The length unit the shown texts were written in (for FillRowFromStrings).
  int m_nShownLength = -1;

  ICmdStorGridOwner* m_pPageOwner = nullptr;
};
