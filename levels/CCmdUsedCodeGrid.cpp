#include "levels/CCmdUsedCodeGrid.h"

#include "ui/CMsgDll.h"

IMPLEMENT_DYNAMIC(CCmdUsedCodeGrid, CEditGrid)

namespace {
constexpr ROWCOL kRows = 6;
constexpr ROWCOL kCols = 3;
constexpr int kHeaderColWidth = 80;
constexpr COLORREF kHeaderGrey = RGB(212, 208, 200);
constexpr int kNormalWeight = 400;

// One row of the table: its title and the texts of columns 2 and 3 for each set; a NULL
// second text: the first covers both columns.
struct CodeRow {
  const char* title;
  const char* old2;
  const char* old3;
  const char* new2;
  const char* new3;
};
const CodeRow kTable[kRows] = {
    {"IDS_CMD_GRID_CLASS", "IDS_CMD_GRID_MULTI_STORY", "IDS_CMD_GRID_HIGH_STORY", "IDS_CMD_GRID_MULTI_STORY",
     "IDS_CMD_GRID_HIGH_STORY"},
    {"IDS_CMD_GRID_LOAD", "IDS_CMD_GRID_GB50009_01", nullptr, "IDS_CMD_GRID_GB50009_01", nullptr},
    {"IDS_CMD_GRID_SEISMIC", "IDS_CMD_GRID_GB50011_01", nullptr, "IDS_CMD_GRID_GB50011_10", nullptr},
    {"IDS_CMD_GRID_STEEL", "IDS_CMD_GRID_GB50017_03", "IDS_CMD_GRID_JGJ99_98", "IDS_CMD_GRID_GB50017_03",
     "IDS_CMD_GRID_JGJ99_98"},
    {"IDS_CMD_GRID_RC", "IDS_CMD_GRID_GB50010_02", "IDS_CMD_GRID_JGJ3_02", "IDS_CMD_GRID_GB50010_10",
     "IDS_CMD_GRID_JGJ3_10"},
    {"IDS_CMD_GRID_SRC", "IDS_CMD_GRID_JGJ138_01", nullptr, "IDS_CMD_GRID_JGJ138_01", nullptr},
};

CString Text(const char* key) { return CMsgDll::pfuncLoadStr(key, 0); }
}  // namespace

BOOL CCmdUsedCodeGrid::InitGrid(CWnd* pDlg, const CRect& rc, int* pCode) {
  if (!pDlg || !pDlg->m_hWnd || !pCode) return FALSE;
  m_pDlg = pDlg;
  m_pCode = pCode;
  if (!IsInitialized()) Initialize();
  const BOOL wasLocked = LockUpdate(TRUE);
  SetRowCount(kRows);
  SetColCount(kCols);
  HideRows(0, 0);
  HideCols(0, 0);
  SetRowHeight(1, kRows, (rc.Height() - 3) / (int)kRows);
  SetColWidth(1, 1, kHeaderColWidth);
  SetColWidth(2, kCols, (rc.Width() - 84) / 2);
  const CGXStyle header = CGXStyle().SetReadOnly(TRUE).SetInterior(kHeaderGrey).SetFontWeight(kNormalWeight);
  SetStyleRange(CGXRange(1, 1, 1, kCols), header);
  SetStyleRange(CGXRange(1, 1, kRows, 1), header);
  SetStyleRange(CGXRange(2, 2, kRows, kCols), CGXStyle().SetReadOnly(TRUE));
  for (ROWCOL r = 1; r <= kRows; ++r) {
    SetValueRange(CGXRange(r, 1), Text(kTable[r - 1].title));
    if (!kTable[r - 1].old3) SetCoveredCellsRowCol(r, 2, r, 3);
  }
  LockUpdate(wasLocked);
  if (!wasLocked) Redraw();
  FillCodes(*pCode);
  return TRUE;
}

int CCmdUsedCodeGrid::FillCodes(int nCode) {
  if (nCode != 0 && nCode != 1) return 0;
  const BOOL wasLocked = LockUpdate(TRUE);
  SetStyleRange(CGXRange(1, 2, kRows, kCols), CGXStyle().SetReadOnly(FALSE));
  for (ROWCOL r = 1; r <= kRows; ++r) {
    const CodeRow& row = kTable[r - 1];
    const char* c2 = nCode == 0 ? row.old2 : row.new2;
    const char* c3 = nCode == 0 ? row.old3 : row.new3;
    if (c3) {
      SetValueRange(CGXRange(r, 2), Text(c2));
      SetValueRange(CGXRange(r, 3), Text(c3));
    } else {
      SetStyleRange(CGXRange(r, 2, r, 3), CGXStyle().SetValue(Text(c2)));
    }
  }
  SetStyleRange(CGXRange(1, 2, kRows, kCols), CGXStyle().SetReadOnly(TRUE));
  LockUpdate(wasLocked);
  if (!wasLocked) Redraw();
  return 1;
}
