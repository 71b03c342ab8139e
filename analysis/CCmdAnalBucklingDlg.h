// Buckling analysis control: how many buckling modes, whether only positive buckling
// factors are reported, and the buckling load (up to 15 static load cases, each with a
// factor and a load type, variable or constant; list rules in CAnalLoadCaseListDlg). It
// edits a copy of the model's one T_BUCK_D (defaults when the model has none). OK stores
// it with the plain CClassBuck::Add and the delete-data button removes it with the plain
// CClassBuck::Del, both outside the undo history; Cancel stores nothing.
//
// OK reads the mode count: a text that is no whole number keeps the dialog open without a
// word; a count below 0 is refused ("IDS_CMD_BUCK_ERROR_Negative", focus on it, nothing
// stored); above the spin's range it is stored as typed. The iteration count and the
// tolerance have no control in view (their group lies beyond the dialog's right edge):
// they keep the values read from the model.
#pragma once
#include "analysis/CAnalLoadCaseListDlg.h"
#include "db/T_BUCK_D.h"

class CCmdAnalBucklingDlg : public CAnalLoadCaseListDlg {
  DECLARE_DYNAMIC(CCmdAnalBucklingDlg)

 public:
  explicit CCmdAnalBucklingDlg(CWnd* pParent = nullptr);

  const T_BUCK_D& GetRecord() const { return m_buck; }

 protected:
  BOOL OnInitDialog() override;
  void OnCmdApply();
  void OnCmdClose();
  void OnClickLoadCaseBtn();
  void OnCmdRemoveData();

  T_BUCK_D m_buck;

  DECLARE_MESSAGE_MAP()
};
