#include "afx/CComboBox.h"

#include <algorithm>
#include <cstring>

#include "afx/AfxControlProc.h"
#include "afx/AfxWndState.h"

IMPLEMENT_DYNAMIC(CComboBox, CWnd)

namespace {
bool HasEdit(const AfxWndState* w) { return (w->style & 0x3u) != CBS_DROPDOWNLIST; }
}  // namespace

BOOL CComboBox::Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID) {
  return CWnd::Create("COMBOBOX", nullptr, dwStyle, rect, pParentWnd, nID);
}

int CComboBox::GetCount() const {
  AfxWndState* w = State();
  return w ? (int)w->items.size() : CB_ERR;
}

int CComboBox::GetCurSel() const {
  AfxWndState* w = State();
  return w ? w->curSel : CB_ERR;
}

int CComboBox::SetCurSel(int nSelect) {
  AfxWndState* w = State();
  if (!w) return CB_ERR;
  bool ok = nSelect >= 0 && nSelect < (int)w->items.size();
  w->curSel = ok ? nSelect : -1;
  if (HasEdit(w)) {
    w->text = ok ? w->items[(size_t)nSelect].text : CString();
    w->selStart = 0;
    w->selEnd = w->text.GetLength();
  }
  w->needsPaint = true;
  return ok ? nSelect : CB_ERR;
}

int CComboBox::AddString(LPCTSTR lpszString) {
  AfxWndState* w = State();
  if (!w) return CB_ERR;
  int pos = (w->style & CBS_SORT) ? AfxSortedInsertPos(w->items, lpszString ? lpszString : "")
                                  : (int)w->items.size();
  return InsertString(pos, lpszString);
}

int CComboBox::InsertString(int nIndex, LPCTSTR lpszString) {
  AfxWndState* w = State();
  if (!w) return CB_ERR;
  int n = (int)w->items.size();
  if (nIndex < 0) nIndex = n;
  if (nIndex > n) return CB_ERR;
  AfxItem it;
  it.text = lpszString ? lpszString : "";
  w->items.insert(w->items.begin() + nIndex, it);
  if (w->curSel >= nIndex) ++w->curSel;
  return nIndex;
}

int CComboBox::DeleteString(UINT nIndex) {
  AfxWndState* w = State();
  if (!w || nIndex >= w->items.size()) return CB_ERR;
  w->items.erase(w->items.begin() + nIndex);
  if (w->curSel == (int)nIndex)
    w->curSel = -1;
  else if (w->curSel > (int)nIndex)
    --w->curSel;
  return (int)w->items.size();
}

void CComboBox::ResetContent() {
  AfxWndState* w = State();
  if (!w) return;
  w->items.clear();
  w->curSel = -1;
  if (HasEdit(w)) w->text.Empty();
}

int CComboBox::GetLBText(int nIndex, LPTSTR lpszText) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return CB_ERR;
  const CString& t = w->items[(size_t)nIndex].text;
  if (lpszText) std::memcpy(lpszText, t.c_str(), (size_t)t.GetLength() + 1);
  return t.GetLength();
}

void CComboBox::GetLBText(int nIndex, CString& rString) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size())
    rString.Empty();
  else
    rString = w->items[(size_t)nIndex].text;
}

int CComboBox::GetLBTextLen(int nIndex) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return CB_ERR;
  return w->items[(size_t)nIndex].text.GetLength();
}

int CComboBox::SetItemData(int nIndex, DWORD_PTR dwItemData) {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return CB_ERR;
  w->items[(size_t)nIndex].data = dwItemData;
  return 0;
}

DWORD_PTR CComboBox::GetItemData(int nIndex) const {
  AfxWndState* w = State();
  if (!w || nIndex < 0 || nIndex >= (int)w->items.size()) return (DWORD_PTR)(intptr_t)CB_ERR;
  return w->items[(size_t)nIndex].data;
}

int CComboBox::FindString(int nStartAfter, LPCTSTR lpszString) const {
  AfxWndState* w = State();
  return w ? AfxFindItem(w->items, nStartAfter, lpszString, false) : CB_ERR;
}

int CComboBox::FindStringExact(int nIndexStart, LPCTSTR lpszFind) const {
  AfxWndState* w = State();
  return w ? AfxFindItem(w->items, nIndexStart, lpszFind, true) : CB_ERR;
}

int CComboBox::SelectString(int nStartAfter, LPCTSTR lpszString) {
  int i = FindString(nStartAfter, lpszString);
  if (i < 0) return CB_ERR;
  return SetCurSel(i);
}

DWORD CComboBox::GetEditSel() const {
  AfxWndState* w = State();
  return w ? (DWORD)MAKELONG(w->selStart, w->selEnd) : 0;
}

BOOL CComboBox::SetEditSel(int nStartChar, int nEndChar) {
  AfxWndState* w = State();
  if (!w || !HasEdit(w)) return FALSE;
  int len = w->text.GetLength();
  if (nStartChar < 0) nStartChar = nEndChar = len;
  if (nEndChar < 0 || nEndChar > len) nEndChar = len;
  w->selStart = std::min(nStartChar, nEndChar);
  w->selEnd = std::max(nStartChar, nEndChar);
  return TRUE;
}

BOOL CComboBox::LimitText(int nMaxChars) {
  AfxWndState* w = State();
  if (!w || !HasEdit(w)) return FALSE;
  w->limit = nMaxChars;
  return TRUE;
}

void CComboBox::ShowDropDown(BOOL bShowIt) { m_bDropped = bShowIt; }

int CComboBox::SetDroppedWidth(UINT nWidth) {
  if (!State()) return CB_ERR;
  m_nDroppedWidth = (int)nWidth;
  return GetDroppedWidth();
}

int CComboBox::GetDroppedWidth() const {
  if (!State()) return CB_ERR;
  CRect r;
  GetWindowRect(&r);
  return std::max(m_nDroppedWidth, (int)r.Width());
}
