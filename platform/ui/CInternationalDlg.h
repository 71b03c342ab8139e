// The localised dialog base of every dialog of the modules. The templates already carry
// their texts in the user's language, so localising adds nothing here; the class binds a
// dialog with a CDBUpdateConnector base to the model database while its window lives
// (ui/CDBUpdateConnector.h).
#pragma once
#include "afx/CDialog.h"

class CDBDoc;

class CInternationalDlg : public CDialog {
  DECLARE_DYNAMIC(CInternationalDlg)

 public:
  CInternationalDlg() = default;
  explicit CInternationalDlg(UINT nIDTemplate, CWnd* pParentWnd = nullptr)
      : CDialog(nIDTemplate, pParentWnd) {}

  INT_PTR DoModal() override { return CDialog::DoModal(); }
  BOOL Create(UINT nIDTemplate, CWnd* pParentWnd = nullptr) override {
    return CDialog::Create(nIDTemplate, pParentWnd);
  }
  BOOL Create(LPCTSTR lpszTemplateName, CWnd* pParentWnd = nullptr) override {
    return CDialog::Create(lpszTemplateName, pParentWnd);
  }

  LRESULT WindowProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 protected:
  // The document whose model database a connector base follows; NULL: the current one.
  virtual CDBDoc* GetUpdateDoc() const { return nullptr; }
};
