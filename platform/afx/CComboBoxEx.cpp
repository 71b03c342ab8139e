#include "afx/CComboBoxEx.h"

#include <algorithm>
#include <cstring>

#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CComboBoxEx, CComboBox)

BOOL CComboBoxEx::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("ComboBoxEx32", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBoxEx::InsertItem(const COMBOBOXEXITEM* p) {
  if (!p) return -1;
  int i = InsertString((int)p->iItem, (p->mask & CBEIF_TEXT) ? p->pszText : "");
  if (i < 0) return -1;
  AfxWndState* w = State();
  AfxItem& it = w->items[(size_t)i];
  if (p->mask & CBEIF_IMAGE) it.image = p->iImage;
  if (p->mask & CBEIF_LPARAM) it.data = (DWORD_PTR)p->lParam;
  return i;
}

BOOL CComboBoxEx::GetItem(COMBOBOXEXITEM* p) {
  AfxWndState* w = State();
  if (!p || !w || p->iItem < 0 || p->iItem >= (INT_PTR)w->items.size()) return FALSE;
  const AfxItem& it = w->items[(size_t)p->iItem];
  if ((p->mask & CBEIF_TEXT) && p->pszText && p->cchTextMax > 0) {
    int n = std::min(it.text.GetLength(), p->cchTextMax - 1);
    std::memcpy(p->pszText, it.text.c_str(), (size_t)n);
    p->pszText[n] = '\0';
  }
  if (p->mask & CBEIF_IMAGE) p->iImage = it.image;
  if (p->mask & CBEIF_LPARAM) p->lParam = (LPARAM)it.data;
  return TRUE;
}

BOOL CComboBoxEx::SetItem(const COMBOBOXEXITEM* p) {
  AfxWndState* w = State();
  if (!p || !w || p->iItem < 0 || p->iItem >= (INT_PTR)w->items.size()) return FALSE;
  AfxItem& it = w->items[(size_t)p->iItem];
  if (p->mask & CBEIF_TEXT) it.text = p->pszText ? p->pszText : "";
  if (p->mask & CBEIF_IMAGE) it.image = p->iImage;
  if (p->mask & CBEIF_LPARAM) it.data = (DWORD_PTR)p->lParam;
  return TRUE;
}

CImageList* CComboBoxEx::SetImageList(CImageList* pImageList) {
  CImageList* old = m_pImageList;
  m_pImageList = pImageList;
  return old;
}
