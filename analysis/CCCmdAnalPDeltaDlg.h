// P-delta analysis control: the iteration count and convergence tolerance, and the P-delta
// load (up to 15 static load cases, each with a factor; list rules in
// CAnalLoadCaseListDlg, with no load type, and a list left without a selected row shows
// the factor 0). It edits a copy of the model's one T_PDEL_D (defaults when the model has
// none). OK stores it with the plain CClassPdel::Add and the delete-data button (placed
// beyond the dialog's right edge) removes it with the plain CClassPdel::Del, both outside
// the undo history; Cancel stores nothing.
//
// OK reads the iteration count and the tolerance: a text that is no number keeps the
// dialog open without a word; an iteration count below 1 is refused
// ("IDS_CMD_PDEL_ERROR_Iteration", focus on it, nothing stored); above the spin's range
// (1 to 100) it is stored as typed. When the P-delta record is added or changed while the
// dialog is open, the dialog shows its own iteration count, tolerance and entries again.
#pragma once
#include "analysis/CAnalLoadCaseListDlg.h"
#include "db/T_PDEL_D.h"

class CCCmdAnalPDeltaDlg : public CAnalLoadCaseListDlg {
  DECLARE_DYNAMIC(CCCmdAnalPDeltaDlg)

 public:
  explicit CCCmdAnalPDeltaDlg(CWnd* pParent = nullptr);

  const T_PDEL_D& GetRecord() const { return m_pdel; }

 protected:
  BOOL OnInitDialog() override;
  void OnCmdApply();
  void OnCmdClose();
  void OnCmdRemoveData();
  void UpdateBuffer(const DB_CDataBase& db) override;
  void ShowParameters();

  T_PDEL_D m_pdel;

  DECLARE_MESSAGE_MAP()
};
