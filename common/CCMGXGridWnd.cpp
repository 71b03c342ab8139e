#include "common/CCMGXGridWnd.h"

#include <memory>
#include "afx/AfxMessageBox.h"
#include "afx/AfxWinDefs.h"
#include "grid/GXClipboard.h"
#include "grid/GXKeyState.h"
#include "ui/CMsgDll.h"
#include "uiutil/CTBGrid.h"

IMPLEMENT_DYNAMIC(CCMGXGridWnd, CGXGridWnd)

void CCMGXGridWnd::Initialize() {
  CGXGridWnd::Initialize();
  GetParam()->EnableUndo(FALSE);
  GetParam()->EnableMoveCols(FALSE);
  GetParam()->EnableTrackColWidth(FALSE);
  GetProperties()->SetColor(4, CTBGrid::m_Color[19]);
  ChangeRowHeaderStyle(CGXStyle());
  ChangeColHeaderStyle(CGXStyle());
  ChangeStandardStyle(CGXStyle().SetInterior(CTBGrid::m_Color[2]));
}

BOOL CCMGXGridWnd::Copy() {
  // A column (row) is selected when some selected range spans it.
  auto spans = [&](ROWCOL n, bool col) {
    for (const CGXRange& s : GetSelectionList()) {
      CGXRange e = s.ExpandTo(GetRowCount(), GetColCount());
      if (col ? (n >= e.left && n <= e.right) : (n >= e.top && n <= e.bottom)) return true;
    }
    return false;
  };
  for (ROWCOL c = 1; c <= GetColCount(); ++c)
    if (IsColHidden(c) && spans(c, true)) SelectRange(CGXRange().SetCols(c), FALSE);
  for (ROWCOL r = 1; r <= GetRowCount(); ++r)
    if (IsRowHidden(r) && spans(r, false)) SelectRange(CGXRange().SetRows(r), FALSE);
  return CGXGridWnd::Copy();
}

BOOL CCMGXGridWnd::OnPasteFromClipboard(const CGXRange& range) {
  // Measure the clipboard in a hidden grid.
  auto measure = std::make_unique<CGXGridWnd>();
  if (m_hWnd) measure->Create("GXWND", "", WS_CHILD, CRect(0, 0, 1, 1), this, 0);
  measure->SetRowCount(0);
  measure->SetColCount(1);
  measure->PasteTextAt(CGXClipboard::GetText(), CGXRange(1, 1));
  ROWCOL clipRows = measure->GetRowCount(), clipCols = measure->GetColCount();
  if (measure->m_hWnd) measure->DestroyWindow();
  measure.reset();

  const char* refusal = nullptr;
  if (range.GetHeight() > 1 || range.GetWidth() > 1) {
    BOOL oneRowFits = clipRows == 1 && clipCols == range.GetWidth();
    if ((range.GetHeight() != clipRows || range.GetWidth() != clipCols) && !oneRowFits)
      refusal = "IDS_CMD_PASTE_RANGE_MISMATCH";
  } else {
    ROWCOL r = range.top, c = range.left;
    GetCurrentCell(r, c);
    if (c + clipCols - 1 > GetColCount()) refusal = "IDS_CMD_PASTE_EXCEED_COLUMN";
    else if (r + clipRows - 1 > GetRowCount()) refusal = "IDS_CMD_PASTE_EXCEED_ROW";
  }
  if (refusal) {
    AfxMessageBox(CMsgDll::pfuncLoadStr(refusal, 0));
    return FALSE;
  }
  return CGXGridWnd::OnPasteFromClipboard(range);
}

BOOL CCMGXGridWnd::ProcessKeys(CWnd* pSender, UINT nMessage, UINT nChar, UINT nRepCnt, UINT flags) {
  if (nMessage == WM_KEYDOWN && (nChar == VK_INSERT || nChar == VK_DELETE) && !GXIsKeyDown(VK_CONTROL) &&
      !GXIsKeyDown(VK_SHIFT))
    return TRUE;
  return CGXGridWnd::ProcessKeys(pSender, nMessage, nChar, nRepCnt, flags);
}
