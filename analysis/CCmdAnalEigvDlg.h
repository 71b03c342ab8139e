// Eigenvalue analysis control: the method (subspace iteration or Lanczos), how many
// frequencies (automatic by the mass participation sum, or a number), the subspace
// parameters, the cap on the number of modes and the directions whose participation is
// controlled. It edits a copy of the model's one T_EIGV_D (defaults when the model has
// none); OK stores it with the plain CClassEigv::Add, outside the undo history.
//
// The mode-limit group lies below the visible area in the template and is moved up into
// the place of the subspace parameter box; the two are never shown together.
//
// Rules of OK, the dialog open and nothing stored when refused:
// - counts, iterations, subspace size, maximum and tolerance that do not parse keep their
//   values; a count below its spin's minimum (0) is refused ("IDS_CMD_EIGV_ERROR_Negative",
//   focus on it); above the range it is stored as typed;
// - in automatic mode the mass participation must be a whole number
//   ("IDS_WG_CMD_EIGV_INPUT_ERROR_NOT_INTEGER", focus on it); in user-defined mode it is
//   not read;
// - DX or DY must be controlled ("IDS_CMD_EIGV_MPF_DIR_ERROR"), whichever method.
// A stored type 1 (vectors per load case, not offered here) stays 1 unless a method radio
// is clicked; the vectors per nonlinear-link DOF (no control) are kept.
//
// In the document's model-check mode 8 the texts of the frequency count and of the mass
// participation edit and label are red.
#pragma once
#include "afx/CArray.h"
#include "db/T_EIGV_D.h"
#include "db/T_NLLP_D.h"
#include "ui/CDlgMove.h"

class CCmdAnalEigvDlg : public CDlgMove {
  DECLARE_DYNAMIC(CCmdAnalEigvDlg)

 public:
  explicit CCmdAnalEigvDlg(CWnd* pParent = nullptr);

  const T_EIGV_D& GetRecord() const { return m_eigv; }

  // For other modules: the number of eigenvectors the record asks for.
  static int GetNumEigv(const T_EIGV_D& rec);
  // Nonlinear degrees of freedom of the placed links (their properties' '1' flags).
  static int CalcEigvNlnkForceVectors();
  static BOOL GetNllp(UINT key, T_NLLP_D& rec);

 protected:
  BOOL OnInitDialog() override;
  void OnOK() override;
  HBRUSH OnCtlColor(CDC* pDC, CWnd* pWnd, UINT nCtlColor);
  void OnAnaltypeRadio();
  void OnAutoRadio();
  void OnMaxNumOfFreq();

  void Data2Dlg();
  void InitCtrls();
  void EnableDisableCtrls();
  int GetAnalType() const;
  BOOL Dlg2Data();

  T_EIGV_D m_eigv;
  BOOL m_bTypeChosen = FALSE;  // a method radio was clicked

  DECLARE_MESSAGE_MAP()
};
