#include "afx/CListCtrl.h"

#include <algorithm>
#include <cstring>
#include <strings.h>

#include "afx/AfxControlProc.h"
#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CListCtrl, CWnd)

namespace {
bool Valid(const AfxWndState* w, int i) { return w && i >= 0 && i < (int)w->items.size(); }

LRESULT Notify(AfxWndState* w, UINT code, int item, UINT changed, UINT oldState, UINT newState, LPARAM data) {
  NMLISTVIEW nm;
  nm.iItem = item;
  nm.uChanged = changed;
  nm.uOldState = oldState;
  nm.uNewState = newState;
  nm.lParam = data;
  return AfxNotifyParent(w, code, &nm.hdr);
}
}  // namespace

BOOL CListCtrl::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("SysListView32", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CListCtrl::InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat, int nWidth, int) {
  AfxWndState* w = State();
  if (!w || nCol < 0) return -1;
  nCol = std::min(nCol, (int)w->columns.size());
  AfxColumn c;
  c.text = lpszColumnHeading ? lpszColumnHeading : "";
  c.fmt = nFormat;
  c.width = nWidth < 0 ? 100 : nWidth;
  w->columns.insert(w->columns.begin() + nCol, c);
  // Sub-item texts shift with the columns after the first.
  if (nCol > 0)
    for (AfxItem& it : w->items)
      if ((int)it.sub.size() >= nCol) it.sub.insert(it.sub.begin() + (nCol - 1), CString());
  return nCol;
}

int CListCtrl::InsertColumn(int nCol, const LVCOLUMN* p) {
  if (!p) return -1;
  return InsertColumn(nCol, (p->mask & LVCF_TEXT) ? p->pszText : "", (p->mask & LVCF_FMT) ? p->fmt : (int)LVCFMT_LEFT,
                      (p->mask & LVCF_WIDTH) ? p->cx : -1);
}

BOOL CListCtrl::DeleteColumn(int nCol) {
  AfxWndState* w = State();
  if (!w || nCol < 0 || nCol >= (int)w->columns.size()) return FALSE;
  w->columns.erase(w->columns.begin() + nCol);
  for (AfxItem& it : w->items) {
    if (nCol == 0) {
      it.text = it.sub.empty() ? CString() : it.sub.front();
      if (!it.sub.empty()) it.sub.erase(it.sub.begin());
    } else if ((int)it.sub.size() >= nCol) {
      it.sub.erase(it.sub.begin() + (nCol - 1));
    }
  }
  return TRUE;
}

int CListCtrl::GetColumnCount() const {
  AfxWndState* w = State();
  return w ? (int)w->columns.size() : 0;
}

BOOL CListCtrl::SetColumnWidth(int nCol, int cx) {
  AfxWndState* w = State();
  if (!w || nCol < 0 || nCol >= (int)w->columns.size()) return FALSE;
  w->columns[(size_t)nCol].width = cx < 0 ? 100 : cx;
  return TRUE;
}

int CListCtrl::GetColumnWidth(int nCol) const {
  AfxWndState* w = State();
  if (!w || nCol < 0 || nCol >= (int)w->columns.size()) return 0;
  return w->columns[(size_t)nCol].width;
}

CString CListCtrl::GetColumnText(int nCol) const {
  AfxWndState* w = State();
  if (!w || nCol < 0 || nCol >= (int)w->columns.size()) return CString();
  return w->columns[(size_t)nCol].text;
}

int CListCtrl::GetItemCount() const {
  AfxWndState* w = State();
  return w ? (int)w->items.size() : 0;
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem) {
  return InsertItem(LVIF_TEXT, nItem, lpszItem, 0, 0, 0, 0);
}

int CListCtrl::InsertItem(int nItem, LPCTSTR lpszItem, int nImage) {
  return InsertItem(LVIF_TEXT | LVIF_IMAGE, nItem, lpszItem, 0, 0, nImage, 0);
}

int CListCtrl::InsertItem(const LVITEM* p) {
  if (!p) return -1;
  return InsertItem(p->mask, p->iItem, p->pszText, p->state, p->stateMask, p->iImage, p->lParam);
}

