// The read-only table of the design-code set dialog: 6 rows by 3 columns (row 1 and column
// 1 are headers, the grid's own header row and column are hidden) listing the codes the
// chosen set applies to loads, seismic design, steel, reinforced concrete and
// steel-reinforced concrete. A text that covers columns 2 and 3 is one covered cell.
// No cell can be edited by the user.
#pragma once
#include "uiutil/CEditGrid.h"

class CCmdUsedCodeGrid : public CEditGrid {
  DECLARE_DYNAMIC(CCmdUsedCodeGrid)

 public:
  CCmdUsedCodeGrid() = default;

  // Sets the table up inside rc (pixels) and shows the codes of *pCode. Nothing happens
  // when the dialog has no window or pCode is NULL (0).
  BOOL InitGrid(CWnd* pDlg, const CRect& rc, int* pCode);
  // Writes the codes of set 0 (the older codes) or 1 (the 2010 codes): 1. Any other set
  // writes nothing: 0.
  int FillCodes(int nCode);

 private:
  CWnd* m_pDlg = nullptr;
  int* m_pCode = nullptr;
};
