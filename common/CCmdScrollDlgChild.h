// The base of pages written for the scrolling dialog container: a size change of the page
// is reported to the container (above the page's parent, the inner window), Close closes
// the container, and Return or Escape pressed in the page is posted to the page's parent
// unchanged, so that it reaches the container instead of ending nothing in the page.
#pragma once
#include "ui/CDlgChild.h"

class CCmdScrollDlgChild : public CDlgChild {
  DECLARE_DYNCREATE(CCmdScrollDlgChild)

 public:
  // No template ((UINT)-1): a page that derives and names its own.
  explicit CCmdScrollDlgChild(CWnd* pParent = nullptr);
  CCmdScrollDlgChild(UINT nIDTemplate, CWnd* pParent);

  // The container above the page's parent ends.
  void Close(int nCode);
  BOOL PreTranslateMessage(MSG* pMsg) override;

 protected:
  void OnSize(UINT nType, int cx, int cy);

  DECLARE_MESSAGE_MAP()
};
