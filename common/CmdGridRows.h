// Reading a record grid's current row.
#pragma once
#include <cstdlib>
#include "uiutil/CTBBrowserWndEx.h"

// The key of the record in the grid's current row, whichever column the cursor is in:
// *pKey := the number in that row's key cell (the column of GetKeyColumnIndex; 0 for an
// empty cell) and 1. With no current cell, on row 0, on the append row or without a key
// column: 0, and *pKey is left as it was.
inline int GetCurrentRowNumber(CTBBrowserWndEx& grid, UINT* pKey) {
  ROWCOL row = 0, col = 0;
  if (!grid.GetCurrentCell(row, col) || row == 0 || grid.IsAppendRow(row)) return 0;
  const ROWCOL keyCol = grid.GetColumnNoFor(grid.GetKeyColumnIndex());
  if (!keyCol) return 0;
  if (pKey) *pKey = (UINT)std::atoi(grid.GetValueRowCol(row, keyCol).c_str());
  return 1;
}
