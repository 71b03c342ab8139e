// A small dialog of the database library that edits one length of the current document's
// flags (CFlagCtrl): an edit in the current length unit with its unit label, beside what
// else the template holds, OK and Cancel. The template is the derived dialog's own, made in
// code and not taken from a resource script.
//
// Rules: OK stores a typed length that is a finite number above 0 (read in current units,
// stored internal) together with what the derived dialog stores, and ends with IDOK; any
// other text keeps the dialog open with the focus on the edit and stores nothing. Without a
// document the edit and the derived dialog's own controls are disabled and OK stores
// nothing. Cancel stores nothing.
#pragma once
#include "afx/CDialog.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"

class CFlagCtrl;

class CPositiveLengthDlg : public CDialog {
  DECLARE_DYNAMIC(CPositiveLengthDlg)

 public:
  BOOL OnInitDialog() override;
  void OnOK() override;

 protected:
  // pTemplate outlives the dialog; nEdit and nUnit are its length edit and unit label.
  CPositiveLengthDlg(const AFX_DLGTEMPLATE* pTemplate, UINT nEdit, UINT nUnit, CWnd* pParent);

  // The length shown, in current units; shows the derived dialog's other flags.
  virtual double LoadFlags(CFlagCtrl& flags) = 0;
  // Stores the accepted length (current units) and the derived dialog's other flags.
  virtual void StoreFlags(CFlagCtrl& flags, double length) = 0;
  // Disables the derived dialog's other controls when there is no document.
  virtual void DisableOthers() {}

 private:
  UINT m_nEdit;
  UINT m_nUnit;
  CEditUnit m_edit;
  CTextUnit m_unit;
};
