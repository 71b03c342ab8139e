#include "afx/CListBox.h"

#include <cstring>

#include "afx/AfxControlProc.h"
#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CListBox, CWnd)

namespace {
bool Multi(const AfxWndState* w) { return (w->style & (LBS_MULTIPLESEL | LBS_EXTENDEDSEL)) != 0; }
bool Valid(const AfxWndState* w, int i) { return w && i >= 0 && i < (int)w->items.size(); }
}  // namespace

BOOL CListBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("LISTBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

BOOL CListBox::IsMultiSel() const {
  AfxWndState* w = State();
  return w && Multi(w);
}

int CListBox::GetCount() const {
  AfxWndState* w = State();
  return w ? (int)w->items.size() : LB_ERR;
}

int CListBox::GetCurSel() const {
  AfxWndState* w = State();
  if (!w) return LB_ERR;
  if (Multi(w)) return Valid(w, w->caret) ? w->caret : LB_ERR;
  return Valid(w, w->curSel) ? w->curSel : LB_ERR;
}

int CListBox::SetCurSel(int nSelect) {
  AfxWndState* w = State();
  if (!w || Multi(w)) return LB_ERR;
  bool ok = Valid(w, nSelect);
  w->curSel = ok ? nSelect : -1;
  if (ok) w->caret = nSelect;
  w->needsPaint = true;
  return ok ? nSelect : LB_ERR;
}

int CListBox::GetSel(int nIndex) const {
  AfxWndState* w = State();
  if (!Valid(w, nIndex)) return LB_ERR;
  return Multi(w) ? (int)(w->items[(size_t)nIndex].state & 1) : (w->curSel == nIndex ? 1 : 0);
}

int CListBox::SetSel(int nIndex, BOOL bSelect) {
  AfxWndState* w = State();
  if (!w) return LB_ERR;
  if (!Multi(w)) {
    if (!Valid(w, nIndex)) return LB_ERR;
    if (bSelect)
      w->curSel = nIndex;
    else if (w->curSel == nIndex)
      w->curSel = -1;
    return LB_OKAY;
  }
  if (nIndex == -1) {
    for (AfxItem& it : w->items) it.state = (it.state & ~1u) | (bSelect ? 1u : 0u);
    return LB_OKAY;
  }
  if (!Valid(w, nIndex)) return LB_ERR;
  UINT& st = w->items[(size_t)nIndex].state;
  st = (st & ~1u) | (bSelect ? 1u : 0u);
  w->caret = nIndex;
  w->needsPaint = true;
  return LB_OKAY;
}

int CListBox::GetSelCount() const {
  AfxWndState* w = State();
  if (!w || !Multi(w)) return LB_ERR;
  int n = 0;
  for (const AfxItem& it : w->items) n += (it.state & 1) ? 1 : 0;
  return n;
}

int CListBox::GetSelItems(int nMaxItems, LPINT rgIndex) const {
  AfxWndState* w = State();
  if (!w || !Multi(w)) return LB_ERR;
  int n = 0;
  for (int i = 0; i < (int)w->items.size() && n < nMaxItems; ++i)
    if (w->items[(size_t)i].state & 1) rgIndex[n++] = i;
  return n;
}

int CListBox::SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem) {
  for (int i = nFirstItem; i <= nLastItem; ++i)
    if (SetSel(i, bSelect) == LB_ERR) return LB_ERR;
  return LB_OKAY;
}

int CListBox::GetCaretIndex() const {
  AfxWndState* w = State();
  return w && Valid(w, w->caret) ? w->caret : (w && !w->items.empty() ? 0 : LB_ERR);
}

int CListBox::SetCaretIndex(int nIndex, BOOL) {
  AfxWndState* w = State();
  if (!Valid(w, nIndex)) return LB_ERR;
  w->caret = nIndex;
  return LB_OKAY;
}

int CListBox::AddString(LPCTSTR lpszItem) {
  AfxWndState* w = State();
  if (!w) return LB_ERR;
  int pos = (w->style & LBS_SORT) ? AfxSortedInsertPos(w->items, lpszItem ? lpszItem : "") : (int)w->items.size();
  return InsertString(pos, lpszItem);
}

int CListBox::InsertString(int nIndex, LPCTSTR lpszItem) {
  AfxWndState* w = State();
  if (!w) return LB_ERR;
  int n = (int)w->items.size();
  if (nIndex < 0) nIndex = n;
  if (nIndex > n) return LB_ERR;
  AfxItem it;
  it.text = lpszItem ? lpszItem : "";
  w->items.insert(w->items.begin() + nIndex, it);
  if (w->curSel >= nIndex) ++w->curSel;
  if (w->caret >= nIndex) ++w->caret;
  w->needsPaint = true;
  return nIndex;
}

int CListBox::DeleteString(UINT nIndex) {
  AfxWndState* w = State();
  if (!Valid(w, (int)nIndex)) return LB_ERR;
  w->items.erase(w->items.begin() + nIndex);
  for (int* p : {&w->curSel, &w->caret}) {
    if (*p == (int)nIndex)
      *p = -1;
    else if (*p > (int)nIndex)
      --*p;
  }
  w->needsPaint = true;
  return (int)w->items.size();
}

void CListBox::ResetContent() {
  AfxWndState* w = State();
  if (!w) return;
  w->items.clear();
  w->curSel = w->caret = -1;
  w->needsPaint = true;
}

int CListBox::GetText(int nIndex, LPTSTR lpszBuffer) const {
  AfxWndState* w = State();
  if (!Valid(w, nIndex)) return LB_ERR;
  const CString& t = w->items[(size_t)nIndex].text;
  if (lpszBuffer) std::memcpy(lpszBuffer, t.c_str(), (size_t)t.GetLength() + 1);
  return t.GetLength();
}

void CListBox::GetText(int nIndex, CString& rString) const {
  AfxWndState* w = State();
  if (Valid(w, nIndex))
    rString = w->items[(size_t)nIndex].text;
  else
    rString.Empty();
}

int CListBox::GetTextLen(int nIndex) const {
  AfxWndState* w = State();
  return Valid(w, nIndex) ? w->items[(size_t)nIndex].text.GetLength() : LB_ERR;
}

int CListBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  AfxWndState* w = State();
  if (!Valid(w, nIndex)) return LB_ERR;
  w->items[(size_t)nIndex].data = dwItemData;
  return LB_OKAY;
}

DWORD_PTR CListBox::GetItemData(int nIndex) const {
  AfxWndState* w = State();
  return Valid(w, nIndex) ? w->items[(size_t)nIndex].data : (DWORD_PTR)(intptr_t)LB_ERR;
}

int CListBox::FindString(int nStartAfter, LPCTSTR lpszItem) const {
  AfxWndState* w = State();
  return w ? AfxFindItem(w->items, nStartAfter, lpszItem, false) : LB_ERR;
}

int CListBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  AfxWndState* w = State();
  return w ? AfxFindItem(w->items, nIndexStart, lpszFind, true) : LB_ERR;
}

int CListBox::SelectString(int nStartAfter, LPCTSTR lpszItem) {
  AfxWndState* w = State();
  if (!w || Multi(w)) return LB_ERR;
  int i = FindString(nStartAfter, lpszItem);
  return i < 0 ? LB_ERR : SetCurSel(i);
}
