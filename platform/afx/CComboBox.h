// Combo boxes. A drop-down (CBS_DROPDOWN) has an edit part whose text is the window text;
// a drop-list (CBS_DROPDOWNLIST) shows its selected item as its text. Text searches ignore
// letter case (FindString: the item begins with the text; FindStringExact: equals it).
// Programmatic changes send no notifications, as with a real combo box.
#pragma once
#include "afx/CWnd.h"

class CComboBox : public CWnd {
  DECLARE_DYNAMIC(CComboBox)
 public:
  CComboBox() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  int GetCount() const;
  int GetCurSel() const;
  // -1 clears the selection; an index out of range clears it and returns CB_ERR.
  int SetCurSel(int nSelect);
  // CBS_SORT: in sorted position. The index of the new item.
  int AddString(LPCTSTR lpszString);
  int InsertString(int nIndex, LPCTSTR lpszString);
  // The count left, or CB_ERR.
  int DeleteString(UINT nIndex);
  void ResetContent();
  int GetLBText(int nIndex, LPTSTR lpszText) const;
  void GetLBText(int nIndex, CString& rString) const;
  int GetLBTextLen(int nIndex) const;
  int SetItemData(int nIndex, DWORD_PTR dwItemData);
  DWORD_PTR GetItemData(int nIndex) const;
  int SetItemDataPtr(int nIndex, void* pData) { return SetItemData(nIndex, (DWORD_PTR)pData); }
  void* GetItemDataPtr(int nIndex) const { return (void*)GetItemData(nIndex); }
  int FindString(int nStartAfter, LPCTSTR lpszString) const;
  int FindStringExact(int nIndexStart, LPCTSTR lpszFind) const;
  int SelectString(int nStartAfter, LPCTSTR lpszString);
  DWORD GetEditSel() const;
  BOOL SetEditSel(int nStartChar, int nEndChar);
  BOOL LimitText(int nMaxChars);
  void ShowDropDown(BOOL bShowIt = TRUE);
  BOOL GetDroppedState() const { return m_bDropped; }
  // The width of the dropped list in pixels: at least the combo's own width. CB_ERR
  // without a window.
  int SetDroppedWidth(UINT nWidth);
  int GetDroppedWidth() const;
  int GetTopIndex() const { return 0; }
  int SetTopIndex(int) { return 0; }

 private:
  BOOL m_bDropped = FALSE;
  int m_nDroppedWidth = 0;
};
