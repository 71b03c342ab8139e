// What a grid window offers the user-action driver: the cell actions a user takes on a
// spreadsheet grid. A grid window implements it next to its CWnd base; the driver finds it
// with dynamic_cast. Rows and columns are the grid's own numbers (row 0 and column 0 are
// the headers). Each action returns nonzero when done, 0 when a user could not take it
// (read-only cell, out of range): the driver then reports it refused.
#pragma once
#include <vector>
#include "afx/CString.h"

struct IAfxCellTarget {
  virtual ~IAfxCellTarget() = default;
  // Makes the cell current, replaces its text as typed and commits it (leaves the cell).
  virtual int UserEditCell(int row, int col, const char* text) = 0;
  // Pastes tab- and line-separated text with its top-left at the cell.
  virtual int UserPaste(int row, int col, const char* text) = 0;
  // Selects whole rows; the first becomes the current row.
  virtual int UserSelectRows(const std::vector<int>& rows) = 0;
  // The column whose header shows that text, or -1.
  virtual int UserFindColumn(const char* header) = 0;
  // A left click on a cell (a push-button cell is pressed).
  virtual int UserClickCell(int row, int col) = 0;
  // The text a cell shows.
  virtual CString UserGetCellText(int row, int col) = 0;
  // The visible cells, one row a line, cells separated by tabs, the header row first; a
  // cell's text escaped (AfxEscapeText), so that a tab or line feed in it breaks nothing.
  virtual std::vector<CString> UserDescribeCells() = 0;
  // Every column from 1 on, hidden ones included, one line a column:
  //   column N visible=0|1 "HEADER"
  // N being the number the cell actions take, HEADER quoted as AfxQuoteText does.
  virtual std::vector<CString> UserDescribeColumns() = 0;
};
