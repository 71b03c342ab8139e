// The story table of the plan and story dialog's story page: the stories of one tower, the
// top story first, with name, height, the computed bottom and top levels (Level1,
// Level2), standard floor by name, dead and live load and the transfer flag. Cells are
// edited in place, rows dragged into a new order; every change is one transaction of the
// story table and the rows follow through the replay of update records.
//
// Columns (rows in CCmdPlanStoryGrid.cpp; grid column = index + 1): 0 key (hidden), 1 Name,
// 2 Height, 3 Level1, 4 Level2 (computed, disabled), 5 Plan, 6 DL, 7 LL, 8 Transfer (check
// box), 9 bending stiffness factor (hidden, disabled), 10 Property (hidden, always "X").
// The base story's row (key 1) edits only Name, DL and LL.
//
// Rules:
// - Edit mode 1 (the story page's) requires Name, Height and Plan of a row.
// - Levels: the tower's start level plus the stored heights of the stories below (Level1)
//   and up to (Level2) each one, from one list of the tower (ComputeLevels, run by
//   AdjustAppendRowNo), written as summed ("%.13g" in current units).
// - A typed name of a standard floor another tower uses is refused
//   ("IDS_WG_CMD_IP_STORYDLG_WARNING_Already_used_modules"); a typed name no standard floor
//   has makes one when an existing story's row is saved (CCmdTowerStoryGrid). A new row or
//   a paste with an unknown name gets no standard floor.
// - A height is refused below 0 on the value a formula gives ("=0-5" like "-5",
//   "IDS_WG_CMD__ADDD__Height_can_t_be_negative_"); a negative bending factor is refused
//   without a text.
// - A row is saved over the stored story: fields the row does not show stay, and a real
//   whose cell still shows the stored value's text keeps the stored value.
// - Tower handling, Plan choices, row moves and the replay: CCmdTowerStoryGrid.
// - A selection of whole rows goes to the owner (OnGridSelChanged) with its count and
//   first key.
#pragma once
#include "levels/CCmdTowerStoryGrid.h"
#include "levels/ICmdPlanStoryGridOwner.h"

class CCmdPlanStoryGrid : public CCmdTowerStoryGrid {
 public:
  enum {
    COL_KEY = 0, COL_NAME, COL_HEIGHT, COL_LEVEL1, COL_LEVEL2, COL_PLAN, COL_DL, COL_LL, COL_TRANSFER,
    COL_BEND, COL_PROPERTY, COL_COUNT
  };

  explicit CCmdPlanStoryGrid(ICmdPlanStoryGridOwner* pOwner);

  void Initialize() override;

  // ---- fields ---------------------------------------------------------------------------
  void FieldToText(int index, const T_STOR_D& rec, CString& text) override;

  // ---- hooks ------------------------------------------------------------------------------
  int ValidateField(LPCTSTR text, int index) override;
  void FillRowFromStrings(ROWCOL nRow, CStringArray& strings) override;
  void AdjustAppendRowNo() override;
  void OnChangedSelectionPublic(const UINT* keys, int count) override;

  // Writes the levels into the Level1 and Level2 columns (grid columns).
  void ComputeLevels(ROWCOL level1Col, ROWCOL level2Col);

 protected:
  void OnRowWritten(ROWCOL row, UINT key, const T_STOR_D& rec) override;

 private:
  ICmdPlanStoryGridOwner* m_pPageOwner = nullptr;
};
