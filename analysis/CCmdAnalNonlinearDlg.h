// The tension/compression-only iteration page: include or exclude the elements that drop
// out of work (choice 0 or 1), each with an iteration count (a formula edit with a spin)
// and a convergence tolerance in mm. The parameters of the other choice are disabled. The
// spins keep no position: a step reads the whole number the edit's text begins with (0
// when none); an up step (negative delta) writes it plus 1, a down step minus 1 when it is
// at least 2, else "1". The page binds no record field and stores nothing; the analysis
// control window keeps it without making its window, and the application can host it.
#pragma once
#include "db/CEditUnit.h"
#include "db/T_ACTL_D.h"
#include "ui/CDlgChild.h"
#include "ui/CFormulaEdit.h"

class CCmdAnalNonlinearDlg : public CDlgChild {
  DECLARE_DYNAMIC(CCmdAnalNonlinearDlg)

 public:
  explicit CCmdAnalNonlinearDlg(CWnd* pParent = nullptr);

  void SetRecord(T_ACTL_D* pRecord) { m_pActl = pRecord; }
  int GetChoice() const { return m_nChoice; }
  BOOL Data2Dlg() { return UpdateData(FALSE); }
  BOOL Dlg2Data() { return UpdateData(TRUE); }

 protected:
  BOOL OnInitDialog() override;
  void DoDataExchange(CDataExchange* pDX) override;
  void OnChangeElemType();
  void OnDeltaposEtcPcTcIterSpin(NMHDR* pNMHDR, LRESULT* pResult);
  void OnDeltaposCmdActlExlcaseSpin(NMHDR* pNMHDR, LRESULT* pResult);
  void EnableByChoice();
  void Step(UINT nEdit, NMHDR* pNMHDR, LRESULT* pResult);

  T_ACTL_D* m_pActl = nullptr;  // handed over, never used
  int m_nChoice = 0;
  CFormulaEdit m_editIter;
  CFormulaEdit m_editLcIter;
  CEditUnit m_editTol;
  CEditUnit m_editLcTol;

  DECLARE_MESSAGE_MAP()
};
