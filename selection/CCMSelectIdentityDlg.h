// The select-by-identity window (template 14077): its number edits show and take the
// selected points and members (nodes and elements in the analysis model), and its buttons
// change the selection: All selects the checked kinds, None unselects them, Inverse swaps
// them, Add and Delete add and take away the query's objects, Replace makes them the
// selection, Intersect keeps the selected ones among them. Everything else is the shared
// identity window (CCMIdentityDlg) on this window's table of controls and buttons.
#pragma once
#include "selection/CCMIdentityDlg.h"
#include "selection/CSelectListEdit.h"

class CCMSelectIdentityDlg : public CCMIdentityDlg {
  DECLARE_DYNAMIC(CCMSelectIdentityDlg)

 public:
  explicit CCMSelectIdentityDlg(CWnd* pParent = nullptr);
  ~CCMSelectIdentityDlg() override;

 protected:
  CEdit& NumberEdit(CViewCtrl::Kind kind) override { return m_editNo[kind]; }

 private:
  CSelectListEdit m_editNo[CViewCtrl::KINDS];  // points, members, nodes, elements

  DECLARE_MESSAGE_MAP()
};
