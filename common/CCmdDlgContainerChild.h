// The container's inner window, the page's parent: a plain child dialog (its one static is
// hidden) inside which the page scrolls. It takes no keys for itself: a key posted to it by
// its page goes on to the container.
#pragma once
#include "ui/CDlgChild.h"

class CCmdDlgContainerChild : public CDlgChild {
  DECLARE_DYNAMIC(CCmdDlgContainerChild)

 public:
  explicit CCmdDlgContainerChild(CWnd* pParent = nullptr);
  BOOL OnInitDialog() override;
  BOOL PreTranslateMessage(MSG* pMsg) override;
};