int CListCtrl::InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                          LPARAM lParam) {
  AfxWndState* w = State();
  if (!w || nItem < 0) return -1;
  nItem = std::min(nItem, (int)w->items.size());
  AfxItem it;
  if (nMask & LVIF_TEXT) it.text = lpszItem ? lpszItem : "";
  if (nMask & LVIF_IMAGE) it.image = nImage;
  if (nMask & LVIF_PARAM) it.data = (DWORD_PTR)lParam;
  if (nMask & LVIF_STATE) it.state = nState & nStateMask;
  if ((w->lvExStyle & LVS_EX_CHECKBOXES) && !(it.state & LVIS_STATEIMAGEMASK)) it.state |= INDEXTOSTATEIMAGEMASK(1);
  w->items.insert(w->items.begin() + nItem, it);
  if (m_nSelectionMark >= nItem) ++m_nSelectionMark;
  w->needsPaint = true;
  Notify(w, LVN_INSERTITEM, nItem, 0, 0, 0, (LPARAM)it.data);
  return nItem;
}

BOOL CListCtrl::DeleteItem(int nItem) {
  AfxWndState* w = State();
  if (!Valid(w, nItem)) return FALSE;
  HWND h = w->h;
  Notify(w, LVN_DELETEITEM, nItem, 0, 0, 0, (LPARAM)w->items[(size_t)nItem].data);
  if (!(w = AfxWnd(h)) || !Valid(w, nItem)) return FALSE;
  w->items.erase(w->items.begin() + nItem);
  if (m_nSelectionMark == nItem)
    m_nSelectionMark = -1;
  else if (m_nSelectionMark > nItem)
    --m_nSelectionMark;
  w->needsPaint = true;
  return TRUE;
}

BOOL CListCtrl::DeleteAllItems() {
  AfxWndState* w = State();
  if (!w) return FALSE;
  HWND h = w->h;
  BOOL quiet = (BOOL)Notify(w, LVN_DELETEALLITEMS, -1, 0, 0, 0, 0);
  if (!quiet)
    for (int i = 0; (w = AfxWnd(h)) && i < (int)w->items.size(); ++i)
      Notify(w, LVN_DELETEITEM, i, 0, 0, 0, (LPARAM)w->items[(size_t)i].data);
  if (!(w = AfxWnd(h))) return FALSE;
  w->items.clear();
  m_nSelectionMark = -1;
  w->needsPaint = true;
  return TRUE;
}

BOOL CListCtrl::ChangeItem(int i, UINT changed, UINT newState, const CString* text, int sub, const DWORD_PTR* data) {
  AfxWndState* w = State();
  if (!Valid(w, i)) return FALSE;
  HWND h = w->h;
  UINT oldState = w->items[(size_t)i].state;
  LPARAM param = (LPARAM)w->items[(size_t)i].data;
  if (Notify(w, LVN_ITEMCHANGING, i, changed, oldState, newState, param)) return FALSE;
  if (!(w = AfxWnd(h)) || !Valid(w, i)) return FALSE;
  AfxItem& it = w->items[(size_t)i];
  if (changed & LVIF_STATE) it.state = newState;
  if (text) {
    if (sub == 0) {
      it.text = *text;
    } else {
      if ((int)it.sub.size() < sub) it.sub.resize((size_t)sub);
      it.sub[(size_t)sub - 1] = *text;
    }
  }
  if (data) it.data = *data;
  w->needsPaint = true;
  Notify(w, LVN_ITEMCHANGED, i, changed, oldState, newState, (LPARAM)it.data);
  return TRUE;
}

BOOL CListCtrl::SetItemText(int nItem, int nSubItem, LPCTSTR lpszText) {
  AfxWndState* w = State();
  if (!Valid(w, nItem) || nSubItem < 0) return FALSE;
  if (!w->columns.empty() && nSubItem >= (int)w->columns.size()) return FALSE;
  CString t(lpszText ? lpszText : "");
  return ChangeItem(nItem, LVIF_TEXT, w->items[(size_t)nItem].state, &t, nSubItem, nullptr);
}

CString CListCtrl::GetItemText(int nItem, int nSubItem) const {
  AfxWndState* w = State();
  if (!Valid(w, nItem) || nSubItem < 0) return CString();
  const AfxItem& it = w->items[(size_t)nItem];
  if (nSubItem == 0) return it.text;
  return nSubItem <= (int)it.sub.size() ? it.sub[(size_t)nSubItem - 1] : CString();
}

