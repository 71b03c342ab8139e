#include "afx/CCheckListBox.h"

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CCheckListBox, CListBox)

// Item state bit 2 marks a disabled item (bit 1 is the selection).
static constexpr UINT kDisabled = 2;

BOOL CCheckListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CListBox::Create(dwStyle | LBS_OWNERDRAWFIXED | LBS_HASSTRINGS, rect, pParentWnd, nID);
}

void CCheckListBox::SetCheck(int nIndex, int nCheck) {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return;
  w->items[(size_t)nIndex].check = nCheck;
  w->needsPaint = true;
}

int CCheckListBox::GetCheck(int nIndex) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return 0;
  return w->items[(size_t)nIndex].check;
}

void CCheckListBox::Enable(int nIndex, BOOL bEnabled) {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return;
  UINT& s = w->items[(size_t)nIndex].state;
  s = bEnabled ? (s & ~kDisabled) : (s | kDisabled);
}

BOOL CCheckListBox::IsEnabled(int nIndex) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return FALSE;
  return (w->items[(size_t)nIndex].state & kDisabled) == 0;
}
