// Cell ranges of the grid: a block of cells, whole rows, whole columns or the whole table.
// Rows and columns are 1-based in the body; row 0 and column 0 are the headers.
#pragma once
#include <vector>
#include "afx/AfxTypes.h"

typedef UINT ROWCOL;

// Update flags of the grid's operations (the stand-in draws nothing; kept for the calls).
enum : UINT { GX_INVALIDATE = 0, GX_UPDATENOW = 1, GX_SMART = 2 };

class CGXRange {
 public:
  CGXRange() = default;
  CGXRange(ROWCOL nRow, ROWCOL nCol) : top(nRow), left(nCol), bottom(nRow), right(nCol), m_bValid(TRUE) {}
  CGXRange(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight)
      : top(nTop), left(nLeft), bottom(nBottom), right(nRight), m_bValid(TRUE) {}

  CGXRange& SetCells(ROWCOL nTop, ROWCOL nLeft, ROWCOL nBottom, ROWCOL nRight) {
    *this = CGXRange(nTop, nLeft, nBottom, nRight);
    return *this;
  }
  // Whole rows nFrom..nTo (all columns).
  CGXRange& SetRows(ROWCOL nFrom, ROWCOL nTo) {
    *this = CGXRange(nFrom, 0, nTo, 0);
    m_bRows = TRUE;
    return *this;
  }
  CGXRange& SetRows(ROWCOL nRow) { return SetRows(nRow, nRow); }
  // Whole columns nFrom..nTo (all rows).
  CGXRange& SetCols(ROWCOL nFrom, ROWCOL nTo) {
    *this = CGXRange(0, nFrom, 0, nTo);
    m_bCols = TRUE;
    return *this;
  }
  CGXRange& SetCols(ROWCOL nCol) { return SetCols(nCol, nCol); }
  CGXRange& SetTable() {
    *this = CGXRange(0, 0, 0, 0);
    m_bRows = m_bCols = TRUE;
    return *this;
  }

  BOOL IsValid() const { return m_bValid; }
  BOOL IsRows() const { return m_bRows && !m_bCols; }
  BOOL IsCols() const { return m_bCols && !m_bRows; }
  BOOL IsTable() const { return m_bRows && m_bCols; }
  BOOL IsCells() const { return m_bValid && !m_bRows && !m_bCols; }
  ROWCOL GetHeight() const { return bottom - top + 1; }
  ROWCOL GetWidth() const { return right - left + 1; }

  // The cells of the range in a grid of nRows x nCols (whole rows run over columns 1..nCols,
  // whole columns over rows 1..nRows).
  CGXRange ExpandTo(ROWCOL nRows, ROWCOL nCols) const {
    CGXRange r = *this;
    if (m_bRows) { r.left = 1; r.right = nCols; }
    if (m_bCols) { r.top = 1; r.bottom = nRows; }
    r.m_bRows = r.m_bCols = FALSE;
    return r;
  }
  BOOL IsCellInRange(ROWCOL nRow, ROWCOL nCol) const {
    if (!m_bValid) return FALSE;
    BOOL inRows = m_bCols || (nRow >= top && nRow <= bottom);
    BOOL inCols = m_bRows || (nCol >= left && nCol <= right);
    return inRows && inCols;
  }
  bool operator==(const CGXRange& o) const {
    return top == o.top && left == o.left && bottom == o.bottom && right == o.right &&
           m_bRows == o.m_bRows && m_bCols == o.m_bCols && m_bValid == o.m_bValid;
  }

  ROWCOL top = 0, left = 0, bottom = 0, right = 0;

 private:
  BOOL m_bValid = FALSE;
  BOOL m_bRows = FALSE;
  BOOL m_bCols = FALSE;
};

typedef std::vector<CGXRange> CGXRangeList;