int CListCtrl::GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const {
  CString t = GetItemText(nItem, nSubItem);
  if (!lpszText || nLen <= 0) return 0;
  int n = std::min(t.GetLength(), nLen - 1);
  std::memcpy(lpszText, t.c_str(), (size_t)n);
  lpszText[n] = '\0';
  return n;
}

BOOL CListCtrl::SetItemData(int nItem, DWORD_PTR dwData) {
  AfxWndState* w = State();
  if (!Valid(w, nItem)) return FALSE;
  return ChangeItem(nItem, LVIF_PARAM, w->items[(size_t)nItem].state, nullptr, 0, &dwData);
}

DWORD_PTR CListCtrl::GetItemData(int nItem) const {
  AfxWndState* w = State();
  return Valid(w, nItem) ? w->items[(size_t)nItem].data : 0;
}

BOOL CListCtrl::SetItem(const LVITEM* p) {
  AfxWndState* w = State();
  if (!p || !Valid(w, p->iItem)) return FALSE;
  if (p->mask & LVIF_TEXT)
    if (!SetItemText(p->iItem, p->iSubItem, p->pszText)) return FALSE;
  if (p->mask & LVIF_PARAM)
    if (!SetItemData(p->iItem, (DWORD_PTR)p->lParam)) return FALSE;
  if (p->mask & LVIF_STATE)
    if (!SetItemState(p->iItem, p->state, p->stateMask)) return FALSE;
  if ((p->mask & LVIF_IMAGE) && (w = State()) && Valid(w, p->iItem)) w->items[(size_t)p->iItem].image = p->iImage;
  return TRUE;
}

BOOL CListCtrl::GetItem(LVITEM* p) const {
  AfxWndState* w = State();
  if (!p || !Valid(w, p->iItem)) return FALSE;
  const AfxItem& it = w->items[(size_t)p->iItem];
  if (p->mask & LVIF_TEXT) GetItemText(p->iItem, p->iSubItem, p->pszText, p->cchTextMax);
  if (p->mask & LVIF_PARAM) p->lParam = (LPARAM)it.data;
  if (p->mask & LVIF_STATE) p->state = it.state & p->stateMask;
  if (p->mask & LVIF_IMAGE) p->iImage = it.image;
  return TRUE;
}

BOOL CListCtrl::SetItemState(int nItem, UINT nState, UINT nMask) {
  AfxWndState* w = State();
  if (!w) return FALSE;
  if (nItem == -1) {
    BOOL ok = TRUE;
    for (int i = 0; (w = State()) && i < (int)w->items.size(); ++i) ok &= SetItemState(i, nState, nMask);
    return ok;
  }
  if (!Valid(w, nItem)) return FALSE;
  HWND h = w->h;
  UINT newState = (w->items[(size_t)nItem].state & ~nMask) | (nState & nMask);
  bool selecting = (nMask & LVIS_SELECTED) && (nState & LVIS_SELECTED);
  bool focusing = (nMask & LVIS_FOCUSED) && (nState & LVIS_FOCUSED);
  // Only one item holds the focus; with LVS_SINGLESEL only one is selected.
  for (int i = 0; (w = AfxWnd(h)) && i < (int)w->items.size(); ++i) {
    if (i == nItem) continue;
    UINT s = w->items[(size_t)i].state, clear = 0;
    if (focusing && (s & LVIS_FOCUSED)) clear |= LVIS_FOCUSED;
    if (selecting && (w->style & LVS_SINGLESEL) && (s & LVIS_SELECTED)) clear |= LVIS_SELECTED;
    if (clear) ChangeItem(i, LVIF_STATE, s & ~clear, nullptr, 0, nullptr);
  }
  if (!(w = AfxWnd(h)) || !Valid(w, nItem)) return FALSE;
  if (newState == w->items[(size_t)nItem].state) return TRUE;
  if (selecting) m_nSelectionMark = nItem;
  return ChangeItem(nItem, LVIF_STATE, newState, nullptr, 0, nullptr);
}

