// The setup the three grids of the levels page share (towers, standard floors, stories),
// made under the grid's drawing lock by their Initialize: the framework's initialisation;
// standard font size 10, weight 400; append row and insert key off; header row 40 high;
// the key column (index 0) disabled and hidden for the program's own reasons; the name
// column (index 1) left-aligned; the column widths in grid-column order; the right-most
// valid cell (1, 1).
#pragma once
#include <vector>
#include "uiutil/CTBCommon.h"

inline void CmdSetupLevelGrid(CTBCommon& grid, const std::vector<int>& widths) {
  grid.CTBCommon::Initialize();
  grid.ChangeStandardStyle(CGXStyle().SetFontSize(10).SetFontWeight(400));
  grid.EnableAppendRow(FALSE);
  grid.SetRowHeight(0, 0, 40);
  ROWCOL keyCol = grid.GetColumnNoFor(0), nameCol = grid.GetColumnNoFor(1);
  grid.SetStyleRange(CGXRange().SetCols(keyCol), CGXStyle().SetEnabled(FALSE));
  grid.HideColsByIntend(keyCol, keyCol, TRUE);
  grid.SetStyleRange(CGXRange().SetCols(nameCol), CGXStyle().SetHorizontalAlignment(GX_HA_LEFT));
  ROWCOL c = 1;
  for (int w : widths) grid.SetColWidth(c, c, w), ++c;
  grid.SetRightValidCell(1, 1);
  grid.EnableInsertRowByPressingKey(FALSE);
}
