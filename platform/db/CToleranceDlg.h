// The merge tolerance of the current document (CFlagCtrl::GetMergeToleranceCurrentUnit):
// two points closer than it in x, y and z are one point for the modeller. Run modally by
// the creation option panels' "..." beside "merge duplicate points".
//
// A small dialog of the database library with a plain template of its own, made here and
// not taken from a resource script: the tolerance in an edit of the current length unit
// with its unit label, OK and Cancel.
//
// Rules: OK stores a typed tolerance that is a finite number above 0 (read in current
// units, stored internal) and ends with IDOK; any other text keeps the dialog open with
// the focus on the edit and stores nothing. Without a document the edit is empty and
// disabled and OK stores nothing. Cancel stores nothing.
#pragma once
#include "afx/CDialog.h"
#include "db/CEditUnit.h"
#include "db/CTextUnit.h"

class CToleranceDlg : public CDialog {
  DECLARE_DYNAMIC(CToleranceDlg)

 public:
  // The template's id and its controls.
  enum { IDD = 17995, IDC_TOLERANCE_EDIT = 1001, IDC_TOLERANCE_UNIT = 1002 };

  explicit CToleranceDlg(CWnd* pParent = nullptr);

  BOOL OnInitDialog() override;
  void OnOK() override;

 private:
  CEditUnit m_edit;
  CTextUnit m_unit;
};
