// The crossing splits of the current document (CFlagCtrl): the crossing tolerance, within
// which two members are taken to cross, and whether the members a new member crosses are
// split as well as the new one. Run modally by the creation option panels' "..." beside
// their crossing-split boxes.
//
// A small dialog of the database library with a plain template of its own, made here and
// not taken from a resource script: the tolerance in an edit of the current length unit
// with its unit label, the check box of the crossed members, OK and Cancel.
//
// Rules: OK stores both when the typed tolerance is a finite number above 0 (read in
// current units, stored internal) and ends with IDOK; any other text keeps the dialog open
// with the focus on the edit and stores nothing. Without a document the controls are
// empty and disabled and OK stores nothing. Cancel stores nothing.
#pragma once
#include "afx/CDialog.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"

class CIntsDlg : public CDialog {
  DECLARE_DYNAMIC(CIntsDlg)

 public:
  // The template's id and its controls.
  enum { IDD = 17996, IDC_INTS_TOLERANCE = 1001, IDC_INTS_UNIT = 1002, IDC_INTS_SPLIT_CROSSED = 1003 };

  explicit CIntsDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CEditUnit m_edit;
  CTextUnit m_unit;
};
