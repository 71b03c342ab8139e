// A dialog page hosted in a tab control or a placeholder (CDlgTabCtrl, CDlgReplaceMgr): a
// child window of the dialog that holds it. Return and Escape in a page do not end anything
// by themselves: OK and Cancel of a page do nothing, the key goes on to the dialog that
// holds the page (its own PreTranslateMessage).
#pragma once
#include "ui/CInternationalDlg.h"

class CDlgChild : public CInternationalDlg {
  DECLARE_DYNAMIC(CDlgChild)

 public:
  CDlgChild() = default;
  explicit CDlgChild(UINT nIDTemplate, CWnd* pParentWnd = nullptr) : CInternationalDlg(nIDTemplate, pParentWnd) {}

  // Makes the page's window as a child of pParent at rc (pParent's client coordinates),
  // hidden. 0 when the template is missing or pParent has no window.
  BOOL CreatePage(UINT nIDTemplate, CWnd* pParent, const CRect& rc);

  void OnOK() override {}
  void OnCancel() override {}

  // Page operations for the dialog that holds the page: save what the page shows
  // (non-zero on success; the base saves nothing and succeeds) and show the data again
  // (the base does nothing).
  virtual BOOL SaveData() { return TRUE; }
  virtual void Refresh() {}
};
