// The pages of one placeholder, shared by CDlgTabCtrl and CDlgReplaceMgr: pages are added
// with their template and made lazily, as children of the holder dialog on the placeholder's
// rectangle, when first shown; showing one page hides the others and the placeholder.
//
// Ownership: a page added with bOwn = 1 is deleted by the set (its window destroyed first);
// with 0 the caller keeps it.
#pragma once
#include <vector>
#include "afx/CString.h"
#include "ui/CDlgChild.h"

class CDlgPageSet {
 public:
  CDlgPageSet() = default;
  ~CDlgPageSet();
  CDlgPageSet(const CDlgPageSet&) = delete;
  CDlgPageSet& operator=(const CDlgPageSet&) = delete;

  void SetHost(CWnd* pHost, UINT nIDPlaceHolder);
  CWnd* GetHost() const { return m_pHost; }
  // The page's index.
  int Add(CDlgChild* pPage, LPCTSTR title, UINT nIDTemplate, int bOwn, int nPageID);
  // Makes the page's window when needed, shows it and hides the others. 0 for an index out
  // of range or a page that cannot be made.
  BOOL Show(int index);
  int FindID(int nPageID) const;
  CDlgChild* Get(int index) const;
  const CString& GetTitle(int index) const;
  int GetCount() const { return (int)m_pages.size(); }
  int GetCurrent() const { return m_nCurrent; }
  // The placeholder's rectangle in the host's client coordinates (empty when none).
  CRect GetPageRect() const;

 private:
  struct Page {
    CDlgChild* pPage;
    CString title;
    UINT nIDTemplate;
    int bOwn;
    int nPageID;
  };
  CWnd* m_pHost = nullptr;
  UINT m_nIDPlaceHolder = 0;
  std::vector<Page> m_pages;
  int m_nCurrent = -1;
};
