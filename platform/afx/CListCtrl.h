// List controls ("SysListView32"), report view. Items carry texts per column, item data
// and LVIS_ state bits; with LVS_EX_CHECKBOXES the check is the state image (1 unchecked,
// 2 checked). As a real list control does, changing an item's state, text or data sends
// LVN_ITEMCHANGING (a nonzero answer vetoes) and LVN_ITEMCHANGED to the parent; inserting
// sends LVN_INSERTITEM, deleting LVN_DELETEITEM, DeleteAllItems LVN_DELETEALLITEMS. With
// LVS_SINGLESEL selecting an item deselects the others.
#pragma once
#include "afx/CWnd.h"

class CImageList;

enum : UINT {
  LVIS_FOCUSED = 0x0001, LVIS_SELECTED = 0x0002, LVIS_CUT = 0x0004, LVIS_DROPHILITED = 0x0008,
  LVIS_STATEIMAGEMASK = 0xF000,
  LVIF_TEXT = 0x0001, LVIF_IMAGE = 0x0002, LVIF_PARAM = 0x0004, LVIF_STATE = 0x0008,
  LVNI_ALL = 0x0000, LVNI_FOCUSED = 0x0001, LVNI_SELECTED = 0x0002,
  LVCF_FMT = 0x0001, LVCF_WIDTH = 0x0002, LVCF_TEXT = 0x0004, LVCF_SUBITEM = 0x0008,
  LVCFMT_LEFT = 0x0000, LVCFMT_RIGHT = 0x0001, LVCFMT_CENTER = 0x0002,
  LVFI_PARAM = 0x0001, LVFI_STRING = 0x0002, LVFI_PARTIAL = 0x0008,
  LVSCW_AUTOSIZE = (UINT)-1, LVSCW_AUTOSIZE_USEHEADER = (UINT)-2,
};
enum : int { LVSIL_NORMAL = 0, LVSIL_SMALL = 1, LVSIL_STATE = 2 };
#define INDEXTOSTATEIMAGEMASK(i) ((UINT)(i) << 12)

struct LVITEM {
  UINT mask = 0;
  int iItem = 0;
  int iSubItem = 0;
  UINT state = 0;
  UINT stateMask = 0;
  LPTSTR pszText = nullptr;
  int cchTextMax = 0;
  int iImage = 0;
  LPARAM lParam = 0;
};
typedef LVITEM* LPLVITEM;
typedef LVITEM LV_ITEM;

struct LVCOLUMN {
  UINT mask = 0;
  int fmt = 0;
  int cx = 0;
  LPTSTR pszText = nullptr;
  int cchTextMax = 0;
  int iSubItem = 0;
};
typedef LVCOLUMN LV_COLUMN;

struct LVFINDINFO {
  UINT flags = 0;
  LPCTSTR psz = nullptr;
  LPARAM lParam = 0;
};

class CListCtrl : public CWnd {
  DECLARE_DYNAMIC(CListCtrl)
 public:
  CListCtrl() = default;
  BOOL Create(DWORD dwStyle, const RECT& rect, CWnd* pParentWnd, UINT nID);
  // Columns.
  int InsertColumn(int nCol, LPCTSTR lpszColumnHeading, int nFormat = LVCFMT_LEFT, int nWidth = -1,
                   int nSubItem = -1);
  int InsertColumn(int nCol, const LVCOLUMN* pColumn);
  BOOL DeleteColumn(int nCol);
  int GetColumnCount() const;
  BOOL SetColumnWidth(int nCol, int cx);
  int GetColumnWidth(int nCol) const;
  CString GetColumnText(int nCol) const;
  // Items.
  int GetItemCount() const;
  int InsertItem(int nItem, LPCTSTR lpszItem);
  int InsertItem(int nItem, LPCTSTR lpszItem, int nImage);
  int InsertItem(const LVITEM* pItem);
  int InsertItem(UINT nMask, int nItem, LPCTSTR lpszItem, UINT nState, UINT nStateMask, int nImage,
                 LPARAM lParam);
  BOOL DeleteItem(int nItem);
  BOOL DeleteAllItems();
  BOOL SetItemText(int nItem, int nSubItem, LPCTSTR lpszText);
  CString GetItemText(int nItem, int nSubItem) const;
  int GetItemText(int nItem, int nSubItem, LPTSTR lpszText, int nLen) const;
  BOOL SetItemData(int nItem, DWORD_PTR dwData);
  DWORD_PTR GetItemData(int nItem) const;
  BOOL SetItem(const LVITEM* pItem);
  BOOL GetItem(LVITEM* pItem) const;
  // nItem -1: every item.
  BOOL SetItemState(int nItem, UINT nState, UINT nMask);
  UINT GetItemState(int nItem, UINT nMask) const;
  int GetNextItem(int nItem, int nFlags) const;
  POSITION GetFirstSelectedItemPosition() const;
  int GetNextSelectedItem(POSITION& pos) const;
  UINT GetSelectedCount() const;
  int GetSelectionMark() const { return m_nSelectionMark; }
  int SetSelectionMark(int iIndex);
  BOOL SetCheck(int nItem, BOOL fCheck = TRUE);
  BOOL GetCheck(int nItem) const;
  int FindItem(LVFINDINFO* pFindInfo, int nStart = -1) const;
  DWORD SetExtendedStyle(DWORD dwNewStyle);
  DWORD GetExtendedStyle() const;
  BOOL EnsureVisible(int, BOOL) { return TRUE; }
  int GetTopIndex() const { return 0; }
  int GetCountPerPage() const;
  // nImageList: LVSIL_NORMAL, LVSIL_SMALL or LVSIL_STATE. The previous list.
  CImageList* SetImageList(CImageList* pImageList, int nImageList);
  CImageList* GetImageList(int nImageList) const;

 private:
  // Applies a change to item i with the notifications; FALSE when vetoed.
  BOOL ChangeItem(int i, UINT changed, UINT newState, const CString* text, int sub, const DWORD_PTR* data);
  int m_nSelectionMark = -1;
  CImageList* m_pImageLists[3] = {nullptr, nullptr, nullptr};
};
