// The analysis-model page of the attribute tool window (template 16263, page id 2). It
// shows nothing yet: starting empty and showing an element change nothing, and it has no
// number edit that could take the view's picks.
#pragma once
#include "ui/CDlgChild.h"

class CToolsDlg;
class I_ViewEventHandlerItem;

class CToolsPostPage : public CDlgChild {
  DECLARE_DYNAMIC(CToolsPostPage)

 public:
  CToolsPostPage(CToolsDlg* pOwner, CWnd* pParent);

  void SetInitDataByMenu() {}
  void ShowObjectAttr(char& /*type*/, UINT /*key*/) {}
  // The page's number edit as a view handler; NULL while it has none.
  const I_ViewEventHandlerItem* GetNumberEditHandler() const { return nullptr; }
  CToolsDlg* GetOwner() const { return m_pOwner; }

 private:
  CToolsDlg* m_pOwner;
};
