// The modeless dialog base bound to a document. The opener builds it on the heap, sets
// m_pDBDoc, and calls Create(dialog id, template id, parent): the window is made and the
// dialog entered under its dialog id in the document's modeless-dialog manager
// (CDBDoc::GetDlgCtrl), so that the document finds it again while it is open. It ends with
// its window: PostNcDestroy takes it out of the manager and deletes the object. So it must
// live on the heap, and nobody keeps a pointer to it past its window.
#pragma once
#include "ui/CDlgModeless.h"

class CDBDoc;

class CDBDlgBase : public CDlgModeless {
  DECLARE_DYNAMIC(CDBDlgBase)

 public:
  explicit CDBDlgBase(UINT nIDTemplate = 0, CWnd* pParentWnd = nullptr)
      : CDlgModeless(nIDTemplate, pParentWnd) {}

  // The window of template nIDTemplate, entered as nIDDlg in m_pDBDoc's manager (NULL
  // document: the current one, which m_pDBDoc then becomes). 0 when there is no document,
  // the manager already holds nIDDlg, the template is missing or the window could not be
  // made; the object then has no window and is not entered.
  BOOL Create(UINT nIDDlg, UINT nIDTemplate, CWnd* pParentWnd = nullptr);
  using CDlgModeless::Create;
  UINT GetDlgID() const { return m_nIDDlg; }

  void PostNcDestroy() override;

  CDBDoc* m_pDBDoc = nullptr;

 protected:
  CDBDoc* GetUpdateDoc() const override { return m_pDBDoc; }

 private:
  UINT m_nIDDlg = 0;
  BOOL m_bEntered = FALSE;
  BOOL m_bCreating = FALSE;  // inside Create: a window ending now leaves the object to Create's caller
};
