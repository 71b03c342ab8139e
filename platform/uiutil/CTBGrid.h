// The record-grid framework's grid: the spreadsheet window with the shared look.
//
// m_Color holds the grid colours every grid of the application shares (CCMGXGridWnd and
// CCMGXGridWnd2 colour their cells from it). The entries, this library's choice:
//   0 white          1 black (text)          2 light grey (read-only interior)
//   3 dark blue (current read-only text)     4 pale blue (current read-only interior)
//   5..10 spare greys                        11 dark red (text of the current row)
//   12..14 spare     15 dark grey (editable text)
//   16 white (editable interior)             17 spare
//   18 pale yellow (selected editable interior)
//   19 steel blue (the current-cell frame)
#pragma once
#include "grid/CGXGridWnd.h"

class CTBGrid : public CGXGridWnd {
  DECLARE_DYNAMIC(CTBGrid)

 public:
  enum { COLOR_COUNT = 20 };
  static const COLORREF m_Color[COLOR_COUNT];

  CTBGrid() = default;
  // The grid's setup, then the shared look: standard font size 9 weight 400, white
  // interior, black text.
  void Initialize() override;
};
