// The grid's parameter object (behaviour switches) and properties (its colour numbers).
// Which switches exist is this stand-in's choice: the ones the module's grids turn.
#pragma once
#include <map>
#include "afx/AfxTypes.h"

class CGXGridParam {
 public:
  // Undo of cell changes inside the grid (the stand-in keeps no undo; the switch is kept).
  void EnableUndo(BOOL b) { m_bUndo = b; }
  BOOL IsEnableUndo() const { return m_bUndo; }
  // Rows and columns may be dragged with the mouse (CGXGridWnd::UserDragRows).
  void EnableMoveRows(BOOL b) { m_bMoveRows = b; }
  BOOL IsEnableMoveRows() const { return m_bMoveRows; }
  void EnableMoveCols(BOOL b) { m_bMoveCols = b; }
  BOOL IsEnableMoveCols() const { return m_bMoveCols; }
  // Column widths may be changed with the mouse.
  void EnableTrackColWidth(BOOL b) { m_bTrackColWidth = b; }
  BOOL IsEnableTrackColWidth() const { return m_bTrackColWidth; }
  // The grid evaluates formulas itself: a cell whose text starts with "=" shows its value.
  void EnableFormulaEngine(BOOL b) { m_bFormulas = b; }
  BOOL IsEnableFormulaEngine() const { return m_bFormulas; }
  // The state flag under which CCMGXGridWnd2 keeps the library's own colouring (set while
  // the grid prints or exports; the stand-in never sets it by itself).
  void SetDrawOrderState(BOOL b) { m_bDrawOrder = b; }
  BOOL GetDrawOrderState() const { return m_bDrawOrder; }

 private:
  BOOL m_bUndo = TRUE;
  BOOL m_bMoveRows = TRUE;
  BOOL m_bMoveCols = TRUE;
  BOOL m_bTrackColWidth = TRUE;
  BOOL m_bFormulas = FALSE;
  BOOL m_bDrawOrder = FALSE;
};

class CGXProperties {
 public:
  // Colour number n of the grid's drawing (grid lines, header, current-cell frame...).
  void SetColor(int n, COLORREF c) { m_colors[n] = c; }
  COLORREF GetColor(int n) const {
    auto it = m_colors.find(n);
    return it == m_colors.end() ? 0 : it->second;
  }

 private:
  std::map<int, COLORREF> m_colors;
};