UINT CListCtrl::GetItemState(int nItem, UINT nMask) const {
  AfxWndState* w = State();
  return Valid(w, nItem) ? (w->items[(size_t)nItem].state & nMask) : 0;
}

int CListCtrl::GetNextItem(int nItem, int nFlags) const {
  AfxWndState* w = State();
  if (!w) return -1;
  UINT want = 0;
  if (nFlags & LVNI_SELECTED) want |= LVIS_SELECTED;
  if (nFlags & LVNI_FOCUSED) want |= LVIS_FOCUSED;
  for (int i = std::max(0, nItem + 1); i < (int)w->items.size(); ++i)
    if ((w->items[(size_t)i].state & want) == want) return i;
  return -1;
}

POSITION CListCtrl::GetFirstSelectedItemPosition() const {
  int i = GetNextItem(-1, LVNI_SELECTED);
  return i < 0 ? nullptr : (POSITION)(intptr_t)(i + 1);
}

int CListCtrl::GetNextSelectedItem(POSITION& pos) const {
  int i = (int)(intptr_t)pos - 1;
  int next = GetNextItem(i, LVNI_SELECTED);
  pos = next < 0 ? nullptr : (POSITION)(intptr_t)(next + 1);
  return i;
}

UINT CListCtrl::GetSelectedCount() const {
  AfxWndState* w = State();
  if (!w) return 0;
  UINT n = 0;
  for (const AfxItem& it : w->items) n += (it.state & LVIS_SELECTED) ? 1 : 0;
  return n;
}

int CListCtrl::SetSelectionMark(int iIndex) {
  int old = m_nSelectionMark;
  m_nSelectionMark = iIndex;
  return old;
}

BOOL CListCtrl::SetCheck(int nItem, BOOL fCheck) {
  return SetItemState(nItem, INDEXTOSTATEIMAGEMASK(fCheck ? 2 : 1), LVIS_STATEIMAGEMASK);
}

BOOL CListCtrl::GetCheck(int nItem) const { return (GetItemState(nItem, LVIS_STATEIMAGEMASK) >> 12) == 2; }

int CListCtrl::FindItem(LVFINDINFO* p, int nStart) const {
  AfxWndState* w = State();
  if (!w || !p) return -1;
  for (int i = std::max(0, nStart + 1); i < (int)w->items.size(); ++i) {
    const AfxItem& it = w->items[(size_t)i];
    if ((p->flags & LVFI_PARAM) && it.data == (DWORD_PTR)p->lParam) return i;
    if ((p->flags & (LVFI_STRING | LVFI_PARTIAL)) && p->psz) {
      size_t n = std::strlen(p->psz);
      bool hit = (p->flags & LVFI_PARTIAL) ? strncasecmp(it.text.c_str(), p->psz, n) == 0
                                           : strcasecmp(it.text.c_str(), p->psz) == 0;
      if (hit) return i;
    }
  }
  return -1;
}

DWORD CListCtrl::SetExtendedStyle(DWORD dwNewStyle) {
  AfxWndState* w = State();
  if (!w) return 0;
  DWORD old = w->lvExStyle;
  w->lvExStyle = dwNewStyle;
  if ((dwNewStyle & LVS_EX_CHECKBOXES) && !(old & LVS_EX_CHECKBOXES))
    for (AfxItem& it : w->items)
      if (!(it.state & LVIS_STATEIMAGEMASK)) it.state |= INDEXTOSTATEIMAGEMASK(1);
  return old;
}

DWORD CListCtrl::GetExtendedStyle() const {
  AfxWndState* w = State();
  return w ? w->lvExStyle : 0;
}

int CListCtrl::GetCountPerPage() const {
  CRect r;
  GetClientRect(&r);
  return std::max(1L, (r.Height() - 24) / 17);
}

CImageList* CListCtrl::SetImageList(CImageList* pImageList, int nImageList) {
  if (nImageList < 0 || nImageList > 2) return nullptr;
  CImageList* old = m_pImageLists[nImageList];
  m_pImageLists[nImageList] = pImageList;
  return old;
}

CImageList* CListCtrl::GetImageList(int nImageList) const {
  return nImageList >= 0 && nImageList <= 2 ? m_pImageLists[nImageList] : nullptr;
}
