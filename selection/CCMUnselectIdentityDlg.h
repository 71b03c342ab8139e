// The unselect-by-identity window (template 16243), the twin of the select window that
// works on the objects that are not selected: its number edits show the unselected points
// and members (nodes and elements in the analysis model), and a typed list makes exactly
// those objects of the kind the unselected ones. Its buttons change the unselected set of
// each checked kind: All makes it everything, None nothing, Inverse its complement, Add
// and Delete add and take away the query's objects, Replace makes it the query's objects,
// Intersect keeps those among them. Where the unselected set becomes a given list, the
// window selects everything and unselects the list, as one step for Previous.
// Member-type items read "%d_%s" in both models. Everything else is the shared identity
// window (CCMIdentityDlg).
#pragma once
#include "selection/CCMIdentityDlg.h"
#include "selection/CUnselectListEdit.h"

class CCMUnselectIdentityDlg : public CCMIdentityDlg {
  DECLARE_DYNAMIC(CCMUnselectIdentityDlg)

 public:
  explicit CCMUnselectIdentityDlg(CWnd* pParent = nullptr);
  ~CCMUnselectIdentityDlg() override;

 protected:
  CEdit& NumberEdit(CViewCtrl::Kind kind) override { return m_editNo[kind]; }

 private:
  CUnselectListEdit m_editNo[CViewCtrl::KINDS];  // points, members, nodes, elements

  DECLARE_MESSAGE_MAP()
};
