// Swaps dialog pages in one placeholder control of a dialog, optionally with a tab control
// that shows the pages' titles. Pages are made when first shown (CDlgPageSet); each may
// carry a page id of the caller's (ShowTabByID). AddTab's fourth argument: 1, the manager
// owns the page and deletes it when it ends; 0, the caller keeps it.
#pragma once
#include "ui/CDlgPageSet.h"

class CDlgReplaceMgr {
 public:
  CDlgReplaceMgr() = default;

  // The dialog, its placeholder control and its tab control (0: none).
  void SetPlaceHolder(CWnd* pDlg, UINT nIDPlaceHolder, UINT nIDTabCtrl = 0);
  int AddTab(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn = 1, int nPageID = 0);
  // Shows page i (hiding the others) and selects its tab; 0 when it cannot.
  BOOL ShowTab(int index);
  BOOL ShowTabByID(int nPageID) { return ShowTab(m_pages.FindID(nPageID)); }
  CDlgChild* GetTab(int index) const { return m_pages.Get(index); }
  int GetTabCount() const { return m_pages.GetCount(); }
  int GetCurTab() const { return m_pages.GetCurrent(); }

 private:
  CDlgPageSet m_pages;
  UINT m_nIDTabCtrl = 0;
};
