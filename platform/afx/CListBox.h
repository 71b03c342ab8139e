// List boxes, single or multiple selection (LBS_MULTIPLESEL, LBS_EXTENDEDSEL). Text
// searches ignore letter case. Programmatic changes send no notifications.
#pragma once
#include "afx/CWnd.h"


class CListBox : public CWnd {
  DECLARE_DYNAMIC(CListBox)
 public:
  CListBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  BOOL IsMultiSel() const;
  int GetCount() const;
  // Single selection: the selected item; multiple: the item with the caret (LB_ERR: none).
  int GetCurSel() const;
  // Single selection only (LB_ERR for a multiple-selection list); -1 clears.
  int SetCurSel(int nSelect);
  // Positive when item nIndex is selected.
  int GetSel(int nIndex) const;
  // Multiple selection: selects or deselects item nIndex (-1: every item). Single: selects
  // nIndex (or clears with bSelect FALSE).
  int SetSel(int nIndex, BOOL bSelect = TRUE);
  int GetSelCount() const;
  int GetSelItems(int nMaxItems, LPINT rgIndex) const;
  int SelItemRange(BOOL bSelect, int nFirstItem, int nLastItem);
  int GetCaretIndex() const;
  int SetCaretIndex(int nIndex, BOOL bScroll = TRUE);
  int AddString(LPCTSTR lpszItem);
  int InsertString(int nIndex, LPCTSTR lpszItem);
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetText(int nIndex, LPTSTR lpszBuffer) const;
  void GetText(int nIndex, CString& rString) const;
  int GetTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
  void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
  int FindString(int nStartAfter, LPCTSTR lpszItem) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszItem);
  int GetTopIndex() const { return 0; }
  int SetTopIndex(int) { return 0; }
};

