// A tab control that hosts dialog pages (CDlgChild) on a placeholder control of the dialog
// that holds it. The dialog subclasses its tab control with a CDlgTabCtrl (DDX_Control or
// SubclassDlgItem), names the placeholder (SetPlaceHolder) and adds its pages (AddTab), in
// either order. A page's window is made when its tab is first shown (ShowTab, or the user
// selecting the tab), on the placeholder's rectangle; the placeholder is hidden then.
// AddTab's last argument: 1, the tab control owns the page and deletes it when it ends; 0,
// the caller keeps it. GetTab returns the pages in the order added.
#pragma once
#include "afx/CTabCtrl.h"
#include "ui/CDlgPageSet.h"

class CDlgTabCtrl : public CTabCtrl {
  DECLARE_DYNAMIC(CDlgTabCtrl)

 public:
  CDlgTabCtrl() = default;

  // The placeholder: control nIDPlaceHolder of this control's parent dialog.
  void SetPlaceHolder(UINT nIDPlaceHolder);
  // Adds a tab; its index.
  int AddTab(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn = 1);
  // Selects tab i and shows its page; 0 for an index out of range or a page that cannot be
  // made.
  BOOL ShowTab(int index);
  CDlgChild* GetTab(int index) const { return m_pages.Get(index); }
  int GetTabCount() const { return m_pages.GetCount(); }
  // The index of the page shown, or -1.
  int GetShownTab() const { return m_pages.GetCurrent(); }

 protected:
  BOOL OnSelChange(NMHDR* pNMHDR, LRESULT* pResult);
  void SyncItems();

 private:
  CDlgPageSet m_pages;
  UINT m_nIDPlaceHolder = 0;

  DECLARE_MESSAGE_MAP()
};
