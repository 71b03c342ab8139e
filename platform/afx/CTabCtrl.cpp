#include "afx/CTabCtrl.h"

#include <algorithm>
#include <cstring>

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CTabCtrl, CWnd)

namespace {
bool Valid(const AfxWndState* w, int i) { return w && i >= 0 && i < (int)w->items.size(); }
}  // namespace

BOOL CTabCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("SysTabControl32", nullptr, dwStyle, rect, pParentWnd, nID);
}

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem) { return InsertItem(TCIF_TEXT, nItem, lpszItem, -1, 0); }

LONG CTabCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
  return InsertItem(TCIF_TEXT | TCIF_IMAGE, nItem, lpszItem, nImage, 0);
}

LONG CTabCtrl::InsertItem(int nItem, TCITEM* p) {
  if (!p) return -1;
  return InsertItem(p->mask, nItem, p->pszText, p->iImage, p->lParam);
}

LONG CTabCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam) {
  AfxWndState* w = State();
  if (!w || nItem < 0) return -1;
  nItem = std::min(nItem, (int)w->items.size());
  AfxItem it;
  if (nMask & TCIF_TEXT) it.text = lpszItem ? lpszItem : "";
  if (nMask & TCIF_IMAGE) it.image = nImage;
  if (nMask & TCIF_PARAM) it.data = (DWORD_PTR)lParam;
  w->items.insert(w->items.begin() + nItem, it);
  if (w->curSel >= nItem) ++w->curSel;
  if (w->curSel < 0) w->curSel = 0;
  w->needsPaint = true;
  return nItem;
}

BOOL CTabCtrl::DeleteItem(int nItem) {
  AfxWndState* w = State();
  if (!Valid(w, nItem)) return FALSE;
  w->items.erase(w->items.begin() + nItem);
  if (w->curSel == nItem)
    w->curSel = -1;
  else if (w->curSel > nItem)
    --w->curSel;
  return TRUE;
}

BOOL CTabCtrl::DeleteAllItems() {
  AfxWndState* w = State();
  if (!w) return FALSE;
  w->items.clear();
  w->curSel = -1;
  return TRUE;
}

int CTabCtrl::GetItemCount() const {
  AfxWndState* w = State();
  return w ? (int)w->items.size() : 0;
}

int CTabCtrl::GetCurSel() const {
  AfxWndState* w = State();
  return w && Valid(w, w->curSel) ? w->curSel : -1;
}

int CTabCtrl::SetCurSel(int nItem) {
  AfxWndState* w = State();
  if (!Valid(w, nItem)) return -1;
  int old = Valid(w, w->curSel) ? w->curSel : -1;
  w->curSel = nItem;
  w->needsPaint = true;
  return old;
}

BOOL CTabCtrl::GetItem(int nItem, TCITEM* p) const {
  AfxWndState* w = State();
  if (!p || !Valid(w, nItem)) return FALSE;
  const AfxItem& it = w->items[(size_t)nItem];
  if ((p->mask & TCIF_TEXT) && p->pszText && p->cchTextMax > 0) {
    int n = std::min(it.text.GetLength(), p->cchTextMax - 1);
    std::memcpy(p->pszText, it.text.c_str(), (size_t)n);
    p->pszText[n] = '\0';
  }
  if (p->mask & TCIF_IMAGE) p->iImage = it.image;
  if (p->mask & TCIF_PARAM) p->lParam = (LPARAM)it.data;
  return TRUE;
}

BOOL CTabCtrl::SetItem(int nItem, TCITEM* p) {
  AfxWndState* w = State();
  if (!p || !Valid(w, nItem)) return FALSE;
  AfxItem& it = w->items[(size_t)nItem];
  if (p->mask & TCIF_TEXT) it.text = p->pszText ? p->pszText : "";
  if (p->mask & TCIF_IMAGE) it.image = p->iImage;
  if (p->mask & TCIF_PARAM) it.data = (DWORD_PTR)p->lParam;
  return TRUE;
}

CString CTabCtrl::GetItemText(int nItem) const {
  AfxWndState* w = State();
  return Valid(w, nItem) ? w->items[(size_t)nItem].text : CString();
}

BOOL CTabCtrl::GetItemRect(int nItem, LPRECT lpRect) const {
  AfxWndState* w = State();
  if (!lpRect || !Valid(w, nItem)) return FALSE;
  // Each tab is as wide as its text (6 pixels a byte of the double-byte encoding) plus 12.
  int x = 2;
  for (int i = 0; i < nItem; ++i) x += w->items[(size_t)i].text.GetMbcsLength() * 6 + 12;
  int cx = w->items[(size_t)nItem].text.GetMbcsLength() * 6 + 12;
  *lpRect = CRect(x, 2, x + cx, AFX_TAB_ROW_CY);
  return TRUE;
}

void CTabCtrl::AdjustRect(BOOL bLarger, LPRECT r) {
  int s = bLarger ? -1 : 1;
  r->left += s * AFX_TAB_MARGIN;
  r->right -= s * AFX_TAB_MARGIN;
  r->top += s * AFX_TAB_ROW_CY;
  r->bottom -= s * AFX_TAB_MARGIN;
}
