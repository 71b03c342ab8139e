// Tab controls ("SysTabControl32"). SetCurSel sends nothing; the user's choice (CUserDriver)
// sends TCN_SELCHANGING (a nonzero answer keeps the old tab) and TCN_SELCHANGE.
// Layout: the tabs take the top AFX_TAB_ROW_CY pixels of the client area; AdjustRect gives
// the display area below them, inset by AFX_TAB_MARGIN on the other sides.
#pragma once
#include "afx/CWnd.h"

class CImageList;

inline constexpr int AFX_TAB_ROW_CY = 24;
inline constexpr int AFX_TAB_MARGIN = 4;

enum : UINT { TCIF_TEXT = 0x0001, TCIF_IMAGE = 0x0002, TCIF_RTLREADING = 0x0004, TCIF_PARAM = 0x0008, TCIF_STATE = 0x0010 };

struct TCITEM {
  UINT mask = 0;
  DWORD dwState = 0;
  DWORD dwStateMask = 0;
  LPTSTR pszText = nullptr;
  int cchTextMax = 0;
  int iImage = -1;
  LPARAM lParam = 0;
};
typedef TCITEM TC_ITEM;

class CTabCtrl : public CWnd {
  DECLARE_DYNAMIC(CTabCtrl)
 public:
  CTabCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  LONG InsertItem(int nItem, LPCTSTR lpszItem);
  LONG InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  LONG InsertItem(int nItem, TCITEM* pTabCtrlItem);
  LONG InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, int nImage, LPARAM lParam);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  int GetItemCount() const;
  int GetCurSel() const;
  // The previous selection, or -1.
  int SetCurSel(int nItem);
  int GetCurFocus() const { return GetCurSel(); }
  void SetCurFocus(int nItem) { SetCurSel(nItem); }
  BOOL GetItem(int nItem, TCITEM* pTabCtrlItem) const;
  BOOL SetItem(int nItem, TCITEM* pTabCtrlItem);
  CString GetItemText(int nItem) const;
  BOOL GetItemRect(int nItem, LPRECT lpRect) const;
  // bLarger FALSE: the display area of a window rectangle; TRUE: the window rectangle of a
  // display area.
  void AdjustRect(BOOL bLarger, LPRECT lpRect);
  CImageList* SetImageList(CImageList* pImageList) {
    CImageList* old = m_pImageList;
    m_pImageList = pImageList;
    return old;
  }
  CImageList* GetImageList() const { return m_pImageList; }

 private:
  CImageList* m_pImageList = nullptr;
};
